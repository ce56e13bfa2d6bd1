// The evening in The Lantern: every block's shape, the scene's totals, the
// marks its texts may use, and the table that setdialogue builds from it.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "engine/world.h"
#include "script/script.h"
#include "tests/support/storycheck.h"

namespace {

// Each line as {speaker, length}; thoughts as lengths.
const std::vector<BlockShape> scene1shape = {
    {DETECTIVE, {}, {42}, {}},
    {FRIEND,
     {{FRIEND, 60}, {DETECTIVE, 45}, {FRIEND, 95}, {DETECTIVE, 33},
      {FRIEND, 98}, {DETECTIVE, 50}, {FRIEND, 30}, {DETECTIVE, 55}},
     {73, 50},
     {34, 25, 43, 50, 57, 86}},
    {BARMAN,
     {{BARMAN, 37}, {DETECTIVE, 41}, {DETECTIVE, 35}, {BARMAN, 49}, {DETECTIVE, 31},
      {BARMAN, 46}, {DETECTIVE, 24}, {BARMAN, 38}, {BARMAN, 61}},
     {29},
     {44, 75}},
    {CLUBBER,
     {{DETECTIVE, 26}, {CLUBBER, 44}, {DETECTIVE, 90}, {CLUBBER, 39}, {DETECTIVE, 24},
      {CLUBBER, 56},   {DETECTIVE, 43}, {CLUBBER, 58}, {CLUBBER, 44},  {DETECTIVE, 61},
      {CLUBBER, 18},   {CLUBBER, 64},   {DETECTIVE, 6}, {CLUBBER, 80}, {DETECTIVE, 23},
      {CLUBBER, 42},   {CLUBBER, 49},   {DETECTIVE, 6}},
     {65},
     {43, 73, 77, 40}},
    {SUSPECT,
     {{DETECTIVE, 10}, {SUSPECT, 43}, {DETECTIVE, 69}, {SUSPECT, 33},
      {DETECTIVE, 25}, {SUSPECT, 97}, {SUSPECT, 62}},
     {56},
     {17, 71, 67, 35}},
    {VICTIM, {}, {}, {}},
    {SERGEANTSTAY, {}, {}, {}},
};

std::vector<const char *> textsof(const std::vector<KeyBlock> &blocks)
{
    std::vector<const char *> texts;
    for (const KeyBlock &block : blocks) {
        for (const StoryLine &line : block.lines) texts.push_back(line.text);
        texts.insert(texts.end(), block.clearthoughts.begin(), block.clearthoughts.end());
        texts.insert(texts.end(), block.sexthoughts.begin(), block.sexthoughts.end());
    }
    return texts;
}

TEST(Scene1Script, EveryBlockHasItsShapeAndTheSceneItsTotals)
{
    checkshape(scene1blocks, scene1shape);
    EXPECT_EQ(counttexts(scene1blocks), 64);
    EXPECT_EQ(countchars(scene1blocks), 3092);
}

TEST(Scene1Script, TextsKeepToTheSceneMarks)
{
    const char *address = scene1blocks[4].lines[5].text;  // Lucien's address
    int doublespaced = 0;
    size_t longest = 0;
    for (const char *text : textsof(scene1blocks)) {
        std::string t = text;
        EXPECT_EQ(t.find(':'), std::string::npos) << t;
        for (char c : t)
            if (std::isdigit(static_cast<unsigned char>(c))) {
                EXPECT_EQ(text, address) << "a digit outside the address: " << t;
                EXPECT_TRUE(c == '4' || c == '5') << t;
            }
        if (t.find("  ") != std::string::npos) {
            ++doublespaced;
            size_t at = t.find("  ");
            EXPECT_TRUE(t[at - 1] == '.' || t[at - 1] == '!') << "two spaces not after a sentence: " << t;
        }
        size_t word = 0;
        for (char c : t) {
            word = c == ' ' ? 0 : word + 1;
            if (word > longest) longest = word;
        }
    }
    EXPECT_NE(std::strpbrk(address, "4"), nullptr);
    EXPECT_NE(std::strpbrk(address, "5"), nullptr);
    EXPECT_EQ(doublespaced, 10);
    EXPECT_EQ(longest, 13u);
}

// Every text of the game is different but for the ones the other scenes
// repeat on purpose, so none of this scene's may match another anywhere.
TEST(Scene1Script, NoTextRepeatsHereOrInTheOtherScenes)
{
    std::set<std::string> elsewhere;
    for (const char *text : textsof(scene0blocks)) elsewhere.insert(text);
    for (const char *text : textsof(scene2blocks)) elsewhere.insert(text);
    std::set<std::string> seen;
    for (const char *text : textsof(scene1blocks)) {
        EXPECT_TRUE(seen.insert(text).second) << "repeated in scene 1: " << text;
        EXPECT_EQ(elsewhere.count(text), 0u) << "also in another scene: " << text;
    }
}

TEST(Scene1Script, BuiltTableHoldsTheSevenEntries)
{
    checkbuilt(1);
    std::set<Actors> keys;
    for (const auto &entry : script) keys.insert(entry.first);
    EXPECT_EQ(keys, (std::set<Actors>{DETECTIVE, FRIEND, BARMAN, CLUBBER, SUSPECT, VICTIM, SERGEANTSTAY}));

    for (Actors empty : {VICTIM, SERGEANTSTAY}) {
        const PersonConv &conv = script.at(empty);
        EXPECT_TRUE(conv.lines.empty() && conv.clearthoughtlines.empty() && conv.sexthoughtlines.empty());
    }
    const PersonConv &detective = script.at(DETECTIVE);
    EXPECT_TRUE(detective.lines.empty());
    EXPECT_EQ(detective.clearthoughtlines.size(), 1u);
    EXPECT_TRUE(detective.sexthoughtlines.empty());

    // The lists keep their order and each text gains exactly one space.
    const PersonConv &suspect = script.at(SUSPECT);
    ASSERT_EQ(suspect.lines.size(), 7u);
    EXPECT_EQ(suspect.lines[5].speaker, SUSPECT);
    EXPECT_EQ(suspect.lines[5].text, std::string(scene1blocks[4].lines[5].text) + " ");
    ASSERT_EQ(suspect.sexthoughtlines.size(), 4u);
    EXPECT_EQ(suspect.sexthoughtlines[3], std::string(scene1blocks[4].sexthoughts[3]) + " ");
    EXPECT_EQ(script.at(CLUBBER).lines.size(), 18u);
}

}  // namespace
