#!/usr/bin/env bash
# How much of a core a program takes while it waits in VXmainloop with the sdl back-end
# and nothing happens, and how often it wakes: vxtool preview in a window on a private X
# server, measured over IDLE_SECONDS (10) after a 2-second start, beside the anchor, a
# plain SDL program blocked in SDL_WaitEvent (bench/waitevent.c, built here). Two
# descriptions: one with nothing that needs the timer, which should sleep as the anchor
# does, and the sample, whose per-event function runs on every 10 ms tick.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${VXTOOL:-build/normal/tools/vxtool}
seconds=${IDLE_SECONDS:-10}

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cc -O2 bench/waitevent.c -o "$work/waitevent" $(pkg-config --cflags --libs sdl2)
cat >"$work/quiet.inf" <<'EOF'
window(root 0 0 640 480 black white black 0 1 0)
button(ok |OK| 100 100 80 30 black dgray lgray press 1 1 0 C)
EOF

exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r -u "$fd" display
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy

# CPU nanoseconds and voluntary context switches (sleeps that ended) of all its threads.
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
wakeups() {
  cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s }'
}

measure() {
  local name=$1
  shift
  "$@" >/dev/null 2>&1 &
  local program=$!
  pids+=("$program")
  sleep 2
  local cpu0 wake0 cpu1 wake1
  cpu0=$(cpu "$program") wake0=$(wakeups "$program")
  sleep "$seconds"
  cpu1=$(cpu "$program") wake1=$(wakeups "$program")
  kill "$program"
  wait "$program" 2>/dev/null || true
  awk -v n="$name" -v c=$((cpu1 - cpu0)) -v w=$((wake1 - wake0)) -v s="$seconds" \
    'BEGIN { printf "%-28s %7.3f %% of one core  %6.1f wake-ups a second\n", n, c / 1e7 / s, w / s }'
}

measure "anchor (SDL_WaitEvent)" "$work/waitevent"
measure "vx, nothing needs the timer" "$tool" preview "$work/quiet.inf" --vx-backend=sdl
measure "vx, a per-event function" "$tool" preview tests/data/everything.inf --vx-backend=sdl
