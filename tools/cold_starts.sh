#!/usr/bin/env bash
# Starts a tavrel.exe cold, many times, as the end-to-end test starts it: a
# new start on a prefix of its own, a wait for its window, the window
# closed, and `wineserver -w` before the next. A second Wine program, on a
# prefix of its own, keeps the processors busy all along. Every start that
# ends before its window shows is kept: its exit status and what Wine
# printed, in DIR.
#
#   tools/cold_starts.sh PROGRAM COUNT DIR
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
count=$2
out=$(mkdir -p "$3" && cd "$3" && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

source "$root/tools/display.sh"
tavrel_ensure_display
busy_prefix=$out/busy-prefix
"$root/tools/prefix.sh" --unmanaged "$busy_prefix" >/dev/null
WINEPREFIX=$busy_prefix wine cmd /c "for /L %i in (1,1,2000000000) do @rem" >/dev/null 2>&1 &
busy=$!
export WINEPREFIX=$out/wineprefix
"$root/tools/prefix.sh" --unmanaged --seed "$WINEPREFIX" >/dev/null
trap 'kill $busy 2>/dev/null; WINEPREFIX=$busy_prefix wineserver -k; wineserver -k; tavrel_stop_display' EXIT

early=0
slow=0
for run in $(seq "$count"); do
  log=$out/start-$run.log
  wine "$program" >"$log" 2>&1 &
  app=$!
  window=
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Tavrel Control Manager$' 2>/dev/null | head -1)
    [[ -n $window ]] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z $window ]]; then
    if kill -0 "$app" 2>/dev/null; then
      slow=$((slow + 1))
      echo "start $run: no window after 30 s"
      kill "$app"
    else
      status=0
      wait "$app" || status=$?
      early=$((early + 1))
      echo "start $run: ended with exit status $status before its window showed; Wine printed:"
      sed 's/^/    /' "$log"
      continue
    fi
  else
    # File, Exit, as a person ends it (and the end-to-end test): the menu
    # bar stands above the 518 x 335 client area, inside Wine's own frame.
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    border=$(((WIDTH - 518) / 2))
    xdotool mousemove $((X + border + 25)) $((Y + HEIGHT - 335 - border - 10)) click 1
    sleep 0.5
    xdotool key e
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill "$app" 2>/dev/null && echo "start $run: File, Exit did not end it"
  fi
  wait "$app" 2>/dev/null
  timeout 60 wineserver -w || wineserver -k
  rm -f "$log"
  (( run % 25 == 0 )) && echo "$run starts, $early ended early, $slow without a window"
done
echo "$program: $count starts, $early ended before the window showed, $slow showed none in 30 s"
