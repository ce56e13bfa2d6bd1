// Whole-game replays from a route of held keys (see replay.h).
#include "tests/support/replay.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <stdexcept>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/screens.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"
#include "tests/support/headless.h"
#include "tests/support/soundlog.h"

namespace {

using Keys = std::vector<int>;
std::string str(int n) { return std::to_string(n); }

// The ending's name, or its number when the game chose none that exists.
std::string endingname()
{
    const char *const names[] = {"NOTHOUGHT", "HOPELESS", "SUSPICION", "RESIST", "SURRENDER"};
    return endingtype >= 0 && endingtype <= 4 ? names[endingtype] : str(endingtype);
}

// One entry per tick: the keys held in it.
std::vector<Keys> expand(const std::string &route)
{
    std::vector<Keys> ticks;
    auto hold = [&](Keys keys, int n) { ticks.insert(ticks.end(), n, keys); };
    auto page = [&](int n) {
        for (int i = 0; i < n; i++)
            hold({}, 1), hold({KEY_SPACE}, 1);
    };
    const char *const moves = "UDLRudlr";
    const int arrows[] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
    std::istringstream in(route);
    for (std::string m; in >> m;) {
        int n = m.size() > 1 ? std::stoi(m.substr(1)) : 1;
        const char *d = std::strchr(moves, m[0]);
        if (d && d - moves < 4)
            hold({arrows[d - moves]}, 30 * n);
        else if (d || m[0] == 'T')
            hold({d ? arrows[d - moves - 4] : KEY_T}, 1), page(n);
        else if (m[0] == 'P')
            page(n);
        else if (m[0] == 'S' || m[0] == '.')
            hold(m[0] == 'S' ? Keys{KEY_SPACE} : Keys{}, n);
        else
            ADD_FAILURE() << "bad move in route: " << m;
    }
    return ticks;
}

struct Player {
    std::vector<Keys> ticks;
    size_t next = 0;
    std::string notes;
    int gameticks = 0, closingtick = 0;  // the Space that began the last fade, or the game's start
    std::string music;                   // "m" and the module playing, or "silence"
    const char *screen = "";             // the screen running
    std::string quiton;                  // the screen on which the route ran out
    int afterquit = 0;                   // screens started after Esc: no more than a cycle's three

    void note(const std::string &what) { notes += (notes.empty() ? "" : "; ") + what; }

    // Follows the music through the calls the recorder heard; every sample
    // played is a note of its own.
    void listen()
    {
        for (const std::string &call : takesound()) {
            if (call.compare(0, 6, "start ") == 0)
                music = "m" + call.substr(6, call.find(' ', 6) - 6);
            else if (call.compare(0, 5, "stop ") == 0)
                music = "silence";
            else
                note(call);
        }
    }

    // Runs screen T from its start as the driver does, one tick a pass with
    // its keys, then a frame and watch(); notes what started, with the music
    // then. Where the route runs out, Esc sets quit.
    template <class T, class Watch>
    void run(const char *name, const std::string &started, Watch watch)
    {
        if (quit && ++afterquit > 3)
            throw std::runtime_error("the screens go on after Esc");
        screen = name;
        T::initialize();
        listen();
        note(started + " " + music);
        while (!T::quitcondition()) {
            releasekeys();
            if (next < ticks.size())
                for (int k : ticks[next++])
                    setkey(k, true);
            else if (quit)
                throw std::runtime_error(std::string(screen) + " runs on after Esc");
            else
                quit = true, quiton = screen;
            T::logic();
            T::draw();
            watch();
            listen();
        }
    }

    void game()
    {
        bool wastalk = true, wasthink = false, wasend = false;  // a game opens on the briefing
        int clear = 0, desire = 0;
        Actors who = SERGEANT;
        const char *kind = "";
        gameticks = closingtick = 0;
        run<GameLoop>("game", "game", [&] {
            gameticks++;
            if (wasend && !sceneend) {
                std::string to = overatfade ? endingname() : "scene " + str(scene);
                if (!overatfade && endingtype >= 0)
                    to += " " + endingname();
                note("fade " + str(fadecounter) + " c" + str(clear) + " d" + str(desire) + " -> " + to);
            }
            if ((talkmode && !wastalk) || (thinkmode && !wasthink))
                who = actorconv, kind = sexthoughts > desire ? " desire" : " clear";
            if (wastalk && !talkmode)
                note("talk " + actorname(who) + " " + str(linenumber));
            if (wasthink && !thinkmode)
                note("think " + actorname(who) + " " + str(linenumber) + kind);
            if (sceneend && !wasend)
                closingtick = gameticks;
            wastalk = talkmode, wasthink = thinkmode, wasend = sceneend;
            clear = clearthoughts, desire = sexthoughts;
        });
    }

    void ending()
    {
        int n = 0;
        run<GameOverLoop>("ending", "ending " + endingname() + " +" + str(gameticks - closingtick),
                          [&] { n++; });
        if (warover)
            note("left at " + str(n));
    }
};

Player *player;  // the game being replayed, for the screen runners
const ScreenRunners runners = {[] { player->run<IntroLoop>("intro", "intro", [] {}); },
                               [] { player->run<TitleLoop>("title", "title", [] {}); },
                               [] { player->game(); }, [] { player->ending(); }};

}  // namespace

std::string replay(const std::string &route)
{
    recordsound();
    quit = false;
    newgameending();  // the intro ends on a left ending screen too
    Player p;
    p.ticks = expand(route);
    player = &p;
    runscreens(runners);
    p.listen();
    p.note("quit on " + p.quiton + " " + p.music);
    releasekeys();
    return p.notes;
}
