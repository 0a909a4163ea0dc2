#!/usr/bin/python3
"""Reads and drives a program through the accessibility layer (AT-SPI), as a screen
reader does.

usage: atspi.py APP COMMAND [ARGUMENTS]
  APP                          part of the application's accessible name (any case)
  focused                      prints "ROLE|NAME" of the object holding the keyboard focus
  wait-focused ROLE NAME SECS  waits until the focused object has that role and name
  find ROLE NAME               true when a showing object has that role and name
  wait ROLE NAME SECS          waits until a showing object has that role and name
  do ROLE NAME ACTION          runs the object's action of that name ("press", "SetFocus")
  focus ROLE NAME              gives the object the keyboard focus

ROLE is AT-SPI's role name ("push button", "link", "radio button", "dialog"). Exit
status 0 on success, 1 when the object is not found or not in the expected state, 2
when the accessibility layer or the application cannot be reached.
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def application(part):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is not None and part.lower() in (app.get_name() or "").lower():
                return app
        except GLib.Error:
            continue
    return None


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) or node.get_role() == Atspi.Role.APPLICATION


def walk(node):
    """Every showing object under node, node first; hidden branches are skipped."""
    try:
        if not showing(node):
            return
        yield node
        count = node.get_child_count()
    except GLib.Error:
        return
    for i in range(count):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            continue
        if child is not None:
            yield from walk(child)


def describe(node):
    return f"{node.get_role_name()}|{node.get_name()}"


def focused(app):
    for node in walk(app):
        try:
            if node.get_state_set().contains(Atspi.StateType.FOCUSED):
                return node
        except GLib.Error:
            continue
    return None


def find(app, role, name):
    for node in walk(app):
        try:
            if node.get_role_name() == role and node.get_name() == name:
                return node
        except GLib.Error:
            continue
    return None


def run_action(node, wanted):
    action = node.get_action_iface()
    if action is None:
        return False
    for i in range(action.get_n_actions()):
        if action.get_action_name(i) == wanted:
            return action.do_action(i)
    return False


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    app = application(argv[1])
    if app is None:
        print(f"no application named {argv[1]}", file=sys.stderr)
        return 2
    command, arguments = argv[2], argv[3:]
    if command == "focused":
        node = focused(app)
        print(describe(node) if node else "")
        return 0 if node else 1
    if command == "wait-focused":
        role, name, seconds = arguments[0], arguments[1], float(arguments[2])
        deadline = time.monotonic() + seconds
        seen = ""
        while True:
            node = focused(app)
            seen = describe(node) if node else ""
            if seen == f"{role}|{name}":
                print(seen)
                return 0
            if time.monotonic() > deadline:
                print(f"focused: {seen or 'nothing'}", file=sys.stderr)
                return 1
            time.sleep(0.2)
    if command == "wait":
        role, name, seconds = arguments[0], arguments[1], float(arguments[2])
        deadline = time.monotonic() + seconds
        while find(app, role, name) is None:
            if time.monotonic() > deadline:
                return 1
            time.sleep(0.1)
        return 0
    node = find(app, arguments[0], arguments[1]) if len(arguments) >= 2 else None
    if command == "find":
        return 0 if node else 1
    if node is None:
        print(f"no showing {arguments[0]} named {arguments[1]}", file=sys.stderr)
        return 1
    if command == "do":
        return 0 if run_action(node, arguments[2]) else 1
    if command == "focus":
        component = node.get_component_iface()
        return 0 if component and component.grab_focus() else 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
