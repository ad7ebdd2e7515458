import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// One flight mode of the diagram: its name, whether it is used, its
// fade-in time and the functions that switch over without fading. An entry
// without a flight mode of its own gets a new one, a copy of the standard
// flight mode; no flight mode can be made before the standard one.
Item {
    id: screen
    objectName: "flightModeEditor"
    property int lut_index: 0
    property int flightmodesNum: 13

    readonly property string diagramUrl: "qrc:/Frontend/QML/FlightModeSelector.qml"
    readonly property int fadeInMax: 300
    readonly property int maxFunctions: Database.KLX_DataBaseManagerGetMaxFunctions()
    property int fm: -1            // -1 while there is none
    property string fmName: ""
    property bool used: false
    property int fadeIn: 0
    property var noFadeIn: []      // { slot, function }
    property bool changed: false
    property bool fadeEditing: false

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function lut(entry) {
        return Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(entry, 0, DatabaseValue.AtomicDirGet)
    }
    function fmUsed(f) {
        return f >= 0 && Database.KLX_DataBaseManagerFlightmodeGetSet_IsUsed(f, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
    }
    function functionName(f) {
        var text = Database.KLX_DataBaseManagerFunctionGetSet_Name(f, "", DatabaseValue.AtomicDirGet)
        return text === "" ? "---" : text
    }
    function readAll() {
        var get = DatabaseValue.AtomicDirGet
        fmName = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(fm, "", get)
        used = fmUsed(fm)
        var f = Database.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(fm, 0, get)
        if (f > DatabaseValue.KLX_Error)
            fadeIn = f
        readNoFadeIn()
    }
    function readNoFadeIn() {
        var get = DatabaseValue.AtomicDirGet
        var count = Database.KLX_DataBaseManagerFlightmodeGetSet_FunctionNum(fm, 0, get)
        var list = []
        for (var slot = 0; slot < count; ++slot) {
            var f = Database.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm, slot, 0, get)
            if (f >= 0 && f < maxFunctions
                    && Database.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, get) === DatabaseValue.KLX_True)
                list.push({ slot: slot, func: f })
        }
        noFadeIn = list
    }

    // ---- creating ----
    function create() {
        task.loadNew(GuiCmdData.KLX_TASK_PARA_MODEL_Flightmode)
    }
    function created(index) {
        if (index < 0 || index >= flightmodesNum)
            return
        var set = DatabaseValue.AtomicDirSet
        if (index === 0) {
            // The standard flight mode: every other entry starts on it.
            for (var e = 12; e >= 1; --e)
                if (report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(e, 0, set)))
                    return
        } else if (report(Database.KLX_DataBaseManagerFlightmodeClone(0, index))) {
            return
        }
        if (report(Database.KLX_DataBaseManagerFlightmodeAssignGetSet_FlightModeLUT(lut_index, index, set)))
            return
        fm = index
        readAll()
    }
    ElementTask {
        id: task
        kind: GuiCmdData.KLX_TASK_PARA_MODEL_Flightmode
        onDone: screen.created(newIndex)
    }

    // ---- fields ----
    function editName() {
        if (fm < 0)
            return
        keyboard.edit(fmName, function(text) {
            return Database.KLX_DataBaseManagerFlightmodeGetSet_Name(screen.fm, text, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
        })
    }
    // The fade-in in tenths of a second; what is shown is what is stored.
    function stepFadeIn(delta) {
        if (fm < 0)
            return
        var next = Math.max(0, Math.min(fadeInMax, fadeIn + delta))
        if (next === fadeIn)
            return
        var result = Database.KLX_DataBaseManagerFlightmodeGetSet_FadeIn(fm, next, DatabaseValue.AtomicDirSet, DatabaseValue.KLX_True)
        if (report(result))
            return
        fadeIn = result
        changed = true
    }
    function chooseFunctions() {
        if (fm < 0)
            return
        var listed = noFadeIn.map(function(e) { return e.func })
        var list = []
        for (var f = 0; f < maxFunctions; ++f)
            if (Database.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
                list.push({ label: functionName(f), value: f, selected: listed.indexOf(f) >= 0, enabled: true })
        chooser.show([{ heading: "", entries: list, limit: maxFunctions }])
    }
    function writeFunctions(values) {
        var set = DatabaseValue.AtomicDirSet
        for (var slot = 0; slot < maxFunctions; ++slot)
            if (report(Database.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm, slot, maxFunctions, set)))
                return
        for (var i = 0; i < values.length; ++i)
            if (report(Database.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(fm, i, values[i], set)))
                break
        changed = true
        readNoFadeIn()
    }
    function askDeleteFunction(slot) {
        options.close()
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete this\nNo Fade-in function?") + Language.emptyString,
                             "OkAbort", function() {
                                 screen.report(Database.KLX_DataBaseManagerFlightmodeGetSet_NoFadeInFuncIdxs(
                                                   screen.fm, slot, screen.maxFunctions, DatabaseValue.AtomicDirSet))
                                 screen.changed = true
                                 screen.readNoFadeIn()
                             })
    }

    // ---- drawing ----
    Column {
        x: 8
        y: 6
        spacing: 6
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 185; text: qsTr("Name") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "fmName"
                width: 200
                gp_text: screen.fm < 0 ? "---" : screen.fmName
                onClicked: screen.editName()
            }
        }
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 185; text: qsTr("Use") + Language.emptyString }
            GeneralPurposeLabel {
                objectName: "fmUse"
                width: 200
                text: screen.used ? qsTr("Yes") + Language.emptyString : qsTr("No") + Language.emptyString
            }
        }
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 185; text: qsTr("Fade-in") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "fmFadeIn"
                width: 200
                gp_text: (screen.fadeIn / 10).toFixed(1) + " s"
                state: screen.fadeEditing && flyin.extended ? "active" : ""
                onClicked: {
                    if (screen.fm < 0)
                        return
                    screen.fadeEditing = true
                    flyin.extended = true
                }
            }
        }
        Row {
            spacing: 6
            GeneralPurposeLabel { width: 185; text: qsTr("No Fade-in Functions") + Language.emptyString }
            GeneralPurposeButton {
                objectName: "fmNoFadeInAdd"
                width: 60
                gp_text: "+"
                fontSize: 18
                onClicked: screen.chooseFunctions()
            }
        }
        Flow {
            objectName: "noFadeInList"
            width: 460
            spacing: 4
            Repeater {
                model: screen.noFadeIn
                GeneralPurposeButton {
                    objectName: "noFadeIn_" + modelData.func
                    width: 110
                    fontSize: 13
                    gp_text: screen.functionName(modelData.func)
                    onClicked: options.open([{ name: "delete", label: qsTr("Delete function") + Language.emptyString }],
                                            modelData.slot)
                }
            }
        }
    }
    GeneralPurposeButton {
        objectName: "fmOk"
        x: parent.width - width - 8
        y: parent.height - height - 6
        visible: screen.changed
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: rootwindow.openScreen(screen.diagramUrl)
    }

    OptionsBar {
        id: options
        onChosen: if (name === "delete") screen.askDeleteFunction(datum)
    }
    ItemChooser {
        id: chooser
        objectName: "functionChooser"
        title: qsTr("Please select available functions:") + Language.emptyString
        allowEmpty: true
        onAccepted: screen.writeFunctions(selected[0])
    }
    FlyinIncDec {
        id: flyin
        objectName: "flyin"
        onStep: screen.stepFadeIn(delta)
        onOkClicked: screen.fadeEditing = false
    }
    NameKeyboard {
        id: keyboard
        objectName: "keyboard"
        onWritten: {
            screen.fmName = stored
            screen.changed = true
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(lut_index)
        systemHistory.addArg(flightmodesNum)
        systemHistory.addEndOfArgs()
        var current = lut(lut_index)
        var standard = fmUsed(lut(0))
        if (lut_index === 0 && !standard) {
            create()
        } else if (lut_index !== 0 && !standard) {
            rootwindow.popupShow(null, "attention", qsTr("\nStandard Flight Mode should be created first!") + Language.emptyString,
                                 "Ok", function() { rootwindow.openScreen(screen.diagramUrl) })
        } else if (lut_index !== 0 && (current === 0 || current >= flightmodesNum)) {
            create()
        } else {
            fm = current
            readAll()
        }
    }
}
