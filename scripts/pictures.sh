#!/usr/bin/env bash
# Regenerates the README's pictures with the library's own SavePicture, on
# the headless display: vyr's fire after 200 frames (docs/fire.png), the
# drawing calls' showcase (docs/showcase.png) and the hatch and palette table
# (docs/hatch_table.png). The paint example's picture (docs/paint.png) needs
# a pointer, which only a real display gives: it is painted under Xvfb with
# xdotool when both are installed (scripts/setup.sh --tests), and kept as it
# is otherwise.
# Usage: scripts/pictures.sh [BUILD_DIR]   (default: build; built if needed)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
docs=docs
# A README picture beyond this many bytes is a mistake, not a picture.
readonly size_limit=204800

[[ -f "$build/build.ninja" ]] || cmake -S . -B "$build" -G Ninja -DLUMENBOX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fire_picture showcase hatch_table paint

headless() { env -u LUMENBOX_HEADLESS_SCRIPT LUMENBOX_DISPLAY=headless "$@"; }

headless "$build/demo/fire_picture" "$docs/fire.png"
headless "$build/examples/showcase" --save "$docs/showcase.png"
headless "$build/examples/hatch_table" --save "$docs/hatch_table.png"

# ---- paint, under Xvfb -----------------------------------------------------

paint_under_xvfb() {
  local work xvfb_pid paint_pid window
  work=$(mktemp -d)
  xvfb_pid=
  paint_pid=
  # shellcheck disable=SC2064  # the names are fixed now, on purpose
  trap "kill \$paint_pid \$xvfb_pid 2>/dev/null; rm -rf '$work'" RETURN

  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
  [[ -s "$work/display" ]] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; return 1; }
  local -x DISPLAY=":$(head -n 1 "$work/display")"

  env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER LUMENBOX_DISPLAY=sdl \
    "$build/examples/paint" --save-on-exit "$work/paint.png" 2>"$work/paint.log" &
  paint_pid=$!
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$paint_pid" --name '^Paint$' 2>/dev/null | head -n 1) || true
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || { echo "paint showed no window: $(cat "$work/paint.log")" >&2; return 1; }
  timeout 5 xdotool windowfocus --sync "$window"
  sleep 0.5

  # Canvas points are window points: 640 x 480 fits the screen unmagnified.
  to() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.1; }
  stroke() {
    to "$1" "$2"; xdotool mousedown 1; sleep 0.1
    shift 2
    while (($# >= 2)); do to "$1" "$2"; shift 2; done
    xdotool mouseup 1; sleep 0.1
  }
  pick() { to "$1" 16; xdotool click 3; sleep 0.1; }

  pick 60                                    # red
  stroke 100 200 200 250 300 200
  to 400 300; xdotool click 4 click 4; sleep 0.1   # two notches thicker
  pick 220                                   # green
  stroke 350 350 475 385 600 420
  pick 300                                   # blue
  stroke 420 120 470 80 520 120 570 80
  xdotool key Escape
  for _ in $(seq 100); do kill -0 "$paint_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$paint_pid" || { echo "paint failed: $(cat "$work/paint.log")" >&2; return 1; }
  paint_pid=
  cp "$work/paint.png" "$docs/paint.png"
}

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  paint_under_xvfb
else
  echo "docs/paint.png kept: painting it needs Xvfb and xdotool (scripts/setup.sh --tests)"
fi

for picture in fire showcase hatch_table paint; do
  bytes=$(stat -c %s "$docs/$picture.png")
  ((bytes <= size_limit)) || { echo "$docs/$picture.png is $bytes bytes, above $size_limit" >&2; exit 1; }
  echo "$docs/$picture.png: $bytes bytes"
done
