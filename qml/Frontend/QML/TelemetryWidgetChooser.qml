import QtQuick 2.15
import DBValues 1.0

// The kinds of widget a page can take, made small at the touched cell; the
// new widget's set-up opens next (the model image has none: home again).
Item {
    id: screen
    objectName: "widgetChooser"
    property int pageId: 0
    property int widgetX: 0
    property int widgetY: 0

    readonly property string folder: "qrc:/Frontend/QML/"
    readonly property var kinds: [
        { name: "value", label: qsTr("Telemetry"), setup: "TelemetryWidgetValueSetup.qml" },
        { name: "servo", label: qsTr("Servo"), setup: "TelemetryWidgetServoSetup.qml" },
        { name: "timer", label: qsTr("Timer"), setup: "TelemetryWidgetTimerSetup.qml" },
        { name: "quick", label: qsTr("QuickLink"), setup: "TelemetryWidgetQuickLinkSetup.qml" },
        { name: "notes", label: qsTr("Notes"), setup: "TelemetryWidgetLabelSetup.qml" },
        { name: "image", label: qsTr("ModelImage"), setup: "" }
    ]

    function create(name) {
        var small = DatabaseValue.TELEGUISIZE_Small
        switch (name) {
        case "value": return Database.KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(pageId, widgetX, widgetY, small)
        case "servo": return Database.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(pageId, widgetX, widgetY, small, -1)
        case "timer": return Database.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(pageId, widgetX, widgetY, small, -1)
        case "quick": return Database.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(pageId, widgetX, widgetY, small, "", "")
        case "notes": return Database.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(pageId, widgetX, widgetY, small, "")
        }
        return Database.KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(pageId, widgetX, widgetY)
    }
    function choose(i) {
        var element = create(kinds[i].name)
        if (element <= DatabaseValue.KLX_Error) {
            errorHandler.processError(element)
            return
        }
        if (kinds[i].setup === "") {
            systemHistory.deleteLastHistoryUntil(rootwindow.homeUrl, true)
            return
        }
        var args = { pageId: pageId, elementId: element }
        if (kinds[i].name === "timer")
            args.timerId = -1
        rootwindow.openScreen(folder + kinds[i].setup, args)
    }

    ScreenHeading {
        y: 2
        text: qsTr("Select a widget type to add") + Language.emptyString
    }
    Grid {
        x: 15
        y: 45
        columns: 3
        spacing: 15
        Repeater {
            model: screen.kinds
            GeneralPurposeButton {
                objectName: "widgetKind_" + modelData.name
                width: 140
                height: 60
                gp_text: modelData.label + Language.emptyString
                onClicked: screen.choose(index)
            }
        }
    }
    GeneralPurposeButton {
        objectName: "widgetChooserCancel"
        x: parent.width - width - 8
        y: parent.height - 35
        width: 100
        gp_text: qsTr("Cancel") + Language.emptyString
        onClicked: systemHistory.goBack()
    }

    Component.onCompleted: {
        systemHistory.addHistoryEntry()
        systemHistory.addArg(pageId)
        systemHistory.addArg(widgetX)
        systemHistory.addArg(widgetY)
        systemHistory.addEndOfArgs()
    }
}
