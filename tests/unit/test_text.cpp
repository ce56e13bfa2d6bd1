// Word wrapping: where rows break, and what reaches the back buffer.
#include <gtest/gtest.h>

#include "engine/pictures.h"
#include "engine/text.h"
#include "tests/support/headless.h"

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
        {"Hello there ", 20, {"Hello there "}},  // the stored space stays on the last row
        {"The quick brown fox jumps over the lazy dog ", 20,
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

TEST(WrapPrint, RowsTenPixelsApartWhiteOnBlack)
{
    headless_start();
    const int grey = makecol(100, 100, 100), white = makecol(255, 255, 255);
    clear_to_color(buffer, grey);
    wrapprint("The quick brown fox jumps over ", 450, 380, 20);
    int whites = 0;
    for (int y = 380; y < 388; y++)
        for (int x = 450; x < 458; x++)
            whites += getpixel(buffer, x, y) == white;
    EXPECT_GT(whites, 0);
    EXPECT_EQ(getpixel(buffer, 450 + 3 * 8, 380), makecol(0, 0, 0));  // the space is opaque
    EXPECT_EQ(getpixel(buffer, 450, 388), grey);  // two rows left between printed rows
    EXPECT_EQ(getpixel(buffer, 450, 390), makecol(0, 0, 0));
    EXPECT_EQ(getpixel(buffer, 450 + 152, 381), grey);  // "The quick brown fox" ends there
    EXPECT_EQ(getpixel(buffer, 450, 400), grey);
}
