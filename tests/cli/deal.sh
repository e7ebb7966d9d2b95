#!/usr/bin/env bash
# `vrek deal` completes boards under constraints, records the attempt counts
# in the provenance lines and saves; bad input changes nothing.
set -u
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$vrek" --help | grep -q "deal SERIES.vrk" || fail "--help lists deal"

# An empty series with a provenance text on board 2, North holding the spade
# ace on board 3; constraint files: one asking North for four cards or more
# in every suit (never met), one that is too short, one announcing 12 sets.
python3 - "$dir" <<'PY'
import sys
d = sys.argv[1]
rec = bytearray(160 * 96)
rec[320 + 30:320 + 32] = bytes([1, 14])
open(d + "/s.vrk", "wb").write(rec)
lines = [""] * 1441
lines[30] = "Club"
open(d + "/s.VRT", "wb").write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
record = bytes([0, 37, 0, 0] + [0, 10, 0, 9] * 4)
table = bytearray(record * 36)
table[3] = 1
for suit in range(4):  # North: four suits of four cards or more, each range possible
    table[4 + 4 * suit + 2] = 4
open(d + "/never.vrc", "wb").write(table)
open(d + "/short.vrc", "wb").write(table[:700])
table[3] = 12
open(d + "/twelve.vrc", "wb").write(table)
PY

# Counts of the 16 holdings of board b (-v: od would print two equal
# holdings in a row, say two singleton fives, as one line and a "*").
cards() { od -v -An -tu1 -j $(( ($2 - 1) * 160 )) -N160 -w10 "$1" | awk '{s += $1} END {print s}'; }

out=$("$vrek" deal "$dir/s.vrk" --boards 1-3) || fail "deal exit"
[ "$out" = "3 donnes distribuées, toutes selon les contraintes." ] || fail "one summary line: $out"
[ "$(stat -c %s "$dir/s.vrk")" -eq 15360 ] || fail "series size"
for b in 1 2 3; do [ "$(cards "$dir/s.vrk" $b)" -eq 52 ] || fail "board $b not complete"; done
[ "$(cards "$dir/s.vrk" 4)" -eq 0 ] || fail "board 4 was dealt"
show=$("$vrek" show "$dir/s.vrk" --boards 2-4)
echo "$show" | grep -qx "  Provenance : Nombre d'itérations: 1" || fail "provenance replaced: $show"
echo "$show" | grep -q "Club" && fail "old provenance kept"
echo "$show" | grep -qx "  Provenance : " || fail "board 4 provenance"
# The spade ace placed in North stays there with the default constraints.
"$vrek" show "$dir/s.vrk" --boards 3 | grep -q "N :  P A" || fail "placed card moved"
# Texts stay Windows-1252 with CR LF line ends.
grep -q $'Nombre d\'it\xe9rations: 1\r$' "$dir/s.VRT" || fail "text file bytes"

# A complete board is dealt again without change; constraints never met cost
# 200000 attempts, leave a complete deal that says so, and end in exit 1
# with the boards named (the deals are saved all the same).
cp "$dir/s.vrk" "$dir/before.vrk"
out=$("$vrek" deal "$dir/s.vrk" --boards 1 --constraints "$dir/never.vrc" --verbose 2>"$dir/err"); rc=$?
[ $rc -eq 1 ] || fail "never exit $rc"
[ "$out" = $'Donne 1 : 200000 itérations (contraintes non satisfaites)\n1 donne distribuée ; contraintes non satisfaites pour la donne 1.' ] \
    || fail "never, one line per board with --verbose: $out"
grep -qx "Contraintes non satisfaites après 200000 itérations pour la donne 1 : sa distribution ne les respecte pas." \
    "$dir/err" || fail "never message: $(cat "$dir/err")"
cmp -s <(head -c 160 "$dir/s.vrk") <(head -c 160 "$dir/before.vrk") || fail "complete board changed"
out=$("$vrek" deal "$dir/s.vrk" --boards 4-6 --constraints "$dir/never.vrc" 2>"$dir/err"); rc=$?
[ $rc -eq 1 ] || fail "never exit 4-6: $rc"
[ "$out" = "3 donnes distribuées ; contraintes non satisfaites pour les donnes 4, 5 et 6." ] || fail "4-6 summary: $out"
grep -q "pour les donnes 4, 5 et 6 : leur distribution" "$dir/err" || fail "4-6 message: $(cat "$dir/err")"
for b in 4 5 6; do [ "$(cards "$dir/s.vrk" $b)" -eq 52 ] || fail "board $b keeps the last completion"; done
"$vrek" show "$dir/s.vrk" --boards 5 | grep -qx "  Provenance : Nombre d'itérations: 200000" || fail "board 5 provenance"

# Bad input: a message, exit 1 or 2, and the series as it was.
cp "$dir/s.vrk" "$dir/keep.vrk"; cp "$dir/s.VRT" "$dir/keep.VRT"
unchanged() { cmp -s "$dir/s.vrk" "$dir/keep.vrk" && cmp -s "$dir/s.VRT" "$dir/keep.VRT"; }
err=$("$vrek" deal "$dir/s.vrk" --constraints "$dir/short.vrc" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "short vrc exit $rc"
echo "$err" | grep -q "700 octets au lieu de 720" || fail "short vrc message: $err"
err=$("$vrek" deal "$dir/s.vrk" --constraints "$dir/twelve.vrc" 2>&1); rc=$?
[ $rc -eq 1 ] && echo "$err" | grep -q "12 niveaux" || fail "twelve sets: $rc $err"
err=$("$vrek" deal "$dir/s.vrk" --constraints "$dir/absent.vrc" 2>&1); rc=$?
[ $rc -eq 1 ] && echo "$err" | grep -q "n'existe pas" || fail "absent vrc: $rc $err"
unchanged || fail "a refused constraint file changed the series"
"$vrek" deal "$dir/s.vrk" --boards 0-3 >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad list"
"$vrek" deal >/dev/null 2>&1; [ $? -eq 2 ] || fail "no argument"
"$vrek" deal "$dir/s.vrk" --frobnicate >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option"
# A series that does not exist yet is created empty, as the window does, and dealt.
out=$("$vrek" deal "$dir/nouvelle.vrk" --boards 2 2>&1); rc=$?
[ $rc -eq 0 ] && echo "$out" | grep -q "n'existait pas : une série vide a été créée" || fail "new series: $rc $out"
[ "$(cards "$dir/nouvelle.vrk" 2)" -eq 52 ] && [ "$(cards "$dir/nouvelle.vrk" 3)" -eq 0 ] || fail "new series dealt"
[ "$(stat -c %s "$dir/nouvelle.VRT")" -ge 2882 ] || fail "new series texts"
# Board 7 holding the same card twice is refused before anything is dealt.
python3 - "$dir/s.vrk" <<'PY'
import sys
f = sys.argv[1]
b = bytearray(open(f, "rb").read())
b[960 + 30:960 + 32] = bytes([1, 14])        # North spade ace
b[960 + 70:960 + 72] = bytes([1, 14])        # East spade ace too
open(f, "wb").write(b)
PY
cp "$dir/s.vrk" "$dir/keep.vrk"
err=$("$vrek" deal "$dir/s.vrk" 2>&1); rc=$?
[ $rc -eq 1 ] && echo "$err" | grep -q "La donne 7 .* endommagée" || fail "damaged board: $rc $err"
unchanged || fail "a damaged board let the others be dealt"
# A failed save (read-only folder) keeps the old files.
if [ "$(id -u)" -ne 0 ]; then
    chmod 500 "$dir"
    "$vrek" deal "$dir/s.vrk" --boards 8 >/dev/null 2>&1; rc=$?
    chmod 700 "$dir"
    [ $rc -eq 1 ] || fail "read-only save exit $rc"
    unchanged || fail "failed save changed the series"
fi

# Without --boards every board is dealt (board 7 repaired first).
python3 - "$dir/s.vrk" <<'PY'
import sys
f = sys.argv[1]
b = bytearray(open(f, "rb").read())
b[960 + 70:960 + 72] = bytes([0, 0])
open(f, "wb").write(b)
PY
out=$("$vrek" deal "$dir/s.vrk" --verbose) || fail "all boards"
[ "$(echo "$out" | grep -c '^Donne ')" -eq 96 ] || fail "96 lines"
[ "$(echo "$out" | tail -1)" = "96 donnes distribuées, toutes selon les contraintes." ] || fail "summary after the boards"
for b in 7 50 96; do [ "$(cards "$dir/s.vrk" $b)" -eq 52 ] || fail "board $b"; done
echo "deal: ok"
