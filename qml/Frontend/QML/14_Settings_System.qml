import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The system screen: pilot name, date and time (automatic from GPS on the
// larger board, or entered by hand), location and time zone, language, units,
// front socket, fast start, telemetry logging, calibration, the export of the
// system information and the serial number. Every write goes through the
// facade's settings accessors; a result of KLX_Error or below is shown.
Item {
    id: systemScreen
    objectName: "systemScreen"

    readonly property bool largeBoard: MainMenu.onLargeBoard()
    readonly property int labelWidth: 150
    readonly property int fieldX: labelWidth + 5

    // ---- state ----
    property bool datetimeAuto: false
    property bool time24h: true
    property bool pm_am: false
    property bool storedHalf: false
    property int unitSystem: DatabaseValue.MEASURE_SYSTEM_METRIC
    property string storedLanguage: ""
    property int currMode: -1
    property bool frontEnabled: true
    property int countryCode: 0
    property bool boxOpen: !largeBoard
    property bool exportPending: false

    // ---- what the rows show ----
    property string userName: ""
    property string locationText: ""
    property int summer: 0
    property bool teleLog: false
    property bool fastStart: false
    property string dayText: ""
    property string monthText: ""
    property string yearText: ""
    property string hourText: ""
    property string minuteText: ""
    property string modeText: ""
    property string serialText: ""

    readonly property var flagRows: [
        [{ code: "de", name: "Deutsch" }, { code: "en", name: "English" },
         { code: "fr", name: "Fran\u00e7ais" }, { code: "es", name: "Espanol" }],
        [{ code: "cn", name: "\u4e2d\u570b\u4eba" }, { code: "it", name: "Italiano" },
         { code: "no", name: "Norsk" }, { code: "fi", name: "Suomeksi" }]
    ]

    function failed(result) { return result <= DatabaseValue.KLX_Error }
    function report(result) {
        if (failed(result))
            errorHandler.processError(result)
        return failed(result)
    }
    function two(value) { return (value < 10 ? "0" : "") + value }

    // ---- opening and refresh ----
    function initAll() {
        if (rootwindow.shutdown)
            return
        var get = DatabaseValue.AtomicDirGet
        unitSystem = Database.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(0, get)
        userName = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName("", get)
        if (largeBoard)
            datetimeAuto = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(0, get) !== 0
        initTimeValue()
        if (!largeBoard || datetimeAuto)
            summer = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, get)
        closeBox()
        readLocation()
        teleLog = Database.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(0, get) === DatabaseValue.KLX_True
        fastStart = Database.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(0, get) === DatabaseValue.KLX_True
        readFrontSocket()
        serialText = Database.KLX_DataBaseManagerSerialStickGet()
    }

    function initTimeValue() {
        var now = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
        time24h = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(0, DatabaseValue.AtomicDirGet) !== 0
        dayText = String(now.getDate())
        monthText = String(now.getMonth() + 1)
        yearText = String(now.getFullYear())
        minuteText = two(now.getMinutes())
        storedLanguage = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", DatabaseValue.AtomicDirGet)
        if (!time24h)
            pm_am = now.getHours() >= 12
        showHour(now.getHours())
    }

    // After a change of the 24-hour mode or of the half of the day. The hour
    // button shows what, entered on the pad, gives the stored hour again.
    function refreshTimeDisplay() {
        showHour(Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime().getHours())
    }
    function showHour(hour) {
        if (time24h) {
            modeText = "24h"
            hourText = two(hour)
        } else if (pm_am) {
            modeText = "PM"
            hourText = two(hour === 12 ? 12 : hour % 12)
        } else {
            modeText = "AM"
            hourText = two(hour)
        }
    }
    onTime24hChanged: refreshTimeDisplay()
    // The hour entry follows the half of the day shown.
    onPm_amChanged: {
        storedHalf = pm_am
        refreshTimeDisplay()
    }

    function readLocation() {
        var get = DatabaseValue.AtomicDirGet
        countryCode = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(0, get)
        if (countryCode !== 0) {
            locationText = Database.KLX_DataBaseManagerGetSystemPropertiesGet_CountryName(countryCode)
            return
        }
        var offset = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, get)
        var text = qsTr("UTC") + Language.emptyString
        if (offset !== 0) {
            var minutes = Math.abs(offset)
            text += (offset > 0 ? "+" : "-") + two(Math.floor(minutes / 60)) + ":" + two(minutes % 60)
        }
        locationText = text
    }

    // ---- the date-and-time box ----
    function openBox() { boxOpen = true }
    function closeBox() {
        if (!largeBoard)
            return
        boxOpen = false
        Database.KLX_DataBaseManagerSystemPropertiesLeave()
    }
    function touchDateTimeMode() {
        if (!boxOpen) {
            openBox()
            return
        }
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_AutomaticDateTime(
                    datetimeAuto ? 0 : 1, DatabaseValue.AtomicDirSet)
        if (report(result))
            return
        var auto = result !== 0
        if (auto === datetimeAuto)
            return
        datetimeAuto = auto
        if (auto) {
            Database.KLX_DataBaseManagerSystemPropertiesLeave()
            summer = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(0, DatabaseValue.AtomicDirGet)
            readAutomaticTime()
        } else {
            Database.KLX_DataBaseManagerSystemPropertiesEntry()
            initTimeValue()
        }
        openBox()
    }

    // Automatic: the settings clock as it runs.
    property string autoHour: ""
    property string autoMarker: ""
    function readAutomaticTime() {
        var now = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
        dayText = String(now.getDate())
        monthText = String(now.getMonth() + 1)
        yearText = String(now.getFullYear())
        minuteText = two(now.getMinutes())
        var hour = now.getHours()
        autoHour = time24h ? two(hour) : two(hour % 12 === 0 ? 12 : hour % 12)
        autoMarker = time24h ? "" : (hour >= 12 ? "PM" : "AM")
    }
    Timer {
        interval: 1000
        repeat: true
        triggeredOnStart: true
        running: systemScreen.datetimeAuto && systemScreen.boxOpen && !rootwindow.shutdown
        onTriggered: systemScreen.readAutomaticTime()
    }

    function touch24h() {
        var written = time24h ? DatabaseValue.KLX_False : DatabaseValue.KLX_True
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(
                    written, DatabaseValue.AtomicDirSet, true, true)
        if (report(result))
            return
        if (result === written) {
            time24h = result !== 0
            readAutomaticTime()
        }
    }
    function touchSummer() {
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_DayLightSaving(
                    summer !== 0 ? 0 : 1, DatabaseValue.AtomicDirSet, true)
        if (report(result))
            return
        summer = result
        if (!largeBoard)
            initTimeValue()
    }

    // ---- the manual date and time through the numeric pad ----
    property string padField: ""
    function monthLength(month, year) {
        if (month === 2)
            return year % 4 === 0 ? 29 : 28
        return [4, 6, 9, 11].indexOf(month) >= 0 ? 30 : 31
    }
    function openPad(field, value, digits) {
        padField = field
        pad.inputLength = digits
        pad.decPoint = 0
        pad.latchPoint = false
        pad.rawData = value
        padHost.extended = true
        rootwindow.kbd_sender = padHost
    }
    function closePad() {
        padHost.extended = false
        padField = ""
        if (rootwindow.kbd_sender === padHost)
            rootwindow.kbd_sender = null
    }
    function hourLimit() { return time24h ? 24 : 12 }

    // The settings clock with one field changed, written to the settings and
    // to the system clock; the field then shows the value.
    function writeClock(change) {
        var now = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
        var when = change(now)
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(when, true)
        if (report(result))
            return false
        Database.KLX_DataBaseManagerPauseTelemetrie(DatabaseValue.TELELOG_DateChangeTag)
        return true
    }

    function padOk() {
        var value = pad.rawData
        var field = padField
        var day = parseInt(dayText, 10)
        var month = parseInt(monthText, 10)
        var year = parseInt(yearText, 10)
        if (field === "day" || field === "month" || field === "year") {
            var limits = { day: [1, 31], month: [1, 12], year: [1970, 2037] }[field]
            if (value < limits[0] || value > limits[1])
                return
            if (field === "day") day = value
            else if (field === "month") month = value
            else year = value
            day = Math.min(day, monthLength(month, year))
            dayText = String(day)
            if (writeClock(function(now) {
                return new Date(year, month - 1, day, now.getHours(), now.getMinutes(), now.getSeconds())
            })) {
                monthText = String(month)
                yearText = String(year)
            }
            closePad()
            return
        }
        if (field === "hour") {
            if (value < 0 || value > hourLimit() || (time24h && value === hourLimit()))
                return
            // In 12-hour display the hour is taken in the half of the day
            // that the mode button shows: 12 is noon (PM), 0 midnight (AM).
            var hour = value
            if (!time24h) {
                if (value === hourLimit())
                    pm_am = true
                else if (value === 0)
                    pm_am = false
                else if (pm_am)
                    hour = value + 12
            }
            if (writeClock(function(now) { now.setHours(hour); return now }))
                refreshTimeDisplay()
            closePad()
            return
        }
        if (field === "minute") {
            if (value < 0 || value > 59)
                return
            if (writeClock(function(now) { now.setMinutes(value); return now }))
                minuteText = two(value)
            closePad()
        }
    }

    // The mode button of the manual time: 24h, AM, PM, 24h.
    function touchMode() {
        var set = DatabaseValue.AtomicDirSet
        var result
        if (time24h) {
            result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(DatabaseValue.KLX_False, set, true, true)
            if (report(result) || result !== DatabaseValue.KLX_False)
                return
            var now = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
            if (now.getHours() >= 12)
                now.setHours(now.getHours() - 12)
            if (!report(Database.KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(now, DatabaseValue.KLX_True)))
                closePad()
            time24h = false
            pm_am = false
            refreshTimeDisplay()
        } else if (!pm_am) {
            var clock = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_DateTime()
            if (clock.getHours() < 12) {
                clock.setHours(clock.getHours() + 12)
                if (!report(Database.KLX_DataBaseManagerGetSetSystemPropertiesSet_DateTime(clock, DatabaseValue.KLX_True)))
                    closePad()
            }
            pm_am = true
            refreshTimeDisplay()
        } else {
            result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Display24h(DatabaseValue.KLX_True, set, true, true)
            if (report(result) || result !== DatabaseValue.KLX_True)
                return
            time24h = true
        }
    }

    // ---- the other rows ----
    function writeUserName(text) {
        userName = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_UserName(text, DatabaseValue.AtomicDirSet)
    }

    function chooseLanguage(code, name) {
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(code)
        if (report(result))
            return
        if (result === DatabaseValue.KLX_Ok)
            initAll()
        Database.SayText(name, code)
    }

    function touchUnits() {
        var other = unitSystem === DatabaseValue.MEASURE_SYSTEM_METRIC ? DatabaseValue.MEASURE_SYSTEM_IMPERIAL
                                                                        : DatabaseValue.MEASURE_SYSTEM_METRIC
        var result = Database.KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem(other, DatabaseValue.AtomicDirSet)
        if (report(result) || result !== other)
            return
        unitSystem = result
        Database.KLX_DataBaseManagerVarioSwitchUnitsSystem(result === DatabaseValue.MEASURE_SYSTEM_IMPERIAL)
    }

    function touchFastStart() {
        var result = Database.KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(
                    DatabaseValue.KLX_Trigger, DatabaseValue.AtomicDirSet)
        if (!report(result))
            fastStart = result === DatabaseValue.KLX_True
    }
    function touchTeleLog() {
        var result = Database.KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled(
                    DatabaseValue.KLX_Trigger, DatabaseValue.AtomicDirSet)
        if (report(result))
            return
        teleLog = result === DatabaseValue.KLX_True
        Database.KLX_DataBaseManagerPauseTelemetrie(teleLog ? DatabaseValue.TELELOG_TeleLogEnableTag
                                                            : DatabaseValue.TELELOG_TeleLogDisableTag)
    }

    // ---- front socket: the controller reports the mode; until then it is asked again ----
    function frontText(mode) {
        switch (mode) {
        case 0: return qsTr("PWM") + Language.emptyString
        case 1: return qsTr("Z\u00b2BUS") + Language.emptyString
        case 2: return qsTr("S.BUS In") + Language.emptyString
        case 3: return qsTr("SRXL In") + Language.emptyString
        }
        return ""
    }
    function takeFrontResult(result) {
        if (result === DatabaseValue.KLX_MustPollAgain) {
            frontPoll.restart()
            return
        }
        if (report(result))
            return
        currMode = result
    }
    function readFrontSocket() {
        takeFrontResult(Database.KLX_DatabaseManagerGetSetFrontPlugMode(0, DatabaseValue.AtomicDirGet))
    }
    function touchFrontSocket() {
        if (currMode !== 0 && currMode !== 1)
            return
        var result = Database.KLX_DatabaseManagerGetSetFrontPlugMode(currMode === 0 ? 1 : 0, DatabaseValue.AtomicDirSet)
        if (result === DatabaseValue.KLX_MustPollAgain) {
            frontEnabled = false
            frontPoll.restart()
            return
        }
        report(result)
    }
    Timer {
        id: frontPoll
        interval: 225
        onTriggered: {
            systemScreen.frontEnabled = true
            systemScreen.readFrontSocket()
        }
    }

    // ---- export of the system information to a USB stick ----
    function exportSystemInformation() {
        rootwindow.smartKeyLock = true
        exportPending = true
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_COPY_MOD_EXTERNAL,
                                                         GuiCmdData.KLX_TASK_PARA_COPY_SYS_DATA_USB, 0, 0, "", "", "")
        if (failed(result)) {
            // Refused: nothing runs that would release the keys.
            exportPending = false
            rootwindow.smartKeyLock = false
            errorHandler.processError(result)
        }
    }
    Connections {
        target: Command
        function onGuiInformer(state) {
            if (!systemScreen.exportPending)
                return
            rootwindow.smartKeyLock = false
            if (state === GuiCmdData.GUI_TASK_RESULT_Working || state === GuiCmdData.GUI_TASK_RESULT_Trigger
                    || state === GuiCmdData.GUI_TASK_RESULT_ReTrigger)
                return
            systemScreen.exportPending = false
            if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                // What the card does not hold yet is named.
                var missing = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetDialogParameter("", DatabaseValue.AtomicDirGet)
                var told = qsTr("System information successfully exported!") + Language.emptyString
                if (missing !== "")
                    told += "\n" + RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetDialogText("", DatabaseValue.AtomicDirGet)
                            + " " + missing
                rootwindow.popupShow(null, "info", told, "Ok")
            }
            else if (state === GuiCmdData.GUI_TASK_RESULT_Error)
                rootwindow.popupShow(null, "error", qsTr("System information cannot be exported to USB device. Check available space or insert another one!")
                                     + Language.emptyString, "Ok")
        }
    }

    // ---- the rows ----
    SettingsList {
        id: rows
        objectName: "systemFlick"
        anchors.fill: parent
        rowsX: 5
        rowsY: 5
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Pilotname") + Language.emptyString
            buttonName: "pilotName"
            valueWidth: 200
            value: systemScreen.userName === "" ? "---" : systemScreen.userName
            onClicked: {
                // The name as it stands, to be changed.
                keyboard.preLoadText = systemScreen.userName
                keyboard.extended = true
                rootwindow.kbd_sender = keyboard
            }
        }
        SettingRow {
            visible: systemScreen.largeBoard
            labelWidth: systemScreen.labelWidth
            label: qsTr("Date/Time") + Language.emptyString
            buttonName: "dateTimeMode"
            valueWidth: 130
            value: systemScreen.datetimeAuto ? qsTr("Automatic") + Language.emptyString
                                             : qsTr("Manually") + Language.emptyString
            active: systemScreen.boxOpen
            onClicked: systemScreen.touchDateTimeMode()
            onLongclicked: systemScreen.closeBox()
        }
        LabelledRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Location/Time zone") + Language.emptyString
            GeneralPurposeButton {
                objectName: "location"
                width: 170
                onClicked: rootwindow.openScreen("qrc:/Frontend/QML/CountrySelector.qml")
                GeneralPurposeLabel {
                    objectName: "locationText"
                    anchors.fill: parent
                    anchors.leftMargin: 4
                    anchors.rightMargin: 4
                    horizontalAlignment: Text.AlignHCenter
                    color: rootwindow.rectTextColour
                    text: systemScreen.locationText
                }
            }
            GeneralPurposeButton {
                objectName: "clockMode"
                width: 60
                visible: !systemScreen.largeBoard || systemScreen.datetimeAuto
                gp_text: systemScreen.largeBoard
                         ? (systemScreen.time24h ? qsTr("24h") + Language.emptyString : qsTr("12h") + Language.emptyString)
                         : (systemScreen.summer !== 0 ? qsTr("Summer") + Language.emptyString
                                                      : qsTr("Winter") + Language.emptyString)
                onClicked: systemScreen.largeBoard ? systemScreen.touch24h() : systemScreen.touchSummer()
            }
        }
        // Manual date and time.
        LabelledRow {
            visible: systemScreen.boxOpen && !systemScreen.datetimeAuto
            labelWidth: systemScreen.labelWidth
            label: qsTr("Date") + Language.emptyString
            GeneralPurposeButton {
                objectName: "day"
                width: 45
                gp_text: systemScreen.dayText
                state: systemScreen.padField === "day" ? "active" : ""
                onClicked: systemScreen.openPad("day", parseInt(systemScreen.dayText, 10), 2)
            }
            GeneralPurposeButton {
                objectName: "month"
                width: 45
                gp_text: systemScreen.monthText
                state: systemScreen.padField === "month" ? "active" : ""
                onClicked: systemScreen.openPad("month", parseInt(systemScreen.monthText, 10), 2)
            }
            GeneralPurposeButton {
                objectName: "year"
                width: 65
                gp_text: systemScreen.yearText
                state: systemScreen.padField === "year" ? "active" : ""
                onClicked: systemScreen.openPad("year", parseInt(systemScreen.yearText, 10), 4)
            }
            GeneralPurposeLabel { width: 100; fontSize: 13; text: qsTr("dd-mm-yyyy") + Language.emptyString }
        }
        LabelledRow {
            visible: systemScreen.boxOpen && !systemScreen.datetimeAuto
            labelWidth: systemScreen.labelWidth
            label: qsTr("Time") + Language.emptyString
            GeneralPurposeButton {
                objectName: "hour"
                width: 45
                gp_text: systemScreen.hourText
                state: systemScreen.padField === "hour" ? "active" : ""
                onClicked: systemScreen.openPad("hour", parseInt(systemScreen.hourText, 10), 2)
            }
            GeneralPurposeButton {
                objectName: "minute"
                width: 45
                gp_text: systemScreen.minuteText
                state: systemScreen.padField === "minute" ? "active" : ""
                onClicked: systemScreen.openPad("minute", parseInt(systemScreen.minuteText, 10), 2)
            }
            GeneralPurposeButton {
                objectName: "timeMode"
                width: 65
                gp_text: systemScreen.modeText === "24h" ? qsTr("24h") + Language.emptyString
                       : systemScreen.modeText === "PM" ? qsTr("PM") + Language.emptyString
                                                        : qsTr("AM") + Language.emptyString
                onClicked: systemScreen.touchMode()
            }
            GeneralPurposeLabel { width: 100; fontSize: 13; text: qsTr("hh:mm") + Language.emptyString }
        }
        // Automatic date and time: the running clock.
        LabelledRow {
            visible: systemScreen.boxOpen && systemScreen.datetimeAuto
            labelWidth: systemScreen.labelWidth
            label: qsTr("Date") + Language.emptyString
            GeneralPurposeLabel {
                objectName: "autoDate"
                width: 170
                text: systemScreen.dayText + "-" + systemScreen.monthText + "-" + systemScreen.yearText
            }
        }
        LabelledRow {
            visible: systemScreen.boxOpen && systemScreen.datetimeAuto
            labelWidth: systemScreen.labelWidth
            label: qsTr("Time") + Language.emptyString
            GeneralPurposeLabel {
                objectName: "autoTime"
                width: 105
                text: systemScreen.autoHour + ":" + systemScreen.minuteText + (systemScreen.autoMarker === "" ? ""
                      : " " + (systemScreen.autoMarker === "PM" ? qsTr("PM") : qsTr("AM")) + Language.emptyString)
            }
            GeneralPurposeButton {
                objectName: "autoSummer"
                width: 80
                gp_text: systemScreen.summer !== 0 ? qsTr("Summer") + Language.emptyString
                                                   : qsTr("Winter") + Language.emptyString
                onClicked: systemScreen.touchSummer()
            }
        }
        Row {
            spacing: 5
            GeneralPurposeLabel { width: systemScreen.labelWidth; height: 65; text: qsTr("Language") + Language.emptyString }
            Column {
                spacing: 5
                Repeater {
                    model: systemScreen.flagRows
                    Row {
                        spacing: 6
                        property var flags: modelData
                        Repeater {
                            model: flags
                            Rectangle {
                                objectName: "flag_" + modelData.code
                                width: 48
                                height: 30
                                color: "transparent"
                                radius: 3
                                readonly property bool framed: systemScreen.storedLanguage === modelData.code
                                border.width: framed ? 2 : 1
                                border.color: framed ? "#2f7fd8" : Qt.rgba(0.5, 0.5, 0.5, 0.5)
                                Image {
                                    anchors.centerIn: parent
                                    width: 42
                                    height: 24
                                    sourceSize.width: 42
                                    sourceSize.height: 24
                                    source: "qrc:/Frontend/Images/Flags/" + modelData.code + ".svg"
                                }
                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: systemScreen.chooseLanguage(modelData.code, modelData.name)
                                }
                            }
                        }
                    }
                }
            }
        }
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Units") + Language.emptyString
            buttonName: "units"
            valueWidth: 120
            value: systemScreen.unitSystem === DatabaseValue.MEASURE_SYSTEM_IMPERIAL
                   ? qsTr("Imperial") + Language.emptyString : qsTr("Metric") + Language.emptyString
            onClicked: systemScreen.touchUnits()
        }
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Software") + Language.emptyString
            buttonName: "software"
            valueWidth: 120
            value: qsTr("Check") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/SoftwareInfo.qml")
        }
        LabelledRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Servo/Data:") + Language.emptyString
            GeneralPurposeButton {
                objectName: "frontSocket"
                width: 120
                gp_text: systemScreen.frontText(systemScreen.currMode)
                state: !systemScreen.frontEnabled || systemScreen.currMode === 2 || systemScreen.currMode === 3
                       ? "disabled" : ""
                onClicked: systemScreen.touchFrontSocket()
            }
        }
        SettingRow {
            visible: systemScreen.largeBoard
            labelWidth: systemScreen.labelWidth
            label: qsTr("Fast start") + Language.emptyString
            buttonName: "fastStart"
            valueWidth: 120
            value: systemScreen.fastStart ? qsTr("On") + Language.emptyString : qsTr("Off") + Language.emptyString
            onClicked: systemScreen.touchFastStart()
        }
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Telemetry logging") + Language.emptyString
            buttonName: "teleLog"
            valueWidth: 120
            value: systemScreen.teleLog ? qsTr("On") + Language.emptyString : qsTr("Off") + Language.emptyString
            onClicked: systemScreen.touchTeleLog()
        }
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Calibration") + Language.emptyString
            buttonName: "calibration"
            valueWidth: 120
            value: qsTr("Start") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/18.qml")
        }
        SettingRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("System information") + Language.emptyString
            buttonName: "export"
            valueWidth: 120
            value: qsTr("Export") + Language.emptyString
            onClicked: systemScreen.exportSystemInformation()
        }
        LabelledRow {
            labelWidth: systemScreen.labelWidth
            label: qsTr("Serial number") + Language.emptyString
            GeneralPurposeLabel { objectName: "serialNumber"; width: 200; text: systemScreen.serialText }
        }
    }
    ScrollBar { flickable: rows }

    // The numeric pad of the manual date and time; the back key closes it
    // without storing (the main window treats it as an open keyboard).
    Item {
        id: padHost
        objectName: "padHost"
        property bool extended: false
        property string preLoadText: ""
        anchors.fill: parent
        visible: extended
        onExtendedChanged: if (!extended) systemScreen.padField = ""
        Numpad {
            id: pad
            objectName: "numpad"
            x: parent.width - width - 8
            y: (parent.height - height) / 2
            showPlusMinus: false
            onOkClicked: systemScreen.padOk()
        }
    }

    Keyboard {
        id: keyboard
        objectName: "keyboard"
        onOkClicked: {
            systemScreen.writeUserName(keyboard.preLoadText)
            keyboard.extended = false
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        initAll()
    }
}
