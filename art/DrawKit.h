#pragma once
// Small drawing helpers shared by the menu, cursor and bench art: fonts by pixel size, a
// deterministic noise, granite, text that fits a box, and relief outlines. Everything is a
// pure function of its arguments (no state, no rand()).

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace art::kit {

constexpr double kPi = 3.14159265358979323846;

inline QFont font(int pixelSize, bool bold = true) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A well-mixed 32-bit hash of (x, y, seed).
inline uint32_t hash(int x, int y, uint32_t seed) {
    uint32_t h =
        seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Hash noise in [0, 1).
inline double noise01(int x, int y, uint32_t seed) {
    return (hash(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

// Smooth value noise in [0, 1) at a real position, cells of size 1.
inline double valueNoise(double x, double y, uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = x - ix, fy = y - iy;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const double a = noise01(ix, iy, seed), b = noise01(ix + 1, iy, seed);
    const double c = noise01(ix, iy + 1, seed), d = noise01(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

inline qreal devicePixelRatio(const QPainter& p) {
    return p.device() ? p.device()->devicePixelRatioF() : 1.0;
}

// Grey granite: speckles of dark, light and rosy grains on a mottled grey. Computed per device
// pixel from logical coordinates, so it looks the same at every ratio. `tone` shifts the grey.
QImage graniteImage(const QSizeF& logical, qreal dpr, uint32_t seed, int tone = 0);

// Granite clipped to a shape.
inline void fillGranite(QPainter& p, const QPainterPath& shape, uint32_t seed, int tone = 0) {
    const QRectF br = shape.boundingRect();
    const QRectF r(std::floor(br.x()), std::floor(br.y()), std::ceil(br.width()) + 1,
                   std::ceil(br.height()) + 1);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.drawImage(r.topLeft(), graniteImage(r.size(), devicePixelRatio(p), seed, tone));
    p.restore();
}

// A bevel along a shape's outline: light from the top left, shade to the bottom right.
inline void bevel(QPainter& p, const QPainterPath& shape, qreal width, int lightAlpha = 150,
                  int shadeAlpha = 150) {
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, shadeAlpha));
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(g), width * 2));
    p.drawPath(shape);
    p.restore();
}

// The largest pixel size (<= maxPx) at which text fits the width.
inline int fittingSize(const QString& text, qreal width, int maxPx, bool bold = true) {
    for (int px = maxPx; px > 5; --px)
        if (QFontMetricsF(font(px, bold)).horizontalAdvance(text) <= width) return px;
    return 5;
}

// Text centred on a point (the point is the middle of the cap height).
inline void textAt(QPainter& p, const QPointF& c, const QString& text, const QFont& f, const QColor& col) {
    const QFontMetricsF fm(f);
    const qreal w = fm.horizontalAdvance(text);
    p.setFont(f);
    p.setPen(col);
    p.drawText(QPointF(c.x() - w / 2, c.y() + fm.capHeight() / 2), text);
}

// Text as a path, centred on a point like textAt.
inline QPainterPath textPath(const QPointF& c, const QString& text, const QFont& f) {
    const QFontMetricsF fm(f);
    QPainterPath path;
    path.addText(QPointF(c.x() - fm.horizontalAdvance(text) / 2, c.y() + fm.capHeight() / 2), f, text);
    return path;
}

// Engraved text on a light panel: a white lowlight under dark letters.
inline void engraved(QPainter& p, const QPointF& c, const QString& text, const QFont& f, const QColor& col) {
    textAt(p, c + QPointF(0, 0.8), text, f, QColor(255, 255, 255, 150));
    textAt(p, c, text, f, col);
}

// A cross-head screw of radius r.
inline void screw(QPainter& p, const QPointF& c, qreal r, qreal slotAngleDeg) {
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    g.setColorAt(0, QColor(235, 235, 235));
    g.setColorAt(1, QColor(110, 110, 115));
    p.setPen(QPen(QColor(60, 60, 65), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.save();
    p.translate(c);
    p.rotate(slotAngleDeg);
    p.setPen(QPen(QColor(70, 70, 75), std::max(0.6, r * 0.28), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-r * 0.6, 0), QPointF(r * 0.6, 0));
    p.drawLine(QPointF(0, -r * 0.6), QPointF(0, r * 0.6));
    p.restore();
}

// A binding post (output terminal) seen from the front.
inline void terminal(QPainter& p, const QPointF& c, qreal r, const QColor& body) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(1.2, 1.5), r, r);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, body.lighter(170));
    g.setColorAt(0.5, body);
    g.setColorAt(1, body.darker(190));
    p.setPen(QPen(body.darker(260), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // Hex-like ridge and the metal hole in the middle.
    p.setPen(QPen(body.darker(150), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.68, r * 0.68);
    QRadialGradient m(c - QPointF(r * 0.1, r * 0.1), r * 0.4);
    m.setColorAt(0, QColor(230, 225, 200));
    m.setColorAt(1, QColor(120, 110, 80));
    p.setPen(QPen(QColor(60, 55, 40), 0.5));
    p.setBrush(m);
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.setBrush(QColor(25, 20, 15));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.13, r * 0.13);
}

}  // namespace art::kit
