#pragma once
// Every picture painted once per painting ratio (device pixel ratio times view scale) and kept:
// painting a window draws cached images only. Only the pictures of the few ratios used last are
// kept, so resizing the frame again and again does not pile up pictures of every size it
// passed through. A reference that names no picture gives a null image (nothing is drawn).

#include <QImage>
#include <unordered_map>
#include <vector>

#include "runtime/PictureList.h"

namespace rtqt {

class PictureCache {
public:
    // A picture as painted, and the largest band of it (all its rows that are opaque from edge
    // to edge, in one run) that hides what is behind it: a panel with rounded corners is opaque
    // but for a few rows at the top and bottom. In the image's pixels; empty when none.
    struct Painted {
        QImage image;
        QRect opaque;
    };

    // Picture `ref` painted at `dpr`. The reference stays valid until a picture is asked for
    // at a ratio that is not among the kMaxRatios used last (which drops the oldest ratio's).
    const Painted& painted(rt::PictureRef ref, qreal dpr);
    const QImage& picture(rt::PictureRef ref, qreal dpr) { return painted(ref, dpr).image; }

    // How many painting ratios are kept: the window's, the snapshots' 1, and one to spare.
    static constexpr size_t kMaxRatios = 3;

    // Paints the pictures of `refs` not held yet at `dpr` on several threads at once (the art
    // is a pure function of list, number and ratio), so a first frame full of new pictures, or
    // the first after a change of scale, comes sooner.
    void prefetch(const std::vector<rt::PictureRef>& refs, qreal dpr);

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
    void useRatio(int ratio);

    std::unordered_map<Key, Painted, KeyHash> images_;
    std::vector<int> ratios_;  // ratio keys held, the one used last first
    Painted none_;
};

}  // namespace rtqt
