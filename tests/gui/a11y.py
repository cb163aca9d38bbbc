#!/usr/bin/python3
# What assistive technology gets from Orvanel, read through the accessibility bus (AT-SPI).
#   a11y.py tree             every object of the program: "role|name", one a line
#   a11y.py names SECONDS    names announced as changed during SECONDS, one a line
import sys
import pyatspi


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower().startswith("orvanel"):
            return app
    sys.exit("Orvanel is not on the accessibility bus")


def tree(node):
    print(f"{node.getRoleName()}|{node.name}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            tree(child)


def names(seconds):
    def announced(event):
        print(event.source.name, flush=True)

    program()
    pyatspi.Registry.registerEventListener(announced, "object:property-change:accessible-name")
    from gi.repository import GLib
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


if sys.argv[1] == "tree":
    tree(program())
else:
    names(float(sys.argv[2]))
