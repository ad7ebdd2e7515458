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
// With recovery the software screen opened it: one controller is written
// with the firmware of the present software, and a failure goes back to
// the software screen.
Rectangle {
    id: updateScreen
    objectName: "firmwareUpdate"
    color: rootwindow.backColour

    property bool recovery: false
    // How the recovery ended ("done", "failed"; "" while it runs).
    property string recoveryEnd: ""
    // "running", "done" or "failed".
    readonly property string ended: recovery ? recoveryEnd : rootwindow.firmwareUpdateEnd
    property string phase: ended === "" ? "running" : ended
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
        if (recovery) {
            if (state === GuiCmdData.KLX_UPDATE_STATUS_SWITCH_OFF)
                recoveryEnd = "done"
            else if (state === GuiCmdData.KLX_UPDATE_STATUS_ERROR && recoveryEnd === "")
                recoveryEnd = "failed"
            return
        }
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
        if (recovery)
            rootwindow.openScreen("qrc:/Frontend/QML/SoftwareInfo.qml")
        else
            rootwindow.showFirstScreen(rootwindow.homeUrl)
    }

    function heading() {
        if (recovery)
            return (phase === "done" ? qsTr("The firmware recovery is finished.")
                  : phase === "failed" ? qsTr("The firmware recovery failed.") : qsTr("Firmware recovery")) + Language.emptyString
        if (phase === "done")
            return qsTr("The firmware update is finished.") + Language.emptyString
        if (phase === "failed")
            return qsTr("The firmware update failed.") + Language.emptyString
        return qsTr("Firmware update") + Language.emptyString
    }
    function advice() {
        if (recovery && phase === "failed")
            return qsTr("The controller's firmware may be incomplete. Please start the recovery again.") + Language.emptyString
        if (recovery && phase === "running")
            return qsTr("The controller receives the firmware of this software. Do not switch the transmitter off.")
                    + Language.emptyString
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
        // No restart is asked for when the start goes on, nor after a failed recovery.
        source: "qrc:/Frontend/Images/"
                + (updateScreen.startGoesOn || (updateScreen.recovery && updateScreen.phase === "failed") ? "attention" : "poweroff")
                + rootwindow.iconSuffix + ".svg"
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
        visible: updateScreen.phase === "failed" && (updateScreen.startGoesOn || updateScreen.recovery)
        gp_text: qsTr("Ok") + Language.emptyString
        onClicked: updateScreen.leave()
    }

    // The start may go on after any end: the screen looks until it leaves.
    // A recovery has nothing more to follow once it ended.
    Timer {
        interval: 250
        repeat: true
        running: !updateScreen.leaving && !(updateScreen.recovery && updateScreen.phase !== "running")
        onTriggered: updateScreen.poll()
    }

    Connections {
        target: Database
        function onUpdateStatus(state) { updateScreen.poll() }
    }
    // A write that could not even be started reports only its end.
    Connections {
        target: Command
        enabled: updateScreen.recovery
        function onGuiInformer(state) {
            if (state !== GuiCmdData.GUI_TASK_RESULT_Working && state !== GuiCmdData.GUI_TASK_RESULT_Done
                    && updateScreen.recoveryEnd === "")
                updateScreen.recoveryEnd = "failed"
        }
    }

    Component.onCompleted: {
        rootwindow.smartKeyLock = true
        upperFrame.visible = false
        systemHistory.addHistoryEntry()
        systemHistory.addArg(recovery)
        systemHistory.addEndOfArgs()
        poll()
    }
    Component.onDestruction: {
        // Back to the software screen: the strip and the keys with it.
        if (recovery) {
            upperFrame.visible = true
            rootwindow.smartKeyLock = false
        }
    }
}
