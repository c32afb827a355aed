#!/usr/bin/env bash
# Prints how many lines the tests have beside the code: the tests are the
# files under tests/ ending .cpp, .h, .scn or .inc, the code the .cpp and .h
# files under src/, qt/, win32/ and tools/. The counts are plain `wc -l` counts
# (line ends), comments and blank lines included; the percentage is rounded.
# Runs from any folder.
set -euo pipefail
cd "$(dirname "$0")/.."

# Lines of the files under the folders (those that exist) with the endings.
count() {
    local folders=() names=() f
    while [ "$1" != "--" ]; do
        [ -d "$1" ] && folders+=("$1")
        shift
    done
    shift
    for f in "$@"; do
        if [ ${#names[@]} -gt 0 ]; then names+=(-o); fi
        names+=(-name "*.$f")
    done
    if [ ${#folders[@]} -eq 0 ]; then
        echo 0
        return
    fi
    find "${folders[@]}" -type f \( "${names[@]}" \) -print0 | xargs -0 -r cat | wc -l
}

tests=$(count tests -- cpp h scn inc)
code=$(count src qt win32 tools -- cpp h)
if [ "$code" -eq 0 ]; then
    echo "tests $tests lines, code 0 lines"
else
    echo "tests $tests lines, code $code lines, tests are $(((tests * 100 + code / 2) / code))% of the code"
fi
