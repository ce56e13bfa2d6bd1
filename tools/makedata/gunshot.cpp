// Synthesises the gunshots: a sharp crack of noise, the body of the blast,
// a low thump and the tail of a small room, with a few early echoes.
#include <algorithm>
#include <cmath>

#include "makedata.h"
#include "paint.h"

std::vector<int16_t> makegunshot(int variant)
{
    const bool close = variant == 1;
    const double rate = gunshotrate, seconds = close ? 1.6 : 2.0;
    const int length = (int)(rate * seconds);
    Rng noise(close ? 77 : 78);
    std::vector<double> dry(length), out(length);
    double body = 0, tail = 0, phase = 0;
    for (int i = 0; i < length; i++) {
        double t = i / rate, n = noise.spread(1);
        body += (n - body) * (close ? 0.35 : 0.15);
        tail += (n - tail) * 0.06;
        phase += 6.283185307 * (48 + 90 * std::exp(-t * 30)) / rate;
        double crack = n * std::exp(-t * (close ? 260 : 500)) * (close ? 1.0 : 0.4);
        double blast = body * 2.2 * std::exp(-t * (close ? 16 : 11));
        double thump = std::sin(phase) * std::exp(-t * 10) * (close ? 0.9 : 0.6);
        double room = tail * 1.4 * std::exp(-t * (close ? 3.2 : 2.2)) * std::min(1.0, t * 40);
        dry[i] = crack + blast + thump;
        out[i] = dry[i] + room;
    }
    // early reflections off the walls
    static const double delay[] = {0.019, 0.031, 0.047, 0.071, 0.096};
    for (int k = 0; k < 5; k++) {
        int d = (int)(delay[k] * rate);
        double gain = (close ? 0.45 : 0.6) / (k + 1.5);
        for (int i = d; i < length; i++)
            out[i] += dry[i - d] * gain;
    }
    double top = 1e-9;
    for (double &v : out) {
        v = std::tanh(v * 1.5);  // the overdriven punch of a real shot
        top = std::max(top, std::fabs(v));
    }
    std::vector<int16_t> pcm(length);
    for (int i = 0; i < length; i++) {
        double fade = i > length - 2000 ? (length - i) / 2000.0 : 1;
        pcm[i] = (int16_t)std::lround(out[i] / top * 0.95 * fade * 32767);
    }
    return pcm;
}
