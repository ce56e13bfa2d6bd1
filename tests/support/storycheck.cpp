// Checks a scene's story against what the engine and its boxes expect.
#include "tests/support/storycheck.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <sstream>

#include "engine/text.h"
#include "engine/world.h"

namespace {

std::vector<std::string> words(const char *s)
{
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::string speakerletter(int speaker)
{
    return speaker >= 0 && speaker < 6 ? std::string(1, "DFBCSL"[speaker])
           : speaker == SPEAKERGUNMAN ? "G" : speaker == SPEAKERGUNPOINT ? "P" : "?" + std::to_string(speaker);
}

}  // namespace

void checkscene(const SceneShape &s)
{
    SCOPED_TRACE("scene " + std::to_string(s.scene));
    ASSERT_EQ(s.blocks.size(), s.shape.size());
    int texts = 0, chars = 0, doublespaced = 0;
    size_t longest = 0;
    auto check = [&](const std::string &text, const std::string &want, const std::string &got) {
        EXPECT_EQ(want, got) << "\"" << text << "\"";
        ++texts;
        chars += int(text.size());
        EXPECT_FALSE(text.empty() || text.front() == ' ' || text.back() == ' ') << "\"" << text << "\"";
        EXPECT_EQ(text.find("   "), std::string::npos) << text;
        size_t word = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || std::strchr(" !',-.?", c) ||
                        (c && s.digits.find(c) != std::string::npos))
                << int(c) << " in \"" << text << "\"";
            word = c == ' ' ? 0 : word + 1;
            longest = std::max(longest, word);
            if (i > 0 && text.compare(i, 2, "  ") == 0) {
                EXPECT_TRUE(std::strchr(".!?", text[i - 1])) << "two spaces inside \"" << text << "\"";
            }
        }
        doublespaced += text.find("  ") != std::string::npos;
    };
    auto thoughts = [&](const std::vector<const char *> &list, const char *lengths) {
        std::vector<std::string> want = words(lengths);
        ASSERT_EQ(list.size(), want.size()) << lengths;
        for (size_t i = 0; i < list.size(); ++i)
            check(list[i], want[i], std::to_string(std::strlen(list[i])));
    };
    for (size_t b = 0; b < s.blocks.size(); ++b) {
        const KeyBlock &block = s.blocks[b];
        const BlockShape &shape = s.shape[b];
        SCOPED_TRACE("block " + std::to_string(b));
        EXPECT_EQ(block.key, shape.key);
        std::vector<std::string> want = words(shape.lines);
        ASSERT_EQ(block.lines.size(), want.size());
        for (size_t i = 0; i < want.size(); ++i)
            check(block.lines[i].text, want[i],
                  speakerletter(block.lines[i].speaker) + std::to_string(std::strlen(block.lines[i].text)));
        thoughts(block.clearthoughts, shape.clear);
        thoughts(block.sexthoughts, shape.desire);
    }
    EXPECT_EQ(texts, s.texts);
    EXPECT_EQ(chars, s.chars);
    EXPECT_EQ(longest, s.longestword);
    EXPECT_EQ(doublespaced, s.doublespaced);

    scene = s.scene;
    setdialogue();
    ASSERT_EQ(script.size(), s.blocks.size());
    auto stored = [](const std::string &got, const char *text, size_t rows) {
        EXPECT_EQ(got, std::string(text) + " ");
        EXPECT_LE(wraptext(got, 20).size(), rows) << "\"" << text << "\"";
    };
    for (const KeyBlock &block : s.blocks) {
        ASSERT_EQ(script.count(block.key), 1u) << block.key;
        const PersonConv &conv = script.at(block.key);
        ASSERT_EQ(conv.lines.size(), block.lines.size());
        ASSERT_EQ(conv.clearthoughtlines.size(), block.clearthoughts.size());
        ASSERT_EQ(conv.sexthoughtlines.size(), block.sexthoughts.size());
        for (size_t i = 0; i < block.lines.size(); ++i) {
            EXPECT_EQ(conv.lines[i].speaker, block.lines[i].speaker);
            stored(conv.lines[i].text, block.lines[i].text, 8);
        }
        for (size_t i = 0; i < block.clearthoughts.size(); ++i)
            stored(conv.clearthoughtlines[i], block.clearthoughts[i], 6);
        for (size_t i = 0; i < block.sexthoughts.size(); ++i)
            stored(conv.sexthoughtlines[i], block.sexthoughts[i], 6);
    }
}
