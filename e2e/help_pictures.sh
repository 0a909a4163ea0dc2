#!/usr/bin/env bash
# Takes the help guide's pictures from the real navigator on the demo course, under
# the end-to-end runner, into companions/help/pictures/ (commit them with the guide).
#   GALVANE_APP_DIR=build-test/app bash e2e/help_pictures.sh
source "$(dirname "$0")/runner.sh"

out=$(cd "$(dirname "$0")/../companions/help" && pwd)/pictures
mkdir -p "$out"

# picture ID NAME [GEOMETRY]: the window (or the part WxH+X+Y of it) into NAME,
# narrowed to 440 pixels at most to fit the help viewer's page.
picture() {
    local raw="$work/$2"
    import -window "$1" ${3:+-crop "$3"} "$raw"
    convert "$raw" +repage -resize '440x>' -strip "$out/$2"
}

# fresh: the navigator started again on the summary.
fresh() {
    kill "$navigator" 2>/dev/null || true
    wait "$navigator" 2>/dev/null || true
    write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
    start_navigator
    window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window"
    sleep 1
}

start_on_summary
sleep 1
picture "$window" sommaire.png

click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 352 212 # chapter 1 unfolded
sleep 0.8
picture "$window" table-chimie.png 440x430+336+96

click "$window" 412 252 # its first entry
window=$(wait_window "Chimie" 10) || fail "no chemistry page"
sleep 1
picture "$window" page-chimie.png

fresh
click "$window" 339 76 # Inde&x
index=$(wait_window "Index alphabétique" 10) || fail "no index"
sleep 0.5
xdotool type --delay 80 "agit"
sleep 0.8
picture "$index" index.png
press "Index alphabétique" Escape

fresh
click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 352 212 # chapter 1 unfolded
sleep 0.5
click "$window" 460 416 # Tester vos connaissances
sleep 1.5
test=""
for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    [ "$(window_geometry "$id" | cut -d' ' -f3)" = 790 ] && test=$id
done
[ -n "$test" ] || fail "no test window"
picture "$test" test.png

fresh
click "$window" 412 76 # &Calculatrice
calculator=$(wait_window "Machine à calculer" 10) || fail "no calculator"
sleep 0.5
xdotool type --delay 80 "2"
click "$calculator" 100 200 # SIN
xdotool type --delay 80 "30+1"
xdotool key Return
sleep 0.8
picture "$calculator" calculatrice.png
echo "Pictures in $out"
