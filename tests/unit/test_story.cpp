// The story of all three scenes: every block's shape, the scene's totals and
// marks, the table setdialogue builds, and the only texts said twice.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/support/storycheck.h"

namespace {

const SceneShape scenes[] = {
    {0, scene0blocks,
     {{DETECTIVE, "", "", ""},
      {FRIEND, "D40 F13 D71 F21 D16 F70 D119 F10 D37 F68 D4 F79 D31 F48 D32 F31 D38 F27 D115 F73 F76 D14",
       "60 100", "44 31 94 33 28 51"},
      {BARMAN, "D37 B29 D69 B74 B68 D17 B18 D33 B11 D25 B65 D24 B100 D22 B63 D70 B94 D14", "68 82 65",
       "34 24 34 27 17"},
      {CLUBBER, "", "", ""},
      {SERGEANT, "D17 S33 D31 S45 D5 D53 S74 D10 S51 D31 S27 D58 S34 S96 D37 S144", "99 82", ""},
      {SUSPECT, "D71 L20 D17 L81 D19 L63 D20 L61 D25 L81 L96 D63 L72 D44 L15 L77", "", "25 40 45 60 33 44"},
      {VICTIM, "D84", "79", "71 59"},
      {SERGEANTSTAY, "S39 D43 S38 D90 S159", "", ""},
      {SERGEANTLEAVE, "S39 D43 S38 D37", "", ""}},
     109, 5476, 13, 16, ""},
    {1, scene1blocks,
     {{DETECTIVE, "", "42", ""},
      {FRIEND, "F60 D45 F95 D33 F98 D50 F30 D55", "73 50", "34 25 43 50 57 86"},
      {BARMAN, "B37 D41 D35 B49 D31 B46 D24 B38 B61", "29", "44 75"},
      {CLUBBER, "D26 C44 D90 C39 D24 C56 D43 C58 C44 D61 C18 C64 D6 C80 D23 C42 C49 D6", "65", "43 73 77 40"},
      {SUSPECT, "D10 L43 D69 L33 D25 L97 L62", "56", "17 71 67 35"},
      {VICTIM, "", "", ""},
      {SERGEANTSTAY, "", "", ""}},
     64, 3092, 13, 10, "45"},  // the digits of Lucien's address
    {2, scene2blocks,
     {{DETECTIVE, "L46 D32 G21 P26 G11 P43 G109 P12 G70 P53 G26 P67 G38 P15 G19", "", ""},
      {SUSPECT,
       "L28 D54 L32 D19 L34 D14 L53 D15 L9 D11 L65 D48 L34 D30 L31 D40 L51 D60 L43 D36 L40 D53 L51 D72 L25 "
       "D4 L29 D27 L42 D18 L4 D12 G34 P31",
       "", ""}},
     49, 1737, 12, 2, ""},
};

TEST(Story, EverySceneHasItsShapeMarksAndTable)
{
    for (const SceneShape &s : scenes)
        checkscene(s);
}

// Every text of the game differs from all others but these, said twice on purpose.
TEST(Story, OnlyTheseTextsAreSaidTwice)
{
    const char *const names[] = {"DETECTIVE", "FRIEND", "BARMAN", "CLUBBER", "SERGEANT",
                                 "SUSPECT", "VICTIM", "SERGEANTSTAY", "SERGEANTLEAVE"};
    std::map<std::string, std::string> where;
    for (const SceneShape &s : scenes)
        for (const KeyBlock &b : s.blocks) {
            auto add = [&](const char *text, const std::string &place) {
                std::string &w = where[text];
                w += (w.empty() ? "" : " = ") + std::to_string(s.scene) + " " + names[b.key] + " " + place;
            };
            for (size_t i = 0; i < b.lines.size(); ++i)
                add(b.lines[i].text, std::to_string(i));
            for (size_t i = 0; i < b.clearthoughts.size(); ++i)
                add(b.clearthoughts[i], "clear " + std::to_string(i));
            for (size_t i = 0; i < b.sexthoughts.size(); ++i)
                add(b.sexthoughts[i], "desire " + std::to_string(i));
        }
    std::set<std::string> twice;
    for (const auto &w : where)
        if (w.second.find(" = ") != std::string::npos)
            twice.insert(w.second);
    EXPECT_EQ(twice, (std::set<std::string>{
                         "0 BARMAN 5 = 0 SUSPECT 2", "0 SERGEANTSTAY 0 = 0 SERGEANTLEAVE 0",
                         "0 SERGEANTSTAY 1 = 0 SERGEANTLEAVE 1", "0 SERGEANTSTAY 2 = 0 SERGEANTLEAVE 2",
                         "2 SUSPECT 25 = 2 SUSPECT 30"}));
}

}  // namespace
