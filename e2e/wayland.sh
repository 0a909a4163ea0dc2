# Sourced by the Wayland scenarios after runner.sh: a headless Wayland compositor
# (weston), with or without its XWayland display, as the session the programs are
# started in. The scenario's first argument is the X helper (xclickhelper), which
# sends input straight to windows, since XWayland without any input device ends
# when the pointer is moved through XTEST, and watches for activation requests.

click_helper=${1:?the click helper}

command -v weston >/dev/null || { echo "SKIP: weston is missing"; exit 77; }

# start_wayland xwayland|alone [WIDTH HEIGHT]: the compositor (800 × 600 unless
# told), exported as the session's WAYLAND_DISPLAY, with DISPLAY its XWayland
# display or no X display at all; no platform chosen for Qt. Alone, it renders and
# takes screenshots (wayland_shot).
start_wayland() {
    local options=(--use-pixman --debug) tries=100 display
    [ "$1" = xwayland ] && options=(--xwayland)
    export XDG_RUNTIME_DIR="$work/runtime" XDG_SESSION_TYPE=wayland
    export WAYLAND_DISPLAY="galvane-$$"
    unset QT_QPA_PLATFORM DISPLAY
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Where weston makes XWayland's socket; X servers make it, so a machine that has
    # run none yet lacks it.
    [ "$1" != xwayland ] || [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
    weston --backend=headless-backend.so --width="${2:-800}" --height="${3:-600}" \
        --socket="$WAYLAND_DISPLAY" \
        --idle-time=0 --no-config "${options[@]}" >"$work/weston.log" 2>&1 &
    started+=($!)
    until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
        ((tries-- > 0)) || fail "weston did not start"
        sleep 0.1
    done
    [ "$1" = xwayland ] || return 0
    until display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log") &&
        [ -n "$display" ]; do
        ((tries-- > 0)) || fail "no XWayland display"
        sleep 0.1
    done
    export DISPLAY=$display
    tries=100
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        ((tries-- > 0)) || fail "XWayland did not start"
        sleep 0.1
    done
}

# click_at ID X Y: a left click at a point of the window, sent to the window.
click_at() {
    "$click_helper" click "$1" "$2" "$3"
}

# click_for TITLE ID X Y: a click at a point of the window that opens a window of
# that title, whose id it prints; clicked again when none opened within 5 seconds,
# since on a loaded machine a click sent straight to a window is now and then lost.
click_for() {
    local attempt
    for attempt in 1 2; do
        click_at "$2" "$3" "$4"
        wait_window "$1" 5 && return 0
    done
    return 1
}

# await_activation ID: from now on, watches for a request to the desktop to bring
# window ID to the front (see the helper); activation_requested then tells.
await_activation() {
    "$click_helper" activation "$1" 10 >"$work/activation" &
    activation_watch=$!
    started+=($!)
    local tries=100
    until grep -q '^ready$' "$work/activation" 2>/dev/null; do
        ((tries-- > 0)) || fail "the activation watch did not start"
        sleep 0.1
    done
}

# activation_requested: true once the watched request came marked as the user's
# own action (source 2), as the navigator sends it; a program asking for its own
# window marks it otherwise.
activation_requested() {
    wait "$activation_watch" && grep -q '^source 2$' "$work/activation"
}

# key_to ID KEYSYM: a key pressed in the window, sent to it.
key_to() {
    "$click_helper" key "$1" "$2"
}

# wayland_shot NAME: a screenshot of the compositor's screen, printed as its path.
wayland_shot() {
    local dir=${GALVANE_SHOTS:-$work} before
    mkdir -p "$dir"
    before=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null || true)
    (cd "$work" && weston-screenshooter >/dev/null 2>&1) || return 1
    for file in "$work"/wayland-screenshot-*.png; do
        case "$before" in *"$file"*) continue ;; esac
        mv "$file" "$dir/$(basename "$0" .sh)-$1.png"
        echo "$dir/$(basename "$0" .sh)-$1.png"
        return 0
    done
    return 1
}
