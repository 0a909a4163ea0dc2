#!/usr/bin/env bash
# A simulation module from its icon in the chemistry table: started once, marked in
# the flag file, the warning when another module is asked for while it runs (No by
# Enter), and brought back to the front rather than started twice.
source "$(dirname "$0")/../runner.sh"

start_on_summary
click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 61 135 # Ordalis
ordalis=$(wait_window "Ordalis" 10) || fail "the module did not start"
sleep 0.5
shot "1-module-started"
expect_record TEMPO.GXS 1 "OUI"

xdotool windowraise "$window"
sleep 0.3
click "$window" 201 135 # Valens, while Ordalis runs
wait_window "Avertissement" 10 >/dev/null || fail "no warning for a second module"
shot "2-warning"
press "Avertissement" Return # No is the default
sleep 0.5
no_window "Valens" || fail "the module started although the user said no"

xdotool windowraise "$window"
sleep 0.3
above "$window" "$ordalis" || fail "the main window is not in front"
click "$window" 61 135 # Ordalis again
sleep 1
above "$ordalis" "$window" || fail "the running module is not brought to the front"
shot "3-module-in-front"
[ "$(grep -c '^ORDALIS.EXE' "$app/companions.log")" = 1 ] || fail "the module was started twice"
! grep -q '^VALENS' "$app/companions.log" || fail "the declined module started"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
