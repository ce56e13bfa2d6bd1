// The screen driver: the music is refilled once a pass, due ticks run back
// to back before each frame, Esc is seen only at a tick, a screen ends only
// at the top of a pass, and the frame reaches the screen.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "engine/driver.h"
#include "tests/support/headless.h"

namespace {

// A screen that records what the driver does to it.
struct Probe {
    static inline std::string trace;
    static inline int ticksatinit, framesleft;  // it ends after that many frames
    static inline bool endinlogic;
    static void initialize()
    {
        trace += "i";
        for (int i = 0; i < ticksatinit; i++)
            increment_speed_counter();  // as the timer thread would
    }
    static bool quitcondition() { return quit || framesleft <= 0; }
    static void logic() { trace += "l", framesleft = endinlogic ? 0 : framesleft; }
    static void draw() { trace += "d", framesleft--; }
};

// Esc, or a stop signal caught, is seen at a tick.
TEST(Driver, TicksCatchUpBeforeEachFrameAndEscOrAStopSignalIsSeenOnlyAtTicks)
{
    headless_start();
    catchstopsignals();
    soundcalls.poll = [](AL_DUH_PLAYER *) { return Probe::trace += "p", 0; };
    const struct {
        int ticks, frames;
        bool endinlogic, esc;  // Esc held, or the signal raised
        const char *trace;
        int signal = 0;
    } cases[] = {
        {3, 2, false, false, "ipllldpd"},  // due ticks back to back, then the frame
        {2, 0, false, false, "i"},         // over before the first pass: nothing runs
        {3, 5, true, false, "ipllld"},     // over inside a tick: the due ticks and one frame still run
        {2, 5, false, true, "iplld"},      // Esc at a tick: quit, after that pass
        {0, 3, false, true, "ipdpdpd"},    // Esc while no tick is due: not seen
        {2, 5, false, true, "iplld", SIGTERM},
    };
    for (const auto &c : cases) {
        quit = stoprequested = false;
        speed_count = 0;
        Probe::trace.clear();
        Probe::ticksatinit = c.ticks, Probe::framesleft = c.frames, Probe::endinlogic = c.endinlogic;
        setkey(KEY_ESC, c.esc && !c.signal);
        if (c.signal)
            raise(c.signal);
        clear_to_color(buffer, makecol(1, 2, 3));
        clear_to_color(screen, makecol(0, 0, 0));
        loop<Probe>();
        EXPECT_EQ(Probe::trace, c.trace);
        EXPECT_EQ(quit, c.esc && c.ticks > 0) << c.trace;
        EXPECT_EQ(getpixel(screen, 1023, 767), c.frames ? makecol(1, 2, 3) : 0) << c.trace;
    }
}

}  // namespace
