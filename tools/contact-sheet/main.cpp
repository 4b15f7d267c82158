// vorlinde-contact-sheet OUT.png [--dpr R]
// Paints every picture of every list (art::allLists) on one labelled sheet: a title per list,
// each picture at its size with its number under it, on a mid-grey ground so that black and
// transparent areas show. Cursor pictures are shown a second time with black made transparent
// over a checker pattern, as the binding turns them into cursors.

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "art/Painter.h"
#include "art/PictureTables.h"
#include "runtime/DecimalText.h"

namespace {

constexpr int kSheetWidth = 1640;  // logical pixels
constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kLabelHeight = 16;
constexpr int kTitleHeight = 30;

QFont sheetFont(int px, bool bold) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// Black pixels made transparent, as a cursor shows them.
QImage blackToTransparent(const QImage& src) {
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0x00ffffffu) == 0) line[x] = 0;
    }
    img.setDevicePixelRatio(src.devicePixelRatio());
    return img;
}

void drawChecker(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(235, 235, 235));
    const int cell = 4;
    for (int y = 0; y * cell < r.height(); ++y)
        for (int x = 0; x * cell < r.width(); ++x)
            if ((x + y) % 2)
                p.fillRect(QRectF(r.x() + x * cell, r.y() + y * cell, cell, cell), QColor(190, 190, 190));
    p.restore();
}

struct Cell {
    QImage image;
    std::string label;
    bool checker = false;
};

struct Section {
    std::string title;
    std::vector<Cell> cells;
};

// Lays the sections out row by row; paints when p is given. Returns the height used.
int layout(const std::vector<Section>& sections, QPainter* p) {
    int y = kMargin;
    for (const Section& s : sections) {
        if (p) {
            p->setPen(QColor(20, 20, 30));
            p->setFont(sheetFont(18, true));
            p->drawText(QRectF(kMargin, y, kSheetWidth - 2 * kMargin, kTitleHeight - 6),
                        Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(s.title));
            p->setPen(QColor(90, 90, 100));
            p->drawLine(QPointF(kMargin, y + kTitleHeight - 4),
                        QPointF(kSheetWidth - kMargin, y + kTitleHeight - 4));
        }
        y += kTitleHeight;
        int x = kMargin;
        int rowHeight = 0;
        for (const Cell& c : s.cells) {
            const QSizeF sz = c.image.deviceIndependentSize();
            const int w = static_cast<int>(std::ceil(sz.width()));
            const int h = static_cast<int>(std::ceil(sz.height()));
            const int labelW = static_cast<int>(std::ceil(
                QFontMetricsF(sheetFont(11, false)).horizontalAdvance(QString::fromStdString(c.label))));
            const int cellW = std::max({w, 24, labelW + 4});
            if (x > kMargin && x + cellW > kSheetWidth - kMargin) {
                x = kMargin;
                y += rowHeight + kLabelHeight + kGap;
                rowHeight = 0;
            }
            if (p) {
                const QRectF r(x, y, sz.width(), sz.height());
                if (c.checker) drawChecker(*p, r);
                p->drawImage(r.topLeft(), c.image);
                p->setPen(QColor(255, 255, 255, 60));
                p->setBrush(Qt::NoBrush);
                p->drawRect(r.adjusted(-0.5, -0.5, 0.5, 0.5));
                p->setPen(QColor(15, 15, 15));
                p->setFont(sheetFont(11, false));
                p->drawText(QRectF(x, y + h + 1, cellW, kLabelHeight - 2), Qt::AlignHCenter | Qt::AlignTop,
                            QString::fromStdString(c.label));
            }
            x += cellW + kGap;
            rowHeight = std::max(rowHeight, h);
        }
        y += rowHeight + kLabelHeight + kGap + 6;
    }
    return y + kMargin;
}

// ---- assembled panels: the bench's pictures put together at their places on the bench ----------

constexpr double tw(double twips) {
    return twips / 15.0;
}

struct Placed {
    const char* list;
    int n;
    double x, y;  // logical pixels in the panel
};

QImage assemble(const char* list, int n, const std::vector<Placed>& parts, double dpr,
                const QRectF& clip = QRectF(), const std::vector<Placed>& clipped = {}) {
    QImage base = art::paintPicture(list, n, dpr);
    QPainter p(&base);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Placed& c : parts) p.drawImage(QPointF(c.x, c.y), art::paintPicture(c.list, c.n, dpr));
    if (!clip.isNull()) {
        p.setClipRect(clip);
        p.fillRect(clip, QColor(225, 224, 210));
        for (const Placed& c : clipped) p.drawImage(QPointF(c.x, c.y), art::paintPicture(c.list, c.n, dpr));
    }
    return base;
}

Section assemblies(double dpr) {
    Section s;
    s.title = "Assembled bench panels (controls at their places on the bench)";
    std::vector<Placed> r;
    for (int i = 0; i < 4; ++i) r.push_back({"ImaBtnDec", 1 + 3 * i, tw(300 + 1400 * i), tw(1080)});
    s.cells.push_back({assemble("Media", 2, r, dpr), "DecR", false});

    // The capacitor strip at its load position (-1400 twips) inside fondbox.
    const QRectF fond(tw(300), tw(600), tw(5230), tw(1200));
    const double stripX = fond.x() + tw(-1400), stripY = fond.y();
    std::vector<Placed> strip;
    const int legLeft[6] = {160, 1580, 3050, 4480, 5800, 7180};
    for (int i = 0; i < 6; ++i) {
        strip.push_back({"ImaBtnDec", 1 + 2 * i, stripX + tw(1400 * i), stripY});
        strip.push_back({"Media", 4 + i, stripX + tw(legLeft[i]), stripY + tw(1000)});
    }
    s.cells.push_back(
        {assemble("Media", 3, {{"Media", 10, tw(200), tw(320)}, {"Media", 11, tw(5450), tw(320)}}, dpr, fond,
                  strip),
         "DecC", false});

    // The generator switched on at 05.3 V, coarse step 6, fine step 4.
    s.cells.push_back({assemble("Media", 12,
                                {{"Media", 13, tw(405), tw(1445)},
                                 {"Led", 1, tw(1335), tw(840)},
                                 {"Led", 6, tw(1935), tw(840)},
                                 {"Led", 4, tw(2550), tw(840)},
                                 {"BtnGene", 6, tw(3825), tw(765)},
                                 {"BtnGene", 4, tw(3825), tw(1725)}},
                                dpr),
                       "Gene (on, 05.3 V)", false});
    s.cells.push_back({assemble("Media", 12,
                                {{"Media", 14, tw(405), tw(1445)},
                                 {"BtnGene", 1, tw(3825), tw(765)},
                                 {"BtnGene", 1, tw(3825), tw(1725)}},
                                dpr),
                       "Gene (off)", false});
    s.cells.push_back({assemble("ImaMenu", 20,
                                {{"ImaMenu", 14, tw(2500), tw(200)},
                                 {"ImaMenu", 2, tw(630), tw(300)},
                                 {"ImaMenu", 6, tw(145), tw(1000)},
                                 {"Media", 16, tw(10), tw(10)}},
                                dpr),
                       "FmenuChDech", false});
    return s;
}

int usage() {
    std::fprintf(stderr, "usage: vorlinde-contact-sheet OUT.png [--dpr R]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::string out;
    double dpr = 1.0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dpr" && i + 1 < argc) {
            dpr = rt::readDouble(argv[++i]).value_or(0.0);  // a point whatever the C locale
            if (!(dpr > 0 && dpr <= 8)) return usage();
        } else if (out.empty() && !a.empty() && a[0] != '-') {
            out = a;
        } else {
            return usage();
        }
    }
    if (out.empty()) return usage();

    std::vector<Section> sections;
    for (const rt::PictureList* l : art::allLists()) {
        Section s;
        Section cursors;
        const bool isCursor = l->name() == "Imapoint";
        s.title = l->name() + "  (" + std::to_string(l->count()) + " pictures)";
        for (int n = 1; n <= l->count(); ++n) {
            const rt::PictureInfo& info = l->at(n);
            QImage img = art::paintPicture(l->name(), n, dpr);
            std::string label = std::to_string(n);
            if (img.isNull()) label += " (null)";
            if (isCursor) label += " @" + std::to_string(info.hotX) + "," + std::to_string(info.hotY);
            if (img.isNull()) {
                img = QImage(std::max(1, info.width), std::max(1, info.height),
                             QImage::Format_ARGB32_Premultiplied);
                img.fill(Qt::red);
            }
            s.cells.push_back({img, label, false});
            if (isCursor) {
                QImage t = blackToTransparent(img);
                // Mark the hot spot with a small cyan cross.
                QPainter q(&t);
                q.setPen(QPen(QColor(0, 220, 255, 200), 0));
                q.drawLine(QPointF(info.hotX - 2, info.hotY + 0.5), QPointF(info.hotX + 3, info.hotY + 0.5));
                q.drawLine(QPointF(info.hotX + 0.5, info.hotY - 2), QPointF(info.hotX + 0.5, info.hotY + 3));
                q.end();
                cursors.cells.push_back({t, std::to_string(n), true});
            }
        }
        sections.push_back(std::move(s));
        if (isCursor) {
            cursors.title = "Imapoint as cursors (black transparent, hot spot in cyan)";
            sections.push_back(std::move(cursors));
        }
    }

    sections.push_back(assemblies(dpr));

    const int height = layout(sections, nullptr);
    QImage sheet(static_cast<int>(std::ceil(kSheetWidth * dpr)), static_cast<int>(std::ceil(height * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(128, 128, 128));
    {
        QPainter p(&sheet);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        layout(sections, &p);
    }
    if (!sheet.save(QString::fromStdString(out))) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", out.c_str(), sheet.width(), sheet.height());
    return 0;
}
