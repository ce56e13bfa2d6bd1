// A structure check of an XM module's bytes, made before the music library
// sees them: its loader trusts the sizes a module declares and would reserve
// gigabytes for a damaged sample length.
#ifndef XMCHECK_H
#define XMCHECK_H

#include <cstddef>

// True when every size the module declares (header, patterns, instruments,
// sample headers, sample data) fits in the bytes given, and its tempo and BPM
// are not zero (the player divides by both).
bool xmfits(const unsigned char *bytes, size_t size);

#endif
