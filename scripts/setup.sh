#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet: with the
# argument "demo", only what building and running the library and the demonstration
# needs; otherwise also the tools that test, measure and check it. Does nothing when all
# are installed; uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libfreetype-dev libstb-dev libpng-dev
  fonts-liberation2
)
if [[ "${1:-}" != demo ]]; then
  packages+=(
    make clang libclang-rt-14-dev clang-format clang-tidy
    libx11-dev libxtst-dev libxrender-dev libxdamage-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev flex
    xvfb xauth
    g++-mingw-w64-x86-64-posix wine64
    emscripten chromium
  )
  # The browser test's driver comes from the npm registry; a Node.js that brings its own
  # npm has no Debian package of it.
  command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
