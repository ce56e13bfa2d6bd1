// The screen driver: ticks run in catch-up before each frame, Esc is seen
// at ticks, and a screen ends only at the top of a pass.
#include <gtest/gtest.h>

#include <string>

#include "engine/driver.h"
#include "tests/support/headless.h"

namespace {

// A screen that records what the driver does to it.
struct Probe {
    static std::string trace;
    static int framesleft;  // the screen ends after this many frames
    static int ticksatinit;  // ticks to add during initialize
    static bool endinlogic;
    static void initialize()
    {
        trace += "i";
        speed_count += ticksatinit;
    }
    static bool quitcondition() { return quit || framesleft <= 0; }
    static void logic()
    {
        trace += "l";
        if (endinlogic)
            framesleft = 0;
    }
    static void draw()
    {
        trace += "d";
        framesleft--;
    }
};
std::string Probe::trace;
int Probe::framesleft;
int Probe::ticksatinit;
bool Probe::endinlogic;

class Driver : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless_start();
        quit = false;
        speed_count = 0;
        Probe::trace.clear();
        Probe::framesleft = 1;
        Probe::ticksatinit = 0;
        Probe::endinlogic = false;
    }
};

TEST_F(Driver, PendingTicksRunBackToBackBeforeTheFrame)
{
    Probe::ticksatinit = 3;
    Probe::framesleft = 2;
    loop<Probe>();
    EXPECT_EQ(Probe::trace, "illldd");
    EXPECT_EQ(speed_count, 0);
}

TEST_F(Driver, QuitAfterInitializeRunsNothing)
{
    Probe::framesleft = 0;
    Probe::ticksatinit = 2;
    loop<Probe>();
    EXPECT_EQ(Probe::trace, "i");
    EXPECT_EQ(speed_count, 2);
    speed_count = 0;
}

TEST_F(Driver, EndInsideLogicStillRunsTheOtherTicksAndOneFrame)
{
    Probe::ticksatinit = 3;
    Probe::framesleft = 5;
    Probe::endinlogic = true;
    loop<Probe>();
    EXPECT_EQ(Probe::trace, "illld");
}

TEST_F(Driver, EscSetsQuitBeforeTheTicksLogic)
{
    Probe::ticksatinit = 2;
    Probe::framesleft = 5;
    setkey(KEY_ESC, true);
    loop<Probe>();
    setkey(KEY_ESC, false);
    EXPECT_TRUE(quit);
    EXPECT_EQ(Probe::trace, "illd");
}

TEST_F(Driver, EscBetweenTicksIsNotSeen)
{
    Probe::framesleft = 3;
    setkey(KEY_ESC, true);  // down while no tick is due
    // The driver only looks at Esc inside the catch-up; with no tick due
    // the passes draw without looking.
    loop<Probe>();
    setkey(KEY_ESC, false);
    EXPECT_FALSE(quit);
    EXPECT_EQ(Probe::trace, "iddd");
}

TEST_F(Driver, TheFrameReachesTheScreen)
{
    clear_to_color(screen, makecol(0, 0, 0));
    clear_to_color(buffer, makecol(1, 2, 3));
    loop<Probe>();
    EXPECT_EQ(getpixel(screen, 1023, 767), makecol(1, 2, 3));
}

TEST(Clock, TheCallbackOnlyCounts)
{
    speed_count = 0;
    for (int i = 0; i < 5; i++)
        increment_speed_counter();
    EXPECT_EQ(speed_count, 5);
    speed_count = 0;
}

}  // namespace
