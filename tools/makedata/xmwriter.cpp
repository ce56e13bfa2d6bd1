// Writes an XM module: header, packed patterns, instruments with their
// delta-encoded 16-bit samples.
#include "xmwriter.h"

#include <algorithm>

#include "bytes.h"

namespace {

std::vector<uint8_t> packpattern(const XmPattern &p)
{
    Bytes o;
    for (const XmCell &c : p.cells) {
        int flags = (c.note ? 1 : 0) | (c.instrument ? 2 : 0) | (c.volume ? 4 : 0) | (c.effect ? 8 : 0) |
                    (c.param ? 16 : 0);
        o.u8(0x80 | flags);
        if (c.note) o.u8(c.note);
        if (c.instrument) o.u8(c.instrument);
        if (c.volume) o.u8(c.volume);
        if (c.effect) o.u8(c.effect);
        if (c.param) o.u8(c.param);
    }
    return o.bytes;
}

void instrument(Bytes &o, const XmInstrument &in)
{
    o.u32(263);
    o.text(in.name, 22);
    o.u8(0);
    o.u16(1);
    o.u32(40);
    o.zeros(96);  // every key plays the one sample
    for (int i = 0; i < 12; i++) {
        bool used = i < (int)in.envelope.size();
        o.u16(used ? in.envelope[i].first : 0);
        o.u16(used ? in.envelope[i].second : 0);
    }
    o.zeros(48);  // no panning envelope
    o.u8((int)in.envelope.size());
    o.u8(0);
    o.u8(std::max(0, in.sustain));
    o.u8(0);
    o.u8(0);
    o.zeros(3);
    o.u8(in.envelope.empty() ? 0 : (in.sustain >= 0 ? 3 : 1));
    o.u8(0);
    o.u8(0);  // sine vibrato
    o.u8(in.vibratosweep);
    o.u8(in.vibratodepth);
    o.u8(in.vibratorate);
    o.u16(in.fadeout);
    o.zeros(22);
    // sample header
    o.u32((uint32_t)in.pcm.size() * 2);
    o.u32((uint32_t)in.loopstart * 2);
    o.u32((uint32_t)in.looplength * 2);
    o.u8(in.volume);
    o.u8(in.finetune & 0xff);
    o.u8(0x10 | (in.looplength > 0 ? 1 : 0));
    o.u8(128);
    o.u8(in.relnote & 0xff);
    o.u8(0);
    o.text(in.name, 22);
    int16_t last = 0;
    for (int16_t s : in.pcm) {
        o.u16((uint16_t)(s - last));
        last = s;
    }
}

}  // namespace

std::vector<uint8_t> writexm(const XmModule &m)
{
    Bytes o;
    o.text("Extended Module: ", 17);
    o.text(m.name, 20);
    o.u8(0x1a);
    o.text("makedata", 20);
    o.u16(0x0104);
    o.u32(276);
    o.u16((int)m.orders.size());
    o.u16(m.restart);
    o.u16(m.channels);
    o.u16((int)m.patterns.size());
    o.u16((int)m.instruments.size());
    o.u16(1);  // linear frequencies
    o.u16(m.tempo);
    o.u16(m.bpm);
    for (int i = 0; i < 256; i++)
        o.u8(i < (int)m.orders.size() ? m.orders[i] : 0);
    for (const XmPattern &p : m.patterns) {
        std::vector<uint8_t> packed = packpattern(p);
        o.u32(9);
        o.u8(0);
        o.u16(p.rows);
        o.u16((int)packed.size());
        o.bytes.insert(o.bytes.end(), packed.begin(), packed.end());
    }
    for (const XmInstrument &in : m.instruments)
        instrument(o, in);
    return o.bytes;
}
