#!/usr/bin/env python3
"""Writes the transmitter's icons as SVG files, each in the two colour schemes:
"_dunkel" (light lines for the dark scheme) and "_hell" (dark lines for the
light scheme). Run it from this folder after changing a drawing; the written
files are what the resources carry."""
import os

LIGHT = "#fafafa"   # lines on the dark scheme
DARK = "#000000"    # lines on the light scheme
ACCENT = "#2f7fd8"  # the one colour the icons share in both schemes

HEAD = ('<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
        '<g fill="none" stroke="{c}" stroke-width="4" stroke-linecap="round" stroke-linejoin="round">')
TAIL = '</g></svg>\n'

# Each drawing in a 64 x 64 box; {c} is the scheme's line colour, {a} the accent.
MAIN_MENU = {
    "Functions": '<path d="M8 56 H58 M8 56 V6"/><path d="M10 50 C22 50 24 14 36 14 S52 34 58 34" stroke="{a}"/>',
    "Servos": '<rect x="8" y="22" width="40" height="30" rx="4"/><circle cx="40" cy="22" r="5"/>'
              '<path d="M40 22 L58 10" stroke="{a}"/>',
    "ServoMonitor": '<path d="M8 56 H56"/><path d="M14 50 V34 M24 50 V20 M34 50 V28 M44 50 V12 M54 50 V38" '
                    'stroke="{a}"/>',
    "FlightModes": '<path d="M32 6 V58 M8 30 L32 22 L56 30 M22 52 L32 48 L42 52"/>'
                   '<circle cx="32" cy="36" r="4" stroke="{a}"/>',
    "VirtualSwitches": '<rect x="6" y="20" width="52" height="24" rx="12"/><circle cx="44" cy="32" r="7" '
                       'fill="{a}" stroke="{a}"/>',
    "Mixer": '<path d="M10 12 L32 34 L54 12 M32 34 V56"/><path d="M24 48 L32 56 L40 48" stroke="{a}"/>',
    "ServoCutoff": '<rect x="6" y="24" width="30" height="20" rx="3"/><path d="M36 34 H44"/>'
                   '<path d="M48 22 L60 46 M60 22 L48 46" stroke="{a}"/>',
    "Model": '<path d="M32 6 C36 6 36 14 36 20 L60 30 V36 L36 32 V48 L44 54 V58 L32 56 L20 58 V54 L28 48 V32 '
             'L4 36 V30 L28 20 C28 14 28 6 32 6 Z"/>',
    "Receivers": '<rect x="10" y="28" width="36" height="26" rx="3"/><path d="M38 28 L52 6" stroke="{a}"/>'
                 '<path d="M18 40 H38 M18 46 H30"/>',
    "VoiceSettings": '<path d="M8 24 H20 L34 12 V52 L20 40 H8 Z"/>'
                     '<path d="M42 22 A14 14 0 0 1 42 42 M48 14 A24 24 0 0 1 48 50" stroke="{a}"/>',
    "VarioSettings": '<path d="M18 8 V40 M8 18 L18 8 L28 18"/><path d="M46 56 V24 M36 46 L46 56 L56 46" stroke="{a}"/>',
    "Sequencers": '<path d="M6 50 H18 V34 H30 V18 H42 V34 H58"/><circle cx="18" cy="50" r="3" stroke="{a}"/>'
                  '<circle cx="42" cy="18" r="3" stroke="{a}"/>',
    "Differential": '<path d="M6 32 H58"/><path d="M16 32 V12 M10 18 L16 12 L22 18" stroke="{a}"/>'
                    '<path d="M48 32 V44 M42 38 L48 44 L54 38" stroke="{a}"/>',
    "TelemetryControls": '<path d="M10 46 A22 22 0 1 1 54 46"/><path d="M32 42 L46 22" stroke="{a}"/>'
                         '<circle cx="32" cy="42" r="3"/>',
    "TrainerCord": '<rect x="4" y="14" width="20" height="28" rx="3"/><rect x="40" y="14" width="20" height="28" '
                   'rx="3"/><path d="M14 42 C14 58 50 58 50 42" stroke="{a}"/>',
    "Anchorman": '<rect x="22" y="6" width="20" height="32" rx="10"/><path d="M14 30 A18 18 0 0 0 50 30 '
                 'M32 48 V58 M22 58 H42" stroke="{a}"/>',
    "GPSCompass": '<circle cx="32" cy="32" r="26"/><path d="M32 14 L40 32 L32 50 L24 32 Z"/>'
                  '<path d="M32 14 L40 32 H24 Z" fill="{a}" stroke="{a}"/>',
    "HeadupDisplay": '<circle cx="16" cy="36" r="11"/><circle cx="48" cy="36" r="11"/><path d="M27 34 H37 '
                     'M5 30 L2 22 M59 30 L62 22"/><path d="M42 32 H54" stroke="{a}"/>',
    "PreflightChecklist": '<rect x="12" y="8" width="40" height="50" rx="4"/><path d="M20 24 L24 28 L32 20 '
                          'M20 40 L24 44 L32 36" stroke="{a}"/><path d="M38 26 H46 M38 42 H46"/>',
    "FileManager": '<path d="M6 16 H24 L30 22 H58 V52 H6 Z"/><path d="M6 28 H58" stroke="{a}"/>',
    "Settings": '<circle cx="32" cy="32" r="10" stroke="{a}"/>'
                + "".join('<path d="M32 6 V14" transform="rotate({0} 32 32)"/>'.format(a) for a in range(0, 360, 45))
                + '<circle cx="32" cy="32" r="19"/>',
}

SETTINGS_MENU = {
    "System": '<rect x="16" y="16" width="32" height="32" rx="3"/><path d="M24 8 V16 M32 8 V16 M40 8 V16 '
              'M24 48 V56 M32 48 V56 M40 48 V56 M8 24 H16 M8 40 H16 M48 24 H56 M48 40 H56"/>'
              '<rect x="25" y="25" width="14" height="14" stroke="{a}"/>',
    "Appearance": '<circle cx="32" cy="32" r="12" stroke="{a}"/>'
                  + "".join('<path d="M32 6 V12" transform="rotate({0} 32 32)"/>'.format(a)
                            for a in range(0, 360, 45)),
    "Audio": '<circle cx="18" cy="48" r="7"/><circle cx="44" cy="42" r="7"/>'
             '<path d="M25 48 V14 L51 8 V42"/><path d="M25 22 L51 16" stroke="{a}"/>',
    "WiFi": '<path d="M8 26 A34 34 0 0 1 56 26 M16 35 A22 22 0 0 1 48 35 M24 44 A10 10 0 0 1 40 44"/>'
            '<circle cx="32" cy="52" r="3" fill="{a}" stroke="{a}"/>',
    "Bluetooth": '<path d="M18 20 L46 44 L32 56 V8 L46 20 L18 44"/>',
}

# Pop-up icons, lock pictures and the switch-off picture.
FRAME = {
    "question": '<circle cx="32" cy="32" r="27" stroke="{a}"/><path d="M23 24 A9 9 0 1 1 32 33 V39"/>'
                '<circle cx="32" cy="48" r="1.5"/>',
    "attention": '<path d="M32 6 L60 56 H4 Z" stroke="#f58c00"/><path d="M32 22 V40"/><circle cx="32" cy="48" r="1.5"/>',
    "info": '<circle cx="32" cy="32" r="27" stroke="{a}"/><path d="M32 28 V48"/><circle cx="32" cy="18" r="1.5"/>',
    "error": '<circle cx="32" cy="32" r="27" stroke="#e10000"/><path d="M21 21 L43 43 M43 21 L21 43"/>',
    "lock": '<rect x="12" y="28" width="40" height="30" rx="4"/><path d="M20 28 V20 A12 12 0 0 1 44 20 V28"/>'
            '<circle cx="32" cy="42" r="3" stroke="{a}"/>',
    "unlock": '<rect x="12" y="28" width="40" height="30" rx="4"/><path d="M20 28 V20 A12 12 0 0 1 44 20 V14"/>'
              '<circle cx="32" cy="42" r="3" stroke="{a}"/>',
    "poweroff": '<path d="M20 16 A22 22 0 1 0 44 16"/><path d="M32 6 V30" stroke="{a}"/>',
    "task": '<path d="M10 32 A22 22 0 0 1 50 20 M54 32 A22 22 0 0 1 14 44"/>'
            '<path d="M42 20 H51 V11 M22 44 H13 V53" stroke="{a}"/>',
}

# Scheme-independent pictures.
PLAIN = {
    "BattLow": '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 64 64">'
               '<g fill="none" stroke="#e10000" stroke-width="3" stroke-linejoin="round">'
               '<rect x="6" y="20" width="48" height="24" rx="3"/><path d="M54 27 H58 V37 H54"/>'
               '<rect x="10" y="24" width="6" height="16" fill="#e10000"/></g></svg>\n',
    "UserMenuSymbol": '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">'
                      '<path d="M32 4 L40 23 L60 24 L44 37 L50 58 L32 46 L14 58 L20 37 L4 24 L24 23 Z" '
                      'fill="#ffc800" stroke="#8a6a00" stroke-width="2" stroke-linejoin="round"/></svg>\n',
    "Startup": '<svg xmlns="http://www.w3.org/2000/svg" width="480" height="272" viewBox="0 0 480 272">'
               '<rect width="480" height="272" fill="#ffffff"/>'
               '<g fill="none" stroke="#2f7fd8" stroke-width="10" stroke-linecap="round" stroke-linejoin="round">'
               '<path d="M150 80 L200 180 L250 80"/><circle cx="300" cy="130" r="48"/></g>'
               '<path d="M120 210 H360" stroke="#202020" stroke-width="3"/></svg>\n',
}


def write(path, text):
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def schemed(folder, drawings):
    for name, body in drawings.items():
        for suffix, colour in (("_dunkel", LIGHT), ("_hell", DARK)):
            svg = HEAD.format(c=colour) + body.format(c=colour, a=ACCENT) + TAIL
            write(os.path.join(folder, name + suffix + ".svg"), svg)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    os.makedirs(os.path.join(here, "MainMenu"), exist_ok=True)
    schemed(os.path.join(here, "MainMenu"), MAIN_MENU)
    schemed(os.path.join(here, "MainMenu"), SETTINGS_MENU)
    schemed(here, FRAME)
    for name, svg in PLAIN.items():
        write(os.path.join(here, name + ".svg"), svg)


if __name__ == "__main__":
    main()
