#!/usr/bin/env bash
# Configures and builds the Windows program for one architecture.
# Usage: tools/build-windows.sh ARCH BUILD_DIR [DIST_DIR] [tests]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch="$1" build="$2" dist="${3:-}" tests="${4:-}"
options=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release)
[ -n "$dist" ] && options+=(-DTESSELLON_DIST_DIR="$dist")
[ "$tests" = tests ] && options+=(-DTESSELLON_BUILD_TESTS=ON) || options+=(-DTESSELLON_BUILD_TESTS=OFF)
if [ ! -f "$build/build.ninja" ] || [ "$root/cmake" -nt "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
else
  cmake "$build" "${options[@]}" >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" | grep -vE '^\[[0-9]+/[0-9]+\]' || true
test -f "$build/Tessellon.exe" || test -n "$dist" -a -f "$dist/Tessellon.exe"
