// Loading a music module: the file is read once, its structure checked, and
// only then the same bytes are handed to DUMB.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/datafile.h"
#include "engine/sound.h"
#include "engine/xmcheck.h"

// DUMB reads a module through these from the bytes already checked.
namespace {

struct Memory {
    const unsigned char *at, *end;
};

int memskip(void *f, long n)
{
    Memory *m = static_cast<Memory *>(f);
    if (n < 0 || n > m->end - m->at)
        return -1;
    m->at += n;
    return 0;
}

int memgetc(void *f)
{
    Memory *m = static_cast<Memory *>(f);
    return m->at < m->end ? *m->at++ : -1;
}

long memgetnc(char *to, long n, void *f)
{
    Memory *m = static_cast<Memory *>(f);
    long got = std::max(0L, std::min<long>(n, m->end - m->at));
    std::memcpy(to, m->at, got);
    m->at += got;
    return got;
}

void memclose(void *) {}

DUMBFILE_SYSTEM memoryfiles = {NULL, memskip, memgetc, memgetnc, memclose};

}  // namespace

DUH *loadmodule(const char *path)
{
    long size;
    FILE *f = opendatafile(path, MAXSOUNDFILE, &size);
    if (!f)
        return NULL;
    // The size it had when opened: no more is read of a file that grows.
    std::vector<unsigned char> bytes(size);
    bytes.resize(fread(bytes.data(), 1, size, f));
    fclose(f);
    if (!xmfits(bytes.data(), bytes.size()))
        return NULL;
    Memory m = {bytes.data(), bytes.data() + bytes.size()};
    DUMBFILE *file = dumbfile_open_ex(&m, &memoryfiles);
    DUH *duh = dumb_read_xm_quick(file);
    dumbfile_close(file);
    return duh;
}
