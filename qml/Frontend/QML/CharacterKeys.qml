import QtQuick 2.15

// `model` character keys of the keyboard `owner`, from its face `first` on,
// each named after its place ("key_1" is the first key of the first row).
Repeater {
    id: characters
    property Item owner: null
    property int first: 0

    KeyboardKey {
        objectName: "key_" + (characters.first + index + 1)
        face: characters.owner.faces[characters.first + index]
        label: characters.owner.shown(face)
        enabled: characters.owner.keyEnabled(face)
        onTyped: characters.owner.typeFace(face)
    }
}
