// The game screen's frames: persons, player, boxes, portraits, the T marker,
// and the bands, decision frame and curtain of a fade.
#include <cstdlib>

#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/walk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headless.h"

namespace {

int black() { return makecol(0, 0, 0); }
int white() { return makecol(255, 255, 255); }

// Whether any pixel of the rectangle (inclusive corners) has the colour.
bool anypixel(int x1, int y1, int x2, int y2, int colour)
{
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            if (getpixel(buffer, x, y) == colour)
                return true;
    return false;
}

bool allpixels(int x1, int y1, int x2, int y2, int colour, int step = 1)
{
    for (int y = y1; y <= y2; y += step)
        for (int x = x1; x <= x2; x += step)
            if (getpixel(buffer, x, y) != colour)
                return false;
    return true;
}

class GameDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        releasekeys();
        GameLoop::initialize();
        talkmode = false;
        actorconv = NOACTOR;
    }

    // Opens a one-line conversation whose line has the given speaker.
    void sayline(int speaker)
    {
        buildscript({{FRIEND, {{speaker, "Words."}}, {}, {}}});
        actorconv = FRIEND;
        talkmode = true;
        linenumber = 0;
    }

    // The middle row of band i of the band phase.
    static int bandmiddle(int i) { return (SCREENH * i / 20 + SCREENH * (i + 1) / 20) / 2; }
};

TEST_F(GameDraw, PersonsStandAtTheirCellsAndThePlayerAtHisPosition)
{
    for (int sc = 0; sc < SCENES; sc++) {
        for (int a = 0; a < AREAS; a++) {
            scene = sc;
            area = a;
            px = 120 * 3 + 8;  // between cells, over no person of any area
            py = 0;
            GameLoop::draw();
            for (int k = 0; k < ROWS; k++) {
                for (int j = 0; j < COLUMNS; j++) {
                    if (k == 0 && j == 3)
                        continue;  // the player
                    int code = mask[sc][a][k][j];
                    int want = code > 3 ? spritecolour(code - 3) : mapcolour(a);
                    EXPECT_EQ(want, getpixel(buffer, 44 + 120 * j + 60, 120 * k + 60))
                        << sc << " " << a << " " << k << " " << j;
                }
            }
            EXPECT_EQ(spritecolour(0), getpixel(buffer, 44 + px + 60, 60));
            // The sprite's magenta corner lets the picture through.
            EXPECT_EQ(mapcolour(a), getpixel(buffer, 44 + px + 2, 2));
            EXPECT_EQ(mapcolour(a), getpixel(buffer, 20, 740));
        }
    }
}

TEST_F(GameDraw, BoxStandsAwayFromThePlayer)
{
    sayline(FRIEND);
    for (int y : {304, 300}) {
        py = y;
        int t = y > 300 ? 91 : 552;
        GameLoop::draw();
        EXPECT_EQ(black(), getpixel(buffer, 280, t));
        EXPECT_EQ(black(), getpixel(buffer, 780, t + 140));
        EXPECT_NE(black(), getpixel(buffer, 279, t));
        EXPECT_NE(black(), getpixel(buffer, 781, t + 140));
        EXPECT_NE(black(), getpixel(buffer, 300, t - 1));
        EXPECT_NE(black(), getpixel(buffer, 300, t + 141));
        EXPECT_TRUE(anypixel(450, t + 30, 609, t + 37, white()));
        // Other speakers' portraits at the right, white frame showing below.
        EXPECT_EQ(spritecolour(FRIEND), getpixel(buffer, 715, t + 65));
        EXPECT_EQ(white(), getpixel(buffer, 775, t + 135));
        EXPECT_EQ(white(), getpixel(buffer, 700, t + 130));
        EXPECT_EQ(black(), getpixel(buffer, 300, t + 65));
    }
}

TEST_F(GameDraw, DetectiveAndGunpointPortraitsStandLeftAndLookAlike)
{
    py = 120;
    sayline(DETECTIVE);
    GameLoop::draw();
    EXPECT_EQ(spritecolour(0), getpixel(buffer, 345, 552 + 65));
    EXPECT_EQ(white(), getpixel(buffer, 405, 552 + 135));
    EXPECT_EQ(black(), getpixel(buffer, 715, 552 + 65));
    BITMAP *detective = create_bitmap(SCREENW, SCREENH);
    blit(buffer, detective, 0, 0, 0, 0, SCREENW, SCREENH);

    sayline(SPEAKERGUNPOINT);
    GameLoop::draw();
    for (int y = 0; y < SCREENH; y += 3)
        for (int x = 0; x < SCREENW; x += 3)
            ASSERT_EQ(getpixel(detective, x, y), getpixel(buffer, x, y)) << x << " " << y;
    destroy_bitmap(detective);
}

TEST_F(GameDraw, GunmanAlternatesEvery40Frames)
{
    py = 120;
    sayline(SPEAKERGUNMAN);
    std::vector<int> shown;
    for (int f = 0; f < 240; f++) {
        GameLoop::draw();
        int c = getpixel(buffer, 715, 552 + 65);
        ASSERT_TRUE(c == spritecolour(5) || c == spritecolour(8));
        shown.push_back(c == spritecolour(8) ? 8 : 5);
    }
    // Every run between two changes is 40 frames long.
    std::vector<int> changes;
    for (size_t f = 1; f < shown.size(); f++)
        if (shown[f] != shown[f - 1])
            changes.push_back(f);
    ASSERT_GE(changes.size(), 5u);
    for (size_t i = 1; i < changes.size(); i++)
        EXPECT_EQ(40, changes[i] - changes[i - 1]);
    // Frames without the gunman do not advance his timer.
    int before = shown.back();
    sayline(FRIEND);
    for (int f = 0; f < 37; f++)
        GameLoop::draw();
    sayline(SPEAKERGUNMAN);
    GameLoop::draw();
    int after = getpixel(buffer, 715, 552 + 65) == spritecolour(8) ? 8 : 5;
    bool changesnow = 240 - changes.back() == 40;
    EXPECT_EQ(changesnow ? (before == 5 ? 8 : 5) : before, after);
}

TEST_F(GameDraw, BoxesShowNothingThatDoesNotExist)
{
    py = 120;
    const int t = 552;
    // A speaker code outside 0 to 10: text, no portrait.
    for (int speaker : {11, -1}) {
        sayline(speaker);
        GameLoop::draw();
        EXPECT_TRUE(anypixel(450, t + 30, 609, t + 37, white()));
        EXPECT_TRUE(allpixels(281, t + 1, 449, t + 139, black()));
        EXPECT_TRUE(allpixels(650, t + 1, 779, t + 139, black()));
    }
    // A conversation without lines, or past its end: the empty box.
    buildscript({{FRIEND, {}, {}, {}}});
    actorconv = FRIEND;
    talkmode = true;
    linenumber = 0;
    GameLoop::draw();
    EXPECT_TRUE(allpixels(280, t, 780, t + 140, black()));
    sayline(FRIEND);
    linenumber = 1;
    GameLoop::draw();
    EXPECT_TRUE(allpixels(280, t, 780, t + 140, black()));
}

TEST_F(GameDraw, ThoughtBoxShowsTheChosenListAndNoTextPastItsEnd)
{
    py = 120;
    const int t = 552;
    buildscript({{BARMAN, {{BARMAN, "Hi."}}, {}, {"He is hiding something."}}});
    actorconv = BARMAN;
    thinkmode = true;
    linenumber = 0;
    for (bool metsuspect : {true, false}) {
        talkedto[SUSPECT] = metsuspect;
        GameLoop::draw();
        EXPECT_EQ(black(), getpixel(buffer, 340, t));
        EXPECT_EQ(black(), getpixel(buffer, 720, t + 140));
        EXPECT_NE(black(), getpixel(buffer, 339, t));
        EXPECT_NE(black(), getpixel(buffer, 721, t));
        EXPECT_EQ(spritecolour(0), getpixel(buffer, 405, t + 65));
        EXPECT_EQ(white(), getpixel(buffer, 465, t + 135));
        // The desire list has the thought; the clear list is empty.
        EXPECT_EQ(metsuspect, anypixel(510, t + 30, 715, t + 137, white()));
    }
}

TEST_F(GameDraw, TMarkerOnlyWhenAThoughtCanStart)
{
    buildscript({{FRIEND, {{FRIEND, "Hello."}}, {"Her hands shake."}, {}}});
    actorconv = FRIEND;
    GameLoop::draw();
    EXPECT_EQ(black(), getpixel(buffer, 10, 10));
    EXPECT_EQ(black(), getpixel(buffer, 30, 30));
    EXPECT_TRUE(anypixel(17, 17, 24, 24, white()));
    EXPECT_NE(black(), getpixel(buffer, 31, 31));

    talkmode = true;  // a box hides it
    GameLoop::draw();
    EXPECT_EQ(mapcolour(0), getpixel(buffer, 20, 20));
    talkmode = false;
    thoughtabout[FRIEND] = true;
    GameLoop::draw();
    EXPECT_EQ(mapcolour(0), getpixel(buffer, 20, 20));
}

TEST_F(GameDraw, BandsFallByRandAndPileUp)
{
    fade = true;
    for (int counter : {180, 91}) {
        fadecounter = counter;
        clear_to_color(buffer, white());
        srand(1234 + counter);
        bool expected[20];
        for (int i = 0; i < 20; i++)
            expected[i] = rand() % (counter - 89) == 0;
        int afterwards = rand();
        srand(1234 + counter);
        GameLoop::draw();
        EXPECT_EQ(afterwards, rand()) << "20 calls of rand per frame";
        for (int i = 0; i < 20; i++)
            EXPECT_EQ(expected[i] ? black() : white(), getpixel(buffer, 500, bandmiddle(i)))
                << counter << " " << i;
    }
    // At 91 bands pile up over the frames and are never repainted.
    clear_to_color(buffer, white());
    int black_bands = 0;
    for (int f = 0; f < 30; f++) {
        GameLoop::draw();
        int now = 0;
        for (int i = 0; i < 20; i++)
            now += getpixel(buffer, 500, bandmiddle(i)) == black();
        EXPECT_GE(now, black_bands);
        black_bands = now;
    }
    EXPECT_EQ(20, black_bands);
    EXPECT_TRUE(fade);
}

TEST_F(GameDraw, DecisionFrameIsBlackAndCurtainRises)
{
    fade = true;
    fadecounter = 90;
    sceneend = true;
    GameLoop::draw();
    EXPECT_FALSE(sceneend);
    EXPECT_TRUE(fade);
    EXPECT_EQ(ENDINGNOTHOUGHT, endingtype);
    EXPECT_TRUE(allpixels(0, 0, SCREENW - 1, SCREENH - 1, black(), 7));
    EXPECT_EQ(black(), getpixel(buffer, SCREENW - 1, SCREENH - 1));

    // The curtain's lower edge at 89, 45 and 1, seen in the right strip.
    const struct {
        int counter, lastrow;
    } edges[] = {{89, 758}, {45, 383}, {1, 8}};
    for (auto e : edges) {
        fadecounter = e.counter;
        GameLoop::draw();
        EXPECT_EQ(black(), getpixel(buffer, 1010, e.lastrow)) << e.counter;
        EXPECT_EQ(mapcolour(0), getpixel(buffer, 1010, e.lastrow + 1)) << e.counter;
    }
    fade = false;
    GameLoop::draw();
    EXPECT_EQ(mapcolour(0), getpixel(buffer, 1010, 0));
}

}  // namespace
