// Word wrapping: where rows break, and what reaches the back buffer.
#include <gtest/gtest.h>

#include "engine/pictures.h"
#include "engine/text.h"
#include "tests/support/headless.h"

using Rows = std::vector<std::string>;

TEST(WrapText, ShortTextsAndZeroWidth)
{
    EXPECT_EQ(wraptext("", 20), Rows{});
    EXPECT_EQ(wraptext("Hello there ", 0), Rows{});
    // The trailing space of a stored text stays on its last row.
    EXPECT_EQ(wraptext("Hello there ", 20), Rows{"Hello there "});
    EXPECT_EQ(wraptext("No trailing", 20), Rows{"No trailing"});
}

TEST(WrapText, BreaksAtTheLastSpaceThatFits)
{
    EXPECT_EQ(wraptext("The quick brown fox jumps over the lazy dog ", 20),
              (Rows{"The quick brown fox", "jumps over the lazy", "dog "}));
    // A word of exactly 20 characters fills its row.
    EXPECT_EQ(wraptext("abcdefghijklmnopqrst next", 20), (Rows{"abcdefghijklmnopqrst", "next"}));
}

TEST(WrapText, LongWordsAreCutWithoutRepeatingACharacter)
{
    EXPECT_EQ(wraptext("abcdefghijklmnopqrstu", 20), (Rows{"abcdefghijklmnopqrst", "u"}));
    EXPECT_EQ(wraptext("abcdefghijklmnopqrstuv w", 20), (Rows{"abcdefghijklmnopqrst", "uv w"}));
}

TEST(WrapText, DoubleSpacesAndNewlines)
{
    // Break on the first of two spaces: the next row starts with the second.
    EXPECT_EQ(wraptext("aaaaaaaaaaaaaaaaaaa.  Next", 20), (Rows{"aaaaaaaaaaaaaaaaaaa.", " Next"}));
    // Break on the second: the row ends with the first.
    EXPECT_EQ(wraptext("aaaaaaaaaaaaaaaaaa.  Next", 20), (Rows{"aaaaaaaaaaaaaaaaaa. ", "Next"}));
    EXPECT_EQ(wraptext("one\ntwo", 20), (Rows{"one", "two"}));
    // A lone newline piece takes a row but prints nothing.
    EXPECT_EQ(wraptext("one\n\n\ntwo", 20), (Rows{"one", "", "two"}));
    // A newline that begins a piece is not a break.
    EXPECT_EQ(wraptext("\nab", 20), Rows{"\nab"});
}

TEST(WrapPrint, RowsTenPixelsApartWhiteOnBlack)
{
    headless_start();
    const int grey = makecol(100, 100, 100);
    clear_to_color(buffer, grey);
    wrapprint("The quick brown fox jumps over ", 450, 380, 20);
    // Row 0 is opaque: its first character cell is black behind white.
    bool white = false;
    for (int y = 380; y < 388; y++)
        for (int x = 450; x < 458; x++)
            white |= getpixel(buffer, x, y) == makecol(255, 255, 255);
    EXPECT_TRUE(white);
    EXPECT_EQ(getpixel(buffer, 450 + 3 * 8, 380), makecol(0, 0, 0));  // the space
    // The two rows between printed rows stay untouched; row 1 starts at 390.
    EXPECT_EQ(getpixel(buffer, 450, 388), grey);
    EXPECT_EQ(getpixel(buffer, 450, 390), makecol(0, 0, 0));
    // "The quick brown fox" is 19 characters: nothing beyond x 450 + 152.
    EXPECT_EQ(getpixel(buffer, 450 + 152, 381), grey);
    EXPECT_EQ(getpixel(buffer, 450, 400), grey);
}
