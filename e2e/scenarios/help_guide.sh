#!/usr/bin/env bash
# The help guide: "&Aide" opens it at its contents; a second click, with the main
# window in front, brings the open guide forward instead of opening another; a search
# narrows its contents.
source "$(dirname "$0")/../runner.sh"

start_on_summary
click "$window" 553 76 # &Aide
help=$(wait_window "Aide du logiciel Galvane" 10) || fail "the help guide did not open"
sleep 1
shot "1-contents"

xdotool windowactivate --sync "$window"
sleep 0.5
[ "$(xdotool getactivewindow)" = "$window" ] || fail "the main window did not come forward"
click "$window" 553 76 # &Aide again
sleep 1.5
[ "$(xdotool search --onlyvisible --name '^Aide du logiciel Galvane$' | wc -l)" -eq 1 ] ||
    fail "a second help viewer was opened"
[ "$(xdotool getactivewindow)" = "$help" ] || fail "the open guide was not brought forward"

xdotool type --delay 60 "calcul"
sleep 0.8
shot "2-search"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
