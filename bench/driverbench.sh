#!/bin/bash
# The driver on a real X display (Xvfb): the data tool's run time, start-up
# step by step to the first intro frame, frames per tick of the game screen
# against a bare loop, ticks per second, and the running game's peak memory.
# Usage: bench/driverbench.sh <build folder>
BUILD=$(cd "${1:?usage: driverbench.sh <build folder>}" && pwd)
. "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD/vesperpark" "$BUILD"

# A sound device that swallows the stream, so that the music is rendered as
# on a machine with sound.
export HOME=$WORK/home
mkdir -p "$HOME"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"

start=$(date +%s.%N)
"$BUILD/makedata" "$WORK/data" || fail "makedata failed"
echo "makedata: $(echo "($(date +%s.%N) - $start) * 1000" | bc | cut -d. -f1) ms"

start_display
cd "$BUILD"
# Start-up, several times: the median of each step, and the spread of the
# first intro frame.
RUNS=${RUNS:-11}
for i in $(seq $RUNS); do
    LAUNCHED=$(date +%s.%N) "$BUILD/bench/driverbench" startup >>"$WORK/startup.out" \
        2>"$WORK/driver.err" || {
        cat "$WORK/driver.err"
        fail "driverbench startup failed"
    }
done
echo "start-up, ms from launch to the end of each step, median of $RUNS runs:"
cut -f2 "$WORK/startup.out" | awk '!seen[$0]++' | while IFS= read -r step; do
    times=$(awk -F'\t' -v s="$step" '$2 == s { print $3 }' "$WORK/startup.out" | sort -n)
    printf '  %-22s %7s' "$step" "$(echo "$times" | sed -n "$(((RUNS + 1) / 2))p")"
    [ "$step" = "first intro frame" ] &&
        printf '   (%s to %s; target < 150)' "$(echo "$times" | head -1)" "$(echo "$times" | tail -1)"
    echo
done

"$BUILD/bench/driverbench" >"$WORK/driver.out" 2>"$WORK/driver.err" || {
    cat "$WORK/driver.err"
    fail "driverbench failed"
}
cat "$WORK/driver.out"

# Peak memory of the game itself: through the intro and title into a game.
start_game
focus_game
start_new_game
sleep 3  # a few seconds inside the game
kill -0 "$GAME_PID" || fail "the game ended"
echo "game peak resident memory: $(awk '/^VmHWM/ { printf "%.1f MiB", $2 / 1024 }' "/proc/$GAME_PID/status") (target <= 64 MiB)"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=
