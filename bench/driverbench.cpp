// driverbench: the real screen driver on a real X display. Starts up as the
// game does, notes when the first intro frame is on the screen, then runs
// the driver for 10 seconds over a bare screen (the area picture copied to
// the buffer and the buffer to the screen) and 10 seconds over the game
// screen with the detective walking, counting frames and ticks of each.
// Run by bench/driverbench.sh from a folder holding the game's data.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <allegro.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/startup.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"

namespace {

const int TICKS = 600;  // 10 seconds of each screen

double now()
{
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

int ticks, frames;

// Counts ticks and frames of a screen class and ends it after TICKS ticks.
template <class T>
struct Measured {
    static void initialize()
    {
        T::initialize();
        ticks = frames = 0;
    }
    static bool quitcondition() { return T::quitcondition() || ticks >= TICKS; }
    static void logic()
    {
        T::logic();
        ticks++;
    }
    static void draw()
    {
        T::draw();
        frames++;
    }
};

// The floor of a pass: the area picture into the buffer (the driver then
// copies the buffer to the screen and polls the music).
struct Bare {
    static void initialize() {}
    static bool quitcondition() { return false; }
    static void logic() {}
    static void draw() { blit(maps[2], buffer, 0, 0, 0, 0, SCREENW, SCREENH); }
};

// The game screen in scene 0's bar, the detective walking two cells right
// and back, over and over, clear of the persons.
struct Walking {
    static void initialize()
    {
        GameLoop::initialize();
        talkmode = false;
        area = 2;
        px = 240;
        py = 360;
    }
    static bool quitcondition() { return GameLoop::quitcondition(); }
    static void logic()
    {
        bool right = ticks % 120 < 60;
        key[KEY_RIGHT] = right;
        key[KEY_LEFT] = !right;
        GameLoop::logic();
    }
    static void draw() { GameLoop::draw(); }
};

// Ends the intro once its first frame is on the screen.
struct FirstIntroFrame {
    static double shown;
    static void initialize() { IntroLoop::initialize(); }
    static bool quitcondition()
    {
        if (frames == 0)
            return false;
        shown = now();
        return true;
    }
    static void logic() { IntroLoop::logic(); }
    static void draw()
    {
        IntroLoop::draw();
        frames++;
    }
};
double FirstIntroFrame::shown;

// Runs a screen for TICKS ticks; prints frames per tick and ticks per second.
template <class T>
double run(const char *name)
{
    double start = now();
    loop<Measured<T>>();
    double seconds = now() - start;
    double perTick = double(frames) / ticks;
    printf("%-6s %d frames, %d ticks in %.3f s: %.2f frames per tick, %.2f ticks per second, "
           "%+d ticks against the clock\n",
           name, frames, ticks, seconds, perTick, ticks / seconds,
           ticks - int(seconds * 60 + 0.5));
    return perTick;
}

}  // namespace

int main(int, char **)
{
    init();
    loop<FirstIntroFrame>();
    printf("firstframe %.3f\n", FirstIntroFrame::shown);

    double bare = run<Bare>("bare");
    double game = run<Walking>("game");
    printf("game/bare %.3f frames per tick (target >= 0.9)\n", game / bare);
    return 0;
}
END_OF_MAIN()
