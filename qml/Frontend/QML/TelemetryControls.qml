import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model's telemetry controls: a sensor value turned into a control.
// "+" adds one through the element task, a held name deletes one; a row's
// name is renamed, its source chosen in the sensor-and-value chooser, its
// output opens the control's settings.
Item {
    id: screen
    objectName: "teleControls"
    readonly property var widths: [95, 115, 80, 100, 75]
    property var rows: []

    function get() { return DatabaseValue.AtomicDirGet }
    function build() {
        var list = []
        for (var j = 0; j < Database.KLX_DataBaseManagerGetMaxTeleControls(); ++j)
            if (Database.KLX_DataBaseManagerTeleControlGetSet_IsUsed(j, 0, get()) === DatabaseValue.KLX_True)
                list.push(j)
        rows = list
    }
    function rowItem(j) {
        var at = rows.indexOf(j)
        return at >= 0 ? list.itemAtIndex(at) : null
    }
    function leave(url, properties) {
        rootwindow.list_y_position = list.contentY
        rootwindow.openScreen(url, properties)
    }

    // ---- name ----
    property int named: -1
    function editName(j) {
        named = j
        keyboard.preLoadText = Database.KLX_DataBaseManagerTeleControlGetSet_Name(j, "", get())
        keyboard.current = keyboard.preLoadText
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    // An empty name shows the source's aliases again without storing them.
    function nameEntered(text) {
        var row = rowItem(named)
        if (text === keyboard.current || row === null)
            return
        if (text === "") {
            if (row.address !== 255 || row.valueIndex !== 255)
                row.name = row.sourceText(row.address, row.valueIndex)
            return
        }
        var stored = Database.KLX_DataBaseManagerTeleControlGetSet_Name(named, text, DatabaseValue.AtomicDirSet)
        if (stored === "") {
            errorHandler.processError("nameDuplicate")
            return
        }
        row.read()
    }
    function chooseSource(j) {
        var row = rowItem(j)
        leave("qrc:/Frontend/QML/TelemetryWidgetValueSensorSlaveChooser.qml",
              { pageId: -1, elementId: j, sensorId: row ? row.address : -1, slaveId: row ? row.valueIndex : -1,
                singleMode: true, teleControlMode: true })
    }
    function openSettings(j) {
        var row = rowItem(j)
        leave("qrc:/Frontend/QML/TelemetryControlSett2.qml", { tconIndex: j, sensAddr: row.address, slaveAddr: row.valueIndex })
    }

    // ---- adding and deleting ----
    function add() {
        if (rootwindow.smartKeyLock)
            return
        task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_TeleControl)
    }
    function askDelete(j) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("You are about to delete the following telemetry contol: ") + Language.emptyString
                             + Database.KLX_DataBaseManagerTeleControlGetSet_Name(j, "", get()) + qsTr("\nProceed?") + Language.emptyString,
                             "OkAbort", function() { task.remove(GuiCmdData.KLX_TASK_PARA_MODEL_TeleControl, j, 0, j) })
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_TeleControl
        rowsOwner: screen
    }

    ListHeading {
        y: 2
        widths: screen.widths
        titles: [qsTr("Name") + Language.emptyString, qsTr("Source") + Language.emptyString,
                 qsTr("Input") + Language.emptyString, qsTr("Limits") + Language.emptyString,
                 qsTr("Output") + Language.emptyString]
    }
    ListView {
        id: list
        objectName: "tconRows"
        x: 5
        y: 26
        width: parent.width - 10
        height: parent.height - y - 40
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.rows
        delegate: TelemetryControlItem {
            tcon: modelData
            widths: screen.widths
            onNameClicked: screen.editName(tcon)
            onNameHeld: options.open([{ name: "delete", label: qsTr("Delete") + Language.emptyString }], tcon)
            onSourceClicked: screen.chooseSource(tcon)
            onOutputClicked: screen.openSettings(tcon)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "tconAdd"
        x: 5
        y: parent.height - 35
        width: 60
        gp_text: "+"
        fontSize: 20
        onClicked: screen.add()
    }
    OptionsBar {
        id: options
        objectName: "tconOptions"
        onChosen: if (name === "delete") screen.askDelete(datum)
    }
    Keyboard {
        id: keyboard
        objectName: "tconKeyboard"
        property string current: ""
        maxLen: 14
        onOkClicked: {
            keyboard.extended = false
            screen.nameEntered(keyboard.preLoadText)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        build()
        if (rootwindow.list_y_position >= 0) {
            list.contentY = rootwindow.list_y_position
            rootwindow.list_y_position = -1
        }
    }
}
