// The oscilloscope's front panel (ImageList1 picture 1) and its screen graticule (picture 2).
//
// The panel carries everything that does not move: the case, the finish, the screen bezel, the
// name plate, the engraved fields and captions, and the recesses and rings that the control
// pictures sit in. Every position below is in panel pixels and follows the window's control
// layout (twips / 15): captions stand where the knobs, buttons and sockets are laid on top.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "art/ArtLists.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWidth = 788;
constexpr double kHeight = 503;

const QColor kPanel(203, 206, 208);
const QColor kInk(28, 30, 34);
const QColor kTabInk(240, 242, 244);
const QColor kTab(52, 60, 72);

// ---- the finish ---------------------------------------------------------------------------

// A fixed pseudo-random value in 0..255 for streak i: the brushing looks irregular but every
// painting is the same.
int streak(int i) {
    std::uint32_t h = static_cast<std::uint32_t>(i) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return static_cast<int>(h & 0xFFu);
}

void paintCase(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 50, 56));
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
    const QRectF front(3, 3, kWidth - 6, kHeight - 6);
    QLinearGradient g(front.topLeft(), front.bottomLeft());
    g.setColorAt(0.0, kPanel.lighter(104));
    g.setColorAt(1.0, kPanel.darker(104));
    p.setBrush(g);
    p.drawRoundedRect(front, 4, 4);
    // Fine horizontal brushing.
    for (int y = 4; y < kHeight - 4; ++y) {
        const int v = streak(y);
        const QColor c = v < 128 ? QColor(255, 255, 255, v / 14) : QColor(0, 0, 0, (v - 128) / 20);
        p.setPen(QPen(c, 1.0));
        p.drawLine(QPointF(4, y + 0.5), QPointF(kWidth - 4, y + 0.5));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 140), 1.0));
    p.drawLine(QPointF(5, 3.5), QPointF(kWidth - 5, 3.5));
    p.drawLine(QPointF(3.5, 5), QPointF(3.5, kHeight - 5));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    p.drawLine(QPointF(5, kHeight - 3.5), QPointF(kWidth - 5, kHeight - 3.5));
    p.drawLine(QPointF(kWidth - 3.5, 5), QPointF(kWidth - 3.5, kHeight - 5));
}

// A slotted screw head at c, the slot turned by slotDeg.
void paintScrew(QPainter& p, QPointF c, double r, double slotDeg) {
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.5), r * 1.8);
    g.setColorAt(0.0, QColor(236, 238, 240));
    g.setColorAt(0.6, QColor(140, 144, 150));
    g.setColorAt(1.0, QColor(80, 84, 90));
    p.setPen(QPen(QColor(40, 42, 46), 0.7));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    const double a = slotDeg * kPi / 180.0;
    const QPointF d(std::cos(a) * r * 0.8, std::sin(a) * r * 0.8);
    p.setPen(QPen(QColor(40, 42, 46), std::max(0.9, r * 0.3), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c - d, c + d);
}

struct Screw {
    QPointF at;
    double radius;
    double slotDeg;
};

const Screw kScrews[] = {
    {{13, 13}, 4.2, 30}, {{775, 13}, 4.2, 75},  {{13, 490}, 4.2, 120}, {{775, 490}, 4.2, 10},
    {{38, 37}, 2.6, 45}, {{443, 37}, 2.6, 100}, {{38, 348}, 2.6, 160}, {{443, 348}, 2.6, 20},
    {{36, 16}, 2.0, 60}, {{445, 16}, 2.0, 140},
};

// ---- screen bezel and name plate ----------------------------------------------------------

// The white screen area that the screen container covers.
const QRectF kScreen(44, 43, 393, 299);

void paintBezel(QPainter& p) {
    const QRectF outer(31, 30, 419, 325);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(outer.translated(1.5, 2), 9, 9);
    QLinearGradient g(outer.topLeft(), outer.bottomRight());
    g.setColorAt(0.0, QColor(58, 60, 64));
    g.setColorAt(0.5, QColor(22, 23, 25));
    g.setColorAt(1.0, QColor(8, 8, 9));
    p.setPen(QPen(QColor(4, 4, 5), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(outer, 9, 9);
    // The chamfer down to the screen: lit at the bottom, in shade at the top.
    const QRectF lip = kScreen.adjusted(-4, -4, 4, 4);
    QLinearGradient chamfer(lip.topLeft(), lip.bottomLeft());
    chamfer.setColorAt(0.0, QColor(4, 4, 5));
    chamfer.setColorAt(1.0, QColor(70, 72, 76));
    p.setPen(Qt::NoPen);
    p.setBrush(chamfer);
    p.drawRoundedRect(lip, 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(kScreen);
}

void paintNamePlate(QPainter& p) {
    const QRectF plate(31, 8, 419, 17);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0.0, QColor(74, 80, 90));
    g.setColorAt(1.0, QColor(38, 42, 50));
    p.setPen(QPen(QColor(20, 22, 26), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(plate, 2.5, 2.5);
    QFont name("Liberation Sans");
    name.setPixelSize(13);
    name.setBold(true);
    name.setItalic(true);
    p.setFont(name);
    p.setPen(QColor(222, 226, 232));
    p.drawText(QRectF(44, 8, 150, 17), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vorlinde"));
    QFont line("Liberation Sans");
    line.setPixelSize(8);
    line.setBold(true);
    line.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.setFont(line);
    p.setPen(QColor(196, 202, 210));
    p.drawText(QRectF(150, 8, 284, 17), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8("OSCILLOSCOPE À MÉMOIRE 2 VOIES"));
}

// ---- engraved fields ----------------------------------------------------------------------

struct Field {
    QPointF corners[6];
    int count;
    const char* title;  // printed in a tab across the top edge, or nullptr
    double titleX;
};

const Field kFields[] = {
    {{{462, 20}, {768, 20}, {768, 112}, {462, 112}}, 4, nullptr, 0},
    {{{462, 118}, {604, 118}, {604, 306}, {548, 306}, {548, 356}, {462, 356}}, 6, "CH1 (X)", 533.5},
    {{{608, 118}, {768, 118}, {768, 356}, {664, 356}, {664, 306}, {608, 306}}, 6, "CH2 (Y)", 678.5},
    {{{36, 366}, {180, 366}, {180, 494}, {36, 494}}, 4, "POWER", 72},
    {{{188, 366}, {302, 366}, {302, 494}, {188, 494}}, 4, "STORAGE", 245},
    {{{310, 366}, {446, 366}, {446, 494}, {310, 494}}, 4, "MODE", 378},
};

// An engraved line: a dark groove with a lit edge below and to the right.
void paintEngraved(QPainter& p, const QPolygonF& poly) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.drawPolygon(poly.translated(1, 1));
    p.setPen(QPen(QColor(60, 64, 70, 200), 1.0));
    p.drawPolygon(poly);
}

QFont captionFont(int px, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// A dark tab with light lettering centred on (x, y).
void paintTab(QPainter& p, QPointF at, const QString& text) {
    const QFont f = captionFont(8, true);
    const double w = QFontMetricsF(f).horizontalAdvance(text) + 10;
    const QRectF r(at.x() - w / 2, at.y() - 5.5, w, 11);
    p.setPen(QPen(QColor(20, 24, 30), 0.8));
    p.setBrush(kTab);
    p.drawRoundedRect(r, 2, 2);
    p.setFont(f);
    p.setPen(kTabInk);
    p.drawText(r, Qt::AlignCenter, text);
}

void paintFields(QPainter& p) {
    for (const Field& f : kFields) {
        QPolygonF poly;
        for (int i = 0; i < f.count; ++i) poly << f.corners[i] + QPointF(0.5, 0.5);
        paintEngraved(p, poly);
        if (f.title) paintTab(p, {f.titleX, f.corners[0].y() + 0.5}, QString::fromUtf8(f.title));
    }
    paintTab(p, {606.3, 319}, QStringLiteral("T/DIV."));
}

// ---- control surrounds --------------------------------------------------------------------

// The control pictures the panel gives a dark recess or a ring: left and top in twips, as the
// window lays the controls out (15 twips to a pixel), sizes in pixels.
constexpr double kTwip = 1.0 / 15.0;

struct Recess {
    double leftTw;
    double topTw;
    double width;
    double height;
    double margin;  // how far the recess shows around the picture
    double radius;
};

const Recess kRecesses[] = {
    // Power rocker.
    {735, 5715, 46, 27, 2, 4},
    // Coupling columns of CH1 and CH2 (three 12 x 12 positions each).
    {7515, 4695, 12, 36, 1.5, 1.5},
    {10800, 4695, 12, 36, 1.5, 1.5},
    // Push buttons: STOR, Trig, RESET, BOTH, CH2 INVERT, X-Y, CH1, CH2.
    {3035, 6130, 18, 19, 1.5, 2.5},
    {3840, 6130, 18, 19, 1.5, 2.5},
    {3840, 6690, 18, 19, 1.5, 2.5},
    {4890, 6130, 18, 19, 1.5, 2.5},
    {6240, 6130, 18, 19, 1.5, 2.5},
    {5025, 6690, 18, 19, 1.5, 2.5},
    {5565, 6690, 18, 19, 1.5, 2.5},
    {6090, 6690, 18, 19, 1.5, 2.5},
};

QRectF recessRect(const Recess& r) {
    return {r.leftTw * kTwip - r.margin, r.topTw * kTwip - r.margin, r.width + 2 * r.margin,
            r.height + 2 * r.margin};
}

struct Ring {
    double leftTw;
    double topTw;
    QPointF centre;  // within the picture the ring goes round
    double radius;
    bool chrome;  // a lamp's bezel; otherwise the shallow well of a small knob
};

const Ring kRings[] = {
    // Lamps: power (8 x 8), STOR and armed (10 x 11).
    {2055, 5865, {4, 4}, 6.2, true},
    {3350, 6180, {5, 5.5}, 7.4, true},
    {4155, 6730, {5, 5.5}, 7.4, true},
    // Small knobs: INTENSITY, FOCUS, the three POSITION knobs.
    {810, 6375, {20, 20.5}, 18.5, false},
    {1830, 6375, {20, 20.5}, 18.5, false},
    {7460, 780, {20, 20.5}, 18.5, false},
    {8830, 780, {20, 20.5}, 18.5, false},
    {10190, 780, {20, 20.5}, 18.5, false},
};

void paintRecesses(QPainter& p) {
    for (const Recess& r : kRecesses) {
        const QRectF rect = recessRect(r);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(rect.translated(0.6, 0.6), r.radius, r.radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 26, 30));
        p.drawRoundedRect(rect, r.radius, r.radius);
    }
}

void paintRings(QPainter& p) {
    for (const Ring& r : kRings) {
        const QPointF c = QPointF(r.leftTw * kTwip, r.topTw * kTwip) + r.centre;
        if (r.chrome) {
            QLinearGradient g(c - QPointF(r.radius, r.radius), c + QPointF(r.radius, r.radius));
            g.setColorAt(0.0, QColor(250, 250, 252));
            g.setColorAt(1.0, QColor(96, 100, 106));
            p.setPen(QPen(QColor(50, 52, 56), 0.7));
            p.setBrush(g);
            p.drawEllipse(c, r.radius, r.radius);
            p.setBrush(QColor(20, 20, 22));
            p.drawEllipse(c, r.radius - 1.8, r.radius - 1.8);
            continue;
        }
        QRadialGradient g(c, r.radius);
        g.setColorAt(0.80, QColor(0, 0, 0, 0));
        g.setColorAt(0.93, QColor(0, 0, 0, 50));
        g.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r.radius, r.radius);
    }
}

// ---- captions -----------------------------------------------------------------------------

struct Caption {
    double x;  // centre, or the right edge (right-aligned) or left edge (left-aligned)
    double y;  // vertical centre
    const char* text;
    int px;
    bool bold;
    int align;  // -1 right-aligned to x, 0 centred on x, 1 left-aligned from x
};

const Caption kCaptions[] = {
    // POSITION knobs: CH1 vertical, horizontal, CH2 vertical.
    {517.3, 42, "POSITION", 8, true, 0},
    {608.7, 42, "POSITION", 8, true, 0},
    {699.3, 42, "POSITION", 8, true, 0},
    {517.3, 102, "CH1", 8, true, 0},
    {699.3, 102, "CH2", 8, true, 0},
    // VOLTS/DIV selectors, with the units at each end of the dials.
    {533.5, 150, "VOLTS/DIV.", 9, true, 0},
    {678.5, 150, "VOLTS/DIV.", 9, true, 0},
    {504, 268, "V", 9, true, 0},
    {563, 268, "mV", 9, true, 0},
    {649, 268, "V", 9, true, 0},
    {708, 268, "mV", 9, true, 0},
    // Coupling: CH1 labels on the left of its column, CH2 on the right of its own.
    {497, 319, "AC", 8, true, -1},
    {497, 331, "DC", 8, true, -1},
    {497, 343, "GND", 8, true, -1},
    {736, 319, "AC", 8, true, 1},
    {736, 331, "DC", 8, true, 1},
    {736, 343, "GND", 8, true, 1},
    // T/DIV units.
    {581, 450, "ms", 9, true, 0},
    {632, 450, "µs", 9, true, 0},
    // Inputs.
    {497.5, 372, "1 MΩ  30 pF", 7, false, 0},
    {497.5, 384, "CH1 INPUT", 8, true, 0},
    {716.5, 372, "1 MΩ  30 pF", 7, false, 0},
    {716.5, 384, "CH2 INPUT", 8, true, 0},
    // POWER field.
    {141, 383, "ON", 7, true, 0},
    {74, 418, "INTENSITY", 8, true, 0},
    {142, 418, "FOCUS", 8, true, 0},
    // STORAGE field.
    {211.3, 400, "STOR", 8, true, 0},
    {265, 400, "Trig", 8, true, 0},
    {281, 413, "+", 10, true, 0},
    {281, 424, "−", 10, true, 0},
    {265, 437, "RESET", 8, true, 0},
    // MODE field.
    {335, 400, "BOTH", 8, true, 0},
    {425, 389, "CH2", 8, true, 0},
    {425, 400, "INVERT", 8, true, 0},
    {344, 437, "X-Y", 8, true, 0},
    {380, 437, "CH1", 8, true, 0},
    {415, 437, "CH2", 8, true, 0},
};

void paintCaptions(QPainter& p) {
    p.setPen(kInk);
    for (const Caption& c : kCaptions) {
        p.setFont(captionFont(c.px, c.bold));
        const double w = 120;
        const double left = c.align < 0 ? c.x - w : c.align > 0 ? c.x : c.x - w / 2;
        const int h = c.align < 0 ? Qt::AlignRight : c.align > 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        p.drawText(QRectF(left, c.y - c.px, w, 2 * c.px), h | Qt::AlignVCenter, QString::fromUtf8(c.text));
    }
}

// Double-headed arrows marking the direction each POSITION knob moves the trace.
struct Arrow {
    QPointF from;
    QPointF to;
};

const Arrow kArrows[] = {
    {{487, 62}, {487, 84}},    // CH1 vertical
    {{596, 101}, {621, 101}},  // horizontal
    {{730, 62}, {730, 84}},    // CH2 vertical
};

void paintArrowHead(QPainter& p, QPointF tip, QPointF dir) {
    const QPointF side(-dir.y(), dir.x());
    p.drawPolygon(QPolygonF({tip, tip - dir * 4.5 + side * 2.6, tip - dir * 4.5 - side * 2.6}));
}

void paintArrows(QPainter& p) {
    for (const Arrow& a : kArrows) {
        const QPointF d = a.to - a.from;
        const QPointF unit = d / std::hypot(d.x(), d.y());
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(a.from + unit * 3, a.to - unit * 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        paintArrowHead(p, a.to, unit);
        paintArrowHead(p, a.from, -unit);
    }
}

void paintPanel(QPainter& p) {
    paintCase(p);
    paintNamePlate(p);
    paintBezel(p);
    paintFields(p);
    paintRecesses(p);
    paintRings(p);
    paintCaptions(p);
    paintArrows(p);
    for (const Screw& s : kScrews) paintScrew(p, s.at, s.radius, s.slotDeg);
}

// ---- graticule ----------------------------------------------------------------------------

const QColor kScreenTeal(0, 127, 127);
const QColor kGridLine(90, 180, 180);
constexpr int kGratW = 373;
constexpr int kGratH = 283;

// The pixel column (row) of grid line i out of `divisions` across `size` pixels.
double gridLine(int i, int divisions, int size) {
    return std::min(std::floor(static_cast<double>(i) * size / divisions), size - 1.0) + 0.5;
}

void paintGraticule(QPainter& p) {
    p.fillRect(QRectF(0, 0, kGratW, kGratH), kScreenTeal);
    p.setPen(QPen(kGridLine, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i <= 10; ++i) {
        const double x = gridLine(i, 10, kGratW);
        p.drawLine(QPointF(x, 0), QPointF(x, kGratH));
    }
    for (int j = 0; j <= 8; ++j) {
        const double y = gridLine(j, 8, kGratH);
        p.drawLine(QPointF(0, y), QPointF(kGratW, y));
    }
    // Five sub-divisions on each centre axis.
    const double cx = gridLine(5, 10, kGratW);
    const double cy = gridLine(4, 8, kGratH);
    for (int k = 1; k < 50; ++k) {
        const double x = k * static_cast<double>(kGratW) / 50;
        p.drawLine(QPointF(x, cy - 3), QPointF(x, cy + 3));
    }
    for (int k = 1; k < 40; ++k) {
        const double y = k * static_cast<double>(kGratH) / 40;
        p.drawLine(QPointF(cx - 3, y), QPointF(cx + 3, y));
    }
}

}  // namespace

void paintImageList1(QPainter& p, int n) {
    if (n == 1)
        paintPanel(p);
    else
        paintGraticule(p);
}

}  // namespace art
