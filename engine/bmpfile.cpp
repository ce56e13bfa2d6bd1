// One BMP file read safely and once. Allegro's loader trusts the header (a
// huge width crashes it, a short file loads as garbage), so the header is
// checked first; Allegro's decoder then reads the same open file, through
// unlocked stdio reads, which cost less than its own per-byte reading.
#include "engine/bmpfile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "engine/datafile.h"
#include "engine/littleendian.h"

// Twice the screen's width: larger pictures are refused, as Allegro would
// hold them at 4 bytes a pixel, tens of megabytes each.
static const int MAXSIDE = 2048;

// Returns an empty string when the open file holds an uncompressed BMP of
// at least width by height whose pixel rows all lie inside the file.
static std::string checkbmp(FILE *f, int width, int height)
{
    unsigned char h[54];
    size_t got = fread(h, 1, sizeof h, f);
    fseek(f, 0, SEEK_END);
    long filesize = ftell(f);
    if (got < sizeof h || h[0] != 'B' || h[1] != 'M' || int32_t(le32(h + 14)) < 40)
        return "is not a BMP picture";
    // Signed where a negative value means something (rows top down) or is wrong.
    long offset = int32_t(le32(h + 10)), w = int32_t(le32(h + 18)),
         hgt = labs(int32_t(le32(h + 22)));
    unsigned bits = le16(h + 28), compression = le32(h + 30);
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

BITMAP *loadcheckedbmp(const char *path, int width, int height, std::string &why)
{
    BITMAP *bmp = NULL;
    const char *refused;
    FILE *f = opendatafile(path, LONG_MAX, nullptr, &refused);
    why = refused;
    if (f) {
        why = checkbmp(f, width, height);
        PACKFILE *pf = why.empty() && fseek(f, 0, SEEK_SET) == 0 ? readpackfile(f) : NULL;
        if (pf) {
            bmp = load_bmp_pf(pf, NULL);
            pack_fclose(pf);  // closes the file too
        } else {
            fclose(f);
        }
        if (!bmp && why.empty())
            why = "could not be read";
    }
    if (!why.empty()) {
        char cwd[1024];
        why = std::string("picture \"") + path + "\" " + why + " (looked for in " +
              (getcwd(cwd, sizeof cwd) ? cwd : ".") + ")";
    }
    return bmp;
}
