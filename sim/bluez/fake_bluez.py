#!/usr/bin/python3
"""The scripted BlueZ and bluealsa of the desktop run and the tests.

Owns "org.bluez" and "org.bluealsa" on the bus given as the first argument
and holds one adapter (hci0), the devices a test or the run adds, their
media transports, bluealsa's PCMs and the glasses' GATT command service,
whose characteristic keeps every frame written to it, in order.

A control interface (org.vorn.FakeBluez at /vorn) lets the caller add and
remove devices, change their properties, delay or fail methods and read the
frames and the calls received. Prints "ready" on stdout once both names are
owned.

A device description may give further interfaces of the device object
("extra", e.g. org.bluez.Battery1) and the order in which "InterfacesRemoved"
names them when the device goes ("removal"). With "--loose" before the
devices, the introspection data types properties loosely: the adapter's are
left out, everyone else's are typed as variants; Get and Set answer as ever.
"""
import json
import sys
import time

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

BLUEZ = "org.bluez"
BLUEALSA = "org.bluealsa"
PROPS = "org.freedesktop.DBus.Properties"
INTRO = "org.freedesktop.DBus.Introspectable"
OBJMGR = "org.freedesktop.DBus.ObjectManager"
ADAPTER = "org.bluez.Adapter1"
DEVICE = "org.bluez.Device1"
TRANSPORT = "org.bluez.MediaTransport1"
CONTROL = "org.bluez.MediaControl1"
GATT_SERVICE = "org.bluez.GattService1"
GATT_CHAR = "org.bluez.GattCharacteristic1"
PCM = "org.bluealsa.PCM1"
FAKE = "org.vorn.FakeBluez"
BATTERY = "org.bluez.Battery1"
HCI0 = "/org/bluez/hci0"

MAX_FRAMES = 20000
# The glasses' rows: the name field's anchor and the value field's.
ROW_ANCHORS = [((184, 234), (143, 208)), ((184, 154), (143, 128)), ((184, 74), (143, 48))]
COMMANDS_SERVICE = "0783b03e-8535-b5a0-7140-a304d2495cb7"
RX_CHAR = "0783b03e-8535-b5a0-7140-a304d2495cba"

# Method signatures (in, out) and property types, per interface, for the
# introspection data that Qt's interfaces read their properties from.
METHODS = {
    ADAPTER: {"StartDiscovery": ("", ""), "StopDiscovery": ("", ""), "RemoveDevice": ("o", "")},
    DEVICE: {"Connect": ("", ""), "Disconnect": ("", "")},
    GATT_CHAR: {"WriteValue": ("aya{sv}", ""), "ReadValue": ("a{sv}", "ay"), "StartNotify": ("", ""),
                "StopNotify": ("", "")},
    OBJMGR: {"GetManagedObjects": ("", "a{oa{sa{sv}}}")},
}
SIGNALS = {OBJMGR: {"InterfacesAdded": "oa{sa{sv}}", "InterfacesRemoved": "oas"}}
# Properties of the interfaces a description may add to a device.
EXTRA_PROPERTIES = {BATTERY: lambda: {"Percentage": dbus.Byte(80)},
                    CONTROL: lambda: {"Connected": dbus.Boolean(False)}}
LOOSE = False


class Fault:
    """Errors and delays asked for by the caller, per method name."""

    def __init__(self):
        self.errors = {}
        self.delays = {}
        self.calls = []

    def enter(self, method, path):
        self.calls.append(method + " " + path)
        delay = self.delays.get(method, 0)
        if delay:
            time.sleep(delay / 1000.0)
        if method in self.errors:
            name, message = self.errors[method]
            raise dbus.exceptions.DBusException(message, name=name)


FAULT = Fault()


class FakeObject(dbus.service.Object):
    """One object with its interfaces' properties, Get/Set/GetAll and
    introspection data that names them."""

    def __init__(self, bus, path, interfaces, objects):
        self.path = path
        self.interfaces = interfaces  # name -> {property: dbus value}
        self.objects = objects
        super().__init__(bus, path)
        objects[path] = self

    def managed(self):
        return dbus.Dictionary({name: dbus.Dictionary(props, signature="sv")
                                for name, props in self.interfaces.items()}, signature="sa{sv}")

    def announced(self):
        # BlueZ names the two standard interfaces too; the program relies on it.
        out = self.managed()
        out[INTRO] = dbus.Dictionary({}, signature="sv")
        out[PROPS] = dbus.Dictionary({}, signature="sv")
        return out

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        props = self.interfaces.get(interface, {})
        if name not in props:
            raise dbus.exceptions.DBusException("No such property " + name,
                                                name="org.freedesktop.DBus.Error.InvalidArgs")
        return props[name]

    @dbus.service.method(PROPS, in_signature="ssv", out_signature="")
    def Set(self, interface, name, value):
        FAULT.enter("Set." + name, self.path)
        props = self.interfaces.get(interface)
        if props is None or name not in props:
            raise dbus.exceptions.DBusException("No such property " + name,
                                                name="org.freedesktop.DBus.Error.InvalidArgs")
        props[name] = type(props[name])(value)
        self.PropertiesChanged(interface, {name: props[name]}, [])

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return dbus.Dictionary(self.interfaces.get(interface, {}), signature="sv")

    @dbus.service.signal(PROPS, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass

    def change(self, interface, changed):
        self.interfaces[interface].update(changed)
        self.PropertiesChanged(interface, dbus.Dictionary(changed, signature="sv"), dbus.Array([], signature="s"))

    @dbus.service.method(INTRO, in_signature="", out_signature="s",
                         path_keyword="object_path", connection_keyword="connection")
    def Introspect(self, object_path, connection):
        xml = ['<node>']
        names = list(self.interfaces.keys()) + [PROPS, INTRO]
        if OBJMGR in METHODS and isinstance(self, Root):
            names.append(OBJMGR)
        for name in names:
            xml.append('<interface name="%s">' % name)
            for method, (ins, outs) in METHODS.get(name, {}).items():
                xml.append('<method name="%s">' % method)
                for sig in split_signature(ins):
                    xml.append('<arg type="%s" direction="in"/>' % sig)
                for sig in split_signature(outs):
                    xml.append('<arg type="%s" direction="out"/>' % sig)
                xml.append('</method>')
            for signal, sig in SIGNALS.get(name, {}).items():
                xml.append('<signal name="%s">' % signal)
                for part in split_signature(sig):
                    xml.append('<arg type="%s"/>' % part)
                xml.append('</signal>')
            for prop, value in self.interfaces.get(name, {}).items():
                if LOOSE and name == ADAPTER:
                    continue
                sig = "v" if LOOSE else signature_of(value)
                xml.append('<property name="%s" type="%s" access="readwrite"/>' % (prop, sig))
            xml.append('</interface>')
        for child in connection.list_exported_child_objects(object_path):
            xml.append('<node name="%s"/>' % child)
        xml.append('</node>')
        return "".join(xml)


def split_signature(sig):
    return [str(s) for s in dbus.Signature(sig)] if sig else []


SIMPLE_TYPES = [(dbus.Boolean, "b"), (dbus.UInt32, "u"), (dbus.UInt16, "q"), (dbus.Int16, "n"),
                (dbus.ObjectPath, "o"), (dbus.String, "s")]


def signature_of(value):
    for kind, sig in SIMPLE_TYPES:
        if isinstance(value, kind):
            return sig
    if isinstance(value, dbus.Array):
        return "a" + (value.signature or "s")
    if isinstance(value, dbus.Dictionary):
        return "a{" + (value.signature or "sv") + "}"
    return "v"


class Root(FakeObject):
    """An object manager: BlueZ's "/" or bluealsa's "/org/bluealsa"."""

    def __init__(self, bus, path, objects, prefix):
        self.prefix = prefix
        super().__init__(bus, path, {}, objects)

    @dbus.service.method(OBJMGR, in_signature="", out_signature="a{oa{sa{sv}}}")
    def GetManagedObjects(self):
        FAULT.enter("GetManagedObjects", self.path)
        return dbus.Dictionary({dbus.ObjectPath(p): o.managed() for p, o in sorted(self.objects.items())
                                if p.startswith(self.prefix) and o.interfaces}, signature="oa{sa{sv}}")

    @dbus.service.signal(OBJMGR, signature="oa{sa{sv}}")
    def InterfacesAdded(self, path, interfaces):
        pass

    @dbus.service.signal(OBJMGR, signature="oas")
    def InterfacesRemoved(self, path, interfaces):
        pass


class World:
    def __init__(self, bus):
        self.bus = bus
        self.objects = {}
        self.alsa_objects = {}
        self.root = Root(bus, "/", self.objects, "/org/bluez")
        self.alsa_root = Root(bus, "/org/bluealsa", self.alsa_objects, "/org/bluealsa/")
        self.adapter = Adapter(self)
        self.devices = {}  # mac -> Device
        self.frames = []
        # What the glasses' display shows: text by anchor point (x, y).
        self.screen = {}
        self.pending = {}  # mac -> device description not yet discovered

    def add(self, obj):
        self.root.InterfacesAdded(dbus.ObjectPath(obj.path), obj.announced())

    def remove(self, obj, order=None):
        """The whole object goes; "InterfacesRemoved" names the standard two
        and its own unless an order is given."""
        if order is None:
            order = [PROPS, INTRO] + list(obj.interfaces)
        obj.remove_from_connection()
        self.objects.pop(obj.path, None)
        self.root.InterfacesRemoved(dbus.ObjectPath(obj.path), dbus.Array(order, signature="s"))

    def describe(self, mac, desc):
        props = {
            "Address": dbus.String(mac),
            "Name": dbus.String(desc.get("name", "")),
            "Alias": dbus.String(desc.get("alias", desc.get("name", ""))),
            "Connected": dbus.Boolean(False),
            "Trusted": dbus.Boolean(False),
            "ServicesResolved": dbus.Boolean(False),
            "UUIDs": dbus.Array(desc.get("uuids", []), signature="s"),
        }
        if "class" in desc:
            props["Class"] = dbus.UInt32(desc["class"])
        if "manufacturer" in desc:
            props["ManufacturerData"] = dbus.Dictionary(
                {dbus.UInt16(int(k)): dbus.Array([dbus.Byte(b) for b in v], signature="y")
                 for k, v in desc["manufacturer"].items()}, signature="qv")
        return props

    def add_device(self, mac, desc):
        if mac in self.devices:
            self.remove_device(mac)
        device = Device(self, mac, desc, self.describe(mac, desc))
        for name in desc.get("extra", []):
            device.interfaces[name] = EXTRA_PROPERTIES.get(name, dict)()
        self.devices[mac] = device
        self.add(device)

    def remove_device(self, mac):
        device = self.devices.pop(mac, None)
        if device is None:
            return False
        device.drop_links()
        self.remove(device, device.removal)
        return True


class Adapter(FakeObject):
    def __init__(self, world):
        self.world = world
        super().__init__(world.bus, HCI0, {ADAPTER: {"Powered": dbus.Boolean(False),
                                                       "Discovering": dbus.Boolean(False),
                                                       "Address": dbus.String("00:1B:DC:0F:00:01")}},
                         world.objects)

    @dbus.service.method(ADAPTER, in_signature="", out_signature="")
    def StartDiscovery(self):
        FAULT.enter("StartDiscovery", self.path)
        self.change(ADAPTER, {"Discovering": dbus.Boolean(True)})
        for mac, desc in list(self.world.pending.items()):
            self.world.add_device(mac, desc)
        self.world.pending.clear()

    @dbus.service.method(ADAPTER, in_signature="", out_signature="")
    def StopDiscovery(self):
        FAULT.enter("StopDiscovery", self.path)
        self.change(ADAPTER, {"Discovering": dbus.Boolean(False)})

    @dbus.service.method(ADAPTER, in_signature="o", out_signature="")
    def RemoveDevice(self, path):
        FAULT.enter("RemoveDevice", str(path))
        mac = str(path).rsplit("dev_", 1)[-1].replace("_", ":")
        if not str(path).startswith(HCI0 + "/dev_") or not self.world.remove_device(mac):
            raise dbus.exceptions.DBusException("Does Not Exist", name="org.bluez.Error.DoesNotExist")


class Device(FakeObject):
    def __init__(self, world, mac, desc, props):
        self.world = world
        self.mac = mac
        self.kind = desc.get("kind", "headset")
        self.links = []  # sub-objects made by a connection, newest last
        self.pcm = None
        self.removal = desc.get("removal")
        self.own_control = False  # media control that came with the connection
        super().__init__(world.bus, HCI0 + "/dev_" + mac.replace(":", "_"), {DEVICE: props}, world.objects)

    def connected(self):
        return bool(self.interfaces[DEVICE]["Connected"])

    @dbus.service.method(DEVICE, in_signature="", out_signature="", async_callbacks=("ok", "fail"))
    def Connect(self, ok, fail):
        try:
            FAULT.enter("Connect", self.path)
        except dbus.exceptions.DBusException as e:
            fail(e)
            return
        ok()
        if not self.connected():
            GLib.idle_add(self.come_up)

    def come_up(self):
        self.change(DEVICE, {"Connected": dbus.Boolean(True)})
        if self.kind == "headset":
            if CONTROL not in self.interfaces:
                # As BlueZ adds it to the living device object: alone.
                self.own_control = True
                self.interfaces[CONTROL] = {"Connected": dbus.Boolean(True)}
                self.world.root.InterfacesAdded(dbus.ObjectPath(self.path), dbus.Dictionary(
                    {CONTROL: dbus.Dictionary(self.interfaces[CONTROL], signature="sv")}, signature="sa{sv}"))
            transport = FakeObject(self.world.bus, self.path + "/fd0",
                                   {TRANSPORT: {"Device": dbus.ObjectPath(self.path), "State": dbus.String("idle")}},
                                   self.world.objects)
            self.links.append(transport)
            self.world.add(transport)
            self.pcm = FakeObject(self.world.bus, "/org/bluealsa/hci0/dev_%s/a2dpsrc/sink" % self.mac.replace(":", "_"),
                                  {PCM: {"Device": dbus.ObjectPath(self.path), "Mode": dbus.String("sink")}},
                                  self.world.alsa_objects)
            self.world.alsa_root.InterfacesAdded(dbus.ObjectPath(self.pcm.path), self.pcm.managed())
        elif self.kind == "glasses":
            service = FakeObject(self.world.bus, self.path + "/service000c",
                                 {GATT_SERVICE: {"UUID": dbus.String(COMMANDS_SERVICE),
                                                 "Primary": dbus.Boolean(True),
                                                 "Device": dbus.ObjectPath(self.path)}},
                                 self.world.objects)
            char = Characteristic(self.world, service.path + "/char000d", RX_CHAR)
            self.links += [service, char]
            self.world.add(service)
            self.world.add(char)
            self.change(DEVICE, {"ServicesResolved": dbus.Boolean(True)})
        return False

    def drop_links(self):
        if self.pcm is not None:
            self.pcm.remove_from_connection()
            self.world.alsa_objects.pop(self.pcm.path, None)
            self.world.alsa_root.InterfacesRemoved(dbus.ObjectPath(self.pcm.path), dbus.Array([PCM], signature="s"))
            self.pcm = None
        for link in reversed(self.links):
            self.world.remove(link)
        self.links = []
        if self.own_control:
            self.own_control = False
            self.interfaces.pop(CONTROL, None)
            self.world.root.InterfacesRemoved(dbus.ObjectPath(self.path), dbus.Array([CONTROL], signature="s"))

    @dbus.service.method(DEVICE, in_signature="", out_signature="")
    def Disconnect(self):
        FAULT.enter("Disconnect", self.path)
        if not self.connected():
            raise dbus.exceptions.DBusException("Not Connected", name="org.bluez.Error.NotConnected")
        GLib.idle_add(self.go_down)

    def go_down(self):
        self.drop_links()
        if self.kind == "glasses":
            self.change(DEVICE, {"ServicesResolved": dbus.Boolean(False), "Connected": dbus.Boolean(False)})
        else:
            self.change(DEVICE, {"Connected": dbus.Boolean(False)})
        return False


class Characteristic(FakeObject):
    def __init__(self, world, path, uuid):
        self.world = world
        super().__init__(world.bus, path, {GATT_CHAR: {"UUID": dbus.String(uuid),
                                                        "Value": dbus.Array([], signature="y")}}, world.objects)

    @dbus.service.method(GATT_CHAR, in_signature="aya{sv}", out_signature="")
    def WriteValue(self, value, options):
        FAULT.enter("WriteValue", self.path)
        frame = bytes(value)
        self.world.frames.append(frame)
        # A long desktop run writes five batches a second: the oldest go.
        del self.world.frames[:-MAX_FRAMES]
        if len(frame) >= 13 and frame[1] == 0x01:
            self.world.screen = {}
        elif len(frame) >= 13 and frame[1] == 0x37:
            x, y = frame[4] << 8 | frame[5], frame[6] << 8 | frame[7]
            self.world.screen[(x, y)] = frame[11:-2].decode("utf-8", "replace").rstrip()

    @dbus.service.method(GATT_CHAR, in_signature="a{sv}", out_signature="ay")
    def ReadValue(self, options):
        FAULT.enter("ReadValue", self.path)
        return dbus.Array(self.interfaces[GATT_CHAR]["Value"], signature="y")

    @dbus.service.method(GATT_CHAR, in_signature="", out_signature="")
    def StartNotify(self):
        FAULT.enter("StartNotify", self.path)

    @dbus.service.method(GATT_CHAR, in_signature="", out_signature="")
    def StopNotify(self):
        FAULT.enter("StopNotify", self.path)


class Control(dbus.service.Object):
    """What a test or the simulator's panel asks of the fake."""

    def __init__(self, bus, world):
        self.world = world
        super().__init__(bus, "/vorn")

    @dbus.service.method(FAKE, in_signature="ss", out_signature="")
    def AddDevice(self, mac, description):
        """A device BlueZ knows at once (kind headset, glasses or plain)."""
        self.world.add_device(mac, json.loads(description))

    @dbus.service.method(FAKE, in_signature="ss", out_signature="")
    def AddDiscoverable(self, mac, description):
        """A device that turns up at the next StartDiscovery."""
        self.world.pending[mac] = json.loads(description)

    @dbus.service.method(FAKE, in_signature="s", out_signature="b")
    def RemoveDevice(self, mac):
        return self.world.remove_device(mac)

    @dbus.service.method(FAKE, in_signature="ss", out_signature="")
    def ChangeDevice(self, mac, changes):
        """One PropertiesChanged of Device1 with the JSON object's members."""
        device = self.world.devices[mac]
        changed = {}
        for name, value in json.loads(changes).items():
            changed[name] = dbus.Boolean(value) if isinstance(value, bool) else \
                dbus.Array(value, signature="s") if isinstance(value, list) else dbus.String(value)
        device.change(DEVICE, changed)

    @dbus.service.method(FAKE, in_signature="s", out_signature="")
    def ComeUp(self, mac):
        """The device connects on its own (as after a power cycle)."""
        self.world.devices[mac].come_up()

    @dbus.service.method(FAKE, in_signature="s", out_signature="")
    def GoDown(self, mac):
        """The device goes away on its own: links dropped, Connected false."""
        self.world.devices[mac].go_down()

    @dbus.service.method(FAKE, in_signature="sss", out_signature="")
    def SetError(self, method, name, message):
        """Every later call of method fails with the error; an empty name clears it."""
        if name:
            FAULT.errors[method] = (name, message)
        else:
            FAULT.errors.pop(method, None)

    @dbus.service.method(FAKE, in_signature="si", out_signature="")
    def SetDelay(self, method, ms):
        FAULT.delays[method] = ms

    @dbus.service.method(FAKE, in_signature="", out_signature="aay")
    def Frames(self):
        return dbus.Array([dbus.ByteArray(f) for f in self.world.frames], signature="ay")

    @dbus.service.method(FAKE, in_signature="", out_signature="as")
    def Screen(self):
        """The three rows the glasses show, each its name and value."""
        screen = self.world.screen
        return dbus.Array([(screen.get(n, "") + "  " + screen.get(v, "")).strip() for n, v in ROW_ANCHORS],
                          signature="s")

    @dbus.service.method(FAKE, in_signature="", out_signature="i")
    def FrameCount(self):
        return len(self.world.frames)

    @dbus.service.method(FAKE, in_signature="", out_signature="as")
    def Calls(self):
        return dbus.Array(FAULT.calls, signature="s")

    @dbus.service.method(FAKE, in_signature="", out_signature="")
    def Clear(self):
        """Forgets the frames and the calls so far."""
        self.world.frames = []
        FAULT.calls = []

    @dbus.service.method(FAKE, in_signature="", out_signature="b")
    def Powered(self):
        return bool(self.world.adapter.interfaces[ADAPTER]["Powered"])


def main():
    global LOOSE
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(sys.argv[1])
    descriptions = sys.argv[2:]
    if descriptions[:1] == ["--loose"]:
        LOOSE = True
        descriptions = descriptions[1:]
    world = World(bus)
    Control(bus, world)
    names = [dbus.service.BusName(BLUEZ, bus), dbus.service.BusName(BLUEALSA, bus)]
    for description in descriptions:
        # Devices of the desktop run: "mac=json".
        mac, desc = description.split("=", 1)
        world.add_device(mac, json.loads(desc))
    print("ready", flush=True)
    loop = GLib.MainLoop()
    try:
        loop.run()
    except KeyboardInterrupt:
        pass
    del names


if __name__ == "__main__":
    main()
