#!/usr/bin/env bash
# Faults met for real: a save killed at each of its steps, another user's lock
# file, an installed program run by an ordinary user (its settings in
# ~/.config, shared with the window), an oversized projector background and a
# constraint file no hand can meet.
# usage: bash faults.sh /path/to/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fails=0
dealt() { od -An -tu1 -v -w160 "$1" | awk '{s = 0; for (i = 1; i <= 160; i += 10) s += $i; if (s == 52) n++} END {print n + 0}'; }
# Runs a command as an ordinary user when we are root (mode bits do not stop
# root), as ourselves otherwise.
other=""
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    other="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
chmod 755 "$dir"

# ---- a save killed at each step: the next command finds the pair wholly old
# or wholly new, and nothing of the killed save stays beside it.
# The old pair: no deal, an older text of 481 lines with bare LF ends; the
# new one: 96 deals and 1889 CR LF lines.
head -c 15360 /dev/zero > "$dir/old.vrk"
{ printf 'Ancienne\n'; for _ in $(seq 480); do printf '\n'; done; } > "$dir/old.VRT"
whole() {  # whole NAME: "old", "new" or "mixed"
    if cmp -s "$dir/$1.vrk" "$dir/old.vrk" && cmp -s "$dir/$1.VRT" "$dir/old.VRT"; then echo old
    elif [ "$(dealt "$dir/$1.vrk")" = 96 ] && [ "$(grep -c $'\r$' "$dir/$1.VRT")" = 1889 ]; then echo new
    else echo mixed; fi
}
if command -v strace >/dev/null; then
    for kill in rename:1 rename:2 unlink:1 unlink:2 unlink:3; do
        call=${kill%:*} n=${kill#*:}
        rm -f "$dir"/k.* "$dir"/.k.*
        cp "$dir/old.vrk" "$dir/k.vrk"; cp "$dir/old.VRT" "$dir/k.VRT"
        set=$call; [ "$call" = rename ] && set=rename,renameat,renameat2
        [ "$call" = unlink ] && set=unlink,unlinkat
        strace -f -qq -o /dev/null -e inject="$set":signal=KILL:when="$n" "$vrek" deal "$dir/k.vrk" >/dev/null 2>&1
        check "tué ($kill) : tué" [ $? = 137 ]
        journal=no; [ -e "$dir/.k.vrek-journal" ] && journal=yes
        err="$("$vrek" show "$dir/k.vrk" --boards 1 2>&1 >/dev/null)"
        if [ $journal = yes ]; then
            check "tué ($kill) : la lecture le dit" grep -q "Le dernier enregistrement de la série $dir/k.vrk a été interrompu" <<<"$err"
        fi
        # The next writer (refused its constraint file, it writes nothing of its own).
        err="$("$vrek" deal "$dir/k.vrk" --constraints "$dir/absent.vrc" 2>&1 >/dev/null)"
        state=$(whole k)
        check "tué ($kill) : paire entière ($state)" [ "$state" != mixed ]
        if [ $journal = yes ]; then
            check "tué ($kill) : achevé et dit" grep -q "avait été interrompu : il a été achevé" <<<"$err"
            check "tué ($kill) : nouvelle" [ "$state" = new ]
        fi
        left="$(cd "$dir" && ls -A | grep -E '^\.?k\.' | grep -v -x -e k.vrk -e k.VRT -e .k.vrek-verrou)"
        check "tué ($kill) : rien ne reste ($left)" [ -z "$left" ]
    done
else
    echo "strace absent : pas d'interruption réelle d'enregistrement"
fi

# ---- a constraint file that no hand can meet is refused before any deal.
cp "$dir/old.vrk" "$dir/c.vrk"; cp "$dir/old.VRT" "$dir/c.VRT"
python3 - "$dir/bad.vrc" <<'PY'
import sys
rec = bytes([0, 37, 0, 0] + [0, 10, 0, 9] * 4)
table = bytearray(rec * 36)
table[3] = 1
table[40 + 4 + 12 + 2], table[40 + 4 + 12 + 3] = 6, 4   # South, spades: 6 to 4 cards
open(sys.argv[1], "wb").write(table)
PY
err="$("$vrek" deal "$dir/c.vrk" --constraints "$dir/bad.vrc" 2>&1 >/dev/null)"; rc=$?
check "contraintes impossibles : code 1" [ $rc = 1 ]
check "contraintes impossibles : message" [ "$err" = "Le fichier $dir/bad.vrc n'est pas un fichier de contraintes valide : au niveau 1, pour Sud, le minimum de cartes à Pique (6) dépasse le maximum (4)." ]
check "contraintes impossibles : série intacte" [ "$(whole c)" = old ]

# ---- another user's lock file, not even held, that we cannot open.
if [ -n "$other" ]; then
    cp "$dir/old.vrk" "$dir/l.vrk"; cp "$dir/old.VRT" "$dir/l.VRT"
    chmod 666 "$dir/l.vrk" "$dir/l.VRT"; chmod 777 "$dir"
    : > "$dir/.l.vrek-verrou"; chmod 600 "$dir/.l.vrek-verrou"
    err="$($other "$vrek" deal "$dir/l.vrk" 2>&1 >/dev/null)"; rc=$?
    check "verrou d'un autre : code 1" [ $rc = 1 ]
    check "verrou d'un autre : nommé" grep -q "le fichier de verrou $dir/.l.vrek-verrou ne peut pas être ouvert (accès refusé)" <<<"$err"
    check "verrou d'un autre : série intacte" [ "$(whole l)" = old ]
    chmod 755 "$dir"
fi

# ---- an installed program run by a user: the batch commands read the
# user's settings, as the window does, not those beside the program.
mkdir -p "$dir/prog" "$dir/home/.config/vrek"
cp "$vrek" "$vrek-qt" "$dir/prog/"
printf '[Etiquettes]\r\nLigne=6\r\nColonne=8\r\n' > "$dir/prog/vrek.ini"
printf '[Etiquettes]\r\nLigne=2\r\nColonne=4\r\n[Fiches]\r\nSection=E\r\nCouleur=33023\r\n' > "$dir/home/.config/vrek/vrek.ini"
"$vrek" deal "$dir/old.vrk" >/dev/null
mkdir "$dir/out"
if [ -n "$other" ]; then
    chown -R 65534:65534 "$dir/home" "$dir/out"; chmod 755 "$dir/prog" "$dir/old.vrk" "$dir/old.VRT"
    as() { env -u XDG_CONFIG_HOME HOME="$dir/home" $other "$@"; }
else
    chmod 555 "$dir/prog"
    as() { env -u XDG_CONFIG_HOME HOME="$dir/home" "$@"; }
fi
out="$(as "$dir/prog/vrek" print labels "$dir/old.vrk" --boards 3-12 --start-label 6 -o "$dir/out/e.pdf" 2>&1)"
check "réglages de l'utilisateur : deux planches ($out)" [ "$out" = $'VREK:Etiquettes1 : 1 page\nVREK:Etiquettes2 : 1 page' ]
# The section's colour chosen in the window: orange (255, 128, 0), not a grey.
as "$dir/prog/vrek" print travellers "$dir/old.vrk" --pairs 1 --section E -o "$dir/out/f.pdf" >/dev/null 2>&1
check "fiches : couleur de section" python3 - "$dir/out/f.pdf" <<'PY'
import subprocess, sys
ppm = subprocess.run(["pdftoppm", "-r", "40", "-singlefile", sys.argv[1]], capture_output=True).stdout
parts = ppm.split(maxsplit=4)
w, h, pixels = int(parts[1]), int(parts[2]), parts[4]
orange = sum(1 for i in range(0, len(pixels) - 2, 3)
             if pixels[i] > 240 and 115 < pixels[i + 1] < 140 and pixels[i + 2] < 15)
assert orange > 20, orange
PY
[ -z "$other" ] && chmod 755 "$dir/prog"

# ---- a projector background far too big is refused before it is read.
truncate -s 1G "$dir/prog/Vrek_Fond_projecteur.bmp"
err="$("$dir/prog/vrek" present "$dir/old.vrk" --board 1 -o "$dir/p.png" 2>&1 >/dev/null)"; rc=$?
check "fond de 1 Go : code 0" [ $rc = 0 ]
check "fond de 1 Go : dit" grep -q "est trop grand (1073741824 octets) : Vrek n'en lit pas de plus de 64 Mo. Le fond uni le remplace." <<<"$err"

[ $fails = 0 ] && echo "faults.sh : tout est bon"
exit $fails
