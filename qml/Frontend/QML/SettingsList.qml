import QtQuick 2.15

// The rows of a settings screen (its children), one under the other, scrolled
// when they are longer than the list: labels take `labelWidth`, values the
// rest (`valueWidth`).
Flickable {
    id: list
    default property alias rows: column.data
    property int labelWidth: 120
    readonly property int valueWidth: column.width - labelWidth - 5
    // Where the rows start inside the list.
    property alias rowsX: column.x
    property alias rowsY: column.y

    contentHeight: column.height + 10
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    Column {
        id: column
        x: 2
        y: 3
        width: list.width - 10
        spacing: 5
    }
}
