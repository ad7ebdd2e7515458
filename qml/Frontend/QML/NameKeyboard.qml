import QtQuick 2.15

// The name keys of the model screens: the keyboard preloaded with the
// element's name. On OK an unchanged text does nothing, an empty one is
// refused ("emptyString"); otherwise write(text) stores it and answers the
// stored name, empty when another element has that name ("nameDuplicate").
// written(stored) follows a stored name.
Keyboard {
    id: nameKeys
    property string current: ""
    property var write: null
    signal written(string stored)

    function edit(name, writer) {
        current = name
        write = writer
        preLoadText = name
        extended = true
        rootwindow.kbd_sender = nameKeys
    }
    onOkClicked: {
        extended = false
        var text = preLoadText
        if (text === current || write === null)
            return
        if (text === "") {
            errorHandler.processError("emptyString")
            return
        }
        var stored = write(text)
        if (stored === "") {
            errorHandler.processError("nameDuplicate")
            return
        }
        current = stored
        written(stored)
    }
}
