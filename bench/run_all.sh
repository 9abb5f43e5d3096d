#!/bin/sh
# Every call-path figure in one run: the fire's ratio to plain memory, the
# drawing calls' ratio to plain memory, ReadPixel per call, and a SetFillMode
# + FillBar pair per pair, each the median of several runs of the benchmark
# programs (processor time: the machine is shared, and wall time counts the
# other programs' turns too).
#
#   bench/run_all.sh [BUILD_DIR] [RUNS]     (default build-release, 5 runs)
#
# BUILD_DIR must be a Release build with -DLUMENBOX_BUILD_BENCH=ON and the
# bench_fire and bench_drawing targets built.
set -eu
build=${1:-build-release}
runs=${2:-5}
fire="$build/bench/bench_fire"
drawing="$build/bench/bench_drawing"
for program in "$fire" "$drawing"; do
  if [ ! -x "$program" ]; then
    echo "run_all.sh: $program is missing: build it with ninja -C $build bench_fire bench_drawing" >&2
    exit 2
  fi
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT INT TERM

i=1
while [ "$i" -le "$runs" ]; do
  LUMENBOX_DISPLAY=headless "$fire" >"$out/fire.$i" 2>&1
  LUMENBOX_DISPLAY=headless "$drawing" >"$out/drawing.$i" 2>&1
  i=$((i + 1))
done

# The median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "?"; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

fire_ratio=$(cat "$out"/fire.* | awk '/^processor time:/ { getline; sub(/.*ratio /, ""); print $1 }' | median)
fire_wall=$(cat "$out"/fire.* | awk '/^wall time:/ { getline; sub(/.*ratio /, ""); print $1 }' | median)
read_ns=$(cat "$out"/fire.* | awk '/^ReadPixel:/ { sub(/.*processor /, ""); print $1 }' | median)
pair_ns=$(cat "$out"/fire.* | awk '/^SetFillMode \+ FillBar:/ { sub(/.*processor /, ""); print $1 }' | median)
drawing_ratio=$(cat "$out"/drawing.* | awk '/^drawing frame, processor time:/ { sub(/.*ratio /, ""); print $1 }' | median)
drawing_wall=$(cat "$out"/drawing.* | awk '/^drawing frame: library/ { sub(/.*ratio /, ""); print $1 }' | median)

verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v != "?" && v + 0 <= t + 0) ? "met" : "NOT met" }'; }

echo "medians of $runs runs (processor time; wall time in brackets), $(date -u '+%Y-%m-%d %H:%M UTC'), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "fire ratio to plain memory:    $fire_ratio  [$fire_wall]  (target 8 or less: $(verdict "$fire_ratio" 8))"
echo "drawing ratio to plain memory: $drawing_ratio  [$drawing_wall]"
echo "ReadPixel:                     $read_ns ns  (target 12 or less: $(verdict "$read_ns" 12))"
echo "SetFillMode + FillBar pair:    $pair_ns ns  (target 45 or less: $(verdict "$pair_ns" 45))"
