import QtQuick 2.15

// The model seen from above, drawn in the scheme's colours: fuselage, a
// straight or a delta wing, a normal or a V-tail. Touching a wing half or
// the tail names the part page it opens.
Item {
    id: picture
    property bool delta: false
    property bool vtail: false
    signal partPressed(string name)

    Canvas {
        id: canvas
        anchors.fill: parent
        property color ink: rootwindow.textColour
        onInkChanged: requestPaint()
        onPaint: {
            var c = getContext("2d")
            var w = width, h = height, mid = w / 2
            c.reset()
            c.strokeStyle = ink
            c.lineWidth = 2
            c.beginPath()
            // fuselage
            c.moveTo(mid, 4)
            c.lineTo(mid + 8, 30)
            c.lineTo(mid + 5, h - 10)
            c.lineTo(mid - 5, h - 10)
            c.lineTo(mid - 8, 30)
            c.closePath()
            if (picture.delta) {
                c.moveTo(mid - 8, 40)
                c.lineTo(10, h - 30)
                c.lineTo(mid - 5, h - 30)
                c.moveTo(mid + 8, 40)
                c.lineTo(w - 10, h - 30)
                c.lineTo(mid + 5, h - 30)
                c.moveTo(mid, h - 50)
                c.lineTo(mid, h - 10)
            } else {
                c.rect(8, 50, mid - 16, 22)
                c.rect(mid + 8, 50, mid - 16, 22)
                if (picture.vtail) {
                    c.moveTo(mid - 4, h - 20)
                    c.lineTo(mid - 45, h - 45)
                    c.moveTo(mid + 4, h - 20)
                    c.lineTo(mid + 45, h - 45)
                } else {
                    c.rect(mid - 45, h - 30, 90, 14)
                }
            }
            c.stroke()
        }
    }
    onDeltaChanged: canvas.requestPaint()
    onVtailChanged: canvas.requestPaint()

    MouseArea {
        objectName: "pictureLeftWing"
        x: 0
        y: 30
        width: parent.width / 2
        height: parent.height - 80
        onClicked: picture.partPressed("Left wing")
    }
    MouseArea {
        objectName: "pictureRightWing"
        x: parent.width / 2
        y: 30
        width: parent.width / 2
        height: parent.height - 80
        onClicked: picture.partPressed("Right wing")
    }
    MouseArea {
        objectName: "pictureTail"
        x: 0
        y: parent.height - 50
        width: parent.width
        height: 50
        onClicked: picture.partPressed("Tail")
    }
}
