#!/usr/bin/env bash
# `vrek stats`: the five tabs as text in the three modes, the locale's
# decimal separator, refused inputs; the series is only read.
set -u
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Missing series: exit 1, nothing created. Wrong command lines: exit 2.
out=$("$vrek" stats "$dir/absent.vrk" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "missing series exit $rc"
[ ! -e "$dir/absent.vrk" ] || fail "stats created a file"
"$vrek" stats >/dev/null 2>&1; [ $? -eq 2 ] || fail "no argument"
"$vrek" stats "$dir/x.vrk" --full --theory >/dev/null 2>&1; [ $? -eq 2 ] || fail "two modes"
"$vrek" stats "$dir/x.vrk" --boards 1 >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option"

# Board 1 all 5-4-2-2 and 4-3-3-3 shapes (a regular deal), board 2 with a
# 4-4-4-1 hand, board 3 incomplete.
python3 - "$dir" <<'PY'
import sys
d = sys.argv[1]
def deal(lengths):  # lengths[seat][spades, hearts, diamonds, clubs]
    hands = [[[] for _ in range(4)] for _ in range(4)]
    for s in range(4):
        rank = 14
        for seat in range(4):
            for _ in range(lengths[seat][s]):
                hands[seat][3 - s].append(rank); rank -= 1
    out = bytearray()
    for seat in range(4):
        for suit in range(4):
            r = hands[seat][suit]
            out += bytes([len(r)] + r + [0] * (9 - len(r)))
    return out
rec = bytearray(160 * 96)
rec[0:160] = deal([[5, 4, 2, 2], [2, 5, 4, 2], [2, 2, 5, 4], [4, 2, 2, 5]])
rec[160:320] = deal([[4, 4, 4, 1], [3, 3, 3, 4], [3, 3, 3, 4], [3, 3, 3, 4]])
rec[320:330] = bytes([1, 14] + [0] * 8)
open(d + "/s.vrk", "wb").write(rec)
lines = ["Lundi"] + [""] * 1440
open(d + "/s.VRT", "wb").write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
PY
before=$(md5sum "$dir"/s.*)

out=$(LC_ALL=fr_FR.UTF-8 "$vrek" stats "$dir/s.vrk") || fail "stats exit"
[ "$(echo "$out" | head -1)" = "distributions des mains" ] || fail "first caption: $out"
echo "$out" | grep -qx "8 mains sont prises en compte" || fail "hands"
echo "$out" | grep -qx "4 lignes sont prises en compte" || fail "lines"
echo "$out" | grep -qx " 4- 3- 3- 3	3	37,500	10,536" || fail "4-3-3-3 row: $out"
echo "$out" | grep -qx "régulière	1	50,000	16,121" || fail "regular deals"
echo "$out" | grep -qx "avec 1 seule main	1	50,000	33,447" || fail "one short hand"
echo "$out" | grep -qx "Mains	2	2	2	2" || fail "hands per seat"
echo "$out" | grep -qx "Moyenne	[0-9]*,[0-9]*	.*" || fail "averages named"
echo "$out" | grep -qx "Sur 2, nombre de donnes possédant :" || fail "deal count"
[ "$(echo "$out" | grep -c '^des points H par')" -eq 3 ] || fail "tab captions"

out=$(LC_ALL=C "$vrek" stats "$dir/s.vrk" --full) || fail "full exit"
rows=$(echo "$out" | sed -n '/^distributions des mains$/,/^des points H par main$/p' | grep -c '^..-')
[ "$rows" -eq 39 ] || fail "full record has $rows pattern rows"
echo "$out" | grep -qx "37	0	0.000	0.000000" || fail "unseen point total in the full record"
echo "$out" | grep -qx "39 types de mains différentes" || fail "types label"

out=$(LC_ALL=fr_FR.UTF-8 "$vrek" stats "$dir/s.vrk" --theory) || fail "theory exit"
echo "$out" | grep -qx " 4- 3- 3- 3			10,536130" || fail "theory row"
echo "$out" | grep -qx "10	10	10	10" || fail "theory seats"
echo "$out" | grep -q "distributions des donnes" && fail "theory shows the deal tab"
[ "$(md5sum "$dir"/s.*)" = "$before" ] || fail "stats changed the series"
echo "stats: ok"
