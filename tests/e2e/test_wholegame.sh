#!/bin/bash
# One whole game on the real binary: question the friend, the barman and the
# suspect without a single thought, report back to the sergeant, and reach
# the ending where the case is dropped; then Space back to the title, Esc.
. "$(dirname "$0")/lib.sh"

start_display
start_game
focus_game

start_new_game
page_through 552 40

walk Up                      # the park's gate, into the street
walk Right Right Right Up Up
walk Up                      # the friend
page_through 552 40
walk Left Up Up              # the bar's door
walk Left Left               # the barman
page_through 91 40
walk Right Right Right Up    # the suspect
page_through 91 40
walk Left Left Down          # out into the street
walk Down Left Left Down Down Down  # back through the park's gate
walk Right                   # the sergeant, who takes him home
page_through 552 20

# The ending screen: white text from (450, 380), black everywhere else.
ending_text() {
    [ "$(count_colour 160x60+450+380 255,255,255)" -gt 50 ] &&
        [ "$(count_colour 450x768+0+0 0,0,0)" = $((450 * 768)) ]
}
wait_for 10 "the ending text never showed" ending_text
sleep 1.2  # the ending screen takes Space from its 62nd tick on
tap space
wait_for 5 "the title did not come back" looks_like "$DATA/bmp/titlescreen.bmp" 1024x768+0+0

quit_cleanly
