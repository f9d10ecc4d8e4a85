#!/usr/bin/env bash
# How much of one CPU core the game takes without a graphics card: it runs under a virtual X
# server (Mesa's software OpenGL is all there is there) for SECONDS seconds in each situation and
# the game's own processor time is divided by the wall time. Usage: scripts/cpu.sh [BUILD] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
game="$build/skyvane"
[ -x "$game" ] || { echo "no $game: build first" >&2; exit 1; }

display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
home=$(mktemp -d)
trap 'kill $xserver 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1

ticks() { # user + system clock ticks of a process
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# measure LABEL ARGS...: the share of a core over SECONDS, after three seconds of start-up.
measure() {
    local label=$1
    shift
    DISPLAY=$display XDG_DATA_HOME=$home SDL_AUDIODRIVER=dummy "$game" "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local game0 x0 game1 x1
    game0=$(ticks $pid)
    x0=$(ticks $xserver)
    sleep "$seconds"
    game1=$(ticks $pid)
    x1=$(ticks $xserver)
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    local hz
    hz=$(getconf CLK_TCK)
    awk -v g=$((game1 - game0)) -v x=$((x1 - x0)) -v hz="$hz" -v s="$seconds" -v l="$label" \
        'BEGIN { printf "%-28s game %5.1f %% of a core   (X server %5.1f %%)\n", l, 100 * g / hz / s, 100 * x / hz / s }'
}

for renderer in auto opengl; do
    measure "menu, renderer $renderer" --windowed --renderer "$renderer"
done
if "$game" --help | grep -q -- '--autopilot'; then
    measure "level 1, renderer auto" --windowed --autopilot --levels 1-1
else
    echo "level 1: not measured (this build cannot start a level from the command line)"
fi
