// Synthesises the sample of every instrument. Tones are built from
// harmonics of a fundamental whose period is a whole number of samples, so
// that sustained sounds loop without a click.
#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "paint.h"

namespace {

const double RATE = 22050;
const int PERIOD = 84;               // samples per cycle of the fundamental
const double F0 = RATE / PERIOD;     // 262.5 Hz, played as middle C
const double TWOPI = 6.283185307179586;

// Tunes the sample so that XM note C-4 sounds at `pitch` Hz of the sample's
// own content (middle C for tones; the recorded speed for drums).
void tune(XmInstrument &in, double pitch)
{
    double semis = 12 * std::log2(261.6256 * RATE / (8363.0 * pitch));
    in.relnote = (int)std::lround(semis);
    in.finetune = std::max(-128, std::min(127, (int)std::lround((semis - in.relnote) * 128)));
}

std::vector<int16_t> render(int length, const std::function<double(int)> &wave, double peak = 0.9)
{
    std::vector<double> v(length);
    double top = 1e-9;
    for (int i = 0; i < length; i++) {
        v[i] = wave(i);
        top = std::max(top, std::fabs(v[i]));
    }
    std::vector<int16_t> pcm(length);
    for (int i = 0; i < length; i++)
        pcm[i] = (int16_t)std::lround(v[i] / top * peak * 32767);
    return pcm;
}

XmInstrument tone(const char *name, int length, const std::function<double(int)> &wave)
{
    XmInstrument in;
    in.name = name;
    in.pcm = render(length, wave);
    tune(in, F0);
    return in;
}

double attack(double t, double seconds) { return t < seconds ? t / seconds : 1; }

}  // namespace

XmInstrument electricpiano()
{
    XmInstrument in = tone("electric piano", (int)(RATE * 2.2), [](int i) {
        double t = i / RATE, w = TWOPI * F0 * t;
        double index = 1.4 * std::exp(-t * 5) + 0.25;
        return attack(t, 0.003) * (std::sin(w + index * std::sin(w)) * std::exp(-t * 1.8) +
                                   0.25 * std::sin(4 * w) * std::exp(-t * 9));
    });
    in.envelope = {{0, 64}, {1, 64}};
    in.sustain = 1;
    in.fadeout = 900;
    return in;
}

XmInstrument strings()
{
    // two bowed voices a little apart in pitch: 200 and 201 cycles in one loop
    const int cycles = 200, length = PERIOD * cycles;
    XmInstrument in = tone("strings", length, [](int i) {
        double s = 0;
        for (int k = 1; k <= 14; k++) {
            double a = std::exp(-k * 0.22) / k;
            s += a * std::sin(TWOPI * k * i / PERIOD);
            s += a * std::sin(TWOPI * k * i * (cycles + 1) / (double)(PERIOD * cycles) + k);
        }
        return s;
    });
    in.looplength = length;
    in.envelope = {{0, 0}, {24, 44}, {60, 64}};
    in.sustain = 2;
    in.fadeout = 500;
    in.vibratodepth = 2;
    in.vibratorate = 10;
    in.vibratosweep = 60;
    return in;
}

XmInstrument pluckbass()
{
    XmInstrument in = tone("bass", (int)(RATE * 1.6), [](int i) {
        double t = i / RATE, s = 0;
        for (int k = 1; k <= 10; k++)
            s += std::sin(TWOPI * k * F0 * t) / k * std::exp(-t * (1.2 + 1.1 * k));
        return attack(t, 0.002) * s;
    });
    in.envelope = {{0, 64}, {1, 64}};
    in.sustain = 1;
    in.fadeout = 2400;
    return in;
}

XmInstrument mutedhorn()
{
    const int length = PERIOD * 8;
    XmInstrument in = tone("muted horn", length, [](int i) {
        double s = 0;
        for (int k = 1; k <= 12; k++) {
            double a = (k >= 2 && k <= 5 ? 1.3 : 1.0) * std::exp(-k * 0.3) / std::sqrt(k);
            s += a * std::sin(TWOPI * k * i / PERIOD);
        }
        return s;
    });
    in.looplength = length;
    in.envelope = {{0, 0}, {3, 64}, {14, 50}};
    in.sustain = 2;
    in.fadeout = 900;
    in.vibratodepth = 3;
    in.vibratorate = 14;
    in.vibratosweep = 80;
    return in;
}

XmInstrument pulselead()
{
    const int length = PERIOD * 8;
    XmInstrument in = tone("pulse lead", length, [](int i) {
        double s = 0;
        for (int k = 1; k <= 16; k++)  // a 30% pulse, softened at the top
            s += std::sin(3.14159265 * k * 0.3) / k * std::exp(-k * 0.08) * std::sin(TWOPI * k * i / PERIOD);
        return s;
    });
    in.looplength = length;
    in.envelope = {{0, 64}, {10, 44}};
    in.sustain = 1;
    in.fadeout = 1400;
    in.vibratodepth = 2;
    in.vibratorate = 16;
    in.vibratosweep = 100;
    return in;
}

XmInstrument bell()
{
    return tone("bell", (int)(RATE * 2.6), [](int i) {
        static const double ratio[] = {1, 2.0, 2.76, 5.4, 8.93};
        static const double amp[] = {1, 0.45, 0.6, 0.25, 0.12};
        static const double decay[] = {1.1, 1.7, 2.4, 4, 6};
        double t = i / RATE, s = 0;
        for (int k = 0; k < 5; k++)
            s += amp[k] * std::exp(-t * decay[k]) * std::sin(TWOPI * ratio[k] * F0 * t);
        return attack(t, 0.002) * s;
    });
}

XmInstrument organstab()
{
    const int length = PERIOD * 4;
    XmInstrument in = tone("organ stab", length, [](int i) {
        static const int harmonic[] = {1, 2, 3, 4, 6, 8};
        static const double amp[] = {1, 0.7, 0.5, 0.35, 0.2, 0.15};
        double s = 0;
        for (int k = 0; k < 6; k++)
            s += amp[k] * std::sin(TWOPI * harmonic[k] * i / PERIOD);
        return s;
    });
    in.looplength = length;
    in.envelope = {{0, 64}, {3, 44}, {9, 0}};
    return in;
}

XmInstrument kick()
{
    XmInstrument in;
    in.name = "kick";
    double phase = 0;
    in.pcm = render((int)(RATE * 0.4), [&phase](int i) {
        double t = i / RATE;
        phase += TWOPI * (45 + 130 * std::exp(-t * 28)) / RATE;
        return std::sin(phase) * std::exp(-t * 7) + (i < 40 ? 0.4 * (1 - i / 40.0) : 0);
    });
    tune(in, 261.6256);
    return in;
}

XmInstrument snare()
{
    XmInstrument in;
    in.name = "snare";
    Rng noise(5);
    double low = 0;
    in.pcm = render((int)(RATE * 0.3), [&](int i) {
        double t = i / RATE, n = noise.spread(1);
        low += (n - low) * 0.5;  // take the hiss off the noise
        return low * 1.6 * std::exp(-t * 15) + 0.6 * std::sin(TWOPI * 185 * t) * std::exp(-t * 28);
    });
    tune(in, 261.6256);
    return in;
}

XmInstrument hihat()
{
    XmInstrument in;
    in.name = "hihat";
    Rng noise(6);
    double last = 0;
    in.pcm = render((int)(RATE * 0.09), [&](int i) {
        double t = i / RATE, n = noise.spread(1), high = n - last;  // only the hiss
        last = n;
        return high * std::exp(-t * 55);
    }, 0.7);
    tune(in, 261.6256);
    return in;
}
