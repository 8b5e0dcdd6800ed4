#!/usr/bin/env bash
# How much of a core a program takes while it waits in VXmainloop with the sdl back-end
# and nothing happens: vxtool preview on the sample description, in a window on a
# private X server, measured over 10 seconds after a 2-second start. The anchor is no
# CPU at all; the wake-ups are the voluntary context switches in that time.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${VXTOOL:-build/normal/tools/vxtool}
seconds=${IDLE_SECONDS:-10}

exec {fd}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r -u "$fd" display
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software
"$tool" preview tests/data/everything.inf --vx-backend=sdl >/dev/null &
program=$!
trap 'kill $program 2>/dev/null; pkill -f "Xvfb -displayfd" 2>/dev/null || true' EXIT
sleep 2

cpu() { awk '{print $14 + $15}' "/proc/$program/stat"; }
switches() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$program/status"; }
cpu0=$(cpu) switches0=$(switches)
sleep "$seconds"
cpu1=$(cpu) switches1=$(switches)
ticks=$(getconf CLK_TCK)
awk -v c=$((cpu1 - cpu0)) -v t="$ticks" -v s="$seconds" -v w=$((switches1 - switches0)) \
  'BEGIN { printf "idle: %.2f %% of one core, %.0f wake-ups a second\n", 100 * c / t / s, w / s }'
