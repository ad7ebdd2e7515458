.pragma library
// The arithmetic of the curve editor: a curve holds 33 stored values
// (-2047..2047) at storage indices 0..32; the user edits a few "real"
// points among them and the stored values in between follow.

var storedPoints = 33
var fullScale = 2047
var realPointCounts = [3, 5, 7, 9, 13, 17, 33]

// Half away from zero, as the engine rounds.
function roundHalfAway(v) {
    return v < 0 ? -Math.round(-v) : Math.round(v)
}

function clampStored(v) {
    return Math.max(-fullScale, Math.min(fullScale, v))
}

// A stored count outside the offered ones edits every index: nothing is
// pulled, so a damaged count never rewrites the curve.
function validCount(count) {
    return realPointCounts.indexOf(count) >= 0 ? count : storedPoints
}

// Storage index of each real point. Seven and thirteen points fall between
// integers and are rounded half away from zero; three points in three-point
// mode sit at 8, 16 and 24.
function realIndices(count, threePoint) {
    if (threePoint)
        return [8, 16, 24]
    var n = validCount(count)
    var list = []
    for (var k = 0; k < n; ++k)
        list.push(roundHalfAway(k * (storedPoints - 1) / (n - 1)))
    return list
}

// The stored values pulled straight between consecutive real points; in
// three-point mode the outer stretches continue the slope of the segment
// next to them. Returns a new array of 33 values.
function pulled(values, indices, threePoint) {
    var out = values.slice()
    for (var j = 0; j + 1 < indices.length; ++j) {
        var a = indices[j], b = indices[j + 1]
        for (var i = a + 1; i < b; ++i)
            out[i] = clampStored(roundHalfAway(values[a] + (values[b] - values[a]) * (i - a) / (b - a)))
    }
    if (threePoint) {
        var first = indices[0], mid = indices[1], last = indices[2]
        for (var l = 0; l < first; ++l)
            out[l] = clampStored(roundHalfAway(values[first] + (values[mid] - values[first]) * (l - first) / (mid - first)))
        for (var r = last + 1; r < storedPoints; ++r)
            out[r] = clampStored(roundHalfAway(values[last] + (values[last] - values[mid]) * (r - last) / (last - mid)))
    }
    return out
}

// The cubic Hermite spline through the real points over equal segments,
// sampled at the 33 storage positions (not clamped: the drawing clips, the
// caller clamps what it stores). In three-point mode the stored ends 0 and
// 32 join the three points as a five-point spline.
function smoothed(values, indices, threePoint) {
    var ys = []
    for (var p = 0; p < indices.length; ++p)
        ys.push(values[indices[p]])
    if (threePoint) {
        ys.unshift(values[0])
        ys.push(values[storedPoints - 1])
    }
    var n = ys.length - 1
    var h = (storedPoints - 1) / n
    var m = []
    for (var j = 0; j <= n; ++j) {
        if (j === 0)
            m.push((-3 * ys[0] + 4 * ys[1] - ys[2]) / (2 * h))
        else if (j === n)
            m.push((ys[n - 2] - 4 * ys[n - 1] + 3 * ys[n]) / (2 * h))
        else
            m.push((ys[j + 1] - ys[j - 1]) / (2 * h))
    }
    var out = []
    for (var k = 0; k < storedPoints; ++k) {
        var s = Math.min(Math.floor(k / h), n - 1)
        var t = (k - s * h) / h
        var t2 = t * t, t3 = t2 * t
        out.push(roundHalfAway((2 * t3 - 3 * t2 + 1) * ys[s] + (t3 - 2 * t2 + t) * h * m[s]
                               + (-2 * t3 + 3 * t2) * ys[s + 1] + (t3 - t2) * h * m[s + 1]))
    }
    return out
}

// The curve's value at a control value x (-2047..2047): straight between
// the stored values, which lie 4094 / 32 apart.
function valueAt(values, x) {
    var pos = (Math.max(-fullScale, Math.min(fullScale, x)) + fullScale) * (storedPoints - 1) / (2 * fullScale)
    var i = Math.min(Math.floor(pos), storedPoints - 2)
    return values[i] + (values[i + 1] - values[i]) * (pos - i)
}
