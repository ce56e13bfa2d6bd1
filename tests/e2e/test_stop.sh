#!/bin/bash
# The real game stopped from outside, never ending by a signal. SIGTERM,
# SIGINT and SIGHUP end it as Esc does, with status 0 and nothing on stderr
# but the sound system's complaints about a missing device: sent at random
# moments of the first 60 ms from its first instruction, while the library
# and the sound start, and of the intro and the title, when it ends within a
# second. So does a close request (the window's close button) at the title
# and in play; the display lost (its X server ends) ends it with status 1
# and one line saying so, within a second too.
. "$(dirname "$0")/lib.sh"

EARLY=${SIGNAL_EARLY_RUNS:-40}
LATE=${SIGNAL_LATE_RUNS:-15}
LOST_RUNS=${LOST_DISPLAY_RUNS:-3}
signals=(TERM INT HUP)

# Whether a thread of the game holds the three signals back: its first
# instruction does so, and the library's threads, started later, hold every
# signal back for good. The runs signalled early are timed from then: before
# it the dynamic loader runs, and nothing of the game can take a signal.
held_back() {
    for task in /proc/"$GAME_PID"/task/*/status; do
        while read -r key mask; do
            [ "$key" = SigBlk: ] && (((0x$mask & 0x4003) == 0x4003)) && return 0
        done <"$task" 2>/dev/null
    done
    return 1
}

start_display
for run in $(seq $((EARLY + LATE))); do
    signal=${signals[run % 3]}
    start_game
    if [ "$run" -le "$EARLY" ]; then
        SECONDS=0
        until held_back; do
            [ "$SECONDS" -lt 10 ] || fail "run $run: the signals were never held back"
        done
        # 0 to 60 ms, most often in the first few, while the library starts
        ms=$(((RANDOM % 61) ** 3 / 3600))
        [ "$ms" = 0 ] || sleep "$(printf '0.%03d' "$ms")"
    else
        focus_game
        sleep "0.$((RANDOM % 100))"
    fi
    kill -s "$signal" "$GAME_PID"
    ended "run $run, SIG$signal" 0 "" $((run <= EARLY ? 30000 : 1000))
done

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
