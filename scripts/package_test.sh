#!/usr/bin/env bash
# The Debian packages, as a user gets them: builds the shared library and vyr
# (Release, no tests, benchmarks or examples), makes the packages with
# `cpack -G DEB`, unpacks them into a scratch root with `dpkg-deb -x`, and
# checks there that
#  - a client builds against the unpacked headers and library through the
#    CMake package and through pkg-config, and runs on the headless display;
#  - vyr needs only system libraries and liblumenbox, holds no copy of the
#    library, and ends with status 0 when Escape is pressed;
#  - the library's SONAME carries the major version, and it exports the
#    lumenbox namespace's public calls and data only, none of the platform
#    stand-in's or the displays' internals.
# BUILD_DIR chooses the build folder (default: build-package); the packages
# are left in it.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
scripts/setup.sh --package

build=${BUILD_DIR:-build-package}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package test: $*" >&2
  exit 1
}

# ---- Build and pack -------------------------------------------------------
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DLUMENBOX_SHARED=ON -DLUMENBOX_BUILD_TESTS=OFF -DLUMENBOX_BUILD_BENCH=OFF -DLUMENBOX_BUILD_EXAMPLES=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)

root=$work/root
shopt -s nullglob
packages=("$build"/*.deb)
[[ ${#packages[@]} -gt 0 ]] || fail "cpack made no package"
for package in "${packages[@]}"; do
  echo "== $(basename "$package"): Depends: $(dpkg-deb -f "$package" Depends)"
  dpkg-deb -c "$package" | awk '$NF !~ /\/$/ {print "   " $6 ($7 ? " " $7 " " $8 : "")}'
  dpkg-deb -x "$package" "$root"
done

# ---- What the packages hold -----------------------------------------------
major=$(sed -n 's/^project(Lumenbox VERSION \([0-9]*\)\..*/\1/p' CMakeLists.txt)
library=$(find "$root" -name "liblumenbox.so.$major" | head -n 1)
[[ -n "$library" ]] || fail "no liblumenbox.so.$major in the packages"
libdir=$(dirname "$library")
soname=$(readelf -d "$library" | sed -n 's/.*Library soname: \[\(.*\)\]/\1/p')
[[ "$soname" == "liblumenbox.so.$major" ]] || fail "SONAME is '$soname', not liblumenbox.so.$major"
vyr=$root/usr/bin/vyr
[[ -x "$vyr" ]] || fail "no vyr in the packages"
[[ -f "$root/usr/share/man/man6/vyr.6.gz" ]] || fail "no manual page for vyr"
[[ -f "$libdir/pkgconfig/lumenbox.pc" && -f "$libdir/cmake/Lumenbox/LumenboxConfig.cmake" ]] ||
  fail "no pkg-config file or CMake package"

# ---- Exports --------------------------------------------------------------
# Every symbol the library defines for others is one of the lumenbox
# namespace's, and none belongs to the stand-in or the displays.
exported=$(nm -D --defined-only -C "$library" | awk '$2 != "A"' | cut -d ' ' -f 3-)
stray=$(grep -v '^lumenbox::' <<<"$exported" || true)
[[ -z "$stray" ]] || fail "exports names outside the lumenbox namespace:"$'\n'"$stray"
internal=$(grep -E '^lumenbox::(win|display|detail)::' <<<"$exported" || true)
[[ -z "$internal" ]] || fail "exports internals:"$'\n'"$internal"
for name in lumenbox::OpenGraphics lumenbox::GraphState lumenbox::NextKey lumenbox::RandomBelow \
            lumenbox::NextPointerEvent; do
  grep -q "^$name\b" <<<"$exported" || fail "does not export $name"
done
echo "liblumenbox.so.$major exports $(wc -l <<<"$exported") public names, no internal one"

# ---- vyr ------------------------------------------------------------------
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
export LUMENBOX_DISPLAY=headless
# Each library ldd resolves is liblumenbox from the unpacked root or a system
# library (from /lib or /usr/lib); none is missing ("not found").
while read -r name _ path _; do
  case "$name" in
    linux-vdso.so.*) ;;
    liblumenbox.so.*) [[ "$path" == "$libdir/$name" ]] || fail "vyr loads $name from $path" ;;
    *) [[ "$path" =~ ^/(usr/)?lib(64|32|x32)?/ || "$name" =~ ^/lib ]] || fail "vyr needs $name ($path)" ;;
  esac
done < <(ldd "$vyr")
# No copy of the library inside vyr: none of its public names is defined there.
copied=$(comm -12 <(sed 's/(.*//' <<<"$exported" | sort -u) \
                  <(nm --defined-only -C "$vyr" | cut -d ' ' -f 3- | sed 's/(.*//' | sort -u))
[[ -z "$copied" ]] || fail "vyr holds its own copy of the library:"$'\n'"$copied"
LUMENBOX_HEADLESS_SCRIPT="wait-shown;wait-ms 200;key 27" timeout 60 "$vyr" ||
  fail "vyr did not end with status 0 on Escape"
echo "vyr: only system libraries and liblumenbox.so.$major; Escape ends it"

# ---- A client of the unpacked packages --------------------------------------
client=$source/tests/install/client
check_client() {
  local program=$1
  [[ "$(ldd "$program")" == *"liblumenbox.so.$major => $libdir/"* ]] || fail "$program does not load the unpacked library"
  "$program" || fail "$program failed"
}
cmake -S "$client" -B "$work/cmake-client" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$work/cmake-client" >/dev/null
check_client "$work/cmake-client/client"

export PKG_CONFIG_PATH="$libdir/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
# shellcheck disable=SC2046
"${CXX:-c++}" "$client/client.cpp" -o "$work/pc-client" $(pkg-config --cflags --libs lumenbox opengl)
check_client "$work/pc-client"
echo "package test passed: the CMake and pkg-config clients ran against the unpacked packages"
