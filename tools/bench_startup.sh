#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from process start to the first
# painted main window, for tavrel.exe and for an empty Win32 window of the same
# size and styles, both started by the same launcher in turn. Prints the
# medians, their ratio and the size of tavrel.exe.
#
#   tools/bench_startup.sh [runs]      (default 15 runs of each)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}
runs=${1:-15}

"$root/tools/bootstrap.sh"
"$root/tools/build.sh" >/dev/null

# A prefix of the benchmark's own, apart from the tests' one.
export WINEPREFIX=${TAVREL_BENCH_PREFIX:-$build/bench-wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/tools/prefix.sh" --unmanaged "$WINEPREFIX"

source "$root/tools/display.sh"
tavrel_ensure_display

# Wine's helper processes leave on their own once the launcher is done; a
# virtual X server started here goes after them.
end_run() {
    wineserver -w
    if [[ -n ${TAVREL_XVFB_PID:-} ]]; then kill "$TAVREL_XVFB_PID" 2>/dev/null || true; fi
}
trap end_run EXIT

bench=$build/tools/bench
echo "Start-up to the first painted main window, under Wine on display $DISPLAY ($runs runs each)"
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
wine "$bench/startup_launcher.exe" --runs "$runs" \
    "$(winepath -w "$bench/empty_window.exe")" "$(winepath -w "$build/tavrel.exe")"
size=$(stat -c %s "$build/tavrel.exe")
echo "tavrel.exe: $size bytes ($((size / 1024)) KiB)"
