#include "runtime/qt/CursorCache.h"

#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "runtime/qt/QtArt.h"
#include "view/CursorPixels.h"
#include "view/PictureCache.h"

namespace rtqt {

QImage CursorCache::cursorImage(rt::PictureRef ref, qreal dpr) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0)) return {};
    QImage img = paintPictureImage(ref.list->name(), ref.index, dpr);
    if (img.isNull()) return img;
    const qreal ratio = img.devicePixelRatio();
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((row[x] & 0x00ffffffu) == 0) row[x] = 0;  // black ground (or nothing) -> see-through
    }
    img.setDevicePixelRatio(ratio);
    return img;
}

qreal CursorCache::paintRatio(qreal dpr, double scale) {
    return view::cursorPaintRatio(dpr, scale, kMaxPixels / 32.0);
}

const QCursor& CursorCache::cursor(rt::PictureRef ref, qreal dpr, double scale) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0)) return arrow_;
    const qreal ratio = paintRatio(dpr, scale);
    const Key key{{ref.list, ref.index}, {view::PictureCache::ratioKey(ratio), view::PictureCache::ratioKey(dpr)}};
    auto it = cursors_.find(key);
    if (it != cursors_.end()) return it->second;
    const QImage img = cursorImage(ref, ratio);
    if (img.isNull()) return arrow_;
    QPixmap pm = QPixmap::fromImage(img);
    // Its size in the screen's logical pixels is the picture's times the view scale.
    pm.setDevicePixelRatio(view::PictureCache::ratioKey(dpr) / 100.0);
    // The display gets the pixmap's device pixels and the hot spot exactly as given (Qt does
    // not scale it on X11), so the hot spot goes in device pixels: it stays on the fingertip
    // drawn at any ratio.
    const rt::PictureInfo& info = ref.list->at(ref.index);
    const int hotX = view::hotSpotPixels(info.hotX, ratio);
    const int hotY = view::hotSpotPixels(info.hotY, ratio);
    return cursors_.emplace(key, QCursor(pm, hotX, hotY)).first->second;
}

}  // namespace rtqt
