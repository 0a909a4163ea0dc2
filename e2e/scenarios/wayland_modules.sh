#!/usr/bin/env bash
# In a Wayland session with XWayland, the navigator runs on the X display (Qt's X11
# platform, though Qt's Wayland plug-in is there), and so does the module it starts
# from its icon: a second click does not start it again but asks the desktop to
# bring the module's window to the front, and quitting asks that window to close.
# A headless compositor has no seat and activates no window (and weston's X window
# manager answers no X program's request to activate one), so what is checked of
# the second click is the request for that very window, seen on the X display.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../wayland.sh"

start_wayland xwayland
layout_app
write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
start_navigator
window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window on the X display"
sleep 0.5

click_at "$window" 141 76 # C&himie
sleep 0.5
click_at "$window" 61 135 # Ordalis
module=$(wait_window "Ordalis" 10) || fail "the module did not start on the X display"
expect_record TEMPO.GXS 1 "OUI"
await_activation "$module"
click_at "$window" 61 135 # Ordalis again: brought to the front, not started again
activation_requested || fail "the module's window was not asked to the front"
sleep 1 # time for a second instance, wrongly started, to note its start
[ "$(grep -c '^ORDALIS.EXE' "$app/companions.log")" = 1 ] || fail "the module was started twice"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"

question=$(click_for "Quitter" "$window" 714 76) || fail "no confirmation" # &Quitter
sleep 0.3
key_to "$question" Return # OK
navigator_ended 10 || fail "the navigator did not end"
wait_for 10 no_window "Ordalis" || fail "the module was not asked to quit"
sleep 0.5
expect_record TEMPO.GXS 1 "NON"
started_program EPILOG.EXE 10 || fail "the exit program did not start"
echo "PASS"
