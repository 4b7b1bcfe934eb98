# What a screen reader on a Linux desktop reads of a program, through the accessibility
# bus: for each NAME, the first element of the program's tree whose accessible name starts
# with it, as a line "name: text" (its text, where it has one and shows it).
#     read_aloud.py PROGRAM NAME...
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find(node, name):
    if (node.get_name() or "").startswith(name):
        return node
    children = (node.get_child_at_index(i) for i in range(node.get_child_count()))
    return next(filter(None, (find(child, name) for child in children)), None)


program = find(Atspi.get_desktop(0), sys.argv[1])
for name in sys.argv[2:]:
    element = program and find(program, name)
    shown = element and element.get_state_set().contains(Atspi.StateType.SHOWING)
    text = f": {Atspi.Text.get_text(element, 0, -1)}" if shown and element.get_text_iface() else ""
    print(element.get_name() + text if element else f"{name}: none")
