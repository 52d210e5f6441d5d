#!/usr/bin/env bash
# The run command: installs what is missing, builds tavrel.exe and starts it
# under Wine on the program's own prefix (created on first use), or on
# $WINEPREFIX when that is set.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}

"$root/tools/bootstrap.sh"
source "$root/tools/wine32.sh"
program=$(tavrel_runnable_program "$build")
if [[ $program == "$build/shipped/tavrel.exe" ]]; then
  echo "$(tavrel_why_this_build): running the shipped $program."
else
  echo "$(tavrel_why_this_build): running the 64-bit build of the same sources; the shipped 32-bit file is $build/shipped/tavrel.exe."
fi
"$root/tools/build.sh" tavrel shipped

export WINEPREFIX=${WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tavrel/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
"$root/tools/prefix.sh" --seed "$WINEPREFIX"

source "$root/tools/display.sh"
tavrel_ensure_display

if [[ -z "${TAVREL_STARTED_XVFB:-}" ]]; then
  exec wine "$program"
fi

# Our own X server has no window manager to draw the caption and frame, so
# the program runs inside Wine's virtual desktop, which draws them as Windows
# does. Everything with a window on this display was started here: ending it
# ends the desktop and with it the program.
launcher=
end_run() {
  local window pids
  mapfile -t pids < <(for window in $(xdotool search --class . 2>/dev/null); do
    xdotool getwindowpid "$window" 2>/dev/null || true
  done | sort -u)
  kill ${launcher:+"$launcher"} "${pids[@]}" 2>/dev/null || true
  if [[ -n $launcher ]]; then wait "$launcher" 2>/dev/null || true; fi
  # Wine's own services end with the server, once the last program has gone.
  timeout 10 wineserver -w 2>/dev/null || true
  tavrel_stop_display
}
trap end_run EXIT
trap 'exit 130' INT TERM

# True once the window is shown and the screen has stopped changing, so the
# screenshot has the window painted in full; false if the program ended.
wait_until_painted() {
  local previous="" now
  until xdotool search --onlyvisible --name '^Tavrel Control Manager$' >/dev/null 2>&1; do
    kill -0 "$launcher" 2>/dev/null || return 1
    sleep 0.1
  done
  for _ in $(seq 40); do
    now=$(import -window root rgb:- | md5sum)
    [[ $now == "$previous" ]] && return 0
    previous=$now
    sleep 0.25
  done
}

shot=${TAVREL_SCREENSHOT:-$PWD/tavrel-screenshot.png}
echo "No display was set: Tavrel runs on the virtual X display $DISPLAY."
read -r width height < <(xdotool getdisplaygeometry)
wine explorer.exe /desktop=Tavrel,"${width}x${height}" "$(winepath -w "$program")" &
launcher=$!
if ! wait_until_painted; then
  echo "Tavrel ended before its window was shown." >&2
  exit 1
fi
import -window root "$shot"
echo "A screenshot of the window is saved as $shot."
echo "Look at it live with: x11vnc -display $DISPLAY -localhost (then a VNC viewer on localhost:5900), or"
echo "take another with: DISPLAY=$DISPLAY import -window root shot.png"
echo "Press Ctrl+C to end Tavrel."
wait "$launcher"
