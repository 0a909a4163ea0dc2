#!/usr/bin/env bash
# Finding a word in the course: Ctrl+F on the demo course, "electron" typed without
# its accent lists the pages that say "électron(s)", the first one opens with the
# match selected, and F3 moves the selection to the next match on the page.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# page_text NAME: a screenshot, and the page's text cut out of it.
page_text() {
    local x y width height
    read -r x y width height < <(client_geometry "$window")
    area "$1" "455x417+$((x + 328))+$((y + 104))"
}

# selected NAME: how many pixels of the text are painted in the selection's colour.
selected() {
    convert "$work/$1.png" -fill black -fuzz 12% +opaque "$highlight" -fill white \
        -opaque "$highlight" -format '%[fx:round(mean*w*h)]' info:
}

# changed A B: true when two cut-outs differ.
changed() {
    [ "$(differing_pixels "$1" "$2" 10%)" -gt 50 ]
}

highlight="#308cc6" # the selection colour of Qt's default palette
start_on_summary
page_text "0-summary"

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
page_text "2-page"
changed 0-summary 2-page || fail "the page found is not shown"
[ "$(selected 2-page)" -gt 100 ] || fail "no match is selected on the page"

xdotool key F3
sleep 0.5
page_text "3-next"
[ "$(selected 3-next)" -gt 100 ] || fail "F3 selects no match"
changed 2-page 3-next || fail "F3 does not move to the next match"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
