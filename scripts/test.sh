#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite through CTest.
# Extra arguments go to CMake, e.g. -DLUMENBOX_SANITIZE=thread; BUILD_DIR
# chooses the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
