#!/usr/bin/env bash
# The long random soak: ACTIONS random actions of the computer player, shared among one shard
# per core, each with a seed of its own. Stops with the first shard that finds a broken rule.
# Usage: run-soak.sh AUTOPLAY ACTIONS [SHARDS]
set -euo pipefail

autoplay="$1"
actions="$2"
shards="${3:-$(nproc)}"
per_shard=$(( (actions + shards - 1) / shards ))
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT

start=$(date +%s.%N)
pids=()
for shard in $(seq 1 "$shards"); do
    "$autoplay" --monkey --seed "$shard" --actions "$per_shard" >"$logs/$shard.log" 2>&1 &
    pids+=("$!")
done
status=0
for shard in $(seq 1 "$shards"); do
    if ! wait "${pids[$((shard - 1))]}"; then
        status=1
    fi
    cat "$logs/$shard.log"
done
end=$(date +%s.%N)

# The totals of all shards, measured on the wall clock.
awk -v start="$start" -v end="$end" '
    /^monkey:/ {
        for (i = 1; i <= NF; ++i) {
            if ($(i + 1) == "actions") actions += $i
            if ($(i + 1) == "game" && $(i + 2) == "hours") hours += $i
        }
    }
    END {
        seconds = end - start
        printf "soak: %d actions in %.0f s: %.0f actions/s, %.0f game hours/s\n",
               actions, seconds, actions / seconds, hours / seconds
    }' "$logs"/*.log
if [ "$status" -ne 0 ]; then
    echo "soak: a shard found a broken rule (see above)" >&2
fi
exit "$status"
