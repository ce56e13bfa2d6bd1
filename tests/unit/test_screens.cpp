// The intro, title and ending screens, tick by tick.
#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/title.h"
#include "tests/support/headlesstest.h"

namespace {

// Runs ticks of screen T until it ends or the limit passes and returns how
// many; Space is down in the ticks marked '1' in space, its last mark repeating.
template <class T>
int ticksuntilover(const std::string &space, int limit)
{
    int n = 0;
    for (; !T::quitcondition() && n < limit; n++) {
        setkey(KEY_SPACE, space[std::min<size_t>(n, space.size() - 1)] == '1');
        T::logic();
    }
    releasekeys();
    return n;
}

using Screens = HeadlessTest;

TEST_F(Screens, IntroLastsExactly102TicksWhateverIsPressed)
{
    speed_count = 7;
    IntroLoop::initialize();
    EXPECT_EQ(speed_count, 0);  // ticks counted while loading are dropped
    setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<IntroLoop>("1", 1000), 102);
}

TEST_F(Screens, TitleStartsOnAFreshSpaceFromItsSixtiethTick)
{
    TitleLoop::spaceheld = false;  // as the title before left it
    TitleLoop::initialize();
    EXPECT_EQ(ticksuntilover<TitleLoop>("1", 200), 200);  // held from before: never
    EXPECT_EQ(ticksuntilover<TitleLoop>("01", 200), 2);
    TitleLoop::initialize();
    EXPECT_EQ(ticksuntilover<TitleLoop>("01", 200), 60);  // released, then held
    TitleLoop::initialize();
    setkey(KEY_UP, true), setkey(KEY_T, true), setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<TitleLoop>("0", 300), 300);
}

TEST_F(Screens, EndingScreenTakesAFreshSpaceFromItsSixtySecondTick)
{
    const std::string up(60, '0');
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>("1", 200), 200);  // held from the game: never
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>(up + "1", 200), 200);  // pressed too early, then held
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>(up + "01", 200), 62);
    EXPECT_TRUE(warover);
}

}  // namespace
