#!/usr/bin/env bash
# Opens Vellmaster on a fresh copy of the demo data: a small FS 2004
# installation (FS9/) and a user folder with a saved flight, its plan and
# its weather (Documents/Flight Simulator Files/).
#
#   demo/run-demo.sh [BUILD_DIR]      (default: build)
#
# The copy lies in a new temporary folder, so the demo starts the same way
# every time and nothing in the source tree is changed. The program folder
# of the copy holds fs_vell.ini, which points the program at the copy.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
program="$build/qt/vellmaster"
if [ ! -x "$program" ]; then
    echo "run-demo.sh: no program at $program (build first, or name the build folder)" >&2
    exit 1
fi
program="$(cd "$(dirname "$program")" && pwd)/vellmaster"

work="$(mktemp -d "${TMPDIR:-/tmp}/vellmaster-demo.XXXXXX")"
cp -R "$here/FS9" "$work/FS9"
cp -R "$here/Documents" "$work/Documents"
mkdir -p "$work/prog"
user="$work/Documents/Flight Simulator Files"

# The simulator names the plan of a saved flight by its full path.
flight="$user/Frankfurt to Heathrow.FLT"
plan="$user/IFR Frankfurt Main to London Heathrow"
sed -i "s|^Filename=.*\$|Filename=${plan//|/\\|}\r|" "$flight"

printf '%s\r\n' \
    '[preferences]' \
    'standard_out=0' \
    'standard_in=1' \
    'helpfile=Vell_help_e.chm' \
    '' \
    '[USER]' \
    'FS8_PATH=' \
    "FS9_PATH=$work/FS9" \
    "USER_PATH=$user" \
    'Recent=' \
    '' > "$work/prog/fs_vell.ini"

echo "Demo data in $work"
VELLMASTER_HOME="$work/prog" "$program"
