// Drawing helpers shared by the picture makers: a seeded random source,
// smooth noise, per-pixel colour mixing, lights and big lettering.
#ifndef MAKEDATA_PAINT_H
#define MAKEDATA_PAINT_H

#include <cstdint>

#include <allegro.h>

// A small deterministic random source, so every run draws the same pictures.
struct Rng {
    uint32_t state;
    explicit Rng(uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    uint32_t next();
    int below(int n);          // 0 to n - 1
    float unit();              // 0 to 1
    float spread(float a);     // -a to a
};

struct Rgb {
    int r, g, b;
};

// Smooth value noise in 0..1, and a sum of octaves of it.
float valuenoise(float x, float y, uint32_t seed);
float fbm(float x, float y, uint32_t seed, int octaves);

int rgb(Rgb c);
Rgb pixelrgb(BITMAP *bmp, int x, int y);
Rgb mix(Rgb a, Rgb b, float t);
Rgb scale(Rgb c, float f);

// Mixes colour c into the pixel at (x, y) by alpha 0..1 (clipped).
void blendpixel(BITMAP *bmp, int x, int y, Rgb c, float alpha);

// Fills a rectangle with colour base varied by smooth noise (amount is the
// swing in brightness, 0..1) and fine grain.
void noisefill(BITMAP *bmp, int x, int y, int w, int h, Rgb base, float amount,
               float grainscale, uint32_t seed);

// Adds a soft round light of colour c around (cx, cy).
void glow(BITMAP *bmp, int cx, int cy, int radius, Rgb c, float strength);

// Darkens a rectangle towards its edge at `side` (0 top, 1 bottom, 2 left,
// 3 right) over `depth` pixels: the shadow a wall throws on the floor.
void edgeshade(BITMAP *bmp, int x, int y, int w, int h, int side, int depth, float strength);

// Prints text with the built-in 8x8 font enlarged by `scale`, coloured by a
// vertical gradient from top to bottom, with a drop shadow. x is the centre
// when centred is true. Returns the width drawn.
int bigtext(BITMAP *bmp, const char *text, int x, int y, int scale, Rgb top, Rgb bottom,
            bool centred, Rgb shadow, int shadowoffset);

#endif
