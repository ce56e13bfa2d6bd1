// The data tool's files: it runs, writes every file the same way each time,
// and the pictures, modules and samples load and look and sound like what
// the game needs. The tool is run from the build folder into a temp folder.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <aldumb.h>
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "engine/world.h"
#include "tests/support/headless.h"

namespace {

const char *const FILES[] = {"bmp/map1.bmp", "bmp/map2.bmp",  "bmp/map3.bmp",      "bmp/map4.bmp",
                             "bmp/sprites.bmp", "bmp/intro.bmp", "bmp/titlescreen.bmp", "xm/scene1.xm",
                             "xm/scene2.xm", "xm/scene3.xm",  "xm/scene4.xm",       "wav/gunshot.wav",
                             "wav/gunshot2.wav"};

std::string outdir;

std::string path(const std::string &file) { return outdir + "/" + file; }

std::vector<uint8_t> readall(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of this process's own, so that test processes run side by side
// do not write over each other's files.
std::string scratch(const char *name)
{
    return (std::filesystem::temp_directory_path() /
            ("makedata-test-" + std::to_string(getpid()) + "-" + name)).string();
}

bool runtool(const std::string &dir)
{
    std::filesystem::remove_all(dir);
    return std::system(("./makedata " + dir + " > /dev/null").c_str()) == 0;
}

class MakeData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        headless_start();
        outdir = scratch("a");
        ASSERT_TRUE(runtool(outdir)) << "./makedata must be run from the build folder";
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(outdir); }
};

struct Mean {
    double r = 0, g = 0, b = 0;
};

double distance(Mean a, Mean b)
{
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b));
}

Mean mean(BITMAP *bmp, int x0, int y0, int w, int h)
{
    Mean m;
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            int p = getpixel(bmp, x, y);
            m.r += getr(p);
            m.g += getg(p);
            m.b += getb(p);
        }
    double n = double(w) * h;
    return {m.r / n, m.g / n, m.b / n};
}

// The code every scene agrees on for a cell, a person counting as floor;
// -1 when the scenes disagree otherwise (a door walled up in one scene).
int commoncode(int area, int row, int column)
{
    int code = -2;
    for (int s = 0; s < SCENES; s++) {
        int c = mask[s][area][row][column] > TILEEXIT2 ? TILEFREE : mask[s][area][row][column];
        if (code != -2 && c != code)
            return -1;
        code = c;
    }
    return code;
}

}  // namespace

TEST_F(MakeData, WritesEveryFileAndTheSameBytesEachRun)
{
    std::string again = scratch("b");
    ASSERT_TRUE(runtool(again));
    for (const char *file : FILES) {
        std::vector<uint8_t> a = readall(path(file)), b = readall(again + "/" + file);
        EXPECT_GT(a.size(), 1000u) << file;
        EXPECT_TRUE(a == b) << file << " differs between two runs";
    }
    std::filesystem::remove_all(again);
}

TEST_F(MakeData, PicturesHaveTheScreenSize)
{
    for (const char *file : {"bmp/map1.bmp", "bmp/map2.bmp", "bmp/map3.bmp", "bmp/map4.bmp", "bmp/intro.bmp",
                             "bmp/titlescreen.bmp"}) {
        BITMAP *b = load_bitmap(path(file).c_str(), nullptr);
        ASSERT_NE(b, nullptr) << file;
        EXPECT_EQ(b->w, 1024) << file;
        EXPECT_EQ(b->h, 768) << file;
        Mean m = mean(b, 0, 0, b->w, b->h);
        EXPECT_GT(m.r + m.g + m.b, 30) << file << " is all but black";
        destroy_bitmap(b);
    }
}

TEST_F(MakeData, SpriteSheetHoldsNineDistinctFiguresOnExactMagenta)
{
    BITMAP *sheet = load_bitmap(path("bmp/sprites.bmp").c_str(), nullptr);
    ASSERT_NE(sheet, nullptr);
    ASSERT_EQ(sheet->w, 1080);
    ASSERT_EQ(sheet->h, 120);
    const int magenta = makecol(255, 0, 255);
    std::vector<std::vector<bool>> figure(9, std::vector<bool>(120 * 120));
    std::vector<int> count(9, 0);
    for (int i = 0; i < 9; i++) {
        int x0 = i * 120;
        for (int corner = 0; corner < 4; corner++)
            EXPECT_EQ(getpixel(sheet, x0 + (corner % 2) * 119, (corner / 2) * 119), magenta) << "sprite " << i;
        for (int y = 0; y < 120; y++)
            for (int x = 0; x < 120; x++) {
                int p = getpixel(sheet, x0 + x, y);
                if (p == magenta)
                    continue;
                figure[i][y * 120 + x] = true;
                count[i]++;
                // a colour blended towards the mask would show as a pink fringe
                EXPECT_FALSE(getr(p) > 180 && getb(p) > 180 && getg(p) < 80)
                    << "sprite " << i << " has a near-magenta pixel at " << x << "," << y;
            }
    }
    for (int i = 0; i < 9; i++)
        EXPECT_GT(count[i], i == 7 ? 100 : 2000) << "sprite " << i << " is nearly empty";
    for (int i = 0; i < 9; i++)
        for (int j = i + 1; j < 9; j++) {
            int differ = 0;
            for (int k = 0; k < 120 * 120; k++)
                differ += figure[i][k] != figure[j][k];
            EXPECT_GT(differ, 150) << "sprites " << i << " and " << j << " have the same outline";
        }
    destroy_bitmap(sheet);
}

TEST_F(MakeData, AreaPicturesShowFloorWallsAndExitsAsTheTableHasThem)
{
    for (int area = 0; area < AREAS; area++) {
        std::string file = "bmp/map" + std::to_string(area + 1) + ".bmp";
        BITMAP *b = load_bitmap(path(file).c_str(), nullptr);
        ASSERT_NE(b, nullptr) << file;
        std::map<int, std::vector<Mean>> cells;  // by tile code
        std::vector<Mean> persons;
        for (int r = 0; r < ROWS; r++)
            for (int c = 0; c < COLUMNS; c++) {
                int code = commoncode(area, r, c);
                if (code < 0)
                    continue;
                Mean m = mean(b, 44 + 120 * c, 120 * r, 120, 120);
                cells[code].push_back(m);
                if (mask[0][area][r][c] > TILEEXIT2)
                    persons.push_back(m);
            }
        std::map<int, Mean> average;
        for (auto &[code, list] : cells) {
            Mean a;
            for (Mean m : list) {
                a.r += m.r / list.size();
                a.g += m.g / list.size();
                a.b += m.b / list.size();
            }
            average[code] = a;
        }
        double closest = 1e9;
        for (auto &[x, mx] : average)
            for (auto &[y, my] : average)
                if (x < y) {
                    EXPECT_GT(distance(mx, my), 35) << file << ": codes " << x << " and " << y << " look alike";
                    closest = std::min(closest, distance(mx, my));
                }
        // cells of one code look more like each other than like any other code
        for (auto &[code, list] : cells)
            for (Mean m : list)
                EXPECT_LT(distance(m, average[code]), closest / 2) << file << ": a cell of code " << code;
        for (Mean m : persons)  // a person's cell is drawn as floor
            EXPECT_LT(distance(m, average[TILEFREE]), closest / 2) << file;
        destroy_bitmap(b);
    }
}

namespace {

uint16_t u16(const std::vector<uint8_t> &d, size_t at) { return d[at] | d[at + 1] << 8; }
uint32_t u32(const std::vector<uint8_t> &d, size_t at) { return u16(d, at) | (uint32_t)u16(d, at + 2) << 16; }

// Seconds until the order list starts over, from the header's tempo and
// BPM and the rows of each ordered pattern (the modules change neither).
double playingtime(const std::vector<uint8_t> &xm)
{
    int orders = u16(xm, 64), patterns = u16(xm, 70), tempo = u16(xm, 76), bpm = u16(xm, 78);
    std::vector<int> rows;
    size_t at = 60 + u32(xm, 60);
    for (int p = 0; p < patterns; p++) {
        rows.push_back(u16(xm, at + 5));
        at += u32(xm, at) + u16(xm, at + 7);
    }
    double seconds = 0;
    for (int i = 0; i < orders; i++)
        seconds += rows.at(xm[80 + i]) * tempo * 2.5 / bpm;
    return seconds;
}

}  // namespace

TEST_F(MakeData, ModulesLoadLastHalfAMinuteAndPlayWithoutGapsOrClipping)
{
    dumb_register_stdfiles();
    for (int i = 1; i <= 4; i++) {
        std::string file = path("xm/scene" + std::to_string(i) + ".xm");
        std::vector<uint8_t> xm = readall(file);
        ASSERT_GT(xm.size(), 336u);
        EXPECT_EQ(std::string(xm.begin(), xm.begin() + 17), "Extended Module: ");
        EXPECT_GT(u16(xm, 76), 0) << file << ": tempo";
        EXPECT_GT(u16(xm, 78), 0) << file << ": BPM";
        EXPECT_GE(playingtime(xm), 30.0) << file;

        DUH *full = dumb_load_xm(file.c_str());  // this loader also measures the length
        ASSERT_NE(full, nullptr) << file;
        EXPECT_GE(duh_get_length(full) / 65536.0, 30.0) << file;
        unload_duh(full);

        DUH *duh = dumb_load_xm_quick(file.c_str());
        ASSERT_NE(duh, nullptr) << file;
        DUH_SIGRENDERER *sr = duh_start_sigrenderer(duh, 0, 1, 0);
        ASSERT_NE(sr, nullptr);
        const int rate = 11025, window = rate * 3, windows = 8;
        std::vector<short> sound(window * windows);
        long got = duh_render(sr, 16, 0, 1.0f, 65536.0f / rate, (long)sound.size(), sound.data());
        EXPECT_EQ(got, (long)sound.size()) << file;
        int clipped = 0;
        for (int w = 0; w < windows; w++) {
            double energy = 0;
            for (int k = w * window; k < (w + 1) * window; k++) {
                energy += double(sound[k]) * sound[k];
                clipped += std::abs(sound[k]) >= 32767;
            }
            double rms = std::sqrt(energy / window);
            EXPECT_GT(rms, 1000) << file << ": near silence in seconds " << w * 3 << " to " << w * 3 + 3;
            EXPECT_LT(rms, 12000) << file << ": too loud in seconds " << w * 3 << " to " << w * 3 + 3;
        }
        EXPECT_LT(clipped, 10) << file;
        duh_end_sigrenderer(sr);
        unload_duh(duh);
    }
}

TEST_F(MakeData, GunshotsLoadAndStrikeAtOnceThenDieAway)
{
    for (const char *file : {"wav/gunshot.wav", "wav/gunshot2.wav"}) {
        SAMPLE *s = load_sample(path(file).c_str());
        ASSERT_NE(s, nullptr) << file;
        EXPECT_EQ(s->bits, 16) << file;
        EXPECT_FALSE(s->stereo) << file;
        ASSERT_GT(s->len, (unsigned long)s->freq / 2) << file;
        // Allegro keeps 16-bit samples unsigned, centred on 0x8000
        const uint16_t *data = static_cast<const uint16_t *>(s->data);
        auto level = [&](unsigned long from, unsigned long to) {
            double e = 0;
            for (unsigned long k = from; k < to; k++)
                e += std::pow(double(data[k]) - 0x8000, 2);
            return std::sqrt(e / (to - from));
        };
        unsigned long peakat = 0;
        for (unsigned long k = 0; k < s->len; k++)
            if (std::abs(data[k] - 0x8000) > std::abs(data[peakat] - 0x8000))
                peakat = k;
        EXPECT_LT(peakat, (unsigned long)s->freq / 20) << file << ": the loudest moment must come first";
        EXPECT_GT(level(0, s->freq / 10), 6000) << file;
        EXPECT_LT(level(s->len - s->freq / 4, s->len), level(0, s->freq / 10) / 20) << file;
        destroy_sample(s);
    }
}
