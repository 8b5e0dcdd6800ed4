#!/usr/bin/env bash
# Builds and runs every test twice: in the normal build and in an AddressSanitizer +
# UndefinedBehaviorSanitizer build; installs the library and builds and runs the
# examples against it; builds for Windows and tests that under Wine; builds the
# demonstration for the browser and plays its tour in Chromium; builds a Release tree
# with Clang; fuzzes briefly. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=${VX_JOBS:-2}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

run() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 300
}

echo "== normal build"
run build/normal -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The whole suite once more in one process: no test may depend on running alone.
echo "== every test in one process"
build/normal/tests/vx_tests --gtest_brief=1
# The project's clang-tidy checks over its own code: any finding fails the run.
echo "== clang-tidy"
tidy=$(run-clang-tidy -p build/normal -j "$jobs" -quiet "$PWD/(lib|tools|demo)/" 2>/dev/null | grep -E 'warning:|error:' || true)
if [[ -n "$tidy" ]]; then
  echo "$tidy"
  echo "clang-tidy found the above"
  exit 1
fi
# The library as its users get it: installed, found by CMake and pkg-config, shared,
# and inside another project.
bash scripts/package.sh
# Windows: cross-built with mingw-w64, its suite, tour, package and native window run
# under Wine.
bash scripts/windows.sh
# The browser: the demonstration built with emscripten, its tour played in headless
# Chromium with real pointer and key events and compared with the goldens.
bash scripts/web.sh test
echo "== sanitizer build"
run build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON

# The optimiser's own warnings differ between compilers and build types; building is
# enough to keep them out.
echo "== Release build with Clang"
CC=clang CXX=clang++ cmake -S . -B build/clang-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/clang-release -j "$jobs"

# A short fuzzing run of each fuzz target (the loader, drawing what it loads, replay
# scripts, events over a loaded description, state files, help files, RL4 pictures)
# under the same sanitizers; new inputs go to a scratch directory, the
# committed seeds stay as they are.
seconds=${VX_FUZZ_SECONDS:-20}
echo "== fuzzing each target for $seconds s"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVX_SANITIZE=ON -DVX_FUZZ=ON -DVX_TESTS=OFF -DVX_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs" --target load_fuzz draw_fuzz replay_fuzz events_fuzz state_fuzz help_fuzz \
  rl4_fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in load draw replay events state help rl4; do
  mkdir -p "$scratch/$target"
  # Inputs that end in a fatal report leave their half-built statement behind; that is
  # by design (the process would end), so leaks are not what these runs look for.
  if ! ASAN_OPTIONS=detect_leaks=0 "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ "$scratch/$target" "fuzz/corpus/$target" \
    >"$scratch/$target.log" 2>&1; then
    cat "$scratch/$target.log"
    echo "fuzzing $target found a fault; the input is in build/fuzz/"
    exit 1
  fi
  tail -n 5 "$scratch/$target.log"
done
