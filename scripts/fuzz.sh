#!/usr/bin/env bash
# Builds the readers' fuzz harnesses (clang, libFuzzer, address and
# undefined-behaviour sanitizers) in build-fuzz/ and runs each in turn for
# MINUTES (default 1), one at a time and at the lowest priority. The inputs
# of a run that reach code the committed corpus tests/fuzz/corpus/NAME does
# not are merged into it (-merge=1); the ordinary test suite replays it.
#
# usage: scripts/fuzz.sh [MINUTES] [NAME...]     (NAME as in fuzz_NAME)
#   FUZZ_RUNS=N   stop each harness after N inputs instead of MINUTES
# A finding is kept as build-fuzz/findings/NAME-crash-* (or -timeout-,
# -oom-, -slow-unit-); the script goes on with the next harness and ends
# with status 1.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
minutes="${1:-1}"
[ $# -gt 0 ] && shift
case "$minutes" in '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [MINUTES] [NAME...]" >&2; exit 2 ;; esac

# The longest input tried: a few deals of each format, well above what the
# committed corpus holds, so that the time goes to variety rather than length.
max_len() {
  case "$1" in
    series) echo 16384 ;;  # records of several boards and their text lines
    dlm | settings) echo 8192 ;;
    constraints) echo 1024 ;;  # the file is 720 bytes
    contract | exchange | solveranswer | journal | play) echo 1024 ;;
    *) echo 4096 ;;
  esac
}

if [ ! -f build-fuzz/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVREK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
nice -n 19 cmake --build build-fuzz -j"$(nproc)" --target fuzz

if [ $# -eq 0 ]; then
  for h in tests/fuzz/fuzz_*.cpp; do h="$(basename "$h" .cpp)"; set -- "$@" "${h#fuzz_}"; done
fi
mkdir -p build-fuzz/findings build-fuzz/logs
status=0
for name in "$@"; do
  bin="build-fuzz/fuzz/fuzz_$name" kept="tests/fuzz/corpus/$name" work="build-fuzz/corpus/$name"
  [ -x "$bin" ] || { echo "no harness fuzz_$name" >&2; exit 2; }
  mkdir -p "$kept" "$work"
  limit=(-max_total_time=$((minutes * 60)))
  [ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")
  log="build-fuzz/logs/$name.log"
  # The work folder grows across runs; the committed corpus seeds it.
  if ! nice -n 19 "$bin" "$work" "$kept" "${limit[@]}" -max_len="$(max_len "$name")" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$name-" >"$log" 2>&1; then
    echo "fuzz_$name: finding, see $log and build-fuzz/findings/" >&2
    status=1
    continue
  fi
  # Into the committed corpus go only the inputs that reach code it does
  # not (an edge, not merely another hit count, which would add hundreds of
  # files a long run); what it holds stays, the regression inputs with it.
  nice -n 19 "$bin" -merge=1 -use_counters=0 "$kept" "$work" >>"$log" 2>&1
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
  echo "fuzz_$name: $runs inputs, $rate a second, no finding; corpus $(ls "$kept" | wc -l) files"
done
exit "$status"
