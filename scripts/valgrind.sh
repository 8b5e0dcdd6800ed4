#!/usr/bin/env bash
# Runs the whole test suite once, as one process, under valgrind's memcheck: no memory
# error and no block definitely lost, in the test program or in the children its death
# tests fork. Slow (minutes); not part of the test command. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
command -v valgrind >/dev/null || {
  echo "valgrind: installing it"
  sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends valgrind
}

cmake -S . -B build/normal -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/normal -j "${VX_JOBS:-2}" --target vx_tests vxtool

log=build/normal/valgrind.log
rm -f "$log" "$log".*
echo "== the test suite under memcheck (log: $log)"
status=0
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --error-exitcode=99 --log-file="$log.%p" \
  build/normal/tests/vx_tests --gtest_brief=1 "$@" || status=$?
# One log a process: the test program's and each death test's child.
cat "$log".* >"$log"
rm -f "$log".*
echo "processes: $(grep -c 'ERROR SUMMARY' "$log")"
grep -h "ERROR SUMMARY" "$log" | sed 's/==[0-9]*== //' | sort | uniq -c
grep -h "definitely lost:" "$log" | sed 's/==[0-9]*== //' | sort | uniq -c || true
exit "$status"
