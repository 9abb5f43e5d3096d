#!/usr/bin/env bash
# Records the first seconds of vyr's fire into an animated GIF, for the
# README, with LUMENBOX_RECORD on the headless display (no screen needed).
# Usage: scripts/record_fire.sh [VYR [GIF]]
#   VYR  the built program (default: build/demo/vyr; build it first)
#   GIF  where the recording goes (default: docs/fire.gif)
# FIRE_SECONDS sets how long the fire burns (default 1.3: at 50 frames a second a
# second of flames takes about 1.4 MB, and the GIF stays under 2 MB).
set -euo pipefail
cd "$(dirname "$0")/.."

vyr=${1:-build/demo/vyr}
gif=${2:-docs/fire.gif}
milliseconds=$(awk -v s="${FIRE_SECONDS:-1.3}" 'BEGIN { printf "%d", s * 1000 }')

[[ -x "$vyr" ]] || { echo "no program at $vyr: build vyr first" >&2; exit 1; }
# Escape ends vyr once the fire has burnt that long; the recording ends with it.
LUMENBOX_DISPLAY=headless LUMENBOX_RECORD="$gif" \
  LUMENBOX_HEADLESS_SCRIPT="wait-shown;wait-ms $milliseconds;key 27" "$vyr"
echo "recorded $(stat -c %s "$gif") bytes into $gif"
