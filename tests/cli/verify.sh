#!/usr/bin/env bash
# Batch verification with the real solver: results written into the series,
# skipped boards, a missing solver, a program folder whose name is not UTF-8.
# usage: bash verify.sh /path/to/vrek   (the solver program "bridge" sits beside it)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
bindir="$(cd "$(dirname "$vrek")" && pwd)"
dir="$(mktemp -d)"
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fails=0
mkdir "$dir/tmp"
export TMPDIR="$dir/tmp"

# North holds every top card: North-South take all thirteen tricks in
# no-trump or spades, whoever leads.
empty() { head -c 160 /dev/zero; }
partial() { hand "14" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; }
{ deal; empty; deal; deal; deal; partial; for _ in $(seq 90); do empty; done; } > "$dir/serie.vrk"
check "série de 15360 octets" [ "$(stat -c %s "$dir/serie.vrk")" = 15360 ]
line5="$(printf '%-50s04   03   05    ' '7SA N')"
{
    printf 'Lundi\r\n'
    printf 'Th\350me 1\r\n4P S entame RC\r\n'; for _ in $(seq 13); do printf '\r\n'; done
    for _ in $(seq 15); do printf '\r\n'; done
    printf '\r\n3SA* E\r\n'; for _ in $(seq 13); do printf '\r\n'; done
    for _ in $(seq 15); do printf '\r\n'; done
    printf '\r\n%s\r\n' "$line5"; for _ in $(seq 13); do printf '\r\n'; done
} > "$dir/serie.VRT"
cp "$dir/serie.vrk" "$dir/avant.vrk"
cp "$dir/serie.VRT" "$dir/avant.VRT"
contract() {  # the contract line of board $1 in the text file
    sed -n "$((15 * $1 - 12))p" "$dir/serie.VRT" | tr -d '\r'
}
padded() {  # padded TEXT A D E: the 66-column contract line
    printf '%-50s%s   %s   %s    ' "$1" "$2" "$3" "$4"
}

# The real solver, boards 1 to 6: the empty board 2 is passed over without a
# word, board 4 has no contract and board 6 is incomplete.
out="$("$vrek" verify "$dir/serie.vrk" --boards 1-6)"; rc=$?
check "réel : code 0" [ $rc = 0 ]
expected=" 1  4P    S  2P  13    510  4P+3 par S sur entame 2P
 3  3SA*  E  5P   0  -2600  3SA*-9 par E sur entame 5P
 5  7SA   N  8P  13   2220  7SA= par N sur entame 8P
Donne non vérifiée car incomplète : 6.
Donne non vérifiée car sans contrat : 4."
check "réel : lignes" [ "$out" = "$expected" ]
check "réel : donne 4 sans contrat intacte" [ "$(contract 4)" = "" ]
check "réel : donne 1" [ "$(contract 1)" = "$(padded '4P+3 par S sur entame 2P' 03 03 06)" ]
check "réel : donne 3" [ "$(contract 3)" = "$(padded '3SA*-9 par E sur entame 5P' 03 03 06)" ]
check "réel : donne 5 garde ses compteurs" [ "$(contract 5)" = "$(padded '7SA= par N sur entame 8P' 04 03 05)" ]
check "réel : donne 2 intacte" [ "$(contract 2)" = "" ]
check "réel : thème intact" [ "$(sed -n 2p "$dir/serie.VRT")" = "$(printf 'Th\350me 1\r')" ]
check "réel : donnes intactes" cmp -s "$dir/serie.vrk" "$dir/avant.vrk"
check "réel : pas de fichier d'échange restant" [ -z "$(ls -A "$dir/tmp")" ]

# Verifying the result texts again gives the same texts.
cp "$dir/serie.VRT" "$dir/une.VRT"
"$vrek" verify "$dir/serie.vrk" --boards 1-5 >/dev/null
check "deuxième passe : même texte" cmp -s "$dir/serie.VRT" "$dir/une.VRT"

# Without its solver (a copy of the program alone): refused, the series as it was.
# How the run meets a solver that fails is tested through the scripted platform.
restore() { cp "$dir/avant.vrk" "$dir/serie.vrk"; cp "$dir/avant.VRT" "$dir/serie.VRT"; }
mkdir "$dir/seul"
cp "$vrek" "$vrek-qt" "$dir/seul/"  # the batch front and the Qt program beside it
restore
err="$("$dir/seul/vrek" verify "$dir/serie.vrk" --boards 1-5 2>&1 >/dev/null)"; rc=$?
check "solveur absent : code 1" [ $rc = 1 ]
check "solveur absent : message" [ "$err" = "Donne 1 : Le programme de calcul « $dir/seul/bridge » est introuvable ou ne peut pas être lancé.
La série n'a pas été modifiée." ]
check "solveur absent : textes intacts" cmp -s "$dir/serie.VRT" "$dir/avant.VRT"
check "solveur absent : pas de fichier d'échange restant" [ -z "$(ls -A "$dir/tmp")" ]

# The program and its solver in a folder whose name is not UTF-8.
latin="$dir/$(printf 'caf\351')"
mkdir "$latin"
cp "$vrek" "$vrek-qt" "$bindir/bridge" "$latin/"
restore
out="$("$latin/vrek" verify "$dir/serie.vrk" --boards 1 2>&1)"; rc=$?
check "dossier non UTF-8 : code 0" [ $rc = 0 ]
check "dossier non UTF-8 : résultat" [ "$out" = " 1  4P    S  2P  13    510  4P+3 par S sur entame 2P" ]

# Usage and input errors.
"$vrek" verify >/dev/null 2>&1; check "sans série : code 2" [ $? = 2 ]
"$vrek" verify "$dir/serie.vrk" --boards 0-3 >/dev/null 2>&1; check "liste invalide : code 2" [ $? = 2 ]
# A series that does not exist yet is created empty, as the window does.
out="$("$vrek" verify "$dir/absente.vrk" 2>/dev/null)"; rc=$?
check "série absente : code 0" [ $rc = 0 ]
check "série absente : créée" grep -q "n'existait pas : une série vide a été créée" <<<"$out"
check "série absente : paire vide" [ "$(stat -c %s "$dir/absente.vrk")" = 15360 ]

[ $fails = 0 ] && echo "verify.sh : tout est bon"
exit $fails
