#!/usr/bin/env bash
# Screenshot tour of the window's look: starts tavrel.exe under Wine on a
# prefix of its own and drives it with xdotool like a user. For every option
# page it saves page-NN.png, four pictures two by two:
#   1. a box lit under the pointer, the Apply Changes button disabled;
#   2. another box held down with the mouse (released afterwards, so it ticks);
#   3. the Apply Changes button, now enabled, lit under the pointer;
#   4. the button held down (released away from it, so nothing is applied).
# Page 11 holds "Hide All Drives on Computer" down, which disables the drive
# letters' group. Also saves start.png, the window as it starts, window.png,
# the Desktop Access page with a box ticked (the README's picture), and the
# four pictures of each page apart (page-NN-1-box-lit.png ...).
#
#   tools/screenshot_tour.sh [output directory]     (default: $build/tour)
#
# TAVREL_TOUR_DPI=144 takes the tour on a screen of 144 pixels per inch
# (150%), on a prefix of its own; the pointer goes where the window's figures
# at 96 go, scaled.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}
out=${1:-$build/tour}
dpi=${TAVREL_TOUR_DPI:-96}

"$root/tools/bootstrap.sh"
"$root/tools/build.sh" >/dev/null
mkdir -p "$out"

default_prefix=$build/tour-wineprefix
[[ $dpi == 96 ]] || default_prefix=$build/tour-wineprefix-${dpi}dpi
export WINEPREFIX=${TAVREL_TOUR_PREFIX:-$default_prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/tools/prefix.sh" --unmanaged --seed "$WINEPREFIX"

source "$root/tools/display.sh"
tavrel_ensure_display
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1

app=
end_tour() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null || true; fi
  wineserver -w || true
  tavrel_stop_display
}
trap end_tour EXIT

source "$root/tools/wine32.sh"
wine "$(tavrel_runnable_program "$build")" &
app=$!
window=$(xdotool search --sync --name '^Tavrel Control Manager$' | head -1)
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y, WIDTH, HEIGHT
# A figure at 96 pixels per inch, at the tour's.
scaled() { echo $((($1 * dpi + 48) / 96)); }
# The client area is 518 x 335 at 96, inside a frame as wide at the bottom as at the sides.
border=$(((WIDTH - $(scaled 518)) / 2))
client_x=$((X + border))
client_y=$((Y + HEIGHT - $(scaled 335) - border))

settle() { sleep 0.5; }
# Pointer moves in client coordinates of the main window, at 96.
move() { xdotool mousemove $((client_x + $(scaled "$1"))) $((client_y + $(scaled "$2"))); settle; }
click() { move "$1" "$2"; xdotool click 1; settle; }
shoot() { import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1"; }

# Rows of the section list, which starts 55 pixels down: headers 24 high,
# sub-items 16, while one section is open.
header_y() { echo $((55 + 24 * $1 + 12)); }
sub_item_y() { echo $((55 + 24 * ($1 + 1) + 16 * $2 + 8)); }

# Option controls sit on the options panel, at (149, 96) of the client area.
panel_x=149
panel_y=96
# Per page: the box to light and the box to hold down, in panel coordinates.
boxes=(
  "" # page 0, the default page, has none
  "16 12 16 40" "16 12 16 40" "16 12 16 36" "16 12 16 40"
  "16 12 16 44" "16 12 16 44" "" "20 16 20 52" "16 8 16 32"
  "20 12 20 44" "28 52 28 8" "20 12 20 40" "20 12 20 40"
)
button_x=$((panel_x + 136 + 44))
button_y=$((panel_y + 184 + 12))

tour_page() {
  local page=$1 name
  name=$(printf '%s/page-%02d' "$out" "$page")
  if [[ -z ${boxes[$page]} ]]; then
    move 260 30
    shoot "$name.png"
    return
  fi
  read -r lit_x lit_y held_x held_y <<<"${boxes[$page]}"
  move $((panel_x + lit_x + 5)) $((panel_y + lit_y + 8))
  shoot "$name-1-box-lit.png"
  move $((panel_x + held_x + 5)) $((panel_y + held_y + 8))
  xdotool mousedown 1
  settle
  shoot "$name-2-box-held.png"
  xdotool mouseup 1
  settle
  move "$button_x" "$button_y"
  shoot "$name-3-button-lit.png"
  xdotool mousedown 1
  settle
  shoot "$name-4-button-held.png"
  move 260 30
  xdotool mouseup 1
  settle
  # The picture of the README: the first page with a box ticked.
  [[ $page == 1 ]] && shoot "$out/window.png"
  # The held box back as it was, so that the next tour finds what this one found.
  click $((panel_x + held_x + 5)) $((panel_y + held_y + 8))
  convert \( "$name-1-box-lit.png" "$name-2-box-held.png" +append \) \
    \( "$name-3-button-lit.png" "$name-4-button-held.png" +append \) -append +repage "$name.png"
}

shoot "$out/start.png"
page=1
for items in 4 5 2 2; do
  section=$(( (page <= 4) ? 0 : (page <= 9) ? 1 : (page <= 11) ? 2 : 3 ))
  click 74 "$(header_y "$section")"
  for ((item = 0; item < items; item++)); do
    click 74 "$(sub_item_y "$section" "$item")"
    tour_page "$page"
    page=$((page + 1))
  done
  click 74 "$(header_y "$section")"
done
echo "Pictures in $out"
