#pragma once
// Lines for the program's developers, not for a pilot at the terminal:
// which curve a store took, the user menu's entries as the settings file
// gives them, the Bluetooth address looked up, the language installed, the
// voices found and the voice set up, the speech player started, the alarm
// beeps asked for, the mixer levels set, the GPIO and CAN set-up, the stores
// as they go, the sensors as they are described, the update downloads'
// selections and runs, a package script that is not there or run, the
// worker threads made and gone, the WLAN interface brought up or down, the
// speech pipe closed, the switch-off's stop. They belong to the category
// "vorn.developer", off unless switched on
// (QT_LOGGING_RULES="vorn.developer=true").
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcVornDebug)
