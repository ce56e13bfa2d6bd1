#!/bin/bash
# SIGTERM, SIGINT and SIGHUP end the real game as Esc does, with status 0,
# never by a signal, and nothing on stderr but the sound system's complaints
# about a missing device: sent at random moments of the first 60 ms from its
# first instruction, while the library and the sound start, and of the intro
# and the title while frames are drawn and shown, when it ends within a
# second. The display lives through all the runs without a reset: a game
# leaving as its last client must not drop the next one connecting.
. "$(dirname "$0")/lib.sh"

EARLY=${SIGNAL_EARLY_RUNS:-40}
LATE=${SIGNAL_LATE_RUNS:-15}
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
root=$(xdotool search --maxdepth 0 --name '' | head -n1)
xdotool set_window --name kept "$root"  # a reset would clear it
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
[ "$(xdotool getwindowname "$root")" = kept ] || fail "the display was reset between runs"
echo "PASS: $EARLY runs signalled in their first 60 ms and $LATE on the intro or title"
