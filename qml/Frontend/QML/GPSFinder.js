// The arithmetic of the GPS finder: coordinates come in units of 1e-7
// degree, distances go out in metres.
.pragma library

var earthRadiusKm = 6371.0

function radians(deg) { return deg * Math.PI / 180 }

// Haversine distance in metres between two positions in degrees.
function distance(lat1, lon1, lat2, lon2) {
    var dLat = radians(lat2 - lat1)
    var dLon = radians(lon2 - lon1)
    var a = Math.sin(dLat / 2) * Math.sin(dLat / 2) +
            Math.cos(radians(lat1)) * Math.cos(radians(lat2)) * Math.sin(dLon / 2) * Math.sin(dLon / 2)
    return earthRadiusKm * 1000 * 2 * Math.atan2(Math.sqrt(a), Math.sqrt(1 - a))
}

// The bearing from 1 to 2 in radians, counted from east counter-clockwise.
function bearing(lat1, lon1, lat2, lon2) {
    var p1 = radians(lat1), p2 = radians(lat2), dLon = radians(lon2 - lon1)
    var x = Math.sin(dLon) * Math.cos(p2)
    var y = Math.cos(p1) * Math.sin(p2) - Math.sin(p1) * Math.cos(p2) * Math.cos(dLon)
    return Math.atan2(y, x)
}

// A coordinate as a letter, degrees, minutes and seconds: "N 51°32'31''".
// Rounding that reaches 60 seconds carries into the minute, 60 minutes into
// the degree.
function dms(value, positiveLetter, negativeLetter) {
    var letter = value < 0 ? negativeLetter : positiveLetter
    var deg = Math.abs(value) / 1e7
    var d = Math.floor(deg)
    var minutes = (deg - d) * 60
    var m = Math.floor(minutes)
    var s = Math.round((minutes - m) * 60)
    if (s >= 60) {
        s -= 60
        m += 1
    }
    if (m >= 60) {
        m -= 60
        d += 1
    }
    return letter + " " + d + "\u00B0" + m + "'" + s + "''"
}
