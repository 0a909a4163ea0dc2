#!/usr/bin/env bash
# Started by its full path from another working directory (as a desktop menu does)
# on a 1024 × 768 screen, the navigator hands over to Dispotune, found beside it,
# every time the user starts it: twice here, each time Dispotune's window shows and
# closing it brings the navigator back.
source "$(dirname "$0")/../runner.sh"

form="Résolution écran"
close_at=(56 406) # Dispotune's close picture, in its window's pixels

start_screen 1024 768
layout_app
write_record "$app/TEMPO.GXS" 23 "ECRANAVOIR"
mkdir "$work/ailleurs"

for start in 1 2; do
    (cd "$work/ailleurs" && exec "$app/GALVANE.EXE" >>"$work/navigator.log" 2>&1) &
    navigator=$!
    started+=("$navigator")
    navigator_ended 20 || fail "start $start: the navigator did not hand over"
    expect_record TEMPO.GXS 23 "ECRANOK"
    dispotune=$(wait_window "$form" 30) || fail "start $start: no Dispotune window"
    sleep 0.5
    shot "$start-dispotune"

    click "$dispotune" "${close_at[@]}"
    main=$(wait_window "Solstice - LUMEN" 30) || fail "start $start: the navigator did not come back"
    navigator=$(xdotool getwindowpid "$main")
    started+=("$navigator")
    expect_record TEMPO.GXS 23 "ECRANAVOIR"
    kill "$navigator"
    navigator_ended 10 || fail "start $start: the navigator did not end"
done
echo "PASS"
