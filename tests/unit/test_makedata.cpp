// The data tool's files, made into a temp folder by running it from the
// build folder: every file is written, and the pictures, modules and samples
// load and look and sound like what the game needs.
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <valarray>
#include <vector>

#include <aldumb.h>
#include <allegro.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "engine/world.h"
#include "tests/support/headless.h"

namespace {

// This process's own folder, so that test processes run side by side do not
// write over each other's files.
const std::string outdir =
    (std::filesystem::temp_directory_path() / ("makedata-test-" + std::to_string(getpid()))).string();

std::string path(const std::string &file) { return outdir + "/" + file; }

class MakeData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        headless_start();
        dumb_register_stdfiles();
        std::filesystem::remove_all(outdir);
        ASSERT_EQ(std::system(("./makedata " + outdir + " > /dev/null").c_str()), 0)
            << "./makedata must be run from the build folder";
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(outdir); }
};

using Colour = std::valarray<double>;  // mean red, green and blue

Colour mean(BITMAP *bmp, int x0, int y0, int w, int h)
{
    Colour m(0.0, 3);
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            int p = getpixel(bmp, x, y);
            m[0] += getr(p) / double(w * h), m[1] += getg(p) / double(w * h), m[2] += getb(p) / double(w * h);
        }
    return m;
}

double distance(const Colour &a, const Colour &b) { return std::sqrt(std::pow(a - b, 2.0).sum()); }

// How each cell of an area should look, whatever the scene, found by walking
// in from where the player comes into the area (through an exit, or where a
// scene starts him): an exit he reaches as its code, a wall a scene starts
// him on as a way in (TILEEXIT), floor where he or a person stands, and wall
// everywhere else.
std::vector<int> looks(int area)
{
    static const std::vector<std::pair<int, int>> entries[AREAS] = {{{1, 2}}, {{4, 2}, {1, 4}}, {{4, 4}}, {{5, 2}}};
    std::vector<int> look(ROWS * COLUMNS, TILEWALL);
    for (int s = 0; s < SCENES; s++) {
        std::vector<bool> seen(ROWS * COLUMNS);
        std::function<void(int, int, bool)> walk = [&](int r, int c, bool entry) {
            if (r < 0 || r >= ROWS || c < 0 || c >= COLUMNS || seen[r * COLUMNS + c] ||
                (mask[s][area][r][c] == TILEWALL && !entry))
                return;
            seen[r * COLUMNS + c] = true;
            int code = mask[s][area][r][c];
            look[r * COLUMNS + c] = code == TILEWALL ? int(TILEEXIT) : code <= TILEEXIT2 ? code : int(TILEFREE);
            for (int d = 0; d < 4 && (code == TILEFREE || entry); d++)
                walk(r + (d == 0) - (d == 1), c + (d == 2) - (d == 3), false);
        };
        for (auto [r, c] : entries[area])
            walk(r, c, true);
    }
    return look;
}

}  // namespace

TEST_F(MakeData, PicturesHaveTheirSizes)
{
    for (std::string file : {"map1", "map2", "map3", "map4", "intro", "titlescreen", "sprites"}) {
        BITMAP *b = load_bitmap(path("bmp/" + file + ".bmp").c_str(), nullptr);
        ASSERT_NE(b, nullptr) << file;
        bool sheet = file == "sprites";
        EXPECT_EQ(std::make_pair(b->w, b->h), std::make_pair(sheet ? 1080 : 1024, sheet ? 120 : 768)) << file;
        EXPECT_GT(mean(b, 0, 0, b->w, b->h).sum(), 30) << file << " is all but black";
        destroy_bitmap(b);
    }
}

TEST_F(MakeData, SpriteSheetHoldsNineDistinctFiguresOnExactMagenta)
{
    BITMAP *sheet = load_bitmap(path("bmp/sprites.bmp").c_str(), nullptr);
    ASSERT_NE(sheet, nullptr);
    std::bitset<120 * 120> figure[9];
    for (int i = 0; i < 9; i++) {
        for (int k = 0; k < 120 * 120; k++) {
            int p = getpixel(sheet, i * 120 + k % 120, k / 120);
            figure[i][k] = p != makecol(255, 0, 255);
            // a colour blended towards the mask would show as a pink fringe
            EXPECT_FALSE(figure[i][k] && getr(p) > 180 && getb(p) > 180 && getg(p) < 80) << i << " at " << k;
        }
        EXPECT_FALSE(figure[i][0] || figure[i][119] || figure[i][119 * 120] || figure[i][120 * 120 - 1]);
        EXPECT_GT(figure[i].count(), i == 7 ? 100u : 2000u) << "sprite " << i << " is nearly empty";
        for (int j = 0; j < i; j++)
            EXPECT_GT((figure[i] ^ figure[j]).count(), 150u) << "sprites " << i << " and " << j << " alike";
    }
    destroy_bitmap(sheet);
}

// Cells that should look alike do, and unlike those that should look otherwise.
TEST_F(MakeData, AreaPicturesShowWhereThePlayerCanGo)
{
    for (int area = 0; area < AREAS; area++) {
        SCOPED_TRACE("area " + std::to_string(area));
        BITMAP *b = load_bitmap(path("bmp/map" + std::to_string(area + 1) + ".bmp").c_str(), nullptr);
        ASSERT_NE(b, nullptr);
        std::map<int, std::vector<Colour>> cells;
        std::map<int, Colour> average;
        std::vector<int> look = looks(area);
        for (int k = 0; k < ROWS * COLUMNS; k++)
            cells[look[k]].push_back(mean(b, 44 + 120 * (k % COLUMNS), 120 * (k / COLUMNS), 120, 120));
        for (auto &[code, list] : cells)
            average[code] = std::accumulate(list.begin(), list.end(), Colour(0.0, 3)) / double(list.size());
        double closest = 1e9;
        for (auto &[x, mx] : average)
            for (auto &[y, my] : average)
                closest = x < y ? std::min(closest, distance(mx, my)) : closest;
        EXPECT_GT(closest, 35) << "two codes look alike";
        for (auto &[code, list] : cells)
            for (const Colour &m : list)
                EXPECT_LT(distance(m, average[code]), closest / 2) << "a cell of code " << code;
        for (int r = 0; r < ROWS; r++)  // the dimmed strips either side end the floor in walls
            for (auto [x, w, c] : {std::tuple{0, 42, 0}, {1006, 18, COLUMNS - 1}}) {
                if (look[r * COLUMNS + c] != TILEFREE)
                    continue;
                Colour m = mean(b, x, 120 * r, w, 120);
                EXPECT_LT(distance(m, average[TILEWALL] * 0.38), distance(m, average[TILEFREE] * 0.38))
                    << "beside row " << r << " at x " << x;
            }
        destroy_bitmap(b);
    }
}

TEST_F(MakeData, ModulesLoadAndPlayForHalfAMinuteWithoutSilence)
{
    for (int i = 1; i <= 4; i++) {
        std::string file = path("xm/scene" + std::to_string(i) + ".xm");
        DUH *duh = dumb_load_xm(file.c_str());  // this loader also measures the length
        ASSERT_NE(duh, nullptr) << file;
        EXPECT_GE(duh_get_length(duh) / 65536.0, 30.0) << file;
        DUH_SIGRENDERER *sr = duh_start_sigrenderer(duh, 0, 1, 0);
        const int rate = 11025, window = rate * 3;
        std::vector<short> sound(window * 10);
        duh_render(sr, 16, 0, 1.0f, 65536.0f / rate, long(sound.size()), sound.data());  // or silence after
        for (int w = 0; w < 10; w++) {
            const short *from = &sound[w * window];
            double rms = std::sqrt(std::inner_product(from, from + window, from, 0.0) / window);
            EXPECT_TRUE(rms > 1000 && rms < 12000) << file << ": level " << rms << " from second " << w * 3;
        }
        duh_end_sigrenderer(sr);
        unload_duh(duh);
    }
}

TEST_F(MakeData, GunshotsLoadAndStrikeAtOnceThenDieAway)
{
    for (const char *file : {"wav/gunshot.wav", "wav/gunshot2.wav"}) {
        SAMPLE *s = load_sample(path(file).c_str());
        ASSERT_NE(s, nullptr) << file;
        ASSERT_TRUE(s->bits == 16 && !s->stereo && s->len > (unsigned long)s->freq / 2) << file;
        // Allegro keeps 16-bit samples unsigned, centred on 0x8000
        auto level = [&](unsigned long from, unsigned long to) {
            double e = 0;
            for (unsigned long k = from; k < to; k++)
                e += std::pow(static_cast<const uint16_t *>(s->data)[k] - 0x8000, 2);
            return std::sqrt(e / (to - from));
        };
        EXPECT_GT(level(0, s->freq / 20), 6000) << file;
        EXPECT_LT(level(s->len - s->freq / 4, s->len), level(0, s->freq / 10) / 20) << file;
        destroy_sample(s);
    }
}
