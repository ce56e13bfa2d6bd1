// The pictures: each file's header is checked before Allegro reads it, since
// its loader trusts the header (a huge width crashes it, a short file loads
// as garbage), and the sprites are cut out of their sheet.
#include "engine/pictures.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

BITMAP *buffer;
BITMAP *bitmaparray[SPRITES];
BITMAP *introscreen;
BITMAP *titlescreen;
BITMAP *maps[4];

static const int MAXSIDE = 8192;

static unsigned le16(const unsigned char *p)
{
    return p[0] | p[1] << 8;
}

static long le32(const unsigned char *p)
{
    return (long)(int32_t)(p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24);
}

// Returns an empty string when the file holds an uncompressed BMP of at
// least width by height whose pixel rows all lie inside the file.
static std::string checkbmp(const char *path, int width, int height)
{
    FILE *f = fopen(path, "rb");
    if (!f)
        return "is missing or unreadable";
    unsigned char h[54];
    size_t got = fread(h, 1, sizeof h, f);
    fseek(f, 0, SEEK_END);
    long filesize = ftell(f);
    fclose(f);
    if (got < sizeof h || h[0] != 'B' || h[1] != 'M' || le32(h + 14) < 40)
        return "is not a BMP picture";
    long offset = le32(h + 10), w = le32(h + 18), hgt = labs(le32(h + 22));
    unsigned bits = le16(h + 28);
    long compression = le32(h + 30);
    if (compression != 0 || (bits != 8 && bits != 24 && bits != 32))
        return "is a kind of BMP this game does not read";
    if (w < width || hgt < height || w > MAXSIDE || hgt > MAXSIDE) {
        char why[96];
        snprintf(why, sizeof why, "is %ldx%ld, not the %dx%d picture it should be", w, hgt, width,
                 height);
        return why;
    }
    long rowbytes = (w * bits + 31) / 32 * 4;
    if (offset < 54 || offset + rowbytes * hgt > filesize)
        return "is cut short";
    return "";
}

BITMAP *loadpicture(const char *path, int width, int height, std::string &why)
{
    why = checkbmp(path, width, height);
    BITMAP *bmp = why.empty() ? load_bitmap(path, NULL) : NULL;
    if (!bmp && why.empty())
        why = "could not be read";
    if (!why.empty()) {
        char cwd[1024];
        why = std::string("picture \"") + path + "\" " + why + " (looked for in " +
              (getcwd(cwd, sizeof cwd) ? cwd : ".") + ")";
    }
    return bmp;
}

std::string load_pictures()
{
    std::string why;
    buffer = create_bitmap(SCREENW, SCREENH);
    if (!buffer)
        return "out of memory for the back buffer";
    BITMAP *sheet = loadpicture("bmp/sprites.bmp", SPRITES * SPRITESIZE, SPRITESIZE, why);
    if (!sheet)
        return why;
    for (int i = 0; i < SPRITES; i++) {
        bitmaparray[i] = create_bitmap(SPRITESIZE, SPRITESIZE);
        blit(sheet, bitmaparray[i], SPRITESIZE * i, 0, 0, 0, SPRITESIZE, SPRITESIZE);
    }
    destroy_bitmap(sheet);
    struct { BITMAP **target; const char *path; } pictures[] = {
        {&introscreen, "bmp/intro.bmp"}, {&titlescreen, "bmp/titlescreen.bmp"},
        {&maps[0], "bmp/map1.bmp"},      {&maps[1], "bmp/map2.bmp"},
        {&maps[2], "bmp/map3.bmp"},      {&maps[3], "bmp/map4.bmp"},
    };
    for (auto &p : pictures) {
        *p.target = loadpicture(p.path, SCREENW, SCREENH, why);
        if (!*p.target)
            return why;
    }
    return "";
}
