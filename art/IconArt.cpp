#include "art/IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The full drawing lives in a 64 x 64 design square: the instrument's body, the dark bezel,
// the screen of 10 by 8 divisions of 3.5 units, two knobs and the power lamp on the right.
const QRectF kBody(2, 11, 60, 42);
const QRectF kBezel(5.5, 14.5, 41.5, 35);
const QRectF kScreen(8.5, 18, 35, 28);
const QPointF kKnobs[2] = {{54.5, 23.5}, {54.5, 37}};
constexpr double kKnobRadius = 4.5;
const QPointF kLamp(54.5, 48);
constexpr double kLampRadius = 1.8;

// Below 32 px: a 16 x 16 design square with the bezel as the body and the screen inset 2 units.
const QRectF kSmallBody(0, 2, 16, 12);
const QRectF kSmallScreen(2, 4, 12, 8);

const QColor kTeal(0, 127, 127);
const QColor kTrace(0, 255, 0);
const QColor kGrid(150, 215, 215);

// A design rectangle scaled by s with its edges on whole pixels, so the icon is sharp.
QRectF snapped(const QRectF& r, double s) {
    const double l = std::round(r.left() * s), t = std::round(r.top() * s);
    return {l, t, std::round(r.right() * s) - l, std::round(r.bottom() * s) - t};
}

// The charge u = E (1 - exp(-t / RC)) over five time constants, from the screen's lower part
// up towards its top: the curve the student records in storage mode.
QPolygonF chargeCurve(const QRectF& screen, int points) {
    const double y0 = screen.bottom() - 0.18 * screen.height(), y1 = screen.top() + 0.2 * screen.height();
    QPolygonF curve;
    for (int i = 0; i <= points; ++i) {
        const double t = static_cast<double>(i) / points;
        curve << QPointF(screen.left() + t * screen.width(), y0 - (1 - std::exp(-5 * t)) * (y0 - y1));
    }
    return curve;
}

void paintTrace(QPainter& p, const QRectF& screen, double width, bool glow) {
    p.save();
    p.setClipRect(screen);
    p.setBrush(Qt::NoBrush);
    const QPolygonF curve = chargeCurve(screen, 48);
    if (glow) {
        p.setPen(QPen(QColor(0, 255, 0, 70), width * 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(curve);
    }
    p.setPen(QPen(kTrace, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(curve);
    p.restore();
}

// The graticule on pixel centres: every division, or only the two axes at small sizes.
void paintGraticule(QPainter& p, const QRectF& screen, bool divisions) {
    for (int i = 1; i < 10; ++i) {
        if (!divisions && i != 5) continue;
        const double x = std::floor(screen.left() + i * screen.width() / 10) + 0.5;
        p.setPen(QPen(QColor(kGrid.red(), kGrid.green(), kGrid.blue(), i == 5 ? 170 : 90), 1.0));
        p.drawLine(QPointF(x, screen.top()), QPointF(x, screen.bottom()));
    }
    for (int i = 1; i < 8; ++i) {
        if (!divisions && i != 4) continue;
        const double y = std::floor(screen.top() + i * screen.height() / 8) + 0.5;
        p.setPen(QPen(QColor(kGrid.red(), kGrid.green(), kGrid.blue(), i == 4 ? 170 : 90), 1.0));
        p.drawLine(QPointF(screen.left(), y), QPointF(screen.right(), y));
    }
}

void paintKnob(QPainter& p, QPointF c, double r) {
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0.0, QColor(96, 98, 104));
    g.setColorAt(0.5, QColor(30, 31, 34));
    g.setColorAt(1.0, QColor(6, 6, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(0, r * 0.15), r * 1.05, r * 1.05);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(240, 240, 240), std::max(1.0, r * 0.18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(-r * 0.55, -r * 0.6));
}

void paintLamp(QPainter& p, QPointF c, double r) {
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0.0, QColor(255, 190, 170));
    g.setColorAt(0.45, QColor(235, 40, 30));
    g.setColorAt(1.0, QColor(120, 10, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void paintFull(QPainter& p, int px) {
    const double s = px / 64.0;
    const bool detailed = px >= 48;   // glow, glass shading, shadow
    const bool divisions = px >= 64;  // a graticule line at least every 3.5 px
    const QRectF body = snapped(kBody, s), bezel = snapped(kBezel, s), screen = snapped(kScreen, s);
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0.0, QColor(236, 238, 240));
    metal.setColorAt(1.0, QColor(150, 156, 164));
    const double edge = std::max(1.0, std::round(s));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    if (detailed) p.drawRoundedRect(body.translated(0, edge), 5 * s, 5 * s);
    p.setPen(QPen(QColor(60, 64, 70), edge));
    p.setBrush(metal);
    p.drawRoundedRect(body.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), 5 * s, 5 * s);

    QLinearGradient dark(bezel.topLeft(), bezel.bottomRight());
    dark.setColorAt(0.0, QColor(58, 60, 64));
    dark.setColorAt(0.5, QColor(22, 23, 25));
    dark.setColorAt(1.0, QColor(8, 8, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawRoundedRect(bezel, 3.5 * s, 3.5 * s);

    QRadialGradient glass(screen.center(), screen.width() * 0.7);
    glass.setColorAt(0.0, QColor(0, 142, 142));
    glass.setColorAt(1.0, QColor(0, 102, 102));
    p.setBrush(detailed ? QBrush(glass) : QBrush(kTeal));
    p.drawRect(screen);
    paintGraticule(p, screen, divisions);
    paintTrace(p, screen, std::max(1.5, px / 30.0), detailed);

    for (QPointF c : kKnobs) paintKnob(p, c * s, kKnobRadius * s);
    paintLamp(p, kLamp * s, kLampRadius * s);
}

void paintSmall(QPainter& p, int px) {
    const double k = px / 16.0;
    const QRectF body = snapped(kSmallBody, k), screen = snapped(kSmallScreen, k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 32, 36));
    p.drawRoundedRect(body, 2 * k, 2 * k);
    p.setBrush(kTeal);
    p.drawRect(screen);
    paintTrace(p, screen, std::max(1.5, px / 12.0), false);
}

QString svgNumber(double v) {
    return QString::number(v, 'g', 5);
}

QString svgRect(const QRectF& r, double radius, const QString& fill, const QString& extra = {}) {
    return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"%7/>\n")
        .arg(svgNumber(r.x()), svgNumber(r.y()), svgNumber(r.width()), svgNumber(r.height()),
             svgNumber(radius), fill, extra);
}

QString svgKnob(QPointF c, double r) {
    const QPointF tip = c + QPointF(-r * 0.55, -r * 0.6);
    return QStringLiteral(
               "  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#knob)\"/>\n"
               "  <line x1=\"%1\" y1=\"%2\" x2=\"%4\" y2=\"%5\" stroke=\"#f0f0f0\" stroke-width=\"0.8\" "
               "stroke-linecap=\"round\"/>\n")
        .arg(svgNumber(c.x()), svgNumber(c.y()), svgNumber(r), svgNumber(tip.x()), svgNumber(tip.y()));
}

QString svgGraticule() {
    QString path;
    for (int i = 1; i < 10; ++i) {
        const double x = kScreen.left() + i * kScreen.width() / 10;
        path += QStringLiteral("M%1 %2V%3")
                    .arg(svgNumber(x), svgNumber(kScreen.top()), svgNumber(kScreen.bottom()));
    }
    for (int i = 1; i < 8; ++i) {
        const double y = kScreen.top() + i * kScreen.height() / 8;
        path += QStringLiteral("M%1 %2H%3")
                    .arg(svgNumber(kScreen.left()), svgNumber(y), svgNumber(kScreen.right()));
    }
    return QStringLiteral("  <path d=\"%1\" stroke=\"%2\" stroke-opacity=\"0.4\" stroke-width=\"0.3\"/>\n")
        .arg(path, kGrid.name());
}

QString svgTrace() {
    QString points;
    for (QPointF q : chargeCurve(kScreen, 48)) points += svgNumber(q.x()) + ',' + svgNumber(q.y()) + ' ';
    points.chop(1);
    const QString line = QStringLiteral(
        "  <polyline points=\"%1\" fill=\"none\" stroke=\"#00ff00\" stroke-width=\"%2\"%3 "
        "stroke-linecap=\"round\" stroke-linejoin=\"round\" clip-path=\"url(#screen)\"/>\n");
    return line.arg(points, QStringLiteral("6"), QStringLiteral(" stroke-opacity=\"0.27\"")) +
           line.arg(points, QStringLiteral("2"), QString());
}

}  // namespace

QImage paintAppIcon(int px) {
    if (px < 1) return {};
    QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (px < 32)
        paintSmall(p, px);
    else
        paintFull(p, px);
    return img;
}

QIcon appIcon() {
    QIcon icon;
    for (int px : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(paintAppIcon(px)));
    return icon;
}

QByteArray appIconSvg() {
    QString svg =
        QStringLiteral(
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
            "    <clipPath id=\"screen\"><rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/></clipPath>\n"
            "  </defs>\n")
            .arg(svgNumber(kScreen.x()), svgNumber(kScreen.y()), svgNumber(kScreen.width()),
                 svgNumber(kScreen.height()));
    svg += svgRect(kBody.translated(0, 1), 5, QStringLiteral("#000000"),
                   QStringLiteral(" fill-opacity=\"0.2\""));
    svg += svgRect(kBody.adjusted(0.5, 0.5, -0.5, -0.5), 5, QStringLiteral("url(#metal)"),
                   QStringLiteral(" stroke=\"#3c4046\""));
    svg += svgRect(kBezel, 3.5, QStringLiteral("url(#bezel)"));
    svg += svgRect(kScreen, 0, QStringLiteral("url(#glass)"));
    svg += svgGraticule() + svgTrace();
    for (QPointF c : kKnobs) svg += svgKnob(c, kKnobRadius);
    svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#lamp)\"/>\n")
               .arg(svgNumber(kLamp.x()), svgNumber(kLamp.y()), svgNumber(kLampRadius));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace art
