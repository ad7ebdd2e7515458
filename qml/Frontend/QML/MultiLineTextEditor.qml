import QtQuick 2.15

// A multi-line text editor over the owning screen (notes of a label widget).
// It opens with its keyboard; "Ok" hands the text as input, "Cancel" hands
// back startText; both emit changesMade, and the owner ends it with kill().
// The touch keys are locked while it is open.
Overlay {
    id: editor
    property string startText: ""
    property string input: ""
    property bool textEdited: false
    property bool keyboardExpanded: true
    signal changesMade()
    signal kill()

    onKill: {
        rootwindow.smartKeyLock = false
        destroy()
    }
    Component.onCompleted: {
        rootwindow.smartKeyLock = true
        area.text = startText
        area.forceActiveFocus()
    }

    readonly property int textHeight: keyboardExpanded ? height - keyboard.keysHeight - 8 : (height - keyboard.keysHeight - 8) * 2

    function openKeyboard() {
        keyboard.extended = true
        area.forceActiveFocus()
    }
    function closeKeyboard() { keyboard.extended = false }
    function insertBullet() {
        var at = area.cursorPosition
        area.insert(at, at === 0 ? "\u2022 " : "\n\u2022 ")
    }

    MouseArea {
        // Left and right of the text: close the keyboard.
        anchors.fill: parent
        onClicked: editor.closeKeyboard()
    }

    Flickable {
        id: scroller
        x: 44
        y: 4
        width: parent.width - 88
        height: Math.min(editor.textHeight, editor.height - (editor.keyboardExpanded ? keyboard.keysHeight : 40) - 8)
        contentWidth: width
        contentHeight: Math.max(area.contentHeight + 8, height)
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        function ensureVisible(r) {
            if (contentY >= r.y)
                contentY = r.y
            else if (contentY + height <= r.y + r.height)
                contentY = r.y + r.height - height
        }

        Rectangle {
            width: scroller.width
            height: scroller.contentHeight
            color: "transparent"
            border.width: 1
            border.color: rootwindow.textColour
            radius: 3
        }
        TextEdit {
            id: area
            objectName: "editorText"
            x: 4
            y: 4
            width: scroller.width - 8
            height: Math.max(contentHeight, scroller.height - 8)
            wrapMode: TextEdit.Wrap
            color: rootwindow.textColour
            selectionColor: "#2f7fd8"
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
            onCursorRectangleChanged: scroller.ensureVisible(cursorRectangle)
            onTextChanged: if (text !== editor.startText) editor.textEdited = true
            MouseArea {
                // A touch on the text (or below it) opens the keyboard there.
                anchors.fill: parent
                onClicked: {
                    editor.openKeyboard()
                    area.cursorPosition = area.positionAt(mouse.x, mouse.y)
                }
            }
        }
    }

    // Beside the text while the keyboard is open: the bullet and Enter keys.
    KeyboardKey {
        objectName: "editorBullet"
        x: 4
        y: 8
        width: 36
        visible: editor.keyboardExpanded
        label: "\u2022"
        onTyped: editor.insertBullet()
    }
    KeyboardKey {
        objectName: "editorEnter"
        x: editor.width - 40
        y: 8
        width: 36
        visible: editor.keyboardExpanded
        label: "\u21b5"
        onTyped: area.insert(area.cursorPosition, "\n")
    }

    Row {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 20
        visible: !editor.keyboardExpanded
        GeneralPurposeButton {
            objectName: "editorOk"
            width: 140
            gp_text: qsTr("Ok") + Language.emptyString
            onClicked: {
                editor.input = area.text
                editor.changesMade()
            }
        }
        GeneralPurposeButton {
            objectName: "editorCancel"
            width: 140
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: {
                editor.input = editor.startText
                editor.changesMade()
            }
        }
    }

    Keyboard {
        id: keyboard
        objectName: "editorKeyboard"
        standaloneInput: true
        extended: true
        onExtendedChanged: editor.keyboardExpanded = extended
        onOkClicked: editor.closeKeyboard()
    }
}
