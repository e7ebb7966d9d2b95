#!/usr/bin/env bash
# The evening's size of vrek.ini (24 here): without --boards every command
# that goes through the series takes boards 1-24 only and leaves 25-96 as
# they were; --boards still picks any board.
# usage: bash evening.sh /path/to/vrek   (the solver "bridge" sits beside it)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
evening_copy

# 96 dealt boards (no setting beside the build: the whole series), then the
# same series with boards 1-24 emptied.
"$vrek" deal "$dir/full.vrk" >/dev/null || { echo "ÉCHEC : série pleine"; exit 1; }
{ head -c 3840 /dev/zero; tail -c +3841 "$dir/full.vrk"; } > "$dir/e.vrk"
cp "$dir/full.VRT" "$dir/e.VRT"
rest() { tail -c +3841 "$1" | md5sum; }

out="$("$ev" deal "$dir/e.vrk")"
check "deal : 24 donnes ($out)" [ "$out" = "24 donnes distribuées, toutes selon les contraintes." ]
check "deal : 25-96 intactes" [ "$(rest "$dir/e.vrk")" = "$(rest "$dir/full.vrk")" ]
check "deal : 1-24 complètes" python3 -c 'import sys
d = open(sys.argv[1], "rb").read()
assert all(sum(d[160 * b + 10 * k] for k in range(16)) == 52 for b in range(24))' "$dir/e.vrk"

while IFS='|' read -r what expected; do
    # shellcheck disable=SC2086
    out="$("$ev" $what 2>&1 | tr '\n' ' ')"
    check "$what" [ "$out" = "$expected " ]
done <<LIST
print travellers $dir/e.vrk -o $dir/f.pdf|$(for p in $(seq 1 12); do printf 'VREK:fiches ambulantes:%d-%d : 1 page ' $((2 * p - 1)) $((2 * p)); done | sed 's/ $//')
print diagrams $dir/e.vrk -o $dir/d.pdf|VREK:commentaires : 6 pages
print labels $dir/e.vrk -o $dir/l.pdf|VREK:Etiquettes1 : 1 page VREK:Etiquettes2 : 1 page
verify $dir/e.vrk|Donnes non vérifiées car sans contrat : $(seq -s ', ' 1 24).
LIST
check "verify : 25-96 intactes" [ "$(rest "$dir/e.vrk")" = "$(rest "$dir/full.vrk")" ]
"$ev" export pbn "$dir/e.vrk" -o "$dir/e.pbn" >/dev/null
check "export : 24 donnes" [ "$(grep -c '^\[Board ' "$dir/e.pbn")" = 24 ]
"$ev" export pbn "$dir/e.vrk" --boards 20-30 -o "$dir/b.pbn" >/dev/null
check "export --boards : 11 donnes" [ "$(grep -c '^\[Board ' "$dir/b.pbn")" = 11 ]
check "stats : 24 donnes" [ "$("$ev" stats "$dir/e.vrk" | head -1)" = "24 donnes sont prises en compte" ]
check "stats sans réglage : pas de ligne" [ "$("$vrek" stats "$dir/e.vrk" | head -1)" = "distributions des mains" ]
check "équité : 24 donnes" [ "$("$ev" stats "$dir/e.vrk" --fairness | sed -n 2p)" = "1 série, 24 donnes complètes, 96 mains" ]

# The analysis of 30 easy boards stops at 24.
{ for _ in $(seq 30); do deal; done; head -c $((66 * 160)) /dev/zero; } > "$dir/a.vrk"
: > "$dir/a.VRT"
check "analyse : 24 lignes" [ "$("$ev" analyse "$dir/a.vrk" | grep -c 'par 7SA')" = 24 ]

[ $fails = 0 ] && echo "evening.sh : tout est bon"
exit $fails
