#!/usr/bin/env bash
# Takes a picture of vyr's fire on a virtual X server, for the README.
# Usage: scripts/fire_screenshot.sh [VYR [PICTURE]]
#   VYR      the built program (default: build/demo/vyr; build it first)
#   PICTURE  where the PNG goes (default: docs/fire.png)
# Needs Xvfb, xdotool and ImageMagick: scripts/setup.sh --tests installs them.
set -euo pipefail
cd "$(dirname "$0")/.."

vyr=${1:-build/demo/vyr}
picture=${2:-docs/fire.png}
# How long the fire burns before the picture is taken, in seconds.
burn=${FIRE_SECONDS:-3}

[[ -x "$vyr" ]] || { echo "no program at $vyr: build vyr first" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh --tests" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
vyr_pid=
cleanup() {
  set +e
  for pid in "$vyr_pid" "$xvfb_pid"; do
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A server on a display number it picks itself, so that it never meets another.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER LUMENBOX_DISPLAY=sdl "$vyr" >"$work/vyr.log" 2>&1 &
vyr_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Vyr$' 2>/dev/null | head -n 1) || true
  [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || { echo "vyr showed no window: $(cat "$work/vyr.log")" >&2; exit 1; }

sleep "$burn"
mkdir -p "$(dirname "$picture")"
import -window "$window" -strip "png:$picture"

# Escape ends vyr as a user would end it.
timeout 5 xdotool windowfocus --sync "$window" key Escape || true
for _ in $(seq 50); do kill -0 "$vyr_pid" 2>/dev/null || break; sleep 0.1; done
echo "wrote $picture"
