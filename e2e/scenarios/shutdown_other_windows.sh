#!/usr/bin/env bash
# Quitting with a module running asks the module's window to close, but not another
# program's window whose title holds a module's title fragment ("Navigation privée"
# holds module 7's): that program lies outside the application directory.
source "$(dirname "$0")/../runner.sh"

other_title="Navigation privée — essai"

start_on_summary

# The other program: a small viewer copied outside the application directory, its
# window titled by the first line of its file (Windows-1252).
mkdir "$work/ailleurs"
cp "$app/helpviewer" "$work/ailleurs/navigateur"
printf 'Navigation priv\xe9e \x97 essai\n# Accueil\nUne page ordinaire.\n' >"$work/ailleurs/page.hlp"
"$work/ailleurs/navigateur" "$work/ailleurs/page.hlp" >/dev/null 2>&1 &
other=$!
started+=("$other")
wait_window "$other_title" 10 >/dev/null || fail "the other program's window did not open"

xdotool windowraise "$window"
sleep 0.3
click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 61 135 # Ordalis
wait_window "Ordalis" 10 >/dev/null || fail "the module did not start"
expect_record TEMPO.GXS 1 "OUI"
shot "1-module-and-other-window"

xdotool windowraise "$window"
sleep 0.3
click "$window" 714 76 # &Quitter
wait_window "Quitter" 10 >/dev/null || fail "no confirmation"
press "Quitter" Return # OK
navigator_ended 10 || fail "the navigator did not end"
wait_for 10 no_window "Ordalis" || fail "the module was not asked to quit"
sleep 1 # the other window would have had its request with the module's
shot "2-closed"
kill -0 "$other" 2>/dev/null || fail "the other program was closed"
wait_window "$other_title" 1 >/dev/null || fail "the other program's window is gone"
echo "PASS"
