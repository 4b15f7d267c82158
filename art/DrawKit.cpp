#include "art/DrawKit.h"

namespace art::kit {

void fillGranite(gfx::Canvas& c, const gfx::Path& shape, uint32_t seed, int tone) {
    const gfx::Rect br = shape.boundingRect();
    const gfx::Rect r(std::floor(br.x), std::floor(br.y), std::ceil(br.w) + 1, std::ceil(br.h) + 1);
    const gfx::SavedState saved(c);
    c.clipPath(shape);
    c.drawImage(r.topLeft(), graniteImage(r.size(), c.ratio(), seed, tone));
}

void bevel(gfx::Canvas& c, const gfx::Path& shape, double width, int lightAlpha, int shadeAlpha) {
    const gfx::Rect r = shape.boundingRect();
    gfx::LinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, gfx::Color(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, gfx::Color(255, 255, 255, 0));
    g.setColorAt(0.55, gfx::Color(0, 0, 0, 0));
    g.setColorAt(1.0, gfx::Color(0, 0, 0, shadeAlpha));
    const gfx::SavedState saved(c);
    c.clipPath(shape);
    c.setBrush(gfx::Brush::none());
    c.setPen(gfx::Pen(gfx::Brush(g), width * 2));
    c.drawPath(shape);
}

int fittingSize(std::string_view text, double width, int maxPx, bool bold) {
    for (int px = maxPx; px > 5; --px)
        if (gfx::FontMetrics(font(px, bold)).advance(text) <= width) return px;
    return 5;
}

void textAt(gfx::Canvas& c, gfx::Point at, std::string_view text, const gfx::Font& f, gfx::Color col) {
    const gfx::FontMetrics fm(f);
    const double w = fm.advance(text);
    c.setFont(f);
    c.setPen(gfx::Pen(col));
    c.drawText(gfx::Point{at.x - w / 2, at.y + fm.capHeight() / 2}, text);
}

void engraved(gfx::Canvas& c, gfx::Point at, std::string_view text, const gfx::Font& f, gfx::Color col) {
    textAt(c, at + gfx::Point{0, 0.8}, text, f, gfx::Color(255, 255, 255, 150));
    textAt(c, at, text, f, col);
}

void screw(gfx::Canvas& c, gfx::Point at, double r, double slotAngleDeg) {
    gfx::RadialGradient g(at - gfx::Point{r * 0.4, r * 0.4}, r * 1.6);
    g.setColorAt(0, gfx::Color(235, 235, 235));
    g.setColorAt(1, gfx::Color(110, 110, 115));
    c.setPen(gfx::Pen(gfx::Color(60, 60, 65), 0.6));
    c.setBrush(g);
    c.drawEllipse(at, r, r);
    const gfx::SavedState saved(c);
    c.translate(at);
    c.rotate(slotAngleDeg);
    c.setPen(gfx::Pen(gfx::Color(70, 70, 75), std::max(0.6, r * 0.28), gfx::Cap::Round));
    c.drawLine({-r * 0.6, 0}, {r * 0.6, 0});
    c.drawLine({0, -r * 0.6}, {0, r * 0.6});
}

void terminal(gfx::Canvas& c, gfx::Point at, double r, gfx::Color body) {
    c.setPen(gfx::Pen::none());
    c.setBrush(gfx::Color(0, 0, 0, 70));
    c.drawEllipse(at + gfx::Point{1.2, 1.5}, r, r);
    gfx::RadialGradient g(at - gfx::Point{r * 0.35, r * 0.4}, r * 1.3);
    g.setColorAt(0, body.lighter(170));
    g.setColorAt(0.5, body);
    g.setColorAt(1, body.darker(190));
    c.setPen(gfx::Pen(body.darker(260), 0.8));
    c.setBrush(g);
    c.drawEllipse(at, r, r);
    // Hex-like ridge and the metal hole in the middle.
    c.setPen(gfx::Pen(body.darker(150), 0.6));
    c.setBrush(gfx::Brush::none());
    c.drawEllipse(at, r * 0.68, r * 0.68);
    gfx::RadialGradient m(at - gfx::Point{r * 0.1, r * 0.1}, r * 0.4);
    m.setColorAt(0, gfx::Color(230, 225, 200));
    m.setColorAt(1, gfx::Color(120, 110, 80));
    c.setPen(gfx::Pen(gfx::Color(60, 55, 40), 0.5));
    c.setBrush(m);
    c.drawEllipse(at, r * 0.3, r * 0.3);
    c.setBrush(gfx::Color(25, 20, 15));
    c.setPen(gfx::Pen::none());
    c.drawEllipse(at, r * 0.13, r * 0.13);
}

}  // namespace art::kit
