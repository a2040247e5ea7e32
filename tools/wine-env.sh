# Sourced by ./run, ./test, ./bench and tools/wine-exec: a private Wine prefix, a persistent
# wineserver, a virtual display when asked for one, and the Chinese locale.
#
# Sets: WINE (the loader to use), TESSELLON_ARCH (i686 when this host runs 32-bit Windows programs,
# else x86_64), WINEPREFIX, DISPLAY (for headless runs).

tessellon_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Some hosts (sandboxed kernels) cannot execute 32-bit Linux programs at all, and so no 32-bit
# Wine; the program is then run and tested in its 64-bit build there.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine TESSELLON_ARCH=i686
else
  export WINE=/usr/lib/wine/wine64 TESSELLON_ARCH=x86_64
fi
export WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${TESSELLON_WINEPREFIX:-$tessellon_root/build/wineprefix-$TESSELLON_ARCH}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
# The Chinese locale unless a run asks for another (the Western-locale test does).
export LANG="${TESSELLON_LANG:-zh_CN.UTF-8}" LC_ALL="${TESSELLON_LANG:-zh_CN.UTF-8}"

# A host path as Windows programs under Wine see it (the host's root is drive Z:).
tessellon_wine_path() { realpath "$1" | sed 's|^|Z:|; s|/|\\|g'; }

# Starts Xvfb on a display of our own unless one answers there. A socket or lock file alone proves
# nothing: a machine restored from a snapshot keeps them without the server behind them.
tessellon_start_xvfb() {
  local display="${TESSELLON_DISPLAY:-:77}"
  local number="${display#:}"
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    rm -f "/tmp/.X11-unix/X$number" "/tmp/.X$number-lock"
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    local up=""
    for _ in $(seq 1 150); do
      if xdpyinfo -display "$display" >/dev/null 2>&1; then up=1; break; fi
      sleep 0.1
    done
    [ -n "$up" ] || { echo "Xvfb did not start on $display" >&2; return 1; }
  fi
  export DISPLAY="$display"
}

# A persistent wineserver and a booted prefix, all output to /dev/null, so Wine's helper processes
# never hold a caller's pipes open and each later start is quick.
tessellon_prepare_wine() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true
  if [ ! -f "$WINEPREFIX/.tessellon-ready" ]; then
    echo "preparing the Wine prefix $WINEPREFIX (once)" >&2
    "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
    # No window manager here: without this Wine waits ~2 s whenever it hides a taskbar window.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    # This Wine build does not find its own fonts (Tahoma, Marlett for the caption buttons...)
    # where they are installed; the prefix's Fonts folder is always searched.
    # No sound device on this machine: no audio driver either, so sounds are skipped quietly
    # instead of each start probing ALSA and printing its complaints.
    if [ ! -e /dev/snd ]; then
      "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1 </dev/null
    fi
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.tessellon-ready"
  fi
  # Starts Wine's own services now (a no-op when they run), so no test program starts them with
  # its pipes.
  "$WINE" wineboot >/dev/null 2>&1 </dev/null || true
}
