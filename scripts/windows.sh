#!/usr/bin/env bash
# Builds vx for 64-bit Windows with mingw-w64 and tests it under Wine: the library,
# vxtool.exe, the demonstration and the suite, all linked statically; packs them with
# the headers, the CMake package, vx.pc and the docs into build/windows/vx-VERSION-windows.zip.
#   scripts/windows.sh          build, test and pack
#   scripts/windows.sh build    build and pack only
# The tests: the suite's headless tests run by Wine, the demonstration's tour compared
# with the Linux goldens, the first example built against the unpacked zip with CMake
# and with a plain compiler line, and (when a Linux build is there to drive it) the
# native window on a private X server.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${VX_JOBS:-2}
out=build/windows
wine=/usr/lib/wine/wine64
start=$SECONDS

bash scripts/setup.sh

# The glyph tables of a Linux build, when there is one, instead of making them again.
glyphs=()
if [[ -f build/normal/lib/glyphs.cpp ]]; then
  glyphs=("-DVX_GLYPHS=$root/build/normal/lib/glyphs.cpp")
fi
echo "== Windows: cross-building"
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DVX_BENCH=OFF "${glyphs[@]}" >/dev/null
cmake --build "$out" -j "$jobs"

echo "== Windows: packing"
version=$(sed -n 's/^project(vx VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=vx-$version-windows
pack=$out/$name
rm -rf "$pack" "$out/$name.zip"
cmake --install "$out" --prefix "$pack" >/dev/null
mkdir -p "$pack/demo"
cp "$out/demo/zeftest.exe" demo/zeftest.inf demo/logo.rl4 demo/version.txt demo/tour.replay \
  "$pack/demo/"
cp README.md "$pack/"
(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "Windows: $out/$name.zip, $(du -k "$out/$name.zip" | cut -f1) KiB, built in $((SECONDS - start)) s"
[[ "${1:-}" == build ]] && exit 0

# Wine in a prefix of its own, quiet, and stopped when the script ends.
# The native window's tests use the same prefix.
export WINEPREFIX=$root/$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
server=/usr/lib/wine/wineserver
trap '"$server" -k 2>/dev/null || true' EXIT
if [[ ! -x $wine ]]; then
  echo "Windows: Wine is missing ($wine); scripts/setup.sh installs wine64"
  exit 1
fi
# The native window first: its tests make the prefix with the X server they start, and
# a prefix made without a display shows no windows later.
begin=$SECONDS
if [[ -x build/normal/tests/vx_tests ]]; then
  echo "== Windows: the native window under Wine, on a private X server"
  # Once more if they fail: a new prefix's first window has been seen to open at the scale
  # of a smaller work area, once, on a loaded machine.
  if ! VX_WINDOWS_BUILD=$root/$out build/normal/tests/vx_tests --gtest_brief=1 --gtest_filter='Win32*'; then
    echo "Windows: the native window's tests failed; running them once more"
    VX_WINDOWS_BUILD=$root/$out build/normal/tests/vx_tests --gtest_brief=1 --gtest_filter='Win32*'
  fi
else
  echo "== Windows: starting Wine (no Linux build to drive its window from)"
  # Its registry is written when its server ends.
  "$wine" cmd /c exit >/dev/null 2>&1 || true
  "$server" -w || true
fi
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "Windows: Wine could not start in $WINEPREFIX"
  exit 1
fi
echo "Wine started, and its window tested, in $((SECONDS - begin)) s"

echo "== Windows: the suite, headless, under Wine"
begin=$SECONDS
if ! (cd "$out/tests" && "$wine" ./vx_tests.exe --gtest_brief=1); then
  echo "Windows: the suite failed under Wine"
  exit 1
fi
echo "the suite ran in $((SECONDS - begin)) s"

# Two pictures show the same pixels: vxtool compare of the Linux build, or the same bytes.
same() {
  if [[ -x build/normal/tools/vxtool ]]; then
    build/normal/tools/vxtool compare "$1" "$2"
  else
    cmp "$1" "$2"
  fi
}

echo "== Windows: the tour matches the Linux goldens"
tour=$out/tour
rm -rf "$tour"
cp -r "$pack/demo" "$tour"
(cd "$tour" && "$wine" ./zeftest.exe --vx-backend=headless --vx-replay=tour.replay)
for golden in tests/data/tour/*.png; do
  same "$tour/$(basename "$golden")" "$golden"
done

echo "== Windows: the first example against the zip"
unpacked=$out/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "../$name.zip")
prefix=$root/$unpacked/$name
cmake -S examples/first -B "$out/first" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release "-Dvx_DIR=$prefix/lib/cmake/vx" >/dev/null
cmake --build "$out/first" -j "$jobs"
# As the README shows it: one compiler line with pkg-config's flags, and one without.
# shellcheck disable=SC2046  # the flags are words
x86_64-w64-mingw32-gcc-posix -std=c11 -Wall -Wextra -Werror examples/first/first.c \
  -o "$out/first/first-cc.exe" -static \
  $(PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" pkg-config --cflags --libs vx)
# shellcheck disable=SC2046  # the flags are words
x86_64-w64-mingw32-gcc-posix -std=c11 -Wall -Wextra -Werror examples/first/first.c \
  -o "$out/first/first-plain.exe" -static "-I$prefix/include" "-L$prefix/lib" -lvx -lstdc++ -lm \
  -lgdi32 -luser32
cp examples/first/first.inf "$out/first/"
for program in first.exe first-cc.exe first-plain.exe; do
  rm -f "$out/first/first-tour.png"
  (cd "$out/first" && "$wine" "./$program" --vx-backend=headless \
    "--vx-replay=Z:$root/examples/first/first.replay")
  same "$out/first/first-tour.png" examples/first/golden.png
done

echo "Windows: built and tested in $((SECONDS - start)) s"
