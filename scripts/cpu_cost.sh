#!/usr/bin/env bash
# What a running program costs the processor: its own process CPU time (user
# plus system, all its threads) over a measured span, as a share of one core.
# Runs each program on the SDL display under its own Xvfb server.
#
#   scripts/cpu_cost.sh [build-folder] [seconds]
#
# Measures two programs from the build folder (default: build):
#   idle  - examples/showcase, waiting in NextKey with its window open;
#   vyr   - the fire demo at its 60 frames a second.
# Each is given two seconds to open and settle before the span starts. Below
# each figure, the threads that used the processor in the span, by name and
# id, each with its own share, so that a cost can be traced to its thread.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
span=${2:-10}
settle=2

command -v Xvfb >/dev/null || { echo "cpu_cost: Xvfb is missing (scripts/setup.sh --tests)" >&2; exit 2; }
for program in "$build/examples/showcase" "$build/demo/vyr"; do
  [[ -x $program ]] || { echo "cpu_cost: $program is not built" >&2; exit 2; }
done

ticks_per_second=$(getconf CLK_TCK)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# Process CPU time in clock ticks: fields 14 (utime) and 15 (stime) of
# /proc/PID/stat, counted after the command name, which may hold spaces.
cpu_ticks() {
  local stat
  stat=$(<"/proc/$1/stat")
  stat=${stat##*) }
  set -- $stat
  echo $(( ${12} + ${13} ))
}

# "tid name ticks" for every thread of the process.
thread_ticks() {
  local task ticks name
  for task in /proc/"$1"/task/*; do
    # A thread may end between the listing and the reading.
    ticks=$(cpu_ticks "$1/task/${task##*/}" 2>/dev/null) || continue
    name=$(tr ' ' '_' <"$task/comm" 2>/dev/null) || name='?'
    echo "${task##*/} $name $ticks"
  done
}

# A display number no running server has taken.
free_display() {
  local n=90
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  echo "$n"
}

measure() {
  local name=$1; shift
  local display; display=$(free_display)
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  local server=$!
  started+=("$server")
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

  DISPLAY=":$display" LUMENBOX_DISPLAY=sdl "$@" >/dev/null 2>&1 &
  local pid=$!
  started+=("$pid")
  sleep "$settle"
  kill -0 "$pid" 2>/dev/null || { echo "cpu_cost: $name ended before it was measured" >&2; exit 1; }

  local before after threads_before threads_after
  threads_before=$(thread_ticks "$pid")
  before=$(cpu_ticks "$pid")
  sleep "$span"
  after=$(cpu_ticks "$pid")
  threads_after=$(thread_ticks "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true

  awk -v name="$name" -v ticks=$((after - before)) -v hz="$ticks_per_second" -v span="$span" 'BEGIN {
    seconds = ticks / hz
    printf "%-5s %.2f s of CPU in %d s: %.1f%% of one core\n", name, seconds, span, 100 * seconds / span }'
  # Threads started during the span count from zero.
  awk -v hz="$ticks_per_second" -v span="$span" '
    NR == FNR { before[$1] = $3; next }
    { used = $3 - ($1 in before ? before[$1] : 0)
      if (used > 0) printf "      thread %-16s %7d: %.1f%%\n", $2, $1, 100 * used / hz / span }' \
    <(echo "$threads_before") <(echo "$threads_after")
}

measure idle "$build/examples/showcase"
measure vyr "$build/demo/vyr"
