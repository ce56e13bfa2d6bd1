// The global operator new and delete over malloc and free, counting every
// allocation (see allocations.h).
#include "tests/support/allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<long> count;

long allocations() { return count; }

void *operator new(std::size_t n)
{
    count++;
    if (void *p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t n) { return operator new(n); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
