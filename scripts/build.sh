#!/usr/bin/env bash
# Configures (once) and builds the program, the solver and the tests in build/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
if [ ! -f build/build.ninja ]; then
  launcher=()
  # A compiler cache, when the machine has one, makes rebuilds cheap.
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build build -j"$(nproc)" "$@"
