#!/usr/bin/env bash
# The run command: installs what is missing, builds tavrel.exe and starts it
# under Wine on the program's own prefix (created on first use), or on
# $WINEPREFIX when that is set.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}

"$root/tools/bootstrap.sh"
"$root/tools/build.sh" tavrel

export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tavrel/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
"$root/tools/prefix.sh" --seed "$WINEPREFIX"

source "$root/tools/display.sh"
tavrel_ensure_display

if [[ -z "${TAVREL_STARTED_XVFB:-}" ]]; then
  exec wine "$build/tavrel.exe"
fi

trap tavrel_stop_display EXIT
shot=${TAVREL_SCREENSHOT:-$PWD/tavrel-screenshot.png}
echo "No display was set: Tavrel runs on the virtual X display $DISPLAY."
wine "$build/tavrel.exe" &
app=$!
sleep 4
import -window root "$shot"
echo "A screenshot of the window is saved as $shot."
echo "Look at it live with: x11vnc -display $DISPLAY (then a VNC viewer), or"
echo "take another with: DISPLAY=$DISPLAY import -window root shot.png"
echo "Press Ctrl+C to end Tavrel."
wait $app
