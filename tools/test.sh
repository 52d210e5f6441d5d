#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every
# test (native tests, and tests of the real program under Wine and Xvfb).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}

"$root/tools/bootstrap.sh"
source "$root/tools/wine32.sh"
if tavrel_wine_runs_32bit; then
  echo "$(tavrel_why_this_build): testing the shipped build/shipped/tavrel.exe and tavrelctl.exe and the 32-bit tests; the 64-bit build is compiled too."
else
  echo "$(tavrel_why_this_build): testing the 64-bit build of the same sources; the 32-bit build is compiled and its import table checked."
fi
"$root/tools/build.sh"

source "$root/tools/display.sh"
tavrel_ensure_display

# A Wine server left from an earlier run may hold a display that is gone.
stop_wine() { WINEPREFIX="$build/wineprefix" wineserver -k >/dev/null 2>&1 || true; }
stop_wine
trap 'stop_wine; tavrel_stop_display' EXIT

cd "$build"
ctest --output-on-failure --timeout 600 "$@"
