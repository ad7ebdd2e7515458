import QtQuick 2.15

// A widget of the medium size on a telemetry page: 205 x 60 pixels.
TelemetryFrame {
    width: 205
    height: 60
}
