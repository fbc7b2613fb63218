#!/usr/bin/env bash
# Runs every benchmark program found in the given folder, one after another.
set -euo pipefail

folder=${1:?usage: run-benchmarks.sh FOLDER}
# The benchmarks that touch Qt need no screen.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

found=0
for program in "$folder"/*; do
    if [[ -f "$program" && -x "$program" ]]; then
        found=1
        echo "== $(basename "$program")"
        "$program"
    fi
done

if [[ $found -eq 0 ]]; then
    echo "No benchmark programs in $folder" >&2
    exit 1
fi
