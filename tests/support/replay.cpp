// Whole-game replays from a route of held keys (see replay.h).
#include "tests/support/replay.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"
#include "tests/support/drive.h"
#include "tests/support/soundlog.h"

namespace {

using Keys = std::vector<int>;
std::string str(int n) { return std::to_string(n); }

// The ending's name, or its number when the game chose none that exists.
std::string endingname()
{
    const char *const names[] = {"NOTHOUGHT", "HOPELESS", "SUSPICION", "RESIST", "SURRENDER"};
    return endingtype >= 0 && endingtype <= 4 ? names[endingtype] : "ending " + str(endingtype);
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
    std::vector<std::string> notes;
    int gameticks = 0, closingtick = 0;  // the Space that began the last fade
    std::string music;                   // "m" and the module playing, or "silence"

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
                notes.push_back(call);
        }
    }

    // Runs screen T one tick a pass, each tick with its keys, logic and
    // frame, then watch(); false when the route ends before the screen does.
    template <class T, class Watch>
    bool run(Watch watch)
    {
        return drive<T>([] { return 1; },
                        [&] {
                            if (next == ticks.size())
                                return false;
                            for (int k : ticks[next++])
                                setkey(k, true);
                            return true;
                        },
                        [] {},
                        [&] {
                            watch();
                            listen();
                        });
    }

    bool title()
    {
        TitleLoop::initialize();
        listen();
        notes.push_back("title " + music);
        return run<TitleLoop>([&] {
            if (getpixel(buffer, 512, 384) != getpixel(titlescreen, 512, 384))
                notes.back() = "title not drawn";
        });
    }

    bool game()
    {
        GameLoop::initialize();
        listen();
        notes.push_back("game " + music);
        bool wastalk = talkmode, wasthink = false, wasend = false, wasfade = false;
        int clear = 0, desire = 0;
        Actors who = actorconv;
        const char *kind = "";
        gameticks = 0;
        return run<GameLoop>([&] {
            gameticks++;
            if (wasend && !sceneend) {
                std::string to = overatfade ? endingname() : "scene " + str(scene);
                if (!overatfade && endingtype >= 0)
                    to += " " + endingname();
                notes.push_back("fade " + str(fadecounter) + " c" + str(clear) + " d" + str(desire) +
                                " -> " + to);
            }
            if ((talkmode && !wastalk) || (thinkmode && !wasthink))
                who = actorconv, kind = sexthoughts > desire ? " desire" : " clear";
            if (wastalk && !talkmode)
                notes.push_back("talk " + actorname(who) + " " + str(linenumber));
            if (wasthink && !thinkmode)
                notes.push_back("think " + actorname(who) + " " + str(linenumber) + kind);
            if (fade && !wasfade)
                closingtick = gameticks;
            if (wasfade && !fade)
                notes.push_back("scene " + str(scene) + " area " + str(area) + " at " + str(px) + "," +
                                str(py) + " " + music);
            wastalk = talkmode, wasthink = thinkmode, wasend = sceneend, wasfade = fade;
            clear = clearthoughts, desire = sexthoughts;
        });
    }

    bool ending()
    {
        GameOverLoop::initialize();
        int n = 0;
        bool done = run<GameOverLoop>([&] {
            if (++n == 1)
                notes.push_back("ending " + endingname() + " +" + str(gameticks - closingtick) + " " + music);
        });
        if (done)
            notes.push_back("left at " + str(n));
        return done;
    }
};

}  // namespace

std::vector<std::string> replay(const std::string &route)
{
    recordsound();
    quit = false;
    playmusic(0);  // where the intro leaves the music
    Player p;
    p.ticks = expand(route);
    for (;;) {
        const char *where = !p.title() ? "title" : !p.game() ? "game" : !p.ending() ? "ending" : nullptr;
        if (where) {
            p.notes.push_back(std::string("ends on ") + where);
            releasekeys();
            return p.notes;
        }
        playmusic(0);
    }
}
