#!/usr/bin/env bash
# A page of each picture kind of the demo course, each reached through its table:
# the table opened, the chapter unfolded, the entry clicked, the chapter folded again;
# then a documentary activity through its icon.
source "$(dirname "$0")/../runner.sh"

start_on_summary

chimie=(141 76)
physique=(211 76)

# visit NAME TABLE-X TABLE-Y FOLD-Y ENTRY-Y FOLDED-AGAIN-Y: positions in the window,
# the fold button's before and after its chapter opens (the table may scroll).
visit() {
    click "$window" "$2" "$3"
    sleep 0.4
    click "$window" 352 "$4"
    sleep 0.4
    click "$window" 432 "$5"
    sleep 1
    no_window "ERREUR FATALE" || fail "$1: the page is not in the database"
    no_window "Solstice - LUMEN" || fail "$1: no page shown"
    shot "$1"
    click "$window" "$2" "$3"
    sleep 0.4
    click "$window" 352 "$6"
    sleep 0.4
}

visit image "${chimie[@]}" 212 252 212
visit texte "${chimie[@]}" 212 268 212
visit imagemini "${chimie[@]}" 212 284 212
visit imagehoriz2 "${chimie[@]}" 262 338 248
visit imagehoriz1 "${chimie[@]}" 422 404 232
visit imagehoriz4 "${chimie[@]}" 472 389 217
visit imagehoriz5 "${chimie[@]}" 497 305 249
visit imagehoriz3 "${physique[@]}" 367 249 209

# The documentary activity of chapter 1, through its icon.
click "$window" "${chimie[@]}"
sleep 0.4
click "$window" 352 212
sleep 0.4
click "$window" 400 476
sleep 1
no_window "ERREUR FATALE" || fail "documentary: the page is not in the database"
no_window "Solstice - LUMEN" || fail "documentary: no page shown"
shot documentary
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
