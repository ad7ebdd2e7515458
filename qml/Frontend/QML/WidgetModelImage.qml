import QtQuick 2.15
import DBValues 1.0

// The current model's picture in a huge widget: the picture the model menu
// gave the model (its folder's "Pictures", named after the model), else the
// model symbol.
Item {
    id: view
    objectName: "teleModelImage_" + elementId

    property int pageId: -1
    property int elementId: -1
    property int frameSize: DatabaseValue.TELEGUISIZE_Huge
    property int presetSign: 0
    property var home: null

    readonly property var typeFolders: ["Plane", "Helicopter", "Multicopter", "Boat", "Car", "Other"]
    readonly property var pictureTypes: ["png", "jpg", "jpeg", "gif"]
    property string picture: ""

    function lastPart(path) {
        var parts = path.split("/").filter(function(p) { return p !== "" })
        return parts.length > 0 ? parts[parts.length - 1] : ""
    }
    function findPicture() {
        var get = DatabaseValue.AtomicDirGet
        var name = Database.KLX_DataBaseManagerVornPropertiesGetModelName()
        var folder = Database.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder("", get, false)
        var type = Database.KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, get, false)
        var folderName = folder !== "" ? lastPart(folder) : (type >= 1 && type <= 6 ? typeFolders[type - 1] : "")
        if (name === "" || folderName === "")
            return ""
        var dir = RuntimeDatabase.KLX_FolderGetTopModelFilePath() + "/" + folderName + "/Pictures"
        RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderContentFiles(dir)
        for (var i = 0; i < RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilesCount(); ++i) {
            var file = RuntimeDatabase.KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(i)
            var dot = file.lastIndexOf(".")
            if (dot > 0 && file.substring(0, dot) === name && pictureTypes.indexOf(file.substring(dot + 1).toLowerCase()) >= 0)
                return "file://" + (dir + "/" + file).split("/").map(encodeURIComponent).join("/")
        }
        return ""
    }

    Image {
        objectName: "modelPicture"
        anchors.fill: parent
        anchors.margins: 2
        fillMode: Image.PreserveAspectFit
        asynchronous: true
        sourceSize.width: 200
        sourceSize.height: 120
        opacity: view.picture !== "" ? 1 : 0.35
        source: view.picture !== "" ? view.picture : "qrc:/Frontend/Images/MainMenu/Model" + rootwindow.iconSuffix + ".svg"
    }

    Component.onCompleted: picture = findPicture()
}
