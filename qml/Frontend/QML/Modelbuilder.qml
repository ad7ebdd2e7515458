import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model assistant's builder: creates one function per group through
// element tasks and names it, sets the controls and trims, assigns the
// servos one after the other and names them, then counts down and opens the
// function overview. A failed task ends the build where it stands.
Rectangle {
    id: builder
    color: rootwindow.backColour
    MouseArea { anchors.fill: parent }

    property var plan: []
    property var assignments: []
    // "functions", "servos", "end" or "" (not started)
    property string stage: ""
    property int step: 0
    property bool pending: false
    property int countdown: 5
    property int distinct: 0
    readonly property var trimOfStick: ({ "ST-A": GuiCmdData.CONTROLID_RE_TRA_GUI, "ST-B": GuiCmdData.CONTROLID_RE_TRB_GUI,
                                          "ST-C": GuiCmdData.CONTROLID_RE_TRC_GUI, "ST-D": GuiCmdData.CONTROLID_RE_TRD_GUI })

    function failed(result) { return result <= DatabaseValue.KLX_Error }

    function start() {
        plan = AssistantBuffer.buildPlan()
        distinct = AssistantBuffer.countDistinctServos()
        visible = true
        rootwindow.smartKeyLock = true
        stage = "functions"
        step = 0
        createNext()
    }
    function request(kind, para2, para3) {
        pending = true
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_LOAD_UNIT, kind, para2, para3, "", "", "")
        if (failed(result)) {
            pending = false
            errorHandler.processError(result)
            end()
        }
    }
    function createNext() {
        if (step < plan.length) {
            request(GuiCmdData.KLX_TASK_PARA_MODEL_Function, 0, GuiCmdData.KLX_TASK_PARA_NEW)
            return
        }
        setControls()
        var list = []
        plan.forEach(function(e) { e.servos.forEach(function(s) { list.push({ servo: s.servo, fn: e.index }) }) })
        assignments = list
        stage = "servos"
        step = 0
        assignNext()
    }
    function created() {
        var index = RuntimeDatabase.KLX_RuntimeDatabaseGetUnitNewIndex(GuiCmdData.KLX_TASK_PARA_MODEL_Function)
        if (failed(index)) {
            errorHandler.processError(index)
            end()
            return
        }
        plan[step].index = index
        if (Database.KLX_DataBaseManagerFunctionGetSet_Name(index, plan[step].name, DatabaseValue.AtomicDirSet) === "")
            errorHandler.processError("nameDuplicate")
        step += 1
        createNext()
    }
    // A failed control or trim write is shown; the build goes on.
    function setControls() {
        plan.forEach(function(e) {
            var result = Database.KLX_DataBaseManagerFunctionGetSet_Control(e.index, e.control, DatabaseValue.AtomicDirSet, true)
            if (failed(result)) {
                errorHandler.processError(result)
                return
            }
            var trim = trimOfStick[Database.KLX_DataBaseManagerGetNameOfControlByID(e.control)]
            if (trim === undefined)
                return
            result = Database.KLX_DataBaseManagerFunctionGetSet_Trim_Control(e.index, trim, DatabaseValue.AtomicDirSet, true)
            if (failed(result))
                errorHandler.processError(result)
        })
    }
    function assignNext() {
        if (step < assignments.length) {
            request(GuiCmdData.KLX_TASK_PARA_MODEL_ServoConfig, assignments[step].servo, assignments[step].fn)
            return
        }
        var done = {}
        plan.forEach(function(e) {
            e.servos.forEach(function(s) {
                if (done[s.servo])
                    return
                done[s.servo] = true
                if (Database.KLX_DataBaseManagerServoConfigGetSet_Name(s.servo, s.name, DatabaseValue.AtomicDirSet) === "")
                    errorHandler.processError("nameDuplicate")
            })
        })
        end()
    }
    function taskState(state) {
        if (state === GuiCmdData.GUI_TASK_RESULT_Working || state === GuiCmdData.GUI_TASK_RESULT_Trigger
                || state === GuiCmdData.GUI_TASK_RESULT_ReTrigger)
            return
        pending = false
        if (state === GuiCmdData.GUI_TASK_RESULT_Done) {
            if (stage === "functions")
                created()
            else {
                step += 1
                assignNext()
            }
            return
        }
        if (failed(state))
            errorHandler.processTaskError(errorHandler.getErrorMessage(state))
        else if (state === GuiCmdData.GUI_TASK_RESULT_Error)
            errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
        else if (state === GuiCmdData.GUI_TASK_RESULT_Timeout)
            rootwindow.popupShow(null, "error", qsTr("Timeout") + Language.emptyString, "Ok")
        end()
    }
    Connections {
        target: Command
        function onGuiInformer(state) { if (builder.pending) builder.taskState(state) }
    }

    // ---- the end ----
    function end() {
        stage = "end"
        countdown = 5
        endTimer.restart()
    }
    function finish() {
        endTimer.stop()
        stage = ""
        AssistantBuffer.history.clear()
        rootwindow.assistantHistory = null
        Database.KLX_DataBaseManagerForceSavingXMLFiles(false)
        rootwindow.smartKeyLock = false
        rootwindow.openScreen("qrc:/Frontend/QML/4_0.qml")
    }
    Timer {
        id: endTimer
        interval: 1000
        repeat: true
        onTriggered: {
            builder.countdown -= 1
            if (builder.countdown <= 0)
                builder.finish()
        }
    }
    Component.onDestruction: if (stage !== "") rootwindow.smartKeyLock = false

    Column {
        anchors.centerIn: parent
        spacing: 10
        Row {
            spacing: 20
            anchors.horizontalCenter: parent.horizontalCenter
            ProgressSpinner {
                objectName: "functionProgress"
                width: 70
                height: 70
                value: builder.plan.length > 0 ? 100 * (builder.stage === "functions" ? builder.step : builder.plan.length) / builder.plan.length : 0
            }
            Column {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4
                Text {
                    objectName: "functionCount"
                    text: qsTr("Functions") + Language.emptyString + " "
                          + (builder.stage === "functions" ? builder.step : builder.plan.length) + "/" + builder.plan.length
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 17
                }
                Text {
                    objectName: "servoCount"
                    readonly property int done: builder.stage === "functions" ? 0
                        : builder.stage === "servos" ? builder.step : builder.assignments.length
                    text: qsTr("Servos") + Language.emptyString + " "
                          + (builder.assignments.length > 0 ? Math.round(done * builder.distinct / builder.assignments.length) : 0)
                          + "/" + builder.distinct
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 17
                }
            }
        }
        GeneralPurposeButton {
            objectName: "doneButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 120
            visible: builder.stage === "end"
            gp_text: qsTr("Done") + Language.emptyString + "(" + builder.countdown + ")"
            onClicked: builder.finish()
        }
    }
}
