// Start-up resources: damaged pictures are refused with a message naming the
// file, damaged modules and samples stay silent, a missing sample is
// skipped; a FIFO, a folder or a device in a data file's place is refused
// without waiting, and so is a sound file far too large.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/bmpfile.h"
#include "engine/littleendian.h"
#include "engine/pictures.h"
#include "engine/sound.h"
#include "engine/xmcheck.h"
#include "tests/support/headless.h"
#include "tests/support/soundlog.h"

namespace {

using Bytes = std::vector<unsigned char>;

// This process's own folder, so that test processes run side by side do not
// write over each other's files.
struct Folder {
    std::string path = ::testing::TempDir() + "resources-XXXXXX";
    Folder() { path = std::string(mkdtemp(&path[0]) ? path.c_str() : ".") + "/"; }
    ~Folder() { std::filesystem::remove_all(path); }
} folder;

std::string tempfile(const std::string &name, const Bytes &bytes)
{
    std::string path = folder.path + name;
    std::ofstream(path, std::ios::binary).write((const char *)bytes.data(), bytes.size());
    return path;
}

// The file grown with zeros to one byte over the sound files' limit.
std::string oversized(const std::string &name, const Bytes &bytes)
{
    std::string path = tempfile(name, bytes);
    EXPECT_EQ(truncate(path.c_str(), MAXSOUNDFILE + 1), 0);
    return path;
}

// The most address space this process has held, in kB: memory reserved and
// never touched counts here.
long addressspacekb()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    long kb = 0;
    while (status >> field && field != "VmPeak:")
        status.ignore(1 << 10, '\n');
    status >> kb;
    return kb;
}

// What may stand in a data file's place and is no data file: a FIFO (opening
// it for reading waits for a writer), a folder and a device without end.
std::vector<std::string> nonregular()
{
    std::string fifo = folder.path + "fifo", dir = folder.path + "dir", device = folder.path + "zero";
    mkfifo(fifo.c_str(), 0600), mkdir(dir.c_str(), 0700), symlink("/dev/zero", device.c_str());
    return {fifo, dir, device};
}

Bytes readfile(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

Bytes with32(Bytes b, size_t at, uint32_t v, int bits = 0)
{
    for (int i = 0; i < 4; i++)
        b[at + i] = v >> (8 * i) & 255;
    b[28] = bits ? bits : b[28];
    return b;
}

// Why loadcheckedbmp refuses the bytes as a picture of at least w by h, "" when it loads them.
std::string refusal(const Bytes &bytes, int w = 64, int h = 32)
{
    std::string why;
    BITMAP *b = loadcheckedbmp(tempfile("p.bmp", bytes).c_str(), w, h, why);
    if (b)
        destroy_bitmap(b);
    return why;
}

TEST(Pictures, DamagedPicturesAreRefusedByName)
{
    headless_start();
    BITMAP *b = create_bitmap(64, 32);
    clear_to_color(b, makecol(10, 200, 30));
    std::string path = folder.path + "good.bmp", why;
    save_bmp(path.c_str(), b, NULL);
    destroy_bitmap(b);
    Bytes good = readfile(path), noise(good.size());
    for (size_t i = 0; i < noise.size(); i++)
        noise[i] = (i * 7919 + 13) & 255;
    EXPECT_EQ(refusal(good), "");
    EXPECT_EQ(loadcheckedbmp("no/such.bmp", 1, 1, why), nullptr);
    EXPECT_NE(why.find("\"no/such.bmp\" is missing"), std::string::npos) << why;
    EXPECT_NE(why.find("looked for in /"), std::string::npos) << why;
    EXPECT_NE(refusal({}).find("p.bmp\""), std::string::npos);
    EXPECT_NE(refusal(Bytes(good.begin(), good.end() - 100)).find("cut short"), std::string::npos);
    EXPECT_NE(refusal(noise), "");
    EXPECT_NE(refusal(good, 65).find("is 64x32"), std::string::npos);  // too narrow
    EXPECT_NE(refusal(good, 64, 33).find("is 64x32"), std::string::npos);  // too low
    // wider than any picture needs: Allegro would hold it at 4 bytes a pixel
    EXPECT_NE(refusal(with32(good, 18, 2049)).find("is 2049x32"), std::string::npos);
    for (const std::string &path : nonregular()) {
        EXPECT_EQ(loadcheckedbmp(path.c_str(), 1, 1, why), nullptr);
        EXPECT_NE(why.find("is not a regular file"), std::string::npos) << why;
    }
    // Headers that would crash Allegro's loader: huge widths, a height of INT_MIN.
    for (const Bytes &bad : {with32(good, 18, 805306432, 1), with32(good, 18, 0x15555556),
                             with32(good, 22, 0x80000000u)})
        EXPECT_NE(refusal(bad), "");
}

// A new module stops the old one first and streams mono at 11025 Hz from
// its start; the gunshot is sample 1, full, centred, at its own speed; a
// module or sample that failed to load stays silent.
TEST(Sound, WhatTheGameAsksOfTheSoundLibrary)
{
    recordsound();
    stopmusic();
    takesound();
    DUH *module2 = music[2];
    SAMPLE *shot1 = sample[0];
    music[2] = nullptr, sample[0] = nullptr;
    playmusic(1), playmusic(1), playsample(1), playmusic(2), playmusic(3), stopmusic(), stopmusic();
    playsample(0);
    music[2] = module2, sample[0] = shot1;
    const std::string from = " 1ch at 0 vol 1 buf 4096 11025Hz";
    EXPECT_EQ(takesound(), (std::vector<std::string>{"start 1" + from, "stop 1", "start 1" + from,
                                                     "sample 1 vol 255 pan 128 freq 1000 loop 0",
                                                     "stop 1", "start 3" + from, "stop 3"}));
    EXPECT_EQ(dplay, nullptr);
}

// Start-up loads module i from "xm/scene<i+1>.xm" and the samples in order.
TEST(Sound, EachSoundComesFromItsFile)
{
    recordsound();
    for (int i = 0; i < 4; i++) {
        Bytes xm = readfile("xm/scene" + std::to_string(i + 1) + ".xm");
        ASSERT_GT(xm.size(), 37u) << "game data not built";
        ASSERT_NE(music[i], nullptr);
        EXPECT_STREQ(duh_get_tag(music[i], "TITLE"), std::string(xm.begin() + 17, xm.begin() + 37).c_str());
    }
    for (int i = 0; i < 2; i++) {
        SAMPLE *s = load_sample(i ? "wav/gunshot2.wav" : "wav/gunshot.wav");
        ASSERT_TRUE(s && sample[i]);
        EXPECT_EQ(s->len, sample[i]->len) << i;
        destroy_sample(s);
    }
}

// Where the generated modules keep the fields damaged below: the song
// header, then patterns of a 9-byte header and their packed rows, then
// instruments of a 263-byte header, one 40-byte sample header and the data.
struct Layout {
    size_t pattern = 60 + 276, instrument = pattern, last;
    explicit Layout(const Bytes &b)
    {
        for (unsigned i = 0; i < le16(&b[70]); i++)
            instrument += 9 + le16(&b[instrument + 7]);
        for (size_t at = last = instrument; at < b.size(); at += 263 + 40 + le32(&b[at + 263]))
            last = at;
    }
};

TEST(Sound, ModulesWhoseSizesDoNotFitAreRefusedBeforeDumbReadsThem)
{
    headless_start();
    using Damage = void (*)(Bytes &, const Layout &);
    const struct {
        const char *what;
        Damage damage;
    } cases[] = {
        {"tempo 0", [](Bytes &b, const Layout &) { b[76] = b[77] = 0; }},
        {"BPM 0", [](Bytes &b, const Layout &) { b[78] = b[79] = 0; }},
        {"song header too large", [](Bytes &b, const Layout &) { b = with32(b, 60, 0xfffffff0); }},
        {"one instrument more", [](Bytes &b, const Layout &) { b[72]++; }},
        {"pattern header too large", [](Bytes &b, const Layout &l) { b = with32(b, l.pattern, 0xfffffff0); }},
        {"instrument header too large", [](Bytes &b, const Layout &l) { b = with32(b, l.instrument, 0x7ffffff0); }},
        {"sample header too large", [](Bytes &b, const Layout &l) { b = with32(b, l.instrument + 29, 0x7ffffff0); }},
        {"sample length 4294967294", [](Bytes &b, const Layout &l) { b = with32(b, l.last + 263, 4294967294u); }},
        {"sample length 268435456", [](Bytes &b, const Layout &l) { b = with32(b, l.last + 263, 268435456u); }},
        {"cut in the song header", [](Bytes &b, const Layout &) { b.resize(70); }},
        {"cut in the first pattern's header", [](Bytes &b, const Layout &l) { b.resize(l.pattern + 8); }},
        {"first pattern's data cut short", [](Bytes &b, const Layout &l) { b.resize(l.pattern + 20); }},
        {"cut in the instrument's sample count", [](Bytes &b, const Layout &l) { b.resize(l.instrument + 28); }},
        {"cut in the sample header size", [](Bytes &b, const Layout &l) { b.resize(l.instrument + 32); }},
        {"cut in the sample length", [](Bytes &b, const Layout &l) { b.resize(l.instrument + 266); }},
        {"last sample byte cut", [](Bytes &b, const Layout &) { b.pop_back(); }},
    };
    rusage before, after;
    getrusage(RUSAGE_SELF, &before);
    for (int n = 1; n <= 4; n++) {
        Bytes xm = readfile("xm/scene" + std::to_string(n) + ".xm");
        ASSERT_GT(xm.size(), 1000u) << "game data not built";
        EXPECT_TRUE(xmfits(xm.data(), xm.size())) << n;
        DUH *duh = loadmodule(tempfile("intact.xm", xm).c_str());
        EXPECT_NE(duh, nullptr) << n;
        unload_duh(duh);
        for (const auto &c : cases) {
            Bytes bad = xm;
            c.damage(bad, Layout(xm));
            bad.shrink_to_fit();  // so that a read past the end is caught
            EXPECT_FALSE(xmfits(bad.data(), bad.size())) << n << ": " << c.what;
            EXPECT_EQ(loadmodule(tempfile("damaged.xm", bad).c_str()), nullptr) << n << ": " << c.what;
        }
    }
    // DUMB would have reserved the declared sample lengths before finding
    // the data missing.
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kB more at the peak";
    EXPECT_EQ(loadmodule("no/such.xm"), nullptr);
    EXPECT_EQ(loadmodule(tempfile("empty.xm", {}).c_str()), nullptr);
    // DUMB reads no further than the module's end: a module with a tail is
    // good but for its size.
    EXPECT_EQ(loadmodule(oversized("long.xm", readfile("xm/scene1.xm")).c_str()), nullptr);
}

// Allegro's WAV loader reads chunks up to the file's end and reserves what a
// data chunk declares before reading it. (The intact samples load at start-up.)
TEST(Sound, SamplesWhoseChunksDoNotFillTheFileAreRefusedBeforeAllegroReadsThem)
{
    headless_start();
    Bytes wav = readfile("wav/gunshot2.wav");
    ASSERT_GT(wav.size(), 44u) << "game data not built";
    long before = addressspacekb();
    // a byte after the last chunk, a data chunk of 2 GiB
    EXPECT_EQ(loadsample(tempfile("tail.wav", with32(wav, 4, wav.size() - 9)).c_str()), nullptr);
    EXPECT_EQ(loadsample(tempfile("2g.wav", with32(wav, 40, 0x7ffffff0)).c_str()), nullptr);
    EXPECT_LT(addressspacekb() - before, 64 * 1024) << "kB more reserved at the peak";
    // Whole, but larger than any sample the game needs: its sizes say so.
    Bytes large = with32(with32(wav, 4, MAXSOUNDFILE + 1 - 8), 40, MAXSOUNDFILE + 1 - 44);
    EXPECT_EQ(loadsample(oversized("long.wav", large).c_str()), nullptr);
    for (const std::string &path : nonregular())
        EXPECT_TRUE(!loadmodule(path.c_str()) && !loadsample(path.c_str())) << path;
}

}  // namespace
