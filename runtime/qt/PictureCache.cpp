#include "runtime/qt/PictureCache.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "runtime/qt/QtArt.h"

namespace rtqt {

namespace {

// The longest run of rows whose flag is set, as a band of the given columns.
QRect longestRun(const std::vector<char>& rows, int from, int to) {
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
    return bestRows > 0 && to > from ? QRect(from, bestTop, to - from, bestRows) : QRect();
}

// The picture's opaque band: rows opaque from edge to edge, or, when that gives more, rows
// opaque but for their first and last pixel (at a ratio that is not whole, the last column is
// only partly covered, and so is the first where the drawing starts between two pixels).
QRect opaqueBand(const QImage& img) {
    const int w = img.width();
    std::vector<char> whole(static_cast<size_t>(img.height())), inner(whole.size());
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 1;
        while (x < w - 1 && qAlpha(row[x]) == 255) ++x;
        inner[static_cast<size_t>(y)] = x >= w - 1;
        whole[static_cast<size_t>(y)] = inner[static_cast<size_t>(y)] && qAlpha(row[0]) == 255 && qAlpha(row[w - 1]) == 255;
    }
    const QRect a = longestRun(whole, 0, w), b = longestRun(inner, 1, w - 1);
    return qint64(b.width()) * b.height() > qint64(a.width()) * a.height() ? b : a;
}

// A picture painted for the cache. One that covers every pixel of its rectangle is kept without
// its alpha channel: drawing it is then a plain copy, not a blend (the panels fill most of the
// screen, and a blend of them costs several times a copy on a large screen).
PictureCache::Painted paintedPicture(const rt::PictureList& list, int index, int ratio) {
    PictureCache::Painted out{paintPictureImage(list.name(), index, ratio / 100.0), {}};
    QImage& img = out.image;
    if (img.isNull()) return out;
    out.opaque = opaqueBand(img);
    if (out.opaque == img.rect()) {
        const qreal dpr = img.devicePixelRatio();
        img = std::move(img).convertToFormat(QImage::Format_RGB32);
        img.setDevicePixelRatio(dpr);
    }
    return out;
}

}  // namespace

int PictureCache::ratioKey(qreal dpr) {
    return static_cast<int>(std::lround(dpr * 100.0));
}

size_t PictureCache::KeyHash::operator()(const Key& k) const noexcept {
    size_t h = std::hash<const void*>()(k.list);
    h ^= std::hash<int>()(k.index) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h ^= std::hash<int>()(k.ratio) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

const PictureCache::Painted& PictureCache::painted(rt::PictureRef ref, qreal dpr) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0)) return none_;
    const Key key{ref.list, ref.index, ratioKey(dpr)};
    useRatio(key.ratio);
    auto it = images_.find(key);
    if (it == images_.end())
        it = images_.emplace(key, paintedPicture(*ref.list, ref.index, key.ratio)).first;
    return it->second;
}

void PictureCache::prefetch(const std::vector<rt::PictureRef>& refs, qreal dpr) {
    if (!(dpr > 0)) return;
    const int ratio = ratioKey(dpr);
    useRatio(ratio);
    std::vector<Key> todo;
    for (const rt::PictureRef& ref : refs) {
        if (ref.isNone() || !ref.list->has(ref.index)) continue;
        const Key key{ref.list, ref.index, ratio};
        if (!images_.contains(key) && std::find(todo.begin(), todo.end(), key) == todo.end())
            todo.push_back(key);
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
        for (size_t i = next++; i < todo.size(); i = next++)
            images[i] = paintedPicture(*todo[i].list, todo[i].index, ratio);
    };
    const size_t helpers =
        std::min<size_t>(todo.size() - 1, std::max(1u, std::thread::hardware_concurrency()) - 1);
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

}  // namespace rtqt
