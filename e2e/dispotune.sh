# Sourced by the Dispotune scenarios after runner.sh: dispotune.exe started on its
# own, its window's points, the screen's modes, and an XRandR mode kept alive by a
# helper. The scenario's first argument is that helper (xrandrmodehelper).

mode_helper=${1:?the XRandR mode helper}

for tool in xdpyinfo xrandr; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

form="Résolution écran"
# Centres of the window's pictures, in the window's own pixels.
apply_at=(56 318)
close_at=(56 406)

# add_mode WIDTH HEIGHT: the mode created on the screen's output; the helper stays
# connected for the whole scenario, since the server forgets a mode with its creator.
add_mode() {
    mkfifo "$work/mode-helper.in"
    "$mode_helper" "$1" "$2" <"$work/mode-helper.in" >"$work/mode-helper.out" &
    started+=($!)
    exec {mode_helper_input}>"$work/mode-helper.in"
    wait_for 10 grep -q ready "$work/mode-helper.out" || fail "the mode helper did not get ready"
}

# remove_mode NAME: the mode taken off the screen's output.
remove_mode() {
    xrandr --delmode "$(xrandr | awk '/ connected/ {print $1; exit}')" "$1"
}

# start_dispotune: dispotune.exe from its directory, as the user starts it.
start_dispotune() {
    (cd "$app" && exec "$app/dispotune.exe" >>"$work/dispotune.log" 2>&1) &
    started+=($!)
}

dispotune_running() { pgrep -f "^$app/dispotune.exe" >/dev/null; }

screen_size() { xdpyinfo | awk '/dimensions:/ {print $2}'; }

window_pid() { xdotool getwindowpid "$1" 2>/dev/null || true; }

# pixel_at ID X Y: "R G B" of a point of the window, 8 bits each.
pixel_at() {
    local x y width height
    read -r x y width height < <(client_geometry "$1")
    import -window root -crop "1x1+$((x + $2))+$((y + $3))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n 1
}

# recommendation_shown ID: the apply picture's green tick is drawn.
recommendation_shown() {
    local r g b
    read -r r g b < <(pixel_at "$1" 54 320)
    [ "${g:-0}" -gt 120 ] && [ "${r:-255}" -lt 90 ]
}

# key_in TITLE KEY: a key pressed in the window of that title.
key_in() {
    local id
    id=$(wait_window "$1" 5) || return 1
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key "$2"
}
