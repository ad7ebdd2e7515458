import QtQuick 2.15
import DBValues 1.0

// The appearance screen: background, accent colour and icons of the window,
// the display brightness, the times after which the display dims, the screen
// locks and the idle alarm sounds, and the intro. The settings it reads and
// writes together are taken under the settings lock.
Item {
    id: appearance
    objectName: "appearanceScreen"

    readonly property string url: "qrc:/Frontend/QML/1_System_Appearance.qml"
    readonly property bool largeBoard: MainMenu.onLargeBoard()
    readonly property int labelWidth: 110
    property bool opened: false
    property int fallbacktime: -1
    property int lockTimeout: -1
    property int idleTimeout: -1
    property int intro: 0

    readonly property var swatches: [
        { name: "dimgray", rgb: 0x696969 }, { name: "goldenrod", rgb: 0xdaa520 },
        { name: "firebrick", rgb: 0xb22222 }, { name: "#750075", rgb: 0x750075 },
        { name: "#000060", rgb: 0x000060 }, { name: "#005000", rgb: 0x005000 }
    ]
    readonly property var dimChoices: [1, 2, 5, 10, 0]
    readonly property var idleChoices: [15, 30, 45, 60, 0]

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function minutesText(value) {
        switch (value) {
        case 1: return qsTr("1 Min.") + Language.emptyString
        case 2: return qsTr("2 Min.") + Language.emptyString
        case 5: return qsTr("5 Min.") + Language.emptyString
        case 10: return qsTr("10 Min.") + Language.emptyString
        case 15: return qsTr("15 Min.") + Language.emptyString
        case 30: return qsTr("30 Min.") + Language.emptyString
        case 45: return qsTr("45 Min.") + Language.emptyString
        case 60: return qsTr("60 Min.") + Language.emptyString
        }
        return qsTr("Off") + Language.emptyString
    }
    function rowLabel(name) {
        switch (name) {
        case "dim": return qsTr("Display dim") + Language.emptyString
        case "lock": return qsTr("Auto Lock") + Language.emptyString
        }
        return qsTr("Idle Alarm") + Language.emptyString
    }

    // The screen is made again so that everything takes the new colours.
    function reload() {
        var loader = mainLoader
        var window = rootwindow
        var again = url
        Qt.callLater(function() {
            loader.source = ""
            window.openScreen(again)
        })
    }

    function setBackground(contrast) {
        var set = DatabaseValue.AtomicDirSet
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        var results = [Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayContrast(contrast, set),
                       Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(0, set),
                       Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(contrast === 0 ? 0xfafafa : 0, set)]
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        for (var i = 0; i < results.length; ++i) {
            if (report(results[i]))
                return
        }
        rootwindow.setContrast()
        reload()
    }

    function setAccent(swatch) {
        var set = DatabaseValue.AtomicDirSet
        rootwindow.rectColour = swatch.name
        rootwindow.rectBorderColour = "black"
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        var fill = Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayColour(swatch.rgb, set)
        var border = Database.KLX_DataBaseManagerGetSetSystemProperties_DisplayBorderColour(swatch.rgb, set)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        if (report(fill) || report(border))
            return
        reload()
    }

    function setIcons(scheme) {
        rootwindow.iconScheme = scheme
        reload()
    }

    function writeBrightness(value) {
        if (!opened)
            return
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        var result = Database.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(Math.round(value), DatabaseValue.AtomicDirSet)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        report(result)
    }

    // A time row: written only under the lock, which goes right after the write.
    function writeTime(accessor, value) {
        var locked = Database.KLX_DataBaseManager_SystemPropertiesLock()
        if (locked !== DatabaseValue.KLX_Ok) {
            report(locked)
            return -1
        }
        var result = Database[accessor](value, DatabaseValue.AtomicDirSet)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        return report(result) ? -1 : result
    }

    function touchIntro() {
        var stored = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, DatabaseValue.AtomicDirGet)
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(
                    stored !== 0 ? DatabaseValue.KLX_False : DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet)
        if (!report(result))
            intro = result
    }

    SettingsList {
        id: rows
        objectName: "appearanceFlick"
        anchors.fill: parent
        rowsX: 5
        rowsY: 5
        LabelledRow {
            labelWidth: appearance.labelWidth
            label: qsTr("Background") + Language.emptyString
            GeneralPurposeButton {
                objectName: "backgroundBlack"
                width: 80
                gp_text: qsTr("Black") + Language.emptyString
                state: rootwindow.contrast_sheme === 0 ? "active" : ""
                onClicked: appearance.setBackground(0)
            }
            GeneralPurposeButton {
                objectName: "backgroundWhite"
                width: 80
                gp_text: qsTr("White") + Language.emptyString
                state: rootwindow.contrast_sheme === 1 ? "active" : ""
                onClicked: appearance.setBackground(1)
            }
        }
        LabelledRow {
            labelWidth: appearance.labelWidth
            label: qsTr("Accent Color") + Language.emptyString
            Repeater {
                model: appearance.swatches
                Rectangle {
                    objectName: "accent_" + modelData.name
                    width: 50
                    height: 30
                    radius: 4
                    color: modelData.name
                    border.width: Qt.colorEqual(rootwindow.rectColour, modelData.name) ? 3 : 1
                    border.color: Qt.colorEqual(rootwindow.rectColour, modelData.name) ? "#2f7fd8" : rootwindow.textColour
                    MouseArea {
                        anchors.fill: parent
                        onClicked: appearance.setAccent(modelData)
                    }
                }
            }
        }
        LabelledRow {
            labelWidth: appearance.labelWidth
            label: qsTr("Icon") + Language.emptyString
            GeneralPurposeButton {
                objectName: "iconBlack"
                width: 80
                gp_text: qsTr("Black") + Language.emptyString
                state: rootwindow.menuIconScheme === 1 ? "active" : ""
                onClicked: appearance.setIcons(1)
            }
            GeneralPurposeButton {
                objectName: "iconWhite"
                width: 80
                gp_text: qsTr("White") + Language.emptyString
                state: rootwindow.menuIconScheme === 0 ? "active" : ""
                onClicked: appearance.setIcons(0)
            }
        }
        LabelledRow {
            labelWidth: appearance.labelWidth
            label: qsTr("Brightness") + Language.emptyString
            ValueSlider {
                id: brightness
                objectName: "brightness"
                width: 300
                from: Database.KLX_DataBaseManagerGet_ScreenBrightnessLimit(false)
                to: Database.KLX_DataBaseManagerGet_ScreenBrightnessLimit(true)
                onMoved: appearance.writeBrightness(value)
            }
        }
        Repeater {
            model: [
                { name: "dim", choices: appearance.dimChoices,
                  accessor: "KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime", value: "fallbacktime" },
                { name: "lock", choices: appearance.dimChoices,
                  accessor: "KLX_DataBaseManagerGetSetSystemProperties_LockTimeout", value: "lockTimeout" },
                { name: "idle", choices: appearance.idleChoices,
                  accessor: "KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout", value: "idleTimeout" }
            ]
            LabelledRow {
                property var timeRow: modelData
                labelWidth: appearance.labelWidth
                label: appearance.rowLabel(timeRow.name)
                Repeater {
                    model: timeRow.choices
                    GeneralPurposeButton {
                        objectName: timeRow.name + "_" + modelData
                        width: 66
                        fontSize: 13
                        gp_text: appearance.minutesText(modelData)
                        state: appearance[timeRow.value] === modelData ? "active" : ""
                        onClicked: {
                            var stored = appearance.writeTime(timeRow.accessor, modelData)
                            if (stored >= 0)
                                appearance[timeRow.value] = stored
                        }
                    }
                }
            }
        }
        SettingRow {
            visible: appearance.largeBoard
            labelWidth: appearance.labelWidth
            label: qsTr("Intro Video") + Language.emptyString
            buttonName: "introVideo"
            valueWidth: 80
            value: appearance.intro !== 0 ? qsTr("On") + Language.emptyString : qsTr("Off") + Language.emptyString
            onClicked: appearance.touchIntro()
        }
        SettingRow {
            visible: DEBUG_MODE_QML
            labelWidth: appearance.labelWidth
            label: ""
            buttonName: "debugScreen"
            valueWidth: 120
            value: qsTr("DebugScreen") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/12.qml")
        }
    }
    ScrollBar { flickable: rows }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        var get = DatabaseValue.AtomicDirGet
        Database.KLX_DataBaseManager_SystemPropertiesLock()
        brightness.value = Database.KLX_DataBaseManagerGetSetSystemProperties_BaseBrightness(0, get)
        fallbacktime = Database.KLX_DataBaseManagerGetSetSystemProperties_Fallbacktime(0, get)
        lockTimeout = Database.KLX_DataBaseManagerGetSetSystemProperties_LockTimeout(0, get)
        idleTimeout = Database.KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, get)
        Database.KLX_DataBaseManager_SystemPropertiesUnlock()
        intro = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, get)
        opened = true
    }
}
