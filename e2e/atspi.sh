# Sourced first, before runner.sh, by a scenario that drives the programs through
# the accessibility bus: the scenario runs again inside a D-Bus session of its own,
# which ends with it, and the Qt programs it starts publish their widgets there.

command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    { echo "SKIP: Python's AT-SPI bindings are missing"; exit 77; }

# The accessibility bus keeps its socket in the runtime folder, else in the home
# folder: one folder of its own, so that scenarios running side by side never share it.
if [ "${GALVANE_SESSION_BUS:-}" != "$0" ]; then
    runtime=$(mktemp -d)
    status=0
    XDG_RUNTIME_DIR=$runtime GALVANE_SESSION_BUS=$0 dbus-run-session -- bash "$0" "$@" || status=$?
    rm -rf "$runtime"
    exit "$status"
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# atspi find|do ROLE NAME ...: a widget found by role and name, acted on (atspi.py).
atspi() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"
}
