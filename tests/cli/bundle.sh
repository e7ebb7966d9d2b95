#!/usr/bin/env bash
# `vrek bundle` over the 24 boards of the evening: every file read back gives
# the same deals, the same bytes as export, the PDFs' pages, a second run
# that replaces nothing without --force, a failure named while the others are
# written, and the key never written, only its fingerprint.
# usage: bash bundle.sh /path/to/vrek   (the solver "bridge" sits beside it)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
evening_copy

# 30 different deals quick to analyse (the top cards in one hand, seats
# turned and suits swapped), so that boards 25-30 show what is left out.
python3 - "$dir/m.vrk" <<'PY'
import itertools, sys
base = ["AKQJ.AKQ.AKQ.AKQ", "T98.JT9.JT9.JT98", "765.876.8765.765", "432.5432.432.432"]
rank = {c: 14 - i for i, c in enumerate("AKQJT98765432")}
out = bytearray()
for b, perm in zip(range(96), itertools.cycle(itertools.permutations(range(4)))):
    if b >= 30:
        out += bytes(160)
        continue
    hands = base[-(b % 4):] + base[:-(b % 4)] if b % 4 else base
    for h in hands:
        suits = h.split(".")  # spades first
        for s in range(4):  # clubs first in the record
            r = sorted((rank[c] for c in suits[perm[3 - s]]), reverse=True)
            out += bytes([len(r)] + r + [0] * (9 - len(r)))
open(sys.argv[1], "wb").write(out)
PY
: > "$dir/m.VRT"

out="$("$ev" bundle "$dir/m.vrk" -o "$dir/soir")"; rc=$?
check "bundle : code 0" [ $rc = 0 ]
check "bundle : onze fichiers ($out)" [ "$(grep -c '^Écrit : ' <<<"$out")" = 11 ]
check "bundle : diagrammes" grep -qx "Écrit : $dir/soir/m-diagrammes.pdf (6 pages)" <<<"$out"
for f in pbn dlm dup lin bri dge; do
    file="$(ls "$dir/soir/m.${f^^}")"
    rm -f "$dir/n.vrk" "$dir/n.VRT"
    "$vrek" import "$f" "$file" "$dir/n.vrk" >/dev/null 2>&1
    check "$f : les 24 donnes relues" cmp -s <(head -c 3840 "$dir/n.vrk") <(head -c 3840 "$dir/m.vrk")
    check "$f : rien au-delà" cmp -s <(tail -c +3841 "$dir/n.vrk") <(head -c $((72 * 160)) /dev/zero)
    [ "$f" = pbn ] && more=--analysis || more=
    "$vrek" export "$f" "$dir/m.vrk" --boards 1-24 $more -o "$dir/e.$f" >/dev/null
    check "$f : les octets de vrek export" cmp -s "$file" "$dir/e.$f"
done
for kind in diagrams:diagrammes:6 travellers:fiches:12 labels:etiquettes:2; do
    IFS=: read -r k name pages <<<"$kind"
    check "$name : $pages pages" [ "$(pdfinfo "$dir/soir/m-$name.pdf" | awk '/^Pages:/ { print $2 }')" = "$pages" ]
    "$ev" print "$k" "$dir/m.vrk" --analysis -o "$dir/p.pdf" >/dev/null 2>&1 ||
        "$ev" print "$k" "$dir/m.vrk" -o "$dir/p.pdf" >/dev/null
    check "$name : le texte de vrek print" [ "$(pdftotext "$dir/soir/m-$name.pdf" -)" = "$(pdftotext "$dir/p.pdf" -)" ]
done
check "liste" grep -q $'^24 donnes : 1-24\r$' "$dir/soir/m-soiree.txt"

# A reader of another program: pbn2dds writes West North East South.
if command -v pbn2dds >/dev/null; then
    cp "$dir/soir/m.PBN" "$dir/t.pbn"
    (cd "$dir" && pbn2dds t.pbn >/dev/null 2>&1)
    check "pbn2dds : les 24 donnes" [ "$(cat "$dir/t.dds")" = "$(python3 - "$dir/m.vrk" <<'PY'
import sys
d = open(sys.argv[1], "rb").read()
letters = {14: "A", 13: "K", 12: "Q", 11: "J", 10: "T"}
for b in range(24):
    hand = lambda seat: ".".join("".join(letters.get(r, str(r)) for r in d[160 * b + 40 * seat + 10 * s + 1:][:d[160 * b + 40 * seat + 10 * s]]) for s in (3, 2, 1, 0))
    print(" ".join(hand(seat) for seat in (3, 0, 1, 2)))
PY
)" ]
else
    echo "pbn2dds (paquet pescetti) absent : lecture par un autre programme non vérifiée"
fi

# A second run replaces nothing without --force.
printf 'ancien' > "$dir/soir/m.LIN"
err="$("$ev" bundle "$dir/m.vrk" -o "$dir/soir" 2>&1 >/dev/null)"; rc=$?
check "deuxième passage : code 1" [ $rc = 1 ]
check "deuxième passage : dit" grep -q "contient déjà des fichiers de la soirée .*--force les remplace." <<<"$err"
check "deuxième passage : rien remplacé" [ "$(cat "$dir/soir/m.LIN")" = ancien ]
"$ev" bundle "$dir/m.vrk" -o "$dir/soir" --force --only lin >/dev/null
check "--force : remplacé" cmp -s "$dir/soir/m.LIN" "$dir/e.lin"

# One file that cannot be written: named, exit 1, the others written.
mkdir -p "$dir/panne/m.DUP"
out="$("$ev" bundle "$dir/m.vrk" -o "$dir/panne" --only dlm,dup --force 2>&1)"; rc=$?
check "panne : code 1" [ $rc = 1 ]
check "panne : nommée" grep -q "^Échec : $dir/panne/m.DUP : " <<<"$out"
check "panne : les autres écrits" cmp -s "$dir/panne/m.DLM" "$dir/e.dlm"
check "panne : dans la liste" grep -q "^Non écrits :" "$dir/panne/m-soiree.txt"

# The fingerprint of the key, never the key; incomplete boards refused.
"$vrek" key new -o "$dir/k.txt" >/dev/null
"$ev" bundle "$dir/m.vrk" -o "$dir/cle" --only fingerprint --key "$dir/k.txt" >/dev/null
check "empreinte" grep -q "$("$vrek" key fingerprint "$dir/k.txt" | sed 's/^Empreinte : //')" "$dir/cle/m-empreinte.txt"
check "clé jamais écrite" [ -z "$(grep -rl "$(cat "$dir/k.txt")" "$dir/cle")" ]
err="$("$ev" bundle "$dir/m.vrk" -o "$dir/x" --boards 29-32 2>&1)"; rc=$?
check "incomplètes : refusé ($err)" [ $rc = 1 -a ! -e "$dir/x" ]
"$ev" bundle "$dir/m.vrk" -o "$dir/x" --only pbn,rtf >/dev/null 2>&1
check "--only inconnu : code 2" [ $? = 2 ]

[ $fails = 0 ] && echo "bundle.sh : tout est bon"
exit $fails
