import QtQuick 2.15
import DBValues 1.0

// The foot of every widget set-up screen: the three sizes (the stored one
// shown active), "Delete widget" with its question, and "OK" back home. A
// screen with more to delete first sets `beforeDelete` (answers false to stop).
Item {
    id: bar
    property int pageId: -1
    property int elementId: -1
    property bool sizesShown: true
    // The size is only chosen here; the owner stores it (writeSize(size)).
    property bool deferSize: false
    property int size: 0
    property var beforeDelete: null
    signal okClicked()

    x: 5
    y: parent.height - 35
    width: parent.width - 10
    height: 30

    function goHome() { systemHistory.deleteLastHistoryUntil(rootwindow.homeUrl, true) }
    function read() {
        size = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(pageId, elementId, 0, DatabaseValue.AtomicDirGet)
    }
    function writeSize(s) {
        var result = Database.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Size(pageId, elementId, s, DatabaseValue.AtomicDirSet)
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        read()
    }
    // The keys are locked while the question is open, and free again
    // however it goes: answered, or gone with the screen unanswered.
    function askDelete() {
        var box = rootwindow.popupShow(null, "question", qsTr("You are about to delete this widget\nProceed?") + Language.emptyString,
                                       "OkAbort", function() { rootwindow.smartKeyLock = false; bar.deleteWidget() })
        if (!box)
            return
        rootwindow.smartKeyLock = true
        box.closed.connect(function() { rootwindow.smartKeyLock = false })
    }
    function deleteWidget() {
        if (beforeDelete !== null && !beforeDelete())
            return
        var result = Database.KLX_DataBaseManagerGUITelemetrieDeleteElement(pageId, elementId)
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return
        }
        goHome()
    }

    Row {
        spacing: 4
        visible: bar.sizesShown
        Repeater {
            model: [{ s: DatabaseValue.TELEGUISIZE_Small, label: qsTr("Small") },
                    { s: DatabaseValue.TELEGUISIZE_Medium, label: qsTr("Medium") },
                    { s: DatabaseValue.TELEGUISIZE_Huge, label: qsTr("Large") }]
            GeneralPurposeButton {
                objectName: "widgetSize_" + modelData.s
                width: 72
                gp_text: modelData.label + Language.emptyString
                state: bar.size === modelData.s ? "active" : ""
                onClicked: bar.deferSize ? bar.size = modelData.s : bar.writeSize(modelData.s)
            }
        }
    }
    GeneralPurposeButton {
        objectName: "widgetDelete"
        x: bar.width - width - 74
        width: 120
        gp_text: qsTr("Delete widget") + Language.emptyString
        onClicked: bar.askDelete()
    }
    GeneralPurposeButton {
        objectName: "widgetOk"
        x: bar.width - width
        width: 70
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: bar.okClicked()
    }
    onOkClicked: goHome()
    Component.onCompleted: read()
}
