import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import UpdateManager 1.0

// The receivers' firmware files on the SD card ("/Vorn/Update/Receiver"),
// one to choose. "Download" fetches from the update server over WLAN the
// firmware files of every known receiver type that the card does not hold
// yet, and a newer receiver catalogue with its pictures. With a file and a
// bound receiver chosen, "Update" checks the file and writes it into the
// receiver through the transceiver; the receiver's button then shows the
// version it runs.
Item {
    id: selector
    objectName: "fileSelector"

    readonly property int slots: Database.KLX_DatabaseManagerGet_BoardTypeInt() === DatabaseValue.BOARD_paramsVorn ? 4 : 2
    property int receiver: -1
    // Bumped after a write so that the receivers' versions are read again.
    property int revision: 0
    property int writePercent: 0

    // The WLAN connection is looked at once a second, at most this often.
    readonly property int wlanPolls: 60
    property string folder: ""
    property var files: []
    property string selectedFile: ""
    property bool downloading: false
    property bool waitingForWlan: false
    property int pollsLeft: 0
    property string progressText: ""
    property int progressPercent: -1

    function rebuild() {
        var list = []
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentFiles(folder)
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilesCount(); ++i)
            list.push(RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(i))
        files = list.sort()
        if (files.indexOf(selectedFile) < 0)
            selectedFile = ""
    }

    // ---- writing a file into a receiver ----
    function receiverText(slot) {
        if (revision < 0)
            return ""
        var version = Database.KLX_DataBaseManagerVersionReceiverGetVersion(slot)
        return qsTr("Receiver %1").arg(slot + 1) + Language.emptyString + (version !== "" ? "  " + version : "")
    }
    function askWrite() {
        var slot = receiver
        var file = selectedFile
        rootwindow.popupShow(null, "question", qsTr("Write %1 into receiver %2?").arg(file).arg(slot + 1)
                             + Language.emptyString, "OkAbort", function() {
            selector.writePercent = 0
            // The check of the file is followed by its write.
            writeTask.start(GuiCmdData.KLX_UPDATE_ONBOARD, slot, file)
        })
    }
    UpdateTask {
        id: writeTask
        // A refused start was shown already and leaves no text.
        onFailed: if (text !== "") errorHandler.processTaskError(text)
        onDone: rootwindow.popupShow(null, "info", qsTr("Receiver %1 runs firmware %2.").arg(selector.receiver + 1)
                                     .arg(Database.KLX_DataBaseManagerVersionReceiverGetVersion(selector.receiver))
                                     + Language.emptyString, "Ok")
        onFinished: selector.revision++
    }
    Timer {
        interval: 250
        repeat: true
        running: writeTask.running
        onTriggered: selector.writePercent = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetOverallPercent(0, DatabaseValue.AtomicDirGet)
    }

    // ---- the download ----
    function download() {
        if (downloading)
            return
        if (!Database.KLX_DatabaseManagerIsWPAConfigExisting()) {
            rootwindow.popupShow(null, "error", qsTr("No WLAN network is set up. Please set one up in the WLAN settings first.")
                                 + Language.emptyString, "Ok")
            return
        }
        downloading = true
        rootwindow.smartKeyLock = true
        progressPercent = -1
        if (Database.KLX_DatabaseManagerIsWlanConnected()) {
            start()
            return
        }
        Database.KLX_DataBaseManagerWlanBringUp()
        Database.KLX_DataBaseManagerWlanConnect("", "")
        waitingForWlan = true
        pollsLeft = wlanPolls
        progressText = qsTr("Connecting to the WLAN ...") + Language.emptyString
        wlanPoll.start()
    }
    function start() {
        waitingForWlan = false
        progressText = qsTr("Looking for receiver firmware ...") + Language.emptyString
        if (!UpdateManager.downloadReceiversUpdate())
            finish(qsTr("The download could not be started.") + Language.emptyString, "error")
    }
    Timer {
        id: wlanPoll
        interval: 1000
        repeat: true
        onTriggered: {
            if (Database.KLX_DatabaseManagerIsWlanConnected()) {
                stop()
                selector.start()
            } else if (--selector.pollsLeft <= 0) {
                stop()
                selector.finish(qsTr("The WLAN connection could not be established.") + Language.emptyString, "error")
            }
        }
    }
    function finish(text, icon) {
        wlanPoll.stop()
        waitingForWlan = false
        downloading = false
        progressText = ""
        rootwindow.smartKeyLock = false
        Database.KLX_DataBaseManagerWlanDisconnect()
        rebuild()
        if (text !== "")
            rootwindow.popupShow(null, icon, text, "Ok")
    }
    function errorText(error) {
        switch (error) {
        case CUpdateManager.Err_UpdateNotFound: return qsTr("The update was not found.") + Language.emptyString
        case CUpdateManager.Err_NotEnoughMemory: return qsTr("There is not enough memory on the SD card.") + Language.emptyString
        case CUpdateManager.Err_TransferError: return qsTr("A file of the update is corrupted. Please start the download again.") + Language.emptyString
        }
        return qsTr("The connection to the update server failed.") + Language.emptyString
    }

    Connections {
        target: UpdateManager
        function onSigProgress(fname, bytesReceived, bytesTotal) {
            if (!selector.downloading)
                return
            selector.progressText = fname.substring(fname.lastIndexOf("/") + 1)
            selector.progressPercent = bytesTotal > 0 ? Math.floor(bytesReceived * 100 / bytesTotal) : -1
        }
        function onSigComplete(vname, error, src) {
            if (!selector.downloading)
                return
            if (error === CUpdateManager.Err_NoErrors)
                selector.finish(qsTr("Download complete") + Language.emptyString, "info")
            else if (error === CUpdateManager.Err_Aborted)
                selector.finish("", "")
            else
                selector.finish(selector.errorText(error), "error")
        }
    }

    // ---- drawing ----
    Text {
        x: 12
        y: 6
        text: qsTr("Receiver firmware") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        font.bold: true
    }
    ListView {
        id: fileList
        objectName: "firmwareList"
        x: 12
        y: 34
        width: parent.width - 170
        height: parent.height - 40
        clip: true
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: selector.files
        delegate: Rectangle {
            objectName: "firmware_" + modelData
            width: fileList.width
            height: 30
            color: modelData === selector.selectedFile ? "#2f7fd8" : "transparent"
            border.width: 1
            border.color: Qt.rgba(0.5, 0.5, 0.5, 0.5)
            Text {
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 16
                elide: Text.ElideMiddle
                text: modelData
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 14
            }
            MouseArea {
                anchors.fill: parent
                onClicked: selector.selectedFile = modelData
            }
        }
    }
    Text {
        objectName: "noFirmware"
        x: 20
        y: 44
        width: fileList.width - 16
        visible: selector.files.length === 0
        wrapMode: Text.WordWrap
        text: qsTr("No receiver firmware on the SD card. \"Download\" fetches it from the update server.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }
    GeneralPurposeButton {
        objectName: "receiversDownload"
        x: parent.width - width - 12
        y: 34
        width: 140
        gp_text: qsTr("Download") + Language.emptyString
        state: selector.downloading || writeTask.running ? "disabled" : ""
        onClicked: selector.download()
    }
    Column {
        x: parent.width - 152
        y: 72
        spacing: 4
        Repeater {
            model: selector.slots
            GeneralPurposeButton {
                objectName: "updateReceiver_" + index
                visible: selector.revision >= 0 && Database.KLX_DataBaseManagerIsReceiverUsed(index)
                width: 140
                height: 28
                fontSize: 14
                gp_text: selector.receiverText(index)
                state: selector.receiver === index ? "active" : ""
                onClicked: selector.receiver = index
            }
        }
    }
    GeneralPurposeButton {
        objectName: "receiverUpdate"
        x: parent.width - width - 12
        y: parent.height - 40
        width: 140
        gp_text: qsTr("Update") + Language.emptyString
        state: selector.selectedFile !== "" && selector.receiver >= 0 && !selector.downloading && !writeTask.running
               ? "" : "disabled"
        onClicked: selector.askWrite()
    }
    ProgressBox {
        objectName: "receiverUpdateProgress"
        visible: writeTask.running && !rootwindow.popupIsShown()
        abortable: false
        title: qsTr("Receiver firmware update") + Language.emptyString
        line: qsTr("Receiver %1").arg(selector.receiver + 1) + Language.emptyString + "  " + selector.writePercent + " %"
        lineName: "receiverUpdateText"
        percent: selector.writePercent
    }

    ProgressBox {
        objectName: "downloadProgress"
        visible: selector.downloading && !rootwindow.popupIsShown()
        title: qsTr("Receiver firmware download") + Language.emptyString
        line: selector.progressPercent >= 0 ? selector.progressText + " " + selector.progressPercent + " %"
                                            : selector.progressText
        lineName: "downloadProgressText"
        abortName: "downloadAbort"
        onAbort: {
            if (selector.waitingForWlan)
                selector.finish("", "")
            else
                UpdateManager.abort()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        var top = RuntimeDatabase.KLX_FolderGetTopModelFilePath()
        folder = top.substring(0, top.lastIndexOf("/")) + "/Update/Receiver"
        rebuild()
    }
    Component.onDestruction: {
        if (downloading) {
            UpdateManager.abort()
            rootwindow.smartKeyLock = false
        }
    }
}
