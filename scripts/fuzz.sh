#!/usr/bin/env bash
# Fuzzes the public calls of the library: call sequences driven by libFuzzer,
# built with AddressSanitizer and UndefinedBehaviorSanitizer, for a bounded
# time on the headless display. Exits non-zero on a crash, a leak, a hang, a
# sanitizer report or a broken promise; the input that caused it is left in
# <build>/fuzz-artifacts/ and replays with
#   LUMENBOX_DISPLAY=headless <build>/tests/robustness/robustness_call_sequence_fuzz <file>
# Usage: scripts/fuzz.sh [seconds]   (default 90)
# BUILD_DIR chooses the build folder (default: build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-90}
if [[ ! "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds]" >&2
  exit 2
fi

scripts/setup.sh --fuzz
build=${BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMENBOX_SANITIZE=address,undefined -DLUMENBOX_BUILD_FUZZ=ON -DLUMENBOX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target robustness_call_sequence_fuzz

corpus="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"
export LUMENBOX_DISPLAY=headless
# Leaks are checked after every input; those of the font and OpenGL
# libraries, kept for the life of the process by design, are not ours.
export LSAN_OPTIONS="suppressions=$PWD/tests/robustness/fuzz.lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# A sequence sleeps while windows open and close; a minute without an end
# is a hang.
"$build/tests/robustness/robustness_call_sequence_fuzz" -max_total_time="$seconds" -timeout=60 \
  -rss_limit_mb=4096 -max_len=512 -len_control=0 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"
