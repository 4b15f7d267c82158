#include "art/IconArt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gfx/Canvas.h"

namespace art {
namespace {

// The full drawing lives in a 64 x 64 design square: the instrument's body, the dark bezel,
// the screen of 10 by 8 divisions of 3.5 units, two knobs and the power lamp on the right.
constexpr gfx::Rect kBody(2, 11, 60, 42);
constexpr gfx::Rect kBezel(5.5, 14.5, 41.5, 35);
constexpr gfx::Rect kScreen(8.5, 18, 35, 28);
constexpr gfx::Point kKnobs[2] = {{54.5, 23.5}, {54.5, 37}};
constexpr double kKnobRadius = 4.5;
constexpr gfx::Point kLamp{54.5, 48};
constexpr double kLampRadius = 1.8;

// Below 32 px: a 16 x 16 design square with the bezel as the body and the screen inset 2 units.
constexpr gfx::Rect kSmallBody(0, 2, 16, 12);
constexpr gfx::Rect kSmallScreen(2, 4, 12, 8);

constexpr gfx::Color kTeal(0, 127, 127);
constexpr gfx::Color kTrace(0, 255, 0);
constexpr gfx::Color kGrid(150, 215, 215);

// A design rectangle scaled by s with its edges on whole pixels, so the icon is sharp.
gfx::Rect snapped(const gfx::Rect& r, double s) {
    const double l = std::round(r.left() * s), t = std::round(r.top() * s);
    return {l, t, std::round(r.right() * s) - l, std::round(r.bottom() * s) - t};
}

// The charge u = E (1 - exp(-t / RC)) over five time constants, from the screen's lower part
// up towards its top: the curve the student records in storage mode.
gfx::Polygon chargeCurve(const gfx::Rect& screen, int points) {
    const double y0 = screen.bottom() - 0.18 * screen.height(), y1 = screen.top() + 0.2 * screen.height();
    gfx::Polygon curve;
    for (int i = 0; i <= points; ++i) {
        const double t = static_cast<double>(i) / points;
        curve.push_back({screen.left() + t * screen.width(), y0 - (1 - std::exp(-5 * t)) * (y0 - y1)});
    }
    return curve;
}

void paintTrace(gfx::Canvas& p, const gfx::Rect& screen, double width, bool glow) {
    const gfx::SavedState saved(p);
    p.clipRect(screen);
    p.setBrush(gfx::Brush::none());
    const gfx::Polygon curve = chargeCurve(screen, 48);
    if (glow) {
        p.setPen(gfx::Pen(gfx::Color(0, 255, 0, 70), width * 3, gfx::Cap::Round, gfx::Join::Round));
        p.drawPolyline(curve);
    }
    p.setPen(gfx::Pen(kTrace, width, gfx::Cap::Round, gfx::Join::Round));
    p.drawPolyline(curve);
}

// The graticule on pixel centres: every division, or only the two axes at small sizes.
void paintGraticule(gfx::Canvas& p, const gfx::Rect& screen, bool divisions) {
    for (int i = 1; i < 10; ++i) {
        if (!divisions && i != 5) continue;
        const double x = std::floor(screen.left() + i * screen.width() / 10) + 0.5;
        p.setPen(gfx::Pen(kGrid.withAlpha(i == 5 ? 170 : 90), 1.0));
        p.drawLine({x, screen.top()}, {x, screen.bottom()});
    }
    for (int i = 1; i < 8; ++i) {
        if (!divisions && i != 4) continue;
        const double y = std::floor(screen.top() + i * screen.height() / 8) + 0.5;
        p.setPen(gfx::Pen(kGrid.withAlpha(i == 4 ? 170 : 90), 1.0));
        p.drawLine({screen.left(), y}, {screen.right(), y});
    }
}

void paintKnob(gfx::Canvas& p, gfx::Point c, double r) {
    gfx::RadialGradient g(c - gfx::Point{r * 0.35, r * 0.4}, r * 1.4);
    g.setColorAt(0.0, gfx::Color(96, 98, 104));
    g.setColorAt(0.5, gfx::Color(30, 31, 34));
    g.setColorAt(1.0, gfx::Color(6, 6, 7));
    p.setPen(gfx::Pen::none());
    p.setBrush(gfx::Color(0, 0, 0, 60));
    p.drawEllipse(c + gfx::Point{0, r * 0.15}, r * 1.05, r * 1.05);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(gfx::Pen(gfx::Color(240, 240, 240), std::max(1.0, r * 0.18), gfx::Cap::Round));
    p.drawLine(c, c + gfx::Point{-r * 0.55, -r * 0.6});
}

void paintLamp(gfx::Canvas& p, gfx::Point c, double r) {
    gfx::RadialGradient g(c - gfx::Point{r * 0.3, r * 0.3}, r * 1.2);
    g.setColorAt(0.0, gfx::Color(255, 190, 170));
    g.setColorAt(0.45, gfx::Color(235, 40, 30));
    g.setColorAt(1.0, gfx::Color(120, 10, 8));
    p.setPen(gfx::Pen::none());
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void paintFull(gfx::Canvas& p, int px) {
    const double s = px / 64.0;
    const bool detailed = px >= 48;   // glow, glass shading, shadow
    const bool divisions = px >= 64;  // a graticule line at least every 3.5 px
    const gfx::Rect body = snapped(kBody, s), bezel = snapped(kBezel, s), screen = snapped(kScreen, s);
    gfx::LinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0.0, gfx::Color(236, 238, 240));
    metal.setColorAt(1.0, gfx::Color(150, 156, 164));
    const double edge = std::max(1.0, std::round(s));
    p.setPen(gfx::Pen::none());
    p.setBrush(gfx::Color(0, 0, 0, 50));
    if (detailed) p.drawRoundedRect(body.translated(0, edge), 5 * s, 5 * s);
    p.setPen(gfx::Pen(gfx::Color(60, 64, 70), edge));
    p.setBrush(metal);
    p.drawRoundedRect(body.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), 5 * s, 5 * s);

    gfx::LinearGradient dark(bezel.topLeft(), bezel.bottomRight());
    dark.setColorAt(0.0, gfx::Color(58, 60, 64));
    dark.setColorAt(0.5, gfx::Color(22, 23, 25));
    dark.setColorAt(1.0, gfx::Color(8, 8, 9));
    p.setPen(gfx::Pen::none());
    p.setBrush(dark);
    p.drawRoundedRect(bezel, 3.5 * s, 3.5 * s);

    gfx::RadialGradient glass(screen.center(), screen.width() * 0.7);
    glass.setColorAt(0.0, gfx::Color(0, 142, 142));
    glass.setColorAt(1.0, gfx::Color(0, 102, 102));
    p.setBrush(detailed ? gfx::Brush(glass) : gfx::Brush(kTeal));
    p.drawRect(screen);
    paintGraticule(p, screen, divisions);
    paintTrace(p, screen, std::max(1.5, px / 30.0), detailed);

    for (gfx::Point c : kKnobs) paintKnob(p, c * s, kKnobRadius * s);
    paintLamp(p, kLamp * s, kLampRadius * s);
}

void paintSmall(gfx::Canvas& p, int px) {
    const double k = px / 16.0;
    const gfx::Rect body = snapped(kSmallBody, k), screen = snapped(kSmallScreen, k);
    p.setPen(gfx::Pen::none());
    p.setBrush(gfx::Color(30, 32, 36));
    p.drawRoundedRect(body, 2 * k, 2 * k);
    p.setBrush(kTeal);
    p.drawRect(screen);
    paintTrace(p, screen, std::max(1.5, px / 12.0), false);
}

// A number as SVG writes it: up to five significant digits (a half rounded away from zero), no
// trailing zeros, a point as the decimal separator whatever the process's locale.
std::string svgNumber(double v) {
    if (v == 0 || !std::isfinite(v)) return "0";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(v));  // d.dddddddddddddddde[+-]xx
    std::string digits;
    for (const char* ch = buf; *ch && *ch != 'e' && *ch != 'E'; ++ch)
        if (*ch >= '0' && *ch <= '9') digits += *ch;
    int exponent = std::atoi(std::strchr(buf, 'e') ? std::strchr(buf, 'e') + 1 : "0");
    std::string kept = digits.substr(0, 5);
    if (digits[5] >= '5') {  // round the fifth digit up, carrying
        int i = 4;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
    while (kept.size() > 1 && kept.back() == '0') kept.pop_back();
    std::string out = v < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 5) {  // d.ddde+xx, as a C library writes %g
        out += kept.substr(0, 1);
        if (kept.size() > 1) out += "." + kept.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + e;
    }
    if (exponent < 0) return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + kept;
    const auto point = static_cast<size_t>(exponent + 1);
    if (kept.size() <= point) return out + kept + std::string(point - kept.size(), '0');
    return out + kept.substr(0, point) + "." + kept.substr(point);
}

std::string svgRect(const gfx::Rect& r, double radius, const std::string& fill,
                    const std::string& extra = {}) {
    return "  <rect x=\"" + svgNumber(r.x) + "\" y=\"" + svgNumber(r.y) + "\" width=\"" + svgNumber(r.w) +
           "\" height=\"" + svgNumber(r.h) + "\" rx=\"" + svgNumber(radius) + "\" fill=\"" + fill + "\"" +
           extra + "/>\n";
}

std::string svgKnob(gfx::Point c, double r) {
    const gfx::Point tip = c + gfx::Point{-r * 0.55, -r * 0.6};
    const std::string cx = svgNumber(c.x), cy = svgNumber(c.y);
    return "  <circle cx=\"" + cx + "\" cy=\"" + cy + "\" r=\"" + svgNumber(r) +
           "\" fill=\"url(#knob)\"/>\n"
           "  <line x1=\"" +
           cx + "\" y1=\"" + cy + "\" x2=\"" + svgNumber(tip.x) + "\" y2=\"" + svgNumber(tip.y) +
           "\" stroke=\"#f0f0f0\" stroke-width=\"0.8\" stroke-linecap=\"round\"/>\n";
}

std::string hexColour(gfx::Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

std::string svgGraticule() {
    std::string path;
    for (int i = 1; i < 10; ++i) {
        const double x = kScreen.left() + i * kScreen.width() / 10;
        path += "M" + svgNumber(x) + " " + svgNumber(kScreen.top()) + "V" + svgNumber(kScreen.bottom());
    }
    for (int i = 1; i < 8; ++i) {
        const double y = kScreen.top() + i * kScreen.height() / 8;
        path += "M" + svgNumber(kScreen.left()) + " " + svgNumber(y) + "H" + svgNumber(kScreen.right());
    }
    return "  <path d=\"" + path + "\" stroke=\"" + hexColour(kGrid) +
           "\" stroke-opacity=\"0.4\" stroke-width=\"0.3\"/>\n";
}

std::string svgTrace() {
    std::string points;
    for (gfx::Point q : chargeCurve(kScreen, 48)) {
        if (!points.empty()) points += ' ';
        points += svgNumber(q.x) + ',' + svgNumber(q.y);
    }
    auto line = [&](const char* width, const char* extra) {
        return "  <polyline points=\"" + points + "\" fill=\"none\" stroke=\"#00ff00\" stroke-width=\"" +
               width + "\"" + extra +
               " stroke-linecap=\"round\" stroke-linejoin=\"round\" clip-path=\"url(#screen)\"/>\n";
    };
    return line("6", " stroke-opacity=\"0.27\"") + line("2", "");
}

}  // namespace

void paintAppIcon(gfx::Canvas& p, int px) {
    if (px < 1) return;
    const gfx::SavedState saved(p);
    p.setAntialiasing(true);
    if (px < 32)
        paintSmall(p, px);
    else
        paintFull(p, px);
}

std::string appIconSvg() {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"metal\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        "<stop offset=\"0\" stop-color=\"#eceef0\"/><stop offset=\"1\" "
        "stop-color=\"#969ca4\"/></linearGradient>\n"
        "    <linearGradient id=\"bezel\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
        "<stop offset=\"0\" stop-color=\"#3a3c40\"/><stop offset=\"0.5\" stop-color=\"#161719\"/>"
        "<stop offset=\"1\" stop-color=\"#080809\"/></linearGradient>\n"
        "    <radialGradient id=\"glass\"><stop offset=\"0\" stop-color=\"#008e8e\"/>"
        "<stop offset=\"1\" stop-color=\"#006666\"/></radialGradient>\n"
        "    <radialGradient id=\"knob\" cx=\"0.32\" cy=\"0.3\" r=\"0.75\"><stop offset=\"0\" "
        "stop-color=\"#606268\"/>"
        "<stop offset=\"0.5\" stop-color=\"#1e1f22\"/><stop offset=\"1\" "
        "stop-color=\"#060607\"/></radialGradient>\n"
        "    <radialGradient id=\"lamp\" cx=\"0.35\" cy=\"0.35\"><stop offset=\"0\" "
        "stop-color=\"#ffbeaa\"/>"
        "<stop offset=\"0.45\" stop-color=\"#eb281e\"/><stop offset=\"1\" "
        "stop-color=\"#780a08\"/></radialGradient>\n"
        "    <clipPath id=\"screen\"><rect x=\"" +
        svgNumber(kScreen.x) + "\" y=\"" + svgNumber(kScreen.y) + "\" width=\"" + svgNumber(kScreen.w) +
        "\" height=\"" + svgNumber(kScreen.h) +
        "\"/></clipPath>\n"
        "  </defs>\n";
    svg += svgRect(kBody.translated(0, 1), 5, "#000000", " fill-opacity=\"0.2\"");
    svg += svgRect(kBody.adjusted(0.5, 0.5, -0.5, -0.5), 5, "url(#metal)", " stroke=\"#3c4046\"");
    svg += svgRect(kBezel, 3.5, "url(#bezel)");
    svg += svgRect(kScreen, 0, "url(#glass)");
    svg += svgGraticule() + svgTrace();
    for (gfx::Point c : kKnobs) svg += svgKnob(c, kKnobRadius);
    svg += "  <circle cx=\"" + svgNumber(kLamp.x) + "\" cy=\"" + svgNumber(kLamp.y) + "\" r=\"" +
           svgNumber(kLampRadius) + "\" fill=\"url(#lamp)\"/>\n";
    svg += "</svg>\n";
    return svg;
}

}  // namespace art
