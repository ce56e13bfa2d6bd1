// Start-up: its library calls in order with their arguments, the display
// modes it tries, and what it says, with status 1, when it cannot start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "engine/driver.h"
#include "engine/startup.h"
#include "tests/support/headless.h"

namespace {

std::string calls;      // heard so far, each followed by "; "
int started, refusals;  // what allegro_init gives; display modes refused before one is set

int heard(const std::string &call, int result = 0)
{
    calls += call + "; ";
    return result;
}

const StartupCalls recorders = {
    [] { return heard("allegro_init", started); },
    [] { heard("init_sound"); },
    [](int depth) { heard("set_color_depth " + std::to_string(depth)); },
    [] { return heard("install_keyboard"); },
    [] { return heard("install_timer"); },
    [](void (*callback)(), long period) {
        return heard(std::string("install_int_ex ") + (callback == increment_speed_counter ? "tick " : "? ") +
                     std::to_string(period));
    },
    [](int card, int w, int h, int vw, int vh) {
        char call[64];
        snprintf(call, sizeof call, "set_gfx_mode %s %dx%d %dx%d",
                 card == GFX_AUTODETECT_FULLSCREEN ? "full screen"
                 : card == GFX_AUTODETECT_WINDOWED ? "windowed" : "other", w, h, vw, vh);
        return heard(call, refusals-- > 0 ? -1 : 0);
    },
    [](StepDone) { return heard("pictures"), std::string(); },
};

// Puts the recorders in place, the library started headless for the rest.
void startwith(int result, int refused)
{
    headless_start();
    startupcalls = recorders;
    calls.clear();
    started = result, refusals = refused;
}

// The colour depth comes before the display and the pictures, which take
// theirs from it; the clock ticks 60 times a second (19886 periods of
// Allegro's 1193181 Hz clock); a refused full screen falls back to a window.
TEST(Startup, ColourDepthBeforeTheDisplayClockAtSixtyHertzFullScreenFirst)
{
    const std::string before = "allegro_init; init_sound; set_color_depth 32; install_keyboard; "
                               "install_timer; install_int_ex tick 19886; ";
    const std::string full = "set_gfx_mode full screen 1024x768 0x0; ";
    for (int refused : {0, 1}) {
        startwith(0, refused);
        init();
        EXPECT_EQ(calls, before + full + (refused ? "set_gfx_mode windowed 1024x768 0x0; " : "") +
                             "pictures; ");
    }
}

// Each row: what allegro_init gives, allegro_error, DISPLAY (null: unset),
// the display modes refused, and what the game says.
TEST(StartupDeathTest, SaysWhyItCannotStartAndEndsWithStatusOne)
{
    const struct { int started; const char *error, *display; int refused; const char *says; } cases[] = {
        {-1, "", nullptr, 0, "DISPLAY is not set"},
        {-1, "", "", 0, "DISPLAY is not set"},
        {-1, "", ":7", 0, "cannot open the X display \":7\""},
        {-1, "no system driver", ":7", 0, "cannot start Allegro: no system driver"},
        {0, "mode refused", ":7", 2, "cannot open a 1024x768 display.*mode refused"},
    };
    for (const auto &c : cases) {
        EXPECT_EXIT(
            {
                startwith(c.started, c.refused);
                snprintf(allegro_error, ALLEGRO_ERROR_SIZE, "%s", c.error);
                c.display ? setenv("DISPLAY", c.display, 1) : unsetenv("DISPLAY");
                init();
            },
            testing::ExitedWithCode(1), c.says);
    }
}

}  // namespace
