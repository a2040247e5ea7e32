#!/usr/bin/env bash
# Builds the asset generator and rewrites assets/frames/*.png and assets/icon/tessellon.ico.
# Output is deterministic: rerunning gives byte-identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build="${ASSETGEN_BUILD_DIR:-$repo/build/assetgen}"

mkdir -p "$build"
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -Wall -Wextra -pthread $(pkg-config --cflags libpng) \
    "$here"/*.cpp -o "$build/assetgen" $(pkg-config --libs libpng)

"$build/assetgen" "$repo"
echo "wrote $repo/assets/frames/frame01.png .. frame35.png and $repo/assets/icon/tessellon.ico"
