#!/usr/bin/env bash
# Batch projector pictures: a PNG of 1600 x 1200 written atomically, the
# options that set the state, the background picture beside the program,
# and the refusals that leave an existing file alone.
# usage: bash present.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
dir="$(mktemp -d)"
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fails=0

{ deal; for _ in $(seq 95); do head -c 160 /dev/zero; done; } > "$dir/serie.vrk"
{
    printf '\r\n\r\n'
    printf '%-50s03   03   06    \r\n' '4P= par S sur entame 2P'
    for _ in $(seq 6); do printf '\r\n'; done
    printf '\t1 P\t---\t4 P\t---\r\n\t---\t---\r\n'
    for _ in $(seq 1430); do printf '\r\n'; done
} > "$dir/serie.VRT"

size() {  # width and height of a PNG from its header
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }'
}
differ() { ! cmp -s "$1" "$2"; }
is_png() { [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]; }

out="$("$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/a.png" --show NESO --contract --auction --vulnerability 2>&1)"; rc=$?
check "image : code 0" [ $rc = 0 ]
check "image : message" [ "$out" = "Image de la donne 1 écrite dans $dir/a.png" ]
check "image : PNG" is_png "$dir/a.png"
check "image : 1600 x 1200" [ "$(size "$dir/a.png")" = 1600x1200 ]
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/b.png" --show NESO --contract --auction --vulnerability >/dev/null 2>&1
check "image : mêmes octets" cmp -s "$dir/a.png" "$dir/b.png"
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/c.png" >/dev/null 2>&1
check "options : autre image" differ "$dir/a.png" "$dir/c.png"
check "pas de fichier temporaire" [ "$(ls "$dir" | grep -c png)" = 3 ]

# A trick in turn, then a card out of turn.
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/p.png" --play AP,XP,7P,4P,RP >/dev/null 2>&1
check "jeu : code 0" [ $? = 0 ]
cp "$dir/a.png" "$dir/garde.png"
err="$("$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/garde.png" --play AP,7P 2>&1 >/dev/null)"; rc=$?
check "hors tour : code 1" [ $rc = 1 ]
check "hors tour : message" [ "$err" = "Carte « 7P » : ce n'est pas à Sud de jouer." ]
check "hors tour : fichier intact" cmp -s "$dir/a.png" "$dir/garde.png"
err="$("$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/garde.png" --play AP,XP,7P,4P,AP 2>&1 >/dev/null)"; rc=$?
check "déjà jouée : code 1" [ $rc = 1 ]
check "déjà jouée : message" [ "$err" = "Carte « AP » : aucune main ne la tient (déjà jouée ou pas distribuée)." ]
check "déjà jouée : fichier intact" cmp -s "$dir/a.png" "$dir/garde.png"
# After a rotation the seat names follow their hands.
err="$("$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/r.png" --rotate 1 --play AP,2P 2>&1 >/dev/null)"; rc=$?
check "rotation : code 1" [ $rc = 1 ]
check "rotation : message" [ "$err" = "Carte « 2P » : ce n'est pas à Ouest de jouer." ]

# The double-dummy numbers under West, on lead: drawn only while West is shown.
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/dd.png" --show NESO --dd >/dev/null 2>&1
check "dd : code 0" [ $? = 0 ]
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/sans-dd.png" --show NESO >/dev/null 2>&1
check "dd : les nombres dessinés" differ "$dir/dd.png" "$dir/sans-dd.png"
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/dd-cache.png" --show NES --dd >/dev/null 2>&1
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/cache.png" --show NES >/dev/null 2>&1
check "dd : main cachée, rien de plus" cmp -s "$dir/dd-cache.png" "$dir/cache.png"
err="$("$vrek" present "$dir/serie.vrk" --board 2 -o "$dir/vide.png" --dd 2>&1 >/dev/null)"; rc=$?
check "dd sans contrat : code 1" [ $rc = 1 ]
check "dd sans contrat : message" [ "$err" = "Donne 2 : pas de double mort. Contrat inconnu : écrivez-le dans la donne (par exemple « 4P S »)." ]
check "dd sans contrat : pas de fichier" [ ! -e "$dir/vide.png" ]

# The background picture beside the program, and a damaged one treated as missing.
mkdir "$dir/prog"
cp "$vrek" "$vrek-qt" "$dir/prog/"  # the batch front and the Qt program beside it
python3 - "$dir/prog/Vrek_Fond_projecteur.bmp" <<'PY'
import struct, sys
w, h = 1800, 1200
row = bytes([200, 120, 40]) * w
data = row * h
head = b'BM' + struct.pack('<IHHI', 54 + len(data), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(head + info + data)
PY
"$dir/prog/vrek" present "$dir/serie.vrk" --board 1 -o "$dir/fond.png" >/dev/null 2>&1
check "fond : code 0" [ $? = 0 ]
check "fond : autre image" differ "$dir/fond.png" "$dir/c.png"
head -c 1000 "$dir/prog/Vrek_Fond_projecteur.bmp" > "$dir/cut.bmp"
mv "$dir/cut.bmp" "$dir/prog/Vrek_Fond_projecteur.bmp"
"$dir/prog/vrek" present "$dir/serie.vrk" --board 1 -o "$dir/abime.png" >/dev/null 2>&1
check "fond abîmé : code 0" [ $? = 0 ]
check "fond abîmé : fond uni" cmp -s "$dir/abime.png" "$dir/c.png"

# Command-line errors and refused inputs.
for args in "--board 97 -o $dir/x.png" "--board 1" "--board 1 -o $dir/x.png --rotate 4" \
            "--board 1 -o $dir/x.png --show NX" "--board 1 -o $dir/x.png --play 1P" \
            "--board 1 -o $dir/x.png --play AP,,RP" "-o $dir/x.png"; do
    # shellcheck disable=SC2086
    "$vrek" present "$dir/serie.vrk" $args >/dev/null 2>&1
    check "usage ($args) : code 2" [ $? = 2 ]
done
check "usage : rien écrit" [ ! -e "$dir/x.png" ]
"$vrek" present "$dir/absente.vrk" --board 1 -o "$dir/x.png" >/dev/null 2>&1
check "série absente : code 1" [ $? = 1 ]
check "série absente : rien écrit" [ ! -e "$dir/x.png" ]
"$vrek" present "$dir/serie.vrk" --board 1 -o "$dir/nulle/part.png" >/dev/null 2>&1
check "dossier absent : code 1" [ $? = 1 ]

[ $fails = 0 ] && echo "present.sh : tout est bon"
exit $fails
