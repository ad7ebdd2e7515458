import QtQuick 2.15
import "Storages.js" as Storages

// The folder browser frame: it shows nothing until show() is called. Then it
// lists the storages (the SD card and the USB sticks), and inside one its
// folders and the files whose extension is one of nameFilters; ".." goes up
// again. A touch on a file answers chosen(folder, file) and closes it;
// "Cancel" answers cancelled().
Rectangle {
    id: browser
    property string title: ""
    property var nameFilters: []      // extensions without the dot, any case; empty: every file
    property string folder: ""        // "" lists the storages
    property string storageRoot: ""   // the storage the folder lies on
    property var entries: []          // [{ label, path, kind: "storage" | "up" | "folder" | "file" }]
    signal chosen(string folder, string file)
    signal cancelled()

    anchors.fill: parent
    z: 60
    visible: false
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    function show(startFolder) {
        open(startFolder === undefined ? "" : startFolder)
        visible = true
    }
    function close() { visible = false }

    function lastPart(path) { return path.substring(path.lastIndexOf("/") + 1) }
    function wanted(name) {
        if (nameFilters.length === 0)
            return true
        var dot = name.lastIndexOf(".")
        return dot > 0 && nameFilters.indexOf(name.substring(dot + 1).toLowerCase()) >= 0
    }
    function byName(a, b) { return a.label.toLowerCase() < b.label.toLowerCase() ? -1 : a.label.toLowerCase() > b.label.toLowerCase() ? 1 : 0 }

    // The SD card and the plugged USB sticks, as the last scan found them.
    function storages() {
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStorageInfo()
        var top = RuntimeDatabase.KLX_FolderGetTopModelFilePath()
        var card = top.substring(0, top.lastIndexOf("/"))
        var list = []
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragesCount(); ++i) {
            var path = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(i)
            if (path === card || Storages.isStick(path))
                list.push({ label: Storages.label(path), path: path, kind: "storage" })
        }
        return list
    }

    function open(path) {
        var list = []
        if (path === "") {
            storageRoot = ""
            list = storages()
        } else {
            var folders = []
            var files = []
            var i
            RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentDirs(path)
            for (i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntryCount(); ++i) {
                var name = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntrybyIndex(i)
                if (name !== "." && name !== "..")
                    folders.push({ label: name, path: path + "/" + name, kind: "folder" })
            }
            RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentFiles(path)
            for (i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilesCount(); ++i) {
                var file = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(i)
                if (wanted(file))
                    files.push({ label: file, path: path, kind: "file" })
            }
            list = [{ label: "..", path: path === storageRoot ? "" : path.substring(0, path.lastIndexOf("/")), kind: "up" }]
                    .concat(folders.sort(byName), files.sort(byName))
        }
        folder = path
        entries = list
        view.positionViewAtBeginning()
    }

    function touch(entry) {
        if (entry.kind === "file") {
            close()
            chosen(entry.path, entry.label)
            return
        }
        if (entry.kind === "storage")
            storageRoot = entry.path
        open(entry.path)
    }

    Text {
        id: heading
        x: 10
        width: parent.width - 20
        height: 24
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideMiddle
        text: browser.title + (browser.folder === "" ? "" : "  " + (browser.folder === browser.storageRoot
                                                                    ? Storages.label(browser.folder)
                                                                    : browser.lastPart(browser.folder)))
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
        font.bold: true
    }

    ListView {
        id: view
        objectName: "browserList"
        x: 10
        y: heading.height
        width: parent.width - 20
        height: parent.height - heading.height - 42
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: browser.entries
        delegate: GeneralPurposeButton {
            objectName: "browse_" + modelData.label
            width: view.width - 8
            height: 30
            fontSize: 14
            gp_text: (modelData.kind === "folder" || modelData.kind === "storage" ? "\u25B8 " : "") + modelData.label
            onClicked: browser.touch(modelData)
        }
    }
    ScrollBar { flickable: view }
    Text {
        objectName: "browserEmpty"
        anchors.centerIn: view
        visible: browser.entries.length === 0
        text: qsTr("Nothing to choose from here") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    GeneralPurposeButton {
        objectName: "browserCancel"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        anchors.horizontalCenter: parent.horizontalCenter
        width: 110
        gp_text: qsTr("Cancel") + Language.emptyString
        onClicked: {
            browser.close()
            browser.cancelled()
        }
    }
}
