#!/usr/bin/env bash
# Sets up, builds and runs vyr, the fire demo. Escape ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target vyr
exec build/demo/vyr
