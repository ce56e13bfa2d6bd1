// Filling the conversation table: a fresh table for each scene, an entry for
// every block even when empty, and one space after every stored text.
#include <gtest/gtest.h>

#include <set>

#include "engine/world.h"
#include "script/script.h"

namespace {

std::set<Actors> keys()
{
    std::set<Actors> found;
    for (const auto &entry : script)
        found.insert(entry.first);
    return found;
}

bool isempty(Actors a)
{
    const PersonConv &conv = script.at(a);
    return conv.lines.empty() && conv.clearthoughtlines.empty() && conv.sexthoughtlines.empty();
}

const char *const shared = "Same words.";

const std::vector<KeyBlock> blocks = {
    {DETECTIVE, {}, {}, {}},
    {BARMAN, {{2, "Teo."}, {0, shared}}, {"First clear.", "Second clear."}, {"Desire."}},
    {SUSPECT, {{5, shared}}, {}, {shared}},
};

TEST(Buildscript, StoresEveryTextInOrderWithOneAddedSpace)
{
    script[VICTIM].lines.push_back({0, "left over "});
    buildscript(blocks);
    EXPECT_EQ(keys(), (std::set<Actors>{DETECTIVE, BARMAN, SUSPECT}));
    EXPECT_TRUE(isempty(DETECTIVE));

    const PersonConv &teo = script.at(BARMAN);
    ASSERT_EQ(teo.lines.size(), 2u);
    EXPECT_EQ(teo.lines[0].speaker, 2);
    EXPECT_EQ(teo.lines[0].text, "Teo. ");
    EXPECT_EQ(teo.lines[1].speaker, 0);
    EXPECT_EQ(teo.lines[1].text, "Same words. ");
    EXPECT_EQ(teo.clearthoughtlines, (std::vector<std::string>{"First clear. ", "Second clear. "}));
    EXPECT_EQ(teo.sexthoughtlines, (std::vector<std::string>{"Desire. "}));
}

TEST(Buildscript, SharedTextsAreIndependentCopies)
{
    buildscript(blocks);
    script[BARMAN].lines[1].text[0] = 'X';
    EXPECT_EQ(script[SUSPECT].lines[0].text, "Same words. ");
    EXPECT_EQ(script[SUSPECT].sexthoughtlines[0], "Same words. ");
    EXPECT_STREQ(shared, "Same words.");
}

TEST(Buildscript, BuildingTwiceGivesTheSameTable)
{
    buildscript(blocks);
    std::map<Actors, PersonConv> first = script;
    buildscript(blocks);
    ASSERT_EQ(keys().size(), first.size());
    for (const auto &entry : first) {
        const PersonConv &again = script.at(entry.first);
        EXPECT_EQ(again.lines.size(), entry.second.lines.size());
        EXPECT_EQ(again.clearthoughtlines, entry.second.clearthoughtlines);
        EXPECT_EQ(again.sexthoughtlines, entry.second.sexthoughtlines);
    }
}

TEST(Setdialogue, SceneOutsideTheGameLeavesTheTableEmpty)
{
    for (int s : {3, -1}) {
        scene = 0;
        setdialogue();
        ASSERT_FALSE(script.empty());
        scene = s;
        setdialogue();
        EXPECT_TRUE(script.empty()) << s;
        // A lookup of any actor still yields empty lists.
        EXPECT_TRUE(script[FRIEND].lines.empty());
        EXPECT_TRUE(script[FRIEND].clearthoughtlines.empty());
        EXPECT_TRUE(script[FRIEND].sexthoughtlines.empty());
    }
}

TEST(Setdialogue, EachSceneHoldsOnlyItsOwnEntries)
{
    scene = 2;
    setdialogue();
    EXPECT_EQ(keys(), (std::set<Actors>{DETECTIVE, SUSPECT}));

    scene = 0;
    setdialogue();
    EXPECT_EQ(keys(), (std::set<Actors>{DETECTIVE, FRIEND, BARMAN, CLUBBER, SERGEANT, SUSPECT,
                                        VICTIM, SERGEANTSTAY, SERGEANTLEAVE}));
    EXPECT_TRUE(isempty(DETECTIVE));
    EXPECT_TRUE(isempty(CLUBBER));

    scene = 1;
    setdialogue();
    EXPECT_EQ(keys(), (std::set<Actors>{DETECTIVE, FRIEND, BARMAN, CLUBBER, SUSPECT, VICTIM,
                                        SERGEANTSTAY}));
    EXPECT_TRUE(isempty(VICTIM));
    EXPECT_TRUE(isempty(SERGEANTSTAY));
}

}  // namespace
