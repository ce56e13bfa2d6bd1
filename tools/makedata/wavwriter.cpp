// Writes 16-bit mono PCM samples as a RIFF WAV file.
#include <cstdio>

#include "tools/makedata/makedata.h"

static void put16(std::vector<uint8_t> &b, int v)
{
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}

static void put32(std::vector<uint8_t> &b, uint32_t v)
{
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

bool writewav(const std::string &path, const std::vector<int16_t> &samples, int rate)
{
    std::vector<uint8_t> b;
    uint32_t data = (uint32_t)samples.size() * 2;
    for (char c : std::string("RIFF")) b.push_back(c);
    put32(b, 36 + data);
    for (char c : std::string("WAVEfmt ")) b.push_back(c);
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, rate);
    put32(b, rate * 2);
    put16(b, 2);
    put16(b, 16);
    for (char c : std::string("data")) b.push_back(c);
    put32(b, data);
    for (int16_t s : samples)
        put16(b, (uint16_t)s);
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}
