#!/usr/bin/env bash
# Builds the demonstration and the panel example as web pages with emscripten (the canvas
# back-end, no ports) and serves them, or tests them in headless Chromium.
#   scripts/web.sh          build, then serve the page on 127.0.0.1 and print its address
#   scripts/web.sh build    build only, and print the folder that holds the pages
#   scripts/web.sh test     build, then play the tour in Chromium against the goldens
# VX_WEB_PORT chooses the port served (8000).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${VX_JOBS:-2}
out=build/web
page=$out/page
start=$SECONDS

bash scripts/setup.sh
# Debian's emscripten finds its JavaScript tools among Debian's node modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs:/usr/lib/nodejs}

# The glyph tables of a Linux build, when there is one, instead of making them again.
glyphs=()
if [[ -f build/normal/lib/glyphs.cpp ]]; then
  glyphs=("-DVX_GLYPHS=$root/build/normal/lib/glyphs.cpp")
fi
echo "== web: building the demonstration's and the panel's pages"
emcmake cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DVX_TESTS=OFF \
  -DVX_BENCH=OFF -DVX_INSTALL=OFF -DVX_STB_INCLUDE_DIR=/usr/include/stb "${glyphs[@]}" >/dev/null
cmake --build "$out" -j "$jobs" --target zeftest panel
rm -rf "$page"
mkdir -p "$page"
cp "$out"/demo/zeftest.{html,js,wasm,data} "$out"/examples/panel/panel.{html,js,wasm,data} "$page/"
for name in zeftest panel; do
  total=0
  for file in "$page/$name".*; do
    total=$((total + $(gzip -9 -c "$file" | wc -c)))
  done
  echo "web: $name.html in $page, $((total / 1024)) KiB compressed"
done
echo "web: built in $((SECONDS - start)) s"

case "${1:-}" in
  build)
    echo "$root/$page"
    ;;
  test)
    echo "== web: the tour in Chromium"
    begin=$SECONDS
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
    node tests/web/tour.mjs "$page" demo/tour.replay tests/data/tour
    echo "web: tested in Chromium in $((SECONDS - begin)) s"
    ;;
  "")
    port=${VX_WEB_PORT:-8000}
    echo "web: serving http://127.0.0.1:$port/zeftest.html and panel.html (Control-C stops)"
    exec python3 -m http.server -b 127.0.0.1 -d "$page" "$port"
    ;;
  *)
    echo "usage: scripts/web.sh [build|test]" >&2
    exit 2
    ;;
esac
