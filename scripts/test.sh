#!/usr/bin/env bash
# Builds and runs every test twice: in the normal build and in an AddressSanitizer +
# UndefinedBehaviorSanitizer build. Installs what is missing first.
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
echo "== sanitizer build"
run build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON
