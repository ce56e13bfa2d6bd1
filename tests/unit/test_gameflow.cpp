// The game screen's flow: a new game, the decision at the end of each scene,
// and the timing of the closing fade, with and without a frame at its middle.
#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/sound.h"
#include "engine/talk.h"
#include "engine/walk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headless.h"

namespace {

// One closing conversation per scene, each a single line.
const std::vector<KeyBlock> closingblocks = {
    {SERGEANTSTAY, {{SERGEANT, "Go home, Marsh."}}, {}, {}},
    {SERGEANTLEAVE, {{SERGEANT, "Nothing? Then go."}}, {}, {}},
    {CLUBBER, {{CLUBBER, "Ask someone else."}}, {}, {}},
    {DETECTIVE, {{SPEAKERGUNMAN, "Hands up."}}, {}, {}},
};

class GameFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        releasekeys();
        quit = false;
        GameLoop::initialize();
        buildscript(closingblocks);
    }
    void TearDown() override { releasekeys(); }

    // The tick in which the last Space of a closing conversation is pressed.
    void closeconversation(Actors who)
    {
        talkmode = true;
        thinkmode = false;
        actorconv = who;
        linenumber = 0;
        spacepressed = false;
        setkey(KEY_SPACE, true);
        GameLoop::logic();
        releasekeys();
        ASSERT_TRUE(sceneend);
        ASSERT_TRUE(fade);
        ASSERT_EQ(FADEMAX, fadecounter);
    }

    // One pass of the driver with one tick, drawn or not.
    void pass(bool drawn)
    {
        GameLoop::logic();
        if (drawn)
            GameLoop::draw();
    }

    // Ticks until the screen is over; frames are drawn after every tick
    // except the one that brings the counter to 90 when stalled.
    int ticksuntilleave(bool stalled)
    {
        int ticks = 0;
        while (!GameLoop::quitcondition() && ticks < 400) {
            GameLoop::logic();
            ++ticks;
            if (!(stalled && fade && fadecounter == 90))
                GameLoop::draw();
        }
        return ticks;
    }

    // Takes the decision directly, as a frame at the fade's middle does.
    void decide(int sc, int clear, int sex)
    {
        scene = sc;
        clearthoughts = clear;
        sexthoughts = sex;
        talkmode = false;
        actorconv = NOACTOR;
        sceneend = true;
        GameLoop::logic();
        EXPECT_FALSE(sceneend);
    }
};

TEST_F(GameFlow, NewGameOpensTheSergeantsConversationAndForgetsTheLastGame)
{
    // Leave everything as an ended game would, then start again.
    scene = 2;
    area = 3;
    endingtype = ENDINGRESIST;
    overatfade = leave = warover = sceneend = fade = true;
    talkedto[FRIEND] = thoughtabout[SUSPECT] = true;
    sexthoughts = 5;
    clearthoughts = 3;
    spacepressed = false;
    musicindex = -1;

    GameLoop::initialize();

    EXPECT_EQ(1, musicindex);
    EXPECT_EQ(-1, endingtype);
    EXPECT_FALSE(fade || overatfade || sceneend || leave || warover);
    EXPECT_EQ(0, scene);
    EXPECT_EQ(0, area);
    EXPECT_EQ(240, px);
    EXPECT_EQ(120, py);
    EXPECT_TRUE(talkmode);
    EXPECT_FALSE(thinkmode);
    EXPECT_EQ(SERGEANT, actorconv);
    EXPECT_EQ(0, linenumber);
    EXPECT_TRUE(spacepressed);
    EXPECT_EQ(0, sexthoughts);
    EXPECT_EQ(0, clearthoughts);
    for (int i = 0; i < 12; i++) {
        EXPECT_EQ(i == SERGEANT, talkedto[i]) << i;
        EXPECT_FALSE(thoughtabout[i]) << i;
    }
    EXPECT_FALSE(GameLoop::quitcondition());
}

TEST_F(GameFlow, SpaceHeldFromTheTitleDoesNotPageTheFirstLine)
{
    buildscript({{SERGEANT, {{SERGEANT, "One."}, {DETECTIVE, "Two."}}, {}, {}}});
    setkey(KEY_SPACE, true);
    GameLoop::logic();
    EXPECT_EQ(0, linenumber);
    setkey(KEY_SPACE, false);
    GameLoop::logic();
    setkey(KEY_SPACE, true);
    GameLoop::logic();
    EXPECT_EQ(1, linenumber);
}

TEST_F(GameFlow, QuitConditionIsQuitLeaveOrWarover)
{
    EXPECT_FALSE(GameLoop::quitcondition());
    leave = true;
    EXPECT_TRUE(GameLoop::quitcondition());
    leave = false;
    warover = true;
    EXPECT_TRUE(GameLoop::quitcondition());
    warover = false;
    quit = true;
    EXPECT_TRUE(GameLoop::quitcondition());
    quit = false;
}

TEST_F(GameFlow, SceneZeroEndsWithoutAThoughtOrGoesOnToSceneOne)
{
    decide(0, 0, 0);
    EXPECT_TRUE(overatfade);
    EXPECT_EQ(ENDINGNOTHOUGHT, endingtype);
    EXPECT_EQ(0, scene);

    for (auto counts : {std::make_pair(1, 0), std::make_pair(0, 1)}) {
        GameLoop::initialize();
        talkedto[FRIEND] = thoughtabout[FRIEND] = true;
        decide(0, counts.first, counts.second);
        EXPECT_FALSE(overatfade);
        EXPECT_EQ(-1, endingtype);
        EXPECT_EQ(1, scene);
        EXPECT_EQ(2, area);
        EXPECT_EQ(480, px);
        EXPECT_EQ(480, py);
        EXPECT_EQ(2, musicindex);
        EXPECT_EQ(0, clearthoughts);
        EXPECT_EQ(counts.second, sexthoughts);  // desire thoughts carry over
        EXPECT_FALSE(talkedto[FRIEND] || thoughtabout[FRIEND] || talkedto[SERGEANT]);
    }
}

TEST_F(GameFlow, SceneOneDecisionTable)
{
    struct Row {
        int clear, sex, ending;
        bool over;
    };
    const Row rows[] = {
        {2, 1, ENDINGHOPELESS, true},  {0, 0, ENDINGHOPELESS, true},
        {3, 0, ENDINGSUSPICION, true}, {3, 7, ENDINGSUSPICION, true},
        {0, 7, ENDINGSURRENDER, false}, {2, 7, ENDINGSURRENDER, false},
        {2, 2, ENDINGRESIST, false},   {0, 6, ENDINGRESIST, false},
        {0, 8, ENDINGRESIST, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(testing::Message() << "clear " << r.clear << " sex " << r.sex);
        GameLoop::initialize();
        musicindex = -1;
        talkedto[SUSPECT] = thoughtabout[BARMAN] = true;
        decide(1, r.clear, r.sex);
        EXPECT_EQ(r.ending, endingtype);
        EXPECT_EQ(r.over, overatfade);
        if (r.over) {
            EXPECT_EQ(1, scene);
            EXPECT_EQ(-1, musicindex);
        } else {
            EXPECT_EQ(2, scene);
            EXPECT_EQ(3, area);
            EXPECT_EQ(240, px);
            EXPECT_EQ(600, py);
            EXPECT_EQ(3, musicindex);
            EXPECT_EQ(0, clearthoughts);
            EXPECT_EQ(r.sex, sexthoughts);
            EXPECT_FALSE(talkedto[SUSPECT] || thoughtabout[BARMAN]);
        }
    }
}

TEST_F(GameFlow, SceneTwoEndsKeepingItsEndingType)
{
    endingtype = ENDINGSURRENDER;
    decide(2, 0, 7);
    EXPECT_TRUE(overatfade);
    EXPECT_EQ(ENDINGSURRENDER, endingtype);
    EXPECT_EQ(2, scene);
}

TEST_F(GameFlow, DecisionStepAlsoRunsTheKeys)
{
    scene = 1;
    sexthoughts = 2;
    // From the new scene's start cell only the step up is open: one step.
    setkey(KEY_UP, true);
    decide(1, 0, 2);
    EXPECT_EQ(2, scene);
    EXPECT_EQ(596, py);
}

TEST_F(GameFlow, EndingLeaves91TicksAfterTheClosingSpace)
{
    for (bool stalled : {false, true}) {
        SCOPED_TRACE(stalled ? "no frame at 90" : "frames at 90");
        GameLoop::initialize();
        buildscript(closingblocks);
        closeconversation(SERGEANTLEAVE);
        EXPECT_EQ(91, ticksuntilleave(stalled));
        EXPECT_EQ(ENDINGNOTHOUGHT, endingtype);
        EXPECT_EQ(89, fadecounter);
        EXPECT_TRUE(fade);
    }
}

TEST_F(GameFlow, SceneTwoEndingLeavesAfterTheShot)
{
    for (bool stalled : {false, true}) {
        SCOPED_TRACE(stalled ? "no frame at 90" : "frames at 90");
        GameLoop::initialize();
        scene = 2;
        endingtype = ENDINGRESIST;
        buildscript(closingblocks);
        closeconversation(DETECTIVE);
        EXPECT_EQ(91, ticksuntilleave(stalled));
        EXPECT_EQ(ENDINGRESIST, endingtype);
    }
}

TEST_F(GameFlow, SceneChangeIsDecidedOnceAtTheMiddle)
{
    for (bool stalled : {false, true}) {
        SCOPED_TRACE(stalled ? "no frame at 90" : "frames at 90");
        GameLoop::initialize();
        buildscript(closingblocks);
        clearthoughts = 1;
        closeconversation(SERGEANTSTAY);
        // Keys held through the band phase do nothing.
        setkey(KEY_RIGHT, true);
        for (int t = 1; t <= 89; t++)
            pass(true);
        EXPECT_EQ(91, fadecounter);
        EXPECT_EQ(240, px);
        releasekeys();
        pass(!stalled);  // 91 to 90
        EXPECT_EQ(stalled ? 0 : 1, scene);
        if (!stalled) {
            // More frames at 90 decide nothing more (a second decision here
            // would end the game: scene 1 starts with no thought).
            GameLoop::draw();
            GameLoop::draw();
        }
        GameLoop::logic();  // 90 to 89, with no frame drawn at 90 when stalled
        EXPECT_EQ(89, fadecounter);
        EXPECT_EQ(1, scene);
        EXPECT_EQ(2, area);
        EXPECT_EQ(2, musicindex);
        EXPECT_FALSE(overatfade || leave || sceneend);
        for (int t = 0; t < 88; t++)
            pass(true);
        EXPECT_TRUE(fade);
        pass(true);  // tick 180 ends the fade
        EXPECT_FALSE(fade);
        EXPECT_EQ(1, scene);
        EXPECT_EQ(-1, endingtype);
        EXPECT_FALSE(GameLoop::quitcondition());
    }
}

TEST_F(GameFlow, WholeFadeWithoutAnyFrameStillChangesTheScene)
{
    clearthoughts = 1;
    closeconversation(SERGEANTSTAY);
    for (int t = 0; t < FADEMAX; t++)
        GameLoop::logic();
    EXPECT_FALSE(fade);
    EXPECT_EQ(1, scene);
    EXPECT_EQ(2, area);
    EXPECT_FALSE(overatfade);
}

}  // namespace
