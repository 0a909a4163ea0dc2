#!/usr/bin/env bash
# The same walk at 1× (800 × 600) and at 2× (QT_SCALE_FACTOR=2 on 1600 × 1200, as on
# a 192-dpi desktop): the summary with the cover picture, a course page's picture, a
# test's face and arrows, the calculator's drawn keys, then Dispotune's pictures on a
# larger screen (1280 × 1024, 2560 × 2048). At 2× each picture keeps its place and
# size in the design and is drawn with four times the pixels, not blown up from 1×.
source "$(dirname "$0")/../runner.sh"

command -v identify >/dev/null || { echo "SKIP: identify is missing"; exit 77; }

# walk: every picture of the walk taken as NAME-<scale>x.
walk() {
    local x=${scale}x
    start_screen $((800 * scale)) $((600 * scale))
    layout_app
    write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
    start_navigator
    window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window at $x"
    sleep 0.5
    window_area "cover-$x" "$window" 270x370+26+111
    window_area "tiles-$x" "$window" 48x108+392+118

    click "$window" 141 76 # C&himie
    sleep 0.4
    click "$window" 352 212 # the fold button of chapter 1
    sleep 0.4
    click "$window" 432 252 # its first entry: a page with a picture
    sleep 1
    window=$(wait_window "Chimie" 10) || fail "no course page at $x"
    window_area "page-$x" "$window" 200x150+26+196

    click "$window" 141 76
    sleep 0.4
    click "$window" 460 416 # Tester vos connaissances
    sleep 1
    test=$(window_of_width 790) || fail "no test window at $x"
    window_area "face-$x" "$test" 32x32+50+75
    window_area "arrows-$x" "$test" 100x32+294+412

    click "$test" 720 20 # the calculator
    calculator=$(wait_window "Machine à calculer" 10) || fail "no calculator at $x"
    sleep 0.5
    window_area "keys-$x" "$calculator" 170x58+120+224

    kill "$navigator"

    # Dispotune shows its window on a screen larger than 800 × 600 only.
    start_screen $((1280 * scale)) $((1024 * scale))
    (cd "$app" && exec ./dispotune.exe >>"$work/dispotune.log" 2>&1) &
    started+=($!)
    dispotune=$(wait_window "Résolution écran" 10) || fail "no Dispotune window at $x"
    sleep 0.5
    window_area "dispotune-$x" "$dispotune" 40x130+36+298
    kill "${started[-1]}"
}

walk
at_scale 2
walk

failures=0
for picture in cover tiles page face arrows keys dispotune; do
    drawn_sharp "$picture" || failures=$((failures + 1))
done
((failures == 0)) || fail "$failures pictures are not drawn sharp at 2×"
echo "PASS"
