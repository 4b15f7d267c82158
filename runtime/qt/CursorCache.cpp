#include "runtime/qt/CursorCache.h"

#include <QPixmap>
#include <cmath>

#include "runtime/qt/PictureCache.h"
#include "runtime/qt/QtArt.h"

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

const QCursor& CursorCache::cursor(rt::PictureRef ref, qreal dpr) {
    if (ref.isNone() || !ref.list->has(ref.index) || !(dpr > 0)) return arrow_;
    const int ratio = PictureCache::ratioKey(dpr);
    const Key key{{ref.list, ref.index}, ratio};
    auto it = cursors_.find(key);
    if (it != cursors_.end()) return it->second;
    const QImage img = cursorImage(ref, ratio / 100.0);
    if (img.isNull()) return arrow_;
    QPixmap pm = QPixmap::fromImage(img);
    pm.setDevicePixelRatio(img.devicePixelRatio());
    // The display gets the pixmap's device pixels and the hot spot exactly as given (Qt does
    // not scale it on X11), so the hot spot goes in device pixels: it stays on the fingertip
    // drawn at any ratio.
    const rt::PictureInfo& info = ref.list->at(ref.index);
    const qreal r = img.devicePixelRatio();
    const int hotX = static_cast<int>(std::lround(info.hotX * r));
    const int hotY = static_cast<int>(std::lround(info.hotY * r));
    return cursors_.emplace(key, QCursor(pm, hotX, hotY)).first->second;
}

}  // namespace rtqt
