#!/bin/bash
# The window taken away from the real game, at the title and in play, at a
# random moment: a close request, as the window manager sends when its close
# button is clicked, ends the game as Esc does, status 0; the display lost
# (its X server ends) ends it with status 1 and one line saying so. Either
# within a second, never by a signal.
. "$(dirname "$0")/lib.sh"

LOST_RUNS=${LOST_DISPLAY_RUNS:-3}

# A fresh display, the game on it at the title or in play, then a moment.
bring_to() {
    start_display
    start_game
    focus_game
    wait_for 60 "the title picture never showed" looks_like "$DATA/bmp/titlescreen.bmp" 1024x768+0+0
    [ "$1" = title ] || start_new_game
    sleep "0.$((RANDOM % 100))"
}

for where in title play; do
    bring_to "$where"
    "$DATA/tests/closerequest" "$(xdotool search --name '^vesperpark$' | head -n1)" ||
        fail "the close request could not be sent"
    ended "close request at the $where" 0 ""
done
for _ in $(seq "$LOST_RUNS"); do
    for where in title play; do
        bring_to "$where"
        kill "$XVFB_PID"
        ended "display lost at the $where" 1 "vesperpark: the display was lost"
    done
done
echo PASS
