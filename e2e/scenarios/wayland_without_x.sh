#!/usr/bin/env bash
# In a Wayland session without any X display, the navigator still starts, as a
# Wayland client: start-up runs to its end (the module flags reset), the main window
# is on screen on the general summary, and the navigator runs on until it is ended,
# without a crash. (A headless compositor has no input device, so no command can be
# pressed here.)
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../wayland.sh"
command -v weston-screenshooter >/dev/null || { echo "SKIP: weston-screenshooter is missing"; exit 77; }

start_wayland alone
layout_app
write_record "$app/TEMPO.GXS" 1 "OUI"
start_navigator
tries=200
until [ "$(read_record "$app/TEMPO.GXS" 1)" = "NON" ]; do
    ((tries-- > 0)) || fail "start-up did not reset the module flags"
    kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
    sleep 0.1
done
sleep 2
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended after its start-up"
picture=$(wayland_shot "summary") || fail "no screenshot"
# The general summary: far more than the few colours of an empty desktop.
colours=$(identify -format %k "$picture")
((colours > 200)) || fail "the main window is not on screen ($colours colours)"

kill "$navigator"
wait "$navigator" 2>/dev/null || true
! grep -E "ERROR: AddressSanitizer|runtime error|Segmentation|QXcb|qt.qpa.*(fatal|failed)" \
    "$work/navigator.log" || fail "the navigator reported errors"
echo "PASS"
