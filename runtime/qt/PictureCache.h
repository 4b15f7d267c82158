#pragma once
// Every picture painted once per device pixel ratio and kept: painting a window draws cached
// images only. A reference that names no picture gives a null image (nothing is drawn).

#include <QImage>
#include <unordered_map>

#include "runtime/PictureList.h"

namespace rtqt {

class PictureCache {
public:
    // Picture `ref` painted at `dpr`; the reference stays valid for the cache's life.
    const QImage& picture(rt::PictureRef ref, qreal dpr);

    // How many images are held (each painted exactly once).
    size_t size() const { return images_.size(); }

    // Ratios are keyed in hundredths: 1, 1.25, 1.5, 2 ... are told apart, float noise is not.
    static int ratioKey(qreal dpr);

private:
    struct Key {
        const rt::PictureList* list;
        int index;
        int ratio;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const noexcept;
    };
    std::unordered_map<Key, QImage, KeyHash> images_;
    QImage none_;
};

}  // namespace rtqt
