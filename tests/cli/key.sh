#!/usr/bin/env bash
# Verifiable dealing from the command line: `vrek key new` and `vrek key
# fingerprint`, `vrek deal --key` giving the same files from two runs and from
# a subset of boards, bad key files refused with nothing dealt, the
# fingerprint at the foot of the diagram pages, and `vrek stats --fairness`.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fails=0

out=$("$vrek" key new -o "$dir/cle.txt"); rc=$?
check "key new : code 0" [ $rc = 0 ]
check "key new : empreinte" grep -qxE 'Empreinte : [0-9a-f]{64}' <<<"$out"
check "key new : 0600" [ "$(stat -c %a "$dir/cle.txt")" = 600 ]
check "key new : 65 octets" [ "$(stat -c %s "$dir/cle.txt")" = 65 ]
check "key fingerprint : la même" [ "$("$vrek" key fingerprint "$dir/cle.txt")" = "$out" ]
fp=${out##*: }
cp "$dir/cle.txt" "$dir/avant.txt"
err=$("$vrek" key new -o "$dir/cle.txt" 2>&1); rc=$?
check "key new sur une clé : code 1" [ $rc = 1 ]
check "key new sur une clé : message" grep -q "le fichier existe déjà" <<<"$err"
check "key new sur une clé : inchangée" cmp -s "$dir/cle.txt" "$dir/avant.txt"
"$vrek" key >/dev/null 2>&1; check "key seul : code 2" [ $? = 2 ]
"$vrek" key new >/dev/null 2>&1; check "key new sans -o : code 2" [ $? = 2 ]

# A series with the heart two in East on board 5, and a constraint file.
head -c 15360 /dev/zero > "$dir/a.vrk"
printf '\001\002' | dd of="$dir/a.vrk" bs=1 seek=$((4 * 160 + 40 + 20)) conv=notrunc 2>/dev/null
cp "$dir/a.vrk" "$dir/b.vrk"
cp "$dir/a.vrk" "$dir/c.vrk"
python3 - "$dir" <<'PY'
import sys
record = bytes([12, 37, 0, 0] + [0, 10, 0, 9] * 4)  # North 12 points or more
table = bytearray(record + bytes([0, 37, 0, 0] + [0, 10, 0, 9] * 4) * 35)
table[3] = 1
open(sys.argv[1] + "/n12.vrc", "wb").write(table)
PY
out=$("$vrek" deal "$dir/a.vrk" --key "$dir/cle.txt" --constraints "$dir/n12.vrc"); rc=$?
check "deal --key : code 0" [ $rc = 0 ]
check "deal --key : empreinte" [ "$(tail -n 1 <<<"$out")" = "Empreinte de la clé : $fp" ]
"$vrek" deal "$dir/b.vrk" --key "$dir/cle.txt" --constraints "$dir/n12.vrc" >/dev/null
check "deux passages : .vrk identiques" cmp -s "$dir/a.vrk" "$dir/b.vrk"
check "deux passages : .VRT identiques" cmp -s "$dir/a.VRT" "$dir/b.VRT"
"$vrek" deal "$dir/c.vrk" --key "$dir/cle.txt" --constraints "$dir/n12.vrc" --boards 5,17 >/dev/null
for b in 5 17; do
    check "donne $b seule : la même" cmp -s <(dd if="$dir/a.vrk" bs=160 skip=$((b - 1)) count=1 2>/dev/null) \
        <(dd if="$dir/c.vrk" bs=160 skip=$((b - 1)) count=1 2>/dev/null)
done

# Bad key files: a message, exit 1, and the series as it was (or not created).
cp "$dir/c.vrk" "$dir/garde.vrk"
printf '0123\n' > "$dir/court.txt"
printf '%065d\n' 0 > "$dir/long.txt"
printf '%063dg\n' 0 > "$dir/pashex.txt"
mkdir "$dir/dossier.txt"
for k in absente.txt court.txt long.txt pashex.txt dossier.txt; do
    err=$("$vrek" deal "$dir/c.vrk" --key "$dir/$k" 2>&1); rc=$?
    check "clé $k : code 1" [ $rc = 1 ]
    check "clé $k : rien distribué" grep -q "Rien n'a été distribué." <<<"$err"
    check "clé $k : série inchangée" cmp -s "$dir/c.vrk" "$dir/garde.vrk"
done
"$vrek" deal "$dir/neuve.vrk" --key "$dir/court.txt" >/dev/null 2>&1
check "clé refusée : pas de série créée" [ ! -e "$dir/neuve.vrk" ]

# The fingerprint at the foot of each diagram page.
"$vrek" print diagrams "$dir/a.vrk" -o "$dir/d.pdf" --sheets 1-2 --fingerprint "$dir/cle.txt" >/dev/null
check "diagrammes : empreinte sur 2 pages" \
    [ "$(pdftotext "$dir/d.pdf" - | grep -c "Empreinte de la clé de distribution : $fp")" = 2 ]
"$vrek" print diagrams "$dir/a.vrk" -o "$dir/e.pdf" --sheets 1 --fingerprint "$dir/court.txt" >/dev/null 2>&1
check "diagrammes, clé refusée : code 1, pas de fichier" [ $? = 1 ] && [ ! -e "$dir/e.pdf" ]

# The fairness report of two series.
out=$("$vrek" stats "$dir/a.vrk" "$dir/b.vrk" --fairness --boards 1-48); rc=$?
check "stats --fairness : code 0" [ $rc = 0 ]
check "stats --fairness : deux séries" grep -qx "2 séries, 96 donnes complètes, 384 mains" <<<"$out"
check "stats --fairness : cinq tests" [ "$(grep -cE $'^(Distributions des mains|Points H par main|Plus longue couleur|Plus courte couleur|Types de donnes)\t[0-9]+ ' <<<"$out")" = 5 ]
"$vrek" stats "$dir/a.vrk" "$dir/b.vrk" >/dev/null 2>&1
check "stats à deux séries sans --fairness : code 2" [ $? = 2 ]
"$vrek" print stats "$dir/a.vrk" -o "$dir/s.pdf" --fairness >/dev/null
check "print stats --fairness : la page en plus" [ "$(pdftotext "$dir/s.pdf" - | grep -c "EQUITE DE LA DISTRIBUTION")" = 1 ]
"$vrek" print stats "$dir/a.vrk" -o "$dir/t.pdf" --fairness --theory >/dev/null 2>&1
check "print stats --fairness --theory : code 2" [ $? = 2 ]

[ $fails = 0 ] && echo "key: ok"
exit $((fails > 0))
