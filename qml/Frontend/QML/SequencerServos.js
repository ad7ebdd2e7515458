// The servo chooser of the sequencer screens: which servos a sequencer may
// take, and how a choice is written into its channels.

// The servos in the channels of a sequencer, by channel (-1 for none).
function channelServos(seq) {
    var servos = []
    var count = Database.KLX_DataBaseManagerGetMaxServos()
    var channels = Database.KLX_DataBaseManagerGetMaxServosPerSequncer()
    for (var ch = 0; ch < channels; ++ch) {
        var servo = Database.KLX_DataBaseManagerSequencerGetSet_Servo(seq, ch, 0, DatabaseValue.AtomicDirGet)
        servos.push(servo >= 0 && servo < count ? servo : -1)
    }
    return servos
}

// Every servo of no function: marked when in this sequencer, unavailable
// when in another used sequencer.
function entries(seq) {
    var own = channelServos(seq)
    var others = []
    for (var s = 0; s < Database.KLX_DataBaseManagerGetMaxSequncer(); ++s) {
        if (s === seq || Database.KLX_DataBaseManagerSequencerGetSet_IsUsed(s, 0, DatabaseValue.AtomicDirGet) <= 0)
            continue
        others = others.concat(channelServos(s))
    }
    var list = []
    for (var servo = 0; servo < Database.KLX_DataBaseManagerGetMaxServos(); ++servo) {
        if (Database.KLX_DataBaseManagerServoConfigGetSet_IsUsed(servo, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True)
            continue
        list.push({ label: qsTr("Servo ") + Language.emptyString + (servo + 1), value: servo,
                    selected: own.indexOf(servo) >= 0, enabled: others.indexOf(servo) < 0 })
    }
    return list
}

// Writes a choice: with clearOthers the channels of servos no longer chosen
// are cleared; each newly chosen servo goes into the first free channel
// with its start and end waypoints. The first failure is shown and ends it.
function apply(seq, chosen, clearOthers) {
    var own = channelServos(seq)
    var result
    if (clearOthers) {
        for (var ch = 0; ch < own.length; ++ch) {
            if (own[ch] < 0 || chosen.indexOf(own[ch]) >= 0)
                continue
            result = Database.KLX_DataBaseManagerSequencerClear_Servo(seq, ch)
            if (result <= DatabaseValue.KLX_Error) {
                errorHandler.processError(result)
                return false
            }
        }
    }
    for (var i = 0; i < chosen.length; ++i) {
        if (own.indexOf(chosen[i]) >= 0)
            continue
        var free = Database.KLX_DataBaseManagerSequencerGetFirstFreeChnl(seq)
        if (free < 0)
            break
        result = Database.KLX_DataBaseManagerSequencerGetSet_Servo(seq, free, chosen[i], DatabaseValue.AtomicDirSet)
        if (result > DatabaseValue.KLX_Error)
            result = Database.KLX_DataBaseManagerSequencerSet_ServoStartEndRange(seq, free)
        if (result <= DatabaseValue.KLX_Error) {
            errorHandler.processError(result)
            return false
        }
    }
    return true
}
