import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The control selector: every place of the model that takes an input
// control comes here. The user moves a control (or picks a virtual switch,
// a telemetry control or a fixed value); OK writes the choice into the
// caller's element and goes on to the caller's screen or to the switch-point
// editor. Callers that can only take a switch get a hidden virtual switch,
// made invisible and removed again when the element takes another source.
Item {
    id: selector
    objectName: "controlSelector"

    // Arguments.
    property string parentId: ""
    property int funcId: -1
    property int funcId2: -1
    property int initialControlId: -1
    property int controlMask: 0

    readonly property int defaultHysteresis: 5
    readonly property string emptyLabel: "---"
    readonly property string editorUrl: "qrc:/Frontend/QML/ControlConfigLinear.qml"
    readonly property int vsFirst: GuiCmdData.CONTROLID_Virtual_00_GUI
    readonly property int vsLast: GuiCmdData.CONTROLID_Virtual_Last_GUI
    readonly property int teleFirst: GuiCmdData.CONTROLID_Telemetry_00_GUI
    readonly property int teleLast: GuiCmdData.CONTROLID_Telemetry_Last_GUI
    readonly property int fixOn: GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI
    readonly property int fixOff: GuiCmdData.CONTROLID_FIXSWITCH_OFF_GUI

    // State: the chosen control (-1 none), its source ("input", "vswitch",
    // "telemetry", "fixed"), the open list, the entries marked there.
    property int chosenControl: -1
    property string source: ""
    property string openList: ""
    property int markedSwitch: -1
    property int markedTele: -1
    property int fixedStep: 0
    property var switchRows: []
    property var teleRows: []
    // What follows a task's Done: the control to write and the hidden switch.
    property int pendingControl: -1

    readonly property var vsCallers: ["fmcontrol", "varioControl", "tutorPupilActivator", "sequencerControl",
                                      "TelecontrolOutVS", "TimerAlarmVS", "voiceActControl"]
    readonly property bool vsShown: ["volume", "functionRate", "functionExpo", "tutorPupilVornCtrl",
                                     "functionDiffControl"].indexOf(parentId) < 0
    readonly property bool teleShown: vsShown && parentId !== "TelecontrolOutVS"
    readonly property int effectiveMask: parentId === "TelecontrolOutVS" ? DatabaseValue.ControlType_TeleControl : controlMask
    // The two-position switches and their toggle forms.
    readonly property var momentary: [GuiCmdData.CONTROLID_SW_C_GUI, GuiCmdData.CONTROLID_SW_G_GUI,
                                      GuiCmdData.CONTROLID_SW_L_GUI, GuiCmdData.CONTROLID_SW_H_GUI]
    readonly property var toggle: [GuiCmdData.CONTROLID_SW_CTO_GUI, GuiCmdData.CONTROLID_SW_GTO_GUI,
                                   GuiCmdData.CONTROLID_SW_LTO_GUI, GuiCmdData.CONTROLID_SW_HTO_GUI]
    readonly property bool modeShown: momentary.indexOf(chosenControl) >= 0 || toggle.indexOf(chosenControl) >= 0

    function isVs(c) { return c >= vsFirst && c <= vsLast }
    function isTele(c) { return c >= teleFirst && c <= teleLast }
    function set() { return DatabaseValue.AtomicDirSet }
    function get() { return DatabaseValue.AtomicDirGet }

    function controlName(c) {
        if (c < 0)
            return emptyLabel
        if (isVs(c)) {
            var vs = c - vsFirst
            return Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, get(), false) === DatabaseValue.KLX_True
                    ? Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", get()) : emptyLabel
        }
        if (isTele(c))
            return Database.KLX_DataBaseManagerTeleControlGetSet_Name(c - teleFirst, "", get())
        return Database.KLX_DataBaseManagerGetNameOfControlByID(c)
    }

    // ---- heading ----
    function callerTitle() {
        switch (parentId) {
        case "control": case "functionRate": case "functionExpo": case "functionDiffControl":
            return qsTr("Function") + Language.emptyString
        case "mixercontrol": return qsTr("Mixer") + Language.emptyString
        case "ctrl1": case "ctrl2": return qsTr("Switch") + Language.emptyString
        case "cutoff": return qsTr("Servo") + Language.emptyString
        case "fmcontrol": return qsTr("FM control #") + Language.emptyString + (funcId2 + 1)
        case "start": case "reset": case "stop": case "start_new": case "reset_new": case "stop_new": case "TimerAlarmVS":
            return qsTr("Timer") + Language.emptyString
        case "voiceActControl": return qsTr("Voice") + Language.emptyString
        case "varioControl": return qsTr("Vario") + Language.emptyString
        case "tutorPupilActivator": case "tutorPupilVornCtrl": return qsTr("Trainer cord") + Language.emptyString
        case "sequencerControl": return qsTr("Sequencer") + Language.emptyString
        case "TelecontrolOutVS": return qsTr("T-Con On/Off") + Language.emptyString
        case "headupforward": case "headupbackward": return qsTr("Headup") + Language.emptyString
        case "forward": return qsTr("Forward") + Language.emptyString
        case "backward": return qsTr("Backward") + Language.emptyString
        case "restart": return qsTr("Restart") + Language.emptyString
        case "volume": return qsTr("Volume") + Language.emptyString
        }
        return ""
    }
    function elementName() {
        switch (parentId) {
        case "control": case "functionRate": case "functionExpo": case "functionDiffControl":
            return Database.KLX_DataBaseManagerFunctionGetSet_Name(funcId, "", get())
        case "mixercontrol": return Database.KLX_DataBaseManagerMixerGetSet_Name(funcId, "", get())
        case "ctrl1": case "ctrl2": return Database.KLX_DataBaseManagerSwitchGetSet_Name(funcId, "", get())
        case "cutoff": case "varioControl": case "TelecontrolOutVS": return qsTr("On/Off") + Language.emptyString
        case "tutorPupilActivator": return qsTr("Activator") + Language.emptyString
        case "tutorPupilVornCtrl": return qsTr("Vorn control") + Language.emptyString
        case "sequencerControl": return Database.KLX_DataBaseManagerSequencerGetSet_Name(funcId2, "", get())
        case "start": case "reset": case "stop": case "start_new": case "reset_new": case "stop_new":
        case "TimerAlarmVS":
            return qsTr("Activation") + Language.emptyString
        case "voiceActControl": return qsTr("Signal") + Language.emptyString + " " + (funcId2 + 1)
        case "headupforward": return qsTr("Forward") + Language.emptyString
        case "headupbackward": return qsTr("Backward") + Language.emptyString
        case "volume":
            switch (funcId) {
            case 1: return qsTr("Speaker") + Language.emptyString
            case 2: return qsTr("Bluetooth") + Language.emptyString
            case 3: return qsTr("Vario") + Language.emptyString
            case 4: return qsTr("Voice") + Language.emptyString
            case 5: return qsTr("Trim clicks") + Language.emptyString
            case 6: return qsTr("Beeps") + Language.emptyString
            }
        }
        return ""
    }

    // ---- sources ----
    function fillLists() {
        var rows = []
        var count = Database.KLX_DataBaseManagerGetMaxVirualSwitches()
        for (var i = 0; i < count; ++i) {
            if (Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(i, 0, get(), false) !== DatabaseValue.KLX_True
                    || Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(i, 0, get(), false) !== DatabaseValue.KLX_True)
                continue
            if ((parentId === "ctrl1" || parentId === "ctrl2") && i === funcId)
                continue
            if (effectiveMask !== 0 && Database.KLX_DataBaseManagerSwitchCheckInptCtrlMskContains(i, effectiveMask) !== 0)
                continue
            rows.push({ index: i, name: Database.KLX_DataBaseManagerSwitchGetSet_Name(i, "", get()) })
        }
        switchRows = rows
        var teles = []
        var teleCount = Database.KLX_DataBaseManagerGetMaxTeleControls()
        for (var t = 0; t < teleCount; ++t) {
            if (Database.KLX_DataBaseManagerTeleControlGetSet_IsUsed(t, 0, get(), false) === DatabaseValue.KLX_True)
                teles.push({ index: t, name: Database.KLX_DataBaseManagerTeleControlGetSet_Name(t, "", get()) })
        }
        teleRows = teles
    }
    function choose(control, from) {
        chosenControl = control
        source = from
        openList = ""
        if (from !== "vswitch") markedSwitch = -1
        if (from !== "telemetry") markedTele = -1
        if (from !== "fixed") fixedStep = 0
    }
    function touchInput() {
        openList = ""
        if (initialControlId > 0 && !isVs(initialControlId) && !isTele(initialControlId)
                && initialControlId !== fixOn && initialControlId !== fixOff)
            choose(initialControlId, "input")
    }
    function touchList(which) { openList = openList === which ? "" : which }
    function pickSwitch(row) {
        markedSwitch = switchRows[row].index
        choose(Database.KLX_DataBaseManagerGetControlForVirtualSwitch(markedSwitch), "vswitch")
    }
    function pickTele(row) {
        markedTele = teleRows[row].index
        choose(Database.KLX_DataBaseManagerGetControlForTelemetryControl(markedTele), "telemetry")
    }
    function touchFixed() {
        var step = (fixedStep + 1) % 3
        choose(step === 1 ? fixOn : step === 2 ? fixOff : GuiCmdData.CONTROLID_None_GUI, "fixed")
        fixedStep = step
    }
    function setMode(toggled) {
        var from = toggled ? momentary : toggle
        var to = toggled ? toggle : momentary
        var at = from.indexOf(chosenControl)
        if (at >= 0)
            chosenControl = to[at]
    }

    // ---- writing the choice ----
    // A result at or below KLX_Error is shown, the chosen control's own
    // value opens the next screen, anything else stays here.
    function finish(result, expected, url, properties) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return false
        }
        if (result !== expected)
            return false
        rootwindow.openScreen(url, properties)
        return true
    }
    function editor(option, switchId, control, extra) {
        var p = { sourceOptionNumber: option, switchId: switchId, control: control,
                  percentageHystUpper: defaultHysteresis, percentageHystLower: -defaultHysteresis }
        for (var k in extra)
            p[k] = extra[k]
        rootwindow.openScreen(editorUrl, p)
    }
    function editorArgs() {
        switch (parentId) {
        case "fmcontrol": return [7, { fmAssignment: funcId2 }]
        case "varioControl": return [9, {}]
        case "voiceActControl": return [8, { voiceAlarmId: funcId2 }]
        case "tutorPupilActivator": return [10, {}]
        case "sequencerControl":
            return [11, { sequencerIdx: funcId2,
                         percentageHystUpper: Database.KLX_DataBaseManagerSequencerGetSet_Threshold(funcId2, true, 0, get()),
                         percentageHystLower: Database.KLX_DataBaseManagerSequencerGetSet_Threshold(funcId2, false, 0, get()) }]
        case "TelecontrolOutVS": return [12, { telecontrolIdx: funcId2 }]
        // The editor hands timer and alarm on, as the alarm list gave them.
        case "TimerAlarmVS": return [16, { timerId: funcId2 }]
        }
        return [0, {}]
    }
    // Writes a control into the element of a switch-based caller.
    function writeCaller(c) {
        switch (parentId) {
        case "fmcontrol": return Database.KLX_DataBaseManagerFlightmodeAssignGetSet_Control(funcId2, c, set())
        case "varioControl": return Database.KLX_DataBaseManagerGetSetVarioActivationControlId(c, set())
        case "tutorPupilActivator": return Database.KLX_DataBaseManagerTutorPupilGetSetActivator(c, set())
        case "sequencerControl": return Database.KLX_DataBaseManagerSequencerGetSet_Control(funcId2, c, set())
        case "TelecontrolOutVS": return Database.KLX_DataBaseManagerTeleControlGetSet_OutControl(funcId2, c, set())
        case "TimerAlarmVS":
            return Database.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Control((funcId2 >> 4) & 15, funcId2 & 15, c, set())
        case "voiceActControl":
            return Database.KLX_DataBaseManagerVAlarmGetSetActivator(funcId2, c, set())
        }
        return DatabaseValue.KLX_Error
    }
    function failed(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function nameSuffix() {
        switch (parentId) {
        case "fmcontrol": return "FMctl" + funcId2
        case "voiceActControl": return "VAact" + funcId2
        case "varioControl": return "Vario"
        case "tutorPupilActivator": return "TPact"
        case "sequencerControl": return "Seq" + funcId2
        case "TelecontrolOutVS": return "TConOut" + funcId2
        case "TimerAlarmVS": return "T" + ((funcId2 >> 4) & 15) + "Alm" + (funcId2 & 15)
        }
        return ""
    }
    // The caller's current hidden switch: used and invisible, else -1.
    function hiddenSwitch() {
        if (funcId < 0 || funcId >= Database.KLX_DataBaseManagerGetMaxVirualSwitches())
            return -1
        if (Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(funcId, 0, get(), false) !== DatabaseValue.KLX_True)
            return -1
        return Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(funcId, 0, get(), false) === DatabaseValue.KLX_False ? funcId : -1
    }
    // Input A the control, input B fixed on, the two joined by AND.
    function fillSwitch(s, c) {
        var r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_A, c, set(), true)
        if (r > DatabaseValue.KLX_Error)
            r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_B, fixOn, set(), true)
        if (r > DatabaseValue.KLX_Error)
            r = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, DatabaseValue.KLX_False, set(), true)
        return r
    }
    // A switch kept from before hands its thresholds on; a new one starts
    // from the default hysteresis.
    function toEditor(s, c, kept) {
        var args = editorArgs()
        var extra = args[1]
        if (kept && extra.percentageHystUpper === undefined) {
            extra.percentageHystUpper = storedHyst(s, true)
            extra.percentageHystLower = storedHyst(s, false)
        }
        editor(args[0], s, c, extra)
    }
    function storedHyst(s, above) {
        return above ? Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
                     : Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
    }
    // The caller takes the control directly (a visible switch, or a value
    // that needs no switch); its hidden switch goes, then the editor follows.
    function writeDirect(c, switchForEditor) {
        var result = writeCaller(c)
        if (failed(result))
            return
        if (result !== c)
            return
        var old = hiddenSwitch()
        pendingControl = c
        if (old >= 0)
            switchTask.remove(old)
        else
            toEditor(switchForEditor, c, false)
    }
    function viaSwitch(c) {
        if (c === GuiCmdData.CONTROLID_None_GUI || (parentId === "varioControl" && (c === fixOn || c === fixOff))) {
            writeDirect(c, -1)
            return
        }
        if (source === "vswitch") {
            writeDirect(c, c - vsFirst)
            return
        }
        if (parentId === "tutorPupilActivator") {
            var busy = Database.KLX_DataBaseManagerTutorPupilCheckControlIDamongChannelsInput(c, funcId)
            if (busy === DatabaseValue.KLX_False)
                busy = Database.KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(c)
            if (busy !== DatabaseValue.KLX_False) {
                errorHandler.processError(busy)
                return
            }
        }
        var hidden = hiddenSwitch()
        if (hidden >= 0) {
            if (failed(fillSwitch(hidden, c)))
                return
            toEditor(hidden, c, true)
            return
        }
        pendingControl = c
        switchTask.create()
    }
    function switchCreated(s) {
        var c = pendingControl
        Database.KLX_DataBaseManagerSwitchGetSet_Name(s, "VSi" + s + nameSuffix(), set())
        if (Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, DatabaseValue.KLX_False, set(), true) <= DatabaseValue.KLX_Error
                || failed(Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, DatabaseValue.KLX_False, set(), true)))
            return
        if (failed(writeCaller(Database.KLX_DataBaseManagerGetControlForVirtualSwitch(s))) || failed(fillSwitch(s, c)))
            return
        toEditor(s, c, false)
    }
    function switchDeleted(s) {
        toEditor(source === "vswitch" ? chosenControl - vsFirst : -1, pendingControl, false)
    }

    // Voice-alarm activator: hysteresis and mode first; a three-position
    // switch needs a hidden switch, anything else goes in directly.
    function voiceActivator(c) {
        var hyst = Math.round(Database.KLX_DataBaseManagerGetMaxControlValue() * defaultHysteresis / 100)
        Database.KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(funcId2, hyst, set())
        Database.KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(funcId2, -hyst, set())
        var type = Database.KLX_DataBaseManagerVAlarmGetSetType(funcId2, 0, get())
        type &= ~DatabaseValue.VALARM_ModeSettings
        if (c === fixOn)
            type |= DatabaseValue.VALARM_ModeAlwaysOn
        else if (c !== fixOff)
            type |= DatabaseValue.VALARM_ModeControlled
        Database.KLX_DataBaseManagerVAlarmGetSetType(funcId2, type, set())
        var threePosition = [GuiCmdData.CONTROLID_SW_A_GUI, GuiCmdData.CONTROLID_SW_B_GUI, GuiCmdData.CONTROLID_SW_D_GUI,
                             GuiCmdData.CONTROLID_SW_E_GUI, GuiCmdData.CONTROLID_SW_F_GUI, GuiCmdData.CONTROLID_SW_I_GUI,
                             GuiCmdData.CONTROLID_SW_J_GUI, GuiCmdData.CONTROLID_SW_K_GUI, GuiCmdData.CONTROLID_SW_M_GUI,
                             GuiCmdData.CONTROLID_SW_N_GUI]
        if (threePosition.indexOf(c) >= 0) {
            var current = Database.KLX_DataBaseManagerVAlarmGetSetActivator(funcId2, 0, get())
            funcId = isVs(current) ? current - vsFirst : -1
            var hidden = hiddenSwitch()
            if (hidden >= 0) {
                if (!failed(fillSwitch(hidden, c)))
                    toEditor(hidden, c, true)
                return
            }
            pendingControl = c
            switchTask.create()
            return
        }
        writeDirect(c, source === "vswitch" ? c - vsFirst : -1)
    }

    function volumeControl(c) {
        var names = ["", "", "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlBT",
                     "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlVario",
                     "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTelemetry",
                     "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlKeyTrims",
                     "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_VolumeCtlTimer"]
        var url = "qrc:/Frontend/QML/15.qml"
        if (funcId === 1)
            return finish(Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_MasterVolumeCtl(c, set()), c, url, {})
        if (funcId < 2 || funcId > 6)
            return finish(DatabaseValue.Indexes_Out_Of_Range, c, url, {})
        var result = Database[names[funcId]](0, set(), true, c)
        if (result <= DatabaseValue.KLX_Error)
            return finish(result, c, url, {})
        // The control is kept above the volume's own byte.
        return finish((result >> 8) & 0xFFFF, c, url, {})
    }

    function ok() {
        var c = chosenControl
        if (c < 0 || switchTask.busy)
            return
        var r
        switch (parentId) {
        case "control":
            finish(Database.KLX_DataBaseManagerFunctionGetSet_Control(funcId, c, set()), c, "qrc:/Frontend/QML/4_0.qml", {})
            return
        case "functionRate":
            finish(Database.KLX_DataBaseManagerFunctionGetSet_ControlRate(funcId, c, set(), true), c,
                   "qrc:/Frontend/QML/5.qml", { functionId: funcId })
            return
        case "functionExpo":
            finish(Database.KLX_DataBaseManagerFunctionGetSet_ControlExpo(funcId, c, set(), true), c,
                   "qrc:/Frontend/QML/5.qml", { functionId: funcId })
            return
        case "functionDiffControl":
            r = c === GuiCmdData.CONTROLID_None_GUI ? c
                                                    : Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(funcId, c, set())
            finish(r, c, "qrc:/Frontend/QML/FuncDiffSettings.qml", { functionId: funcId })
            return
        case "mixercontrol":
            finish(Database.KLX_DataBaseManagerMixerGetSet_Control(funcId, c, set(), true), c,
                   "qrc:/Frontend/QML/20.qml", { mixerIndex: funcId })
            return
        case "ctrl1": case "ctrl2":
            if (isTele(c) && Database.KLX_DataBaseManagerTelecontrolIsVSOutputControl(funcId) > 0) {
                errorHandler.processError("VS_USED_IN_TELECONTROL")
                return
            }
            var input = parentId === "ctrl1" ? DatabaseValue.VIRTUAL_SWITCH_ID_A : DatabaseValue.VIRTUAL_SWITCH_ID_B
            r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(funcId, input, c, set(), true)
            if (!failed(r) && r === c)
                editor(parentId === "ctrl1" ? 4 : 5, funcId, c, {
                           percentageHystUpper: Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(funcId, input, 0, get(), false),
                           percentageHystLower: Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(funcId, input, 0, get(), false) })
            return
        case "cutoff":
            r = fillSwitch(funcId, c)
            if (failed(r))
                return
            editor(6, funcId, c, { percentageHystUpper: storedHyst(funcId, true), percentageHystLower: storedHyst(funcId, false) })
            return
        case "voiceActControl":
            voiceActivator(c)
            return
        case "tutorPupilVornCtrl":
            finish(Database.KLX_DataBaseManagerTutorPupilGetSetVornControl(funcId2, c, set()), c,
                   "qrc:/Frontend/QML/TutorPupilSettings.qml", {})
            return
        case "start": case "reset": case "stop":
            editor(["start", "reset", "stop"].indexOf(parentId) + 1, funcId, c, { timerId: funcId2 })
            return
        case "start_new": case "reset_new": case "stop_new":
            editor(["start_new", "reset_new", "stop_new"].indexOf(parentId) + 13, funcId, c, { timerId: funcId2 })
            return
        case "forward": case "backward": case "restart":
            editor(["forward", "backward", "restart"].indexOf(parentId) + 17, funcId, c, {})
            return
        case "headupforward": case "headupbackward":
            editor(parentId === "headupforward" ? 20 : 21, funcId, c, {})
            return
        case "volume":
            volumeControl(c)
            return
        }
        if (vsCallers.indexOf(parentId) >= 0)
            viaSwitch(c)
    }

    VirtualSwitchTask {
        id: switchTask
        onCreated: selector.switchCreated(index)
        onDeleted: selector.switchDeleted(index)
    }

    Connections {
        target: Database
        function onControlSelected(control) { selector.choose(control, "input") }
    }

    // ---- the screen ----
    ScreenHeading {
        objectName: "selectorHeading"
        y: 2
        readonly property string element: selector.elementName()
        text: selector.callerTitle() + (element === "" ? "" : ": " + element)
        font.italic: selector.parentId === "voiceActControl"
        font.pixelSize: 16
    }

    Column {
        x: 8
        y: 32
        spacing: rootwindow.gap
        GeneralPurposeButton {
            objectName: "sourceInput"
            width: 110
            gp_text: (selector.parentId === "functionDiffControl" ? qsTr("Diff. input") : qsTr("Input")) + Language.emptyString
            state: selector.source === "input" ? "active" : ""
            onClicked: selector.touchInput()
        }
        GeneralPurposeButton {
            objectName: "sourceVSwitch"
            width: 110
            visible: selector.vsShown
            gp_text: qsTr("V-Switch") + Language.emptyString
            state: selector.source === "vswitch" ? "active" : ""
            onClicked: selector.touchList("vswitch")
        }
        GeneralPurposeButton {
            objectName: "sourceTelemetry"
            width: 110
            visible: selector.teleShown
            gp_text: qsTr("Telemetry") + Language.emptyString
            state: selector.source === "telemetry" ? "active" : ""
            onClicked: selector.touchList("telemetry")
        }
        GeneralPurposeButton {
            objectName: "sourceFixed"
            width: 110
            gp_text: qsTr("Fixvalue") + Language.emptyString
            state: selector.source === "fixed" ? "active" : ""
            onClicked: selector.touchFixed()
        }
    }

    // The chosen control: its name and its place on the transmitter.
    Text {
        objectName: "chosenName"
        x: 130
        y: 32
        width: 230
        height: 30
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: selector.controlName(selector.chosenControl)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 20
        font.bold: true
    }
    TransmitterOutline {
        objectName: "transmitterOutline"
        x: 150
        y: 70
        width: 190
        height: 120
        visible: selector.openList === ""
        marked: selector.source === "input" ? selector.chosenControl : 0
    }
    Text {
        x: 8
        y: 212
        height: 30
        visible: selector.modeShown && selector.openList === ""
        verticalAlignment: Text.AlignVCenter
        text: qsTr("Mode") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }
    Row {
        x: 60
        y: 212
        spacing: rootwindow.gap
        visible: selector.modeShown && selector.openList === ""
        GeneralPurposeButton {
            objectName: "modeMomentary"
            width: 110
            gp_text: qsTr("Momentary") + Language.emptyString
            state: selector.momentary.indexOf(selector.chosenControl) >= 0 ? "active" : ""
            onClicked: selector.setMode(false)
        }
        GeneralPurposeButton {
            objectName: "modeToggle"
            width: 110
            gp_text: qsTr("Toggle") + Language.emptyString
            state: selector.toggle.indexOf(selector.chosenControl) >= 0 ? "active" : ""
            onClicked: selector.setMode(true)
        }
    }

    // The list of virtual switches or telemetry controls, over the outline.
    Rectangle {
        x: 128
        y: 66
        width: 234
        height: 176
        visible: selector.openList !== ""
        color: rootwindow.backColour
        border.width: 1
        border.color: rootwindow.textColour
        ListView {
            id: sourceList
            objectName: "sourceList"
            anchors.fill: parent
            anchors.margins: 2
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: selector.openList === "vswitch" ? selector.switchRows
                                                   : selector.openList === "telemetry" ? selector.teleRows : []
            delegate: Rectangle {
                readonly property bool marked: selector.openList === "vswitch" ? modelData.index === selector.markedSwitch
                                                                               : modelData.index === selector.markedTele
                objectName: (selector.openList === "vswitch" ? "switchRow_" : "teleRow_") + modelData.index
                width: sourceList.width - 6
                height: 30
                color: marked ? "#2f7fd8" : "transparent"
                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 6
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    text: modelData.name
                    color: parent.marked ? "white" : rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: selector.openList === "vswitch" ? selector.pickSwitch(index) : selector.pickTele(index)
                }
            }
        }
        ScrollBar { flickable: sourceList }
        Text {
            anchors.centerIn: parent
            visible: sourceList.count === 0
            text: selector.emptyLabel
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
    }

    GeneralPurposeButton {
        objectName: "selectorOk"
        x: parent.width - width - 8
        y: 212
        width: 100
        visible: selector.chosenControl >= 0
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: selector.ok()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(parentId)
        systemHistory.addArg(funcId)
        systemHistory.addArg(initialControlId)
        // The slot, sequencer or alarm of the callers that name one, and the
        // kinds of control offered: without them a reopened selector
        // would work on no element.
        systemHistory.addArg(funcId2)
        systemHistory.addArg(controlMask)
        systemHistory.addEndOfArgs()
        Database.KLX_DataBaseManager_StickdataStartWatchingMovement(false)
        fillLists()
        if (parentId === "voiceActControl")
            initialControlId = Database.KLX_DataBaseManagerVAlarmGetSetActivator(funcId2, 0, get())
        // A hidden switch shows the control behind it.
        if (isVs(initialControlId)
                && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(initialControlId - vsFirst, 0, get(), false) === DatabaseValue.KLX_False)
            initialControlId = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(initialControlId - vsFirst,
                                                                                      DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
        if (initialControlId >= 0) {
            chosenControl = initialControlId
            source = isVs(initialControlId) ? "vswitch" : isTele(initialControlId) ? "telemetry"
                   : (initialControlId === fixOn || initialControlId === fixOff || initialControlId === 0) ? "fixed" : "input"
            if (source === "vswitch") markedSwitch = initialControlId - vsFirst
            if (source === "telemetry") markedTele = initialControlId - teleFirst
            if (source === "fixed") fixedStep = initialControlId === fixOn ? 1 : initialControlId === fixOff ? 2 : 0
        }
    }
    Component.onDestruction: {
        if (!rootwindow.shutdown)
            Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
    }
}
