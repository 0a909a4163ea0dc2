#!/usr/bin/python3
"""Finds a widget of a running program on the accessibility bus (AT-SPI) by its role
and name, as a screen reader sees it, and acts on it. Works for X11 and Wayland
clients alike, since it needs no window system.

  atspi.py find ROLE NAME [SECONDS]         true once a showing object is there
  atspi.py do ROLE NAME ACTION [SECONDS]    does one of its actions (e.g. Press)
  atspi.py focused                          prints "ROLE|NAME" of the focused object
  atspi.py wait-focused ROLE NAME [SECONDS] true once the focus is on such an object

ROLE is AT-SPI's role name ("push button", "alert", "label"...); NAME the accessible
name, exactly. SECONDS (5 unless told) bounds the wait for the object to show.
Exit status 1 when it did not show in time or has no such action.
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find_in(node, role, name):
    """The first showing object below node with that role and name; a hidden
    object's children are hidden too, so they are not walked (a window holds
    many hidden widgets)."""
    try:
        count = node.get_child_count()
    except GLib.Error:
        return None  # gone while walked
    for index in range(count):
        child = node.get_child_at_index(index)
        try:
            if child is None or not showing(child):
                continue
            if child.get_role_name() == role and child.get_name() == name:
                return child
        except GLib.Error:
            continue
        found = find_in(child, role, name)
        if found is not None:
            return found
    return None


def find(role, name):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        program = desktop.get_child_at_index(index)
        found = find_in(program, role, name) if program is not None else None
        if found is not None:
            return found
    return None


def focused_in(node):
    """The showing object below node that holds the keyboard focus, if any."""
    try:
        count = node.get_child_count()
    except GLib.Error:
        return None
    for index in range(count):
        child = node.get_child_at_index(index)
        try:
            if child is None or not showing(child):
                continue
            if child.get_state_set().contains(Atspi.StateType.FOCUSED):
                return child
        except GLib.Error:
            continue
        found = focused_in(child)
        if found is not None:
            return found
    return None


def focused():
    """What a screen reader announces for the focused object: "ROLE|NAME"."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        program = desktop.get_child_at_index(index)
        node = focused_in(program) if program is not None else None
        if node is not None:
            try:
                return f"{node.get_role_name()}|{node.get_name()}"
            except GLib.Error:
                return ""
    return ""


def await_focus(role, name, seconds):
    deadline = time.monotonic() + seconds
    while True:
        seen = focused()
        if seen == f"{role}|{name}":
            return True
        if time.monotonic() > deadline:
            print(f"the focus is on {seen or 'nothing'}", file=sys.stderr)
            return False
        time.sleep(0.2)


def await_object(role, name, seconds):
    deadline = time.monotonic() + seconds
    while True:
        node = find(role, name)
        if node is not None or time.monotonic() > deadline:
            return node
        time.sleep(0.2)


def do_action(node, action):
    actions = node.get_action_iface()
    names = [actions.get_action_name(i) for i in range(actions.get_n_actions())] if actions else []
    if action not in names:
        print(f"no action {action!r} (has {names})", file=sys.stderr)
        return False
    return actions.do_action(names.index(action))


def main(arguments):
    usage = (
        "usage: atspi.py find ROLE NAME [SECONDS] | do ROLE NAME ACTION [SECONDS] | focused"
        " | wait-focused ROLE NAME [SECONDS]"
    )
    if arguments[:1] == ["focused"]:
        Atspi.init()
        seen = focused()
        print(seen)
        return 0 if seen else 1
    if len(arguments) < 3 or arguments[0] not in ("find", "do", "wait-focused"):
        print(usage, file=sys.stderr)
        return 2
    if arguments[0] == "wait-focused":
        Atspi.init()
        seconds = float(arguments[3]) if len(arguments) > 3 else 5.0
        return 0 if await_focus(arguments[1], arguments[2], seconds) else 1
    command, role, name = arguments[:3]
    rest = arguments[3:]
    action = rest.pop(0) if command == "do" and rest else None
    if command == "do" and action is None:
        print(usage, file=sys.stderr)
        return 2
    seconds = float(rest[0]) if rest else 5.0
    Atspi.init()
    node = await_object(role, name, seconds)
    if node is None:
        print(f"no showing {role} named {name!r}", file=sys.stderr)
        return 1
    if action is None:
        return 0
    return 0 if do_action(node, action) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
