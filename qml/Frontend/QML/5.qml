import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The set-up of one function: its curve as the engine computes it with the
// live position of its control, beside the expo page that edits rate, expo
// and run times of the flight mode in force.
Item {
    id: setup
    objectName: "functionSetup"
    property int functionId: -1
    property int control: GuiCmdData.CONTROLID_None_GUI
    property string functionName: ""

    function readControl() {
        var id = Database.KLX_DataBaseManagerFunctionGetSet_Control(functionId, 0, DatabaseValue.AtomicDirGet)
        if (id !== GuiCmdData.CONTROLID_Invalid_GUI && id !== GuiCmdData.CONTROLID_None_GUI && id > DatabaseValue.KLX_Error)
            control = id
    }

    ScreenHeading {
        id: heading
        objectName: "setupHeading"
        text: qsTr("Function Setup:") + Language.emptyString + " " + setup.functionName
    }

    // The graph of the computed curve.
    Coords {
        id: graph
        objectName: "functionGraph"
        x: 5
        y: heading.height + 2
        width: 200
        height: parent.height - y - 5
        view: "function"
        // The graph marks the live position of the control itself.
        control: setup.control
    }

    Loader {
        id: page
        objectName: "setupPage"
        x: graph.x + graph.width + 5
        y: heading.height
        width: parent.width - x
        height: parent.height - y
        source: "qrc:/Frontend/QML/5_1.qml"
        onLoaded: {
            item.functionId = setup.functionId
            item.graph = graph
            item.start()
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addEndOfArgs()
        functionName = Database.KLX_DataBaseManagerFunctionGetSet_Name(functionId, "", DatabaseValue.AtomicDirGet)
        readControl()
    }
}
