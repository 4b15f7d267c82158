// The canvas's shapes that a backend may leave to the interface are paths drawn with the state
// the caller set: lines and polylines are never filled, fillRect fills without an outline, and
// the pen and brush set before are in force again afterwards. Steps of the transform apply in
// a painter's order; text with letter spacing is placed letter by letter.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/Surface.h"

namespace {

// Records what reaches the primitives, with the state in force then.
class RecordingCanvas : public gfx::Canvas {
public:
    struct Drawn {
        gfx::Path path;
        gfx::Pen pen;
        gfx::Brush brush;
    };
    struct Text {
        gfx::Point at;
        std::string text;
    };
    std::vector<Drawn> drawn;
    std::vector<Text> runs;

    double ratio() const override { return 1; }
    void save() override { saved_.push_back(s_); }
    void restore() override {
        if (saved_.empty()) return;
        s_ = saved_.back();
        saved_.pop_back();
    }
    gfx::Transform transform() const override { return s_.t; }
    void setTransform(const gfx::Transform& t) override { s_.t = t; }
    void setPen(const gfx::Pen& p) override { s_.pen = p; }
    void setBrush(const gfx::Brush& b) override { s_.brush = b; }
    void setFont(const gfx::Font& f) override { s_.font = f; }
    const gfx::Font& font() const override { return s_.font; }
    void setAntialiasing(bool) override {}
    void clipRect(const gfx::Rect&) override {}
    void clipPath(const gfx::Path&) override {}
    void drawPath(const gfx::Path& p) override { drawn.push_back({p, s_.pen, s_.brush}); }
    void drawImage(gfx::Point, const gfx::Image&) override {}
    void drawSurface(gfx::Point, const gfx::Surface&) override {}
    const gfx::Pen& pen() const { return s_.pen; }
    const gfx::Brush& brush() const { return s_.brush; }

protected:
    void drawTextRun(gfx::Point at, std::string_view s) override { runs.push_back({at, std::string(s)}); }

private:
    struct State {
        gfx::Transform t;
        gfx::Pen pen;
        gfx::Brush brush;
        gfx::Font font;
    } s_;
    std::vector<State> saved_;
};

TEST(Canvas, LinesAreNeverFilledAndFillsHaveNoOutlineAndTheStateIsKept) {
    RecordingCanvas c;
    const gfx::Pen pen(gfx::Color(10, 20, 30), 2.5, gfx::Cap::Round);
    const gfx::Brush brush(gfx::Color(200, 0, 0));
    c.setPen(pen);
    c.setBrush(brush);
    c.drawLine(1, 2, 3, 4);
    c.drawPolyline({{0, 0}, {5, 0}, {5, 5}});
    c.fillRect({0, 0, 4, 4}, gfx::Color(0, 0, 255));
    c.drawRect({1, 1, 2, 2});
    c.drawPolygon({{0, 0}, {4, 0}, {0, 4}}, gfx::FillRule::Winding);
    c.drawPolyline({{1, 1}});  // a single point draws nothing
    c.drawPolygon({});
    ASSERT_EQ(c.drawn.size(), 5u);
    EXPECT_TRUE(c.drawn[0].brush.isNone());
    EXPECT_EQ(c.drawn[0].pen, pen);
    EXPECT_TRUE(c.drawn[1].brush.isNone());
    EXPECT_EQ(c.drawn[1].path.elements().back().op, gfx::Path::Op::Line);  // open, not closed
    EXPECT_TRUE(c.drawn[2].pen.isNone());
    EXPECT_EQ(c.drawn[2].brush, gfx::Brush(gfx::Color(0, 0, 255)));
    EXPECT_EQ(c.drawn[3].pen, pen);
    EXPECT_EQ(c.drawn[3].brush, brush);
    EXPECT_EQ(c.drawn[4].path.fillRule(), gfx::FillRule::Winding);
    EXPECT_EQ(c.drawn[4].path.elements().back().op, gfx::Path::Op::Close);
    EXPECT_EQ(c.pen(), pen);
    EXPECT_EQ(c.brush(), brush);
    // A restore with nothing saved leaves the state alone.
    c.restore();
    EXPECT_EQ(c.pen(), pen);
}

TEST(Canvas, TransformStepsApplyInThePaintersOrder) {
    RecordingCanvas c;
    c.translate(10, 0);
    c.rotate(90);
    c.scale(2, 3);
    // The last step acts first on a point: (1, 1) -> (2, 3) -> (-3, 2) -> (7, 2).
    const gfx::Point p = c.transform().map({1, 1});
    EXPECT_DOUBLE_EQ(p.x, 7);
    EXPECT_DOUBLE_EQ(p.y, 2);
    {
        gfx::SavedState keep(c);
        c.setTransform({});
    }
    EXPECT_DOUBLE_EQ(c.transform().map({1, 1}).x, 7);
}

TEST(Canvas, LetterSpacedTextIsPlacedLetterByLetterAtThePenPositions) {
    RecordingCanvas c;
    c.setFont(gfx::Font{22, true, 0.6});
    c.drawText(gfx::Point{5, 30}, "Vé!");
    ASSERT_EQ(c.runs.size(), 3u);
    std::vector<double> pos;
    gfx::FontMetrics(c.font()).penPositions("Vé!", pos);
    EXPECT_EQ(c.runs[1].text, "é");  // a character of two bytes stays whole
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(c.runs[i].at.x, 5 + pos[i]);
        EXPECT_DOUBLE_EQ(c.runs[i].at.y, 30);
    }
    c.runs.clear();
    c.setFont(gfx::Font{12, false, 0});
    c.drawText(gfx::Rect{0, 0, 100, 20}, gfx::AlignCenter, "Vé!");  // unspaced text is one run
    c.drawText(gfx::Point{0, 0}, "");
    ASSERT_EQ(c.runs.size(), 1u);
    EXPECT_EQ(c.runs[0].text, "Vé!");
}

TEST(Gradient, StopsStaySortedAndAPlaceOutsideTheRampIsRefused) {
    gfx::LinearGradient g({0, 0}, {1, 0});
    g.setColorAt(1, gfx::kWhite);
    g.setColorAt(0, gfx::kBlack);
    g.setColorAt(0.5, gfx::Color(255, 0, 0));
    g.setColorAt(0.5, gfx::Color(0, 255, 0));  // the same place: replaced
    g.setColorAt(1.5, gfx::Color(1, 2, 3));
    g.setColorAt(-0.1, gfx::Color(1, 2, 3));
    g.setColorAt(std::nan(""), gfx::Color(1, 2, 3));
    ASSERT_EQ(g.stops.size(), 3u);
    EXPECT_EQ(g.stops[0], (gfx::GradientStop{0, gfx::kBlack}));
    EXPECT_EQ(g.stops[1], (gfx::GradientStop{0.5, gfx::Color(0, 255, 0)}));
    EXPECT_EQ(g.stops[2], (gfx::GradientStop{1, gfx::kWhite}));
}

}  // namespace
