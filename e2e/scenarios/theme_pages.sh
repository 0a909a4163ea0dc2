#!/usr/bin/env bash
# A theme's contents, then one of its entries: the page is drawn whole, as when it is
# reached with no theme shown before it, and the general summary brings back all its
# choices, the Ecologia launcher included.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# same A B: true when two areas differ by no more than a few pixels.
same() { [ "$(differing_pixels "$1" "$2" 5%)" -le 50 ]; }

# crop_at WxH X Y: the geometry of a part of the window's own area, on the screen.
crop_at() {
    local x y width height
    read -r x y width height < <(client_geometry "$window")
    echo "$1+$(($2 + x))+$(($3 + y))"
}

start_on_summary
page=$(crop_at 455x417 328 104)   # the page text
launcher=$(crop_at 120x60 640 120) # the Ecologia launcher
area "1-summary" "$launcher"
cp "$work/1-summary.png" "$work/launcher-before.png"

click "$window" 415 379 # T1
window=$(wait_window "Solstice - LUMEN" 5) || fail "the theme is not shown"
sleep 0.5
shot "2-theme"

click "$window" 412 175 # the theme's first entry
sleep 0.8
area "3-entry-page" "$page"
cp "$work/3-entry-page.png" "$work/page-after-theme.png"

click "$window" 70 76 # &Sommaire
sleep 0.5
area "4-summary-again" "$launcher"
same "launcher-before" "4-summary-again" || fail "the Ecologia launcher is gone"

click "$window" 49 551 # &Précédent: the same page, no theme shown before it
sleep 0.8
area "5-page-again" "$page"
same "page-after-theme" "5-page-again" || fail "the theme list covers the page"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
