#!/usr/bin/env bash
# Leaving the navigator: "&Quitter" asks first (Cancel keeps it running); once
# confirmed, the closing window asks the running module and the help viewer to quit
# (the module marks itself "NON" as it closes), the exit program starts and the
# navigator ends.
source "$(dirname "$0")/../runner.sh"

# gone TITLE SECONDS: true once no visible window has that title.
gone() {
    local tries=$(($2 * 10))
    while ((tries-- > 0)); do
        no_window "$1" && return 0
        sleep 0.1
    done
    return 1
}

start_on_summary
click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 61 135 # Ordalis
wait_window "Ordalis" 10 >/dev/null || fail "the module did not start"
expect_record TEMPO.GXS 1 "OUI"

xdotool windowraise "$window"
sleep 0.3
click "$window" 553 76 # &Aide
wait_window "Aide du logiciel Galvane" 10 >/dev/null || fail "the help viewer did not open"
sleep 0.5
shot "1-module-and-help"

xdotool windowraise "$window"
sleep 0.3
click "$window" 714 76 # &Quitter
wait_window "Quitter" 10 >/dev/null || fail "no confirmation"
press "Quitter" Escape # Cancel
sleep 0.5
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended although the user cancelled"
wait_window "Ordalis" 1 >/dev/null || fail "the module closed although the user cancelled"

xdotool windowraise "$window"
sleep 0.3
click "$window" 714 76 # &Quitter
wait_window "Quitter" 10 >/dev/null || fail "no confirmation"
shot "2-confirmation"
press "Quitter" Return # OK
navigator_ended 10 || fail "the navigator did not end"
gone "Ordalis" 10 || fail "the module was not asked to quit"
gone "Aide du logiciel Galvane" 10 || fail "the help viewer was not asked to quit"
sleep 0.5
expect_record TEMPO.GXS 1 "NON"
started_program EPILOG.EXE 10 || fail "the exit program did not start"
shot "3-closed"
echo "PASS"
