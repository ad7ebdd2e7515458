import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model assistant's control chooser: the control last moved ("Input")
// or the fixed value, with momentary or toggle form for the switches C, G,
// H and L. OK stores it as the control of the function's group (and of the
// partner's); both buttons return to the part page.
Item {
    id: chooser
    objectName: "assistantControlChooser"

    property int functionIndex: -1
    property int partnerIndex: -1
    property string typeUrl: ""
    property int part: -1
    property int control: 0

    // momentary id -> toggle id
    readonly property var toggles: ({
        [GuiCmdData.CONTROLID_SW_C_GUI]: GuiCmdData.CONTROLID_SW_CTO_GUI,
        [GuiCmdData.CONTROLID_SW_G_GUI]: GuiCmdData.CONTROLID_SW_GTO_GUI,
        [GuiCmdData.CONTROLID_SW_L_GUI]: GuiCmdData.CONTROLID_SW_LTO_GUI,
        [GuiCmdData.CONTROLID_SW_H_GUI]: GuiCmdData.CONTROLID_SW_HTO_GUI
    })
    function momentaryOf(c) {
        for (var m in toggles)
            if (toggles[m] === c)
                return Number(m)
        return c
    }
    readonly property bool hasMode: toggles[momentaryOf(control)] !== undefined
    readonly property bool isToggle: hasMode && momentaryOf(control) !== control
    readonly property bool fixed: control === GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI

    function heading() {
        var f = AssistantBuffer.getFunction(functionIndex)
        return f ? f.displayName.replace("_A_", "_").replace("_B_", "_") : ""
    }
    function controlName() {
        if (control === 0)
            return "---"
        if (fixed)
            return qsTr("On") + Language.emptyString
        return Database.KLX_DataBaseManagerGetNameOfControlByID(control)
    }
    function store(f) {
        if (f)
            AssistantBuffer.setGroupControl(f.group, control)
    }
    function leave(keep) {
        if (keep) {
            store(AssistantBuffer.getFunction(functionIndex))
            store(AssistantBuffer.getFunction(partnerIndex))
        }
        rootwindow.openScreen(typeUrl, { part: part })
    }
    Connections {
        target: Database
        function onControlSelected(moved) { chooser.control = moved }
    }

    Text {
        objectName: "chooserHeading"
        x: 10
        y: 4
        text: chooser.heading()
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        font.bold: true
    }
    Text {
        objectName: "chosenControl"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 50
        text: chooser.controlName()
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 30
        font.bold: true
    }
    Row {
        x: 10
        y: 110
        spacing: 10
        GeneralPurposeButton {
            objectName: "inputSource"
            width: 140
            gp_text: qsTr("Input") + Language.emptyString
            state: chooser.control !== 0 && !chooser.fixed ? "active" : ""
        }
        GeneralPurposeButton {
            objectName: "fixSource"
            width: 140
            gp_text: qsTr("Fix value") + Language.emptyString
            state: chooser.fixed ? "active" : ""
            onClicked: chooser.control = GuiCmdData.CONTROLID_FIXSWITCH_ON_GUI
        }
    }
    Row {
        x: 10
        y: 150
        spacing: 10
        visible: chooser.hasMode
        GeneralPurposeButton {
            objectName: "momentary"
            width: 140
            gp_text: qsTr("Momentary") + Language.emptyString
            state: chooser.isToggle ? "" : "active"
            onClicked: chooser.control = chooser.momentaryOf(chooser.control)
        }
        GeneralPurposeButton {
            objectName: "toggle"
            width: 140
            gp_text: qsTr("Toggle") + Language.emptyString
            state: chooser.isToggle ? "active" : ""
            onClicked: chooser.control = chooser.toggles[chooser.momentaryOf(chooser.control)]
        }
    }
    Row {
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 10
        GeneralPurposeButton {
            objectName: "chooserOk"
            gp_text: qsTr("OK") + Language.emptyString
            onClicked: chooser.leave(true)
        }
        GeneralPurposeButton {
            objectName: "chooserCancel"
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: chooser.leave(false)
        }
    }

    Component.onCompleted: {
        rootwindow.smartKeyLock = true
        rootwindow.lockedScreen = rootwindow.loadedUrl()
        Database.KLX_DataBaseManager_StickdataStartWatchingMovement(false)
    }
    Component.onDestruction: Database.KLX_DataBaseManager_StickdataStopWatchingMovement()
}
