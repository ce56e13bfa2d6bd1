// The game screen's frames: the area, its persons and the player, the open
// conversation or thought box, and the bands and curtain of a scene's fade.
#include <cstdlib>

#include <allegro.h>

#include "engine/convtable.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/text.h"
#include "engine/world.h"

// The box lies in the half of the screen away from the player.
static int boxtop()
{
    return py > 300 ? 91 : 552;
}

// A portrait: a white frame with the picture at its top left corner.
static void portrait(BITMAP *picture, int x, int y)
{
    rectfill(buffer, x, y, x + SPRITESIZE, y + 130, makecol(255, 255, 255));
    masked_blit(picture, buffer, 0, 0, x, y, SPRITESIZE, SPRITESIZE);
}

static void conversationbox(int t, int &timer)
{
    rectfill(buffer, 280, t, 780, t + 140, makecol(0, 0, 0));
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
    rectfill(buffer, 340, t, 720, t + 140, makecol(0, 0, 0));
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
                rectfill(buffer, 0, SCREENH * i / 20, SCREENW - 1, SCREENH * (i + 1) / 20,
                         makecol(0, 0, 0));
        }
        return;
    }
    if (fade && fadecounter == 90)
        fademiddle();

    // The curtain's last row, or -1 when there is none; the rows it covers
    // are painted black anyway, so the area picture is copied only below it.
    const int curtain =
        fade && fadecounter >= 1 && fadecounter <= 90 ? (SCREENH - 1) * fadecounter / 90 : -1;
    blit(maps[area], buffer, 0, curtain + 1, 0, curtain + 1, SCREENW, SCREENH - curtain - 1);
    for (int j = 0; j < COLUMNS; j++) {
        for (int k = 0; k < ROWS; k++) {
            int code = mask[scene][area][k][j];
            if (code > 3)
                masked_blit(bitmaparray[code - 3], buffer, 0, 0, tilesize * j + xmargin,
                            tilesize * k + ymargin, SPRITESIZE, SPRITESIZE);
        }
    }
    masked_blit(bitmaparray[0], buffer, 0, 0, xmargin + px, ymargin + py, SPRITESIZE, SPRITESIZE);

    if (talkmode) {
        conversationbox(boxtop(), timer);
    } else if (thinkmode) {
        thoughtbox(boxtop());
    } else if (canthink()) {
        rectfill(buffer, 10, 10, 30, 30, makecol(0, 0, 0));
        textout_ex(buffer, font, "T", 17, 17, makecol(255, 255, 255), makecol(0, 0, 0));
    }

    if (curtain >= 0)
        rectfill(buffer, 0, 0, SCREENW - 1, curtain, makecol(0, 0, 0));
}
