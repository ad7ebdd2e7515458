// What the servo screens share: a servo's label, the functions that drive a
// servo, and the fail-safe modes made to agree after a servo was added.
.import DBValues 1.0 as DB
.import GuiData 1.0 as GD

function failed(code) { return typeof code === "number" && code <= DB.DatabaseValue.KLX_Error }

// The servo's name, or "Servo " and its number when it has none of its own.
function servoLabel(servo) {
    var name = Database.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DB.DatabaseValue.AtomicDirGet)
    return name === "" || name === "servo" ? qsTr("Servo ") + Language.emptyString + (servo + 1) : name
}

function functionUsed(f) {
    return Database.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, DB.DatabaseValue.AtomicDirGet) === DB.DatabaseValue.KLX_True
}

// The servos assigned to function f, in slot order, each once.
function servosOf(f) {
    var list = []
    var max = Database.KLX_DataBaseManagerGetMaxServos()
    for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxServosPerFunction(); ++s) {
        var servo = Database.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, s, 0, DB.DatabaseValue.AtomicDirGet)
        if (servo >= 0 && servo < max && list.indexOf(servo) < 0)
            list.push(servo)
    }
    return list
}

// The used functions that drive a servo.
function functionsOf(servo) {
    var list = []
    for (var f = 0; f < Database.KLX_DataBaseManagerGetMaxFunctions(); ++f)
        if (functionUsed(f) && servosOf(f).indexOf(servo) >= 0)
            list.push(f)
    return list
}

// The servo-mixer slot of a servo that function f drives; -1 none.
function mixerOf(servo, f) {
    for (var m = 0; m < Database.KLX_DataBaseManagerGetMaxServoConfigServoMixer(); ++m)
        if (Database.KLX_DataBaseManagerServoConfigGetSet_ServoMixer_FuncTravelFuncIndex(servo, m, 0, DB.DatabaseValue.AtomicDirGet) === f)
            return m
    return -1
}

// A new servo of function f: in R-Ediv mode every fail-safe set-up is made
// again; otherwise a servo that another function drives with another
// fail-safe mode puts this function on hold.
function harmoniseFailSafe(servo, f) {
    if (Database.KLX_DataBaseManagerIsReceiverModeREdiv())
        return Database.KLX_DataBaseManagerFunctionSetFailSafeConfigurationREdiv()
    var others = functionsOf(servo).filter(function(g) { return g !== f })
    if (others.length === 0)
        return DB.DatabaseValue.KLX_Ok
    var servoMode = Database.KLX_DataBaseManagerServoConfigGetSet_FailSafePosMode(servo, 0, DB.DatabaseValue.AtomicDirGet)
    var functionMode = Database.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, 0, DB.DatabaseValue.AtomicDirGet)
    if (servoMode === functionMode)
        return DB.DatabaseValue.KLX_Ok
    var result = Database.KLX_DataBaseManagerFunctionGetSet_FailSafePosMode(f, GD.GuiCmdData.FAILSAFEMODE_Hold_Gui,
                                                                            DB.DatabaseValue.AtomicDirSet, true)
    if (failed(result))
        return result
    return Database.KLX_DataBaseManagerFunctionSetFailSafeConfigurationKLX(f)
}
