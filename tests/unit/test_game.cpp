// The game screen: the first line after the title's Space, the decisions at
// the end of scene 1, the fade's middle with and without a frame there, and
// what its frames show.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gamekeys.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headlesstest.h"

namespace {

const int BLACK = 0, WHITE = 0xffffff;  // as makecol gives them at 32 bits

// How many pixels of the rectangle (inclusive corners) are not the colour.
int others(int x1, int y1, int x2, int y2, int colour)
{
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            n += getpixel(buffer, x, y) != colour;
    return n;
}

class Game : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        GameLoop::initialize();
        talkmode = false;
        actorconv = NOACTOR;
        py = 120;  // boxes at the bottom, top row 552
    }

    // Opens the conversation of the given lines at its first.
    static void say(Actors who, std::vector<StoryLine> lines)
    {
        buildscript({{who, lines, {}, {}}});
        actorconv = who;
        talkmode = true;
        linenumber = 0;
    }

    // Runs up to n ticks until the screen ends, each with a frame; at the
    // fade's middle none when stalled, several (as the driver may) when not.
    static int play(int n, bool stalled)
    {
        int t = 0;
        for (; t < n && !GameLoop::quitcondition(); t++) {
            GameLoop::logic();
            bool middle = fade && fadecounter == 90;
            for (int f = 0; f < (!middle ? 1 : stalled ? 0 : 3); f++)
                GameLoop::draw();
        }
        return t;
    }
};

TEST_F(Game, SpaceHeldFromTheTitleDoesNotPageTheFirstLine)
{
    GameLoop::initialize();
    buildscript({{SERGEANT, {{SERGEANT, "One."}, {DETECTIVE, "Two."}}, {}, {}}});
    for (bool down : {true, false, true}) {  // held from the title, up, down
        setkey(KEY_SPACE, down);
        GameLoop::logic();
    }
    EXPECT_TRUE(talkmode && linenumber == 1);
}

TEST_F(Game, SceneOneDecisionAtItsBoundaries)
{
    const struct {
        int clear, desire, ending, nextscene;
    } rows[] = {{2, 1, ENDINGHOPELESS, 1}, {3, 7, ENDINGSUSPICION, 1}, {0, 7, ENDINGSURRENDER, 2},
                {0, 6, ENDINGRESIST, 2},   {0, 8, ENDINGRESIST, 2}};
    for (const auto &r : rows) {
        GameLoop::initialize();
        scene = 1, clearthoughts = r.clear, sexthoughts = r.desire;
        talkmode = false;
        sceneend = true;
        GameLoop::logic();
        EXPECT_EQ(std::make_tuple(endingtype, scene, overatfade),
                  std::make_tuple(r.ending, r.nextscene, r.nextscene == 1))
            << "clear " << r.clear << " desire " << r.desire;
    }
}

// The decision belongs to the frame at the fade's middle; when the driver
// draws none there the next tick takes it, and more frames there take it once.
TEST_F(Game, FadesMiddleDecidesOnceWithOrWithoutAFrameThere)
{
    for (bool stalled : {false, true}) {
        SCOPED_TRACE(stalled ? "no frame at 90" : "frames at 90");
        for (Actors closing : {SERGEANTSTAY, SERGEANTLEAVE}) {
            GameLoop::initialize();
            clearthoughts = closing == SERGEANTSTAY;
            say(closing, {{SERGEANT, "Go."}});
            spacepressed = false;
            setkey(KEY_SPACE, true);
            GameLoop::logic();  // the Space that closes the talk and starts the fade
            releasekeys();
            if (closing == SERGEANTLEAVE) {  // the screen ends at the middle
                EXPECT_EQ(91, play(400, stalled));
                EXPECT_EQ(ENDINGNOTHOUGHT, endingtype);
                continue;
            }
            takesound();
            EXPECT_EQ(91, play(91, stalled));  // to the tick after the middle: the new scene
            EXPECT_EQ(std::make_tuple(89, 1, 2, -1), std::make_tuple(fadecounter, scene, area, endingtype));
            EXPECT_EQ(takesound(), (std::vector<std::string>{"stop 1", "start 2 1ch at 0 vol 1 buf 4096 11025Hz"}));
            EXPECT_EQ(89, play(89, stalled));
            EXPECT_FALSE(fade || GameLoop::quitcondition());
        }
    }
}

TEST_F(Game, PersonsAndPlayerStandOnThePictureThroughTheirMagenta)
{
    scene = 1, area = 2, px = 368, py = 0;  // between cells, over no person
    GameLoop::draw();
    for (int k = 1; k < ROWS; k++)  // row 0, all wall, holds the player
        for (int j = 0; j < COLUMNS; j++) {
            int code = mask[1][2][k][j], want = code > 3 ? spritecolour(code - 3) : mapcolour(2);
            EXPECT_EQ(want, getpixel(buffer, 104 + 120 * j, 120 * k + 60));
            EXPECT_EQ(mapcolour(2), getpixel(buffer, 46 + 120 * j, 120 * k + 2));  // the magenta corner
        }
    EXPECT_EQ(spritecolour(0), getpixel(buffer, 44 + px + 60, 60));
    EXPECT_EQ(mapcolour(2), getpixel(buffer, 44 + px + 2, 2));
}

// The box lies in the half away from the player, the detective's portrait
// (also at gunpoint) on its left, anyone else's on its right, an unknown
// speaker's nowhere.
TEST_F(Game, BoxesStandAwayFromThePlayerWithThePortraitOnTheSpeakersSide)
{
    for (int y : {300, 304})
        for (int speaker : {int(FRIEND), int(DETECTIVE), SPEAKERGUNPOINT, 11, -1}) {
            SCOPED_TRACE(testing::Message() << "py " << y << " speaker " << speaker);
            py = y;
            say(FRIEND, {{speaker, "Words."}});
            GameLoop::draw();
            const int t = y > 300 ? 91 : 552, left = speaker == DETECTIVE || speaker == SPEAKERGUNPOINT;
            EXPECT_EQ(0, others(280, t, 780, t + 4, BLACK) + others(280, t + 136, 780, t + 140, BLACK));
            EXPECT_EQ(282, others(279, t, 279, t + 140, BLACK) + others(781, t, 781, t + 140, BLACK));
            EXPECT_LT(others(450, t + 30, 609, t + 37, WHITE), 160 * 8);  // the words
            EXPECT_EQ(left ? spritecolour(0) : BLACK, getpixel(buffer, 345, t + 65));
            EXPECT_EQ(speaker == FRIEND ? spritecolour(FRIEND) : BLACK, getpixel(buffer, 715, t + 65));
        }
}

TEST_F(Game, EmptyConversationsAndThoughtListsShowAnEmptyBox)
{
    say(FRIEND, {});
    GameLoop::draw();
    EXPECT_EQ(0, others(280, 552, 780, 692, BLACK));
    talkmode = false;  // a thought: box and portrait only
    thinkmode = true;
    GameLoop::draw();
    EXPECT_EQ(0, others(340, 552, 720, 556, BLACK) + others(510, 582, 715, 689, BLACK));
    EXPECT_EQ(spritecolour(0), getpixel(buffer, 405, 617));
}

// The gunman's portrait changes every 40 frames; the T marker shows only when
// a thought can start.
TEST_F(Game, GunmanAlternatesAndTheTMarkerShowsWhenAThoughtCan)
{
    say(SUSPECT, {{SPEAKERGUNMAN, "Eyes on me."}});
    std::string seen;
    for (int f = 0; f < 160; f++) {
        GameLoop::draw();
        int c = getpixel(buffer, 715, 617);
        seen += c == spritecolour(5) ? '5' : c == spritecolour(8) ? '8' : '?';
    }
    size_t first = seen.find(seen[0] == '5' ? '8' : '5');
    ASSERT_LT(first, 40u) << seen;
    EXPECT_EQ(seen.substr(first, 80), std::string(40, seen[first]) + std::string(40, seen[0])) << seen;
    EXPECT_EQ(mapcolour(0), getpixel(buffer, 12, 12));  // no T while a box shows
    talkmode = false;
    for (bool thought : {false, true}) {  // nor once the thought is taken
        thoughtabout[SUSPECT] = thought;
        GameLoop::draw();
        EXPECT_EQ(thought ? mapcolour(0) : BLACK, getpixel(buffer, 12, 12));
        EXPECT_EQ(!thought, others(17, 17, 24, 24, WHITE) < 64);
    }
}

TEST_F(Game, BandsPileUpThenTheMiddleIsBlackAndTheCurtainRises)
{
    fade = true;
    fadecounter = 91;
    clear_to_color(buffer, WHITE);
    for (int f = 0; f < 40; f++)
        GameLoop::draw();
    EXPECT_EQ(0, others(0, 0, SCREENW - 1, SCREENH - 1, BLACK));
    fadecounter = 90;
    GameLoop::draw();
    EXPECT_EQ(0, others(0, 0, SCREENW - 1, SCREENH - 1, BLACK));
    fadecounter = 45;  // half way up
    GameLoop::draw();
    EXPECT_EQ(0, others(1010, 0, 1010, 383, BLACK) + others(1010, 384, 1010, 767, mapcolour(0)));
}

}  // namespace
