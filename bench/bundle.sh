#!/usr/bin/env bash
# Time of `vrek bundle` over 24 random boards beside `vrek analyse` of the
# same boards, in the same run, rounds taken in turn so that a busy machine
# weighs on both alike: the bundle with its analysis (aim: at most 1.3 times
# the analysis alone) and without it (aim: under 2 s). Best of the rounds.
# usage: bench/bundle.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
rounds="${2:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --build "$build" --target vrek vrek-qt bridge >/dev/null
"$build/vrek" deal "$work/s.vrk" --boards 1-24 >/dev/null

now() { date +%s.%N; }
best() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
analyse="" full="" plain=""
for _ in $(seq "$rounds"); do
    t=$(now); "$build/vrek" analyse "$work/s.vrk" --boards 1-24 >/dev/null
    analyse=$(best "$analyse" "$(awk -v s="$t" -v e="$(now)" 'BEGIN { print e - s }')")
    t=$(now); "$build/vrek" bundle "$work/s.vrk" --boards 1-24 -o "$work/soir" --force >/dev/null
    full=$(best "$full" "$(awk -v s="$t" -v e="$(now)" 'BEGIN { print e - s }')")
    t=$(now)
    "$build/vrek" bundle "$work/s.vrk" --boards 1-24 -o "$work/sans" --force \
        --only dlm,dup,lin,bri,dge,travellers,labels,fairness >/dev/null
    plain=$(best "$plain" "$(awk -v s="$t" -v e="$(now)" 'BEGIN { print e - s }')")
done
awk -v a="$analyse" -v f="$full" -v p="$plain" -v n="$rounds" -v c="$(nproc)" 'BEGIN {
    printf "24 boards, %d cores, best of %d\n", c, n
    printf "vrek analyse --boards 1-24:           %7.2f s\n", a
    printf "vrek bundle, analysis included:       %7.2f s  (%.2f x the analysis; aim: at most 1.30)\n", f, f / a
    printf "vrek bundle without the analysis:     %7.2f s  (aim: under 2 s)\n", p
}'
