#!/usr/bin/env bash
# Dispotune in a Wayland session on a 1024 × 768 screen: XWayland lists an 800 × 600
# mode but refuses to set it, so applying the recommendation reports the error,
# checks again (a new instance shows the window) and the screen stays as it was;
# closing the window then starts the navigator.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../wayland.sh"

form="Résolution écran"
apply_at=(56 318) # Dispotune's apply and close pictures, in its window's pixels
close_at=(56 406)

start_wayland xwayland 1024 768
layout_app
stand_in GALVANE.EXE
(cd "$app" && exec "$app/dispotune.exe" >>"$work/dispotune.log" 2>&1) &
started+=($!)
window=$(wait_window "$form" 30) || fail "no Dispotune window"
first=$(xdotool getwindowpid "$window")
sleep 0.5

click_at "$window" "${apply_at[@]}"
message=$(wait_window "Dispotune" 20) || fail "no error message"
sleep 0.3
key_to "$message" Return

tries=300
until id=$(wait_window "$form" 1) && ! kill -0 "$first" 2>/dev/null &&
    [ "$(xdotool getwindowpid "$id")" != "$first" ]; do
    ((tries-- > 0)) || fail "the re-check shows no new window"
done
[ "$(xdotool getdisplaygeometry)" = "1024 768" ] || fail "the screen is $(xdotool getdisplaygeometry)"
started_program GALVANE.EXE 1 && fail "GALVANE.EXE started before the window closed"

sleep 0.5
click_at "$id" "${close_at[@]}"
started_program GALVANE.EXE 20 || fail "closing did not start GALVANE.EXE"
echo "PASS"
