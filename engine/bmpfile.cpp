// One BMP file read safely and once. Allegro's loader trusts the header (a
// huge width crashes it, a short file loads as garbage), so the header is
// checked first; Allegro's decoder then reads the same open file, through
// unlocked stdio reads, which cost less than its own per-byte reading.
#include "engine/bmpfile.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "engine/littleendian.h"

static const int MAXSIDE = 8192;

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

// A packfile over an open stdio file, for reading only.
static int fileclose(void *f)
{
    return fclose((FILE *)f);
}
static int filegetc(void *f)
{
    return getc_unlocked((FILE *)f);
}
static int fileungetc(int c, void *f)
{
    return ungetc(c, (FILE *)f);
}
static long fileread(void *p, long n, void *f)
{
    return fread(p, 1, n, (FILE *)f);
}
static int fileputc(int, void *)
{
    return EOF;
}
static long filewrite(const void *, long, void *)
{
    return 0;
}
static int fileskip(void *f, int n)
{
    return fseek((FILE *)f, n, SEEK_CUR);
}
static int fileeof(void *f)
{
    return feof((FILE *)f);
}
static int fileerror(void *f)
{
    return ferror((FILE *)f);
}
static PACKFILE_VTABLE readfile = {fileclose, filegetc, fileungetc, fileread, fileputc,
                                   filewrite, fileskip, fileeof,    fileerror};

BITMAP *loadcheckedbmp(const char *path, int width, int height, std::string &why)
{
    BITMAP *bmp = NULL;
    FILE *f = fopen(path, "rb");
    if (!f) {
        why = "is missing or unreadable";
    } else {
        why = checkbmp(f, width, height);
        PACKFILE *pf = why.empty() && fseek(f, 0, SEEK_SET) == 0
                           ? pack_fopen_vtable(&readfile, f)
                           : NULL;
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
