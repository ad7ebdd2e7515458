import QtQuick 2.15
import DBValues 1.0
import "ServoLists.js" as ServoLists

// A type page of the model assistant: the model's picture and its part
// pages (overview, part -1), and each part page with its functions, their
// names, controls and servos. The touch keys walk the assistant's own
// history; "Proceed" starts the builder.
Item {
    id: typePage
    objectName: "assistantTypePage"

    property string typeKey: ""
    property int part: -1
    property int holdFunction: -1
    property int holdServo: -1
    property int editFunction: -1

    readonly property var buffer: AssistantBuffer
    readonly property var partList: AssistantBuffer.parts(typeKey)
    readonly property string url: rootwindow.loadedUrl()
    readonly property bool delta: AssistantBuffer.isDelta(typeKey)
    readonly property bool vtail: AssistantBuffer.isVtail(typeKey)
    readonly property string chooserUrl: "qrc:/Frontend/QML/AssistantControlChooser.qml"

    function title() {
        var kind = typeKey.indexOf("Sail") === 0 ? qsTr("Sailplane") + Language.emptyString
                 : typeKey.indexOf("Jet") === 0 ? qsTr("Jet") + Language.emptyString : qsTr("Acro") + Language.emptyString
        var shape = delta ? " " + qsTr("Delta-Wing") + Language.emptyString
                  : vtail ? " " + qsTr("V-Tail") + Language.emptyString : ""
        return part >= 0 && part < partList.length ? kind + shape + ": " + partTitle(partList[part].title) : kind + shape
    }
    function partTitle(t) {
        switch (t) {
        case "Left wing": return qsTr("Left wing") + Language.emptyString
        case "Right wing": return qsTr("Right wing") + Language.emptyString
        case "Wing": return qsTr("Wing") + Language.emptyString
        case "Tail": return qsTr("Tail") + Language.emptyString
        case "Throttle + Gear": return qsTr("Throttle + Gear") + Language.emptyString
        case "Gyro + Aux": return qsTr("Gyro + Aux") + Language.emptyString
        case "Gear + Brake": return qsTr("Gear + Brake") + Language.emptyString
        case "Throttle + Smoke": return qsTr("Throttle + Smoke") + Language.emptyString
        case "Gyro + Vector": return qsTr("Gyro + Vector") + Language.emptyString
        }
        return t
    }
    function partIndex(t) {
        for (var i = 0; i < partList.length; ++i)
            if (partList[i].title === t)
                return i
        return -1
    }

    // ---- pages and the assistant's history ----
    function openPart(n) {
        closeBars()
        part = n
        AssistantBuffer.history.add(url, n, false)
    }
    function show(entry) {
        closeBars()
        if (entry.url === url)
            part = entry.part
        else
            rootwindow.openScreen(entry.url)
    }
    function closeBars() {
        holdFunction = -1
        holdServo = -1
        servoChooser.functionIndex = -1
        keyboard.extended = false
    }
    function onKey(icon) {
        var history = AssistantBuffer.history
        // Once the assistant has closed, the keys are the main window's again.
        if (rootwindow.popupIsShown() || builder.visible || history.isEmpty())
            return
        switch (icon) {
        case DatabaseValue.EventLeft:
            if (keyboard.extended) {
                keyboard.extended = false
                return
            }
            // Back to the model type only while nothing is set.
            if (part < 0 && history.previousIsModelType() && AssistantBuffer.countFunctionsWithServos() > 0)
                return
            show(history.back())
            break
        case DatabaseValue.EventHome:
            show(history.goHome())
            break
        case DatabaseValue.EventRight:
            show(history.forward())
            break
        }
    }
    Connections {
        target: TouchHandler
        function onIconEvent(icon, icon1) { typePage.onKey(icon) }
    }

    function proceed() {
        closeBars()
        if (AssistantBuffer.countFunctionsWithServos() > 0) {
            builder.start()
            return
        }
        rootwindow.popupShow(null, "question",
                             qsTr("You did not set any function, the assistant will be closed. A new model with an empty function list will be created.\nContinue?")
                             + Language.emptyString, "OkAbort", function() {
                                 AssistantBuffer.history.clear()
                                 rootwindow.assistantHistory = null
                                 Database.KLX_DataBaseManagerForceSavingXMLFiles(false)
                                 rootwindow.smartKeyLock = false
                                 rootwindow.openScreen("qrc:/Frontend/QML/4_0.qml")
                             })
    }

    // ---- editing ----
    function controlText(f) {
        var c = AssistantBuffer.groupControl(f.group)
        return c === 0 ? qsTr("Control") + Language.emptyString : Database.KLX_DataBaseManagerGetNameOfControlByID(c)
    }
    function openChooser(i, partnerIndex) {
        var f = AssistantBuffer.getFunction(i)
        rootwindow.openScreen(chooserUrl, { functionIndex: i, partnerIndex: partnerIndex, typeUrl: url, part: part,
                                            control: AssistantBuffer.groupControl(f.group) })
    }
    function addServos(i) {
        var f = AssistantBuffer.getFunction(i)
        if (f.servos.length >= Database.KLX_DataBaseManagerGetMaxServosPerFunction()) {
            errorHandler.processError(DatabaseValue.Max_Servos_PerFunc_Reached)
            return
        }
        holdFunction = -1
        servoChooser.open(i)
    }
    function editName(i) {
        closeBars()
        editFunction = i
        keyboard.preLoadText = AssistantBuffer.getFunction(i).name
        keyboard.extended = true
        rootwindow.kbd_sender = keyboard
    }
    function nameEntered(text) {
        keyboard.extended = false
        if (text === "") {
            errorHandler.processError("emptyString")
            return
        }
        if (!AssistantBuffer.rename(editFunction, text))
            errorHandler.processError("nameDuplicate")
    }

    Text {
        objectName: "pageTitle"
        x: 10
        y: 2
        width: parent.width - 20
        height: 26
        text: { AssistantBuffer.revision; return typePage.title() }
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 17
        font.bold: true
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    // ---- overview: the picture and the part pages ----
    Item {
        anchors.fill: parent
        visible: typePage.part < 0

        AssistantModelPicture {
            objectName: "modelPicture"
            x: 10
            y: 32
            width: 250
            height: 170
            delta: typePage.delta
            vtail: typePage.vtail
            onPartPressed: {
                var n = typePage.partIndex(name)
                if (n < 0 && name !== "Tail")
                    n = typePage.partIndex("Wing")
                if (n >= 0)
                    typePage.openPart(n)
            }
        }
        Column {
            x: 275
            y: 32
            spacing: 5
            Repeater {
                model: typePage.partList
                GeneralPurposeButton {
                    objectName: "part_" + index
                    width: 195
                    height: 28
                    gp_text: typePage.partTitle(modelData.title)
                    onClicked: typePage.openPart(index)
                }
            }
        }
        GeneralPurposeButton {
            objectName: "proceed"
            x: 10
            y: parent.height - height - 8
            width: 120
            gp_text: qsTr("Proceed") + Language.emptyString
            onClicked: typePage.proceed()
        }
    }

    // ---- a part page ----
    Column {
        x: 5
        y: 32
        spacing: 6
        visible: typePage.part >= 0
        Repeater {
            model: typePage.part >= 0 && typePage.part < typePage.partList.length ? typePage.partList[typePage.part].functions : []
            Row {
                id: functionRow
                property int fi: modelData
                property var f: { AssistantBuffer.revision; return AssistantBuffer.getFunction(fi) }
                spacing: 4
                visible: f !== null
                GeneralPurposeButton {
                    objectName: "name_" + functionRow.fi
                    width: 110
                    gp_text: functionRow.f ? functionRow.f.name : ""
                    onClicked: typePage.editName(functionRow.fi)
                }
                GeneralPurposeButton {
                    objectName: "control_" + functionRow.fi
                    width: 80
                    gp_text: { AssistantBuffer.revision; return functionRow.f ? typePage.controlText(functionRow.f) : "" }
                    onClicked: typePage.openChooser(functionRow.fi, -1)
                }
                Rectangle {
                    width: 230
                    height: 30
                    color: "transparent"
                    border.width: 1
                    border.color: rootwindow.rectBorderColour
                    radius: 4
                    ListView {
                        anchors.fill: parent
                        anchors.margins: 2
                        orientation: ListView.Horizontal
                        spacing: 3
                        clip: true
                        // Rows made only as they come into view: none left half made in the
                        // background when the screen closes.
                        cacheBuffer: 0
                        model: functionRow.f ? functionRow.f.servos : []
                        delegate: Rectangle {
                            objectName: "servo_" + functionRow.fi + "_" + modelData
                            width: 70
                            height: 26
                            radius: 3
                            color: typePage.holdFunction === functionRow.fi && typePage.holdServo === modelData ? "#2f7fd8" : "transparent"
                            border.width: 1
                            border.color: rootwindow.rectBorderColour
                            Text {
                                anchors.centerIn: parent
                                text: ServoLists.numberLabel(modelData)
                                color: rootwindow.textColour
                                font.family: rootwindow.fontFamily
                                font.pixelSize: 12
                            }
                            MouseArea {
                                anchors.fill: parent
                                onPressAndHold: {
                                    typePage.holdFunction = functionRow.fi
                                    typePage.holdServo = modelData
                                }
                            }
                        }
                    }
                }
                GeneralPurposeButton {
                    objectName: "add_" + functionRow.fi
                    width: 30
                    gp_text: "+"
                    onClicked: typePage.addServos(functionRow.fi)
                }
            }
        }
        // The boxes that set one control for a function and its partner.
        Row {
            spacing: 4
            visible: typePage.part >= 0 && typePage.part < typePage.partList.length
                     && typePage.partList[typePage.part].title === "Tail" && (typePage.delta || typePage.vtail)
            GeneralPurposeButton {
                objectName: "boxFirst"
                width: 150
                gp_text: typePage.delta ? qsTr("Aileron Control") + Language.emptyString
                                        : qsTr("Elevator Control") + Language.emptyString
                onClicked: {
                    if (typePage.delta)
                        typePage.openChooser(0, 1)
                    else
                        typePage.openChooser(typePage.typeKey === "SailVtail" ? 6 : 4, typePage.typeKey === "SailVtail" ? 7 : 5)
                }
            }
            GeneralPurposeButton {
                objectName: "boxSecond"
                width: 150
                gp_text: typePage.delta ? qsTr("Elevator Control") + Language.emptyString
                                        : qsTr("Rudder Control") + Language.emptyString
                onClicked: {
                    if (typePage.delta)
                        typePage.openChooser(6, 7)
                    else
                        typePage.openChooser(typePage.typeKey === "SailVtail" ? 8 : 6, typePage.typeKey === "SailVtail" ? 9 : 7)
                }
            }
        }
    }

    // Holding a servo: its bar with "Delete".
    ActionBar {
        objectName: "servoBar"
        visible: typePage.holdFunction >= 0
        blocksTouches: false
        text: typePage.holdServo >= 0 ? ServoLists.numberLabel(typePage.holdServo) : ""
        GeneralPurposeButton {
            objectName: "deleteServo"
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: {
                AssistantBuffer.removeServo(typePage.holdFunction, typePage.holdServo)
                typePage.holdFunction = -1
                typePage.holdServo = -1
            }
        }
        GeneralPurposeButton {
            objectName: "closeServoBar"
            gp_text: qsTr("Cancel") + Language.emptyString
            onClicked: {
                typePage.holdFunction = -1
                typePage.holdServo = -1
            }
        }
    }

    AssistantServoChooser {
        id: servoChooser
        objectName: "servoChooser"
        anchors.fill: parent
    }

    Modelbuilder {
        id: builder
        objectName: "modelBuilder"
        anchors.fill: parent
        visible: false
    }

    Keyboard {
        id: keyboard
        objectName: "keyboard"
        onOkClicked: typePage.nameEntered(keyboard.preLoadText)
    }

    Component.onCompleted: {
        // The assistant keeps the touch keys; a reopened page keeps the lock.
        rootwindow.smartKeyLock = true
        rootwindow.lockedScreen = url
        rootwindow.assistantHistory = AssistantBuffer.history
        var history = AssistantBuffer.history
        var known = history.entries.some(function(e) { return e.url === url })
        if (!known)
            history.add(url, -1, true)
        if (part >= 0)
            history.add(url, part, false)
        AssistantBuffer.createType(typeKey)
        AssistantBuffer.setServoCount(Database.KLX_DataBaseManagerGetMaxServos())
    }
}
