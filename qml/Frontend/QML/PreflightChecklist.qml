import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The preflight checklist of the current model: which controls must stand
// at their start positions before the radio starts, and whether the check
// is on. With "Selection" enabled, a moved control joins the list (moved
// again, it leaves it); "Teach" takes every listed control's present
// position as its start position.
Item {
    id: screen
    objectName: "preflightChecklist"

    property bool used: false
    property var controls: []        // listed control ids, in entry order
    property bool selecting: false
    property bool leaving: false
    readonly property bool locked: selectionLock.running
    // The control last selected or moved, and its position shown.
    property int lastControl: GuiCmdData.CONTROLID_None_GUI
    property int lastRaw: 0
    property string lastPercent: ""

    // Two-position switches are listed under their second (momentary) ids.
    readonly property var plainIds: [GuiCmdData.CONTROLID_SW_C_GUI, GuiCmdData.CONTROLID_SW_G_GUI,
                                     GuiCmdData.CONTROLID_SW_H_GUI, GuiCmdData.CONTROLID_SW_L_GUI]
    readonly property var momentaryIds: [GuiCmdData.CONTROLID_SW_CTO_GUI, GuiCmdData.CONTROLID_SW_GTO_GUI,
                                         GuiCmdData.CONTROLID_SW_HTO_GUI, GuiCmdData.CONTROLID_SW_LTO_GUI]

    function set() { return DatabaseValue.AtomicDirSet }
    function get() { return DatabaseValue.AtomicDirGet }
    function listedId(control) {
        var at = plainIds.indexOf(control)
        return at >= 0 ? momentaryIds[at] : control
    }

    // Every entry of the store: a control removed earlier leaves a gap that
    // the used count does not cover, so the entries are read to their end.
    function readAll() {
        used = Database.KLX_DataBaseManagerPreflightGetSet_IsUsed(0, get())
        var list = []
        for (var i = 0; ; ++i) {
            var id = Database.KLX_DataBaseManagerPreflightGetSet_PhyControlID(i, false, get())
            if (id <= DatabaseValue.KLX_Error)
                break
            if (id > GuiCmdData.CONTROLID_None_GUI)
                list.push(id)
        }
        controls = list
    }
    function toggleUsed() {
        used = Database.KLX_DataBaseManagerPreflightGetSet_IsUsed(!used, set())
    }

    function setSelecting(on) {
        if (on === selecting)
            return
        selecting = on
        if (on) {
            rootwindow.userGuiInputLock()
            Database.KLX_DataBaseManager_StickdataStartWatchingMovement(false)
        } else {
            selectionLock.stop()
            Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
            rootwindow.userGuiInputUnlock()
        }
    }
    // A listed control leaves the list, another one joins it when the store
    // takes it (only sticks, rotaries, sliders and switches may).
    function toggle(control) {
        var id = listedId(control)
        var list = controls.slice()
        var at = list.indexOf(id)
        if (at >= 0) {
            list.splice(at, 1)
            if (!leaving)
                Database.KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, false, set())
        } else if (Database.KLX_DataBaseManagerPreflightGetSet_PhyControlID(id, true, set()) === id) {
            list.push(id)
        }
        controls = list
        show(id)
    }
    function show(id) {
        lastControl = id
        lastRaw = Database.KLX_DataBaseManagerGetValueOfControl(id)
        // -2048: the controller has not reported the control yet.
        lastPercent = lastRaw === -2048 ? "---" : Database.KLX_DataBaseManagerGetValueOfControlPercent(id) + " %"
    }
    function selected(control) {
        if (!selecting)
            return
        selectionLock.restart()
        toggle(control)
    }
    // The same control reported again: while the lock runs it is still the
    // same movement.
    function repeated(control) {
        if (!selecting)
            return
        if (selectionLock.running) {
            selectionLock.restart()
            show(listedId(control))
            return
        }
        toggle(control)
        selectionLock.start()
    }

    function teach() {
        if (controls.length === 0)
            return
        var right = true
        for (var i = 0; i < controls.length; ++i) {
            var value = Database.KLX_DataBaseManagerGetValueOfControl(controls[i])
            if (Database.KLX_DataBaseManagerPreflightGetSet_ControlPosition(controls[i], value, set()) !== value)
                right = false
        }
        if (right)
            rootwindow.popupShow(null, "info", qsTr("Controls teached!") + Language.emptyString, "Ok")
        else
            rootwindow.popupShow(null, "error", qsTr("Controls teached incorrect - try again!") + Language.emptyString, "Ok")
    }
    function leave() {
        leaving = true
        setSelecting(false)
        systemHistory.goBack()
    }

    Timer {
        id: selectionLock
        interval: 1000
    }
    // The position shown follows its control while it moves.
    Timer {
        interval: 100
        repeat: true
        running: screen.lastControl > GuiCmdData.CONTROLID_None_GUI && !rootwindow.shutdown
        onTriggered: {
            var raw = Database.KLX_DataBaseManagerGetValueOfControl(screen.lastControl)
            if (Math.abs(raw - screen.lastRaw) >= 10)
                screen.show(screen.lastControl)
        }
    }
    Connections {
        target: Database
        function onControlSelected(control) { screen.selected(control) }
        function onControlRepeated(oldcontrol) { screen.repeated(oldcontrol) }
    }

    // ---- the screen ----
    ScreenHeading {
        objectName: "preflightHeading"
        y: 2
        width: parent.width - 110
        text: qsTr("Preflight Checklist") + Language.emptyString
    }
    GeneralPurposeButton {
        objectName: "preflightUsed"
        x: parent.width - width - 8
        y: 2
        width: 90
        height: 28
        state: screen.selecting ? "disabled" : screen.used ? "active" : ""
        gp_text: (screen.used ? qsTr("On") : qsTr("Off")) + Language.emptyString
        onClicked: screen.toggleUsed()
    }

    // The listed controls, each with its present position; a row whose
    // control moves shows it as the last one.
    Rectangle {
        x: 5
        y: 34
        width: 200
        height: 172
        color: "transparent"
        border.width: 1
        border.color: rootwindow.rectBorderColour
        ListView {
            id: list
            objectName: "preflightList"
            anchors.fill: parent
            anchors.margins: 3
            clip: true
            spacing: 2
            boundsBehavior: Flickable.StopAtBounds
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: screen.controls
            delegate: Item {
                id: row
                objectName: "preflightRow_" + modelData
                width: list.width - 8
                height: 26
                property int raw: Database.KLX_DataBaseManagerGetValueOfControl(modelData)
                Timer {
                    interval: 250
                    repeat: true
                    running: !rootwindow.shutdown
                    onTriggered: {
                        var now = Database.KLX_DataBaseManagerGetValueOfControl(modelData)
                        if (Math.abs(now - row.raw) > 10) {
                            row.raw = now
                            screen.show(modelData)
                        }
                    }
                }
                Rectangle {
                    anchors.fill: parent
                    radius: 3
                    color: modelData === screen.lastControl ? "#2f7fd8" : "transparent"
                }
                Text {
                    x: 6
                    width: 110
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: Database.KLX_DataBaseManagerGetNameOfControlByID(modelData)
                    color: modelData === screen.lastControl ? "white" : rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                }
                Text {
                    x: 116
                    width: 60
                    height: parent.height
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: row.raw === -2048 ? "---" : Math.round(row.raw * 100 / 2047) + " %"
                    color: modelData === screen.lastControl ? "white" : rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 14
                }
            }
        }
        ScrollBar { flickable: list }
        Text {
            anchors.centerIn: parent
            visible: list.count === 0
            text: "---"
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
    }

    SettingsList {
        x: 212
        y: 34
        width: parent.width - 217
        height: 172
        labelWidth: 125
        interactive: false
        SettingRow {
            label: qsTr("Selection") + Language.emptyString
            labelWidth: 125
            buttonName: "preflightSelection"
            valueWidth: 125
            active: screen.selecting
            value: (screen.selecting ? qsTr("Enabled") : qsTr("Disabled")) + Language.emptyString
            onClicked: screen.setSelecting(!screen.selecting)
        }
        LabelledRow {
            label: qsTr("Control") + Language.emptyString
            labelWidth: 125
            Text {
                objectName: "preflightControl"
                width: 125
                height: 30
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignHCenter
                text: screen.lastControl > GuiCmdData.CONTROLID_None_GUI
                      ? Database.KLX_DataBaseManagerGetNameOfControlByID(screen.lastControl) : "---"
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
                font.bold: true
            }
        }
        LabelledRow {
            label: qsTr("Position") + Language.emptyString
            labelWidth: 125
            Text {
                objectName: "preflightPosition"
                width: 125
                height: 30
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: Text.AlignHCenter
                text: screen.lastControl > GuiCmdData.CONTROLID_None_GUI ? screen.lastPercent : "---"
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
            }
        }
        LabelledRow {
            label: qsTr("Teach controls") + Language.emptyString
            labelWidth: 125
            GeneralPurposeButton {
                objectName: "preflightTeach"
                width: 125
                state: screen.selecting || screen.controls.length === 0 ? "disabled" : ""
                gp_text: qsTr("Teach") + Language.emptyString
                onClicked: screen.teach()
            }
        }
    }

    GeneralPurposeButton {
        objectName: "preflightOk"
        x: parent.width - width - 8
        y: 212
        width: 100
        state: screen.selecting ? "disabled" : ""
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: screen.leave()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        readAll()
    }
    Component.onDestruction: {
        leaving = true
        if (selecting && !rootwindow.shutdown) {
            Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
            rootwindow.userGuiInputUnlock()
        }
    }
}
