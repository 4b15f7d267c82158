// The oscilloscope's small parts (ImageList2): push buttons, coupling slider positions, lamps,
// the input socket pair, the power rocker and the four leads plugged into the sockets.

#include <algorithm>

#include "art/ArtLists.h"
#include "gfx/Canvas.h"

namespace art {
namespace {

using gfx::Brush;
using gfx::Color;
using gfx::Pen;
using gfx::Point;
using gfx::Rect;

// 1, 2: square push button, up or pressed (18 x 19). Pressed, the cap sinks into its collar:
// smaller, darker and shaded along its upper edge.
void paintPushButton(gfx::Canvas& c, bool pressed) {
    c.setPen(Pen(Color(20, 21, 24), 1.0));
    c.setBrush(Color(40, 42, 46));
    c.drawRoundedRect(Rect(0.5, 0.5, 17, 18), 2.0, 2.0);
    const Rect cap = pressed ? Rect(2.6, 3.2, 12.8, 13.6) : Rect(1.8, 1.6, 14.4, 15.2);
    gfx::LinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0.0, pressed ? Color(120, 124, 130) : Color(240, 242, 244));
    g.setColorAt(1.0, pressed ? Color(172, 176, 181) : Color(172, 176, 182));
    c.setPen(Pen(pressed ? Color(30, 31, 34) : Color(110, 113, 118), 0.8));
    c.setBrush(g);
    c.drawRoundedRect(cap, 1.5, 1.5);
    if (pressed) {
        c.setPen(Pen(Color(0, 0, 0, 110), 1.4));
        c.drawLine(cap.topLeft() + Point{1.0, 1.0}, cap.topRight() + Point{-1.0, 1.0});
        return;
    }
    c.setPen(Pen(Color(255, 255, 255, 220), 1.0));
    c.drawLine(cap.topLeft() + Point{1.2, 1.0}, cap.topRight() + Point{-1.2, 1.0});
    c.setPen(Pen(Color(0, 0, 0, 70), 1.0));
    c.drawLine(cap.bottomLeft() + Point{1.2, -1.0}, cap.bottomRight() + Point{-1.2, -1.0});
}

// 3, 4: one position of a coupling slide switch (12 x 12): the black slider, or the empty
// light-grey slot.
void paintCouplingPosition(gfx::Canvas& c, bool selected) {
    c.setPen(Pen::none());
    c.setBrush(Color(40, 42, 46));
    c.drawRect(Rect(0, 0, 12, 12));
    if (!selected) {
        gfx::LinearGradient g({0, 0}, {0, 12});
        g.setColorAt(0.0, Color(150, 153, 158));
        g.setColorAt(1.0, Color(204, 207, 210));
        c.setBrush(g);
        c.drawRect(Rect(1.5, 1.5, 9, 9));
        return;
    }
    gfx::LinearGradient g({0, 0}, {0, 12});
    g.setColorAt(0.0, Color(64, 66, 70));
    g.setColorAt(1.0, Color(4, 4, 6));
    c.setPen(Pen(Color(0, 0, 0), 0.8));
    c.setBrush(g);
    c.drawRoundedRect(Rect(0.9, 0.9, 10.2, 10.2), 1.5, 1.5);
    c.setPen(Pen(Color(120, 122, 126), 0.8));
    for (double y : {4.0, 6.0, 8.0}) c.drawLine(3.0, y, 9.0, y);
}

struct LampColours {
    Color off;
    Color lit;
    Color glow;
};

constexpr LampColours kGreenLamp{{22, 64, 30}, {150, 255, 150}, {40, 230, 60}};
constexpr LampColours kRedLamp{{84, 18, 16}, {255, 170, 150}, {240, 30, 20}};

// 5, 6, 10, 11: a domed lamp filling its picture, off or lit.
void paintLamp(gfx::Canvas& c, gfx::Size size, const LampColours& lc, bool lit) {
    const Point centre{size.w / 2, size.h / 2};
    const double r = std::min(size.w, size.h) / 2 - 0.5;
    gfx::RadialGradient g(centre - Point{r * 0.35, r * 0.4}, r * 1.4);
    g.setColorAt(0.0, lit ? lc.lit : lc.off.lighter(190));
    g.setColorAt(0.45, lit ? lc.glow : lc.off);
    g.setColorAt(1.0, lit ? lc.glow.darker(160) : lc.off.darker(170));
    c.setPen(Pen(Color(0, 0, 0, 160), 0.7));
    c.setBrush(g);
    c.drawEllipse(centre, r, r);
    c.setPen(Pen::none());
    c.setBrush(Color(255, 255, 255, lit ? 210 : 110));
    c.drawEllipse(centre - Point{r * 0.35, r * 0.4}, r * 0.28, r * 0.22);
}

// The ground sign: a stem and three shrinking bars.
void paintGroundSign(gfx::Canvas& c, Point top) {
    c.setPen(Pen(Color(230, 232, 234), 1.1, gfx::Cap::Round));
    c.drawLine(top, top + Point{0, 5});
    for (int i = 0; i < 3; ++i) {
        const double half = 4.5 - 1.5 * i;
        const double y = top.y + 5 + 2 * i;
        c.drawLine(top.x - half, y, top.x + half, y);
    }
}

// The red input socket: a chrome bayonet ring with a red insulator and its centre contact.
void paintBayonetSocket(gfx::Canvas& c, Point at) {
    gfx::RadialGradient chrome(at - Point{4, 5}, 16);
    chrome.setColorAt(0.0, Color(250, 250, 252));
    chrome.setColorAt(0.5, Color(160, 164, 170));
    chrome.setColorAt(1.0, Color(80, 84, 90));
    c.setPen(Pen(Color(30, 30, 34), 0.8));
    c.setBrush(chrome);
    c.drawEllipse(at, 12.5, 12.5);
    c.setBrush(Color(200, 204, 210));
    for (double dx : {-11.0, 11.0}) c.drawEllipse(at + Point{dx, 0}, 2.0, 2.0);  // bayonet studs
    gfx::RadialGradient red(at - Point{2, 3}, 11);
    red.setColorAt(0.0, Color(250, 90, 80));
    red.setColorAt(1.0, Color(150, 14, 12));
    c.setBrush(red);
    c.drawEllipse(at, 8.5, 8.5);
    c.setBrush(Color(20, 20, 22));
    c.drawEllipse(at, 3.6, 3.6);
    c.setBrush(Color(210, 180, 90));
    c.drawEllipse(at, 1.5, 1.5);
}

// The black ground socket: a black insulating shroud around a 4 mm contact.
void paintBananaSocket(gfx::Canvas& c, Point at) {
    gfx::RadialGradient body(at - Point{3, 4}, 15);
    body.setColorAt(0.0, Color(110, 112, 116));
    body.setColorAt(0.5, Color(36, 37, 40));
    body.setColorAt(1.0, Color(8, 8, 10));
    c.setPen(Pen(Color(0, 0, 0), 0.8));
    c.setBrush(body);
    c.drawEllipse(at, 11.5, 11.5);
    c.setPen(Pen(Color(120, 122, 126, 160), 0.8));
    c.setBrush(Brush::none());
    c.drawEllipse(at, 7.5, 7.5);
    c.setPen(Pen::none());
    c.setBrush(Color(190, 160, 80));
    c.drawEllipse(at, 3.4, 3.4);
    c.setBrush(Color(14, 14, 16));
    c.drawEllipse(at, 2.0, 2.0);
}

// 7: the socket pair of one input (87 x 53), red on the left, black on the right, both low on
// the plate where the hit areas lie.
void paintSocketPair(gfx::Canvas& c) {
    gfx::LinearGradient plate({0, 0}, {0, 53});
    plate.setColorAt(0.0, Color(70, 74, 80));
    plate.setColorAt(1.0, Color(40, 43, 48));
    c.setPen(Pen(Color(18, 19, 22), 1.0));
    c.setBrush(plate);
    c.drawRoundedRect(Rect(0.5, 0.5, 86, 52), 4, 4);
    c.setPen(Pen(Color(255, 255, 255, 50), 1.0));
    c.drawLine(4, 1.5, 83, 1.5);
    c.setFont(gfx::Font{8, true});
    c.setPen(Pen(Color(230, 232, 234)));
    c.drawText(Rect(5, 6, 31, 10), gfx::AlignCenter, "INPUT");
    paintGroundSign(c, {71.5, 6.5});
    paintBayonetSocket(c, {20.5, 38.0});
    paintBananaSocket(c, {71.5, 37.0});
}

// 8, 9: the power rocker (46 x 27): O on the left, I on the right; the pressed half sinks.
void paintRocker(gfx::Canvas& c, bool on) {
    c.setPen(Pen(Color(10, 10, 12), 1.0));
    c.setBrush(Color(26, 27, 30));
    c.drawRoundedRect(Rect(0.5, 0.5, 45, 26), 3, 3);
    const Rect halves[2] = {Rect(3, 3, 20, 21), Rect(23, 3, 20, 21)};
    for (int i = 0; i < 2; ++i) {
        const bool sunk = (i == 1) == on;
        gfx::LinearGradient g(halves[i].topLeft(), halves[i].topRight());
        const Color hi = sunk ? Color(34, 35, 38) : Color(96, 98, 104);
        const Color lo = sunk ? Color(56, 58, 62) : Color(44, 45, 49);
        g.setColorAt(0.0, i == 0 ? lo : hi);
        g.setColorAt(1.0, i == 0 ? hi : lo);
        c.setPen(Pen::none());
        c.setBrush(g);
        c.drawRect(halves[i]);
    }
    c.setPen(Pen(Color(0, 0, 0), 1.0));
    c.drawLine(23, 3, 23, 24);
    c.setPen(Pen(Color(236, 236, 232), 1.5));
    c.setBrush(Brush::none());
    c.drawEllipse(Point{13, 13.5}, 3.4, 4.2);
    c.drawLine(33, 9, 33, 18);
}

// 12 to 15: a lead plugged into a socket. The plug's back faces the viewer at `plug`, the
// cable falls from it along a Bézier curve and leaves through the bottom edge.
struct PluggedLead {
    Point plug;
    Point c1;
    Point c2;
    Point end;
    bool red;
};

constexpr double kExit = 4.0;  // the cable ends this far below the picture
constexpr PluggedLead kLeads[] = {
    {{28.0, 11.3}, {28.0, 42.0}, {10.0, 50.0}, {9.0, 78.0 + kExit}, true},    // 12 red, CH1
    {{27.0, 13.0}, {27.0, 48.0}, {36.0, 60.0}, {33.0, 81.0 + kExit}, false},  // 13 black, CH1
    {{34.0, 11.7}, {34.0, 44.0}, {14.0, 52.0}, {12.0, 79.0 + kExit}, true},   // 14 red, CH2
    {{28.0, 13.0}, {28.0, 48.0}, {34.0, 60.0}, {30.0, 81.0 + kExit}, false},  // 15 black, CH2
};

void paintCable(gfx::Canvas& c, const PluggedLead& l, Color colour) {
    gfx::Path path(l.plug);
    path.cubicTo(l.c1, l.c2, l.end);
    c.setBrush(Brush::none());
    c.setPen(Pen(Color(0, 0, 0, 90), 7.0, gfx::Cap::Round));
    c.drawPath(path.translated(1.5, 1.0));  // shadow on the panel
    c.setPen(Pen(colour.darker(200), 6.0, gfx::Cap::Round));
    c.drawPath(path);
    c.setPen(Pen(colour, 4.4, gfx::Cap::Round));
    c.drawPath(path);
    c.setPen(Pen(colour.lighter(l.red ? 150 : 400), 1.2, gfx::Cap::Round));
    c.drawPath(path.translated(-1.0, -0.4));
}

void paintPluggedLead(gfx::Canvas& c, const PluggedLead& l) {
    const Color colour = l.red ? Color(200, 26, 22) : Color(34, 35, 38);
    paintCable(c, l, colour);
    // The moulded boot where the cable leaves the plug.
    gfx::LinearGradient boot({l.plug.x - 5, 0}, {l.plug.x + 5, 0});
    boot.setColorAt(0.0, colour.lighter(l.red ? 130 : 300));
    boot.setColorAt(1.0, colour.darker(170));
    c.setPen(Pen(colour.darker(220), 0.8));
    c.setBrush(boot);
    c.drawRoundedRect(Rect(l.plug.x - 4.5, l.plug.y, 9, 15), 3, 3);
    gfx::RadialGradient cap(l.plug - Point{3, 3.5}, 12);
    cap.setColorAt(0.0, colour.lighter(l.red ? 160 : 450));
    cap.setColorAt(0.6, colour);
    cap.setColorAt(1.0, colour.darker(190));
    c.setBrush(cap);
    c.drawEllipse(l.plug, 8.5, 8.5);
    c.setPen(Pen(colour.darker(240), 0.8));
    c.setBrush(Brush::none());
    c.drawEllipse(l.plug, 5.0, 5.0);
}

}  // namespace

void paintImageList2(gfx::Canvas& c, int n) {
    switch (n) {
        case 1:
            paintPushButton(c, false);
            break;
        case 2:
            paintPushButton(c, true);
            break;
        case 3:
            paintCouplingPosition(c, true);
            break;
        case 4:
            paintCouplingPosition(c, false);
            break;
        case 5:
            paintLamp(c, {10, 11}, kGreenLamp, false);
            break;
        case 6:
            paintLamp(c, {10, 11}, kGreenLamp, true);
            break;
        case 7:
            paintSocketPair(c);
            break;
        case 8:
            paintRocker(c, false);
            break;
        case 9:
            paintRocker(c, true);
            break;
        case 10:
            paintLamp(c, {8, 8}, kRedLamp, false);
            break;
        case 11:
            paintLamp(c, {8, 8}, kRedLamp, true);
            break;
        default:
            paintPluggedLead(c, kLeads[n - 12]);
            break;
    }
}

}  // namespace art
