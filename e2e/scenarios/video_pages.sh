#!/usr/bin/env bash
# The two video kinds of the demo course: a silent one through a chapter's video
# menu, a sound one through a page's projector icon and the experiment-video menu.
# The sound one then plays in place of its still picture, pauses and stops on its
# first picture.
source "$(dirname "$0")/../runner.sh"
command -v compare >/dev/null || { echo "SKIP: compare is missing"; exit 77; }

# picture NAME: the video's area of the screen, `Picture4` at 63, 199 on this page.
picture() {
    shot "$1"
    convert "${GALVANE_SHOTS:-$work}/video_pages-$1.png" -crop 256x192+63+199 +repage "$work/$1.png"
}

# differing A B: how many pixels of two pictures differ beyond the small changes
# that drawing a still or a video picture makes.
differing() {
    compare -metric AE -fuzz 10% "$work/$1.png" "$work/$2.png" null: 2>&1 || true
}

# becomes NAME REFERENCE far|near SECONDS: takes picture NAME until it is far from
# (or near to) the reference picture, and fails when the delay runs out.
becomes() {
    local tries=$(($4 * 4)) count
    while ((tries-- > 0)); do
        picture "$1"
        count=$(differing "$2" "$1")
        [ "$3" = far ] && [ "$count" -gt 1000 ] && return 0
        [ "$3" = near ] && [ "$count" -lt 200 ] && return 0
        sleep 0.25
    done
    return 1
}

start_on_summary

click "$window" 141 76  # C&himie
sleep 0.4
click "$window" 352 237 # chapter 2 unfolded
sleep 0.6
click "$window" 400 485 # its video icon
sleep 0.5
shot "1-chapter-video-menu"
xdotool key Down Return # the first video: "Densité de solvant"
sleep 1
no_window "ERREUR FATALE" || fail "the menu's video is not in the database"
no_window "Solstice - LUMEN" || fail "the silent video page is not shown"
shot "2-silent-video-page"

click "$window" 211 76  # Ph&ysique
sleep 0.4
click "$window" 352 447 # chapter 18 unfolded
sleep 0.6
click "$window" 497 192 # "1.1. Un gaz est formé de molécules", related to "MENU01"
sleep 1
click "$window" 680 29  # its projector icon
sleep 0.5
shot "3-experiment-video-menu"
xdotool key Down Down Return # the second video: "Diffusion d'un gaz"
sleep 1
no_window "ERREUR FATALE" || fail "the menu's video is not in the database"
picture "4-sound-video-still"

click "$window" 105 417 # play: the gas spreads
becomes 5-playing 4-sound-video-still far 8 || fail "the video does not play"

click "$window" 161 417 # pause
sleep 0.5
picture "6-paused"
sleep 0.8
picture "7-still-paused"
[ "$(differing 6-paused 7-still-paused)" -lt 200 ] || fail "the video goes on while paused"

click "$window" 189 417 # stop: back to the first picture, the gas not yet spread
becomes 8-stopped 4-sound-video-still near 5 || fail "stop does not show the first picture"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
