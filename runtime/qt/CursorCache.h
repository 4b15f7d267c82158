#pragma once
// Mouse cursors made from the cursor pictures: black is transparent, the hot spot comes from the
// picture table, and the pixels are painted at the screen's device pixel ratio so the hand is
// crisp; the hot spot is in device pixels, on the drawn fingertip. Each cursor is made once per
// ratio (the screen's, never the view scale: a cursor keeps the desktop's cursor size).

#include <QCursor>
#include <QImage>
#include <map>
#include <utility>

#include "runtime/PictureList.h"

namespace rtqt {

class CursorCache {
public:
    // The cursor for `ref` at `dpr`; the default arrow for none or an unknown picture.
    const QCursor& cursor(rt::PictureRef ref, qreal dpr);

    // The picture with its pure black pixels made transparent (the cursor's pixels).
    static QImage cursorImage(rt::PictureRef ref, qreal dpr);

private:
    using Key = std::pair<std::pair<const rt::PictureList*, int>, int>;
    std::map<Key, QCursor> cursors_;
    QCursor arrow_{Qt::ArrowCursor};
};

}  // namespace rtqt
