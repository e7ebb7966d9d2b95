#!/usr/bin/env bash
# Batch verification: real solver results written into the series, skipped
# boards, and fake solvers that hang, stay silent, answer garbage or are missing.
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

# Fake solvers: a copy of the program beside a script named bridge.
restore() { cp "$dir/avant.vrk" "$dir/serie.vrk"; cp "$dir/avant.VRT" "$dir/serie.VRT"; }
mkdir "$dir/fake"
cp "$vrek" "$vrek-qt" "$dir/fake/"  # the batch front and the Qt program beside it
fake() {  # fake SCRIPT-BODY
    printf '#!/bin/sh\n%s\n' "$1" > "$dir/fake/bridge"
    chmod +x "$dir/fake/bridge"
}
refused() {  # refused WHAT MESSAGE: runs the fake, expects failure and an untouched series
    restore
    local err rc
    err="$("$dir/fake/vrek" verify "$dir/serie.vrk" --boards 1-5 2>&1 >/dev/null)"; rc=$?
    check "$1 : code 1" [ $rc = 1 ]
    check "$1 : message" [ "$err" = "Donne ${3:-1} : $2
La série n'a pas été modifiée." ]
    check "$1 : textes intacts" cmp -s "$dir/serie.VRT" "$dir/avant.VRT"
    check "$1 : pas de fichier d'échange restant" [ -z "$(ls -A "$dir/tmp")" ]
}

fake 'echo line:; exec sleep 30'
start=$(date +%s)
refused "solveur bloqué" "Le programme de calcul n'a pas terminé dans les 7 secondes : il a été arrêté."
check "solveur bloqué : arrêté à temps" [ $(( $(date +%s) - start )) -lt 15 ]

fake 'exit 0'
refused "solveur muet" "Le programme de calcul n'a pas affiché son invite « line: »."

fake 'echo line:; head -c 255 >/dev/null; echo "NS = 42 tricks after"'
refused "nombre hors limites" "Le programme de calcul a donné un nombre de levées invalide : «  42 tr »."

fake 'echo line:; head -c 255 >/dev/null; echo "NS = -1 tricks after"; echo line:'
refused "nombre négatif" "Le programme de calcul a donné un nombre de levées invalide : «  -1 tr »."

fake 'echo line:; head -c 255 >/dev/null; echo "NS = 1.2 tricks after"; echo line:'
refused "nombre décimal" "Le programme de calcul a donné un nombre de levées invalide : «  1.2 t »."

fake 'echo line:; head -c 255 >/dev/null; echo "des octets sans rien"; exit 3'
refused "réponse illisible" "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »). Code de sortie : 3."

# Answers, then fails instead of waiting for the next board.
fake 'echo line:; head -c 255 >/dev/null; echo "NS = 13 tricks after"; exit 4'
refused "réponse puis erreur" "Le programme de calcul s'est terminé en erreur après avoir répondu. Code de sortie : 4."

# A solver that dies once in the run is started again and the run goes on.
fake "if [ -e '$dir/mort' ]; then
  while echo line: && [ \$(head -c 255 | wc -c) = 255 ]; do echo 'NS = 13 tricks after'; done
else
  touch '$dir/mort'; echo line:; head -c 255 >/dev/null; kill -SEGV \$\$
fi"
restore
rm -f "$dir/mort"
out="$("$dir/fake/vrek" verify "$dir/serie.vrk" --boards 1-5 2>/dev/null)"; rc=$?
check "relancé une fois : code 0" [ $rc = 0 ]
check "relancé une fois : trois donnes" [ "$(printf '%s\n' "$out" | grep -c ' par ')" = 3 ]
# ... but only once.
fake "echo line:; head -c 255 >/dev/null; kill -SEGV \$\$"
refused "mort deux fois" "Le programme de calcul n'a pas donné le nombre de levées (pas de ligne « after »). Il s'est arrêté anormalement."

rm "$dir/fake/bridge"
refused "solveur absent" "Le programme de calcul « $dir/fake/bridge » est introuvable ou ne peut pas être lancé."

# A solver that checks the 255-byte command and keeps the exchange file it was given.
fake "printf 'li'; sleep 0.2; printf 'ne:\\n'
head -c 255 > '$dir/commande'
path=\$(tr -d '\\000' < '$dir/commande' | sed 's/^-dcq //')
cp \"\$path\" '$dir/vu.txt' && echo 'NS = 13 tricks after'"
restore
"$dir/fake/vrek" verify "$dir/serie.vrk" --boards 1 >/dev/null; rc=$?
check "échange : code 0" [ $rc = 0 ]
check "échange : commande de 255 octets" [ "$(wc -c < "$dir/commande")" = 255 ]
check "échange : contenu" [ "$(cat "$dir/vu.txt" 2>/dev/null)" = "$(printf 'n AKQJ.AKQ.AKQ.AKQ\r\ne T98.JT9.JT9.JT98\r\ns 765.876.8765.765\r\nw 432.5432.432.432\r\ns S\r\nS2\r')" ]

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
