#!/usr/bin/env bash
# The difficulty curve as people would meet it: the novice, average and expert pilots each fly
# every level from its start with three lives, with SEEDS seeds each (default 8), JOBS flights at
# a time (default: the machine's cores), without drawing. Then the balance report prints a table
# per level and pilot and writes BUILD/balance/balance.jsonl and balance.png.
# Usage: scripts/balance.sh BUILD   (SEEDS=N, LEVELS=A-B, PILOTS="novice expert" to narrow it down)
set -euo pipefail
build=${1:-build}
seeds=${SEEDS:-8}
levels=${LEVELS:-1-30}
pilots=${PILOTS:-novice average expert}
jobs=${JOBS:-$(nproc)}
out="$build/balance"
mkdir -p "$out/runs"
rm -f "$out"/runs/*.jsonl

for pilot in $pilots; do
    for seed in $(seq 1 "$seeds"); do
        echo "$pilot $seed"
    done
done | xargs -P "$jobs" -n 2 sh -c '
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$2/home" \
        "$1/skyvane" --autopilot --headless --undrawn --pilot "$4" --seed "$5" --levels "$3" \
        > "$2/runs/$4-$5.jsonl"' sh "$build" "$out" "$levels"

"$build/tools/balance" --tree "$build/data" --out "$out" "$out"/runs/*.jsonl
