#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and nothing when they are
# all there already. Extra package names on the command line are added to the list.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    # Qt: widgets and the core for the game, multimedia for the beep, platform plugins to show
    # windows. Qt6Gui's CMake files look for OpenGL (GL/gl.h, libGL.so, libGLX.so).
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev libglx-dev
    qt6-translations-l10n  # Qt's own texts (a text box's context menu) in Russian
    libgtest-dev libbenchmark-dev
    # The windows are drawn in Arial; Liberation Sans stands in for it.
    fonts-liberation
    # A virtual screen for looking at the real windows on a machine without a display, and
    # what the test that plays the game through X needs: a window manager, xdotool, xprop.
    xvfb xauth openbox xdotool x11-utils
    # The test that plays through the accessibility bus, as a screen reader does: a session
    # bus, the AT-SPI bus and Debian's python3 with its bindings.
    dbus at-spi2-core python3-pyatspi
    # The validators of the installed menu entry and software-centre metadata.
    desktop-file-utils appstream
    "$@"
)

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "This set-up is written for Debian 12. Install these packages by hand:" >&2
    echo "  ${packages[*]}" >&2
    exit 1
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [[ "$status" != ii* ]]; then
        missing+=("$package")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Installing packages needs root, and sudo is not available. As root, run:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

# No questions: CI has no terminal to answer them.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
