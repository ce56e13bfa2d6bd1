// Walking and the game screen's keys, driven tick by tick through move():
// steps between cells, turning, exits, meeting persons, paging and thinking.
#include <gtest/gtest.h>

#include <allegro.h>

#include "engine/game.h"
#include "engine/talk.h"
#include "engine/walk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headless.h"

namespace {

enum { UP, DOWN, LEFT, RIGHT };

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        releasekeys();
        buildscript({
            {FRIEND, {{1, "Ilse here."}, {0, "Marsh."}}, {"Ilse clear."}, {"Ilse desire."}},
            {BARMAN, {{2, "Teo here."}}, {"Teo clear one.", "Teo clear two."}, {}},
            {CLUBBER, {{3, "Rook here."}}, {"Rook clear."}, {}},
            {SUSPECT, {{5, "Lucien here."}}, {}, {"Lucien desire."}},
            {VICTIM, {{0, "Emil Sand."}}, {"Emil clear."}, {}},
        });
        placeat(0, 0, 480, 120);  // free floor to the right
        pdir = UP;
        resetplay();
        spacepressed = true;  // as after the press that closed the last box
    }

    void TearDown() override { releasekeys(); }

    static void placeat(int s, int a, int x, int y)
    {
        scene = s;
        area = a;
        px = x;
        py = y;
    }

    static void ticks(int n)
    {
        for (int i = 0; i < n; i++)
            move();
    }

    // Holds the keys for n ticks, then lets them go.
    static void hold(std::initializer_list<int> keys, int n)
    {
        for (int k : keys)
            setkey(k, true);
        ticks(n);
        releasekeys();
    }

    // Space seen up for a tick, then pressed for a tick (other keys stay).
    static void pressspace()
    {
        setkey(KEY_SPACE, false);
        move();
        setkey(KEY_SPACE, true);
        move();
        setkey(KEY_SPACE, false);
    }

    // Presses Space until no box is shown.
    static void closebox()
    {
        for (int i = 0; i < 20 && (talkmode || thinkmode); i++)
            pressspace();
        ASSERT_FALSE(talkmode || thinkmode);
    }
};

TEST_F(Walk, AlignedWithoutKeysStandsStill)
{
    pdir = LEFT;
    ticks(5);
    EXPECT_EQ(px, 480);
    EXPECT_EQ(py, 120);
    EXPECT_EQ(pdir, LEFT);
}

TEST_F(Walk, OppositeKeysCountAsNeither)
{
    placeat(0, 0, 600, 480);  // the body lies above
    hold({KEY_UP, KEY_DOWN}, 3);
    EXPECT_EQ(py, 480);
    EXPECT_FALSE(talkmode);  // he was not even asked
    EXPECT_EQ(actorconv, NOACTOR);
}

TEST_F(Walk, ThirtyTicksFromCellToCell)
{
    setkey(KEY_RIGHT, true);
    ticks(29);
    EXPECT_EQ(px, 480 + 29 * 4);
    ticks(1);
    EXPECT_EQ(px, 600);
    EXPECT_EQ(py, 120);
    EXPECT_EQ(pdir, RIGHT);
    releasekeys();
    ticks(3);
    EXPECT_EQ(px, 600);
}

TEST_F(Walk, BetweenCellsHeGoesOnWithoutAKey)
{
    hold({KEY_RIGHT}, 1);
    ticks(28);
    EXPECT_EQ(px, 596);
    hold({KEY_DOWN}, 1);  // across his way: not read
    EXPECT_EQ(px, 600);
    EXPECT_EQ(py, 120);
}

TEST_F(Walk, TurningBackFromTheFirstColumnAndRow)
{
    // Came from column 0: the way back is tested outside the field.
    placeat(0, 1, 0, 240);
    hold({KEY_RIGHT}, 1);
    hold({KEY_LEFT}, 29);
    EXPECT_EQ(px, 120);
    // Walking left from column 1, RIGHT turns him back at once.
    hold({KEY_LEFT}, 1);
    EXPECT_EQ(px, 116);
    hold({KEY_RIGHT}, 1);
    EXPECT_EQ(px, 120);
    EXPECT_EQ(pdir, RIGHT);
}

TEST_F(Walk, TurningBackBetweenRowsUnderAWall)
{
    // Column 4 of the park: down from row 1, UP tests the wall of row 0.
    placeat(0, 0, 480, 120);
    hold({KEY_DOWN}, 1);
    hold({KEY_UP}, 29);
    EXPECT_EQ(py, 240);
    // Up from row 2, DOWN tests row 2 itself: he turns back.
    hold({KEY_UP}, 2);
    EXPECT_EQ(py, 232);
    hold({KEY_DOWN}, 2);
    EXPECT_EQ(py, 240);
    EXPECT_EQ(pdir, DOWN);
    // Holding the key of his own way changes nothing.
    hold({KEY_UP}, 1);
    hold({KEY_UP}, 29);
    EXPECT_EQ(py, 120);
}

TEST_F(Walk, HorizontalWinsUnlessRefused)
{
    placeat(0, 0, 240, 360);
    hold({KEY_UP, KEY_RIGHT}, 1);
    EXPECT_EQ(px, 244);
    EXPECT_EQ(py, 360);
    placeat(0, 1, 0, 240);  // left of column 0 is refused
    hold({KEY_UP, KEY_LEFT}, 1);
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 236);
}

TEST_F(Walk, ThroughTheParkExitAndBack)
{
    placeat(0, 0, 240, 120);
    setkey(KEY_UP, true);
    ticks(30);
    EXPECT_EQ(area, 1);
    EXPECT_EQ(px, 240);
    EXPECT_EQ(py, 480);
    ticks(30);  // walks on, away from the exit
    EXPECT_EQ(py, 360);
    releasekeys();
    hold({KEY_DOWN}, 60);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(px, 240);
    EXPECT_EQ(py, 120);
}

TEST_F(Walk, BarExitOnlyOutsideSceneOne)
{
    placeat(1, 2, 480, 480);
    hold({KEY_DOWN}, 30);
    EXPECT_EQ(area, 2);
    EXPECT_EQ(py, 480);
    placeat(0, 2, 480, 480);
    hold({KEY_DOWN}, 30);
    EXPECT_EQ(area, 1);
    EXPECT_EQ(px, 480);
    EXPECT_EQ(py, 120);
}

TEST_F(Walk, SceneTwoStartsWithOnlyTheWayUp)
{
    for (int k : {KEY_DOWN, KEY_LEFT, KEY_RIGHT}) {
        placeat(2, 3, 240, 600);
        hold({k}, 1);
        EXPECT_EQ(px, 240);
        EXPECT_EQ(py, 600);
    }
    hold({KEY_UP}, 1);
    EXPECT_EQ(py, 596);
}

TEST_F(Walk, TalkOpensInAStepAndHeWalksOnAfterIt)
{
    placeat(0, 0, 600, 480);  // the body above, free floor to the right
    hold({KEY_UP, KEY_RIGHT}, 1);
    EXPECT_TRUE(talkmode);
    EXPECT_EQ(actorconv, VICTIM);
    EXPECT_EQ(px, 604);
    hold({KEY_RIGHT, KEY_LEFT, KEY_DOWN}, 5);  // the box stops the walking
    EXPECT_EQ(px, 604);
    closebox();
    EXPECT_EQ(px, 604);
    ticks(29);
    EXPECT_EQ(px, 720);
}

TEST_F(Walk, SpaceHeldIntoAPersonShowsTheFirstLineUntilPressedAgain)
{
    placeat(0, 1, 600, 240);
    setkey(KEY_SPACE, true);
    setkey(KEY_UP, true);  // Ilse stands above
    ticks(10);
    EXPECT_TRUE(talkmode);
    EXPECT_EQ(linenumber, 0);
    pressspace();
    EXPECT_EQ(linenumber, 1);
    pressspace();
    EXPECT_FALSE(talkmode);
    // Still against her: nothing opens again, and T may think about her.
    setkey(KEY_UP, true);
    ticks(2);
    EXPECT_FALSE(talkmode);
    EXPECT_EQ(actorconv, FRIEND);
    setkey(KEY_T, true);
    move();
    EXPECT_TRUE(thinkmode);
    EXPECT_EQ(linenumber, 0);
    EXPECT_EQ(clearthoughts, 1);
    EXPECT_EQ(thoughtlist(), script[FRIEND].clearthoughtlines);
}

TEST_F(Walk, TDoesNothingWhileABoxShowsOrWithNobodyToThinkAbout)
{
    actorconv = BARMAN;
    talkmode = true;
    hold({KEY_T}, 3);
    EXPECT_FALSE(thinkmode);
    EXPECT_FALSE(thoughtabout[BARMAN]);

    talkmode = false;
    actorconv = NOACTOR;
    hold({KEY_T, KEY_RIGHT}, 2);
    EXPECT_FALSE(thinkmode);
    EXPECT_EQ(px, 488);
}

TEST_F(Walk, ThoughtBetweenCellsStepsOnceThenWaits)
{
    actorconv = BARMAN;
    talkedto[BARMAN] = true;
    hold({KEY_RIGHT}, 1);
    hold({KEY_T}, 1);
    EXPECT_TRUE(thinkmode);
    EXPECT_EQ(px, 488);
    hold({KEY_T}, 5);
    EXPECT_EQ(px, 488);
    EXPECT_EQ(clearthoughts, 1);
    pressspace();
    EXPECT_TRUE(thinkmode);
    EXPECT_EQ(linenumber, 1);
    EXPECT_EQ(px, 488);
    pressspace();  // the last page: he walks on in the same tick
    EXPECT_FALSE(thinkmode);
    EXPECT_EQ(px, 492);
}

TEST_F(Walk, LastPageOfAThoughtAndTheFirstStepShareATick)
{
    actorconv = VICTIM;
    talkedto[VICTIM] = true;
    hold({KEY_T}, 1);
    ASSERT_TRUE(thinkmode);
    setkey(KEY_RIGHT, true);
    ticks(3);
    EXPECT_EQ(px, 480);
    pressspace();
    EXPECT_FALSE(thinkmode);
    EXPECT_EQ(px, 484);
    EXPECT_FALSE(canthink());
}

TEST_F(Walk, TwoPersonsAtOnceOpenOnlyOneAndSceneOneCanStillEnd)
{
    placeat(1, 2, 240, 360);  // Ilse to the left, Teo below
    hold({KEY_DOWN, KEY_LEFT}, 1);
    EXPECT_TRUE(talkmode);
    EXPECT_EQ(actorconv, BARMAN);
    EXPECT_FALSE(talkedto[FRIEND]);
    closebox();
    EXPECT_FALSE(sceneend);

    hold({KEY_LEFT}, 1);
    EXPECT_EQ(actorconv, FRIEND);
    EXPECT_TRUE(talkmode);
    closebox();

    placeat(1, 2, 360, 360);  // below Rook
    hold({KEY_UP}, 1);
    EXPECT_EQ(actorconv, CLUBBER);
    closebox();
    EXPECT_FALSE(sceneend);

    placeat(1, 2, 600, 360);  // left of Lucien
    hold({KEY_RIGHT}, 1);
    EXPECT_EQ(actorconv, SUSPECT);
    closebox();
    EXPECT_TRUE(sceneend);
    EXPECT_TRUE(fade);
    EXPECT_EQ(actorconv, NOACTOR);
}

TEST_F(Walk, ThoughtAndAnotherPersonInOneTickKeepTheThought)
{
    placeat(1, 2, 240, 360);
    actorconv = BARMAN;
    talkedto[BARMAN] = true;
    hold({KEY_T, KEY_LEFT}, 1);
    EXPECT_TRUE(thinkmode);
    EXPECT_FALSE(talkmode);
    EXPECT_EQ(actorconv, BARMAN);
    EXPECT_FALSE(talkedto[FRIEND]);
    EXPECT_EQ(thoughtlist(), script[BARMAN].clearthoughtlines);
    closebox();
    hold({KEY_LEFT}, 1);
    EXPECT_TRUE(talkmode);
    EXPECT_EQ(actorconv, FRIEND);
}

}  // namespace
