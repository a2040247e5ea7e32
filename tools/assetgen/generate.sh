#!/usr/bin/env bash
# Builds the asset generator and rewrites every generated asset: assets/frames/*.png,
# assets/icon/tessellon.ico, assets/buttons/*.gif and assets/sounds/click.wav.
# Output is deterministic: rerunning gives byte-identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build="${ASSETGEN_BUILD_DIR:-$repo/build/assetgen}"

mkdir -p "$build"
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -Wall -Wextra -pthread $(pkg-config --cflags libpng) \
    "$here"/*.cpp -o "$build/assetgen" $(pkg-config --libs libpng) -lgif

"$build/assetgen" "$repo"
echo "wrote $repo/assets/frames/frame01.png .. frame35.png, $repo/assets/icon/tessellon.ico,"
echo "      $repo/assets/buttons/{help,contact,clear,calculate}.gif and $repo/assets/sounds/click.wav"
