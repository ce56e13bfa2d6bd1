// Opening a data file of the game: only a regular file is opened, and the
// opening never blocks, so that a FIFO or a device in a file's place is
// refused at once instead of hanging start-up.
#ifndef DATAFILE_H
#define DATAFILE_H

#include <cstdio>

#include <allegro.h>

// Opens path for reading when it is a regular file of at most maxbytes, and
// sets size, when given, to its size then; otherwise gives null and sets
// why, when given, to the reason.
FILE *opendatafile(const char *path, long maxbytes, long *size = nullptr, const char **why = nullptr);

// A packfile that reads the open file through unlocked stdio, which costs
// less than Allegro's own per-byte reading; closing it closes the file.
PACKFILE *readpackfile(FILE *f);

#endif
