import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The differentials: every function with a differential control, its servos
// by side and its live output per side. "+" gives a function a
// differential; holding a name clears it (the sides stay remembered).
Item {
    id: diffList
    objectName: "differentialsList"
    property var rows: []
    property int revision: 0
    property int heldFunction: -1
    property int sidesFunction: -1
    property var sideChoice: ({})     // servo -> 0 none, 1 left, 2 right

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function rebuild() {
        var list = []
        for (var f = 0; f < Database.KLX_DataBaseManagerGetMaxFunctions(); ++f) {
            if (!ServoLists.functionUsed(f))
                continue
            var control = Database.KLX_DataBaseManagerFunctionGetSet_Control(f, 0, DatabaseValue.AtomicDirGet)
            if (control < GuiCmdData.CONTROLID_Invalid_GUI && ServoLists.hasDifferential(f))
                list.push(f)
        }
        rows = list
        revision++
    }

    function openChooser() {
        var entries = []
        for (var f = 0; f < Database.KLX_DataBaseManagerGetMaxFunctions(); ++f)
            if (ServoLists.functionUsed(f))
                entries.push({ label: Database.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet), value: f })
        chooser.show([{ heading: "", entries: entries, limit: 1 }])
    }
    function setUp(f) {
        var control = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(f, 0, DatabaseValue.AtomicDirGet)
        if (control === GuiCmdData.CONTROLID_None_GUI || control === GuiCmdData.CONTROLID_Invalid_GUI) {
            var result = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(f, GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI,
                                                                                        DatabaseValue.AtomicDirSet, true)
            if (failed(result)) {
                errorHandler.processError(result)
                return
            }
        }
        ServoLists.setSidesActive(f, true)
        rebuild()
    }
    function askClear() {
        var f = heldFunction
        rootwindow.popupShow(null, "question", qsTr("Do you really want to clear this differential?") + Language.emptyString, "OkAbort",
                             function() {
                                 diffList.heldFunction = -1
                                 diffList.clear(f)
                             })
    }
    function clear(f) {
        var result = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(f, GuiCmdData.CONTROLID_None_GUI,
                                                                                    DatabaseValue.AtomicDirSet, true)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        for (var fm = 0; fm < Database.KLX_DataBaseManagerGetMaxFlightmodes(); ++fm) {
            Database.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffCenter(f, fm, 0, DatabaseValue.AtomicDirSet, true)
            Database.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffHi(f, fm, 0, DatabaseValue.AtomicDirSet, true)
            Database.KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiffLo(f, fm, 0, DatabaseValue.AtomicDirSet, true)
        }
        ServoLists.setSidesActive(f, false)
        rebuild()
    }

    // ---- sides of the servos ----
    function servoSideLabel(servo) {
        var name = Database.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DatabaseValue.AtomicDirGet)
        return name === "servo" ? (qsTr("Servo ") + Language.emptyString) + (servo + 1) : name
    }
    function openSides(f) {
        var choice = {}
        ServoLists.servosOf(f).forEach(function(servo) {
            if (Database.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, DatabaseValue.AtomicDirGet) !== DatabaseValue.KLX_True)
                return
            var type = Database.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(servo, 0, DatabaseValue.AtomicDirGet)
            choice[servo] = (type === DatabaseValue.FuncServoType_Left || type === DatabaseValue.FuncServoType_ActiveLeft) ? 1
                          : (type === DatabaseValue.FuncServoType_Right || type === DatabaseValue.FuncServoType_ActiveRight) ? 2 : 0
        })
        sideChoice = choice
        sidesFunction = f
    }
    function toggleSide(servo, side) {
        var choice = Object.assign({}, sideChoice)
        choice[servo] = choice[servo] === side ? 0 : side
        sideChoice = choice
    }
    function writeSides() {
        for (var key in sideChoice) {
            var side = sideChoice[key]
            var type = side === 1 ? DatabaseValue.FuncServoType_ActiveLeft : side === 2 ? DatabaseValue.FuncServoType_ActiveRight
                                                                            : DatabaseValue.FuncServoType_Normal
            var result = Database.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(parseInt(key), type, DatabaseValue.AtomicDirSet, true)
            if (failed(result))
                errorHandler.processError(result)
        }
        sidesFunction = -1
        rebuild()
    }

    ListHeading {
        id: heads
        objectName: "differentialHeads"
        y: 2
        // The row's columns: name, servos by side, set-up, output.
        widths: [120, 110, 70, list.width - 6 - 120 - 110 - 70 - 3 * 4]
        titles: [qsTr("Function") + Language.emptyString, qsTr("Servos") + Language.emptyString,
                 qsTr("Setup") + Language.emptyString, qsTr("Output") + Language.emptyString]
    }
    ListView {
        id: list
        objectName: "differentialList"
        x: 5
        y: heads.y + heads.height + 2
        width: parent.width - 10
        height: parent.height - y - 44
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: diffList.rows
        delegate: FunctionDiffItemV2 {
            width: list.width - 6
            functionId: modelData
            revision: diffList.revision
            onHeld: diffList.heldFunction = functionId
            onServosPressed: diffList.openSides(functionId)
        }
    }
    ScrollBar { flickable: list }
    EmptyListHint {
        objectName: "differentialHint"
        view: list
        text: qsTr("No function has a differential yet. \"+\" gives one a differential; its row then sets the servos' sides and the setup.")
              + Language.emptyString
    }

    GeneralPurposeButton {
        objectName: "addDifferential"
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 37
        width: 60
        fontSize: 20
        gp_text: "+"
        visible: diffList.heldFunction < 0
        onClicked: diffList.openChooser()
    }

    HeldRowBar {
        objectName: "differentialBar"
        visible: diffList.heldFunction >= 0
        closeName: "differentialBarClose"
        onClosed: diffList.heldFunction = -1
        GeneralPurposeButton {
            objectName: "clearDifferential"
            width: 120
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: diffList.askClear()
        }
    }

    ItemChooser {
        id: chooser
        objectName: "differentialChooser"
        title: qsTr("Please select an available function:") + Language.emptyString
        onAccepted: diffList.setUp(selected[0][0])
    }

    // The servos of a function, each to the left, the right or neither side.
    Rectangle {
        objectName: "sidesDialog"
        visible: diffList.sidesFunction >= 0
        anchors.fill: parent
        z: 50
        color: rootwindow.backColour
        MouseArea { anchors.fill: parent }
        ScreenHeading {
            id: sidesTitle
            x: 10
            height: 26
            text: qsTr("Please assign servos to the left or right side:") + Language.emptyString
        }
        ListView {
            id: sidesList
            x: 10
            y: sidesTitle.height
            width: parent.width - 20
            height: parent.height - y - 45
            clip: true
            spacing: 4
            // Rows made only as they come into view: none left half made in the
            // background when the screen closes.
            cacheBuffer: 0
            model: diffList.sidesFunction >= 0 ? Object.keys(diffList.sideChoice).map(function(k) { return parseInt(k) }) : []
            delegate: Row {
                spacing: 8
                Text {
                    width: 180
                    height: 30
                    text: diffList.servoSideLabel(modelData)
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 14
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
                GeneralPurposeButton {
                    objectName: "sideLeft_" + modelData
                    width: 100
                    gp_text: qsTr("Left") + Language.emptyString
                    state: diffList.sideChoice[modelData] === 1 ? "active" : ""
                    onClicked: diffList.toggleSide(modelData, 1)
                }
                GeneralPurposeButton {
                    objectName: "sideRight_" + modelData
                    width: 100
                    gp_text: qsTr("Right") + Language.emptyString
                    state: diffList.sideChoice[modelData] === 2 ? "active" : ""
                    onClicked: diffList.toggleSide(modelData, 2)
                }
            }
        }
        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 7
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20
            GeneralPurposeButton {
                objectName: "sidesOk"
                width: 110
                gp_text: qsTr("OK") + Language.emptyString
                onClicked: diffList.writeSides()
            }
            GeneralPurposeButton {
                objectName: "sidesCancel"
                width: 110
                gp_text: qsTr("Cancel") + Language.emptyString
                onClicked: diffList.sidesFunction = -1
            }
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        rebuild()
    }
}
