import QtQuick 2.15
import DBValues 1.0
import "ControlNames.js" as Names

// The set-up of one mixer: the functions mixed from and into, its control,
// the gain that the control's position picks (low, centre or high), the
// run times, whether it depends on the flight mode, and its curve.
Item {
    id: screen
    objectName: "mixerSetup"
    property int mixerIndex: 0

    property string mixerName: ""
    property int currentFm: 0
    property string fmName: ""
    property bool single: false
    readonly property int editedFm: single ? currentFm : 0
    property int fromFunction: 0
    property int toFunction: 0
    property int control: 0
    property int gainField: 1   // 0 low, 1 centre, 2 high
    property int gain: 0
    property int delayUp: 0
    property int delayDown: 0
    property string editField: ""
    property bool fading: false
    property int curve: -1

    readonly property int invalidFunction: Database.KLX_DataBaseManagerGetFunctionsInvalidIdx()

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function functionName(f) {
        if (f < 0 || f >= Database.KLX_DataBaseManagerGetMaxFunctions())
            return "---"
        var text = Database.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet)
        return text === "" ? "---" : text
    }
    function readFlightMode() {
        currentFm = rootwindow.currentFlightMode()
        fmName = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(currentFm, "", DatabaseValue.AtomicDirGet)
        single = Database.KLX_DataBaseManager_IsMixerFlightModeDependent(mixerIndex, currentFm) === DatabaseValue.KLX_True
    }
    function readAll() {
        var get = DatabaseValue.AtomicDirGet
        mixerName = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerMixerGetSet_Name(mixerIndex, "", get))
        fromFunction = Database.KLX_DataBaseManagerMixerGetSet_FromFuncIdx(mixerIndex, 0, get)
        toFunction = Database.KLX_DataBaseManagerMixerGetSet_ToFuncIdx(mixerIndex, 0, get)
        control = Database.KLX_DataBaseManagerMixerGetSet_Control(mixerIndex, 0, get)
        readFlightMode()
        readValues()
    }
    // The control's position in percent picks the gain field.
    function controlPercent() {
        if (Names.isSwitch(control))
            return RuntimeDatabase.KLX_RuntimeDatabaseManagerGetVSOutputByVSId(control - Names.firstSwitch)
                    / Database.KLX_DataBaseManagerGetMaxControlValue() * 100
        return Database.KLX_DataBaseManagerGetValueOfControlPercent(control)
    }
    function gainAccess(value, dir) {
        var m = mixerIndex, fm = editedFm
        if (gainField === 0)
            return Database.KLX_DataBaseManagerMixerGetSet_Setup_GainLo(m, fm, value, dir, DatabaseValue.KLX_True)
        if (gainField === 2)
            return Database.KLX_DataBaseManagerMixerGetSet_Setup_GainHi(m, fm, value, dir, DatabaseValue.KLX_True)
        return Database.KLX_DataBaseManagerMixerGetSet_Setup_GainCenter(m, fm, value, dir, DatabaseValue.KLX_True)
    }
    function readValues() {
        var percent = controlPercent()
        gainField = percent <= -20 ? 0 : percent >= 20 ? 2 : 1
        var get = DatabaseValue.AtomicDirGet
        var g = gainAccess(0, get)
        if (g > DatabaseValue.KLX_Error)
            gain = g
        var up = Database.KLX_DataBaseManagerMixerGetSet_Setup_DelayUp(mixerIndex, editedFm, 0, get)
        var down = Database.KLX_DataBaseManagerMixerGetSet_Setup_DelayDown(mixerIndex, editedFm, 0, get)
        if (up > DatabaseValue.KLX_Error)
            delayUp = up
        if (down > DatabaseValue.KLX_Error)
            delayDown = down
        fading = Database.KLX_DataBaseManagerCurveGetFadingValue(mixerIndex, 0) > DatabaseValue.KLX_Error
        curve = single ? Database.KLX_DataBaseManagerMixerGetSet_Setup_CurveIdx(mixerIndex, currentFm, 0, get)
                       : Database.KLX_DataBaseManagerMixerGetSet_GlobalCurveIdx(mixerIndex, 0, get)
        // The plot is read again only when it can have changed.
        if (fading || curve !== plottedCurve || gain !== plottedGain) {
            plottedCurve = curve
            plottedGain = gain
            if (plot.refresh() <= DatabaseValue.KLX_Error && fading)
                fading = false
        }
    }
    property int plottedCurve: -2
    property int plottedGain: 0

    function step(delta) {
        var set = DatabaseValue.AtomicDirSet
        var result
        if (editField === "gain") {
            result = gainAccess(gain + delta, set)
            if (!report(result))
                gain = result
        } else if (editField === "up") {
            result = Database.KLX_DataBaseManagerMixerGetSet_Setup_DelayUp(mixerIndex, editedFm, delayUp + delta, set, DatabaseValue.KLX_True)
            if (!report(result))
                delayUp = result
        } else if (editField === "down") {
            result = Database.KLX_DataBaseManagerMixerGetSet_Setup_DelayDown(mixerIndex, editedFm, delayDown + delta, set, DatabaseValue.KLX_True)
            if (!report(result))
                delayDown = result
        }
    }
    function editValue(field) {
        editField = field
        flyin.extended = true
    }

    // ---- functions ----
    property string choosing: ""
    function chooseFunction(which) {
        choosing = which
        var list = []
        for (var f = 0; f < Database.KLX_DataBaseManagerGetMaxFunctions(); ++f)
            if (Database.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                list.push({ label: functionName(f), value: f, selected: f === (which === "from" ? fromFunction : toFunction),
                            enabled: true })
        chooser.show([{ heading: "", entries: list, limit: 1 }])
    }
    function writeFunction(f) {
        var set = DatabaseValue.AtomicDirSet
        if (choosing === "from") {
            if (f === fromFunction)
                return
            if (!report(Database.KLX_DataBaseManagerMixerGetSet_FromFuncIdx(mixerIndex, f, set, DatabaseValue.KLX_True)))
                fromFunction = f
        } else {
            if (!report(Database.KLX_DataBaseManagerMixerGetSet_ToFuncIdx(mixerIndex, f, set, DatabaseValue.KLX_True)))
                toFunction = f
        }
    }
    // The from-function's control marks the live position on the graph.
    function markerControl() {
        if (fromFunction === invalidFunction || fromFunction < 0 || fromFunction >= Database.KLX_DataBaseManagerGetMaxFunctions())
            return -1
        return Database.KLX_DataBaseManagerFunctionGetSet_Control(fromFunction, 0, DatabaseValue.AtomicDirGet)
    }

    function askFlightMode() {
        var fm0 = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(0, "", DatabaseValue.AtomicDirGet)
        rootwindow.popupShow(null, "question",
                             qsTr("Do you really want to reset all settings of this mixer to the values of '") + Language.emptyString
                             + fm0 + qsTr("' flight mode?") + Language.emptyString, "OkAbort", function() {
                                 var value = screen.single ? DatabaseValue.KLX_False : DatabaseValue.KLX_True
                                 screen.report(Database.KLX_DataBaseManager_SetMixerFlightModeDependent(
                                                   screen.mixerIndex, screen.currentFm, value))
                                 screen.readFlightMode()
                                 screen.readValues()
                             })
    }
    function openCurve() {
        rootwindow.openScreen("qrc:/Frontend/QML/33_MixerCurveEditor.qml",
                              { mixerId: mixerIndex, functionId: fromFunction, fmStore: currentFm, controlId: markerControl() })
    }

    Timer {
        interval: 50
        repeat: true
        running: !rootwindow.shutdown
        onTriggered: screen.readValues()
    }
    Connections {
        target: Database
        function onFlightModeChanged(from, to) { screen.readFlightMode() }
    }

    // ---- heading ----
    ScreenHeading {
        objectName: "mixerHeading"
        y: 2
        text: qsTr("Mixer") + Language.emptyString + ": " + screen.mixerName + (screen.fmName === "" ? "" : "   [" + screen.fmName + "]")
    }

    Grid {
        x: 5
        y: 30
        columns: 2
        rowSpacing: 5
        columnSpacing: 5
        GeneralPurposeLabel { width: 100; text: qsTr("from") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "mixerFrom"
            width: 145
            gp_text: screen.functionName(screen.fromFunction)
            onClicked: screen.chooseFunction("from")
        }
        GeneralPurposeLabel { width: 100; text: qsTr("to") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "mixerTo"
            width: 145
            gp_text: screen.functionName(screen.toFunction)
            onClicked: screen.chooseFunction("to")
        }
        GeneralPurposeLabel { width: 100; text: qsTr("Control") + Language.emptyString }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "mixerControl"
                width: 88
                gp_text: Names.name(screen.control)
                onClicked: rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                                                 { parentId: "mixercontrol", funcId: screen.mixerIndex,
                                                   initialControlId: screen.control })
            }
            ControlPositionIndicator {
                y: 9
                control: screen.control
            }
        }
        GeneralPurposeLabel { width: 100; text: qsTr("Gain") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "mixerGain"
            width: 145
            gp_text: screen.gain + " %" + (screen.gainField === 0 ? " (Lo)" : screen.gainField === 2 ? " (Hi)" : "")
            state: screen.editField === "gain" && flyin.extended ? "active" : ""
            onClicked: screen.editValue("gain")
        }
        GeneralPurposeLabel { width: 100; text: qsTr("Run time") + Language.emptyString }
        Row {
            spacing: 4
            GeneralPurposeButton {
                objectName: "mixerDelayUp"
                width: 70
                gp_text: screen.delayUp
                state: screen.editField === "up" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("up")
            }
            GeneralPurposeButton {
                objectName: "mixerDelayDown"
                width: 70
                gp_text: screen.delayDown
                state: screen.editField === "down" && flyin.extended ? "active" : ""
                onClicked: screen.editValue("down")
            }
        }
        GeneralPurposeLabel { width: 100; text: qsTr("Flight Mode") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "mixerFlightMode"
            width: 145
            gp_text: screen.single ? qsTr("Single") + Language.emptyString : qsTr("Global") + Language.emptyString
            onClicked: screen.askFlightMode()
        }
    }

    // ---- the curve ----
    Rectangle {
        x: 262
        y: 30
        width: 210
        height: 170
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
        Coords_Mixer {
            id: plot
            objectName: "mixerPlot"
            anchors.fill: parent
            mixer: screen.mixerIndex
            curve: screen.curve
            gain: screen.gain
            fading: screen.fading
        }
    }
    GeneralPurposeButton {
        objectName: "mixerCurveEdit"
        x: 262 + (210 - width) / 2
        y: 205
        width: 140
        gp_text: qsTr("Edit") + Language.emptyString
        onClicked: screen.openCurve()
    }

    ItemChooser {
        id: chooser
        objectName: "functionChooser"
        title: qsTr("Function") + Language.emptyString
        single: true
        onAccepted: screen.writeFunction(selected[0][0])
    }
    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.step(delta)
        onOkClicked: screen.editField = ""
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(mixerIndex)
        systemHistory.addEndOfArgs()
        readAll()
    }
}
