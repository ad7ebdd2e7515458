import QtQuick 2.15
import DBValues 1.0

// The model assistant's first page: the model type (sailplane, jet, acro)
// and whether it has a delta wing or a V-tail; "Proceed" opens the type page.
Item {
    id: typeChoose
    objectName: "modelTypeScreen"

    property string modelType: ""
    property bool delta: false
    property bool vtail: false

    readonly property string typeUrl: "qrc:/Frontend/QML/Assistant" + modelType
                                      + (delta ? "Delta" : vtail ? "Vtail" : "") + "_start.qml"

    Text {
        x: 10
        y: 8
        text: qsTr("Please select the model type:") + Language.emptyString
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 18
    }

    Row {
        x: 10
        y: 40
        spacing: 10
        Repeater {
            model: [{ key: "Sail", text: qsTr("Sailplane") + Language.emptyString },
                    { key: "Jet", text: qsTr("Jet") + Language.emptyString },
                    { key: "Acro", text: qsTr("Acro") + Language.emptyString }]
            GeneralPurposeButton {
                objectName: "type" + modelData.key
                width: 146
                height: 70
                fontSize: 18
                gp_text: modelData.text
                state: typeChoose.modelType === modelData.key ? "active" : ""
                onClicked: typeChoose.modelType = modelData.key
            }
        }
    }

    Grid {
        x: 10
        y: 125
        columns: 3
        rowSpacing: 8
        columnSpacing: 10
        GeneralPurposeLabel { width: 146; text: qsTr("Delta-Wing") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "deltaYes"
            gp_text: qsTr("Yes") + Language.emptyString
            state: typeChoose.delta ? "active" : ""
            onClicked: { typeChoose.delta = true; typeChoose.vtail = false }
        }
        GeneralPurposeButton {
            objectName: "deltaNo"
            gp_text: qsTr("No") + Language.emptyString
            state: typeChoose.delta ? "" : "active"
            onClicked: typeChoose.delta = false
        }
        GeneralPurposeLabel { width: 146; text: qsTr("V-Tail") + Language.emptyString }
        GeneralPurposeButton {
            objectName: "vtailYes"
            gp_text: qsTr("Yes") + Language.emptyString
            state: typeChoose.vtail ? "active" : ""
            onClicked: { typeChoose.vtail = true; typeChoose.delta = false }
        }
        GeneralPurposeButton {
            objectName: "vtailNo"
            gp_text: qsTr("No") + Language.emptyString
            state: typeChoose.vtail ? "" : "active"
            onClicked: typeChoose.vtail = false
        }
    }

    GeneralPurposeButton {
        objectName: "proceed"
        x: parent.width - width - 10
        y: parent.height - height - 10
        width: 120
        visible: typeChoose.modelType !== ""
        gp_text: qsTr("Proceed") + Language.emptyString
        onClicked: rootwindow.openScreen(typeChoose.typeUrl)
    }

    Component.onCompleted: {
        rootwindow.smartKeyLock = true
        rootwindow.lockedScreen = rootwindow.loadedUrl()
        AssistantBuffer.history.clear()
        AssistantBuffer.history.add(rootwindow.loadedUrl(), -1, false)
        rootwindow.assistantHistory = AssistantBuffer.history
        AssistantBuffer.clear()
    }
}
