import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The expo page of the function set-up: rate and expo (each field chosen by
// the live position of its own control: "Lo" at or below -20 %, "Hi" at or
// above 20 %, else "Center"), their controls, the run times, the curve
// editor and whether the function follows the flight mode.
Item {
    id: expoPage
    objectName: "expoPage"
    property int functionId: -1
    property var graph: null
    property int currentFm: 0
    property int editedFm: 0
    property bool single: false
    property int rateControl: 0
    property int expoControl: 0
    property int durationLeft: 0
    property int durationRight: 0
    property int rateShown: 0
    property int expoRightShown: 0
    property int expoLeftShown: 0
    // The fields the fly-in changes: "rate", or "expoRight" and/or "expoLeft",
    // or "durationLeft" / "durationRight".
    property var selection: []

    function failed(code) { return typeof code === "number" && code <= DatabaseValue.KLX_Error }
    function isSelected(name) { return selection.indexOf(name) >= 0 }

    function start() {
        followFlightMode()
    }
    function followFlightMode() {
        currentFm = rootwindow.currentFlightMode()
        single = Database.KLX_DataBaseManager_IsFunctionFlightModeDependent(functionId, currentFm) === DatabaseValue.KLX_True
        var fm = single ? currentFm : 0
        if (fm !== editedFm || !readOnce) {
            editedFm = fm
            readAll()
        }
    }
    property bool readOnce: false
    function readAll() {
        readOnce = true
        rateControl = Database.KLX_DataBaseManagerFunctionGetSet_ControlRate(functionId, 0, DatabaseValue.AtomicDirGet)
        expoControl = Database.KLX_DataBaseManagerFunctionGetSet_ControlExpo(functionId, 0, DatabaseValue.AtomicDirGet)
        durationLeft = Database.KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromLeft(functionId, editedFm, 0, DatabaseValue.AtomicDirGet)
        durationRight = Database.KLX_DataBaseManagerFunctionGetSet_Setup_DurationFromRight(functionId, editedFm, 0, DatabaseValue.AtomicDirGet)
        recalculate()
    }

    // "Lo", "Center" or "Hi" by the live percent of a control.
    function band(control) {
        var percent = Database.KLX_DataBaseManagerGetValueOfControlPercent(control)
        return percent <= -20 ? "Lo" : percent >= 20 ? "Hi" : "Center"
    }
    function fieldOf(name) {
        switch (name) {
        case "rate": return "Setup_FlexRate" + band(rateControl)
        case "expoRight": return "Setup_FlexExpo" + band(expoControl)
        case "expoLeft": return "Setup_FlexExpoNeg" + band(expoControl)
        case "durationLeft": return "Setup_DurationFromLeft"
        case "durationRight": return "Setup_DurationFromRight"
        }
        return ""
    }
    function stepField(name, delta) {
        var accessor = "KLX_DataBaseManagerFunctionGetSet_" + fieldOf(name)
        var value = Database[accessor](functionId, editedFm, 0, DatabaseValue.AtomicDirGet)
        if (failed(value)) {
            errorHandler.processError(value)
            return
        }
        var result = Database[accessor](functionId, editedFm, value + delta, DatabaseValue.AtomicDirSet, true)
        if (failed(result)) {
            errorHandler.processError(result)
            return
        }
        if (name === "durationLeft")
            durationLeft = result
        else if (name === "durationRight")
            durationRight = result
        else
            recalculate()
    }
    function step(delta) {
        for (var i = 0; i < selection.length; ++i)
            stepField(selection[i], delta)
    }

    // Rate alone; expo right and left together; one run time.
    function select(name) {
        var list = selection.slice()
        var at = list.indexOf(name)
        if (at >= 0) {
            list.splice(at, 1)
        } else if (name === "expoRight" || name === "expoLeft") {
            list = list.filter(function(n) { return n === "expoRight" || n === "expoLeft" })
            list.push(name)
        } else {
            list = [name]
        }
        selection = list
        flyin.extended = list.length > 0
        scrollTo(list.indexOf("durationLeft") >= 0 || list.indexOf("durationRight") >= 0 ? 170
                 : list.indexOf("expoLeft") >= 0 ? 70 : list.indexOf("expoRight") >= 0 ? 40 : 0)
    }
    function scrollTo(y) {
        var target = Math.max(0, Math.min(y, rows.contentHeight - rows.height + flyin.height))
        scroller.to = target
        scroller.duration = Math.abs(target - rows.contentY) / 6 * 10
        scroller.restart()
    }

    function recalculate() {
        calcTimer.active = RuntimeDatabase.KLX_FunctionCalcCalculate(functionId, editedFm, false) === DatabaseValue.KLX_Ok
        if (graph)
            graph.refresh()
    }

    function askFlightMode() {
        var wasSingle = single
        var fm0 = Database.KLX_DataBaseManagerFlightmodeGetSet_Name(0, "", DatabaseValue.AtomicDirGet)
        rootwindow.popupShow(null, "question",
                             qsTr("Do you really want to reset all settings of this function to the values of '") + Language.emptyString
                             + fm0 + qsTr("' flight mode?") + Language.emptyString, "OkAbort", function() {
                                 var result = Database.KLX_DataBaseManager_SetFunctionFlightModeDependent(
                                             expoPage.functionId, expoPage.currentFm,
                                             wasSingle ? DatabaseValue.KLX_False : DatabaseValue.KLX_True, true)
                                 if (expoPage.failed(result))
                                     errorHandler.processError(result)
                                 expoPage.readOnce = false
                                 expoPage.followFlightMode()
                             })
    }

    function openSelector(parentId, control) {
        rootwindow.openScreen("qrc:/Frontend/QML/36_ControlSelector.qml",
                              { parentId: parentId, funcId: functionId, initialControlId: control })
    }
    function controlText(id) {
        return id === GuiCmdData.CONTROLID_None_GUI ? "---" : Database.KLX_DataBaseManagerGetNameOfControlByID(id)
    }

    Connections {
        target: Database
        function onFlightModeChanged(from, to) { expoPage.followFlightMode() }
    }

    // The shown gains, and the curve while the engine computes it.
    Timer {
        id: calcTimer
        property bool active: false
        interval: 50
        repeat: true
        running: !rootwindow.shutdown && expoPage.functionId >= 0
        onTriggered: {
            expoPage.rateShown = RuntimeDatabase.KLX_TriValRateValue(DatabaseValue.AtomicDirGet, 0, expoPage.functionId)
            expoPage.expoRightShown = RuntimeDatabase.KLX_TriValExpoValue(DatabaseValue.AtomicDirGet, 0, expoPage.functionId, 0)
            expoPage.expoLeftShown = RuntimeDatabase.KLX_TriValExpoValue(DatabaseValue.AtomicDirGet, 0, expoPage.functionId, 1)
            if (active)
                expoPage.recalculate()
        }
    }

    SettingsList {
        id: rows
        anchors.fill: parent
        anchors.bottomMargin: flyin.extended ? flyin.height : 0
        NumberAnimation on contentY { id: scroller; running: false }
        labelWidth: 120
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Flight Mode") + Language.emptyString
            buttonName: "flightModeDependent"
            valueWidth: rows.valueWidth
            value: expoPage.single ? qsTr("Single") + Language.emptyString : qsTr("Global") + Language.emptyString
            onClicked: expoPage.askFlightMode()
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Control rate") + Language.emptyString
            buttonName: "controlRate"
            valueWidth: rows.valueWidth
            value: expoPage.controlText(expoPage.rateControl)
            onClicked: expoPage.openSelector("functionRate", expoPage.rateControl)
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Rate") + Language.emptyString
            buttonName: "rate"
            valueWidth: rows.valueWidth
            value: expoPage.rateShown + "%"
            active: expoPage.isSelected("rate")
            onClicked: expoPage.select("rate")
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Control expo") + Language.emptyString
            buttonName: "controlExpo"
            valueWidth: rows.valueWidth
            value: expoPage.controlText(expoPage.expoControl)
            onClicked: expoPage.openSelector("functionExpo", expoPage.expoControl)
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Expo right") + Language.emptyString
            buttonName: "expoRight"
            valueWidth: rows.valueWidth
            value: expoPage.expoRightShown + "%"
            active: expoPage.isSelected("expoRight")
            onClicked: expoPage.select("expoRight")
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Expo left") + Language.emptyString
            buttonName: "expoLeft"
            valueWidth: rows.valueWidth
            value: expoPage.expoLeftShown + "%"
            active: expoPage.isSelected("expoLeft")
            onClicked: expoPage.select("expoLeft")
        }
        SettingRow {
            labelWidth: rows.labelWidth
            label: qsTr("Curve") + Language.emptyString
            buttonName: "editCurve"
            valueWidth: rows.valueWidth
            value: qsTr("Edit") + Language.emptyString
            onClicked: rootwindow.openScreen("qrc:/Frontend/QML/25_FunctionCurveEditor.qml",
                                             { functionId: expoPage.functionId, fmStore: expoPage.currentFm })
        }
        LabelledRow {
            labelWidth: rows.labelWidth
            label: qsTr("Run time") + Language.emptyString
            GeneralPurposeButton {
                objectName: "durationLeft"
                width: (rows.valueWidth - 5) / 2
                gp_text: expoPage.durationLeft
                state: expoPage.isSelected("durationLeft") ? "active" : ""
                onClicked: expoPage.select("durationLeft")
            }
            GeneralPurposeButton {
                objectName: "durationRight"
                width: (rows.valueWidth - 5) / 2
                gp_text: expoPage.durationRight
                state: expoPage.isSelected("durationRight") ? "active" : ""
                onClicked: expoPage.select("durationRight")
            }
        }
    }
    ScrollBar { flickable: rows }

    FlyinIncDec {
        id: flyin
        objectName: "setupFlyin"
        onStep: expoPage.step(delta)
        onOkClicked: {
            expoPage.selection = []
            expoPage.scrollTo(0)
        }
    }
}
