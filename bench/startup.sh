#!/usr/bin/env bash
# The CPU time of a whole `vxtool render` process (start-up, loading the sample
# description, drawing it headless, writing the PNG) beside the anchor, /bin/true, run in
# alternation STARTUP_RUNS (200) times each (bench/cputime.c, built here); and the shared
# libraries the render loads.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${VXTOOL:-build/normal/tools/vxtool}
runs=${STARTUP_RUNS:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 bench/cputime.c -o "$work/cputime"

"$work/cputime" "$runs" /bin/true -- \
  "$tool" render tests/data/everything.inf -o "$work/everything.png"
libraries=$(LD_DEBUG=files "$tool" render tests/data/everything.inf -o "$work/everything.png" 2>&1 |
  grep -c "generating link map" || true)
echo "shared libraries loaded by vxtool render: $libraries"
