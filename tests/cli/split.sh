#!/usr/bin/env bash
# `vrek split`: both tables of the split calculator, ranges checked.
set -u
vrek="$1"
fail() { echo "FAIL: $*"; exit 1; }

out=$(LC_ALL=fr_FR.UTF-8 "$vrek" split 8) || fail "split exit"
[ "$(echo "$out" | head -1)" = "Gauche	Dans la main	%	Dans la main	Droite" ] || fail "heads: $out"
echo "$out" | grep -qx "2	16,957	33,913	16,957	3" || fail "2-3 row"
echo "$out" | grep -qx "3/2	67,826" || fail "3/2"
echo "$out" | grep -qx "4/1	28,261" || fail "4/1"
echo "$out" | grep -qx "5/0	3,913" || fail "5/0"

out=$(LC_ALL=C "$vrek" split 8 --left 13) || fail "left 13 exit"
[ "$(echo "$out" | grep -c '	5$')" -eq 1 ] || fail "one split with everything on the right: $out"
echo "$out" | grep -qx "5/0	100.000" || fail "left 13 merged"
out=$(LC_ALL=C "$vrek" split 12 --right 3) || fail "12 held exit"
echo "$out" | grep -qx "1/0	100.000" || fail "12 held"

for bad in "13" "-1" "x" "8 --left 14" "8 --right -2" "8 --left" ""; do
  "$vrek" split $bad >/dev/null 2>&1; [ $? -eq 2 ] || fail "'split $bad' should be refused"
done
echo "split: ok"
