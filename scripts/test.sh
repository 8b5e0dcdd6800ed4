#!/usr/bin/env bash
# Builds and runs every test twice: in the normal build and in an AddressSanitizer +
# UndefinedBehaviorSanitizer build; builds a Release tree with Clang; fuzzes briefly.
# Installs what is missing first.
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
echo "== sanitizer build"
run build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON

# The optimiser's own warnings differ between compilers and build types; building is
# enough to keep them out.
echo "== Release build with Clang"
CC=clang CXX=clang++ cmake -S . -B build/clang-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/clang-release -j "$jobs"

# A short fuzzing run of the description-file loader under the same sanitizers; new
# inputs go to a scratch directory, the committed seeds stay as they are.
echo "== fuzzing the loader for ${VX_FUZZ_SECONDS:-30} s"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVX_SANITIZE=ON -DVX_FUZZ=ON -DVX_TESTS=OFF >/dev/null
cmake --build build/fuzz -j "$jobs" --target load_fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Inputs that end in a fatal report leave their half-built statement behind; that is
# by design (the process would end), so leaks are not what this run looks for.
ASAN_OPTIONS=detect_leaks=0 build/fuzz/fuzz/load_fuzz -max_total_time="${VX_FUZZ_SECONDS:-30}" \
  -print_final_stats=1 -artifact_prefix=build/fuzz/ "$scratch" fuzz/corpus/load 2>&1 | tail -n 12
