// The game screen's frames: the area, its persons and the player, the open
// conversation or thought box, and the bands and curtain of a scene's fade.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <allegro.h>

#include "engine/convtable.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/text.h"
#include "engine/world.h"

// The driver draws many frames per tick, and Allegro's blit, masked_blit and
// rectfill go through a bank switch per row, the last two pixel by pixel;
// the frame is painted with the same results a row at a time instead. Every
// bitmap of the game is a 32-bit memory bitmap (the colour depth is set
// before any is made).
typedef uint32_t pixels4 __attribute__((vector_size(16)));

// masked_blit of a whole sprite: its mask-colour pixels leave the buffer as it was.
static void sprite(BITMAP *picture, int x, int y)
{
    const uint32_t maskcolour = bitmap_mask_color(picture);
    const pixels4 masks = pixels4{} + maskcolour;
    const int x1 = std::max(x, buffer->cl), x2 = std::min(x + SPRITESIZE, buffer->cr);
    const int y1 = std::max(y, buffer->ct), y2 = std::min(y + SPRITESIZE, buffer->cb);
    const int n = x2 - x1;
    for (int row = y1; row < y2; row++) {
        const uint32_t *s = reinterpret_cast<const uint32_t *>(picture->line[row - y]) + (x1 - x);
        uint32_t *d = reinterpret_cast<uint32_t *>(buffer->line[row]) + x1;
        int i = 0;
        for (; i + 4 <= n; i += 4) {
            pixels4 from, to;
            memcpy(&from, s + i, sizeof from);
            memcpy(&to, d + i, sizeof to);
            const pixels4 keep = reinterpret_cast<pixels4>(from == masks);
            to = (from & ~keep) | (to & keep);
            memcpy(d + i, &to, sizeof to);
        }
        for (; i < n; i++)
            if (s[i] != maskcolour)
                d[i] = s[i];
    }
}

// rectfill of the buffer between two inclusive corners, clipped to it: the
// first row is filled and copied to the others.
static void fill(int x1, int y1, int x2, int y2, int colour)
{
    x1 = std::max(x1, buffer->cl);
    x2 = std::min(x2, buffer->cr - 1);
    y1 = std::max(y1, buffer->ct);
    y2 = std::min(y2, buffer->cb - 1);
    if (x1 > x2 || y1 > y2)
        return;
    const size_t n = x2 - x1 + 1;
    uint32_t *first = reinterpret_cast<uint32_t *>(buffer->line[y1]) + x1;
    std::fill(first, first + n, static_cast<uint32_t>(colour));
    for (int y = y1 + 1; y <= y2; y++)
        memcpy(reinterpret_cast<uint32_t *>(buffer->line[y]) + x1, first, n * sizeof *first);
}

// The box lies in the half of the screen away from the player.
static int boxtop()
{
    return py > 300 ? 91 : 552;
}

// A portrait: a white frame with the picture at its top left corner.
static void portrait(BITMAP *picture, int x, int y)
{
    fill(x, y, x + SPRITESIZE, y + 130, makecol(255, 255, 255));
    sprite(picture, x, y);
}

static void conversationbox(int t, int &timer)
{
    fill(280, t, 780, t + 140, makecol(0, 0, 0));
    const std::vector<Dialogue_Line> &lines = script[actorconv].lines;
    if (static_cast<size_t>(linenumber) >= lines.size())
        return;  // a conversation without lines shows an empty box
    const Dialogue_Line &line = lines[linenumber];
    wrapprint(line.text, 450, t + 30, 20);
    int s = line.speaker;
    if (s == DETECTIVE || s == SPEAKERGUNPOINT) {
        portrait(bitmaparray[0], 285, t + 5);
    } else if (s == SPEAKERGUNMAN) {
        timer = (timer + 1) % 80;
        portrait(bitmaparray[timer >= 40 ? 8 : 5], 655, t + 5);
    } else if (s > 0 && s < SPRITES) {
        portrait(bitmaparray[s], 655, t + 5);
    }
}

static void thoughtbox(int t)
{
    fill(340, t, 720, t + 140, makecol(0, 0, 0));
    const std::vector<std::string> &list = thoughtlist();
    if (static_cast<size_t>(linenumber) < list.size())
        wrapprint(list[linenumber], 510, t + 30, 20);
    portrait(bitmaparray[0], 345, t + 5);
}

void GameLoop::draw()
{
    // Frames showing the gunman's portrait, for his two alternating pictures.
    static int timer = 0;

    if (fade && fadecounter > 90) {
        // Bands pile up on what the buffer held when the fade began.
        for (int i = 0; i < 20; i++) {
            if (rand() % (fadecounter - 89) == 0)
                fill(0, SCREENH * i / 20, SCREENW - 1, SCREENH * (i + 1) / 20, makecol(0, 0, 0));
        }
        return;
    }
    if (fade && fadecounter == 90)
        fademiddle();

    // The curtain's last row, or -1 when there is none; the rows it covers
    // are painted black anyway, so the area picture is copied only below it.
    const int curtain =
        fade && fadecounter >= 1 && fadecounter <= 90 ? (SCREENH - 1) * fadecounter / 90 : -1;
    for (int y = curtain + 1; y < SCREENH; y++)
        memcpy(buffer->line[y], maps[area]->line[y], SCREENW * sizeof(uint32_t));
    for (int j = 0; j < COLUMNS; j++) {
        for (int k = 0; k < ROWS; k++) {
            int code = mask[scene][area][k][j];
            if (code > 3)
                sprite(bitmaparray[code - 3], tilesize * j + xmargin, tilesize * k + ymargin);
        }
    }
    sprite(bitmaparray[0], xmargin + px, ymargin + py);

    if (talkmode) {
        conversationbox(boxtop(), timer);
    } else if (thinkmode) {
        thoughtbox(boxtop());
    } else if (canthink()) {
        fill(10, 10, 30, 30, makecol(0, 0, 0));
        textout_ex(buffer, font, "T", 17, 17, makecol(255, 255, 255), makecol(0, 0, 0));
    }

    if (curtain >= 0)
        fill(0, 0, SCREENW - 1, curtain, makecol(0, 0, 0));
}
