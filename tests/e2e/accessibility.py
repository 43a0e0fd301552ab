"""What an assistive technology sees of the program, through the AT-SPI accessibility bus.

    accessibility.py tree PID         print the accessible tree of the program with process PID
    accessibility.py press PID NAME   press the push button named NAME, as a screen reader does

The tree comes one object to a line, fields separated by tabs: depth below the application, role,
name, and for an object with the Text interface its text. It holds what shows on the screen, as a
screen reader reads it: a hidden object, and all it holds, is left out. A role is named by its
constant, such as push_button for ROLE_PUSH_BUTTON: the names the bus gives roles change between its
versions. Both commands wait up to 10 seconds for the program to appear on the bus. Run it with
/usr/bin/python3, which has the pyatspi bindings.
"""

import sys
import time

import pyatspi


def application(pid):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for n in range(desktop.childCount):
            app = desktop.getChildAtIndex(n)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit(f"accessibility.py: no application of process {pid} on the accessibility bus")


ROLE_CONSTANTS = {
    value: name[len("ROLE_"):].lower()
    for name, value in vars(pyatspi).items()
    if name.startswith("ROLE_") and name != "ROLE_LAST_DEFINED" and isinstance(value, int)
}


def objects(node, depth=0):
    yield depth, node
    for n in range(node.childCount):
        child = node.getChildAtIndex(n)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            yield from objects(child, depth + 1)


def line(depth, node):
    fields = [str(depth), ROLE_CONSTANTS.get(node.getRole(), "unknown"), node.name]
    try:
        fields.append(node.queryText().getText(0, -1))
    except NotImplementedError:
        pass
    return "\t".join(fields)


def press(app, name):
    for _, node in objects(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            action = node.queryAction()
            for n in range(action.nActions):
                if action.getName(n) == "Press":
                    action.doAction(n)
                    return
    sys.exit(f"accessibility.py: no push button {name!r} that can be pressed")


def main(argv):
    if len(argv) == 3 and argv[1] == "tree":
        for depth, node in objects(application(int(argv[2]))):
            print(line(depth, node))
    elif len(argv) == 4 and argv[1] == "press":
        press(application(int(argv[2])), argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
