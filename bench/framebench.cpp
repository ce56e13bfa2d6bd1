// framebench: what one frame costs in each state of the game screen and on
// the ending screen (the frame drawn into the back buffer and copied to the
// screen), beside the floor of two full-screen blits, and how many heap
// allocations a frame makes. Headless: the screen is a memory bitmap. Uses
// the data tool's pictures from the build folder when they are there.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include <allegro.h>
#include <benchmark/benchmark.h>

#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/text.h"
#include "engine/world.h"
#include "script.h"
#include "tests/support/allocations.h"
#include "tests/support/headless.h"

namespace {

// 159 characters that wrap to the eight rows a box can hold.
const char *const LONGLINE =
    "The lamp by the gate was out when we came, and the gravel still held the "
    "marks of a man who ran north to the pond just before the rain began at two.";

bool realpictures = false;

void setup()
{
    headless_start();
    if (access(DATADIR "/bmp/sprites.bmp", R_OK) == 0 && chdir(DATADIR) == 0) {
        std::string why = load_pictures();
        if (!why.empty()) {
            fprintf(stderr, "framebench: %s\n", why.c_str());
            exit(1);
        }
        realpictures = true;
    }
    if (wraptext(std::string(LONGLINE) + " ", 20).size() != 8) {
        fprintf(stderr, "framebench: the long line does not wrap to 8 rows\n");
        exit(1);
    }
    GameLoop::initialize();
    buildscript({{FRIEND, {{FRIEND, LONGLINE}}, {LONGLINE}, {LONGLINE}}});
}

// The walking state in one of the bars: scene 0's with two persons, the T
// marker shown, or scene 1's with four.
void walking(int inscene = 0)
{
    scene = inscene;
    area = 2;
    px = 360;
    py = 240;
    talkmode = thinkmode = fade = false;
    actorconv = FRIEND;
    thoughtabout[FRIEND] = false;
    talkedto[SUSPECT] = false;
    linenumber = 0;
}

// The floor: the area picture copied to the buffer and the buffer to the screen.
void floorpass()
{
    blit(maps[2], buffer, 0, 0, 0, 0, SCREENW, SCREENH);
    blit(buffer, screen, 0, 0, 0, 0, SCREENW, SCREENH);
}

// One pass of the driver without its music poll: the frame and the copy.
template <void (*draw)()>
void pass()
{
    draw();
    blit(buffer, screen, 0, 0, 0, 0, SCREENW, SCREENH);
}

void memcpypass()
{
    static std::vector<char> a(SCREENW * SCREENH * 4, 1), b(a.size()), c(a.size());
    memcpy(b.data(), a.data(), a.size());
    memcpy(c.data(), b.data(), b.size());
}

double seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Times the floor and a pass in turns, so that both meet the machine in the
// same mood. Keeps the fastest of each (the cost with nothing in the way),
// the median of the ratios of the pairs, and the allocations per pass; the
// first pass, which may set up what the state keeps, is left out.
void measure(benchmark::State &state, void (*pass)())
{
    pass();
    std::vector<double> floors, passes, ratios;
    floors.reserve(state.max_iterations);
    passes.reserve(state.max_iterations);
    ratios.reserve(state.max_iterations);
    long allocated = 0;
    for (auto _ : state) {
        double t0 = seconds();
        floorpass();
        benchmark::ClobberMemory();
        double t1 = seconds();
        long before = allocations();
        pass();
        benchmark::ClobberMemory();
        allocated += allocations() - before;
        double t2 = seconds();
        floors.push_back(t1 - t0);
        passes.push_back(t2 - t1);
        ratios.push_back(passes.back() / floors.back());
    }
    double bestpass = *std::min_element(passes.begin(), passes.end()),
           bestfloor = *std::min_element(floors.begin(), floors.end());
    state.counters["us"] = bestpass * 1e6;
    state.counters["floor_us"] = bestfloor * 1e6;
    state.counters["min_x"] = bestpass / bestfloor;
    state.counters["median_x"] = median(ratios);
    state.counters["allocs"] = double(allocated) / passes.size();
}

void BM_Memcpy(benchmark::State &state)
{
    measure(state, memcpypass);
}

void BM_Floor(benchmark::State &state)
{
    measure(state, floorpass);
}

void BM_Walking(benchmark::State &state)
{
    walking();
    measure(state, pass<GameLoop::draw>);
}

void BM_FourPersons(benchmark::State &state)
{
    walking(1);
    measure(state, pass<GameLoop::draw>);
}

void BM_Conversation(benchmark::State &state)
{
    walking();
    talkmode = true;
    measure(state, pass<GameLoop::draw>);
}

void BM_Thought(benchmark::State &state)
{
    walking();
    thinkmode = true;
    measure(state, pass<GameLoop::draw>);
}

// The band phase: the bands land on what the buffer held.
void BM_Bands(benchmark::State &state)
{
    walking();
    fade = true;
    fadecounter = 135;
    measure(state, pass<GameLoop::draw>);
}

// The curtain phase with the curtain over nearly the whole screen.
void BM_Curtain(benchmark::State &state)
{
    walking();
    fade = true;
    fadecounter = 89;
    measure(state, pass<GameLoop::draw>);
}

// The ending screen with the longest of the ending texts.
void BM_Ending(benchmark::State &state)
{
    endingtype = ENDINGSUSPICION;
    measure(state, pass<GameOverLoop::draw>);
}

// Keeps each benchmark's counters for the summary.
class Summary : public benchmark::ConsoleReporter {
public:
    std::map<std::string, benchmark::UserCounters> counters;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs)
            counters[r.run_name.function_name] = r.counters;
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

#define FRAMEBENCH(f) BENCHMARK(f)->Unit(benchmark::kMicrosecond)->MinTime(1.0)

FRAMEBENCH(BM_Memcpy);
FRAMEBENCH(BM_Floor);
FRAMEBENCH(BM_Walking);
FRAMEBENCH(BM_FourPersons);
FRAMEBENCH(BM_Conversation);
FRAMEBENCH(BM_Thought);
FRAMEBENCH(BM_Bands);
FRAMEBENCH(BM_Curtain);
FRAMEBENCH(BM_Ending);

// Prints the summary: each state against the floor, with its target where
// it has one (the targets are reported, not enforced), and always exits 0.
int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    setup();
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);

    struct { const char *name, *what; double target; } rows[] = {
        {"BM_Memcpy", "2x 3 MiB memcpy (reference)", 0},
        {"BM_Floor", "floor against itself (noise)", 0},
        {"BM_Walking", "walking, bar, two persons, T", 1.06},
        {"BM_FourPersons", "walking, bar, four persons", 1.06},
        {"BM_Conversation", "conversation box, 8 rows", 1.12},
        {"BM_Thought", "thought box, 8 rows", 1.12},
        {"BM_Bands", "band phase", 0},
        {"BM_Curtain", "curtain phase (89)", 0},
        {"BM_Ending", "ending screen, longest text", 1.05},
    };
    printf("\nframe = the screen's draw + the copy of the buffer to the screen, timed in\n"
           "turns with the floor (two full-screen blits); min: fastest frame over fastest\n"
           "floor; median: of the ratios of the pairs; %s pictures; zero allocations\n"
           "per frame wanted in every state\n",
           realpictures ? "the data tool's" : "stand-in");
    printf("%-30s %9s %9s %7s %8s %7s %8s\n", "", "frame us", "floor us", "min x", "median x",
           "target", "allocs");
    for (auto &r : rows) {
        if (!summary.counters.count(r.name))
            continue;
        benchmark::UserCounters &c = summary.counters[r.name];
        char target[16] = "";
        if (r.target > 0)
            snprintf(target, sizeof target, "<= %.2f", r.target);
        bool missed = (r.target > 0 && c["median_x"] > r.target) || c["allocs"] > 0;
        printf("%-30s %9.1f %9.1f %7.3f %8.3f %7s %8.2f%s\n", r.what, double(c["us"]),
               double(c["floor_us"]), double(c["min_x"]), double(c["median_x"]), target,
               double(c["allocs"]), missed ? "  missed" : "");
    }
    return 0;
}
