#!/usr/bin/env bash
# check_install.sh BUILD_DIR CLIENT_SOURCE SANITIZERS COMPILER
set -euo pipefail
build=$1 client=$2 sanitize=$3 cxx=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

flags=""
[[ -n "$sanitize" ]] && flags="-fsanitize=$sanitize"

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# The CMake package.
cmake -S "$client" -B "$work/cmake-client" -G Ninja -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake-client" >/dev/null
"$work/cmake-client/client"

# The pkg-config file. The static library brings its dependencies along only
# when asked for them (Requires.private, Libs.private).
libdir=$(dirname "$(find "$work/prefix" -name lumenbox.pc | head -n 1)")
export PKG_CONFIG_PATH="$libdir${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046
"$cxx" $flags "$client/client.cpp" -o "$work/pc-client" $(pkg-config --static --cflags --libs lumenbox opengl)
"$work/pc-client"
echo "installed package: CMake and pkg-config clients passed"
