#!/usr/bin/env bash
# Batch import and insertion: round trips through the export command, boards
# and positions, series files with their texts, and refusals that change nothing.
# usage: bash import.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$1"

# src.vrk: 96 random complete deals; cible.vrk: other deals, every line named.
python3 - "$dir" <<'PY'
import random, sys
d = sys.argv[1]
def series(seed):
    rnd = random.Random(seed)
    out = bytearray()
    for _ in range(96):
        while True:
            cards = [(s, r) for s in range(1, 5) for r in range(2, 15)]
            rnd.shuffle(cards)
            hands = [cards[13 * i:13 * i + 13] for i in range(4)]
            if all(sum(1 for c in h if c[0] == s) <= 9 for h in hands for s in range(1, 5)):
                break
        for h in hands:
            for s in range(1, 5):
                ranks = sorted((r for (cs, r) in h if cs == s), reverse=True)
                out += bytes([len(ranks)] + ranks + [0] * (9 - len(ranks)))
    return out
open(d + "/src.vrk", "wb").write(series(1))
open(d + "/src.VRT", "wb").write(("\r\n".join(["Source"] + ["s%d" % i for i in range(1, 1441)]) + "\r\n").encode())
open(d + "/cible.vrk", "wb").write(series(2))
open(d + "/cible.VRT", "wb").write(("\r\n".join(["Cible"] + ["c%d" % i for i in range(1, 1441)]) + "\r\n").encode())
PY
rec() { dd if="$1" bs=160 skip=$(($2 - 1)) count=1 2>/dev/null | od -An -v -tx1 | tr -d ' \n'; }
line() { sed -n "$(($2 + 1))p" "$1" | tr -d '\r'; }

# Round trips: the imported series holds the very records exported.
for f in dup dlm pbn bri dge lin; do
    "$vrek" export $f "$dir/src.vrk" -o "$dir/Lundi.$f" >/dev/null
    rm -f "$dir/Lundi.vrk" "$dir/Lundi.VRT"
    out="$("$vrek" import $f "$dir/Lundi.$f" "$dir/Lundi.vrk")"; rc=$?
    check "$f : code 0" [ $rc = 0 ]
    check "$f : message" [ "$out" = "La série $dir/Lundi.vrk n'existait pas : une série vide a été créée.
Importation de 96 donnes du fichier $dir/Lundi.$f dans la série $dir/Lundi.vrk" ]
    check "$f : mêmes donnes" cmp -s "$dir/src.vrk" "$dir/Lundi.vrk"
    check "$f : titre" [ "$(line "$dir/Lundi.VRT" 0)" = "Lundi.$f" ]
    check "$f : textes vides" [ "$(wc -c < "$dir/Lundi.VRT")" = $((9 + 2 + 1440 * 2)) ]
done

# The file's double-dummy analyses checked against the solver on request.
"$vrek" export pbn "$dir/src.vrk" --boards 1-2 --analysis -o "$dir/dd.pbn" >/dev/null
python3 - "$dir/dd.pbn" <<'PY'
import re, sys
p = sys.argv[1]; t = open(p, 'rb').read().decode('latin-1')
games = t.split('[Board "2"]')  # board 2: North's first count one higher
games[1] = re.sub(r'DoubleDummyTricks "(.)', lambda m: 'DoubleDummyTricks "%x' % ((int(m.group(1), 16) + 1) % 14), games[1], 1)
open(p, 'wb').write('[Board "2"]'.join(games).encode('latin-1'))
PY
cp "$dir/cible.vrk" "$dir/a.vrk"; cp "$dir/cible.VRT" "$dir/a.VRT"
out="$("$vrek" import pbn "$dir/dd.pbn" "$dir/a.vrk" --check-analysis 2>&1)"; rc=$?
check "analyse vérifiée : code 0" [ $rc = 0 ]
check "analyse vérifiée : donne 2" grep -q "^Donne 2 : l'analyse du fichier diffère de celle du solveur : N à SA : " <<<"$out"
check "analyse vérifiée : compte" grep -q "^Analyses du fichier vérifiées : 1 conforme au solveur, 1 différente.$" <<<"$out"

# An import goes into the series the command names, never into one named
# after the imported file.
"$vrek" export dlm "$dir/src.vrk" --boards 1-32 -o "$dir/Mardi.dlm" >/dev/null
printf 'ne pas toucher' > "$dir/Mardi.VRK"
cp "$dir/cible.vrk" "$dir/t.vrk"; cp "$dir/cible.VRT" "$dir/t.VRT"
out="$("$vrek" import dlm "$dir/Mardi.dlm" "$dir/t.vrk" --boards 2,31)"; rc=$?
check "dlm 2,31 : code 0" [ $rc = 0 ]
check "dlm 2,31 : série nommée" [ "$out" = "Importation de 2 donnes du fichier $dir/Mardi.dlm dans la série $dir/t.vrk" ]
check "dlm 2,31 : donne 31" [ "$(rec "$dir/t.vrk" 31)" = "$(rec "$dir/src.vrk" 31)" ]
check "dlm 2,31 : donne 3 vide" [ "$(rec "$dir/t.vrk" 3)" = "$(printf '0%.0s' $(seq 320))" ]
check "dlm 2,31 : titre" [ "$(line "$dir/t.VRT" 0)" = "Mardi.dlm" ]
check "dlm 2,31 : Mardi.VRK intact" [ "$(cat "$dir/Mardi.VRK")" = "ne pas toucher" ]
check "dlm 2,31 : pas de Mardi.VRT" [ ! -e "$dir/Mardi.VRT" ]
"$vrek" import dlm "$dir/Mardi.dlm" "$dir/cible.vrk" --boards 40 2>/dev/null
check "dlm : donne 40 absente du fichier" [ $? = 1 ]

# Insertion of boards 5 and 7 at position 20: boards 20 and 21 only.
cp "$dir/cible.vrk" "$dir/c.vrk"; cp "$dir/cible.VRT" "$dir/c.VRT"
out="$("$vrek" import pbn "$dir/Lundi.pbn" "$dir/c.vrk" --boards 5,7 --insert-at 20)"; rc=$?
check "insertion : code 0" [ $rc = 0 ]
check "insertion : message" [ "$out" = "Insertion de 2 donnes du fichier $dir/Lundi.pbn à partir de la position 20 dans la série $dir/c.vrk" ]
check "insertion : donne 20" [ "$(rec "$dir/c.vrk" 20)" = "$(rec "$dir/src.vrk" 5)" ]
check "insertion : donne 21" [ "$(rec "$dir/c.vrk" 21)" = "$(rec "$dir/src.vrk" 7)" ]
for b in 19 22; do
    check "insertion : donne $b intacte" [ "$(rec "$dir/c.vrk" $b)" = "$(rec "$dir/cible.vrk" $b)" ]
done
check "insertion : thème 20 vidé" [ "$(line "$dir/c.VRT" 286)" = "" ]
check "insertion : thème 22 gardé" [ "$(line "$dir/c.VRT" 316)" = "c316" ]
check "insertion : titre gardé" [ "$(line "$dir/c.VRT" 0)" = "Cible" ]

# From another series: the records with their 15 lines.
cp "$dir/cible.vrk" "$dir/c.vrk"; cp "$dir/cible.VRT" "$dir/c.VRT"
"$vrek" import vrk "$dir/src.vrk" "$dir/c.vrk" --boards 3 --insert-at 96 >/dev/null
check "série : donne 96" [ "$(rec "$dir/c.vrk" 96)" = "$(rec "$dir/src.vrk" 3)" ]
check "série : lignes" [ "$(sed -n '1427,1441p' "$dir/c.VRT" | tr -d '\r' | tr '\n' ' ')" = "$(seq -f 's%g' 31 45 | tr '\n' ' ')" ]

# Refusals leave the series byte for byte as it was.
before="$(md5sum "$dir/c.vrk" "$dir/c.VRT")"
err="$("$vrek" import dup "$dir/Lundi.dup" "$dir/c.vrk" --boards 1-3 --insert-at 95 2>&1)"; rc=$?
check "débordement : code 1" [ $rc = 1 ]
check "débordement : message" grep -q "3 donnes à partir de la position 95" <<<"$err"
python3 -c "
import sys; p=sys.argv[1]; b=bytearray(open(p,'rb').read()); b[156*4+30:156*4+32]=b'77'; open(sys.argv[2],'wb').write(b)
" "$dir/Lundi.dup" "$dir/casse.dup"
err="$("$vrek" import dup "$dir/casse.dup" "$dir/c.vrk" --boards 5 --insert-at 1 2>&1)"; rc=$?
check "dup abîmé : code 1" [ $rc = 1 ]
check "dup abîmé : message" grep -q "enregistrement 5 : l'indice de carte « 77 » d'Est" <<<"$err"
# The other boards of the damaged file are read, the damaged one is named.
cp "$dir/c.vrk" "$dir/d.vrk"; cp "$dir/c.VRT" "$dir/d.VRT"
out="$("$vrek" import dup "$dir/casse.dup" "$dir/d.vrk" --boards 4-6 --insert-at 1)"; rc=$?
check "dup abîmé en partie : code 0" [ $rc = 0 ]
check "dup abîmé en partie : compte" grep -q "Insertion de 2 donnes" <<<"$out"
check "dup abîmé en partie : écartée" grep -q "^1 donne écartée :$" <<<"$out"
check "dup abîmé en partie : raison" grep -q "^enregistrement 5 : l'indice de carte « 77 » d'Est" <<<"$out"
check "dup abîmé en partie : donne 6 en 2" [ "$(rec "$dir/d.vrk" 2)" = "$(rec "$dir/src.vrk" 6)" ]
# A file of another format is refused whole.
err="$("$vrek" import dup "$dir/Lundi.pbn" "$dir/c.vrk" --insert-at 1 2>&1)"; rc=$?
check "pbn lu comme dup : code 1" [ $rc = 1 ]
check "pbn lu comme dup : message" grep -q "Ce n'est pas un fichier DUP" <<<"$err"
: > "$dir/vide.pbn"
"$vrek" import pbn "$dir/vide.pbn" "$dir/c.vrk" --insert-at 1 2>/dev/null
check "fichier vide : code 1" [ $? = 1 ]
head -c 1000 "$dir/src.vrk" > "$dir/court.vrk"
err="$("$vrek" import vrk "$dir/court.vrk" "$dir/c.vrk" --insert-at 1 2>&1)"
check "série tronquée : message" grep -q "multiple de 160" <<<"$err"
"$vrek" import pbn "$dir/absent.pbn" "$dir/c.vrk" --insert-at 1 2>/dev/null
check "fichier absent : code 1" [ $? = 1 ]
out="$("$vrek" import pbn "$dir/Lundi.pbn" "$dir/absente.vrk" --boards 4 --insert-at 1)"
check "série absente : créée" grep -q "n'existait pas : une série vide a été créée" <<<"$out"
check "série absente : donne insérée" [ "$(rec "$dir/absente.vrk" 1)" = "$(rec "$dir/src.vrk" 4)" ]
check "refus : série intacte" [ "$(md5sum "$dir/c.vrk" "$dir/c.VRT")" = "$before" ]

# Usage errors.
"$vrek" import vrk "$dir/src.vrk" "$dir/c.vrk" 2>/dev/null
check "vrk sans --insert-at : code 2" [ $? = 2 ]
"$vrek" import xyz "$dir/x.lin" "$dir/c.vrk" 2>/dev/null
check "format inconnu : code 2" [ $? = 2 ]
for p in 0 97 x 3-4; do
    "$vrek" import dup "$dir/Lundi.dup" "$dir/c.vrk" --insert-at $p 2>/dev/null
    check "--insert-at $p : code 2" [ $? = 2 ]
done
"$vrek" import dup "$dir/Lundi.dup" 2>/dev/null
check "arguments manquants : code 2" [ $? = 2 ]
check "usage : série intacte" [ "$(md5sum "$dir/c.vrk" "$dir/c.VRT")" = "$before" ]

[ $fails = 0 ] && echo "import : tout est bon"
exit $((fails > 0))
