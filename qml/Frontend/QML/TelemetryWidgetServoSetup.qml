import QtQuick 2.15
import DBValues 1.0

// The servo a servo widget shows, chosen from the model's servos by name.
Item {
    id: screen
    objectName: "servoSetup"
    property int pageId: 0
    property int elementId: 0
    property int servo: -1
    property var servos: []

    function get() { return DatabaseValue.AtomicDirGet }
    function servoName(i) { return Database.KLX_DataBaseManagerServoConfigGetSet_Name(i, "", get(), true) }
    function read() {
        servo = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID(pageId, elementId, 0, get())
        var list = []
        for (var i = 0; i < Database.KLX_DataBaseManagerGetMaxServos(); ++i)
            list.push({ index: i, label: servoName(i) })
        servos = list
    }
    function choose(i) {
        var result = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_ServoID(pageId, elementId, i, DatabaseValue.AtomicDirSet)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        read()
    }

    Text {
        objectName: "servoCurrent"
        x: 5; y: 4
        color: rootwindow.textColour; font.pixelSize: 15; font.bold: true
        text: qsTr("Servo") + Language.emptyString + ": "
              + (screen.servo >= 0 && screen.servo < screen.servos.length && screen.servos[screen.servo].label !== ""
                 ? screen.servos[screen.servo].label : "---")
    }
    GridView {
        id: grid
        objectName: "servoList"
        x: 5; y: 30
        width: parent.width - 10
        height: parent.height - y - 42
        clip: true
        cellWidth: 117; cellHeight: 34
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: screen.servos
        delegate: GeneralPurposeButton {
            objectName: "chooseServo_" + modelData.index
            width: 113; fontSize: 13
            // Unnamed servos all read alike: the number tells them apart.
            gp_text: (modelData.index + 1) + ": " + modelData.label
            state: screen.servo === modelData.index ? "active" : ""
            onClicked: screen.choose(modelData.index)
        }
    }
    TeleWidgetSetupBar { pageId: screen.pageId; elementId: screen.elementId }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(elementId)
        systemHistory.addEndOfArgs()
        read()
    }
}
