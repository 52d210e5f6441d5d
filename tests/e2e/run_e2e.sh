#!/usr/bin/env bash
# End-to-end test of the real program. Starts tavrel.exe under Wine on a new
# prefix of its own, made as the run command makes one (with the Windows 98
# boot file), and drives it only with X input through xdotool: clicks on the
# section list, the boxes and the buttons, the Space and Tab keys, typing into
# the delays and the logon notice. After every step it reads what was stored
# from outside the program, with the platform's own tools: `wine reg export`
# for the registry, control.ini and msdos.sys as files of the prefix, and
# `wine attrib` for the boot file's attributes. Every value it knows of is
# compared each time, so a value written where it should not be shows too.
#
# Three starts of the program:
#   1. every page in turn: first load, every box ticked or cleared by mouse,
#      every box back again by Space (walking the tab order backwards), a
#      pattern of boxes, the delays and the notice typed, Apply Changes;
#   2. every page shows what start 1 stored (read from a screenshot), then
#      every box is flipped;
#   3. every page shows what start 2 stored.
#
#   tests/e2e/run_e2e.sh [build directory] [Windows version] [pixels per inch]
#
# The build directory defaults to $TAVREL_BUILD or build/. The Windows version
# is what Wine tells the program it runs on (win95, win98, winxp, win7, win10;
# default win10), the pixels per inch the screen's (default 96, and every
# place below is given at 96 and scaled); each works in a directory of its own.
#
# Needs an X display (DISPLAY; without one it starts Xvfb). Leaves its
# screenshots and the prefix in <build>/e2e for a look after a failure.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-${TAVREL_BUILD:-$root/build}}" && pwd)
windows=${2:-win10}
dpi=${3:-96}
work=$build/e2e-$windows
[[ $dpi == 96 ]] || work=$work-${dpi}dpi
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A slower machine may set a larger factor for the pauses between inputs.
slow=${TAVREL_E2E_SLOW:-1}

started=$SECONDS
failures=0
checks=0
app=
run=0

source "$root/tools/display.sh"

stop_everything() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null; fi
  # Ends the processes of this prefix only.
  [[ -d $WINEPREFIX ]] && wineserver -k >/dev/null 2>&1
  tavrel_stop_display
}
trap stop_everything EXIT
trap 'exit 130' INT TERM

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

die() {
  echo "FAIL: $*"
  import -window root "$work/failure.png" 2>/dev/null && echo "  screenshot: $work/failure.png"
  echo "e2e: stopped after $((SECONDS - started)) s"
  exit 1
}

pause() {
  if [[ $slow == 1 ]]; then sleep "$1"; else sleep "$(awk -v s="$1" -v f="$slow" 'BEGIN { print s * f }')"; fi
}

# ---------------------------------------------------------------------------
# What the program shows and stores.

# All of it comes from the tests' one description of every option.
options_table=$root/tests/options/options.tsv
table_rows() {  # the rows of one kind, without the kind
  awk -F'\t' -v kind="$1" '$1 == kind { sub(/^[^\t]*\t/, ""); print }' "$options_table"
}

# What the run command's boot file holds before the first load.
declare -A boot_seed=([bootgui]=1 [autoscan]=1)
# The pattern that start 1 leaves behind ticks every other box of a page in
# tab order, beginning with the first; on these pages beginning with the second.
pattern_starts_cleared=" 12 13 "

source "$root/tests/e2e/store_snapshot.sh"

typed_caption="Notice typed by the e2e test"
typed_text="Typed by X input in start 1"

owned_prefixes=()
for key in "${exported_keys[@]:0:5}"; do owned_prefixes+=("${key,,}\\"); done
owned_prefixes+=("control.ini[" "msdos.sys[" "msdos.sys:")
bootdelay_key="msdos.sys[options]bootdelay"
menudelay_key="msdos.sys[options]bootmenudelay"

declare -A box_page box_left box_top first_state pattern_state
declare -a page_boxes
declare -A store_control store_loader store_ticked store_cleared store_default control_stores
declare -A loaded_by  # page -> controls whose values its loader reads

as_stored() {  # a table value as the snapshot spells it
  case $1 in
    -) echo - ;;
    @caption) echo "\"$typed_caption\"" ;;
    @text) echo "\"$typed_text\"" ;;
    \"*) echo "$1" ;;
    0x*) printf 'dword:%08x\n' "$1" ;;
    [0-9]*) if [[ $2 == reg ]]; then printf 'dword:%08x\n' "$1"; else echo "$1"; fi ;;
    *) echo "$1" ;;
  esac
}

declare -A first_read  # control -> its boot entry's text at the first load
while IFS=$'\t' read -r page control where key name loader type ticked cleared shown missing button; do
  [[ $where == msdos.sys && $type == entry ]] || continue
  first_read[$control]=${boot_seed[${name,,}]:-$missing}
  [[ ${first_read[$control]} == "$shown" ]] && first_read[$control]=ticked
done < <(table_rows store)

# Option boxes, page by page in tab order, with their places on the options
# panel; the drive letters, in the order of their bits, stand in their group.
declare -A group_left group_top
letters=""
declare -A letter_bit
bit=0
tab_place=0
last_page=
while IFS=$'\t' read -r page control kind group caption hint left top width height; do
  if [[ $kind == group ]]; then group_left[$control]=$left group_top[$control]=$top; fi
  [[ $kind == box ]] || continue
  [[ $page == "$last_page" ]] || tab_place=0
  last_page=$page
  box_page[$control]=$page
  box_left[$control]=$((left + ${group_left[$group]:-0}))
  box_top[$control]=$((top + ${group_top[$group]:-0}))
  first_state[$control]=0
  [[ ${first_read[$control]:-} == ticked ]] && first_state[$control]=1
  if [[ $group != - ]]; then
    # The letters of even bits; start 1 ends with all drives hidden, start 2
    # stores the letters of odd bits.
    pattern_state[$control]=$(((bit + 1) % 2))
    letter_bit[$control]=$bit
    letters+="$control "
    bit=$((bit + 1))
    continue
  fi
  starts=1
  [[ $pattern_starts_cleared == *" $page "* ]] && starts=0
  pattern_state[$control]=$(((tab_place + starts) % 2))
  tab_place=$((tab_place + 1))
  page_boxes[$page]+="$control "
done < <(table_rows control)

# Where each box stores, and what it holds after the first load on a new
# prefix ("-": nothing).
while IFS=$'\t' read -r loader control where key name loader_name type ticked cleared shown missing button; do
  [[ $type == delay ]] && continue
  default=-
  case $where in
    control.ini) key="control.ini[$key]${name,,}" kind=ini ;;
    msdos.sys)
      key="msdos.sys[$key]${name,,}" kind=ini
      [[ -n ${boot_seed[${name,,}]:-} ]] && default=${boot_seed[${name,,}]}
      [[ $default == - && ${first_read[$control]} == ticked ]] && default=$ticked ;;
    *)
      key="${where,,}${key,,}\\${name,,}" kind=reg
      [[ $missing != - ]] && default=$missing ;;
  esac
  if [[ $type == sz && $ticked != @* ]]; then
    ticked="\"$ticked\"" cleared="\"$cleared\"" default="\"$default\""
  fi
  ticked=${ticked/#@dialog/@}
  [[ $control == hidealldrives ]] && nodrives_key=$key
  store_control[$key]=$control
  store_loader[$key]=$loader
  store_ticked[$key]=$(as_stored "$ticked" $kind)
  store_cleared[$key]=$(as_stored "$cleared" $kind)
  store_default[$key]=$(as_stored "$default" $kind)
  # One a line: keys may hold blanks ("control panel", "don't load").
  control_stores[$control]+="$key"$'\n'
  [[ " ${loaded_by[$loader]:-} " == *" $control "* ]] || loaded_by[$loader]+="$control "
done < <(table_rows store)

# ---------------------------------------------------------------------------
# Reading the stores from outside.

declare -A expected

owned() {
  local prefix
  for prefix in "${owned_prefixes[@]}"; do [[ $1 == "$prefix"* ]] && return 0; done
  return 1
}

# The differences between what is stored and what is expected, one a line.
store_differences() {
  local snap=$1 line key value
  declare -A actual=()
  while IFS= read -r line; do
    key=${line%%=*}
    value=${line#*=}
    actual[$key]=$value
  done <"$snap"
  for key in "${!expected[@]}"; do
    value=${actual[$key]:--}
    [[ $value == "${expected[$key]}" ]] && continue
    echo "  ${store_control[$key]:-$key}: $key is $value, expected ${expected[$key]}"
  done
  for key in "${!actual[@]}"; do
    [[ -n ${expected[$key]+set} ]] && continue
    owned "$key" && echo "  unexpected value $key=${actual[$key]}"
  done
}

# Compares every known value with what is stored; retried a little, since
# the program handles the input after xdotool has sent it.
check_store() {
  local what=$1 attempt differences
  checks=$((checks + 1))
  for attempt in 1 2 3; do
    snapshot "$work/store.txt"
    differences=$(store_differences "$work/store.txt" | sort)
    [[ -z $differences ]] && return 0
    pause 1
  done
  fail "start $run, $what: stored values differ"
  echo "$differences"
}

# ---------------------------------------------------------------------------
# The window and X input.

alive() { kill -0 "$app" 2>/dev/null; }

shoot() { import -window root "$1"; }

# Intensity (0 to 255) of screen pixels, given as pairs x y.
intensities() {
  local shot=$1 format=""
  shift
  while (($# >= 2)); do
    format+="%[fx:int(255*p{$1,$2}.intensity+0.5)] "
    shift 2
  done
  convert "$shot" -format "$format\n" info:
}

# A figure at 96 pixels per inch, at the screen's.
scaled() { echo $((($1 * dpi + 48) / 96)); }
# A point of the client area, given at 96, on the screen.
screen_x() { echo $((client_x + $(scaled "$1"))); }
screen_y() { echo $((client_y + $(scaled "$1"))); }

click_client() {
  xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" sleep 0.02 click 1
  pause 0.1
}

# A point on the options panel of the page shown.
click_options() { click_client $((149 + $1)) $((96 + $2)); }

park_pointer() {
  xdotool mousemove "$(screen_x 300)" "$(screen_y 20)"  # over the banner
  pause 0.1
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }

# An error box of the program bears the application title alone.
check_no_error_box() {
  local box
  box=$(visible_window '^Tavrel$')
  [[ -z $box ]] && return 0
  shoot "$work/error-box-$run-$checks.png"
  fail "start $run, $1: an error box is shown (screenshot $work/error-box-$run-$checks.png)"
  xdotool key Return
  pause 0.5
}

check_running() {
  alive || die "start $run, $1: tavrel.exe has ended (crashed?)"
  check_no_error_box "$1"
}

# How the program ended, and what Wine printed for this start.
ended_how() {
  local status=0
  wait "$app" 2>/dev/null || status=$?
  echo "e2e: tavrel.exe ended with exit status $status before its window showed; Wine printed:"
  tail -n +"$log_start" "$work/tavrel.log" | tail -40 | sed 's/^/    /'
}

# Starts tavrel.exe and waits for its window (sets app and window); fails
# when the program ends first.
launch() {
  log_start=$(($(cat "$work/tavrel.log" 2>/dev/null | wc -l) + 1))
  wine "$program" >>"$work/tavrel.log" 2>&1 &
  app=$!
  local i
  for i in $(seq 150); do
    window=$(visible_window '^Tavrel Control Manager$')
    [[ -n $window ]] && return 0
    alive || return 1
    sleep 0.2
  done
  die "start $run: no window after 30 s"
}

start_program() {
  run=$((run + 1))
  echo "e2e: start $run of tavrel.exe ($((SECONDS - started)) s)"
  local window=""
  if ! launch; then
    # Seen once, on a CI machine only; 600 cold starts of both bitnesses
    # beside a busy Wine program (tools/cold_starts.sh) showed none. The
    # program reads and stores nothing before its window shows, so the
    # store must be as it was; a second start that ends too is a failure.
    ended_how
    check_store "start $run, ended before its window showed"
    timeout 60 wineserver -w || wineserver -k
    echo "e2e: start $run once more"
    launch || { ended_how; die "start $run: tavrel.exe ended twice before its window showed"; }
  fi
  pause 1.5
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Wine draws the frame itself: as wide at the bottom as at the sides, the
  # caption and the menu bar above the client area, 518 x 335 at 96.
  local border=$(((WIDTH - $(scaled 518)) / 2))
  client_x=$((X + border))
  client_y=$((Y + HEIGHT - $(scaled 335) - border))
  local shot=$work/start-$run.png
  shoot "$shot"
  # A header row of the section list is grey, the list below its rows silver.
  local header below
  read -r header below < <(intensities "$shot" "$(screen_x 130)" "$(screen_y 61)" \
    "$(screen_x 74)" "$(screen_y 200)")
  if ((header < 118 || header > 138 || below < 180 || below > 204)); then
    die "start $run: the client area is not at ($client_x, $client_y) (window $X,$Y ${WIDTH}x$HEIGHT; see $shot)"
  fi
  open_section=-1
  for control in "${!box_page[@]}"; do shown[$control]=0; done
  for page in {1..13}; do button_enabled[$page]=0; done
  click_client 300 20  # the banner: makes the window active
}

# Closes the program by its menu, "&Software" then "&Exit".
close_program() {
  xdotool mousemove "$(screen_x 25)" $((client_y - $(scaled 10)))
  pause 0.1
  xdotool click 1
  pause 0.5
  xdotool key e
  local i
  for i in $(seq 50); do
    alive || break
    sleep 0.2
  done
  if alive; then
    fail "start $run: &Exit did not end the program"
    kill "$app"
  fi
  wait "$app" 2>/dev/null
  app=
  # The Wine server saves the registry when it ends; the next start reads it back.
  timeout 60 wineserver -w || wineserver -k
}

declare -A shown
declare -a button_enabled

section_of=(x 0 0 0 0 1 1 1 1 1 2 2 3 3)
item_of=(x 0 1 2 3 0 1 2 3 4 0 1 0 1)

# Clicks the page's sub-item, opening its section first (one open at a time).
select_page() {
  local page=$1 section=${section_of[$1]} item=${item_of[$1]}
  if ((open_section != section)); then
    ((open_section >= 0)) && click_client 74 $((55 + 24 * open_section + 12))
    click_client 74 $((55 + 24 * section + 12))
    open_section=$section
  fi
  click_client 74 $((55 + 24 * (section + 1) + 16 * item + 8))
  pause 0.3
  check_running "selecting page $page"
  loaded "$page"
}

# What the page loader does, in the model: on start 1 it creates the missing
# values; it shows every stored state and a box it flips enables the button
# of the box's page; four pages disable their button at the end of the load.
declare -A state visited
loaded() {
  local page=$1 control key
  for control in ${loaded_by[$page]:-}; do
    if [[ -z ${visited[$control]:-} ]]; then
      visited[$control]=1
      state[$control]=${first_state[$control]}
      while IFS= read -r key; do
        [[ -n $key && ${store_loader[$key]} == "$page" && ${store_default[$key]} != - ]] && expected[$key]=${store_default[$key]}
      done <<<"${control_stores[$control]}"
    fi
    if [[ ${shown[$control]} != "${state[$control]}" ]]; then
      shown[$control]=${state[$control]}
      button_enabled[${box_page[$control]}]=1
    fi
  done
  ((page == 11)) && drive_letters_loaded
  case $page in 9 | 11 | 12 | 13) button_enabled[$page]=0 ;; esac
}

# Any stored mask but all drives sets the letters from its bits; all drives
# leaves them as they show.
drive_letters_loaded() {
  local stored=${expected[$nodrives_key]#dword:} control bit
  [[ $stored == 03ffffff ]] && return
  for control in $letters; do
    bit=$(((16#$stored >> letter_bit[$control]) & 1))
    state[$control]=$bit
    shown[$control]=$bit
  done
}

# A box's handler, in the model: the new state is stored in all its places.
toggled() {
  local control=$1 key
  state[$control]=$((1 - state[$control]))
  shown[$control]=${state[$control]}
  while IFS= read -r key; do
    [[ -z $key ]] && continue
    if ((state[$control])); then
      expected[$key]=${store_ticked[$key]}
    else
      expected[$key]=${store_cleared[$key]}
    fi
  done <<<"${control_stores[$control]:-}"
  button_enabled[${box_page[$control]}]=1
}

click_box() {
  click_options $((box_left[$1] + 6)) $((box_top[$1] + 8))
  toggled "$1"
}

# Reads the check marks of the given boxes from a screenshot: the mark is
# drawn in black inside the 11 x 11 box at (1, 3) of the control. Retried a
# little, like the stores, for a program that has not painted yet.
check_boxes_shown() {
  local what=$1 shot=$work/boxes-$run-$checks.png attempt wrong
  shift
  checks=$((checks + 1))
  park_pointer
  for attempt in 1 2 3; do
    shoot "$shot"
    wrong=$(boxes_shown_otherwise "$shot" "$@")
    [[ -z $wrong ]] && { rm -f "$shot"; return 0; }
    pause 0.5
  done
  fail "start $run, $what: boxes show other states (1 ticked, 0 cleared; see $shot)"
  printf '%s\n' "$wrong"
}

boxes_shown_otherwise() {
  local shot=$1 control x y points=()
  shift
  for control in "$@"; do
    x=$((149 + box_left[$control]))
    y=$((96 + box_top[$control]))
    points+=("$(screen_x $((x + 4)))" "$(screen_y $((y + 8)))" "$(screen_x $((x + 6)))" "$(screen_y $((y + 9)))"
      "$(screen_x $((x + 8)))" "$(screen_y $((y + 6)))")
  done
  local values=($(intensities "$shot" "${points[@]}")) i=0 seen dark v
  for control in "$@"; do
    dark=0
    for v in "${values[@]:i:3}"; do ((v < 160)) && dark=$((dark + 1)); done
    case $dark in 3) seen=1 ;; 0) seen=0 ;; *) seen="unclear (${values[*]:i:3})" ;; esac
    i=$((i + 3))
    [[ $seen == "${shown[$control]}" ]] || echo "  $control shows $seen, expected ${shown[$control]}"
  done
}

# The Apply Changes button's caption: black while enabled, engraved in grey
# and white while disabled.
check_button() {
  local page=$1 what=$2 shot=$work/button-$run-$checks.png
  checks=$((checks + 1))
  park_pointer
  shoot "$shot"
  local x y darkest
  x=$(screen_x $((149 + 136 + 4)))
  y=$(screen_y $((96 + 184 + 4)))
  darkest=$(convert "$shot" -crop "$(scaled 81)x$(scaled 17)+$x+$y" +repage -colorspace gray \
    -format '%[fx:int(255*minima+0.5)]' info:)
  local enabled=$((darkest < 64))
  if ((enabled != button_enabled[page])); then
    fail "start $run, page $page, $what: Apply Changes is $( ((enabled)) && echo enabled || echo disabled) (see $shot)"
  else
    rm -f "$shot"
  fi
}

# Clicks Apply Changes and closes the notice with Enter.
apply_changes() {
  local page=$1 notice="" i
  click_options 180 196
  for i in $(seq 50); do
    notice=$(visible_window '^Information$')
    [[ -n $notice ]] && break
    check_running "Apply Changes on page $page"
    sleep 0.2
  done
  if [[ -z $notice ]]; then
    fail "start $run, page $page: Apply Changes showed no notice"
    return
  fi
  xdotool key Return
  for i in $(seq 25); do
    [[ -z $(visible_window '^Information$') ]] && break
    sleep 0.2
  done
  [[ -z $(visible_window '^Information$') ]] || fail "start $run, page $page: Enter did not close the notice"
  check_running "Apply Changes on page $page"
  button_enabled[$page]=0
  check_button "$page" "after Apply Changes"
}

# Compares a part of the screen with a picture taken earlier, or keeps it.
crop_of() { convert "$1" -crop "$2" +repage "$3"; }
check_same_picture() {
  local what=$1 picture=$2 reference=$3 differing
  checks=$((checks + 1))
  differing=$(compare -metric AE "$picture" "$reference" null: 2>&1)
  [[ $differing == 0 ]] && return 0
  fail "start $run, $what: shows other text than when it was typed ($differing pixels differ; $picture, $reference)"
}

# Crops of the delay edits or of the logon notice edits, from one screenshot.
crop_fields() {
  local name=$1 shot=$work/fields.png
  shift
  park_pointer
  shoot "$shot"
  local i=0
  while (($# >= 4)); do
    crop_of "$shot" "$(scaled "$3")x$(scaled "$4")+$(screen_x $((149 + $1)))+$(screen_y $((96 + $2)))" "$work/$name-$i.png"
    i=$((i + 1))
    shift 4
  done
}
delay_fields=(136 136 41 21 304 136 41 21)
notice_fields=(80 108 261 19 80 140 261 19)

# Selects everything in the focused edit and types over it.
type_over() {
  xdotool key Home shift+End
  pause 0.1
  xdotool type --delay 60 "$1"
  pause 0.3
}

# ---------------------------------------------------------------------------
# The walk.

# Start 1 on an ordinary page: first load, every box by mouse, every box back
# by Space while Shift+Tab walks the tab order backwards, the pattern, Apply.
first_walk() {
  local page=$1 boxes=(${page_boxes[$1]}) control i
  select_page "$page"
  check_store "page $page, first load"
  check_boxes_shown "page $page, first load" "${boxes[@]}"
  check_button "$page" "first load"
  [[ $page == 13 ]] && first_typing_of_notice
  for control in "${boxes[@]}"; do click_box "$control"; done
  check_running "page $page, boxes clicked"
  check_store "page $page, every box clicked"
  check_boxes_shown "page $page, every box clicked" "${boxes[@]}"
  check_button "$page" "every box clicked"
  for ((i = ${#boxes[@]} - 1; i >= 0; i--)); do
    xdotool key space
    pause 0.08
    toggled "${boxes[i]}"
    if ((i > 0)); then
      xdotool key shift+Tab
      pause 0.08
    fi
  done
  check_running "page $page, Space"
  check_store "page $page, every box back by Space"
  for control in "${boxes[@]}"; do
    [[ ${state[$control]} != "${pattern_state[$control]}" ]] && click_box "$control"
  done
  check_store "page $page, the pattern"
  check_boxes_shown "page $page, the pattern" "${boxes[@]}"
  [[ $page == 12 ]] && type_delays 15 5
  apply_changes "$page"
  # Apply stores nothing but on page 12; the next check compares every value anyway.
  if [[ $page == 12 ]]; then
    expected[$attributes_key]=RHS
    check_store "page 12, after Apply Changes"
  fi
}

# The notice edits as they start, then typed over; typing stores nothing.
first_typing_of_notice() {
  crop_fields notice-start "${notice_fields[@]}"
  click_options $((80 + 100)) $((108 + 9))
  type_over "$typed_caption"
  click_options $((80 + 100)) $((140 + 9))
  type_over "$typed_text"
  check_running "page 13, typing"
  check_store "page 13, notice typed"
}

# Replacing a delay's text stores each whole number on the way (1, then 15).
type_delays() {
  click_options $((136 + 10)) $((136 + 10))
  type_over "$1"
  expected[$bootdelay_key]=$1
  click_options $((304 + 10)) $((136 + 10))
  type_over "$2"
  expected[$menudelay_key]=$2
  button_enabled[12]=1
  check_running "page 12, typing the delays"
  check_store "page 12, delays typed"
}

# Selecting a page again shows what it stored, and writes nothing.
reload_page() {
  local page=$1
  select_page "$page"
  [[ $page == 12 ]] && expected[$attributes_key]=none
  check_store "page $page, loaded again"
  check_button "$page" "loaded again"
}

internet_access() {
  select_page 7
  check_button 7 "selected"
  click_options 180 196
  pause 1
  [[ -z $(visible_window '^Information$') ]] || fail "start $run, page 7: its Apply Changes button showed a notice"
  check_running "page 7, a click on its button"
}

drive_mask() {
  local mask=0 control
  for control in $letters; do
    ((state[$control])) && mask=$((mask | 1 << letter_bit[$control]))
  done
  echo $mask
}

# Start 1 on Drives Access: all drives at once, letters stored by Apply, a
# load that shows the letters stored; it ends with all drives hidden.
first_drives() {
  local control
  select_page 11
  check_store "page 11, first load"
  check_boxes_shown "page 11, first load" hidealldrives $letters
  check_button 11 "first load"
  click_box hidealldrives
  check_store "page 11, all drives hidden"
  xdotool key space
  pause 0.15
  toggled hidealldrives
  check_store "page 11, all drives shown again by Space"
  for control in $letters; do click_box "$control"; done
  check_running "page 11, letters clicked"
  check_store "page 11, letters ticked: stored only by Apply"
  check_boxes_shown "page 11, every letter ticked" hidealldrives $letters
  expected[$nodrives_key]=$(as_stored 0x3ffffff reg)
  apply_changes 11
  check_store "page 11, every letter applied"
  for control in $letters; do
    [[ ${state[$control]} != "${pattern_state[$control]}" ]] && click_box "$control"
  done
  expected[$nodrives_key]=$(as_stored "$(drive_mask)" reg)
  apply_changes 11
  check_store "page 11, the letters of even bits applied"
  reload_page 11
  check_boxes_shown "page 11, loaded again" hidealldrives $letters
  click_box hidealldrives
  # Apply with all drives hidden beeps and writes nothing.
  apply_changes 11
  check_store "page 11, all drives hidden and applied"
}

# Start 2 on Drives Access: all drives hidden and the letters locked, all
# cleared as the window starts; then the letters of odd bits are stored.
second_drives() {
  local control
  select_page 11
  check_boxes_shown "page 11, all drives hidden" hidealldrives $letters
  check_store "page 11, loaded"
  check_button 11 "loaded"
  click_options $((box_left[ba] + 6)) $((box_top[ba] + 8))
  check_boxes_shown "page 11, a locked letter clicked" ba
  check_button 11 "a locked letter clicked"
  click_box hidealldrives
  check_store "page 11, all drives shown"
  for control in $letters; do
    state[$control]=${shown[$control]}
    ((pattern_state[$control])) || click_box "$control"
  done
  expected[$nodrives_key]=$(as_stored "$(drive_mask)" reg)
  apply_changes 11
  check_store "page 11, the letters of odd bits applied"
}

third_drives() {
  select_page 11
  check_boxes_shown "page 11, letters of odd bits" hidealldrives $letters
  check_store "page 11, loaded"
  check_button 11 "loaded"
}

# Starts 2 and 3: the page shows what is stored and loading changes nothing;
# start 2 then flips every box.
later_walk() {
  local page=$1 boxes=(${page_boxes[$1]}) control
  select_page "$page"
  check_boxes_shown "page $page, stored states shown" "${boxes[@]}"
  check_store "page $page, loaded"
  check_button "$page" "loaded"
  case $page in
    12) crop_fields delays-$run "${delay_fields[@]}"
        for i in 0 1; do check_same_picture "page 12, delay $i" "$work/delays-$run-$i.png" "$work/delays-$((run - 1))-$i.png"; done ;;
    13) crop_fields notice-$run "${notice_fields[@]}"
        local reference=notice-1
        [[ $run == 3 ]] && reference=notice-start
        for i in 0 1; do check_same_picture "page 13, notice edit $i" "$work/notice-$run-$i.png" "$work/$reference-$i.png"; done ;;
  esac
  if [[ $run == 2 ]]; then
    for control in "${boxes[@]}"; do click_box "$control"; done
    check_running "page $page, every box flipped"
    check_store "page $page, every box flipped"
    check_boxes_shown "page $page, every box flipped" "${boxes[@]}"
    check_button "$page" "every box flipped"
    if [[ $page == 12 ]]; then
      type_delays 7 45
      reload_page 12
      crop_fields delays-2 "${delay_fields[@]}"
    fi
  fi
}

# ---------------------------------------------------------------------------

command -v xdotool >/dev/null && command -v convert >/dev/null && command -v wine >/dev/null ||
  die "needs xdotool, ImageMagick and Wine (tools/bootstrap.sh installs them)"
source "$root/tools/wine32.sh"
program=$(tavrel_runnable_program "$build")
[[ -f $program ]] || die "no $program: build first (tools/build.sh)"
echo "e2e: testing $program"
tavrel_ensure_display || die "no X display"

# A new prefix every time: the first loads must meet no stored value.
[[ -d $WINEPREFIX ]] && wineserver -k >/dev/null 2>&1
rm -rf "$work"
mkdir -p "$work"
"$root/tools/prefix.sh" --unmanaged --seed "$WINEPREFIX" >/dev/null || die "could not create $WINEPREFIX"
wine reg add 'HKCU\Software\Wine' /v Version /d "$windows" /f >/dev/null 2>&1 ||
  die "could not make Wine say it is $windows"
echo "e2e: Wine says it is $(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -m1 .)"
# A crash must end the program, not wait on a dialog nobody sees.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
  die "could not give the screen $dpi pixels per inch"
write_snapshot_batch

# Whatever the new prefix holds (the boot file's entries, its attributes) is
# expected to stay unless a step below says otherwise.
snapshot "$work/store.txt"
while IFS= read -r line; do
  key=${line%%=*}
  if owned "$key"; then expected[$key]=${line#*=}; fi
done <"$work/store.txt"
for key in "${!store_control[@]}"; do
  [[ $key == msdos.sys* ]] && continue
  [[ -z ${expected[$key]+set} ]] || die "the new prefix already holds $key"
done

start_program
for page in 1 2 3 4 5 6; do first_walk $page; done
internet_access
first_walk 8
first_walk 9
first_walk 10
first_drives
expected[$bootdelay_key]=2
expected[$menudelay_key]=30
expected[$attributes_key]=none
first_walk 12
reload_page 12
crop_fields delays-1 "${delay_fields[@]}"
first_walk 13
reload_page 13
crop_fields notice-1 "${notice_fields[@]}"
check_boxes_shown "page 13, loaded again" ${page_boxes[13]}
close_program

start_program
for page in 1 2 3 4 5 6 8 9 10; do later_walk $page; done
second_drives
expected[$attributes_key]=none
later_walk 12
later_walk 13
close_program

start_program
for page in 1 2 3 4 5 6 8 9 10; do later_walk $page; done
third_drives
later_walk 12
later_walk 13
internet_access
close_program

echo "e2e: $checks checks, $failures failed, $((SECONDS - started)) s"
((failures == 0))
