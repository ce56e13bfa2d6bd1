// The handlers of the requests to stop: they only raise a flag.
#include "engine/stopsignal.h"

#include <csignal>

#include <allegro.h>

std::atomic<bool> stoprequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set inside a signal handler");

static const int stopsignals[] = {SIGTERM, SIGINT, SIGHUP};

static void onstop(int)
{
    stoprequested = true;
}

// Allegro calls it on its own input thread.
static void onclose()
{
    stoprequested = true;
}

static sigset_t stopset()
{
    sigset_t set;
    sigemptyset(&set);
    for (int s : stopsignals)
        sigaddset(&set, s);
    return set;
}

void blockstopsignals()
{
    sigset_t set = stopset();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void catchstopsignals()
{
    struct sigaction action = {};
    action.sa_handler = onstop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : stopsignals)
        sigaction(s, &action, nullptr);
    sigset_t set = stopset();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

void catchclosebutton()
{
    set_close_button_callback(onclose);
}
