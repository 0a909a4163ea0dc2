#!/usr/bin/env bash
# A 1024 × 768 screen: the navigator hands over to Dispotune, which recommends the
# 800 × 600 mode; closing its window brings the navigator back, which goes on with
# an 800 × 600 window in the middle of the screen.
source "$(dirname "$0")/../runner.sh"
source "$(dirname "$0")/../dispotune.sh"

start_screen 1024 768
add_mode 800 600
layout_app
start_navigator
navigator_ended 20 || fail "the navigator did not hand over"
expect_record TEMPO.GXS 23 "ECRANOK"
window=$(wait_window "$form" 30) || fail "no Dispotune window"
sleep 0.5
shot "recommendation"
recommendation_shown "$window" || fail "no recommended mode shown"
no_window "Solstice - LUMEN" || fail "main window shown"

click "$window" "${close_at[@]}"
main=$(wait_window "Solstice - LUMEN" 30) || fail "the navigator did not come back"
no_window "$form" || fail "the Dispotune window stays"
wait_for 10 bash -c "! pgrep -f '^$app/dispotune.exe' >/dev/null" || fail "dispotune.exe did not end"
sleep 0.5
shot "navigator"
expect_record TEMPO.GXS 23 "ECRANAVOIR"
expect_centred_on_1024 "$main"
echo "PASS"
