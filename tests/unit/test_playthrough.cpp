// Whole games played through the game's sequence of screens with the
// keyboard alone, one route per ending, and Esc on each screen, each checked
// against what the player sees and hears.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/replay.h"

namespace {

using Notes = std::vector<std::string>;

// The intro, which nothing shortens.
const std::string intro = ".102 ";
// Title: Space once it has shown a second; Broder's briefing is paged away.
const std::string title = ".59 S P16 ";
// Ending screen: the bands, then Space after its first second, then the title.
const std::string back = " .152 S .30";
// Ilse in the street, Teo and Lucien in The Lantern, back to Broder.
const std::string morning = "U4 R2 r22 U1 L1 l18 R3 u16 ";
const std::string tobroder = "L2 D4 L2 D1 r";
// Evening in The Lantern: Ilse, Teo, Rook (and Lucien met last).
const std::string evening = " .180 U1 L2 l8 T2 d9 T1 R1 u18";
// Lucien first, desire thoughts about Lucien, Teo, Ilse and the body; then
// Lucien first again in the evening, and Ilse.
const std::string desire = "U4 R2 U1 R2 u16 T6 L3 l18 T5 R1 D1 r22 T6 D3 L2 D3 R2 r1 T2 L2 U2 r5"
                           " .180 R2 u7 T4 L2 U1 L2 l8 T6 d9";
// Lucien's flat: up and across to him, armed.
const std::string flat = " R1 u18 .180 U1 R4 u";

// Notes as written in the tests below, parted by "; ".
Notes split(const std::string &all)
{
    Notes out;
    for (size_t at = 0, end; at <= all.size(); at = end + 2) {
        end = std::min(all.find("; ", at), all.size());
        out.push_back(all.substr(at, end - at));
    }
    return out;
}

// The notes of a replay from the intro to Esc on the title after an ending.
Notes notes(const std::string &middle)
{
    return split("intro m0; title m0; game m1; talk SERGEANT 16; " + middle +
                 "; left at 62; title m0; game m1; ending -1 +0 m1; quit on title m0");
}

const std::string scene1 = "scene 1 area 2 at 480,480 m2; ";
const std::string scene2 = "scene 2 area 3 at 240,600 m3; ";
const std::string gunshot = "sample 1 vol 255 pan 128 freq 1000 loop 0; ";
const std::string eveningnotes = "talk FRIEND 8; think FRIEND 2 clear; talk BARMAN 9; think BARMAN 1 clear; "
                                 "talk CLUBBER 18; ";
const std::string nothought = "talk FRIEND 22; talk BARMAN 18; talk SUSPECT 16; talk SERGEANTLEAVE 4; "
                               "fade 90 c0 d0 -> NOTHOUGHT; ending NOTHOUGHT +91 m1";
const std::string desirenotes =
    "talk SUSPECT 16; think SUSPECT 6 desire; talk BARMAN 18; think BARMAN 5 desire; talk FRIEND 22; "
    "think FRIEND 6 desire; talk VICTIM 1; think VICTIM 2 desire; talk SERGEANTSTAY 5; "
    "fade 90 c0 d4 -> scene 1; " + scene1 +
    "talk SUSPECT 7; think SUSPECT 4 desire; talk FRIEND 8; think FRIEND 6 desire; talk BARMAN 9; ";

// The case dropped as hopeless, then a second game from the title that
// follows: nothing met or thought in the first carries over, so a morning
// without a thought ends the case with Broder.
TEST(Playthrough, HopelessThenANewGameWithoutAThoughtEndsWithBroder)
{
    EXPECT_EQ(notes("talk FRIEND 22; talk BARMAN 18; talk SUSPECT 16; think SUSPECT 6 desire; "
                    "talk SERGEANTSTAY 5; fade 90 c0 d1 -> scene 1; " + scene1 + eveningnotes +
                    "talk SUSPECT 7; fade 90 c2 d1 -> HOPELESS; ending HOPELESS +91 m2; left at 62; "
                    "title m0; game m1; talk SERGEANT 16; " + nothought),
              replay(intro + title + morning + "T6 " + tobroder + "5" + evening + " R2 r7" + back + " " +
                     title + morning + tobroder + "4" + back));
}

// Esc on any screen: the rest of that cycle still starts, each screen no
// further than its initialize, then the title music, and the run ends.
TEST(Playthrough, EscStartsTheRestOfTheCycleThenTheTitleMusic)
{
    const struct {
        std::string route, notes;
    } cases[] = {
        {".50", "intro m0; quit on intro m0"},
        {intro + ".30", "intro m0; title m0; game m1; ending -1 +0 m1; quit on title m0"},
        {intro + ".59 S .5", "intro m0; title m0; game m1; ending -1 +6 m1; quit on game m0"},
        {intro + title + morning + tobroder + "4 .152",
         "intro m0; title m0; game m1; talk SERGEANT 16; " + nothought + "; quit on ending m0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(split(c.notes), replay(c.route)) << c.route;
}

TEST(Playthrough, ThreeClearThoughtsBeforeLucienRaiseSuspicion)
{
    EXPECT_EQ(notes("think SERGEANT 2 clear; talk FRIEND 22; talk BARMAN 18; talk SUSPECT 16; "
                    "talk SERGEANTSTAY 5; fade 90 c1 d0 -> scene 1; " + scene1 + eveningnotes +
                    "think CLUBBER 1 clear; talk SUSPECT 7; fade 90 c3 d0 -> SUSPICION; "
                    "ending SUSPICION +91 m2"),
              replay(intro + title + "T2 " + morning + tobroder + "5" + evening + " T1 R2 r7" + back));
}

TEST(Playthrough, SixDesireThoughtsLeadToLuciensFlatAndResistance)
{
    EXPECT_EQ(notes(desirenotes + "talk CLUBBER 18; fade 90 c0 d6 -> scene 2 RESIST; " + scene2 +
                    "talk DETECTIVE 15; " + gunshot + "fade 90 c0 d6 -> RESIST; ending RESIST +91 m3"),
              replay(intro + title + desire + flat + "15" + back));
}

TEST(Playthrough, ExactlySevenDesireThoughtsLeadToSurrender)
{
    EXPECT_EQ(notes(desirenotes + "think BARMAN 2 desire; talk CLUBBER 18; "
                    "fade 90 c0 d7 -> scene 2 SURRENDER; " + scene2 +
                    "talk SUSPECT 34; " + gunshot + "fade 90 c0 d7 -> SURRENDER; ending SURRENDER +91 m3"),
              replay(intro + title + desire + " T2" + flat + "34" + back));
}

}  // namespace
