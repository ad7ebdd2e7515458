import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The model's receivers, one row per receiver slot of the board: a bound
// receiver with its type, serial number and firmware, its sensor menus and
// "Delete"; a free slot with "Bind", which binds the receiver switched on in
// binding mode within the binding window. Below them the transmitter's own
// sensor menus and the receivers' firmware files. Binding and deleting run
// as the binding task; a receiver in slot n answers on the sensor bus at
// address n, beside the transmitter's own sensor at address 4.
Item {
    id: bindingMenu
    objectName: "bindingMenu"

    readonly property int ownSensorAddress: 4
    readonly property int slots: Database.KLX_DatabaseManagerGet_BoardTypeInt() === DatabaseValue.BOARD_paramsVorn ? 4 : 2
    // Bumped after every task so that the rows read the store again.
    property int revision: 0
    property string busyText: ""

    function used(slot) {
        return revision >= 0 && Database.KLX_DataBaseManagerIsReceiverUsed(slot)
    }
    function describe(slot) {
        if (revision < 0)
            return ""
        var type = Database.KLX_DataBaseManagerGetMyReceiverType(slot)
        var name = Database.KLX_DataBaseManagerGetReceiverTypeName(type)
        if (name === "")
            name = qsTr("Type %1").arg(type) + Language.emptyString
        var version = Database.KLX_DataBaseManagerVersionReceiverGetVersion(slot)
        // The serial number as a whole number (arg() would write a large one with an exponent).
        return name + "  " + qsTr("S/N %1").arg(String(Database.KLX_DataBaseManagerGetReceiverSerialNumber(slot)))
                + Language.emptyString + (version !== "" ? "  " + version : "")
    }
    function modeText() {
        if (revision < 0)
            return ""
        if (Database.KLX_DataBaseManagerIsReceiverModeREdiv_21())
            return qsTr("Receivers: R-Ediv 21") + Language.emptyString
        if (Database.KLX_DataBaseManagerIsReceiverModeREdiv_14())
            return qsTr("Receivers: R-Ediv 14") + Language.emptyString
        return qsTr("Receivers: own") + Language.emptyString
    }
    function bind(slot) {
        busyText = qsTr("Binding receiver %1 ...\nSwitch the receiver on in binding mode.").arg(slot + 1) + Language.emptyString
        task.start(GuiCmdData.KLX_TASK_BINDING, slot, GuiCmdData.KLX_TASK_PARA_NEW, 0)
    }
    function askDelete(slot) {
        rootwindow.popupShow(null, "question", qsTr("Do you really want to delete receiver %1?").arg(slot + 1)
                             + Language.emptyString, "OkAbort", function() {
            bindingMenu.busyText = qsTr("Deleting receiver %1 ...").arg(slot + 1) + Language.emptyString
            task.start(GuiCmdData.KLX_TASK_BINDING, slot, GuiCmdData.KLX_TASK_PARA_DELETE, 0)
        })
    }
    function openMenu(address) {
        rootwindow.openScreen("qrc:/Frontend/QML/TelemetrySensorMainMenu.qml", { sensorId: address })
    }

    ModelTask {
        id: task
        onFinished: {
            bindingMenu.busyText = ""
            bindingMenu.revision++
        }
    }

    ScreenHeading {
        id: heading
        y: 4
        text: qsTr("Receivers") + Language.emptyString
    }
    Text {
        objectName: "receiverMode"
        anchors.right: parent.right
        anchors.rightMargin: 8
        y: 4
        height: 24
        verticalAlignment: Text.AlignVCenter
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 13
        text: bindingMenu.modeText()
    }

    Column {
        x: 8
        y: 32
        width: parent.width - 16
        spacing: 4
        Repeater {
            model: bindingMenu.slots
            Rectangle {
                objectName: "receiverRow_" + index
                width: parent.width
                height: 36
                radius: 4
                color: "transparent"
                border.color: rootwindow.textColour
                border.width: 1
                readonly property bool bound: bindingMenu.used(index)
                Column {
                    x: 8
                    width: parent.width - (parent.bound ? 230 : 120)
                    anchors.verticalCenter: parent.verticalCenter
                    Text {
                        width: parent.width
                        elide: Text.ElideRight
                        color: rootwindow.textColour
                        font.family: rootwindow.fontFamily
                        font.pixelSize: 13
                        text: qsTr("Receiver %1").arg(index + 1) + Language.emptyString
                              + (parent.parent.bound ? "" : ":  " + qsTr("not bound") + Language.emptyString)
                    }
                    Text {
                        objectName: "receiverText_" + index
                        visible: parent.parent.bound
                        width: parent.width
                        elide: Text.ElideRight
                        color: rootwindow.textColour
                        font.family: rootwindow.fontFamily
                        font.pixelSize: 11
                        text: parent.parent.bound ? bindingMenu.describe(index) : ""
                    }
                }
                Row {
                    anchors.right: parent.right
                    anchors.rightMargin: 4
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4
                    GeneralPurposeButton {
                        objectName: "receiverMenu_" + index
                        visible: parent.parent.bound
                        width: 100
                        height: 28
                        gp_text: qsTr("Menu") + Language.emptyString
                        onClicked: bindingMenu.openMenu(index)
                    }
                    GeneralPurposeButton {
                        objectName: parent.parent.bound ? "receiverDelete_" + index : "receiverBind_" + index
                        width: 100
                        height: 28
                        enabled: !task.running
                        gp_text: (parent.parent.bound ? qsTr("Delete") : qsTr("Bind")) + Language.emptyString
                        onClicked: parent.parent.bound ? bindingMenu.askDelete(index) : bindingMenu.bind(index)
                    }
                }
            }
        }
    }

    GeneralPurposeButton {
        objectName: "transmitterMenu"
        x: 8
        y: parent.height - 44
        width: 200
        gp_text: qsTr("Transmitter sensor") + Language.emptyString
        enabled: !task.running
        onClicked: bindingMenu.openMenu(bindingMenu.ownSensorAddress)
    }
    GeneralPurposeButton {
        objectName: "receiverFirmware"
        x: parent.width - width - 8
        y: parent.height - 44
        width: 200
        gp_text: qsTr("Receiver firmware") + Language.emptyString
        enabled: !task.running
        onClicked: rootwindow.openScreen("qrc:/Frontend/QML/FileSelector.qml")
    }

    Rectangle {
        objectName: "bindingBusy"
        visible: bindingMenu.busyText !== ""
        anchors.fill: parent
        z: 10
        color: rootwindow.backColour
        MouseArea { anchors.fill: parent }
        Text {
            x: 10
            y: 40
            width: parent.width - 20
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 15
            text: bindingMenu.busyText
        }
        ProgressSpinner {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 120
        }
    }

    Component.onCompleted: systemHistory.addHistoryEntry()
}
