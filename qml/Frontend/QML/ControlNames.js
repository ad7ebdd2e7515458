// How the model screens name a control: a virtual switch by its name (when
// used), a telemetry control by its name, any other control by the
// facade's name for it; "---" for a switch or telemetry control not in use.
.import GuiData 1.0 as Gui
.import DBValues 1.0 as Values

var DatabaseValue = Values.DatabaseValue

var firstSwitch = Gui.GuiCmdData.CONTROLID_Virtual_00_GUI
var lastSwitch = Gui.GuiCmdData.CONTROLID_Virtual_Last_GUI
var firstTelemetry = Gui.GuiCmdData.CONTROLID_Telemetry_00_GUI
var lastTelemetry = Gui.GuiCmdData.CONTROLID_Telemetry_Last_GUI

function isSwitch(id) { return id >= firstSwitch && id <= lastSwitch }
function isTelemetry(id) { return id >= firstTelemetry && id <= lastTelemetry }
function switchUsed(vs) {
    return Database.KLX_DataBaseManagerSwitchGetSet_IsUsed(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
}
function switchVisible(vs) {
    return Database.KLX_DataBaseManagerSwitchGetSet_IsVisible(vs, 0, DatabaseValue.AtomicDirGet) === DatabaseValue.KLX_True
}

function name(id) {
    if (isSwitch(id)) {
        var vs = id - firstSwitch
        return switchUsed(vs) ? Database.KLX_DataBaseManagerSwitchGetSet_Name(vs, "", DatabaseValue.AtomicDirGet) : "---"
    }
    if (isTelemetry(id)) {
        var text = Database.KLX_DataBaseManagerShownText(Database.KLX_DataBaseManagerTeleControlGetSet_Name(id - firstTelemetry, "", DatabaseValue.AtomicDirGet))
        return text === "" ? "---" : text
    }
    return Database.KLX_DataBaseManagerGetNameOfControlByID(id)
}

// The hidden switch a control stands for, or -1.
function hiddenSwitch(id) {
    if (!isSwitch(id))
        return -1
    var vs = id - firstSwitch
    return switchUsed(vs) && !switchVisible(vs) ? vs : -1
}
function inputA(vs) {
    return Database.KLX_DataBaseManagerSwitchGetSet_SwitchControl(vs, 0, 0, DatabaseValue.AtomicDirGet)
}
// A source as a slot shows it: a hidden switch by its input A.
function sourceName(id) {
    var vs = hiddenSwitch(id)
    return vs >= 0 ? name(inputA(vs)) : name(id)
}
