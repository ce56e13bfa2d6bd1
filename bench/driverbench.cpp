// driverbench: the real screen driver on a real X display, started up as the
// game starts. "driverbench startup" times each start-up step and the first
// intro frame on the screen, from the moment in $LAUNCHED (seconds since the
// epoch, taken just before the program was started), and exits. With no
// argument it runs the driver over a bare screen (the area picture copied to
// the buffer and the buffer to the screen) and over the game screen with the
// detective walking, in alternating one-second slices, and compares their
// frames per tick. Run by bench/driverbench.sh from a folder holding the data.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <allegro.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/pictures.h"
#include "engine/startup.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"

namespace {

const int SLICE = 60;   // ticks in a slice: one second
const int SLICES = 15;  // slices of each screen

double now()
{
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double launched;

// Prints how long after the launch a start-up step ended.
void stepdone(const char *step)
{
    printf("step\t%s\t%.1f\n", step, (now() - launched) * 1e3);
}

int ticks, frames;

// Counts ticks and frames of a screen class and ends it after a slice.
template <class T>
struct Measured {
    static void initialize()
    {
        T::initialize();
        ticks = frames = 0;
    }
    static bool quitcondition() { return T::quitcondition() || ticks >= SLICE; }
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
// and back, over and over, clear of the persons; the game is set up once,
// and each slice goes on where the last one stopped.
struct Walking {
    static int step;
    static void initialize() {}
    static bool quitcondition() { return GameLoop::quitcondition(); }
    static void logic()
    {
        bool right = step++ % 120 < 60;
        key[KEY_RIGHT] = right;
        key[KEY_LEFT] = !right;
        GameLoop::logic();
    }
    static void draw() { GameLoop::draw(); }
};
int Walking::step;

// Ends the intro once its first frame is on the screen.
struct FirstIntroFrame {
    static void initialize() { IntroLoop::initialize(); }
    static bool quitcondition() { return frames > 0; }
    static void logic() { IntroLoop::logic(); }
    static void draw()
    {
        IntroLoop::draw();
        frames++;
    }
};

// Runs a slice of a screen; returns its frames per tick and adds its ticks
// and seconds to the totals.
template <class T>
double slice(int &alltics, double &allseconds)
{
    double start = now();
    loop<Measured<T>>();
    alltics += ticks;
    allseconds += now() - start;
    return double(frames) / ticks;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv)
{
    const char *at = getenv("LAUNCHED");
    launched = at ? atof(at) : now();
    const bool startup = argc > 1 && strcmp(argv[1], "startup") == 0;
    init(startup ? stepdone : nostep);
    if (startup) {
        loop<FirstIntroFrame>();  // the driver's blit has put it on the screen
        stepdone("first intro frame");
        return 0;
    }

    GameLoop::initialize();
    talkmode = false;
    area = 2;
    px = 240;
    py = 360;
    std::vector<double> bare, game, ratio;
    int alltics = 0;
    double allseconds = 0;
    for (int i = 0; i < SLICES; i++) {
        bare.push_back(slice<Bare>(alltics, allseconds));
        game.push_back(slice<Walking>(alltics, allseconds));
        ratio.push_back(game.back() / bare.back());
    }
    printf("bare   %.1f frames per tick, median of %d one-second slices\n", median(bare), SLICES);
    printf("game   %.1f frames per tick, walking in the bar\n", median(game));
    printf("game/bare %.3f median, %.3f to %.3f over the pairs of slices (target >= 0.95)\n",
           median(ratio), *std::min_element(ratio.begin(), ratio.end()),
           *std::max_element(ratio.begin(), ratio.end()));
    printf("clock  %d ticks in %.3f s: %.2f ticks per second\n", alltics, allseconds,
           alltics / allseconds);
    return 0;
}
END_OF_MAIN()
