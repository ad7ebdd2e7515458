import QtQuick 2.15
import QtQuick.Window 2.2
import DBValues 1.0
import GuiData 1.0
import "Frontend/QML"

// The main window: one loader shows one screen at a time under the status
// strip; the navigation history, the pop-up boxes and error texts, the touch
// keys below the display and the system's switch-off signals are handled here.
Window {
    id: rootwindow
    objectName: "rootwindow"
    width: 480
    height: 272
    minimumWidth: 480
    minimumHeight: 272
    maximumWidth: 480
    maximumHeight: 272
    visible: true
    color: backColour
    title: "*** KLX25 ***"

    // ---- geometry ----
    readonly property int screenY: 25
    readonly property int screenHeight: 247
    readonly property int buttonHeight: 30
    readonly property int gap: 5

    // ---- colour scheme: 0 dark, 1 light ----
    property int contrast_sheme: 1
    readonly property color backColour: contrast_sheme === 0 ? "black" : "#fafafa"
    readonly property color textColour: contrast_sheme === 0 ? "#fafafa" : "black"
    property color rectColour: "transparent"
    property color rectBorderColour: textColour
    // The icon set chosen on the appearance screen for this run (0 white,
    // 1 black); -1: the icons follow the colours.
    property int iconScheme: -1
    readonly property string iconSuffix: (iconScheme >= 0 ? iconScheme : contrast_sheme) === 0 ? "_dunkel" : "_hell"
    // Text and icons on a filled rectangle stay legible whatever the fill:
    // dark on a light fill, light on a dark one, the scheme's on none.
    readonly property real rectLuminance: 0.299 * rectColour.r + 0.587 * rectColour.g + 0.114 * rectColour.b
    readonly property int rectScheme: rectColour.a < 0.5 ? contrast_sheme : (rectLuminance > 0.6 ? 1 : rectLuminance < 0.4 ? 0 : contrast_sheme)
    readonly property color rectTextColour: rectScheme === 0 ? "#fafafa" : "black"
    readonly property int menuIconScheme: iconScheme >= 0 ? iconScheme : rectScheme
    // An accent colour chosen (not the near-white of the first start): it
    // fills the chosen buttons, framed in the text colour, and no others.
    readonly property bool accentFill: rectColour.a >= 0.5 && rectLuminance < 0.9
    readonly property string fontFamily: regularFont.name

    // ---- state the screens read and set ----
    property bool shutdown: false
    property bool smartKeyLock: false
    property bool userInputLocked: false
    property bool popupCreating: false
    property var currentPopup: null
    property var kbd_sender: null
    property int lastTelePage: 0
    property bool onTelemetryPage: false
    // The model assistant's own history (set by the assistant while it runs).
    property var assistantHistory: null
    property bool firstScreenShown: false
    property bool isLargeBoard: false
    property bool battlowpointer_1: false
    property bool battlowpointer_2: false
    property var sdCardBox: null
    property bool sdCardReported: false
    property string lockedScreen: ""
    // A list screen's scroll position kept while one of its rows' screens is shown (-1 none).
    property int list_y_position: -1
    // How the firmware update at start ended ("done", "failed"; "" while it
    // runs), for its screen when the switch-off screen brings it back.
    property string firmwareUpdateEnd: ""
    // The application update is installed and waits for the switch-off:
    // the software screen says so again when the switch-off screen, let go
    // in time, brings it back.
    property bool appUpdateInstalled: false

    readonly property string homeUrl: "qrc:/Frontend/QML/2_Home.qml"
    readonly property string updateUrl: "qrc:/Frontend/QML/24.qml"
    readonly property string outroUrl: "qrc:/Frontend/QML/EmptyOutroStop.qml"
    readonly property string servoMonitorUrl: "qrc:/Frontend/QML/7.qml"
    readonly property string userMenuUrl: "qrc:/Frontend/QML/UserMenu.qml"
    readonly property string settingsSystemUrl: "qrc:/Frontend/QML/14_Settings_System.qml"

    FontLoader { id: regularFont; source: "qrc:/Frontend/Fonts/DejaVuSans.ttf" }
    FontLoader { source: "qrc:/Frontend/Fonts/DejaVuSans-Bold.ttf" }

    // ---- screens ----
    function loadedUrl() { return String(mainLoader.source) }

    // Shows a screen. One that does not load is a fault of the program: it
    // is logged, the user gets an error box and stays where he is.
    function openScreen(url, properties) {
        var component = Qt.createComponent(url)
        if (component.status !== Component.Ready) {
            console.error(component.errorString())
            errorHandler.processError(DatabaseValue.KLX_Error)
            return false
        }
        mainLoader.setSource(url, properties === undefined ? {} : properties)
        return true
    }

    // A screen that sets up the current model has nothing to edit without
    // one (its edits would never be saved): the user is told so and offered
    // the model menu instead. True when that was the case.
    readonly property string modelMenuUrl: "qrc:/Frontend/QML/ModelMenu.qml"
    function noModelFor(url) {
        if (!MainMenu.setsUpModel(url) || (Database.KLX_DataBaseManagerVornPropertiesGetModelName() !== ""
                && Database.KLX_DataBaseManagerGetSetModelLoadState(0, DatabaseValue.AtomicDirGet) === GuiCmdData.KLX_MODELLLOAD_STATUS_READY))
            return false
        popupShow(null, "attention", qsTr("There is no current model to set up.\nOpen the model menu to load or make one?")
                  + Language.emptyString, "OkAbort", function() { rootwindow.openScreen(rootwindow.modelMenuUrl) })
        return true
    }

    // The flight mode the engine computes with, for a screen to show or edit.
    // Between a reset of its data (a model load, a voice install) and its
    // next pass the engine names none (one past the last): flight mode 0,
    // the standard one, stands for it then.
    function currentFlightMode() {
        var fm = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetActualFlightMode()
        return fm >= 0 && fm < Database.KLX_DataBaseManagerGetMaxFlightmodes() ? fm : 0
    }

    function showFirstScreen(url) {
        firstScreenShown = true
        upperFrame.visible = true
        openScreen(url)
    }

    // ---- input lock ----
    function inputAllowed() {
        return !smartKeyLock && !popupIsShown() && !popupCreating && !userInputLocked
    }
    function userGuiInputLock() { userInputLocked = true }
    function userGuiInputUnlock() { userInputLocked = false }

    function assistantHistoryEmpty() {
        return assistantHistory === null || assistantHistory === undefined || assistantHistory.isEmpty()
    }

    // ---- pop-ups ----
    // One box is on the screen at a time, and none takes another's place. A
    // box with buttons waits until the boxes with buttons before it are
    // answered or closed. A box without buttons (the last words of a
    // switch-off or of a weak battery) waits for no answer: it shows at once,
    // and holds back no box with buttons that comes after it; the boxes it
    // covers show again when it goes. Boxes show above the status strip.
    // A box goes with what it was asked over, without its answer, so that
    // no answer runs code of a screen that is gone: a box asked with no
    // parent item is the shown screen's and goes when the loader lets that
    // screen go, whatever takes its place (the switch-off, a weak battery,
    // a key, the update's own screen); one with a parent item goes when
    // that item is hidden. The window's own messages, which the pilot must
    // read whatever screen shows, are asked over the pop-up layer and stay.
    Component { id: questionBoxComponent; QuestionBox {} }
    // The open boxes, the one on the screen first.
    property var popupBoxes: []

    function popupShow(parentItem, icon, text, buttons, onOk, onAbort, onSkip) {
        var note = buttons === "none"
        // A message told again while it is open is not queued twice.
        if (!onOk && !onAbort && !onSkip) {
            for (var i = 0; i < popupBoxes.length; ++i) {
                var open = popupBoxes[i]
                if (open.message === text && open.icon === icon && open.buttons === buttons) {
                    if (note && i > 0) {
                        popupBoxes.splice(i, 1)
                        popupBoxes.unshift(open)
                        popupShowFirst()
                    }
                    return open
                }
            }
        }
        popupCreating = true
        // Made in its parent or screen, so that it goes with it at the
        // latest; drawn in the pop-up layer.
        var screen = mainLoader.item
        var box = questionBoxComponent.createObject(parentItem ? parentItem : screen ? screen : popupLayer, {
            visible: false, centre: Qt.point(popupLayer.width / 2, popupLayer.height / 2), icon: icon, message: text,
            buttons: buttons, ofScreen: !parentItem })
        popupCreating = false
        if (box === null) {
            console.error("pop-up could not be created: " + text)
            return undefined
        }
        box.parent = popupLayer
        // A parent item hidden takes its box with it. (The window's own end
        // hides the screen too, after the window's names are gone.)
        var screenLeft = function() {
            if (rootwindow && !parentItem.visible)
                rootwindow.popupCloseBox(box)
        }
        if (parentItem)
            parentItem.visibleChanged.connect(screenLeft)
        if (onOk) box.okClicked.connect(onOk)
        if (onAbort) box.abortClicked.connect(onAbort)
        if (onSkip) box.skipClicked.connect(onSkip)
        box.closed.connect(function() {
            // A screen that stays keeps no watch for a box that is gone.
            if (parentItem && parentItem.visibleChanged)
                parentItem.visibleChanged.disconnect(screenLeft)
            rootwindow.popupGone(box)
        })
        // A box with buttons goes behind the last one with buttons, above
        // the boxes without.
        var at = 0
        for (var j = 0; !note && j < popupBoxes.length; ++j) {
            if (popupBoxes[j].buttons !== "none")
                at = j + 1
        }
        popupBoxes.splice(at, 0, box)
        popupShowFirst()
        return box
    }
    function popupShowFirst() {
        for (var i = 0; i < popupBoxes.length; ++i)
            popupBoxes[i].visible = i === 0
        currentPopup = popupBoxes.length > 0 ? popupBoxes[0] : null
    }
    function popupGone(box) {
        var i = popupBoxes.indexOf(box)
        if (i < 0)
            return
        popupBoxes.splice(i, 1)
        popupShowFirst()
    }
    // Closes the box on the screen without its answer; the next one shows.
    function popupClose() {
        if (currentPopup)
            currentPopup.kill()
    }
    // Closes a box its caller got from popupShow, shown or waiting, without
    // its answer; no other box. A box gone already is left alone.
    function popupCloseBox(box) {
        if (popupIsOpen(box))
            box.kill()
    }
    // Closes the boxes of the screen shown, without their answers: the
    // loader lets it go. A box asked while the next screen is made is that
    // screen's, and stays.
    function popupCloseScreenBoxes() {
        var boxes = popupBoxes.filter(function(box) { return box.ofScreen })
        for (var i = 0; i < boxes.length; ++i)
            boxes[i].kill()
    }
    function popupIsShown() { return currentPopup !== null && currentPopup !== undefined }
    // Whether a box from popupShow is shown or waits.
    function popupIsOpen(box) { return box !== null && box !== undefined && popupBoxes.indexOf(box) >= 0 }

    // ---- the navigation history ----
    QtObject {
        id: systemHistory
        objectName: "systemHistory"
        readonly property string endOfArgs: "EndOfArgs"
        property var entries: []
        property int index: 0

        // The screens that take arguments back when they are reopened, by file.
        readonly property var argumentNames: ({
            "5.qml": ["functionId"], "22.qml": ["functionId"], "25_FunctionCurveEditor.qml": ["functionId", "fmStore"],
            "27_FunctionServos.qml": ["functionId"], "DiffServoArranger.qml": ["functionId"],
            "FuncDiffSettings.qml": ["functionId"], "20.qml": ["mixerIndex"],
            "33_MixerCurveEditor.qml": ["mixerId", "functionId", "fmStore"],
            "28.qml": ["parentId", "functionId", "initialControlId"],
            "29.qml": ["parentId", "functionId", "initialControlId"],
            "ServoCurveSettings.qml": ["funcId", "servoId", "mixerId"],
            "ServoCurveEditor.qml": ["functionId", "servoIndex", "servoMxrIndex"],
            "36_ControlSelector.qml": ["parentId", "funcId", "initialControlId", "funcId2", "controlMask"],
            "ControlConfigLinear.qml": ["sourceOptionNumber", "switchId", "control", "timerId", "percentageHystUpper",
                                        "percentageHystLower"],
            "37.qml": ["parentId", "vswitchId", "initialControlId"],
            "35_TimerSetup.qml": ["timerId", "timerTypeNew"], "3.qml": ["contentCoord"],
            "TimerAudioSettings.qml": ["tmrId"], "TimeRangeAlarmSettings.qml": ["timerID", "alarmID"],
            "AlarmMessageSettings.qml": ["timer_ID", "alarm_ID", "textMsgFlag"],
            "VoiceTimerSelector.qml": ["itemNumTimer"], "VoiceTimerAlarmSelector.qml": ["vAlarmId"],
            "SequencerServoList.qml": ["sequencerIdx"], "SequencerServoEditor.qml": ["sequencerIdx"],
            "FlightModeEditor.qml": ["lut_index", "flightmodesNum"],
            "VoiceSelector.qml": ["language", "keepingmsg", "itemNum", "ttslItem", "manage"],
            "VoiceSettings.qml": ["itemNum"], "VoiceTelemetryIndividual.qml": ["itemNum"],
            "24.qml": ["recovery"],
            "TelemetrySensorMainMenu.qml": ["pageId", "elementId", "sensorId"],
            "TelemetryWidgetChooser.qml": ["pageId", "widgetX", "widgetY"],
            "TelemetryWidgetValueSetup.qml": ["pageId", "elementId"],
            "TelemetryWidgetValueSensorSlaveChooser.qml": ["pageId", "elementId", "sensorId", "slaveId", "singleMode",
                                                          "varioMode", "headupMode", "teleControlMode", "individualVoice"],
            "TelemetryWidgetValueSlaveChooser.qml": ["pageId", "elementId", "sensorId", "slaveId"],
            "TelemetrySensorAlarmConfig.qml": ["pageId", "elementId", "sensorId", "slaveId"],
            "TelemetryWidgetTimerSetup.qml": ["pageId", "elementId", "timerId"],
            "TelemetryWidgetTimerAlarmConfig.qml": ["timerId", "pageId", "elementId", "timerName"],
            "TelemetryWidgetServoSetup.qml": ["pageId", "elementId"],
            "TelemetryWidgetQuickLinkSetup.qml": ["pageId", "elementId"],
            "TelemetryWidgetLabelSetup.qml": ["pageId", "elementId"],
            "TelemetryControlSett2.qml": ["tconIndex", "sensAddr", "slaveAddr"]
        })

        function reset() {
            entries = [{ url: "", args: [] }]
            index = 0
        }
        function count() { return entries.length }
        function urls() { return entries.map(function(e) { return e.url }) }
        function args(i) { return entries[i].args.slice() }

        function addHistoryEntry() {
            var url = rootwindow.loadedUrl()
            if (entries[index].url === url)
                return
            entries.splice(index + 1)
            if (index >= 1 && entries[index - 1].url === url) {
                entries.splice(index, 1)
                index -= 1
            } else {
                entries.push({ url: url, args: [] })
                index += 1
            }
            entries[index].args = []
        }
        function closed(list) { return list.length > 0 && list[list.length - 1] === endOfArgs }
        function addArg(value) {
            var list = entries[index].args
            if (!closed(list))
                list.push(value)
        }
        function addEndOfArgs() {
            var list = entries[index].args
            if (!closed(list))
                list.push(endOfArgs)
        }
        function chgArg(position, value) {
            var list = entries[index].args
            if (position >= 0 && position < list.length && list[position] !== endOfArgs)
                list[position] = value
        }
        function argAlreadySet(value) { return entries[index].args.indexOf(value) >= 0 }

        function reopen(i) {
            var entry = entries[i]
            var file = entry.url.substring(entry.url.lastIndexOf("/") + 1)
            var names = argumentNames[file]
            var values = entry.args.filter(function(a) { return a !== endOfArgs })
            if (names === undefined || values.length === 0) {
                rootwindow.openScreen(entry.url)
                return
            }
            var properties = {}
            for (var n = 0; n < names.length && n < values.length; ++n)
                properties[names[n]] = values[n]
            rootwindow.openScreen(entry.url, properties)
        }
        function goBack() {
            if (index <= 1)
                return
            if (entries[index].url === rootwindow.settingsSystemUrl && !rootwindow.shutdown)
                Database.KLX_DataBaseManagerSystemPropertiesLeave()
            index -= 1
            rootwindow.kbd_sender = null
            reopen(index)
        }
        function goForward() {
            if (index + 1 >= entries.length)
                return
            index += 1
            reopen(index)
        }
        function deleteLastHistoryEntry() {
            if (entries.length <= 1)
                return
            entries.pop()
            if (index >= entries.length)
                index = entries.length - 1
        }
        function deleteLastHistoryUntil(url, fromStart) {
            if (fromStart) {
                for (var i = 1; i <= index; ++i) {
                    if (entries[i].url === url) {
                        entries.splice(i + 1)
                        index = i
                        reopen(i)
                        return
                    }
                }
                entries.splice(1)
                index = 0
            } else {
                while (entries.length > 1 && entries[entries.length - 1].url !== url)
                    entries.pop()
                index = entries.length - 1
                if (index > 0) {
                    reopen(index)
                    return
                }
            }
            rootwindow.openScreen(rootwindow.homeUrl)
            if (url !== rootwindow.homeUrl)
                rootwindow.openScreen(url)
        }
        Component.onCompleted: reset()
    }

    // ---- error texts ----
    QtObject {
        id: errorHandler
        objectName: "errorHandler"

        function getErrorMessage(code) {
            switch (code) {
            case DatabaseValue.KLX_Error: return qsTr("General error occured") + Language.emptyString
            case DatabaseValue.Function_Not_Existing: return qsTr("Function don't exist") + Language.emptyString
            case DatabaseValue.More_Than_One_Control_Moved: return qsTr("More than one control recognized") + Language.emptyString
            case DatabaseValue.No_Movement_Detect: return qsTr("No movement detected") + Language.emptyString
            case DatabaseValue.Indexes_Out_Of_Range: return qsTr("Index off the limits") + Language.emptyString
            case DatabaseValue.Unknown_Control: return qsTr("Unknown control") + Language.emptyString
            case DatabaseValue.Servo_Already_In_Use: return qsTr("Servo already in use") + Language.emptyString
            case DatabaseValue.Servo_Not_In_Use: return qsTr("Servo not used") + Language.emptyString
            case DatabaseValue.Servo_Not_Assigned: return qsTr("Servo not assigned") + Language.emptyString
            case DatabaseValue.Max_Servos_PerFunc_Reached: return qsTr("Reached maximum servos per function") + Language.emptyString
            case DatabaseValue.Max_Cure_Number_Reached: return qsTr("Reached maximum curves") + Language.emptyString
            case DatabaseValue.Max_Flightmode_Number_Reached: return qsTr("Reached maximum Flight Mode count") + Language.emptyString
            case DatabaseValue.Max_Function_Number_Reached: return qsTr("Reached maximum function count") + Language.emptyString
            case DatabaseValue.Max_Limiter_Number_Reached: return qsTr("Reached maximum limit count") + Language.emptyString
            case DatabaseValue.Max_Mixer_Number_Reached: return qsTr("Reached maximum mixer count") + Language.emptyString
            case DatabaseValue.Max_Sequencer_Number_Reached: return qsTr("Reached maximum sequencer count") + Language.emptyString
            case DatabaseValue.Max_ServoConfig_Number_Reached: return qsTr("Reached maximum servo config count") + Language.emptyString
            case DatabaseValue.Sensor_Not_In_Use: return qsTr("Sensor not in use") + Language.emptyString
            case DatabaseValue.Container_Not_In_Use: return qsTr("Widget not used") + Language.emptyString
            case DatabaseValue.Max_Gui_Elements_Reached: return qsTr("Reached maximum of widgets") + Language.emptyString
            case DatabaseValue.Max_Gui_Sensors_Reached: return qsTr("Reached maximum of sensors") + Language.emptyString
            case DatabaseValue.Max_Timer_Reached: return qsTr("Reached maximum of timers") + Language.emptyString
            case DatabaseValue.Max_Switch_Number_Reached: return qsTr("Reached maximum of virtual switches") + Language.emptyString
            case DatabaseValue.Max_ServoMixer_Servoconfig_Reached:
                return qsTr("Reached maximum number of functions that can control this servo") + Language.emptyString
            case DatabaseValue.Max_HeadupItems_Reached:
                return qsTr("The maximum number of headup items has been reached.") + Language.emptyString
            case DatabaseValue.TutorPupilControlIsBusy:
                return qsTr("This control is already assigned as a channel Vorn control. Please select another control!") + Language.emptyString
            case DatabaseValue.TutorPupilControlIsActivator:
                return qsTr("This control is already assigned to Trainer cord switch. Please select another control!") + Language.emptyString
            case DatabaseValue.TutorPupilControlInChainIsBusy:
                return qsTr("This control is already assigned as an input of FM/Sequencer/Servo-Cut/Mixer/Vario control virtual switch. Please select another control!") + Language.emptyString
            case DatabaseValue.ActiveModelCannotBeModified: return qsTr("File of the active model cannot be modified!") + Language.emptyString
            case DatabaseValue.CannotDeleteNonEmptyFolder: return qsTr("Cannot delete non-empty folder!") + Language.emptyString
            case DatabaseValue.Max_TeleControl_Number_Reached: return qsTr("Reached maximum of telemetry controls.") + Language.emptyString
            case DatabaseValue.Cancelled_By_User: return qsTr("Cancelled by the user.") + Language.emptyString
            case "NIY": return qsTr("Not yet implemented") + Language.emptyString
            case "emptyString": return qsTr("Empty input not allowed") + Language.emptyString
            case "nameDuplicate": return qsTr("This name is already being used") + Language.emptyString
            case "userMenuFull": return qsTr("Reached maximum entry count") + Language.emptyString
            case "DND": return qsTr("This item cannot be deleted") + Language.emptyString
            case "NO_USB": return qsTr("No USB device detected. Please connect USB device and try again") + Language.emptyString
            case "ALREADY_NEW": return qsTr("Installed software is already up-to-date") + Language.emptyString
            case "NO_UPDATEXML": return qsTr("No Update.xml file is found on the USB device") + Language.emptyString
            case "VS_USED_IN_TELECONTROL":
                return qsTr("No telemetry control can be assigned as an input of this VS, since this VS controls another telemetry control!") + Language.emptyString
            }
            return qsTr("Error:\nUnknown Error, Errorcode: ") + Language.emptyString + code
        }
        function processError(code) {
            Database.KLX_DataBaseManagerPlayWAVPCMFile("Popup_Error", "de", 0)
            return rootwindow.popupShow(null, "error", getErrorMessage(code), "Ok")
        }
        function processTaskError(text) {
            var shown = text === "" || text === undefined || text === null
                    ? qsTr("General Error\n\nNo errortext defined.") + Language.emptyString : text
            return rootwindow.popupShow(null, "error", shown, "Ok")
        }
    }

    // ---- colour scheme from the settings ----
    function colourText(value) {
        var bits = value >>> 0
        if (bits === 0)
            return "transparent"
        var text = bits.toString(16)
        while (text.length < 6)
            text = "0" + text
        if (text.length === 7)
            text = "0" + text   // "#" and seven digits is no colour: the alpha digit is written whole
        return "#" + text
    }
    function readScheme() {
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        var contrast = Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(0, DatabaseValue.AtomicDirGet, false)
        var fill = Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, DatabaseValue.AtomicDirGet, false)
        var border = Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(0, DatabaseValue.AtomicDirGet, false)
        var intro = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, DatabaseValue.AtomicDirGet, false)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        contrast_sheme = contrast === 0 ? 0 : 1
        rectColour = colourText(fill)
        var borderText = colourText(border)
        rectBorderColour = borderText === colourText(fill) ? "black" : borderText
        return intro
    }
    // A changed scheme (settings screens) or an activated window redraws the strip.
    function setContrast() { readScheme(); upperFrame.setContrast() }
    onActiveChanged: if (active) upperFrame.setContrast()

    // ---- the screen area ----
    Loader {
        id: mainLoader
        objectName: "mainLoader"
        x: 0
        y: rootwindow.screenY
        width: rootwindow.width
        height: rootwindow.screenHeight
        focus: true
        // The loader hides the screen it lets go at once, before it makes
        // the next, and deletes it later: its boxes go as it is hidden.
        onItemChanged: {
            var shown = item
            if (shown)
                shown.visibleChanged.connect(function() {
                    if (rootwindow && !shown.visible)
                        rootwindow.popupCloseScreenBoxes()
                })
        }
    }

    // While the strip is open, a touch below it closes it.
    MouseArea {
        anchors.fill: parent
        z: 15
        enabled: upperFrame.isOpen
        onPressed: upperFrame.close()
    }

    UpperFrame {
        id: upperFrame
        objectName: "upperFrame"
        z: 20
        visible: false
    }

    Item {
        id: popupLayer
        objectName: "popupLayer"
        x: 0
        y: rootwindow.screenY
        width: rootwindow.width
        height: rootwindow.screenHeight
        // Above the status strip: a box that comes while the strip is open
        // is read and answered there.
        z: 25
    }

    Item {
        id: overlay
        anchors.fill: parent
        z: 30

        Image {
            id: lockPicture
            objectName: "lockPicture"
            anchors.centerIn: parent
            width: 96
            height: 96
            sourceSize.width: 96
            sourceSize.height: 96
            source: "qrc:/Frontend/Images/lock" + rootwindow.iconSuffix + ".svg"
            opacity: 0
            NumberAnimation on opacity { id: lockFade; running: false; from: 1; to: 0; duration: 1500 }
        }
        Image {
            id: unlockPicture
            objectName: "unlockPicture"
            anchors.centerIn: parent
            width: 96
            height: 96
            sourceSize.width: 96
            sourceSize.height: 96
            source: "qrc:/Frontend/Images/unlock" + rootwindow.iconSuffix + ".svg"
            opacity: 0
            NumberAnimation on opacity { id: unlockFade; running: false; from: 1; to: 0; duration: 1500 }
        }
    }

    Component { id: battLowComponent; BattLowSymbol {} }

    // The intro: plays once on the larger board when the settings ask for it,
    // then fades out in 1000 ms; it takes every touch while it plays.
    Loader {
        id: intro
        objectName: "intro"
        anchors.fill: parent
        z: 100
        active: false
        sourceComponent: Rectangle {
            id: introScreen
            color: "black"
            MouseArea { anchors.fill: parent }
            Image {
                id: logo
                anchors.centerIn: parent
                width: 240
                height: 136
                sourceSize.width: 240
                sourceSize.height: 136
                source: "qrc:/Frontend/Images/Startup.svg"
                scale: 0.6
            }
            SequentialAnimation {
                running: true
                NumberAnimation { target: logo; property: "scale"; to: 1.0; duration: 1200; easing.type: Easing.OutBack }
                PauseAnimation { duration: 500 }
                NumberAnimation { target: introScreen; property: "opacity"; to: 0; duration: 1000 }
                ScriptAction { script: intro.active = false }
            }
        }
    }

    // ---- the first screen by the boot status ----
    Timer {
        id: bootTimer
        objectName: "bootTimer"
        interval: 100
        repeat: true
        onTriggered: {
            if (rootwindow.shutdown)
                return
            switch (Database.KLX_DataBaseManagerGetSetBootStatus(0, DatabaseValue.AtomicDirGet)) {
            case GuiCmdData.KLX_BOOT_STATUS_FASTSTART:
                Database.KLX_DataBaseManagerGetSetBootStatus(GuiCmdData.KLX_BOOT_STATUS_NORMAL, DatabaseValue.AtomicDirSet)
                stop()
                rootwindow.showFirstScreen(rootwindow.startScreen())
                break
            case GuiCmdData.KLX_BOOT_STATUS_UPDATE:
                stop()
                rootwindow.showFirstScreen(rootwindow.updateUrl)
                break
            case GuiCmdData.KLX_BOOT_STATUS_NORMAL:
                stop()
                rootwindow.showFirstScreen(rootwindow.startScreen())
                break
            }
        }
    }

    // A firmware update at start that failed before the first screen, while
    // the start went on to the model, still says so on its own screen.
    function startScreen() {
        return Database.KLX_DataBaseManagerGetLastUpdateStatus() === GuiCmdData.KLX_UPDATE_STATUS_ERROR
                ? rootwindow.updateUrl : rootwindow.homeUrl
    }

    Component.onCompleted: {
        // The keyboard's keys go to the focused item of the active window.
        requestActivate()
        isLargeBoard = MainMenu.onLargeBoard()
        var introWanted = readScheme()
        intro.active = introWanted !== 0 && isLargeBoard
        bootTimer.start()
    }

    // ---- touch keys ----
    function showScreenshotMessage() {
        if (!Database.KLX_DatabaseManagerGetScreenShot())
            return
        var path = Database.KLX_DatabaseManagerSaveLastScreenShotAt("")
        var text = path === "" ? qsTr("No screenshot is stored!") + Language.emptyString
                               : qsTr("Screenshot is stored in file:") + Language.emptyString + "\n" + path
        popupShow(popupLayer, "info", text, "Ok")
    }

    function onKey(icon, icon1) {
        var stripWasOpen = upperFrame.isOpen
        upperFrame.close()
        switch (icon) {
        case DatabaseValue.EventLock:
            lockFade.stop()
            lockPicture.opacity = 0
            if (icon1 === DatabaseValue.EventRight)
                showScreenshotMessage()
            else
                unlockFade.restart()
            break
        case DatabaseValue.EventSettings:
            if (inputAllowed())
                openScreen(userMenuUrl)
            break
        case DatabaseValue.EventServo:
            if (inputAllowed() && loadedUrl() !== servoMonitorUrl)
                openScreen(servoMonitorUrl)
            break
        case DatabaseValue.EventLeft:
            if (kbd_sender && kbd_sender.extended === true) {
                kbd_sender.preLoadText = ""
                kbd_sender.extended = false
                break
            }
            if (inputAllowed() && !onTelemetryPage && assistantHistoryEmpty() && !stripWasOpen)
                systemHistory.goBack()
            break
        case DatabaseValue.EventHome:
            if (!inputAllowed())
                break
            if (loadedUrl() !== homeUrl) {
                Database.KLX_DataBaseManagerSystemPropertiesLeave()
                systemHistory.deleteLastHistoryUntil(homeUrl, true)
            } else if (mainLoader.item && mainLoader.item.lockTelemetryElements) {
                mainLoader.item.lockTelemetryElements()
            }
            break
        case DatabaseValue.EventRight:
            if (icon1 === DatabaseValue.EventLock)
                showScreenshotMessage()
            else if (inputAllowed() && !onTelemetryPage)
                systemHistory.goForward()
            break
        }
    }

    Connections {
        target: TouchHandler
        function onIconEvent(icon, icon1) { rootwindow.onKey(icon, icon1) }
    }

    // ---- system events ----
    Connections {
        target: System
        function onOnGuiReadyToGoDown() {
            rootwindow.shutdown = true
            upperFrame.visible = false
            rootwindow.popupCloseBox(rootwindow.sdCardBox)
            rootwindow.sdCardBox = null
            rootwindow.openScreen(rootwindow.outroUrl)
        }
        function onOnGuiStop() {
            // The screen stays as it is for the rest of the switch-off: a
            // failed save's message is drawn before the loop ends.
            if (rootwindow.saveFailureFramesLeft === 0) {
                Qt.quit()
                return
            }
            rootwindow.quitWhenDrawn = true
            rootwindow.update()
            quitGuard.start()
        }
        function onNoSDcardDetected() {
            if (rootwindow.shutdown)
                return
            upperFrame.visible = true
            if (rootwindow.sdCardReported)
                return
            rootwindow.sdCardReported = true
            // A card too small is there: it is named for what it lacks.
            rootwindow.sdCardBox = rootwindow.popupShow(popupLayer, "attention",
                    (System.KLX_SystemSDCardTooSmall()
                     ? qsTr("The SD card is smaller than the 256 MiB the transmitter needs.")
                     : qsTr("SD card not detected in system!")) + Language.emptyString, "Ok")
        }
    }

    Connections {
        target: Database
        function onLockTimeout(value) {
            if (value === DatabaseValue.EventTouched) {
                unlockFade.stop()
                unlockPicture.opacity = 0
                lockFade.restart()
            }
        }
        function onUpdateStatus(state) {
            if (rootwindow.shutdown && state === GuiCmdData.KLX_MODEL_CRC_TC_LINUX_NOTMATCHED)
                rootwindow.popupShow(popupLayer, "attention", qsTr("Model CRC data is bad!") + Language.emptyString + "\n"
                                     + qsTr("Fast start is not possible next time.") + Language.emptyString, "none")
        }
    }

    // ---- a save that failed ----
    function modelSaveFailureText(reason) {
        switch (reason) {
        case DatabaseValue.ModelSaveFailure_CardFull:
            return qsTr("Your changes to the model were not saved: the SD card is full.") + Language.emptyString
        case DatabaseValue.ModelSaveFailure_CardTooSmall:
            return qsTr("Your changes to the model were not saved: the SD card is smaller than the 256 MiB the transmitter needs.")
                    + Language.emptyString
        }
        return qsTr("Your changes to the model were not saved: the SD card could not be written.") + Language.emptyString
    }
    // What the program keeps of the model by itself, the pilot's edits aside.
    function modelValuesSaveFailureText(reason) {
        switch (reason) {
        case DatabaseValue.ModelSaveFailure_CardFull:
            return qsTr("The model's run time and timer values could not be saved: the SD card is full.") + Language.emptyString
        case DatabaseValue.ModelSaveFailure_CardTooSmall:
            return qsTr("The model's run time and timer values could not be saved: the SD card is smaller than the 256 MiB the transmitter needs.")
                    + Language.emptyString
        }
        return qsTr("The model's run time and timer values could not be saved: the SD card could not be written.") + Language.emptyString
    }
    function settingsSaveFailureText(reason) {
        switch (reason) {
        case DatabaseValue.ModelSaveFailure_CardFull:
            return qsTr("Your changes to the settings were not saved: the SD card is full.") + Language.emptyString
        case DatabaseValue.ModelSaveFailure_CardTooSmall:
            return qsTr("Your changes to the settings were not saved: the SD card is smaller than the 256 MiB the transmitter needs.")
                    + Language.emptyString
        }
        return qsTr("Your changes to the settings were not saved: the SD card could not be written.") + Language.emptyString
    }
    // The box that tells of saves that failed: a failure told while it is
    // shown, or waits its turn, joins its message (the model's and the
    // settings' of one pass, or the final save's) instead of making another.
    // At the switch-off a waiting one is not waited for.
    property var saveFailureBox: null
    function tellSaveFailure(text) {
        var buttons = rootwindow.shutdown ? "none" : "Ok"
        if (popupIsOpen(saveFailureBox) && (currentPopup === saveFailureBox || saveFailureBox.buttons === buttons)) {
            if (saveFailureBox.message.split("\n").indexOf(text) < 0)
                saveFailureBox.message += "\n" + text
            saveFailureBox.buttons = buttons
        } else {
            saveFailureBox = popupShow(popupLayer, "error", text, buttons)
        }
        saveFailureFramesLeft = 2
        update()
    }
    // Frames still to be swapped before a failed save's message is on the
    // screen: the second frame after it shows it, the first may have been
    // under way before it came. Frames are counted only while one waits.
    property int saveFailureFramesLeft: 0
    property bool quitWhenDrawn: false
    Connections {
        target: rootwindow
        enabled: rootwindow.saveFailureFramesLeft > 0 || rootwindow.quitWhenDrawn
        function onFrameSwapped() {
            if (rootwindow.saveFailureFramesLeft > 0)
                rootwindow.saveFailureFramesLeft -= 1
            if (rootwindow.saveFailureFramesLeft > 0)
                rootwindow.update()
            else if (rootwindow.quitWhenDrawn)
                rootwindow.quitDrawn()
        }
    }
    function quitDrawn() {
        quitWhenDrawn = false
        quitGuard.stop()
        Qt.quit()
    }
    // A window that draws nothing does not hold the switch-off.
    Timer {
        id: quitGuard
        interval: 1000
        onTriggered: rootwindow.quitDrawn()
    }
    Connections {
        target: XMLFileSaver
        function onModelSaveFailed(reason) { rootwindow.tellSaveFailure(rootwindow.modelSaveFailureText(reason)) }
        function onModelValuesSaveFailed(reason) { rootwindow.tellSaveFailure(rootwindow.modelValuesSaveFailureText(reason)) }
        function onSettingsSaveFailed(reason) { rootwindow.tellSaveFailure(rootwindow.settingsSaveFailureText(reason)) }
    }

    Connections {
        target: Battery
        function onVoltageMinExceeded() {
            rootwindow.popupShow(popupLayer, "attention", qsTr("Battery is weak!\nGUI is shutting down...") + Language.emptyString, "none")
        }
    }

    // A pack nearly empty: the battery-low picture every 2000 ms.
    Timer {
        interval: 2000
        repeat: true
        running: rootwindow.battlowpointer_1 || rootwindow.battlowpointer_2
        triggeredOnStart: true
        onTriggered: battLowComponent.createObject(overlay, { x: (rootwindow.width - 256) / 2, y: 0 })
    }

    // A key lock left behind by a screen that is gone is released.
    onSmartKeyLockChanged: if (smartKeyLock) lockedScreen = loadedUrl()
    Timer {
        interval: 5000
        repeat: true
        running: rootwindow.smartKeyLock
        onTriggered: {
            if (rootwindow.loadedUrl() !== rootwindow.lockedScreen)
                rootwindow.smartKeyLock = false
        }
    }
}
