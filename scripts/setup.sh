#!/usr/bin/env bash
# Installs what the project needs (Debian 12, idempotent, quiet when all is there),
# then configures and builds one build tree.
#   scripts/setup.sh BUILD_DIR [extra cmake arguments...]
# BUILD_TARGETS (space-separated) builds only those targets.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: setup.sh BUILD_DIR [cmake arguments]}
shift

packages=(
    cmake ninja-build g++ clang pkg-config ccache
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev libtomlplusplus-dev
    libx11-dev libxrandr-dev
    xvfb openbox xdotool x11-utils x11-xserver-utils imagemagick espeak-ng
    weston xwayland qt6-wayland
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
    fonts-liberation fonts-dejavu-core
    librsvg2-bin desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

# Paths relative to the checkout, so a fresh clone elsewhere (as CI makes) reuses the cache.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
read -ra targets <<<"${BUILD_TARGETS:-}"
cmake --build "$build" ${targets[@]:+--target "${targets[@]}"}
