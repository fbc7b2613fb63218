#!/usr/bin/env bash
# Runs every libFuzzer program in a folder for a number of inputs each, from its seed corpus.
# A crash, a hang (over 10 s for one input) or a sanitizer report stops the run with an error.
# Usage: run-fuzzers.sh BUILD_FOLDER [RUNS]   (RUNS defaults to 10 million)
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_FOLDER [RUNS]}
runs=${2:-10000000}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for fuzzer in "$build"/fuzz/*_fuzz; do
    name=$(basename "$fuzzer")
    # New inputs go to a scratch copy of the corpus, so the repository's seeds stay as committed.
    mkdir -p "$work/$name"
    cp -r "$root/fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
    echo "== $name: $runs inputs"
    start=$(date +%s)
    if ! "$fuzzer" -runs="$runs" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
            -artifact_prefix="$work/" "$work/$name" >"$work/$name.log" 2>&1; then
        tail -40 "$work/$name.log"
        echo "== $name: FAILED (inputs that fail are kept in $build/fuzz/artifacts)"
        mkdir -p "$build/fuzz/artifacts"
        cp "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-* \
            "$build/fuzz/artifacts/" 2>/dev/null || true
        status=1
        continue
    fi
    seconds=$(( $(date +%s) - start ))
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$work/$name.log" || true
    echo "== $name: passed in ${seconds} s"
done
exit $status
