// The game screen: the first line after the title's Space, the decision at
// the end of each scene, keys held through the fade, and what of its frames
// the frame test's fixed states leave out: the gunman's pictures from the
// first frame.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gamekeys.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "script.h"
#include "tests/support/headlesstest.h"

namespace {

// What the recorder heard, each call cut to its first two words.
std::string heard()
{
    std::string all;
    for (const std::string &call : takesound())
        all += (all.empty() ? "" : ", ") + call.substr(0, call.find(' ', call.find(' ') + 1));
    return all;
}

// Opens the conversation of the given lines at its first.
void say(Actors who, std::vector<StoryLine> lines)
{
    buildscript({{who, lines, {}, {}}});
    actorconv = who;
    talkmode = true;
    linenumber = 0;
}

using Game = HeadlessTest;  // a new game at the park's gate: boxes at the bottom, top row 552

// A new game opens the briefing at its first line, whatever the game before
// left open, and the Space held from the title does not page it.
TEST_F(Game, SpaceHeldFromTheTitleDoesNotPageTheFirstLine)
{
    linenumber = 7, thinkmode = true;
    GameLoop::initialize();
    buildscript({{SERGEANT, {{SERGEANT, "One."}, {DETECTIVE, "Two."}}, {"Hm.", "Hm."}, {}}});
    for (bool down : {true, false, true}) {  // held from the title, up, down
        setkey(KEY_SPACE, down);
        GameLoop::logic();
    }
    EXPECT_TRUE(talkmode && !thinkmode && linenumber == 1);
}

// The decision at the end of each scene by its thought counts: an ending, or
// the next scene at its start cell with its music, everyone to meet again
// and the clear thoughts counted afresh.
TEST_F(Game, EachScenesDecisionAtItsBoundaries)
{
    const std::string bar = "ending -1 scene 1 area 2 at 480,480 ", flat = " scene 2 area 3 at 240,600 ";
    const struct {
        int scene, clear, desire;
        std::string after;
    } rows[] = {
        {0, 0, 0, "ending 0"},
        {0, 1, 0, bar + "c0 d0: stop 1, start 2"},
        {0, 0, 2, bar + "c0 d2: stop 1, start 2"},
        {1, 2, 1, "ending 1"},
        {1, 0, 0, "ending 1"},
        {1, 3, 0, "ending 2"},
        {1, 3, 7, "ending 2"},
        {1, 0, 7, "ending 4" + flat + "c0 d7: stop 1, start 3"},
        {1, 2, 2, "ending 3" + flat + "c0 d2: stop 1, start 3"},
        {1, 0, 6, "ending 3" + flat + "c0 d6: stop 1, start 3"},
        {1, 0, 8, "ending 3" + flat + "c0 d8: stop 1, start 3"},
    };
    for (const auto &r : rows) {
        GameLoop::initialize();
        takesound();
        scene = r.scene, clearthoughts = r.clear, sexthoughts = r.desire;
        talkmode = false;
        talkedto[FRIEND] = thoughtabout[SUSPECT] = sceneend = true;
        GameLoop::logic();
        std::ostringstream after;
        after << "ending " << endingtype;
        if (!overatfade)
            after << " scene " << scene << " area " << area << " at " << px << "," << py << " c"
                  << clearthoughts << " d" << sexthoughts << ": " << heard()
                  << (talkedto[FRIEND] || thoughtabout[SUSPECT] || talkedto[SERGEANT] ? ", someone met" : "");
        EXPECT_EQ(after.str(), r.after) << "scene " << r.scene << ", " << r.clear << " clear, " << r.desire;
    }
}

// From the Space that ends a closing talk, with an arrow key, T and Space
// held all along: nothing moves while the fade runs but at the frames drawn
// at its middle, one step for each (or one at the next tick when the driver
// drew none there); the new scene has nobody to think about; an ending
// leaves at the 91st tick, a new scene walks on after the 180th.
TEST_F(Game, HeldKeysActOnlyAtTheFadesMiddle)
{
    for (bool stalled : {false, true})
        for (Actors closing : {SERGEANTSTAY, SERGEANTLEAVE}) {
            SCOPED_TRACE(std::string(stalled ? "no frame at 90, " : "frames at 90, ") + actorname(closing));
            GameLoop::initialize();
            px = 480;  // free floor to the right, in the park and in the bar
            clearthoughts = closing == SERGEANTSTAY;
            say(closing, {{SERGEANT, "Go."}});
            spacepressed = false;
            setkey(KEY_SPACE, true);
            GameLoop::logic();  // the Space that closes the talk and starts the fade
            setkey(KEY_RIGHT, true), setkey(KEY_T, true);
            takesound();
            std::string steps;
            int t = 1;
            for (; t <= 181 && !GameLoop::quitcondition(); t++) {
                int was = px;
                GameLoop::logic();
                for (int f = 0; f < (!fade || fadecounter != 90 ? 1 : stalled ? 0 : 3); f++)
                    GameLoop::draw();
                if (px != was)
                    steps += std::to_string(t) + ":" + std::to_string(px) + " ";
            }
            releasekeys();
            const bool ends = closing == SERGEANTLEAVE;
            EXPECT_EQ(steps, std::string(stalled ? "91:484 " : "90:492 ") +
                                 (ends ? "" : stalled ? "181:488 " : "181:496 "));
            EXPECT_EQ(t, ends ? 92 : 182);
            EXPECT_EQ(heard(), ends ? "" : "stop 1, start 2");
            EXPECT_FALSE(thinkmode || clearthoughts);
            EXPECT_TRUE(ends || getpixel(buffer, 12, 12) == mapcolour(area));  // no T marker
        }
}

// Counted from the start of the program (no other test here shows him): the
// gunman's first 39 frames show the suspect's picture, then each picture 40
// frames in turn.
TEST_F(Game, GunmanAlternatesFromTheFirstFrame)
{
    say(SUSPECT, {{SPEAKERGUNMAN, "Eyes on me."}});
    std::string seen;
    for (int f = 0; f < 160; f++) {
        GameLoop::draw();
        int c = getpixel(buffer, 715, 617);
        seen += c == spritecolour(5) ? '5' : c == spritecolour(8) ? '8' : '?';
    }
    const std::string five(40, '5'), eight(40, '8');
    EXPECT_EQ(seen, five.substr(1) + eight + five + eight + "5");
}

}  // namespace
