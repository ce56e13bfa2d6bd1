// Drawing helpers shared by the picture makers.
#include "paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>

uint32_t Rng::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

int Rng::below(int n) { return n <= 0 ? 0 : (int)(next() % (uint32_t)n); }
float Rng::unit() { return (next() & 0xffffff) / float(0xffffff); }
float Rng::spread(float a) { return (unit() * 2 - 1) * a; }

static float lattice(int x, int y, uint32_t seed)
{
    uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 65535.0f;
}

float valuenoise(float x, float y, uint32_t seed)
{
    int xi = (int)std::floor(x), yi = (int)std::floor(y);
    float fx = x - xi, fy = y - yi;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    float a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    float c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

float fbm(float x, float y, uint32_t seed, int octaves)
{
    float sum = 0, amp = 0.5f, total = 0;
    for (int i = 0; i < octaves; i++) {
        sum += valuenoise(x, y, seed + i * 101) * amp;
        total += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / total;
}

static int clamp255(int v) { return std::min(255, std::max(0, v)); }

int rgb(Rgb c) { return makecol(clamp255(c.r), clamp255(c.g), clamp255(c.b)); }

Rgb pixelrgb(BITMAP *bmp, int x, int y)
{
    int p = getpixel(bmp, x, y);
    return {getr(p), getg(p), getb(p)};
}

Rgb mix(Rgb a, Rgb b, float t)
{
    return {(int)std::lround(a.r + (b.r - a.r) * t), (int)std::lround(a.g + (b.g - a.g) * t),
            (int)std::lround(a.b + (b.b - a.b) * t)};
}

Rgb scale(Rgb c, float f) { return {(int)(c.r * f), (int)(c.g * f), (int)(c.b * f)}; }

void blendpixel(BITMAP *bmp, int x, int y, Rgb c, float alpha)
{
    if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h || alpha <= 0)
        return;
    alpha = std::min(alpha, 1.0f);
    putpixel(bmp, x, y, rgb(mix(pixelrgb(bmp, x, y), c, alpha)));
}

void noisefill(BITMAP *bmp, int x0, int y0, int w, int h, Rgb base, float amount,
               float grainscale, uint32_t seed)
{
    Rng grain(seed);
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            float n = fbm(x / grainscale, y / grainscale, seed, 4) - 0.5f;
            float f = 1 + n * 2 * amount + grain.spread(amount * 0.35f);
            putpixel(bmp, x, y, rgb(scale(base, f)));
        }
}

void glow(BITMAP *bmp, int cx, int cy, int radius, Rgb c, float strength)
{
    for (int y = cy - radius; y <= cy + radius; y++)
        for (int x = cx - radius; x <= cx + radius; x++) {
            if (x < 0 || y < 0 || x >= bmp->w || y >= bmp->h)
                continue;
            float d = std::sqrt(float((x - cx) * (x - cx) + (y - cy) * (y - cy))) / radius;
            if (d >= 1)
                continue;
            float a = (1 - d) * (1 - d) * strength;
            Rgb p = pixelrgb(bmp, x, y);
            putpixel(bmp, x, y, rgb({p.r + (int)(c.r * a), p.g + (int)(c.g * a), p.b + (int)(c.b * a)}));
        }
}

void edgeshade(BITMAP *bmp, int x0, int y0, int w, int h, int side, int depth, float strength)
{
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            int d = side == 0 ? y - y0 : side == 1 ? y0 + h - 1 - y : side == 2 ? x - x0 : x0 + w - 1 - x;
            if (d >= depth)
                continue;
            float t = 1 - float(d) / depth;
            blendpixel(bmp, x, y, {0, 0, 0}, t * t * strength);
        }
}

int bigtext(BITMAP *bmp, const char *text, int x, int y, int scl, Rgb top, Rgb bottom,
            bool centred, Rgb shadow, int shadowoffset)
{
    int w = text_length(font, text), h = text_height(font);
    BITMAP *small = create_bitmap(w, h);
    clear_to_color(small, makecol(0, 0, 0));
    textout_ex(small, font, text, 0, 0, makecol(255, 255, 255), -1);
    int left = centred ? x - w * scl / 2 : x;
    for (int pass = shadowoffset > 0 ? 0 : 1; pass < 2; pass++) {
        int off = pass == 0 ? shadowoffset : 0;
        for (int sy = 0; sy < h; sy++)
            for (int sx = 0; sx < w; sx++) {
                if (getpixel(small, sx, sy) == makecol(0, 0, 0))
                    continue;
                for (int dy = 0; dy < scl; dy++) {
                    float t = float(sy * scl + dy) / (h * scl - 1);
                    int c = rgb(pass == 0 ? shadow : mix(top, bottom, t));
                    hline(bmp, left + sx * scl + off, y + sy * scl + dy + off,
                          left + sx * scl + off + scl - 1, c);
                }
            }
    }
    destroy_bitmap(small);
    return w * scl;
}
