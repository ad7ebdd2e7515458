import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The home screen: the pages of telemetry widgets with the model's name and
// the page number, four trim indicators, the model-loading progress and the
// preflight check during start-up, and the outcome of sensor rescans.
Item {
    id: home
    objectName: "home"
    signal blinkingTextSync()
    // The facade once, for the trim reads: a name of the context is looked up
    // through every import each time it is used, an own property is not.
    readonly property QtObject db: Database

    // Pages: the used page numbers in ascending order; the current page is a
    // position in that list (-1 until the model is ready).
    property var pageList: []
    property int pageCount: 0
    property int position: -1
    property bool editMode: false
    property bool swipeLock: true
    property bool modelNotValid: false
    property string modelName: ""
    property int maxPages: 0
    property string modelSuffix: ""
    // The current model's file that could not be loaded (empty when none).
    property string failedFile: ""
    property var widgets: []
    property var alarmPreset: null
    property real loadingPercent: -1
    readonly property bool onLastPage: position === pageCount - 1

    // ---- the page list ----
    function buildPageList() {
        var list = []
        for (var page = 0; page < Database.KLX_DataBaseManagerGetMaxTelemetryPages(); ++page) {
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(page, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                list.push(page)
        }
        pageList = list
        pageCount = list.length
    }
    function modelReady() {
        return Database.KLX_DataBaseManagerGetSetModelLoadState(0, DatabaseValue.AtomicDirGet) === GuiCmdData.KLX_MODELLLOAD_STATUS_READY
    }

    Timer {
        id: initTimer
        interval: 100
        repeat: true
        onTriggered: {
            if (!home.modelReady()) {
                home.modelNotValid = true
                return
            }
            home.buildPageList()
            home.position = rootwindow.lastTelePage < home.pageCount ? rootwindow.lastTelePage : home.pageCount - 1
            stop()
            home.swipeLock = false
            home.modelNotValid = false
            home.buildWidgets()
        }
    }

    // ---- paging ----
    function showPage(newPosition) {
        if (pageCount === 0)
            return
        lockTelemetryElements()
        var destroyed = destroyWidgets()
        position = newPosition
        rootwindow.lastTelePage = position
        buildDelay.interval = Math.max(1, 75 * destroyed)
        buildDelay.restart()
    }
    function nextPage() { if (pageCount > 0) showPage(position + 1 >= pageCount ? 0 : position + 1) }
    function previousPage() { if (pageCount > 0) showPage(position - 1 < 0 ? pageCount - 1 : position - 1) }
    // A swipe over the page area or over a widget.
    function swiped(direction) {
        if (swipeLock || editMode)
            return
        if (direction === "left")
            nextPage()
        else if (direction === "right")
            previousPage()
    }

    Timer {
        id: buildDelay
        onTriggered: home.buildWidgets()
    }

    // ---- widgets ----
    function widgetUrl(size) {
        if (size === DatabaseValue.TELEGUISIZE_Medium) return "qrc:/Frontend/QML/TelemetryElementMedium.qml"
        if (size === DatabaseValue.TELEGUISIZE_Huge) return "qrc:/Frontend/QML/TelemetryElementHuge.qml"
        return "qrc:/Frontend/QML/TelemetryElementSmall.qml"
    }
    property var pendingWidgets: []
    property int pendingPage: -1
    // The shown page's frames are still being made (read by tests).
    readonly property bool building: buildDelay.running || widgetTimer.running
    function buildWidgets() {
        if (rootwindow.shutdown || position < 0 || position >= pageCount)
            return
        var page = pageList[position]
        var get = DatabaseValue.AtomicDirGet
        var list = []
        for (var i = 0; i < Database.KLX_DataBaseManagerGetMaxElementsPerPage(); ++i) {
            if (Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_IsUsed(page, i, 0, get) !== DatabaseValue.KLX_True)
                continue
            list.push({ index: i,
                        size: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(page, i, 0, get),
                        x: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(page, i, 0, get),
                        y: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(page, i, 0, get),
                        type: Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Typ(page, i, 0, get) })
        }
        pendingWidgets = list
        pendingPage = page
        if (list.length > 0)
            widgetTimer.start()
    }
    // The beats the widgets read on. They come when the facade says that a
    // value shown live has changed (at most every 40 ms), so that the views
    // of a page change together, in one frame, and a page whose values do
    // not move costs nothing. Each beat goes only to the views of the kind
    // that changed; a value view reads again only when its sensor is among
    // `sensors` (every value view when `sensors` is null).
    signal valueBeat(var sensors)
    signal timerBeat()
    signal servoBeat()
    function liveBeat(kinds, sensors) {
        if (rootwindow.shutdown)
            return
        if (kinds & DatabaseValue.LIVE_Trims)
            readTrims()
        if (pageCount === 0)
            return
        if (kinds & DatabaseValue.LIVE_Servos)
            servoBeat()
        if (kinds & (DatabaseValue.LIVE_Timers | DatabaseValue.LIVE_Marks))
            timerBeat()
        if (kinds & (DatabaseValue.LIVE_SensorTable | DatabaseValue.LIVE_Marks))
            valueBeat(null)
        else if (kinds & DatabaseValue.LIVE_Sensors)
            valueBeat(sensors)
    }
    Connections {
        target: Database
        function onLiveValuesChanged(kinds, sensors) { home.liveBeat(kinds, sensors) }
    }
    Timer {
        id: widgetTimer
        objectName: "widgetTimer"
        interval: 75
        repeat: true
        onTriggered: {
            if (home.pendingWidgets.length === 0 || home.position < 0 || home.pageList[home.position] !== home.pendingPage) {
                home.pendingWidgets = []
                stop()
                return
            }
            var w = home.pendingWidgets.shift()
            var sign = 0
            if (home.alarmPreset && home.alarmPreset.page === home.pendingPage && home.alarmPreset.widget === w.index) {
                sign = home.alarmPreset.sign
                home.alarmPreset = null
            }
            var component = Qt.createComponent(home.widgetUrl(w.size))
            if (component.status !== Component.Ready) {
                console.error(component.errorString())
                return
            }
            var widget = component.createObject(widgetLayer, { size: w.size, x: w.x, y: w.y, telemetryPageObject: home,
                                                               myTelemetryPageId: home.pendingPage,
                                                               myContainerId: w.index, myType: w.type, presetSign: sign })
            if (widget === null)
                return
            widget.openInformationDisplay.connect(home.openInformation)
            home.widgets.push(widget)
        }
    }
    function destroyWidgets() {
        var count = widgets.length
        for (var i = 0; i < count; ++i)
            widgets[i].destroy()
        widgets = []
        pendingWidgets = []
        widgetTimer.stop()
        return count
    }
    property var information: null
    function openInformation(pageId, elementId) {
        if (information)
            information.destroy()
        information = Qt.createComponent("qrc:/Frontend/QML/TelemetryValueInformation.qml").createObject(home, { x: 33, y: 10, pageId: pageId, elementId: elementId })
    }

    // ---- edit mode ----
    function startEditMode() {
        if (swipeLock || position < 0 && pageCount > 0)
            return
        editMode = true
        editTimer.restart()
    }
    // Edit mode ends: every frame writes where it stands now.
    function lockTelemetryElements() {
        var wasEditing = editMode
        editMode = false
        editTimer.stop()
        if (!wasEditing)
            return
        for (var i = 0; i < widgets.length; ++i)
            widgets[i].writePosition()
    }
    // A press on a frame gives edit mode its 10 s again.
    function restartEditMode() {
        if (editMode)
            editTimer.restart()
    }
    // The drop cell at a point of the page area (null when none).
    function cellAt(px, py) {
        for (var i = 0; i < cells.count; ++i) {
            var cell = cells.itemAt(i)
            if (px >= cell.x && px < cell.x + cell.width && py >= cell.y && py < cell.y + cell.height)
                return cell
        }
        return null
    }
    // A frame tapped in edit mode: the set-up screen of its kind.
    function openSetup(frame) {
        var page = frame.myTelemetryPageId
        var element = frame.myContainerId
        var url = ""
        var args = { pageId: page, elementId: element }
        switch (frame.myType) {
        case DatabaseValue.KLX_WIDGET_TYPE_VALUE: url = "TelemetryWidgetValueSetup.qml"; break
        case DatabaseValue.KLX_WIDGET_TYPE_TIMER: url = "TelemetryWidgetTimerSetup.qml"; args.timerId = -1; break
        case DatabaseValue.KLX_WIDGET_TYPE_SERVO: url = "TelemetryWidgetServoSetup.qml"; break
        case DatabaseValue.KLX_WIDGET_TYPE_QUICK: url = "TelemetryWidgetQuickLinkSetup.qml"; break
        case DatabaseValue.KLX_WIDGET_TYPE_MINFO: url = "TelemetryWidgetLabelSetup.qml"; break
        }
        lockTelemetryElements()
        if (url !== "")
            rootwindow.openScreen("qrc:/Frontend/QML/" + url, args)
    }
    Timer {
        id: editTimer
        interval: 10000
        onTriggered: home.lockTelemetryElements()
    }
    function addPage() {
        lockTelemetryElements()
        Database.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(position + 1, DatabaseValue.KLX_True, DatabaseValue.AtomicDirSet)
        rootwindow.openScreen(rootwindow.homeUrl)
    }
    function deletePage() {
        lockTelemetryElements()
        Database.KLX_DataBaseManagerGUITelemetrieDeletePage(position)
        rootwindow.lastTelePage = Math.max(0, position - 1)
        rootwindow.openScreen(rootwindow.homeUrl)
    }
    function chooseWidget(cellX, cellY) {
        lockTelemetryElements()
        rootwindow.openScreen("qrc:/Frontend/QML/TelemetryWidgetChooser.qml",
                              { pageId: pageList[position], widgetX: cellX, widgetY: cellY })
    }

    // ---- keys and alarms ----
    Connections {
        target: TouchHandler
        function onIconEvent(icon, icon1) {
            if (icon === DatabaseValue.EventRight)
                home.nextPage()
            else if (icon === DatabaseValue.EventLeft)
                home.previousPage()
        }
    }
    // An alarm brings its widget's page to the front; the widget's frame
    // starts with the alarm's sign. A page already shown keeps its frames.
    function alarmJump(page, element, sign) {
        var target = pageList.indexOf(page)
        if (target < 0 || rootwindow.shutdown)
            return
        if (target === position) {
            for (var i = 0; i < widgets.length; ++i) {
                if (widgets[i].myContainerId === element && widgets[i].view && widgets[i].view.presetSign !== undefined) {
                    widgets[i].view.sign = sign
                    return
                }
            }
            if (pendingPage === page && pendingWidgets.length > 0)
                alarmPreset = { page: page, widget: element, sign: sign }
            return
        }
        alarmPreset = { page: page, widget: element, sign: sign }
        showPage(target)
    }
    Connections {
        target: TimersAlarms
        function onAlarmAlert(pageNum, widgNum, yelred) { home.alarmJump(pageNum, widgNum, yelred ? 2 : 1) }
    }
    Connections {
        target: XMLFileSaver
        function onXmlSaveIsDone() { Database.KLX_DataBaseManagerResumeTelemetrie() }
    }

    // ---- rescan messages ----
    property var rescanBox: null
    function rescanMessage(text) {
        if (rootwindow.popupIsOpen(rescanBox)) {
            rescanBox.message = text
        } else {
            rescanBox = rootwindow.popupShow(home, "info", text, "Ok", function() { rescanTimer.stop() })
            // A box that waits behind another has its time once it shows.
            if (rescanBox)
                rescanBox.visibleChanged.connect(home.rescanShown)
        }
        rescanShown()
    }
    function rescanShown() {
        if (rootwindow.popupIsOpen(rescanBox) && rescanBox.visible)
            rescanTimer.restart()
    }
    Timer {
        id: rescanTimer
        interval: 3000
        onTriggered: rootwindow.popupCloseBox(home.rescanBox)
    }
    function hex(value) { return (value >>> 0).toString(16) }
    Connections {
        target: Database
        function onAutoRescanStarted(attempt) {
            home.rescanMessage(qsTr("Sensors auto rescan...\n Attempt #") + Language.emptyString + attempt)
        }
        function onTeleRescanDone(sensorsNum, wasFastStarted) {
            Database.KLX_DataBaseManagerResumeTelemetrie()
            var text = sensorsNum + " " + qsTr("sensors found.\n") + Language.emptyString
            if (sensorsNum === 0)
                text += "\n" + qsTr("Please perform new rescan manually!") + Language.emptyString
            var get = DatabaseValue.AtomicDirGet
            if (QML_FASTSTART) {
                text += "\n model data crc: " + home.hex(Database.KLX_DataBaseManagerGetSetCRCpart(false, 0, get))
                text += "\n binding info crc: " + home.hex(Database.KLX_DataBaseManagerGetSetCRCpart(true, 0, get))
            } else if (wasFastStarted && Database.KLX_DataBaseManagerGetCRCValidityAtStart(false)
                       && Database.KLX_DataBaseManagerGetCRCValidityAtStart(true)) {
                text += "\n" + qsTr("Model Fast Start!") + Language.emptyString
                if (Database.KLX_DataBaseManagerGetSet_ControlsLocked(false, get) === 0)
                    text += qsTr(" Trims unlocked!") + Language.emptyString
                else
                    text += "\n" + qsTr("Trims locked!") + Language.emptyString
            }
            home.rescanMessage(text)
        }
    }

    // ---- start-up overlays ----
    Timer {
        id: phaseTimer
        interval: 1000
        repeat: true
        running: true
        onTriggered: {
            var phase = Database.KLX_DataBaseManagerGetSetStartupPhases(0, DatabaseValue.AtomicDirGet)
            switch (phase) {
            case GuiCmdData.KLX_PHASE_ERROR:
                upperFrame.visible = true
                home.hidePreflight()
                home.modelSuffix = qsTr(" - Model error") + Language.emptyString
                stop()
                break
            case GuiCmdData.KLX_PHASE_SYSTEM_UP:
                upperFrame.visible = true
                home.hidePreflight()
                loadingBox.visible = false
                home.failedFile = Database.KLX_DataBaseManagerVornPropertiesGetFailedFile()
                stop()
                // A card too small is read from not at all: the file may be whole.
                if (home.modelNotValid)
                    home.modelSuffix = (System.KLX_SystemSDCardTooSmall() ? qsTr(" - SD card smaller than 256 MiB!")
                                                                          : qsTr(" - File not found or corrupted!"))
                            + Language.emptyString
                break
            case GuiCmdData.KLX_PHASE_LOAD_MODEL:
                if (!loadingBox.visible) {
                    home.loadingPercent = -1
                    loadingBox.visible = true
                } else {
                    home.loadingPercent = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetOverallPercent(0, DatabaseValue.AtomicDirGet)
                }
                home.hidePreflight()
                break
            case GuiCmdData.KLX_PHASE_MODEL_PREFL:
                upperFrame.visible = false
                home.showPreflight()
                loadingBox.visible = false
                break
            default:
                if (QML_LOGGING)
                    console.log("Phase: " + phase)
            }
        }
    }

    // ---- trim indicators ----
    function readTrims() {
        trimB.value = home.db.KLX_DataBaseManagerTrimGetValue(GuiCmdData.CONTROLID_RE_TRB_GUI)
        trimD.value = home.db.KLX_DataBaseManagerTrimGetValue(GuiCmdData.CONTROLID_RE_TRD_GUI)
        trimA.value = home.db.KLX_DataBaseManagerTrimGetValue(GuiCmdData.CONTROLID_RE_TRA_GUI)
        trimC.value = home.db.KLX_DataBaseManagerTrimGetValue(GuiCmdData.CONTROLID_RE_TRC_GUI)
    }
    // Widgets that show several values turn to the next one together.
    Timer {
        interval: 3000
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: home.blinkingTextSync()
    }

    // ---- drawing ----
    Text {
        id: modelLabel
        objectName: "modelLabel"
        x: 6
        y: 0
        width: 300
        height: 18
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: qsTr("Model: ") + Language.emptyString + " " + home.modelName + home.modelSuffix
        color: leadsToModels ? "#2f7fd8" : rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
        // Without a model (and no load under way) the line leads to the
        // model menu, above the page's swipe area.
        readonly property bool leadsToModels: home.modelNotValid && !loadingBox.visible
        font.underline: leadsToModels
        z: leadsToModels ? 1 : 0
        MouseArea {
            anchors.fill: parent
            enabled: parent.leadsToModels
            onClicked: rootwindow.openScreen(rootwindow.modelMenuUrl)
        }
    }
    Text {
        objectName: "failedFile"
        x: 6
        y: 20
        // Left of the trim bars, the path on lines of its own.
        width: 208
        visible: home.failedFile !== ""
        wrapMode: Text.WrapAnywhere
        maximumLineCount: 4
        elide: Text.ElideRight
        text: qsTr("Not loaded:") + Language.emptyString + "\n" + home.failedFile
        color: "#e03c31"
        font.family: rootwindow.fontFamily
        font.pixelSize: 11
    }
    Text {
        objectName: "pageLabel"
        anchors.right: parent.right
        anchors.rightMargin: 6
        y: 0
        height: 18
        verticalAlignment: Text.AlignVCenter
        text: qsTr("Page ") + Language.emptyString + " " + (home.position + 1) + "/" + home.pageCount
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }

    SwipeArea {
        id: pageArea
        anchors.fill: parent
        onSwipe: home.swiped(direction)
        onLongClicked: home.startEditMode()
    }

    // The twelve cells of edit mode: 2 blocks of 3 rows by 2 columns, below
    // the frames (a cell under a frame is not empty).
    Repeater {
        id: cells
        model: 12
        Rectangle {
            readonly property var columns: [5, 110, 265, 370]
            objectName: "cell_" + index
            x: columns[index % 4]
            y: [20, 85, 150][Math.floor(index / 4)]
            width: 100
            height: 60
            visible: home.editMode
            color: "#40505050"
            radius: 4
            MouseArea {
                anchors.fill: parent
                onClicked: home.chooseWidget(parent.x, parent.y)
            }
        }
    }

    Item {
        id: widgetLayer
        objectName: "widgetLayer"
        anchors.fill: parent
    }

    GeneralPurposeButton {
        objectName: "addPage"
        x: 200
        y: 214
        width: 36
        gp_text: "+"
        fontSize: 20
        visible: home.editMode && home.onLastPage && home.pageCount < home.maxPages
        onClicked: home.addPage()
    }
    GeneralPurposeButton {
        objectName: "deletePage"
        x: 244
        y: 214
        width: 36
        gp_text: "\u2212"
        fontSize: 20
        visible: home.editMode && home.onLastPage && home.pageCount > 1
        onClicked: home.deletePage()
    }

    TrimBar { id: trimA; objectName: "trimA"; vertical: true; x: 222; y: 24; width: 8; height: 180; visible: !home.editMode }
    TrimBar { id: trimC; objectName: "trimC"; vertical: true; x: 250; y: 24; width: 8; height: 180; visible: !home.editMode }
    TrimBar { id: trimB; objectName: "trimB"; x: 10; y: 226; width: 190; height: 8 }
    TrimBar { id: trimD; objectName: "trimD"; x: 280; y: 226; width: 190; height: 8 }

    // The model loading box.
    Rectangle {
        id: loadingBox
        objectName: "loadingBox"
        anchors.centerIn: parent
        width: 220
        height: 150
        radius: 6
        visible: false
        color: rootwindow.backColour
        border.width: 2
        border.color: rootwindow.textColour
        MouseArea { anchors.fill: parent }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 10
            text: qsTr("Model loading...") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 16
        }
        Loader {
            // Made only while the box is shown: the home screen opens faster.
            anchors.horizontalCenter: parent.horizontalCenter
            y: 40
            width: 96
            height: 96
            active: loadingBox.visible
            sourceComponent: ProgressSpinner {
                objectName: "loadingSpinner"
                value: home.loadingPercent
            }
        }
    }

    // The preflight check, made when start-up first needs it.
    function showPreflight() {
        preflight.active = true
        preflight.item.show()
    }
    function hidePreflight() {
        if (preflight.item)
            preflight.item.hide()
    }
    Loader {
        id: preflight
        x: 0
        y: -rootwindow.screenY
        width: rootwindow.width
        height: rootwindow.height
        active: false
        sourceComponent: PreflightOverlay { objectName: "preflight" }
    }

    Component.onCompleted: {
        modelName = Database.KLX_DataBaseManagerVornPropertiesGetModelName()
        failedFile = Database.KLX_DataBaseManagerVornPropertiesGetFailedFile()
        maxPages = Database.KLX_DataBaseManagerGetMaxTelemetryPages()
        systemHistory.addHistoryEntry()
        rootwindow.onTelemetryPage = true
        readTrims()
        if (modelReady())
            Database.KLX_DataBaseManagerResumeTelemetrie()
        initTimer.start()
    }
    Component.onDestruction: {
        rootwindow.onTelemetryPage = false
        Database.KLX_DataBaseManagerPauseTelemetrie(DatabaseValue.TELELOG_PauseTag)
    }
}
