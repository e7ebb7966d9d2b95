#!/usr/bin/env bash
# Batch commands and the files around them: one writer per series at a time,
# exports that never replace the series nor carry incomplete deals, PBN and
# LIN files that other programs read whatever the texts say, and command
# words that are never taken for file names.
# usage: bash files.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
dir="$(mktemp -d)"
trap 'chmod -R u+w "$dir"; [ -n "${KEEP:-}" ] || rm -rf "$dir"' EXIT
fails=0

# s.vrk: boards 1-10 complete, the rest empty; contract texts that name no
# contract, a long one, a lead without rank, and bars.
python3 - "$dir" <<'PY'
import random, sys
d = sys.argv[1]
rnd = random.Random(7)
out = bytearray()
for b in range(96):
    if b >= 10:
        out += bytes(160)
        continue
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
open(d + "/s.vrk", "wb").write(out)
lines = [""] * 1441
lines[0] = "Lundi | soir"
texts = ["Passe", "Donne de défense", "4P S entame RC, puis le roi de coeur pour finir ici",
         "3SA N entame C", "", "Z", "4P S | RC", "4C E  AT"]
for i, t in enumerate(texts):
    lines[15 * (i + 1) - 13] = t[:50].ljust(50) + "003003006"
open(d + "/s.VRT", "wb").write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
PY
cp "$dir/s.vrk" "$dir/keep.vrk"; cp "$dir/s.VRT" "$dir/keep.VRT"
unchanged() { cmp -s "$dir/s.vrk" "$dir/keep.vrk" && cmp -s "$dir/s.VRT" "$dir/keep.VRT"; }

# ---- command words
err="$(cd "$dir" && "$vrek" frobnicate 2>&1 >/dev/null)"; rc=$?
check "mot inconnu : code 2" [ $rc = 2 ]
check "mot inconnu : message" grep -q "commande inconnue : frobnicate" <<<"$err"
check "mot inconnu : rien créé" [ ! -e "$dir/frobnicate" ]
(cd "$dir" && "$vrek" lundi.pbn >/dev/null 2>&1); check "fichier non .vrk : code 2" [ $? = 2 ]

# ---- one writer at a time: another program holds the lock of s.vrk.
"$vrek" export dup "$dir/s.vrk" --boards 1-10 -o "$dir/x.dup" >/dev/null
python3 - "$dir" "$vrek" <<'PY' > "$dir/held.txt"
import fcntl, os, subprocess, sys
d, vrek = sys.argv[1], sys.argv[2]
fd = os.open(d + "/.s.vrek-verrou", os.O_RDWR | os.O_CREAT, 0o644)
os.write(fd, b"4242 autre\n")
fcntl.flock(fd, fcntl.LOCK_EX)
for cmd in (["deal", d + "/s.vrk", "--boards", "20"],
            ["import", "dup", d + "/x.dup", d + "/s.vrk"],
            ["verify", d + "/s.vrk", "--boards", "1"]):
    r = subprocess.run([vrek] + cmd, capture_output=True, text=True)
    print(r.returncode, r.stderr.strip())
PY
check "verrou : trois refus" [ "$(grep -c "^1 La série $dir/s.vrk est en cours d'utilisation par un autre programme Vrek (processus 4242 sur la machine autre)" "$dir/held.txt")" = 3 ]
check "verrou : série intacte" unchanged
# The holder gone (even without removing its file), the series is free again.
printf '4242 autre\n' > "$dir/.s.vrek-verrou"
"$vrek" deal "$dir/s.vrk" --boards 20 >/dev/null; check "verrou libéré : code 0" [ $? = 0 ]
cp "$dir/keep.vrk" "$dir/s.vrk"; cp "$dir/keep.VRT" "$dir/s.VRT"

# Two deals on the two halves of one series at once: whatever the timing,
# every run that says it succeeded has its boards in the file.
dealt() { od -An -tu1 -v -w160 "$1" | awk '{s = 0; for (i = 1; i <= 160; i += 10) s += $i; if (s == 52) n++} END {print n + 0}'; }
for round in 1 2 3 4 5 6; do
    head -c 15360 /dev/zero > "$dir/c.vrk"; : > "$dir/c.VRT"
    "$vrek" deal "$dir/c.vrk" --boards 1-48 >/dev/null 2>"$dir/e1" & p1=$!
    "$vrek" deal "$dir/c.vrk" --boards 49-96 >/dev/null 2>"$dir/e2" & p2=$!
    wait $p1; r1=$?; wait $p2; r2=$?
    ok=$(( (r1 == 0) + (r2 == 0) ))
    check "concurrence $round : codes $r1 $r2" [ $(( (r1 == 0 || r1 == 1) && (r2 == 0 || r2 == 1) )) = 1 ]
    check "concurrence $round : $ok réussites, $(dealt "$dir/c.vrk") donnes" [ "$(dealt "$dir/c.vrk")" = $((48 * ok)) ]
done

# ---- no command that writes a file replaces the series it reads: by any
# spelling of the extension, through a link, or a dangling link to its name
ln -s "$dir/s.VRT" "$dir/lien.pdf"
ln -s "$dir/s.vrt" "$dir/pendant.pdf"
ln -s "$dir" "$dir/via"
for cmd in "export pbn $dir/s.vrk --boards 1" "print diagrams $dir/s.vrk --sheets 1" "present $dir/s.vrk --board 1"; do
    for t in s.vrk s.VRT s.vrt lien.pdf pendant.pdf via/s.vrk; do
        # shellcheck disable=SC2086
        err="$("$vrek" $cmd -o "$dir/$t" 2>&1)"; rc=$?
        check "${cmd%% *} sur $t : code 1" [ $rc = 1 ]
        check "${cmd%% *} sur $t : message" [ "$err" = "Le fichier $dir/$t est un fichier de la série $dir/s.vrk : il n'est pas remplacé. Rien n'est écrit." ]
    done
done
check "sortie sur la série : intacte" unchanged
check "sortie sur la série : rien créé" [ ! -e "$dir/s.vrt" ]
rm -f "$dir/lien.pdf" "$dir/pendant.pdf" "$dir/via"

# ---- a file to complete past 64 MB is refused, not read
truncate -s 65M "$dir/grand.pbn"
err="$("$vrek" export pbn "$dir/s.vrk" --boards 1 --append -o "$dir/grand.pbn" 2>&1)"; rc=$?
check "fichier à compléter trop grand : code 1" [ $rc = 1 ]
check "fichier à compléter trop grand : message" grep -q "est trop grand (68157440 octets)" <<<"$err"
check "fichier à compléter trop grand : intact" [ "$(stat -c %s "$dir/grand.pbn")" = 68157440 ]
rm -f "$dir/grand.pbn"

# ---- only complete boards go out
err="$("$vrek" export lin "$dir/s.vrk" --boards 9-13 -o "$dir/i.lin" 2>&1)"; rc=$?
check "donnes incomplètes : code 1" [ $rc = 1 ]
check "donnes incomplètes : message" [ "$err" = "Les donnes 11, 12 et 13 ne sont pas complètes : seules les donnes complètes s'exportent. Rien n'est exporté." ]
check "donnes incomplètes : aucun fichier" [ ! -e "$dir/i.lin" ]

# ---- LIN: a bar in the title or a contract text splits no field
"$vrek" export lin "$dir/s.vrk" --boards 1-8 -o "$dir/s.lin" >/dev/null
check "lin : champs" python3 - "$dir/s.lin" <<'PY'
import sys
lines = open(sys.argv[1], "rb").read().split(b"\r\n")
assert lines[-1] == b""
assert [l.count(b"|") for l in lines[:-1]] == [2] + [2, 12] * 8, lines
assert lines[0] == b"vg|Lundi / soir|"
assert lines[13].startswith(b"nt|4P S / RC ")
PY

# ---- PBN: tags a strict reader accepts, and a third-party reader's view
"$vrek" export pbn "$dir/s.vrk" --boards 1-8 -o "$dir/s.pbn" >/dev/null
check "pbn : étiquettes" python3 - "$dir/s.pbn" <<'PY'
import re, sys
lines = open(sys.argv[1], "rb").read().decode("cp1252").split("\r\n")
contracts = [re.fullmatch(r'\[Contract "(.*)"\]', l).group(1) for l in lines if l.startswith("[Contract ")]
assert contracts == ["", "", "4S", "3NT", "", "", "4S", "4H"], contracts
for i, l in enumerate(lines):
    if l.startswith("[Contract "):
        assert re.fullmatch(r'\[Contract "(Pass|[1-7](C|D|H|S|NT)X{0,2})?"\]', l), l
    if l.startswith("[Declarer "):
        assert re.fullmatch(r'\[Declarer "[NESW]?"\]', l), l
    if l.startswith("[Play "):
        lead = lines[i + 1]
        assert lead == "" or re.fullmatch(r"[SHDC][AKQJT2-9] \*", lead), lead
leads = [lines[i + 1] for i, l in enumerate(lines) if l.startswith("[Play ")]
assert leads == ["", "", "HK *", "", "", "", "HK *", "CA *"], leads
PY
if command -v pbn2dds >/dev/null && [ -f /usr/share/pescetti/pescetti.jar ] && command -v java >/dev/null; then
    (cd "$dir" && pbn2dds s.pbn) && check "pbn2dds : 8 donnes" [ "$(wc -l < "$dir/s.dds")" = 8 ]
    java -jar /usr/share/pescetti/pescetti.jar --load-dds="$dir/s.dds" --format=txt > "$dir/pescetti.txt" 2>&1
    check "pescetti : code 0" [ $? = 0 ]
    check "pescetti : 8 donnes" [ "$(grep -c '^Board [0-9]*:' "$dir/pescetti.txt")" = 8 ]
else
    echo "pbn2dds (paquet pescetti) absent : lecture par un autre programme non vérifiée"
fi

[ $fails = 0 ] && echo "files.sh : tout est bon"
exit $((fails > 0))
