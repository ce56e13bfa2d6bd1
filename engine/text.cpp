// Word-wrapped text: breaks at spaces and newlines, cuts words longer than
// a row, and prints the rows 10 pixels apart.
#include "engine/text.h"

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

void wrapprint(const std::string &text, int x, int y, int width)
{
    const int white = makecol(255, 255, 255), black = makecol(0, 0, 0);
    for (const std::string &row : wraptext(text, width)) {
        if (!row.empty())
            textout_ex(buffer, font, row.c_str(), x, y, white, black);
        y += 10;
    }
}
