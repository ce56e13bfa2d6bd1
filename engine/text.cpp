// Word-wrapped text: breaks at spaces and newlines, cuts words longer than
// a row, and prints the rows 10 pixels apart; a text's rows are printed once
// and copied on every frame that shows it.
#include "engine/text.h"

#include <algorithm>

#include <allegro.h>

#include "engine/pictures.h"

std::vector<std::string> wraptext(const std::string &text, int width)
{
    std::vector<std::string> rows;
    if (width <= 0)
        return rows;
    const size_t n = text.size();
    size_t start = 0;
    while (start < n) {
        // The character at start is never a break, so each piece holds one.
        size_t brk = 0;
        bool found = false;
        for (size_t p = start + 1;; p++) {
            if (p - start > (size_t)width)
                break;
            if (p == n || text[p] == '\n') {
                brk = p;
                found = true;
                break;
            }
            if (text[p] == ' ') {
                brk = p;
                found = true;
            }
        }
        if (found) {
            std::string piece = text.substr(start, brk - start);
            rows.push_back(piece == "\n" ? std::string() : piece);
            start = brk + 1;
        } else {
            rows.push_back(text.substr(start, width));
            start += width;
        }
    }
    return rows;
}

// The text last printed and its width, its rows printed once into a bitmap
// of their own, 10 pixels apart, and each row's length in pixels (0 for a
// row that prints nothing).
static std::string printed;
static int printedwidth;
static BITMAP *printedrows;
static std::vector<int> rowlengths;

static void printrows(const char *text, int width)
{
    printed = text;
    printedwidth = width;
    const std::vector<std::string> rows = wraptext(printed, width);
    rowlengths.clear();
    int widest = 1;
    for (const std::string &row : rows) {
        rowlengths.push_back(text_length(font, row.c_str()));
        widest = std::max(widest, rowlengths.back());
    }
    if (printedrows)
        destroy_bitmap(printedrows);
    printedrows = create_bitmap(widest, std::max<int>(1, 10 * rows.size()));
    if (!printedrows) {
        rowlengths.clear();  // out of memory: the text is left out
        return;
    }
    for (size_t i = 0; i < rows.size(); i++)
        textout_ex(printedrows, font, rows[i].c_str(), 0, 10 * i, makecol(255, 255, 255),
                   makecol(0, 0, 0));
}

void wrapprint(const char *text, int x, int y, int width)
{
    if (printed != text || printedwidth != width)
        printrows(text, width);
    for (size_t i = 0; i < rowlengths.size(); i++)
        if (rowlengths[i] > 0)
            blit(printedrows, buffer, 0, 10 * i, x, y + 10 * i, rowlengths[i], text_height(font));
}
