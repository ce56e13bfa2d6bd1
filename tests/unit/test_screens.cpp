// The intro, title and ending screens, tick by tick.
#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/keys.h"
#include "engine/title.h"
#include "tests/support/headlesstest.h"

namespace {

// Starts screen T and runs its ticks until it ends, at most 200, with Up, T
// and Enter down and Space down in the ticks marked '1' in space, its last
// mark repeating; returns how many ran.
template <class T>
int ticksuntilover(const std::string &space)
{
    T::initialize();
    int n = 0;
    for (; !T::quitcondition() && n < 200; n++) {
        setkey(KEY_SPACE, space[std::min<size_t>(n, space.size() - 1)] == '1');
        setkey(KEY_UP, true), setkey(KEY_T, true), setkey(KEY_ENTER, true);
        T::logic();
    }
    releasekeys();
    return n;
}

using Screens = HeadlessTest;

// The intro lasts 102 ticks whatever is pressed, not counting those counted
// while it loaded; the title and the ending screen take only a fresh Space,
// from their 60th and 62nd tick.
TEST_F(Screens, IntroTitleAndEndingTimers)
{
    const std::string up(60, '0');
    const struct {
        int (*ticks)(const std::string &);
        std::string space;
        int expected;
    } cases[] = {
        {ticksuntilover<IntroLoop>, "1", 102},
        {ticksuntilover<TitleLoop>, "1", 200},  // held from before: never
        {ticksuntilover<TitleLoop>, "01", 60},  // released, then held
        {ticksuntilover<TitleLoop>, "0", 200},  // other keys: never
        {ticksuntilover<GameOverLoop>, "1", 200},  // held from the game: never
        {ticksuntilover<GameOverLoop>, up + "1", 200},  // pressed too early, then held
        {ticksuntilover<GameOverLoop>, up + "01", 62},
    };
    TitleLoop::spaceheld = false;  // as the title before left it
    speed_count = 7;
    for (const auto &c : cases)
        EXPECT_EQ(c.ticks(c.space), c.expected) << c.space;
    newgameending();  // a later game, whose fade's middle saw Space up; pressed early, held
    spacepressed = false;
    EXPECT_EQ(ticksuntilover<GameOverLoop>("1"), 200);
    EXPECT_EQ(speed_count, 0);  // as the intro dropped them
}

}  // namespace
