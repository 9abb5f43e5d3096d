#!/usr/bin/env bash
# End-to-end: the real vyr on a real X server (Xvfb), watched from outside with
# X tools the way a person would watch it: the window, its size, the fire on
# it, the close button that must not close it, and Escape that ends it.
#
# Usage: vyr_xvfb_test.sh VYR [SEND_CLOSE_REQUEST]
#   E2E_EXIT_SECONDS  how long vyr may take to end after Escape (default 1)
#   E2E_FIRE_SECONDS  how much longer than a second the fire may take to show
#                     (default 0); sanitizer builds need more of both
# Exits 77 (skipped) when Xvfb or the X tools are not installed.
set -uo pipefail

readonly vyr=$1
readonly send_close_request=${2:-}
readonly exit_limit=${E2E_EXIT_SECONDS:-1}
readonly fire_limit=${E2E_FIRE_SECONDS:-0}
readonly skipped=77
here=$(cd "$(dirname "$0")" && pwd)
readonly here

for tool in Xvfb xdotool xwininfo import awk; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skipped"; }
done

work=$(mktemp -d)
xvfb_pid=
vyr_pid=

stop_process() {
  local pid=$1
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  return 0
}

cleanup() {
  stop_process "$vyr_pid"
  stop_process "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# Repeats a command every 50 ms until it succeeds or `seconds` have passed.
poll() {
  local seconds=$1
  shift
  local deadline=$(($(now_ms) + seconds * 1000))
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}

# An X server of the given screen size on a display number it picks itself.
start_server() {
  local screen=$1
  stop_process "$xvfb_pid"
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# Starts vyr with the given environment assignments (none: the default choice
# of display), on this X server whatever the caller's session offers.
start_vyr() {
  env -u LUMENBOX_DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" "$vyr" >"$work/vyr.log" 2>&1 &
  vyr_pid=$!
}

vyr_running() { kill -0 "$vyr_pid" 2>/dev/null; }
vyr_ended() { ! vyr_running; }

# The window named Vyr of the vyr this script started last (the toolkit marks
# its windows with their process), so that a window of an earlier vyr the
# server has not yet taken down is never mistaken for it.
vyr_window() { xdotool search --pid "$vyr_pid" --name '^Vyr$' 2>/dev/null | head -n 1; }
any_vyr_window() { [[ -n "$(xdotool search --name '^Vyr$' 2>/dev/null)" ]]; }
no_vyr_window() { ! any_vyr_window; }

# Sets `window` from a single look, so that what was found is what is kept.
window_found() { window=$(vyr_window) && [[ -n "$window" ]]; }
window_found_or_vyr_ended() { window_found || vyr_ended; }

# Sets `window` to the id of vyr's window once it is there.
wait_for_window() {
  window=
  poll 10 window_found_or_vyr_ended
  [[ -z "$window" ]] || return 0
  local state="vyr is still running"
  if vyr_ended; then
    wait "$vyr_pid"
    state="vyr ended with status $?"
    vyr_pid=
  fi
  fail "no window named Vyr appeared; $state; it said: $(cat "$work/vyr.log")"
}

client_size() {
  xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

# Escape with the keyboard focus on the window; vyr must end with status 0
# within the limit.
end_with_escape() {
  local window=$1
  timeout 5 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"
  xdotool key Escape
  poll "$exit_limit" vyr_ended || fail "vyr still runs ${exit_limit} s after Escape"
  wait "$vyr_pid"
  local status=$?
  vyr_pid=
  ((status == 0)) || fail "vyr ended with status $status; it said: $(cat "$work/vyr.log")"
  # The server takes the window down when it notices the connection closed,
  # which may be a moment after the process is gone.
  poll 5 no_vyr_window || fail "vyr's window outlived it by 5 s"
}

# Counts in a region of the window: all pixels, red, yellow, white, and any
# not black. Colours of the fire ramp: red to yellow to white.
count_colours() {
  import -window "$1" -crop "$2" -depth 8 -compress none ppm:- | awk -f "$here/count_fire_colours.awk"
}

# Sets `fire_report` and succeeds when the upper half of the window is black
# and the lower half shows the fire's red, yellow and white.
fire_shown() {
  local total red yellow white lit
  # The fire's top blocks reach up to row 234; above it the canvas is black.
  read -r total red yellow white lit <<<"$(count_colours "$window" 640x230+0+0)"
  fire_report="upper half: $lit of $total pixels not black"
  ((total == 640 * 230 && lit == 0)) || return 1
  read -r total red yellow white lit <<<"$(count_colours "$window" 640x240+0+240)"
  fire_report="lower half: red $red, yellow $yellow, white $white of $total pixels"
  ((total == 640 * 240 && red >= 5000 && yellow >= 2000 && white >= 200))
}

# Sets `fire_report` and succeeds when canvas rows 300 to 349 of a window
# magnified twice show fire, each canvas pixel a sharp 2 x 2 square.
sharp_fire_shown() {
  local differing lit
  read -r differing lit <<<"$(import -window "$window" -crop 320x100+0+600 -depth 8 -compress none ppm:- |
    awk -f "$here/check_doubled_pixels.awk")"
  fire_report="$differing pixels differ from their 2 x 2 square, $lit not black"
  ((lit > 0 && differing == 0))
}

# ---- The fire, then Escape (display chosen by default) ---------------------
echo "case: fire and Escape"
start_server 1024x768
start_vyr
wait_for_window
[[ "$(client_size "$window")" == 640x480 ]] || fail "client area is $(client_size "$window"), not 640x480"
sleep 1
poll "$fire_limit" fire_shown || fail "no fire on the window: $fire_report"
echo "fire: $fire_report; upper half black"
end_with_escape "$window"

# ---- The close button leaves the window open (display named) ---------------
if [[ -n "$send_close_request" ]]; then
  echo "case: close button, then Escape"
  start_vyr LUMENBOX_DISPLAY=sdl
  wait_for_window
  "$send_close_request" "$window" || fail "could not send the close request"
  sleep 0.5
  vyr_running || fail "vyr ended on the close button"
  [[ "$(vyr_window)" == "$window" ]] || fail "the window went away on the close button"
  xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "the window was hidden on the close button"
  end_with_escape "$window"
else
  echo "note: close-button case left out (no X11 development files to build its helper)"
fi

# ---- A large screen shows the window magnified -------------------------------
echo "case: magnified on a large screen"
start_server 1600x1200
start_vyr LUMENBOX_DISPLAY=sdl
wait_for_window
[[ "$(client_size "$window")" == 1280x960 ]] || fail "magnified window is $(client_size "$window"), not 1280x960"
sleep 1
poll "$fire_limit" sharp_fire_shown || fail "magnified window: $fire_report"
end_with_escape "$window"

echo "all cases passed"
