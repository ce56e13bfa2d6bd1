// The data tool: `makedata <outdir>` draws the pictures and composes the
// music and the gunshots of the game into outdir/bmp, outdir/xm, outdir/wav.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <allegro.h>

#include "makedata.h"

static bool savepicture(const std::string &path, BITMAP *bmp)
{
    bool ok = save_bmp(path.c_str(), bmp, nullptr) == 0;
    destroy_bitmap(bmp);
    return ok;
}

static bool savebytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedata <outdir>\n");
        return 2;
    }
    const std::string out = argv[1];
    std::error_code err;
    for (const char *dir : {"bmp", "xm", "wav"})
        std::filesystem::create_directories(out + "/" + dir, err);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "makedata: cannot start Allegro\n");
        return 1;
    }
    set_color_depth(32);

    bool ok = true;
    for (int a = 0; a < 4; a++)
        ok &= savepicture(out + "/bmp/map" + std::to_string(a + 1) + ".bmp", makearea(a));
    ok &= savepicture(out + "/bmp/sprites.bmp", makesprites());
    ok &= savepicture(out + "/bmp/intro.bmp", makeintro());
    ok &= savepicture(out + "/bmp/titlescreen.bmp", maketitle());
    for (int i = 0; i < 4; i++)
        ok &= savebytes(out + "/xm/scene" + std::to_string(i + 1) + ".xm", makesong(i));
    ok &= savebytes(out + "/wav/gunshot.wav", makewav(makegunshot(0), gunshotrate));
    ok &= savebytes(out + "/wav/gunshot2.wav", makewav(makegunshot(1), gunshotrate));
    if (!ok) {
        std::fprintf(stderr, "makedata: could not write every file under %s\n", out.c_str());
        return 1;
    }
    return 0;
}
