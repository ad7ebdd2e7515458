import QtQuick 2.15
import DBValues 1.0

// The on-screen keyboard. It edits nothing itself: every key becomes a real
// key event for the focused item through "VornKeyboard", so ordinary text
// inputs (its own field, or the owner's with standaloneInput) take it.
// Pages: 1 letters, 2 digits and symbols, 3 digits and more symbols.
Rectangle {
    id: keyboard
    // ---- what the owner sets ----
    property var sender: null
    property bool extended: false
    property string preLoadText: ""
    property int maxLen: 16
    property string language: ""
    property bool allow_special_chars: true
    property bool separator_active: false
    property bool allow_empty_text: true
    property bool standaloneInput: false
    property bool overrideTextChangeSignal: false
    signal okClicked()

    // ---- its own state ----
    property int page: 1
    property bool cap: false
    property bool capsLock: false
    property alias txtInput: field
    property string storedLanguage: ""
    readonly property string layout: language !== "" ? language : (storedLanguage === "de" ? "de" : "en")
    property int firstMaxLen: -1
    property int lines: 1
    // A text the owner hands over is never cut: the field takes it whole,
    // however long, and takes no more than that or `maxLen`.
    property bool fieldTyping: false
    // Shown for a while when a key found the field full.
    property string fullNotice: ""
    readonly property int fieldHeight: standaloneInput ? 0 : (lines >= 3 ? 75 : lines === 2 ? 55 : 30)
    readonly property int keysHeight: 145

    width: 480
    height: keysHeight + fieldHeight
    color: rootwindow.contrast_sheme === 0 ? "#202020" : "#d8d8d8"
    y: parent ? (extended ? parent.height - height : parent.height) : 0
    visible: extended || moving.running
    Behavior on y {
        NumberAnimation { id: moving; objectName: "keyboardMoving"; duration: 500; easing.type: Easing.OutElastic; easing.amplitude: 1.0; easing.period: 0.8 }
    }
    onYChanged: if (!moving.running) settled()
    Connections {
        target: moving
        function onRunningChanged() { if (!moving.running) keyboard.settled() }
    }
    // The field takes the focus with its text selected once the keyboard has
    // moved in on opening; a keyboard that only grows or shrinks with its
    // text leaves what was typed as it is.
    property bool opening: false
    function settled() {
        if (!extended || standaloneInput || !opening)
            return
        if (keyboard.mapToItem(null, 0, 0).y - rootwindow.screenY < 100) {
            opening = false
            field.forceActiveFocus()
            field.selectAll()
        }
    }

    // ---- key faces ----
    readonly property var faces: {
        if (page === 2)
            return ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "#",
                    "-", "_", ":", "/", "(", ")", "<", ">", "@", "&", "+",
                    ".", ",", "?", "!", "'", "%", "="]
        if (page === 3)
            return ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "#",
                    "~", "$", "[", "]", "*", "{", "}", "^", "\u00a3", ";", "\u00b0",
                    "\"", "|", "\u00b1", "\\", "\u00a5", "\u00f8", "\u00b5"]
        var de = layout === "de"
        return ["Q", "W", "E", "R", "T", de ? "Z" : "Y", "U", "I", "O", "P", "\u00dc",
                "A", "S", "D", "F", "G", "H", "J", "K", "L", "\u00d6", "\u00c4",
                de ? "Y" : "Z", "X", "C", "V", "B", "N", "M"]
    }
    function shown(face) {
        return page === 1 && !cap ? face.toLowerCase() : face
    }
    function keyEnabled(face) {
        if (page === 1)
            return layout === "de" || (face !== "\u00dc" && face !== "\u00d6" && face !== "\u00c4")
        if (!allow_special_chars) {
            if (page === 2 && [":", "/", "<", ">", "?"].indexOf(face) >= 0)
                return false
            if (page === 3 && ["*", "\u00a3", "\u00b0", "\"", "|", "\u00b1", "\\", "\u00a5", "\u00f8", "\u00b5"].indexOf(face) >= 0)
                return false
        }
        if (separator_active && page === 3 && face === ";")
            return false
        return true
    }
    // The Qt key of a face: its upper-case character where that is Latin-1.
    function qtKey(face) {
        var upper = face.toUpperCase()
        return upper.length === 1 && upper.charCodeAt(0) <= 0xff ? upper.charCodeAt(0) : face.charCodeAt(0)
    }

    function typeFace(face) {
        noticeIfFull()
        VornKeyboard.KLX_KeyboardHandlerEmitKey(qtKey(face), page === 1 ? cap : false)
        if (page === 1 && cap && !capsLock)
            cap = false
    }
    function typeSpace() {
        noticeIfFull()
        VornKeyboard.KLX_KeyboardHandlerEmitKey(Qt.Key_Space, false)
    }
    // A character that the field will not take is not dropped silently.
    function noticeIfFull() {
        // A selection is replaced by the key: the field is not full then.
        if (standaloneInput || field.text.length < field.maximumLength || field.selectedText !== "")
            return
        fullNotice = lines >= 3 && field.maximumLength < Math.max(maxLen, firstMaxLen)
                ? qsTr("No more than three lines") + Language.emptyString
                : qsTr("No more than %1 characters").arg(field.maximumLength) + Language.emptyString
        noticeTime.restart()
    }
    // The owner's text, whole.
    function takeText(text) {
        field.maximumLength = Math.max(maxLen, text.length)
        firstMaxLen = -1
        field.text = text
    }
    Timer {
        id: noticeTime
        interval: 2000
        onTriggered: keyboard.fullNotice = ""
    }
    function typeBackspace() { VornKeyboard.KLX_KeyboardHandlerEmitKey(Qt.Key_Backspace, false) }
    function touchShift() {
        capsLock = false
        cap = !cap
    }
    function holdShift() {
        capsLock = !capsLock
        cap = !cap
    }
    function nextPage() {
        if (page < 3) {
            page += 1
            cap = false
        } else {
            page = 1
            cap = capsLock
        }
    }
    function ok() {
        page = 1
        cap = false
        capsLock = false
        if (rootwindow.kbd_sender === keyboard)
            rootwindow.kbd_sender = null
        okClicked()
    }

    Component.onCompleted: {
        storedLanguage = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("", DatabaseValue.AtomicDirGet, false)
        takeText(preLoadText)
        rootwindow.kbd_sender = keyboard
    }
    Component.onDestruction: if (rootwindow.kbd_sender === keyboard) rootwindow.kbd_sender = null

    // ---- the keyboard's own text field ----
    onPreLoadTextChanged: if (!fieldTyping && field.text !== preLoadText) takeText(preLoadText)
    onMaxLenChanged: field.maximumLength = Math.max(maxLen, field.text.length)
    onExtendedChanged: {
        fullNotice = ""
        opening = extended
    }
    TextMetrics {
        id: metrics
        font: field.font
        text: field.text
    }
    Rectangle {
        id: fieldFrame
        visible: !keyboard.standaloneInput
        x: 4
        y: 2
        width: parent.width - 8
        height: keyboard.fieldHeight - 4
        radius: 3
        color: rootwindow.backColour
        border.width: 1
        border.color: rootwindow.textColour
        TextInput {
            id: field
            objectName: "keyboardField"
            anchors.fill: parent
            anchors.margins: 4
            wrapMode: TextInput.WrapAnywhere
            color: rootwindow.textColour
            selectionColor: "#2f7fd8"
            font.family: rootwindow.fontFamily
            font.pixelSize: 16
            clip: true
            onTextChanged: {
                keyboard.fieldTyping = true
                keyboard.preLoadText = text
                keyboard.fieldTyping = false
                if (keyboard.overrideTextChangeSignal)
                    return
                if (keyboard.firstMaxLen < 0)
                    keyboard.firstMaxLen = maximumLength
                var lineCount = Math.max(1, Math.ceil(metrics.advanceWidth / width))
                if (lineCount > 3) {
                    // A fourth line is never started: the text stays at what fits.
                    while (text.length > 0 && Math.ceil(metrics.advanceWidth / width) > 3)
                        remove(text.length - 1, text.length)
                    maximumLength = text.length
                    lineCount = 3
                } else if (lineCount < 3) {
                    maximumLength = keyboard.firstMaxLen
                }
                keyboard.lines = lineCount
            }
        }
        Text {
            objectName: "keyboardFullNotice"
            visible: keyboard.fullNotice !== ""
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 3
            text: keyboard.fullNotice
            color: "#c03030"
            font.family: rootwindow.fontFamily
            font.pixelSize: 12
        }
    }

    // ---- keys ----
    Item {
        id: keys
        y: keyboard.fieldHeight
        width: parent.width
        height: keyboard.keysHeight

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 1
            spacing: 1
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 1
                CharacterKeys { owner: keyboard; first: 0; model: 11 }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 1
                CharacterKeys { owner: keyboard; first: 11; model: 11 }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 1
                KeyboardKey {
                    objectName: "key_shift"
                    width: 64
                    label: "\u21e7"
                    tip: keyboard.capsLock
                    active: keyboard.cap
                    enabled: keyboard.page === 1
                    onTyped: keyboard.touchShift()
                    onHeld: keyboard.holdShift()
                }
                CharacterKeys { owner: keyboard; first: 22; model: 7 }
                KeyboardKey {
                    objectName: "key_backspace"
                    width: 64
                    label: "\u232b"
                    repeatInterval: 150
                    onTyped: keyboard.typeBackspace()
                }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 1
                KeyboardKey {
                    objectName: "key_page"
                    width: 86
                    label: keyboard.page === 3 ? "abc" : "123"
                    onTyped: keyboard.nextPage()
                }
                KeyboardKey {
                    objectName: "key_space"
                    width: 296
                    label: qsTr("Space") + Language.emptyString
                    onTyped: keyboard.typeSpace()
                }
                KeyboardKey {
                    objectName: "key_ok"
                    width: 92
                    label: qsTr("OK") + Language.emptyString
                    enabled: keyboard.allow_empty_text || keyboard.preLoadText !== ""
                    onTyped: keyboard.ok()
                }
            }
        }
    }
}
