#!/usr/bin/env bash
# Draws the program's pictures into app/pictures/ with ImageMagick: the
# banner and the default page picture, each at 96 pixels per inch and for
# 150%, the thirteen page icons (tools/icon_on_panel.py) and the window
# icon, all in formats that Windows 95 reads; the banner and the page icons
# packed by tools/pack_resource.py. Both tools need python3. Run it again
# after changing a drawing; the results are committed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/app/pictures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Colours of the window around the pictures.
navy='#000080'
maroon='#800000'
silver='#C0C0C0'
grey='#808080'
outline='#303030'

# Renders drawing commands (read from standard input, '#' lines are comments)
# made on a grid of <units> to a transparent PNG of <pixels> square. Drawn
# eight times larger and averaged down: edges come out smooth, and a line of
# width 1 on a half coordinate (2.5) fills exactly one pixel row.
render() {
    local png=$1 units=$2 pixels=$3
    local big=$((pixels * 8))
    local scale
    scale=$(awk -v b="$big" -v u="$units" 'BEGIN { printf "%g", b / u }')
    local drawing
    drawing=$(grep -v '^[[:space:]]*#' | tr '\n' ' ')
    convert -size "${big}x${big}" xc:none \
        -draw "affine $scale,0,0,$scale,-0.5,-0.5 stroke-linejoin round $drawing" \
        -scale "${pixels}x${pixels}" "PNG32:$png"
}

# Four bytes, little-endian, as printf escapes.
le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24))
}

# A 32x32 page icon: page number, drawing on a 32 grid. It is shown on the
# silver title panel only, so it is stored as one 8-bit image already
# blended onto silver (tools/icon_on_panel.py), which every Windows reads.
# A page icon of two images: 32 pixels at 96 pixels per inch, 48 at 144
# (150%); other scales are averaged from the one nearest above.
page_icon() {
    local drawing
    drawing=$(cat)
    render "$work/page$1.png" 32 32 <<<"$drawing"
    render "$work/page$1-48.png" 32 48 <<<"$drawing"
    convert "$work/page$1.png" -depth 8 "rgba:$work/page$1.rgba"
    convert "$work/page$1-48.png" -depth 8 "rgba:$work/page$1-48.rgba"
    python3 "$root/tools/icon_on_panel.py" "$work/page$1.rgba" 32 "${silver#\#}" "$work/page$1.ico" \
        "$work/page$1-48.rgba" 48
    # Packed: an icon file packs to a third, which pays for the pictures
    # drawn for 150%.
    python3 "$root/tools/pack_resource.py" "$work/page$1.ico" "$out/page$1.packed"
}

# The emblem of the program: a ticked box on a navy tile. Also the window
# icon, and drawn larger at the left of the banner.
emblem() {
    cat <<EOF
    fill #18308A stroke #000040 stroke-width 1
    roundrectangle 1.5,1.5 30.5,30.5 4,4
    fill #3050B0 stroke none
    roundrectangle 2.5,2.5 29.5,14 3,3
    fill #F4F4F4 stroke $grey
    rectangle 7.5,7.5 24.5,24.5
    stroke #FFFFFF line 8.5,23.5 23.5,23.5
    fill none stroke $maroon stroke-width 3.4 stroke-linecap round
    polyline 11,16 14.8,20.2 22,10.5
EOF
}

# The emblem redrawn for 16x16, the tick set pixel by pixel to stay sharp.
emblem_small() {
    cat <<EOF
    fill #18308A stroke #000040 stroke-width 1
    roundrectangle 0.5,0.5 15.5,15.5 3,3
    fill #F4F4F4 stroke $grey
    rectangle 2.5,2.5 13.5,13.5
    fill $maroon stroke none
    rectangle 4,7 6,9
    rectangle 5,8 7,10
    rectangle 6,9 8,11
    rectangle 7,8 9,10
    rectangle 8,7 10,9
    rectangle 9,6 11,8
    rectangle 10,5 12,7
    rectangle 11,4 13,6
EOF
}

draw_window_icon() {
    emblem | render "$work/tavrel32.png" 32 32
    emblem_small | render "$work/tavrel16.png" 16 16
    # 32-bit images with their alpha for XP and later, and 8-bit ones with
    # a mask for the Windows before, which cannot read the others.
    convert "$work/tavrel32.png" "$work/tavrel16.png" \
        \( "$work/tavrel32.png" -background "$silver" -alpha remove -colors 256 -type Palette \) \
        \( "$work/tavrel16.png" -background "$silver" -alpha remove -colors 256 -type Palette \) \
        "$out/tavrel.ico"
}

# A monitor on a stand, screen left for the caller; used by several icons.
monitor() {
    cat <<EOF
    fill #C8C8C8 stroke $outline stroke-width 1
    roundrectangle 1.5,2.5 28.5,22.5 1.5,1.5
    stroke #F0F0F0 line 3,3.5 27,3.5
    fill #A8A8A8 stroke $outline
    polygon 11.5,22.5 18.5,22.5 20.5,26.5 9.5,26.5
    rectangle 6.5,26.5 23.5,28.5
EOF
}

draw_page_icons() {
    # 1 Desktop Access: a desktop surface with a pencil.
    { monitor; cat <<EOF
    fill #008080 stroke #505050
    rectangle 4.5,5.5 25.5,19.5
    fill #FFFFFF stroke none
    rectangle 6,7 8,9
    rectangle 6,11 8,13
    fill #F0E060 rectangle 10,7 12,9
    fill $silver rectangle 5,17 25,19
    fill #208020 rectangle 5,17 8,19
    push graphic-context
    translate 14,27.5 rotate -45
    fill #F0D8A8 stroke $outline stroke-width 0.8
    polygon 0,0 5,-2.2 5,2.2
    fill #303030 stroke none
    polygon 0,0 1.8,-0.8 1.8,0.8
    fill #F2C200 stroke $outline stroke-width 0.8
    rectangle 5,-2.2 16,2.2
    stroke #C08C00 line 5.5,0 15.5,0
    fill #B8B8B8 stroke $outline
    rectangle 16,-2.2 18,2.2
    fill #E07070
    roundrectangle 18,-2.2 21,2.2 1,1
    pop graphic-context
EOF
    } | page_icon 1

    # 2 Files and Folders: an open yellow folder holding a document.
    page_icon 2 <<EOF
    fill #D4A017 stroke #6B4E00 stroke-width 1
    path 'M 2.5,27.5 L 2.5,6.5 L 10.5,6.5 L 12.5,8.5 L 27.5,8.5 L 27.5,27.5 Z'
    fill #FFFFFF stroke #505050
    polygon 8.5,3.5 19.5,3.5 23.5,7.5 23.5,22.5 8.5,22.5
    fill #D0D0D0
    polygon 19.5,3.5 19.5,7.5 23.5,7.5
    stroke #6080C0
    line 11,9.5 21,9.5
    line 11,12.5 19,12.5
    fill #F8D048 stroke #6B4E00
    polygon 7.5,14.5 30.5,14.5 26.5,28.5 2.5,28.5
    stroke #FFF2B0 line 8.5,15.5 29,15.5
EOF

    # 3 Start Menu Options: a menu panel with coloured entries and a
    # shortcut arrow.
    page_icon 3 <<EOF
    fill $silver stroke $outline stroke-width 1
    rectangle 6.5,1.5 29.5,30.5
    stroke #FFFFFF
    line 7.5,2.5 28.5,2.5
    line 7.5,2.5 7.5,29.5
    fill $navy stroke none
    rectangle 8,3 12,30
    fill #D03030 rectangle 14,4 18,8
    fill #30A030 rectangle 14,10 18,14
    fill #3060D0 rectangle 14,16 18,20
    fill #E0B020 rectangle 14,22 18,26
    fill none stroke #505050
    line 20,6.5 27,6.5
    line 20,12.5 26,12.5
    line 20,18.5 27,18.5
    line 20,24.5 25,24.5
    fill #FFFFFF stroke $outline
    rectangle 1.5,19.5 11.5,29.5
    fill none stroke #000000 stroke-width 1.5
    path 'M 4.2,27.5 C 4.2,24.5 5.5,23.2 8,23.2'
    fill #000000 stroke none
    polygon 7.4,20.2 10.6,23.2 7.4,26.2
EOF

    # 4 Active Desktop: a globe circled by green arrows.
    page_icon 4 <<EOF
    fill #2F6FD0 stroke #103070 stroke-width 1
    circle 16,16 16,25
    fill #3AA040 stroke none
    path 'M 11,9.5 C 13,8 16,9 16,11 C 16,13 13,13 13,15 C 13,17 15,18 14,20 C 12,21 10,18 9,16 C 8,13 9,11 11,9.5 Z'
    path 'M 18.5,15 C 20.5,14 23.5,15 23.5,17.5 C 23.5,20 21,22.5 19.5,22 C 18.5,20 19.5,19 18.5,17 Z'
    fill none stroke #9CC0F4 stroke-width 0.5
    ellipse 16,16 4.5,9 0,360
    line 7,16 25,16
    fill #FFFFFF fill-opacity 0.35 stroke none
    ellipse 13,11.5 3,1.8 0,360
    fill-opacity 1
    fill none stroke #0E4E1E stroke-width 3
    path 'M 3.2,13.74 A 13,13 0 0,1 22.5,4.74'
    path 'M 28.8,18.26 A 13,13 0 0,1 9.5,27.26'
    stroke #2EB04A stroke-width 1.6
    path 'M 3.2,13.74 A 13,13 0 0,1 22.5,4.74'
    path 'M 28.8,18.26 A 13,13 0 0,1 9.5,27.26'
    fill #2EB04A stroke #0E4E1E stroke-width 0.7
    polygon 25.6,6.2 23.6,2.6 21.1,6.8
    polygon 6.4,25.8 8.4,29.4 10.9,25.2
EOF

    # 5 System Access: the computer, locked.
    page_icon 5 <<EOF
    fill #D8D4CC stroke $outline stroke-width 1
    rectangle 4.5,1.5 20.5,29.5
    stroke #FFFFFF
    line 5.5,2.5 19.5,2.5
    line 5.5,2.5 5.5,28.5
    fill #B8B4AC stroke #606060
    rectangle 7.5,4.5 17.5,8.5
    rectangle 7.5,10.5 17.5,14.5
    stroke #303030
    line 9,6.5 16,6.5
    line 9,12.5 13,12.5
    fill #30C030 stroke none
    rectangle 8,25 10,27
    fill none stroke #707070 stroke-width 2
    path 'M 18.5,18 L 18.5,14.5 A 4,4 0 0,1 26.5,14.5 L 26.5,18'
    fill #E8B828 stroke #6B4E00 stroke-width 1
    rectangle 15.5,17.5 29.5,29.5
    stroke #FFF0A0 line 16.5,18.5 28.5,18.5
    fill #3A2A00 stroke none
    circle 22.5,22.5 22.5,24
    polygon 21.8,23 23.2,23 23.7,27 21.3,27
EOF

    # 6 Network Access: two computers cabled to a hub.
    page_icon 6 <<EOF
    fill none stroke #404040 stroke-width 1
    polyline 7.5,16.5 7.5,25.5 10,25.5
    polyline 24.5,16.5 24.5,25.5 22,25.5
    fill #C8C8C8 stroke $outline
    rectangle 1.5,2.5 13.5,12.5
    rectangle 18.5,2.5 30.5,12.5
    fill #2A5CB0 stroke #505050
    rectangle 3.5,4.5 11.5,10.5
    rectangle 20.5,4.5 28.5,10.5
    fill #A8A8A8 stroke $outline
    rectangle 5.5,12.5 9.5,14.5
    rectangle 3.5,14.5 11.5,16.5
    rectangle 22.5,12.5 26.5,14.5
    rectangle 20.5,14.5 28.5,16.5
    fill $silver
    rectangle 9.5,22.5 22.5,28.5
    fill #30D030 stroke none
    rectangle 12,25 14,27
    rectangle 15,25 17,27
    rectangle 18,25 20,27
EOF

    # 7 Internet Access: a computer before the globe.
    page_icon 7 <<EOF
    fill #4A8AE0 stroke #103070 stroke-width 1
    circle 20.5,11.5 20.5,22
    fill none stroke #C8E0FF stroke-width 0.6
    ellipse 20.5,11.5 4.5,10.5 0,360
    line 10,11.5 31,11.5
    line 12,6 29,6
    line 12,17 29,17
    line 20.5,1 20.5,22
    fill #C8C8C8 stroke $outline stroke-width 1
    rectangle 1.5,12.5 18.5,25.5
    fill #FFFFFF stroke #505050
    rectangle 3.5,14.5 16.5,23.5
    fill $navy stroke none
    rectangle 4,15 16,17
    fill none stroke #A0A0A0
    line 5,19.5 14,19.5
    line 5,21.5 11,21.5
    fill #A8A8A8 stroke $outline
    polygon 7.5,25.5 12.5,25.5 13.5,27.5 6.5,27.5
    rectangle 3.5,27.5 16.5,29.5
EOF

    # 8 Printer Options: a printer with a printed sheet.
    page_icon 8 <<EOF
    fill #FFFFFF stroke #505050 stroke-width 1
    rectangle 8.5,2.5 23.5,12.5
    stroke #A0A0A0
    line 11,5.5 21,5.5
    line 11,8.5 19,8.5
    fill #B8B8B8 stroke $outline
    polygon 5.5,10.5 26.5,10.5 29.5,14.5 2.5,14.5
    rectangle 2.5,14.5 29.5,24.5
    stroke #E8E8E8 line 3.5,15.5 28.5,15.5
    fill #30D030 stroke none
    rectangle 25,17 27,19
    fill #404040
    rectangle 6,19 26,21
    fill #FFFFFF stroke #505050
    rectangle 7.5,20.5 24.5,29.5
    stroke #3060C0 line 10,23.5 22,23.5
    stroke #A0A0A0 line 10,26.5 19,26.5
EOF

    # 9 Control Panels: a window of sliders.
    page_icon 9 <<EOF
    fill $silver stroke $outline stroke-width 1
    rectangle 2.5,3.5 29.5,28.5
    fill $navy stroke none
    rectangle 3,4 29,8
    fill $silver rectangle 25,5 28,7
    stroke #505050
    line 9.5,11 9.5,26
    line 16.5,11 16.5,26
    line 23.5,11 23.5,26
    stroke #FFFFFF
    line 10.5,11 10.5,26
    line 17.5,11 17.5,26
    line 24.5,11 24.5,26
    fill #D03030 stroke $outline
    rectangle 6.5,13.5 12.5,16.5
    fill #30A030
    rectangle 13.5,20.5 19.5,23.5
    fill #3060D0
    rectangle 20.5,16.5 26.5,19.5
EOF

    # 10 Program Access: a program's window, barred.
    page_icon 10 <<EOF
    fill #FFFFFF stroke $outline stroke-width 1
    rectangle 1.5,3.5 26.5,24.5
    fill $navy stroke none
    rectangle 2,4 26,8
    fill $silver
    rectangle 22,5 25,7
    rectangle 2,8 26,10
    fill none stroke #A0A0A0
    line 4,13.5 17,13.5
    line 4,16.5 14,16.5
    line 4,19.5 12,19.5
    fill #C81E1E stroke #5A0000
    circle 23.5,23.5 23.5,30.5
    fill #FFFFFF stroke none
    rectangle 19,22 28,25
EOF

    # 11 Drives Access: two drives, stacked.
    page_icon 11 <<EOF
    fill #E0E0E0 stroke $outline stroke-width 1
    polygon 6.5,17.5 29.5,17.5 25.5,21.5 2.5,21.5
    fill $grey
    polygon 25.5,21.5 29.5,17.5 29.5,24.5 25.5,28.5
    fill $silver
    rectangle 2.5,21.5 25.5,28.5
    fill #404040 stroke none
    rectangle 5,24 17,26
    fill #E0A020 rectangle 20,24 23,26
    fill #E0E0E0 stroke $outline
    polygon 6.5,6.5 29.5,6.5 25.5,10.5 2.5,10.5
    fill $grey
    polygon 25.5,10.5 29.5,6.5 29.5,13.5 25.5,17.5
    fill $silver
    rectangle 2.5,10.5 25.5,17.5
    stroke #FFFFFF line 3.5,11.5 24.5,11.5
    fill none stroke #606060
    line 5,14.5 16,14.5
    fill #30D030 stroke #105010 stroke-width 0.6
    rectangle 20.5,13.5 23.5,15.5
EOF

    # 12 Boot Settings: the start-up screen and the power switch.
    { monitor; cat <<EOF
    fill #000000 stroke #505050
    rectangle 4.5,5.5 25.5,19.5
    fill none stroke #C0C0C0
    line 6,7.5 15,7.5
    line 6,9.5 19,9.5
    line 6,11.5 13,11.5
    line 6,14.5 10,14.5
    fill #FFFFFF stroke none
    rectangle 11,14 13,15
    fill #2E9E3E stroke #0E4E1E stroke-width 1
    circle 24.5,24.5 24.5,31
    fill none stroke #FFFFFF stroke-width 1.4 stroke-linecap round
    path 'M 22.25,22.12 A 3.5,3.5 0 1,0 26.75,22.12'
    line 24.5,20.2 24.5,24.4
EOF
    } | page_icon 12

    # 13 Windows Logon: a user and a key.
    page_icon 13 <<EOF
    fill #2850A0 stroke #102040 stroke-width 1
    path 'M 1.5,29.5 C 1.5,21 6.5,17.5 12,17.5 C 17.5,17.5 22.5,21 22.5,29.5 Z'
    fill #F0C8A0 stroke #604020
    circle 12,10 12,16
    fill #6A4020 stroke none
    path 'M 6.2,9 C 6.5,4.5 9,3.6 12,3.6 C 15,3.6 17.5,4.5 17.8,9 C 16,7 14,6.6 12,6.6 C 10,6.6 8,7 6.2,9 Z'
    fill #E8B828 stroke #6B4E00 stroke-width 1
    rectangle 23.5,12.5 26.5,29.5
    rectangle 26.5,22.5 29.5,24.5
    rectangle 26.5,26.5 28.5,28.5
    circle 25,8.5 25,13
    fill #6B4E00 stroke none
    circle 25,7.5 25,9
EOF
}

# A length of the 96-pixels-per-inch drawing at a scale, rounded to pixels.
at_scale() {
    awk -v a="$1" -v k="$2" 'BEGIN { printf "%d", int(a * k + 0.5) }'
}

# The same unrounded, for sizes that need no whole pixels.
times() {
    awk -v a="$1" -v k="$2" 'BEGIN { printf "%g", a * k }'
}

# The title strip across the top of the window: the emblem and the program's
# name on navy that fades into the window's silver, over a maroon rule.
# Drawn at a scale: 1 for 96 pixels per inch, 1.5 for 144.
draw_banner() {
    local k=$1 packed=$2
    local width height emblem left top
    width=$(at_scale 517 "$k")
    height=$(at_scale 55 "$k")
    emblem=$(at_scale 41 "$k")
    left=$(at_scale 8 "$k")
    top=$(at_scale 5 "$k")
    emblem | render "$work/emblem.png" 32 "$emblem"
    local rings="affine $k,0,0,$k,0,0 fill none stroke rgba(255,255,255,0.18) stroke-width 1"
    local r
    for r in 20 30 40 50; do rings+=" circle 470,27 470,$((27 - r))"; done
    # The rules below the strip, whole rows at every scale: the light line
    # one row at 96, the maroon rule down to the bottom.
    local light maroon_top line half
    light=$(at_scale 51 "$k")
    maroon_top=$(at_scale 52 "$k")
    line=$(at_scale 1 "$k")
    half=$(times "$line" 0.5)
    local rules="fill rgba(255,255,255,0.35) rectangle 0,$light $((width - 1)),$((maroon_top - 1))"
    rules+=" fill $maroon rectangle 0,$maroon_top $((width - 1)),$((height - 1))"
    local text_x text_y
    text_x=$(at_scale 61 "$k")
    text_y=$(at_scale 35 "$k")
    local frame="fill none stroke rgba(255,255,255,0.45) stroke-width $line"
    frame+=" roundrectangle $(awk -v l="$left" -v t="$top" -v e="$emblem" -v h="$half" -v k="$k" \
        'BEGIN { printf "%g,%g %g,%g %g,%g", l + h, t + h, l + e - h, t + e - h, 5 * k, 5 * k }')"
    convert -size "${width}x${height}" \
        -define gradient:vector="$(at_scale 140 "$k"),0,$(at_scale 500 "$k"),0" gradient:'#0B1C68'-"$silver" \
        \( -size "${width}x$(at_scale 27 "$k")" gradient:'rgba(255,255,255,0.16)'-'rgba(255,255,255,0.02)' \) \
        -composite -draw "$rings" -draw "$rules" -draw "$frame" \
        "$work/emblem.png" -geometry "+$left+$top" -composite \
        -font Liberation-Sans-Bold -pointsize "$(times 23 "$k")" \
        -fill 'rgba(0,0,0,0.55)' -annotate "+$((text_x + line))+$((text_y + line))" 'Tavrel Control Manager' \
        -fill white -annotate "+$text_x+$text_y" 'Tavrel Control Manager' \
        -type TrueColor BMP3:"$work/banner.bmp"
    # Bitmap resources hold a picture of this many colours only uncompressed.
    python3 "$root/tools/pack_resource.py" "$work/banner.bmp" "$packed"
}

# The default page: an arrow towards the section list, beside a page of
# option boxes. Flat silver like the notebook, so 256 colours hold it
# without a visible loss, and their runs pack it to an eighth. Drawn for
# a place of <width> x <height> pixels; at 96 pixels per inch it is one
# pixel larger each way than its place, as it always was.
draw_default_page() {
    local w=$1 h=$2 bitmap=$3
    local kx ky
    kx=$(awk -v w="$w" 'BEGIN { printf "%g", w / 369 }')
    ky=$(awk -v h="$h" 'BEGIN { printf "%g", h / 261 }')
    local grid="affine $kx,0,0,$ky,0,0"
    local blur
    blur=$(times 3 "$kx")
    local page="fill white stroke #A8A8A8 stroke-width 1 roundrectangle 200.5,48.5 344.5,212.5 4,4
        fill $navy stroke none roundrectangle 201,49 344,66 3,3 rectangle 201,60 344,66
        fill #D8D8D8 rectangle 326,53 338,62"
    local row y line_ends=(300 292 283 274 265)
    for row in 0 1 2 3 4; do
        y=$((84 + row * 24))
        page+=" fill white stroke $grey rectangle 214.5,$y.5 226.5,$((y + 12)).5"
        page+=" fill #D0D0D0 stroke none rectangle 236,$((y + 4)) ${line_ends[row]},$((y + 8))"
    done
    local ticks="fill none stroke $maroon stroke-width 2.4 stroke-linecap round stroke-linejoin round"
    for y in 84 132 180; do ticks+=" polyline 217,$((y + 6)) 220,$((y + 10)) 225,$((y + 3))"; done
    local arrow="polygon 20,130 76,82 76,112 178,112 178,148 76,148 76,178"
    convert -size ${w}x${h} xc:"$silver" \
        \( -size ${w}x${h} xc:none -fill 'rgba(0,0,0,0.18)' -draw "$grid roundrectangle 204,53 349,217 5,5" -blur 0x$blur \) \
        -composite -draw "$grid $page" -draw "$grid $ticks" \
        \( -size ${w}x${h} xc:none -fill 'rgba(0,0,0,0.10)' -draw "$grid translate 3,4 $arrow" -blur 0x$blur \) -composite \
        \( -size ${w}x${h} -define gradient:vector="$(at_scale 20 "$kx"),0,$(at_scale 190 "$kx"),0" gradient:"$navy"-'#5060A8' \
           \( -size ${w}x${h} xc:black -fill white -draw "$grid $arrow" \
              \( -size ${w}x${h} -define gradient:vector="$(at_scale 60 "$kx"),0,$(at_scale 180 "$kx"),0" gradient:white-'gray(20%)' \) \
              -compose Multiply -composite \) \
           -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite \
        -dither None -colors 256 -type Palette -compress RLE BMP3:"$bitmap"
}

draw_window_icon
draw_page_icons
# At 96 pixels per inch, and again for 150%: the banner at its scaled
# size, the default page at its place's (368 x 260 at 96), so that each is
# copied pixel for pixel there.
draw_banner 1 "$out/banner.packed"
draw_banner 1.5 "$out/banner-150.packed"
draw_default_page 369 261 "$out/default_page.bmp"
draw_default_page 552 390 "$out/default_page-150.bmp"

# The build tracks the resource script, not the pictures it names.
touch "$root/app/resources.rc"
