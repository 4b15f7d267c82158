#include "runtime/qt/PictureCache.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "art/Painter.h"

namespace rtqt {

int PictureCache::ratioKey(qreal dpr) {
    return static_cast<int>(std::lround(dpr * 100.0));
}

size_t PictureCache::KeyHash::operator()(const Key& k) const noexcept {
    size_t h = std::hash<const void*>()(k.list);
    h ^= std::hash<int>()(k.index) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h ^= std::hash<int>()(k.ratio) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

const QImage& PictureCache::picture(rt::PictureRef ref, qreal dpr) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0)) return none_;
    const Key key{ref.list, ref.index, ratioKey(dpr)};
    useRatio(key.ratio);
    auto it = images_.find(key);
    if (it == images_.end())
        it = images_.emplace(key, art::paintPicture(ref.list->name(), ref.index, key.ratio / 100.0)).first;
    return it->second;
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
