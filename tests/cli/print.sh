#!/usr/bin/env bash
# Batch printing into PDF: each kind of printout, its messages and refusals,
# the label sheet of vrek.ini, and no file left behind by a failure.
# usage: bash print.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$1"
pages() {  # pages of a PDF, from its page objects
    grep -a -c -E '/Type ?/Page([^s]|$)' "$1"
}

# A dealt series of 96 boards with a title and texts.
head -c 15360 /dev/zero > "$dir/serie.vrk"
"$vrek" deal "$dir/serie.vrk" >/dev/null || { echo "ÉCHEC : donne"; exit 1; }
printf 'Lundi soir\r\nTh\350me\r\n4P S\r\n' > "$dir/serie.VRT"

out="$("$vrek" print hands "$dir/serie.vrk" --seats NS --block 3 --from-97 -o "$dir/mains.pdf")"; rc=$?
check "hands : code 0" [ $rc = 0 ]
check "hands : lignes" [ "$out" = $'VREK: Main de N : 1 page\nVREK: Main de S : 1 page' ]
check "hands : 2 pages" [ "$(pages "$dir/mains.pdf")" = 2 ]
if command -v pdffonts >/dev/null; then
    fonts="$(pdffonts "$dir/mains.pdf")"
    for f in LiberationSans StandardSymbolsPS C059; do
        check "hands : police $f" grep -q "$f" <<<"$fonts"
    done
fi

out="$("$vrek" print diagrams "$dir/serie.vrk" --sheets 1-24 --bw -o "$dir/diag.pdf")"
check "diagrams : 24 pages" [ "$out" = "VREK:commentaires : 24 pages" ]
check "diagrams : fichier" [ "$(pages "$dir/diag.pdf")" = 24 ]
out="$("$vrek" print diagrams "$dir/serie.vrk" --boards 1,0,7,96,5,6,0,0 --first-page 3 -o "$dir/huit.pdf")"
check "diagrams huit : 2 pages" [ "$out" = "VREK:commentaires : 2 pages" ]
"$vrek" print diagrams "$dir/serie.vrk" --boards 1,2,3 -o "$dir/x.pdf" 2>/dev/null
check "diagrams : trois donnes refusées" [ $? = 2 ]
"$vrek" print diagrams "$dir/serie.vrk" --sheets 25 -o "$dir/x.pdf" 2>/dev/null
check "diagrams : feuille 25 refusée" [ $? = 2 ]

out="$("$vrek" print travellers "$dir/serie.vrk" --pairs 1,3 --section b --preprinted -o "$dir/fiches.pdf")"
check "travellers : deux documents" [ "$out" = $'VREK:fiches ambulantes:1-2 : 1 page\nVREK:fiches ambulantes:5-6 : 1 page' ]
"$vrek" print travellers "$dir/serie.vrk" --pairs 1 --section U -o "$dir/x.pdf" 2>/dev/null
check "travellers : section U refusée" [ $? = 2 ]
"$vrek" print travellers "$dir/serie.vrk" --pairs 49 -o "$dir/x.pdf" 2>/dev/null
check "travellers : paire 49 refusée" [ $? = 2 ]

# Labels take the sheet of the vrek.ini beside the program: a copy of it here.
mkdir "$dir/prog"
cp "$vrek" "$vrek-qt" "$dir/prog/"  # the batch front and the Qt program beside it
printf '[Etiquettes]\r\nLigne=2\r\nColonne=4\r\n' > "$dir/prog/vrek.ini"
out="$("$dir/prog/vrek" print labels "$dir/serie.vrk" --boards 3-12 --start-label 6 -o "$dir/etiq.pdf")"
check "labels : deux planches" [ "$out" = $'VREK:Etiquettes1 : 1 page\nVREK:Etiquettes2 : 1 page' ]
out="$("$dir/prog/vrek" print labels "$dir/serie.vrk" --boards 1-8 --no-title -o "$dir/etiq8.pdf")"
check "labels : une planche pleine" [ "$out" = "VREK:Etiquettes1 : 1 page" ]
err="$("$dir/prog/vrek" print labels "$dir/serie.vrk" --boards 1-3 --start-label 9 -o "$dir/x.pdf" 2>&1)"
check "labels : étiquette 9 refusée" grep -q "étiquette de départ invalide (1 à 8)" <<<"$err"

# Without a range: every block, sheet, pair or board that holds a complete
# deal (boards 5 and 40 here); help on standard output, exit 0.
head -c 15360 /dev/zero > "$dir/deux.vrk"
"$vrek" deal "$dir/deux.vrk" --boards 5,40 >/dev/null || { echo "ÉCHEC : donne 5 et 40"; exit 1; }
while IFS='|' read -r kind expected; do
    out="$("$vrek" print "$kind" "$dir/deux.vrk" -o "$dir/t.pdf" 2>&1)"
    check "$kind sans liste" [ "$(tr '\n' ' ' <<<"$out")" = "$expected " ]
done <<'LIST'
diagrams|VREK:commentaires : 2 pages
travellers|VREK:fiches ambulantes:5-6 : 1 page VREK:fiches ambulantes:39-40 : 1 page
labels|VREK:Etiquettes1 : 1 page
LIST
check "hands sans bloc : blocs 1 et 2, quatre sièges" [ "$("$vrek" print hands "$dir/deux.vrk" -o "$dir/t.pdf" | grep -c "Main de")" = 8 ]
out="$("$vrek" print --help)" && check "print --help" [ "$(grep -c "vrek print " <<<"$out")" -ge 6 ] || check "print --help : code 0" false
out="$("$vrek" print labels --help)" && check "print labels --help" grep -q "^usage : vrek print labels SERIES.vrk" <<<"$out" \
    || check "print labels --help : code 0" false

# Refusals and failures leave every file as it was, and no temporary file.
printf 'ancien' > "$dir/garde.pdf"
"$vrek" print hands "$dir/absente.vrk" --seats N --block 1 -o "$dir/garde.pdf" 2>/dev/null
check "série absente : code 1" [ $? = 1 ]
check "série absente : fichier gardé" [ "$(cat "$dir/garde.pdf")" = ancien ]
err="$("$vrek" print hands "$dir/serie.vrk" --seats N --block 1 -o "$dir/non/la.pdf" 2>&1)"; rc=$?
check "dossier absent : code 1" [ $rc = 1 ]
check "dossier absent : message" grep -q "Impossible d'écrire le fichier" <<<"$err"
"$vrek" print hands "$dir/serie.vrk" --seats N --block 4 -o "$dir/garde.pdf" 2>/dev/null
check "bloc 4 : code 2" [ $? = 2 ]
check "bloc 4 : fichier gardé" [ "$(cat "$dir/garde.pdf")" = ancien ]
head -c 15360 /dev/zero > "$dir/vide.vrk"
err="$("$vrek" print travellers "$dir/vide.vrk" -o "$dir/garde.pdf" 2>&1)"; rc=$?
check "rien de complet : code 1" [ $rc = 1 ]
check "rien de complet : message" grep -q "Aucune donne complète à imprimer" <<<"$err"
check "rien de complet : fichier gardé" [ "$(cat "$dir/garde.pdf")" = ancien ]
# A label sheet too small for the texts is refused before printing.
printf '[Etiquettes]\r\nLargeur=120\r\nHauteur=90\r\n' > "$dir/prog/vrek.ini"
err="$("$dir/prog/vrek" print labels "$dir/serie.vrk" --boards 1-3 -o "$dir/garde.pdf" 2>&1)"; rc=$?
check "étiquettes trop petites : code 1" [ $rc = 1 ]
check "étiquettes trop petites : message" grep -q "ne peut pas recevoir son texte" <<<"$err"
check "étiquettes trop petites : fichier gardé" [ "$(cat "$dir/garde.pdf")" = ancien ]
check "aucun fichier temporaire" [ -z "$(find "$dir" -maxdepth 1 -name '*.tmp*')" ]

[ $fails = 0 ] && echo "print : tout va bien"
exit $fails
