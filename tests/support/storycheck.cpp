// Checks a scene's key blocks against the shape the engine expects of them:
// list sizes, speaker codes, text lengths and the properties of every text.
#include "tests/support/storycheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/text.h"
#include "engine/world.h"

namespace {

const char *const keynames[] = {"DETECTIVE", "FRIEND",       "BARMAN",        "CLUBBER", "SERGEANT",
                                "SUSPECT",   "VICTIM",       "SERGEANTSTAY",  "SERGEANTLEAVE",
                                "NOACTOR"};

// Names a text for failure messages, e.g. "FRIEND line 6".
std::string where(Actors key, const char *kind, size_t index)
{
    std::string name = key >= DETECTIVE && key <= NOACTOR ? keynames[key] : std::to_string(key);
    return name + " " + kind + " " + std::to_string(index);
}

bool allowedchar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
           std::strchr("!',-.:;?", c) != nullptr;
}

// The properties every authored text must have, whatever its length.
void checktext(const std::string &text, const std::string &name)
{
    ASSERT_FALSE(text.empty()) << name << " is empty";
    for (char c : text)
        EXPECT_TRUE(allowedchar(c)) << name << " holds character " << int(static_cast<unsigned char>(c))
                                    << ": \"" << text << "\"";
    EXPECT_NE(text.front(), ' ') << name << " begins with a space: \"" << text << "\"";
    EXPECT_NE(text.back(), ' ') << name << " ends with a space: \"" << text << "\"";
    EXPECT_EQ(text.find("   "), std::string::npos) << name << " holds three spaces: \"" << text << "\"";
    size_t word = 0, longest = 0;
    for (char c : text) {
        word = c == ' ' ? 0 : word + 1;
        if (word > longest) longest = word;
    }
    EXPECT_LE(longest, 15u) << name << " has a word of " << longest << " characters: \"" << text << "\"";
}

void checkthoughts(Actors key, const char *kind, const std::vector<const char *> &texts,
                   const std::vector<int> &lengths)
{
    EXPECT_EQ(texts.size(), lengths.size()) << where(key, kind, 0) << ": wrong number of " << kind << "s";
    for (size_t i = 0; i < texts.size() && i < lengths.size(); ++i) {
        std::string name = where(key, kind, i);
        std::string text = texts[i];
        EXPECT_EQ(int(text.size()), lengths[i]) << name << ": \"" << text << "\"";
        checktext(text, name);
    }
}

// Every stored text: exactly one added space, and few enough rows at width 20.
void checkstored(const std::string &text, size_t maxrows, const std::string &name)
{
    ASSERT_GE(text.size(), 2u) << name << " is too short: \"" << text << "\"";
    EXPECT_EQ(text[text.size() - 1], ' ') << name << " lacks the added space: \"" << text << "\"";
    EXPECT_NE(text[text.size() - 2], ' ') << name << " ends in two spaces: \"" << text << "\"";
    EXPECT_LE(wraptext(text, 20).size(), maxrows) << name << " wraps too long: \"" << text << "\"";
}

void countblock(const KeyBlock &block, int &texts, int &chars)
{
    for (const StoryLine &line : block.lines) {
        ++texts;
        chars += int(std::strlen(line.text));
    }
    for (const char *t : block.clearthoughts) {
        ++texts;
        chars += int(std::strlen(t));
    }
    for (const char *t : block.sexthoughts) {
        ++texts;
        chars += int(std::strlen(t));
    }
}

}  // namespace

void checkshape(const std::vector<KeyBlock> &blocks, const std::vector<BlockShape> &shape)
{
    ASSERT_EQ(blocks.size(), shape.size()) << "wrong number of key blocks";
    for (size_t b = 0; b < blocks.size(); ++b) {
        const KeyBlock &block = blocks[b];
        const BlockShape &want = shape[b];
        EXPECT_EQ(block.key, want.key) << "block " << b << " has the wrong key";
        EXPECT_EQ(block.lines.size(), want.lines.size()) << where(want.key, "line", 0) << ": wrong number of lines";
        for (size_t i = 0; i < block.lines.size() && i < want.lines.size(); ++i) {
            std::string name = where(want.key, "line", i);
            ASSERT_NE(block.lines[i].text, nullptr) << name;
            std::string text = block.lines[i].text;
            EXPECT_EQ(block.lines[i].speaker, want.lines[i].first) << name << ": \"" << text << "\"";
            EXPECT_EQ(int(text.size()), want.lines[i].second) << name << ": \"" << text << "\"";
            checktext(text, name);
        }
        checkthoughts(want.key, "clear thought", block.clearthoughts, want.clearthoughts);
        checkthoughts(want.key, "desire thought", block.sexthoughts, want.sexthoughts);
    }
}

void checkbuilt(int builtscene)
{
    scene = builtscene;
    setdialogue();
    for (const auto &entry : script) {
        const PersonConv &conv = entry.second;
        for (size_t i = 0; i < conv.lines.size(); ++i)
            checkstored(conv.lines[i].text, 8, where(entry.first, "line", i));
        for (size_t i = 0; i < conv.clearthoughtlines.size(); ++i)
            checkstored(conv.clearthoughtlines[i], 6, where(entry.first, "clear thought", i));
        for (size_t i = 0; i < conv.sexthoughtlines.size(); ++i)
            checkstored(conv.sexthoughtlines[i], 6, where(entry.first, "desire thought", i));
    }
}

int counttexts(const std::vector<KeyBlock> &blocks)
{
    int texts = 0, chars = 0;
    for (const KeyBlock &block : blocks) countblock(block, texts, chars);
    return texts;
}

int countchars(const std::vector<KeyBlock> &blocks)
{
    int texts = 0, chars = 0;
    for (const KeyBlock &block : blocks) countblock(block, texts, chars);
    return chars;
}
