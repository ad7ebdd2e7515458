import QtQuick 2.15

// A chooser over the screen area: a title and one or two lists of entries
// ({ label, value }), each with a heading and how many entries may be
// selected in it (at most "limit"; 1 picks one), shown by show(). "OK" shows
// once every list has a selection and answers accepted(selected), the
// selected values of each list in list order; "Cancel" answers cancelled().
Rectangle {
    id: chooser
    property string title: ""
    property var lists: []          // [{ heading, entries: [{ label, value }], limit }]
    property var selected: []
    signal accepted(var selected)
    signal cancelled()

    anchors.fill: parent
    z: 50
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    readonly property bool complete: {
        if (selected.length !== lists.length)
            return false
        for (var i = 0; i < selected.length; ++i)
            if (selected[i].length === 0)
                return false
        return lists.length > 0
    }

    function isSelected(list, value) { return list < selected.length && selected[list].indexOf(value) >= 0 }
    function toggle(list, value) {
        var copy = selected.map(function(s) { return s.slice() })
        var here = copy[list]
        var at = here.indexOf(value)
        var limit = lists[list].limit === undefined ? 1 : lists[list].limit
        if (at >= 0) {
            here.splice(at, 1)
        } else if (limit === 1) {
            copy[list] = [value]
        } else if (here.length < limit) {
            here.push(value)
        } else {
            return false      // more than fit: the entry stays unselected
        }
        // Selections keep the order of the list.
        var order = lists[list].entries.map(function(e) { return e.value })
        copy[list].sort(function(a, b) { return order.indexOf(a) - order.indexOf(b) })
        selected = copy
        return true
    }

    // Shows the lists, the preselected entries selected.
    function show(newLists, pre) {
        var start = []
        for (var i = 0; i < newLists.length; ++i)
            start.push(pre !== undefined && i < pre.length ? pre[i].slice() : [])
        selected = start
        lists = newLists
        visible = true
    }

    Text {
        id: heading
        x: 10
        width: parent.width - 20
        height: 26
        text: chooser.title
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        font.bold: true
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    Row {
        id: columns
        x: 10
        y: heading.height
        spacing: 10
        height: parent.height - heading.height - 45
        Repeater {
            model: chooser.lists
            Item {
                readonly property int listIndex: index
                width: (chooser.width - 20 - (chooser.lists.length - 1) * 10) / chooser.lists.length
                height: columns.height
                Text {
                    id: listHeading
                    width: parent.width
                    height: modelData.heading ? 20 : 0
                    visible: height > 0
                    text: modelData.heading ? modelData.heading : ""
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 13
                }
                ListView {
                    id: entryList
                    y: listHeading.height
                    width: parent.width - 6
                    height: parent.height - listHeading.height
                    clip: true
                    spacing: 4
                    boundsBehavior: Flickable.StopAtBounds
                    model: modelData.entries
                    delegate: GeneralPurposeButton {
                        objectName: "choose_" + listIndex + "_" + modelData.value
                        width: entryList.width
                        gp_text: modelData.label
                        state: chooser.isSelected(listIndex, modelData.value) ? "active" : ""
                        onClicked: chooser.toggle(listIndex, modelData.value)
                    }
                }
                ScrollBar { flickable: entryList }
            }
        }
    }

    Row {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 7
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 20
        GeneralPurposeButton {
            objectName: "chooserOk"
            width: 110
            visible: chooser.complete
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: chooser.accepted(chooser.selected)
        }
        GeneralPurposeButton {
            objectName: "chooserCancel"
            width: 110
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: chooser.cancelled()
        }
    }
}
