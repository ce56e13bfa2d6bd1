// The sprite sheet: nine standing figures of 120 by 120 on magenta, who are
// also the portraits beside the conversation text. Edges stay hard so that
// the magenta mask colour is exact.
#include <initializer_list>
#include <vector>

#include "screensize.h"
#include "makedata.h"
#include "paint.h"

namespace {

const Rgb SKIN = {224, 182, 146};
const Rgb INK = {18, 14, 14};

void poly(BITMAP *b, std::initializer_list<int> points, Rgb c)
{
    std::vector<int> p(points);
    polygon(b, (int)p.size() / 2, p.data(), rgb(c));
}

void box(BITMAP *b, int x1, int y1, int x2, int y2, Rgb c) { rectfill(b, x1, y1, x2, y2, rgb(c)); }

// A face looking at the viewer, centred on (cx, cy).
void face(BITMAP *b, int cx, int cy, Rgb skin, Rgb brows)
{
    ellipsefill(b, cx - 11, cy + 1, 3, 4, rgb(scale(skin, 0.85f)));  // ears
    ellipsefill(b, cx + 11, cy + 1, 3, 4, rgb(scale(skin, 0.85f)));
    box(b, cx - 4, cy + 10, cx + 4, 43, scale(skin, 0.85f));  // neck
    ellipsefill(b, cx, cy, 11, 13, rgb(skin));
    box(b, cx - 6, cy - 1, cx - 4, cy, {250, 250, 250});
    box(b, cx + 4, cy - 1, cx + 6, cy, {250, 250, 250});
    box(b, cx - 5, cy - 1, cx - 4, cy, INK);
    box(b, cx + 4, cy - 1, cx + 5, cy, INK);
    hline(b, cx - 7, cy - 4, cx - 3, rgb(brows));
    hline(b, cx + 3, cy - 4, cx + 7, rgb(brows));
    vline(b, cx, cy, cy + 4, rgb(scale(skin, 0.78f)));
    hline(b, cx - 1, cy + 4, cx + 1, rgb(scale(skin, 0.78f)));
}

void mouth(BITMAP *b, int cx, int y, Rgb c, int half) { hline(b, cx - half, y, cx + half, rgb(c)); }

void legs(BITMAP *b, int top, Rgb trousers, Rgb shoes)
{
    box(b, 47, top, 57, 110, trousers);
    box(b, 63, top, 73, 110, trousers);
    vline(b, 60, top, 110, rgb({255, 0, 255}));
    box(b, 44, 110, 57, 116, shoes);
    box(b, 63, 110, 76, 116, shoes);
    hline(b, 46, 111, 52, rgb(mix(shoes, {255, 255, 255}, 0.35f)));
    hline(b, 65, 111, 71, rgb(mix(shoes, {255, 255, 255}, 0.35f)));
}

// An arm hanging from the shoulder at x (left side when left is true).
void arm(BITMAP *b, bool left, int top, int bottom, Rgb sleeve, Rgb hand)
{
    if (left)
        poly(b, {38, top, 30, top + 4, 28, bottom, 37, bottom}, sleeve);
    else
        poly(b, {82, top, 90, top + 4, 92, bottom, 83, bottom}, sleeve);
    circlefill(b, left ? 32 : 88, bottom + 3, 4, rgb(hand));
}

void detective(BITMAP *b)
{
    const Rgb coat = {170, 138, 90}, dark = {128, 100, 62};
    legs(b, 94, {52, 52, 60}, {26, 22, 20});
    arm(b, true, 46, 92, coat, SKIN);
    arm(b, false, 46, 92, coat, SKIN);
    poly(b, {38, 44, 82, 44, 88, 102, 32, 102}, coat);
    vline(b, 60, 58, 101, rgb(dark));
    box(b, 34, 72, 86, 76, dark);
    box(b, 57, 72, 63, 76, {200, 180, 120});
    for (int y = 60; y < 100; y += 12) {
        circlefill(b, 54, y, 1, rgb(dark));
        circlefill(b, 66, y, 1, rgb(dark));
    }
    poly(b, {52, 44, 68, 44, 60, 58}, {226, 222, 210});  // shirt
    box(b, 59, 46, 61, 56, {120, 24, 28});                // tie
    poly(b, {44, 40, 52, 44, 60, 60, 48, 50}, dark);      // turned-up collar
    poly(b, {76, 40, 68, 44, 60, 60, 72, 50}, dark);
    face(b, 60, 31, SKIN, {60, 40, 30});
    mouth(b, 60, 38, {120, 70, 60}, 3);
    box(b, 51, 40, 69, 42, scale(SKIN, 0.85f));           // unshaven jaw
    // the hat
    ellipsefill(b, 60, 20, 23, 5, rgb({70, 54, 40}));
    box(b, 47, 6, 73, 19, {82, 64, 46});
    ellipsefill(b, 60, 7, 13, 4, rgb({82, 64, 46}));
    vline(b, 60, 4, 10, rgb({60, 46, 32}));
    box(b, 47, 14, 73, 18, {30, 22, 18});
    hline(b, 49, 23, 71, rgb(scale(SKIN, 0.6f)));        // shadow of the brim
}

void friendwoman(BITMAP *b)
{
    const Rgb hair = {122, 46, 28}, dress = {26, 96, 78};
    box(b, 50, 92, 55, 110, {70, 56, 60});
    box(b, 65, 92, 70, 110, {70, 56, 60});
    poly(b, {47, 110, 56, 110, 56, 116, 45, 116}, INK);
    poly(b, {64, 110, 73, 110, 75, 116, 64, 116}, INK);
    ellipsefill(b, 60, 32, 16, 17, rgb(hair));            // hair behind
    box(b, 44, 32, 76, 58, hair);
    poly(b, {40, 50, 46, 48, 42, 86, 37, 86}, SKIN);      // bare arms
    poly(b, {80, 50, 74, 48, 78, 86, 83, 86}, SKIN);
    circlefill(b, 39, 88, 3, rgb(SKIN));
    circlefill(b, 81, 88, 3, rgb(SKIN));
    poly(b, {46, 46, 74, 46, 70, 68, 84, 98, 36, 98, 50, 68}, dress);
    poly(b, {52, 46, 68, 46, 60, 56}, SKIN);              // neckline
    box(b, 49, 66, 71, 68, INK);
    vline(b, 56, 70, 97, rgb(scale(dress, 0.7f)));
    vline(b, 65, 70, 97, rgb(scale(dress, 0.7f)));
    box(b, 57, 40, 63, 46, SKIN);
    face(b, 60, 30, SKIN, {90, 40, 26});
    ellipsefill(b, 60, 19, 12, 5, rgb(hair));             // fringe
    box(b, 57, 37, 63, 38, {200, 30, 44});                 // red lips
    putpixel(b, 48, 34, rgb({230, 190, 60}));              // earrings
    putpixel(b, 72, 34, rgb({230, 190, 60}));
    box(b, 82, 74, 92, 86, {110, 30, 30});                 // handbag
    line(b, 82, 74, 81, 60, rgb({110, 30, 30}));
}

void barman(BITMAP *b)
{
    const Rgb shirt = {232, 230, 222}, vest = {30, 30, 36}, apron = {244, 240, 226};
    legs(b, 96, {30, 30, 34}, {20, 18, 18});
    poly(b, {38, 46, 30, 50, 30, 70, 38, 70}, shirt);     // rolled sleeves
    poly(b, {82, 46, 90, 50, 90, 70, 82, 70}, shirt);
    box(b, 30, 70, 37, 90, SKIN);
    box(b, 83, 70, 90, 90, SKIN);
    circlefill(b, 33, 92, 4, rgb(SKIN));
    circlefill(b, 87, 92, 4, rgb(SKIN));
    box(b, 84, 84, 92, 97, {180, 190, 190});               // a glass being polished
    box(b, 85, 90, 91, 96, {190, 130, 50});
    poly(b, {38, 44, 82, 44, 84, 80, 36, 80}, shirt);
    poly(b, {38, 46, 56, 46, 58, 80, 37, 80}, vest);
    poly(b, {82, 46, 64, 46, 62, 80, 83, 80}, vest);
    poly(b, {36, 76, 84, 76, 88, 108, 32, 108}, apron);   // the long apron
    hline(b, 36, 78, 84, rgb({200, 196, 186}));
    vline(b, 50, 80, 107, rgb({220, 216, 204}));
    vline(b, 70, 80, 107, rgb({220, 216, 204}));
    poly(b, {53, 43, 60, 46, 53, 49}, INK);                // bow tie
    poly(b, {67, 43, 60, 46, 67, 49}, INK);
    face(b, 60, 28, SKIN, {50, 36, 30});
    box(b, 48, 20, 51, 30, {50, 38, 32});                  // hair at the sides, bald above
    box(b, 69, 20, 72, 30, {50, 38, 32});
    poly(b, {52, 34, 60, 32, 68, 34, 66, 37, 60, 35, 54, 37}, {60, 42, 34});  // moustache
    mouth(b, 60, 38, {130, 70, 60}, 2);
}

// Rook: a night-club dandy in a lilac suit, a cigarette holder held high.
void clubber(BITMAP *b)
{
    const Rgb suit = {184, 156, 204}, lapel = {146, 118, 172}, hair = {92, 54, 30};
    box(b, 46, 90, 58, 110, scale(suit, 0.9f));             // wide trousers
    box(b, 62, 90, 74, 110, scale(suit, 0.9f));
    vline(b, 52, 94, 109, rgb(scale(suit, 1.1f)));
    vline(b, 68, 94, 109, rgb(scale(suit, 1.1f)));
    box(b, 43, 110, 58, 116, {236, 232, 220});              // two-tone shoes
    box(b, 62, 110, 77, 116, {236, 232, 220});
    box(b, 43, 114, 58, 116, {120, 72, 40});
    box(b, 62, 114, 77, 116, {120, 72, 40});
    poly(b, {36, 46, 28, 48, 14, 64, 22, 70, 34, 56}, suit);  // a hand on the hip
    poly(b, {14, 64, 22, 70, 40, 80, 36, 86}, suit);
    poly(b, {82, 46, 90, 50, 97, 66, 89, 69, 84, 58}, suit);  // the other raised
    poly(b, {89, 69, 97, 66, 100, 46, 93, 44}, suit);
    poly(b, {34, 44, 86, 44, 89, 50, 85, 94, 35, 94, 31, 50}, suit);  // padded shoulders
    line(b, 86, 52, 88, 68, rgb(lapel));                     // the raised sleeve's seam
    poly(b, {53, 44, 67, 44, 60, 72}, {240, 232, 214});     // shirt
    poly(b, {42, 44, 53, 44, 60, 72, 49, 62, 43, 52}, lapel);  // wide lapels
    poly(b, {78, 44, 67, 44, 60, 72, 71, 62, 77, 52}, lapel);
    poly(b, {56, 44, 64, 44, 63, 50, 64, 62, 60, 66, 56, 62, 57, 50}, {212, 160, 40});  // silk cravat
    ellipsefill(b, 60, 47, 4, 3, rgb({226, 178, 56}));
    for (int y = 52; y < 64; y += 4)
        putpixel(b, 59 + (y / 4) % 2 * 2, y, rgb({150, 96, 20}));
    for (int y = 78; y <= 86; y += 8) {                      // double-breasted
        circlefill(b, 54, y, 1, rgb(lapel));
        circlefill(b, 66, y, 1, rgb(lapel));
    }
    poly(b, {70, 66, 78, 66, 77, 60, 74, 63, 71, 60}, {40, 176, 166});  // pocket square
    line(b, 72, 55, 71, 59, rgb({40, 110, 50}));            // a red carnation
    circlefill(b, 73, 53, 3, rgb({204, 28, 44}));
    putpixel(b, 72, 52, rgb({240, 90, 96}));
    circlefill(b, 38, 83, 4, rgb(SKIN));
    circlefill(b, 97, 43, 4, rgb(SKIN));
    line(b, 99, 40, 111, 28, rgb({20, 18, 18}));              // the cigarette holder
    line(b, 100, 40, 112, 28, rgb({20, 18, 18}));
    for (int k = 0; k < 3; k++)                               // and its cigarette
        line(b, 111 + k, 28, 116 + k, 23, rgb({240, 240, 236}));
    box(b, 117, 21, 118, 22, {230, 90, 30});
    face(b, 60, 30, SKIN, {70, 40, 24});
    hline(b, 53, 27, 57, rgb(scale(SKIN, 0.8f)));            // heavy lids
    hline(b, 63, 27, 67, rgb(scale(SKIN, 0.8f)));
    hline(b, 56, 35, 64, rgb({80, 44, 28}));                  // pencil moustache
    mouth(b, 60, 38, {170, 70, 70}, 3);
    putpixel(b, 64, 37, rgb({170, 70, 70}));
    ellipsefill(b, 60, 20, 12, 6, rgb(hair));                // brilliantined hair, waved
    ellipsefill(b, 54, 17, 8, 5, rgb(hair));
    box(b, 48, 20, 50, 27, hair);
    box(b, 70, 20, 72, 27, hair);
    line(b, 50, 16, 58, 13, rgb({170, 120, 80}));
    line(b, 62, 15, 70, 17, rgb({170, 120, 80}));
}

void sergeant(BITMAP *b)
{
    const Rgb navy = {30, 38, 74}, brass = {214, 176, 64};
    legs(b, 96, navy, INK);
    vline(b, 49, 98, 108, rgb({70, 80, 120}));
    vline(b, 71, 98, 108, rgb({70, 80, 120}));
    arm(b, true, 46, 90, navy, SKIN);
    arm(b, false, 46, 90, navy, SKIN);
    poly(b, {34, 44, 86, 44, 88, 98, 32, 98}, navy);
    box(b, 32, 44, 42, 48, scale(navy, 1.4f));             // epaulettes
    box(b, 78, 44, 88, 48, scale(navy, 1.4f));
    poly(b, {54, 44, 66, 44, 60, 52}, {200, 210, 230});
    for (int y = 54; y < 96; y += 9)
        circlefill(b, 60, y, 1, rgb(brass));
    box(b, 32, 78, 88, 82, INK);
    box(b, 57, 78, 63, 82, brass);
    poly(b, {72, 54, 78, 54, 78, 60, 75, 63, 72, 60}, {200, 200, 210});  // badge
    box(b, 40, 50, 46, 58, INK);                            // radio
    face(b, 60, 30, {214, 170, 136}, {110, 100, 90});
    poly(b, {52, 34, 68, 34, 66, 37, 54, 37}, {140, 134, 126});  // grey moustache
    box(b, 50, 40, 70, 42, {200, 158, 126});               // heavy jaw
    // the peaked cap
    ellipsefill(b, 60, 12, 17, 6, rgb(navy));
    box(b, 45, 12, 75, 19, INK);
    for (int x = 45; x < 75; x += 4)
        box(b, x, 14, x + 1, 16, {220, 220, 220});
    circlefill(b, 60, 10, 3, rgb({210, 210, 220}));
    ellipsefill(b, 60, 20, 14, 3, rgb(INK));
}

void suspect(BITMAP *b, bool armed)
{
    const Rgb suit = {46, 46, 58}, stripe = {76, 76, 92};
    legs(b, 94, suit, INK);
    vline(b, 51, 96, 109, rgb(stripe));
    vline(b, 69, 96, 109, rgb(stripe));
    arm(b, true, 46, 90, suit, SKIN);
    if (!armed)
        arm(b, false, 46, 90, suit, SKIN);
    poly(b, {38, 44, 82, 44, 84, 96, 36, 96}, suit);
    for (int x = 40; x < 82; x += 5)
        vline(b, x, 46, 95, rgb(stripe));                   // pinstripes
    poly(b, {52, 44, 68, 44, 60, 66}, {236, 236, 240});    // shirt
    poly(b, {58, 46, 62, 46, 63, 64, 60, 68, 57, 64}, {176, 18, 30});  // red tie
    poly(b, {46, 44, 52, 44, 60, 68, 54, 62}, {30, 30, 38});  // lapels
    poly(b, {74, 44, 68, 44, 60, 68, 66, 62}, {30, 30, 38});
    poly(b, {70, 54, 77, 54, 74, 50}, {240, 240, 240});    // pocket square
    circlefill(b, 60, 78, 1, rgb({200, 200, 210}));
    if (armed) {  // the right arm raised, the pistol levelled
        poly(b, {80, 46, 86, 44, 106, 50, 106, 58, 82, 60}, suit);
        circlefill(b, 108, 54, 4, rgb(SKIN));
        box(b, 104, 46, 119, 50, {40, 40, 44});
        box(b, 105, 50, 110, 60, {40, 40, 44});
        hline(b, 105, 47, 117, rgb({120, 120, 130}));
    }
    face(b, 60, 30, {214, 176, 144}, {20, 18, 20});
    hline(b, 54, 38, 63, rgb({120, 60, 56}));             // a thin smile
    putpixel(b, 64, 37, rgb({120, 60, 56}));
    hline(b, 54, 29, 57, rgb({214 * 8 / 10, 176 * 8 / 10, 144 * 8 / 10}));  // narrowed eyes
    hline(b, 63, 29, 66, rgb({214 * 8 / 10, 176 * 8 / 10, 144 * 8 / 10}));
    ellipsefill(b, 60, 20, 12, 6, rgb({20, 18, 22}));      // slicked hair
    box(b, 48, 20, 50, 28, {20, 18, 22});
    box(b, 70, 20, 72, 28, {20, 18, 22});
    line(b, 53, 17, 66, 16, rgb({90, 90, 110}));
}

void victim(BITMAP *b)
{
    ellipsefill(b, 14, 92, 13, 4, rgb({96, 8, 12}));       // a little blood by the head
    ellipsefill(b, 10, 93, 6, 2, rgb({70, 4, 8}));
    box(b, 92, 70, 112, 77, {44, 44, 50});                  // legs
    box(b, 92, 80, 110, 87, {44, 44, 50});
    box(b, 112, 68, 118, 78, INK);
    box(b, 110, 80, 116, 90, INK);
    poly(b, {34, 66, 94, 66, 96, 90, 34, 92}, {96, 98, 104});  // grey coat
    hline(b, 36, 78, 94, rgb({70, 72, 80}));
    poly(b, {44, 66, 52, 64, 62, 40, 56, 38}, {96, 98, 104});  // an arm flung out
    circlefill(b, 60, 36, 4, rgb({206, 196, 186}));
    ellipsefill(b, 22, 79, 11, 10, rgb({206, 196, 186}));  // pale face turned up
    ellipsefill(b, 15, 79, 5, 10, rgb({70, 50, 36}));
    hline(b, 22, 75, 24, rgb(INK));
    hline(b, 22, 83, 24, rgb(INK));
    vline(b, 28, 77, 81, rgb({150, 110, 110}));
    circlefill(b, 21, 85, 2, rgb({90, 10, 14}));            // the wound at the temple
    vline(b, 20, 87, 90, rgb({110, 12, 16}));
}

void silhouette(BITMAP *b)
{
    const int grey = rgb({96, 96, 108});
    circle(b, 60, 28, 13, grey);
    line(b, 38, 46, 82, 46, grey);
    line(b, 38, 46, 34, 100, grey);
    line(b, 82, 46, 86, 100, grey);
    line(b, 34, 100, 86, 100, grey);
    line(b, 48, 100, 46, 116, grey);
    line(b, 72, 100, 74, 116, grey);
}

// Lines the inner edge of a figure with a dark outline, so it stands out
// from any floor it is drawn on.
void outline(BITMAP *b)
{
    const int magenta = makecol(255, 0, 255), dark = rgb({16, 12, 12});
    std::vector<bool> edge(SPRITESIZE * SPRITESIZE, false);
    for (int y = 0; y < SPRITESIZE; y++)
        for (int x = 0; x < SPRITESIZE; x++) {
            if (getpixel(b, x, y) == magenta)
                continue;
            for (int d = 0; d < 4; d++) {
                int nx = x + (d == 0) - (d == 1), ny = y + (d == 2) - (d == 3);
                if (nx < 0 || ny < 0 || nx >= SPRITESIZE || ny >= SPRITESIZE || getpixel(b, nx, ny) == magenta)
                    edge[y * SPRITESIZE + x] = true;
            }
        }
    for (int i = 0; i < SPRITESIZE * SPRITESIZE; i++)
        if (edge[i])
            putpixel(b, i % SPRITESIZE, i / SPRITESIZE, dark);
}

}  // namespace

BITMAP *makesprites()
{
    BITMAP *sheet = create_bitmap(SPRITES * SPRITESIZE, SPRITESIZE);
    clear_to_color(sheet, makecol(255, 0, 255));
    for (int i = 0; i < SPRITES; i++) {
        BITMAP *b = create_sub_bitmap(sheet, i * SPRITESIZE, 0, SPRITESIZE, SPRITESIZE);
        switch (i) {
        case 0: detective(b); break;
        case 1: friendwoman(b); break;
        case 2: barman(b); break;
        case 3: clubber(b); break;
        case 4: sergeant(b); break;
        case 5: suspect(b, false); break;
        case 6: victim(b); break;
        case 7: silhouette(b); break;
        default: suspect(b, true); break;
        }
        if (i != 7)
            outline(b);
        destroy_bitmap(b);
    }
    return sheet;
}
