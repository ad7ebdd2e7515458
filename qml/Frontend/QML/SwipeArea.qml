import QtQuick 2.15

// A touch area that tells a swipe from a touch: once the finger has moved
// more than 16 pixels the swipe's axis is fixed (horizontal tested first);
// on release it emits swipe() with the direction of the movement then
// ("left", "right", "up", "down") and the vertical distance. A press-and-hold
// without movement gives longClicked.
MouseArea {
    id: area
    property real startX: 0
    property real startY: 0
    property string axis: ""
    readonly property int threshold: 16
    signal swipe(string direction, real dY)
    signal longClicked()

    preventStealing: axis !== ""
    pressAndHoldInterval: 800

    onPressed: {
        startX = mouse.x
        startY = mouse.y
        axis = ""
    }
    onPositionChanged: {
        if (axis !== "")
            return
        if (Math.abs(mouse.x - startX) > threshold)
            axis = "horizontal"
        else if (Math.abs(mouse.y - startY) > threshold)
            axis = "vertical"
    }
    onPressAndHold: {
        if (axis === "")
            longClicked()
    }
    onReleased: {
        var dX = mouse.x - startX
        var dY = mouse.y - startY
        if (axis === "horizontal" && dX !== 0)
            swipe(dX < 0 ? "left" : "right", dY)
        else if (axis === "vertical" && dY !== 0)
            swipe(dY < 0 ? "up" : "down", dY)
        axis = ""
    }
    onCanceled: axis = ""
}
