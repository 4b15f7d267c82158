#include "art/PictureTables.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace art {
namespace {

using rt::PictureInfo;
using rt::PictureList;

// n pictures of one size.
void repeat(std::vector<PictureInfo>& v, int n, int w, int h) {
    for (int i = 0; i < n; ++i) v.push_back({w, h});
}

std::vector<PictureInfo> sized(std::initializer_list<std::pair<int, int>> sizes) {
    std::vector<PictureInfo> v;
    for (auto [w, h] : sizes) v.push_back({w, h});
    return v;
}

PictureList makeImaMenu() {
    std::vector<PictureInfo> v;
    repeat(v, 1, 788, 49);   // 1 oscilloscope menu strip, as large as the strip it fills
    repeat(v, 4, 77, 35);    // 2-5 return arrow
    repeat(v, 4, 142, 27);   // 6-9 program name
    repeat(v, 4, 76, 35);    // 10-13 circuit symbol
    repeat(v, 6, 132, 83);   // 14-19 oscilloscope button
    repeat(v, 1, 307, 109);  // 20 bench menu strip
    repeat(v, 6, 121, 94);   // 21-26 computer
    return PictureList("ImaMenu", std::move(v));
}

PictureList makeImapoint() {
    // Hot spots: the fingertip of the pointing hands, the middle of the grip of the turning
    // hands, the plug end of the carried leads. Must agree with the hands painted in art.
    // (art/CursorArt.cpp: fingertip (14, 2), grip centre turned left (12, 14) and right (20, 14),
    // banana plug tip (6, 4).)
    const int hot[10][2] = {{14, 2}, {14, 2}, {12, 14}, {20, 14}, {6, 4},
                            {6, 4},  {12, 14}, {20, 14}, {6, 4}, {6, 4}};
    std::vector<PictureInfo> v;
    for (const auto& h : hot) v.push_back({32, 32, h[0], h[1]});
    return PictureList("Imapoint", std::move(v));
}

PictureList makeMedia() {
    return PictureList("Media", sized({{146, 104}, {431, 174}, {431, 141}, {51, 15},
                                       {45, 15},   {39, 15},   {33, 15},   {42, 15},
                                       {47, 15},   {13, 11},   {13, 11},   {382, 196},
                                       {20, 43},   {20, 43},   {11, 9},    {11, 9}}));
}

PictureList makeUniform(const char* name, int n, int w, int h) {
    std::vector<PictureInfo> v;
    repeat(v, n, w, h);
    return PictureList(name, std::move(v));
}

struct Tables {
    PictureList imaMenu = makeImaMenu();
    PictureList imapoint = makeImapoint();
    PictureList btnGene = makeUniform("BtnGene", 16, 35, 36);
    PictureList led = makeUniform("Led", 10, 28, 49);
    PictureList imaBtnDec = makeUniform("ImaBtnDec", 11, 70, 65);
    PictureList media = makeMedia();
    PictureList schema{"Schema", sized({{308, 404}, {308, 404}, {294, 342}, {294, 342}, {294, 17}})};
    PictureList imageMasse{"ImageMasse", sized({{143, 29}, {132, 28}})};
    PictureList imageY1{"ImageY1", sized({{152, 43}, {152, 43}, {155, 41}, {139, 33}})};
    PictureList imageY2{"ImageY2", sized({{153, 42}, {153, 42}, {156, 40}, {139, 30}})};
    PictureList imageList1{"ImageList1", sized({{788, 503}, {373, 283}})};
    PictureList imageList2{"ImageList2",
                           sized({{18, 19}, {18, 19}, {12, 12}, {12, 12}, {10, 11}, {10, 11},
                                  {87, 53}, {46, 27}, {46, 27}, {8, 8}, {8, 8}, {39, 78},
                                  {42, 81}, {45, 79}, {41, 81}})};
    PictureList sensivert = makeUniform("Sensivert", 14, 120, 103);
    PictureList balay = makeUniform("Balay", 18, 130, 122);
    PictureList decalDG = makeUniform("DecalDG", 53, 40, 42);

    std::vector<const PictureList*> all() const {
        return {&imaMenu, &imapoint, &btnGene,    &led,        &imaBtnDec,
                &media,   &schema,   &imageMasse, &imageY1,    &imageY2,
                &imageList1, &imageList2, &sensivert, &balay, &decalDG};
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

}  // namespace

const rt::PictureList* findList(std::string_view name) {
    for (const PictureList* l : tables().all())
        if (l->name() == name) return l;
    return nullptr;
}

const rt::PictureList& list(std::string_view name) {
    const PictureList* l = findList(name);
    if (!l) {
        std::fprintf(stderr, "unknown picture list %.*s\n", static_cast<int>(name.size()), name.data());
        std::abort();
    }
    return *l;
}

std::vector<const rt::PictureList*> allLists() { return tables().all(); }

}  // namespace art
