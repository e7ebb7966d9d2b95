#!/usr/bin/env bash
# Batch analysis: vrek analyse and vrek export pbn --analysis with the real
# solver, incomplete boards named, a missing solver refused; what each card
# makes at a point of the play.
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

# What each card makes: board 2's contract text "4C O", then overrides.
other() {
    hand "12 10 6 5" "13 7 6 4 2" "14 10 7" "11"; hand "9 3 2" "11 10 5" "12 9 3 2" "8 7 5"
    hand "11 8 7 4" "14 12 9 8 3" "" "13 10 6 4"; hand "14 13" "" "13 11 8 6 5 4" "14 12 9 3 2"
}
{ deal; other; for _ in $(seq 94); do empty; done; } > "$dir/jeu.vrk"
{
    printf '\r\n\r\n%-50s03   03   06    \r\n' '4P= par S sur entame 2P'
    for _ in $(seq 14); do printf '\r\n'; done
    printf '%-50s03   03   06    \r\n' '4C O'
    for _ in $(seq 1423); do printf '\r\n'; done
} > "$dir/jeu.VRT"
tab=$'\t'
out="$("$vrek" analyse "$dir/jeu.vrk" --board 2)"; rc=$?
check "jeu : code 0" [ $rc = 0 ]
check "jeu : la main de l'entameur" [ "$out" = "Nord
VP${tab}11
AC${tab}11
XC${tab}11
7C${tab}11
RK${tab}11
7K${tab}11
6K${tab}11
4K${tab}11
2K${tab}11
DT${tab}11
XT${tab}11
6T${tab}11
5T${tab}11" ]
check "jeu : fournir" [ "$("$vrek" analyse "$dir/jeu.vrk" --board 2 --play VP)" = "Est
8P${tab}11
7P${tab}11
5P${tab}11" ]
# West won the first trick: it counts in the declaring side's total.
first=VP,5P,RP,AP,AC
check "jeu : levée gagnée comptée" [ "$("$vrek" analyse "$dir/jeu.vrk" --board 2 --play $first | sed -n 2p)" = "DC${tab}12" ]
check "jeu : --contract" [ "$("$vrek" analyse "$dir/jeu.vrk" --board 2 --play $first --contract 3SA | sed -n 2p)" = "DC${tab}7" ]
check "jeu : --declarer" [ "$("$vrek" analyse "$dir/jeu.vrk" --board 2 --play $first --contract 3SA --declarer N | sed -n 2p)" = "DC${tab}6" ]
err="$("$vrek" analyse "$dir/jeu.vrk" --board 2 --play $first,XC 2>&1 >/dev/null)"; rc=$?
check "jeu hors tour : code 1" [ $rc = 1 ]
check "jeu hors tour : message" [ "$err" = "Carte « XC » : ce n'est pas à Nord de jouer." ]
err="$("$vrek" analyse "$dir/jeu.vrk" --board 4 2>&1 >/dev/null)"; rc=$?
check "jeu sans contrat : code 1" [ $rc = 1 ]
check "jeu sans contrat : message" [ "$err" = "Donne 4 : pas de double mort. Contrat inconnu : écrivez-le dans la donne (par exemple « 4P S »)." ]
for bad in "--board 97" "--board 2 --contract 8P" "--board 2 --contract 4X" "--board 2 --declarer Z" "--board 2 --play 1P" "--board 2 --boards 1"; do
    # shellcheck disable=SC2086
    "$vrek" analyse "$dir/jeu.vrk" $bad >/dev/null 2>&1
    check "jeu refusé ($bad) : code 2" [ $? = 2 ]
done

# Without the solver beside the program.
mkdir "$dir/seul"
cp "$vrek" "$vrek-qt" "$dir/seul/"  # the batch front and the Qt program beside it
err="$("$dir/seul/vrek" analyse "$dir/serie.vrk" 2>&1 >/dev/null)"; rc=$?
check "sans solveur : code 1" [ $rc = 1 ]
check "sans solveur : message" [ "$err" = "Le programme de calcul « $dir/seul/bridge » est introuvable ou ne peut pas être lancé." ]
err="$("$dir/seul/vrek" analyse "$dir/jeu.vrk" --board 2 2>&1 >/dev/null)"; rc=$?
check "jeu sans solveur : code 1" [ $rc = 1 ]
check "jeu sans solveur : message" [ "$err" = "Le programme de calcul « $dir/seul/bridge » est introuvable ou ne peut pas être lancé." ]

[ $fails = 0 ] && echo "analyse.sh : tout est bon"
exit $fails
