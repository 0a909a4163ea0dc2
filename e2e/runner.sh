# End-to-end runner, sourced by each scenario: a virtual screen of a given size with a
# window manager on it (framed windows, stacking and activation as on a desktop), a
# fresh application directory laid out from the built one, the real GALVANE.EXE
# started in it, windows awaited by title, screenshots, the flag file read, and
# everything it started stopped on exit.
#
# Environment: GALVANE_APP_DIR (the built application directory), GALVANE_SHOTS
# (where screenshots go; optional).

set -euo pipefail
export ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

for tool in Xvfb xdotool import openbox xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
app="$work/app"
started=()
# Device pixels per pixel of the programs' design: see at_scale.
scale=1

stop_all() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${started[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/navigator.log" ] && tail -n 20 "$work/navigator.log" >&2
    shot "failure"
    exit 1
}

# start_screen WIDTH HEIGHT: a virtual X screen, exported as DISPLAY. The display
# number is drawn at random rather than taken as the lowest free one: a server of a
# scenario running alongside, while it shuts down, removes the socket of its number
# even when a new server has just taken that number.
start_screen() {
    local attempt number pid tries
    for attempt in 1 2 3 4 5; do
        number=$((100 + RANDOM % 5000))
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 "${1}x${2}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        pid=$!
        tries=100
        until DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || break
            ((tries-- > 0)) || break
            sleep 0.1
        done
        if DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
            started+=("$pid")
            export DISPLAY=":$number"
            start_window_manager
            return 0
        fi
        kill "$pid" 2>/dev/null || true
    done
    fail "Xvfb did not start"
}

# start_window_manager: openbox on the screen, awaited until it manages windows.
start_window_manager() {
    local tries=100
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    started+=("$!")
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        ((tries-- > 0)) || fail "the window manager did not start"
        sleep 0.1
    done
}

# layout_app: the built application directory copied afresh into the scenario's folder.
layout_app() {
    rm -rf "$app"
    cp -r "$GALVANE_APP_DIR" "$app"
    rm -f "$app/companions.log"
}

# stand_in NAME: a program that only notes its start in companions.log.
stand_in() {
    rm -f "$app/$1"
    printf '#!/bin/sh\necho "%s $*" >> "$(dirname "$0")/companions.log"\n' "$1" >"$app/$1"
    chmod +x "$app/$1"
}

# start_navigator: GALVANE.EXE from its directory, as a user starts it.
start_navigator() {
    (cd "$app" && exec ./GALVANE.EXE >>"$work/navigator.log" 2>&1) &
    navigator=$!
    started+=("$navigator")
}

# start_on_summary: the navigator on an 800 × 600 screen, as a user finds it: the
# main window on the general summary, its id in `window`.
start_on_summary() {
    start_screen 800 600
    layout_app
    write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
    start_navigator
    window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window"
    sleep 0.5
}

# open_chapter_one_test: from the general summary, the chemistry table, its chapter 1
# unfolded, and that chapter's "Tester vos connaissances" pressed.
open_chapter_one_test() {
    click "$window" 141 76 # C&himie
    sleep 0.5
    click "$window" 352 212 # the fold button of chapter 1
    sleep 0.5
    click "$window" 460 416 # Tester vos connaissances
    sleep 1
}

# expect_centred_on_1024 ID: the main window is 800 × 600, in the middle of a
# 1024 × 768 screen, once the window manager has placed it.
expect_centred_on_1024() {
    local x y width height
    read -r x y width height < <(settled_geometry "$1" "112 84 800 600" 5)
    [ "$width" = 800 ] && [ "$height" = 600 ] || fail "window ${width}x${height}"
    [ "$x" = 112 ] && [ "$y" = 84 ] || fail "window at $x,$y"
}

# navigator_ended SECONDS: true once the navigator has ended within the delay.
navigator_ended() {
    local tries=$(($1 * 10))
    while ((tries-- > 0)); do
        kill -0 "$navigator" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# started_program NAME SECONDS: true once a stand-in has noted its start.
started_program() {
    local tries=$(($2 * 10))
    while ((tries-- > 0)); do
        grep -q "^$1" "$app/companions.log" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# wait_window TITLE SECONDS: prints the id of the visible window with that title.
wait_window() {
    local tries=$(($2 * 10)) id
    while ((tries-- > 0)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# window_of_width WIDTH: the visible window whose own area is that wide, in the
# design's pixels (the test windows have no title of their own to search for).
window_of_width() {
    local id found=""
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
        [ "$(client_geometry "$id" | cut -d' ' -f3)" = "$(($1 * scale))" ] && found=$id
    done
    [ -n "$found" ] && echo "$found"
}

# wait_for SECONDS COMMAND...: true as soon as the command succeeds.
wait_for() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# no_window TITLE: true when no visible window has that title.
no_window() {
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ]
}

# client_geometry ID: "X Y WIDTH HEIGHT" of the window's own area on the screen
# (xwininfo, not xdotool, whose position of a framed window counts the frame twice).
client_geometry() {
    local info
    info=$(xwininfo -id "$1")
    printf '%s %s %s %s\n' \
        "$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")" \
        "$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")" \
        "$(sed -n 's/^ *Width: *//p' <<<"$info")" \
        "$(sed -n 's/^ *Height: *//p' <<<"$info")"
}

# window_geometry ID: "X Y WIDTH HEIGHT" of the window as framed by the window
# manager (the outer size a program asks for).
window_geometry() {
    local left=0 right=0 top=0 bottom=0 extents x y width height
    read -r x y width height < <(client_geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' || true)
    [ -n "$extents" ] && IFS=', ' read -r left right top bottom <<<"$extents"
    echo "$((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))"
}

# settled_geometry ID "X Y WIDTH HEIGHT" SECONDS: prints the framed geometry once it is
# the expected one, or as it is when the delay runs out (the window manager may still
# be placing the window).
settled_geometry() {
    local tries=$(($3 * 10)) geometry
    while ((tries-- > 0)); do
        geometry=$(window_geometry "$1")
        [ "$geometry" = "$2" ] && break
        sleep 0.1
    done
    echo "$geometry"
}

# stacking: the managed windows' ids from the bottom up, in decimal.
stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | while read -r id; do
        printf '%d\n' "$id"
    done
}

# above ID OTHER: true when window ID lies above window OTHER.
above() {
    local order
    order=$(stacking | grep -n -x -E "$1|$2" | cut -d: -f2 | tail -n 1)
    [ "$order" = "$1" ]
}

# at_scale FACTOR: the programs started from now on scaled by FACTOR (QT_SCALE_FACTOR),
# as on a dense desktop (2 on a 192-dpi screen): their design keeps its size in
# device-independent pixels, FACTOR device pixels each way, on a screen FACTOR times
# as large. Points given to click and window_area stay the design's.
at_scale() {
    scale=$1
    export QT_SCALE_FACTOR=$1
}

# click ID X Y: a left click at a point of the window (in the design's pixels).
click() {
    xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
}

# press TITLE KEY: a key pressed in the window of that title, again while it stays
# open (a box may still be settling when first found).
press() {
    local tries=20 id
    while ((tries-- > 0)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] || return 0
        xdotool windowfocus "$id" 2>/dev/null && xdotool key "$2" 2>/dev/null || true
        sleep 0.3
    done
    return 1
}

# shot NAME: a screenshot of the whole screen.
shot() {
    [ -n "${DISPLAY:-}" ] || return 0
    local dir=${GALVANE_SHOTS:-$work}
    mkdir -p "$dir"
    import -window root "$dir/$(basename "$0" .sh)-$1.png" 2>/dev/null || true
}

# area NAME WxH+X+Y: a screenshot, and that part of the screen in $work/NAME.png for
# the checks to compare.
area() {
    shot "$1"
    convert "${GALVANE_SHOTS:-$work}/$(basename "$0" .sh)-$1.png" -crop "$2" +repage \
        "$work/$1.png"
}

# window_area NAME ID WxH+X+Y: as area, for a part of window ID given in the design's
# pixels (so the same part at every scale).
window_area() {
    local x y width height left top rest
    read -r left top rest < <(client_geometry "$2")
    IFS='x+' read -r width height x y <<<"$3"
    area "$1" "$((width * scale))x$((height * scale))+$((left + x * scale))+$((top + y * scale))"
}

# drawn_sharp NAME: true when the area NAME-2x, taken at scale 2, is the area NAME-1x
# drawn again with four times the pixels: scaled down, it matches the 1× one (nine
# pixels in ten, the rest being antialiasing), yet at least one pixel in a hundred
# differs from the 1× one blown up (each pixel doubled), which is exactly what a
# picture drawn only at 1× shows. Prints the counts.
drawn_sharp() {
    local pixels unlike blown
    convert "$work/$1-2x.png" -scale 50% "$work/$1-halved.png"
    convert "$work/$1-1x.png" -scale 200% "$work/$1-doubled.png"
    pixels=$(identify -format '%[fx:w*h]' "$work/$1-1x.png")
    unlike=$(differing_pixels "$1-halved" "$1-1x" 30%)
    blown=$(differing_pixels "$1-doubled" "$1-2x" 10%)
    echo "$1: $unlike of $pixels pixels unlike at 1×, $blown of $((4 * pixels)) unlike blown up"
    ((unlike * 10 <= pixels && blown * 100 >= 4 * pixels))
}

# differing_pixels A B FUZZ: how many pixels two areas differ by.
differing_pixels() {
    local count
    count=$(compare -metric AE -fuzz "$3" "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
    echo "${count%% *}"
}

# read_record FILE R: the text of record R (ASCII texts).
read_record() {
    [ -f "$1" ] || return 0
    local length
    length=$(dd if="$1" bs=128 skip=$(($2 - 1)) count=1 2>/dev/null | od -An -tu2 -N2 | tr -d ' ')
    [ -n "$length" ] || return 0
    dd if="$1" bs=128 skip=$(($2 - 1)) count=1 2>/dev/null | tail -c +3 | head -c "$length"
}

# write_record FILE R TEXT: TEXT (ASCII) as record R.
write_record() {
    local length=${#3}
    {
        printf "\\$(printf '%03o' $((length % 256)))\\$(printf '%03o' $((length / 256)))"
        printf '%s' "$3"
        head -c $((126 - length)) /dev/zero
    } | dd of="$1" bs=128 seek=$(($2 - 1)) conv=notrunc 2>/dev/null
}

expect_record() {
    local actual
    actual=$(read_record "$app/$1" "$2")
    [ "$actual" = "$3" ] || fail "record $2 of $1 is '$actual', expected '$3'"
}
