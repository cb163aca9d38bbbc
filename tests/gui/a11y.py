#!/usr/bin/python3
# What assistive technology gets from Orvanel, read through the accessibility bus (AT-SPI).
#   a11y.py tree             every object of the program: "role|name", one a line
#   a11y.py names SECONDS    names announced as changed during SECONDS, one a line
import sys
import pyatspi
from gi.repository import GLib

desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
if not any(app is not None and app.name.lower().startswith("orvanel") for app in apps):
    sys.exit("Orvanel is not on the accessibility bus")


def tree(node):
    print(f"{node.getRoleName()}|{node.name}")
    for child in filter(None, (node.getChildAtIndex(i) for i in range(node.childCount))):
        tree(child)


if sys.argv[1] == "tree":
    tree(next(app for app in apps if app is not None and app.name.lower().startswith("orvanel")))
else:
    pyatspi.Registry.registerEventListener(lambda event: print(event.source.name, flush=True),
                                           "object:property-change:accessible-name")
    GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
