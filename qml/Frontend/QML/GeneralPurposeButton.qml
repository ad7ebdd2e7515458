import QtQuick 2.15

// The button of every screen: a text (gp_text) or a picture (gp_image), in
// the scheme's colours, "active" (blue, or the accent colour when one is
// chosen) or "disabled" (grey, takes no touch).
// A touch gives clicked, a press-and-hold longclicked, the release clickEnd;
// with togglebutton a touch also toggles "active".
Rectangle {
    id: button
    property string gp_text: ""
    property url gp_image: ""
    property bool togglebutton: false
    property int fontSize: 15
    // A text too long for one line wraps onto a second and shrinks until
    // it fits, instead of being cut (choosers of names and labels).
    property bool fitText: false
    property alias pressed: touch.pressed
    signal clicked()
    signal longclicked()
    signal clickEnd()

    width: 100
    height: 30
    radius: 4
    // An accent colour marks the chosen button: the others stay unfilled in
    // the scheme's colours.
    color: rootwindow.accentFill ? "transparent" : rootwindow.rectColour
    border.width: 1
    border.color: rootwindow.accentFill ? rootwindow.textColour : rootwindow.rectBorderColour
    state: ""

    Rectangle {
        // Pressed feedback without changing the button's state.
        anchors.fill: parent
        radius: parent.radius
        color: rootwindow.textColour
        opacity: touch.pressed ? 0.18 : 0
    }

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 3
        anchors.rightMargin: 3
        visible: button.gp_text !== ""
        text: button.gp_text
        color: rootwindow.accentFill ? rootwindow.textColour : rootwindow.rectTextColour
        font.family: rootwindow.fontFamily
        font.pixelSize: button.fontSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        // A longer word (another language, a long name) is set smaller
        // before it is cut; a button that may fit its text wraps it onto
        // two lines first. A text with its own line breaks keeps them.
        wrapMode: button.fitText ? Text.Wrap : Text.NoWrap
        maximumLineCount: button.fitText ? 2 : 99
        fontSizeMode: button.fitText ? Text.Fit : Text.HorizontalFit
        minimumPixelSize: button.fitText ? 8 : Math.min(button.fontSize, 10)
        lineHeight: button.fitText ? 0.9 : 1
        elide: button.fitText ? Text.ElideNone : Text.ElideRight
    }

    Image {
        anchors.centerIn: parent
        visible: button.gp_text === "" && button.gp_image != ""
        source: button.gp_image
        width: Math.min(parent.width, parent.height) - 6
        height: width
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
    }

    MouseArea {
        id: touch
        anchors.fill: parent
        enabled: button.state !== "disabled"
        pressAndHoldInterval: 800
        onClicked: {
            if (button.togglebutton)
                button.state = button.state === "active" ? "" : "active"
            button.clicked()
        }
        onPressAndHold: button.longclicked()
        onReleased: button.clickEnd()
    }

    states: [
        State {
            name: "active"
            PropertyChanges {
                target: button
                color: rootwindow.accentFill ? rootwindow.rectColour : "#2f7fd8"
                border.color: rootwindow.accentFill ? rootwindow.textColour : "#2f7fd8"
                border.width: rootwindow.accentFill ? 2 : 1
            }
            PropertyChanges { target: label; color: rootwindow.accentFill ? rootwindow.rectTextColour : "white" }
        },
        State {
            name: "disabled"
            PropertyChanges { target: button; color: "#404040"; border.color: "grey" }
            PropertyChanges { target: label; color: "grey" }
        }
    ]
}
