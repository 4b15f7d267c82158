// The oscilloscope's small parts (ImageList2): push buttons, coupling slider positions, lamps,
// the input socket pair, the power rocker and the four leads plugged into the sockets.

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "art/ArtLists.h"

namespace art {
namespace {

// 1, 2: square push button, up or pressed (18 x 19). Pressed, the cap sinks into its collar:
// smaller, darker and shaded along its upper edge.
void paintPushButton(QPainter& p, bool pressed) {
    p.setPen(QPen(QColor(20, 21, 24), 1.0));
    p.setBrush(QColor(40, 42, 46));
    p.drawRoundedRect(QRectF(0.5, 0.5, 17, 18), 2.0, 2.0);
    const QRectF cap = pressed ? QRectF(2.6, 3.2, 12.8, 13.6) : QRectF(1.8, 1.6, 14.4, 15.2);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    g.setColorAt(0.0, pressed ? QColor(120, 124, 130) : QColor(240, 242, 244));
    g.setColorAt(1.0, pressed ? QColor(172, 176, 181) : QColor(172, 176, 182));
    p.setPen(QPen(pressed ? QColor(30, 31, 34) : QColor(110, 113, 118), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(cap, 1.5, 1.5);
    if (pressed) {
        p.setPen(QPen(QColor(0, 0, 0, 110), 1.4));
        p.drawLine(cap.topLeft() + QPointF(1.0, 1.0), cap.topRight() + QPointF(-1.0, 1.0));
        return;
    }
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    p.drawLine(cap.topLeft() + QPointF(1.2, 1.0), cap.topRight() + QPointF(-1.2, 1.0));
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawLine(cap.bottomLeft() + QPointF(1.2, -1.0), cap.bottomRight() + QPointF(-1.2, -1.0));
}

// 3, 4: one position of a coupling slide switch (12 x 12): the black slider, or the empty
// light-grey slot.
void paintCouplingPosition(QPainter& p, bool selected) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 42, 46));
    p.drawRect(QRectF(0, 0, 12, 12));
    if (!selected) {
        QLinearGradient g(0, 0, 0, 12);
        g.setColorAt(0.0, QColor(150, 153, 158));
        g.setColorAt(1.0, QColor(204, 207, 210));
        p.setBrush(g);
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        return;
    }
    QLinearGradient g(0, 0, 0, 12);
    g.setColorAt(0.0, QColor(64, 66, 70));
    g.setColorAt(1.0, QColor(4, 4, 6));
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.9, 0.9, 10.2, 10.2), 1.5, 1.5);
    p.setPen(QPen(QColor(120, 122, 126), 0.8));
    for (double y : {4.0, 6.0, 8.0}) p.drawLine(QPointF(3.0, y), QPointF(9.0, y));
}

struct LampColours {
    QColor off;
    QColor lit;
    QColor glow;
};

const LampColours kGreenLamp{{22, 64, 30}, {150, 255, 150}, {40, 230, 60}};
const LampColours kRedLamp{{84, 18, 16}, {255, 170, 150}, {240, 30, 20}};

// 5, 6, 10, 11: a domed lamp filling its picture, off or lit.
void paintLamp(QPainter& p, QSizeF size, const LampColours& c, bool lit) {
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double r = std::min(size.width(), size.height()) / 2 - 0.5;
    QRadialGradient g(centre - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0.0, lit ? c.lit : c.off.lighter(190));
    g.setColorAt(0.45, lit ? c.glow : c.off);
    g.setColorAt(1.0, lit ? c.glow.darker(160) : c.off.darker(170));
    p.setPen(QPen(QColor(0, 0, 0, 160), 0.7));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, lit ? 210 : 110));
    p.drawEllipse(centre - QPointF(r * 0.35, r * 0.4), r * 0.28, r * 0.22);
}

// The ground sign: a stem and three shrinking bars.
void paintGroundSign(QPainter& p, QPointF top) {
    p.setPen(QPen(QColor(230, 232, 234), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top, top + QPointF(0, 5));
    for (int i = 0; i < 3; ++i) {
        const double half = 4.5 - 1.5 * i;
        const double y = top.y() + 5 + 2 * i;
        p.drawLine(QPointF(top.x() - half, y), QPointF(top.x() + half, y));
    }
}

// The red input socket: a chrome bayonet ring with a red insulator and its centre contact.
void paintBayonetSocket(QPainter& p, QPointF c) {
    QRadialGradient chrome(c - QPointF(4, 5), 16);
    chrome.setColorAt(0.0, QColor(250, 250, 252));
    chrome.setColorAt(0.5, QColor(160, 164, 170));
    chrome.setColorAt(1.0, QColor(80, 84, 90));
    p.setPen(QPen(QColor(30, 30, 34), 0.8));
    p.setBrush(chrome);
    p.drawEllipse(c, 12.5, 12.5);
    p.setBrush(QColor(200, 204, 210));
    for (double dx : {-11.0, 11.0}) p.drawEllipse(c + QPointF(dx, 0), 2.0, 2.0);  // bayonet studs
    QRadialGradient red(c - QPointF(2, 3), 11);
    red.setColorAt(0.0, QColor(250, 90, 80));
    red.setColorAt(1.0, QColor(150, 14, 12));
    p.setBrush(red);
    p.drawEllipse(c, 8.5, 8.5);
    p.setBrush(QColor(20, 20, 22));
    p.drawEllipse(c, 3.6, 3.6);
    p.setBrush(QColor(210, 180, 90));
    p.drawEllipse(c, 1.5, 1.5);
}

// The black ground socket: a black insulating shroud around a 4 mm contact.
void paintBananaSocket(QPainter& p, QPointF c) {
    QRadialGradient body(c - QPointF(3, 4), 15);
    body.setColorAt(0.0, QColor(110, 112, 116));
    body.setColorAt(0.5, QColor(36, 37, 40));
    body.setColorAt(1.0, QColor(8, 8, 10));
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(body);
    p.drawEllipse(c, 11.5, 11.5);
    p.setPen(QPen(QColor(120, 122, 126, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 160, 80));
    p.drawEllipse(c, 3.4, 3.4);
    p.setBrush(QColor(14, 14, 16));
    p.drawEllipse(c, 2.0, 2.0);
}

// 7: the socket pair of one input (87 x 53), red on the left, black on the right, both low on
// the plate where the hit areas lie.
void paintSocketPair(QPainter& p) {
    QLinearGradient plate(0, 0, 0, 53);
    plate.setColorAt(0.0, QColor(70, 74, 80));
    plate.setColorAt(1.0, QColor(40, 43, 48));
    p.setPen(QPen(QColor(18, 19, 22), 1.0));
    p.setBrush(plate);
    p.drawRoundedRect(QRectF(0.5, 0.5, 86, 52), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1.0));
    p.drawLine(QPointF(4, 1.5), QPointF(83, 1.5));
    QFont f("Liberation Sans");
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(230, 232, 234));
    p.drawText(QRectF(5, 6, 31, 10), Qt::AlignCenter, QStringLiteral("INPUT"));
    paintGroundSign(p, QPointF(71.5, 6.5));
    paintBayonetSocket(p, QPointF(20.5, 38.0));
    paintBananaSocket(p, QPointF(71.5, 37.0));
}

// 8, 9: the power rocker (46 x 27): O on the left, I on the right; the pressed half sinks.
void paintRocker(QPainter& p, bool on) {
    p.setPen(QPen(QColor(10, 10, 12), 1.0));
    p.setBrush(QColor(26, 27, 30));
    p.drawRoundedRect(QRectF(0.5, 0.5, 45, 26), 3, 3);
    const QRectF halves[2] = {QRectF(3, 3, 20, 21), QRectF(23, 3, 20, 21)};
    for (int i = 0; i < 2; ++i) {
        const bool sunk = (i == 1) == on;
        QLinearGradient g(halves[i].topLeft(), halves[i].topRight());
        const QColor hi = sunk ? QColor(34, 35, 38) : QColor(96, 98, 104);
        const QColor lo = sunk ? QColor(56, 58, 62) : QColor(44, 45, 49);
        g.setColorAt(0.0, i == 0 ? lo : hi);
        g.setColorAt(1.0, i == 0 ? hi : lo);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(halves[i]);
    }
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.drawLine(QPointF(23, 3), QPointF(23, 24));
    p.setPen(QPen(QColor(236, 236, 232), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(13, 13.5), 3.4, 4.2);
    p.drawLine(QPointF(33, 9), QPointF(33, 18));
}

// 12 to 15: a lead plugged into a socket. The plug's back faces the viewer at `plug`, the
// cable falls from it along a Bézier curve and leaves through the bottom edge.
struct PluggedLead {
    QPointF plug;
    QPointF c1;
    QPointF c2;
    QPointF end;
    bool red;
};

constexpr double kExit = 4.0;  // the cable ends this far below the picture
const PluggedLead kLeads[] = {
    {{28.0, 11.3}, {28.0, 42.0}, {10.0, 50.0}, {9.0, 78.0 + kExit}, true},    // 12 red, CH1
    {{27.0, 13.0}, {27.0, 48.0}, {36.0, 60.0}, {33.0, 81.0 + kExit}, false},  // 13 black, CH1
    {{34.0, 11.7}, {34.0, 44.0}, {14.0, 52.0}, {12.0, 79.0 + kExit}, true},   // 14 red, CH2
    {{28.0, 13.0}, {28.0, 48.0}, {34.0, 60.0}, {30.0, 81.0 + kExit}, false},  // 15 black, CH2
};

void paintCable(QPainter& p, const PluggedLead& l, QColor colour) {
    QPainterPath path(l.plug);
    path.cubicTo(l.c1, l.c2, l.end);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 7.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path.translated(1.5, 1.0));  // shadow on the panel
    p.setPen(QPen(colour.darker(200), 6.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(colour.lighter(l.red ? 150 : 400), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path.translated(-1.0, -0.4));
}

void paintPluggedLead(QPainter& p, const PluggedLead& l) {
    const QColor colour = l.red ? QColor(200, 26, 22) : QColor(34, 35, 38);
    paintCable(p, l, colour);
    // The moulded boot where the cable leaves the plug.
    QLinearGradient boot(l.plug.x() - 5, 0, l.plug.x() + 5, 0);
    boot.setColorAt(0.0, colour.lighter(l.red ? 130 : 300));
    boot.setColorAt(1.0, colour.darker(170));
    p.setPen(QPen(colour.darker(220), 0.8));
    p.setBrush(boot);
    p.drawRoundedRect(QRectF(l.plug.x() - 4.5, l.plug.y(), 9, 15), 3, 3);
    QRadialGradient cap(l.plug - QPointF(3, 3.5), 12);
    cap.setColorAt(0.0, colour.lighter(l.red ? 160 : 450));
    cap.setColorAt(0.6, colour);
    cap.setColorAt(1.0, colour.darker(190));
    p.setBrush(cap);
    p.drawEllipse(l.plug, 8.5, 8.5);
    p.setPen(QPen(colour.darker(240), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(l.plug, 5.0, 5.0);
}

}  // namespace

void paintImageList2(QPainter& p, int n) {
    switch (n) {
        case 1:
            paintPushButton(p, false);
            break;
        case 2:
            paintPushButton(p, true);
            break;
        case 3:
            paintCouplingPosition(p, true);
            break;
        case 4:
            paintCouplingPosition(p, false);
            break;
        case 5:
            paintLamp(p, {10, 11}, kGreenLamp, false);
            break;
        case 6:
            paintLamp(p, {10, 11}, kGreenLamp, true);
            break;
        case 7:
            paintSocketPair(p);
            break;
        case 8:
            paintRocker(p, false);
            break;
        case 9:
            paintRocker(p, true);
            break;
        case 10:
            paintLamp(p, {8, 8}, kRedLamp, false);
            break;
        case 11:
            paintLamp(p, {8, 8}, kRedLamp, true);
            break;
        default:
            paintPluggedLead(p, kLeads[n - 12]);
            break;
    }
}

}  // namespace art
