// The story of all three scenes and the ending texts against what the
// engine and its boxes expect: every block's speakers and lengths, the rules
// every text keeps, the table setdialogue builds, and the only texts said
// twice.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "engine/game.h"
#include "engine/gameover.h"
#include "engine/text.h"
#include "engine/world.h"
#include "script.h"
#include "tests/support/headless.h"

namespace {

// One key block in short: its key, its lines as speaker letter and length,
// "D40 F13" (D F B C S L are speakers 0 to 5, G the gunman, P the detective
// at gunpoint), then its clear and desire thoughts as lengths, "60 100".
using BlockShape = std::tuple<Actors, std::string, std::string, std::string>;

struct SceneShape {
    int scene;
    const std::vector<KeyBlock> &blocks;
    std::vector<BlockShape> shape;
};

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
      {SERGEANTLEAVE, "S39 D43 S38 D37", "", ""}}},
    {1, scene1blocks,
     {{DETECTIVE, "", "42", ""},
      {FRIEND, "F60 D45 F95 D33 F98 D50 F30 D55", "73 50", "34 25 43 50 57 86"},
      {BARMAN, "B37 D41 D35 B49 D31 B46 D24 B38 B61", "29", "44 75"},
      {CLUBBER, "D26 C44 D90 C39 D24 C56 D43 C58 C44 D61 C18 C64 D6 C80 D23 C42 C49 D6", "65", "43 73 77 40"},
      {SUSPECT, "D10 L43 D69 L33 D25 L97 L62", "56", "17 71 67 35"},
      {VICTIM, "", "", ""},
      {SERGEANTSTAY, "", "", ""}}},
    {2, scene2blocks,
     {{DETECTIVE, "L46 D32 G21 P26 G11 P43 G109 P12 G70 P53 G26 P67 G38 P15 G19", "", ""},
      {SUSPECT,
       "L28 D54 L32 D19 L34 D14 L53 D15 L9 D11 L65 D48 L34 D30 L31 D40 L51 D60 L43 D36 L40 D53 L51 D72 L25 "
       "D4 L29 D27 L42 D18 L4 D12 G34 P31",
       "", ""}}},
};

// Each text of a block, or of its entry in the table, with its list (0
// lines, 1 clear thoughts, 2 desire thoughts), its index there, and its
// speaker (-1 for thoughts).
struct Text {
    int list, index, speaker;
    std::string text;
};
template <class Lines, class Thoughts>
std::vector<Text> textsof(const Lines &lines, const Thoughts &clear, const Thoughts &desire)
{
    std::vector<Text> out;
    for (size_t i = 0; i < lines.size(); ++i)
        out.push_back({0, int(i), lines[i].speaker, lines[i].text});
    for (size_t i = 0; i < clear.size(); ++i)
        out.push_back({1, int(i), -1, clear[i]});
    for (size_t i = 0; i < desire.size(); ++i)
        out.push_back({2, int(i), -1, desire[i]});
    return out;
}

// Each scene's table holds its blocks alone, each text plus one space, each
// block in its shape, each text wrapping at 20 characters into at most 8
// rows (lines) or 6 (thoughts).
TEST(Story, EachSceneBuildsItsBlocksInTheirShapesAndBoxes)
{
    for (const SceneShape &s : scenes) {
        SCOPED_TRACE("scene " + std::to_string(s.scene));
        scene = s.scene;
        setdialogue();
        ASSERT_EQ(script.size(), s.blocks.size());
        ASSERT_EQ(s.shape.size(), s.blocks.size());
        for (size_t b = 0; b < s.blocks.size(); ++b) {
            const KeyBlock &block = s.blocks[b];
            const PersonConv &conv = script.at(block.key);
            std::vector<Text> authored = textsof(block.lines, block.clearthoughts, block.sexthoughts),
                              stored = textsof(conv.lines, conv.clearthoughtlines, conv.sexthoughtlines);
            ASSERT_EQ(stored.size(), authored.size());
            std::string shape[3];
            for (size_t i = 0; i < stored.size(); ++i) {
                const Text &a = authored[i], &t = stored[i];
                EXPECT_EQ(std::make_tuple(t.list, t.index, t.speaker, t.text),
                          std::make_tuple(a.list, a.index, a.speaker, a.text + " "));
                EXPECT_LE(wraptext(t.text, TEXTWIDTH).size(), t.list ? 6u : 8u) << "\"" << t.text << "\"";
                const char *letters = "DFBCSL???GP?";
                std::string letter = a.speaker < 0 ? "" : std::string(1, letters[std::min(a.speaker, 11)]);
                shape[a.list] += (a.index ? " " : "") + letter + std::to_string(a.text.size());
            }
            EXPECT_EQ(s.shape[b], BlockShape(block.key, shape[0], shape[1], shape[2])) << "block " << b;
        }
    }
}

// Every text, the ending texts too: letters, the marks " !',-.:;?" and one
// house number, "45"; words of at most 15 characters; no space at either end;
// two in a row only after a sentence, and then after each of its
// sentences; wrapped as the boxes wrap it, no row that begins blank; and
// none said twice but these, on purpose.
TEST(Story, EveryTextKeepsTheRules)
{
    std::vector<std::tuple<std::string, int, std::string>> all;  // the text as printed, its scene, where
    for (const SceneShape &s : scenes)
        for (const KeyBlock &b : s.blocks)
            for (const Text &t : textsof(b.lines, b.clearthoughts, b.sexthoughts))
                all.push_back({t.text + " ", s.scene, std::to_string(s.scene) + " " + actorname(b.key) + " " +
                                                          std::to_string(t.list) + " " + std::to_string(t.index)});
    for (int e = ENDINGNOTHOUGHT; e <= ENDINGSUSPICION; e++)
        all.push_back({endingtexts[e], -1, "ending " + std::to_string(e)});
    std::vector<int> doublespaced(4);  // texts with two spaces after their sentences, the endings last
    int withdigits = 0;
    std::map<std::string, std::string> where;
    std::set<std::string> twice;
    for (const auto &[printed, scene, here] : all) {
        const std::string text = scene < 0 ? printed : printed.substr(0, printed.size() - 1);
        SCOPED_TRACE("\"" + text + "\"");
        EXPECT_FALSE(text.empty() || text.front() == ' ' || text.back() == ' ');
        size_t word = 0, longest = 0;
        int single = 0, doubled = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || std::strchr(" !',-.:;?45", c)) << c;
            word = c == ' ' ? 0 : word + 1;
            longest = std::max(longest, word);
            EXPECT_FALSE(i > 0 && text.compare(i, 2, "  ") == 0 && !std::strchr(".!?", text[i - 1]));
            if (std::strchr(".!?", c) && text.compare(i + 1, 1, " ") == 0)
                ++(text.compare(i + 1, 2, "  ") == 0 ? doubled : single);
        }
        EXPECT_LE(longest, 15u);
        EXPECT_FALSE(single && doubled) << "one spacing after the sentences of a text";
        withdigits += text.find_first_of("45") != std::string::npos;
        doublespaced[scene < 0 ? 3 : scene] += doubled > 0;
        for (const std::string &row : wraptext(printed, TEXTWIDTH))
            EXPECT_NE(row.front(), ' ') << "\"" << row << "\"";
        if (where.count(text))
            twice.insert(where[text] + " = " + here);
        where[text] = here;
    }
    EXPECT_EQ(withdigits, 1);
    EXPECT_EQ(doublespaced, (std::vector<int>{16, 10, 2, 2}));  // the endings without hope and with suspicion
    EXPECT_EQ(twice, (std::set<std::string>{"0 BARMAN 0 5 = 0 SUSPECT 0 2", "2 SUSPECT 0 25 = 2 SUSPECT 0 30",
                                            "0 SERGEANTSTAY 0 0 = 0 SERGEANTLEAVE 0 0",
                                            "0 SERGEANTSTAY 0 1 = 0 SERGEANTLEAVE 0 1",
                                            "0 SERGEANTSTAY 0 2 = 0 SERGEANTLEAVE 0 2"}));
}

}  // namespace
