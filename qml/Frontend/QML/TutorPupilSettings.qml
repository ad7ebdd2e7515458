import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The trainer-cord screen: the activator switch with its live state, the
// trainer cord's enable state (the front plug's mode, asked of the
// transceiver controller until it answers) and the teacher/pupil items with
// their own controls, external channels (detected on the cord) and use flags.
Item {
    id: trainer
    objectName: "trainerCordScreen"

    // ---- the activator ----
    property int activatorSwitch: -1
    property string activatorName: "---"
    property bool activatorOn: false
    // ---- the cord ----
    property int plugMode: -1
    property bool stateBusy: false
    readonly property bool cordEnabled: plugMode === 2
    // ---- the items ----
    property var items: []
    property int revision: 0
    property int heldItem: -1
    property int detectItem: -1
    property int detected: -1
    property bool detecting: false
    // ---- a pending task: "activator" or "" ----
    property string pending: ""

    readonly property string editorUrl: "qrc:/Frontend/QML/ControlConfigLinear.qml"
    readonly property string selectorUrl: "qrc:/Frontend/QML/36_ControlSelector.qml"

    function failed(result) { return result <= DatabaseValue.KLX_Error }

    // ---- reading ----
    function readActivator() {
        activatorSwitch = -1
        activatorName = "---"
        var control = Database.KLX_DataBaseManagerTutorPupilGetSetActivator(0, DatabaseValue.AtomicDirGet)
        if (failed(control) || control <= 0)
            return
        var n = Database.KLX_DataBaseManagerSwitchGet_SwitchIdByContorlID(control)
        if (n < 0 || Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(n, 0, DatabaseValue.AtomicDirGet) !== 1)
            return
        activatorSwitch = n
        if (Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(n, 0, DatabaseValue.AtomicDirGet) === 1) {
            activatorName = Database.KLX_DataBaseManagerSwitchGetSet_Name(n, "", DatabaseValue.AtomicDirGet)
            return
        }
        var input = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(n, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0,
                                                                           DatabaseValue.AtomicDirGet)
        activatorName = input > 0 ? controlName(input) : "---"
    }
    // A telemetry control by its own name, any other control by the facade's.
    function controlName(control) {
        for (var t = 0; t < Database.KLX_DataBaseManagerGetMaxTeleControls(); ++t)
            if (Database.KLX_DataBaseManagerGetControlForTelemetryControl(t) === control)
                return Database.KLX_DataBaseManagerTeleControlGetSet_Name(t, "", DatabaseValue.AtomicDirGet)
        return Database.KLX_DataBaseManagerGetNameOfControlByID(control)
    }
    function readItems() {
        var list = []
        for (var i = 0; i < Database.KLX_DataBaseManagerTutorPupilGetUsedChannelsCount(); ++i)
            if (Database.KLX_DataBaseManagerTutorPupilGetSetIsUsed(i, false, DatabaseValue.AtomicDirGet) === 1)
                list.push(i)
        items = list
        revision += 1
    }
    function askPlugMode(forcibly) {
        var mode = Database.KLX_DatabaseManagerGetSetFrontPlugMode(0, forcibly ? DatabaseValue.AtomicDirGetForcibly
                                                                               : DatabaseValue.AtomicDirGet)
        if (mode === DatabaseValue.KLX_MustPollAgain) {
            plugPoll.restart()
            return
        }
        stateBusy = false
        plugMode = mode
    }
    Timer {
        id: plugPoll
        objectName: "plugPoll"
        interval: 200
        onTriggered: trainer.askPlugMode(false)
    }
    Timer {
        interval: 250
        repeat: true
        running: trainer.activatorSwitch >= 0
        onTriggered: trainer.activatorOn = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(trainer.activatorSwitch) === 2047
    }

    // ---- the activator switch ----
    function openEditor(n, control, upper, lower) {
        rootwindow.openScreen(editorUrl, { sourceOptionNumber: 10, switchId: n, control: control,
                                           percentageHystUpper: upper, percentageHystLower: lower })
    }
    function switchPressed() {
        if (activatorSwitch >= 0) {
            var a = DatabaseValue.VIRTUAL_SWITCH_ID_A
            var get = DatabaseValue.AtomicDirGet
            openEditor(activatorSwitch, Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(activatorSwitch, a, 0, get),
                       Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(activatorSwitch, a, 0, get),
                       Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(activatorSwitch, a, 0, get))
            return
        }
        rootwindow.smartKeyLock = true
        pending = "activator"
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_LOAD_UNIT, GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch,
                                                         0, GuiCmdData.KLX_TASK_PARA_NEW, "", "", "")
        if (failed(result)) {
            pending = ""
            rootwindow.smartKeyLock = false
            errorHandler.processError(result)
        }
    }
    function activatorCreated() {
        var n = RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex(GuiCmdData.KLX_TASK_PARA_MODEL_VirtSwitch)
        if (failed(n)) {
            errorHandler.processError(n)
            return
        }
        var result = Database.KLX_DataBaseManagerSwitchSwitch_As_TutorActivator(n)
        if (result !== DatabaseValue.KLX_Ok) {
            errorHandler.processError(result)
            return
        }
        Database.KLX_DataBaseManagerSwitchGetSet_Name(n, "VSi" + n + "TPact", DatabaseValue.AtomicDirSet)
        result = Database.KLX_DataBaseManagerTutorPupilGetSetActivator(Database.KLX_DataBaseManagerGetControlForVirtualSwitch(n),
                                                                       DatabaseValue.AtomicDirSet)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        readActivator()
        openEditor(n, GuiCmdData.CONTROLID_None_GUI, 5, -5)
    }
    Connections {
        target: Command
        function onGuiInformer(state) {
            if (trainer.pending === "" || state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            trainer.pending = ""
            rootwindow.smartKeyLock = false
            if (state === GuiCmdData.GUI_TASK_RESULT_Done)
                trainer.activatorCreated()
            else if (trainer.failed(state))
                errorHandler.processTaskError(errorHandler.getErrorMessage(state))
            else if (state === GuiCmdData.GUI_TASK_RESULT_Error)
                errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout)
                rootwindow.popupShow(null, "error", qsTr("Timeout") + Language.emptyString, "Ok")
        }
    }

    // ---- the cord's state ----
    function toggleCord() {
        var result = cordEnabled ? Database.KLX_DataBaseManagerTutorPupilGlobalEnable(false)
                                 : Database.KLX_DataBaseManagerTutorPupilGlobalEnable()
        if (failed(result))
            errorHandler.processError(result)
        stateBusy = true
        askPlugMode(true)
    }

    // ---- the items ----
    function addItem() {
        var i = Database.KLX_DataBaseManagerTutorPupilGetNextFreeIndex()
        if (failed(i)) {
            errorHandler.processError(i)
            return
        }
        var result = Database.KLX_DataBaseManagerTutorPupilGetSetIsUsed(i, true, DatabaseValue.AtomicDirSet)
        if (failed(result)) {
            // An item that cannot be set used is not added.
            errorHandler.processError(result)
            return
        }
        Database.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(i, DatabaseValue.KLX_False, DatabaseValue.AtomicDirSet)
        readItems()
    }
    function chooseControl(i) {
        rootwindow.openScreen(selectorUrl, { parentId: "tutorPupilVornCtrl", funcId: -1, funcId2: i,
                                             initialControlId: Database.KLX_DataBaseManagerTutorPupilGetSetVornControl(i, 0, DatabaseValue.AtomicDirGet),
                                             controlMask: 0 })
    }
    function deleteItem(i) {
        heldItem = -1
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this vorn control?") + Language.emptyString,
                             "OkAbort", function() {
                                 var result = Database.KLX_DataBaseManagerTutorPupilClearAt(i)
                                 if (failed(result))
                                     errorHandler.processError(result)
                                 readItems()
                             })
    }
    function toggleEnabled(i) {
        var on = Database.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(i, false, DatabaseValue.AtomicDirGet) === 1
        var result = Database.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(i, !on, DatabaseValue.AtomicDirSet)
        if (failed(result))
            errorHandler.processError(result)
        revision += 1
    }
    // ---- external channel detection ----
    function openDetection(i) {
        detectItem = i
        detected = -1
        startDetection()
    }
    function startDetection() {
        if (!cordEnabled)
            toggleCord()
        Database.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(detectItem, DatabaseValue.TUTORPUPIL_ChResponseAwaiting,
                                                                    DatabaseValue.AtomicDirSet, false)
        detected = -1
        detecting = true
        revision += 1
    }
    function saveDetected() {
        var result = Database.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(detectItem, detected, DatabaseValue.AtomicDirSet)
        if (failed(result))
            errorHandler.processError(result)
        detecting = false
        detected = -1
        revision += 1
    }
    function closeDetection() {
        detecting = false
        detectItem = -1
        detected = -1
        readItems()
    }
    Connections {
        target: TeacherPupil
        function onTutorPupilInformer(channel) {
            if (trainer.detectItem >= 0 && trainer.detecting) {
                trainer.detected = channel
                trainer.detecting = false
            }
        }
    }

    // ---- the screen ----
    Row {
        x: 5
        y: 5
        spacing: 5
        GeneralPurposeLabel { width: 150; text: qsTr("Trainer cord switch:") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "activatorButton"
            width: 130
            gp_text: trainer.activatorName
            onClicked: trainer.switchPressed()
        }
        Rectangle {
            objectName: "activatorLamp"
            anchors.verticalCenter: parent.verticalCenter
            width: 18
            height: 18
            radius: 9
            visible: trainer.activatorSwitch >= 0
            color: trainer.activatorOn ? "#20c020" : "#808080"
            border.color: rootwindow.rectBorderColour
        }
        GeneralPurposeButton {
            objectName: "stateButton"
            width: 120
            gp_text: trainer.cordEnabled ? qsTr("Enabled") + Language.emptyString : qsTr("Disabled") + Language.emptyString
            state: trainer.stateBusy ? "disabled" : trainer.cordEnabled ? "active" : ""
            onClicked: trainer.toggleCord()
        }
    }
    Row {
        x: 5
        y: 42
        spacing: 5
        Repeater {
            model: [{ w: 150, t: qsTr("Vorn control") + Language.emptyString },
                    { w: 150, t: qsTr("External channel") + Language.emptyString },
                    { w: 120, t: qsTr("In use") + Language.emptyString }]
            Text {
                width: modelData.w
                text: modelData.t
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 13
                horizontalAlignment: Text.AlignHCenter
            }
        }
    }
    ListView {
        id: list
        objectName: "itemList"
        x: 5
        y: 62
        width: 430
        height: parent.height - y - 5
        spacing: 5
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: trainer.items
        delegate: TutorPupilItem {
            itemIndex: modelData
            revision: trainer.revision
            onControlPressed: trainer.chooseControl(modelData)
            onControlHeld: trainer.heldItem = modelData
            onChannelPressed: trainer.openDetection(modelData)
            onEnabledToggled: trainer.toggleEnabled(modelData)
        }
    }
    ScrollBar { flickable: list }
    GeneralPurposeButton {
        objectName: "addItem"
        x: parent.width - width - 8
        y: parent.height - height - 8
        width: 32
        gp_text: "+"
        visible: trainer.items.length < Database.KLX_DataBaseManagerTutorPupilGetUsedChannelsCount()
        onClicked: trainer.addItem()
    }

    // Holding a control: its bar with "Delete".
    ActionBar {
        objectName: "deleteBar"
        visible: trainer.heldItem >= 0
        GeneralPurposeButton {
            objectName: "deleteItem"
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: trainer.deleteItem(trainer.heldItem)
        }
        GeneralPurposeButton {
            objectName: "closeDeleteBar"
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: trainer.heldItem = -1
        }
    }

    // The external channel detection bar.
    ActionBar {
        objectName: "detectionBar"
        visible: trainer.detectItem >= 0
        textName: "detectionText"
        textSize: 17
        text: trainer.detecting ? qsTr("Detection...") + Language.emptyString
              : trainer.detected >= 0 ? String(trainer.detected + 1) : ""
        GeneralPurposeButton {
            objectName: "detectButton"
            width: 120
            visible: !trainer.detecting
            gp_text: trainer.detected >= 0 ? qsTr("Save") + Language.emptyString : qsTr("Auto detect") + Language.emptyString
            onClicked: trainer.detected >= 0 ? trainer.saveDetected() : trainer.startDetection()
        }
        GeneralPurposeButton {
            objectName: "closeDetection"
            gp_text: qsTr("Close") + Language.emptyString
            onClicked: trainer.closeDetection()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        readActivator()
        readItems()
        askPlugMode(true)
    }
}
