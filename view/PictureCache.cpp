#include "view/PictureCache.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "art/Painter.h"

namespace view {

namespace {

// The longest run of rows whose flag is set, as a band of the given columns.
gfx::IntRect longestRun(const std::vector<char>& rows, int from, int to) {
    int bestTop = 0, bestRows = 0;
    const int n = static_cast<int>(rows.size());
    for (int y = 0, top = 0; y <= n; ++y) {
        if (y < n && rows[static_cast<size_t>(y)]) continue;
        if (y - top > bestRows) {
            bestTop = top;
            bestRows = y - top;
        }
        top = y + 1;
    }
    return bestRows > 0 && to > from ? gfx::IntRect{from, bestTop, to - from, bestRows} : gfx::IntRect{};
}

bool opaquePixel(uint32_t argb) {
    return (argb >> 24) == 255;
}

long long areaOf(const gfx::IntRect& r) {
    return static_cast<long long>(r.w) * r.h;
}

}  // namespace

gfx::IntRect opaqueBand(const gfx::Image& img) {
    const int w = img.width;
    if (img.isNull() || img.pixels.size() < static_cast<size_t>(w) * static_cast<size_t>(img.height))
        return {};
    std::vector<char> whole(static_cast<size_t>(img.height)), inner(whole.size());
    for (int y = 0; y < img.height; ++y) {
        const uint32_t* row = img.row(y);
        int x = 1;
        while (x < w - 1 && opaquePixel(row[x])) ++x;
        const size_t i = static_cast<size_t>(y);
        inner[i] = x >= w - 1;
        whole[i] = inner[i] && opaquePixel(row[0]) && opaquePixel(row[w - 1]);
    }
    const gfx::IntRect a = longestRun(whole, 0, w), b = longestRun(inner, 1, w - 1);
    return areaOf(b) > areaOf(a) ? b : a;
}

int PictureCache::ratioKey(double ratio) {
    return static_cast<int>(std::lround(ratio * 100.0));
}

size_t PictureCache::KeyHash::operator()(const Key& k) const noexcept {
    size_t h = std::hash<const void*>()(k.list);
    h ^= std::hash<int>()(k.index) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h ^= std::hash<int>()(k.ratio) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

// A picture painted for the cache. One that covers every pixel of its rectangle is marked
// opaque: a backend may then draw it as a plain copy, not a blend (the panels fill most of the
// screen, and a blend of them costs several times a copy on a large screen).
PictureCache::Painted PictureCache::paint(const Key& key) {
    const rt::PictureInfo& info = key.list->at(key.index);
    const double ratio = key.ratio / 100.0;
    const int w = std::max(1, static_cast<int>(std::ceil(info.width * ratio)));
    const int h = std::max(1, static_cast<int>(std::ceil(info.height * ratio)));
    Painted out{factory_.makeSurface(w, h, ratio), {}};
    if (!out.surface) return out;
    {
        const std::unique_ptr<gfx::Canvas> canvas = out.surface->paint();
        if (!canvas || !art::paintPicture(*canvas, key.list->name(), key.index)) return Painted{};
    }
    out.opaque = opaqueBand(out.surface->readPixels());
    if (out.opaque == gfx::IntRect{0, 0, w, h}) out.surface->markOpaque();
    return out;
}

const PictureCache::Painted& PictureCache::painted(rt::PictureRef ref, double ratio) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(ratio > 0)) return none_;
    const Key key{ref.list, ref.index, ratioKey(ratio)};
    if (key.ratio <= 0) return none_;
    useRatio(key.ratio);
    auto it = images_.find(key);
    if (it == images_.end()) it = images_.emplace(key, paint(key)).first;
    return it->second;
}

void PictureCache::prefetch(const std::vector<rt::PictureRef>& refs, double ratio) {
    if (!(ratio > 0)) return;
    const int key = ratioKey(ratio);
    if (key <= 0) return;
    useRatio(key);
    std::vector<Key> todo;
    for (const rt::PictureRef& ref : refs) {
        if (ref.isNone() || !ref.list->has(ref.index)) continue;
        const Key k{ref.list, ref.index, key};
        if (!images_.contains(k) && std::find(todo.begin(), todo.end(), k) == todo.end()) todo.push_back(k);
    }
    if (todo.empty()) return;
    // The largest first: the threads finish together rather than one of them starting on a
    // panel while the others have nothing left.
    const auto area = [](const Key& k) {
        const rt::PictureInfo& info = k.list->at(k.index);
        return static_cast<long>(info.width) * info.height;
    };
    std::stable_sort(todo.begin(), todo.end(), [&](const Key& a, const Key& b) { return area(a) > area(b); });
    std::vector<Painted> images(todo.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < todo.size(); i = next++) images[i] = paint(todo[i]);
    };
    const size_t helpers =
        factory_.paintsOnThreads()
            ? std::min<size_t>(todo.size() - 1, std::max(1u, std::thread::hardware_concurrency()) - 1)
            : 0;
    std::vector<std::thread> threads;
    for (size_t i = 0; i < std::min<size_t>(helpers, 3); ++i) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    for (size_t i = 0; i < todo.size(); ++i) images_.emplace(todo[i], std::move(images[i]));
}

void PictureCache::useRatio(int ratio) {
    if (!ratios_.empty() && ratios_.front() == ratio) return;  // the usual case: one compare
    std::erase(ratios_, ratio);
    ratios_.insert(ratios_.begin(), ratio);
    if (ratios_.size() <= kMaxRatios) return;
    const int dropped = ratios_.back();
    ratios_.pop_back();
    std::erase_if(images_, [dropped](const auto& kv) { return kv.first.ratio == dropped; });
}

}  // namespace view
