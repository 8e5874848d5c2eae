# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the window as a screen reader does: over AT-SPI, on the accessibility bus of the session
it runs in (scripts/screen-reader-names starts one, with Xvfb). For each language it starts the
program, waits until the program has joined the bus, walks every accessible object below its
window and lists each control shown (something a user operates: a button, a field, a page tab
...) without a name, and, as notes, each object that takes the focus without a role saying what
it is (the scroll areas around the form and the settings pages).

Usage: screen_reader_names.py <program> [language ...]; exit status 1 when a name is missing."""
import collections
import os
import subprocess
import sys
import tempfile
import time

import dbus

ACCESSIBLE = 'org.a11y.atspi.Accessible'
PROPERTIES = 'org.freedesktop.DBus.Properties'
# The roles a user operates: each needs a name to be found and understood.
CONTROL_ROLES = {
    'push button', 'toggle button', 'check box', 'radio button', 'text', 'password text',
    'combo box', 'spin button', 'slider', 'page tab', 'menu item', 'check menu item',
    'radio menu item', 'menu', 'list', 'table', 'tree', 'tree table', 'link',
}
# Roles that say nothing about what a focusable object does.
VAGUE_ROLES = {'unknown', 'filler', 'panel', 'invalid', 'redundant object'}
STATE_FOCUSABLE = 11  # AT-SPI's ATSPI_STATE_FOCUSABLE
STATE_SHOWING = 25    # ATSPI_STATE_SHOWING


def accessibility_bus():
    session = dbus.SessionBus()
    bus_object = session.get_object('org.a11y.Bus', '/org/a11y/bus')
    return dbus.bus.BusConnection(bus_object.GetAddress(dbus_interface='org.a11y.Bus'))


def children(bus, name, path):
    node = bus.get_object(name, path, introspect=False)
    return [(str(n), str(p)) for n, p in node.GetChildren(dbus_interface=ACCESSIBLE)]


def describe(bus, name, path):
    node = bus.get_object(name, path, introspect=False)
    text = str(node.Get(ACCESSIBLE, 'Name', dbus_interface=PROPERTIES))
    role = str(node.GetRoleName(dbus_interface=ACCESSIBLE))
    states = node.GetState(dbus_interface=ACCESSIBLE)
    bits = int(states[0]) | (int(states[1]) << 32)
    return text, role, bool(bits & (1 << STATE_FOCUSABLE)), bool(bits & (1 << STATE_SHOWING))


def wait_for_program(bus, timeout=20):
    """The program's entry on the registry, once its window has children."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            programs = children(bus, 'org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root')
        except dbus.DBusException:
            programs = []  # the registry is still starting
        for name, path in programs:
            try:
                windows = children(bus, name, path)
                if windows and children(bus, *windows[0]):
                    return name, path
            except dbus.DBusException:
                pass  # a program that has ended, or one still making its window
        time.sleep(0.5)
    return None


def walk(bus, name, path, trail, found):
    for child in children(bus, name, path):
        text, role, focusable, showing = describe(bus, *child)
        found.append((trail, text, role, focusable, showing))
        walk(bus, *child, trail + [text or role], found)


def check(program, language, folder):
    environment = dict(os.environ, LANGUAGE=language, LANG=f'{language}_{language.upper()}.UTF-8'
                       if language != 'en' else 'en_US.UTF-8', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                       QT_QPA_PLATFORM='xcb', HOME=folder, XDG_CONFIG_HOME=folder + '/config')
    bus = accessibility_bus()
    found = None
    # Now and then a program started under Xvfb never joins the bus (with Qt 5.15 and at-spi2-core
    # 2.46, more often for a second program in the same session): it is started again.
    for attempt in range(3):
        started = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            entry = wait_for_program(bus)
            if entry is not None:
                found = []
                walk(bus, *entry, [], found)
                break
        finally:
            started.terminate()
            started.wait()
    if found is None:
        return [f'{language}: the program never joined the accessibility bus, in three starts']
    roles = collections.Counter(role for _, _, role, _, _ in found)
    print(f'{language}: {len(found)} objects; ' + ', '.join(f'{n} {r}' for r, n in sorted(roles.items())))
    missing = []
    for trail, text, role, focusable, showing in found:
        place = ' › '.join(trail[-3:])
        if showing and role in CONTROL_ROLES and not text.strip():
            missing.append(f'{language}: a {role} without a name, in {place}')
        if focusable and role in VAGUE_ROLES:
            print(f'{language}: note: "{text}" takes the focus as a {role}, in {place}')
    return missing


def main():
    program, languages = sys.argv[1], sys.argv[2:] or ['en', 'de', 'fr']
    missing = []
    with tempfile.TemporaryDirectory() as folder:
        for language in languages:
            missing += check(program, language, folder)
    for line in missing:
        print(line)
    print('Every control shown has a name.' if not missing else f'{len(missing)} controls without a name.')
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
