// A soak of whole games: seeded random keys, biased toward progress, drive
// the title, game and ending screens as the driver does, with a random number
// of ticks between frames, and the rules of play are checked after every
// tick and every frame. A failure names its seed; SOAK_SEED=n plays that one
// game again. SOAK_TICKS=n plays n ticks in place of a million.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <queue>
#include <random>
#include <string>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/talk.h"
#include "engine/title.h"
#include "engine/world.h"
#include "tests/support/drive.h"

namespace {

const int GAMEBOUND = 20000, SCREENBOUND = 600;  // ticks a screen may take
const int arrows[4] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
const int rowstep[4] = {-1, 1, 0, 0}, columnstep[4] = {0, 0, -1, 1};
const char *const endingnames[5] = {"NOTHOUGHT", "HOPELESS", "SUSPICION", "RESIST", "SURRENDER"};

bool walkable(int a, int row, int column)
{
    int code = mask[scene][a][row][column];
    bool start = scene == 2 && a == 3 && row == 5 && column == 2;  // the flat's door, a wall
    return code == TILEFREE || code == TILEEXIT || code == TILEEXIT2 || start;
}

// Where stepping onto an exit cell of area a lands the player, by the
// game's own gotoarea.
void through(int code, int &a, int &row, int &column)
{
    int wasarea = area, wasx = px, wasy = py;
    area = a;
    gotoarea(code);
    a = area, row = py / tilesize, column = px / tilesize;
    area = wasarea, px = wasx, py = wasy;
}

// The rules of play that must hold after every tick and frame of the game
// screen; "" when they do.
std::string broken(int desirebefore)
{
    if (px < 0 || py < 0 || px > (COLUMNS - 1) * tilesize || py > (ROWS - 1) * tilesize)
        return "player off the field";
    if (px % 4 || py % 4 || (px % tilesize && py % tilesize))
        return "player off the 4-pixel steps along the cell lines";
    for (int row = py / tilesize; row <= (py + tilesize - 1) / tilesize; row++)
        for (int column = px / tilesize; column <= (px + tilesize - 1) / tilesize; column++)
            if (!walkable(area, row, column))
                return "player on the unwalkable cell " + std::to_string(column) + "," + std::to_string(row);
    if (talkmode && thinkmode)
        return "two boxes open";
    // An empty thought list (the sergeant's desire, the last scene's
    // partner at the fade's middle) shows nothing at index 0.
    size_t shown = talkmode ? script[actorconv].lines.size() : thinkmode ? thoughtlist().size() : 0;
    bool open = talkmode || thinkmode;
    if (linenumber < 0 || (open && static_cast<size_t>(linenumber) >= std::max<size_t>(shown, 1)))
        return "line " + std::to_string(linenumber) + " shown of a list of " + std::to_string(shown);
    if (std::count(thoughtabout, thoughtabout + ACTORFLAGS, true) != clearthoughts + sexthoughts - desirebefore)
        return "thought counts do not match the flags";
    if (endingtype < -1 || endingtype > ENDINGSURRENDER)
        return "ending " + std::to_string(endingtype);
    return "";
}

// One game from the title screen through the ending screen, its keys and
// the ticks between frames drawn from its seed.
struct Game {
    std::mt19937 rng;
    long ticks = 0, frames = 0;
    std::string failure;
    // Per mille: T pressed while the mark shows; random keys at a tick; a
    // random way taken at a cell.
    int think, noise, wander;
    Actors order[7] = {FRIEND, BARMAN, CLUBBER, SERGEANT, SUSPECT, VICTIM, DETECTIVE};
    int heading = -1;
    int desirebefore = 0, lastscene = 0;  // thoughts of desire before this scene

    explicit Game(unsigned seed) : rng(seed)
    {
        const int thinks[] = {0, 20, 300, 1000}, noises[] = {0, 5, 30}, wanders[] = {0, 100, 400};
        think = thinks[rng() % 4], noise = noises[rng() % 3], wander = wanders[rng() % 3];
        std::shuffle(order, order + 7, rng);  // whom the player seeks first
    }

    bool chance(int permille) { return static_cast<int>(rng() % 1000) < permille; }

    // The actor a person's tile code stands for, and whether the player
    // still has something to hear from him.
    static bool unheard(int code, Actors &who)
    {
        who = code == TILESERGEANT  ? SERGEANT
              : code == TILESUSPECT ? (endingtype == ENDINGRESIST ? DETECTIVE : SUSPECT)
                                    : static_cast<Actors>(code - TILEACTOR);
        if (code == TILESERGEANT)  // he closes the morning once the three are heard
            return talkedto[FRIEND] && talkedto[BARMAN] && talkedto[SUSPECT];
        return !talkedto[who];
    }

    // The first step of the shortest walk from the player's cell to the
    // person sought first among those unheard, through the exits; -1 when
    // none can be reached.
    int way()
    {
        int first[AREAS][ROWS][COLUMNS];
        std::fill(&first[0][0][0], &first[0][0][0] + AREAS * ROWS * COLUMNS, -2);
        struct Cell {
            int a, row, column;
        };
        std::queue<Cell> todo;
        todo.push({area, py / tilesize, px / tilesize});
        first[area][py / tilesize][px / tilesize] = -1;
        int best = -1, rank = 7;
        while (!todo.empty()) {
            Cell c = todo.front();
            todo.pop();
            for (int d = 0; d < 4; d++) {
                int a = c.a, row = c.row + rowstep[d], column = c.column + columnstep[d];
                if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS)
                    continue;
                int code = mask[scene][a][row][column], step = first[c.a][c.row][c.column];
                step = step < 0 ? d : step;
                if (code > TILEEXIT2) {
                    Actors who;
                    int r = unheard(code, who) ? std::find(order, order + 7, who) - order : 7;
                    if (r < rank)
                        best = step, rank = r;
                    continue;
                }
                if (code == TILEWALL)
                    continue;
                if (code != TILEFREE)
                    through(code, a, row, column);
                if (first[a][row][column] == -2) {
                    first[a][row][column] = step;
                    todo.push({a, row, column});
                }
            }
        }
        return best;
    }

    void gamekeys()
    {
        if (chance(noise)) {
            for (int k : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_T})
                setkey(k, chance(300));
            return;
        }
        if (talkmode || thinkmode) {
            setkey(KEY_SPACE, chance(500));
            return;
        }
        setkey(KEY_T, canthink() && chance(think));
        if (heading < 0 || (px % tilesize == 0 && py % tilesize == 0)) {
            heading = chance(wander) ? -1 : way();
            if (heading < 0)
                heading = rng() % 4;
        }
        setkey(arrows[heading], true);
    }

    void check(const std::string &where, const std::string &why)
    {
        if (failure.empty() && !why.empty())
            failure = where + ", tick " + std::to_string(ticks) + ": " + why;
    }

    // Runs screen T with keys() at each tick until it ends, within bound ticks.
    template <class T, class Keys, class Rules>
    bool screen(const char *name, int bound, Keys keys, Rules rules)
    {
        int n = 0;
        drive<T>([&] { return chance(300) ? 1 : 1 + static_cast<int>(rng() % 60); },
                 [&] {
                     if (++n > bound)
                         check(name, "no end within " + std::to_string(bound) + " ticks");
                     if (!failure.empty())
                         return false;
                     keys();
                     return true;
                 },
                 [&] { ticks++, check(name, rules()); },
                 [&] { frames++, check(std::string(name) + " frame", rules()); });
        return failure.empty();
    }

    bool play()
    {
        auto space = [&] { setkey(KEY_SPACE, chance(300)); };
        auto none = [] { return std::string(); };
        auto rules = [&] {
            if (scene != lastscene)
                lastscene = scene, desirebefore = sexthoughts;
            return broken(desirebefore);
        };
        auto ended = [] {
            return endingtype >= ENDINGNOTHOUGHT && endingtype <= ENDINGSURRENDER ? "" : "no ending";
        };
        TitleLoop::initialize();
        if (!screen<TitleLoop>("title", SCREENBOUND, space, none))
            return false;
        GameLoop::initialize();
        lastscene = scene, desirebefore = sexthoughts;
        if (!screen<GameLoop>("game", GAMEBOUND, [&] { gamekeys(); }, rules))
            return false;
        check("game end", ended());
        GameOverLoop::initialize();
        if (!screen<GameOverLoop>("ending", SCREENBOUND, space, ended))
            return false;
        playmusic(0);
        return true;
    }
};

TEST(Soak, AMillionTicksOfSeededRandomPlayKeepTheRulesThroughAllFiveEndings)
{
    headless_start();
    quit = false;
    playmusic(0);
    const char *only = std::getenv("SOAK_SEED"), *length = std::getenv("SOAK_TICKS");
    const long soakticks = length ? std::atol(length) : 1000000;
    long ticks = 0, frames = 0;
    int games = 0, endings[5] = {};
    auto start = std::chrono::steady_clock::now();
    for (unsigned seed = only ? std::strtoul(only, nullptr, 10) : 1; ticks < soakticks; seed++) {
        Game game(seed);
        bool ok = game.play();
        ticks += game.ticks, frames += game.frames, games++;
        ASSERT_TRUE(ok) << "seed " << seed << ", " << game.failure << " (again: SOAK_SEED=" << seed << ")";
        endings[endingtype]++;
        if (only)
            break;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::string counts;
    for (int e = 0; e < 5; e++) {
        counts += std::string(" ") + endingnames[e] + " " + std::to_string(endings[e]);
        EXPECT_TRUE(only || endings[e] > 0) << endingnames[e];
    }
    printf("soak: %ld ticks, %ld frames, %d games,%s; %.1f s\n", ticks, frames, games, counts.c_str(),
           seconds);
}

}  // namespace
