// The pictures, each read through the header check, and the sprites cut
// out of their sheet and made into run-length sprites.
#include "engine/pictures.h"

#include "engine/bmpfile.h"

BITMAP *buffer;
BITMAP *bitmaparray[SPRITES];
BITMAP *introscreen;
BITMAP *titlescreen;
BITMAP *maps[4];
RLE_SPRITE *rlesprites[SPRITES];

// At 32 bits get_rle_sprite leaves out every pixel whose colour bits are
// magenta, while masked_blit skips 0x00ff00ff alone; Allegro's loader never
// sets the top byte, so both leave out the same pixels of these sprites.
bool makerlesprites()
{
    bool made = true;
    for (int i = 0; i < SPRITES; i++) {
        if (rlesprites[i])
            destroy_rle_sprite(rlesprites[i]);
        rlesprites[i] = bitmaparray[i] ? get_rle_sprite(bitmaparray[i]) : NULL;
        made &= rlesprites[i] != NULL;
    }
    return made;
}

std::string load_pictures(StepDone done)
{
    std::string why;
    buffer = create_bitmap(SCREENW, SCREENH);
    if (!buffer)
        return "out of memory for the back buffer";
    BITMAP *sheet = loadcheckedbmp("bmp/sprites.bmp", SPRITES * SPRITESIZE, SPRITESIZE, why);
    if (!sheet)
        return why;
    for (int i = 0; i < SPRITES; i++) {
        bitmaparray[i] = create_bitmap(SPRITESIZE, SPRITESIZE);
        if (bitmaparray[i])
            blit(sheet, bitmaparray[i], SPRITESIZE * i, 0, 0, 0, SPRITESIZE, SPRITESIZE);
    }
    destroy_bitmap(sheet);
    if (!makerlesprites())
        return "out of memory for the sprites";
    done("bmp/sprites.bmp");
    struct { BITMAP **target; const char *path; } pictures[] = {
        {&introscreen, "bmp/intro.bmp"}, {&titlescreen, "bmp/titlescreen.bmp"},
        {&maps[0], "bmp/map1.bmp"},      {&maps[1], "bmp/map2.bmp"},
        {&maps[2], "bmp/map3.bmp"},      {&maps[3], "bmp/map4.bmp"},
    };
    for (auto &p : pictures) {
        *p.target = loadcheckedbmp(p.path, SCREENW, SCREENH, why);
        if (!*p.target)
            return why;
        done(p.path);
    }
    return "";
}
