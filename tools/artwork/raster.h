#pragma once
// Helpers of the artwork tool: a fixed random source and noise for textures, palette
// reduction with error diffusion, and writers for Windows bitmap files.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace quintaro::artwork {

// SplitMix64: the same numbers on every machine and every build.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    std::uint64_t state_;
};

// Smooth value noise on a lattice that wraps after periodX by periodY cells, so a texture
// made from it tiles without a seam. Values in [0, 1].
class PeriodicNoise {
public:
    PeriodicNoise(int periodX, int periodY, std::uint64_t seed);
    // x and y in lattice cells.
    double At(double x, double y) const;

private:
    int px_;
    int py_;
    std::vector<double> lattice_;
};

// Fractal sum of octaves of periodic noise over an image of w by h pixels with the base
// lattice of cellsX by cellsY cells; tiles seamlessly at w by h. Values roughly in [0, 1].
class TileNoise {
public:
    TileNoise(int w, int h, int cellsX, int cellsY, int octaves, std::uint64_t seed);
    double At(double x, double y) const;

private:
    int w_;
    int h_;
    std::vector<PeriodicNoise> octaves_;
    std::vector<int> cellsX_;
    std::vector<int> cellsY_;
};

struct PaletteOptions {
    int maxColours = 256;
    bool dither = false; // error diffusion (for gradients and textures)
    double ditherStrength = 0.85;
    std::vector<QRgb> keep; // colours kept exactly, e.g. pure black for the meters
    int snapToBlack = 0;    // pixels darker than this in every channel become pure black
};

// Reduces a 32-bit image to an 8-bit palettised image with its own optimised palette
// (median cut, refined by k-means). Deterministic.
QImage ToPalettised(const QImage& image, const PaletteOptions& options);

// Windows bitmap files: 8 bits per pixel with the image's colour table, or 1 bit per pixel
// (black and white). Bottom-up rows padded to four bytes, BITMAPINFOHEADER.
QByteArray EncodeBmp8(const QImage& indexed);
QByteArray EncodeBmp1(const QImage& blackAndWhite); // any image: dark pixels become black

bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace quintaro::artwork
