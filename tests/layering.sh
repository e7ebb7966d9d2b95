#!/usr/bin/env bash
# Keeps the layers honest. Reads which sources each folder's CMakeLists.txt
# puts in the logic library (vreklogic) and which in the windows (vrekui or
# the program), then fails, naming the include, when
#  - a logic file (or its header) includes a Qt header, a window header or app/;
#  - a window file outside app/ includes a file of app/;
#  - a window file of one subsystem includes a window header of another one
#    (platform/ is below every window and may be used by all);
#  - a batch command (app/cli*) includes a window's header (one declaring a
#    window class T...): commands use the logic and the platform only.
#  - a file of formats/ or printing/ includes a file of verify/: they read the
#    analysis of a deal as data of the core.
set -u
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$top" || exit 2

# "kind stem" lines: logic core/cards, ui dealing/vrekcon ...
kinds=$(for cm in */CMakeLists.txt; do
  awk -v dir="${cm%/CMakeLists.txt}" '
    /target_sources\(vreklogic/ { t = "logic"; next }
    /target_sources\(vrekui/    { t = "ui"; next }
    /add_executable\(vrek$/     { t = "ui"; next }
    /^\)/                       { t = ""; next }
    t != "" && $1 ~ /\.(cpp|h)$/ { f = $1; sub(/\.(cpp|h)$/, "", f); print t, dir "/" f }' "$cm"
done | sort -u)

files=$(awk '{ print $2 ".cpp"; print $2 ".h" }' <<<"$kinds" | while read -r f; do [ -f "$f" ] && echo "$f"; done)
# shellcheck disable=SC2086
windows=$(grep -l -E '^class T[A-Za-z0-9_]* *:' */*.h | tr '\n' ' ')
# shellcheck disable=SC2086
grep -H -E '^[[:space:]]*#[[:space:]]*include' $files app/cli*.cpp app/cli*.h |
  awk -v kinds="$kinds" -v windows="$windows" '
  BEGIN {
    n = split(kinds, l, "\n")
    for (i = 1; i <= n; i++) { split(l[i], p, " "); kind[p[2]] = p[1] }
    n = split(windows, w, " ")
    for (i = 1; i <= n; i++) window[w[i]] = 1
    bad = 0
  }
  {
    file = substr($0, 1, index($0, ":") - 1)
    line = substr($0, index($0, ":") + 1)
    if (!match(line, /[<"][^>"]+[>"]/)) next
    inc = substr(line, RSTART + 1, RLENGTH - 2)
    stem = file; sub(/\.(cpp|h)$/, "", stem)
    k = kind[stem]
    dir = file; sub(/\/.*/, "", dir)
    idir = inc; if (!sub(/\/.*/, "", idir)) idir = ""
    istem = inc; sub(/\.(cpp|h)$/, "", istem)
    if (file ~ /^app\/cli/ && window[inc]) {
      print file ": a batch command includes the window header \"" inc "\""; bad = 1; next
    }
    if ((dir == "formats" || dir == "printing") && idir == "verify") {
      print file ": " dir "/ includes \"" inc "\" of verify/ (the analysis of a deal is in core/)"; bad = 1; next
    }
    if (k == "logic") {
      if (inc ~ /^Q/) { print file ": logic includes the Qt header <" inc ">"; bad = 1; next }
      if (idir == "app") { print file ": logic includes \"" inc "\" of app/"; bad = 1; next }
      if (kind[istem] == "ui") { print file ": logic includes the window header \"" inc "\""; bad = 1 }
    } else if (dir != "app" && idir != "") {
      if (idir == "app") { print file ": a window outside app/ includes \"" inc "\""; bad = 1; next }
      if (idir != dir && idir != "platform" && kind[istem] == "ui") {
        print file ": a window of " dir "/ includes the window header \"" inc "\" of " idir "/"; bad = 1
      }
    }
  }
  END {
    if (!bad) print "layers: every include points down"
    exit bad
  }'
