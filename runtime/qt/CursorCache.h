#pragma once
// Mouse cursors made from the cursor pictures: black is transparent, the hot spot comes from the
// picture table. A cursor is drawn at the view scale the instruments are drawn at, so the hand
// keeps its size beside the knobs (a 4K screen shows it four times its design size), and its
// pixels are painted at that scale times the screen's device pixel ratio, so it is crisp; the
// hot spot is in device pixels, on the drawn fingertip. Each cursor is made once per scale.

#include <QCursor>
#include <QImage>
#include <map>
#include <utility>

#include "runtime/PictureList.h"

namespace rtqt {

class CursorCache {
public:
    // The cursor for `ref` on a screen of ratio `dpr`, drawn `scale` times its design size (no
    // larger than kMaxPixels device pixels across); the default arrow for none or an unknown
    // picture.
    const QCursor& cursor(rt::PictureRef ref, qreal dpr, double scale = 1.0);

    // The ratio a cursor's pixels are painted at: scale x dpr on whole hundredths, kept to at
    // most kMaxPixels device pixels for a 32-pixel picture.
    static qreal paintRatio(qreal dpr, double scale);
    // The largest cursor made: X servers draw bigger ones, cursor themes stop at this size.
    static constexpr int kMaxPixels = 256;

    // The picture with its pure black pixels made transparent (the cursor's pixels).
    static QImage cursorImage(rt::PictureRef ref, qreal dpr);

private:
    using Key = std::pair<std::pair<const rt::PictureList*, int>, std::pair<int, int>>;  // ratios in 1/100
    std::map<Key, QCursor> cursors_;
    QCursor arrow_{Qt::ArrowCursor};
};

}  // namespace rtqt
