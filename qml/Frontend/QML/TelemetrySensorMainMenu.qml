import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// A sensor's own menus, read from it through the transceiver and shown one
// at a time in a carousel of three frames ("Next", "Prev." or a swipe turn
// it); an item's arrows or toggle change it in the sensor. Opened from the
// value set-up with the widget's page, element and sensor slot, or from the
// binding menu with a sensor address alone (negative: the transmitter's own).
// A read that fails or finds no menu says so, and "OK" leads back.
Item {
    id: menuScreen
    objectName: "sensorMainMenu"
    property int pageId: -1
    property int elementId: -1
    property int sensorId: -1

    property int address: 4
    property int menuMask: 0
    property bool singleMenu: false
    property int firstMenu: 8
    property int lastMenu: 8
    property int activeFrame: 1
    property int menuOfActive: 8
    property bool framesReady: false
    property bool capturePending: false
    property string overlayText: ""
    property bool overlayShown: false
    property bool spinnerShown: false

    function check(result) {
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return false
        }
        return true
    }
    function message(text) {
        overlayText = text
        spinnerShown = false
        overlayShown = true
    }
    function nextUsed(menu) {
        for (var m = menu + 1; m < 8; ++m)
            if (menuMask & (1 << m))
                return m
        return 8
    }
    function previousUsed(menu) {
        for (var m = menu - 1; m >= 0; --m)
            if (menuMask & (1 << m))
                return m
        return 8
    }
    // +1 the next frame, -1 the previous one; never onto a frame without a menu.
    function turn(direction) {
        if (!framesReady || singleMenu)
            return
        var target = direction > 0 ? nextUsed(menuOfActive) : previousUsed(menuOfActive)
        if (target >= 8)
            return
        menuOfActive = target
        activeFrame = direction > 0 ? (activeFrame + 1) % 3 : (activeFrame + 2) % 3
    }
    function build() {
        var mask = 0
        var count = Database.KLX_DataBaseManagerGetMaxMenusPerSensor()
        for (var m = 0; m < count && m < 8; ++m)
            if (Database.KLX_DataBaseManagerTelemetrieGetMenueIsUsed(address, m) === DatabaseValue.KLX_True)
                mask |= 1 << m
        menuMask = mask
        if (mask === 0) {
            message(qsTr("Menu is empty!") + Language.emptyString)
            return
        }
        firstMenu = nextUsed(-1)
        lastMenu = previousUsed(8)
        singleMenu = firstMenu === lastMenu
        menuOfActive = firstMenu
        activeFrame = 1
        framesReady = true
    }
    function endCapture() {
        capturePending = false
        captureGuard.stop()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addArg(sensorId)
        systemHistory.addEndOfArgs()
        if (pageId >= 0 && elementId >= 0)
            address = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(pageId, elementId, sensorId, 0, DatabaseValue.AtomicDirGet)
        else
            address = sensorId < 0 ? 4 : sensorId
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_CAPTURE_MENU_INFO, address, 0, 0, 0, 0, 0, "", "", "")
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        capturePending = true
        overlayText = qsTr("Scanning for menu...") + Language.emptyString
        spinnerShown = true
        overlayShown = true
        captureGuard.start()
    }
    // Leaving ends the polling of continuous items.
    Component.onDestruction: RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetLeaveMenu(DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet)

    Timer {
        id: captureGuard
        interval: 5000
        onTriggered: menuScreen.message(qsTr("No response from backend!") + Language.emptyString)
    }
    Connections {
        target: Command
        enabled: menuScreen.capturePending
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working) {
                menuScreen.overlayText = qsTr("Getting Menu...") + Language.emptyString
                spinner.value = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetOverallPercent(0, DatabaseValue.AtomicDirGet)
                return
            }
            menuScreen.endCapture()
            if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                menuScreen.overlayShown = false
                menuScreen.build()
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Error) {
                menuScreen.message(qsTr("Getting Menu error!") + Language.emptyString + "\n" + ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            } else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout) {
                // Said on the screen, whose one "OK" leads back.
                menuScreen.message(qsTr("Getting menu timeout!") + Language.emptyString)
            } else if (state === GuiCmdData.GUI_TASK_RESULT_None) {
                menuScreen.message(qsTr("Getting Menu none!") + Language.emptyString)
            }
        }
    }

    Item {
        id: carousel
        objectName: "menuCarousel"
        width: parent.width
        height: parent.height - 48
        clip: true
        visible: menuScreen.framesReady
        Repeater {
            model: 3
            SensorMenuFrame {
                objectName: "sensorMenuFrame_" + index
                screen: menuScreen
                frameNo: index
            }
        }
        SwipeArea {
            anchors.fill: parent
            z: -1
            onSwipe: {
                if (direction === "left")
                    menuScreen.turn(1)
                else if (direction === "right")
                    menuScreen.turn(-1)
            }
        }
    }
    GeneralPurposeButton {
        objectName: "sensorMenuPrev"
        x: 8
        y: parent.height - 44
        width: 100
        enabled: menuScreen.framesReady && !menuScreen.singleMenu
        gp_text: qsTr("Prev.") + Language.emptyString
        onClicked: menuScreen.turn(-1)
    }
    GeneralPurposeButton {
        objectName: "sensorMenuNext"
        x: parent.width - width - 8
        y: parent.height - 44
        width: 100
        enabled: menuScreen.framesReady && !menuScreen.singleMenu
        gp_text: qsTr("Next") + Language.emptyString
        onClicked: menuScreen.turn(1)
    }

    Rectangle {
        objectName: "sensorMenuOverlay"
        visible: menuScreen.overlayShown
        anchors.fill: parent
        z: 10
        color: rootwindow.backColour
        MouseArea { anchors.fill: parent }
        Text {
            objectName: "sensorMenuOverlayText"
            x: 10
            y: 20
            width: parent.width - 20
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: menuScreen.overlayText
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 17
        }
        ProgressSpinner {
            id: spinner
            visible: menuScreen.spinnerShown
            anchors.centerIn: parent
        }
        GeneralPurposeButton {
            objectName: "sensorMenuCancel"
            x: parent.width - width - 8
            y: parent.height - 44
            width: 100
            gp_text: (menuScreen.spinnerShown ? qsTr("Cancel") : qsTr("OK")) + Language.emptyString
            // Without menus there is nothing to stay for: back to where the
            // screen was opened from.
            onClicked: {
                if (menuScreen.spinnerShown || !menuScreen.framesReady)
                    systemHistory.goBack()
                else
                    menuScreen.overlayShown = false
            }
        }
    }
}
