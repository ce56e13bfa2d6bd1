// Little-endian numbers in the bytes of a data file.
#ifndef LITTLEENDIAN_H
#define LITTLEENDIAN_H

#include <cstdint>

inline uint32_t le16(const unsigned char *p)
{
    return p[0] | p[1] << 8;
}

inline uint32_t le32(const unsigned char *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

#endif
