#include "runtime/qt/QtArt.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "art/IconArt.h"
#include "art/Painter.h"
#include "art/PictureTables.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/QtSurface.h"

namespace rtqt {

QImage paintPictureImage(std::string_view list, int n, qreal dpr) {
    const rt::PictureList* l = art::findList(list);
    if (!l || !l->has(n) || !(dpr > 0)) return {};
    const rt::PictureInfo& info = l->at(n);
    const int w = static_cast<int>(std::ceil(info.width * dpr)), h = static_cast<int>(std::ceil(info.height * dpr));
    if (w < 1 || h < 1) return {};
    // Painted as the picture cache paints (the same surface, so the same pixels at any ratio).
    QtSurface surface(w, h, dpr);
    bool painted = false;
    {
        const std::unique_ptr<gfx::Canvas> c = surface.paint();
        painted = art::paintPicture(*c, list, n);
    }
    return painted ? surface.image() : QImage();
}

QImage paintAppIconImage(int px) {
    if (px < 1) return {};
    QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return {};
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QtCanvas c(p);
        art::paintAppIcon(c, px);
    }
    return img;
}

QIcon appIcon() {
    QIcon icon;
    for (int px : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(paintAppIconImage(px)));
    return icon;
}

}  // namespace rtqt
