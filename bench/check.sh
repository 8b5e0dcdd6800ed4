#!/usr/bin/env bash
# The CPU time of a whole `vxtool check` process (start-up, reading, loading in the
# reporting mode, the lint warnings, the listing of the model) on a generated 5 MB
# description, beside the anchor, a process of the scanner flex generates from
# bench/tokens.l counting the same tokens, run in alternation CHECK_RUNS (20) times each
# (bench/cputime.c, built here); then on descriptions of 20 000, 40 000 and 80 000
# uniquely named buttons and popup items, whose CPU time per button must not grow. Takes
# the build folder as BUILD (default build/bench, a Release build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/bench}
runs=${CHECK_RUNS:-20}
tool=$build/tools/vxtool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 bench/cputime.c -o "$work/cputime"

"$build/bench/vx_describe" bytes 5242880 >"$work/5mb.inf"
echo "vxtool check of a 5 MB description beside a flex scanner of its tokens:"
"$work/cputime" "$runs" "$build/bench/vx_flextokens" "$work/5mb.inf" -- "$tool" check "$work/5mb.inf"

echo "vxtool check by the number of buttons:"
for count in 20000 40000 80000; do
  "$build/bench/vx_describe" buttons "$count" >"$work/buttons.inf"
  "$work/cputime" "$runs" "$build/bench/vx_flextokens" "$work/buttons.inf" -- \
    "$tool" check -Wno-popup-fit "$work/buttons.inf" |
    awk -v count="$count" 'NR == 2 { printf "%6d buttons: %8.0f us CPU, %.2f us a button, %s x the anchor\n", count, $(NF - 6), $(NF - 6) / count, $(NF - 3) }'
done
