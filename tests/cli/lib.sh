# Helpers shared by the shell tests of the batch commands: a failed check
# is counted and named, and series files are written byte by byte.

# The usual start: the program from the first argument, a scratch folder
# removed at exit, no failure yet.
start() {
    vrek="$1"
    dir="$(mktemp -d)"
    trap 'rm -rf "$dir"' EXIT
    fails=0
}

# A copy of the program, its window half and the solver beside a vrek.ini
# that makes the evening 24 boards: "$ev".
evening_copy() {
    mkdir "$dir/prog"
    cp "$vrek" "$vrek-qt" "$(dirname "$vrek")/bridge" "$dir/prog/"
    printf '[Soiree]\r\nNombreDonnes=24\r\n' > "$dir/prog/vrek.ini"
    ev="$dir/prog/vrek"
}

check() {  # check "what" command...
    local what="$1"; shift
    if "$@"; then :; else echo "ÉCHEC : $what"; fails=$((fails + 1)); fi
}

holding() {  # count byte then nine rank bytes
    local n=0 r
    for r in "$@"; do printf "\\$(printf '%03o' "$r")"; n=$((n + 1)); done
    while [ $n -lt 9 ]; do printf '\000'; n=$((n + 1)); done
}
hand() {  # hand CLUBS DIAMONDS HEARTS SPADES, each "r r r"
    local h
    for h in "$@"; do
        # shellcheck disable=SC2086
        set -- $h
        printf "\\$(printf '%03o' $#)"
        holding "$@"
    done
}
# A complete deal where North holds every top card.
deal() {
    hand "14 13 12" "14 13 12" "14 13 12" "14 13 12 11"
    hand "11 10 9 8" "11 10 9" "11 10 9" "10 9 8"
    hand "7 6 5" "8 7 6 5" "8 7 6" "7 6 5"
    hand "4 3 2" "4 3 2" "5 4 3 2" "4 3 2"
}
