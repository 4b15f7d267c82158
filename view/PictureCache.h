#pragma once
// Every picture painted once per painting ratio (device pixel ratio times view scale) and kept:
// painting a window draws cached surfaces only. Only the pictures of the few ratios used last
// are kept, so resizing the frame again and again does not pile up pictures of every size it
// passed through. A reference that names no picture gives no surface (nothing is drawn).

#include <memory>
#include <unordered_map>
#include <vector>

#include "gfx/Geometry.h"
#include "gfx/Image.h"
#include "gfx/Surface.h"
#include "runtime/PictureList.h"

namespace view {

// The largest band of an image (all its rows opaque from edge to edge, in one run) that hides
// what is behind it, or, when that gives more, the rows opaque but for their first and last
// pixel (at a ratio that is not whole, the last column is only partly covered, and so is the
// first where the drawing starts between two pixels). In the image's pixels; empty when none.
gfx::IntRect opaqueBand(const gfx::Image& img);

class PictureCache {
public:
    // A picture as painted, and its opaque band (see opaqueBand): a panel with rounded corners is
    // opaque but for a few rows at the top and bottom.
    struct Painted {
        std::unique_ptr<gfx::Surface> surface;
        gfx::IntRect opaque;
    };

    explicit PictureCache(gfx::SurfaceFactory& factory) : factory_(factory) {}

    // Picture `ref` painted at `ratio`. The reference stays valid until a picture is asked for
    // at a ratio that is not among the kMaxRatios used last (which drops the oldest ratio's).
    const Painted& painted(rt::PictureRef ref, double ratio);
    const gfx::Surface* picture(rt::PictureRef ref, double ratio) {
        return painted(ref, ratio).surface.get();
    }

    // How many painting ratios are kept: the window's, the snapshots' 1, and one to spare.
    static constexpr size_t kMaxRatios = 3;

    // Paints the pictures of `refs` not held yet at `ratio`, on several threads at once when the
    // factory's surfaces allow it (the art is a pure function of list, number and ratio), so a
    // first frame full of new pictures, or the first after a change of scale, comes sooner.
    void prefetch(const std::vector<rt::PictureRef>& refs, double ratio);

    // How many pictures are held (each painted exactly once).
    size_t size() const { return images_.size(); }

    // Ratios are keyed in hundredths: 1, 1.25, 1.5, 2 ... are told apart, float noise is not.
    static int ratioKey(double ratio);

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
    Painted paint(const Key& key);

    gfx::SurfaceFactory& factory_;
    std::unordered_map<Key, Painted, KeyHash> images_;
    std::vector<int> ratios_;  // ratio keys held, the one used last first
    Painted none_;
};

}  // namespace view
