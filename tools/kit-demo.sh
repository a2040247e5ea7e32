#!/usr/bin/env bash
# Builds the kit demo and starts it under Wine. With a display it runs there until you press Esc;
# without one it runs on the virtual display, saves a screenshot to out/kit-demo.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
source tools/wine-env.sh
source tools/build-all.sh

tessellon_build_all
# The product build is i686 (dist/KitDemo.exe); a host with only 64-bit Wine runs the x86_64 build.
demo=dist/KitDemo.exe
[ "$TESSELLON_ARCH" = i686 ] || demo=build/x86_64/KitDemo.exe

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  tessellon_prepare_wine
  echo "starting $demo (Esc closes it)"
  exec "$WINE" "$demo"
fi

tessellon_start_xvfb
tessellon_prepare_wine
mkdir -p out
"$WINE" "$demo" </dev/null >/dev/null 2>&1 &
demo_pid=$!
trap 'kill "$demo_pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Tessellon kit demo"' && break
  sleep 0.1
done
sleep 1  # its first picture
import -window root out/kit-demo.png
echo "screenshot of the kit demo: out/kit-demo.png"
