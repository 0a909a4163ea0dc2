#!/usr/bin/env bash
# In a Wayland session with XWayland, the navigator runs on the X display (Qt's X11
# platform, though Qt's Wayland plug-in is there), and so does the module it starts
# from its icon: a second click does not start it again, and quitting asks its
# window to close. (A headless compositor without a seat activates no window, so
# the module's coming to the front cannot be seen here.)
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
wait_window "Ordalis" 10 >/dev/null || fail "the module did not start on the X display"
expect_record TEMPO.GXS 1 "OUI"
click_at "$window" 61 135 # Ordalis again: brought to the front, not started again
sleep 1
[ "$(grep -c '^ORDALIS.EXE' "$app/companions.log")" = 1 ] || fail "the module was started twice"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"

click_at "$window" 714 76 # &Quitter
question=$(wait_window "Quitter" 10) || fail "no confirmation"
sleep 0.3
key_to "$question" Return # OK
navigator_ended 10 || fail "the navigator did not end"
tries=100
until no_window "Ordalis"; do
    ((tries-- > 0)) || fail "the module was not asked to quit"
    sleep 0.1
done
sleep 0.5
expect_record TEMPO.GXS 1 "NON"
started_program EPILOG.EXE 10 || fail "the exit program did not start"
echo "PASS"
