#!/usr/bin/env bash
# Diagram pages with the double-dummy analysis: vrek print diagrams
# --analysis with the real solver, incomplete boards named, the pages
# without the option unchanged, a missing solver refused.
# usage: bash print_analysis.sh /path/to/vrek   (the solver program "bridge" sits beside it)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
start "$1"
empty() { head -c 160 /dev/zero; }
partial() { hand "14" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; hand "" "" "" ""; }
{ deal; empty; partial; deal; for _ in $(seq 92); do empty; done; } > "$dir/serie.vrk"
printf 'Lundi\r\n' > "$dir/serie.VRT"

out="$("$vrek" print diagrams "$dir/serie.vrk" --sheets 1 --analysis -o "$dir/avec.pdf")"; rc=$?
check "avec : code 0" [ $rc = 0 ]
check "avec : messages" [ "$out" = $'Donne non analysée car incomplète : 3.\nVREK:commentaires : 1 page' ]
"$vrek" print diagrams "$dir/serie.vrk" --sheets 1 -o "$dir/sans.pdf" >/dev/null; rc=$?
check "sans : code 0" [ $rc = 0 ]
out="$("$vrek" print diagrams "$dir/serie.vrk" --boards 4,0,0,0 --analysis -o "$dir/quatre.pdf")"
check "une donne : messages" [ "$out" = "VREK:commentaires : 1 page" ]
if command -v pdftotext >/dev/null; then
    text="$(pdftotext -layout "$dir/avec.pdf" -)"
    check "avec : par de la donne 1" grep -q "Par : 7SA NS, +1520 pour NS" <<<"$text"
    check "avec : par de la donne 4" grep -q "Par : 7SA NS, +2220 pour NS" <<<"$text"
    check "avec : deux tables" [ "$(grep -c "Par : " <<<"$text")" = 2 ]
    check "sans : pas de par" [ "$(pdftotext "$dir/sans.pdf" - | grep -c "Par : ")" = 0 ]
    check "une donne : son par" [ "$(pdftotext "$dir/quatre.pdf" - | grep -c "Par : 7SA NS, +2220 pour NS")" = 1 ]
fi

# Without the solver beside the program: refused, nothing written.
mkdir "$dir/seul"
cp "$vrek" "$dir/seul/vrek"
err="$("$dir/seul/vrek" print diagrams "$dir/serie.vrk" --sheets 1 --analysis -o "$dir/seul.pdf" 2>&1 >/dev/null)"; rc=$?
check "sans solveur : code 1" [ $rc = 1 ]
check "sans solveur : message" grep -q "introuvable" <<<"$err"
check "sans solveur : aucun fichier" [ ! -e "$dir/seul.pdf" ]
"$vrek" print hands "$dir/serie.vrk" --seats N --block 1 --analysis -o "$dir/x.pdf" 2>/dev/null
check "hands --analysis : code 2" [ $? = 2 ]

[ $fails = 0 ] && echo "print_analysis : tout va bien"
exit $((fails > 0))
