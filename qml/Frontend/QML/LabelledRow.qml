import QtQuick 2.15

// A row of a settings list: the name in a column of its own width, then what
// shows and changes the value (the row's children).
Row {
    property alias label: name.text
    property alias labelWidth: name.width
    spacing: 5
    GeneralPurposeLabel { id: name }
}
