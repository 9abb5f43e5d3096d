#!/usr/bin/env bash
# End-to-end: the real vyr on a real X server (Xvfb), watched from outside with
# X tools the way a person would watch it: the window, its size, the fire on
# it, the close button that must not close it, and Escape that ends it; and
# keys typed into a window of the library, read back by the program.
#
# Usage: vyr_xvfb_test.sh VYR KEY_ECHO [SEND_CLOSE_REQUEST]
#   E2E_EXIT_SECONDS  how long vyr may take to end after Escape (default 1)
#   E2E_FIRE_SECONDS  how much longer than a second the fire may take to show
#                     (default 0); sanitizer builds need more of both
# Exits 77 (skipped) when Xvfb or the X tools are not installed.
set -uo pipefail

readonly vyr=$1
readonly key_echo=$2
readonly send_close_request=${3:-}
readonly exit_limit=${E2E_EXIT_SECONDS:-1}
readonly fire_limit=${E2E_FIRE_SECONDS:-0}
# How long a window may take to appear, or a key to come through: generous,
# as sanitizer builds start slowly on a loaded machine.
readonly patience=$((10 + fire_limit))
readonly skipped=77
here=$(cd "$(dirname "$0")" && pwd)
readonly here

for tool in Xvfb xdotool xwininfo import awk; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skipped"; }
done

work=$(mktemp -d)
xvfb_pid=
# The program started last, its window's caption and its process.
program=
caption=
pid=

# shellcheck source=scratch_run.sh
source "$here/scratch_run.sh"
trap stop_xvfb_run EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# shellcheck source=poll.sh
source "$here/poll.sh"

# An X server of the given screen size on a display number it picks itself.
# It keeps running as it is when its last client leaves (-noreset): a
# program started while it resets would find no server.
start_server() {
  local screen=$1
  stop_process "$xvfb_pid"
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  poll 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# Starts a program (vyr or key_echo) whose window has the given caption,
# its output kept apart from what it says on standard error,
# with the given environment assignments (none: the default choice of
# display), on this X server whatever the caller's session offers.
start_program() {
  program=$1
  caption=$2
  shift 2
  env -u LUMENBOX_DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" "$program" >"$work/program.out" 2>"$work/program.log" &
  pid=$!
}

program_name() { basename "$program"; }
program_running() { kill -0 "$pid" 2>/dev/null; }
program_ended() { ! program_running; }

# The program's shown window, by caption and process (the toolkit marks its
# windows with their process), so that a window of an earlier program the
# server has not yet taken down is never mistaken for it.
program_window() { xdotool search --onlyvisible --pid "$pid" --name "^$caption\$" 2>/dev/null | head -n 1; }
any_window_of_caption() { [[ -n "$(xdotool search --name "^$caption\$" 2>/dev/null)" ]]; }
no_window_of_caption() { ! any_window_of_caption; }

# Sets `window` from a single look, so that what was found is what is kept.
window_found() { window=$(program_window) && [[ -n "$window" ]]; }
window_found_or_program_ended() { window_found || program_ended; }

# Sets `window` to the id of the program's window once it is there.
wait_for_window() {
  window=
  poll "$patience" window_found_or_program_ended
  [[ -z "$window" ]] || return 0
  local state="$(program_name) is still running"
  if program_ended; then
    wait "$pid"
    state="$(program_name) ended with status $?"
    pid=
  fi
  fail "no window named $caption appeared; $state; it said: $(cat "$work/program.log")"
}

focus() {
  timeout 5 xdotool windowfocus --sync "$1" || fail "the window did not take the keyboard focus"
}

client_size() {
  xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

# Escape with the keyboard focus on the window; the program must end with
# status 0 within the limit.
end_with_escape() {
  local window=$1
  focus "$window"
  xdotool key Escape
  poll "$exit_limit" program_ended || fail "$(program_name) still runs ${exit_limit} s after Escape"
  wait "$pid"
  local status=$?
  pid=
  ((status == 0)) || fail "$(program_name) ended with status $status; it said: $(cat "$work/program.log")"
  # The server takes the window down when it notices the connection closed,
  # which may be a moment after the process is gone.
  poll 5 no_window_of_caption || fail "the window $caption outlived its program by 5 s"
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
start_program "$vyr" Vyr
wait_for_window
[[ "$(client_size "$window")" == 640x480 ]] || fail "client area is $(client_size "$window"), not 640x480"
sleep 1
poll "$fire_limit" fire_shown || fail "no fire on the window: $fire_report"
echo "fire: $fire_report; upper half black"
end_with_escape "$window"

# ---- The close button leaves the window open (display named) ---------------
if [[ -n "$send_close_request" ]]; then
  echo "case: close button, then Escape"
  start_program "$vyr" Vyr LUMENBOX_DISPLAY=sdl
  wait_for_window
  "$send_close_request" "$window" || fail "could not send the close request"
  sleep 0.5
  program_running || fail "vyr ended on the close button"
  [[ "$(program_window)" == "$window" ]] || fail "the window went away on the close button"
  xwininfo -id "$window" | grep -q 'Map State: IsViewable' || fail "the window was hidden on the close button"
  end_with_escape "$window"
else
  echo "note: close-button case left out (no X11 development files to build its helper)"
fi

# ---- Keys typed into a window reach the program as key codes ---------------
# Each key as xdotool names it, then the bytes the program must read for it:
# characters as one byte, other keys as 0 and their code, Alt combinations
# with no character, Ctrl+Pause with nothing at all.
readonly key_cases=(
  "a:97" "shift+a:65" "5:53" "shift+5:37" "minus:45" "shift+slash:63"
  "Return:13" "Tab:9" "BackSpace:8" "space:32" "ctrl+c:3" "ctrl+Return:10"
  "F1:0 59" "shift+F2:0 85" "ctrl+F3:0 96" "alt+F4:0 107" "F10:0 68" "F11:0 133" "F12:0 134"
  "Up:0 72" "shift+Up:0 72" "ctrl+Left:0 115" "alt+Home:0 164"
  "Prior:0 73" "Next:0 81" "End:0 79" "Insert:0 82" "Delete:0 83"
  "alt+x:0 45" "alt+a:0 30" "ctrl+1:0 1" "alt+0:0 129" "ctrl+alt+3:0 3 0 122"
  "KP_Add:43" "alt+KP_Multiply:0 70" "Pause:0 12" "ctrl+Pause:" "Menu:0 151"
)

# The codes the program read after its first `skip` lines.
skip=0
key_codes_read() { tail -n +$((skip + 1)) "$work/program.out" | tr '\n' ' ' | sed 's/ $//'; }
code_read() { grep -qx "$1" "$work/program.out"; }

# When the window gains the focus, the toolkit takes the keyboard's state as
# it is at that moment, keys typed since included. A key whose code has come
# out shows the focus settled; the codes up to a second one are not counted.
settle_focus() {
  xdotool key x && poll "$patience" code_read 120 || fail "the first key typed never reached the program"
  xdotool key y && poll "$patience" code_read 121 || fail "the second key typed never reached the program"
  skip=$(wc -l <"$work/program.out")
}

echo "case: keys through the window"
start_program "$key_echo" Keys LUMENBOX_DISPLAY=sdl
wait_for_window
focus "$window"
settle_focus
keys=()
expected=()
for key_case in "${key_cases[@]}"; do
  keys+=("${key_case%%:*}")
  codes=${key_case#*:}
  [[ -z "$codes" ]] || expected+=($codes)
done
xdotool key --delay 20 "${keys[@]}" || fail "xdotool could not type the keys"
end_with_escape "$window"
expected+=(27)
[[ "$(key_codes_read)" == "${expected[*]}" ]] ||
  fail "keys typed: ${keys[*]} Escape
  codes expected: ${expected[*]}
  codes read:     $(key_codes_read)"
echo "keys: ${#keys[@]} keys and Escape read as ${#expected[@]} expected bytes"

# ---- A large screen shows the window magnified -------------------------------
echo "case: magnified on a large screen"
start_server 1600x1200
start_program "$vyr" Vyr LUMENBOX_DISPLAY=sdl
wait_for_window
[[ "$(client_size "$window")" == 1280x960 ]] || fail "magnified window is $(client_size "$window"), not 1280x960"
sleep 1
poll "$fire_limit" sharp_fire_shown || fail "magnified window: $fire_report"
end_with_escape "$window"

echo "all cases passed"
