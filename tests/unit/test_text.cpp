// Word wrapping: where rows break; what reaches the screen is the frame
// test's.
#include <gtest/gtest.h>

#include "engine/text.h"

using Rows = std::vector<std::string>;

TEST(WrapText, BreaksCutsAndNewlines)
{
    const struct {
        const char *text;
        int width;
        Rows rows;
    } cases[] = {
        {"", 20, {}},
        {"Hello there ", 0, {}},
        {"The quick brown fox jumps over the lazy dog ", 20,  // the stored space stays on the last row
         {"The quick brown fox", "jumps over the lazy", "dog "}},
        {"abcdefghijklmnopqrst next", 20, {"abcdefghijklmnopqrst", "next"}},  // exactly a row
        {"abcdefghijklmnopqrstuv w", 20, {"abcdefghijklmnopqrst", "uv w"}},   // cut, nothing repeated
        {"aaaaaaaaaaaaaaaaaaa.  Next", 20, {"aaaaaaaaaaaaaaaaaaa.", " Next"}},  // break at the first of two
        {"aaaaaaaaaaaaaaaaaa.  Next", 20, {"aaaaaaaaaaaaaaaaaa. ", "Next"}},    // ... or at the second
        {"one\n\n\ntwo", 20, {"one", "", "two"}},  // a lone newline takes an empty row
        {"\nab", 20, {"\nab"}},                    // a newline that begins a piece is no break
    };
    for (const auto &c : cases)
        EXPECT_EQ(wraptext(c.text, c.width), c.rows) << "\"" << c.text << "\"";
}
