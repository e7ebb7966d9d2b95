#!/usr/bin/env bash
# Batch analysis: vrek analyse and vrek export pbn --analysis with the real
# solver, incomplete boards named, a missing solver refused.
# usage: bash analyse.sh /path/to/vrek   (the solver program "bridge" sits beside it)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$1"
empty() { head -c 160 /dev/zero; }
partial() { hand "14" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; }
{ deal; empty; partial; deal; for _ in $(seq 92); do empty; done; } > "$dir/serie.vrk"
: > "$dir/serie.VRT"

out="$("$vrek" analyse "$dir/serie.vrk")"; rc=$?
check "analyse : code 0" [ $rc = 0 ]
check "analyse : lignes" [ "$out" = " 1  N 13 13 12 13 12  S 13 13 12 13 12  E  0  0  1  0  1  O  0  0  1  0  1  par 7SA NS, +1520 pour NS
 4  N 13 13 12 13 12  S 13 13 12 13 12  E  0  0  1  0  1  O  0  0  1  0  1  par 7SA NS, +2220 pour NS
Donne non analysée car incomplète : 3." ]

"$vrek" export pbn "$dir/serie.vrk" --boards 1,4 -o "$dir/sans.pbn" >/dev/null
"$vrek" export pbn "$dir/serie.vrk" --boards 1,4 --analysis -o "$dir/avec.pbn" >/dev/null; rc=$?
check "export : code 0" [ $rc = 0 ]
check "export : deux tables" [ "$(grep -c '^\[DoubleDummyTricks "ddcdcddcdc0010100101"\]' "$dir/avec.pbn")" = 2 ]
check "export : score" [ "$(grep -c '^\[OptimumScore "NS 2220"\]' "$dir/avec.pbn")" = 1 ]
check "export : sans l'option, rien de plus" [ "$(grep -c DoubleDummy "$dir/sans.pbn")" = 0 ]
check "export : le reste identique" [ "$(grep -v -e '^\[DoubleDummyTricks' -e '^\[Optimum' -e '^\[ParContract' -e '^[NSEW] ' "$dir/avec.pbn")" = "$(cat "$dir/sans.pbn")" ]
"$vrek" export lin "$dir/serie.vrk" --analysis -o "$dir/x.lin" >/dev/null 2>&1
check "export lin --analysis : code 2" [ $? = 2 ]

# Without the solver beside the program.
mkdir "$dir/seul"
cp "$vrek" "$vrek-qt" "$dir/seul/"  # the batch front and the Qt program beside it
err="$("$dir/seul/vrek" analyse "$dir/serie.vrk" 2>&1 >/dev/null)"; rc=$?
check "sans solveur : code 1" [ $rc = 1 ]
check "sans solveur : message" [ "$err" = "Le programme de calcul « $dir/seul/bridge » est introuvable ou ne peut pas être lancé." ]

[ $fails = 0 ] && echo "analyse.sh : tout est bon"
exit $fails
