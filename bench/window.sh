#!/usr/bin/env bash
# What a program costs in a window: the demonstration, zeftest, opening its window on a
# private X server (Xvfb), beside the anchor, a plain SDL program that opens a 640 x 480
# window and shows one frame through the window surface (bench/surface.c). For each, the
# time from launch to the first frame on screen, the peak resident size, the shared
# libraries mapped once the window is up and the wake-ups a second while it waits
# (bench/watchwindow.c, which watches the window through the X server; both built
# here). WINDOW_RUNS (5) runs of each, in alternation; the medians and their ratios to
# the anchor.
set -euo pipefail
cd "$(dirname "$0")/.."
demo=${ZEFTEST:-build/normal/demo/zeftest}
runs=${WINDOW_RUNS:-5}
idle=${IDLE_SECONDS:-3}

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cc -O2 bench/surface.c -o "$work/surface" $(pkg-config --cflags --libs sdl2)
cc -O2 bench/watchwindow.c -o "$work/watchwindow" -lXdamage -lX11
# The demonstration reads its files from its own folder and writes its logs there.
mkdir "$work/demo"
cp "$demo" "$(dirname "$demo")"/{zeftest.inf,logo.rl4,version.txt} "$work/demo/"

exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r -u "$fd" display
export DISPLAY=":$display"

for ((i = 0; i < runs; i++)); do
  "$work/watchwindow" 1000 "$idle" "$work/surface" >>"$work/anchor"
  "$work/watchwindow" 1000 "$idle" "$work/demo/zeftest" --vx-backend=sdl >>"$work/vx"
done

# The median of column $2 of file $1.
median() {
  cut -d' ' -f"$2" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# The median of column $1 for vx over the anchor's; "-" when the anchor's is 0.
ratio() {
  awk -v a="$(median "$work/anchor" "$1")" -v v="$(median "$work/vx" "$1")" \
    'BEGIN { if (a > 0) printf "%.2f x", v / a; else print "-" }'
}
row() { printf '%-20s %14s %14s %14s %14s\n' "$@"; }
figures() {
  row "$1" "$(median "$work/$2" 1) ms" "$(median "$work/$2" 2 | awk '{ printf "%.1f", $1 / 1024 }') MB" \
    "$(median "$work/$2" 3)" "$(median "$work/$2" 4)"
}

row "" "first frame" "peak RSS" "libraries" "wake-ups/s"
figures "anchor (plain SDL)" anchor
figures "vx (zeftest)" vx
row "vx / anchor" "$(ratio 1)" "$(ratio 2)" "$(ratio 3)" "$(ratio 4)"
row "goal for vx" "150 ms" "25 MB" "30" "0"
echo "(medians of $runs runs each)"
