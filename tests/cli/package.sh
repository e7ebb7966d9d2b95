#!/usr/bin/env bash
# What cmake --install and the Debian package put where: the manual page that
# documents every command and option the program lists, the licence and the
# changelog dpkg reads; and lintian finds neither error nor warning.
# usage: bash package.sh /path/to/build/vrek
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
vrek="$1"
build="$(cd "$(dirname "$vrek")" && pwd)"
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fails=0

# The install under a prefix of our own.
cmake --install "$build" --prefix "$dir/usr" >/dev/null
check "install : commande" [ "$("$dir/usr/bin/vrek" --version)" = "vrek 20.23.03" ]
check "install : page de manuel" gzip -t "$dir/usr/share/man/man1/vrek.1.gz"
check "install : licence" cmp -s "$dir/usr/share/doc/vrek/copyright" "$top/dist/debian/copyright"
check "install : journal" gzip -t "$dir/usr/share/doc/vrek/changelog.gz"
if command -v dpkg-parsechangelog >/dev/null; then
    zcat "$dir/usr/share/doc/vrek/changelog.gz" > "$dir/changelog"
    check "journal : version du programme" [ "$(dpkg-parsechangelog -l "$dir/changelog" -S Version)" = 20.23.03 ]
    all="$(dpkg-parsechangelog -l "$dir/changelog" --format rfc822 --all 2>&1)"
    check "journal : toutes les versions" [ "$(grep -c '^Version:' <<<"$all")" -ge 18 ]
    check "journal : lu sans avertissement" [ -z "$(grep -i 'warn' <<<"$all")" ]
fi

# Every command and every option the program lists is in the page.
page="$(zcat "$dir/usr/share/man/man1/vrek.1.gz" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g')"
listed="$("$vrek" --help 2>&1; "$vrek" print --help 2>&1)"
for c in $(sed -n 's/^ *vrek \([a-z]\+\) .*/\1/p' <<<"$listed" | sort -u); do
    check "page : commande $c" grep -qE "^\.BI? \"?$c[ \"]" <<<"$page"
done
for k in $(sed -n 's/^ *vrek print \([a-z]\+\) .*/\1/p' <<<"$listed" | sort -u); do
    check "page : print $k" grep -qE "^\.B $k( |$)" <<<"$page"
done
for o in $(grep -oE -- '(^| |\[)--?[a-z0-9][a-z0-9-]*' <<<"$listed" | tr -d ' [' | sort -u); do
    check "page : option $o" grep -qF -- "$o" <<<"$page"
done

# The package itself, when cpack and lintian are there.
if command -v lintian >/dev/null && command -v dpkg-deb >/dev/null; then
    (cd "$build" && cpack -G DEB -B "$dir/deb" >/dev/null 2>&1)
    deb="$(ls "$dir"/deb/*.deb 2>/dev/null | head -1)"
    check "paquet : construit" [ -n "$deb" ]
    if [ -n "$deb" ]; then
        check "paquet : section" [ "$(dpkg-deb -f "$deb" Section)" = misc ]
        out="$(lintian --fail-on error,warning "$deb" 2>&1)"
        rc=$?
        check "paquet : lintian sans erreur ni avertissement" [ $rc = 0 ]
        grep -E '^[EW]: ' <<<"$out"
    fi
else
    echo "lintian ou dpkg-deb absent : paquet non vérifié"
fi

[ $fails = 0 ] && echo "package.sh : tout est bon"
exit $fails
