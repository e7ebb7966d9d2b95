#!/usr/bin/env bash
# The option reader every command shares: an option given twice, valued or
# not, is a wrong command line (exit 2, named), before anything is read.
set -u
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

while IFS='|' read -r option line; do
  # shellcheck disable=SC2086
  err=$("$vrek" $line 2>&1 >/dev/null); rc=$?
  [ $rc -eq 2 ] || fail "'vrek $line' exit $rc"
  echo "$err" | grep -qx "option répétée : $option" || fail "'vrek $line': $err"
done <<'LIST'
--left|split 8 --left 3 --left 4
--board|present absent.vrk --board 1 --board 2 -o x.png
--full|stats absent.vrk --full --full
--boards|show absent.vrk --boards 1 --boards 2
--boards|deal absent.vrk --boards 1 --boards 2
--verbose|deal absent.vrk --verbose --verbose
-o|export dlm absent.vrk -o a.dlm -o b.dlm
--pairs|print travellers absent.vrk -o x.pdf --pairs 1 --pairs 2
LIST
[ -z "$(ls -A)" ] || fail "a refused command wrote a file: $(ls -A)"
echo "options: ok"
