#!/usr/bin/env bash
# Builds everything and runs the demonstration program. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake -S . -B build/normal -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/normal -j "${VX_JOBS:-2}"

if [[ ! -x build/normal/demo/zeftest ]]; then
  echo "demo: the library and its tests are built; the demonstration program is not built yet."
  exit 0
fi
exec build/normal/demo/zeftest "$@"
