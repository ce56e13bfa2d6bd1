// The handler of SIGTERM and SIGINT: it only raises a flag.
#include "engine/stopsignal.h"

#include <csignal>

std::atomic<bool> stoprequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set inside a signal handler");

static void onstop(int)
{
    stoprequested = true;
}

void catchstopsignals()
{
    struct sigaction action = {};
    action.sa_handler = onstop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
