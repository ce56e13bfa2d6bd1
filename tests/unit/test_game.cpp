// The game screen: the first line after the title's Space, the decision at
// the end of each scene, keys held through the fade, and what its frames
// show: the figures on their cells, the boxes, the T marker, the bands and
// the curtain.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/driver.h"
#include "engine/game.h"
#include "engine/gamekeys.h"
#include "engine/keys.h"
#include "engine/pictures.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/headlesstest.h"

namespace {

const int BLACK = 0, WHITE = 0xffffff;  // as makecol gives them at 32 bits

// How many pixels of the rectangle (inclusive corners) are not the colour.
int others(int x1, int y1, int x2, int y2, int colour)
{
    int n = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            n += getpixel(buffer, x, y) != colour;
    return n;
}

int mappixel(int x, int y) { return getpixel(maps[area], x, y); }

// Whether sprite i shows with its top left corner at (x, y): its colour along
// its edges, and beneath(x, y) through its magenta corner and just outside
// each edge. Names the first point that differs, or gives "".
template <class Beneath>
std::string standsat(int i, int x, int y, Beneath beneath)
{
    const struct {
        int dx, dy;
        bool sprite;
    } points[] = {{60, 0, true},    {60, 119, true}, {0, 60, true},   {119, 60, true},   {10, 10, true},
                  {2, 2, false},    {9, 9, false},   {60, -1, false}, {60, 120, false},  {-1, 60, false},
                  {120, 60, false}, {120, 0, false}, {0, 120, false}, {120, 120, false}};
    for (const auto &p : points) {
        int want = p.sprite ? spritecolour(i) : beneath(x + p.dx, y + p.dy);
        if (getpixel(buffer, x + p.dx, y + p.dy) != want)
            return "sprite " + std::to_string(i) + " at " + std::to_string(x) + "," + std::to_string(y) +
                   ": point +" + std::to_string(p.dx) + ",+" + std::to_string(p.dy);
    }
    return "";
}

// A portrait: sprite i at (x, y) in a white frame of 121 by 131 pixels with
// black around it.
std::string portraitat(int i, int x, int y)
{
    auto frame = [=](int fx, int fy) {
        return fx >= x && fx <= x + 120 && fy >= y && fy <= y + 130 ? WHITE : BLACK;
    };
    std::string why = standsat(i, x, y, frame);
    for (auto [dx, dy] : {std::pair{120, 130}, {121, 130}, {120, 131}, {0, 130}, {-1, 130}, {121, 60}})
        if (why.empty() && getpixel(buffer, x + dx, y + dy) != frame(x + dx, y + dy))
            why = "frame at +" + std::to_string(dx) + ",+" + std::to_string(dy);
    return why;
}

// What the recorder heard, each call cut to its first two words.
std::string heard()
{
    std::string all;
    for (const std::string &call : takesound())
        all += (all.empty() ? "" : ", ") + call.substr(0, call.find(' ', call.find(' ') + 1));
    return all;
}

class Game : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        GameLoop::initialize();
        talkmode = false;
        actorconv = NOACTOR;
        py = 120;  // boxes at the bottom, top row 552
        takesound();
    }

    // Opens the conversation of the given lines at its first.
    static void say(Actors who, std::vector<StoryLine> lines)
    {
        buildscript({{who, lines, {"Clear thought."}, {"Desire thought."}}});
        actorconv = who;
        talkmode = true;
        linenumber = 0;
    }
};

// A new game opens the briefing at its first line, whatever the game before
// left open, and the Space held from the title does not page it.
TEST_F(Game, SpaceHeldFromTheTitleDoesNotPageTheFirstLine)
{
    linenumber = 7, thinkmode = true;
    GameLoop::initialize();
    buildscript({{SERGEANT, {{SERGEANT, "One."}, {DETECTIVE, "Two."}}, {}, {}}});
    for (bool down : {true, false, true}) {  // held from the title, up, down
        setkey(KEY_SPACE, down);
        GameLoop::logic();
    }
    EXPECT_TRUE(talkmode && linenumber == 1);
}

// The decision at the end of each scene by its thought counts: an ending, or
// the next scene at its start cell with its music, everyone to meet again
// and the clear thoughts counted afresh.
TEST_F(Game, EachScenesDecisionAtItsBoundaries)
{
    const std::string bar = "scene 1 area 2 at 480,480 ", flat = "scene 2 area 3 at 240,600 ";
    const struct {
        int scene, clear, desire;
        std::string after;
    } rows[] = {
        {0, 0, 0, "ending 0"},
        {0, 1, 0, bar + "c0 d0 ending -1: stop 1, start 2"},
        {0, 0, 2, bar + "c0 d2 ending -1: stop 1, start 2"},
        {1, 2, 1, "ending 1"},
        {1, 0, 0, "ending 1"},
        {1, 3, 0, "ending 2"},
        {1, 3, 7, "ending 2"},
        {1, 0, 7, flat + "c0 d7 ending 4: stop 1, start 3"},
        {1, 2, 2, flat + "c0 d2 ending 3: stop 1, start 3"},
        {1, 0, 6, flat + "c0 d6 ending 3: stop 1, start 3"},
        {1, 0, 8, flat + "c0 d8 ending 3: stop 1, start 3"},
        {2, 1, 3, "ending 4"},
    };
    for (const auto &r : rows) {
        GameLoop::initialize();
        takesound();
        scene = r.scene, clearthoughts = r.clear, sexthoughts = r.desire, endingtype = r.scene == 2 ? 4 : -1;
        talkmode = false;
        talkedto[FRIEND] = thoughtabout[SUSPECT] = sceneend = true;
        GameLoop::logic();
        std::string after = overatfade ? "ending " + std::to_string(endingtype)
                                       : "scene " + std::to_string(scene) + " area " + std::to_string(area) +
                                             " at " + std::to_string(px) + "," + std::to_string(py) + " c" +
                                             std::to_string(clearthoughts) + " d" + std::to_string(sexthoughts) +
                                             " ending " + std::to_string(endingtype) + ": " + heard();
        if (!overatfade && (talkedto[FRIEND] || thoughtabout[SUSPECT] || talkedto[SERGEANT]))
            after += ", someone still met";
        EXPECT_EQ(after, r.after) << "scene " << r.scene << " clear " << r.clear << " desire " << r.desire;
    }
}

// From the Space that ends a closing talk, with an arrow key, T and Space
// held all along: nothing moves while the fade runs but at the frames drawn
// at its middle, one step for each (or one at the next tick when the driver
// drew none there); the new scene has nobody to think about; an ending
// leaves at the 91st tick, a new scene walks on after the 180th.
TEST_F(Game, HeldKeysActOnlyAtTheFadesMiddle)
{
    for (bool stalled : {false, true})
        for (Actors closing : {SERGEANTSTAY, SERGEANTLEAVE}) {
            SCOPED_TRACE(std::string(stalled ? "no frame at 90, " : "frames at 90, ") + actorname(closing));
            GameLoop::initialize();
            px = 480;  // free floor to the right, in the park and in the bar
            clearthoughts = closing == SERGEANTSTAY;
            say(closing, {{SERGEANT, "Go."}});
            spacepressed = false;
            setkey(KEY_SPACE, true);
            GameLoop::logic();  // the Space that closes the talk and starts the fade
            setkey(KEY_RIGHT, true), setkey(KEY_T, true);
            takesound();
            std::string steps;
            int t = 1;
            for (; t <= 190 && !GameLoop::quitcondition(); t++) {
                int was = px;
                GameLoop::logic();
                bool middle = fade && fadecounter == 90;
                for (int f = 0; f < (!middle ? 1 : stalled ? 0 : 3); f++)
                    GameLoop::draw();
                if (px != was)
                    steps += std::to_string(t) + ":" + std::to_string(px) + " ";
                if (t == 181)
                    break;
            }
            releasekeys();
            const bool ends = closing == SERGEANTLEAVE;
            EXPECT_EQ(steps, std::string(stalled ? "91:484 " : "90:492 ") + (ends ? "" : stalled ? "181:488 " : "181:496 "));
            EXPECT_EQ(t, ends ? 92 : 181);
            EXPECT_EQ(heard(), ends ? "" : "stop 1, start 2");
            EXPECT_FALSE(thinkmode || clearthoughts);
            if (!ends) {  // no T marker
                EXPECT_EQ(mappixel(12, 12), getpixel(buffer, 12, 12));
            }
        }
}

// Every person of every scene and area on his cell, the area picture through
// his magenta corner and around him, the picture alone on every other cell;
// the player at his place on the field.
TEST_F(Game, FiguresStandOnTheirCells)
{
    px = 2000;  // off the screen
    for (scene = 0; scene < 3; scene++)
        for (area = 0; area < 4; area++) {
            GameLoop::draw();
            for (int r = 0; r < 6; r++)
                for (int c = 0; c < 8; c++) {
                    int code = mask[scene][area][r][c], x = 44 + 120 * c, y = 120 * r;
                    if (code > 3)
                        EXPECT_EQ("", standsat(code - 3, x, y, mappixel)) << scene << " " << area;
                    else
                        EXPECT_EQ(mappixel(x + 60, y + 60), getpixel(buffer, x + 60, y + 60)) << r << " " << c;
                }
        }
    scene = 0, area = 1, px = 368, py = 240;
    GameLoop::draw();
    EXPECT_EQ("", standsat(0, 412, 240, mappixel));
}

// The box lies in the half away from the player: a conversation's text at
// 450 with the detective's portrait (also at gunpoint) on the left and anyone
// else's on the right; a thought's text at 510 from the list the suspect
// chooses, the detective's portrait at 345; rows 10 pixels apart.
TEST_F(Game, BoxesPortraitsAndTextInTheirPlaces)
{
    const struct {
        bool thought;
        int speaker, left, right, textx, portrait;  // portrait: its x, or 0 for none
        std::vector<int> empty;                     // where no portrait shows
    } boxes[] = {{false, FRIEND, 280, 780, 450, 655, {285}},
                 {false, DETECTIVE, 280, 780, 450, 285, {655}},
                 {false, SPEAKERGUNPOINT, 280, 780, 450, 285, {655}},
                 {false, 11, 280, 780, 450, 0, {285, 655}},
                 {true, 0, 340, 720, 510, 345, {}}};
    for (int y : {300, 304})
        for (const auto &b : boxes)
            for (bool metsuspect : {false, true}) {
                SCOPED_TRACE(testing::Message() << "py " << y << " speaker " << b.speaker << " thought "
                                                << b.thought << " suspect met " << metsuspect);
                py = y;
                say(FRIEND, {{b.speaker, "Hands up, detective. Slowly now."}});
                talkedto[SUSPECT] = metsuspect;
                talkmode = !b.thought, thinkmode = b.thought;
                GameLoop::draw();
                const int t = y > 300 ? 91 : 552;
                EXPECT_EQ(0, others(b.left, t, b.right, t + 4, BLACK) + others(b.left, t, b.left + 4, t + 140, BLACK) +
                                 others(b.right - 4, t, b.right, t + 140, BLACK) +
                                 others(b.left, t + 136, b.right, t + 140, BLACK));
                for (auto [x, ty] : {std::pair{b.left - 1, t + 70}, {b.right + 1, t + 70}, {b.left + 50, t - 1},
                                     {b.left + 50, t + 141}})
                    EXPECT_EQ(mappixel(x, ty), getpixel(buffer, x, ty)) << x << "," << ty;
                if (b.thought) {
                    EXPECT_EQ(readtext(b.textx, t + 30), metsuspect ? "Desire thought." : "Clear thought.");
                } else {
                    EXPECT_EQ(readtext(b.textx, t + 30), "Hands up, detective.");
                    EXPECT_EQ(readtext(b.textx, t + 40), "Slowly now.");
                }
                EXPECT_EQ(0, others(b.textx, t + 38, b.textx + 159, t + 39, BLACK));
                if (b.portrait) {
                    EXPECT_EQ("", portraitat(b.speaker == FRIEND ? 1 : 0, b.portrait, t + 5));
                }
                for (int x : b.empty)
                    EXPECT_EQ(BLACK, getpixel(buffer, x + 60, t + 65)) << "a portrait at " << x;
            }
}

// A thought list without the page asked for (the sergeant's desire) shows the
// box and the portrait alone.
TEST_F(Game, AThoughtWithoutTextShowsAnEmptyBox)
{
    buildscript({});
    actorconv = SERGEANT, thinkmode = true;
    GameLoop::draw();
    EXPECT_EQ(0, others(340, 552, 720, 556, BLACK) + others(470, 557, 720, 692, BLACK));
    EXPECT_EQ("", portraitat(0, 345, 557));
}

// Counted from the start of the program (no other test here shows him): the
// gunman's first 39 frames show the suspect's picture, then each picture 40
// frames in turn. The T marker shows only when a thought can start.
TEST_F(Game, GunmanAlternatesFromTheFirstFrameAndTheTMarkerShowsWhenAThoughtCan)
{
    say(SUSPECT, {{SPEAKERGUNMAN, "Eyes on me."}});
    std::string seen;
    for (int f = 0; f < 160; f++) {
        GameLoop::draw();
        seen += portraitat(5, 655, 557).empty() ? '5' : portraitat(8, 655, 557).empty() ? '8' : '?';
    }
    EXPECT_EQ(seen, std::string(39, '5') + std::string(40, '8') + std::string(40, '5') + std::string(40, '8') + "5");
    EXPECT_EQ(mappixel(12, 12), getpixel(buffer, 12, 12));  // no T while a box shows
    talkmode = false;
    for (bool thought : {false, true}) {  // nor once the thought is taken
        thoughtabout[SUSPECT] = thought;
        GameLoop::draw();
        EXPECT_EQ(readtext(17, 17, 1), thought ? "" : "T");
        for (auto [x, y] : {std::pair{10, 10}, {30, 30}, {10, 30}, {30, 10}})  // the black square
            EXPECT_EQ(thought ? mappixel(x, y) : BLACK, getpixel(buffer, x, y));
        for (auto [x, y] : {std::pair{9, 20}, {31, 20}, {20, 9}, {20, 31}})
            EXPECT_EQ(mappixel(x, y), getpixel(buffer, x, y));
    }
}

// Bands fall, each with a chance of 1 in (counter - 89) a frame, across the
// whole width between their boundaries, and pile up; the middle is black;
// then the curtain's edge rises over the full frame.
TEST_F(Game, BandsFallByChanceThenTheCurtainRises)
{
    fade = true;
    for (int counter : {180, 120, 91}) {
        fadecounter = counter;
        clear_to_color(buffer, WHITE);
        srand(counter);
        std::vector<bool> filled(20);
        for (int f = 0; f < 6; f++)
            for (int i = 0; i < 20; i++)
                filled[i] = rand() % (counter - 89) == 0 || filled[i];
        srand(counter);
        for (int f = 0; f < 6; f++)
            GameLoop::draw();
        for (int y = 0; y < SCREENH; y++) {
            bool black = false;
            for (int i = 0; i < 20; i++)
                black = black || (filled[i] && y >= 768 * i / 20 && y <= 768 * (i + 1) / 20);
            for (int x : {0, 1023})
                EXPECT_EQ(black ? BLACK : WHITE, getpixel(buffer, x, y)) << counter << ": " << x << "," << y;
        }
    }
    for (int counter : {90, 89, 45, 1}) {
        fadecounter = counter;
        GameLoop::draw();
        for (int y = 0; y < SCREENH; y++)
            for (int x : {0, 1010})
                EXPECT_EQ(y <= 767 * counter / 90 ? BLACK : mappixel(x, y), getpixel(buffer, x, y))
                    << counter << ": " << x << "," << y;
    }
}

}  // namespace
