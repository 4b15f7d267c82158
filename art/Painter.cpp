#include "art/Painter.h"

#include <QPainter>
#include <cmath>
#include <string_view>

#include "art/ArtLists.h"
#include "art/PictureTables.h"

namespace art {
namespace {

using PaintFn = void (*)(QPainter&, int);

struct Entry {
    std::string_view name;
    PaintFn paint;
};

constexpr Entry kPainters[] = {
    {"ImaMenu", paintImaMenu},       {"Imapoint", paintImapoint},     {"BtnGene", paintBtnGene},
    {"Led", paintLed},               {"ImaBtnDec", paintImaBtnDec},   {"Media", paintMedia},
    {"Schema", paintSchema},         {"ImageMasse", paintImageMasse}, {"ImageY1", paintImageY1},
    {"ImageY2", paintImageY2},       {"ImageList1", paintImageList1}, {"ImageList2", paintImageList2},
    {"Sensivert", paintSensivert},   {"Balay", paintBalay},           {"DecalDG", paintDecalDG},
};

}  // namespace

QImage paintPicture(std::string_view listName, int n, qreal dpr) {
    const rt::PictureList* l = findList(listName);
    if (!l || !l->has(n) || dpr <= 0) return {};
    const rt::PictureInfo& info = l->at(n);
    QImage img(static_cast<int>(std::ceil(info.width * dpr)), static_cast<int>(std::ceil(info.height * dpr)),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    for (const Entry& e : kPainters) {
        if (e.name == listName) {
            QPainter p(&img);
            // QPainter treats a device pixel ratio below 1 as 1: a picture made smaller than its
            // design size gets the rest of its scale here, so it is drawn whole, not cut off.
            const qreal applied = p.deviceTransform().m11();
            if (applied > 0 && std::abs(applied - dpr) > 1e-9) p.scale(dpr / applied, dpr / applied);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setClipRect(QRectF(0, 0, info.width, info.height));
            e.paint(p, n);
            break;
        }
    }
    return img;
}

}  // namespace art
