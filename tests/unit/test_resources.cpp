// Start-up resources: damaged pictures are refused with a message naming the
// file, damaged modules stay silent, a missing sample is skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/pictures.h"
#include "engine/sound.h"
#include "tests/support/headless.h"

namespace {

std::string tempfile(const std::string &name, const std::vector<unsigned char> &bytes)
{
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write((const char *)bytes.data(), bytes.size());
    return path;
}

std::vector<unsigned char> readfile(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
}

void put32(std::vector<unsigned char> &b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++)
        b[at + i] = v >> (8 * i) & 255;
}

class Pictures : public ::testing::Test {
protected:
    std::vector<unsigned char> good;
    void SetUp() override
    {
        headless_start();
        BITMAP *b = create_bitmap(64, 32);
        clear_to_color(b, makecol(10, 200, 30));
        std::string path = ::testing::TempDir() + "good.bmp";
        save_bmp(path.c_str(), b, NULL);
        destroy_bitmap(b);
        good = readfile(path);
    }
    std::string load(const std::vector<unsigned char> &bytes, int w = 64, int h = 32)
    {
        std::string why;
        BITMAP *b = loadpicture(tempfile("p.bmp", bytes).c_str(), w, h, why);
        if (b)
            destroy_bitmap(b);
        return why;
    }
};

TEST_F(Pictures, AGoodPictureLoads)
{
    std::string why;
    BITMAP *b = loadpicture(tempfile("ok.bmp", good).c_str(), 64, 32, why);
    ASSERT_NE(b, nullptr) << why;
    EXPECT_EQ(b->w, 64);
    EXPECT_EQ(getpixel(b, 5, 5), makecol(10, 200, 30));
    destroy_bitmap(b);
}

TEST_F(Pictures, DamagedPicturesAreRefusedByName)
{
    std::string why;
    EXPECT_EQ(loadpicture("no/such.bmp", 1, 1, why), nullptr);
    EXPECT_NE(why.find("\"no/such.bmp\" is missing"), std::string::npos) << why;
    EXPECT_NE(why.find("looked for in /"), std::string::npos) << why;

    EXPECT_NE(load({}), "");  // empty
    EXPECT_NE(load(std::vector<unsigned char>(good.begin(), good.end() - 100)).find("cut short"),
              std::string::npos);
    std::vector<unsigned char> noise(good.size());
    for (size_t i = 0; i < noise.size(); i++)
        noise[i] = (i * 7919 + 13) & 255;
    EXPECT_NE(load(noise), "");
    EXPECT_NE(load(good, 65, 32).find("is 64x32"), std::string::npos);  // too small
}

TEST_F(Pictures, HeadersThatWouldCrashTheLoaderAreRefused)
{
    std::vector<unsigned char> huge = good;
    put32(huge, 18, 805306432);  // at 1 bit per pixel
    huge[28] = 1;
    EXPECT_NE(load(huge), "");
    huge = good;
    put32(huge, 18, 0x15555556);  // at 24 bits
    EXPECT_NE(load(huge), "");
    huge = good;
    put32(huge, 22, 0x80000000u);  // a height that has no absolute value
    EXPECT_NE(load(huge), "");
}

TEST(Sound, NothingLoadedStaysSilentWithoutFault)
{
    headless_start();
    stopmusic();  // nothing playing: nothing happens
    playmusic(2);
    EXPECT_EQ(musicindex, 2);
    EXPECT_EQ(dplay, nullptr);
    playmusic(2);  // the same module again restarts it
    EXPECT_EQ(musicindex, 2);
    playsample(1);  // sample never loaded: skipped
}

TEST(Sound, DamagedModulesAreNotLoaded)
{
    headless_start();
    EXPECT_EQ(loadmodule("no/such.xm"), nullptr);
    EXPECT_EQ(loadmodule(tempfile("empty.xm", {}).c_str()), nullptr);
    std::vector<unsigned char> junk(4000);
    for (size_t i = 0; i < junk.size(); i++)
        junk[i] = (i * 131 + 7) & 255;
    junk[76] = junk[78] = 5;
    EXPECT_EQ(loadmodule(tempfile("junk.xm", junk).c_str()), nullptr);
}

TEST(Sound, ZeroTempoOrBpmIsRefused)
{
    headless_start();
    std::vector<unsigned char> xm = readfile("xm/scene1.xm");
    if (xm.size() < 80)
        GTEST_SKIP() << "game data not built";
    DUH *ok = loadmodule("xm/scene1.xm");
    EXPECT_NE(ok, nullptr);
    unload_duh(ok);
    std::vector<unsigned char> bad = xm;
    bad[78] = bad[79] = 0;
    EXPECT_EQ(loadmodule(tempfile("bpm0.xm", bad).c_str()), nullptr);
    bad = xm;
    bad[76] = bad[77] = 0;
    EXPECT_EQ(loadmodule(tempfile("tempo0.xm", bad).c_str()), nullptr);
}

}  // namespace
