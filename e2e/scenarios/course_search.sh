#!/usr/bin/env bash
# Finding a word in the course: Ctrl+F on the demo course, "electron" typed without
# its accent lists the pages that say "électron(s)", the first one opens with the
# match selected, and F3 moves the selection to the next match on the page.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# area NAME: a screenshot, and the page's text cut out of it.
area() {
    local x y width height
    shot "$1"
    read -r x y width height < <(client_geometry "$window")
    convert "${GALVANE_SHOTS:-$work}/course_search-$1.png" -crop "455x417+$((x + 328))+$((y + 104))" \
        +repage "$work/$1.png"
}

# selected NAME: how many pixels of the text are painted in the selection's colour.
selected() {
    convert "$work/$1.png" -fill black -fuzz 12% +opaque "$highlight" -fill white \
        -opaque "$highlight" -format '%[fx:round(mean*w*h)]' info:
}

# changed A B: true when two cut-outs differ.
changed() {
    [ "$(compare -metric AE -fuzz 10% "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" -gt 50 ]
}

highlight="#308cc6" # the selection colour of Qt's default palette
start_on_summary
area "0-summary"

xdotool windowfocus --sync "$window" key ctrl+f
search=$(wait_window "Rechercher dans le cours" 10) || fail "Ctrl+F does not open the search"
sleep 0.5
xdotool type --delay 60 "electron"
sleep 0.8
shot "1-found"
xdotool key Return
sleep 1
no_window "Rechercher dans le cours" || fail "the search window stays open"
no_window "ERREUR FATALE" || fail "the page found is not in the database"
area "2-page"
changed 0-summary 2-page || fail "the page found is not shown"
[ "$(selected 2-page)" -gt 100 ] || fail "no match is selected on the page"

xdotool key F3
sleep 0.5
area "3-next"
[ "$(selected 3-next)" -gt 100 ] || fail "F3 selects no match"
changed 2-page 3-next || fail "F3 does not move to the next match"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
