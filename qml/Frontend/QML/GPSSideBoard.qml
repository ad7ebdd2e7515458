import QtQuick 2.15
import DBValues 1.0
import "GPSFinder.js" as Finder

// The finder's side board: the model's last reported coordinates, the
// transmitter's heading, the distance between them, the satellites used and
// the clock.
Rectangle {
    id: board
    width: 225
    color: "transparent"
    border.width: 1
    border.color: rootwindow.rectBorderColour
    property string latitudeText: "-"
    property string longitudeText: "-"
    property string headingText: ""
    property string distanceText: ""
    property string satellitesText: ""
    property string dateText: ""
    property string timeText: ""

    function read() {
        var lat = Database.KLX_DataBaseManagerGPSSensorGetLatitude()
        var lon = Database.KLX_DataBaseManagerGPSSensorGetLongitude()
        latitudeText = Database.KLX_DataBaseManagerGPSIsInvalid(lat) ? "-" : Finder.dms(lat, "N", "S")
        longitudeText = Database.KLX_DataBaseManagerGPSIsInvalid(lon) ? "-" : Finder.dms(lon, "E", "W")
        headingText = Math.floor(Database.KLX_DataBaseManagerGPSGetSet_RawHeading(0, DatabaseValue.AtomicDirGet) / 100000) + "\u00B0"
        var txLat = Database.KLX_DataBaseManagerGPSGetSet_Latitude(0, DatabaseValue.AtomicDirGet)
        var txLon = Database.KLX_DataBaseManagerGPSGetSet_Longitude(0, DatabaseValue.AtomicDirGet)
        var d = 0
        if (!Database.KLX_DataBaseManagerGPSIsInvalid(lat) && !Database.KLX_DataBaseManagerGPSIsInvalid(lon)
                && !Database.KLX_DataBaseManagerGPSIsInvalid(txLat) && !Database.KLX_DataBaseManagerGPSIsInvalid(txLon))
            d = Finder.distance(txLat / 1e7, txLon / 1e7, lat / 1e7, lon / 1e7)
        distanceText = d.toFixed(1) + "m"
        satellitesText = String(Database.KLX_DataBaseManagerGPSGetSet_CountSatelite(0, DatabaseValue.AtomicDirGet))
    }
    function tick() {
        var now = new Date()
        dateText = Qt.formatDate(now, "dd-MM-yyyy")
        timeText = Qt.formatTime(now, "hh:mm:ss")
    }

    Component.onCompleted: {
        read()
        tick()
    }
    Connections {
        target: Database
        function onGpsState(fix_type, sat_count) {
            if (sat_count > 3)
                board.read()
        }
    }
    Timer {
        interval: 100
        repeat: true
        running: true
        onTriggered: board.tick()
    }

    Column {
        x: 8
        y: 6
        width: parent.width - 16
        spacing: 2
        Repeater {
            model: [
                { name: "gpsLatitude", label: qsTr("Latitude") + Language.emptyString, value: board.latitudeText },
                { name: "gpsLongitude", label: qsTr("Longitude") + Language.emptyString, value: board.longitudeText },
                { name: "gpsHeading", label: qsTr("Heading") + Language.emptyString, value: board.headingText },
                { name: "gpsDistance", label: qsTr("Distance") + Language.emptyString, value: board.distanceText },
                { name: "gpsSatellites", label: qsTr("Satellites") + Language.emptyString, value: board.satellitesText },
                { name: "gpsDate", label: qsTr("Date") + Language.emptyString, value: board.dateText },
                { name: "gpsTime", label: qsTr("Time") + Language.emptyString, value: board.timeText }
            ]
            Item {
                width: parent.width
                height: 31
                Text {
                    width: 80
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.label
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 13
                }
                Text {
                    objectName: modelData.name
                    x: 80
                    width: parent.width - 80
                    anchors.verticalCenter: parent.verticalCenter
                    horizontalAlignment: Text.AlignRight
                    text: modelData.value
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 15
                    font.bold: true
                }
            }
        }
    }
}
