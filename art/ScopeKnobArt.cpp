// The oscilloscope's rotary knobs: the VOLTS/DIV selector (Sensivert), the TIME/DIV selector
// (Balay) and the small endless knob of the POSITION, INTENSITY and FOCUS controls (DecalDG).
// The pictures are transparent around the knob and its scale, so the panel shows through.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <span>

#include "art/ArtLists.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

const QColor kInk(28, 30, 34);
const QColor kDetentInk(214, 24, 20);

// The point at `radius` from `c`, `deg` degrees clockwise from straight up.
QPointF polar(QPointF c, double radius, double deg) {
    const double a = deg * kPi / 180.0;
    return {c.x() + radius * std::sin(a), c.y() - radius * std::cos(a)};
}

// A selector as data: where the knob sits, how big it is, and its engraved scale.
struct Selector {
    QPointF centre;
    double gripRadius;   // the fluted black grip
    double skirtRadius;  // the skirt carrying the pointer
    double tickInner;
    double tickOuter;
    double labelRadius;
    double firstDeg;  // the fully anticlockwise detent, clockwise from the top
    double stepDeg;
    int fontPx;
    std::span<const char* const> labels;
};

constexpr const char* kVoltsLabels[] = {"20", "10", "5",  "2",  "1", ".5", ".2",
                                        ".1", "50", "20", "10", "5", "2",  "1"};
constexpr const char* kTimeLabels[] = {"200", "100", "50", "20", "10", "5", "2", "1", ".5",
                                       ".2",  ".1",  "50", "20", "10", "5", "2", "1", ".5"};

// Knob centres match the hit areas laid over the pictures.
const Selector kVoltsSelector{{59.5, 62.5}, 21.0,   27.0,         30.0, 33.5,
                              42.0,         -135.0, 270.0 / 13.0, 9,    kVoltsLabels};
const Selector kTimeSelector{{65.3, 60.3}, 22.5,   29.0,         32.0, 35.5,
                             48.5,         -150.0, 300.0 / 17.0, 9,    kTimeLabels};

// A soft drop shadow under a round body, light coming from the upper left.
void paintShadow(QPainter& p, QPointF c, double radius) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 0, 0, 34 - 7 * i));
        p.drawEllipse(c + QPointF(1.2 + 0.4 * i, 2.0 + 0.5 * i), radius + 0.6 * i, radius + 0.6 * i);
    }
}

// A fluted grip outline: `flutes` scallops around `c`, turned by `turnDeg`.
QPolygonF flutedOutline(QPointF c, double radius, int flutes, double turnDeg) {
    QPolygonF poly;
    const int steps = flutes * 6;
    for (int i = 0; i < steps; ++i) {
        const double phase = std::cos(2.0 * kPi * i / 6.0);
        const double r = radius - 0.55 * (1.0 - phase);
        poly << polar(c, r, turnDeg + 360.0 * i / steps);
    }
    return poly;
}

// The black grip with its flat cap: fluted rim and a highlight from the upper left.
void paintGrip(QPainter& p, QPointF c, double radius, int flutes, double turnDeg) {
    QRadialGradient rim(c - QPointF(radius * 0.45, radius * 0.55), radius * 1.6);
    rim.setColorAt(0.0, QColor(92, 94, 98));
    rim.setColorAt(0.55, QColor(38, 39, 42));
    rim.setColorAt(1.0, QColor(10, 10, 12));
    p.setPen(QPen(QColor(6, 6, 8), 0.8));
    p.setBrush(rim);
    p.drawPolygon(flutedOutline(c, radius, flutes, turnDeg));

    const double cap = radius * 0.78;
    QRadialGradient top(c - QPointF(cap * 0.4, cap * 0.5), cap * 1.5);
    top.setColorAt(0.0, QColor(78, 80, 85));
    top.setColorAt(0.6, QColor(34, 35, 38));
    top.setColorAt(1.0, QColor(20, 20, 22));
    p.setPen(QPen(QColor(100, 102, 106, 150), 0.7));
    p.setBrush(top);
    p.drawEllipse(c, cap, cap);
}

void paintScale(QPainter& p, const Selector& s, int detent) {
    QFont f("Liberation Sans");
    f.setPixelSize(s.fontPx);
    f.setBold(true);
    p.setFont(f);
    for (int k = 1; k <= static_cast<int>(s.labels.size()); ++k) {
        const double deg = s.firstDeg + (k - 1) * s.stepDeg;
        const QColor ink = k == detent ? kDetentInk : kInk;
        p.setPen(QPen(ink, k == detent ? 1.6 : 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(polar(s.centre, s.tickInner, deg), polar(s.centre, s.tickOuter, deg));
        const QPointF at = polar(s.centre, s.labelRadius, deg);
        p.drawText(QRectF(at.x() - 12, at.y() - 6, 24, 12), Qt::AlignCenter,
                   QString::fromLatin1(s.labels[static_cast<size_t>(k - 1)]));
    }
}

// The skirt under the grip: a dark bevelled disc with a white pointer reaching the scale.
void paintSkirt(QPainter& p, const Selector& s, double deg) {
    QRadialGradient g(s.centre - QPointF(s.skirtRadius * 0.4, s.skirtRadius * 0.5), s.skirtRadius * 1.7);
    g.setColorAt(0.0, QColor(120, 123, 128));
    g.setColorAt(0.6, QColor(58, 60, 64));
    g.setColorAt(1.0, QColor(30, 31, 34));
    p.setPen(QPen(QColor(12, 12, 14), 0.8));
    p.setBrush(g);
    p.drawEllipse(s.centre, s.skirtRadius, s.skirtRadius);

    const double tip = s.skirtRadius + 1.6;
    QPolygonF arrow;
    arrow << polar(s.centre, tip, deg) << polar(s.centre, s.gripRadius, deg - 7.0)
          << polar(s.centre, s.gripRadius, deg + 7.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 246, 240));
    p.drawPolygon(arrow);
}

void paintSelector(QPainter& p, const Selector& s, int detent) {
    const double deg = s.firstDeg + (detent - 1) * s.stepDeg;
    paintScale(p, s, detent);
    paintShadow(p, s.centre, s.skirtRadius);
    paintSkirt(p, s, deg);
    paintGrip(p, s.centre, s.gripRadius, 18, deg);
    // The index line on the cap, in line with the skirt's pointer.
    p.setPen(QPen(QColor(236, 236, 230), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(polar(s.centre, s.gripRadius * 0.15, deg), polar(s.centre, s.gripRadius * 0.72, deg));
}

}  // namespace

void paintSensivert(QPainter& p, int n) {
    paintSelector(p, kVoltsSelector, n);
}

void paintBalay(QPainter& p, int n) {
    paintSelector(p, kTimeSelector, n);
}

// Picture n turns the marker (n - 1) / 52 of a turn clockwise from the bottom: 1 and 53 at the
// bottom, 14 at the left, 27 at the top, 40 at the right.
void paintDecalDG(QPainter& p, int n) {
    const QPointF c(20.0, 20.5);
    const double deg = 180.0 + 360.0 * (n - 1) / 52.0;
    paintShadow(p, c, 16.0);
    paintGrip(p, c, 16.0, 16, deg);
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.6));
    p.setBrush(QColor(250, 250, 244));
    p.drawEllipse(polar(c, 8.6, deg), 2.2, 2.2);
}

}  // namespace art
