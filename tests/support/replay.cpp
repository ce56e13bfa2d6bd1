// Whole-game replays from a walkthrough of held keys (see replay.h).
#include "tests/support/replay.h"

#include <gtest/gtest.h>

#include <allegro.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/pictures.h"
#include "engine/sound.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"
#include "tests/support/headless.h"

namespace {

const int CELLTICKS = 30;  // ticks to walk from one cell to the next

const char *const actornames[] = {"DETECTIVE", "FRIEND",       "BARMAN",        "CLUBBER", "SERGEANT",
                                  "SUSPECT",   "VICTIM",       "SERGEANTSTAY",  "SERGEANTLEAVE",
                                  "NOACTOR"};
const char *const endingnames[] = {"ENDINGNOTHOUGHT", "ENDINGHOPELESS", "ENDINGSUSPICION",
                                   "ENDINGRESIST", "ENDINGSURRENDER"};

using Keys = std::vector<int>;

int scancode(const std::string &name)
{
    static const struct {
        const char *name;
        int code;
    } keynames[] = {{"UP", KEY_UP},       {"DOWN", KEY_DOWN}, {"LEFT", KEY_LEFT},
                    {"RIGHT", KEY_RIGHT}, {"SPACE", KEY_SPACE}, {"T", KEY_T}};
    for (const auto &k : keynames) {
        if (name == k.name)
            return k.code;
    }
    ADD_FAILURE() << "unknown key in route: " << name;
    return KEY_ESC;
}

Keys parsekeys(const std::string &keys)
{
    Keys down;
    size_t start = 0;
    while (start < keys.size()) {
        size_t plus = keys.find('+', start);
        if (plus == std::string::npos)
            plus = keys.size();
        down.push_back(scancode(keys.substr(start, plus - start)));
        start = plus + 1;
    }
    return down;
}

void hold(std::vector<Keys> &ticks, const Keys &down, int n)
{
    ticks.insert(ticks.end(), n, down);
}

void page(std::vector<Keys> &ticks, int n)
{
    for (int i = 0; i < n; i++) {
        hold(ticks, {}, 1);
        hold(ticks, {KEY_SPACE}, 1);
    }
}

// One entry per tick: the keys held in it.
std::vector<Keys> expand(const Route &route)
{
    std::vector<Keys> ticks;
    for (const Step &s : route) {
        const std::string &k = s.keys;
        if (k.rfind("walk ", 0) == 0) {
            hold(ticks, parsekeys(k.substr(5)), s.n * CELLTICKS);
        } else if (k.rfind("talk ", 0) == 0) {
            hold(ticks, parsekeys(k.substr(5)), 1);
            page(ticks, s.n);
        } else if (k == "think") {
            hold(ticks, {KEY_T}, 1);
            page(ticks, s.n);
        } else if (k == "page") {
            page(ticks, s.n);
        } else {
            hold(ticks, parsekeys(k), s.n);
        }
    }
    return ticks;
}

// What the game screen shows, as far as the notes need it.
struct Snapshot {
    bool talkmode, thinkmode, fade, sceneend;
    int area, musicindex, samplesplayed, clearthoughts, sexthoughts;
};

Snapshot now()
{
    return {::talkmode, ::thinkmode, ::fade, ::sceneend, ::area, ::musicindex, ::samplesplayed,
            ::clearthoughts, ::sexthoughts};
}

class Player {
public:
    explicit Player(const Route &route) : ticks(expand(route)) {}

    std::vector<std::string> notes;

    // Runs screen T tick by tick, each tick with its keys, its logic and its
    // frame, then watch(); false when the route ends before the screen does.
    template <class T, class Watch>
    bool run(Watch watch)
    {
        while (!T::quitcondition()) {
            if (next == ticks.size())
                return false;
            releasekeys();
            for (int k : ticks[next++])
                setkey(k, true);
            T::logic();
            T::draw();
            watch();
        }
        return true;
    }

    bool title();
    bool game();
    bool ending();

private:
    std::vector<Keys> ticks;
    size_t next = 0;
    int closingtick = 0;  // game tick of the Space that started the last fade
    int gameticks = 0;
};

bool Player::title()
{
    TitleLoop::initialize();
    bool first = true;
    return run<TitleLoop>([&] {
        if (!first)
            return;
        first = false;
        bool drawn = getpixel(buffer, SCREENW / 2, SCREENH / 2) ==
                     getpixel(titlescreen, SCREENW / 2, SCREENH / 2);
        notes.push_back(std::string(drawn ? "title" : "title not drawn") + ", music " +
                        std::to_string(musicindex));
    });
}

bool Player::game()
{
    GameLoop::initialize();
    notes.push_back("new game, music " + std::to_string(musicindex));
    Snapshot was = now();
    Actors talker = actorconv, thinker = NOACTOR;
    const char *kind = "";
    gameticks = 0;
    return run<GameLoop>([&] {
        gameticks++;
        Snapshot is = now();
        if (was.sceneend && !is.sceneend) {
            std::string next = overatfade ? endingnames[endingtype] : "scene " + std::to_string(scene);
            if (!overatfade && endingtype >= 0)
                next += std::string(" (") + endingnames[endingtype] + ")";
            notes.push_back("fade " + std::to_string(fadecounter) + ": clear " +
                            std::to_string(was.clearthoughts) + ", desire " +
                            std::to_string(was.sexthoughts) + " -> " + next);
        }
        if (is.musicindex != was.musicindex)
            notes.push_back("music " + std::to_string(is.musicindex));
        if (is.area != was.area)
            notes.push_back("area " + std::to_string(is.area));
        if (is.talkmode && !was.talkmode)
            talker = actorconv;
        if (!is.talkmode && was.talkmode)
            notes.push_back("talk " + std::string(actornames[talker]) + ": " +
                            std::to_string(linenumber) + (linenumber == 1 ? " line" : " lines"));
        if (is.thinkmode && !was.thinkmode) {
            thinker = actorconv;
            kind = is.sexthoughts > was.sexthoughts ? " desire" : " clear";
        }
        if (!is.thinkmode && was.thinkmode)
            notes.push_back("think " + std::string(actornames[thinker]) + ": " +
                            std::to_string(linenumber) + kind);
        if (is.samplesplayed != was.samplesplayed)
            notes.push_back("gunshot");
        if (is.fade && !was.fade)
            closingtick = gameticks;
        if (!is.fade && was.fade)
            notes.push_back("fade over: scene " + std::to_string(scene) + ", area " +
                            std::to_string(area) + ", at " + std::to_string(px) + "," +
                            std::to_string(py));
        was = is;
    });
}

// How the ending screen's frame looks: its text starting at 450,380, or all black.
std::string endingpicture()
{
    const int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
    bool atstart = false, stray = false, anywhite = false;
    for (int y = 0; y < SCREENH; y++) {
        for (int x = 0; x < SCREENW; x++) {
            int c = getpixel(buffer, x, y);
            if (c == black)
                continue;
            anywhite = true;
            if (c != white || x < 450 || y < 380)
                stray = true;
            else if (x < 458 && y < 388)
                atstart = true;
        }
    }
    if (stray)
        return "unexpected pixels";
    if (!anywhite)
        return "black";
    return atstart ? "text at 450,380" : "text elsewhere";
}

bool Player::ending()
{
    GameOverLoop::initialize();
    int n = 0;
    bool done = run<GameOverLoop>([&] {
        if (++n > 1)
            return;
        notes.push_back(std::string("ending screen ") + endingnames[endingtype] + ", " +
                        std::to_string(gameticks - closingtick) +
                        " ticks after the last Space, music " + std::to_string(musicindex) +
                        ", " + endingpicture());
    });
    if (done)
        notes.push_back("ending screen left at its tick " + std::to_string(n));
    return done;
}

}  // namespace

std::vector<std::string> replay(const Route &route)
{
    headless_start();
    releasekeys();
    quit = false;
    playmusic(0);  // where the intro leaves the music
    Player p(route);
    const char *where = nullptr;
    while (!where) {
        if (!p.title())
            where = "title screen";
        else if (!p.game())
            where = "game screen";
        else if (!p.ending())
            where = "ending screen";
        else
            playmusic(0);
    }
    p.notes.push_back(std::string("route ends on the ") + where);
    releasekeys();
    return p.notes;
}
