// Counts heap allocations, for the test and the benchmark that check that
// a frame allocates nothing. Linked only into those two programs: it
// replaces the global operator new.
#ifndef ALLOCATIONS_H
#define ALLOCATIONS_H

// Allocations made through operator new since the program started.
long allocations();

#endif
