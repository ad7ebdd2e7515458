import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The preflight check at model start: every listed control on an outline of
// the transmitter, lit while it is out of its start position, and the names
// of the first six such controls. Covers the whole screen and takes every
// touch; "Cancel" skips the check.
Rectangle {
    id: overlay
    property var listed: []          // { entry, id, picture }
    property var outOfPosition: []   // picture names
    property string report: ""
    readonly property bool largeBoard: rootwindow.isLargeBoard

    visible: false
    color: rootwindow.backColour

    // The picture of each control id; the second ids of switches C, G, H and
    // L show the pictures of C, G, H and L.
    function pictureOf(id) {
        switch (id) {
        case GuiCmdData.CONTROLID_Stick_STA_GUI: return "ST_A"
        case GuiCmdData.CONTROLID_Stick_STB_GUI: return "ST_B"
        case GuiCmdData.CONTROLID_Stick_STC_GUI: return "ST_C"
        case GuiCmdData.CONTROLID_Stick_STD_GUI: return "ST_D"
        case GuiCmdData.CONTROLID_Poti_ROA_GUI: return "RO_A"
        case GuiCmdData.CONTROLID_Poti_ROB_GUI: return "RO_B"
        case GuiCmdData.CONTROLID_Poti_SLA_GUI: return "SL_A"
        case GuiCmdData.CONTROLID_Poti_SLB_GUI: return "SL_B"
        case GuiCmdData.CONTROLID_SW_A_GUI: return "SW_A"
        case GuiCmdData.CONTROLID_SW_B_GUI: return "SW_B"
        case GuiCmdData.CONTROLID_SW_C_GUI: case GuiCmdData.CONTROLID_SW_CTO_GUI: return "SW_C"
        case GuiCmdData.CONTROLID_SW_D_GUI: return "SW_D"
        case GuiCmdData.CONTROLID_SW_E_GUI: return "SW_E"
        case GuiCmdData.CONTROLID_SW_F_GUI: return "SW_F"
        case GuiCmdData.CONTROLID_SW_G_GUI: case GuiCmdData.CONTROLID_SW_GTO_GUI: return "SW_G"
        case GuiCmdData.CONTROLID_SW_H_GUI: case GuiCmdData.CONTROLID_SW_HTO_GUI: return "SW_H"
        case GuiCmdData.CONTROLID_SW_I_GUI: return "SW_I"
        case GuiCmdData.CONTROLID_SW_J_GUI: return "SW_J"
        case GuiCmdData.CONTROLID_SW_K_GUI: return "SW_K"
        case GuiCmdData.CONTROLID_SW_L_GUI: case GuiCmdData.CONTROLID_SW_LTO_GUI: return "SW_L"
        case GuiCmdData.CONTROLID_SW_M_GUI: return "SW_M"
        case GuiCmdData.CONTROLID_SW_N_GUI: return "SW_N"
        }
        return ""
    }

    function show() {
        if (visible)
            return
        // Every entry to the store's end: a control removed earlier leaves a
        // gap that the used count does not cover.
        var list = []
        for (var i = 0; ; ++i) {
            var id = Database.KLX_DataBaseManagerPreflightGetSet_PhyControlID(i, false, DatabaseValue.AtomicDirGet)
            if (id <= DatabaseValue.KLX_Error)
                break
            if (id > 0)
                list.push({ entry: i, id: id, picture: pictureOf(id) })
        }
        listed = list
        visible = true
        poll()
        pollTimer.start()
    }
    function hide() {
        pollTimer.stop()
        visible = false
        listed = []
        outOfPosition = []
    }
    function poll() {
        if (Database.KLX_DataBaseManagerGetSetStartupPhases(0, DatabaseValue.AtomicDirGet) !== GuiCmdData.KLX_PHASE_MODEL_PREFL) {
            pollTimer.stop()
            return
        }
        var pictures = []
        var names = []
        var more = false
        for (var i = 0; i < listed.length; ++i) {
            if (Database.KLX_DataBaseManagerPreflightGetControlStatus(listed[i].entry))
                continue
            pictures.push(listed[i].picture)
            if (names.length < 6)
                names.push(Database.KLX_DataBaseManagerGetNameOfControlByID(listed[i].id))
            else
                more = true
        }
        outOfPosition = pictures
        report = names.length === 0 ? qsTr("Starting radio...") + Language.emptyString
                                    : qsTr("Check positions:") + Language.emptyString + "\n" + names.join("\n")
                                      + (more ? "\n..." : "")
    }
    Timer {
        id: pollTimer
        interval: 250
        repeat: true
        onTriggered: overlay.poll()
    }

    MouseArea { anchors.fill: parent }

    // The transmitter's outline, one per board variant.
    Item {
        id: outline
        x: 10
        y: 40
        width: overlay.largeBoard ? 230 : 200
        height: 170
        readonly property real sx: width / 230

        Rectangle {
            anchors.fill: parent
            radius: overlay.largeBoard ? 24 : 40
            color: "transparent"
            border.width: 2
            border.color: rootwindow.textColour
        }
        Repeater {
            model: 2
            Rectangle {
                x: (index === 0 ? 62 : 168) * outline.sx - 30
                y: 70
                width: 60
                height: 60
                radius: 30
                color: "transparent"
                border.width: 2
                border.color: rootwindow.textColour
            }
        }
        // Control pictures: lit while the control is out of position.
        Repeater {
            model: [
                { name: "ST_A", x: 59, y: 72, w: 6, h: 56 }, { name: "ST_B", x: 34, y: 97, w: 56, h: 6 },
                { name: "ST_C", x: 165, y: 72, w: 6, h: 56 }, { name: "ST_D", x: 140, y: 97, w: 56, h: 6 },
                { name: "RO_A", x: 18, y: 40, w: 16, h: 16 }, { name: "RO_B", x: 196, y: 40, w: 16, h: 16 },
                { name: "SL_A", x: 6, y: 70, w: 6, h: 50 }, { name: "SL_B", x: 218, y: 70, w: 6, h: 50 },
                { name: "SW_A", x: 30, y: 8, w: 10, h: 16 }, { name: "SW_B", x: 48, y: 8, w: 10, h: 16 },
                { name: "SW_C", x: 66, y: 8, w: 10, h: 16 }, { name: "SW_D", x: 84, y: 8, w: 10, h: 16 },
                { name: "SW_E", x: 136, y: 8, w: 10, h: 16 }, { name: "SW_F", x: 154, y: 8, w: 10, h: 16 },
                { name: "SW_G", x: 172, y: 8, w: 10, h: 16 }, { name: "SW_H", x: 190, y: 8, w: 10, h: 16 },
                { name: "SW_I", x: 40, y: 146, w: 10, h: 16 }, { name: "SW_J", x: 70, y: 146, w: 10, h: 16 },
                { name: "SW_K", x: 100, y: 146, w: 10, h: 16 }, { name: "SW_L", x: 130, y: 146, w: 10, h: 16 },
                { name: "SW_M", x: 160, y: 146, w: 10, h: 16 }, { name: "SW_N", x: 190, y: 146, w: 10, h: 16 }
            ]
            Rectangle {
                objectName: modelData.name
                x: modelData.x * outline.sx
                y: modelData.y
                width: modelData.w
                height: modelData.h
                radius: 2
                color: "#E10000"
                visible: overlay.outOfPosition.indexOf(modelData.name) >= 0
            }
        }
    }

    Text {
        objectName: "preflightReport"
        x: 260
        y: 40
        width: 210
        text: overlay.report
        wrapMode: Text.Wrap
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    GeneralPurposeButton {
        objectName: "preflightCancel"
        x: 300
        y: 226
        width: 150
        gp_text: qsTr("Cancel") + Language.emptyString
        onClicked: {
            Database.KLX_DataBaseManagerPreflightIgnore()
            Database.KLX_DataBaseManagerBindingInfoSend()
        }
    }
}
