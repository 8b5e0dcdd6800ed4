#!/usr/bin/env bash
# Runs the demonstration's tour and takes its screenshots as the tests' golden pictures
# (tests/data/tour/) and the README's pictures (docs/images/). Run it when a change to
# the drawing or to the demonstration is meant to change what the screen shows, look at
# the new pictures, and commit them with the change.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cmake -S . -B build/normal -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/normal -j "${VX_JOBS:-2}" --target zeftest
rm -f build/normal/demo/tour-*.png
build/normal/demo/zeftest --vx-backend=headless "--vx-replay=$root/demo/tour.replay"
mkdir -p tests/data/tour
rm -f tests/data/tour/*.png
cp build/normal/demo/tour-*.png tests/data/tour/
cp build/normal/demo/tour-4-drawing.png docs/images/demo.png
cp build/normal/demo/tour-3-colours.png docs/images/demo-popup.png
echo "goldens: tests/data/tour/ and docs/images/demo*.png written; look at them before committing"
