pragma Singleton
import QtQuick 2.15

// What the model assistant collects before it builds: the functions of the
// chosen model type with their names, groups and servos, the servo display
// names, one control per group, and the assistant's own page history. The
// model data base is touched only by the builder.
QtObject {
    id: buffer

    property var functions: []
    // The servos of the board the functions can take.
    property int servoCount: 0
    property var groups: []
    property string typeKey: ""
    // Bumped on every change, so that bindings over the lists re-evaluate.
    property int revision: 0

    readonly property int groupCount: 30
    readonly property int maxServosPerFunction: 10

    // ---- the type tables: [name, group] per function, the names of the
    // groups that join several functions, partners, part pages ----
    readonly property var wingNames: ({
        "Sail": [["Aileron L", 0], ["Aileron R", 0], ["Flap L", 1], ["Flap R", 1], ["Spoiler L", 2], ["Spoiler R", 2],
                 ["Elevator L", 3], ["Elevator R", 3], ["Rudder L", 4], ["Rudder R", 4]],
        "SailVtail": [["Aileron L", 0], ["Aileron R", 0], ["Flap L", 1], ["Flap R", 1], ["Spoiler L", 2], ["Spoiler R", 2],
                      ["V-Tail L", 3], ["V-Tail R", 3], ["V-Tail L", 4], ["V-Tail R", 4]],
        "Jet": [["Aileron L", 0], ["Aileron R", 0], ["Flap L", 1], ["Flap R", 1], ["Elevator L", 2], ["Elevator R", 2],
                ["Rudder L", 3], ["Rudder R", 3]],
        "JetVtail": [["Aileron L", 0], ["Aileron R", 0], ["Flap L", 1], ["Flap R", 1], ["V-Tail L", 2], ["V-Tail R", 2],
                     ["V-Tail L", 3], ["V-Tail R", 3]],
        "Delta": [["Delta-A L", 0], ["Delta-B L", 1], ["Delta-A R", 0], ["Delta-B R", 1], ["Flap-L", 2], ["Flap-R", 2],
                  ["Delta-A", 3], ["Delta-B", 4], ["Rudder L", 5], ["Rudder R", 5]]
    })
    function table(type) {
        var rest = []
        var wing = []
        var named = function(list, from) {
            return list.map(function(n, i) { return [n, from + i] })
        }
        switch (type) {
        case "Sail":
        case "SailVtail":
            wing = wingNames[type]
            rest = named(["Throttle", "Gear", "Gear door", "Flight Mode", "Gain", "Tow Hook", "Aux 1", "Aux 2"], 5)
            break
        case "SailDelta":
            wing = wingNames["Delta"]
            rest = named(["Throttle", "Gear", "Gear door", "Flight Mode", "Gain", "Tow Hook", "Aux 1", "Aux 2"], 6)
            break
        case "Jet":
        case "JetVtail":
            wing = wingNames[type]
            rest = named(["Throttle 1", "Throttle 2", "Smoke", "Gear", "Brake", "Light", "Flight Mode", "Gain",
                          "Vector Elev", "Vector Rudd"], 4)
            break
        case "JetDelta":
            wing = wingNames["Delta"]
            rest = named(["Throttle 1", "Throttle 2", "Smoke", "Gear", "Brake", "Light", "Flight Mode", "Gain",
                          "Vector Elev", "Vector Rudd"], 7)
            break
        case "Acro":
            wing = wingNames["Jet"]
            rest = named(["Throttle 1", "Throttle 2", "Ignition", "Smoke", "Gear", "Brake", "Light", "Flight Mode",
                          "Gain", "Aux 1", "Aux 2"], 4)
            break
        case "AcroVtail":
            wing = wingNames["JetVtail"]
            rest = named(["Throttle 1", "Throttle 2", "Ignition", "Smoke", "Gear", "Brake", "Light", "Flight Mode",
                          "Gain", "Aux 1", "Aux 2"], 4)
            break
        case "AcroDelta":
            wing = wingNames["Delta"].map(function(f) {
                return f[0] === "Rudder L" ? ["Rudder-L", f[1]] : f[0] === "Rudder R" ? ["Rudder-R", f[1]] : f
            })
            rest = named(["Throttle 1", "Throttle 2", "Ignition", "Smoke", "Gear", "Brake", "Light", "Flight Mode",
                          "Gain", "Aux 1", "Aux 2"], 7)
            break
        }
        return wing.concat(rest)
    }
    function isDelta(type) { return type.indexOf("Delta") > 0 }
    function isVtail(type) { return type.indexOf("Vtail") > 0 }
    // The names of the groups that join several functions (and of the delta
    // elevators); undefined for the others, which take their function's name.
    function groupName(type, group) {
        if (isDelta(type))
            return ["Delta-A Ail", "Delta-B Ail", "Flap", "Delta-A Ele", "Delta-B Ele", "Rudder"][group]
        var sail = type.indexOf("Sail") === 0
        var names = sail ? ["Aileron", "Flap", "Spoiler", "Elevator", "Rudder"] : ["Aileron", "Flap", "Elevator", "Rudder"]
        if (isVtail(type)) {
            names[names.length - 2] = "V-Tail Ele"
            names[names.length - 1] = "V-Tail Rudd"
        }
        return names[group]
    }
    // The function that also gets a servo added to function i (-1 none):
    // the elevator of the same delta half, or the other V-tail role of the
    // same side.
    function partner(i) {
        if (isDelta(typeKey))
            return i === 0 || i === 2 ? 6 : i === 1 || i === 3 ? 7 : -1
        if (!isVtail(typeKey))
            return -1
        var first = typeKey === "SailVtail" ? 6 : 4
        if (i === first || i === first + 1)
            return i + 2
        if (i === first + 2 || i === first + 3)
            return i - 2
        return -1
    }
    // Part pages: a title and the functions shown on it.
    function parts(type) {
        var range = function(a, b) { var r = []; for (var i = a; i <= b; ++i) r.push(i); return r }
        var wingsLR = [{ title: "Left wing", functions: [0, 1, 4] }, { title: "Right wing", functions: [2, 3, 5] },
                       { title: "Tail", functions: range(6, 9) }]
        switch (type) {
        case "Sail":
        case "SailVtail":
            return [{ title: "Left wing", functions: [0, 2, 4] }, { title: "Right wing", functions: [1, 3, 5] },
                    { title: "Tail", functions: range(6, 9) }, { title: "Throttle + Gear", functions: [10, 11, 12, 15] },
                    { title: "Gyro + Aux", functions: [13, 14, 16, 17] }]
        case "SailDelta":
            return wingsLR.concat([{ title: "Throttle + Gear", functions: [10, 11, 12, 15] },
                                   { title: "Gyro + Aux", functions: [13, 14, 16, 17] }])
        case "Jet":
        case "JetVtail":
            return [{ title: "Wing", functions: range(0, 3) }, { title: "Tail", functions: range(4, 7) },
                    { title: "Gear + Brake", functions: [11, 12, 13] }, { title: "Throttle + Smoke", functions: [8, 9, 10] },
                    { title: "Gyro + Vector", functions: range(14, 17) }]
        case "JetDelta":
            return wingsLR.concat([{ title: "Gear + Brake", functions: [13, 14, 15] },
                                   { title: "Throttle + Smoke", functions: [10, 11, 12] },
                                   { title: "Gyro + Vector", functions: range(16, 19) }])
        case "Acro":
        case "AcroVtail":
            return [{ title: "Wing", functions: range(0, 3) }, { title: "Tail", functions: range(4, 7) },
                    { title: "Gear + Brake", functions: [12, 13, 14] }, { title: "Throttle + Smoke", functions: range(8, 11) },
                    { title: "Gyro + Aux", functions: range(15, 18) }]
        case "AcroDelta":
            return wingsLR.concat([{ title: "Gear + Brake", functions: [14, 15, 16] },
                                   { title: "Throttle + Smoke", functions: range(10, 13) },
                                   { title: "Gyro + Aux", functions: range(17, 20) }])
        }
        return []
    }

    // ---- functions ----
    function changed() { revision += 1 }
    function clear() {
        functions = []
        servoCount = 0
        var g = []
        for (var i = 0; i < groupCount; ++i)
            g.push(0)
        groups = g
        typeKey = ""
        changed()
    }
    function createFunction(index, name, displayName, group) {
        return { index: index, name: name, displayName: displayName, group: group, control: 0, realIndex: -1, servos: [] }
    }
    function addFunction(f) { functions.push(f); changed() }
    function getFunction(i) { return i >= 0 && i < functions.length ? functions[i] : null }
    function countFunctions() { return functions.length }
    // Fills the buffer with the functions of a type (only when it is empty:
    // a type page opened again keeps what the user set).
    function createType(type) {
        if (functions.length > 0)
            return
        typeKey = type
        var rows = table(type)
        for (var i = 0; i < rows.length; ++i) {
            var name = rows[i][0]
            var display = name.indexOf("Throttle ") === 0 ? "Throttle" : name
            functions.push(createFunction(i, name, display, rows[i][1]))
        }
        changed()
    }
    function setServoCount(count) {
        if (servoCount === count)
            return
        servoCount = count
        changed()
    }
    function countFunctionsWithServos() {
        return functions.filter(function(f) { return f.servos.length > 0 }).length
    }
    function countServoAssignments() {
        return functions.reduce(function(n, f) { return n + f.servos.length }, 0)
    }
    function countDistinctServos() {
        var seen = {}
        functions.forEach(function(f) { f.servos.forEach(function(s) { seen[s] = true }) })
        return Object.keys(seen).length
    }
    // Adds a servo to a function and its partner; false when the function
    // already has it or is full.
    function addServo(i, servo) {
        var f = getFunction(i)
        if (!f || f.servos.indexOf(servo) >= 0 || f.servos.length >= maxServosPerFunction)
            return false
        f.servos.push(servo)
        var p = getFunction(partner(i))
        if (p && p.servos.indexOf(servo) < 0 && p.servos.length < maxServosPerFunction)
            p.servos.push(servo)
        changed()
        return true
    }
    function removeServo(i, servo) {
        var f = getFunction(i)
        var at = f ? f.servos.indexOf(servo) : -1
        if (at < 0)
            return false
        f.servos.splice(at, 1)
        changed()
        return true
    }
    // Names are unique among the buffer's functions, letter case ignored.
    function functionNameFree(i, name) {
        var lower = name.toLowerCase()
        return !functions.some(function(f, n) { return n !== i && f.name.toLowerCase() === lower })
    }
    function rename(i, name) {
        var f = getFunction(i)
        if (!f || !functionNameFree(i, name))
            return false
        f.name = name
        changed()
        return true
    }
    function setGroupControl(group, control) {
        if (group < 0 || group >= groupCount)
            return
        groups[group] = control
        functions.forEach(function(f) { if (f.group === group) f.control = control })
        changed()
    }
    function groupControl(group) { return group >= 0 && group < groupCount ? groups[group] : 0 }

    // ---- what the builder creates ----
    function functionsToCreate() {
        return functions.filter(function(f) { return f.servos.length > 0 || groupControl(f.group) !== 0 })
    }
    // One data-base function per group, in the order of first appearance:
    // its name, control and servos; a servo is named after the first buffer
    // function that holds it and its position there. The delta halves'
    // groups are left out without servos.
    function buildPlan() {
        var plan = []
        var byGroup = {}
        var named = {}
        var delta = isDelta(typeKey)
        functionsToCreate().forEach(function(f) {
            var entry = byGroup[f.group]
            if (entry === undefined) {
                var joined = groupName(typeKey, f.group)
                entry = { group: f.group, name: joined !== undefined ? joined : f.name,
                          control: groupControl(f.group), servos: [] }
                byGroup[f.group] = entry
                plan.push(entry)
            }
            f.servos.forEach(function(s, position) {
                if (entry.servos.some(function(e) { return e.servo === s }))
                    return
                var name = named[s] === undefined ? f.name + (position + 1) : named[s]
                named[s] = name
                entry.servos.push({ servo: s, name: name })
            })
        })
        if (delta)
            plan = plan.filter(function(e) { return [0, 1, 3, 4].indexOf(e.group) < 0 || e.servos.length > 0 })
        return plan
    }

    // ---- the assistant's own page history ----
    property QtObject history: QtObject {
        property var entries: [{ url: "", part: -1 }]
        property int index: 0
        property int home: -1

        function isEmpty() { return entries.length <= 1 }
        function clear() {
            entries = [{ url: "", part: -1 }]
            index = 0
            home = -1
        }
        function add(url, part, isHome) {
            var current = entries[index]
            if (current.url === url && current.part === part)
                return
            entries.splice(index + 1)
            entries.push({ url: url, part: part })
            index += 1
            if (isHome)
                home = index
        }
        function back() {
            if (index > 1)
                index -= 1
            return entries[index]
        }
        function forward() {
            if (index + 1 < entries.length)
                index += 1
            return entries[index]
        }
        function goHome() {
            if (home >= 0)
                index = home
            return entries[index]
        }
        function current() { return entries[index] }
        function previousIsModelType() {
            return index >= 1 && entries[index - 1].url === "qrc:/Frontend/QML/ModelTypeChoose.qml"
        }
    }

    Component.onCompleted: clear()
}
