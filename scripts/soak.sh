#!/usr/bin/env bash
# The autopilot flies all 30 levels headless in each build given (normally the plain build and
# the ASan/UBSan build). Fails on an error status, a sanitizer report, a level that did not run
# to its end, or memory growth (resident memory after the last level more than 10 % above that
# after the second; each figure taken once the level is released, as levels differ in size; in
# the sanitizer build LeakSanitizer judges leaks instead). Prints each run's table and a balance report of the plain run.
# Usage: scripts/soak.sh BUILD [BUILD...]   (SEED=N, LEVELS=A-B to narrow it down)
set -uo pipefail
seed=${SEED:-0}
levels=${LEVELS:-1-30}
failed=0
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# table FILE: the per-level lines as a table.
table() {
    awk -F'[:,]' '
        function field(name,   i) { for (i = 1; i < NF; i++) if ($i == "\"" name "\"") return $(i + 1); return "" }
        BEGIN { printf "%5s %-10s %7s %5s %3s %3s %3s %5s %6s %6s %4s %6s %8s %8s %8s %7s %6s\n",
                "level", "result", "score", "kills", "brg", "bon", "x+", "lost", "shots", "hits", "acc%",
                "frames", "upd_p50", "upd_p99", "frm_p99", "rss_mb", "after" }
        /^\{/ {
            gsub(/[{}]/, "")
            r = field("result"); gsub(/"/, "", r)
            shots = field("shots_fired"); hits = field("shots_hit")
            printf "%5d %-10s %7d %5d %3d %3d %3d %5d %6d %6d %4d %6d %7.1fus %7.1fus %6.2fms %7.1f %6.1f\n",
                field("level"), r, field("score"), field("kills"), field("bridges"), field("bonuses"),
                field("extra_lives"), field("lives_lost"), shots, hits, (shots > 0 ? 100 * hits / shots : 0),
                field("frames"), field("update_us_p50"), field("update_us_p99"), field("frame_ms_p99"),
                field("rss_mb"), field("rss_after_mb")
        }' "$1"
}

# balance FILE: the levels the autopilot finds hardest and easiest (per minute of play).
balance() {
    awk -F'[:,]' '
        function field(name,   i) { for (i = 1; i < NF; i++) if ($i == "\"" name "\"") return $(i + 1); return "" }
        /^\{/ {
            gsub(/[{}]/, "")
            minutes = field("frames") / 3600.0
            if (minutes <= 0) next
            printf "%d %.2f %.1f %.1f\n", field("level"), field("lives_lost") / minutes,
                field("kills") / minutes, minutes
        }' "$1" | sort -k2,2nr -k3,3n >"$out/balance"
    echo "hardest (lives lost per minute, kills per minute, minutes):"
    head -5 "$out/balance" | awk '{ printf "  level %2d  %5.2f lost/min  %5.1f kills/min  %4.1f min\n", $1, $2, $3, $4 }'
    echo "easiest:"
    tail -5 "$out/balance" | sort -k2,2n -k3,3nr | awk '{ printf "  level %2d  %5.2f lost/min  %5.1f kills/min  %4.1f min\n", $1, $2, $3, $4 }'
    echo "least to do (kills per minute):"
    sort -k3,3n "$out/balance" | head -3 | awk '{ printf "  level %2d  %5.1f kills/min\n", $1, $3 }'
}

first=1
for build in "$@"; do
    game="$build/skyvane"
    [ -x "$game" ] || { echo "soak: no $game: build first" >&2; exit 1; }
    name=$(basename "$build")
    home=$(mktemp -d -p "$out")
    echo "== soak: $game --autopilot --levels $levels --headless --seed $seed"
    start=$(date +%s)
    XDG_DATA_HOME=$home \
        ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
        UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
        LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(dirname "$0")/lsan.supp} \
        "$game" --autopilot --levels "$levels" --headless --seed "$seed" >"$out/$name.json" 2>"$out/$name.err"
    status=$?
    echo "   $(($(date +%s) - start)) s, exit status $status"
    table "$out/$name.json"
    [ "$status" -eq 0 ] || { echo "soak FAILED ($name): exit status $status"; failed=1; }
    if grep -qE 'ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:' "$out/$name.err"; then
        echo "soak FAILED ($name): sanitizer report:"
        grep -E -A20 'ERROR: AddressSanitizer|ERROR: LeakSanitizer|runtime error:' "$out/$name.err" | head -60
        failed=1
    fi
    if grep -qvE '"result":"(complete|game_over)"' "$out/$name.json"; then
        echo "soak FAILED ($name): a level did not run to its end"
        failed=1
    fi
    expected=$(( ${levels#*-} - ${levels%-*} + 1 ))
    lines=$(grep -c '^{' "$out/$name.json")
    [ "$lines" -eq "$expected" ] || { echo "soak FAILED ($name): $lines of $expected levels reported"; failed=1; }
    # Memory must settle after the first levels: what the last level leaves behind within 10 % of
    # what the second left. Under AddressSanitizer resident memory is mostly its quarantine of
    # freed blocks and its shadow, which only grow; there LeakSanitizer judges leaks at exit.
    if ldd "$game" 2>/dev/null | grep -q libasan; then
        echo "   (memory growth: judged by LeakSanitizer in this build)"
        growth=ok
    else
        growth=$(awk -F'"rss_after_mb":' '/^\{/ { split($2, v, "}"); rss[++n] = v[1] }
                 END { if (n < 3) { print "ok"; exit } if (rss[n] > 1.10 * rss[2]) printf "%.1f -> %.1f MB", rss[2], rss[n]; else print "ok" }' "$out/$name.json")
    fi
    [ "$growth" = ok ] || { echo "soak FAILED ($name): memory left behind grew from the second level to the last: $growth"; failed=1; }
    if [ "$first" -eq 1 ]; then
        echo
        balance "$out/$name.json"
        first=0
    fi
    echo
done
[ "$failed" -eq 0 ] && echo "soak passed" || echo "soak FAILED"
exit "$failed"
