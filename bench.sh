#!/usr/bin/env bash
# Builds and runs the benchmarks (all, or those named): ./bench.sh [startup dealer front ...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
[ -f "$here/build/build.ninja" ] || cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$here"/bench/*.cpp "$here"/bench/*.sh; do names+=("$(basename "${f%.*}")"); done
fi
for n in "${names[@]}"; do
  echo "== $n"
  # A script measures programs from outside; the others are programs of their own.
  if [ -f "$here/bench/$n.sh" ]; then
    bash "$here/bench/$n.sh" "$here/build"
    continue
  fi
  cmake --build "$here/build" --target "bench_$n" -j"$(nproc)" >/dev/null
  "$here/build/bench_$n"
done
