#!/usr/bin/env bash
# Faults met for real: a save killed at each of its steps, another user's lock
# file, an installed program run by a user (its settings in ~/.config, as the
# window's), an oversized projector background, an impossible constraint file.
# usage: bash faults.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$1"
chmod 755 "$dir"
dealt() { od -An -tu1 -v -w160 "$1" | awk '{s = 0; for (i = 1; i <= 160; i += 10) s += $i; if (s == 52) n++} END {print n + 0}'; }
# Mode bits do not stop root: as root, the other user is nobody.
other=""
[ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && other="setpriv --reuid=65534 --regid=65534 --clear-groups"

# The old pair: no deal, an older text of 481 LF lines; the new one, as
# 'vrek deal' saves it: 96 deals, 1889 CR LF lines.
head -c 15360 /dev/zero > "$dir/old.vrk"
{ printf 'Ancienne\n'; for _ in $(seq 480); do printf '\n'; done; } > "$dir/old.VRT"
whole() {
    if cmp -s "$dir/$1.vrk" "$dir/old.vrk" && cmp -s "$dir/$1.VRT" "$dir/old.VRT"; then echo old
    elif [ "$(dealt "$dir/$1.vrk")" = 96 ] && [ "$(grep -c $'\r$' "$dir/$1.VRT")" = 1889 ]; then echo new
    else echo mixed; fi
}
fresh() { cp "$dir/old.vrk" "$dir/$1.vrk"; cp "$dir/old.VRT" "$dir/$1.VRT"; }

# ---- a save killed at each step: the next command finds the pair wholly
# old or new, says so, and nothing of the killed save stays.
if command -v strace >/dev/null; then
    for kill in rename,renameat,renameat2:1 rename,renameat,renameat2:2 unlink,unlinkat:1 unlink,unlinkat:2 unlink,unlinkat:3; do
        rm -f "$dir"/k.* "$dir"/.k.*; fresh k
        strace -f -qq -o /dev/null -e inject="${kill%:*}":signal=KILL:when="${kill#*:}" "$vrek" deal "$dir/k.vrk" >/dev/null 2>&1
        check "tué ($kill)" [ $? = 137 ]
        journal=no; [ -e "$dir/.k.vrek-journal" ] && journal=yes
        read="$("$vrek" show "$dir/k.vrk" --boards 1 2>&1 >/dev/null)"
        # The next writer, refused its constraint file, writes nothing of its own.
        err="$("$vrek" deal "$dir/k.vrk" --constraints "$dir/absent.vrc" 2>&1 >/dev/null)"
        state=$(whole k)
        check "tué ($kill) : paire entière ($state)" [ "$state" != mixed ]
        if [ $journal = yes ]; then
            check "tué ($kill) : lu et dit" grep -q "de la série $dir/k.vrk a été interrompu" <<<"$read"
            check "tué ($kill) : achevé et dit" grep -q "avait été interrompu : il a été achevé" <<<"$err"
            check "tué ($kill) : nouvelle" [ "$state" = new ]
        fi
        left="$(cd "$dir" && ls -A | grep -E '^\.?k\.' | grep -v -x -e k.vrk -e k.VRT -e .k.vrek-verrou)"
        check "tué ($kill) : rien ne reste ($left)" [ -z "$left" ]
    done
else
    echo "strace absent : pas d'enregistrement tué"
fi

# ---- a constraint file that no hand can meet is refused before any deal.
fresh c
python3 -c 'import sys; t = bytearray(bytes([0, 37, 0, 0] + [0, 10, 0, 9] * 4) * 36); t[3] = 1
t[58:60] = bytes([6, 4]); open(sys.argv[1], "wb").write(t)' "$dir/bad.vrc"  # South, spades: 6 to 4 cards
err="$("$vrek" deal "$dir/c.vrk" --constraints "$dir/bad.vrc" 2>&1 >/dev/null)"
check "contraintes impossibles : code 1" [ $? = 1 ]
check "contraintes impossibles : message" [ "$err" = "Le fichier $dir/bad.vrc n'est pas un fichier de contraintes valide : au niveau 1, pour Sud, le minimum de cartes à Pique (6) dépasse le maximum (4)." ]
check "contraintes impossibles : série intacte" [ "$(whole c)" = old ]

# ---- another user's lock file, not even held, that we cannot open.
if [ -n "$other" ]; then
    fresh l; chmod 666 "$dir"/l.*; chmod 777 "$dir"
    : > "$dir/.l.vrek-verrou"; chmod 600 "$dir/.l.vrek-verrou"
    err="$($other "$vrek" deal "$dir/l.vrk" 2>&1 >/dev/null)"
    check "verrou d'un autre : code 1" [ $? = 1 ]
    check "verrou d'un autre : nommé" grep -q "le fichier de verrou $dir/.l.vrek-verrou ne peut pas être ouvert (accès refusé)" <<<"$err"
    check "verrou d'un autre : série intacte" [ "$(whole l)" = old ]
    chmod 755 "$dir"
fi

# ---- an installed program run by a user reads the user's settings, as the
# window does, not those beside the program.
mkdir -p "$dir/prog" "$dir/home/.config/vrek" "$dir/out"
cp "$vrek" "$vrek-qt" "$dir/prog/"
printf '[Etiquettes]\r\nLigne=6\r\nColonne=8\r\n' > "$dir/prog/vrek.ini"
printf '[Etiquettes]\r\nLigne=2\r\nColonne=4\r\n[Fiches]\r\nSection=E\r\nCouleur=33023\r\n' > "$dir/home/.config/vrek/vrek.ini"
"$vrek" deal "$dir/old.vrk" >/dev/null
if [ -n "$other" ]; then chown -R 65534:65534 "$dir/home" "$dir/out"; else chmod 555 "$dir/prog"; fi
as() { env -u XDG_CONFIG_HOME HOME="$dir/home" $other "$@"; }
out="$(as "$dir/prog/vrek" print labels "$dir/old.vrk" --boards 3-12 --start-label 6 -o "$dir/out/e.pdf" 2>&1)"
check "réglages de l'utilisateur : deux planches ($out)" [ "$out" = $'VREK:Etiquettes1 : 1 page\nVREK:Etiquettes2 : 1 page' ]
# The section colour chosen in the window: orange (255, 128, 0), not a grey.
as "$dir/prog/vrek" print travellers "$dir/old.vrk" --pairs 1 --section E -o "$dir/out/f.pdf" >/dev/null 2>&1
check "fiches : couleur de section" python3 -c 'import subprocess, sys
p = subprocess.run(["pdftoppm", "-r", "40", "-singlefile", sys.argv[1]], capture_output=True).stdout.split(maxsplit=4)[4]
assert sum(p[i] > 240 and 115 < p[i + 1] < 140 and p[i + 2] < 15 for i in range(0, len(p) - 2, 3)) > 20' "$dir/out/f.pdf"
chmod 755 "$dir/prog"

# ---- a projector background far too big is refused before it is read.
truncate -s 1G "$dir/prog/Vrek_Fond_projecteur.bmp"
err="$("$dir/prog/vrek" present "$dir/old.vrk" --board 1 -o "$dir/p.png" 2>&1 >/dev/null)"
check "fond de 1 Go : code 0" [ $? = 0 ]
check "fond de 1 Go : dit" grep -q "est trop grand (1073741824 octets) : Vrek n'en lit pas de plus de 64 Mo. Le fond uni le remplace." <<<"$err"

[ $fails = 0 ] && echo "faults.sh : tout est bon"
exit $fails
