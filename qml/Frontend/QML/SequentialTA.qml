import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The announcement list: short texts, each spoken in its own voice, stepped
// through in flight by three switches or here on the screen. The list is a
// file in the lists folder; every change is saved at once, so a new list is
// named before it takes items. "Open" takes a list from the card or a USB
// stick (a file from elsewhere is copied into the lists folder first),
// "Export" writes the list onto a USB stick.
Item {
    id: screen
    objectName: "announcementList"

    property var items: []
    property int current: -1
    property string listName: ""
    readonly property bool named: listName !== ""
    readonly property int switchCount: Database.KLX_DataBaseManagerGetMaxVirualSwitches()
    readonly property int firstSwitch: GuiCmdData.CONTROLID_Virtual_00_GUI
    readonly property string tagText: Database.KLX_TTSLJSONTagText()
    readonly property string tagLang: Database.KLX_TTSLJSONTagLang()
    readonly property string tagVoice: Database.KLX_TTSLJSONTagVoice()
    // The lists folder, where the card's folders are.
    readonly property string listsFolder: {
        var top = RuntimeDatabase.KLX_FolderGetTopModelFilePath()
        return top.substring(0, top.lastIndexOf("/")) + "/Announcements"
    }
    // What the keyboard is for: "new" (a list's name), "name" or "text".
    property string typing: ""
    // The switches' roles: the selector's caller and the facade's getter.
    readonly property var roles: [
        { caller: "forward", getter: "KLX_GetTTSLForwardControl" },
        { caller: "backward", getter: "KLX_GetTTSLBackwardControl" },
        { caller: "restart", getter: "KLX_GetTTSLRestartControl" }
    ]
    property int revision: 0

    function get() { return DatabaseValue.AtomicDirGet }
    function systemLanguage() { return Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", get()) }
    function read() {
        listName = Database.KLX_DataBaseManagerGetLastUsedTTSList()
        items = Database.KLX_GetTTSList()
        current = Database.KLX_GetTTSLIndex()
        revision += 1
    }
    function save() {
        Database.KLX_SaveTTSList()
        read()
    }
    function textOf(i) { return i >= 0 && i < items.length ? items[i][tagText] : "" }
    function voiceOf(i) {
        if (i < 0 || i >= items.length)
            return ""
        var lang = items[i][tagLang], voice = items[i][tagVoice]
        return lang === "None" || lang === "" ? qsTr("No voice") + Language.emptyString : voice + " (" + lang + ")"
    }

    // ---- the list ----
    // A list is kept in its file, so a new one is named first: without a
    // name nothing of it could be saved. The list shown stays until then.
    function newList() {
        typing = "new"
        openNameKeys("")
    }
    function editName() {
        typing = "name"
        openNameKeys(listName.replace(/\.txt$/, ""))
    }
    function openNameKeys(text) {
        keys.maxLen = 40
        keys.preLoadText = text
        keys.extended = true
        rootwindow.kbd_sender = keys
    }
    // A name typed without a dot is a ".txt" file; a name of another list
    // asks before that list is overwritten.
    function nameTyped(text) {
        if (text === "")
            return
        var name = text.indexOf(".") < 0 ? text + ".txt" : text
        var fresh = typing === "new"
        if (name === listName && !fresh)
            return
        if (Database.KLX_TTSListExists(name)) {
            rootwindow.popupShow(null, "question", qsTr("A list of this name exists already.\nOverwrite it?") + Language.emptyString,
                                 "OkAbort", function() { screen.takeName(name, fresh) })
            return
        }
        takeName(name, fresh)
    }
    function takeName(name, fresh) {
        if (Database.KLX_DataBaseManagerSetLastUsedTTSList(name) !== 1) {
            rootwindow.popupShow(null, "error", qsTr("This name cannot be used.\nA name must not contain / or \"..\".") + Language.emptyString, "Ok")
            return
        }
        if (fresh)
            Database.KLX_ClearTTSL()
        save()
    }
    // Starts in the lists folder; ".." leads to the card and the USB sticks.
    function openList() {
        browser.storageRoot = listsFolder
        browser.show(listsFolder)
    }
    // A list from the lists folder is taken as it is; one from elsewhere is
    // copied there first, after asking when one of its name is there.
    function listChosen(folder, file) {
        if (folder === listsFolder) {
            load(file)
            return
        }
        if (Database.KLX_TTSListExists(file)) {
            rootwindow.popupShow(null, "question", qsTr("A list of this name exists already.\nOverwrite it?") + Language.emptyString,
                                 "OkAbort", function() {
                                     Database.KLX_DataBaseManagerDeleteTTSList(file)
                                     screen.copyAndLoad(folder, file)
                                 })
            return
        }
        copyAndLoad(folder, file)
    }
    function copyAndLoad(folder, file) {
        if (!Database.KLX_DataBaseManagerCopyTTSList(folder + "/" + file)) {
            rootwindow.popupShow(null, "error", qsTr("The list could not be copied to the SD card.") + Language.emptyString, "Ok")
            return
        }
        load(file)
    }
    function load(file) {
        if (Database.KLX_DataBaseManagerSetLastUsedTTSList(file) !== 1)
            return
        Database.KLX_TTSListBuild()
        read()
    }
    function exportList() {
        if (Database.KLX_ExportTTSList())
            rootwindow.popupShow(null, "info", qsTr("The list was written to the USB stick.") + Language.emptyString, "Ok")
        else
            rootwindow.popupShow(null, "attention", qsTr("No USB stick found, or the list could not be written to it.") + Language.emptyString, "Ok")
    }

    // ---- the items ----
    function addItem() {
        Database.KLX_AppendTTSLNewItem(systemLanguage())
        save()
        list.positionViewAtEnd()
    }
    function editText() {
        if (current < 0)
            return
        typing = "text"
        keys.maxLen = 127
        keys.preLoadText = textOf(current)
        keys.extended = true
        rootwindow.kbd_sender = keys
    }
    function textTyped(text) {
        if (current < 0 || text === textOf(current))
            return
        Database.KLX_SetTTSLTextAt(current, text)
        save()
    }
    function chooseVoice() {
        if (current < 0)
            return
        rootwindow.openScreen("qrc:/Frontend/QML/VoiceSelector.qml",
                              { language: systemLanguage(), keepingmsg: textOf(current), itemNum: 0, ttslItem: current })
    }
    function askDelete() {
        if (current < 0)
            return
        var at = current
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this announcement?") + Language.emptyString
                             + "\n\"" + textOf(at) + "\"", "OkAbort", function() { screen.deleteItem(at) })
    }
    function deleteItem(at) {
        if (!Database.KLX_DeleteTTSLItemAt(at))
            return
        // The current item went, or one before it: the index steps back with it.
        if (at <= Database.KLX_GetTTSLIndex())
            Database.KLX_DecrementTTSLIndex()
        save()
    }

    // ---- the switches ----
    // The switch that steps the list in a role: a virtual switch of the
    // model (its index), or -1.
    function switchOf(role) {
        var control = Database[roles[role].getter]()
        var n = control - firstSwitch
        if (n < 0 || n >= switchCount || Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(n, 0, get(), false) !== DatabaseValue.KLX_True)
            return -1
        return n
    }
    function hidden(n) {
        return n >= 0 && Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(n, 0, get(), false) === DatabaseValue.KLX_False
    }
    // The physical control behind a role's own switch, or the switch by name.
    function switchName(role) {
        var dummy = revision
        var n = switchOf(role)
        if (n < 0)
            return "---"
        if (!hidden(n))
            return Database.KLX_DataBaseManagerSwitchGetSet_Name(n, "", get())
        var input = Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(n, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
        return input > 0 ? Database.KLX_DataBaseManagerGetNameOfControlByID(input) : "---"
    }
    function chooseSwitch(role) {
        var n = switchOf(role)
        var own = hidden(n) ? n : switchCount
        var initial = hidden(n) ? Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(n, DatabaseValue.VIRTUAL_SWITCH_ID_A, 0, get(), false)
                                : n >= 0 ? firstSwitch + n : GuiCmdData.CONTROLID_None_GUI
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: roles[role].caller, funcId: own, initialControlId: initial })
    }

    Connections {
        target: TTSList
        function onTtslindexChanged(text, lang, voice) {
            screen.current = Database.KLX_GetTTSLIndex()
            if (screen.current >= 0)
                list.positionViewAtIndex(screen.current, ListView.Contain)
        }
    }

    // ---- heading and list commands ----
    ScreenHeading {
        objectName: "announcementHeading"
        y: 2
        // Without a list the heading names none: the box below says so.
        // The keys of a new list's name start empty: the heading says what
        // they are for.
        text: keys.extended && screen.typing === "new" ? qsTr("Name of the new list:") + Language.emptyString
              : qsTr("Anchorman") + Language.emptyString + (screen.named ? ": " + screen.listName : "")
    }
    Row {
        x: 5
        y: 28
        spacing: 5
        GeneralPurposeButton {
            objectName: "listNew"
            width: 72
            gp_text: qsTr("New") + Language.emptyString
            onClicked: screen.newList()
        }
        GeneralPurposeButton {
            objectName: "listOpen"
            width: 72
            gp_text: qsTr("Open") + Language.emptyString
            onClicked: screen.openList()
        }
        GeneralPurposeButton {
            objectName: "listName"
            width: 72
            gp_text: qsTr("Name") + Language.emptyString
            onClicked: screen.editName()
        }
        GeneralPurposeButton {
            objectName: "listExport"
            width: 72
            gp_text: qsTr("Export") + Language.emptyString
            state: screen.named ? "" : "disabled"
            onClicked: screen.exportList()
        }
    }

    // ---- the items ----
    Rectangle {
        x: 5
        y: 63
        width: 307
        height: 144
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
        ListView {
            id: list
            objectName: "announcementItems"
            anchors.fill: parent
            anchors.margins: 2
            clip: true
            spacing: 2
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: screen.items.length
            delegate: Rectangle {
                objectName: "announcement_" + index
                width: list.width
                height: 34
                radius: 3
                color: index === screen.current ? "#2f7fd8" : "transparent"
                readonly property color ink: index === screen.current ? "white" : rootwindow.textColour
                Text {
                    x: 4
                    y: 1
                    width: parent.width - 8
                    text: (index + 1) + ". " + screen.textOf(index)
                    color: parent.ink
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                    elide: Text.ElideRight
                }
                Text {
                    x: 22
                    y: 19
                    width: parent.width - 26
                    text: screen.voiceOf(index)
                    color: parent.ink
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 11
                    elide: Text.ElideRight
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: Database.KLX_SetTTSListIndex(index)
                }
            }
        }
        EmptyListHint {
            objectName: "announcementHint"
            view: list
            text: screen.named ? qsTr("The list is empty. \"+\" adds an announcement.") + Language.emptyString
                               : qsTr("No list. \"New\" starts one, \"Open\" loads one.") + Language.emptyString
            font.pixelSize: 14
        }
    }
    Row {
        x: 5
        y: 212
        spacing: 5
        GeneralPurposeButton {
            objectName: "itemAdd"
            width: 72
            gp_text: "+"
            state: screen.named ? "" : "disabled"
            onClicked: screen.addItem()
        }
        GeneralPurposeButton {
            objectName: "itemText"
            width: 72
            gp_text: qsTr("Text") + Language.emptyString
            state: screen.current >= 0 ? "" : "disabled"
            onClicked: screen.editText()
        }
        GeneralPurposeButton {
            objectName: "itemVoice"
            width: 72
            gp_text: qsTr("Voice") + Language.emptyString
            state: screen.current >= 0 ? "" : "disabled"
            onClicked: screen.chooseVoice()
        }
        GeneralPurposeButton {
            objectName: "itemDelete"
            width: 72
            gp_text: qsTr("Delete") + Language.emptyString
            state: screen.current >= 0 ? "" : "disabled"
            onClicked: screen.askDelete()
        }
    }

    // ---- the switches and stepping here ----
    Column {
        x: 320
        y: 28
        spacing: 5
        Repeater {
            model: 3
            Column {
                spacing: 1
                Row {
                    spacing: 4
                    Text {
                        width: 100
                        height: 16
                        text: [qsTr("Forward"), qsTr("Backward"), qsTr("Restart")][index] + Language.emptyString
                        color: rootwindow.textColour
                        font.family: rootwindow.fontFamily
                        font.pixelSize: 13
                    }
                    ControlPositionIndicator {
                        objectName: "switchState_" + index
                        y: 2
                        scale: 0.7
                        control: { var dummy = screen.revision; var n = screen.switchOf(index); return n >= 0 ? screen.firstSwitch + n : 0 }
                    }
                }
                GeneralPurposeButton {
                    objectName: "switch_" + screen.roles[index].caller
                    width: 152
                    gp_text: screen.switchName(index)
                    onClicked: screen.chooseSwitch(index)
                }
            }
        }
        Row {
            spacing: 4
            GeneralPurposeButton {
                objectName: "stepBack"
                width: 48
                height: 36
                gp_text: "\u25c0"
                onClicked: Database.KLX_DecrementTTSLIndex()
            }
            GeneralPurposeButton {
                objectName: "stepRestart"
                width: 48
                height: 36
                gp_text: "\u21ba"
                onClicked: Database.KLX_ResetTTSListIndex()
            }
            GeneralPurposeButton {
                objectName: "stepForward"
                width: 48
                height: 36
                gp_text: "\u25b6"
                onClicked: Database.KLX_IncrementTTSLIndex()
            }
        }
    }

    FileBrowser {
        id: browser
        objectName: "listBrowser"
        title: qsTr("Open a list") + Language.emptyString
        nameFilters: ["txt"]
        onChosen: screen.listChosen(folder, file)
    }
    Keyboard {
        id: keys
        objectName: "announcementKeyboard"
        z: 80
        allow_empty_text: false
        onOkClicked: {
            keys.extended = false
            if (screen.typing === "text")
                screen.textTyped(keys.preLoadText)
            else
                screen.nameTyped(keys.preLoadText)
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        read()
    }
}
