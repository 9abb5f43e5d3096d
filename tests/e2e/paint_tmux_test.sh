#!/usr/bin/env bash
# End-to-end: the paint example in a terminal (a tmux pane of 120 x 40 cells,
# no display server around), driven by xterm SGR mouse reports sent into the
# pane as a terminal sends them: the mouse reporting modes on while paint
# runs, a colour picked with the right button, a stroke dragged with the
# left, the wheel, then Escape; the canvas paint writes at the end holds the
# stroke where the cells map to, and the terminal reports the mouse no more.
#
# Usage: paint_tmux_test.sh PAINT
#   E2E_EXIT_SECONDS, E2E_FIRE_SECONDS  as for vyr_tmux_test.sh
# Exits 77 (skipped) when tmux or ImageMagick's convert is not installed.
set -uo pipefail

readonly paint=$1
readonly exit_limit=${E2E_EXIT_SECONDS:-1}
readonly patience=$((10 + ${E2E_FIRE_SECONDS:-0}))
readonly skipped=77
here=$(cd "$(dirname "$0")" && pwd)
readonly here

for tool in tmux convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skipped"; }
done

work=$(mktemp -d)
socket="$work/tmux.socket"
# shellcheck source=scratch_run.sh
source "$here/scratch_run.sh"
trap stop_tmux_run EXIT
fail() { fail_showing_pane "$@"; }

# shellcheck source=poll.sh
source "$here/poll.sh"

pane_option() { tmux_ display-message -p -t e2e "$1"; }
# Presses (1000), movement with a button (1002), the SGR form (1006); a
# terminal keeps one tracking mode, the last asked for, so 1002 stands for
# both.
mouse_modes() { pane_option '#{mouse_standard_flag}#{mouse_button_flag}#{mouse_sgr_flag}'; }
mouse_reported() { [[ "$(mouse_modes)" == 011 ]]; }
paint_ended() { [[ -s "$work/status" ]]; }
# Bytes into the pane as the terminal would send them.
send() { tmux_ send-keys -t e2e -l "$1"; sleep 0.1; }

cat >"$work/pane.sh" <<SCRIPT
"$paint" --save-on-exit "$work/canvas.png" 2>"$work/paint.log"
echo \$? >"$work/status.part"
mv "$work/status.part" "$work/status"
exec sleep 600
SCRIPT
env -u DISPLAY -u WAYLAND_DISPLAY -u LUMENBOX_DISPLAY -u SDL_VIDEODRIVER -u TMUX TERM=xterm-256color \
  tmux -S "$socket" -f /dev/null new-session -d -s e2e -x 120 -y 40 "sh $work/pane.sh" 2>"$work/tmux.log" ||
  fail "tmux did not start: $(cat "$work/tmux.log")"

poll "$patience" mouse_reported || fail "paint did not turn the mouse reports on: modes $(mouse_modes)"
# Pointer positions are relative to the view area paint set last, and paint
# draws its strip in the whole canvas's: a click is only on the strip once
# the strip is drawn. The sample at its right end (dark grey, in the top row
# of cells) comes last, just before paint goes over to the picture's area.
strip_drawn() { tmux_ capture-pane -e -p -t e2e | head -n 1 | grep -q '8;2;84;84;84'; }
poll "$patience" strip_drawn || fail "paint did not draw its colour strip"
sleep 0.5

# The 640 x 480 canvas fills 107 columns from column 7 (counting from 1) and
# all 40 rows, two canvas rows of 480 / 80 = 6 pixels per cell: cell column c
# shows canvas x = (2 (c - 7) + 1) * 640 / 214, cell row r canvas y = 12 r - 9.
# Column 17, row 2: (62, 15), the red swatch; right button down and up.
send $'\e[<2;17;2M'
send $'\e[<2;17;2m'
# Left button down at column 31, row 21 (146, 243); dragged to column 61
# (325, 243), let go at column 91 (505, 243).
send $'\e[<0;31;21M'
send $'\e[<32;61;21M'
send $'\e[<0;91;21m'
# Broken and cut-off reports in between must change nothing.
send $'\e[<0;5M\e[<99;1;1M\e[<0;;M'
# Two notches away, then a second stroke, 5 pixels thick, on row 31 (363).
send $'\e[<64;60;30M\e[<64;60;30M'
send $'\e[<0;31;31M'
send $'\e[<0;91;31m'
tmux_ send-keys -t e2e Escape

poll "$((exit_limit + patience))" paint_ended || fail "paint still runs after Escape"
status=$(cat "$work/status")
((status == 0)) || fail "paint ended with status $status: $(cat "$work/paint.log")"
[[ "$(mouse_modes)" == 000 ]] || fail "the terminal still reports the mouse: modes $(mouse_modes)"
[[ -s "$work/canvas.png" ]] || fail "paint wrote no canvas"

pixel() { convert "$work/canvas.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1 | tr -d '#'; }
expect_pixel() {
  local got
  got=$(pixel "$1" "$2")
  [[ "$got" == "$3" ]] || fail "canvas pixel ($1, $2) is $got, not $3 ($4)"
}

# Red as the 256-colour palette holds it nearest.
expect_pixel 146 243 FC0000 "the stroke's start"
expect_pixel 325 243 FC0000 "where it was dragged through"
expect_pixel 505 243 FC0000 "where the button was let go"
expect_pixel 325 244 FC0000 "the stroke's width"
expect_pixel 325 246 000000 "below the stroke"
expect_pixel 145 200 000000 "the untouched picture"
expect_pixel 300 365 FC0000 "the second stroke, thickened by the wheel"
expect_pixel 300 367 000000 "below the second stroke"
echo "PASS: strokes where the cells map to; mouse reports off again"
