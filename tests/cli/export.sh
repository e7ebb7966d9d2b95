#!/usr/bin/env bash
# Batch export: formats, board lists, append mode and refusals.
# usage: bash export.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
dir="$(mktemp -d)"
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fails=0

# One holding: count byte then nine rank bytes ("14 13 12 11").
holding() {
    local n=0 r
    for r in "$@"; do printf "\\$(printf '%03o' "$r")"; n=$((n + 1)); done
    while [ $n -lt 9 ]; do printf '\000'; n=$((n + 1)); done
}
# Each suit split AKQJ / T98 / 765 / 432 and turned one seat per suit.
deal() {
    hand "4 3 2" "7 6 5" "10 9 8" "14 13 12 11"
    hand "7 6 5" "4 3 2" "14 13 12 11" "10 9 8"
    hand "10 9 8" "14 13 12 11" "4 3 2" "7 6 5"
    hand "14 13 12 11" "10 9 8" "7 6 5" "4 3 2"
}
deal > "$dir/one.rec"
for _ in $(seq 96); do cat "$dir/one.rec"; done > "$dir/serie.vrk"
check "série de 15360 octets" [ "$(stat -c %s "$dir/serie.vrk")" = 15360 ]
printf 'Lundi soir\r\nTh\350me\r\n4P S  RC\r\n' > "$dir/serie.VRT"

# PBN of the 96 complete boards.
out="$("$vrek" export pbn "$dir/serie.vrk" -o "$dir/a.pbn")"; rc=$?
check "pbn : code 0" [ $rc = 0 ]
check "pbn : message" [ "$out" = "Exportation de 96 main(s) dans le fichier 

$dir/a.pbn" ]
check "pbn : 96 donnes" [ "$(grep -c '^\[Board ' "$dir/a.pbn")" = 96 ]
check "pbn : contrat" grep -q '^\[Contract "4S"\]'$'\r''$' "$dir/a.pbn"
check "pbn : tous vulnérables" grep -q '^\[Vulnerable "All"\]' "$dir/a.pbn"
"$vrek" export pbn-gib "$dir/serie.vrk" --boards 4 -o "$dir/g.pbn" >/dev/null
check "pbn-gib : Both" grep -q '^\[Vulnerable "Both"\]' "$dir/g.pbn"

# DUP: a new file of 12 boards, then 96 boards extended by 3.
"$vrek" export dup "$dir/serie.vrk" --boards 1-12 -o "$dir/d12.dup" >/dev/null
check "dup : 1872 octets" [ "$(stat -c %s "$dir/d12.dup")" = 1872 ]
"$vrek" export dup "$dir/serie.vrk" -o "$dir/d.dup" >/dev/null
out="$("$vrek" export dup "$dir/serie.vrk" --boards 1-3 --append -o "$dir/d.dup")"; rc=$?
check "dup append : code 0" [ $rc = 0 ]
check "dup append : message" [ "$out" = "Exportation de 3 main(s) supplémentaires dans le fichier 

$dir/d.dup" ]
check "dup append : 99 mains" [ "$(stat -c %s "$dir/d.dup")" = $((99 * 156 + 2)) ]
cp "$dir/d.dup" "$dir/d99.dup"
err="$("$vrek" export dup "$dir/serie.vrk" --boards 1 --append -o "$dir/d.dup" 2>&1 >/dev/null)"; rc=$?
check "dup append refusé : code 1" [ $rc = 1 ]
check "dup append refusé : message" [ "$err" = "Il n'y a pas 96 mains dans le fichier 

$dir/d.dup" ]
check "dup append refusé : fichier intact" cmp -s "$dir/d.dup" "$dir/d99.dup"
"$vrek" export dup "$dir/serie.vrk" -o "$dir/e.dup" >/dev/null
cp "$dir/e.dup" "$dir/e96.dup"
"$vrek" export dup "$dir/serie.vrk" --boards 1-4 --append -o "$dir/e.dup" 2>/dev/null
check "dup : 100 mains refusées" [ $? = 1 ]
check "dup : 100 mains, fichier intact" cmp -s "$dir/e.dup" "$dir/e96.dup"

# DLM: 96 boards extended by 2; a gap before board 1 exports nothing.
"$vrek" export dlm "$dir/serie.vrk" -o "$dir/a.dlm" >/dev/null
"$vrek" export dlm "$dir/serie.vrk" --boards 1-2 --append -o "$dir/a.dlm" >/dev/null
check "dlm append : To board=98" grep -q '^To board=98'$'\r''$' "$dir/a.dlm"
check "dlm append : Checksum=97" grep -q '^Checksum=97'$'\r''$' "$dir/a.dlm"
check "dlm append : dernière ligne" [ "$(tail -c 40 "$dir/a.dlm" | head -c 9)" = "Board 99=" ]
"$vrek" export dlm "$dir/serie.vrk" --boards 2-5 -o "$dir/none.dlm" 2>/dev/null
check "dlm sans la donne 1 : code 1" [ $? = 1 ]
check "dlm sans la donne 1 : aucun fichier" [ ! -e "$dir/none.dlm" ]

# BRI and DGE: 128-byte records, extended after 96 of them.
for f in bri dge; do
    "$vrek" export $f "$dir/serie.vrk" -o "$dir/a.$f" >/dev/null
    out="$("$vrek" export $f "$dir/serie.vrk" --boards 1-2 --append -o "$dir/a.$f")"; rc=$?
    check "$f append : code 0" [ $rc = 0 ]
    check "$f append : 98 enregistrements" [ "$(stat -c %s "$dir/a.$f")" = $((98 * 128)) ]
    "$vrek" export $f "$dir/serie.vrk" --boards 1 --append -o "$dir/a.$f" 2>/dev/null
    check "$f append refusé : code 1" [ $? = 1 ]
done
check "bri : première main" [ "$(head -c 26 "$dir/a.bri")" = 01020304181920343536505152 ]
check "dge : première main" cmp -s <(head -c 17 "$dir/a.dge") <(printf '\006AKQJ\003T98\004765\005432')

# RTF with rotation, LIN, DAT, EASI (which ignores --append).
"$vrek" export rtf "$dir/serie.vrk" --boards 1-2 --rotate -o "$dir/a.rtf" >/dev/null
check "rtf : entête" [ "$(head -c 5 "$dir/a.rtf")" = '{\rtf' ]
check "rtf : fin" cmp -s <(tail -c 8 "$dir/a.rtf") <(printf '\\par }\r\n')
"$vrek" export lin "$dir/serie.vrk" --boards 1 -o "$dir/a.lin" >/dev/null
check "lin : entête" [ "$(head -n 1 "$dir/a.lin")" = 'vg|Lundi soir|'$'\r' ]
"$vrek" export dat "$dir/serie.vrk" --boards 1 -o "$dir/a.dat" >/dev/null
check "dat : contrat" grep -q '^Contract: 4S-South ' "$dir/a.dat"
echo ancien > "$dir/a.txt"
"$vrek" export easi "$dir/serie.vrk" --boards 1-2 --append -o "$dir/a.txt" >/dev/null
check "easi : nouveau fichier" [ "$(head -n 1 "$dir/a.txt")" = '#DONNE'$'\r' ]

# Failures and usage errors.
"$vrek" export pbn "$dir/absente.vrk" -o "$dir/x.pbn" 2>/dev/null
check "série absente : code 1" [ $? = 1 ]
"$vrek" export pbn "$dir/serie.vrk" --append -o "$dir/absent.pbn" 2>/dev/null
check "fichier à compléter absent : code 1" [ $? = 1 ]
mkdir "$dir/ro" && chmod a-w "$dir/ro"
if [ "$(id -u)" != 0 ]; then
    "$vrek" export pbn "$dir/serie.vrk" -o "$dir/ro/x.pbn" 2>/dev/null
    check "dossier protégé : code 1" [ $? = 1 ]
fi
"$vrek" export pbn "$dir/serie.vrk" -o "$dir/ro" 2>/dev/null
check "sortie sur un dossier : code 1" [ $? = 1 ]
"$vrek" export xml "$dir/serie.vrk" -o "$dir/x" 2>/dev/null
check "format inconnu : code 2" [ $? = 2 ]
"$vrek" export pbn "$dir/serie.vrk" 2>/dev/null
check "sans -o : code 2" [ $? = 2 ]
"$vrek" export pbn "$dir/serie.vrk" --rotate -o "$dir/x" 2>/dev/null
check "--rotate hors rtf : code 2" [ $? = 2 ]
"$vrek" export pbn "$dir/serie.vrk" --boards 0-3 -o "$dir/x" 2>/dev/null
check "liste invalide : code 2" [ $? = 2 ]

[ $fails = 0 ] && echo "export : tout est bon"
exit $((fails > 0))
