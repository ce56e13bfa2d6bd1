#!/bin/bash
# One whole game on the real binary: the intro and the title pictures; the
# sergeant's box over the park; question the friend in the street, the
# barman and the suspect in the bar without a single thought, report back to
# the sergeant, and reach the ending where the case is dropped; then Space
# back to the title, Esc.
. "$(dirname "$0")/lib.sh"

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

quit_cleanly
