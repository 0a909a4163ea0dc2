#!/usr/bin/env bash
# The Debian package on this machine: installed with apt-get, the navigator started
# by a pupil (not root) from the desktop entry's command with / as working directory,
# the summary, the help guide (a second click brings it forward), a chemistry page,
# quitting; then a school's course copied in survives a reinstallation and the
# removal, removing keeps only the flag file and that course, purging deletes the
# flag file, and a purge leaves nothing at all.
# Needs root and the package built by scripts/package.sh (GALVANE_PACKAGE_DIR).
source "$(dirname "$0")/../runner.sh"

[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
deb=$(ls "${GALVANE_PACKAGE_DIR:-}"/galvane_*.deb 2>/dev/null | head -n 1 || true)
[ -n "$deb" ] || { echo "SKIP: no package in '${GALVANE_PACKAGE_DIR:-}' (scripts/package.sh)"; exit 77; }
if dpkg-query -W -f='${Status}' galvane 2>/dev/null | grep -q 'ok installed' || [ -e /opt/galvane ]; then
    echo "SKIP: Galvane is already installed here; left alone"
    exit 77
fi

installed=/opt/galvane
desktop=/usr/share/applications/fr.galvane.Galvane.desktop
school=(GLXNOV.glb GLX.DIC ecole.rtf) # the school's course: two files replaced, one added

apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -qq "$@" >>"$work/apt.log" 2>&1 ||
        fail "apt-get $* failed: $(tail -n 5 "$work/apt.log")"
}

uninstall() {
    if dpkg-query -W galvane >/dev/null 2>&1; then
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -qq purge galvane \
            >>"$work/apt.log" 2>&1 || true
    fi
    local name
    for name in "${school[@]}"; do rm -f "$installed/$name"; done
    rmdir "$installed" 2>/dev/null || true
}
trap 'uninstall; stop_all' EXIT

# owned PATH: true when a package owns the path.
owned() { dpkg -S "$1" >/dev/null 2>&1; }

# remaining: the files left in the application directory, by name.
remaining() { [ -d "$installed" ] && (cd "$installed" && find . -type f | sed 's|^\./||' | sort | xargs); }

apt install "$deb"
[ -x "$installed/GALVANE.EXE" ] && owned "$installed/GALVANE.EXE" || fail "the navigator is not installed"
[ -f "$desktop" ] || fail "no desktop entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "the installed desktop entry is not valid"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net /usr/share/metainfo/fr.galvane.Galvane.metainfo.xml >/dev/null ||
        fail "the installed metainfo is not valid"
fi
[ -f "$installed/GLXNOV.glb" ] && ! owned "$installed/GLXNOV.glb" || fail "the demo course is not the school's"
[ "$(stat -c %a "$installed/TEMPO.GXS")" = 666 ] || fail "the flag file is not writable by every user"
[ "$(read_record "$installed/TEMPO.GXS" 22)" = "2.01" ] || fail "the flag file lacks the installed version"

command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = "$installed/GALVANE.EXE" ] || fail "the entry starts '$command'"
start_screen 800 600
# The Exec line has no field codes: its words are the command line.
(cd / && exec setpriv --reuid=nobody --regid=nogroup --clear-groups $command >>"$work/navigator.log" 2>&1) &
navigator=$!
started+=("$navigator")
window=$(wait_window "Solstice - LUMEN" 20) || fail "no main window on the summary"
sleep 0.5
[ "$(read_record "$installed/TEMPO.GXS" 1)" = "NON" ] || fail "the pupil's session could not write the flag file"
shot "1-summary"

click "$window" 553 76 # &Aide
help=$(wait_window "Aide du logiciel Galvane" 10) || fail "the help guide did not open"
started+=("$(xdotool getwindowpid "$help" || true)")
sleep 1
shot "2-help"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowraise "$window"
sleep 0.5
click "$window" 553 76 # &Aide again
sleep 1.5
[ "$(xdotool search --onlyvisible --name '^Aide du logiciel Galvane$' | wc -l)" -eq 1 ] ||
    fail "a second help viewer was opened"
[ "$(xdotool getactivewindow)" = "$help" ] || fail "the open help viewer was not brought forward"

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowraise "$window"
sleep 0.5
click "$window" 141 76 # C&himie
sleep 0.5
click "$window" 352 212 # chapter 1 unfolded
sleep 0.5
click "$window" 412 252 # its first entry
window=$(wait_window "Chimie" 10) || fail "the chemistry page is not shown"
sleep 0.5
shot "3-chemistry-page"

click "$window" 714 76 # &Quitter
wait_window "Quitter" 10 >/dev/null || fail "no confirmation"
press "Quitter" Return
navigator_ended 10 || fail "the navigator did not end"
xdotool windowclose "$help" 2>/dev/null || kill "$(xdotool getwindowpid "$help")" 2>/dev/null || true

# A school's course: files replaced and a file added, all kept by a reinstallation.
printf 'cours de l école' >>"$installed/GLXNOV.glb"
printf 'dictionnaire de l école' >>"$installed/GLX.DIC"
printf '{\\rtf1 page de l école}' >"$installed/ecole.rtf"
(cd "$installed" && md5sum "${school[@]}") >"$work/school.md5"
apt install --reinstall "$deb"
(cd "$installed" && md5sum --quiet -c "$work/school.md5") || fail "reinstalling lost the school's course"
[ "$(read_record "$installed/TEMPO.GXS" 22)" = "2.01" ] || fail "reinstalling lost the installed version"
[ "$(read_record "$installed/TEMPO.GXS" 1)" = "NON" ] || fail "reinstalling reset the flag file"

apt remove galvane
! owned "$installed/GALVANE.EXE" && [ ! -e "$desktop" ] && [ ! -e /usr/share/galvane ] ||
    fail "removing left files of the package"
[ "$(remaining)" = "GLX.DIC GLXNOV.glb TEMPO.GXS ecole.rtf" ] ||
    fail "removing left '$(remaining)', expected the school's course and the flag file"
(cd "$installed" && md5sum --quiet -c "$work/school.md5") || fail "removing changed the school's course"

apt purge galvane
[ "$(remaining)" = "GLX.DIC GLXNOV.glb ecole.rtf" ] || fail "purging left '$(remaining)'"
! dpkg-query -W -f='${Status}' galvane 2>/dev/null | grep -qE ' (installed|config-files)$' ||
    fail "the package is still known to dpkg"
uninstall

# Without a course of the school's, a purge leaves nothing behind.
apt install "$deb"
apt purge galvane
[ ! -e "$installed" ] || fail "purging left $installed: $(remaining)"
[ -z "$(dpkg -S galvane 2>/dev/null | grep -v '^dpkg-query' || true)" ] || fail "dpkg still lists files of ours"
echo "PASS"
