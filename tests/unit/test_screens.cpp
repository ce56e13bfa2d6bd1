// The intro, title and ending screens, tick by tick, and what they show.
#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/title.h"
#include "tests/support/headlesstest.h"

namespace {

// Runs ticks of screen T until it ends or the limit passes and returns how
// many; Space is down in the ticks marked '1' in space, its last mark repeating.
template <class T>
int ticksuntilover(const std::string &space, int limit)
{
    int n = 0;
    for (; !T::quitcondition() && n < limit; n++) {
        setkey(KEY_SPACE, space[std::min<size_t>(n, space.size() - 1)] == '1');
        T::logic();
    }
    releasekeys();
    return n;
}

using Screens = HeadlessTest;

TEST_F(Screens, IntroLastsExactly102TicksWhateverIsPressed)
{
    speed_count = 7;
    IntroLoop::initialize();
    EXPECT_EQ(speed_count, 0);  // ticks counted while loading are dropped
    EXPECT_EQ(takesound(), std::vector<std::string>{"start 0 1ch at 0 vol 1 buf 4096 11025Hz"});
    setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<IntroLoop>("1", 1000), 102);
    IntroLoop::draw();
    for (auto [x, y] : {std::pair{0, 0}, {1023, 767}, {517, 385}})
        EXPECT_EQ(getpixel(introscreen, x, y), getpixel(buffer, x, y));
}

TEST_F(Screens, TitleStartsOnAFreshSpaceFromItsSixtiethTick)
{
    TitleLoop::spaceheld = false;  // as the title before left it
    TitleLoop::initialize();
    EXPECT_EQ(ticksuntilover<TitleLoop>("1", 200), 200);  // held from before: never
    EXPECT_EQ(ticksuntilover<TitleLoop>("01", 200), 2);
    TitleLoop::initialize();
    EXPECT_EQ(ticksuntilover<TitleLoop>("01", 200), 60);  // released, then held
    TitleLoop::initialize();
    setkey(KEY_UP, true), setkey(KEY_T, true), setkey(KEY_ENTER, true);
    EXPECT_EQ(ticksuntilover<TitleLoop>("0", 300), 300);
}

TEST_F(Screens, EndingScreenTakesAFreshSpaceFromItsSixtySecondTick)
{
    const std::string up(60, '0');
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>("1", 200), 200);  // held from the game: never
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>(up + "1", 200), 200);  // pressed too early, then held
    GameOverLoop::initialize();
    EXPECT_EQ(ticksuntilover<GameOverLoop>(up + "01", 200), 62);
    EXPECT_TRUE(warover);
}

// The text with every two spaces in a row made one: a row ends at either.
std::string single(std::string text)
{
    for (size_t at; (at = text.find("  ")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

// Each ending's text, white on black, word-wrapped at 20 characters from
// (450, 380), one row every 10 pixels, and nothing else on the screen: the
// two endings in the flat leave it black. Every text is one line of plain
// ASCII of its length, with no space at its end.
TEST_F(Screens, EndingScreenShowsItsTextWrappedFrom450By380)
{
    const int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
    for (endingtype = ENDINGNOTHOUGHT; endingtype <= ENDINGSURRENDER; endingtype++) {
        SCOPED_TRACE(endingtype);
        const std::string text = endingtexts[endingtype];
        const size_t lengths[] = {47, 117, 175, 0, 0};
        EXPECT_EQ(text.size(), lengths[endingtype]);
        for (char c : text)
            EXPECT_TRUE(c >= ' ' && c <= '~') << int(c);
        EXPECT_NE(text.back() + 0, ' ');
        clear_to_color(buffer, makecol(9, 9, 9));
        GameOverLoop::draw();
        std::vector<std::string> rows;
        for (std::string row; !(row = readtext(450, 380 + 10 * int(rows.size()))).empty();)
            rows.push_back(row);
        std::string shown;
        for (size_t m = 0; m < rows.size(); m++) {
            shown += (m ? " " : "") + rows[m];
            EXPECT_LE(rows[m].size(), 20u) << rows[m];
            if (m + 1 < rows.size()) {  // the next row's first word would not have fitted
                std::string next = rows[m + 1].substr(rows[m + 1].find_first_not_of(' '));
                EXPECT_GT(rows[m].size() + 1 + std::min(next.find(' '), next.size()), 20u) << rows[m] << " / " << next;
            }
        }
        EXPECT_EQ(single(shown), single(text));
        int stray = 0;
        for (int y = 0; y < SCREENH; y++)
            for (int x = 0; x < SCREENW; x++) {
                int c = getpixel(buffer, x, y);
                bool inrows = x >= 450 && x < 610 && y >= 380 && y < 380 + 10 * int(rows.size());
                stray += c != black && (c != white || !inrows);
            }
        EXPECT_EQ(stray, 0);
    }
}

}  // namespace
