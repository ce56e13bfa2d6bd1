// The four area pictures, drawn cell by cell from the tile table so that what
// the player sees always matches where he can walk: the park and the street
// outside The Lantern on a grey morning, the bar inside and Lucien Hart's
// flat.
#include <algorithm>
#include <cmath>

#include "screensize.h"
#include "tiles.h"
#include "makedata.h"
#include "paint.h"

namespace {

enum Place { PARK = 0, STREET = 1, BAR = 2, FLAT = 3 };

int cellx(int column) { return xmargin + column * tilesize; }
int celly(int row) { return ymargin + row * tilesize; }

// Whether no step can lead into a cell: every neighbour inside the field is a
// wall in every scene.
bool closedin(int area, int row, int column)
{
    static const int step[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int s = 0; s < SCENES; s++)
        for (const auto &d : step) {
            int r = row + d[0], c = column + d[1];
            if (r >= 0 && r < ROWS && c >= 0 && c < COLUMNS && mask[s][area][r][c] != TILEWALL)
                return false;
        }
    return true;
}

bool iswall(int area, int row, int column)
{
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS)
        return true;
    return drawncode(area, row, column) == TILEWALL;
}

// --- park -------------------------------------------------------------------

void grass(BITMAP *b, int x0, int y0, uint32_t seed)
{
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float n = fbm(x / 22.0f, y / 22.0f, 11, 4);
            float fine = valuenoise(x / 2.0f, y / 5.0f, 12);
            Rgb c = mix({54, 84, 48}, {78, 108, 64}, n);
            putpixel(b, x, y, rgb(scale(c, 0.85f + fine * 0.3f)));
        }
    Rng r(seed);
    for (int i = 0; i < 160; i++) {  // blades
        int x = x0 + r.below(tilesize), y = y0 + r.below(tilesize);
        int h = 3 + r.below(5);
        Rgb c = r.below(2) ? Rgb{92, 122, 80} : Rgb{36, 56, 38};
        line(b, x, y, x + r.below(3) - 1, y - h, rgb(c));
    }
    for (int i = 0; i < 6; i++) {  // fallen leaves
        int x = x0 + 4 + r.below(tilesize - 8), y = y0 + 4 + r.below(tilesize - 8);
        ellipsefill(b, x, y, 3, 2, rgb({120 + r.below(40), 70 + r.below(20), 30}));
    }
}

void leaves(BITMAP *b, int x0, int y0, int count, int cx, int cy, int radius, Rng &r)
{
    for (int i = 0; i < count; i++) {
        int x, y;
        if (radius > 0) {
            float a = r.unit() * 6.2832f, d = std::sqrt(r.unit()) * radius;
            x = cx + (int)(std::cos(a) * d);
            y = cy + (int)(std::sin(a) * d);
        } else {
            x = x0 + r.below(tilesize);
            y = y0 + r.below(tilesize);
        }
        // leaves catch the grey sky from above and fall into shadow below
        float lit = fbm(x / 18.0f, y / 18.0f, 17, 3) * 1.3f - (radius > 0 ? float(y - cy) / radius * 0.25f : 0);
        Rgb c = mix({10, 22, 14}, {48, 76, 48}, std::min(1.0f, std::max(0.0f, lit + r.spread(0.2f))));
        ellipsefill(b, x, y, 2 + r.below(3), 1 + r.below(3), rgb(c));
    }
}

void foliage(BITMAP *b, int x0, int y0, uint32_t seed, bool tree)
{
    Rng r(seed);
    set_clip_rect(b, x0, y0, x0 + tilesize - 1, y0 + tilesize - 1);
    if (tree) {  // a round crown standing on the lawn, its shadow beside it
        grass(b, x0, y0, seed);
        circlefill(b, x0 + 66, y0 + 68, 60, rgb({16, 24, 18}));
        circlefill(b, x0 + 60, y0 + 60, 60, rgb({18, 34, 22}));
        leaves(b, x0, y0, 1000, x0 + 60, y0 + 60, 58, r);
    } else {
        noisefill(b, x0, y0, tilesize, tilesize, {14, 28, 18}, 0.3f, 9, seed);
        leaves(b, x0, y0, 1400, 0, 0, 0, r);
    }
    set_clip_rect(b, 0, 0, b->w - 1, b->h - 1);
}

void gravel(BITMAP *b, int x0, int y0, int w, int h, uint32_t seed)
{
    noisefill(b, x0, y0, w, h, {118, 108, 90}, 0.18f, 6, seed);
    Rng r(seed + 7);
    for (int i = 0; i < w * h / 40; i++) {
        int x = x0 + r.below(w), y = y0 + r.below(h);
        putpixel(b, x, y, rgb(r.below(2) ? Rgb{160, 150, 130} : Rgb{70, 64, 54}));
    }
}

void parkgate(BITMAP *b, int x0, int y0)
{
    gravel(b, x0, y0, tilesize, tilesize, 31);
    // stone pillars either side, iron leaves swung open into the park
    for (int side = 0; side < 2; side++) {
        int px = side == 0 ? x0 : x0 + tilesize - 20;
        noisefill(b, px, y0, 20, tilesize, {92, 92, 98}, 0.15f, 4, 40 + side);
        rectfill(b, px, y0 + 40, px + 19, y0 + 44, rgb({130, 130, 136}));
        rect(b, px, y0, px + 19, y0 + tilesize - 1, rgb({50, 50, 56}));
        int hx = side == 0 ? x0 + 20 : x0 + tilesize - 21;
        int ex = side == 0 ? x0 + 34 : x0 + tilesize - 35;
        for (int k = 0; k < 3; k++)
            line(b, hx, y0 + 48 + k * 3, ex, y0 + 100 + k * 3, rgb({18, 18, 20}));
        for (int k = 0; k <= 4; k++) {
            int x = hx + (ex - hx) * k / 4, y = y0 + 48 + 52 * k / 4;
            line(b, x, y - 6, x, y + 10, rgb({12, 12, 14}));
        }
    }
    // the lamps on the pillars, put out at daybreak
    circlefill(b, x0 + 10, y0 + 30, 4, rgb({104, 108, 112}));
    circlefill(b, x0 + 110, y0 + 30, 4, rgb({104, 108, 112}));
}

// --- street -----------------------------------------------------------------

void cobbles(BITMAP *b, int x0, int y0)
{
    rectfill(b, x0, y0, x0 + tilesize - 1, y0 + tilesize - 1, rgb({42, 42, 48}));
    set_clip_rect(b, x0, y0, x0 + tilesize - 1, y0 + tilesize - 1);
    const int sw = 20, sh = 15;
    for (int row = (y0 - 20) / sh; row * sh < y0 + tilesize + sh; row++) {
        int shift = (row % 2) * sw / 2;
        for (int col = (x0 - 40) / sw; col * sw < x0 + tilesize + sw; col++) {
            int cx = col * sw + shift + sw / 2, cy = row * sh + sh / 2;
            Rng r((uint32_t)(row * 977 + col * 131 + 5));
            int v = 80 + r.below(28);
            Rgb c = {v, v + 2, v + 8};
            ellipsefill(b, cx, cy, sw / 2 - 1, sh / 2 - 1, rgb(scale(c, 0.75f)));
            ellipsefill(b, cx - 1, cy - 1, sw / 2 - 2, sh / 2 - 2, rgb(c));
            if (r.below(3) == 0)
                putpixel(b, cx - 4, cy - 3, rgb({168, 170, 176}));  // a wet glint
        }
    }
    // last night's rain standing between the stones, mirroring the grey sky
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float n = fbm(x / 60.0f, y / 30.0f, 91, 3);
            if (n > 0.62f)
                blendpixel(b, x, y, {118, 124, 134}, std::min(0.4f, (n - 0.62f) * 6));
        }
    set_clip_rect(b, 0, 0, b->w - 1, b->h - 1);
}

void brick(BITMAP *b, int x0, int y0, int w, int h, Rgb base, uint32_t seed)
{
    rectfill(b, x0, y0, x0 + w - 1, y0 + h - 1, rgb(scale(base, 0.45f)));
    for (int y = y0; y < y0 + h; y += 10) {
        int shift = ((y / 10) % 2) * 12;
        for (int x = x0 - shift; x < x0 + w; x += 24) {
            Rng r((uint32_t)(x * 31 + y * 17) + seed);
            Rgb c = scale(base, 0.8f + r.unit() * 0.35f);
            rectfill(b, std::max(x0, x + 1), y + 1, std::min(x0 + w - 1, x + 22), std::min(y0 + h - 1, y + 8), rgb(c));
        }
    }
}

// A sash window by day: the glass gives back the grey sky, a curtain here
// and there behind it.
void window(BITMAP *b, int x, int y, int w, int h, uint32_t seed)
{
    rectfill(b, x - 3, y - 3, x + w + 2, y + h + 2, rgb({34, 30, 28}));
    for (int yy = y; yy < y + h; yy++)
        hline(b, x, yy, x + w - 1, rgb(mix({126, 132, 142}, {70, 76, 88}, float(yy - y) / h)));
    Rng r(seed);
    if (r.below(2))
        rectfill(b, x, y, x + w / 4, y + h - 1, rgb({104, 48, 40}));
    line(b, x + 4, y + h - 6, x + w - 8, y + 4, rgb({160, 166, 176}));
    vline(b, x + w / 2, y, y + h - 1, rgb({34, 30, 28}));
    hline(b, x, y + h / 2, x + w - 1, rgb({34, 30, 28}));
    rectfill(b, x - 5, y + h + 3, x + w + 4, y + h + 6, rgb({90, 86, 80}));
}

void facade(BITMAP *b, int x0, int y0, int row, int column)
{
    brick(b, x0, y0, tilesize, tilesize, {92, 44, 36}, row * 8 + column);
    window(b, x0 + 38, y0 + 24, 44, 44, (uint32_t)(row * 8 + column + 1));
}

void bardoor(BITMAP *b, int x0, int y0)
{
    brick(b, x0, y0, tilesize, tilesize, {92, 44, 36}, 99);
    // the doorway of The Lantern, its lamps lit within
    rectfill(b, x0 + 22, y0 + 26, x0 + 97, y0 + tilesize - 1, rgb({40, 26, 16}));
    for (int y = y0 + 30; y < y0 + tilesize; y++)
        hline(b, x0 + 26, y, x0 + 93, rgb(mix({226, 172, 100}, {164, 112, 62}, float(y - y0 - 30) / 90)));
    // the door stands open inward, its edge a dark slab
    rectfill(b, x0 + 26, y0 + 30, x0 + 40, y0 + tilesize - 1, rgb({70, 36, 20}));
    rectfill(b, x0 + 4, y0 + 4, x0 + 115, y0 + 20, rgb({20, 14, 12}));
    rect(b, x0 + 4, y0 + 4, x0 + 115, y0 + 20, rgb({170, 120, 60}));
    textout_centre_ex(b, font, "THE LANTERN", x0 + 60, y0 + 9, rgb({230, 170, 80}), -1);
}

void archway(BITMAP *b, int x0, int y0)
{
    brick(b, x0, y0, tilesize, tilesize, {92, 44, 36}, 77);
    // a passage through the houses, back to the park
    rectfill(b, x0 + 14, y0, x0 + 105, y0 + tilesize - 1, rgb({60, 56, 48}));
    gravel(b, x0 + 20, y0, 80, tilesize, 55);
    for (int y = y0 + 20; y < y0 + tilesize; y++)  // the morning light at its far end
        for (int x = x0 + 20; x < x0 + 100; x++)
            blendpixel(b, x, y, {186, 188, 182}, float(y - y0 - 20) / 110);
    for (int x = x0 + 22; x < x0 + 100; x += 9)  // the park railings beyond
        vline(b, x, y0 + 84, y0 + 118, rgb({10, 10, 12}));
    hline(b, x0 + 18, y0 + 88, x0 + 101, rgb({10, 10, 12}));
    rectfill(b, x0 + 30, y0 + 6, x0 + 89, y0 + 18, rgb({30, 60, 40}));
    textout_centre_ex(b, font, "PARK", x0 + 60, y0 + 8, rgb({220, 220, 200}), -1);
}

// --- bar --------------------------------------------------------------------

void floorboards(BITMAP *b, int x0, int y0)
{
    const int ph = 15;
    for (int y = y0; y < y0 + tilesize; y++) {
        int plank = y / ph;
        for (int x = x0; x < x0 + tilesize; x++) {
            int seg = (x + plank * 53) / 150;
            Rng r((uint32_t)(plank * 7919 + seg * 104729 + 3));
            float shade = 0.8f + r.unit() * 0.3f;
            float grain = fbm(x / 30.0f, y / 2.5f, 21 + plank, 3);
            Rgb c = scale(mix({98, 58, 32}, {132, 84, 46}, grain), shade);
            if (y % ph == 0 || (x + plank * 53) % 150 == 0)
                c = {40, 24, 14};
            putpixel(b, x, y, rgb(c));
        }
    }
}

void panelling(BITMAP *b, int x0, int y0, uint32_t seed)
{
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float grain = fbm(x / 3.0f, y / 40.0f, seed, 3);
            putpixel(b, x, y, rgb(mix({40, 20, 14}, {62, 32, 22}, grain)));
        }
    for (int k = 0; k < 2; k++) {
        int px = x0 + 10 + k * 56;
        rect(b, px, y0 + 10, px + 44, y0 + 109, rgb({26, 12, 8}));
        rect(b, px + 1, y0 + 11, px + 45, y0 + 110, rgb({80, 44, 28}));
    }
}

void backbar(BITMAP *b, int x0, int y0, int column)
{
    panelling(b, x0, y0, 61);
    Rng r((uint32_t)(column + 70));
    for (int shelf = 0; shelf < 3; shelf++) {
        int sy = y0 + 36 + shelf * 34;
        rectfill(b, x0, sy, x0 + tilesize - 1, sy + 4, rgb({86, 52, 30}));
        for (int x = x0 + 4; x < x0 + tilesize - 10; x += 10 + r.below(4)) {
            static const Rgb glass[] = {{40, 90, 50}, {150, 90, 30}, {170, 170, 160}, {100, 30, 30}, {60, 50, 30}};
            Rgb c = glass[r.below(5)];
            int h = 16 + r.below(8);
            rectfill(b, x, sy - h, x + 6, sy - 1, rgb(c));
            rectfill(b, x + 2, sy - h - 5, x + 4, sy - h, rgb(scale(c, 0.8f)));
            vline(b, x + 1, sy - h + 2, sy - 4, rgb(mix(c, {255, 255, 255}, 0.5f)));
        }
    }
}

void counter(BITMAP *b, int x0, int y0, int column)
{
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float grain = fbm(x / 40.0f, y / 3.0f, 81, 3);
            putpixel(b, x, y, rgb(mix({56, 22, 14}, {84, 36, 22}, grain)));
        }
    hline(b, x0, y0 + 8, x0 + tilesize - 1, rgb({150, 90, 50}));
    rectfill(b, x0, y0 + 100, x0 + tilesize - 1, y0 + 103, rgb({190, 150, 70}));  // brass rail
    Rng r((uint32_t)(column + 90));
    for (int i = 0; i < 2; i++) {  // glasses on the counter
        int gx = x0 + 20 + r.below(80), gy = y0 + 30 + r.below(50);
        circlefill(b, gx, gy, 6, rgb({120, 120, 110}));
        circlefill(b, gx, gy, 4, rgb(i ? Rgb{170, 110, 40} : Rgb{60, 40, 30}));
    }
}

// A door in a room's bottom wall, seen from inside: frame, leaf, brass
// handle and the mat before it.
void insidedoor(BITMAP *b, int x0, int y0, Rgb frame, Rgb leaf)
{
    rectfill(b, x0 + 18, y0 + 6, x0 + 101, y0 + tilesize - 1, rgb(frame));
    rectfill(b, x0 + 24, y0 + 12, x0 + 95, y0 + tilesize - 1, rgb(leaf));
    circlefill(b, x0 + 84, y0 + 96, 3, rgb({200, 170, 80}));
    rectfill(b, x0 + 30, y0 + 104, x0 + 89, y0 + 117, rgb({90, 30, 30}));
}

void bardoorinside(BITMAP *b, int x0, int y0)
{
    panelling(b, x0, y0, 62);
    insidedoor(b, x0, y0, {36, 54, 44}, {62, 98, 78});
    // frosted glass, blue with the street light behind it
    for (int y = y0 + 20; y < y0 + 80; y++)
        hline(b, x0 + 32, y, x0 + 87, rgb(mix({120, 150, 190}, {60, 80, 120}, float(y - y0 - 20) / 60)));
    vline(b, x0 + 60, y0 + 20, y0 + 79, rgb({30, 44, 36}));
}

// --- flat -------------------------------------------------------------------

void carpet(BITMAP *b, int x0, int y0)
{
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float n = fbm(x / 5.0f, y / 5.0f, 41, 2);
            int dx = std::abs((x - xmargin) % 40 - 20), dy = std::abs(y % 40 - 20);
            Rgb c = mix({84, 26, 34}, {106, 36, 44}, n);
            if (dx + dy == 16 || dx + dy == 17)
                c = {140, 110, 60};  // a faded gold lozenge
            putpixel(b, x, y, rgb(c));
        }
}

void wallpaper(BITMAP *b, int x0, int y0, int row, int column)
{
    for (int y = y0; y < y0 + tilesize; y++)
        for (int x = x0; x < x0 + tilesize; x++) {
            float n = valuenoise(x / 6.0f, y / 6.0f, 51);
            Rgb c = mix({58, 66, 52}, {68, 76, 60}, n);
            int across = (x - xmargin + 300) % 30;  // the strip left of the field too
            int dx = std::abs(across - 15), dy = std::abs(y % 40 - 20);
            if (across < 2)
                c = {92, 84, 52};  // gilt stripes
            else if (dx * 4 + dy * 3 < 26 && dx * 4 + dy * 3 > 18)
                c = scale(c, 1.35f);  // a faint damask figure
            putpixel(b, x, y, rgb(c));
        }
    if (row == 0 && (column == 2 || column == 5)) {  // a window on the wet night
        rectfill(b, x0 + 20, y0 + 12, x0 + 32, y0 + 90, rgb({110, 30, 36}));
        rectfill(b, x0 + 87, y0 + 12, x0 + 99, y0 + 90, rgb({110, 30, 36}));
        rectfill(b, x0 + 30, y0 + 20, x0 + 89, y0 + 80, rgb({70, 60, 48}));
        for (int y = y0 + 24; y < y0 + 77; y++)  // low cloud over the town
            hline(b, x0 + 34, y, x0 + 85, rgb(mix({22, 22, 32}, {52, 44, 54}, float(y - y0 - 24) / 53)));
        rectfill(b, x0 + 34, y0 + 60, x0 + 85, y0 + 76, rgb({12, 12, 18}));  // the roofs across the way
        Rng r((uint32_t)column);
        for (int i = 0; i < 6; i++) {
            int wx = x0 + 36 + r.below(46), wy = y0 + 63 + r.below(11);
            rectfill(b, wx, wy, wx + 1, wy + 1, rgb({200, 170, 100}));
        }
        for (int i = 0; i < 8; i++) {  // rain on the pane
            int rx = x0 + 38 + r.below(44), ry = y0 + 26 + r.below(40);
            line(b, rx, ry, rx - 2, ry + 7, rgb({86, 90, 108}));
        }
        vline(b, x0 + 59, y0 + 24, y0 + 76, rgb({70, 60, 48}));
    }
    if (row == 2 && column == 6) {  // a framed picture
        rectfill(b, x0 + 36, y0 + 28, x0 + 83, y0 + 70, rgb({90, 70, 30}));
        rectfill(b, x0 + 41, y0 + 33, x0 + 78, y0 + 65, rgb({60, 80, 70}));
        circlefill(b, x0 + 60, y0 + 52, 8, rgb({150, 120, 80}));
    }
}

// The flat's front door, panelled and painted cream like the skirting.
void flatdoor(BITMAP *b, int x0, int y0, int row, int column)
{
    wallpaper(b, x0, y0, row, column);
    insidedoor(b, x0, y0, {140, 132, 116}, {200, 192, 170});
    for (int k = 0; k < 2; k++) {
        int py = y0 + 20 + k * 44;
        rect(b, x0 + 32, py, x0 + 87, py + 34, rgb({150, 142, 124}));
        rect(b, x0 + 33, py + 1, x0 + 88, py + 35, rgb({226, 220, 204}));
    }
}

// --- putting a picture together --------------------------------------------

// The park's walls inside the field are single trees on the lawn; the rest
// of its walls are hedges.
bool istree(int area, int row, int column)
{
    return area == PARK && row > 0 && row < ROWS - 1 && column > 0 && column < COLUMNS - 1;
}

void floorcell(BITMAP *b, int area, int x, int y, uint32_t seed)
{
    switch (area) {
    case PARK: grass(b, x, y, seed); break;
    case STREET: cobbles(b, x, y); break;
    case BAR: floorboards(b, x, y); break;
    default: carpet(b, x, y); break;
    }
}

void wallcell(BITMAP *b, int area, int row, int column, uint32_t seed)
{
    int x = cellx(column), y = celly(row);
    switch (area) {
    case PARK: foliage(b, x, y, seed, istree(area, row, column)); break;
    case STREET:  // the blank ends of the houses close the street at either side
        if (row > 0 && row < ROWS - 1)
            brick(b, x, y, tilesize, tilesize, {92, 44, 36}, row * 8 + column);
        else
            facade(b, x, y, row <= 0 ? 0 : 1, column);
        break;
    case BAR:
        if (row <= 0)
            backbar(b, x, y, column);
        else if (row == 1)
            counter(b, x, y, column);
        else
            panelling(b, x, y, 60 + row);
        break;
    default: wallpaper(b, x, y, row, column); break;
    }
}

void exitcell(BITMAP *b, int area, int code, int row, int column)
{
    int x = cellx(column), y = celly(row);
    if (area == PARK)
        parkgate(b, x, y);
    else if (area == STREET)
        code == TILEEXIT2 ? bardoor(b, x, y) : archway(b, x, y);
    else if (area == BAR)
        bardoorinside(b, x, y);
    else
        flatdoor(b, x, y, row, column);
}

// The side of a wall that faces the floor below it: a band of darker,
// upright surface that gives the walls their height.
void frontface(BITMAP *b, int area, int x, int y)
{
    const int h = 18;
    int top = y + tilesize - h;
    switch (area) {
    case PARK:
        for (int yy = top; yy < y + tilesize; yy++)
            for (int xx = x; xx < x + tilesize; xx++)
                putpixel(b, xx, yy, rgb(scale(pixelrgb(b, xx, yy), 0.55f)));
        break;
    case STREET:
        noisefill(b, x, top, tilesize, h, {64, 62, 60}, 0.15f, 4, 3);
        hline(b, x, top, x + tilesize - 1, rgb({110, 106, 100}));
        break;
    case BAR:
        rectfill(b, x, top, x + tilesize - 1, y + tilesize - 1, rgb({34, 16, 10}));
        hline(b, x, top + 3, x + tilesize - 1, rgb({180, 140, 60}));
        break;
    default:
        rectfill(b, x, top, x + tilesize - 1, y + tilesize - 1, rgb({44, 50, 38}));
        rectfill(b, x, y + tilesize - 7, x + tilesize - 1, y + tilesize - 1, rgb({170, 164, 150}));
        break;
    }
}

// A lamp seen from above, put out at daybreak.
void lamphead(BITMAP *b, int x, int y)
{
    circlefill(b, x, y, 7, rgb({30, 30, 34}));
    circlefill(b, x, y, 4, rgb({112, 116, 120}));
}

void lights(BITMAP *b, int area)
{
    switch (area) {
    case PARK:  // two park lamps among the trees, out by day
        for (int c : {2, 6})
            lamphead(b, cellx(c) - 1, celly(c == 2 ? 2 : 4) - 1);
        break;
    case STREET:  // street lamps along the kerbs, out by day
        lamphead(b, cellx(2), celly(1) - 9);
        lamphead(b, cellx(6), celly(1) - 9);
        lamphead(b, cellx(5), celly(5) + 8);
        break;
    case BAR:  // lamps hanging over the room
        for (int c = 1; c < COLUMNS; c += 2)
            glow(b, cellx(c) + 60, celly(3) + 60, 150, {80, 54, 20}, 0.35f);
        break;
    default:  // one standard lamp in the corner
        glow(b, cellx(1) + 20, celly(2) + 20, 240, {90, 76, 44}, 0.32f);
        break;
    }
}

const char *caption(int area)
{
    static const char *names[] = {"VESPER PARK", "OUTSIDE THE LANTERN", "THE LANTERN",
                                  "LUCIEN HART'S FLAT"};
    return names[area];
}

}  // namespace

int drawncode(int area, int row, int column)
{
    // The flat's door, where the last scene brings the detective in: the
    // table has that cell as wall, since he never goes back.
    if (area == FLATDOOR.area && row == FLATDOOR.row && column == FLATDOOR.column)
        return TILEEXIT;
    int shown = -1;
    for (int s = 0; s < SCENES; s++) {
        int code = mask[s][area][row][column];
        if (code > TILEEXIT2)
            code = TILEFREE;
        shown = std::max(shown, code);  // a door shut in one scene still shows
    }
    return shown == TILEFREE && closedin(area, row, column) ? int(TILEWALL) : shown;
}

BITMAP *makearea(int area)
{
    BITMAP *b = create_bitmap(SCREENW, SCREENH);
    clear_to_color(b, makecol(0, 0, 0));
    // The strips around the field continue the walls beside it, so the place
    // seems to go on beyond the frame while its floor ends at the frame's
    // edge; they are dimmed afterwards.
    for (int row = -1; row <= ROWS; row++)
        for (int column = -1; column <= COLUMNS; column++) {
            int r = std::min(std::max(row, 0), ROWS - 1), c = std::min(std::max(column, 0), COLUMNS - 1);
            bool outside = r != row || c != column;
            int code = drawncode(area, r, c);
            uint32_t seed = (uint32_t)(area * 100 + (row + 1) * 10 + column + 1);
            if (outside || code == TILEWALL)
                wallcell(b, area, row, column, seed);
            else if (code == TILEFREE)
                floorcell(b, area, cellx(column), celly(row), seed);
            else
                exitcell(b, area, code, row, column);
        }
    for (int row = -1; row <= ROWS; row++)
        for (int column = -1; column <= COLUMNS; column++) {
            int x = cellx(column), y = celly(row);
            if (iswall(area, row, column) && !iswall(area, row + 1, column) && row + 1 < ROWS &&
                !istree(area, row, column))
                frontface(b, area, x, y);
            if (row >= 0 && row < ROWS && column >= 0 && column < COLUMNS && !iswall(area, row, column)) {
                if (iswall(area, row - 1, column) && !istree(area, row - 1, column))
                    edgeshade(b, x, y, tilesize, tilesize, 0, 16, 0.55f);
                if (iswall(area, row, column - 1) && !istree(area, row, column - 1))
                    edgeshade(b, x, y, tilesize, tilesize, 2, 10, 0.35f);
            }
        }
    lights(b, area);
    // Dim the strips outside the field and frame it.
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++)
            if (x < xmargin || x >= xmargin + COLUMNS * tilesize || y >= ROWS * tilesize)
                putpixel(b, x, y, rgb(scale(pixelrgb(b, x, y), 0.38f)));
    rect(b, xmargin - 1, -1, xmargin + COLUMNS * tilesize, ROWS * tilesize, rgb({14, 12, 10}));
    rect(b, xmargin - 2, -1, xmargin + COLUMNS * tilesize + 1, ROWS * tilesize + 1, rgb({70, 62, 50}));
    bigtext(b, caption(area), xmargin + COLUMNS * tilesize / 2, ROWS * tilesize + 14, 3,
            {220, 200, 160}, {150, 120, 80}, true, {0, 0, 0}, 2);
    return b;
}
