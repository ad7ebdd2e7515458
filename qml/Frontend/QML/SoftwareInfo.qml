import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import UpdateManager 1.0

// The software information: the versions this transmitter runs, and its
// updates. A touch on "Update" brings the application update, a long touch
// the system update, each from a USB stick when one carries it, else (on
// the user's word) from the update server over WLAN. The download runs in
// the update manager; this screen shows its progress, asks the user's
// decisions and tells the end.
// "Recovery" writes the firmware that came with this software into the
// transceiver or the stick controller again: a package that cannot serve it
// is told before the question, and once the task has checked the file the
// firmware update screen shows the write.
Item {
    id: info
    objectName: "softwareInfo"

    // Both batteries must hold this much for an update.
    readonly property int minBatteryPercent: 15
    // The WLAN connection is looked at once a second, at most this often.
    readonly property int wlanPolls: 60
    // "app" or "system" while an update is under way, "" otherwise.
    property string kind: ""
    // An update or a firmware recovery is under way: no other may start.
    readonly property bool busy: kind !== "" || recoveryTask.running
    // The source of the running download (CUpdateManager.Src_USB or Src_KlServer).
    property int source: CUpdateManager.Src_USB
    property string progressText: ""
    property int progressPercent: -1
    property bool waitingForWlan: false
    // The application update is installed: the keys and the strip stay
    // locked until the switch-off, which this screen then asks for.
    property bool installed: rootwindow.appUpdateInstalled
    property int pollsLeft: 0
    // The question of the update manager's decision while it is open.
    property var question: null

    function versionOf(text) { return text === "" ? "--.--" : text }

    // ---- starting ----
    function begin(what) {
        if (kind !== "")
            return
        var first = Database.KLX_DataBaseManagerGetSetSystemProperties_Akku1Percent(0, DatabaseValue.AtomicDirGet)
        var second = Database.KLX_DataBaseManagerGetSetSystemProperties_Akku2Percent(0, DatabaseValue.AtomicDirGet)
        if (first < minBatteryPercent || second < minBatteryPercent) {
            rootwindow.popupShow(null, "attention", qsTr("The batteries are too low for an update. Please charge them first.")
                                 + Language.emptyString, "Ok")
            return
        }
        kind = what
        rootwindow.smartKeyLock = true
        Database.KLX_DataBaseManagerPauseTelemetrie(DatabaseValue.TELELOG_UpdateSystemTag)
        Database.KLX_DataBaseManagerForceSavingXMLFiles(false)
        source = CUpdateManager.Src_USB
        if (startDownload()) {
            showProgress()
            return
        }
        rootwindow.popupShow(null, "question", (what === "app"
                                                ? qsTr("No application update was found on a USB stick. Download it from the update server?")
                                                : qsTr("No system update was found on a USB stick. Download it from the update server?"))
                             + Language.emptyString, "OkAbort", function() { info.fromServer() }, function() { info.finish(false) })
    }
    function startDownload() {
        return kind === "app" ? UpdateManager.beginAppUpdate(source) : UpdateManager.downloadSystemUpdate(source)
    }
    function fromServer() {
        source = CUpdateManager.Src_KlServer
        if (!Database.KLX_DatabaseManagerIsWPAConfigExisting()) {
            fail(qsTr("No WLAN network is set up. Please set one up in the WLAN settings first.") + Language.emptyString)
            return
        }
        if (Database.KLX_DatabaseManagerIsWlanConnected()) {
            serverDownload()
            return
        }
        Database.KLX_DataBaseManagerWlanBringUp()
        Database.KLX_DataBaseManagerWlanConnect("", "")
        waitingForWlan = true
        pollsLeft = wlanPolls
        progressText = qsTr("Connecting to the WLAN ...") + Language.emptyString
        progressPercent = -1
        wlanPoll.start()
    }
    function serverDownload() {
        waitingForWlan = false
        if (startDownload())
            showProgress()
        else
            fail(qsTr("The update could not be started.") + Language.emptyString)
    }
    function showProgress() {
        progressText = qsTr("Looking for the update ...") + Language.emptyString
        progressPercent = -1
    }
    Timer {
        id: wlanPoll
        interval: 1000
        repeat: true
        onTriggered: {
            if (Database.KLX_DatabaseManagerIsWlanConnected()) {
                stop()
                info.serverDownload()
            } else if (--info.pollsLeft <= 0) {
                stop()
                info.fail(qsTr("The WLAN connection could not be established.") + Language.emptyString)
            }
        }
    }

    // ---- the end ----
    // Keys unlocked and the WLAN let go, unless the new program waits for
    // the restart.
    function finish(keepLocked) {
        wlanPoll.stop()
        waitingForWlan = false
        var wasServer = source === CUpdateManager.Src_KlServer
        kind = ""
        progressText = ""
        if (!keepLocked)
            rootwindow.smartKeyLock = false
        if (wasServer)
            Database.KLX_DataBaseManagerWlanDisconnect()
    }
    function fail(text) {
        finish(false)
        rootwindow.popupShow(null, "error", text, "Ok")
    }
    // What went wrong, under the place the update came from; a card too
    // small is told at the touch, before any place is looked at.
    function errorText(error, src) {
        if (error === CUpdateManager.Err_CardTooSmall)
            return problemText(error, false) + Language.emptyString
        var stick = src === CUpdateManager.Src_USB
        var from = (stick ? qsTr("Update from the USB stick:") : qsTr("Update from the update server:")) + Language.emptyString
        return from + "\n" + problemText(error, stick) + Language.emptyString
    }
    function problemText(error, stick) {
        switch (error) {
        case CUpdateManager.Err_UpdateNotFound: return qsTr("The update was not found.")
        case CUpdateManager.Err_NotEnoughMemory: return qsTr("There is not enough memory on the SD card.")
        case CUpdateManager.Err_TransferError:
            return stick ? qsTr("A file of the update is corrupted. Please copy the update to the USB stick again.")
                         : qsTr("A file of the update is corrupted. Please start the download again.")
        case CUpdateManager.Err_AlreadyInstalled: return qsTr("The newest software is installed already.")
        case CUpdateManager.Err_CopyingFiles: return qsTr("The update could not be installed.")
        case CUpdateManager.Err_Installing: return qsTr("Internal error while installing the update.")
        case CUpdateManager.Err_Unsuitable: return qsTr("This update is unsuitable for this device.")
        case CUpdateManager.Err_CardTooSmall: return qsTr("The SD card is smaller than the 256 MiB the transmitter needs.")
        case CUpdateManager.Err_NoRoomForProgram: return qsTr("There is not enough room for the program in the transmitter's memory.")
        }
        return stick ? qsTr("A file of the update is missing or does not match its list. Please copy the update to the USB stick again.")
                     : qsTr("The connection to the update server failed.")
    }
    function completed(error, src) {
        var what = kind
        // The update has ended: a question of it still open has no use.
        rootwindow.popupCloseBox(question)
        question = null
        if (error === CUpdateManager.Err_NoErrors) {
            finish(what === "app")
            if (what === "app")
                rootwindow.appUpdateInstalled = true
            rootwindow.popupShow(null, "info", (what === "app"
                                                ? qsTr("The update is installed. Please switch the model off and restart the transmitter.")
                                                : qsTr("The system update is installed when the transmitter is switched on next time."))
                                 + Language.emptyString, "Ok")
            return
        }
        if (error === CUpdateManager.Err_Aborted) {
            finish(false)
            return
        }
        fail(errorText(error, src))
    }

    Connections {
        target: UpdateManager
        function onSigProgress(fname, bytesReceived, bytesTotal) {
            if (info.kind === "")
                return
            if (bytesTotal > 0) {
                info.progressPercent = Math.floor(bytesReceived * 100 / bytesTotal)
                info.progressText = qsTr("Downloading ...") + Language.emptyString
            } else if (fname !== "") {
                info.progressPercent = -1
                info.progressText = fname
            }
            // Nothing to tell (the list has arrived): what is shown stays,
            // and with it the way out.
        }
        function onSigUserDecisionRequired(userDecision) {
            if (info.kind === "")
                return
            var text
            if (userDecision === CUpdateManager.UD_ReadyToInstall) {
                if (info.source === CUpdateManager.Src_KlServer)
                    Database.KLX_DataBaseManagerWlanDisconnect()
                text = qsTr("The update is ready. Install it now?")
            } else {
                text = qsTr("This version is installed already. Install it anyway?")
            }
            info.progressText = qsTr("Waiting for your answer") + Language.emptyString
            info.question = rootwindow.popupShow(null, "question", text + Language.emptyString, "OkAbort",
                                                 function() {
                                                     info.progressText = qsTr("Installing ...") + Language.emptyString
                                                     info.progressPercent = -1
                                                     UpdateManager.resume(userDecision)
                                                 },
                                                 function() { UpdateManager.abort() })
        }
        function onSigComplete(vname, error, src) {
            if (info.kind !== "")
                info.completed(error, src)
        }
    }

    // ---- controller firmware recovery ----
    // The controller of the last recovery.
    property int recoveryDevice: 0
    function recover(device) {
        if (busy)
            return
        recoveryDevice = device
        // A recovery the package cannot serve is refused before the question.
        var refused = recoveryText(RuntimeDatabase.KLX_RuntimeDatabaseManagerRecoveryRefusal(device))
        if (refused !== "") {
            rootwindow.popupShow(null, "error", refused, "Ok")
            return
        }
        var name = device === GuiCmdData.KLX_UPDATE_RECOVER_STICK ? qsTr("stick controller") : qsTr("transceiver")
        rootwindow.popupShow(null, "question",
                             qsTr("The firmware of this software is written into the %1 again. Go on?").arg(name + Language.emptyString)
                             + Language.emptyString, "OkAbort",
                             function() { recoveryTask.start(GuiCmdData.KLX_FWVORN_RECOVERY, device, "") })
    }
    function recoveryText(state) {
        switch (state) {
        case GuiCmdData.KLX_UPDATE_NOTHING_TO_INSTALL:
            return (recoveryDevice === GuiCmdData.KLX_UPDATE_RECOVER_STICK
                    ? qsTr("The package in the update folder holds no firmware for the stick controller.")
                    : qsTr("The package in the update folder holds no firmware for the transceiver.")) + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_UPD_MUST_MATCH:
            return qsTr("The firmware recovery requires the same version of Update.xml as this application.") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_MD5_ERROR:
            return qsTr("The firmware file does not match its checksum.") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_NO_UPDATE_XML:
            return qsTr("The update folder holds no package to write again: its Update.xml could not be read.") + Language.emptyString
        }
        return ""
    }
    UpdateTask {
        id: recoveryTask
        // The check passed: the write goes on on the firmware update screen.
        // That screen takes the key lock over as it opens (and so is the
        // screen that holds it): this screen's task, no longer running,
        // leaves the lock alone when the screen goes.
        onStatus: {
            if (state !== GuiCmdData.KLX_UPDATE_STATUS_RECOVER_SCTC)
                return
            recoveryTask.release()
            if (!rootwindow.openScreen(rootwindow.updateUrl, { recovery: true }))
                recoveryTask.take()
        }
        onFailed: {
            if (cancelled)
                return
            var told = info.recoveryText(lastStatus)
            if (told !== "" || text !== "")
                rootwindow.popupShow(null, "error", told !== "" ? told : text, "Ok")
        }
    }

    // ---- drawing ----
    readonly property var versions: [
        { label: qsTr("Application") + Language.emptyString, value: versionOf(Database.KLX_DataBaseManagerVornLinuxAppGetVersion()) },
        { label: qsTr("Operating system") + Language.emptyString, value: versionOf(Database.KLX_DataBaseManagerLinuxGetVersion()) },
        { label: qsTr("Transceiver") + Language.emptyString, value: versionOf(Database.KLX_DataBaseManagerVornTransAppGetVersion()) },
        { label: qsTr("Stick controller") + Language.emptyString, value: versionOf(Database.KLX_DataBaseManagerVornStickAppGetVersion()) }
    ]

    Text {
        x: 12
        y: 6
        text: qsTr("Software") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        font.bold: true
    }
    Column {
        x: 12
        y: 36
        spacing: 6
        Repeater {
            model: info.versions
            Row {
                spacing: 8
                Text {
                    width: 180
                    text: modelData.label
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                }
                Text {
                    objectName: "version_" + index
                    text: modelData.value
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                }
            }
        }
    }
    GeneralPurposeButton {
        objectName: "updateButton"
        x: parent.width - width - 12
        y: 36
        width: 140
        gp_text: qsTr("Update") + Language.emptyString
        state: info.busy ? "disabled" : ""
        onClicked: info.begin("app")
        onLongclicked: info.begin("system")
    }
    // The controllers' firmware written again.
    Row {
        x: 12
        y: 136
        spacing: 8
        Text {
            width: 120
            height: 30
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Recovery") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
        GeneralPurposeButton {
            objectName: "recoverTransceiver"
            width: 150
            fontSize: 14
            gp_text: qsTr("Transceiver") + Language.emptyString
            state: info.busy ? "disabled" : ""
            onClicked: info.recover(GuiCmdData.KLX_UPDATE_RECOVER_TRANSCEIVER)
        }
        GeneralPurposeButton {
            objectName: "recoverStick"
            width: 150
            fontSize: 14
            gp_text: qsTr("Stick controller") + Language.emptyString
            state: info.busy ? "disabled" : ""
            onClicked: info.recover(GuiCmdData.KLX_UPDATE_RECOVER_STICK)
        }
    }
    Text {
        objectName: "updateHint"
        x: 12
        y: 180
        width: parent.width - 24
        wrapMode: Text.WordWrap
        text: qsTr("Touch \"Update\" for the application update, hold it for the system update. A USB stick is looked at first, then the update server.")
              + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
    }

    // The running update: what it does, how far, and a way out.
    ProgressBox {
        id: progressBox
        objectName: "updateProgress"
        visible: info.kind !== "" && info.progressText !== "" && !rootwindow.popupIsShown()
        title: (info.kind === "app" ? qsTr("Application update") : qsTr("System update")) + Language.emptyString
        line: info.progressPercent >= 0 ? info.progressText + " " + info.progressPercent + " %" : info.progressText
        lineName: "updateProgressText"
        abortName: "updateAbort"
        percent: info.progressPercent
        onAbort: {
            if (info.waitingForWlan)
                info.finish(false)
            else
                UpdateManager.abort()
        }
    }

    // After the box that tells the install, this stays: a transmitter whose
    // keys do nothing says why and what to do.
    Rectangle {
        objectName: "updateInstalledNote"
        anchors.fill: parent
        z: 60
        visible: info.installed && !rootwindow.popupIsShown()
        color: rootwindow.backColour
        MouseArea { anchors.fill: parent }
        Column {
            anchors.centerIn: parent
            width: parent.width - 48
            spacing: 14
            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 48
                height: 48
                sourceSize.width: 48
                sourceSize.height: 48
                source: "qrc:/Frontend/Images/info" + rootwindow.iconSuffix + ".svg"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("Application update") + Language.emptyString
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 18
                font.bold: true
            }
            Text {
                objectName: "updateInstalledText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTr("The update is installed. Switch the transmitter off to finish it: until then the keys and the status strip stay locked.")
                      + Language.emptyString
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
            }
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
    Component.onDestruction: {
        // Leaving the screen leaves no download behind.
        if (kind !== "") {
            UpdateManager.abort()
            finish(false)
        }
    }
}
