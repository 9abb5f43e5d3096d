#!/usr/bin/env bash
# End-to-end: the paint example on a real X server (Xvfb), driven with the
# mouse from outside (xdotool): a colour picked with the right button, strokes
# dragged with the left, the wheel for a thicker line, Escape to end; the
# program writes its canvas at the end and the strokes are looked for in it.
# Once at the window's own size and once on a screen large enough for the
# window to be shown three times over, where the same canvas pixels must
# come out of points three times as far apart.
#
# Usage: paint_xvfb_test.sh PAINT
#   E2E_EXIT_SECONDS  how long paint may take to end after Escape (default 1)
#   E2E_FIRE_SECONDS  extra patience for slow (sanitizer) builds (default 0)
# Exits 77 (skipped) when Xvfb or the X tools are not installed.
set -uo pipefail

readonly paint=$1
readonly exit_limit=${E2E_EXIT_SECONDS:-1}
readonly patience=$((10 + ${E2E_FIRE_SECONDS:-0}))
readonly skipped=77
here=$(cd "$(dirname "$0")" && pwd)
readonly here

for tool in Xvfb xdotool xwininfo convert import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skipped"; }
done

work=$(mktemp -d)
xvfb_pid=
pid=

# shellcheck source=scratch_run.sh
source "$here/scratch_run.sh"
trap stop_xvfb_run EXIT

fail() {
  echo "FAIL: $*"
  [[ ! -s "$work/paint.log" ]] || echo "paint said: $(cat "$work/paint.log")"
  exit 1
}

# shellcheck source=poll.sh
source "$here/poll.sh"

start_server() {
  stop_process "$xvfb_pid"
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

program_running() { kill -0 "$pid" 2>/dev/null; }
program_ended() { ! program_running; }
window_found() { window=$(xdotool search --onlyvisible --pid "$pid" --name '^Paint$' 2>/dev/null | head -n 1) && [[ -n "$window" ]]; }
window_found_or_program_ended() { window_found || program_ended; }

# The window's width over the canvas's: the display's magnification.
scale_of() { xwininfo -id "$1" | awk '/Width:/ { print int($2 / 640) }'; }

# The mouse to canvas point (x, y): the middle of that canvas pixel on the
# screen, however magnified.
to() { xdotool mousemove --window "$window" $(($1 * scale + scale / 2)) $(($2 * scale + scale / 2)); }
# Gives the program a moment to look at the pointer between moves, as a hand
# would; the strokes are checked only where the events themselves put them.
pause() { sleep 0.1; }

drag() {
  to "$1" "$2"
  pause
  xdotool mousedown 1
  pause
  to $((($1 + $3) / 2)) $((($2 + $4) / 2))
  pause
  to "$3" "$4"
  pause
  xdotool mouseup 1
  pause
}

right_click() {
  to "$1" "$2"
  pause
  xdotool click 3
  pause
}

# Pointer positions are relative to the view area paint set last, and paint
# draws its strip in the whole canvas's: a click is only on the strip once
# the strip is drawn. The sample at its right end (dark grey) comes last,
# just before paint goes over to the picture's area.
strip_drawn() {
  import -window "$window" -crop "1x1+$((600 * scale))+$((4 * scale))" -depth 8 txt:- 2>/dev/null |
    grep -q '#545454'
}

# One canvas pixel of the saved picture, as RRGGBB.
pixel() { convert "$work/canvas.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1 | tr -d '#'; }

expect_pixel() {
  local got
  got=$(pixel "$1" "$2")
  [[ "$got" == "$3" ]] || fail "$case_name: canvas pixel ($1, $2) is $got, not $3 ($4)"
}

paint_case() {
  case_name=$1
  echo "case: $case_name"
  start_server "$2"
  rm -f "$work/canvas.png"
  env -u LUMENBOX_DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$paint" --save-on-exit "$work/canvas.png" \
    >"$work/paint.out" 2>"$work/paint.log" &
  pid=$!
  window=
  poll "$patience" window_found_or_program_ended
  [[ -n "$window" ]] || fail "$case_name: no window named Paint appeared"
  scale=$(scale_of "$window")
  ((scale == $3)) || fail "$case_name: the window is shown $scale times over, not $3"
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"
  poll "$patience" strip_drawn || fail "$case_name: paint did not draw its colour strip"
  sleep 0.5

  right_click 60 16          # the red swatch
  drag 100 200 300 200       # a red stroke, 3 pixels thick
  to 400 300
  xdotool click 4 click 4    # two notches away: 5 pixels thick
  pause
  right_click 220 16         # the green swatch
  drag 100 400 500 400
  xdotool key Escape
  poll "$((patience))" program_ended || fail "$case_name: paint still runs after Escape"
  wait "$pid"
  local status=$?
  pid=
  ((status == 0)) || fail "$case_name: paint ended with status $status"
  [[ -s "$work/canvas.png" ]] || fail "$case_name: paint wrote no canvas"

  # Red and green as the 256-colour palette holds them nearest.
  expect_pixel 60 16 FC0000 "the strip"
  expect_pixel 100 200 FC0000 "the red stroke's start"
  expect_pixel 200 200 FC0000 "the red stroke's middle"
  expect_pixel 300 200 FC0000 "the red stroke's end"
  expect_pixel 200 201 FC0000 "the red stroke's width"
  expect_pixel 200 204 000000 "below the red stroke"
  expect_pixel 300 402 007000 "the thicker green stroke's width"
  expect_pixel 499 400 007000 "the green stroke's end"
  expect_pixel 300 395 000000 "above the green stroke"
  expect_pixel 50 300 000000 "the untouched picture"
  echo "$case_name: strokes where the mouse drew them"
}

paint_case "one to one" 1024x768 1
paint_case "three times over" 1940x1520 3
echo "PASS"
