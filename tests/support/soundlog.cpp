// The sound recorder (see soundlog.h).
#include "tests/support/soundlog.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "engine/sound.h"
#include "tests/support/headless.h"

namespace {

std::vector<std::string> heard;

template <class T, size_t N>
std::string indexin(T *const (&table)[N], const void *p)
{
    T *const *at = std::find(table, table + N, p);
    return p && at != table + N ? std::to_string(at - table) : "?";
}

// The player handed back is the module itself, so that stopping it names
// the module; nothing ever reads through it.
AL_DUH_PLAYER *start(DUH *duh, int channels, long pos, float volume, long bufsize, int freq)
{
    char call[96];
    snprintf(call, sizeof call, "start %s %dch at %ld vol %g buf %ld %dHz", indexin(music, duh).c_str(),
             channels, pos, volume, bufsize, freq);
    heard.push_back(call);
    return reinterpret_cast<AL_DUH_PLAYER *>(duh);
}

void stop(AL_DUH_PLAYER *player) { heard.push_back("stop " + indexin(music, player)); }
int poll(AL_DUH_PLAYER *) { return 0; }

int play(const SAMPLE *s, int volume, int pan, int freq, int loop)
{
    char call[96];
    snprintf(call, sizeof call, "sample %s vol %d pan %d freq %d loop %d", indexin(sample, s).c_str(),
             volume, pan, freq, loop);
    heard.push_back(call);
    return 0;
}

}  // namespace

void recordsound()
{
    static bool loaded = false;
    headless_start();
    if (!std::exchange(loaded, true))
        init_sound();
    soundcalls = {start, stop, poll, play};
    heard.clear();
}

std::vector<std::string> takesound() { return std::exchange(heard, {}); }
