#include "art/Painter.h"

#include <string_view>

#include "art/ArtLists.h"
#include "art/PictureTables.h"

namespace art {
namespace {

using PaintFn = void (*)(gfx::Canvas&, int);

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

PaintFn painterOf(std::string_view listName) {
    for (const Entry& e : kPainters)
        if (e.name == listName) return e.paint;
    return nullptr;
}

}  // namespace

gfx::Size pictureSize(std::string_view listName, int n) {
    const rt::PictureList* l = findList(listName);
    if (!l || !l->has(n)) return {};
    const rt::PictureInfo& info = l->at(n);
    return {static_cast<double>(info.width), static_cast<double>(info.height)};
}

bool paintPicture(gfx::Canvas& c, std::string_view listName, int n) {
    const gfx::Size size = pictureSize(listName, n);
    const PaintFn paint = painterOf(listName);
    if (size.w <= 0 || size.h <= 0 || !paint) return false;
    // Every picture starts from the same state whatever the caller left: a one-unit black pen,
    // no brush, antialiasing on, clipped to the picture (each sets its own font before text).
    const gfx::SavedState saved(c);
    c.setAntialiasing(true);
    c.setPen(gfx::Pen(gfx::kBlack, 1));
    c.setBrush(gfx::Brush::none());
    c.clipRect({0, 0, size.w, size.h});
    paint(c, n);
    return true;
}

}  // namespace art
