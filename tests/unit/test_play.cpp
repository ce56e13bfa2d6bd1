// Scene play driven tick by tick through move(): walking between cells and
// through exits, meeting persons, paging and thinking, and the rules that
// keep one box at a time and every scene completable.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/game.h"
#include "engine/gamekeys.h"
#include "engine/keys.h"
#include "engine/talk.h"
#include "engine/world.h"
#include "script.h"
#include "tests/support/headlesstest.h"

namespace {

class Play : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        nobodymet();
    }

    // The fixture's script, nobody met and no box open, in the park with free
    // floor to the right and below.
    static void nobodymet()
    {
        buildscript({
            {FRIEND, {{1, "Ilse here."}, {0, "Marsh."}}, {"Ilse clear."}, {"Ilse desire."}},
            {BARMAN, {{2, "Teo here."}}, {"Teo clear one.", "Teo clear two."}, {}},
            {CLUBBER, {}, {"Rook clear."}, {}},
            {SERGEANT, {{4, "Sir."}}, {"Broder clear."}, {}},
            {SUSPECT, {{5, "Lucien here."}}, {}, {"Lucien desire."}},
        });
        placeat(0, 0, 480, 120);
        newscenetalk();
        spacepressed = true;  // as after the press that closed the last box
    }

    static void placeat(int s, int a, int x, int y) { scene = s, area = a, px = x, py = y; }
    // Area and place, and the box open with its person and page.
    static std::string at()
    {
        std::string box = talkmode ? " talk " : thinkmode ? " think " : "";
        if (!box.empty())
            box += actorname(actorconv) + " " + std::to_string(linenumber);
        return std::to_string(area) + ": " + std::to_string(px) + "," + std::to_string(py) + box;
    }
    // Holds the keys for n ticks, then lets them go.
    static void hold(const std::vector<int> &keys, int n)
    {
        for (int k : keys)
            setkey(k, true);
        for (int i = 0; i < n; i++)
            move();
        releasekeys();
    }
    static void pressspace() { hold({}, 1), hold({KEY_SPACE}, 1); }
    static void closebox()
    {
        for (int i = 0; i < 20 && (talkmode || thinkmode); i++)
            pressspace();
        ASSERT_FALSE(talkmode || thinkmode);
    }
};

// Thirty ticks a cell, 4 px a tick. Between cells he goes on, whatever is
// held across his way or both ways at once; standing, opposite keys count as
// neither. The opposite key turns him back only where the cell he came from
// may be entered again, tested before dividing by the cell size; horizontal
// wins over vertical unless refused. Each exit leads to the cell beside the
// way back, the bar's door is shut in the evening; nothing past the field's
// edge may be entered. A person speaks only to a player standing on a cell.
TEST_F(Play, WalkingTurningExitsAndEdges)
{
    const int U = KEY_UP, D = KEY_DOWN, L = KEY_LEFT, R = KEY_RIGHT;
    const struct {
        int scene, area, x, y;
        std::vector<std::pair<std::vector<int>, int>> holds;
        const char *after;
    } walks[] = {
        {0, 0, 480, 120, {{{R}, 1}, {{D}, 14}, {{U, D, L, R}, 14}}, "0: 596,120"},
        {0, 0, 480, 120, {{{R}, 1}, {{D}, 28}, {{}, 4}}, "0: 600,120"},
        {0, 0, 600, 480, {{{U, D}, 3}, {{L, R}, 3}}, "0: 600,480"},  // the body lies above
        {0, 1, 0, 240, {{{R}, 1}, {{L}, 29}}, "1: 120,240"},  // the way back lies outside
        {0, 1, 120, 240, {{{L}, 1}, {{R}, 1}}, "1: 120,240"},
        {0, 0, 480, 120, {{{D}, 1}, {{U}, 29}}, "0: 480,240"},  // under the park wall
        {0, 0, 240, 360, {{{U, R}, 1}}, "0: 244,360"},
        {0, 1, 0, 240, {{{U, L}, 1}}, "1: 0,236"},
        {0, 0, 240, 120, {{{U}, 30}}, "1: 240,480"},
        {0, 1, 240, 480, {{{U}, 30}}, "1: 240,360"},
        {0, 1, 240, 360, {{{D}, 60}}, "0: 240,120"},
        {1, 2, 480, 480, {{{D}, 30}}, "2: 480,480"},
        {0, 2, 480, 480, {{{D}, 30}}, "1: 480,120"},
        {0, 1, 120, 120, {{{L}, 30}}, "1: 0,120"},
        {0, 1, 0, 120, {{{L}, 30}}, "1: 0,120"},
        {0, 1, 840, 240, {{{R}, 30}}, "1: 840,240"},
        {2, 3, 240, 600, {{{D}, 30}, {{U}, 30}}, "3: 240,480"},  // from the flat's door: only up
        {0, 1, 600, 360, {{{U}, 31}}, "1: 600,240 talk FRIEND 0"},  // Ilse speaks once he stands by her
    };
    for (const auto &w : walks) {
        nobodymet();
        placeat(w.scene, w.area, w.x, w.y);
        for (const auto &h : w.holds)
            hold(h.first, h.second);
        EXPECT_EQ(at(), w.after) << w.area << ": " << w.x << "," << w.y;
    }
    area = 1;
    for (int y = 120; y <= 480; y += 120)
        EXPECT_FALSE(canmove(-120, y) || canmove(960, y)) << y;
    EXPECT_FALSE(canmove(-1, 120) || canmove(0, 720) || canmove(480, -1));  // free or exit cells
}

// The sergeant counts as heard from the start: after his briefing, walking
// into him opens nothing but makes him the one to think about.
TEST_F(Play, TheBriefingIsTheSergeantsTalkOfTheMorning)
{
    GameLoop::initialize();
    closebox();
    hold({KEY_RIGHT}, 1);
    EXPECT_EQ(at(), "0: 240,120");
    hold({KEY_T}, 1);
    EXPECT_EQ(at(), "0: 240,120 think SERGEANT 0");
}

// A thought, like a talk, stops him between cells; the last page lets him
// on in the same tick. T does nothing with nobody met, about someone thought
// about already, or while a box shows.
TEST_F(Play, ThoughtStopsHimBetweenCellsOnceAScene)
{
    hold({KEY_T, KEY_RIGHT}, 1);
    EXPECT_EQ(at(), "0: 484,120");
    actorconv = BARMAN;
    talkedto[BARMAN] = true;
    hold({KEY_T, KEY_SPACE}, 6);  // T needs no Space up
    EXPECT_EQ(at(), "0: 488,120 think BARMAN 0");
    pressspace();
    EXPECT_EQ(at(), "0: 488,120 think BARMAN 1");
    pressspace();
    EXPECT_EQ(at(), "0: 492,120");
    hold({KEY_T}, 1);
    thoughtabout[BARMAN] = false;
    talkmode = true;
    hold({KEY_T}, 1);
    EXPECT_EQ(at(), "0: 496,120 talk BARMAN 2");
    EXPECT_EQ(clearthoughts, 1);
}

// Ilse to the left, Teo below: one step meets both. Only Teo's talk opens,
// and Ilse is not counted as heard.
TEST_F(Play, TwoPersonsMetInOneStepOpenOne)
{
    placeat(1, 2, 240, 360);
    hold({KEY_DOWN, KEY_LEFT}, 1);
    EXPECT_EQ(at(), "2: 240,360 talk BARMAN 0");
    EXPECT_FALSE(talkedto[FRIEND]);
    closebox();
    hold({KEY_LEFT}, 1);
    EXPECT_EQ(at(), "2: 240,360 talk FRIEND 0");
}

// Every order of talks, each prefix a set of persons heard: the morning's
// sergeant wraps up only once Ilse, Teo and Lucien have all been heard,
// whoever else was (he stays for the evening if a thought was taken); the
// evening closes at the end of the fourth of Rook, Lucien, Ilse and Teo.
// Once a scene has closed nobody can be thought about.
TEST_F(Play, EveryOrderOfTalksClosesTheSceneOnlyOnceAllAreHeard)
{
    for (int s : {0, 1}) {
        std::vector<int> codes = {4, 5, 8, s ? 6 : 9};  // Ilse, Teo, Lucien; the body or Rook
        std::sort(codes.begin(), codes.end());
        int order = 0;
        do {
            newgame();
            nobodymet();
            scene = s, talkedto[SERGEANT] = s == 0, clearthoughts = order++ % 2;
            std::string closed, expected;
            for (int code : codes) {
                for (int c : s ? std::vector<int>{code} : std::vector<int>{code, 7}) {  // and the sergeant
                    picktalkstring(c);
                    closebox();
                }
                closed += sceneend ? 'x' : '.';
                expected += talkedto[FRIEND] && talkedto[BARMAN] && talkedto[SUSPECT] &&
                                    (s == 0 || talkedto[CLUBBER]) ? 'x' : '.';
                if (sceneend)
                    break;
            }
            SCOPED_TRACE("scene " + std::to_string(s) + ", order " + std::to_string(order));
            EXPECT_EQ(closed, expected);
            EXPECT_EQ(s == 0 && talkedto[clearthoughts ? SERGEANTSTAY : SERGEANTLEAVE], s == 0);
            hold({KEY_T}, 1);
            EXPECT_TRUE(fade && !thinkmode);
        } while (std::next_permutation(codes.begin(), codes.end()));
    }
}

}  // namespace
