// A FastTracker 2 extended module (XM) in memory, and its writer: patterns
// of notes, instruments of one synthesised 16-bit sample each.
#ifndef MAKEDATA_XMWRITER_H
#define MAKEDATA_XMWRITER_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

const int XMKEYOFF = 97;  // the note value that releases a note

struct XmCell {
    uint8_t note = 0, instrument = 0, volume = 0, effect = 0, param = 0;
};

struct XmPattern {
    int rows = 64, channels = 8;
    std::vector<XmCell> cells;
    XmPattern(int rows, int channels) : rows(rows), channels(channels), cells(rows * channels) {}
    XmCell &at(int row, int channel) { return cells[row * channels + channel]; }
};

struct XmInstrument {
    std::string name;
    std::vector<int16_t> pcm;
    int loopstart = 0, looplength = 0;  // in samples; no loop when looplength is 0
    int volume = 64;
    int relnote = 0, finetune = 0;      // tuning of the sample against C-4
    std::vector<std::pair<int, int>> envelope;  // (tick, volume 0..64); empty: none
    int sustain = -1;                   // envelope point held until key off
    int fadeout = 0;
    int vibratodepth = 0, vibratorate = 0, vibratosweep = 0;
};

struct XmModule {
    std::string name;
    int channels = 8, tempo = 6, bpm = 125, restart = 0;
    std::vector<uint8_t> orders;
    std::vector<XmPattern> patterns;
    std::vector<XmInstrument> instruments;
};

std::vector<uint8_t> writexm(const XmModule &module);

#endif
