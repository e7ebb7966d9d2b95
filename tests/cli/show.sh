#!/usr/bin/env bash
# `vrek show`, `--help` and `--version` run without a window and change no file.
set -u
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$vrek" --version | grep -qx "vrek 20.23.03" || fail "--version"
"$vrek" --help | grep -q "show SERIES.vrk" || fail "--help lists show"

# A missing series is an error and nothing is created.
out=$("$vrek" show "$dir/absent.vrk" 2>&1); rc=$?
[ $rc -eq 1 ] || fail "missing series exit $rc"
echo "$out" | grep -q "n'existe pas" || fail "missing series message: $out"
[ ! -e "$dir/absent.vrk" ] && [ ! -e "$dir/absent.VRT" ] || fail "show created a file"

# Wrong arguments give the usage and exit code 2.
"$vrek" show >/dev/null 2>&1; [ $? -eq 2 ] || fail "no argument"
"$vrek" show "$dir/x.vrk" --boards 0-4 >/dev/null 2>&1; [ $? -eq 2 ] || fail "bad list"
"$vrek" show "$dir/x.vrk" --frobnicate >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option"

# A series whose board 2 has North's AK of spades, and a title.
python3 - "$dir" <<'PY'
import sys
d = sys.argv[1]
rec = bytearray(160 * 96)
off = 160 + 30          # board 2, North, spades
rec[off:off + 3] = bytes([2, 14, 13])
open(d + "/s.vrk", "wb").write(rec)
lines = ["Lundi"] + [""] * 1440
lines[17] = "4P N".ljust(50) + "04   03   05    "
open(d + "/s.VRT", "wb").write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
PY
before=$(md5sum "$dir"/s.*)
out=$("$vrek" show "$dir/s.vrk" --boards 2-3) || fail "show exit"
echo "$out" | grep -q "^Donne 2  donneur E  vulnérabilité NS" || fail "header: $out"
echo "$out" | grep -q "N :  P AR  C   K   T    (7)" || fail "north hand: $out"
echo "$out" | grep -q "N S : 7 - 7" || fail "side text"
echo "$out" | grep -q "Titre : Lundi" || fail "title"
echo "$out" | grep -q "Contrat : 4P N" || fail "contract"
echo "$out" | grep -q "Lignes : 4 3 5" || fail "counts"
echo "$out" | grep -q "^Donne 3  donneur S  vulnérabilité EO" || fail "board 3"
[ "$(echo "$out" | grep -c '^Donne')" -eq 2 ] || fail "board count"
[ "$(md5sum "$dir"/s.*)" = "$before" ] || fail "show changed the series"
[ "$("$vrek" show "$dir/s.vrk" | grep -c '^Donne')" -eq 96 ] || fail "default is all boards"
echo "show: ok"
