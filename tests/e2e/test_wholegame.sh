#!/bin/bash
# One whole game on the real binary: the intro and the title pictures; the
# sergeant's box over the park; question the friend in the street, the
# barman and the suspect in the bar without a single thought, report back to
# the sergeant, and reach the ending where the case is dropped; then Space
# back to the title, Esc.
. "$(dirname "$0")/lib.sh"

# True when the box at the given top row shows another page than the
# screenshot kept in box.ppm, or has closed.
paged() {
    [ "$(convert "$SHOT" "$WORK/box.ppm" -crop 511x130+270+"$1" +repage -metric AE -compare \
        -format "%[distortion]" info:)" != 0 ]
}

# Pages the box at the given top row away, one fresh Space a page.
page_through() {
    while shoot && box_shown "$1"; do
        cp "$SHOT" "$WORK/box.ppm"
        press_until space 60 "the box at row $1 did not page on Space" paged "$1"
    done
}

# The player's cell, column PC and row PR, where his sprite (the sheet's
# first, magenta clear) is drawn at x 44 + 120c, y 120r.
PC=2
PR=1
convert "$DATA/bmp/sprites.bmp" -crop 120x120+0+0 +repage -transparent "rgb(255,0,255)" "$WORK/player.png"

# True when the last screenshot shows the player standing on cell (c, r).
at_cell() {
    differ=$(convert "$SHOT" -crop 120x120+$((44 + 120 * $1))+$((120 * $2)) +repage \
        \( +clone "$WORK/player.png" -composite \) -compose difference -composite \
        -colorspace gray -threshold 0 -format "%[fx:round(mean*w*h)]" info:)
    [ "$differ" -lt 30 ]
}

# One step in a direction (Up, Down, Left, Right) to the neighbouring cell or,
# through an exit, to the given cell (c, r) of the next area. The key is held
# only until the player's cell, grabbed quickly, changes, since a key held on
# arrival walks on.
declare -A DC=([Left]=-1 [Right]=1) DR=([Up]=-1 [Down]=1)
step() {
    local c=${2:-$((PC + ${DC[$1]:-0}))} r=${3:-$((PR + ${DR[$1]:-0}))} end=$((SECONDS + 60))
    local grab=(import -window root -crop 120x120+$((44 + 120 * PC))+$((120 * PR)) +repage)
    until shoot && at_cell "$c" "$r"; do
        [ "$SECONDS" -lt "$end" ] || fail "$1 from ($PC, $PR): the player never stood on ($c, $r)"
        at_cell "$PC" "$PR" || continue
        "${grab[@]}" "$WORK/cell.ppm"
        xdotool keydown "$1"
        for _ in $(seq 300); do
            "${grab[@]}" "$WORK/now.ppm" && ! cmp -s "$WORK/cell.ppm" "$WORK/now.ppm" && break
        done
        xdotool keyup "$1"
    done
    PC=$c
    PR=$r
}

walk() {
    for d in "$@"; do
        step "$d"
    done
}

# Walks into the person that way, which opens the box at the given top row.
meet() {
    press_until "$1" 60 "$1 from ($PC, $PR): no box at row $2" box_shown "$2"
}

start_display
start_game
focus_game

wait_for 60 "the intro picture never showed" looks_like "$DATA/bmp/intro.bmp" 1024x768+0+0
start_new_game
[ "$(count_colour 160x30+450+582 255,255,255)" -gt 10 ] || fail "the box shows no text"
looks_like "$DATA/bmp/map1.bmp" 40x500+0+0 || fail "the park is not behind the box"
page_through 552

step Up 2 4                  # the park's gate, into the street
looks_like "$DATA/bmp/map2.bmp" 44x720+0+0 || fail "the street is not shown"
walk Right Right Right Up Up
meet Up 552                  # the friend
page_through 552
walk Left Up
step Up 4 4                  # the bar's door
walk Left
meet Left 91                 # the barman
page_through 91
walk Right Right Right
meet Up 91                   # the suspect
page_through 91
walk Left Left
step Down 4 1                # out into the street
walk Down Left Left Down Down
step Down 2 1                # back through the park's gate
meet Right 552               # the sergeant, who takes him home
page_through 552

# The ending screen: white text from (450, 380), black everywhere else.
ending_text() {
    [ "$(count_colour 160x60+450+380 255,255,255)" -gt 50 ] &&
        [ "$(count_colour 450x768+0+0 0,0,0)" = $((450 * 768)) ]
}
wait_for 60 "the ending text never showed" ending_text
press_until space 60 "the title did not come back after Space on the ending" \
    looks_like "$DATA/bmp/titlescreen.bmp" 1024x768+0+0

xdotool keydown Escape
ended "Esc on the title" 0 ""
echo PASS
