#!/bin/bash
# Dispotune end to end under Xvfb: the real dispotune.exe in a temporary application
# directory whose GALVANE.EXE is a stand-in that records its start.
#
#   dispotune_e2e.sh DISPOTUNE_EXE XRANDR_MODE_HELPER [SCREENSHOT_DIR]
#
# Exit 0 when every scenario passes, 1 otherwise, 77 when a tool is missing.
set -u

dispotune=$1
modeHelper=$2
screens=${3:-$PWD/dispotune-screens}

for tool in Xvfb xdotool xdpyinfo xrandr import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

mkdir -p "$screens"
work=$(mktemp -d)
xvfbPid=
helperPid=
failures=0

stopHelper() {
    if [ -n "$helperPid" ]; then
        exec 4>&-
        kill "$helperPid" 2>/dev/null
        wait "$helperPid" 2>/dev/null
        helperPid=
    fi
}

stopX() {
    stopHelper
    if [ -n "$xvfbPid" ]; then
        kill "$xvfbPid" 2>/dev/null
        wait "$xvfbPid" 2>/dev/null
        xvfbPid=
    fi
}

cleanup() {
    stopX
    # Instances of the copied dispotune.exe that a scenario left running.
    for pid in $(pgrep -f "^$work/"); do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL [$scenario]: $*"
    failures=$((failures + 1))
}

# waitFor SECONDS COMMAND...: true as soon as the command succeeds.
waitFor() {
    local tries=$(($1 * 10))
    shift
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# startX WIDTHxHEIGHTxDEPTH: a fresh server on a free display number.
startX() {
    local displayFile
    displayFile=$(mktemp -p "$work" display.XXXX)
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$displayFile" 2>"$work/xvfb.log" &
    xvfbPid=$!
    waitFor 10 grep -q '[0-9]' "$displayFile" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(head -n1 "$displayFile")"
}

# addMode WIDTH HEIGHT: the helper creates the mode and stays connected so it lives.
addMode() {
    mkfifo "$work/helper.in"
    "$modeHelper" "$1" "$2" <"$work/helper.in" >"$work/helper.out" &
    helperPid=$!
    exec 4>"$work/helper.in"
    rm -f "$work/helper.in"
    waitFor 10 grep -q ready "$work/helper.out" || fail "the mode helper did not get ready"
}

# appDir NAME: an application directory holding dispotune.exe and the stand-in.
appDir() {
    local dir=$work/$1
    mkdir -p "$dir"
    cp "$dispotune" "$dir/dispotune.exe"
    printf '#!/bin/sh\necho started >>"$(dirname "$0")/galvane-started"\n' >"$dir/GALVANE.EXE"
    chmod +x "$dir/GALVANE.EXE"
    echo "$dir"
}

runDispotune() {
    (cd "$1" && "$1/dispotune.exe" >>"$1/dispotune.log" 2>&1 &)
}

windowId() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
windowPid() { xdotool getwindowpid "$(windowId "$1")" 2>/dev/null; }
# replacedWindow TITLE OLD_PID: the old process has ended and a new one shows the window.
replacedWindow() {
    ! kill -0 "$2" 2>/dev/null && hasWindow "$1" && [ "$(windowPid "$1")" != "$2" ]
}
hasWindow() { [ -n "$(windowId "$1")" ]; }
noWindow() { ! hasWindow "$1"; }
galvaneStarted() { [ -s "$1/galvane-started" ]; }
dispotuneEnded() { ! pgrep -f "^$1/dispotune.exe" >/dev/null; }
screenSize() { xdpyinfo | awk '/dimensions:/ {print $2}'; }

# click WINDOW_TITLE X Y: a left click at a point of the window.
click() {
    local id
    id=$(windowId "$1")
    xdotool mousemove --window "$id" "$2" "$3" click 1
}

shot() { import -window root "$screens/$1.png" 2>/dev/null; }

# Centres of the window's pictures, in the window's own pixels.
applyAt=(56 318)
closeAt=(56 406)

form="Résolution écran"

scenario="suitable 800x600x24 at 96 DPI"
startX 800x600x24
dir=$(appDir suitable)
runDispotune "$dir"
waitFor 20 galvaneStarted "$dir" || fail "GALVANE.EXE was not started"
noWindow "$form" || fail "the window was shown"
waitFor 10 dispotuneEnded "$dir" || fail "dispotune.exe did not end"
stopX

scenario="1280x1024 without an 800x600 mode, closed"
startX 1280x1024x24
dir=$(appDir nomode)
runDispotune "$dir"
waitFor 20 hasWindow "$form" || fail "the window was not shown"
shot dispotune-no-recommendation
galvaneStarted "$dir" && fail "GALVANE.EXE started while the window is open"
click "$form" "${closeAt[@]}"
waitFor 20 galvaneStarted "$dir" || fail "closing did not start GALVANE.EXE"
waitFor 10 noWindow "$form" || fail "the window stayed open"
waitFor 10 dispotuneEnded "$dir" || fail "dispotune.exe did not end"
stopX

scenario="1280x1024, the recommended 800x600 mode applied"
startX 1280x1024x24
addMode 800 600
dir=$(appDir apply)
runDispotune "$dir"
waitFor 20 hasWindow "$form" || fail "the window was not shown"
shot dispotune-recommendation
click "$form" "${applyAt[@]}"
# The change succeeds, Dispotune starts itself again, finds the display suitable and
# hands over to the navigator without a window.
waitFor 20 galvaneStarted "$dir" || fail "the re-check did not start GALVANE.EXE"
[ "$(screenSize)" = 800x600 ] || fail "the screen is $(screenSize), not 800x600"
noWindow "$form" || fail "the window is still shown"
stopX

scenario="1280x1024, the mode change refused"
startX 1280x1024x24
addMode 800 600
dir=$(appDir refused)
runDispotune "$dir"
waitFor 20 hasWindow "$form" || fail "the window was not shown"
firstPid=$(windowPid "$form")
# The recommended mode is withdrawn before it is applied.
xrandr --delmode "$(xrandr | awk '/ connected/ {print $1; exit}')" 800x600 ||
    fail "the mode could not be withdrawn"
click "$form" "${applyAt[@]}"
waitFor 20 hasWindow Dispotune || fail "no error message"
shot dispotune-refused
box=$(windowId Dispotune)
[ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
waitFor 10 noWindow Dispotune || fail "the error message stayed open"
# The re-check: a new instance shows the window again (the screen is unchanged).
waitFor 20 replacedWindow "$form" "$firstPid" || fail "the re-check did not show a new window"
[ "$(screenSize)" = 1280x1024 ] || fail "the screen changed to $(screenSize)"
galvaneStarted "$dir" && fail "GALVANE.EXE started after a refused change"
click "$form" "${closeAt[@]}"
waitFor 20 galvaneStarted "$dir" || fail "closing did not start GALVANE.EXE"
stopX

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s); screenshots in $screens"
    exit 1
fi
echo "Dispotune end to end: every scenario passed; screenshots in $screens"
