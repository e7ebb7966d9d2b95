#!/usr/bin/env bash
# Start time of the batch front `vrek` as the package ships it (linked
# dynamically, stripped) beside the same objects linked statically, in the
# same run: `vrek --version` and `vrek show` on a full series. Needs
# hyperfine (Debian package of that name).
# usage: bench/front.sh [BUILD_DIR]
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
command -v hyperfine >/dev/null || { echo "hyperfine manque (apt-get install hyperfine)" >&2; exit 1; }
sodium=$(find /usr/lib -name libsodium.a -print -quit)
[ -n "$sodium" ] || { echo "libsodium.a manque (paquet libsodium-dev)" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target vrek >/dev/null
# The front's own link command, made static.
link=$(ninja -C "$build" -t commands vrek | tail -1)
link=${link//" -o vrek "/" -static -o $work/vrek-static "}
link=$(sed "s|[^ ]*libsodium\.so[^ ]*|$sodium|" <<<"$link")
(cd "$build" && eval "$link")
cp "$build/vrek" "$work/vrek-dynamic"
strip "$work/vrek-dynamic" "$work/vrek-static"
file "$work/vrek-dynamic" "$work/vrek-static" | sed "s|$work/||"

"$work/vrek-dynamic" deal "$work/serie.vrk" >/dev/null
hyperfine -N --warmup 50 --runs 1000 --style none --export-csv "$work/times.csv" \
  -n "dynamique --version" "$work/vrek-dynamic --version" \
  -n "statique --version" "$work/vrek-static --version" \
  -n "dynamique show" "$work/vrek-dynamic show $work/serie.vrk" \
  -n "statique show" "$work/vrek-static show $work/serie.vrk"
# Medians and minimums in milliseconds: a busy machine moves the means.
awk -F, 'NR == 1 { printf "%-22s %8s %8s %8s\n", "vrek", "médiane", "min", "moyenne"; next }
         { printf "%-22s %8.2f %8.2f %8.2f\n", $1, $4 * 1000, $7 * 1000, $2 * 1000 }' "$work/times.csv"
