#!/bin/bash
# The real game under Xvfb: the intro picture, the title picture, a new
# game's first conversation box, a walk through an exit, then Esc.
. "$(dirname "$0")/lib.sh"

start_display
start_game
focus_game

wait_for 60 "the intro picture never showed" looks_like "$DATA/bmp/intro.bmp" 1024x768+0+0
# The player stands in the top half, so the sergeant's box is at the bottom,
# with white text beside the portrait.
start_new_game
shoot
[ "$(count_colour 160x30+450+582 255,255,255)" -gt 10 ] || fail "the box shows no text"
looks_like "$DATA/bmp/map1.bmp" 40x500+0+0 || fail "the park is not behind the box"

# Page the opening conversation away, then walk up through the park's exit
# into the street: the picture behind the player changes.
page_through 552 40
step Up 2 4
wait_for 60 "the street never showed" looks_like "$DATA/bmp/map2.bmp" 44x720+0+0

quit_cleanly
