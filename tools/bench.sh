#!/usr/bin/env bash
# Benchmarks under Wine, printed as one table:
# - start-up to the first painted main window, tavrel.exe against an empty
#   window of the same size and styles (tools/bench/empty_window.cpp);
# - the peak working set of both, and of tavrel.exe after all its pages,
#   also against the empty window with the platform's status bar;
# - the size of the shipped tavrel.exe;
# - every page loader against the same registry and profile calls made
#   directly (tools/bench/bare_loaders.cpp);
# - every page selection until it is painted, against one frame and against
#   the floor: a window below ours whose pages are ours mirrored with plain
#   platform controls, selected with the same registry calls and shown as
#   the notebook shows a page (tools/bench/page_floor.cpp).
# The machine is shared: the load average before and after is printed with
# the table, and the figures are only as steady as the machine was.
#
#   tools/bench.sh [start-up runs] [page loads]      (default 21 and 100)
#
# TAVREL_BENCH_DPI=144 measures on a screen of 144 pixels per inch (150%), on
# a prefix of its own.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}
runs=${1:-21}
loads=${2:-100}
dpi=${TAVREL_BENCH_DPI:-96}

"$root/tools/bootstrap.sh"
"$root/tools/build.sh" >/dev/null

# A prefix of the benchmark's own, seeded like the run command's, so that the
# Boot Settings page reads a real boot file.
default_prefix=$build/bench-wineprefix
[[ $dpi == 96 ]] || default_prefix=$build/bench-wineprefix-${dpi}dpi
export WINEPREFIX=${TAVREL_BENCH_PREFIX:-$default_prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/tools/prefix.sh" --unmanaged --seed "$WINEPREFIX"

source "$root/tools/display.sh"
tavrel_ensure_display
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

rows=$(mktemp)
# Wine's helper processes leave on their own once the programs are done; a
# virtual X server started here goes after them.
end_run() {
    rm -f "$rows"
    wineserver -w
    tavrel_stop_display
}
trap end_run EXIT

bench=$build/tools/bench
source "$root/tools/wine32.sh"
tavrel=$(winepath -w "$(tavrel_runnable_program "$build")")
baseline=$(winepath -w "$bench/empty_window.exe")
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

wine "$bench/startup_launcher.exe" --runs "$runs" "$baseline" "$tavrel" >>"$rows"
wine "$bench/working_set.exe" "$baseline" "$tavrel" >>"$rows"
size=$(stat -c %s "$build/shipped/tavrel.exe")  # the shipped 32-bit file
baseline_size=$(stat -c %s "$bench/empty_window.exe")
awk -v size="$size" -v base="$baseline_size" 'BEGIN {
    printf "size of the shipped program file (KiB)\t%.0f\t%.0f\t%.2f\t< 480\t%s\n", size / 1024, base / 1024, size / base,
        size < 480 * 1024 ? "yes" : "NO" }' >>"$rows"
wine "$bench/page_loaders.exe" --loads "$loads" >>"$rows"

echo "Tavrel under $(wine --version 2>/dev/null | head -1) on $(nproc) processors, display $DISPLAY, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "Load average before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Baseline: the empty window for start-up, memory and size (and with the platform's status bar, the memory floor); the bare calls for page loaders; the floor for page selections."
echo
# One Markdown table, its columns padded to line up in a terminal too; the
# rows written under Wine end in CR LF.
awk -F'\t' '
    BEGIN { split("measure|Tavrel|baseline|ratio|target|met", head, "|"); for (c = 1; c <= 6; ++c) width[c] = length(head[c]) }
    { ++n; for (c = 1; c <= 6; ++c) { cell[n, c] = $c; if (length($c) > width[c]) width[c] = length($c) } }
    function line(values,    c, out) {
        out = "|"
        for (c = 1; c <= 6; ++c) out = out sprintf(c == 1 ? " %-*s |" : " %*s |", width[c], values[c])
        print out
    }
    END {
        line(head)
        for (c = 1; c <= 6; ++c) rule[c] = sprintf("%*s", width[c], ""); for (c = 1; c <= 6; ++c) gsub(/ /, "-", rule[c])
        for (c = 2; c <= 6; ++c) rule[c] = substr(rule[c], 2) ":"
        line(rule)
        for (r = 1; r <= n; ++r) { for (c = 1; c <= 6; ++c) row[c] = cell[r, c]; line(row) }
    }' <(tr -d '\r' <"$rows")
