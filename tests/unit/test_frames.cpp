// Every frame exactly as the plain recipe paints it, and none allocating: with
// the data tool's pictures and the whole script, each screen and game state as
// the game draws it (pictures read through its header check, run-length sprites,
// text rows printed once) against load_bitmap, masked_blit and textout_ex.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/text.h"
#include "engine/title.h"
#include "engine/world.h"
#include "script.h"
#include "tests/support/allocations.h"
#include "tests/support/headlesstest.h"

namespace {

const int BLACK = 0, WHITE = 0xffffff;  // as makecol gives them at 32 bits

// The recipe's pictures as load_bitmap reads them, and the frame it paints.
BITMAP *refsheet, *refmaps[4], *refintro, *reftitle, *reference;
std::string loaded;  // what went wrong loading the game's pictures

void printrows(BITMAP *out, const std::string &text, int x, int y)
{
    const std::vector<std::string> rows = wraptext(text, 20);
    for (size_t i = 0; i < rows.size(); i++)
        textout_ex(out, font, rows[i].c_str(), x, y + 10 * i, WHITE, BLACK);
}

void sprite(BITMAP *out, int i, int x, int y) { masked_blit(refsheet, out, 120 * i, 0, x, y, 120, 120); }

// The game screen's frame by the recipe; the gunman shows the given picture.
void referenceframe(BITMAP *out, int gunman)
{
    blit(refmaps[area], out, 0, 0, 0, 0, 1024, 768);
    for (int j = 0; j < 8; j++)
        for (int k = 0; k < 6; k++)
            if (mask[scene][area][k][j] > 3)
                sprite(out, mask[scene][area][k][j] - 3, 44 + 120 * j, 120 * k);
    sprite(out, 0, 44 + px, py);
    const int t = py > 300 ? 91 : 552;
    auto portrait = [&](int i, int x) {
        rectfill(out, x, t + 5, x + 120, t + 135, WHITE);
        sprite(out, i, x, t + 5);
    };
    if (talkmode) {
        rectfill(out, 280, t, 780, t + 140, BLACK);
        const Dialogue_Line &line = script[actorconv].lines[linenumber];
        printrows(out, line.text, 450, t + 30);
        if (line.speaker == DETECTIVE || line.speaker == SPEAKERGUNPOINT)
            portrait(0, 285);
        else
            portrait(line.speaker == SPEAKERGUNMAN ? gunman : line.speaker, 655);
    } else if (thinkmode) {
        rectfill(out, 340, t, 720, t + 140, BLACK);
        if (linenumber < int(thoughtlist().size()))  // an empty list shows no text
            printrows(out, thoughtlist()[linenumber], 510, t + 30);
        portrait(0, 345);
    } else if (canthink()) {
        rectfill(out, 10, 10, 30, 30, BLACK);
        textout_ex(out, font, "T", 17, 17, WHITE, BLACK);
    }
    if (fade && fadecounter >= 1 && fadecounter <= 90)
        rectfill(out, 0, 0, 1023, 767 * fadecounter / 90, BLACK);
}

bool same(BITMAP *a, BITMAP *b)
{
    for (int y = 0; y < SCREENH; y++)
        if (memcmp(a->line[y], b->line[y], SCREENW * 4) != 0)
            return false;
    return true;
}

// Draws the state twice, the second time over a buffer of another colour and
// counting allocations, and compares the frame with the recipe's (either
// picture of the gunman).
void check(void (*draw)(), void (*paint)(BITMAP *, int), const std::string &what)
{
    SCOPED_TRACE(what);
    draw();
    clear_to_color(buffer, makecol(1, 254, 3));
    const long before = allocations();
    draw();
    EXPECT_EQ(allocations(), before);
    paint(reference, SUSPECT);
    if (!same(buffer, reference))
        paint(reference, SPRITEGUNMAN);
    EXPECT_TRUE(same(buffer, reference));
}

class Frames : public HeadlessTest {
protected:
    static void SetUpTestSuite()
    {
        headless_start();
        // The game's pictures take the place of the stand-ins.
        for (BITMAP *b : {buffer, introscreen, titlescreen, maps[0], maps[1], maps[2], maps[3]})
            destroy_bitmap(b);
        for (BITMAP *b : bitmaparray)
            destroy_bitmap(b);
        loaded = load_pictures();
        refsheet = load_bitmap("bmp/sprites.bmp", NULL);
        for (int a = 0; a < 4; a++)
            refmaps[a] = load_bitmap(("bmp/map" + std::to_string(a + 1) + ".bmp").c_str(), NULL);
        refintro = load_bitmap("bmp/intro.bmp", NULL);
        reftitle = load_bitmap("bmp/titlescreen.bmp", NULL);
        reference = create_bitmap(SCREENW, SCREENH);
    }

    void SetUp() override
    {
        HeadlessTest::SetUp();
        ASSERT_EQ(loaded, "") << "game data not built";
        ASSERT_TRUE(refsheet && refmaps[3] && refintro && reftitle);
        newscenetalk();
    }
};

TEST_F(Frames, EveryAreaLineAndThoughtOfTheScriptSomeUnderTheCurtain)
{
    for (scene = 0; scene < 3; scene++) {
        SCOPED_TRACE("scene " + std::to_string(scene));
        setdialogue();
        // Walking in every area, the player in two places, without and with
        // the T marker (about Ilse, Rook or Lucien).
        for (Actors about : {NOACTOR, Actors(1 + 2 * scene)})
            for (area = 0; area < 4; area++)
                for (int place : {0, 1}) {
                    actorconv = about, px = place ? 484 : 240, py = place ? 360 : 120;
                    check(GameLoop::draw, referenceframe, "area " + std::to_string(area));
                }
        area = 0;
        for (auto &entry : script) {
            actorconv = entry.first;
            const std::string who = "actor " + std::to_string(actorconv);
            talkmode = true;
            for (linenumber = 0; linenumber < int(entry.second.lines.size()); linenumber++) {
                py = linenumber % 2 ? 300 : 304;  // either side of the split: box below, above
                fade = linenumber % 3 == 0;
                fadecounter = linenumber % 2 ? FADEMIDDLE : 1 + linenumber * 11 % 89;  // a decision frame, the curtain
                check(GameLoop::draw, referenceframe, who + " line " + std::to_string(linenumber));
            }
            talkmode = fade = false;
            thinkmode = true;
            for (bool desire : {false, true}) {
                talkedto[SUSPECT] = desire;
                for (linenumber = 0; linenumber < std::max<int>(1, thoughtlist().size()); linenumber++)
                    check(GameLoop::draw, referenceframe, who + " thought " + std::to_string(linenumber));
            }
            thinkmode = talkedto[SUSPECT] = false;
        }
    }
}

TEST_F(Frames, EveryEndingTheIntroTheTitleAndTheBands)
{
    for (endingtype = ENDINGNOTHOUGHT; endingtype <= ENDINGSURRENDER; endingtype++)
        check(GameOverLoop::draw, [](BITMAP *out, int) {
            clear_to_color(out, BLACK);
            printrows(out, endingtexts[endingtype], 450, 380);
        }, "ending " + std::to_string(endingtype));
    check(IntroLoop::draw, [](BITMAP *out, int) { blit(refintro, out, 0, 0, 0, 0, 1024, 768); }, "intro");
    check(TitleLoop::draw, [](BITMAP *out, int) { blit(reftitle, out, 0, 0, 0, 0, 1024, 768); }, "title");
    // Bands pile up on the frame before, each with a chance of 1 in
    // (counter - 89) a frame: rand() seeded alike for the game and the recipe.
    GameLoop::draw();
    blit(buffer, reference, 0, 0, 0, 0, SCREENW, SCREENH);
    fade = true;
    for (fadecounter = 180; fadecounter > 90; fadecounter -= 30) {
        srand(fadecounter);
        const long before = allocations();
        GameLoop::draw();
        EXPECT_EQ(allocations(), before) << "bands at " << fadecounter;
        srand(fadecounter);
        for (int i = 0; i < 20; i++)
            if (rand() % (fadecounter - 89) == 0)
                rectfill(reference, 0, 768 * i / 20, 1023, 768 * (i + 1) / 20, BLACK);
        EXPECT_TRUE(same(buffer, reference)) << "bands at " << fadecounter;
    }
}

}  // namespace
