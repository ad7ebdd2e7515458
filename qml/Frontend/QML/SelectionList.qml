import QtQuick 2.15

// A chooser over the screen: a heading, a list of entries ({ label, value,
// selected, enabled }) that are touched on and off (at most maxSelected at
// once; with single one touch chooses), "OK" and "Cancel".
Rectangle {
    id: chooser
    property string heading: ""
    property var entries: []
    property int maxSelected: 1000
    property bool single: false
    signal accepted(var values)
    signal cancelled()

    anchors.fill: parent
    z: 50
    visible: false
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    function open(text, list) {
        heading = text
        entries = list
        visible = true
    }
    function close() { visible = false }
    function selectedCount() {
        var n = 0
        for (var i = 0; i < entries.length; ++i)
            if (entries[i].selected)
                ++n
        return n
    }
    function selectedValues() {
        var values = []
        for (var i = 0; i < entries.length; ++i)
            if (entries[i].selected)
                values.push(entries[i].value)
        return values
    }
    function toggle(row) {
        var list = entries.slice()
        var entry = list[row]
        if (entry.enabled === false)
            return
        if (single) {
            close()
            accepted([entry.value])
            return
        }
        // A selection beyond the limit stays unselected.
        if (!entry.selected && selectedCount() >= maxSelected)
            return
        list[row] = { label: entry.label, value: entry.value, selected: !entry.selected, enabled: entry.enabled }
        entries = list
    }

    Text {
        objectName: "chooserHeading"
        x: 8
        y: 4
        width: parent.width - 16
        height: 26
        verticalAlignment: Text.AlignVCenter
        text: chooser.heading
        elide: Text.ElideRight
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        font.bold: true
    }
    GridView {
        id: grid
        objectName: "chooserList"
        x: 8
        y: 32
        width: parent.width - 16
        height: parent.height - y - 42
        clip: true
        cellWidth: width / 4
        cellHeight: 36
        boundsBehavior: Flickable.StopAtBounds
        model: chooser.entries
        delegate: GeneralPurposeButton {
            objectName: "choice_" + modelData.value
            width: grid.cellWidth - 6
            height: 30
            gp_text: modelData.label
            fontSize: 14
            state: modelData.enabled === false ? "disabled" : modelData.selected ? "active" : ""
            onClicked: chooser.toggle(index)
        }
    }
    ScrollBar { flickable: grid }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
        spacing: 10
        GeneralPurposeButton {
            objectName: "chooserCancel"
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: { chooser.close(); chooser.cancelled() }
        }
        GeneralPurposeButton {
            objectName: "chooserOk"
            visible: !chooser.single
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: { chooser.close(); chooser.accepted(chooser.selectedValues()) }
        }
    }
}
