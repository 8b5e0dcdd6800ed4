#!/usr/bin/env bash
# Checks vx as its users get it: installs the normal build (a static library) and a
# shared build into scratch prefixes, builds and runs the examples against each with
# CMake, the first example also against the build tree and with plain cc and
# pkg-config, and vx inside a C project as a subproject. Called by scripts/test.sh after
# the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${VX_JOBS:-2}
out=build/package
rm -rf "$out"
mkdir -p "$out"

# Builds each example against PREFIX in build/package/NAME-LABEL and runs its tests.
examples() {
  local prefix=$1 label=$2
  for example in examples/*/; do
    local name dir
    name=$(basename "$example")
    dir="$out/$name-$label"
    cmake -S "$example" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      "-DCMAKE_PREFIX_PATH=$root/$prefix" >/dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure --timeout 120
  done
}

echo "== the tutorial shows the first example's files as they are"
# Each block under a "<!-- PATH -->" line must be the file PATH, whole.
mkdir -p "$out/tutorial"
awk -v dir="$out/tutorial" '
  /^<!-- .* -->$/ { file = $2; next }
  file != "" && /^```/ && !inside { inside = 1; n++; name = dir "/" n; print file > (dir "/list"); next }
  inside && /^```$/ { inside = 0; file = ""; close(name); next }
  inside { print > name }
' docs/tutorial.md
n=0
while read -r file; do
  n=$((n + 1))
  diff -u "$file" "$out/tutorial/$n" || { echo "docs/tutorial.md shows another $file"; exit 1; }
done <"$out/tutorial/list"

echo "== installed: the static library"
cmake --install build/normal --prefix "$out/static" >/dev/null
examples "$out/static" static

echo "== the package of the build tree, not installed"
cmake -S examples/first -B "$out/first-buildtree" -G Ninja "-Dvx_DIR=$root/build/normal" >/dev/null
cmake --build "$out/first-buildtree" -j "$jobs"
ctest --test-dir "$out/first-buildtree" --output-on-failure --timeout 120

echo "== installed: a C program built with cc and pkg-config, with and without --static"
mkdir -p "$out/cc"
cp examples/first/first.inf "$out/cc/"
for static in "" --static; do
  # shellcheck disable=SC2046  # the flags are words
  cc -std=c11 -Wall -Wextra -Werror examples/first/first.c -o "$out/cc/first" \
    $(PKG_CONFIG_PATH="$root/$out/static/lib/pkgconfig" pkg-config $static --cflags --libs vx)
  (cd "$out/cc" && ./first --vx-backend=headless "--vx-replay=$root/examples/first/first.replay")
done

echo "== installed: the shared library"
cmake -S . -B build/shared -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_SHARED_LIBS=ON \
  -DVX_TESTS=OFF -DVX_BENCH=OFF -DVX_DEMO=OFF >/dev/null
cmake --build build/shared -j "$jobs" --target vx vxtool
cmake --install build/shared --prefix "$out/shared" >/dev/null
library=$(readlink -f "$out/shared/lib/libvx.so")
soname=$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')
[[ "$soname" == libvx.so.2 ]] || { echo "libvx.so's SONAME is '$soname'"; exit 1; }
if nm -D --defined-only "$library" | awk '{ print $3 }' | grep -v '^VX[a-z]'; then
  echo "libvx.so exports the names above besides the public operations"
  exit 1
fi
examples "$out/shared" shared

echo "== vx inside a C project"
cmake -S tests/package -B "$out/parent" -G Ninja >/dev/null
if grep -q -- -Werror "$out/parent/build.ninja"; then
  echo "vx as a subproject adds -Werror to the build"
  exit 1
fi
cmake --build "$out/parent" -j "$jobs"
(cd "$out/parent" && ./first --vx-backend=headless "--vx-replay=$root/examples/first/first.replay")
echo "package: all good"
