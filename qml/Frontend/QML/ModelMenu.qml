import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model menu: the folders of the six model types and the user's own
// folders below the model root on the left, the models of the chosen folder
// with their pictures on the right, the current model marked. A model is
// loaded as the current model, made new (and then set up with the model
// assistant), copied, renamed, deleted and given a picture here; folders are
// made, renamed and deleted (a held folder of the user's own).
Item {
    id: menu
    objectName: "modelMenu"

    readonly property var typeFolders: ["Plane", "Helicopter", "Multicopter", "Boat", "Car", "Other"]
    readonly property var pictureTypes: ["png", "jpg", "jpeg", "gif"]
    readonly property int modelNameLength: 19
    readonly property int folderNameLength: 13
    readonly property int deleteFolderAction: 127
    property var folders: []          // [{ type, name, label, path }]
    property int folderIndex: 0
    property var models: []           // [{ name, picture, picturePath }]: a file in "Pictures" or ""
    property int selected: -1
    property int revision: 0          // pictures are read again after a change
    property string currentName: ""
    property string currentFolder: "" // the folder's name below the model root
    property bool modelLoaded: false

    // ---- what is shown ----
    function typeLabel(type) {
        switch (type) {
        case 1: return qsTr("Plane") + Language.emptyString
        case 2: return qsTr("Helicopter") + Language.emptyString
        case 3: return qsTr("Multicopter") + Language.emptyString
        case 4: return qsTr("Boat") + Language.emptyString
        case 5: return qsTr("Car") + Language.emptyString
        case 6: return qsTr("Other") + Language.emptyString
        }
        return ""
    }
    function lastPart(path) {
        var p = path
        while (p.length > 1 && p.charAt(p.length - 1) === "/")
            p = p.substring(0, p.length - 1)
        return p.substring(p.lastIndexOf("/") + 1)
    }
    function withoutSlash(path) { return path.length > 1 && path.charAt(path.length - 1) === "/" ? path.substring(0, path.length - 1) : path }
    function byLabel(a, b) { return a.label.toLowerCase() < b.label.toLowerCase() ? -1 : a.label.toLowerCase() > b.label.toLowerCase() ? 1 : 0 }
    function fileUrl(path) { return "file://" + path.split("/").map(encodeURIComponent).join("/") }

    function folder() { return folderIndex >= 0 && folderIndex < folders.length ? folders[folderIndex] : null }
    function model() { return selected >= 0 && selected < models.length ? models[selected] : null }
    function isCurrent(entry) {
        var f = folder()
        return modelLoaded && entry !== null && f !== null && entry.name === currentName && f.name === currentFolder
    }

    function readCurrent() {
        var get = DatabaseValue.AtomicDirGet
        currentName = Database.KLX_DataBaseManagerVornPropertiesGetModelName()
        var path = Database.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder("", get, false)
        var type = Database.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, get, false)
        currentFolder = path !== "" ? lastPart(path) : (type >= 1 && type <= 6 ? typeFolders[type - 1] : "")
        modelLoaded = currentName !== ""
                && Database.KLX_DataBaseManagerGetSetModelLoadState(0, get) === GuiCmdData.KLX_MODELLLOAD_STATUS_READY
    }

    // The type folders first, then the user's own by name.
    function readFolders() {
        var top = RuntimeDatabase.KLX_FolderGetTopModelFilePath()
        var list = []
        for (var type = 1; type <= 6; ++type)
            list.push({ type: type, name: typeFolders[type - 1], label: typeLabel(type),
                        path: withoutSlash(RuntimeDatabase.KLX_FolderGetModelFilePath(type)) })
        var own = []
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentDirs(top)
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntryCount(); ++i) {
            var name = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetEntrybyIndex(i)
            if (name !== "." && name !== ".." && typeFolders.indexOf(name) < 0)
                own.push({ type: 0, name: name, label: name, path: top + "/" + name })
        }
        folders = list.concat(own.sort(byLabel))
    }

    // The models of the chosen folder and their pictures (one per model,
    // named after it, in the folder's "Pictures").
    function readModels() {
        var f = folder()
        if (f === null) {
            models = []
            return
        }
        var pictures = {}
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentFiles(f.path + "/Pictures")
        var i
        for (i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilesCount(); ++i) {
            var file = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(i)
            var dot = file.lastIndexOf(".")
            if (dot > 0 && pictureTypes.indexOf(file.substring(dot + 1).toLowerCase()) >= 0)
                pictures[file.substring(0, dot)] = file
        }
        if (f.type > 0)
            RuntimeDatabase.KLX_RuntimeDatabaseCreateModelList(f.type)
        else
            RuntimeDatabase.KLX_RuntimeDatabaseCreateModelList(0, f.name)
        var list = []
        for (i = 0; i < RuntimeDatabase.KLX_FolderHandlerGetEntryCount(); ++i) {
            var entry = RuntimeDatabase.KLX_FolderHandlerGetEntrybyIndex(i)
            var name = entry.substring(0, entry.length - 4)
            var picture = pictures.hasOwnProperty(name) ? pictures[name] : ""
            list.push({ name: name, picture: picture, picturePath: picture !== "" ? f.path + "/Pictures/" + picture : "" })
        }
        models = list
        revision++
    }

    // Everything read again; the selection follows the model of that name.
    function refresh(selectName) {
        var keep = selectName !== undefined ? selectName : (model() !== null ? model().name : "")
        readCurrent()
        var shownFolder = folder() !== null ? folder().name : ""
        readFolders()
        folderIndex = Math.max(0, folders.map(function(f) { return f.name }).indexOf(shownFolder))
        readModels()
        selected = models.map(function(m) { return m.name }).indexOf(keep)
        showPlaces()
    }
    // The lists were made anew: the chosen folder and model are brought into view.
    function showPlaces() {
        folderList.forceLayout()
        folderList.positionViewAtIndex(folderIndex, ListView.Contain)
        modelList.forceLayout()
        if (selected >= 0)
            modelList.positionViewAtIndex(selected, ListView.Contain)
    }
    function showFolder(index) {
        folderIndex = index
        selected = -1
        readModels()
        modelList.positionViewAtBeginning()
    }
    function showFolderNamed(name, selectName) {
        var index = folders.map(function(f) { return f.name }).indexOf(name)
        if (index < 0)
            return
        folderIndex = index
        readModels()
        selected = models.map(function(m) { return m.name }).indexOf(selectName === undefined ? "" : selectName)
        showPlaces()
    }

    // ---- names ----
    function nameTaken(name, except) {
        for (var i = 0; i < models.length; ++i)
            if (models[i].name !== except && models[i].name.toLowerCase() === name.toLowerCase())
                return true
        return RuntimeDatabase.KLX_FolderisFileExistinig(folder().path, name + ".xml") && name !== except
    }
    function folderTaken(name, except) {
        for (var i = 0; i < folders.length; ++i)
            if (folders[i].name !== except && folders[i].name.toLowerCase() === name.toLowerCase())
                return true
        return false
    }
    // A name the keyboard gives: true when it may be used, else the user is told why.
    function nameUsable(text, isFolder, taken) {
        if (text === "") {
            errorHandler.processError("emptyString")
            return false
        }
        if (!RuntimeDatabase.KLX_RuntimeDatabaseIsValidModelName(text, isFolder)) {
            // The backslash comes as an argument: the translation tools drop an
            // escaped one from the text, and the translation would not be found.
            rootwindow.popupShow(null, "error", qsTr("This name cannot be used.\nA name must not contain / %1 : * ? \" < > | or \"..\".").arg("\\") + Language.emptyString, "Ok")
            return false
        }
        if (taken) {
            errorHandler.processError("nameDuplicate")
            return false
        }
        return true
    }

    property string keysPurpose: ""   // "new", "rename", "folder"
    property string keysOld: ""
    function editName(purpose, old) {
        keysPurpose = purpose
        keysOld = old
        var keys = made("keyboard", keysComponent)
        keys.maxLen = purpose === "folder" ? folderNameLength : modelNameLength
        keys.preLoadText = old
        keys.extended = true
        rootwindow.kbd_sender = keys
    }
    // What the keys are asked for, above them.
    function keysPrompt() {
        var f = folder()
        if (keysPurpose === "folder")
            return qsTr("New name of the folder:") + Language.emptyString
        if (keysPurpose === "rename")
            return qsTr("New name of the model:") + Language.emptyString
        return qsTr("Name of the new model in %1:").arg(f !== null ? f.label : "") + Language.emptyString
    }
    function nameTyped(text) {
        if (text === keysOld && keysPurpose !== "new")
            return
        if (keysPurpose === "folder") {
            if (nameUsable(text, true, folderTaken(text, keysOld)))
                renameFolder(keysOld, text)
        } else if (keysPurpose === "rename") {
            if (nameUsable(text, false, nameTaken(text, keysOld)))
                renameModel(text)
        } else if (nameUsable(text, false, nameTaken(text, ""))) {
            newModel(text)
        }
    }

    // ---- tasks: one at a time, the touch keys locked while it runs ----
    property bool busy: false
    property string busyText: ""
    property bool showPercent: false
    property var onTaskDone: null
    property var onTaskFailed: null

    function lock(text, percent) {
        busy = true
        busyText = text
        showPercent = percent === true
        rootwindow.smartKeyLock = true
    }
    function unlock() {
        busy = false
        showPercent = false
        rootwindow.smartKeyLock = false
    }
    // ints: the task's first integer parameters (the rest are "none").
    function startTask(taskId, ints, s1, s2, s3, done, failed) {
        var p = ints.slice()
        while (p.length < 6)
            p.push(GuiCmdData.KLX_TASK_PARA_NONE)
        onTaskDone = done
        onTaskFailed = failed === undefined ? null : failed
        if (!busy)
            lock("", false)
        var result = Command.KLX_GuiCommandHandlerDoTask(taskId, p[0], p[1], p[2], p[3], p[4], p[5], s1, s2, s3)
        if (result <= DatabaseValue.KLX_Error) {
            // A refused task never reports: the keys would stay locked.
            taskEnded()
            errorHandler.processError(result)
        }
    }
    function taskEnded() {
        onTaskDone = null
        onTaskFailed = null
        unlock()
    }
    Connections {
        target: Command
        enabled: menu.onTaskDone !== null
        function onGuiInformer(state) {
            if (state === GuiCmdData.GUI_TASK_RESULT_Working)
                return
            if (state === GuiCmdData.GUI_TASK_RESULT_Trigger || state === GuiCmdData.GUI_TASK_RESULT_ReTrigger) {
                // None of these tasks asks the user anything.
                Command.KLX_GuiCommandHandlerUserDialogInput(GuiCmdData.GUI_USER_Cancel)
                return
            }
            var done = menu.onTaskDone
            var failed = menu.onTaskFailed
            menu.taskEnded()
            if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
                done()
                return
            }
            var text = state === GuiCmdData.GUI_TASK_RESULT_Timeout ? qsTr("Timeout") + Language.emptyString
                     : state === GuiCmdData.GUI_TASK_RESULT_Error || state === DatabaseValue.KLX_Error
                       ? ErrorHndlr.KLX_ErrorHandlerGetErrorText() : errorHandler.getErrorMessage(state)
            if (failed !== null)
                failed(text)
            else
                errorHandler.processTaskError(text)
            menu.refresh()
        }
    }

    // ---- the current model is saved before another one replaces it ----
    property var afterSave: null
    property int saveTries: 0
    function saveThen(step) {
        afterSave = step
        saveTries = 0
        saveNow()
    }
    function saveNow() {
        saveTries += 1
        saveGuard.restart()
        // With the timers' values: a timer that keeps its last value shows
        // after the load what it showed before, though nothing else changed.
        Database.KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(false)
    }
    Timer {
        id: saveGuard
        interval: 10000
        onTriggered: {
            menu.afterSave = null
            menu.unlock()
            errorHandler.processError(DatabaseValue.KLX_Error)
        }
    }
    Connections {
        target: XMLFileSaver
        function onXmlSaveIsDone() {
            Database.KLX_DataBaseManagerResumeTelemetrie()
            if (menu.afterSave === null) {
                if (menu.waitFile && !menu.busy) {
                    menu.waitFile = false
                    menu.refresh()
                }
                return
            }
            // A pass that was already under way may have missed the last edit.
            if (menu.modelLoaded && (Database.KLX_DataBaseManagerGetModelModifyFlag()
                                     || XMLFileSaver.KLX_XMLFileSaverDumpPending())) {
                if (menu.saveTries < 3) {
                    menu.saveNow()
                } else {
                    saveGuard.stop()
                    menu.afterSave = null
                    menu.unlock()
                    errorHandler.processError(DatabaseValue.KLX_Error)
                }
                return
            }
            var step = menu.afterSave
            menu.afterSave = null
            saveGuard.stop()
            step()
        }
    }

    // ---- load ----
    function load(entry, whenLoaded) {
        var f = folder()
        lock(qsTr("Model loading...") + Language.emptyString, true)
        saveThen(function() {
            startTask(GuiCmdData.KLX_TASK_MOD_LOAD, [f.type], entry.name, "",
                      f.type > 0 ? "" : f.path, whenLoaded, function(text) {
                          errorHandler.processTaskError(qsTr("The model could not be loaded.") + Language.emptyString
                                                        + (text !== "" ? "\n" + text : ""))
                      })
        })
    }
    function loadSelected() {
        var entry = model()
        if (entry === null)
            return
        load(entry, function() {
            // The home screen and the strip show the model now loaded.
            systemHistory.deleteLastHistoryUntil(rootwindow.homeUrl, true)
        })
    }

    // ---- new: the model-new task, then the model assistant ----
    function newModel(name) {
        var f = folder()
        lock(qsTr("Generating new model") + Language.emptyString, false)
        saveThen(function() {
            startTask(GuiCmdData.KLX_TASK_MOD_NEW, [f.type], name, "", f.type > 0 ? "" : f.path,
                      function() { rootwindow.openScreen("qrc:/Frontend/QML/ModelTypeChoose.qml") })
        })
    }

    // ---- copy, rename, delete ----
    // Without a current model the saver's permission is withheld and the file
    // tasks refuse; the user is told what to do instead.
    function needsModel() {
        if (modelLoaded)
            return false
        rootwindow.popupShow(null, "attention", qsTr("There is no current model.\nLoad a model or make a new one first.") + Language.emptyString, "Ok")
        return true
    }
    function copySelected() {
        if (model() === null || needsModel())
            return
        var entries = []
        for (var i = 0; i < folders.length; ++i)
            entries.push({ label: i === folderIndex ? folders[i].label + " (_cpy)" : folders[i].label, value: i })
        var chooser = made("copyChooser", chooserComponent)
        chooser.title = qsTr("Copy %1 to:").arg(model().name) + Language.emptyString
        chooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function copyTo(target) {
        var entry = model()
        var f = folder()
        var beside = target === folderIndex
        var to = folders[target]
        var shownName = beside ? entry.name + "_cpy" : entry.name
        rootwindow.popupShow(null, "question", qsTr("The model is copied as: ") + Language.emptyString + shownName + "\n"
                             + qsTr("Folder: ") + Language.emptyString + to.label + qsTr("\nProceed?") + Language.emptyString,
                             "OkAbort", function() {
                                 startTask(GuiCmdData.KLX_TASK_MOD_COPY, [f.type], entry.name,
                                           beside ? "" : to.path, f.path, function() {
                                               menu.refresh()
                                               menu.showFolderNamed(to.name, shownName)
                                           })
                             })
    }
    function renameSelected() {
        var entry = model()
        if (entry === null)
            return
        if (isCurrent(entry)) {
            editName("rename", entry.name)
            return
        }
        // Only the current model is renamed (the saver writes it under its new name).
        rootwindow.popupShow(null, "question", qsTr("Only the current model can be renamed.\nLoad this model now and rename it?") + Language.emptyString,
                             "OkAbort", function() {
                                 menu.load(entry, function() {
                                     menu.refresh(entry.name)
                                     menu.editName("rename", entry.name)
                                 })
                             })
    }
    // The saver writes the file under its new name on the pass the task asks for.
    property bool waitFile: false
    function renameModel(name) {
        var f = folder()
        startTask(GuiCmdData.KLX_TASK_MOD_RENAME, [0], name, f.path, "", function() {
            menu.refresh(name)
            menu.waitFile = menu.selected < 0
        })
    }
    function deleteSelected() {
        var entry = model()
        if (entry === null || needsModel())
            return
        var f = folder()
        var run = function() {
            startTask(GuiCmdData.KLX_TASK_MOD_DELETE, [f.type], entry.name, "", f.path,
                      function() { menu.refresh("") })
        }
        // The task itself refuses the current model, with its own text.
        if (isCurrent(entry)) {
            run()
            return
        }
        rootwindow.popupShow(null, "question", qsTr("You are about to delete the following model: ") + Language.emptyString
                             + entry.name + qsTr("\nProceed?") + Language.emptyString, "OkAbort", run)
    }

    // ---- picture ----
    function pictureSelected() {
        var entry = model()
        if (entry === null)
            return
        var browser = made("browser", browserComponent)
        browser.title = qsTr("Picture for") + Language.emptyString + " " + entry.name + ":"
        browser.show("")
    }
    function assignPicture(sourceFolder, file) {
        var entry = model()
        if (entry === null)
            return
        if (RuntimeDatabase.KLX_RuntimeDatabaseManagerAssignNewPictureToModel(sourceFolder, file, folder().path, entry.name)
                !== DatabaseValue.KLX_Ok)
            errorHandler.processError(DatabaseValue.KLX_Error)
        refresh()
    }

    // ---- folders ----
    function newFolder() {
        startTask(GuiCmdData.KLX_TASK_COPY_MOD_EXTERNAL, [GuiCmdData.KLX_TASK_PARA_NEW_FOLDER], "", "",
                  RuntimeDatabase.KLX_FolderGetTopModelFilePath(), function() {
                      var given = RuntimeDatabase.KLX_RuntimeDatabaseGetNameOfLastCreatedFolder()
                      menu.refresh()
                      menu.showFolderNamed(given)
                      // It is named at once; the name it was given stays when kept.
                      if (given !== "")
                          menu.editName("folder", given)
                  })
    }
    function renameFolder(oldName, name) {
        startTask(GuiCmdData.KLX_TASK_MOD_RENAME, [1], name, oldName,
                  currentFolder === oldName ? oldName : "", function() {
                      menu.refresh()
                      menu.showFolderNamed(name)
                  })
    }
    function deleteFolder(index) {
        var f = folders[index]
        showFolder(index)
        if (models.length > 0 || (modelLoaded && currentFolder === f.name)) {
            errorHandler.processError(DatabaseValue.CannotDeleteNonEmptyFolder)
            return
        }
        rootwindow.popupShow(null, "question", qsTr("You are about to delete the following folder: ") + Language.emptyString
                             + f.label + qsTr("\nProceed?") + Language.emptyString, "OkAbort", function() {
                                 // It holds no model: its picture folder goes with it.
                                 startTask(GuiCmdData.KLX_TASK_COPY_MOD_EXTERNAL,
                                           [GuiCmdData.KLX_TASK_PARA_COPY_MOD_TO_USB, GuiCmdData.KLX_TASK_PARA_COPYDEL_SINGLE,
                                            menu.deleteFolderAction, 1], f.name, f.path, "", function() {
                                               menu.folderIndex = 0
                                               menu.refresh()
                                           })
                             })
    }
    function folderOption(name, index) {
        folderOptions.close()
        if (name === "rename")
            editName("folder", folders[index].name)
        else if (name === "delete")
            deleteFolder(index)
    }

    // ---- drawing ----
    Text {
        id: heading
        objectName: "currentModelLabel"
        x: 8
        width: parent.width - 16
        height: 24
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        text: menu.typing ? menu.keysPrompt()
            : menu.modelLoaded ? qsTr("Current model: ") + Language.emptyString + menu.currentName
                               : qsTr("No model loaded: load one or make a new one.") + Language.emptyString
        color: menu.modelLoaded || menu.typing ? rootwindow.textColour : "#f58c00"
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
        font.bold: true
    }

    ListView {
        id: folderList
        objectName: "folderList"
        x: 4
        y: heading.height
        width: 132
        height: parent.height - heading.height - 76
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: menu.folders
        delegate: GeneralPurposeButton {
            objectName: "folder_" + index
            width: folderList.width - 8
            height: 28
            fontSize: 14
            gp_text: modelData.label
            state: index === menu.folderIndex ? "active" : ""
            onClicked: menu.showFolder(index)
            onLongclicked: {
                if (modelData.type !== 0)
                    return
                folderOptions.open([{ name: "rename", label: qsTr("Rename") + Language.emptyString },
                                    { name: "delete", label: qsTr("Delete") + Language.emptyString }], index)
            }
        }
    }
    ScrollBar { flickable: folderList }
    GeneralPurposeButton {
        objectName: "newFolder"
        x: 4
        y: folderList.y + folderList.height + 4
        width: folderList.width - 8
        height: 28
        fontSize: 14
        gp_text: qsTr("+ Folder") + Language.emptyString
        onClicked: menu.newFolder()
    }

    ListView {
        id: modelList
        objectName: "modelList"
        x: 142
        y: heading.height
        width: parent.width - x - 4
        height: parent.height - heading.height - 44
        clip: true
        spacing: 2
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: menu.models
        delegate: Rectangle {
            id: row
            objectName: "model_" + index
            readonly property bool current: (menu.revision, menu.isCurrent(modelData))
            width: modelList.width - 8
            height: 42
            radius: 4
            color: index === menu.selected ? Qt.rgba(0.18, 0.5, 0.85, 0.35) : "transparent"
            border.width: row.current ? 2 : 1
            border.color: row.current ? "#2f7fd8" : rootwindow.rectBorderColour
            Image {
                objectName: "picture_" + index
                x: 4
                y: 3
                width: 48
                height: 36
                fillMode: Image.PreserveAspectFit
                cache: false
                sourceSize.width: 96
                sourceSize.height: 72
                source: modelData.picture !== "" ? menu.fileUrl(modelData.picturePath) + "?" + menu.revision
                        : "qrc:/Frontend/Images/MainMenu/Model" + rootwindow.iconSuffix + ".svg"
                opacity: modelData.picture !== "" ? 1 : 0.35
            }
            Text {
                x: 60
                y: row.current ? 2 : 0
                width: row.width - x - 6
                height: row.current ? 22 : row.height
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: modelData.name
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
                font.bold: row.current
            }
            Text {
                x: 60
                y: 22
                height: 18
                visible: row.current
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Current model") + Language.emptyString
                color: "#2f7fd8"
                font.family: rootwindow.fontFamily
                font.pixelSize: 12
            }
            MouseArea {
                anchors.fill: parent
                onClicked: menu.selected = index
            }
        }
    }
    ScrollBar { flickable: modelList }
    Text {
        objectName: "emptyFolder"
        anchors.centerIn: modelList
        width: modelList.width - 20
        visible: menu.models.length === 0
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: qsTr("No models in this folder.\n\"New\" makes one here.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    Row {
        id: actions
        x: 4
        y: parent.height - 36
        spacing: 4
        readonly property int buttonWidth: (menu.width - 8 - 5 * spacing) / 6
        GeneralPurposeButton {
            objectName: "modelNew"
            width: actions.buttonWidth
            fontSize: 14
            gp_text: qsTr("New") + Language.emptyString
            onClicked: menu.editName("new", "")
        }
        Repeater {
            model: [{ name: "modelLoad", text: qsTr("Load") + Language.emptyString },
                    { name: "modelCopy", text: qsTr("Copy") + Language.emptyString },
                    { name: "modelRename", text: qsTr("Rename") + Language.emptyString },
                    { name: "modelDelete", text: qsTr("Delete") + Language.emptyString },
                    { name: "modelPicture", text: qsTr("Picture") + Language.emptyString }]
            GeneralPurposeButton {
                objectName: modelData.name
                width: actions.buttonWidth
                fontSize: 14
                gp_text: modelData.text
                state: menu.selected < 0 ? "disabled" : ""
                onClicked: {
                    switch (modelData.name) {
                    case "modelLoad": return menu.loadSelected()
                    case "modelCopy": return menu.copySelected()
                    case "modelRename": return menu.renameSelected()
                    case "modelDelete": return menu.deleteSelected()
                    case "modelPicture": return menu.pictureSelected()
                    }
                }
            }
        }
    }

    OptionsBar {
        id: folderOptions
        objectName: "folderOptions"
        onChosen: menu.folderOption(name, datum)
    }

    // The keys, the copy chooser and the picture browser are made when first
    // needed: the menu opens faster without them.
    property var keyboard: null
    property var copyChooser: null
    property var browser: null
    readonly property bool typing: keyboard !== null && keyboard.extended
    function made(name, component) {
        if (menu[name] === null)
            menu[name] = component.createObject(menu)
        return menu[name]
    }
    Component {
        id: chooserComponent
        ItemChooser {
            objectName: "copyChooser"
            single: true
            onAccepted: menu.copyTo(selected[0][0])
        }
    }
    Component {
        id: browserComponent
        FileBrowser {
            objectName: "pictureBrowser"
            nameFilters: menu.pictureTypes
            onChosen: menu.assignPicture(folder, file)
        }
    }

    // A running task or a load: its text and, while a model loads, its progress.
    Rectangle {
        id: busyBox
        objectName: "busyBox"
        anchors.centerIn: parent
        width: 240
        height: 150
        radius: 6
        z: 70
        visible: menu.busy && menu.busyText !== ""
        color: rootwindow.backColour
        border.width: 2
        border.color: rootwindow.textColour
        property real percent: -1
        MouseArea { anchors.fill: parent }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 10
            text: menu.busyText
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 16
        }
        ProgressSpinner {
            objectName: "busySpinner"
            anchors.horizontalCenter: parent.horizontalCenter
            y: 40
            width: 96
            height: 96
            value: busyBox.percent
        }
        Timer {
            interval: 200
            repeat: true
            running: busyBox.visible && menu.showPercent
            onRunningChanged: busyBox.percent = -1
            onTriggered: busyBox.percent = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetOverallPercent(0, DatabaseValue.AtomicDirGet)
        }
    }
    // Touches wait while a task runs.
    MouseArea {
        anchors.fill: parent
        z: 65
        enabled: menu.busy
    }

    Component {
        id: keysComponent
        Keyboard {
            id: keys
            objectName: "modelKeyboard"
            z: 80
            allow_special_chars: false
            allow_empty_text: false
            onOkClicked: {
                keys.extended = false
                menu.nameTyped(keys.preLoadText)
            }
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        readCurrent()
        readFolders()
        var at = folders.map(function(f) { return f.name }).indexOf(currentFolder)
        folderIndex = at >= 0 ? at : 0
        readModels()
        selected = modelLoaded ? models.map(function(m) { return m.name }).indexOf(currentName) : -1
        showPlaces()
    }
    Component.onDestruction: if (busy) rootwindow.smartKeyLock = false
}
