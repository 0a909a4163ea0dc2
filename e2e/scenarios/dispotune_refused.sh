#!/usr/bin/env bash
# A mode change the server refuses: Dispotune reports the error code, checks again
# (a new instance shows the window) and starts the navigator when closed.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../dispotune.sh"

start_screen 1280 1024
add_mode 800 600
layout_app
stand_in GALVANE.EXE
start_dispotune
window=$(wait_window "$form" 30) || fail "no Dispotune window"
first=$(window_pid "$window")
remove_mode 800x600 || fail "the mode could not be removed"

click "$window" "${apply_at[@]}"
wait_window "Dispotune" 20 >/dev/null || fail "no error message"
shot "error"
key_in "Dispotune" Return || fail "the error message could not be answered"

new_instance() {
    local id
    id=$(xdotool search --onlyvisible --name "^$form\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && ! kill -0 "$first" 2>/dev/null && [ "$(window_pid "$id")" != "$first" ]
}
wait_for 30 new_instance || fail "the re-check shows no new window"
no_window "Dispotune" || fail "the error message stays"
[ "$(screen_size)" = 1280x1024 ] || fail "the screen changed to $(screen_size)"
started_program GALVANE.EXE 1 && fail "GALVANE.EXE started before the window closed"

window=$(wait_window "$form" 5) || fail "no Dispotune window"
click "$window" "${close_at[@]}"
started_program GALVANE.EXE 20 || fail "closing did not start GALVANE.EXE"
wait_for 10 bash -c "! pgrep -f '^$app/dispotune.exe' >/dev/null" || fail "dispotune.exe did not end"
echo "PASS"
