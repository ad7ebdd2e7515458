import QtQuick 2.15

// A chooser over the screen area: a title and one or two lists, each with a
// heading, entries ({ label, value, selected, enabled }) and how many entries
// may be selected in it (at most "limit"; 1 picks one). show() opens it with
// the entries marked selected already chosen; a disabled entry takes no
// touch. "OK" shows once every list has a selection (with allowEmpty always,
// so a set being edited can be cleared) and answers accepted(selected), the
// selected values of each list in list order; with single (one list) a touch
// on an entry answers at once. "Cancel" answers cancelled(). Either answer
// closes the chooser.
Rectangle {
    id: chooser
    property string title: ""
    property var lists: []          // [{ heading, entries: [{ label, value, selected, enabled }], limit }]
    property var selected: []
    property bool single: false
    property bool allowEmpty: false
    signal accepted(var selected)
    signal cancelled()

    anchors.fill: parent
    z: 50
    visible: false
    color: rootwindow.backColour
    // Nothing behind it takes a touch or a mouse wheel.
    MouseArea {
        anchors.fill: parent
        onWheel: wheel.accepted = true
    }

    readonly property bool complete: {
        if (selected.length !== lists.length || lists.length === 0)
            return false
        if (allowEmpty)
            return true
        for (var i = 0; i < selected.length; ++i)
            if (selected[i].length === 0)
                return false
        return true
    }

    function isSelected(list, value) { return list < selected.length && selected[list].indexOf(value) >= 0 }
    function entryOf(list, value) {
        if (list < 0 || list >= lists.length)
            return undefined
        var entries = lists[list].entries
        for (var i = 0; i < entries.length; ++i)
            if (entries[i].value === value)
                return entries[i]
        return undefined
    }
    function answer() {
        visible = false
        accepted(selected)
    }
    function toggle(list, value) {
        var entry = entryOf(list, value)
        if (entry === undefined || entry.enabled === false)
            return false
        if (single) {
            selected = [[value]]
            answer()
            return true
        }
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

    // Shows the lists, the entries marked selected chosen.
    function show(newLists) {
        var start = []
        for (var i = 0; i < newLists.length; ++i)
            start.push(newLists[i].entries.filter(function(e) { return e.selected === true })
                                          .map(function(e) { return e.value }))
        selected = start
        lists = newLists
        visible = true
    }

    ScreenHeading {
        id: heading
        x: 10
        height: 26
        text: chooser.title
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
                GridView {
                    id: entryGrid
                    y: listHeading.height
                    width: parent.width - 6
                    height: parent.height - listHeading.height
                    clip: true
                    // As many columns of about a hundred pixels as the list is wide.
                    cellWidth: width / Math.max(1, Math.floor(width / 105))
                    cellHeight: 40
                    boundsBehavior: Flickable.StopAtBounds
                    // Rows made only as they come into view: none left half made in the
                    // background when the screen closes.
                    cacheBuffer: 0
                    model: modelData.entries
                    delegate: GeneralPurposeButton {
                        objectName: "choose_" + listIndex + "_" + modelData.value
                        width: entryGrid.cellWidth - 6
                        height: 36
                        // An entry without a name still shows as one.
                        gp_text: modelData.label !== "" ? modelData.label : "---"
                        fontSize: 14
                        fitText: true
                        state: modelData.enabled === false ? "disabled"
                             : chooser.isSelected(listIndex, modelData.value) ? "active" : ""
                        onClicked: chooser.toggle(listIndex, modelData.value)
                    }
                }
                ScrollBar { flickable: entryGrid }
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
            visible: chooser.complete && !chooser.single
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: chooser.answer()
        }
        GeneralPurposeButton {
            objectName: "chooserCancel"
            width: 110
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: {
                chooser.visible = false
                chooser.cancelled()
            }
        }
    }
}
