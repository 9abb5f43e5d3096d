#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build Lumenbox, and nothing
# when everything is there. Usage: scripts/setup.sh [--tests] [--fuzz] [--package]
# --tests adds what the end-to-end tests need (an X server, X tools, tmux).
# --fuzz adds clang and its fuzzer runtime, for scripts/fuzz.sh.
# --package adds what cpack needs for Debian packages, for scripts/package_test.sh.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libfontconfig-dev libsdl2-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          libfreetype-dev libpng-dev libgif-dev fonts-liberation2 fonts-dejavu-core
          libegl-dev libopengl-dev libegl1 libopengl0 libegl-mesa0 libgl1-mesa-dri)
for option in "$@"; do
  case "$option" in
    --tests) packages+=(xvfb x11-utils xdotool imagemagick tmux) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --package) packages+=(dpkg-dev file binutils) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
