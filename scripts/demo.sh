#!/usr/bin/env bash
# Sets up, builds and runs vyr, the fire demo. Escape ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vyr
exec build/demo/vyr
