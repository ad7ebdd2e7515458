import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The voice selector: the installed voices of a language (or all of them),
// the one in use marked. "Play" speaks a sample in the marked voice,
// "Select" stores it for the item the caller named and goes back:
//   itemNum 0 and up: a voice alarm; -1, -2, -3: the telemetry status
//   alarms, alarms and warnings; -4, -5: the spoken value and the text of a
//   complex-timer alarm (timer_Id, alarm_Id); ttslItem 0 and up: an item of
//   the announcement list (itemNum is then not used).
Item {
    id: selector
    objectName: "voiceSelector"

    property string language: "all"
    property string keepingmsg: ""
    property int itemNum: 0
    property int ttslItem: -1
    property int timer_Id: -1
    property int alarm_Id: -1
    property bool manage: false

    property bool showAll: manage || language === "all" || language === ""
    property var voices: []          // [{ index, name, lang, path }]
    property int marked: -1
    property int voiceCount: Database.KLX_DataBaseManagerGetVoicesCount()
    readonly property string allCode: "all"

    // The voice parameters (language, tab, display name) stored for the item.
    function storedParams() {
        if (ttslItem >= 0) {
            var items = Database.KLX_GetTTSList()
            if (ttslItem >= items.length)
                return ""
            var lang = items[ttslItem][Database.KLX_TTSLJSONTagLang()]
            var voice = items[ttslItem][Database.KLX_TTSLJSONTagVoice()]
            return lang !== "" && voice !== "" ? lang + "\t" + voice : ""
        }
        if (itemNum >= -3)
            return Database.KLX_DataBaseManagerVAlarmGetVoiceTextParams(itemNum)
        return ""
    }
    function read() {
        voiceCount = Database.KLX_DataBaseManagerGetVoicesCount()
        var text = Database.KLX_DataBaseManagerGetVoicesList(showAll ? allCode : language)
        var list = []
        var entries = text.split("\t")
        for (var i = 0; i < entries.length; ++i) {
            var entry = entries[i]
            var nl = entry.indexOf("\n")
            if (nl < 0)
                continue
            var index = parseInt(entry.substring(0, nl))
            var rest = entry.substring(nl + 1)
            var bar = rest.lastIndexOf("|")
            list.push({ index: index, name: bar >= 0 ? rest.substring(0, bar) : rest,
                        lang: bar >= 0 ? rest.substring(bar + 1) : "",
                        path: Database.KLX_DataBaseManagerGetVoicePath(index) })
        }
        voices = list
        var stored = storedParams()
        marked = -1
        for (var v = 0; v < list.length; ++v)
            if (stored !== "" && Database.KLX_DataBaseManagerGetVoiceTextParamsFromList(list[v].index) === stored)
                marked = list[v].index
    }
    function entryOf(index) {
        for (var i = 0; i < voices.length; ++i)
            if (voices[i].index === index)
                return voices[i]
        return null
    }
    // A sample in the marked voice: the caller's text, or the voice's name.
    function play() {
        var entry = entryOf(marked)
        if (entry === null)
            return
        var name = entry.name
        var bracket = name.indexOf("(")
        if (bracket >= 0)
            name = name.substring(0, bracket)
        name = name.trim()
        Database.SayText(keepingmsg !== "" ? keepingmsg : name, entry.lang, name)
    }
    function choose() {
        if (marked < 0)
            return
        var params = Database.KLX_DataBaseManagerGetVoiceTextParamsFromList(marked).split("\t")
        var lang = params[0], voice = params.length > 1 ? params[1] : ""
        var result
        if (ttslItem >= 0) {
            Database.KLX_SetTTSLLangAt(ttslItem, lang)
            Database.KLX_SetTTSLVoiceAt(ttslItem, voice)
            Database.KLX_SetTTSLVoiceIdAt(ttslItem, marked)
            Database.KLX_SaveTTSList()
        } else if (itemNum >= -3) {
            result = Database.KLX_DataBaseManagerVAlarmSetVoiceTextParams(itemNum, lang, voice)
        } else {
            var setter = itemNum === -4 ? "KLX_DataBaseManagerCmplxTimerSet_AlarmValueVoice"
                                        : "KLX_DataBaseManagerCmplxTimerSet_AlarmTextVoice"
            result = Database[setter](timer_Id, alarm_Id, lang, voice, true)
        }
        if (typeof result === "number" && result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        systemHistory.goBack()
    }

    // ---- installing and deleting (manage) ----
    // What the running task does, as its statuses tell it.
    property string packText: ""
    // The voices there will be once the speech engine has scanned them again.
    property int expectedCount: -1
    function install() {
        packText = ""
        packTask.start(GuiCmdData.KLX_LOAD_VOICEPACKS, 0, "")
    }
    function remove() {
        var entry = entryOf(marked)
        if (entry === null)
            return
        rootwindow.popupShow(null, "question", qsTr("Delete the voice \"%1\"?").arg(entry.name) + Language.emptyString,
                             "OkAbort", function() {
                                 selector.packText = qsTr("Deleting the voice ...") + Language.emptyString
                                 // Speech paused while the folder goes, and its voices scanned again after.
                                 packTask.start(GuiCmdData.KLX_UNINSTALL_VOICEPACKS, -2, entry.path)
                             })
    }
    function statusText(state, count) {
        switch (state) {
        case GuiCmdData.KLX_UPDATE_VOICESERVER_STOPPING: return qsTr("Speech is paused for the update ...") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_COPY_ZIPS: return qsTr("Copying the voice packs ...") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_UNZIPPING: return qsTr("Unpacking the voice packs ...") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_VOICES_INSTALLED:
            return installedText(count & 0xFF) + namedText() + Language.emptyString
        case GuiCmdData.KLX_UPDATE_NOTHING_TO_INSTALL: return qsTr("No voice pack was found on the USB stick.") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_VOICEDATA_CORRUPTED:
            return noneInstalledText(qsTr("The voice data is corrupted. No voice was installed.")) + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_NO_USB: return qsTr("No USB stick was found.") + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_NO_FREE_SPACE:
            return noneInstalledText(qsTr("There is not enough memory on the SD card.")) + Language.emptyString
        case GuiCmdData.KLX_UPDATE_STATUS_ERROR: return clearText() + Language.emptyString
        }
        return ""
    }
    // The packs left out, as the task lists them: one "reason<TAB>archive"
    // line each.
    function leftOut() {
        var lines = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetDialogParameter("", DatabaseValue.AtomicDirGet).split("\n")
        var packs = []
        for (var i = 0; i < lines.length; ++i) {
            var line = lines[i].split("\t")
            if (line.length === 2)
                packs.push({ reason: line[0], name: line[1] })
        }
        return packs
    }
    // The count's low byte is the voices installed.
    function installedText(installed) {
        return (installed === 1 ? qsTr("1 voice installed.") : qsTr("%1 voices installed.").arg(installed))
                + reasonsText(leftOut())
    }
    // None installed: told as when some are, else (nothing listed) in
    // `otherwise`'s words.
    function noneInstalledText(otherwise) {
        var packs = leftOut()
        return packs.length > 0 ? qsTr("No voice was installed.") + reasonsText(packs) + namedText() : otherwise
    }
    // Each reason the packs were left out for, in its own words, with how
    // many.
    function reasonsText(packs) {
        var text = ""
        var count = { room: 0, check: 0, unreadable: 0, files: 0 }
        for (var i = 0; i < packs.length; ++i) {
            var reason = packs[i].reason
            if (reason !== "clear")
                ++count[reason === "encrypted" || reason === "compression" || reason === "archive" ? "unreadable"
                        : count.hasOwnProperty(reason) ? reason : "check"]
        }
        var told = [
            [count.room, qsTr("1 voice pack was not installed: there is not enough memory on the SD card."),
             qsTr("%1 voice packs were not installed: there is not enough memory on the SD card.")],
            [count.check, qsTr("1 voice pack was not installed: it failed its check."),
             qsTr("%1 voice packs were not installed: they failed their check.")],
            [count.unreadable, qsTr("1 voice pack was not installed: it cannot be read."),
             qsTr("%1 voice packs were not installed: they cannot be read.")],
            [count.files, qsTr("1 voice pack was not installed: it holds too many files."),
             qsTr("%1 voice packs were not installed: they hold too many files.")]]
        for (var t = 0; t < told.length; ++t) {
            if (told[t][0] === 1)
                text += " " + told[t][1]
            else if (told[t][0] > 1)
                text += " " + told[t][2].arg(told[t][0])
        }
        return text
    }
    // The packs left out, each named with its reason (the box scrolls, its Ok stays
    // in view).
    function namedText() {
        var packs = leftOut()
        var text = ""
        for (var i = 0; i < packs.length; ++i) {
            var reason = packs[i].reason
            if (reason === "room")
                text += "\n" + qsTr("\"%1\" does not fit on the SD card.").arg(packs[i].name)
            else if (reason === "check")
                text += "\n" + qsTr("\"%1\" failed its check.").arg(packs[i].name)
            else if (reason === "encrypted")
                text += "\n" + qsTr("\"%1\" is encrypted.").arg(packs[i].name)
            else if (reason === "compression")
                text += "\n" + qsTr("\"%1\" uses a compression that cannot be unpacked.").arg(packs[i].name)
            else if (reason === "unreadable")
                text += "\n" + qsTr("\"%1\" cannot be read: it is no whole zip archive.").arg(packs[i].name)
            else if (reason === "archive")
                text += "\n" + qsTr("\"%1\" is an archive of a kind the transmitter cannot unpack.").arg(packs[i].name)
            else if (reason === "files")
                text += "\n" + qsTr("\"%1\" holds too many files: its checksum list may name at most 100.").arg(packs[i].name)
        }
        return text
    }
    // The folder of the card that could not be cleared, which stopped the
    // install before its packs.
    function clearText() {
        var packs = leftOut()
        for (var i = 0; i < packs.length; ++i)
            if (packs[i].reason === "clear")
                return qsTr("The voice packs cannot be installed: the folder \"%1\" on the SD card cannot be cleared.")
                        .arg(packs[i].name)
        return ""
    }
    // The statuses that tell why an install failed.
    function failureText(state) {
        return state === GuiCmdData.KLX_UPDATE_NOTHING_TO_INSTALL || state === GuiCmdData.KLX_UPDATE_VOICEDATA_CORRUPTED
                || state === GuiCmdData.KLX_UPDATE_STATUS_NO_USB || state === GuiCmdData.KLX_UPDATE_STATUS_NO_FREE_SPACE
                || state === GuiCmdData.KLX_UPDATE_STATUS_ERROR
                ? statusText(state, 0) : ""
    }
    function ended(fine, text) {
        var shown = packText
        var deleting = packTask.target === GuiCmdData.KLX_UNINSTALL_VOICEPACKS
        packText = ""
        marked = -1
        if (fine)
            expectedCount = Math.max(0, voiceCount) + (deleting ? -1 : installedCount)
        rescan.tries = 0
        rescan.start()
        if (packTask.cancelled || (fine && deleting))
            return
        var told = fine ? shown : deleting ? qsTr("The voice cannot be deleted.") + Language.emptyString
                                           : failureText(packTask.lastStatus)
        rootwindow.popupShow(null, fine ? "info" : "error", told !== "" ? told : text, "Ok")
    }
    property int installedCount: 0

    UpdateTask {
        id: packTask
        onStatus: {
            if (state === GuiCmdData.KLX_UPDATE_STATUS_VOICES_INSTALLED)
                selector.installedCount = count & 0xFF
            var text = selector.statusText(state, count)
            if (text !== "")
                selector.packText = text
        }
        onDone: selector.ended(true, "")
        onFailed: selector.ended(false, text)
    }
    // The speech engine scans the voices anew after the task: the list
    // follows until it holds what is expected, for 5 s at most.
    Timer {
        id: rescan
        property int tries: 0
        interval: 250
        repeat: true
        onTriggered: {
            selector.read()
            if (++tries >= 20 || selector.voiceCount === selector.expectedCount)
                stop()
        }
    }

    ScreenHeading {
        objectName: "voiceHeading"
        y: 2
        width: parent.width - 150
        text: selector.manage ? qsTr("Installed voices") + Language.emptyString
                              : qsTr("Voice") + Language.emptyString + (selector.keepingmsg !== "" ? ": " + selector.keepingmsg : "")
    }
    GeneralPurposeButton {
        objectName: "voiceLanguages"
        x: parent.width - width - 8
        y: 2
        width: 130
        height: 26
        fontSize: 13
        visible: selector.language !== "all" && selector.language !== ""
        gp_text: selector.showAll ? qsTr("All languages") + Language.emptyString : qsTr("Language") + Language.emptyString + ": " + selector.language
        onClicked: {
            selector.showAll = !selector.showAll
            selector.read()
        }
    }

    ListView {
        id: view
        objectName: "voiceList"
        x: 8
        y: 32
        width: parent.width - 16
        height: 170
        clip: true
        spacing: 3
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: selector.voices
        delegate: GeneralPurposeButton {
            objectName: "voice_" + modelData.index
            width: view.width - 10
            height: 30
            gp_text: modelData.name + (selector.showAll ? "" : "  \u2013  " + modelData.lang)
            state: modelData.index === selector.marked ? "active" : ""
            onClicked: selector.marked = modelData.index
        }
    }
    ScrollBar { flickable: view }
    Text {
        objectName: "voiceNone"
        anchors.centerIn: view
        width: view.width - 20
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        visible: selector.voices.length === 0
        text: selector.voiceCount <= 0 ? qsTr("No voices are installed.") + Language.emptyString
                                       : qsTr("No voice speaks this language.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    Row {
        x: parent.width - width - 8
        y: 212
        spacing: 8
        GeneralPurposeButton {
            objectName: "voicePlay"
            width: 100
            visible: selector.voiceCount > 0
            state: selector.marked >= 0 ? "" : "disabled"
            gp_text: qsTr("Play") + Language.emptyString
            onClicked: selector.play()
        }
        GeneralPurposeButton {
            objectName: "voiceDelete"
            width: 100
            visible: selector.manage && selector.voiceCount > 0
            state: selector.marked >= 0 && !packTask.running ? "" : "disabled"
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: selector.remove()
        }
        GeneralPurposeButton {
            objectName: "voiceInstall"
            width: 100
            visible: selector.manage
            state: packTask.running ? "disabled" : ""
            gp_text: qsTr("Install") + Language.emptyString
            onClicked: selector.install()
        }
        GeneralPurposeButton {
            objectName: "voiceSelect"
            width: 100
            visible: !selector.manage && selector.voiceCount > 0
            state: selector.marked >= 0 ? "" : "disabled"
            gp_text: qsTr("Select") + Language.emptyString
            onClicked: selector.choose()
        }
    }

    // The running install or delete: what it does now.
    ProgressBox {
        objectName: "voicePackProgress"
        visible: packTask.running
        abortable: false
        busy: true
        title: selector.packText !== "" ? selector.packText : qsTr("Please wait ...") + Language.emptyString
        titleName: "voicePackText"
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(language)
        systemHistory.addArg(keepingmsg)
        systemHistory.addArg(itemNum)
        systemHistory.addArg(ttslItem)
        systemHistory.addArg(manage)
        systemHistory.addEndOfArgs()
        read()
    }
}
