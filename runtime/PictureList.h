#pragma once
// A picture list: pictures numbered from 1, each with its size in pixels and, for cursor
// pictures, the hot spot. The model only needs the sizes, so a list is pure data; the pixels
// are painted by the art library inside the Qt binding.

#include <string>
#include <vector>

namespace rt {

struct PictureInfo {
    int width = 0;   // pixels
    int height = 0;  // pixels
    int hotX = 0;    // cursor hot spot, pixels from the top-left corner
    int hotY = 0;
};

class PictureList {
public:
    PictureList(std::string name, std::vector<PictureInfo> pictures)
        : name_(std::move(name)), pictures_(std::move(pictures)) {}

    const std::string& name() const { return name_; }
    int count() const { return static_cast<int>(pictures_.size()); }
    bool has(int n) const { return n >= 1 && n <= count(); }
    // Picture n, 1-based. n must satisfy has(n).
    const PictureInfo& at(int n) const { return pictures_[static_cast<size_t>(n - 1)]; }

private:
    std::string name_;
    std::vector<PictureInfo> pictures_;
};

// A reference to one picture of a list, or to none.
struct PictureRef {
    const PictureList* list = nullptr;
    int index = 0;

    bool isNone() const { return list == nullptr; }
    bool operator==(const PictureRef& o) const { return list == o.list && index == o.index; }
    // "LIST:N" or "none", as the scenario runner prints pictures and cursors.
    std::string text() const {
        return list ? list->name() + ":" + std::to_string(index) : std::string("none");
    }
};

}  // namespace rt
