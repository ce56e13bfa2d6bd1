// The intro picture (the city by night in the rain, the line that opens the
// story) and the title picture (the park gate between two lamps, the name,
// the key to press), under the same clouded sky.
#include <cmath>

#include "screensize.h"
#include "makedata.h"
#include "paint.h"

namespace {

// A night sky under low rain cloud, darkest overhead, its banks lit faintly
// from below by the city.
void sky(BITMAP *b, Rgb top, Rgb horizon, int bottom)
{
    // the clouds are smooth: a noise value for every block of 4 by 2 pixels will do
    for (int y = 0; y < bottom; y += 2) {
        Rgb base = mix(top, horizon, float(y) / bottom);
        for (int x = 0; x < b->w; x += 4) {
            float n = fbm(x / 260.0f, y / 60.0f, 5, 3);
            rectfill(b, x, y, x + 3, y + 1, rgb(scale(base, 1 + (n - 0.5f) * 1.8f)));
        }
    }
}

// A row of buildings against the sky, lit windows here and there.
void skyline(BITMAP *b, int base, int minh, int maxh, Rgb wall, float lit, uint32_t seed)
{
    Rng r(seed);
    for (int x = -20; x < b->w;) {
        int w = 50 + r.below(90), h = minh + r.below(maxh - minh);
        rectfill(b, x, base - h, x + w, base, rgb(wall));
        if (r.below(3) == 0)  // a water tank or a spire on the roof
            rectfill(b, x + w / 3, base - h - 18, x + w / 3 + 14, base - h, rgb(wall));
        for (int wy = base - h + 10; wy < base - 12; wy += 16)
            for (int wx = x + 8; wx < x + w - 10; wx += 14)
                if (r.unit() < lit)
                    rectfill(b, wx, wy, wx + 6, wy + 8, rgb(scale({230, 190, 110}, 0.6f + r.unit() * 0.4f)));
        x += w + 2 + r.below(8);
    }
}

void rain(BITMAP *b, int count, uint32_t seed)
{
    Rng r(seed);
    for (int i = 0; i < count; i++) {
        int x = r.below(b->w + 100), y = r.below(b->h), len = 10 + r.below(18);
        for (int k = 0; k < len; k++)
            blendpixel(b, x - k / 3, y + k, {170, 180, 210}, 0.25f);
    }
}

void lamppost(BITMAP *b, int x, int ground, int height)
{
    const int iron = rgb({14, 14, 18});
    rectfill(b, x - 4, ground - height, x + 4, ground, iron);
    rectfill(b, x - 10, ground - 20, x + 10, ground, iron);
    rectfill(b, x - 16, ground - height - 30, x + 16, ground - height, iron);
    rectfill(b, x - 12, ground - height - 26, x + 12, ground - height - 4, rgb({255, 226, 150}));
    triangle(b, x - 20, ground - height - 30, x + 20, ground - height - 30, x, ground - height - 46, iron);
    glow(b, x, ground - height - 15, 260, {110, 90, 50}, 0.9f);
}

void railings(BITMAP *b, int top, int ground, int from, int to)
{
    const int iron = rgb({10, 10, 14});
    rectfill(b, from, top + 8, to, top + 12, iron);
    rectfill(b, from, ground - 14, to, ground - 10, iron);
    for (int x = from; x < to; x += 16) {
        rectfill(b, x, top, x + 3, ground, iron);
        triangle(b, x - 3, top, x + 6, top, x + 1, top - 10, iron);
    }
}

}  // namespace

BITMAP *makeintro()
{
    BITMAP *b = create_bitmap(SCREENW, SCREENH);
    sky(b, {14, 14, 24}, {56, 46, 62}, 560);
    skyline(b, 560, 160, 380, {20, 20, 34}, 0.12f, 3);
    skyline(b, 600, 80, 220, {10, 10, 16}, 0.2f, 4);
    // the wet street below, with the city's lights smeared in it
    for (int y = 600; y < SCREENH; y++)
        hline(b, 0, y, SCREENW - 1, rgb(mix({20, 20, 30}, {8, 8, 12}, float(y - 600) / 168)));
    Rng r(9);
    for (int i = 0; i < 90; i++) {
        int x = r.below(SCREENW), y = 606 + r.below(150);
        hline(b, x, y, x + 8 + r.below(30), rgb(scale({200, 160, 90}, 0.15f + r.unit() * 0.25f)));
    }
    railings(b, 560, 640, 0, 360);
    lamppost(b, 300, 640, 230);
    rain(b, 900, 11);
    bigtext(b, "LAST NIGHT A MAN WAS SHOT IN VESPER PARK.", SCREENW / 2, 690, 3, {235, 225, 200},
            {170, 150, 120}, true, {0, 0, 0}, 3);
    return b;
}

BITMAP *maketitle()
{
    BITMAP *b = create_bitmap(SCREENW, SCREENH);
    sky(b, {10, 10, 18}, {40, 34, 46}, 520);
    skyline(b, 520, 120, 300, {14, 14, 22}, 0.08f, 21);
    // the park: a black mass of trees behind its railings and gate
    Rng r(23);
    for (int i = 0; i < 260; i++) {
        int x = r.below(SCREENW), y = 470 + r.below(120);
        circlefill(b, x, y, 18 + r.below(30), rgb({6 + r.below(6), 12 + r.below(8), 10}));
    }
    for (int y = 600; y < SCREENH; y++)
        hline(b, 0, y, SCREENW - 1, rgb(mix({16, 16, 22}, {4, 4, 6}, float(y - 600) / 168)));
    railings(b, 520, 620, 0, 380);
    railings(b, 520, 620, 644, SCREENW);
    const int iron = rgb({10, 10, 14});
    rectfill(b, 380, 440, 410, 620, iron);                  // gate pillars
    rectfill(b, 614, 440, 644, 620, iron);
    rectfill(b, 374, 430, 416, 444, iron);
    rectfill(b, 608, 430, 650, 444, iron);
    arc(b, 512, 520, itofix(0), itofix(128), 104, iron);    // the arch over the gate
    arc(b, 512, 520, itofix(0), itofix(128), 100, iron);
    lamppost(b, 180, 620, 210);
    lamppost(b, 844, 620, 210);
    rain(b, 500, 29);
    bigtext(b, "VESPER PARK", SCREENW / 2, 150, 9, {240, 226, 190}, {150, 30, 36}, true,
            {0, 0, 0}, 6);
    bigtext(b, "A STORY OF THE NIGHT", SCREENW / 2, 250, 2, {190, 180, 160}, {140, 130, 110}, true,
            {0, 0, 0}, 2);
    bigtext(b, "Press Space to begin", SCREENW / 2, 690, 3, {250, 240, 210}, {200, 180, 140}, true,
            {0, 0, 0}, 3);
    return b;
}
