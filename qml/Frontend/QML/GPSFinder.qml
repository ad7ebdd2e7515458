import QtQuick 2.15

// Finding the model: the side board with the model's coordinates, the
// heading, the distance and the clock beside the round map of the
// transmitter and the model.
Item {
    id: screen
    objectName: "gpsFinder"

    Component.onCompleted: systemHistory.addHistoryEntry()

    GPSSideBoard {
        objectName: "gpsSideBoard"
        x: 4
        y: 4
        height: parent.height - 8
    }
    GPSFinderMap {
        objectName: "gpsFinderMap"
        x: 225 + 4 + (parent.width - 229 - mapSize) / 2
        y: (parent.height - mapSize) / 2
    }
}
