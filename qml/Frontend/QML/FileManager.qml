import QtQuick 2.15
import DBValues 1.0
import FileManagerBackend 1.0 as Backend
import "Storages.js" as Storages

// The file manager: the source on the left, the destination on the right,
// each chosen among the SD card's folders and the USB sticks. Files and
// folders of the source are ticked and then copied into the destination
// folder or deleted; the copy asks when a file exists already. The work runs
// on the file manager's own thread: its progress is shown with an "Abort",
// its end with a message. A sound file ticked alone can be played, and
// stopped while it plays.
Item {
    id: fm
    objectName: "fileManager"

    // The side an opener names; the source is always the left list.
    property string fileman_mode: "Left"
    property string cardRoot: ""
    // Each side: the storage it is on ("" lists the storages), its folder
    // and what it shows ([{ label, name, path, kind: "storage" | "up" | "folder" | "file" }]).
    property string srcRoot: ""
    property string srcFolder: ""
    property var srcEntries: []
    property string dstRoot: ""
    property string dstFolder: ""
    property var dstEntries: []
    property var ticked: ({})
    property int tickedCount: 0
    // The running operation ("copy", "delete" or "") and its progress.
    property string running: ""
    property string progressName: ""
    property int progressIndex: 0
    property int progressCount: 0
    property int progressPercent: 0

    // ---- places ----
    function lastPart(path) { return path.substring(path.lastIndexOf("/") + 1) }
    function byLabel(a, b) { return a.label.toLowerCase() < b.label.toLowerCase() ? -1 : a.label.toLowerCase() > b.label.toLowerCase() ? 1 : 0 }
    // A folder that can be copied from or into: below the card's top
    // folder, or on a stick.
    function usable(folder) { return folder !== "" && folder !== cardRoot }
    // What the heading shows: the storage and the way down from it.
    function placeText(root, folder) {
        if (folder === "")
            return qsTr("Choose a storage") + Language.emptyString
        return Storages.label(root) + folder.substring(root.length)
    }

    // The SD card and the plugged USB sticks, as the last scan found them.
    function storages() {
        stickMask = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStorageInfo()
        var list = []
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragesCount(); ++i) {
            var path = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(i)
            if (path === cardRoot || Storages.isStick(path))
                list.push({ label: Storages.label(path), name: "", path: path, kind: "storage" })
        }
        return list
    }
    // A folder's sub-folders, and with files its files, below ".." (which
    // leads to the storages from a storage's top).
    function listing(root, folder, files) {
        if (folder === "")
            return storages()
        var folders = []
        var plain = []
        var i
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentDirs(folder)
        for (i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntryCount(); ++i) {
            var name = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntrybyIndex(i)
            if (name !== "." && name !== "..")
                folders.push({ label: name, name: name, path: folder + "/" + name, kind: "folder" })
        }
        if (files) {
            RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentFiles(folder)
            for (i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilesCount(); ++i) {
                var file = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(i)
                plain.push({ label: file, name: file, path: folder + "/" + file, kind: "file" })
            }
        }
        return [{ label: "..", name: "", path: folder === root ? "" : folder.substring(0, folder.lastIndexOf("/")), kind: "up" }]
                .concat(folders.sort(byLabel), plain.sort(byLabel))
    }

    function openSource(root, folder) {
        srcRoot = root
        srcFolder = folder
        ticked = ({})
        tickedCount = 0
        // The manager takes only folders it may work in; elsewhere nothing is ticked.
        if (usable(folder))
            RuntimeDatabase.FileManagerSetSourceFolder(folder)
        srcEntries = listing(root, folder, true)
        srcList.positionViewAtBeginning()
    }
    function openDestination(root, folder) {
        dstRoot = root
        dstFolder = folder
        dstEntries = listing(root, folder, false)
        dstList.positionViewAtBeginning()
    }
    function enter(side, entry) {
        var root = entry.kind === "storage" ? entry.path : (side === "src" ? srcRoot : dstRoot)
        if (side === "src")
            openSource(root, entry.path)
        else
            openDestination(root, entry.path)
    }
    // Both sides read again where they stand.
    function refresh() {
        openSource(srcRoot, srcFolder)
        openDestination(dstRoot, dstFolder)
    }

    // Sticks plugged in or pulled out while the screen is open: a side
    // listing the storages lists them anew, a side on a stick that is gone
    // goes back to them. Looked at once a second, not while the manager works.
    property int stickMask: 0
    function stickGone(root, mask) {
        return Storages.isStick(root) && (mask & (1 << Storages.stickNumber(root))) === 0
    }
    function watchSticks() {
        var before = stickMask
        var mask = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStorageInfo()
        if (mask === before)
            return
        stickMask = mask
        if (srcFolder === "" || stickGone(srcRoot, mask))
            openSource("", "")
        if (dstFolder === "" || stickGone(dstRoot, mask))
            openDestination("", "")
    }
    Timer {
        objectName: "stickWatch"
        interval: 1000
        repeat: true
        running: fm.running === ""
        onTriggered: fm.watchSticks()
    }

    // ---- the selection ----
    function tick(entry) {
        if (!usable(srcFolder) || running !== "" || (entry.kind !== "file" && entry.kind !== "folder"))
            return
        var now = Object.assign({}, ticked)
        if (now[entry.name]) {
            if (!RuntimeDatabase.FileManagerDeselectSource(entry.name))
                return
            delete now[entry.name]
        } else {
            if (!RuntimeDatabase.FileManagerSelectSource(entry.name))
                return
            now[entry.name] = true
        }
        ticked = now
        tickedCount = Object.keys(now).length
    }

    // ---- a sound file played ----
    // The one ticked entry when it is a sound file (its path), else "".
    readonly property string tickedSound: {
        if (tickedCount !== 1)
            return ""
        var name = Object.keys(ticked)[0]
        return /\.wav$/i.test(name) ? srcFolder + "/" + name : ""
    }
    // Plays the ticked sound file, or stops the one that plays.
    function play() {
        if (AudioHandler.soundFilePlaying) {
            AudioHandler.KLX_AudioHandlerStopSoundFile()
            return
        }
        if (tickedSound === "")
            return
        if (!AudioHandler.KLX_AudioHandlerPlaySoundFile(tickedSound))
            rootwindow.popupShow(null, "error", qsTr("\"%1\" is no WAVE sound file and cannot be played.")
                                 .arg(tickedSound.substring(tickedSound.lastIndexOf("/") + 1)) + Language.emptyString, "Ok")
    }
    // A file that did not play after all: changed since it was picked, or
    // its player failed.
    Connections {
        target: AudioHandler
        function onSoundFileFailed(path) {
            rootwindow.popupShow(null, "error", qsTr("\"%1\" could not be played.").arg(fm.lastPart(path))
                                 + Language.emptyString, "Ok")
        }
    }

    // ---- copy and delete ----
    function copy() {
        if (tickedCount === 0 || !usable(dstFolder))
            return
        if (RuntimeDatabase.FileManagerBeginCopy(dstFolder, Backend.FileManager.Behavior_AskTheUser))
            started("copy")
    }
    function remove() {
        if (tickedCount === 0)
            return
        rootwindow.popupShow(null, "question", qsTr("Delete the %1 selected files and folders?").arg(tickedCount)
                             + Language.emptyString, "OkAbort", function() {
                                 if (RuntimeDatabase.FileManagerBeginDelete())
                                     fm.started("delete")
                             })
    }
    function started(operation) {
        progressName = ""
        progressIndex = 0
        progressCount = tickedCount
        progressPercent = 0
        running = operation
        rootwindow.smartKeyLock = true
    }
    function abortRun() { RuntimeDatabase.FileManagerabort() }

    function resultText(result) {
        switch (result) {
        case Backend.FileManager.Result_CopyComplete: return qsTr("Copying complete") + Language.emptyString
        case Backend.FileManager.Result_DelComplete: return qsTr("Deleting complete") + Language.emptyString
        case Backend.FileManager.Result_CanceledByUser: return qsTr("Canceled by the user") + Language.emptyString
        case Backend.FileManager.Result_CanNotDelete: return qsTr("A file or folder cannot be deleted") + Language.emptyString
        case Backend.FileManager.Result_CanNotCreate: return qsTr("A file or folder cannot be created in the destination folder") + Language.emptyString
        case Backend.FileManager.Result_Skipped: return qsTr("Copying complete. Files that existed already were skipped") + Language.emptyString
        case Backend.FileManager.Result_SourceNotAvailable: return qsTr("A source file cannot be opened") + Language.emptyString
        case Backend.FileManager.Result_ReadError: return qsTr("A source file cannot be read") + Language.emptyString
        case Backend.FileManager.Result_WriteError: return qsTr("A file cannot be written in the destination folder") + Language.emptyString
        case Backend.FileManager.Result_DestinationNotAvailable: return qsTr("The destination folder is not available") + Language.emptyString
        case Backend.FileManager.Result_NotEnoughMemory: return qsTr("Not enough memory") + Language.emptyString
        case Backend.FileManager.Result_SourceNotFound: return qsTr("The source was not found") + Language.emptyString
        case Backend.FileManager.Result_NewFileNameNotFound: return qsTr("The file name cannot be generated automatically") + Language.emptyString
        case Backend.FileManager.Result_SubfolderError: return qsTr("The destination folder is a subfolder of the source folder") + Language.emptyString
        case Backend.FileManager.Result_SameFolder: return qsTr("The source folder is the same as the destination folder") + Language.emptyString
        }
        return qsTr("Error") + Language.emptyString + " " + result
    }
    function completed(result) {
        running = ""
        rootwindow.smartKeyLock = false
        var fine = result === Backend.FileManager.Result_CopyComplete || result === Backend.FileManager.Result_DelComplete
                || result === Backend.FileManager.Result_Skipped
        // An aborted manager refuses every further call: a fresh one takes over.
        if (result === Backend.FileManager.Result_CanceledByUser) {
            RuntimeDatabase.FileManagerFree()
            RuntimeDatabase.FileManagerCreate()
        }
        refresh()
        rootwindow.popupShow(null, fine ? "info" : "error", resultText(result), "Ok")
    }

    Connections {
        target: RuntimeDatabase
        function onFileManagerProgress(name, count, index, percent) {
            fm.progressName = name
            fm.progressCount = count
            fm.progressIndex = index
            fm.progressPercent = percent
        }
        function onFileManagerUserDecisionRequired(name, conflict) {
            // The worker waits for the answer: every button gives one.
            rootwindow.popupShow(null, "question", qsTr("\"%1\" exists already in the destination folder.").arg(name)
                                 + Language.emptyString, "OverwriteSkipAbort",
                                 function() { RuntimeDatabase.FileManagerResume(Backend.FileManager.Behavior_Overwrite) },
                                 function() { RuntimeDatabase.FileManagerResume(Backend.FileManager.Behavior_Abort) },
                                 function() { RuntimeDatabase.FileManagerResume(Backend.FileManager.Behavior_Skip) })
        }
        function onFileManagerComplete(result) { fm.completed(result) }
    }

    // ---- drawing ----
    readonly property int paneWidth: (width - 12) / 2
    readonly property int listTop: 24
    readonly property int listHeight: height - listTop - 40

    Text {
        objectName: "sourcePlace"
        x: 4
        width: fm.paneWidth
        height: fm.listTop
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideLeft
        text: qsTr("From:") + Language.emptyString + " " + fm.placeText(fm.srcRoot, fm.srcFolder)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
        font.bold: true
    }
    Text {
        objectName: "destinationPlace"
        x: fm.paneWidth + 8
        width: fm.paneWidth
        height: fm.listTop
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideLeft
        text: qsTr("To:") + Language.emptyString + " " + fm.placeText(fm.dstRoot, fm.dstFolder)
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
        font.bold: true
    }

    ListView {
        id: srcList
        objectName: "sourceList"
        x: 4
        y: fm.listTop
        width: fm.paneWidth
        height: fm.listHeight
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: fm.srcEntries
        delegate: Rectangle {
            id: srcRow
            objectName: "source_" + modelData.label
            readonly property bool tickable: fm.usable(fm.srcFolder) && (modelData.kind === "file" || modelData.kind === "folder")
            readonly property bool isTicked: fm.ticked[modelData.name] === true
            width: srcList.width - 8
            height: 28
            radius: 4
            color: isTicked ? Qt.rgba(0.18, 0.5, 0.85, 0.35) : "transparent"
            border.width: 1
            border.color: rootwindow.rectBorderColour
            Rectangle {
                id: box
                objectName: "tick_" + modelData.label
                visible: srcRow.tickable
                x: 4
                anchors.verticalCenter: parent.verticalCenter
                width: 20
                height: 20
                radius: 3
                color: "transparent"
                border.width: 1
                border.color: rootwindow.textColour
                Text {
                    anchors.centerIn: parent
                    visible: srcRow.isTicked
                    text: "\u2713"
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 16
                }
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -4
                    onClicked: fm.tick(modelData)
                }
            }
            Text {
                x: srcRow.tickable ? 30 : 6
                width: parent.width - x - 4
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideMiddle
                text: (modelData.kind === "file" ? "" : "\u25B8 ") + modelData.label
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 14
                MouseArea {
                    anchors.fill: parent
                    onClicked: modelData.kind === "file" ? fm.tick(modelData) : fm.enter("src", modelData)
                }
            }
        }
    }
    ScrollBar { flickable: srcList }

    ListView {
        id: dstList
        objectName: "destinationList"
        x: fm.paneWidth + 8
        y: fm.listTop
        width: fm.paneWidth
        height: fm.listHeight
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: fm.dstEntries
        delegate: Rectangle {
            objectName: "destination_" + modelData.label
            width: dstList.width - 8
            height: 28
            radius: 4
            color: "transparent"
            border.width: 1
            border.color: rootwindow.rectBorderColour
            Text {
                x: 6
                width: parent.width - 10
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideMiddle
                text: "\u25B8 " + modelData.label
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 14
            }
            MouseArea {
                anchors.fill: parent
                onClicked: fm.enter("dst", modelData)
            }
        }
    }
    ScrollBar { flickable: dstList }

    Row {
        id: actions
        x: 4
        y: parent.height - 34
        spacing: 6
        GeneralPurposeButton {
            objectName: "fileCopy"
            width: 150
            fontSize: 14
            gp_text: qsTr("Copy here \u25B6") + Language.emptyString
            state: fm.tickedCount > 0 && fm.usable(fm.dstFolder) ? "" : "disabled"
            onClicked: fm.copy()
        }
        GeneralPurposeButton {
            objectName: "fileDelete"
            width: 110
            fontSize: 14
            gp_text: qsTr("Delete") + Language.emptyString
            state: fm.tickedCount > 0 ? "" : "disabled"
            onClicked: fm.remove()
        }
        GeneralPurposeButton {
            objectName: "filePlay"
            width: 50
            fontSize: 14
            // A stop while a sound file plays.
            gp_text: AudioHandler.soundFilePlaying ? "\u25A0" : "\u25B6"
            visible: fm.tickedSound !== "" || AudioHandler.soundFilePlaying
            onClicked: fm.play()
        }
        Text {
            objectName: "tickedCount"
            height: 30
            verticalAlignment: Text.AlignVCenter
            text: fm.usable(fm.srcFolder) ? qsTr("%1 selected").arg(fm.tickedCount) + Language.emptyString : ""
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 13
        }
    }

    // The running operation: what it works on, how far, and a way out.
    ProgressBox {
        id: progressBox
        objectName: "progressBox"
        visible: fm.running !== ""
        title: (fm.running === "copy" ? qsTr("Copying %1 of %2") : qsTr("Deleting %1 of %2"))
               .arg(Math.max(1, fm.progressIndex)).arg(fm.progressCount) + Language.emptyString
        titleName: "progressTitle"
        line: fm.progressName
        lineName: "progressName"
        percent: fm.running === "copy" ? fm.progressPercent : -1
        abortName: "progressAbort"
        onAbort: fm.abortRun()
    }
    // Touches wait while the manager works.
    MouseArea {
        anchors.fill: parent
        z: 65
        enabled: fm.running !== ""
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        var top = RuntimeDatabase.KLX_FolderGetTopModelFilePath()
        cardRoot = top.substring(0, top.lastIndexOf("/"))
        RuntimeDatabase.FileManagerCreate()
        openSource("", "")
        openDestination("", "")
    }
    Component.onDestruction: {
        // A run still going is aborted; the manager goes with the screen,
        // and so does a sound file it plays.
        AudioHandler.KLX_AudioHandlerStopSoundFile()
        RuntimeDatabase.FileManagerFree()
        if (running !== "")
            rootwindow.smartKeyLock = false
    }
}
