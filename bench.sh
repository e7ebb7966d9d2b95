#!/usr/bin/env bash
# Builds and runs the benchmarks (all, or those named): ./bench.sh [startup dealer ...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
[ -f "$here/build/build.ninja" ] || cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$here"/bench/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
for n in "${names[@]}"; do
  cmake --build "$here/build" --target "bench_$n" -j"$(nproc)" >/dev/null
  echo "== $n"
  "$here/build/bench_$n"
done
