#!/usr/bin/env bash
# Builds the library and the demonstration program, zeftest, and runs it: in a window
# when there is a display; otherwise headless through demo/tour.replay, writing a
# screenshot at each step of the tour and printing where they went. Arguments are
# passed on to the program (the toolkit's --vx- options). Installs what is missing for
# that first, and builds only the library and the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh demo

cmake -S . -B build/demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_TESTS=OFF \
  -DVX_BENCH=OFF >/dev/null
cmake --build build/demo -j "${VX_JOBS:-2}" --target zeftest
program=build/demo/demo/zeftest

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program" "$@"
fi

echo "demo: no display; touring the demonstration headless"
rm -f build/demo/demo/tour-*.png
"$program" "--vx-replay=$root/demo/tour.replay" "$@"
echo "demo: the tour's screenshots:"
for shot in build/demo/demo/tour-*.png; do
  echo "  $root/$shot"
done
