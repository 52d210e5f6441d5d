#!/usr/bin/env bash
# The real tavrelctl.exe on new Wine prefixes ("machines"), with Wine saying
# it is the Windows given. Every store is read from outside the program
# after each step (store_snapshot.sh).
#
#   A: a random profile (seeded; the seed is printed) is applied, then exported.
#   B: a new machine; A's export is applied: B stores what A stores. Applied
#      again it changes nothing and prints no change.
#   C: a new machine; a dry run of A's export stores nothing, and lists
#      exactly the changes the real apply then prints; a bad profile is
#      refused with exit status 2 and stores nothing.
#   D: a new machine; show, show 12, export and check store nothing (the
#      boot file's bytes and attributes included), new or set up by A's
#      export; check of what was applied says nothing and exits 0, of a box
#      changed from outside prints exactly its line and exits 3, of letters
#      while every drive is hidden exits 0, of a bad profile exits 2.
#
#   tests/e2e/run_companion.sh [build directory] [Windows version]
#
# The build directory defaults to $TAVREL_BUILD or build/; the Windows
# version to win10. Needs an X display (without one it starts Xvfb): the
# companion builds the window's pages, never shown. TAVREL_TEST_SEED repeats
# a run.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-${TAVREL_BUILD:-$root/build}}" && pwd)
windows=${2:-win10}
work=$build/companion-$windows
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
seed=${TAVREL_TEST_SEED:-$((RANDOM * 32768 + RANDOM))}
options_table=$root/tests/options/options.tsv

started=$SECONDS
failures=0
checks=0

source "$root/tools/display.sh"
source "$root/tools/wine32.sh"
source "$root/tests/e2e/store_snapshot.sh"

stop_machines() {
  local machine
  for machine in a b c d; do
    [[ -d $work/$machine ]] && WINEPREFIX=$work/$machine wineserver -k >/dev/null 2>&1
  done
}
trap 'stop_machines; tavrel_stop_display' EXIT
trap 'exit 130' INT TERM

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

die() {
  echo "FAIL: $*"
  exit 1
}

check() {  # what, condition...
  local what=$1
  shift
  checks=$((checks + 1))
  "$@" || fail "$what"
}

# Runs the companion on a machine: its output in $work/out.txt and
# $work/err.txt without carriage returns, its exit status in $status.
companion() {
  local machine=$1
  shift
  WINEPREFIX=$work/$machine wine "$companion" "$@" >"$work/out.raw" 2>"$work/err.raw"
  status=$?
  tr -d '\r' <"$work/out.raw" >"$work/out.txt"
  tr -d '\r' <"$work/err.raw" >"$work/err.txt"
}

expect_status() {  # what, status
  checks=$((checks + 1))
  [[ $status == "$2" ]] && return 0
  fail "$1: exit status $status, not $2"
  sed 's/^/  out: /' "$work/out.txt" | head -20
  sed 's/^/  err: /' "$work/err.txt" | head -20
}

snapshot_of() {  # machine, file
  WINEPREFIX=$work/$1 snapshot "$2"
  sort -o "$2" "$2"
}

expect_same_store() {  # what, expected snapshot, actual snapshot
  checks=$((checks + 1))
  if ! cmp -s "$2" "$3"; then
    fail "$1: the stores differ (< expected, > actual)"
    diff "$2" "$3" | head -30
  fi
}

changes() { grep -F ' -> ' "$1"; }

# Every control of every page in a random state, as a person would write it.
random_profile() {
  awk -F'\t' -v seed="$seed" '
    function line(page, text) { lines[page] = lines[page] text "\n" }
    BEGIN { srand(seed) }
    $1 == "page" { title[$2] = $3; pages = $2 > pages ? $2 : pages }
    $1 == "control" && $4 == "box" { line($2, $6 "=" (rand() < 0.5 ? "ticked" : "cleared")) }
    $1 == "control" && $4 == "spin" { line($2, $6 "=" int(rand() * 61)) }
    $1 == "control" && $4 == "edit" { name = $6; sub(/:$/, "", name); line($2, name "=Notice " int(rand() * 100000)) }
    END {
      print "; written by the companion test, seed " seed
      for (page = 1; page <= pages; page++) printf "\n[%s]\n%s", title[page], lines[page]
    }
  ' "$options_table" | sed 's/$/\r/'
}

# ---------------------------------------------------------------------------

command -v wine >/dev/null || die "needs Wine (tools/bootstrap.sh installs it)"
program=$(tavrel_runnable_program "$build")
companion=$(dirname "$program")/tavrelctl.exe
[[ -f $companion ]] || die "no $companion: build first (tools/build.sh)"
echo "companion: testing $companion with seed $seed (TAVREL_TEST_SEED=$seed repeats it)"
tavrel_ensure_display || die "no X display"

stop_machines
rm -rf "$work"
mkdir -p "$work"
# One new machine, made as the run command makes one, copied for each.
export WINEPREFIX=$work/a
"$root/tools/prefix.sh" --unmanaged --seed "$WINEPREFIX" >/dev/null || die "could not create $WINEPREFIX"
wine reg add 'HKCU\Software\Wine' /v Version /d "$windows" /f >/dev/null 2>&1 ||
  die "could not make Wine say it is $windows"
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
echo "companion: Wine says it is $(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -m1 .)"
wineserver -w
unset WINEPREFIX
cp -a "$work/a" "$work/b"
cp -a "$work/a" "$work/c"
cp -a "$work/a" "$work/d"
write_snapshot_batch

random_profile >"$work/random.txt"
profile_a=$(dos_path "$work/a.txt")

# A: set up by a random profile, then exported.
companion a apply "$(dos_path "$work/random.txt")"
expect_status "A: apply of the random profile" 0
check "A: the random profile changed controls" grep -q ' -> ' "$work/out.txt"
snapshot_of a "$work/a.snap"
companion a export "$profile_a"
expect_status "A: export" 0
check "A: the export names every page" test "$(grep -c '^\[' "$work/a.txt")" -eq 13

# B: a new machine takes A's settings, and keeps them when applied again.
companion b apply "$profile_a"
expect_status "B: apply of A's export" 0
snapshot_of b "$work/b.snap"
expect_same_store "B after applying A's export" "$work/a.snap" "$work/b.snap"
companion b apply "$profile_a"
expect_status "B: the same profile again" 0
check "B: the same profile again prints no change" test "$(cat "$work/out.txt")" = "0 controls changed on 0 pages."
snapshot_of b "$work/b-again.snap"
expect_same_store "B after the same profile again" "$work/b.snap" "$work/b-again.snap"

# C: a dry run stores nothing and foretells the real apply.
snapshot_of c "$work/c-new.snap"
companion c apply "$profile_a" --dry-run
expect_status "C: dry run" 0
cp "$work/out.txt" "$work/dry.txt"
snapshot_of c "$work/c-dry.snap"
expect_same_store "C after the dry run" "$work/c-new.snap" "$work/c-dry.snap"
check "C: the dry run says nothing was stored" grep -q 'nothing was stored' "$work/dry.txt"
companion c apply "$profile_a"
expect_status "C: apply after the dry run" 0
check "C: the dry run listed exactly what apply changed" cmp -s <(changes "$work/dry.txt") <(changes "$work/out.txt")
snapshot_of c "$work/c.snap"
expect_same_store "C after applying A's export" "$work/a.snap" "$work/c.snap"

# C: a bad profile is refused as a whole.
printf '[Boot Settings]\r\nBoot Menu Delay=7\r\n[Boot Setings]\r\n' >"$work/bad.txt"
companion c apply "$(dos_path "$work/bad.txt")"
expect_status "C: a bad profile" 2
check "C: the bad profile's one error names its file and line" \
  test "$(cat "$work/err.txt")" = "$(dos_path "$work/bad.txt"):3: no page is called \"Boot Setings\"; the nearest is \"Boot Settings\""
snapshot_of c "$work/c-bad.snap"
expect_same_store "C after the bad profile" "$work/c.snap" "$work/c-bad.snap"
companion c --help
expect_status "C: --help" 0

# D: a look changes nothing, and check tells a machine in force from one
# that drifted.
look_changes_nothing() {  # what, command...
  local what=$1
  shift
  snapshot_of d "$work/d-before.snap"
  cp "$work/d/drive_c/msdos.sys" "$work/d-before.sys"
  companion d "$@"
  snapshot_of d "$work/d-after.snap"
  expect_same_store "D: $what" "$work/d-before.snap" "$work/d-after.snap"
  check "D: $what leaves the boot file's bytes as they were" cmp -s "$work/d-before.sys" "$work/d/drive_c/msdos.sys"
}
looks() {  # where
  look_changes_nothing "show on $1" show
  expect_status "D: show on $1" 0
  look_changes_nothing "show 12 on $1" show 12
  expect_status "D: show 12 on $1" 0
  look_changes_nothing "export on $1" export "$(dos_path "$work/d.txt")"
  expect_status "D: export on $1" 0
  look_changes_nothing "check on $1" check "$profile_a"
}
looks "a new machine"
expect_status "D: check of A's export on a new machine" 3
companion d apply "$profile_a"
expect_status "D: apply of A's export" 0
looks "a machine set up by A's export"
expect_status "D: check of what was applied" 0
check "D: check of what was applied prints nothing" test ! -s "$work/out.txt" -a ! -s "$work/err.txt"

# One box changed from outside, as another tool would.
IFS=$'\t' read -r where key name < <(awk -F'\t' '$1 == "store" && $3 == "hidedeskicons" { print $4 "\t" $5 "\t" $6 }' "$options_table")
wanted=$(grep -m1 '^Hide All Desktop Icons=' "$work/a.txt" | tr -d '\r' | cut -d= -f2)
if [[ $wanted == ticked ]]; then outside=0 shown=cleared; else outside=1 shown=ticked; fi
WINEPREFIX=$work/d wine reg add "$where$key" /v "$name" /t REG_DWORD /d $outside /f >/dev/null 2>&1
look_changes_nothing "check after a change from outside" check "$profile_a"
expect_status "D: check after a change from outside" 3
check "D: check names exactly the changed box" \
  test "$(cat "$work/out.txt")" = "Desktop Access: Hide All Desktop Icons: $shown -> $wanted"

printf '[Drives Access]\r\nHide All Drives on Computer=ticked\r\n' >"$work/all-drives.txt"
printf '[Drives Access]\r\nHide All Drives on Computer=ticked\r\nA=ticked\r\nB=cleared\r\nZ=ticked\r\n' >"$work/letters.txt"
companion d apply "$(dos_path "$work/all-drives.txt")"
expect_status "D: every drive hidden" 0
look_changes_nothing "check of letters while every drive is hidden" check "$(dos_path "$work/letters.txt")"
expect_status "D: check of letters while every drive is hidden" 0
look_changes_nothing "check of a bad profile" check "$(dos_path "$work/bad.txt")"
expect_status "D: check of a bad profile" 2

echo "companion: $checks checks, $failures failed, $((SECONDS - started)) s"
((failures == 0))
