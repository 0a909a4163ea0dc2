#!/usr/bin/env bash
# In a Wayland session without any X display, the navigator still starts, as a
# Wayland client: start-up runs to its end (the module flags reset) and the main
# window is on screen on the general summary. Quitting works as everywhere, driven
# through the accessibility bus (the headless compositor has no input device):
# "&Quitter", then OK in the confirmation. With a module marked running, the windows
# to ask to quit cannot be looked for without X: that step passes silently, the flag
# file is left as it was, the exit program starts and the navigator ends cleanly.
source "$(dirname "$0")/../atspi.sh"
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
atspi find "push button" "Quitter" 20 || fail "no main window on the accessibility bus"
sleep 1
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended after its start-up"
picture=$(wayland_shot "summary") || fail "no screenshot"
# The general summary: far more than the few colours of an empty desktop.
colours=$(identify -format %k "$picture")
((colours > 200)) || fail "the main window is not on screen ($colours colours)"

write_record "$app/TEMPO.GXS" 1 "OUI" # as a running module marks itself
atspi do "push button" "Quitter" Press || fail "could not press Quitter"
atspi do "push button" "OK" Press 10 || fail "no confirmation to answer"
navigator_ended 10 || fail "the navigator did not end"
status=0
wait "$navigator" || status=$?
((status == 0)) || fail "the navigator ended with status $status"
started_program EPILOG.EXE 10 || fail "the exit program did not start"
expect_record TEMPO.GXS 1 "OUI"
! grep -E "ERROR: AddressSanitizer|runtime error|Segmentation|QXcb|qt.qpa.*(fatal|failed)" \
    "$work/navigator.log" || fail "the navigator reported errors"
echo "PASS"
