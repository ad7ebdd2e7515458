.pragma library
// What the complex-timer alarm screens share: the signal kinds of an
// alarm's type bits, the interval's text and step, and the text of the
// control that enables an alarm.

// Type bits (the store's alarm type).
var beepBit = 8
var vibrationBit = 16
var voiceBits = 96
var shortVoice = 32
var normalVoice = 64
var messageBit = 128

// The signal kinds in the order the type list offers them: beep,
// vibration, speech.
var kinds = [[false, false, false], [true, false, false], [true, true, false], [false, true, false],
             [false, false, true], [true, false, true], [false, true, true], [true, true, true]]

function kindOf(type) {
    var beep = (type & beepBit) !== 0, vibration = (type & vibrationBit) !== 0, speech = (type & voiceBits) !== 0
    for (var k = 0; k < kinds.length; ++k)
        if (kinds[k][0] === beep && kinds[k][1] === vibration && kinds[k][2] === speech)
            return k
    return 0
}
// The type with kind k's signal bits; a speech form already chosen stays.
function typeForKind(type, k) {
    var bits = type & ~(beepBit | vibrationBit | voiceBits)
    if (kinds[k][0]) bits |= beepBit
    if (kinds[k][1]) bits |= vibrationBit
    if (kinds[k][2]) bits |= (type & voiceBits) !== 0 ? (type & voiceBits) : normalVoice
    return bits
}

// "Disabled" for 0, "One shot" above an hour, minutes above a minute.
function intervalText(seconds, disabled, oneShot) {
    if (seconds <= 0) return disabled
    if (seconds > 3600) return oneShot
    if (seconds > 60) return Math.round(seconds / 60) + " min"
    return seconds + " s"
}
// The value to write for a step: the sum (not below 0) with the step's
// sign, so that the store moves along its interval table that way.
function intervalWrite(current, step) {
    var sum = Math.max(0, current + step)
    return step < 0 ? -sum : sum
}

// A replay every second leaves no room for a long beep, every one or two
// seconds none for the long speech form: both are shortened.
var longBeep = 4096
function shortenSignals(db, timer, alarm, interval) {
    if (interval === 1) {
        var tone = db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(timer, alarm, 0, 1)
        if (tone >= 0 && (tone & longBeep) !== 0)
            db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_BeepTone(timer, alarm, tone & ~longBeep, 0)
    }
    if (interval === 1 || interval === 2) {
        var type = db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timer, alarm, 0, 1)
        if (type >= 0 && (type & voiceBits) !== 0 && (type & voiceBits) !== shortVoice)
            db.KLX_DataBaseManagerCmplxTimerGetSet_Alarm_Type(timer, alarm, (type & ~voiceBits) | shortVoice, 0)
    }
}
