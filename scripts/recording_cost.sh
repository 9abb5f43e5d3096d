#!/usr/bin/env bash
# What recording adds to vyr's processor time: vyr runs on the headless display
# for the same span with and without LUMENBOX_RECORD, and the difference in
# its process CPU time (user plus system, all threads) is divided by the
# frames of that span at vyr's 60 a second.
#
#   scripts/recording_cost.sh [build-folder] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
span=${2:-10}
vyr=$build/demo/vyr
[[ -x $vyr ]] || { echo "recording_cost: $vyr is not built" >&2; exit 2; }
gif=$(mktemp --suffix=.gif)
trap 'rm -f "$gif"' EXIT

# Process CPU seconds of one run of vyr for `span` seconds.
cpu_seconds() {
  local times
  times=$( { /usr/bin/time -f "%U %S" env LUMENBOX_DISPLAY=headless "$@" \
      LUMENBOX_HEADLESS_SCRIPT="wait-shown;wait-ms $((span * 1000));key 27" "$vyr" >/dev/null; } 2>&1 | tail -1)
  awk '{ printf "%.2f", $1 + $2 }' <<<"$times"
}

plain=$(cpu_seconds)
recording=$(cpu_seconds LUMENBOX_RECORD="$gif")
awk -v p="$plain" -v r="$recording" -v s="$span" 'BEGIN {
  printf "vyr for %d s: %.2f s CPU plain, %.2f s recording: %.2f ms more per frame at 60 frames a second\n",
         s, p, r, (r - p) * 1000 / (60 * s) }'
