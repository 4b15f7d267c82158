#pragma once
// The sizes (and cursor hot spots) of every picture list, as data: the model knows how big a
// picture is without painting it. The pixels are painted by art/Painter.h.

#include "runtime/PictureList.h"

#include <string_view>
#include <vector>

namespace art {

// The list of that name, or nullptr. Names: ImaMenu, Imapoint, BtnGene, Led, ImaBtnDec, Media,
// Schema, ImageMasse, ImageY1, ImageY2, ImageList1, ImageList2, Sensivert, Balay, DecalDG.
const rt::PictureList* findList(std::string_view name);

// The same, for names known to exist (aborts on an unknown name: a programming error).
const rt::PictureList& list(std::string_view name);

// Every list, in the order above.
std::vector<const rt::PictureList*> allLists();

}  // namespace art
