import QtQuick 2.15
import DBValues 1.0
import "GPSFinder.js" as Finder

// The finder's round map: the transmitter in the middle, north up, range
// rings in metres, and the model where its GPS sensor last was. The scale is
// set up from the distance to the model; it is set up anew when the model
// leaves the map or comes much closer (not within 30 m). Between set-ups the
// map turns with the transmitter's heading.
Item {
    id: map
    property int mapSize: 219
    property int ringCount: 4
    property real ringFactor: 0.3
    readonly property real mapFactor: ringFactor * ringCount

    property real centreLat: 0
    property real centreLon: 0
    property real txLat: 0
    property real txLon: 0
    property real modelLat: 0
    property real modelLon: 0
    property bool txValid: false
    property bool modelValid: false
    property bool setUp: false
    property real startDistance: 0
    property real currentDistance: 0
    property real pixelsPerMetre: 0
    property real turn: 0
    property int fixType: 0
    property real modelX: mapSize / 2
    property real modelY: mapSize / 2
    readonly property color txColour: fixType === 0 || fixType === 2 ? "gold"
                                      : fixType === 3 ? "#00c000" : fixType === 10 ? "red" : "white"

    width: mapSize
    height: mapSize

    function readPositions() {
        var lat = Database.KLX_DataBaseManagerGPSGetSet_Latitude(0, DatabaseValue.AtomicDirGet)
        var lon = Database.KLX_DataBaseManagerGPSGetSet_Longitude(0, DatabaseValue.AtomicDirGet)
        txValid = Database.KLX_DataBaseManagerGPSGetSet_GpsFix(0, DatabaseValue.AtomicDirGet) !== 0
        txLat = lat / 1e7
        txLon = lon / 1e7
        if (!txValid)
            setUp = false
        var mLat = Database.KLX_DataBaseManagerGPSSensorGetLatitude()
        var mLon = Database.KLX_DataBaseManagerGPSSensorGetLongitude()
        modelValid = !Database.KLX_DataBaseManagerGPSIsInvalid(mLat) && !Database.KLX_DataBaseManagerGPSIsInvalid(mLon)
        modelLat = modelValid ? mLat / 1e7 : txLat
        modelLon = modelValid ? mLon / 1e7 : txLon
    }
    function distanceTo(lat, lon) {
        if (!txValid || !modelValid)
            return 0
        return Finder.distance(lat, lon, modelLat, modelLon)
    }
    function setUpMap() {
        if (!txValid || !modelValid)
            return
        centreLat = txLat
        centreLon = txLon
        startDistance = distanceTo(centreLat, centreLon)
        currentDistance = startDistance
        // A model standing on the transmitter still gets a finite scale.
        pixelsPerMetre = (mapSize * 0.5) / (Math.max(startDistance, 1) * mapFactor)
        setUp = true
        turn = 0
        place()
    }
    function place() {
        var p = currentDistance * pixelsPerMetre
        var b = Finder.bearing(centreLat, centreLon, modelLat, modelLon)
        modelX = mapSize / 2 + p * Math.cos(b)
        modelY = mapSize / 2 - p * Math.sin(b)
    }
    function refresh(fix) {
        fixType = fix
        readPositions()
        if (!setUp) {
            setUpMap()
            return
        }
        currentDistance = distanceTo(txLat, txLon)
        if (currentDistance > startDistance * mapFactor) {
            setUpMap()
        } else if (currentDistance > 30 && currentDistance < startDistance * 0.5 * mapFactor) {
            setUpMap()
        } else {
            place()
            turn = 360 - Database.KLX_DataBaseManagerGPSGetSet_RawHeading(0, DatabaseValue.AtomicDirGet) / 100000
        }
    }
    function ringLabel(k) { return Math.round(startDistance * ringFactor * k) + "m" }

    Component.onCompleted: {
        readPositions()
        setUpMap()
    }
    Connections {
        target: Database
        function onGpsState(fix_type, sat_count) { map.refresh(fix_type) }
    }

    Item {
        id: rose
        objectName: "gpsMapRose"
        anchors.fill: parent
        rotation: map.turn
        Repeater {
            model: map.ringCount
            Rectangle {
                readonly property int k: map.ringCount - index
                width: map.mapSize * k / map.ringCount
                height: width
                radius: width / 2
                anchors.centerIn: parent
                color: index === 0 ? (rootwindow.contrast_sheme === 0 ? "#102010" : "#e8f0e8") : "transparent"
                border.width: 1
                border.color: rootwindow.rectBorderColour
                // On the south side: north is marked at the top.
                Text {
                    objectName: "gpsRing_" + parent.k
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 1
                    visible: map.setUp
                    text: map.ringLabel(parent.k)
                    rotation: -map.turn
                    color: rootwindow.textColour
                    font.family: rootwindow.fontFamily
                    font.pixelSize: 10
                }
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.top
            anchors.bottomMargin: -3
            text: "N"
            color: "red"
            font.pixelSize: 12
            font.bold: true
        }
        Rectangle {
            objectName: "gpsModelMark"
            visible: map.setUp && map.modelValid
            width: 12
            height: 12
            radius: 6
            x: map.modelX - width / 2
            y: map.modelY - height / 2
            color: "#2f7fd8"
            border.color: "white"
        }
    }
    Rectangle {
        id: txMark
        objectName: "gpsTransmitterMark"
        width: 12
        height: 12
        anchors.centerIn: parent
        rotation: 45
        color: map.txColour
        border.color: "black"
        Timer {
            interval: 750
            repeat: true
            running: !map.txValid
            onTriggered: txMark.opacity = txMark.opacity > 0.5 ? 0.1 : 1
            onRunningChanged: if (!running) txMark.opacity = 1
        }
    }
}
