import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The firmware update at start: after a software update the start-up chain
// brings the controllers to the new firmware before any model is loaded, and
// the main window shows this screen instead of the home screen. It shows the
// task's progress (the device being written and how far) and, at the end,
// asks for the restart. The touch keys stay locked: leaving the screen would
// offer models and settings that no controller can take yet, and so the
// status strip with its menus is hidden as well. When nothing was written
// (the update failed, or the package brings no firmware the controllers
// lack), the start goes on to the model: a failure is shown until the user
// takes note of it, otherwise the home screen follows at once.
Rectangle {
    id: updateScreen
    objectName: "firmwareUpdate"
    color: rootwindow.backColour

    // "running", "done" or "failed".
    property string phase: rootwindow.firmwareUpdateEnd === "" ? "running" : rootwindow.firmwareUpdateEnd
    // The start went on to the model, past the firmware update.
    property bool startGoesOn: false
    property bool leaving: false
    property int overall: -1
    property int detail: -1
    property string taskName: ""
    property string deviceName: ""

    function poll() {
        overall = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetOverallPercent(0, DatabaseValue.AtomicDirGet)
        detail = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetDetailPercent(0, DatabaseValue.AtomicDirGet)
        taskName = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetPercentName("", DatabaseValue.AtomicDirGet)
        deviceName = RuntimeDatabase.KLX_RuntimeDatabaseManagerGetSetDetailName("", DatabaseValue.AtomicDirGet)
        // Read, not only heard: the update may have ended before this screen.
        var state = Database.KLX_DataBaseManagerGetLastUpdateStatus()
        if (state === GuiCmdData.KLX_UPDATE_STATUS_SWITCH_OFF)
            rootwindow.firmwareUpdateEnd = "done"
        else if (state === GuiCmdData.KLX_UPDATE_STATUS_ERROR)
            rootwindow.firmwareUpdateEnd = "failed"
        startGoesOn = Database.KLX_DataBaseManagerGetSetStartupPhases(0, DatabaseValue.AtomicDirGet)
                !== GuiCmdData.KLX_PHASE_UPDATE
        if (startGoesOn && phase !== "failed" && !leaving) {
            leaving = true
            // Not while this screen is still being made.
            Qt.callLater(leave)
        }
    }
    function leave() {
        rootwindow.smartKeyLock = false
        rootwindow.showFirstScreen(rootwindow.homeUrl)
    }

    function heading() {
        if (phase === "done")
            return qsTr("The firmware update is finished.") + Language.emptyString
        if (phase === "failed")
            return qsTr("The firmware update failed.") + Language.emptyString
        return qsTr("Firmware update") + Language.emptyString
    }
    function advice() {
        if (phase === "done")
            return qsTr("Please switch the transmitter off and on again.") + Language.emptyString
        if (phase === "failed" && startGoesOn)
            return qsTr("The transmitter starts with the controllers' present firmware. The update is repeated at the next start.")
                    + Language.emptyString
        if (phase === "failed")
            return qsTr("Please switch the transmitter off and on again: the update is repeated at the next start.")
                    + Language.emptyString
        return qsTr("The controllers receive the firmware of the new software. Do not switch the transmitter off.")
                + Language.emptyString
    }

    Image {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 14
        width: 64
        height: 64
        sourceSize.width: 64
        sourceSize.height: 64
        // No restart is asked for when the start goes on.
        source: "qrc:/Frontend/Images/" + (updateScreen.startGoesOn ? "attention" : "poweroff") + rootwindow.iconSuffix
                + ".svg"
        visible: updateScreen.phase !== "running"
    }
    ProgressSpinner {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 14
        width: 64
        height: 64
        visible: updateScreen.phase === "running"
    }
    Text {
        objectName: "updateHeading"
        x: 20
        y: 90
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        text: updateScreen.heading()
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
        font.bold: true
    }
    Text {
        objectName: "updateAdvice"
        x: 20
        y: 116
        width: parent.width - 40
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: updateScreen.advice()
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 14
    }

    // One line of progress: a label with its share, and a bar.
    component ProgressLine: Item {
        property string label: ""
        property int percent: -1
        x: 40
        width: updateScreen.width - 80
        height: 34
        visible: updateScreen.phase === "running" && percent >= 0
        readonly property string shownText: label + " " + percent + " %"
        Text {
            width: parent.width
            elide: Text.ElideMiddle
            text: parent.shownText
            color: rootwindow.textColour
            font.family: rootwindow.fontFamily
            font.pixelSize: 13
        }
        PercentBar {
            y: 18
            width: parent.width
            height: 12
            percent: parent.percent
        }
    }
    // The whole update, and the device being written.
    ProgressLine { objectName: "overallBar"; y: 166; label: updateScreen.taskName; percent: updateScreen.overall }
    ProgressLine { objectName: "detailBar"; y: 206; label: updateScreen.deviceName; percent: updateScreen.detail }

    GeneralPurposeButton {
        objectName: "updateTakenNote"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 200
        visible: updateScreen.phase === "failed" && updateScreen.startGoesOn
        gp_text: qsTr("Ok") + Language.emptyString
        onClicked: updateScreen.leave()
    }

    // The start may go on after any end: the screen looks until it leaves.
    Timer {
        interval: 250
        repeat: true
        running: true
        onTriggered: updateScreen.poll()
    }

    Connections {
        target: Database
        function onUpdateStatus(state) { updateScreen.poll() }
    }

    Component.onCompleted: {
        rootwindow.smartKeyLock = true
        upperFrame.visible = false
        systemHistory.addHistoryEntry()
        poll()
    }
}
