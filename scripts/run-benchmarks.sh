#!/usr/bin/env bash
# Runs every benchmark program found directly in the given folder, one after another. One that
# fails does not stop the others; the status says whether any failed.
set -uo pipefail

folder=${1:?usage: run-benchmarks.sh FOLDER}
# The benchmarks that touch Qt need no screen.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

found=0
failed=()
for program in "$folder"/*; do
    if [[ -f "$program" && -x "$program" ]]; then
        found=1
        echo "== $(basename "$program")"
        "$program" || failed+=("$(basename "$program")")
    fi
done

if [[ $found -eq 0 ]]; then
    echo "No benchmark programs in $folder" >&2
    exit 1
fi
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Failed: ${failed[*]}" >&2
    exit 1
fi
