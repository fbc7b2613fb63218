#!/usr/bin/env bash
# Redraws the game's pictures and the beep sound into ui/qt/. Run by hand after changing
# the drawing, look at the results, and commit them: the game's build only uses the files.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
# The icon's scalable picture is written with Qt's SVG module.
bash "$root/scripts/install-deps.sh" qt6-svg-dev
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build"
QT_QPA_PLATFORM=offscreen "$build/city-art" "$root/ui/qt"
python3 "$here/beep.py" "$root/ui/qt/sounds/beep.wav"
echo "Wrote the pictures under ui/qt/ (images/, icons/) and ui/qt/sounds/beep.wav"
