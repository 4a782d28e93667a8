#!/usr/bin/env python3
"""Types a text into a program's control and presses it through the accessibility bus alone, as
switch access and voice control do: no key and no pointer event. Usage:
    press.py <application> <control's accessible name> [<text>]
Fails unless the control offers the "Press" action."""

import sys

import pyatspi


def find(accessible, name):
    if accessible.name == name:
        return accessible
    for child in accessible:
        found = child and find(child, name)
        if found:
            return found
    return None


application_name, control_name = sys.argv[1:3]
desktop = pyatspi.Registry.getDesktop(0)
application = next((app for app in desktop if app and app.name == application_name), None)
if application is None:
    sys.exit(f"no application {application_name} on the accessibility bus")
control = find(application, control_name)
if control is None:
    sys.exit(f"no control named {control_name} in {application_name}")
if len(sys.argv) > 3:
    control.queryEditableText().setTextContents(sys.argv[3])
actions = control.queryAction()
names = [actions.getName(i) for i in range(actions.nActions)]
if "Press" not in names:
    sys.exit(f"{control_name} offers only {names}")
actions.doAction(names.index("Press"))
