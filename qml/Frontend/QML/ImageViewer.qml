import QtQuick 2.15
import DBValues 1.0
import GuiData 1.0

// The picture viewer of the file manager: the picture scaled to fit (never
// enlarged), a crop frame of 215 x 100 that saves its part as a new picture
// beside the old one, deletion through the file task, and closing.
Overlay {
    id: viewer
    property string image_filename: ""
    property string image_filepath: ""   // "file://" URL of the picture
    property string image_path: ""       // "file://" URL of its folder
    property bool cropMode: false

    function localPath(url) {
        return url.indexOf("file://") === 0 ? url.substring(7) : url
    }
    function baseName(name) {
        var dot = name.lastIndexOf(".")
        return dot > 0 ? name.substring(0, dot) : name
    }

    function close() {
        var manager = parent
        if (manager && manager.spriteViewer !== undefined)
            manager.spriteViewer = null
        if (cropMode && manager) {
            if (manager.viewingFileName !== undefined)
                manager.viewingFileName = image_filename
            if (manager.croppedImageFullPath !== undefined)
                manager.croppedImageFullPath = image_filepath
        }
        destroy()
    }

    function toggleCrop() {
        cropMode = !cropMode
        frame.x = Math.max(0, (picture.paintedWidth - frame.width) / 2)
        frame.y = Math.max(0, (picture.paintedHeight - frame.height) / 2)
    }

    function save() {
        var name = baseName(image_filename) + "_" + Date.now() + ".png"
        var folder = localPath(image_path)
        var target = folder + (folder.endsWith("/") ? "" : "/") + name
        cropContent.grabToImage(function(result) {
            if (!result.saveToFile(target)) {
                errorHandler.processError(DatabaseValue.KLX_Error)
                return
            }
            viewer.image_filename = name
            viewer.image_filepath = "file://" + target
            viewer.close()
        })
    }

    function deleteFile() {
        var result = Command.KLX_GuiCommandHandlerDoTask(GuiCmdData.KLX_TASK_COPY_MOD_EXTERNAL,
                                                         GuiCmdData.KLX_TASK_PARA_COPY_MOD_TO_USB,
                                                         GuiCmdData.KLX_TASK_PARA_COPYDEL_SINGLE, 1, 0, 0, 0,
                                                         image_filename, localPath(image_path), "")
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        else
            close()
    }

    MouseArea { anchors.fill: parent }

    Text {
        objectName: "viewerName"
        x: 6
        y: 2
        width: parent.width - 12
        height: 22
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideMiddle
        text: viewer.image_filename
        color: rootwindow.textColour
        font.family: rootwindow.fontFamily
        font.pixelSize: 15
    }

    Item {
        id: pictureArea
        x: 4
        y: 26
        width: parent.width - 8
        height: parent.height - 26 - 40

        Image {
            id: picture
            objectName: "viewerPicture"
            anchors.centerIn: parent
            // Never enlarged: at most the picture's own size, else scaled to fit.
            width: Math.min(pictureArea.width, implicitWidth)
            height: Math.min(pictureArea.height, implicitHeight)
            fillMode: Image.PreserveAspectFit
            source: viewer.image_filepath
            opacity: viewer.cropMode ? 0.3 : 1.0
            cache: false

            Item {
                // The painted picture, where the crop frame may move.
                id: painted
                x: (picture.width - picture.paintedWidth) / 2
                y: (picture.height - picture.paintedHeight) / 2
                width: picture.paintedWidth
                height: picture.paintedHeight
            }
        }

        Rectangle {
            id: frame
            objectName: "cropFrame"
            visible: viewer.cropMode
            parent: painted
            width: Math.min(215, painted.width)
            height: Math.min(100, painted.height)
            color: "transparent"
            border.width: 1
            border.color: "white"
            Item {
                id: cropContent
                anchors.fill: parent
                clip: true
                Image {
                    x: -frame.x
                    y: -frame.y
                    width: painted.width
                    height: painted.height
                    source: viewer.image_filepath
                    opacity: 0.9
                    cache: false
                }
            }
            MouseArea {
                anchors.fill: parent
                drag.target: frame
                drag.minimumX: 0
                drag.minimumY: 0
                drag.maximumX: painted.width - frame.width
                drag.maximumY: painted.height - frame.height
            }
        }
    }

    Row {
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8
        GeneralPurposeButton {
            objectName: "viewerCrop"
            width: 108
            gp_text: qsTr("Crop") + Language.emptyString
            state: viewer.cropMode ? "active" : ""
            onClicked: viewer.toggleCrop()
        }
        GeneralPurposeButton {
            objectName: "viewerSave"
            width: 108
            gp_text: qsTr("Save") + Language.emptyString
            state: viewer.cropMode ? "" : "disabled"
            onClicked: viewer.save()
        }
        GeneralPurposeButton {
            objectName: "viewerDelete"
            width: 108
            gp_text: qsTr("Delete") + Language.emptyString
            onClicked: viewer.deleteFile()
        }
        GeneralPurposeButton {
            objectName: "viewerClose"
            width: 108
            gp_text: qsTr("Close") + Language.emptyString
            onClicked: viewer.close()
        }
    }
}
