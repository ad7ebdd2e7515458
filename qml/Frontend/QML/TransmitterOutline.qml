import QtQuick 2.15
import GuiData 1.0

// The transmitter seen from the front, with its sticks, rotaries, sliders
// and switches as marks; the control `marked` (a control id) is lit. The
// smaller board has its own, narrower outline.
Item {
    id: outline
    property int marked: 0
    property bool largeBoard: rootwindow.isLargeBoard

    // Where each control sits, as fractions of the outline (x, y).
    readonly property var largePlaces: ({
        [GuiCmdData.CONTROLID_Stick_STA_GUI]: [0.28, 0.62],
        [GuiCmdData.CONTROLID_Stick_STB_GUI]: [0.28, 0.62],
        [GuiCmdData.CONTROLID_Stick_STC_GUI]: [0.72, 0.62],
        [GuiCmdData.CONTROLID_Stick_STD_GUI]: [0.72, 0.62],
        [GuiCmdData.CONTROLID_RE_TRA_GUI]: [0.28, 0.88],
        [GuiCmdData.CONTROLID_RE_TRB_GUI]: [0.12, 0.62],
        [GuiCmdData.CONTROLID_RE_TRE_GUI]: [0.72, 0.88],
        [GuiCmdData.CONTROLID_RE_TRC_GUI]: [0.88, 0.62],
        [GuiCmdData.CONTROLID_RE_TRD_GUI]: [0.44, 0.62],
        [GuiCmdData.CONTROLID_RE_TRF_GUI]: [0.56, 0.62],
        [GuiCmdData.CONTROLID_SW_A_GUI]: [0.10, 0.12],
        [GuiCmdData.CONTROLID_SW_B_GUI]: [0.20, 0.12],
        [GuiCmdData.CONTROLID_SW_C_GUI]: [0.30, 0.12],
        [GuiCmdData.CONTROLID_SW_CTO_GUI]: [0.30, 0.12],
        [GuiCmdData.CONTROLID_SW_D_GUI]: [0.10, 0.28],
        [GuiCmdData.CONTROLID_SW_E_GUI]: [0.20, 0.28],
        [GuiCmdData.CONTROLID_SW_G_GUI]: [0.30, 0.28],
        [GuiCmdData.CONTROLID_SW_GTO_GUI]: [0.30, 0.28],
        [GuiCmdData.CONTROLID_SW_F_GUI]: [0.40, 0.20],
        [GuiCmdData.CONTROLID_SW_I_GUI]: [0.60, 0.20],
        [GuiCmdData.CONTROLID_SW_J_GUI]: [0.90, 0.12],
        [GuiCmdData.CONTROLID_SW_K_GUI]: [0.80, 0.12],
        [GuiCmdData.CONTROLID_SW_L_GUI]: [0.70, 0.12],
        [GuiCmdData.CONTROLID_SW_LTO_GUI]: [0.70, 0.12],
        [GuiCmdData.CONTROLID_SW_M_GUI]: [0.90, 0.28],
        [GuiCmdData.CONTROLID_SW_N_GUI]: [0.80, 0.28],
        [GuiCmdData.CONTROLID_SW_H_GUI]: [0.70, 0.28],
        [GuiCmdData.CONTROLID_SW_HTO_GUI]: [0.70, 0.28],
        [GuiCmdData.CONTROLID_Poti_ROA_GUI]: [0.42, 0.36],
        [GuiCmdData.CONTROLID_Poti_ROB_GUI]: [0.58, 0.36],
        [GuiCmdData.CONTROLID_Poti_SLA_GUI]: [0.03, 0.50],
        [GuiCmdData.CONTROLID_Poti_SLB_GUI]: [0.97, 0.50]
    })
    readonly property var smallPlaces: ({
        [GuiCmdData.CONTROLID_Stick_STA_GUI]: [0.27, 0.64],
        [GuiCmdData.CONTROLID_Stick_STB_GUI]: [0.27, 0.64],
        [GuiCmdData.CONTROLID_Stick_STC_GUI]: [0.73, 0.64],
        [GuiCmdData.CONTROLID_Stick_STD_GUI]: [0.73, 0.64],
        [GuiCmdData.CONTROLID_RE_TRA_GUI]: [0.27, 0.90],
        [GuiCmdData.CONTROLID_RE_TRB_GUI]: [0.08, 0.64],
        [GuiCmdData.CONTROLID_RE_TRE_GUI]: [0.73, 0.90],
        [GuiCmdData.CONTROLID_RE_TRC_GUI]: [0.92, 0.64],
        [GuiCmdData.CONTROLID_RE_TRD_GUI]: [0.42, 0.64],
        [GuiCmdData.CONTROLID_RE_TRF_GUI]: [0.58, 0.64],
        [GuiCmdData.CONTROLID_SW_A_GUI]: [0.12, 0.14],
        [GuiCmdData.CONTROLID_SW_B_GUI]: [0.24, 0.14],
        [GuiCmdData.CONTROLID_SW_C_GUI]: [0.36, 0.14],
        [GuiCmdData.CONTROLID_SW_CTO_GUI]: [0.36, 0.14],
        [GuiCmdData.CONTROLID_SW_D_GUI]: [0.12, 0.32],
        [GuiCmdData.CONTROLID_SW_E_GUI]: [0.24, 0.32],
        [GuiCmdData.CONTROLID_SW_G_GUI]: [0.36, 0.32],
        [GuiCmdData.CONTROLID_SW_GTO_GUI]: [0.36, 0.32],
        [GuiCmdData.CONTROLID_SW_F_GUI]: [0.64, 0.14],
        [GuiCmdData.CONTROLID_SW_I_GUI]: [0.76, 0.14],
        [GuiCmdData.CONTROLID_SW_J_GUI]: [0.88, 0.14],
        [GuiCmdData.CONTROLID_SW_K_GUI]: [0.88, 0.32],
        [GuiCmdData.CONTROLID_SW_L_GUI]: [0.64, 0.32],
        [GuiCmdData.CONTROLID_SW_LTO_GUI]: [0.64, 0.32],
        [GuiCmdData.CONTROLID_SW_M_GUI]: [0.76, 0.32],
        [GuiCmdData.CONTROLID_SW_N_GUI]: [0.50, 0.14],
        [GuiCmdData.CONTROLID_SW_H_GUI]: [0.50, 0.32],
        [GuiCmdData.CONTROLID_SW_HTO_GUI]: [0.50, 0.32],
        [GuiCmdData.CONTROLID_Poti_ROA_GUI]: [0.42, 0.44],
        [GuiCmdData.CONTROLID_Poti_ROB_GUI]: [0.58, 0.44],
        [GuiCmdData.CONTROLID_Poti_SLA_GUI]: [0.04, 0.44],
        [GuiCmdData.CONTROLID_Poti_SLB_GUI]: [0.96, 0.44]
    })
    readonly property var places: largeBoard ? largePlaces : smallPlaces
    readonly property var markedPlace: places[marked]

    Rectangle {
        id: body
        anchors.centerIn: parent
        width: outline.largeBoard ? parent.width : parent.width * 0.82
        height: parent.height
        radius: outline.largeBoard ? 18 : 12
        color: "transparent"
        border.width: 2
        border.color: rootwindow.textColour

        Repeater {
            // The two stick gimbals.
            model: [0.28, 0.72]
            Rectangle {
                width: body.height * 0.42
                height: width
                radius: width / 2
                x: body.width * (outline.largeBoard ? modelData : (modelData < 0.5 ? 0.27 : 0.73)) - width / 2
                y: body.height * (outline.largeBoard ? 0.62 : 0.64) - height / 2
                color: "transparent"
                border.width: 1
                border.color: rootwindow.textColour
            }
        }
        Repeater {
            model: Object.keys(outline.places)
            Rectangle {
                readonly property var place: outline.places[modelData]
                width: 6
                height: 6
                radius: 3
                x: body.width * place[0] - 3
                y: body.height * place[1] - 3
                color: rootwindow.textColour
                opacity: 0.5
            }
        }
        Rectangle {
            objectName: "outlineMark"
            visible: outline.markedPlace !== undefined
            width: 16
            height: 16
            radius: 8
            x: visible ? body.width * outline.markedPlace[0] - 8 : 0
            y: visible ? body.height * outline.markedPlace[1] - 8 : 0
            color: "#e8731c"
        }
    }
}
