// The last scene: both conversations at gunpoint, line by line, their one
// shared text, the trailing-off lines, and the table that setdialogue builds.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "engine/text.h"
#include "engine/world.h"
#include "script/script.h"
#include "tests/support/storycheck.h"

namespace {

const std::vector<BlockShape> scene2shape = {
    // The road where the detective resists.
    {DETECTIVE,
     {{SUSPECT, 46},         {DETECTIVE, 32},       {SPEAKERGUNMAN, 21},   {SPEAKERGUNPOINT, 26},
      {SPEAKERGUNMAN, 11},   {SPEAKERGUNPOINT, 43}, {SPEAKERGUNMAN, 109},  {SPEAKERGUNPOINT, 12},
      {SPEAKERGUNMAN, 70},   {SPEAKERGUNPOINT, 53}, {SPEAKERGUNMAN, 26},   {SPEAKERGUNPOINT, 67},
      {SPEAKERGUNMAN, 38},   {SPEAKERGUNPOINT, 15}, {SPEAKERGUNMAN, 19}},
     {},
     {}},
    // The road where he gives himself up.
    {SUSPECT,
     {{SUSPECT, 28}, {DETECTIVE, 54}, {SUSPECT, 32}, {DETECTIVE, 19}, {SUSPECT, 34},
      {DETECTIVE, 14}, {SUSPECT, 53}, {DETECTIVE, 15}, {SUSPECT, 9},  {DETECTIVE, 11},
      {SUSPECT, 65}, {DETECTIVE, 48}, {SUSPECT, 34}, {DETECTIVE, 30}, {SUSPECT, 31},
      {DETECTIVE, 40}, {SUSPECT, 51}, {DETECTIVE, 60}, {SUSPECT, 43}, {DETECTIVE, 36},
      {SUSPECT, 40}, {DETECTIVE, 53}, {SUSPECT, 51}, {DETECTIVE, 72}, {SUSPECT, 25},
      {DETECTIVE, 4},  {SUSPECT, 29}, {DETECTIVE, 27}, {SUSPECT, 42}, {DETECTIVE, 18},
      {SUSPECT, 4},  {DETECTIVE, 12}, {SPEAKERGUNMAN, 34}, {SPEAKERGUNPOINT, 31}},
     {},
     {}},
};

bool endsintrailingdots(const std::string &t)
{
    return t.size() >= 3 && t.compare(t.size() - 3, 3, "...") == 0;
}

TEST(Scene2Script, BothConversationsHaveTheirShapeAndTotals)
{
    checkshape(scene2blocks, scene2shape);
    EXPECT_EQ(counttexts(scene2blocks), 49);
    EXPECT_EQ(countchars(scene2blocks), 1737);
    EXPECT_EQ(countchars({scene2blocks[0]}), 588);
    EXPECT_EQ(countchars({scene2blocks[1]}), 1149);
}

TEST(Scene2Script, OnlyTheAssentIsSharedAndItIsOneText)
{
    const KeyBlock &surrender = scene2blocks[1];
    ASSERT_EQ(surrender.lines.size(), 34u);
    EXPECT_STREQ(surrender.lines[25].text, surrender.lines[30].text);
    EXPECT_STREQ(surrender.lines[25].text, "Yes.");
    std::set<std::string> texts;
    for (const KeyBlock &block : scene2blocks)
        for (const StoryLine &line : block.lines) texts.insert(line.text);
    EXPECT_EQ(texts.size(), 48u);
}

// Speech trails off in three places only; two spaces part sentences in two
// lines only; no digit and no word over 12 characters.
TEST(Scene2Script, MarksAndSpacingFallWhereTheyBelong)
{
    std::set<std::pair<int, size_t>> trailing, doublespaced;
    size_t longest = 0;
    for (int b = 0; b < 2; ++b)
        for (size_t i = 0; i < scene2blocks[b].lines.size(); ++i) {
            std::string t = scene2blocks[b].lines[i].text;
            if (endsintrailingdots(t)) trailing.insert({b, i});
            if (t.find("  ") != std::string::npos) doublespaced.insert({b, i});
            size_t word = 0;
            for (char c : t) {
                EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(c))) << t;
                word = c == ' ' ? 0 : word + 1;
                if (word > longest) longest = word;
            }
        }
    EXPECT_EQ(trailing, (std::set<std::pair<int, size_t>>{{0, 7}, {0, 13}, {1, 33}}));
    EXPECT_EQ(doublespaced, (std::set<std::pair<int, size_t>>{{0, 5}, {0, 6}}));
    EXPECT_EQ(longest, 12u);
}

TEST(Scene2Script, BuiltTableHoldsOnlyTheTwoConversations)
{
    checkbuilt(2);
    std::set<Actors> keys;
    for (const auto &entry : script) keys.insert(entry.first);
    EXPECT_EQ(keys, (std::set<Actors>{DETECTIVE, SUSPECT}));
    for (Actors a : {DETECTIVE, SUSPECT}) {
        EXPECT_TRUE(script.at(a).clearthoughtlines.empty());
        EXPECT_TRUE(script.at(a).sexthoughtlines.empty());
    }
    // The longest line, the gunman's boast, fills seven rows of the box.
    EXPECT_EQ(wraptext(script.at(DETECTIVE).lines[6].text, 20).size(), 7u);

    // The assent is stored twice, each copy its own.
    std::vector<Dialogue_Line> &lines = script.at(SUSPECT).lines;
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[25].text, "Yes. ");
    EXPECT_EQ(lines[25].speaker, DETECTIVE);
    EXPECT_EQ(lines[30].speaker, SUSPECT);
    lines[25].text = "changed ";
    EXPECT_EQ(lines[30].text, "Yes. ");
}

}  // namespace
