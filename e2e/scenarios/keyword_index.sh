#!/usr/bin/env bash
# The keyword index from the main window on the demo course: letters typed jump to a
# keyword, its keyword window lists its pages, one opens; then the related-pages
# window of that page opens another.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# heading NAME: a screenshot, and the page's title band cut out of it.
heading() {
    shot "$1"
    convert "${GALVANE_SHOTS:-$work}/keyword_index-$1.png" -crop 700x55+0+0 +repage \
        "$work/$1.png"
}

# changed A B: true when the title bands of two screenshots differ.
changed() {
    [ "$(compare -metric AE -fuzz 10% "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" -gt 500 ]
}

start_on_summary
heading "0-summary"

click "$window" 339 76 # Inde&x
wait_window "Index alphabétique" 10 >/dev/null || fail "the index does not open"
sleep 0.5
xdotool type --delay 80 "agit" # the first letters of "agitation thermique"
sleep 0.5
shot "1-index-searched"
xdotool key Return
wait_window "Mot clé" 10 >/dev/null || fail "the keyword window does not open"
no_window "Index alphabétique" || fail "the index stays open"
sleep 0.5
shot "2-keyword-pages"
xdotool key Down Return # its second page: "3.1. Température et agitation"
sleep 1
no_window "Mot clé" || fail "the keyword window stays open"
no_window "ERREUR FATALE" || fail "the keyword's page is not in the database"
heading "3-keyword-page"
changed 0-summary 3-keyword-page || fail "the keyword's page is not shown"

click "$window" 276 76 # &Liens
links=$(wait_window "Des liens..." 10) || fail "the related-pages window does not open"
sleep 0.5
xdotool key Down Down # the third related page: "La loi d'Avogadro-Ampère"
sleep 0.3
shot "4-related-pages"
click "$links" 136 300 # Afficher
sleep 1
no_window "Des liens..." || fail "the related-pages window stays open"
no_window "ERREUR FATALE" || fail "the related page is not in the database"
heading "5-related-page"
changed 3-keyword-page 5-related-page || fail "the related page is not shown"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
