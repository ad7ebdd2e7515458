import QtQuick 2.15
import DBValues 1.0

// A pipeline task a screen starts and follows: while it runs the touch keys
// are locked. The task that derives from this starts with take(), gives a
// start the pipeline refused to refused() (shown, the keys back) and ends
// with release(). A screen that goes while its task runs gives the keys back.
Item {
    property bool running: false

    // False while a task runs already; otherwise the keys are locked.
    function take() {
        if (running)
            return false
        rootwindow.smartKeyLock = true
        running = true
        return true
    }
    // True when the pipeline refused the start: a refused task never
    // reports, so the lock is let go here and the refusal shown.
    function refused(result) {
        if (result > DatabaseValue.KLX_Error)
            return false
        release()
        errorHandler.processError(result)
        return true
    }
    function release() {
        running = false
        rootwindow.smartKeyLock = false
    }

    Component.onDestruction: {
        if (running)
            rootwindow.smartKeyLock = false
    }
}
