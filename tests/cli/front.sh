#!/usr/bin/env bash
# `vrek` runs show, deal, import and export itself without loading Qt, and
# hands everything else over to vrek-qt beside it, with the same command
# line, messages and exit codes.
set -u
vrek="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

[ -x "$vrek-qt" ] || { echo "one program here: nothing to check"; exit 0; }
ldd "$vrek" 2>&1 | grep -q "libQt6" && fail "the batch front loads Qt"

# The front alone, without the Qt program beside it.
mkdir "$dir/seul"
cp "$vrek" "$dir/seul/vrek"
front="$dir/seul/vrek"
"$front" --version | grep -qx "vrek 20.23.03" || fail "--version"
"$front" deal "$dir/s.vrk" --boards 1-4 >/dev/null || fail "deal"
[ "$("$front" show "$dir/s.vrk" --boards 1-4)" = "$("$vrek-qt" show "$dir/s.vrk" --boards 1-4)" ] || fail "show"
"$front" export dlm "$dir/s.vrk" -o "$dir/s.dlm" >/dev/null || fail "export"
"$front" import dlm "$dir/s.dlm" "$dir/t.vrk" >/dev/null || fail "import"
cmp -s <(head -c 640 "$dir/s.vrk") <(head -c 640 "$dir/t.vrk") || fail "import gave other deals"

# What needs Qt is handed over: without the Qt program, a French message.
for args in "" "--help" "frobnicate" "stats $dir/s.vrk" "export pbn $dir/s.vrk --analysis -o $dir/a.pbn"; do
    # shellcheck disable=SC2086
    err=$("$front" $args 2>&1 >/dev/null); rc=$?
    [ $rc -eq 1 ] || fail "'$args' without vrek-qt: exit $rc"
    [ "$err" = "Impossible de lancer $dir/seul/vrek-qt : fichier ou dossier introuvable" ] ||
        fail "'$args' without vrek-qt: $err"
done
[ ! -e "$dir/a.pbn" ] || fail "a handed-over export wrote"

# With it, the same answers as the Qt program gives itself.
for args in "--help" "frobnicate" "--frobnicate" "stats $dir/s.vrk" "split 5" "print nothing $dir/s.vrk"; do
    # shellcheck disable=SC2086
    a=$("$vrek" $args 2>&1); ra=$?
    # shellcheck disable=SC2086
    b=$("$vrek-qt" $args 2>&1); rb=$?
    [ "$a" = "$b" ] && [ $ra -eq $rb ] || fail "'$args': $ra $a / $rb $b"
done
echo "front: ok"
