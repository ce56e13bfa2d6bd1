// Loading a sample: the WAV file's chunks are checked against the file, and
// only then Allegro's loader, which trusts them, reads the same open file.
#include <cstdint>
#include <cstring>

#include "engine/datafile.h"
#include "engine/littleendian.h"
#include "engine/sound.h"

// Whether the open file, of the given size, is a RIFF WAVE whose declared
// size is the file's and whose chunks lie end to end up to the file's end.
static bool chunksfit(FILE *f, long size)
{
    unsigned char h[12];
    if (fread(h, 1, 12, f) != 12 || memcmp(h, "RIFF", 4) != 0 || memcmp(h + 8, "WAVE", 4) != 0 ||
        le32(h + 4) != uint64_t(size) - 8)
        return false;
    for (long at = 12; at < size; at += 8 + le32(h + 4)) {
        if (fseek(f, at, SEEK_SET) != 0 || fread(h, 1, 8, f) != 8 ||
            le32(h + 4) > uint64_t(size - at - 8))
            return false;
    }
    return true;
}

SAMPLE *loadsample(const char *path)
{
    long size;
    FILE *f = opendatafile(path, MAXSOUNDFILE, &size);
    if (!f)
        return NULL;
    PACKFILE *pf = chunksfit(f, size) && fseek(f, 0, SEEK_SET) == 0 ? readpackfile(f) : NULL;
    if (!pf) {
        fclose(f);
        return NULL;
    }
    SAMPLE *s = load_wav_pf(pf);
    pack_fclose(pf);  // closes the file too
    return s;
}
