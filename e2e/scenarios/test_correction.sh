#!/usr/bin/env bash
# The correction of wrong answers as the pupil reads it in the real test window
# (the right choice green, the others grey, the model answer in black), and Escape
# closing the test as its close image does, after asking.
source "$(dirname "$0")/../runner.sh"

# ink ID X Y WIDTH HEIGHT: the darkest colour ("R G B") of a part of a window, the
# core of the text written there.
ink() {
    # xwininfo gives the client's place on the screen under a reparenting window
    # manager, where xdotool's geometry counts the frame twice.
    local x y
    x=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${4}x${5}+$((x + $2))+$((y + $3))" +repage -depth 8 txt:- |
        sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' |
        awk '{ s = $1 + $2 + $3; if (best == "" || s < best) { best = s; c = $0 } } END { print c }'
}

# near "R G B" R G B LIMIT: true when the colours differ by at most LIMIT in all.
near() {
    local seen=($1)
    local d=$((${seen[0]} - $2)) e=$((${seen[1]} - $3)) f=$((${seen[2]} - $4))
    ((${d#-} + ${e#-} + ${f#-} <= $5))
}

# The test window, by its caption: the chapter's title.
test_title=" ?1\\. Esp.*ces chimiques"

# continue_test: the wrong-answer window's "Poursuivre le test sans voir le cours".
# The window has no caption of its own; it is the active one once it opens.
continue_test() {
    local tries=50 feedback=""
    while ((tries-- > 0)); do
        feedback=$(xdotool getactivewindow 2>/dev/null || true)
        [ -n "$feedback" ] && [ "$(xdotool getwindowname "$feedback")" = "Galvane" ] && break
        feedback=""
        sleep 0.1
    done
    [ -n "$feedback" ] || fail "no wrong-answer window"
    sleep 0.3
    click "$feedback" 190 66
    sleep 0.8
}

start_on_summary
open_chapter_one_test
test=$(wait_window "$test_title" 5) || fail "no test window"
sleep 0.5

click "$test" 218 240 # question 1: a wrong choice
click "$test" 312 426 # validate
continue_test
click "$test" 65 291 # question 3 in the strip
sleep 0.5
xdotool type --delay 50 "eau"
xdotool key Return
continue_test

click "$test" 65 91 # back to question 1
sleep 0.5
shot "1-single-choice"
colour=$(ink "$test" 230 258 150 28)
near "$colour" 0 128 0 60 || fail "the right choice is painted $colour, not green"
colour=$(ink "$test" 230 226 150 28)
near "$colour" 128 128 128 40 || fail "a wrong choice is painted $colour, not grey"

click "$test" 65 291 # question 3
sleep 0.5
shot "2-model-answer"
colour=$(ink "$test" 212 276 280 40)
near "$colour" 0 0 0 90 || fail "the model answer is painted $colour, not black"

xdotool windowfocus "$test" key Escape
wait_window "Fermer" 5 >/dev/null || fail "Escape does not ask before closing the test"
shot "3-asked"
press "Fermer" Escape # Non
no_window "$test_title" && fail "the test closed although the pupil said no"
xdotool windowfocus "$test" key Escape
wait_window "Fermer" 5 >/dev/null || fail "Escape does not ask again"
press "Fermer" Return # Oui
sleep 0.5
no_window "$test_title" || fail "the test stays open"
shot "4-closed"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
