// The intro, title and ending screens, tick by tick.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/pictures.h"
#include "engine/sound.h"
#include "engine/title.h"
#include "engine/walk.h"
#include "tests/support/headless.h"

namespace {

class Screens : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        releasekeys();
        quit = warover = false;
    }
};

// Runs ticks of a screen until it ends or the limit passes; returns how many.
template <class T>
int ticksuntilover(int limit)
{
    int n = 0;
    while (!T::quitcondition() && n < limit) {
        T::logic();
        n++;
    }
    return n;
}

TEST_F(Screens, IntroLastsExactly102TicksWhateverIsPressed)
{
    speed_count = 7;
    IntroLoop::initialize();
    EXPECT_EQ(speed_count, 0);  // ticks counted while loading are dropped
    EXPECT_EQ(musicindex, 0);
    setkey(KEY_SPACE, true);
    setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<IntroLoop>(1000), 102);
}

TEST_F(Screens, IntroDrawsItsPicture)
{
    IntroLoop::draw();
    EXPECT_EQ(getpixel(buffer, 512, 384), getpixel(introscreen, 512, 384));
}

TEST_F(Screens, TitleWantsAFreshSpaceAfterSixtyTicks)
{
    TitleLoop::initialize();
    setkey(KEY_SPACE, true);  // held from before the title: never starts
    EXPECT_EQ(ticksuntilover<TitleLoop>(200), 200);
    setkey(KEY_SPACE, false);
    TitleLoop::logic();
    setkey(KEY_SPACE, true);
    TitleLoop::logic();
    EXPECT_TRUE(TitleLoop::begin);
}

TEST_F(Screens, TitleSpaceReleasedThenHeldStartsAtTheSixtiethTick)
{
    TitleLoop::initialize();
    TitleLoop::logic();  // tick 1: Space seen up
    setkey(KEY_SPACE, true);
    EXPECT_EQ(ticksuntilover<TitleLoop>(200), 59);  // ticks 2 to 60
}

TEST_F(Screens, TitleIgnoresOtherKeys)
{
    TitleLoop::initialize();
    setkey(KEY_UP, true);
    setkey(KEY_T, true);
    setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<TitleLoop>(300), 300);
}

TEST_F(Screens, EndingTextsHaveTheirLengths)
{
    EXPECT_EQ(strlen(endingtexts[ENDINGNOTHOUGHT]), 47u);
    EXPECT_EQ(strlen(endingtexts[ENDINGHOPELESS]), 117u);
    EXPECT_EQ(strlen(endingtexts[ENDINGSUSPICION]), 175u);
    EXPECT_STREQ(endingtexts[ENDINGRESIST], "");
    EXPECT_STREQ(endingtexts[ENDINGSURRENDER], "");
    EXPECT_EQ(endingtexts[5], nullptr);
    EXPECT_EQ(endingtexts[6], nullptr);
    // Two spaces after the first sentence of the hopeless ending, and the
    // suspicion ending opens with the suspect's name alone.
    EXPECT_NE(strstr(endingtexts[ENDINGHOPELESS], ".  "), nullptr);
    EXPECT_EQ(strncmp(endingtexts[ENDINGSUSPICION], "Lucien.  ", 9), 0);
}

TEST_F(Screens, EndingScreenEndsAtTheSixtySecondTickAtTheEarliest)
{
    GameOverLoop::initialize();
    setkey(KEY_SPACE, true);  // held from the game screen
    for (int i = 0; i < 61; i++)
        GameOverLoop::logic();
    EXPECT_FALSE(warover);
    setkey(KEY_SPACE, false);
    GameOverLoop::initialize();
    for (int i = 0; i < 60; i++)
        GameOverLoop::logic();
    GameOverLoop::logic();  // tick 61: up
    setkey(KEY_SPACE, true);
    GameOverLoop::logic();  // tick 62: down
    EXPECT_TRUE(warover);
    EXPECT_TRUE(GameOverLoop::quitcondition());
}

TEST_F(Screens, EndingScreenShowsItsTextOrNothing)
{
    const int white = makecol(255, 255, 255);
    auto whiteinside = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++)
                n += getpixel(buffer, x, y) == white;
        return n;
    };
    endingtype = ENDINGSUSPICION;
    GameOverLoop::draw();
    EXPECT_GT(whiteinside(450, 380, 609, 387), 0);
    EXPECT_EQ(whiteinside(0, 0, 449, 767), 0);
    endingtype = ENDINGRESIST;
    GameOverLoop::draw();
    EXPECT_EQ(whiteinside(0, 0, 1023, 767), 0);
    endingtype = -1;  // never drawn in play; must not read outside the table
    GameOverLoop::draw();
    EXPECT_EQ(whiteinside(0, 0, 1023, 767), 0);
}

}  // namespace
