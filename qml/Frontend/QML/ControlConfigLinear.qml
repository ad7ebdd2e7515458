import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The switch-point editor: sets where a chosen control counts as on. Sticks,
// rotaries, sliders and telemetry controls get two thresholds on a bar,
// switches get their positions "On"/"Off", fixed values nothing to set. OK
// stores the thresholds into the caller's virtual switch (or the caller's
// own fields) and goes on to the caller's screen.
Item {
    id: config
    objectName: "switchPointEditor"

    // Arguments.
    property int sourceOptionNumber: 0
    property int switchId: -1
    property int control: 0
    property int timerId: -1
    property int fmAssignment: -1
    property int voiceAlarmId: -1
    property int sequencerIdx: -1
    property int telecontrolIdx: -1
    property int percentageHystUpper: 5
    property int percentageHystLower: -5

    readonly property int hystBtm: 30
    readonly property int hystTop: 40
    readonly property int limit: 100
    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    property int maxValue: 2047
    property int minValue: -2047
    // The edited switch is invisible (its thresholds are ours to set).
    property bool hiddenSwitch: false
    property bool visibleSwitch: false
    // Which threshold the fine-tuning buttons move: "upper" or "lower".
    property string selectedThreshold: "upper"
    property int livePercent: 0
    // The switch's positions, top to bottom as shown.
    property bool upperOn: true
    property bool middleOn: false
    property bool lowerOn: false
    property bool inverted: false

    readonly property int kind: control & DatabaseValue.ControlId_KindMask
    readonly property bool isFixed: control === GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI || control === GuiCmdData.CONTROLID_FIXSWITCH_OFF_GUI
                                    || (control & DatabaseValue.ControlId_ConstMask) === DatabaseValue.ControlType_Const
    readonly property bool isLinear: !isFixed && (kind === DatabaseValue.ControlType_Stick || kind === DatabaseValue.ControlType_RE
                                                  || kind === DatabaseValue.ControlType_Poti
                                                  || kind === DatabaseValue.ControlType_TeleControl)
    readonly property bool isSwitch: !isFixed && kind === DatabaseValue.ControlType_SW
    readonly property var twoPosition: [GuiCmdData.CONTROLID_SW_C_GUI, GuiCmdData.CONTROLID_SW_G_GUI, GuiCmdData.CONTROLID_SW_H_GUI,
                                        GuiCmdData.CONTROLID_SW_L_GUI, GuiCmdData.CONTROLID_SW_CTO_GUI, GuiCmdData.CONTROLID_SW_GTO_GUI,
                                        GuiCmdData.CONTROLID_SW_HTO_GUI, GuiCmdData.CONTROLID_SW_LTO_GUI]
    readonly property bool hasMiddle: twoPosition.indexOf(control) < 0
    // Opened for a field that has no control yet: the page says how to get one.
    readonly property bool noControl: !visibleSwitch && (control < 0 || control === GuiCmdData.CONTROLID_None_GUI
                                                        || control === GuiCmdData.CONTROLID_Invalid_GUI)
    readonly property int inputIndex: sourceOptionNumber === 5 ? DatabaseValue.VIRTUAL_SWITCH_ID_B : DatabaseValue.VIRTUAL_SWITCH_ID_A

    function set() { return DatabaseValue.AtomicDirSet }
    function get() { return DatabaseValue.AtomicDirGet }
    function failed(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return true
        }
        return false
    }
    function switchUsed(s) {
        return s >= 0 && s < switchCount
                && Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 0, get(), false) === DatabaseValue.KLX_True
    }
    function inputName() {
        if (visibleSwitch)
            return Database.KLX_DataBaseManagerSwitchGetSet_Name(switchId, "", get())
        if (control >= GuiCmdData.CONTROLID_Telemetry_00_GUI && control <= GuiCmdData.CONTROLID_Telemetry_Last_GUI)
            return Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(control - GuiCmdData.CONTROLID_Telemetry_00_GUI, "", get()))
        if (control >= GuiCmdData.CONTROLID_Virtual_00_GUI && control <= GuiCmdData.CONTROLID_Virtual_Last_GUI)
            return Database.KLX_DataBaseManagerSwitchGetSet_Name(control - GuiCmdData.CONTROLID_Virtual_00_GUI, "", get())
        return Database.KLX_DataBaseManagerGetNameOfControlByID(control)
    }

    // ---- thresholds ----
    function clampPercent(v) { return Math.max(-limit, Math.min(limit, v)) }
    function step(delta) {
        if (selectedThreshold === "upper")
            percentageHystUpper = clampPercent(percentageHystUpper + delta)
        else
            percentageHystLower = clampPercent(percentageHystLower + delta)
    }
    function dragTo(percent) { step(clampPercent(Math.round(percent)) - (selectedThreshold === "upper" ? percentageHystUpper : percentageHystLower)) }
    function touchPosition(which) {
        if (which === 1 && upperOn === middleOn && middleOn === lowerOn) {
            // All three alike: the middle keeps its state, the outer two turn.
            upperOn = !upperOn
            lowerOn = !lowerOn
            return
        }
        if (which === 0) upperOn = !upperOn
        else if (which === 1) middleOn = !middleOn
        else lowerOn = !lowerOn
    }
    // Input A's above and below of a switch by its positions on.
    function positionPair() {
        if (upperOn && middleOn) return [-30, -40]
        if (upperOn) return [hystTop, hystBtm]
        if (lowerOn && middleOn) return [hystBtm, hystTop]
        if (lowerOn) return [-hystTop, -hystBtm]
        return [5, -5]
    }
    function hyst(s, input, above, below) {
        var r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, input, above, set(), true)
        if (r > DatabaseValue.KLX_Error)
            r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, input, below, set(), true)
        return r
    }
    function inputAndOperator(s, inputB, orJoined) {
        var r = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_B, inputB, set(), true)
        if (r > DatabaseValue.KLX_Error)
            r = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, orJoined ? DatabaseValue.KLX_True : DatabaseValue.KLX_False,
                                                                         set(), true)
        return r
    }
    // Every threshold of an invisible switch s from what the editor shows.
    function writeAll(s) {
        if (!switchUsed(s) || Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, 0, get(), false) !== DatabaseValue.KLX_False)
            return DatabaseValue.KLX_Ok
        var A = DatabaseValue.VIRTUAL_SWITCH_ID_A, B = DatabaseValue.VIRTUAL_SWITCH_ID_B
        var fixOn = GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI
        var r
        if (isLinear) {
            r = hyst(s, A, percentageHystUpper, percentageHystLower)
            if (r > DatabaseValue.KLX_Error) r = hyst(s, B, 10, -10)
            return r > DatabaseValue.KLX_Error ? inputAndOperator(s, fixOn, false) : r
        }
        if (isSwitch && middleOn && !upperOn && !lowerOn) {
            r = hyst(s, A, hystBtm, hystTop)
            if (r > DatabaseValue.KLX_Error) r = hyst(s, B, -hystBtm, -hystTop)
            return r > DatabaseValue.KLX_Error ? inputAndOperator(s, control, false) : r
        }
        if (isSwitch && upperOn && lowerOn && !middleOn) {
            r = hyst(s, A, hystTop, hystBtm)
            if (r > DatabaseValue.KLX_Error) r = hyst(s, B, -hystTop, -hystBtm)
            return r > DatabaseValue.KLX_Error ? inputAndOperator(s, control, true) : r
        }
        if (isSwitch) {
            var pair = positionPair()
            r = hyst(s, A, pair[0], pair[1])
            if (r > DatabaseValue.KLX_Error) r = hyst(s, B, 5, -5)
            return r > DatabaseValue.KLX_Error ? inputAndOperator(s, fixOn, false) : r
        }
        r = hyst(s, A, 5, -5)
        if (r > DatabaseValue.KLX_Error) r = hyst(s, B, 5, -5)
        return r > DatabaseValue.KLX_Error ? inputAndOperator(s, fixOn, false) : r
    }
    // The stored positions of a switch's input A read back into the buttons.
    function readPositions(s) {
        var above = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, inputIndex, 0, get(), false)
        var below = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, inputIndex, 0, get(), false)
        var or = Database.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, 0, get(), false) === DatabaseValue.KLX_True
        var sameB = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_B, 0, get(), false) === control
        upperOn = (above === -30 && below === -40) || (above === hystTop && below === hystBtm)
        middleOn = (above === -30 && below === -40) || (sameB && !or && above === hystBtm) || (!sameB && above === hystBtm && below === hystTop)
        lowerOn = (!sameB && above === hystBtm && below === hystTop) || (above === -hystTop && below === -hystBtm)
        if (sameB && or) {
            upperOn = true; middleOn = false; lowerOn = true
        }
        if (!upperOn && !middleOn && !lowerOn)
            upperOn = true
        if (!hasMiddle)
            middleOn = false
    }

    // ---- storing ----
    function thresholdsAndOpen(url, properties) {
        if (failed(writeAll(switchId)))
            return
        if (url === "")
            systemHistory.goBack()
        else
            rootwindow.openScreen(url, properties)
    }
    function ok() {
        switch (sourceOptionNumber) {
        case 4: case 5:
            var pair = isSwitch ? positionPair() : [percentageHystUpper, percentageHystLower]
            if (isLinear || isSwitch) {
                if (failed(hyst(switchId, inputIndex, pair[0], pair[1])))
                    return
            }
            rootwindow.openScreen("qrc:/Frontend/QML/21.qml")
            return
        case 6: thresholdsAndOpen("qrc:/Frontend/QML/CutoffSettings.qml", {}); return
        case 7: thresholdsAndOpen("qrc:/Frontend/QML/FlightModeSelector.qml", {}); return
        case 8:
            if (!hiddenSwitch && !visibleSwitch) {
                if (failed(Database.KLX_DataBaseManagerVAlarmGetSetActivatorHystAbove(voiceAlarmId, Math.round(percentageHystUpper * maxValue / 100), set()))
                        || failed(Database.KLX_DataBaseManagerVAlarmGetSetActivatorHystBelow(voiceAlarmId, Math.round(percentageHystLower * maxValue / 100), set())))
                    return
                rootwindow.openScreen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: voiceAlarmId })
                return
            }
            thresholdsAndOpen("qrc:/Frontend/QML/VoiceSettings.qml", { itemNum: voiceAlarmId })
            return
        case 9: thresholdsAndOpen("qrc:/Frontend/QML/VarioSettings2.qml", {}); return
        case 10: thresholdsAndOpen("qrc:/Frontend/QML/TutorPupilSettings.qml", {}); return
        case 11:
            if (failed(Database.KLX_DataBaseManagerSequencerGetSet_Threshold(sequencerIdx, false, percentageHystLower, set()))
                    || failed(Database.KLX_DataBaseManagerSequencerGetSet_Threshold(sequencerIdx, true, percentageHystUpper, set())))
                return
            thresholdsAndOpen("qrc:/Frontend/QML/SequencersList.qml", {})
            return
        case 12: case 16: thresholdsAndOpen("", {}); return
        }
        ownSwitchOk()
    }

    // Timers, the announcement list and the head-up display keep their own
    // switches: made here on the first OK with a control, named by role.
    readonly property var ownSwitches: ({
        1: ["sta", "KLX_DataBaseManagerTimerGetSet_SwitchStartVirtSw"],
        2: ["rst", "KLX_DataBaseManagerTimerGetSet_SwitchResetVirtSw"],
        3: ["stp", "KLX_DataBaseManagerTimerGetSet_SwitchStopVirtSw"],
        13: ["staN", "KLX_DataBaseManagerCmplxTimerGetSet_ControlStart"],
        14: ["rstN", "KLX_DataBaseManagerCmplxTimerGetSet_ControlReset"],
        15: ["stpN", "KLX_DataBaseManagerCmplxTimerGetSet_ControlStop"],
        17: ["VSiTTSLFw", "KLX_SubscribeTTSLForwardControl"],
        18: ["VSiTTSLBw", "KLX_SubscribeTTSLBackwardControl"],
        19: ["VSiTTSLRs", "KLX_SubscribeTTSLRestartControl"],
        20: ["sHUf", "KLX_SubscribeHeadupForwardControl"],
        21: ["sHUp", "KLX_SubscribeHeadupBackwardControl"]
    })
    function ownSwitchBack() {
        var o = sourceOptionNumber
        if (o <= 3) rootwindow.openScreen("qrc:/Frontend/QML/35_TimerSetup.qml", { timerId: timerId, timerTypeNew: false })
        else if (o <= 15) rootwindow.openScreen("qrc:/Frontend/QML/35_TimerSetup.qml", { timerId: timerId, timerTypeNew: true })
        else if (o <= 19) rootwindow.openScreen("qrc:/Frontend/QML/SequentialTA.qml")
        else rootwindow.openScreen("qrc:/Frontend/QML/HeadupMenu.qml")
    }
    function ownSwitchTarget() {
        var entry = ownSwitches[sourceOptionNumber]
        if (entry === undefined)
            return null
        return { name: entry[1], suffix: entry[0] }
    }
    function ownSwitchOk() {
        var target = ownSwitchTarget()
        if (target === null) {
            errorHandler.processError(DatabaseValue.KLX_Error)
            return
        }
        if (switchId === switchCount) {
            if (control > 0)
                switchTask.create()
            else
                ownSwitchBack()
            return
        }
        ownSwitchStore(switchId)
    }
    function ownSwitchStore(s) {
        var target = ownSwitchTarget()
        var o = sourceOptionNumber
        var result
        if (o <= 3)
            result = Database[target.name](timerId, s, set())
        else if (o <= 15)
            result = Database[target.name](timerId, Database.KLX_DataBaseManagerGetControlForVirtualSwitch(s), set())
        else
            result = Database[target.name](Database.KLX_DataBaseManagerGetControlForVirtualSwitch(s))
        if (failed(result))
            return
        if (failed(Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, DatabaseValue.VIRTUAL_SWITCH_ID_A, control, set(), true)))
            return
        if (failed(writeAll(s)))
            return
        ownSwitchBack()
    }
    function ownSwitchCreated(s) {
        var o = sourceOptionNumber
        var suffix = ownSwitchTarget().suffix
        var name = o <= 15 ? "VSi" + s + "T" + timerId + suffix : suffix
        Database.KLX_DataBaseManagerSwitchGetSet_Name(s, name, set())
        Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(s, DatabaseValue.KLX_False, set(), true)
        if (o <= 15)
            Database.KLX_DataBaseManagerSwitchSwitch_As_TimerSwitch(s)
        else
            Database.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(s)
        switchId = s
        hiddenSwitch = true
        ownSwitchStore(s)
    }

    VirtualSwitchTask {
        id: switchTask
        onCreated: config.ownSwitchCreated(index)
    }

    Timer {
        interval: 100
        repeat: true
        running: config.isLinear && !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: config.livePercent = Database.KLX_DataBaseManagerGetValueOfControlPercent(config.control)
    }

    // The selector's caller for this editor's option: the screens that open
    // the editor directly (switch inputs, cut-off, flight-mode slots, voice,
    // vario, trainer cord, sequencers, telemetry outputs) reach the selector
    // through the input's name. Null for options reached from the selector.
    function selectorArguments() {
        var own = hiddenSwitch && switchUsed(switchId) ? switchId : -1
        var shown = visibleSwitch ? Database.KLX_DataBaseManagerGetControlForVirtualSwitch(switchId) : control
        switch (sourceOptionNumber) {
        case 4: return { parentId: "ctrl1", funcId: switchId, initialControlId: shown }
        case 5: return { parentId: "ctrl2", funcId: switchId, initialControlId: shown }
        case 6: return { parentId: "cutoff", funcId: switchId, initialControlId: shown }
        case 7: return { parentId: "fmcontrol", funcId: own, funcId2: fmAssignment, initialControlId: shown }
        case 8: return { parentId: "voiceActControl", funcId: own, funcId2: voiceAlarmId, initialControlId: shown }
        case 9: return { parentId: "varioControl", funcId: own, initialControlId: shown }
        case 10: return { parentId: "tutorPupilActivator", funcId: own, initialControlId: shown }
        case 11: return { parentId: "sequencerControl", funcId: own, funcId2: sequencerIdx, initialControlId: shown }
        case 12: return { parentId: "TelecontrolOutVS", funcId: own, funcId2: telecontrolIdx, initialControlId: shown }
        case 1: case 2: case 3:
            return { parentId: ["start", "reset", "stop"][sourceOptionNumber - 1], funcId: switchId, funcId2: timerId,
                     initialControlId: control }
        case 13: case 14: case 15:
            return { parentId: ["start_new", "reset_new", "stop_new"][sourceOptionNumber - 13], funcId: switchId,
                     funcId2: timerId, initialControlId: control }
        case 16: return { parentId: "TimerAlarmVS", funcId: own, funcId2: timerId, initialControlId: shown }
        default: return null
        }
    }

    // ---- the screen ----
    Rectangle {
        // Framed like a button where it leads to the selector.
        visible: inputArea.enabled
        x: heading.x - 4
        y: heading.y
        width: Math.min(heading.contentWidth, heading.width) + 8
        height: heading.height
        radius: 4
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
    }
    MouseArea {
        id: inputArea
        objectName: "editorInput"
        anchors.fill: heading
        enabled: config.selectorArguments() !== null
        onClicked: rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml", config.selectorArguments())
    }
    ScreenHeading {
        id: heading
        objectName: "editorHeading"
        y: 2
        text: qsTr("Input") + Language.emptyString + ": " + config.inputName()
        font.pixelSize: 16
    }
    ControlPositionIndicator {
        objectName: "positionIndicator"
        x: parent.width - width - 8
        y: 8
        control: config.visibleSwitch ? Database.KLX_DataBaseManagerGetControlForVirtualSwitch(config.switchId) : config.control
    }

    // Sticks, rotaries, sliders, telemetry controls: the threshold bar.
    Item {
        id: linear
        objectName: "thresholdBar"
        visible: config.isLinear && !config.visibleSwitch
        x: 20
        y: 40
        width: parent.width - 40
        height: 170

        function xOf(percent) { return track.x + (percent + config.limit) * track.width / (2 * config.limit) }

        Rectangle {
            id: track
            x: 0
            y: 40
            width: parent.width
            height: 24
            radius: 3
            color: "transparent"
            border.width: 1
            border.color: rootwindow.textColour
            Rectangle {
                // The range between the thresholds, where the control is on.
                x: linear.xOf(Math.min(config.percentageHystLower, config.percentageHystUpper)) - track.x
                width: Math.abs(config.percentageHystUpper - config.percentageHystLower) * track.width / (2 * config.limit)
                y: 1
                height: parent.height - 2
                color: Qt.rgba(0.18, 0.5, 0.85, 0.3)
            }
            Rectangle {
                objectName: "liveMark"
                x: linear.xOf(Math.max(-config.limit, Math.min(config.limit, config.livePercent))) - track.x - 1
                width: 3
                y: -4
                height: parent.height + 8
                color: "#d82f2f"
            }
            MouseArea {
                anchors.fill: parent
                onPressed: config.dragTo((mouse.x / width) * 2 * config.limit - config.limit)
                onPositionChanged: config.dragTo((mouse.x / width) * 2 * config.limit - config.limit)
            }
        }
        Repeater {
            model: ["upper", "lower"]
            Rectangle {
                readonly property int percent: modelData === "upper" ? config.percentageHystUpper : config.percentageHystLower
                width: 4
                x: linear.xOf(percent) - 2
                y: track.y - 8
                height: track.height + 16
                color: config.selectedThreshold === modelData ? "#e8731c" : rootwindow.textColour
            }
        }
        Row {
            y: 84
            spacing: rootwindow.gap
            GeneralPurposeButton {
                objectName: "thresholdUpper"
                width: 150
                gp_text: qsTr("Above") + Language.emptyString + ": " + config.percentageHystUpper + "%"
                state: config.selectedThreshold === "upper" ? "active" : ""
                onClicked: config.selectedThreshold = "upper"
            }
            GeneralPurposeButton {
                objectName: "thresholdLower"
                width: 150
                gp_text: qsTr("Below") + Language.emptyString + ": " + config.percentageHystLower + "%"
                state: config.selectedThreshold === "lower" ? "active" : ""
                onClicked: config.selectedThreshold = "lower"
            }
            Text {
                height: 30
                verticalAlignment: Text.AlignVCenter
                text: config.livePercent + "%"
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
            }
        }
        Row {
            y: 124
            spacing: rootwindow.gap
            Repeater {
                model: [-10, -1, 1, 10]
                GeneralPurposeButton {
                    objectName: "step_" + modelData
                    width: 60
                    gp_text: (modelData > 0 ? "+" : "") + modelData
                    onClicked: config.step(modelData)
                }
            }
        }
    }

    // Switches: their positions, the middle one only where there is one.
    Column {
        objectName: "switchPositions"
        visible: config.isSwitch && !config.visibleSwitch
        x: 150
        y: 40
        spacing: rootwindow.gap
        Repeater {
            model: 3
            Row {
                // Shown top to bottom; an inverted switch reports its lower position first.
                readonly property int position: config.inverted ? 2 - index : index
                readonly property bool on: position === 0 ? config.upperOn : position === 1 ? config.middleOn : config.lowerOn
                visible: position !== 1 || config.hasMiddle
                spacing: 10
                Rectangle {
                    width: 30
                    height: 30
                    radius: 4
                    color: "transparent"
                    border.width: 1
                    border.color: rootwindow.textColour
                    Rectangle {
                        width: 8
                        height: 8
                        radius: 4
                        anchors.centerIn: parent
                        color: rootwindow.textColour
                        anchors.verticalCenterOffset: (index - 1) * 9
                    }
                }
                GeneralPurposeButton {
                    objectName: "position_" + parent.position
                    width: 120
                    gp_text: (parent.on ? qsTr("On") : qsTr("Off")) + Language.emptyString
                    state: parent.on ? "active" : ""
                    onClicked: config.touchPosition(parent.position)
                }
            }
        }
    }

    Text {
        objectName: "fixedControl"
        visible: config.isFixed || config.visibleSwitch
        anchors.centerIn: parent
        text: config.visibleSwitch ? config.inputName() : qsTr("Fixed control") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
    }

    Text {
        objectName: "noInputHint"
        visible: config.noControl
        x: 20
        y: 150
        width: parent.width - 40
        height: 56
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 10
        verticalAlignment: Text.AlignVCenter
        text: inputArea.enabled
              ? qsTr("No input is chosen yet. Touch \"Input\" above, then move the control you want (or pick a switch) and confirm with OK.") + Language.emptyString
              : qsTr("No input is chosen yet.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }

    GeneralPurposeButton {
        objectName: "editorOk"
        x: parent.width - width - 8
        y: 212
        width: 100
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: config.ok()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(sourceOptionNumber)
        systemHistory.addArg(switchId)
        systemHistory.addArg(control)
        systemHistory.addArg(timerId)
        systemHistory.addArg(percentageHystUpper)
        systemHistory.addArg(percentageHystLower)
        systemHistory.addEndOfArgs()
        maxValue = Database.KLX_DataBaseManagerGetMaxControlValue()
        minValue = Database.KLX_DataBaseManagerGetMinControlValue()
        inverted = RuntimeDatabase.KLX_IsDirectionOfControlInvers(control) !== 0
        if (switchUsed(switchId)) {
            var invisible = Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(switchId, 0, get(), false) === DatabaseValue.KLX_False
            hiddenSwitch = invisible
            // A visible switch chosen as a whole is shown by name only.
            visibleSwitch = !invisible && (sourceOptionNumber === 7 || sourceOptionNumber === 8 || sourceOptionNumber === 9
                                           || sourceOptionNumber === 10 || sourceOptionNumber === 11 || sourceOptionNumber === 12
                                           || sourceOptionNumber === 16)
            // Opened from the vario or voice settings: the hidden switch's own input and thresholds.
            if (invisible && (sourceOptionNumber === 8 || sourceOptionNumber === 9)) {
                control = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(switchId, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
                if (isLinear) {
                    percentageHystUpper = Database.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(switchId, inputIndex, 0, get(), false)
                    percentageHystLower = Database.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(switchId, inputIndex, 0, get(), false)
                }
            }
            if (isSwitch && (invisible || sourceOptionNumber === 4 || sourceOptionNumber === 5))
                readPositions(switchId)
        }
    }
}
