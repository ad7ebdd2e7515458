import QtQuick 2.15

// A transmitter pack: n bars (3 to 8) lit by the charge in percent, the last
// lit bar drawn with its fraction; red up to 20 %, orange up to 40 %, green
// above. fromRight fills the bars from the right.
Item {
    id: battery
    property int charge: -1
    property int bars: 5
    property bool fromRight: false
    readonly property int barCount: Math.max(3, Math.min(8, bars))
    readonly property real perBar: 100 / barCount
    readonly property int litBars: charge <= 0 ? 0 : Math.min(barCount, Math.ceil(charge / perBar))
    readonly property real lastBarFraction: litBars === 0 ? 0 : Math.min(1, (charge - (litBars - 1) * perBar) / perBar)
    readonly property color barColour: charge <= 20 ? "#E10000" : charge <= 40 ? "#F58C00" : "#009C00"
    // Whole pixels only: the desktop's software renderer repaints changed
    // parts alone, and bars at fractional places then come out striped.
    readonly property int inner: width - 3 - 4
    readonly property int barWidth: Math.floor((inner - (barCount - 1)) / barCount)

    width: 44
    // Odd, so that the strip's centring leaves it on a whole pixel.
    height: 19

    Rectangle {
        id: body
        x: battery.fromRight ? 3 : 0
        width: parent.width - 3
        height: parent.height
        radius: 2
        color: "transparent"
        border.width: 1
        border.color: rootwindow.textColour
    }
    Rectangle {
        // The pack's pole, on the side away from where the bars start.
        x: battery.fromRight ? 0 : parent.width - 3
        y: Math.floor(parent.height / 2) - 4
        width: 3
        height: 8
        color: rootwindow.textColour
    }
    Row {
        id: cells
        // The bars' spare pixels split on both sides.
        x: body.x + 2 + Math.floor((battery.inner - width) / 2)
        y: 2
        width: battery.barCount * battery.barWidth + battery.barCount - 1
        height: body.height - 4
        spacing: 1
        layoutDirection: battery.fromRight ? Qt.RightToLeft : Qt.LeftToRight
        Repeater {
            model: battery.barCount
            Item {
                width: battery.barWidth
                height: cells.height
                Rectangle {
                    height: parent.height
                    width: index < battery.litBars - 1 ? parent.width
                         : index === battery.litBars - 1 ? Math.max(1, Math.round(parent.width * battery.lastBarFraction)) : 0
                    x: battery.fromRight ? parent.width - width : 0
                    color: battery.barColour
                }
            }
        }
    }
}
