import QtQuick 2.15

// A row of a settings list with one button: the name in its column, then the
// button that shows the value ("active" while it is being edited) and opens or
// changes it.
LabelledRow {
    id: row
    property alias buttonName: button.objectName
    property alias valueWidth: button.width
    property alias value: button.gp_text
    property bool active: false
    signal clicked()
    signal longclicked()

    GeneralPurposeButton {
        id: button
        state: row.active ? "active" : ""
        onClicked: row.clicked()
        onLongclicked: row.longclicked()
    }
}
