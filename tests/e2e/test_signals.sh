#!/bin/bash
# SIGTERM and SIGINT, sent at random moments of the intro and the title while
# frames are being drawn and shown, end the real game as Esc does: within a
# second, with status 0, no abort and nothing on stderr but the sound
# system's complaints about a missing device. The display lives through all
# the runs without a reset: a game leaving as its last client must not drop
# the next one connecting.
. "$(dirname "$0")/lib.sh"

RUNS=${SIGNAL_RUNS:-40}
start_display
root=$(xdotool search --maxdepth 0 --name '' | head -n1)
xdotool set_window --name kept "$root"  # a reset would clear it
for run in $(seq "$RUNS"); do
    signal=$( ((run % 2)) && echo TERM || echo INT)
    start_game
    focus_game
    sleep "0.$((RANDOM % 100))"
    kill -s "$signal" "$GAME_PID"
    sent=$(date +%s%N)
    for _ in $(seq 100); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.01
    done
    ms=$((($(date +%s%N) - sent) / 1000000))
    wait_exit
    [ "$EXIT_STATUS" = 0 ] || fail "run $run, SIG$signal: exit status $EXIT_STATUS after $ms ms"
    [ "$ms" -lt 1000 ] || fail "run $run, SIG$signal: took $ms ms to exit"
    stray=$(grep -v '^ALSA\|^$' "$WORK/game.out" || true)
    [ -z "$stray" ] || fail "run $run, SIG$signal: on stderr: $stray"
done
[ "$(xdotool getwindowname "$root")" = kept ] || fail "the display was reset between runs"
echo "PASS: $RUNS runs, each ended by SIGTERM or SIGINT within a second with status 0"
