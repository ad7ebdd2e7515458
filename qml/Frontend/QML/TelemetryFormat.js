.pragma library
// How the telemetry pages show a sensor value: its number with the sensor's
// decimal places, a coordinate in degrees, minutes and seconds, and the
// colour of its sign from the four limits of the widget's value slot.

// Sign colours of a value view.
var signNone = 0
var signYellow = 1
var signRed = 2
var signGreen = 3

// Decimal places of a value: a "silent" separator (254 and above) shows none.
function decimals(decPoint, silent) {
    return decPoint > 0 && decPoint < silent ? decPoint : 0
}

// The raw reading divided by 10^d with exactly d decimals. Integer
// arithmetic: 1234 with d = 2 is "12.34", -5 with d = 1 is "-0.5".
function scaled(raw, d) {
    if (d <= 0)
        return String(raw)
    var negative = raw < 0
    var digits = String(Math.abs(raw))
    while (digits.length <= d)
        digits = "0" + digits
    var text = digits.substring(0, digits.length - d) + "." + digits.substring(digits.length - d)
    return negative ? "-" + text : text
}

// The (sensor slot, value slot) pairs a value widget shows, in slot order.
// A library sees no context objects: the caller gives the Database object,
// its read direction and its true value.
function valuePairs(db, pageId, elementId, get, yes) {
    var list = []
    var values = db.KLX_DataBaseManagerGetMaxSlavesPerSensor()
    for (var s = 0; s < 32; ++s) {
        if (db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(pageId, elementId, s, 0, get) !== yes)
            continue
        for (var v = 0; v < values; ++v)
            if (db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_Slave_IsUsed(pageId, elementId, s, v, 0, get) === yes)
                list.push({ sensor: s, value: v })
    }
    return list
}

// A coordinate in 10^-7 degree: whole degrees, minutes, seconds with two
// decimals and the hemisphere. The seconds are rounded to hundredths and a
// full 60 carries into the minutes (and 60 minutes into the degrees).
function coordinate(value, longitude) {
    var rest = Math.abs(value)
    var degrees = Math.floor(rest / 10000000)
    rest -= degrees * 10000000                     // 10^-7 degree
    var minutes = Math.floor(rest * 60 / 10000000)
    rest = rest * 60 - minutes * 10000000          // 10^-7 minute
    var hundredths = Math.round(rest * 60 / 100000)
    if (hundredths >= 6000) {
        hundredths -= 6000
        minutes += 1
    }
    if (minutes >= 60) {
        minutes -= 60
        degrees += 1
    }
    var seconds = Math.floor(hundredths / 100) + "." + ("0" + hundredths % 100).slice(-2)
    var side = longitude ? (value < 0 ? "W" : "E") : (value < 0 ? "S" : "N")
    return degrees + "\u00b0" + minutes + "'" + seconds + "''" + side
}

// One pair of limits: equal never alerts; "below" under "above" alerts
// outside them; "above" under "below" (inverted) alerts between them.
function crossed(x, below, above) {
    if (below === above)
        return false
    if (below < above)
        return x < below || x > above
    return above <= x && x <= below
}

// The sign of a number: red from the red limits, else yellow from the
// yellow ones, else green. All in the same scale as x.
function signColour(x, redBelow, yellowBelow, yellowAbove, redAbove) {
    if (crossed(x, redBelow, redAbove))
        return signRed
    if (crossed(x, yellowBelow, yellowAbove))
        return signYellow
    return signGreen
}
