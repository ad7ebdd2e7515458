// What the servo screens share: a servo's label, the functions that drive a
// servo, and the fail-safe modes made to agree after a servo was added.
.import DBValues 1.0 as DB
.import GuiData 1.0 as GD

function failed(code) { return typeof code === "number" && code <= DB.DatabaseValue.KLX_Error }

// "Servo " and the servo's number: how a servo without a name of its own is shown.
function numberLabel(servo) { return qsTr("Servo ") + Language.emptyString + (servo + 1) }

// The servo's name, or its number label when it has none of its own.
function servoLabel(servo) {
    var name = Database.KLX_DataBaseManagerServoConfigGetSet_Name(servo, "", DB.DatabaseValue.AtomicDirGet)
    return name === "" || name === "servo" ? numberLabel(servo) : name
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

// The used functions that drive each servo, indexed by servo: one walk over
// the functions for all servos, the facade taken once (a name of the context
// is looked up through every import each time it is used).
function functionsByServo() {
    var db = Database
    var get = DB.DatabaseValue.AtomicDirGet
    var servos = db.KLX_DataBaseManagerGetMaxServos()
    var slots = db.KLX_DataBaseManagerGetMaxServosPerFunction()
    var functions = db.KLX_DataBaseManagerGetMaxFunctions()
    var byServo = []
    for (var s = 0; s < servos; ++s)
        byServo.push([])
    for (var f = 0; f < functions; ++f) {
        if (db.KLX_DataBaseManagerFunctionGetSet_IsUsed(f, 0, get) !== DB.DatabaseValue.KLX_True)
            continue
        var seen = []
        for (var k = 0; k < slots; ++k) {
            var servo = db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, k, 0, get)
            if (servo >= 0 && servo < servos && seen.indexOf(servo) < 0) {
                seen.push(servo)
                byServo[servo].push(f)
            }
        }
    }
    return byServo
}

// The used functions that drive a servo.
function functionsOf(servo) {
    var byServo = functionsByServo()
    return servo >= 0 && servo < byServo.length ? byServo[servo] : []
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

// ---- differentials ----

// A rounded percentage of the -2047..2047 scale, half away from zero.
function percentOf(value) {
    var p = value * 100 / 2047
    return p < 0 ? -Math.round(-p) : Math.round(p)
}

// The servos of function f on the left and on the right side (remembered or
// active).
function sidesOf(f) {
    var left = [], right = []
    servosOf(f).forEach(function(servo) {
        var type = Database.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(servo, 0, DB.DatabaseValue.AtomicDirGet)
        if (type === DB.DatabaseValue.FuncServoType_Left || type === DB.DatabaseValue.FuncServoType_ActiveLeft)
            left.push(servo)
        else if (type === DB.DatabaseValue.FuncServoType_Right || type === DB.DatabaseValue.FuncServoType_ActiveRight)
            right.push(servo)
    })
    return { left: left, right: right }
}

// What each side shows of the pure value p with the differential d (both
// percent): the reduced value p x (1 - |d| / 100) on the side that d
// reduces, p on the other. With one side only, that side shows the reduced
// value when p and d have the same sign, else p.
function differentialOutput(p, d, hasLeft, hasRight) {
    var r = Math.round(p * (1 - Math.abs(d) / 100))
    var same = (p > 0 && d > 0) || (p < 0 && d < 0)
    if (hasLeft && hasRight)
        return { left: same ? r : p, right: same ? p : r }
    var one = same ? r : p
    return { left: hasLeft ? one : p, right: hasRight ? one : p }
}

// The differential control of function f is a real one: above none and
// below the invalid id.
function hasDifferential(f) {
    var control = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(f, 0, DB.DatabaseValue.AtomicDirGet)
    return control > GD.GuiCmdData.CONTROLID_None_GUI && control < GD.GuiCmdData.CONTROLID_Invalid_GUI
}

// Makes the remembered sides of f's servos active (or active ones
// remembered again). A servo that another function's differential on a
// physical control also drives keeps its side.
function setSidesActive(f, active) {
    servosOf(f).forEach(function(servo) {
        var shared = functionsOf(servo).some(function(g) {
            if (g === f)
                return false
            var control = Database.KLX_DataBaseManagerFunctionGetSet_ControlDifferential(g, 0, DB.DatabaseValue.AtomicDirGet)
            return control > GD.GuiCmdData.CONTROLID_None_GUI && control < GD.GuiCmdData.CONTROLID_Virtual_00_GUI
        })
        if (shared)
            return
        var type = Database.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(servo, 0, DB.DatabaseValue.AtomicDirGet)
        var to = type
        if (active && type === DB.DatabaseValue.FuncServoType_Left) to = DB.DatabaseValue.FuncServoType_ActiveLeft
        if (active && type === DB.DatabaseValue.FuncServoType_Right) to = DB.DatabaseValue.FuncServoType_ActiveRight
        if (!active && type === DB.DatabaseValue.FuncServoType_ActiveLeft) to = DB.DatabaseValue.FuncServoType_Left
        if (!active && type === DB.DatabaseValue.FuncServoType_ActiveRight) to = DB.DatabaseValue.FuncServoType_Right
        if (to !== type)
            Database.KLX_DataBaseManagerServoConfigGetSet_FunctionServoType(servo, to, DB.DatabaseValue.AtomicDirSet, true)
    })
}
