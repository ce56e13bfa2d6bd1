// A growing buffer of little-endian bytes, as the XM and WAV formats store
// their numbers.
#ifndef MAKEDATA_BYTES_H
#define MAKEDATA_BYTES_H

#include <cstdint>
#include <string>
#include <vector>

struct Bytes {
    std::vector<uint8_t> bytes;
    void u8(int v) { bytes.push_back((uint8_t)v); }
    void u16(int v) { u8(v & 0xff); u8((v >> 8) & 0xff); }
    void u32(uint32_t v) { u16(v & 0xffff); u16(v >> 16); }
    // Exactly n bytes of s, padded with zeros.
    void text(const std::string &s, size_t n)
    {
        for (size_t i = 0; i < n; i++)
            u8(i < s.size() ? s[i] : 0);
    }
    void zeros(size_t n) { bytes.insert(bytes.end(), n, 0); }
};

#endif
