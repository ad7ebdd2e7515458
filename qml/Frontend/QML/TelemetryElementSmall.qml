import QtQuick 2.15

// A widget of the small size on a telemetry page: 100 x 60 pixels.
TelemetryFrame {
    width: 100
    height: 60
}
