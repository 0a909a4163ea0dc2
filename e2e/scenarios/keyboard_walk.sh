#!/usr/bin/env bash
# A pupil without a mouse: the summary, the chemistry table, a chapter unfolded, its
# first entry, back, the chapter's test and a validated answer, with keys alone. At
# each step the focused object is read as a screen reader hears it (AT-SPI), and the
# result is checked where the pupil sees it.

# A session bus of its own, so that the accessibility bus it starts is this
# scenario's alone.
if [ -z "${GALVANE_OWN_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
    GALVANE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/../runner.sh"

atspi() { /usr/bin/python3 "$(dirname "$0")/../atspi.py" galvane "$@"; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    { echo "SKIP: the AT-SPI Python bindings are missing"; exit 77; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# key WINDOW KEY: one key typed into the window, as the keyboard sends it.
key() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2"
    sleep 0.3
}

# expect_focus ROLE NAME: what a screen reader announces for the focused object.
expect_focus() {
    atspi wait-focused "$1" "$2" 5 >/dev/null || fail "the focus is not on the $1 \"$2\""
}

# tab_to WINDOW ROLE NAME: Tab until the focus reaches that object (in at most 80 presses).
tab_to() {
    local presses=80
    while ((presses-- > 0)); do
        key "$1" Tab
        [ "$(atspi focused 2>/dev/null)" = "$2|$3" ] && return 0
    done
    fail "Tab never reached the $2 \"$3\" (last: $(atspi focused 2>/dev/null))"
}

window_of_width() {
    local id found=""
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
        [ "$(window_geometry "$id" | cut -d' ' -f3)" = "$1" ] && found=$id
    done
    [ -n "$found" ] && echo "$found"
}

start_on_summary
atspi focused >/dev/null 2>&1 || {
    sleep 2
    atspi focused >/dev/null 2>&1
} || [ $? -eq 1 ] || fail "the navigator cannot be reached through AT-SPI"
shot "1-summary"

key "$window" alt+h # C&himie
expect_focus "push button" "Chimie"
atspi find "label" "Chimie" || fail "the chemistry table's heading is not shown"
shot "2-chemistry-table"

tab_to "$window" "push button" "Déplier 1. Espèces chimiques"
key "$window" space
expect_focus "push button" "Replier 1. Espèces chimiques"
shot "3-chapter-unfolded"

key "$window" Tab
expect_focus "link" "1. Espèces chimiques"
key "$window" Tab
entry=$(atspi focused | cut -d'|' -f2)
expect_focus "link" "$entry"
[ -n "$entry" ] || fail "the first entry has no spoken name"
shot "4-entry-focused"
key "$window" Return
window=$(wait_window "Chimie" 10) || fail "the entry's page is not shown"
sleep 0.5
shot "5-entry-page"

key "$window" alt+p # &Précédent: back onto the table, the chapter still unfolded
window=$(wait_window "Solstice - LUMEN" 5) || fail "back did not reopen the table"
expect_focus "push button" "Précédent"
tab_to "$window" "link" "Tester vos connaissances"
shot "6-test-focused"
key "$window" Return
sleep 1
test=$(window_of_width 790) || fail "no test window"
shot "7-test-window"

# Question 1 is a single choice whose first answer is right.
tab_to "$test" "radio button" "plusieurs espèces chimiques"
key "$test" space
tab_to "$test" "link" "Valider la réponse"
key "$test" Return
sleep 0.3
window_of_width 398 >/dev/null || fail "the right-answer window is not shown"
shot "8-right-answer"
sleep 2
no_window_of_width() { ! window_of_width "$1" >/dev/null; }
no_window_of_width 398 || fail "the right-answer window stays open"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
