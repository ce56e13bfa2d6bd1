#!/bin/bash
# Damaged and missing data, and displays the game cannot use: a broken
# picture stops start-up with a message naming the file; a broken module or
# sample leaves the game running, silent where it must be, without holding
# it up or taking much memory (a FIFO in a file's place must not block it, a
# 2 GiB file must not be read); no display is
# refused at once with a message; a smaller display still takes the game's
# full-screen mode, so the game starts on it.
. "$(dirname "$0")/lib.sh"

# Each file damaged in one way, so that every file and every way is tried
# (the checks themselves have unit tests).
PICTURES="bmp/sprites.bmp:missing bmp/intro.bmp:empty bmp/titlescreen.bmp:truncated bmp/map1.bmp:random
          bmp/map2.bmp:tail bmp/map3.bmp:missing bmp/map4.bmp:truncated bmp/titlescreen.bmp:fifo"
SOUNDS="xm/scene1.xm:truncated xm/scene2.xm:random xm/scene3.xm:tail xm/scene4.xm:missing
        wav/gunshot.wav:empty wav/gunshot2.wav:random xm/scene1.xm:speed0 xm/scene1.xm:tempo0
        xm/scene2.xm:fifo wav/gunshot.wav:fifo xm/scene4.xm:huge wav/gunshot2.wav:huge"
COPY=$WORK/data

# A sound device that takes the stream and throws it away, so that the music
# is rendered as on a machine with sound; where ALSA is missing the game
# simply has no sound device, which it must survive as well.
export HOME=$WORK/home
mkdir -p "$HOME"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"

# Bytes that look random but are the same on every run.
noise() {
    openssl enc -aes-128-ctr -nosalt -K 0f1e2d3c4b5a69788796a5b4c3d2e1f0 -iv 0 </dev/zero 2>/dev/null |
        head -c "$1"
}

# A fresh data folder of links to the build's data, with one file damaged:
# missing, empty, truncated (half kept), random (all bytes random), tail
# (the first kilobyte kept, the rest random), a module's speed (offset 76)
# or tempo (offset 78) zero, a FIFO, or huge (whole, with zeros to 2 GiB).
damage() {
    file=$1
    how=$2
    rm -rf "$COPY"
    for d in bmp xm wav; do
        mkdir -p "$COPY/$d"
        for f in "$DATA/$d"/*; do ln -s "$f" "$COPY/$d/"; done
    done
    target=$COPY/$file
    size=$(stat -L -c %s "$DATA/$file")
    rm "$target"
    case $how in
    missing) ;;
    empty) : >"$target" ;;
    truncated) head -c $((size / 2)) "$DATA/$file" >"$target" ;;
    random) noise "$size" >"$target" ;;
    tail) { head -c 1024 "$DATA/$file"; noise $((size - 1024)); } >"$target" ;;
    speed0 | tempo0)
        cp "$DATA/$file" "$target"
        printf '\0\0' | dd of="$target" bs=1 seek=$([ "$how" = speed0 ] && echo 76 || echo 78) conv=notrunc status=none
        ;;
    fifo) mkfifo "$target" ;;
    huge) cp "$DATA/$file" "$target" && truncate -s 2G "$target" ;;
    esac
}

# The game is still running, holding less than 100 MiB (36 in normal
# running), and shows the intro or the title picture.
on_intro_or_title() {
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(game_output)"
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status")
    [ "${peak:-0}" -lt 102400 ] || fail "the game holds $peak kB"
    looks_like "$DATA/bmp/intro.bmp" 320x240+352+264 || looks_like "$DATA/bmp/titlescreen.bmp" 320x240+352+264
}

stop_game() {
    kill "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=
}

start_display

for item in $PICTURES; do
    file=${item%:*} how=${item#*:}
    damage "$file" "$how"
    echo "$file $how"
    start=$(date +%s%N)
    start_game "$COPY"
    if [ "$how" = tail ]; then  # random pixels under a sound header are still a picture
        wait_for 60 "$file tail: neither intro nor title shown" on_intro_or_title
        stop_game
        continue
    fi
    wait_exit
    ms=$((($(date +%s%N) - start) / 1000000))
    [ "$EXIT_STATUS" -ne 0 ] || fail "$file $how: exit status 0"
    game_output | grep -q "vesperpark: .*\"$file\"" || fail "$file $how: no message naming the file: $(game_output)"
    [ "$ms" -lt 15000 ] || fail "$file $how: took $ms ms to give up"
done
echo "pictures: refused with the file named, or shown when only the pixels are random"

# A damaged sound plays silent; no division by zero at a speed or tempo of 0.
for item in $SOUNDS; do
    file=${item%:*} how=${item#*:}
    damage "$file" "$how"
    echo "$file $how"
    start_game "$COPY"
    wait_for 60 "$file $how: neither intro nor title shown" on_intro_or_title
    sleep 1
    kill -0 "$GAME_PID" 2>/dev/null || fail "$file $how: the game ended: $(game_output)"
    stop_game
done

# The title module plays on the intro, the first scene's from a new game on:
# both played while damaged, the second from the game screen.
for how in truncated tail; do
    damage xm/scene2.xm "$how"
    start_game "$COPY"
    wait_for 60 "scene2.xm $how: no title" looks_like "$DATA/bmp/titlescreen.bmp" 320x240+352+264
    focus_game
    press_until space 60 "scene2.xm $how: the game did not start" box_shown 552
    sleep 1
    kill -0 "$GAME_PID" 2>/dev/null || fail "scene2.xm $how: the game ended: $(game_output)"
    stop_game
done
echo "modules and samples damaged: the game plays on"

# No display at all.
start=$(date +%s%N)
(unset DISPLAY && cd "$DATA" && exec "$GAME") >"$WORK/game.out" 2>&1 </dev/null &
GAME_PID=$!
wait_exit
status=$EXIT_STATUS
ms=$((($(date +%s%N) - start) / 1000000))
[ "$status" -ne 0 ] || fail "no display: exit status 0"
game_output | grep -q "vesperpark: .*display" || fail "no display: unclear message: $(game_output)"
[ "$ms" -lt 15000 ] || fail "no display: took $ms ms"
echo "no display: refused in $ms ms: $(game_output | grep vesperpark:)"

# A display smaller than the game's screen: start-up refuses only when no
# mode can be set, and the full-screen mode can be set here.
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
start_display 800x600
start_game
focus_game
shown() { [ "$(count_colour 800x600+0+0 0,0,0)" -lt 100000 ]; }
wait_for 60 "800x600 display: no picture shown" shown
game_output | grep -q "vesperpark:" && fail "800x600 display: start-up complained: $(game_output)"
stop_game
echo "800x600 display: the game starts"
echo PASS
