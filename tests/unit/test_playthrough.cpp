// Whole games played from the title screen with the keyboard alone, one
// walkthrough per ending, each checked against what the player sees.
#include <gtest/gtest.h>

#include "tests/support/replay.h"

namespace {

using Notes = std::vector<std::string>;

// Scene 0 by the book: Broder's briefing, Ilse in the street, Teo and Lucien
// in The Lantern, back to Broder, and not one thought: he takes Marsh home.
const Route nothought = {
    {"", 59}, {"SPACE", 1},                           // title: Space once it has shown a second
    {"page", 16},                                     // Broder's briefing
    {"walk UP", 1},                                   // through the park gate: the street
    {"walk UP", 3}, {"walk RIGHT", 2},
    {"talk RIGHT", 22},                               // Ilse
    {"walk UP", 1},                                   // into The Lantern
    {"walk LEFT", 1}, {"talk LEFT", 18},              // Teo
    {"walk RIGHT", 3}, {"talk UP", 16},               // Lucien
    {"walk LEFT", 2}, {"walk DOWN", 1},               // out into the street
    {"walk DOWN", 3}, {"walk LEFT", 2}, {"walk DOWN", 1},  // back into the park
    {"talk RIGHT", 4},                                // Broder: back to the station
    {"", 91},                                         // the bands, then the ending screen
    {"", 61}, {"SPACE", 1},                           // ending screen: Space after its first second
    {"", 30},                                         // the title once more
};

// One desire thought about Lucien in the morning, two clear thoughts in the
// evening (Ilse, Teo), Lucien met last: nothing to go on.
const Route hopeless = {
    {"", 59}, {"SPACE", 1},
    {"page", 16},
    {"walk UP", 1},
    {"walk UP", 3}, {"walk RIGHT", 2}, {"talk RIGHT", 22},   // Ilse
    {"walk UP", 1},
    {"walk LEFT", 1}, {"talk LEFT", 18},                     // Teo
    {"walk RIGHT", 3}, {"talk UP", 16}, {"think", 6},        // Lucien, and a thought of him
    {"walk LEFT", 2}, {"walk DOWN", 1},
    {"walk DOWN", 3}, {"walk LEFT", 2}, {"walk DOWN", 1},
    {"talk RIGHT", 5},                                       // Broder: Marsh will come back
    {"", 180},                                               // evening in The Lantern
    {"walk UP", 1}, {"walk LEFT", 2},
    {"talk LEFT", 8}, {"think", 2},                          // Ilse
    {"talk DOWN", 9}, {"think", 1},                          // Teo
    {"walk RIGHT", 1}, {"talk UP", 18},                      // Rook
    {"walk RIGHT", 2}, {"talk RIGHT", 7},                    // Lucien, last
    {"", 91},
    {"", 61}, {"SPACE", 1},
    {"", 30},
};

// A clear thought about Broder in the morning; in the evening clear thoughts
// about Ilse, Teo and Rook before Lucien is met: Marsh suspects him.
const Route suspicion = {
    {"", 59}, {"SPACE", 1},
    {"page", 16}, {"think", 2},                              // Broder, and what Marsh makes of him
    {"walk UP", 1},
    {"walk UP", 3}, {"walk RIGHT", 2}, {"talk RIGHT", 22},   // Ilse
    {"walk UP", 1},
    {"walk LEFT", 1}, {"talk LEFT", 18},                     // Teo
    {"walk RIGHT", 3}, {"talk UP", 16},                      // Lucien
    {"walk LEFT", 2}, {"walk DOWN", 1},
    {"walk DOWN", 3}, {"walk LEFT", 2}, {"walk DOWN", 1},
    {"talk RIGHT", 5},                                       // Broder
    {"", 180},
    {"walk UP", 1}, {"walk LEFT", 2},
    {"talk LEFT", 8}, {"think", 2},                          // Ilse
    {"talk DOWN", 9}, {"think", 1},                          // Teo
    {"walk RIGHT", 1}, {"talk UP", 18}, {"think", 1},        // Rook
    {"walk RIGHT", 2}, {"talk RIGHT", 7},                    // Lucien, last
    {"", 91},
    {"", 61}, {"SPACE", 1},
    {"", 30},
};

// Lucien first in the morning, then a desire thought about everyone but
// Broder (4); in the evening Lucien first again and two more (6 in all):
// Marsh goes to Lucien's flat but holds out against him.
const Route resist = {
    {"", 59}, {"SPACE", 1},
    {"page", 16},
    {"walk UP", 1},
    {"walk UP", 3}, {"walk RIGHT", 2}, {"walk UP", 1},       // past Ilse into The Lantern
    {"walk RIGHT", 2}, {"talk UP", 16}, {"think", 6},        // Lucien
    {"walk LEFT", 3}, {"talk LEFT", 18}, {"think", 5},       // Teo
    {"walk RIGHT", 1}, {"walk DOWN", 1},                     // out into the street
    {"talk RIGHT", 22}, {"think", 6},                        // Ilse
    {"walk DOWN", 3}, {"walk LEFT", 2}, {"walk DOWN", 1},    // back into the park
    {"walk DOWN", 2}, {"walk RIGHT", 2},
    {"talk RIGHT", 1}, {"think", 2},                         // Emil's body
    {"walk LEFT", 2}, {"walk UP", 2}, {"talk RIGHT", 5},     // Broder
    {"", 180},
    {"walk RIGHT", 2}, {"talk UP", 7}, {"think", 4},         // Lucien
    {"walk LEFT", 2}, {"walk UP", 1}, {"walk LEFT", 2},
    {"talk LEFT", 8}, {"think", 6},                          // Ilse
    {"talk DOWN", 9},                                        // Teo
    {"walk RIGHT", 1}, {"talk UP", 18},                      // Rook, last
    {"", 180},                                               // Lucien's flat
    {"walk UP", 1}, {"walk RIGHT", 4},
    {"talk UP", 15},                                         // Lucien, armed
    {"", 91},
    {"", 61}, {"SPACE", 1},
    {"", 30},
};

// As on the road of resistance, with one more desire thought in the evening
// (Teo): exactly seven, and Marsh gives himself up.
const Route surrender = {
    {"", 59}, {"SPACE", 1},
    {"page", 16},
    {"walk UP", 1},
    {"walk UP", 3}, {"walk RIGHT", 2}, {"walk UP", 1},
    {"walk RIGHT", 2}, {"talk UP", 16}, {"think", 6},        // Lucien
    {"walk LEFT", 3}, {"talk LEFT", 18}, {"think", 5},       // Teo
    {"walk RIGHT", 1}, {"walk DOWN", 1},
    {"talk RIGHT", 22}, {"think", 6},                        // Ilse
    {"walk DOWN", 3}, {"walk LEFT", 2}, {"walk DOWN", 1},
    {"walk DOWN", 2}, {"walk RIGHT", 2},
    {"talk RIGHT", 1}, {"think", 2},                         // Emil's body
    {"walk LEFT", 2}, {"walk UP", 2}, {"talk RIGHT", 5},     // Broder
    {"", 180},
    {"walk RIGHT", 2}, {"talk UP", 7}, {"think", 4},         // Lucien
    {"walk LEFT", 2}, {"walk UP", 1}, {"walk LEFT", 2},
    {"talk LEFT", 8}, {"think", 6},                          // Ilse
    {"talk DOWN", 9}, {"think", 2},                          // Teo
    {"walk RIGHT", 1}, {"talk UP", 18},                      // Rook, last
    {"", 180},
    {"walk UP", 1}, {"walk RIGHT", 4},
    {"talk UP", 34},                                         // Lucien
    {"", 91},
    {"", 61}, {"SPACE", 1},
    {"", 30},
};

// The notes shared by every route at its two ends.
const Notes start = {"title, music 0", "new game, music 1", "talk SERGEANT: 16 lines"};
const Notes finish = {"ending screen left at its tick 62", "title, music 0",
                      "route ends on the title screen"};

Notes between(const Notes &middle)
{
    Notes all = start;
    all.insert(all.end(), middle.begin(), middle.end());
    all.insert(all.end(), finish.begin(), finish.end());
    return all;
}

const Notes nothoughtnotes = between({
    "area 1", "talk FRIEND: 22 lines",
    "area 2", "talk BARMAN: 18 lines", "talk SUSPECT: 16 lines",
    "area 1", "area 0", "talk SERGEANTLEAVE: 4 lines",
    "fade 90: clear 0, desire 0 -> ENDINGNOTHOUGHT",
    "ending screen ENDINGNOTHOUGHT, 91 ticks after the last Space, music 1, text at 450,380",
});

const Notes hopelessnotes = between({
    "area 1", "talk FRIEND: 22 lines",
    "area 2", "talk BARMAN: 18 lines", "talk SUSPECT: 16 lines", "think SUSPECT: 6 desire",
    "area 1", "area 0", "talk SERGEANTSTAY: 5 lines",
    "fade 90: clear 0, desire 1 -> scene 1", "music 2", "area 2",
    "fade over: scene 1, area 2, at 480,480",
    "talk FRIEND: 8 lines", "think FRIEND: 2 clear",
    "talk BARMAN: 9 lines", "think BARMAN: 1 clear",
    "talk CLUBBER: 18 lines", "talk SUSPECT: 7 lines",
    "fade 90: clear 2, desire 1 -> ENDINGHOPELESS",
    "ending screen ENDINGHOPELESS, 91 ticks after the last Space, music 2, text at 450,380",
});

const Notes suspicionnotes = between({
    "think SERGEANT: 2 clear",
    "area 1", "talk FRIEND: 22 lines",
    "area 2", "talk BARMAN: 18 lines", "talk SUSPECT: 16 lines",
    "area 1", "area 0", "talk SERGEANTSTAY: 5 lines",
    "fade 90: clear 1, desire 0 -> scene 1", "music 2", "area 2",
    "fade over: scene 1, area 2, at 480,480",
    "talk FRIEND: 8 lines", "think FRIEND: 2 clear",
    "talk BARMAN: 9 lines", "think BARMAN: 1 clear",
    "talk CLUBBER: 18 lines", "think CLUBBER: 1 clear",
    "talk SUSPECT: 7 lines",
    "fade 90: clear 3, desire 0 -> ENDINGSUSPICION",
    "ending screen ENDINGSUSPICION, 91 ticks after the last Space, music 2, text at 450,380",
});

// The morning of both roads through Lucien's flat: four desire thoughts.
const Notes desiremorning = {
    "area 1", "area 2",
    "talk SUSPECT: 16 lines", "think SUSPECT: 6 desire",
    "talk BARMAN: 18 lines", "think BARMAN: 5 desire",
    "area 1", "talk FRIEND: 22 lines", "think FRIEND: 6 desire",
    "area 0", "talk VICTIM: 1 line", "think VICTIM: 2 desire",
    "talk SERGEANTSTAY: 5 lines",
    "fade 90: clear 0, desire 4 -> scene 1", "music 2", "area 2",
    "fade over: scene 1, area 2, at 480,480",
    "talk SUSPECT: 7 lines", "think SUSPECT: 4 desire",
    "talk FRIEND: 8 lines", "think FRIEND: 6 desire",
};

Notes join(const Notes &a, const Notes &b)
{
    Notes all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

const Notes resistnotes = between(join(desiremorning, {
    "talk BARMAN: 9 lines",
    "talk CLUBBER: 18 lines",
    "fade 90: clear 0, desire 6 -> scene 2 (ENDINGRESIST)", "music 3", "area 3",
    "fade over: scene 2, area 3, at 240,600",
    "talk DETECTIVE: 15 lines", "gunshot",
    "fade 90: clear 0, desire 6 -> ENDINGRESIST",
    "ending screen ENDINGRESIST, 91 ticks after the last Space, music 3, black",
}));

const Notes surrendernotes = between(join(desiremorning, {
    "talk BARMAN: 9 lines", "think BARMAN: 2 desire",
    "talk CLUBBER: 18 lines",
    "fade 90: clear 0, desire 7 -> scene 2 (ENDINGSURRENDER)", "music 3", "area 3",
    "fade over: scene 2, area 3, at 240,600",
    "talk SUSPECT: 34 lines", "gunshot",
    "fade 90: clear 0, desire 7 -> ENDINGSURRENDER",
    "ending screen ENDINGSURRENDER, 91 ticks after the last Space, music 3, black",
}));

TEST(Playthrough, NoThoughtInTheMorningEndsTheCaseWithBroder)
{
    EXPECT_EQ(nothoughtnotes, replay(nothought));
}

TEST(Playthrough, TwoClearThoughtsAndOneOfDesireLeaveItHopeless)
{
    EXPECT_EQ(hopelessnotes, replay(hopeless));
}

TEST(Playthrough, ThreeClearThoughtsBeforeLucienRaiseSuspicion)
{
    EXPECT_EQ(suspicionnotes, replay(suspicion));
}

TEST(Playthrough, SixDesireThoughtsLeadToLuciensFlatAndResistance)
{
    EXPECT_EQ(resistnotes, replay(resist));
}

TEST(Playthrough, ExactlySevenDesireThoughtsLeadToSurrender)
{
    EXPECT_EQ(surrendernotes, replay(surrender));
}

// A second game straight after the first, from the same title screen: it
// opens in Broder's briefing again, and nothing met or thought in the first
// game carries over, so a morning without thoughts ends it as before.
TEST(Playthrough, TheNextGameStartsAfresh)
{
    Route both = hopeless;
    both.insert(both.end(), nothought.begin(), nothought.end());
    Notes expected(hopelessnotes.begin(), hopelessnotes.end() - 1);
    expected.insert(expected.end(), nothoughtnotes.begin() + 1, nothoughtnotes.end());
    EXPECT_EQ(expected, replay(both));
}

}  // namespace
