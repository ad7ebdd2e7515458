import QtQuick 2.15
import DBValues 1.0

// The frame of one widget on a telemetry page (the three sizes derive from
// it): it makes the view of the widget's kind, shakes in edit mode, is
// dragged onto a drop cell there and opens the widget's set-up on a tap;
// outside edit mode a double tap on a value widget opens its information, a
// tap on a quick link opens the linked screen, a swipe turns the page and a
// long press starts edit mode.
Item {
    id: frame
    objectName: "teleFrame_" + myContainerId

    property int size: DatabaseValue.TELEGUISIZE_Small
    property var telemetryPageObject: null
    property int myTelemetryPageId: -1
    property int myContainerId: -1
    property int myType: DatabaseValue.KLX_WIDGET_TYPE_NONE
    // 0 none, 1 yellow, 2 red: the sign a value view starts with when an
    // alarm opened the page.
    property int presetSign: 0
    readonly property bool shaking: telemetryPageObject !== null && telemetryPageObject.editMode
    readonly property alias view: viewLoader.item
    signal openInformationDisplay(int pageId, int elementId)

    width: 100
    height: 60

    function viewUrl() {
        switch (myType) {
        case DatabaseValue.KLX_WIDGET_TYPE_VALUE: return "TelemetryWidgetValue.qml"
        case DatabaseValue.KLX_WIDGET_TYPE_TIMER: return "TelemetryWidgetTimer.qml"
        case DatabaseValue.KLX_WIDGET_TYPE_SERVO: return "TelemetryWidgetServo.qml"
        case DatabaseValue.KLX_WIDGET_TYPE_QUICK: return "TelemetryWidgetQuickLink.qml"
        case DatabaseValue.KLX_WIDGET_TYPE_MINFO: return "TelemetryWidgetLabel.qml"
        case DatabaseValue.KLX_WIDGET_TYPE_MIMG:
            // The model image fills only the huge frame.
            return size === DatabaseValue.TELEGUISIZE_Huge ? "WidgetModelImage.qml" : ""
        }
        return ""
    }

    // Edit mode's end: the position goes to the store, which clamps it; an
    // error keeps the frame where it is.
    function writePosition() {
        var set = DatabaseValue.AtomicDirSet
        var x = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_XPos(myTelemetryPageId, myContainerId, Math.round(frame.x), set)
        if (x <= DatabaseValue.KLX_Error)
            errorHandler.processError(x)
        else
            frame.x = x
        var y = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_YPos(myTelemetryPageId, myContainerId, Math.round(frame.y), set)
        if (y <= DatabaseValue.KLX_Error)
            errorHandler.processError(y)
        else
            frame.y = y
    }

    // Shaking: -1 and +1 degree in turn every 100 ms.
    Timer {
        interval: 100
        repeat: true
        running: frame.shaking
        onTriggered: frame.rotation = frame.rotation > 0 ? -1 : 1
        onRunningChanged: if (!running) frame.rotation = 0
    }

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: rootwindow.rectColour
        border.width: 1
        border.color: frame.shaking ? "#2f7fd8" : rootwindow.rectBorderColour
    }

    Loader {
        id: viewLoader
        anchors.fill: parent
        anchors.margins: 2
        Component.onCompleted: {
            var url = frame.viewUrl()
            if (url !== "")
                setSource(url, { pageId: frame.myTelemetryPageId, elementId: frame.myContainerId,
                                 frameSize: frame.size, presetSign: frame.presetSign,
                                 home: frame.telemetryPageObject })
        }
    }

    SwipeArea {
        id: touch
        anchors.fill: parent
        property point startAt
        property bool moved: false
        drag.target: frame.shaking ? frame : undefined
        drag.threshold: threshold
        onPressed: {
            moved = false
            startAt = Qt.point(frame.x, frame.y)
            if (frame.shaking) {
                frame.z = 1
                frame.telemetryPageObject.restartEditMode()
            }
        }
        onPositionChanged: if (axis !== "") moved = true
        onReleased: {
            frame.z = 0
            if (frame.shaking && moved) {
                var at = mapToItem(frame.telemetryPageObject, mouse.x, mouse.y)
                var cell = frame.telemetryPageObject.cellAt(at.x, at.y)
                frame.x = cell ? cell.x : startAt.x
                frame.y = cell ? cell.y : startAt.y
            }
        }
        onSwipe: {
            if (!frame.shaking && (direction === "left" || direction === "right"))
                frame.telemetryPageObject.swiped(direction)
        }
        onLongClicked: if (!frame.shaking) frame.telemetryPageObject.startEditMode()
        onClicked: {
            if (moved)
                return
            if (frame.shaking)
                frame.telemetryPageObject.openSetup(frame)
            else if (frame.myType === DatabaseValue.KLX_WIDGET_TYPE_QUICK && frame.view)
                frame.view.open()
        }
        onDoubleClicked: {
            if (!frame.shaking && frame.myType === DatabaseValue.KLX_WIDGET_TYPE_VALUE)
                frame.openInformationDisplay(frame.myTelemetryPageId, frame.myContainerId)
        }
    }

    // The value view's information mark, above the touch area.
    MouseArea {
        objectName: "infoMark_" + frame.myContainerId
        x: frame.width - 26
        y: 0
        width: 26
        height: 22
        enabled: !frame.shaking && frame.myType === DatabaseValue.KLX_WIDGET_TYPE_VALUE
        visible: enabled
        onClicked: frame.openInformationDisplay(frame.myTelemetryPageId, frame.myContainerId)
    }
}
