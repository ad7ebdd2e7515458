import QtQuick 2.15

// A widget of the huge size on a telemetry page: 205 x 125 pixels.
TelemetryFrame {
    width: 205
    height: 125
}
