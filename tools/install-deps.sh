#!/usr/bin/env bash
# Installs what building and testing Tessellon needs on Debian, only where it is missing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(wine wine32:i386 wine64 fonts-wine
          g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
          cmake ninja-build g++ googletest libgtest-dev libpng-dev libgif-dev pkg-config
          xvfb xauth x11-utils imagemagick fonts-wqy-microhei locales)
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done

SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}" >&2
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >&2
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  echo "generating the zh_CN.UTF-8 locale" >&2
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
