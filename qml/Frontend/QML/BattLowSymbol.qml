import QtQuick 2.15

// The battery-low picture: fades out in 1500 ms and goes.
Image {
    id: battLow
    width: 256
    height: 256
    sourceSize.width: 256
    sourceSize.height: 256
    source: "qrc:/Frontend/Images/BattLow.svg"
    NumberAnimation on opacity {
        from: 1
        to: 0
        duration: 1500
        onFinished: battLow.destroy()
    }
}
