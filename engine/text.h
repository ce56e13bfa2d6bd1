// Word-wrapped text in the built-in 8 by 8 font.
#ifndef TEXT_H
#define TEXT_H

#include <string>
#include <vector>

// Every text of the game wraps at this many characters a row.
const int TEXTWIDTH = 20;

// Splits text into the rows wrapprint prints, at most width characters each;
// a row that is a lone newline comes back empty (it prints nothing but still
// takes its place).
std::vector<std::string> wraptext(const std::string &text, int width);

// Prints text into buffer from (x, y), at most width characters a row,
// one row every 10 pixels, white on black. The rows of the text last printed
// are kept, so that printing it again, as every frame does while a line
// shows, wraps nothing and allocates nothing.
void wrapprint(const char *text, int x, int y, int width);

#endif
