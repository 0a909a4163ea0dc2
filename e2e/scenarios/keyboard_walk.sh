#!/usr/bin/env bash
# A pupil without a mouse: the summary, the chemistry table, a chapter unfolded, its
# first entry, back, the chapter's test and a validated answer, with keys alone. At
# each step the focused object is read as a screen reader hears it (AT-SPI), and the
# result is checked where the pupil sees it.

source "$(dirname "$0")/../atspi.sh"
source "$(dirname "$0")/../runner.sh"

# key KEY: one key typed into the window that has the keyboard, as a pupil types it.
key() {
    xdotool key "$1"
    sleep 0.15
}

# expect_focus ROLE NAME: what a screen reader announces for the focused object.
expect_focus() {
    atspi wait-focused "$1" "$2" 5 || fail "the focus is not on the $1 \"$2\""
}

# tab_to ROLE NAME: Tab until the focus reaches that object (in at most 80 presses).
tab_to() {
    local presses=80
    while ((presses-- > 0)); do
        key Tab
        [ "$(atspi focused 2>/dev/null)" = "$1|$2" ] && return 0
    done
    fail "Tab never reached the $1 \"$2\" (last: $(atspi focused 2>/dev/null || true))"
}

start_on_summary
# The navigator joins the accessibility bus once that bus has started.
atspi find "push button" "Sommaire" 10 || fail "the navigator cannot be reached through AT-SPI"
xdotool windowactivate --sync "$window" # the window a pupil has just started has the keyboard
shot "1-summary"

expect_focus "link" "Afficher le sommaire général" # the first stop of the window
key alt+h # C&himie
atspi find "label" "Chimie" || fail "the chemistry table's heading is not shown"
shot "2-chemistry-table"

tab_to "push button" "Déplier 1. Espèces chimiques"
key space
expect_focus "push button" "Replier 1. Espèces chimiques"
shot "3-chapter-unfolded"

key Tab
expect_focus "link" "1. Espèces chimiques"
key Tab
entry=$(atspi focused | cut -d'|' -f2)
expect_focus "link" "$entry"
[ -n "$entry" ] || fail "the first entry has no spoken name"
shot "4-entry-focused"
key Return
window=$(wait_window "Chimie" 10) || fail "the entry's page is not shown"
sleep 0.5
shot "5-entry-page"

key alt+p # &Précédent: back onto the table, the chapter still unfolded
window=$(wait_window "Solstice - LUMEN" 5) || fail "back did not reopen the table"
tab_to "link" "Tester vos connaissances"
shot "6-test-focused"
key Return
atspi find "dialog" " 1. Espèces chimiques" 5 || fail "no test window for chapter 1"
atspi find "label" "Question 1 / 5 :" 5 || fail "the test does not start on question 1"
shot "7-test-window"

# Question 1 is a single choice whose second answer is right: the arrow moves onto it
# and Space ticks it.
tab_to "radio button" "plusieurs espèces chimiques"
key Down
expect_focus "radio button" "une seule espèce chimique"
key space
tab_to "link" "Valider la réponse"
key Return
atspi find "label" "Réponse exacte" 3 || fail "the right-answer window is not shown"
shot "8-right-answer"
atspi find "label" "Question 2 / 5 :" 5 || fail "the test did not move on to question 2"
shot "9-next-question"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
