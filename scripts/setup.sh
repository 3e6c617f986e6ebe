#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine (as root) and
# builds the presets native, native-asan, win32 and win64 (scripts/fuzz.sh
# builds its own target).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev file
  googletest libbenchmark-dev nlohmann-json3-dev libcli11-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine wine64 wine32:i386 xvfb xauth
  cloc fpc-source
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

for preset in native native-asan win32 win64; do
  echo "=== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
