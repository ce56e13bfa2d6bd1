// Makes a RIFF WAV file of 16-bit mono PCM samples.
#include "bytes.h"
#include "makedata.h"

std::vector<uint8_t> makewav(const std::vector<int16_t> &samples, int rate)
{
    Bytes b;
    uint32_t data = (uint32_t)samples.size() * 2;
    b.text("RIFF", 4);
    b.u32(36 + data);
    b.text("WAVEfmt ", 8);
    b.u32(16);
    b.u16(1);  // PCM
    b.u16(1);  // mono
    b.u32(rate);
    b.u32(rate * 2);
    b.u16(2);
    b.u16(16);
    b.text("data", 4);
    b.u32(data);
    for (int16_t s : samples)
        b.u16((uint16_t)s);
    return b.bytes;
}
