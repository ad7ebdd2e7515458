// How the file screens name a storage: the SD card, or a USB stick by its
// port counted from 1 ("USB stick 1" is "/media/usb0"), the same on every screen.

function isStick(path) { return path.indexOf("/media/usb") >= 0 }
// The stick's port 0..7 of a path on it; -1 for any other path.
function stickNumber(path) {
    var at = path.indexOf("/media/usb")
    return at < 0 ? -1 : parseInt(path.substring(at + 10))
}
function label(path) {
    if (!isStick(path))
        return qsTr("SD card") + Language.emptyString
    return qsTr("USB stick") + Language.emptyString + " " + (stickNumber(path) + 1)
}
