// The tile world: the table of cells, which steps canmove allows, and the
// change of area at every exit.
#include <gtest/gtest.h>

#include "engine/game.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "tests/support/headless.h"

namespace {

class World : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        scene = 0;
        area = 0;
        px = py = 0;
        resetplay();
    }
};

TEST(Mask, HoldsEveryCodeAsOftenAsTheMapsShow)
{
    int count[10] = {};
    for (int s = 0; s < SCENES; s++)
        for (int a = 0; a < AREAS; a++)
            for (int r = 0; r < ROWS; r++)
                for (int c = 0; c < COLUMNS; c++) {
                    int code = mask[s][a][r][c];
                    ASSERT_TRUE(code >= 0 && code <= 9);
                    count[code]++;
                }
    const int expected[10] = {248, 298, 8, 3, 4, 3, 2, 3, 4, 3};
    for (int code = 0; code < 10; code++)
        EXPECT_EQ(count[code], expected[code]) << "code " << code;
}

TEST_F(World, PointsOutsideTheFieldAreRefused)
{
    EXPECT_FALSE(canmove(-120, 0));
    EXPECT_FALSE(canmove(960, 0));
    EXPECT_FALSE(canmove(0, 720));
    // Just outside a walkable cell: -1 must not pass for column or row 0.
    area = 1;
    EXPECT_TRUE(canmove(0, 120));
    EXPECT_FALSE(canmove(-1, 120));
    area = 0;
    EXPECT_TRUE(canmove(240, 0));  // the exit
    EXPECT_FALSE(canmove(240, -1));
    // The field's last point still lies inside it.
    area = 3;
    EXPECT_FALSE(canmove(959, 719));
    EXPECT_TRUE(canmove(959, 479));
}

TEST_F(World, FreeBorderCellsAreNoWayOut)
{
    area = 1;
    for (int row = 1; row <= 4; row++) {
        EXPECT_TRUE(canmove(0, row * 120));
        EXPECT_FALSE(canmove(-120, row * 120));
        EXPECT_FALSE(canmove(960, row * 120));
    }
}

TEST_F(World, WallsBlockAndFloorAndExitsDoNot)
{
    area = 0;
    EXPECT_FALSE(canmove(0, 0));     // wall
    EXPECT_TRUE(canmove(120, 120));  // floor
    area = 1;
    EXPECT_TRUE(canmove(480, 0));    // the exit into the bar
    EXPECT_TRUE(canmove(240, 600));  // the exit back to the park
}

TEST_F(World, PersonBlocksAndSpeaksOnlyToAPlayerOnACell)
{
    area = 0;
    EXPECT_FALSE(canmove(604, 360));  // the body's cell, not aligned
    EXPECT_FALSE(talkmode);
    EXPECT_EQ(actorconv, NOACTOR);

    EXPECT_FALSE(canmove(600, 360));
    EXPECT_EQ(actorconv, VICTIM);
    EXPECT_TRUE(talkmode);

    // Met again: still blocks, and selects him without opening anything.
    talkmode = false;
    actorconv = NOACTOR;
    EXPECT_FALSE(canmove(600, 360));
    EXPECT_EQ(actorconv, VICTIM);
    EXPECT_FALSE(talkmode);
}

TEST_F(World, BarExitIsWalledUpInSceneOneOnly)
{
    area = 2;
    for (int s = 0; s < SCENES; s++) {
        scene = s;
        EXPECT_EQ(canmove(480, 600), s != 1) << "scene " << s;
    }
}

TEST_F(World, SceneTwoStartAllowsOnlyTheStepUp)
{
    scene = 2;
    area = 3;
    EXPECT_TRUE(canmove(240, 480));
    EXPECT_FALSE(canmove(120, 600));
    EXPECT_FALSE(canmove(360, 600));
    EXPECT_FALSE(canmove(240, 720));
}

TEST_F(World, ExitsLeadToTheirArrivalCells)
{
    struct Case {
        int from, code, to, x, y;
    } cases[] = {
        {0, TILEEXIT, 1, 240, 480}, {0, 7, 1, 240, 480},
        {1, TILEEXIT, 0, 240, 120}, {1, TILEEXIT2, 2, 480, 480},
        {2, TILEEXIT, 1, 480, 120}, {2, TILEEXIT2, 1, 480, 120},
    };
    for (const Case &c : cases) {
        area = c.from;
        px = py = 4;
        gotoarea(c.code);
        EXPECT_EQ(area, c.to) << c.from << " " << c.code;
        EXPECT_EQ(px, c.x);
        EXPECT_EQ(py, c.y);
        EXPECT_EQ(mask[scene][area][py / 120][px / 120], TILEFREE);
    }
}

TEST_F(World, GotoareaIgnoresCodesWithoutAWay)
{
    for (int code = 0; code <= 9; code++) {
        area = 3;
        px = py = 120;
        gotoarea(code);
        EXPECT_EQ(area, 3);
        EXPECT_EQ(px, 120);
        EXPECT_EQ(py, 120);
    }
    area = 1;
    gotoarea(TILEWALL);
    EXPECT_EQ(area, 1);
    EXPECT_EQ(px, 120);
}

TEST_F(World, CheckmoveActsOnlyOnArrivalAtAnExit)
{
    area = 0;
    px = 240;
    py = 4;  // on the way into the exit
    checkmove();
    EXPECT_EQ(area, 0);
    py = 120;  // back on floor
    checkmove();
    EXPECT_EQ(area, 0);
    py = 0;
    checkmove();
    EXPECT_EQ(area, 1);
    EXPECT_EQ(px, 240);
    EXPECT_EQ(py, 480);
}

}  // namespace
