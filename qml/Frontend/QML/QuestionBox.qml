import QtQuick 2.15

// The pop-up box: an icon ("question", "attention", "info", "error"), a
// message and a row of buttons ("none", "Ok", "Abort", "OkAbort",
// "OkSkipAbort", "OverwriteSkipAbort", "AddReset", "InfoExtractCancel").
// A button emits its signal and closes the box; kill() closes it from
// outside. The main window shows one box at a time (the others wait hidden);
// while it is shown it takes every touch and turn of a mouse wheel on the
// screen.
// A long message makes the box taller, up to the screen area's height, about
// its centre; one longer still shows as many whole lines as fit, with a
// scroll bar, and a drag stops on a line.
Rectangle {
    id: box
    property string message: ""
    property string icon: "info"
    property string buttons: "Ok"
    property bool closing: false
    // Asked over the screen shown (set by the main window): goes with it.
    property bool ofScreen: false
    // Where the box's centre lies in its parent (set by the main window).
    property point centre: Qt.point(width / 2, height / 2)
    // The tallest box: the screen area below the strip, less a margin.
    readonly property real tallest: rootwindow.screenHeight - 2 * rootwindow.gap
    readonly property real textTop: 10
    readonly property real textBottom: labels.length > 0 ? 48 : 10
    readonly property real lineHeight: Math.ceil(messageMetrics.height)
    readonly property int wholeLines: Math.max(1, Math.floor((tallest - textTop - textBottom) / lineHeight))
    readonly property bool scrolls: messageText.lineCount > wholeLines
    signal okClicked()
    signal abortClicked()
    signal skipClicked()
    signal closed()
    signal kill()

    width: 400
    height: Math.max(150, textTop + Math.min(messageText.lineCount, wholeLines) * lineHeight + textBottom)
    x: centre.x - width / 2
    y: centre.y - height / 2
    z: 1000
    radius: 6
    color: rootwindow.backColour
    border.width: 2
    border.color: icon === "error" ? "#e10000" : icon === "attention" ? "#f58c00" : rootwindow.textColour

    function close() {
        if (closing)
            return
        closing = true
        visible = false
        closed()
        destroy()
    }
    onKill: close()
    Component.onDestruction: {
        // Gone with its screen: the main window must know it is no longer shown.
        if (!closing) {
            closing = true
            closed()
        }
    }

    // Labels of the (first, second, third) button; the first answers okClicked,
    // the second skipClicked where there are three, the last abortClicked.
    readonly property var labels: {
        switch (buttons) {
        case "Ok": return [qsTr("Ok") + Language.emptyString]
        case "Abort": return [qsTr("Abort") + Language.emptyString]
        case "OkAbort": return [qsTr("Ok") + Language.emptyString, qsTr("Abort") + Language.emptyString]
        case "OkSkipAbort": return [qsTr("Ok") + Language.emptyString, qsTr("Skip") + Language.emptyString,
                                    qsTr("Abort") + Language.emptyString]
        case "OverwriteSkipAbort": return [qsTr("Overwrite") + Language.emptyString, qsTr("Skip") + Language.emptyString,
                                           qsTr("Abort") + Language.emptyString]
        case "AddReset": return [qsTr("Add") + Language.emptyString, qsTr("Reset") + Language.emptyString,
                                 qsTr("Cancel") + Language.emptyString]
        case "InfoExtractCancel": return [qsTr("Info") + Language.emptyString, qsTr("Unmount") + Language.emptyString,
                                          qsTr("Cancel") + Language.emptyString]
        }
        return []
    }

    function answer(position) {
        if (buttons === "Abort")
            abortClicked()
        else if (position === 0)
            okClicked()
        else if (position === labels.length - 1)
            abortClicked()
        else
            skipClicked()
        close()
    }

    // Takes the touches and the mouse wheel around the box as well: a
    // MouseArea lets a wheel through to what lies behind unless it takes it.
    MouseArea {
        x: -1000
        y: -1000
        width: 3000
        height: 3000
        z: -1
        onWheel: wheel.accepted = true
    }
    MouseArea {
        anchors.fill: parent
        onWheel: wheel.accepted = true
    }

    Image {
        id: symbol
        x: 12
        y: 14
        width: 48
        height: 48
        sourceSize.width: 48
        sourceSize.height: 48
        source: "qrc:/Frontend/Images/" + box.icon + rootwindow.iconSuffix + ".svg"
    }

    FontMetrics {
        id: messageMetrics
        font: messageText.font
    }
    Flickable {
        id: textArea
        objectName: "messageArea"
        anchors.left: symbol.right
        anchors.leftMargin: 12
        // The text keeps its margin; the scroll bar runs in it.
        anchors.right: box.right
        anchors.rightMargin: 4
        y: box.textTop
        // Whole lines only: a line half shown reads as the end of the message.
        height: box.scrolls ? box.wholeLines * box.lineHeight : box.height - box.textTop - box.textBottom
        contentHeight: messageText.height
        clip: true
        interactive: box.scrolls
        boundsBehavior: Flickable.StopAtBounds
        onMovementEnded: {
            var line = Math.round(contentY / box.lineHeight) * box.lineHeight
            contentY = Math.max(0, Math.min(line, contentHeight - height))
        }
        Text {
            id: messageText
            objectName: "message"
            width: textArea.width - 8
            text: box.message
            wrapMode: Text.Wrap
            // Every line equally high, whichever font draws its characters.
            lineHeightMode: Text.FixedHeight
            lineHeight: box.lineHeight
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
        }
    }
    ScrollBar {
        objectName: "messageScrollBar"
        flickable: textArea
    }

    Row {
        anchors.bottom: box.bottom
        anchors.bottomMargin: 10
        anchors.horizontalCenter: box.horizontalCenter
        spacing: 10
        Repeater {
            model: box.labels
            GeneralPurposeButton {
                objectName: "popupButton_" + index
                width: 110
                gp_text: modelData
                onClicked: box.answer(index)
            }
        }
    }
}
