// Granite, pixel by pixel. The menu strips and buttons are granite over most of their area, so
// at a large view scale this is most of the work of the first frame: what depends only on the
// column or only on the row is worked out once, and the hash values at a noise cell's corners
// are kept while the pixels stay inside the cell. Every pixel gets the value the plain formula
// gives (the same arithmetic on the same numbers).

#include <algorithm>
#include <cmath>
#include <vector>

#include "art/DrawKit.h"

namespace art::kit {
namespace {

// floor() of a value well inside the int range, without a library call.
inline int floorInt(double v) {
    const int i = static_cast<int>(v);
    return i - (v < i ? 1 : 0);
}

inline double smooth(double f) {
    return f * f * (3 - 2 * f);
}

// A cell position along one axis: its integer corner and the smoothed fraction.
struct Axis {
    int cell;
    double t;
};

inline Axis axis(double v) {
    const int i = floorInt(v);
    return {i, smooth(v - i)};
}

// Value noise whose corner hashes stay while the cell does.
class CellNoise {
public:
    explicit CellNoise(uint32_t seed) : seed_(seed) {}

    double at(Axis x, Axis y) {
        if (x.cell != cx_ || y.cell != cy_ || !valid_) {
            cx_ = x.cell;
            cy_ = y.cell;
            valid_ = true;
            a_ = noise01(cx_, cy_, seed_);
            b_ = noise01(cx_ + 1, cy_, seed_);
            c_ = noise01(cx_, cy_ + 1, seed_);
            d_ = noise01(cx_ + 1, cy_ + 1, seed_);
        }
        const double top = a_ + (b_ - a_) * x.t;
        return top + ((c_ + (d_ - c_) * x.t) - top) * y.t;
    }

private:
    uint32_t seed_;
    bool valid_ = false;
    int cx_ = 0, cy_ = 0;
    double a_ = 0, b_ = 0, c_ = 0, d_ = 0;
};

// A logical length in whole device pixels, at least one and at most a very large screen's worth.
int devicePixels(double v, double dpr) {
    const double n = std::ceil(v * dpr);
    return n >= 1 ? (n <= 16384 ? static_cast<int>(n) : 16384) : 1;
}

}  // namespace

gfx::Image graniteImage(gfx::Size logical, double dpr, uint32_t seed, int tone) {
    if (!(dpr > 0 && dpr <= 64)) dpr = 1;  // not a usable ratio: one device pixel a unit
    const int w = devicePixels(logical.w, dpr), h = devicePixels(logical.h, dpr);
    gfx::Image img(w, h, dpr);
    // Per column: the logical x and its place in the two mottle grids and the grain-kind grid.
    std::vector<double> lxs(static_cast<size_t>(w));
    std::vector<Axis> coarseX(lxs.size()), fineX(lxs.size());
    std::vector<int> kindX(lxs.size());
    for (int x = 0; x < w; ++x) {
        const double lx = (x + 0.5) / dpr;
        const auto i = static_cast<size_t>(x);
        lxs[i] = lx;
        coarseX[i] = axis(lx / 9.0);
        fineX[i] = axis(lx / 3.2);
        kindX[i] = floorInt(lx / 2.2);
    }
    CellNoise coarse(seed), fine(seed + 1), grainNoise(seed + 2);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = img.row(y);
        const double ly = (y + 0.5) / dpr;
        const Axis coarseY = axis(ly / 9.0), fineY = axis(ly / 3.2);
        const int kindY = floorInt(ly / 2.2);
        int kindCell = 0;
        double kind = 0;
        bool kindValid = false;
        for (int x = 0; x < w; ++x) {
            const auto i = static_cast<size_t>(x);
            const double lx = lxs[i];
            const double mottle = 0.6 * coarse.at(coarseX[i], coarseY) + 0.4 * fine.at(fineX[i], fineY);
            double v = 138 + tone + (mottle - 0.5) * 30;
            double r = v, g = v, b = v + 4;
            const double grain = grainNoise.at(axis((0.8 * lx + 0.6 * ly) / 1.7),
                                               axis((0.8 * ly - 0.6 * lx) / 1.7));  // turned grid
            if (!kindValid || kindX[i] != kindCell) {
                kindCell = kindX[i];
                kind = noise01(kindCell, kindY, seed + 3);
                kindValid = true;
            }
            if (grain > 0.80) {  // dark grains
                const double k = std::min(1.0, (grain - 0.80) / 0.10) * (kind < 0.5 ? 0.8 : 0.55);
                r += (62 - r) * k;
                g += (62 - g) * k;
                b += (68 - b) * k;
            } else if (grain < 0.15) {  // light or rosy grains
                const double k = std::min(1.0, (0.15 - grain) / 0.09) * 0.75;
                const bool rosy = kind < 0.3;
                r += ((rosy ? 190 : 212) - r) * k;
                g += ((rosy ? 164 : 212) - g) * k;
                b += ((rosy ? 156 : 216) - b) * k;
            }
            const double grainOfFilm = (noise01(x, y, seed + 4) - 0.5) * 5;
            auto c = [&](double t) { return std::clamp(static_cast<int>(t + grainOfFilm), 0, 255); };
            line[x] = gfx::argb(255, c(r), c(g), c(b));
        }
    }
    return img;
}

}  // namespace art::kit
