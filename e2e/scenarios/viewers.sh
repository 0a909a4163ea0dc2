#!/usr/bin/env bash
# The two picture viewers of the demo course: the powers of ten, stepped down and up
# through a few scales, and the solar system, whose bodies show their data sheets in
# place of the page text under the mouse.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# differ A B: true when two areas differ by more than a few pixels.
differ() { [ "$(differing_pixels "$1" "$2" 5%)" -gt 50 ]; }

picture=280x210+20+190 # the powers-of-ten pictures, placed by the picture-change rule
frame=250x130+522+384  # the viewer's frame
sheet=763x71+20+99     # the page text, above the solar system
up=(707 404)
down=(739 404)
physique=(211 76)

start_on_summary
click "$window" "${physique[@]}"
sleep 0.4
click "$window" 352 212 # chapter 11 unfolded
sleep 0.6
click "$window" 480 367 # "3.1. Vision d'ensemble de l'Univers"
sleep 1
no_window "Solstice - LUMEN" || fail "the powers-of-ten page is not shown"
area 1-universe "$picture"
area 1-universe-frame "$frame"

click "$window" "${down[@]}"
sleep 0.5
area 2-galaxy "$picture"
differ 1-universe 2-galaxy || fail "one step down shows the same picture"
click "$window" "${down[@]}"
sleep 0.5
click "$window" "${down[@]}"
sleep 0.5
area 3-nearest-star "$picture"
for i in 1 2 3 4 5 6 7; do
    click "$window" "${down[@]}"
    sleep 0.4
done
area 4-bacterium "$picture" # with the species name in the caption
click "$window" "${up[@]}"
sleep 0.5
area 5-hair "$picture"
differ 4-bacterium 5-hair || fail "one step up shows the same picture"
for i in 1 2 3 4 5 6 7 8 9; do
    click "$window" "${up[@]}"
    sleep 0.4
done
area 6-universe-again "$picture"
area 6-universe-again-frame "$frame"
differ 1-universe 6-universe-again && fail "back up at 10^24 m, another picture shows"
differ 1-universe-frame 6-universe-again-frame && fail "back up at 10^24 m, the frame differs"

click "$window" "${physique[@]}"
sleep 0.6
click "$window" 352 212 # chapter 11 folded again
sleep 0.4
click "$window" 352 367 # chapter 16 unfolded
sleep 0.4
click "$window" 432 249 # "1.1. Le système solaire"
sleep 1
no_window "Solstice - LUMEN" || fail "the solar-system page is not shown"
area 7-solar-system "$sheet"
# The picture is 640 wide, at 400 − 640 / 2 = 80 and 180; a body's point is at
# (80, 180) plus its place in the picture.
xdotool mousemove --window "$window" 585 370 # the Earth, at 505, 190
sleep 0.5
area 8-earth "$sheet"
differ 7-solar-system 8-earth || fail "the Earth's sheet does not show"
xdotool mousemove --window "$window" 380 380 # empty sky keeps the sheet
sleep 0.5
area 9-sky "$sheet"
differ 8-earth 9-sky && fail "moving off the Earth changes the sheet"
xdotool mousemove --window "$window" 340 285 # Saturn, at 260, 105
sleep 0.5
area 10-saturn "$sheet"
differ 8-earth 10-saturn || fail "Saturn's sheet does not show"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
