// Walks an XM module from its header through its patterns and instruments to
// the last sample's data, checking each declared size against the file.
#include "engine/xmcheck.h"

#include <cstdint>

#include "engine/littleendian.h"

namespace {

struct Reader {
    const unsigned char *bytes;
    uint64_t size;
    // Whether n bytes from at lie in the file. Positions are sums of 32-bit
    // sizes, checked at every step, so they cannot wrap in 64 bits.
    bool has(uint64_t at, uint64_t n) const { return at <= size && n <= size - at; }
    unsigned u16(uint64_t at) const { return le16(bytes + at); }
    uint64_t u32(uint64_t at) const { return le32(bytes + at); }
};

// The instrument at `at`: its header, then one header per sample, then the
// data of all its samples. Moves at past it.
bool instrument(const Reader &r, uint64_t &at)
{
    if (!r.has(at, 29))
        return false;
    uint64_t header = r.u32(at);
    unsigned samples = r.u16(at + 27);
    if (samples == 0) {
        at += header;
        return true;
    }
    if (!r.has(at, 33))
        return false;
    uint64_t sampleheader = r.u32(at + 29);
    at += header;
    uint64_t data = 0;
    for (unsigned i = 0; i < samples; i++, at += sampleheader) {
        if (!r.has(at, 4))
            return false;
        data += r.u32(at);  // the sample's length in bytes
    }
    at += data;
    return true;
}

}  // namespace

bool xmfits(const unsigned char *bytes, size_t size)
{
    Reader r{bytes, size};
    if (!r.has(0, 80) || r.u16(76) == 0 || r.u16(78) == 0)  // tempo, BPM
        return false;
    uint64_t at = 60 + r.u32(60);  // the header's size counts from its own field
    for (unsigned i = 0, patterns = r.u16(70); i < patterns; i++) {
        if (!r.has(at, 9))
            return false;
        at += r.u32(at) + r.u16(at + 7);  // header, packed rows
    }
    for (unsigned i = 0, instruments = r.u16(72); i < instruments; i++)
        if (!instrument(r, at))
            return false;
    return at <= size;
}
