// Start-up resources: damaged pictures are refused with a message naming the
// file, damaged modules and samples stay silent, a missing sample is
// skipped; a FIFO, a folder or a device in a data file's place is refused
// without waiting, and so is a sound file far too large.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/bmpfile.h"
#include "engine/littleendian.h"
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

// A new file in that folder: the bytes, then zeros up to the size given.
std::string tempfile(Bytes bytes, size_t size = 0)
{
    static int made;
    std::string path = folder.path + std::to_string(made++);
    bytes.resize(std::max(bytes.size(), size));
    std::ofstream(path, std::ios::binary).write((const char *)bytes.data(), bytes.size());
    return path;
}

Bytes readfile(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

// The most address space this process has held, in kB: memory reserved and
// never touched counts here.
long addressspacekb()
{
    Bytes status = readfile("/proc/self/status");
    std::string text(status.begin(), status.end());
    return atol(text.c_str() + text.find("VmPeak:") + 7);
}

// What may stand in a data file's place and is no data file: a FIFO (opening
// it for reading waits for a writer), a folder and a device without end.
std::vector<std::string> nonregular()
{
    std::string fifo = folder.path + "fifo", dir = folder.path + "dir", device = folder.path + "zero";
    mkfifo(fifo.c_str(), 0600), mkdir(dir.c_str(), 0700), symlink("/dev/zero", device.c_str());
    return {fifo, dir, device};
}

Bytes with32(Bytes b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        b[at + i] = v >> (8 * i) & 255;
    return b;
}

TEST(Pictures, DamagedPicturesAreRefusedByName)
{
    headless_start();
    std::string here = std::filesystem::current_path();
    Bytes good = readfile("bmp/sprites.bmp");
    ASSERT_GT(good.size(), 1000u) << "game data not built";
    // Each row: the file, asked for as a picture of at least 1080x120 (the
    // sprite sheet's size), and why it is refused ("" when it loads).
    const std::string small = ", not the 1080x120 picture it should be";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"bmp/sprites.bmp", ""},
        {"no/such.bmp", "is missing or unreadable"},
        {tempfile({}), "is not a BMP picture"},
        {tempfile(Bytes(good.rbegin(), good.rend())), "is not a BMP picture"},
        {tempfile(Bytes(good.begin(), good.end() - 100)), "is cut short"},
        {tempfile(with32(good, 18, 1079)), "is 1079x120" + small},
        {tempfile(with32(good, 22, 119)), "is 1080x119" + small},
        // wider than any picture needs: Allegro would hold it at 4 bytes a pixel
        {tempfile(with32(good, 18, 2049)), "is 2049x120" + small},
        // headers that would crash Allegro's loader: huge widths, a height of INT_MIN
        {tempfile(with32(with32(good, 18, 805306432), 28, 1)), "is a kind of BMP this game does not read"},
        {tempfile(with32(good, 18, 0x15555556)), "is 357913942x120" + small},
        {tempfile(with32(good, 22, 0x80000000u)), "is 1080x2147483648" + small},
    };
    for (const std::string &path : nonregular())
        cases.push_back({path, "is not a regular file"});
    for (const auto &[path, why] : cases) {
        std::string said;
        BITMAP *b = loadcheckedbmp(path.c_str(), 1080, 120, said);
        EXPECT_EQ(!b, !why.empty()) << path;
        EXPECT_EQ(said, why.empty() ? why : "picture \"" + path + "\" " + why + " (looked for in " + here + ")");
        destroy_bitmap(b);
    }
}

// Start-up loads module i from "xm/scene<i+1>.xm" and the samples in order.
// A new module stops the old one first and streams mono at 11025 Hz from
// its start; the gunshot is sample 1, full, centred, at its own speed; a
// module or sample that failed to load stays silent.
TEST(Sound, EachSoundComesFromItsFileAndPlaysAsTheGameAsks)
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

// DUMB trusts the sizes a module declares, Allegro's WAV loader reads chunks
// up to the file's end: either would reserve what a damaged size declares
// before finding the data missing. (The intact sounds load at start-up.)
TEST(Sound, SoundsWhoseSizesDoNotFitAreRefusedBeforeTheLibrariesReadThem)
{
    headless_start();
    const struct { const char *what; void (*damage)(Bytes &, const Layout &); } cases[] = {
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
    Bytes wav = readfile("wav/gunshot2.wav");
    ASSERT_GT(wav.size(), 44u) << "game data not built";
    long before = addressspacekb();
    for (int n = 1; n <= 4; n++) {
        Bytes xm = readfile("xm/scene" + std::to_string(n) + ".xm");
        ASSERT_GT(xm.size(), 1000u) << "game data not built";
        for (const auto &c : cases) {
            Bytes bad = xm;
            c.damage(bad, Layout(xm));
            bad.shrink_to_fit();  // so that a read past the end is caught
            EXPECT_FALSE(xmfits(bad.data(), bad.size())) << n << ": " << c.what;
            EXPECT_EQ(loadmodule(tempfile(bad).c_str()), nullptr) << n << ": " << c.what;
        }
    }
    // a byte after the last chunk, a data chunk of 2 GiB
    EXPECT_EQ(loadsample(tempfile(with32(wav, 4, wav.size() - 9)).c_str()), nullptr);
    EXPECT_EQ(loadsample(tempfile(with32(wav, 40, 0x7ffffff0)).c_str()), nullptr);
    EXPECT_LT(addressspacekb() - before, 64 * 1024) << "kB more reserved at the peak";
    // Whole, but larger than any sound the game needs: DUMB reads no further
    // than a module's end, a sample's sizes say so.
    EXPECT_EQ(loadmodule(tempfile(readfile("xm/scene1.xm"), MAXSOUNDFILE + 1).c_str()), nullptr);
    Bytes large = with32(with32(wav, 4, MAXSOUNDFILE + 1 - 8), 40, MAXSOUNDFILE + 1 - 44);
    EXPECT_EQ(loadsample(tempfile(large, MAXSOUNDFILE + 1).c_str()), nullptr);
    for (const std::string &path : nonregular())
        EXPECT_TRUE(!loadmodule(path.c_str()) && !loadsample(path.c_str())) << path;
}

}  // namespace
