#!/usr/bin/env bash
# End-to-end: the real vyr in a terminal (a tmux pane of 120 x 40 cells, with
# no display server around), watched from outside the way a person would see
# it: the fire drawn in the lower half, Escape ending the program with status
# 0, Ctrl+C interrupting it, and the terminal just as it was afterwards; and
# keys typed into the terminal, read back by a program of the library.
#
# Usage: vyr_tmux_test.sh VYR KEY_ECHO
#   E2E_EXIT_SECONDS  how long vyr may take to end after a key (default 1)
#   E2E_FIRE_SECONDS  how much longer than a second the fire may take to show
#                     (default 0); sanitizer builds need more of both
# Exits 77 (skipped) when tmux is not installed.
set -uo pipefail

readonly vyr=$1
readonly key_echo=$2
readonly exit_limit=${E2E_EXIT_SECONDS:-1}
readonly fire_limit=${E2E_FIRE_SECONDS:-0}
# How long a program may take to start drawing: generous, as sanitizer
# builds start slowly on a loaded machine.
readonly patience=$((10 + fire_limit))
readonly skipped=77
here=$(cd "$(dirname "$0")" && pwd)
readonly here

for tool in tmux awk; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skipped"; }
done

work=$(mktemp -d)
# Each case has a tmux server of its own, on a socket in the work folder,
# whatever else runs on the machine: a server being told to stop may still
# answer for a moment, and a new session must not land on it.
cases=0
socket=
# shellcheck source=scratch_run.sh
source "$here/scratch_run.sh"
trap stop_tmux_run EXIT
fail() { fail_showing_pane "$@"; }

# shellcheck source=poll.sh
source "$here/poll.sh"

# The pane runs a shell script that notes the terminal's mode, prints a line
# of its own, runs the program (vyr and its arguments unless told otherwise),
# then notes its status and the mode again and stays, so that the screen it
# left can be looked at.
start_pane() {
  local command="\"$vyr\""
  (($# == 0)) || command=$(printf '"%s" ' "$@")
  rm -f "$work"/mode.before "$work"/mode.after "$work"/status
  cat >"$work/pane.sh" <<SCRIPT
# Ctrl+C is for vyr: the shell only waits for it to end.
trap : INT
stty -g >"$work/mode.before"
echo "the shell's own line"
$command
echo \$? >"$work/status.part"
stty -g >"$work/mode.after"
mv "$work/status.part" "$work/status"
exec sleep 600
SCRIPT
  [[ -z "$socket" ]] || tmux_ kill-server 2>/dev/null
  cases=$((cases + 1))
  socket="$work/tmux-$cases.socket"
  # No display server for vyr to find: it chooses the terminal by itself.
  env -u DISPLAY -u WAYLAND_DISPLAY -u LUMENBOX_DISPLAY -u SDL_VIDEODRIVER -u TMUX TERM=xterm-256color \
    tmux -S "$socket" -f /dev/null new-session -d -s e2e -x 120 -y 40 "sh $work/pane.sh" 2>"$work/tmux.log" ||
    fail "tmux did not start: $(cat "$work/tmux.log")"
}

pane_option() { tmux_ display-message -p -t e2e "$1"; }

# Sets `fire_report` and succeeds when pane rows 0 to 18 (the canvas above
# row 228, where the fire never reaches) are black and rows 20 to 39 show the
# fire's red, yellow and white. Row 19 holds the highest flames, or not.
fire_shown() {
  local upper upper_lit lower red yellow white
  read -r upper upper_lit lower red yellow white <<<"$(tmux_ capture-pane -e -p -t e2e |
    awk -v upperTo=19 -v lowerFrom=20 -f "$here/count_pane_colours.awk")"
  fire_report="rows 0-18: $upper_lit of $upper half-cells not black; rows 20-39: red $red, yellow $yellow, white $white of $lower"
  # 640 x 480 in 120 x 40 cells: 107 columns of 80 half-cell rows.
  ((upper == 107 * 2 * 19 && lower == 107 * 2 * 20 && upper_lit == 0)) || return 1
  ((red >= 500 && yellow >= 150 && white >= 1))
}

# Sets `picture_report` and succeeds when the pane's half-cell pixels are
# those of 640 x 480 fitted into 80 x 24 cells: 64 columns of 48 half-rows.
picture_fits_80x24() {
  local pixels
  read -r pixels _ <<<"$(tmux_ capture-pane -e -p -t e2e | awk -v upperTo=24 -v lowerFrom=24 -f "$here/count_pane_colours.awk")"
  picture_report="$pixels half-cell pixels, not $((64 * 48))"
  ((pixels == 64 * 48))
}

vyr_ended() { [[ -s "$work/status" ]]; }

# vyr must have ended with `status` and left the terminal as it found it: the
# same line mode, the main screen with the shell's line back, the cursor shown.
check_ended_and_restored() {
  local want=$1
  poll "$exit_limit" vyr_ended || fail "vyr still runs ${exit_limit} s after the key"
  local status
  status=$(cat "$work/status")
  ((status == want)) || fail "vyr ended with status $status, not $want"
  cmp -s "$work/mode.before" "$work/mode.after" ||
    fail "the terminal's mode changed: $(cat "$work/mode.before") -> $(cat "$work/mode.after")"
  [[ "$(pane_option '#{alternate_on}')" == 0 ]] || fail "the terminal was left on the alternate screen"
  [[ "$(pane_option '#{cursor_flag}')" == 1 ]] || fail "the cursor was left hidden"
  tmux_ capture-pane -p -t e2e | grep -q "the shell's own line" || fail "the shell's screen did not come back"
}

# ---- The fire, then Escape ---------------------------------------------------
echo "case: fire and Escape"
start_pane
sleep 1
poll "$fire_limit" fire_shown || fail "no fire in the pane: $fire_report"
echo "fire: $fire_report"
[[ "$(pane_option '#{alternate_on}')" == 1 ]] || fail "vyr did not draw on the alternate screen"
[[ "$(pane_option '#{cursor_flag}')" == 0 ]] || fail "the cursor stayed shown over the fire"
# A smaller terminal: the picture shrinks to fit it, proportions kept.
tmux_ resize-window -t e2e -x 80 -y 24
poll "$patience" picture_fits_80x24 || fail "after a resize to 80 x 24 the picture has $picture_report"
tmux_ send-keys -t e2e Escape
check_ended_and_restored 0

# ---- Ctrl+C interrupts it ----------------------------------------------------
echo "case: Ctrl+C"
start_pane
sleep 1
poll "$fire_limit" fire_shown || fail "no fire in the pane: $fire_report"
tmux_ send-keys -t e2e C-c
check_ended_and_restored 130

# ---- Keys typed into the terminal reach the program as key codes -----------
# Each key as tmux names it, then the bytes the program must read for it:
# characters as one byte, other keys as 0 and their code, with the modifiers
# the terminal's sequences carry.
readonly key_cases=(
  "a:97" "A:65" "5:53" "%:37" "Enter:13" "Tab:9" "BSpace:8" "Space:32" "C-a:1"
  "F1:0 59" "S-F2:0 85" "C-F3:0 96" "F10:0 68" "F12:0 134"
  "Up:0 72" "C-Left:0 115" "M-Up:0 152" "Home:0 71" "End:0 79"
  "PPage:0 73" "NPage:0 81" "IC:0 82" "DC:0 83" "M-x:0 45" "M-a:0 30"
)

key_codes_read() { tr '\n' ' ' <"$work/keys" 2>/dev/null | sed 's/ $//'; }
# Its window drawn: keys typed before there is a window go nowhere.
key_echo_drawing() { tmux_ capture-pane -p -t e2e | grep -q $'\xe2\x96\x80'; }

echo "case: keys through the terminal"
start_pane "$key_echo" "$work/keys"
poll "$patience" key_echo_drawing || fail "key_echo's window was not drawn"
expected=()
count=0
for key_case in "${key_cases[@]}"; do
  codes=${key_case#*:}
  expected+=($codes)
  tmux_ send-keys -t e2e "${key_case%%:*}"
  count=$((count + 1))
done
tmux_ send-keys -t e2e Escape
expected+=(27)
check_ended_and_restored 0
[[ "$(key_codes_read)" == "${expected[*]}" ]] ||
  fail "keys typed: ${key_cases[*]%%:*} Escape
  codes expected: ${expected[*]}
  codes read:     $(key_codes_read)"
echo "keys: $count keys and Escape read as ${#expected[@]} expected bytes"

echo "all cases passed"
