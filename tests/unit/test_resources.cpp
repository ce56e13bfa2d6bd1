// Start-up resources: damaged pictures are refused with a message naming the
// file, damaged modules stay silent, a missing sample is skipped.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/bmpfile.h"
#include "engine/pictures.h"
#include "engine/sound.h"
#include "tests/support/headless.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string tempfile(const std::string &name, const Bytes &bytes)
{
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write((const char *)bytes.data(), bytes.size());
    return path;
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

// Why loadcheckedbmp refuses the bytes as a picture of at least w by 32, "" when it loads them.
std::string refusal(const Bytes &bytes, int w = 64)
{
    std::string why;
    BITMAP *b = loadcheckedbmp(tempfile("p.bmp", bytes).c_str(), w, 32, why);
    if (b)
        destroy_bitmap(b);
    return why;
}

TEST(Pictures, DamagedPicturesAreRefusedByName)
{
    headless_start();
    BITMAP *b = create_bitmap(64, 32);
    clear_to_color(b, makecol(10, 200, 30));
    std::string path = ::testing::TempDir() + "good.bmp", why;
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
    EXPECT_NE(refusal(good, 65).find("is 64x32"), std::string::npos);  // too small
    // Headers that would crash Allegro's loader: huge widths, a height of INT_MIN.
    for (const Bytes &bad : {with32(good, 18, 805306432, 1), with32(good, 18, 0x15555556),
                             with32(good, 22, 0x80000000u)})
        EXPECT_NE(refusal(bad), "");
}

TEST(Sound, NothingLoadedStaysSilentAndAMissingSampleIsSkipped)
{
    headless_start();
    stopmusic();
    playmusic(2);
    EXPECT_EQ(musicindex, 2);
    EXPECT_EQ(dplay, nullptr);
    int before = samplesplayed;
    playsample(1);
    EXPECT_EQ(samplesplayed, before + 1);
}

TEST(Sound, DamagedModulesAndZeroTempoOrBpmAreRefused)
{
    headless_start();
    Bytes junk(4000), xm = readfile("xm/scene1.xm");
    for (size_t i = 0; i < junk.size(); i++)
        junk[i] = (i * 131 + 7) & 255;
    junk[76] = junk[78] = 5;
    EXPECT_EQ(loadmodule("no/such.xm"), nullptr);
    EXPECT_EQ(loadmodule(tempfile("empty.xm", {}).c_str()), nullptr);
    EXPECT_EQ(loadmodule(tempfile("junk.xm", junk).c_str()), nullptr);
    ASSERT_GT(xm.size(), 80u) << "game data not built";
    DUH *ok = loadmodule("xm/scene1.xm");
    EXPECT_NE(ok, nullptr);
    unload_duh(ok);
    for (size_t at : {76, 78}) {  // tempo, BPM
        Bytes bad = xm;
        bad[at] = bad[at + 1] = 0;
        EXPECT_EQ(loadmodule(tempfile("zero.xm", bad).c_str()), nullptr) << at;
    }
}

}  // namespace
