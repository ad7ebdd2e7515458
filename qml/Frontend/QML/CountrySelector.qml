import QtQuick 2.15
import DBValues 1.0

// The country and time-zone selector: the countries of the time-zone file
// (or the built-in list without one) on the left, the zones of the chosen
// country on the right, or for "Not specified" an editor of the offset from
// UTC. "OK" stores the country, its zone's offset and name, and goes back.
Item {
    id: selector
    objectName: "countrySelector"

    readonly property int maxHours: 14
    readonly property var minuteSteps: [0, 30, 45]

    property int xmlCountries: DatabaseValue.KLX_Error
    property int ourCountry: 0
    property int timeOffset: 0
    property string locationName: ""
    property string description: ""
    property int listIndex: -1
    property var countries: []
    property var zones: []
    property int markedCountry: -1
    property int markedZone: -1
    property bool okShown: false
    // The manual editor: sign, hours and minutes of the offset shown.
    property int editSign: 1
    property int editHours: 0
    property int editMinutes: 0

    function report(result) {
        if (result <= DatabaseValue.KLX_Error)
            errorHandler.processError(result)
        return result <= DatabaseValue.KLX_Error
    }
    function two(value) { return (value < 10 ? "0" : "") + value }
    function offsetText(minutes) {
        var a = Math.abs(minutes)
        return (minutes < 0 ? "-" : "+") + two(Math.floor(a / 60)) + ":" + two(a % 60)
    }

    function buildCountries() {
        var count = xmlCountries > 0 ? xmlCountries : Database.KLX_SystemPropertiesGet_QtCountryCount()
        var list = []
        for (var i = 0; i < count; ++i) {
            var code = Database.KLX_DataBaseManagerGetSystemPropertiesGet_CountryCodeInList(i)
            if (code < 0)
                continue
            if (code === ourCountry)
                markedCountry = list.length
            list.push({ code: code, name: Database.KLX_DataBaseManagerGetSystemPropertiesGet_CountryNameInList(i) })
        }
        countries = list
    }

    // The zones of a country: "name;offset" lines.
    function buildZones(code) {
        var list = []
        var lines = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_TimeZonesList(code).split("\n")
        for (var i = 0; i < lines.length; ++i) {
            if (lines[i] === "")
                continue
            var at = lines[i].lastIndexOf(";")
            list.push({ name: lines[i].substring(0, at), offset: parseInt(lines[i].substring(at + 1), 10) })
        }
        zones = list
        markedZone = -1
        listIndex = Database.KLX_DataBaseManagerGetSystemPropertiesGet_ListIndexByCode(code)
    }

    function showManualOffset(offset) {
        if (offset !== 0)
            editSign = offset < 0 ? -1 : 1
        editHours = Math.floor(Math.abs(offset) / 60)
        editMinutes = Math.abs(offset) % 60
    }

    function touchCountry(row) {
        markedCountry = row
        ourCountry = countries[row].code
        locationName = ""
        description = ""
        if (ourCountry > 0) {
            buildZones(ourCountry)
            okShown = false
        } else {
            zones = []
            markedZone = -1
            showManualOffset(Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, DatabaseValue.AtomicDirGet))
            okShown = true
        }
    }

    function touchZone(row) {
        markedZone = row
        okShown = true
        timeOffset = zones[row].offset
        locationName = zones[row].name
        description = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(listIndex, row)
    }

    function ok() {
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(ourCountry, DatabaseValue.AtomicDirSet)
        if (report(result) || result !== ourCountry)
            return
        if (ourCountry > 0) {
            if (report(Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(
                           timeOffset, DatabaseValue.AtomicDirSet, true, false)))
                return
            Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation(locationName, DatabaseValue.AtomicDirSet)
        }
        systemHistory.goBack()
    }

    // The manual editor writes each step at once.
    function writeManual(sign, hours, minutes) {
        var offset = sign * (hours * 60 + minutes)
        var result = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(
                    offset, DatabaseValue.AtomicDirSet, true, false)
        if (report(result) || result !== offset)
            return
        // An offset of 0 keeps the sign the editor had, for the next step.
        editSign = sign
        editHours = hours
        editMinutes = minutes
    }
    function stepSign() { writeManual(-editSign, editHours, editMinutes) }
    function stepHours() {
        var hours = editHours >= maxHours ? 0 : editHours + 1
        writeManual(editSign, hours, hours === maxHours ? 0 : editMinutes)
    }
    function stepMinutes() {
        if (editHours >= maxHours) {
            writeManual(editSign, editHours, 0)
            return
        }
        var next = 0
        for (var i = 0; i < minuteSteps.length; ++i) {
            if (minuteSteps[i] > editMinutes) {
                next = minuteSteps[i]
                break
            }
        }
        writeManual(editSign, editHours, next)
    }

    // ---- countries ----
    ListView {
        id: countryList
        objectName: "countryList"
        x: 0
        y: 0
        width: 235
        height: parent.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: selector.countries
        delegate: Rectangle {
            objectName: "country_" + modelData.code
            width: countryList.width - 6
            height: 30
            color: index === selector.markedCountry ? "#2f7fd8" : "transparent"
            Text {
                anchors.fill: parent
                anchors.leftMargin: 6
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: modelData.code === 0 ? qsTr("Not specified") + Language.emptyString : modelData.name
                color: index === selector.markedCountry ? "white" : rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 15
            }
            MouseArea {
                anchors.fill: parent
                onClicked: selector.touchCountry(index)
            }
        }
    }
    ScrollBar { flickable: countryList }
    Rectangle {
        x: 237
        width: 1
        height: parent.height
        color: rootwindow.textColour
        opacity: 0.4
    }

    // ---- zones of the chosen country ----
    ListView {
        id: zoneList
        objectName: "zoneList"
        x: 242
        y: 0
        width: parent.width - x
        height: 170
        clip: true
        visible: selector.ourCountry > 0
        boundsBehavior: Flickable.StopAtBounds
        // Rows made only as they come into view: none left half made in the
        // background when the screen closes.
        cacheBuffer: 0
        model: selector.zones
        delegate: Rectangle {
            objectName: "zone_" + index
            width: zoneList.width - 6
            height: 28
            color: index === selector.markedZone ? "#2f7fd8" : "transparent"
            Text {
                anchors.fill: parent
                anchors.leftMargin: 4
                anchors.rightMargin: 64
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: modelData.name
                color: index === selector.markedZone ? "white" : rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 14
            }
            Text {
                anchors.right: parent.right
                anchors.rightMargin: 4
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                text: selector.offsetText(modelData.offset)
                color: index === selector.markedZone ? "white" : rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 13
            }
            MouseArea {
                anchors.fill: parent
                onClicked: selector.touchZone(index)
            }
        }
    }
    ScrollBar { flickable: zoneList; visible: zoneList.visible && zoneList.visibleArea.heightRatio < 1.0 }

    // ---- the offset of "Not specified" ----
    Column {
        objectName: "manualOffset"
        x: 247
        y: 10
        spacing: 10
        visible: selector.ourCountry === 0
        GeneralPurposeLabel {
            width: 225
            text: qsTr("Time zone [ \u00b1hh:mm ]") + Language.emptyString
        }
        Row {
            spacing: 5
            GeneralPurposeButton {
                objectName: "offsetSign"
                width: 50
                gp_text: selector.editSign < 0 ? "-" : "+"
                onClicked: selector.stepSign()
            }
            GeneralPurposeButton {
                objectName: "offsetHours"
                width: 60
                gp_text: selector.two(selector.editHours)
                onClicked: selector.stepHours()
            }
            Text {
                height: 30
                verticalAlignment: Text.AlignVCenter
                text: ":"
                color: rootwindow.textColour
                font.family: rootwindow.fontFamily
                font.pixelSize: 18
            }
            GeneralPurposeButton {
                objectName: "offsetMinutes"
                width: 60
                gp_text: selector.two(selector.editMinutes)
                onClicked: selector.stepMinutes()
            }
        }
    }

    GeneralPurposeLabel {
        objectName: "zoneDescription"
        x: 245
        y: 176
        width: parent.width - x - 5
        fontSize: 13
        text: selector.description
    }
    GeneralPurposeButton {
        objectName: "countryOk"
        x: parent.width - width - 5
        y: parent.height - height - 5
        width: 100
        visible: selector.okShown
        gp_text: qsTr("OK") + Language.emptyString
        onClicked: selector.ok()
    }

    Component.onCompleted: {
        var get = DatabaseValue.AtomicDirGet
        xmlCountries = Database.KLX_SystemPropertiesGetSystemProperties_GetCountryCountInTZoneFile()
        ourCountry = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_CountryCode(0, get)
        timeOffset = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeOffsetMinutes(0, get)
        buildCountries()
        if (markedCountry >= 0)
            countryList.positionViewAtIndex(markedCountry, ListView.Center)
        if (ourCountry === 0) {
            showManualOffset(timeOffset)
            okShown = true
        } else {
            buildZones(ourCountry)
            var stored = Database.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_TimeZoneLocation("", get)
            for (var i = 0; i < zones.length; ++i) {
                var found = xmlCountries > 0 ? zones[i].name === stored : zones[i].offset === timeOffset
                if (!found)
                    continue
                markedZone = i
                okShown = true
                locationName = stored
                if (xmlCountries > 0) {
                    timeOffset = zones[i].offset
                    description = Database.KLX_DataBaseManagerGetSetSystemPropertiesGet_FullDescrInXMLList(listIndex, i)
                }
                break
            }
            if (markedZone >= 0)
                zoneList.positionViewAtIndex(markedZone, ListView.Center)
        }
        systemHistory.addHistoryEntry()
    }
}
