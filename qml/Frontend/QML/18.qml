import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The calibration screen: a moved control is chosen; its type and direction
// are set, and its end and centre positions are taught through the
// calibration task, whose triggers drive the dialog bar step by step.
Item {
    id: calibration
    objectName: "calibrationScreen"

    // ---- the chosen control ----
    property int control: -1
    property int controlType: -1
    property bool invers: false
    property bool typeChoice: false

    // ---- the dialog: 0 closed, 1 end positions, 2 centre position ----
    property int phase: 0
    property bool confirmShown: false
    property bool running: false

    readonly property var twoPositionSwitches: [GuiCmdData.CONTROLID_SW_C_GUI, GuiCmdData.CONTROLID_SW_G_GUI,
        GuiCmdData.CONTROLID_SW_L_GUI, GuiCmdData.CONTROLID_SW_H_GUI, GuiCmdData.CONTROLID_SW_CTO_GUI,
        GuiCmdData.CONTROLID_SW_GTO_GUI, GuiCmdData.CONTROLID_SW_LTO_GUI, GuiCmdData.CONTROLID_SW_HTO_GUI]
    readonly property bool twoPosition: twoPositionSwitches.indexOf(control) >= 0
    readonly property var types: [GuiCmdData.KLX_TASK_PARA_CONT_2POL_SWITCH, GuiCmdData.KLX_TASK_PARA_CONT_3POL_SWITCH,
        GuiCmdData.KLX_TASK_PARA_CONT_LINEAR]

    function typeText(type) {
        switch (type) {
        case GuiCmdData.KLX_TASK_PARA_CONT_2POL_SWITCH: return qsTr("2-Pos.") + Language.emptyString
        case GuiCmdData.KLX_TASK_PARA_CONT_3POL_SWITCH: return qsTr("3-Pos.") + Language.emptyString
        case GuiCmdData.KLX_TASK_PARA_CONT_LINEAR: return qsTr("linear") + Language.emptyString
        }
        return "---"
    }

    // ---- choosing ----
    function watch() { Database.KLX_DataBaseManager_StickdataStartWatchingMovement(false) }
    function choose(moved) {
        if (phase !== 0 || running)
            return
        control = moved
        typeChoice = false
        controlType = Database.KLX_DataBaseManagerSystemPropertiesGet_ControlTypByControl(moved)
        invers = RuntimeDatabase.KLX_IsDirectionOfControlInvers(moved) === DatabaseValue.KLX_True
    }
    Connections {
        target: Database
        function onControlSelected(moved) { calibration.choose(moved) }
    }

    function setType(type) {
        typeChoice = false
        var result = Database.KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlType(control, type)
        controlType = result <= DatabaseValue.KLX_Error ? -1 : type
    }
    function flipDirection() {
        var result = RuntimeDatabase.KLX_SetDirectionOfControl(control, invers ? DatabaseValue.KLX_False : DatabaseValue.KLX_True)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        invers = RuntimeDatabase.KLX_IsDirectionOfControlInvers(control) === DatabaseValue.KLX_True
    }

    // ---- the calibration task ----
    function start() {
        if (types.indexOf(controlType) < 0) {
            // The calibration follows the type: without one it cannot start.
            typeChoice = true
            rootwindow.popupShow(null, "error", qsTr("Please choose the type of the control first") + Language.emptyString, "Ok")
            return
        }
        Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
        rootwindow.smartKeyLock = true
        running = true
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_CALIBRATION, control, controlType,
                                                         invers ? 1 : 0, "", "", "")
        if (result <= DatabaseValue.KLX_Error) {
            // Refused: nothing will answer, the screen waits for a control again.
            finish()
            errorHandler.processError(result)
        }
    }
    // Back to waiting for a moved control, keys free.
    function finish() {
        phase = 0
        confirmShown = false
        running = false
        rootwindow.smartKeyLock = false
        watch()
    }
    function confirm() {
        Command.KLX_GuiCommandHandlerUserDialogInput(GuiCmdData.GUI_USER_Yes)
        if (phase === 1 && controlType !== GuiCmdData.KLX_TASK_PARA_CONT_2POL_SWITCH) {
            phase = 2
            confirmShown = false
        }
    }
    function cancel() {
        Command.KLX_GuiCommandHandlerUserDialogInput(GuiCmdData.GUI_USER_Cancel)
        phase = 0
        confirmShown = false
    }
    function taskState(state) {
        switch (state) {
        case GuiCmdData.GUI_TASK_RESULT_Trigger:
            // The first question opens the bar; the next ones stand once the
            // end positions, then the centre, were reached.
            if (phase === 0) {
                phase = 1
                confirmShown = false
            } else {
                confirmShown = true
            }
            break
        case GuiCmdData.GUI_TASK_RESULT_ReTrigger:
            if (phase === 2)
                confirmShown = false
            break
        case GuiCmdData.GUI_TASK_RESULT_Done:
        case GuiCmdData.GUI_TASK_RESULT_None:
            finish()
            break
        case GuiCmdData.GUI_TASK_RESULT_Error:
            finish()
            errorHandler.processTaskError(ErrorHndlr.KLX_ErrorHandlerGetErrorText())
            break
        case GuiCmdData.GUI_TASK_RESULT_Timeout:
            finish()
            rootwindow.popupShow(null, "error", qsTr("Timeout") + Language.emptyString, "Ok")
            break
        }
    }
    Connections {
        target: Command
        function onGuiInformer(state) { if (calibration.running) calibration.taskState(state) }
    }

    // ---- waiting for a control ----
    Column {
        objectName: "moveHint"
        anchors.centerIn: parent
        visible: calibration.control < 0
        spacing: 4
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Please move the control") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 20
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("you wish to calibrate") + Language.emptyString
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 20
        }
    }

    // ---- the chosen control ----
    Column {
        x: 10
        y: 10
        spacing: 8
        visible: calibration.control >= 0

        GeneralPurposeLabel {
            objectName: "controlName"
            width: 300
            fontSize: 20
            bold: true
            text: calibration.control >= 0 ? Database.KLX_DataBaseManagerGetNameOfControlByID(calibration.control) : ""
        }
        LabelledRow {
            labelWidth: 110
            label: qsTr("Type") + Language.emptyString
            GeneralPurposeButton {
                objectName: "typeButton"
                width: 100
                gp_text: calibration.typeText(calibration.controlType)
                state: calibration.typeChoice ? "active" : ""
                onClicked: if (calibration.phase === 0) calibration.typeChoice = !calibration.typeChoice
            }
            Repeater {
                model: calibration.typeChoice ? calibration.types : []
                GeneralPurposeButton {
                    objectName: "type_" + modelData
                    width: 75
                    gp_text: calibration.typeText(modelData)
                    state: modelData === calibration.controlType ? "active" : ""
                    onClicked: calibration.setType(modelData)
                }
            }
        }
        SettingRow {
            labelWidth: 110
            label: qsTr("Direct.") + Language.emptyString
            buttonName: "directionButton"
            valueWidth: 100
            value: calibration.invers ? qsTr("Invers") + Language.emptyString : qsTr("Normal") + Language.emptyString
            onClicked: if (calibration.phase === 0) calibration.flipDirection()
        }
        GeneralPurposeButton {
            objectName: "calibrationButton"
            width: 215
            visible: !calibration.twoPosition
            gp_text: qsTr("Calibration") + Language.emptyString
            state: calibration.running ? "disabled" : ""
            onClicked: calibration.start()
        }
    }

    // ---- the dialog bar ----
    Rectangle {
        objectName: "calibrationBar"
        visible: calibration.phase !== 0
        x: 0
        width: parent.width
        height: 80
        anchors.bottom: parent.bottom
        color: rootwindow.contrast_sheme === 0 ? "#202020" : "#e4e4e4"
        border.color: rootwindow.rectBorderColour
        border.width: 1
        MouseArea { anchors.fill: parent }

        Column {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2
            Text {
                text: qsTr("Move Control to") + Language.emptyString
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
            }
            Text {
                objectName: "phaseText"
                text: calibration.phase === 1 ? qsTr("Endpositions") + Language.emptyString
                                              : qsTr("Center Position") + Language.emptyString
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 20
                font.bold: true
            }
        }
        Row {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10
            GeneralPurposeButton {
                objectName: "confirmButton"
                width: 100
                visible: calibration.confirmShown
                gp_text: calibration.phase === 1 && !calibration.twoPosition && calibration.controlType !== GuiCmdData.KLX_TASK_PARA_CONT_2POL_SWITCH
                         ? qsTr("Proceed") + Language.emptyString : qsTr("Ready") + Language.emptyString
                onClicked: calibration.confirm()
            }
            GeneralPurposeButton {
                objectName: "cancelButton"
                width: 100
                gp_text: qsTr("Cancel") + Language.emptyString
                onClicked: calibration.cancel()
            }
        }
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        watch()
    }
    Component.onDestruction: {
        Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
        rootwindow.smartKeyLock = false
    }
}
