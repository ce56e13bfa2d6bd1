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

// Rows 10 pixels apart: the two pixel rows below each printed row are left
// as they were; every cell printed, the space at the end too, is opaque.
TEST(WrapPrint, RowsTenPixelsApartWhiteOnBlack)
{
    headless_start();
    const int grey = makecol(100, 100, 100);
    clear_to_color(buffer, grey);
    wrapprint("The quick brown fox jumps over the lazy dog ", 450, 380, 20);
    const struct {
        const char *text;
        int cells;  // "dog" and its space
    } rows[] = {{"The quick brown fox", 19}, {"jumps over the lazy", 19}, {"dog", 4}};
    int others = 0;
    for (int m = 0; m < 3; m++) {
        const int y = 380 + 10 * m, right = 450 + 8 * rows[m].cells - 1;
        EXPECT_EQ(readtext(450, y), rows[m].text);
        for (int x = 449; x <= right + 1; x++)
            for (int dy : {-1, 8, 9})
                others += getpixel(buffer, x, y + dy) != grey;
        for (int dy = 0; dy < 8; dy++)
            others += (getpixel(buffer, 449, y + dy) != grey) + (getpixel(buffer, right + 1, y + dy) != grey);
    }
    EXPECT_EQ(others, 0);
    EXPECT_EQ(getpixel(buffer, 450 + 3 * 8 + 4, 404), makecol(0, 0, 0));  // the space is opaque
}
