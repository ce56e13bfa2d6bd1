#!/bin/bash
# Damaged and missing data, and a display smaller than the game's screen: a
# broken picture stops start-up at once with status 1 and a message naming
# the file; broken modules and samples leave the game playing, silent where
# they must be, without holding it up or taking much memory (a FIFO in a
# file's place must not block it, a 2 GiB file must not be read); start-up
# refuses a display only when no mode can be set, and a smaller display
# still takes the game's full-screen mode, so the game starts on it.
. "$(dirname "$0")/lib.sh"

# Every file damaged, and every way tried (the checks themselves have unit
# tests). A broken picture ends the game, so each is a run of its own; the
# sounds are broken all at once, together with a picture of random pixels
# under a good header, which is still a picture.
PICTURES="bmp/sprites.bmp:missing bmp/intro.bmp:empty bmp/titlescreen.bmp:truncated
          bmp/map1.bmp:random bmp/map3.bmp:missing bmp/map4.bmp:truncated bmp/titlescreen.bmp:fifo"
SOUNDS=("xm/scene1.xm:truncated xm/scene2.xm:tail xm/scene3.xm:random xm/scene4.xm:missing
         wav/gunshot.wav:empty wav/gunshot2.wav:random bmp/map2.bmp:tail"
        "xm/scene1.xm:fifo xm/scene2.xm:random xm/scene3.xm:huge xm/scene4.xm:empty
         wav/gunshot.wav:fifo wav/gunshot2.wav:huge")
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

# A fresh data folder of links to the build's data, with the files given
# (file:how) damaged: missing, empty, truncated (half kept), random (all
# bytes random), tail (the first kilobyte kept, the rest random), a FIFO, or
# huge (whole, with zeros to 2 GiB).
damage() {
    rm -rf "$COPY"
    mkdir "$COPY"
    cp -rs "$DATA/bmp" "$DATA/xm" "$DATA/wav" "$COPY"
    for item in "$@"; do
        good=$DATA/${item%:*} file=$COPY/${item%:*}
        size=$(stat -c %s "$good")
        rm "$file"
        case ${item#*:} in
        missing) ;;
        empty) : >"$file" ;;
        truncated) head -c $((size / 2)) "$good" >"$file" ;;
        random) noise "$size" >"$file" ;;
        tail) { head -c 1024 "$good"; noise $((size - 1024)); } >"$file" ;;
        fifo) mkfifo "$file" ;;
        huge) cp "$good" "$file" && truncate -s 2G "$file" ;;
        esac
    done
}

start_display
for item in $PICTURES; do
    damage "$item"
    start_game "$COPY"
    ended "$item" 1 "vesperpark: cannot start: picture \"${item%:*}\" *" 15000
done

# A damaged sound plays silent: the game plays on from the intro into the
# first scene, holding less than 100 MiB (36 in normal running).
for run in "${SOUNDS[@]}"; do
    damage $run
    start_game "$COPY"
    focus_game
    start_new_game
    sleep 1
    peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$GAME_PID/status") || fail "$run: the game ended"
    [ "$peak" -lt 102400 ] || fail "$run: the game holds $peak kB"
    kill "$GAME_PID"
    wait_exit
done

start_display 800x600
start_game
focus_game
shown() { [ "$(count_colour 800x600+0+0 0,0,0)" -lt 100000 ]; }
wait_for 60 "800x600 display: no picture shown" shown
game_said | grep -q "vesperpark:" && fail "800x600 display: start-up complained: $(game_said)"
echo PASS
