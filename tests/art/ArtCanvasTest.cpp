// The pictures seen from the drawing interface alone: every picture leaves the caller's canvas
// as it found it (saves and restores pair up, the transform comes back), and an unknown list or
// number draws nothing. A window painter draws many pictures on one canvas, so a picture that
// left a save open or a transform behind would shift or clip everything drawn after it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "art/Painter.h"
#include "art/PictureTables.h"
#include "gfx/Canvas.h"

namespace {

// Counts what is drawn and tracks the saved states; draws nothing.
class CountingCanvas : public gfx::Canvas {
public:
    double ratio() const override { return 2; }
    void save() override { saved_.push_back(transform_); }
    void restore() override {
        if (saved_.empty()) {
            ++unmatchedRestores;
            return;
        }
        transform_ = saved_.back();
        saved_.pop_back();
    }
    gfx::Transform transform() const override { return transform_; }
    void setTransform(const gfx::Transform& t) override { transform_ = t; }
    void setPen(const gfx::Pen&) override {}
    void setBrush(const gfx::Brush&) override {}
    void setFont(const gfx::Font& f) override { font_ = f; }
    const gfx::Font& font() const override { return font_; }
    void setAntialiasing(bool) override {}
    void clipRect(const gfx::Rect&) override {}
    void clipPath(const gfx::Path&) override {}
    void drawPath(const gfx::Path&) override { ++drawn; }
    void drawImage(gfx::Point, const gfx::Image&) override { ++drawn; }
    void drawSurface(gfx::Point, const gfx::Surface&) override { ++drawn; }

    size_t openSaves() const { return saved_.size(); }
    int drawn = 0;
    int unmatchedRestores = 0;

protected:
    void drawTextRun(gfx::Point, std::string_view) override { ++drawn; }

private:
    gfx::Transform transform_ = gfx::Transform::translation(5, 7);
    std::vector<gfx::Transform> saved_;
    gfx::Font font_;
};

TEST(ArtCanvas, EveryPictureLeavesTheCanvasAsItFoundIt) {
    for (const rt::PictureList* l : art::allLists()) {
        for (int n = 1; n <= l->count(); ++n) {
            const std::string name = std::string(l->name()) + ":" + std::to_string(n);
            CountingCanvas c;
            ASSERT_TRUE(art::paintPicture(c, l->name(), n)) << name;
            EXPECT_GT(c.drawn, 0) << name;
            EXPECT_EQ(c.openSaves(), 0u) << name;
            EXPECT_EQ(c.unmatchedRestores, 0) << name;
            EXPECT_EQ(c.transform(), gfx::Transform::translation(5, 7)) << name;
        }
    }
}

TEST(ArtCanvas, UnknownListOrNumberDrawsNothing) {
    for (auto [list, n] : {std::pair<const char*, int>{"NoSuchList", 1},
                           {"Imapoint", 0},
                           {"Imapoint", 11},
                           {"ImaMenu", -3},
                           {"", 1}}) {
        CountingCanvas c;
        EXPECT_FALSE(art::paintPicture(c, list, n)) << list << ":" << n;
        EXPECT_EQ(c.drawn, 0) << list << ":" << n;
        EXPECT_EQ(c.openSaves(), 0u) << list << ":" << n;
        EXPECT_EQ(art::pictureSize(list, n), gfx::Size{}) << list << ":" << n;
    }
    EXPECT_EQ(art::pictureSize("ImaMenu", 1), (gfx::Size{788, 49}));
}

}  // namespace
