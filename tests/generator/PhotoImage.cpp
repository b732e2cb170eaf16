#include "tests/generator/PhotoImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

struct Rgb {
    int r;
    int g;
    int b;
};

// Pseudo-random 0..255 for a pixel or lattice point; fixed, portable.
int Hash(int x, int y, std::uint32_t salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(y) * 0x85EBCA77u;
    h ^= salt * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<int>(h & 0xFF);
}

// Smooth noise 0..255: random values every `cell` pixels, bilinear between.
int ValueNoise(int x, int y, int cell, std::uint32_t salt)
{
    const int cx = x / cell;
    const int cy = y / cell;
    const int fx = x % cell;
    const int fy = y % cell;
    const int top = Hash(cx, cy, salt) * (cell - fx) + Hash(cx + 1, cy, salt) * fx;
    const int bottom = Hash(cx, cy + 1, salt) * (cell - fx) + Hash(cx + 1, cy + 1, salt) * fx;
    return (top * (cell - fy) + bottom * fy) / (cell * cell);
}

// Moves c towards target by weight/256.
int Blend(int c, int target, int weight)
{
    return c + (target - c) * weight / 256;
}

Rgb Sky(int x, int y, int horizon)
{
    const int t = y * 256 / horizon;
    Rgb sky{70 + 120 * t / 256, 120 + 90 * t / 256, 200 + 40 * t / 256};
    const int cloud = std::max(0, ValueNoise(x, y, 48, 1) - 130) * 2;
    sky.r = Blend(sky.r, 235, cloud);
    sky.g = Blend(sky.g, 238, cloud);
    sky.b = Blend(sky.b, 242, cloud);
    return sky;
}

Rgb Ground(int x, int y, int horizon, int height)
{
    const int t = (y - horizon) * 256 / std::max(1, height - horizon);
    const int coarse = ValueNoise(x, y, 24, 2) - 128;
    const int fine = ValueNoise(x, y, 6, 3) - 128;
    return Rgb{110 - 40 * t / 256 + coarse / 4 + fine / 6,
               130 - 50 * t / 256 + coarse / 3 + fine / 6,
               60 - 30 * t / 256 + coarse / 6 + fine / 8};
}

// A disc with a soft rim: weight 256 inside, falling to 0 across the rim.
// 64-bit squares, so that sides up to libjpeg's limit cannot overflow.
int DiscWeight(int x, int y, int width, int height)
{
    const std::int64_t radius = std::max(2, std::min(width, height) / 7);
    const std::int64_t inner = radius - std::max<std::int64_t>(1, radius / 3);
    const std::int64_t dx = x - width * std::int64_t{7} / 10;
    const std::int64_t dy = y - height * std::int64_t{3} / 10;
    const std::int64_t d2 = dx * dx + dy * dy;
    if (d2 >= radius * radius)
        return 0;
    if (d2 <= inner * inner)
        return 256;
    return static_cast<int>((radius * radius - d2) * 256 / (radius * radius - inner * inner));
}

Rgb ScenePixel(int x, int y, int width, int height)
{
    const int horizon = std::max(1, height * 3 / 5);
    Rgb c = y < horizon ? Sky(x, y, horizon) : Ground(x, y, horizon, height);
    const int disc = DiscWeight(x, y, width, height);
    c.r = Blend(c.r, 250, disc);
    c.g = Blend(c.g, 225, disc);
    c.b = Blend(c.b, 160, disc);
    const int grain = (Hash(x, y, 4) - 128) / 16;
    return Rgb{c.r + grain, c.g + grain, c.b + grain};
}

unsigned char Clamp(int value)
{
    return static_cast<unsigned char>(std::clamp(value, 0, 255));
}

} // namespace

std::vector<unsigned char> MakePhotoImage(int width, int height, bool greyscale)
{
    if (width <= 0 || height <= 0)
        return {};
    const std::size_t channels = greyscale ? 1 : 3;
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * channels);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = ScenePixel(x, y, width, height);
            if (greyscale) {
                pixels.push_back(Clamp((77 * c.r + 150 * c.g + 29 * c.b + 128) / 256));
            } else {
                pixels.push_back(Clamp(c.r));
                pixels.push_back(Clamp(c.g));
                pixels.push_back(Clamp(c.b));
            }
        }
    }
    return pixels;
}
