// Whole games played through the game's sequence of screens with the
// keyboard alone, one route per ending, and Esc on each screen, each checked
// against what the player sees and hears.
#include <gtest/gtest.h>

#include "tests/support/replay.h"

namespace {

// The intro, which nothing shortens; the title, Space once it has shown a
// second, then Broder's briefing paged away; the ending screen's bands, Space
// after its first second, then the title.
const std::string intro = ".102 ", title = ".59 S P16 ", back = " .152 S .30 ";
// Ilse in the street, Teo and Lucien in The Lantern, back to Broder; the
// evening in The Lantern: Ilse, Teo, Rook (and Lucien met last).
const std::string morning = "U4 R2 r22 U1 L1 l18 R3 u16 ", tobroder = "L2 D4 L2 D1 r";
const std::string evening = " .180 U1 L2 l8 T2 d9 T1 R1 u18";
// Lucien first, desire thoughts about Lucien, Teo, Ilse and the body; then
// Lucien first again in the evening, and Ilse; in Lucien's flat, up and
// across to him, armed.
const std::string desire = "U4 R2 U1 R2 u16 T6 L3 l18 T5 R1 D1 r22 T6 D3 L2 D3 R2 r1 T2 L2 U2 r5"
                           " .180 R2 u7 T4 L2 U1 L2 l8 T6 d9";
const std::string flat = " R1 u18 .180 U1 R4 u";

const std::string briefing = "intro m0; title m0; game m1; talk SERGEANT 16; ";
const std::string eveningnotes = "talk FRIEND 8; think FRIEND 2 clear; talk BARMAN 9; think BARMAN 1 clear; "
                                 "talk CLUBBER 18; ";
const std::string desirenotes =
    "talk SUSPECT 16; think SUSPECT 6 desire; talk BARMAN 18; think BARMAN 5 desire; talk FRIEND 22; "
    "think FRIEND 6 desire; talk VICTIM 1; think VICTIM 2 desire; talk SERGEANTSTAY 5; "
    "fade 90 c0 d4 -> scene 1; talk SUSPECT 7; think SUSPECT 4 desire; talk FRIEND 8; "
    "think FRIEND 6 desire; talk BARMAN 9; ";
const std::string gunshot = "sample 1 vol 255 pan 128 freq 1000 loop 0; ";
// The ending screen left, and Esc on the title that follows.
const std::string escontitle = "; left at 62; title m0; game m1; ending -1 +0 m1; quit on title m0";

// Each ending by the thoughts taken; the first case drops the case as
// hopeless, then plays a second game from the title that follows: nothing
// met or thought in the first carries over, so a morning without a thought
// ends the case with Broder, and Esc on its ending screen still starts the
// title's music.
TEST(Playthrough, EachEndingFromTheIntroToTheTitle)
{
    const struct {
        std::string route, notes;
    } cases[] = {
        {morning + "T6 " + tobroder + "5" + evening + " R2 r7" + back + title + morning + tobroder + "4 .152",
         "talk FRIEND 22; talk BARMAN 18; talk SUSPECT 16; think SUSPECT 6 desire; talk SERGEANTSTAY 5; "
         "fade 90 c0 d1 -> scene 1; " + eveningnotes + "talk SUSPECT 7; fade 90 c2 d1 -> HOPELESS; "
         "ending HOPELESS +91 m2; left at 62; title m0; game m1; talk SERGEANT 16; talk FRIEND 22; "
         "talk BARMAN 18; talk SUSPECT 16; talk SERGEANTLEAVE 4; fade 90 c0 d0 -> NOTHOUGHT; "
         "ending NOTHOUGHT +91 m1; quit on ending m0"},
        {"T2 " + morning + tobroder + "5" + evening + " T1 R2 r7" + back,
         "think SERGEANT 2 clear; talk FRIEND 22; talk BARMAN 18; talk SUSPECT 16; talk SERGEANTSTAY 5; "
         "fade 90 c1 d0 -> scene 1; " + eveningnotes + "think CLUBBER 1 clear; talk SUSPECT 7; "
         "fade 90 c3 d0 -> SUSPICION; ending SUSPICION +91 m2" + escontitle},
        {desire + flat + "15" + back,
         desirenotes + "talk CLUBBER 18; fade 90 c0 d6 -> scene 2 RESIST; talk DETECTIVE 15; " + gunshot +
         "fade 90 c0 d6 -> RESIST; ending RESIST +91 m3" + escontitle},
        {desire + " T2" + flat + "34" + back,
         desirenotes + "think BARMAN 2 desire; talk CLUBBER 18; fade 90 c0 d7 -> scene 2 SURRENDER; " +
         "talk SUSPECT 34; " + gunshot + "fade 90 c0 d7 -> SURRENDER; ending SURRENDER +91 m3" + escontitle},
    };
    for (const auto &c : cases)
        EXPECT_EQ(replay(intro + title + c.route), briefing + c.notes) << c.route;
}

// Esc on the intro or in a game: the rest of that cycle still starts, each
// screen no further than its initialize, then the title music; the run ends.
TEST(Playthrough, EscStartsTheRestOfTheCycleThenTheTitleMusic)
{
    EXPECT_EQ(replay(".50"), "intro m0; quit on intro m0");
    EXPECT_EQ(replay(intro + ".59 S .5"), "intro m0; title m0; game m1; ending -1 +6 m1; quit on game m0");
}

}  // namespace
