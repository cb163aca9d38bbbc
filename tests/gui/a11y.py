#!/usr/bin/python3
# What assistive technology gets from Orvanel, read through the accessibility bus (AT-SPI).
#   a11y.py tree             every object of the program: "role|name", one a line
#   a11y.py names SECONDS    names announced as changed during SECONDS, one a line
#   a11y.py places           every object's box on the screen: "role|name|x y width height"
import sys
import pyatspi
from gi.repository import GLib

desktop = pyatspi.Registry.getDesktop(0)
apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
if not any(app is not None and app.name.lower().startswith("orvanel") for app in apps):
    sys.exit("Orvanel is not on the accessibility bus")


def tree(node, line):
    print(line(node))
    for child in filter(None, (node.getChildAtIndex(i) for i in range(node.childCount))):
        tree(child, line)


def place(node):
    try:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        where = f"{box.x} {box.y} {box.width} {box.height}"
    except NotImplementedError:
        where = ""
    return f"{node.getRoleName()}|{node.name}|{where}"


program = next(app for app in apps if app is not None and app.name.lower().startswith("orvanel"))
if sys.argv[1] == "tree":
    tree(program, lambda node: f"{node.getRoleName()}|{node.name}")
elif sys.argv[1] == "places":
    tree(program, place)
else:
    pyatspi.Registry.registerEventListener(lambda event: print(event.source.name, flush=True),
                                           "object:property-change:accessible-name")
    GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
