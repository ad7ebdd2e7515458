import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// One function with a differential: its name (held: delete), its servos by
// side (assign sides), its set-up and its live output on each side.
Item {
    id: diffItem
    property int functionId: 0
    property int revision: 0
    property string outputText: ""
    signal held()
    signal servosPressed()

    width: 470
    height: 40

    readonly property var sides: (revision, ServoLists.sidesOf(functionId))
    function numbers(list) { return list.map(function(s) { return s + 1 }).join(",") }
    readonly property string servoText: {
        var parts = []
        if (sides.left.length > 0)
            parts.push("L: " + numbers(sides.left))
        if (sides.right.length > 0)
            parts.push("R: " + numbers(sides.right))
        return parts.join("\n")
    }

    Timer {
        interval: 100
        repeat: true
        running: !rootwindow.shutdown
        triggeredOnStart: true
        onTriggered: {
            var p = ServoLists.percentOf(RuntimeDatabase.KLX_RuntimeDatabaseManagerGetFunctionData(diffItem.functionId))
            var d = RuntimeDatabase.KLX_TriValDifferentialValue(DatabaseValue.AtomicDirGet, 0, diffItem.functionId)
            var out = ServoLists.differentialOutput(p, d, diffItem.sides.left.length > 0, diffItem.sides.right.length > 0)
            var parts = []
            if (diffItem.sides.left.length > 0)
                parts.push("L: " + out.left + "%")
            if (diffItem.sides.right.length > 0)
                parts.push("R: " + out.right + "%")
            diffItem.outputText = parts.length > 0 ? parts.join("  ") : p + "%"
        }
    }

    Row {
        y: 3
        spacing: 4
        GeneralPurposeButton {
            objectName: "diffName_" + diffItem.functionId
            width: 120
            height: 34
            fontSize: 13
            gp_text: (diffItem.revision, Database.KLX_DataBaseManagerFunctionGetSet_Name(diffItem.functionId, "", DatabaseValue.AtomicDirGet))
            onLongclicked: diffItem.held()
        }
        GeneralPurposeButton {
            objectName: "diffServos_" + diffItem.functionId
            width: 110
            height: 34
            fontSize: diffItem.servoText.indexOf("\n") >= 0 ? 11 : 13
            gp_text: diffItem.servoText === "" ? "---" : diffItem.servoText
            onClicked: diffItem.servosPressed()
        }
        GeneralPurposeButton {
            objectName: "diffSetup_" + diffItem.functionId
            width: 70
            height: 34
            fontSize: 13
            gp_text: qsTr("Setup") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/FuncDiffSettings.qml", { functionId: diffItem.functionId })
        }
        GeneralPurposeButton {
            objectName: "diffOutput_" + diffItem.functionId
            width: diffItem.width - 120 - 110 - 70 - 3 * 4
            height: 34
            fontSize: 13
            gp_text: diffItem.outputText
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/27_FunctionServos.qml", { functionId: diffItem.functionId })
        }
    }
}
