// Scene 0's script: every block, list, speaker and text length as the engine
// expects them, the texts that must stay identical, and the built table.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "engine/world.h"
#include "tests/support/storycheck.h"

namespace {

const int D = DETECTIVE, F = FRIEND, B = BARMAN, S = SERGEANT, P = SUSPECT;

// {speaker, length} per line; thought lengths; all before the added space.
const std::vector<BlockShape> scene0shape = {
    {DETECTIVE, {}, {}, {}},
    {FRIEND,
     {{D, 40}, {F, 13}, {D, 71}, {F, 21}, {D, 16}, {F, 70}, {D, 119}, {F, 10}, {D, 37}, {F, 68}, {D, 4},
      {F, 79}, {D, 31}, {F, 48}, {D, 32}, {F, 31}, {D, 38}, {F, 27}, {D, 115}, {F, 73}, {F, 76}, {D, 14}},
     {60, 100},
     {44, 31, 94, 33, 28, 51}},
    {BARMAN,
     {{D, 37}, {B, 29}, {D, 69}, {B, 74}, {B, 68}, {D, 17}, {B, 18}, {D, 33}, {B, 11}, {D, 25}, {B, 65},
      {D, 24}, {B, 100}, {D, 22}, {B, 63}, {D, 70}, {B, 94}, {D, 14}},
     {68, 82, 65},
     {34, 24, 34, 27, 17}},
    {CLUBBER, {}, {}, {}},
    {SERGEANT,
     {{D, 17}, {S, 33}, {D, 31}, {S, 45}, {D, 5}, {D, 53}, {S, 74}, {D, 10}, {S, 51}, {D, 31}, {S, 27},
      {D, 58}, {S, 34}, {S, 96}, {D, 37}, {S, 144}},
     {99, 82},
     {}},
    {SUSPECT,
     {{D, 71}, {P, 20}, {D, 17}, {P, 81}, {D, 19}, {P, 63}, {D, 20}, {P, 61}, {D, 25}, {P, 81}, {P, 96},
      {D, 63}, {P, 72}, {D, 44}, {P, 15}, {P, 77}},
     {},
     {25, 40, 45, 60, 33, 44}},
    {VICTIM, {{D, 84}}, {79}, {71, 59}},
    {SERGEANTSTAY, {{S, 39}, {D, 43}, {S, 38}, {D, 90}, {S, 159}}, {}, {}},
    {SERGEANTLEAVE, {{S, 39}, {D, 43}, {S, 38}, {D, 37}}, {}, {}},
};

const KeyBlock &block(Actors key)
{
    for (const KeyBlock &b : scene0blocks)
        if (b.key == key)
            return b;
    ADD_FAILURE() << "no block for key " << key;
    return scene0blocks.front();
}

std::vector<std::string> alltexts()
{
    std::vector<std::string> texts;
    for (const KeyBlock &b : scene0blocks) {
        for (const StoryLine &line : b.lines)
            texts.push_back(line.text);
        texts.insert(texts.end(), b.clearthoughts.begin(), b.clearthoughts.end());
        texts.insert(texts.end(), b.sexthoughts.begin(), b.sexthoughts.end());
    }
    return texts;
}

// One flawed text each, to prove the checker notices.
const std::vector<KeyBlock> flawed[] = {
    {{FRIEND, {{FRIEND, "A tab\there."}}, {}, {}}},
    {{FRIEND, {{FRIEND, "Too long."}}, {}, {}}},
    {{FRIEND, {{FRIEND, "Trailing space. "}}, {}, {}}},
    {{FRIEND, {{FRIEND, "Three   spaces."}}, {}, {}}},
    {{FRIEND, {{FRIEND, "Overlongwordhere"}}, {}, {}}},
    {{FRIEND, {{DETECTIVE, "Wrong speaker."}}, {}, {}}},
};
const std::vector<BlockShape> flawedshape[] = {
    {{FRIEND, {{F, 11}}, {}, {}}},
    {{FRIEND, {{F, 8}}, {}, {}}},
    {{FRIEND, {{F, 16}}, {}, {}}},
    {{FRIEND, {{F, 15}}, {}, {}}},
    {{FRIEND, {{F, 16}}, {}, {}}},
    {{FRIEND, {{F, 14}}, {}, {}}},
};

}  // namespace

TEST(StoryCheck, FlagsEachKindOfFlaw)
{
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[0], flawedshape[0]), "holds character 9");
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[1], flawedshape[1]), "FRIEND line 0");
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[2], flawedshape[2]), "ends with a space");
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[3], flawedshape[3]), "three spaces");
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[4], flawedshape[4]), "a word of 16");
    EXPECT_NONFATAL_FAILURE(checkshape(flawed[5], flawedshape[5]), "FRIEND line 0");
}

TEST(Scene0Script, BlocksHaveTheExpectedShape)
{
    checkshape(scene0blocks, scene0shape);
}

TEST(Scene0Script, Totals)
{
    EXPECT_EQ(counttexts(scene0blocks), 109);
    EXPECT_EQ(countchars(scene0blocks), 5476);
    std::vector<std::string> texts = alltexts();
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), 105u);
}

TEST(Scene0Script, SpacingAndDigits)
{
    int doublespaced = 0;
    for (const std::string &text : alltexts()) {
        if (text.find(".  ") != std::string::npos)
            ++doublespaced;
        EXPECT_EQ(text.find_first_of("0123456789"), std::string::npos) << "digit in \"" << text << "\"";
    }
    EXPECT_EQ(doublespaced, 16);
}

TEST(Scene0Script, SharedTextsAreIdentical)
{
    EXPECT_STREQ(block(BARMAN).lines.at(5).text, block(SUSPECT).lines.at(2).text);
    const KeyBlock &stay = block(SERGEANTSTAY), &leave = block(SERGEANTLEAVE);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stay.lines.at(i).speaker, leave.lines.at(i).speaker) << "closing line " << i;
        EXPECT_STREQ(stay.lines.at(i).text, leave.lines.at(i).text) << "closing line " << i;
    }
    EXPECT_STRNE(stay.lines.at(3).text, leave.lines.at(3).text);
}

TEST(Scene0Script, BuiltTextsFitTheirBoxes)
{
    checkbuilt(0);
    EXPECT_EQ(script.size(), 9u);
    EXPECT_EQ(script.begin()->first, DETECTIVE);
    EXPECT_EQ(script.rbegin()->first, SERGEANTLEAVE);
}
