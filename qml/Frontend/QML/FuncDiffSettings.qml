import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0
import "ServoLists.js" as ServoLists

// The differential of one function: its control and trim, the Lo, Center or
// Hi value (chosen by the live position of the differential control) of
// the flight mode in force, the output per side, and the differential's
// three values or the function curve with the differential applied.
Item {
    id: diffSettings
    objectName: "funcDiffSettings"
    property int functionId: 0
    property int currentFm: 0
    property int editedFm: 0
    property bool single: false
    property int diffControl: 0
    property int diffTrim: 0
    property int control: 0
    property int lo: 0
    property int centre: 0
    property int hi: 0
    property int diffValue: 0
    property int pure: 0
    property bool editing: false
    // "differential" or "function"
    property string view: "differential"
    readonly property var sides: ServoLists.sidesOf(functionId)
    readonly property var output: ServoLists.differentialOutput(pure, diffValue, sides.left.length > 0, sides.right.length > 0)

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function controlText(id) {
        return id === GuiCmdData.CONTROLID_None_GUI || id === GuiCmdData.CONTROLID_Invalid_GUI
                ? "---" : Database.KLX_DataBaseManagerGetNameOfControlByID(id)
    }
    function field(band, value, set) {
        var accessor = "KLX_DataBaseManagerFunctionGetSet_Setup_FlexDiff" + band
        return set ? Database[accessor](functionId, editedFm, value, DatabaseValue.AtomicDirSet, true)
                   : Database[accessor](functionId, editedFm, 0, DatabaseValue.AtomicDirGet)
    }
    function readAll() {
        currentFm = rootwindow.currentFlightMode()
        single = Database.KLX_DataBaseManager_IsFunctionDiffFlightModeDependent(functionId, currentFm) === DatabaseValue.KLX_True
        editedFm = single ? currentFm : 0
        diffControl = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(functionId, 0, DatabaseValue.AtomicDirGet)
        diffTrim = Database.KLX_DataBaseManagerFunctionGetSet_TrimControlDifferential(functionId, 0, DatabaseValue.AtomicDirGet)
        lo = field("Lo")
        centre = field("Center")
        hi = field("Hi")
        canvas.requestPaint()
    }
    function toggleFlightMode() {
        var result = Database.KLX_DataBaseManager_SetFunctionDiffFlightModeDependent(functionId, currentFm,
                                                                                     single ? DatabaseValue.KLX_False : DatabaseValue.KLX_True, true)
        if (failed(result))
            errorHandler.processError(result)
        readAll()
    }
    function step(delta) {
        var percent = Database.KLX_DataBaseManagerGetValueOfControlPercent(diffControl)
        var band = percent <= -20 ? "Lo" : percent >= 20 ? "Hi" : "Center"
        var value = field(band)
        var result = failed(value) ? value : field(band, value + delta, true)
        if (failed(result))
            errorHandler.processError(result)
        readAll()
    }

    Connections {
        target: Database
        function onFlightModeChanged(from, to) { diffSettings.readAll() }
    }
    Timer {
        interval: 50
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: {
            diffSettings.diffValue = RuntimeDatabase.KLX_TriValDifferentialValue(DatabaseValue.AtomicDirGet, 0, diffSettings.functionId)
            diffSettings.pure = ServoLists.percentOf(RuntimeDatabase.KLX_RuntimeDatabaseManagerGetFunctionData(diffSettings.functionId))
            if (diffSettings.view === "function"
                    && RuntimeDatabase.KLX_FunctionCalcCalculate(diffSettings.functionId, diffSettings.currentFm, true) === DatabaseValue.KLX_True)
                plot.refresh()
        }
    }

    ScreenHeading {
        id: heading
        text: (qsTr("Differential") + Language.emptyString) + ": "
              + Database.KLX_DataBaseManagerFunctionGetSet_Name(diffSettings.functionId, "", DatabaseValue.AtomicDirGet)
    }

    // The differential's Lo, Center and Hi as two lines over the control's travel.
    Item {
        id: graphArea
        x: 5
        y: heading.height + 2
        width: 180
        height: 180
        Canvas {
            id: canvas
            objectName: "differentialGraph"
            anchors.fill: parent
            visible: diffSettings.view === "differential"
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                var text = rootwindow.textColour
                ctx.strokeStyle = text
                ctx.lineWidth = 1
                ctx.strokeRect(0.5, 0.5, width - 1, height - 1)
                ctx.strokeStyle = Qt.rgba(text.r, text.g, text.b, 0.3)
                ctx.beginPath(); ctx.moveTo(0, height / 2 + 0.5); ctx.lineTo(width, height / 2 + 0.5); ctx.stroke()
                var points = [[0, diffSettings.lo / 100], [0.5, diffSettings.centre / 100], [1, diffSettings.hi / 100]]
                ctx.strokeStyle = "#2f7fd8"
                ctx.lineWidth = 2
                ctx.beginPath()
                for (var i = 0; i < points.length; ++i) {
                    var x = 2 + points[i][0] * (width - 4)
                    var y = height / 2 - points[i][1] * (height / 2 - 2)
                    if (i === 0) ctx.moveTo(x, y); else ctx.lineTo(x, y)
                }
                ctx.stroke()
            }
        }
        Rectangle {
            // The differential control's live position.
            visible: diffSettings.view === "differential"
            width: 2
            height: parent.height
            color: "#d82f2f"
            x: (Database.KLX_DataBaseManagerGetValueOfControlPercent(diffSettings.diffControl) + 100) / 200 * (parent.width - 2)
        }
        Coords {
            id: plot
            objectName: "differentialPlot"
            anchors.fill: parent
            visible: diffSettings.view === "function"
            view: "function"
            withDifferential: true
            control: diffSettings.control
        }
    }
    Text {
        objectName: "differentialOutput"
        x: graphArea.x
        y: graphArea.y + graphArea.height + 4
        width: graphArea.width
        horizontalAlignment: Text.AlignHCenter
        text: "L: " + diffSettings.output.left + "%   R: " + diffSettings.output.right + "%"
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }

    Column {
        id: rows
        x: graphArea.x + graphArea.width + 8
        y: heading.height + 2
        width: parent.width - x - 5
        spacing: 5
        readonly property int labelWidth: 110
        readonly property int valueWidth: width - labelWidth - 5
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Flight Mode") + Language.emptyString
            buttonName: "diffFlightMode"
            valueWidth: rows.valueWidth
            value: diffSettings.single ? qsTr("Single") + Language.emptyString : qsTr("Global") + Language.emptyString
            onClicked: diffSettings.toggleFlightMode()
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Diff. control") + Language.emptyString
            buttonName: "diffControl"
            valueWidth: rows.valueWidth
            value: diffSettings.controlText(diffSettings.diffControl)
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                                             { parentId: "functionDiffControl", funcId: diffSettings.functionId,
                                               initialControlId: diffSettings.diffControl })
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Diff. trim") + Language.emptyString
            buttonName: "diffTrim"
            valueWidth: rows.valueWidth
            value: diffSettings.controlText(diffSettings.diffTrim)
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/29.qml",
                                             { parentId: "diffTrimControl", functionId: diffSettings.functionId,
                                               initialControlId: diffSettings.diffTrim })
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Differential") + Language.emptyString
            buttonName: "differentialValue"
            valueWidth: rows.valueWidth
            value: diffSettings.diffValue + "%"
            active: diffSettings.editing
            onClicked: {
                diffSettings.editing = !diffSettings.editing
                flyin.extended = diffSettings.editing
            }
        }
        LabelledRow {
            labelWidth: rows.labelWidth
            label: qsTr("View") + Language.emptyString
            GeneralPurposeButton {
                objectName: "viewDifferential"
                width: (rows.valueWidth - 5) / 2
                fontSize: 12
                gp_text: qsTr("Differential") + Language.emptyString
                state: diffSettings.view === "differential" ? "active" : ""
                onClicked: diffSettings.view = "differential"
            }
            GeneralPurposeButton {
                objectName: "viewFunction"
                width: (rows.valueWidth - 5) / 2
                fontSize: 12
                gp_text: qsTr("Function") + Language.emptyString
                state: diffSettings.view === "function" ? "active" : ""
                onClicked: diffSettings.view = "function"
            }
        }
    }

    // Without a servo on either side the differential changes nothing.
    Text {
        objectName: "differentialNoSides"
        visible: diffSettings.sides.left.length === 0 && diffSettings.sides.right.length === 0
        x: rows.x
        y: rows.y + rows.height + 6
        width: rows.width
        height: parent.height - y - 2
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 9
        text: qsTr("No servo has a side yet: the differential acts only on servos set to the left or right side in the differential list's servo column.") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 12
    }

    FlyinIncDec {
        id: flyin
        objectName: "differentialFlyin"
        onStep: diffSettings.step(delta)
        onOkClicked: diffSettings.editing = false
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(functionId)
        systemHistory.addEndOfArgs()
        control = Database.KLX_DataBaseManagerFunctionGetSet_Control(functionId, 0, DatabaseValue.AtomicDirGet)
        readAll()
    }
}
