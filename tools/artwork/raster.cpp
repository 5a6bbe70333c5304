#include "raster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace quintaro::artwork {

// ---- noise ------------------------------------------------------------------------------

PeriodicNoise::PeriodicNoise(int periodX, int periodY, std::uint64_t seed)
    : px_(std::max(1, periodX)), py_(std::max(1, periodY)) {
    Rng rng(seed);
    lattice_.resize(static_cast<std::size_t>(px_) * py_);
    for (double& v : lattice_) v = rng.Uniform();
}

double PeriodicNoise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto wrap = [](int v, int p) { return ((v % p) + p) % p; };
    const int x0 = wrap(ix, px_);
    const int x1 = wrap(ix + 1, px_);
    const int y0 = wrap(iy, py_);
    const int y1 = wrap(iy + 1, py_);
    const double a = lattice_[y0 * px_ + x0];
    const double b = lattice_[y0 * px_ + x1];
    const double c = lattice_[y1 * px_ + x0];
    const double d = lattice_[y1 * px_ + x1];
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

TileNoise::TileNoise(int w, int h, int cellsX, int cellsY, int octaves, std::uint64_t seed)
    : w_(w), h_(h) {
    for (int o = 0; o < octaves; ++o) {
        const int cx = cellsX << o;
        const int cy = cellsY << o;
        octaves_.emplace_back(cx, cy, seed * 7919 + static_cast<std::uint64_t>(o) * 104729);
        cellsX_.push_back(cx);
        cellsY_.push_back(cy);
    }
}

double TileNoise::At(double x, double y) const {
    double sum = 0;
    double amp = 1;
    double norm = 0;
    for (std::size_t o = 0; o < octaves_.size(); ++o) {
        sum += amp * octaves_[o].At(x * cellsX_[o] / w_, y * cellsY_[o] / h_);
        norm += amp;
        amp *= 0.5;
    }
    return sum / norm;
}

// ---- palette reduction ------------------------------------------------------------------

namespace {

struct ColourCount {
    QRgb rgb;
    std::uint32_t count;
};

struct Box {
    std::size_t begin;
    std::size_t end;
};

int Channel(QRgb c, int ch) {
    return ch == 0 ? qRed(c) : (ch == 1 ? qGreen(c) : qBlue(c));
}

// Distance with a little more weight on green, as the eye sees it.
inline int Distance(int r1, int g1, int b1, int r2, int g2, int b2) {
    const int dr = r1 - r2;
    const int dg = g1 - g2;
    const int db = b1 - b2;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::vector<QRgb> MedianCut(std::vector<ColourCount>& colours, int wanted) {
    std::vector<Box> boxes{{0, colours.size()}};
    while (static_cast<int>(boxes.size()) < wanted) {
        // Split the box with the largest weighted spread.
        double bestScore = -1;
        std::size_t best = 0;
        int bestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            if (b.end - b.begin < 2) continue;
            std::array<int, 3> lo{255, 255, 255};
            std::array<int, 3> hi{0, 0, 0};
            std::uint64_t weight = 0;
            for (std::size_t k = b.begin; k < b.end; ++k) {
                for (int ch = 0; ch < 3; ++ch) {
                    lo[ch] = std::min(lo[ch], Channel(colours[k].rgb, ch));
                    hi[ch] = std::max(hi[ch], Channel(colours[k].rgb, ch));
                }
                weight += colours[k].count;
            }
            for (int ch = 0; ch < 3; ++ch) {
                const double spread = hi[ch] - lo[ch];
                const double score = spread * std::sqrt(static_cast<double>(weight));
                if (spread > 0 && score > bestScore) {
                    bestScore = score;
                    best = i;
                    bestChannel = ch;
                }
            }
        }
        if (bestScore < 0) break;
        Box b = boxes[best];
        const int ch = bestChannel;
        std::sort(colours.begin() + static_cast<std::ptrdiff_t>(b.begin),
                  colours.begin() + static_cast<std::ptrdiff_t>(b.end),
                  [ch](const ColourCount& x, const ColourCount& y) {
                      const int a = Channel(x.rgb, ch);
                      const int c = Channel(y.rgb, ch);
                      return a != c ? a < c : x.rgb < y.rgb;
                  });
        std::uint64_t total = 0;
        for (std::size_t k = b.begin; k < b.end; ++k) total += colours[k].count;
        std::uint64_t acc = 0;
        std::size_t cut = b.begin + 1;
        for (std::size_t k = b.begin; k < b.end - 1; ++k) {
            acc += colours[k].count;
            cut = k + 1;
            if (acc * 2 >= total) break;
        }
        boxes[best] = {b.begin, cut};
        boxes.push_back({cut, b.end});
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, w = 0;
        for (std::size_t k = b.begin; k < b.end; ++k) {
            r += qRed(colours[k].rgb) * double(colours[k].count);
            g += qGreen(colours[k].rgb) * double(colours[k].count);
            bl += qBlue(colours[k].rgb) * double(colours[k].count);
            w += colours[k].count;
        }
        palette.push_back(
            qRgb(int(std::lround(r / w)), int(std::lround(g / w)), int(std::lround(bl / w))));
    }
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, int r, int g, int b) {
    int best = 0;
    int bestD = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int d = Distance(r, g, b, qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i]));
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void KMeans(const std::vector<ColourCount>& colours, std::vector<QRgb>& palette, int fixed,
            int iterations) {
    for (int it = 0; it < iterations; ++it) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const ColourCount& c : colours) {
            const int i = Nearest(palette, qRed(c.rgb), qGreen(c.rgb), qBlue(c.rgb));
            sums[i][0] += qRed(c.rgb) * double(c.count);
            sums[i][1] += qGreen(c.rgb) * double(c.count);
            sums[i][2] += qBlue(c.rgb) * double(c.count);
            sums[i][3] += c.count;
        }
        bool moved = false;
        for (std::size_t i = static_cast<std::size_t>(fixed); i < palette.size(); ++i) {
            if (sums[i][3] == 0) continue;
            const QRgb n = qRgb(int(std::lround(sums[i][0] / sums[i][3])),
                                int(std::lround(sums[i][1] / sums[i][3])),
                                int(std::lround(sums[i][2] / sums[i][3])));
            if (n != palette[i]) moved = true;
            palette[i] = n;
        }
        if (!moved) break;
    }
}

} // namespace

QImage ToPalettised(const QImage& source, const PaletteOptions& options) {
    QImage img = source.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    if (options.snapToBlack > 0) {
        // The faint fringe of a glow would otherwise leave almost-black specks that differ
        // from the pure black around them.
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x)
                if (qRed(line[x]) < options.snapToBlack && qGreen(line[x]) < options.snapToBlack &&
                    qBlue(line[x]) < options.snapToBlack)
                    line[x] = qRgb(0, 0, 0);
        }
    }

    std::unordered_map<QRgb, std::uint32_t> histogram;
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) ++histogram[line[x] | 0xff000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram) colours.push_back({rgb, count});
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });

    std::vector<QRgb> keep;
    for (QRgb k : options.keep)
        if (std::find(keep.begin(), keep.end(), k | 0xff000000u) == keep.end())
            keep.push_back(k | 0xff000000u);

    std::vector<QRgb> palette = keep;
    const int room = std::max(1, options.maxColours - static_cast<int>(keep.size()));
    if (static_cast<int>(colours.size()) <= room + static_cast<int>(keep.size())) {
        for (const ColourCount& c : colours)
            if (std::find(palette.begin(), palette.end(), c.rgb) == palette.end())
                palette.push_back(c.rgb);
    } else {
        std::vector<ColourCount> rest;
        for (const ColourCount& c : colours)
            if (std::find(keep.begin(), keep.end(), c.rgb) == keep.end()) rest.push_back(c);
        std::vector<QRgb> cut = MedianCut(rest, room);
        palette.insert(palette.end(), cut.begin(), cut.end());
        std::sort(rest.begin(), rest.end(),
                  [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });
        KMeans(rest, palette, static_cast<int>(keep.size()), 12);
    }
    palette.resize(std::min<std::size_t>(palette.size(), 256));

    QImage out(w, h, QImage::Format_Indexed8);
    QList<QRgb> table(palette.begin(), palette.end());
    out.setColorTable(table);

    // Exact colours (those of the palette) map straight through; the rest take the nearest
    // entry, with error diffusion when asked. Kept colours never receive diffused error,
    // so pure black stays pure black next to a gradient.
    std::unordered_map<QRgb, int> exact;
    for (std::size_t i = 0; i < palette.size(); ++i) exact.emplace(palette[i], int(i));

    std::vector<float> err((static_cast<std::size_t>(w) + 2) * 2 * 3, 0.0f);
    auto errAt = [&](int row, int x) -> float* {
        return &err[(static_cast<std::size_t>(row & 1) * (w + 2) + (x + 1)) * 3];
    };
    const float k = static_cast<float>(options.ditherStrength);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        uchar* dst = out.scanLine(y);
        const bool reverse = (y & 1) != 0;
        for (int x = -1; x <= w; ++x) {
            float* n = errAt(y + 1, x);
            n[0] = n[1] = n[2] = 0;
        }
        for (int i = 0; i < w; ++i) {
            const int x = reverse ? w - 1 - i : i;
            const QRgb c = line[x] | 0xff000000u;
            const bool kept = std::find(keep.begin(), keep.end(), c) != keep.end();
            float* e = errAt(y, x);
            if (!options.dither || kept) {
                auto it = exact.find(c);
                if (it == exact.end())
                    it = exact.emplace(c, Nearest(palette, qRed(c), qGreen(c), qBlue(c))).first;
                dst[x] = static_cast<uchar>(it->second);
                continue;
            }
            const float r = std::clamp(qRed(c) + e[0], 0.0f, 255.0f);
            const float g = std::clamp(qGreen(c) + e[1], 0.0f, 255.0f);
            const float b = std::clamp(qBlue(c) + e[2], 0.0f, 255.0f);
            const int idx =
                Nearest(palette, int(std::lround(r)), int(std::lround(g)), int(std::lround(b)));
            dst[x] = static_cast<uchar>(idx);
            const float er = (r - qRed(palette[idx])) * k;
            const float eg = (g - qGreen(palette[idx])) * k;
            const float eb = (b - qBlue(palette[idx])) * k;
            const int dir = reverse ? -1 : 1;
            auto add = [&](int row, int xx, float f) {
                if (xx < 0 || xx >= w) return;
                float* t = errAt(row, xx);
                t[0] += er * f;
                t[1] += eg * f;
                t[2] += eb * f;
            };
            add(y, x + dir, 7.0f / 16);
            add(y + 1, x - dir, 3.0f / 16);
            add(y + 1, x, 5.0f / 16);
            add(y + 1, x + dir, 1.0f / 16);
        }
        for (int x = -1; x <= w; ++x) {
            float* c = errAt(y, x);
            c[0] = c[1] = c[2] = 0;
        }
    }
    return out;
}

// ---- bitmap files -------------------------------------------------------------------------

namespace {
void Put16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}
void Put32(QByteArray& b, qint64 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff));
}
QByteArray Header(int w, int h, int bits, int colours, int rowBytes) {
    const int paletteBytes = 4 * colours;
    const int offset = 14 + 40 + paletteBytes;
    const qint64 imageBytes = static_cast<qint64>(rowBytes) * h;
    QByteArray b;
    b.append("BM", 2);
    Put32(b, offset + imageBytes);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, w);
    Put32(b, h); // positive: rows stored bottom-up
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0); // BI_RGB
    Put32(b, imageBytes);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, colours);
    Put32(b, colours);
    return b;
}
} // namespace

QByteArray EncodeBmp8(const QImage& indexed) {
    const int w = indexed.width();
    const int h = indexed.height();
    const QList<QRgb> table = indexed.colorTable();
    const int rowBytes = (w + 3) & ~3;
    QByteArray b = Header(w, h, 8, static_cast<int>(table.size()), rowBytes);
    for (QRgb c : table) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = indexed.constScanLine(y);
        b.append(reinterpret_cast<const char*>(line), w);
        for (int p = w; p < rowBytes; ++p) b.append(char(0));
    }
    return b;
}

QByteArray EncodeBmp1(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int rowBytes = ((w + 31) / 32) * 4;
    QByteArray b = Header(w, h, 1, 2, rowBytes);
    Put32(b, 0x00000000); // index 0: black
    Put32(b, 0x00ffffff); // index 1: white
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray row(rowBytes, char(0));
        for (int x = 0; x < w; ++x)
            if (qGray(line[x]) >= 128) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

} // namespace quintaro::artwork
