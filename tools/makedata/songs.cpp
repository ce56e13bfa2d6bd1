// The four pieces of music: the title theme, the morning in the park, the
// evening in the bar and the last meeting in the flat. Each is written as
// chords, a bass line, drums and a melody, one bar of 16 rows per chord.
#include <cctype>
#include <sstream>

#include "instruments.h"
#include "makedata.h"
#include "xmwriter.h"

namespace {

const int BAR = 16, ROWSPERPATTERN = 64;

struct Chord {
    int bass;      // MIDI note of the root in the bass
    int voice[3];  // MIDI notes of the three upper voices
};

int addinstrument(XmModule &m, XmInstrument in)
{
    m.instruments.push_back(std::move(in));
    return (int)m.instruments.size();
}

// Places a note given as a MIDI number (60 is middle C) at a volume 0..64.
void put(XmPattern &p, int row, int channel, int midi, int instrument, int volume)
{
    XmCell &c = p.at(row, channel);
    c.note = (uint8_t)(midi - 11);
    c.instrument = (uint8_t)instrument;
    c.volume = (uint8_t)(0x10 + volume);
}

void release(XmPattern &p, int row, int channel) { p.at(row, channel).note = XMKEYOFF; }

// "C#5" and the like to a MIDI number.
int parsenote(const std::string &s)
{
    static const int semitone[] = {9, 11, 0, 2, 4, 5, 7};  // A to G
    int n = semitone[std::toupper(s[0]) - 'A'];
    size_t i = 1;
    if (s[i] == '#')
        n++, i++;
    else if (s[i] == 'b')
        n--, i++;
    return n + 12 * (s[i] - '0' + 1);
}

// Writes a line of tokens, one every `step` rows from `row`: a note name
// plays, "." lets the last note ring, "^" releases it, "|" is a bar line
// for the reader and takes no time.
void melody(XmPattern &p, int channel, int instrument, int volume, int step, const char *tokens)
{
    std::istringstream in(tokens);
    std::string t;
    int row = 0;
    while (in >> t && row < p.rows) {
        if (t == "|")
            continue;
        if (t == "^")
            release(p, row, channel);
        else if (t != ".")
            put(p, row, channel, parsenote(t), instrument, volume);
        row += step;
    }
}

XmPattern blank(const XmModule &m) { return XmPattern(ROWSPERPATTERN, m.channels); }

// Drum hits from a pattern string of one bar, one character a row:
// 'x' loud, 'o' soft, '.' nothing. Repeated over every bar.
void drums(XmPattern &p, int channel, int instrument, const char *bar, int loud, int soft)
{
    for (int row = 0; row < p.rows; row++) {
        char c = bar[row % BAR];
        if (c == 'x' || c == 'o')
            put(p, row, channel, 60, instrument, c == 'x' ? loud : soft);
    }
}

// --- the title theme: slow night-club jazz in A minor ---------------------

XmModule titletheme()
{
    XmModule m;
    m.name = "Vesper Park";
    m.channels = 8;
    m.tempo = 6;
    m.bpm = 96;
    int piano = addinstrument(m, electricpiano()), bass = addinstrument(m, pluckbass()),
        horn = addinstrument(m, mutedhorn()), hat = addinstrument(m, hihat()),
        brush = addinstrument(m, snare()), drum = addinstrument(m, kick());
    const Chord Am = {45, {55, 60, 64}}, Fmaj7 = {41, {57, 60, 64}}, Dm7 = {38, {57, 60, 65}},
                E7 = {40, {56, 62, 64}}, Bm7b5 = {47, {57, 62, 65}}, G7 = {43, {55, 59, 65}},
                Cmaj7 = {48, {55, 59, 64}}, E7b9 = {40, {56, 62, 65}};
    const Chord progression[4][4] = {{Am, Fmaj7, Dm7, E7}, {Am, Fmaj7, Bm7b5, E7},
                                     {Dm7, G7, Cmaj7, E7b9}, {Am, Fmaj7, E7, Am}};
    const char *tunes[4] = {
        "E5 . . . D5 C5 B4 C5 | A4 . . . . . ^ . | D5 . F5 . A5 . G5 F5 | E5 . . . G#4 . ^ .",
        "C5 . E5 . A5 . G5 E5 | F5 . E5 . C5 . ^ . | D5 . C5 . B4 . F5 . | E5 . . . . . ^ .",
        "F5 . A5 . C6 . A5 . | B5 . A5 G5 F5 . D5 . | E5 . G5 . B5 . . . | G#5 . F5 . D5 . B4 .",
        "A4 . C5 E5 A5 . . . | G5 . F5 . E5 . C5 . | D5 . B4 . G#4 . B4 . | A4 . . . . . ^ ."};
    for (int n = 0; n < 4; n++) {
        XmPattern p = blank(m);
        for (int bar = 0; bar < 4; bar++) {
            const Chord &c = progression[n][bar];
            int r = bar * BAR;
            for (int v = 0; v < 3; v++) {  // the chord, then two softer pushes
                put(p, r, v, c.voice[v], piano, 34);
                put(p, r + 6, v, c.voice[v], piano, 22);
                put(p, r + 10, v, c.voice[v], piano, 26);
            }
            // a walking bass: root, fifth, octave and a step into the next bar
            const Chord &next = progression[n][(bar + 1) % 4];
            put(p, r, 3, c.bass, bass, 60);
            put(p, r + 4, 3, c.bass + 7, bass, 50);
            put(p, r + 8, 3, c.bass + 12, bass, 52);
            put(p, r + 12, 3, next.bass + (next.bass > c.bass ? -1 : 1), bass, 48);
        }
        drums(p, 5, hat, "x..ox..ox..ox.o.", 26, 14);
        drums(p, 6, brush, "....o.......o...", 20, 20);
        drums(p, 7, drum, "x.......o.......", 34, 22);
        melody(p, 4, horn, 44, 2, tunes[n]);
        m.patterns.push_back(p);
    }
    m.orders = {0, 1, 2, 1, 3};
    return m;
}

// --- the morning after: strings and a bell in D minor ---------------------

XmModule morning()
{
    XmModule m;
    m.name = "The Morning After";
    m.channels = 7;
    m.tempo = 6;
    m.bpm = 70;
    int pad = addinstrument(m, strings()), ring = addinstrument(m, bell()),
        bass = addinstrument(m, pluckbass()), piano = addinstrument(m, electricpiano());
    const Chord Dm = {38, {57, 62, 65}}, Bb = {34, {58, 62, 65}}, Gm = {43, {58, 62, 67}},
                A = {45, {57, 61, 64}}, F = {41, {57, 60, 65}}, C = {36, {55, 60, 64}},
                Asus = {45, {57, 62, 64}};
    const Chord progression[3][4] = {{Dm, Bb, Gm, A}, {Dm, F, C, Asus}, {Bb, Gm, Dm, A}};
    const char *tunes[3] = {"A5 . F5 . | D5 . . . | G5 . Bb5 A5 | E5 . . .",
                            "F5 . E5 D5 | C5 . A4 . | E5 . G5 . | C#5 . . .",
                            "D6 . C6 Bb5 | A5 . G5 . | F5 . A5 D5 | C#5 . E5 ."};
    static const int arpeggio[] = {0, 1, 2, 1};
    for (int n = 0; n < 3; n++) {
        XmPattern p = blank(m);
        for (int bar = 0; bar < 4; bar++) {
            const Chord &c = progression[n][bar];
            int r = bar * BAR;
            for (int v = 0; v < 3; v++)
                put(p, r, v, c.voice[v], pad, 30);
            put(p, r, 3, c.bass, bass, 56);
            put(p, r + 10, 3, c.bass + 12, bass, 30);
            for (int k = 0; k < 8; k++)  // a slow broken chord an octave up
                put(p, r + k * 2, 5, c.voice[arpeggio[k % 4]] + 12, piano, k == 0 ? 26 : 16);
        }
        melody(p, 4, ring, 40, 4, tunes[n]);
        m.patterns.push_back(p);
    }
    m.orders = {0, 1, 2, 1};
    return m;
}

// --- the evening in the bar: a dance beat in G minor ----------------------

XmModule party()
{
    XmModule m;
    m.name = "Lantern Nights";
    m.channels = 10;
    m.tempo = 6;
    m.bpm = 124;
    int drum = addinstrument(m, kick()), clap = addinstrument(m, snare()), hat = addinstrument(m, hihat()),
        bass = addinstrument(m, pluckbass()), stab = addinstrument(m, organstab()),
        lead = addinstrument(m, pulselead());
    const Chord Gm = {43, {58, 62, 67}}, Eb = {39, {58, 63, 67}}, Bb = {46, {58, 62, 65}},
                F = {41, {57, 60, 65}};
    const Chord progression[4] = {Gm, Eb, Bb, F};
    const char *tunes[4] = {
        "",
        "G5 . Bb5 . D6 . C6 Bb5 | G5 . . . Eb5 . F5 G5 | F5 . D5 . F5 . Bb5 A5 | A5 . F5 . C5 . ^ .",
        "D6 . D6 C6 Bb5 . G5 . | Bb5 . Bb5 A5 G5 . Eb5 . | F5 . G5 . A5 . Bb5 . | C6 . A5 . F5 . A5 .",
        "G5 . . . . . ^ . | . . . . . . . . | F5 . . . . . ^ . | . . . . A5 . ^ ."};
    for (int n = 0; n < 4; n++) {
        XmPattern p = blank(m);
        bool breakdown = n == 3;
        drums(p, 0, drum, breakdown ? "x...............": "x...x...x...x...", 60, 40);
        if (!breakdown)
            drums(p, 1, clap, "....x.......x..o", 44, 24);
        drums(p, 2, hat, "o.x.o.x.o.x.o.xo", 34, 16);
        for (int bar = 0; bar < 4; bar++) {
            const Chord &c = progression[bar];
            int r = bar * BAR;
            static const int bassrow[] = {0, 3, 6, 8, 11, 14};
            for (int k = 0; k < 6; k++)
                put(p, r + bassrow[k], 3, c.bass + (k % 2 ? 12 : 0), bass, k % 2 ? 44 : 58);
            if (n > 0)
                for (int v = 0; v < 3; v++)
                    for (int hit : {2, 7, 10})
                        put(p, r + hit, 4 + v, c.voice[v], stab, 24);
        }
        if (*tunes[n])
            melody(p, 7, lead, 40, 2, tunes[n]);
        m.patterns.push_back(p);
    }
    m.orders = {0, 1, 2, 1, 3, 2};
    return m;
}

// --- the last meeting: a ticking clock and a bass that will not rest ------

XmModule confrontation()
{
    XmModule m;
    m.name = "At Gunpoint";
    m.channels = 9;
    m.tempo = 6;
    m.bpm = 100;
    int pad = addinstrument(m, strings()), bass = addinstrument(m, pluckbass()),
        drum = addinstrument(m, kick()), tick = addinstrument(m, hihat()), ring = addinstrument(m, bell()),
        hit = addinstrument(m, snare());
    const Chord Em = {40, {55, 59, 64}}, F = {41, {57, 60, 65}}, C = {36, {55, 60, 64}},
                B = {47, {54, 59, 63}}, Am = {45, {57, 60, 64}}, Bb = {46, {58, 62, 65}};
    const Chord progression[4][4] = {{Em, Em, F, Em}, {Em, C, F, B}, {Am, F, Bb, B}, {Em, F, Em, F}};
    const char *tunes[4] = {"B4 . . . | . . . . | C5 . . . | B4 . . .",
                            "E5 . . . | G5 . . . | F5 . E5 . | D#5 . . .",
                            "E5 . C5 . | A4 . . . | Bb4 . . . | B4 . D#5 .",
                            "G5 . F5 . | E5 . . . | F5 . G5 . | Bb5 . B5 ."};
    static const int ostinato[] = {0, 0, 12, 0, 0, 1, 0, 7};  // the flat second grinds
    for (int n = 0; n < 4; n++) {
        XmPattern p = blank(m);
        for (int bar = 0; bar < 4; bar++) {
            const Chord &c = progression[n][bar];
            int r = bar * BAR;
            for (int v = 0; v < 3; v++)
                put(p, r, v, c.voice[v], pad, 26);
            for (int k = 0; k < 8; k++)
                put(p, r + k * 2, 3, c.bass + ostinato[k], bass, k == 0 ? 60 : 44);
        }
        drums(p, 4, drum, "x.o.....x.o.....", 54, 40);  // a heartbeat
        drums(p, 5, tick, "x.o.x.o.x.o.x.o.", 22, 12);  // a clock
        if (n == 3)
            drums(p, 6, hit, "............x.xx", 40, 40);
        melody(p, 7, ring, 30, 4, tunes[n]);
        melody(p, 8, pad, 34, 4, tunes[n]);
        m.patterns.push_back(p);
    }
    m.orders = {0, 1, 2, 1, 3};
    return m;
}

}  // namespace

std::vector<uint8_t> makesong(int i)
{
    switch (i) {
    case 0: return writexm(titletheme());
    case 1: return writexm(morning());
    case 2: return writexm(party());
    default: return writexm(confrontation());
    }
}
