// The embedded font's metrics read from the file equal the desktop painter's for the same face:
// global metrics, advances with kerning, ink boxes and letter spacing; text placed in a
// rectangle by the interface lands on the painter's own pixels. Text renders from the embedded
// face even where the system has no font at all.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/QtFonts.h"

namespace {

const std::vector<std::string>& samples() {
    static const std::vector<std::string> s = {
        "Vorlinde",
        "OSCILLOSCOPE",
        "BOITE DE RESISTANCES",
        "Ω × 1000",
        "rég. fin",
        "SORTIES",
        "INPUT",
        "Schéma du montage",
        "ATTENTION, RISQUE DE COURT-CIRCUIT !",
        "AVAWATeToYo",
        "0,5 V",
        "12,34 µF",
        "Charge et décharge d'un condensateur à travers une résistance",
        "ΩαβγΔ",
        "AΩV",
        "VΑV",
        "1,234 k",
        "−+",
        "TIME/DIV",
        "VOLTS/DIV",
        "«Fête» — l'été",
        "",
        " ",
        "ﬁ",
        "x\xff\xfey"};
    return s;
}

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

TEST(GfxFont, GlobalMetricsEqualThePaintersForEverySize) {
    for (bool bold : {false, true}) {
        for (int px = 1; px <= 64; ++px) {
            const gfx::Font f{double(px), bold, 0};
            const gfx::FontMetrics m(f);
            const QFontMetricsF q(rtqt::qtFont(f));
            EXPECT_EQ(m.ascent(), q.ascent()) << px << (bold ? " bold" : "");
            EXPECT_EQ(m.descent(), q.descent()) << px;
            EXPECT_EQ(m.height(), q.height()) << px;
            EXPECT_EQ(m.capHeight(), q.capHeight()) << px;
        }
    }
}

TEST(GfxFont, AdvancesWithKerningAndLetterSpacingEqualThePaintersOnTheProgramsTexts) {
    for (bool bold : {false, true}) {
        for (int px : {5, 8, 9, 10, 11, 12, 13, 14, 16, 22, 24, 37}) {
            for (double spacing : {0.0, 0.6, 0.8}) {
                // Hinting fits outlines only: the widths are the same.
                for (bool hinted : {false, true}) {
                    const gfx::Font f{double(px), bold, spacing, hinted};
                    QFont qf = rtqt::qtFont(f);
                    qf.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
                    const QFontMetricsF q(qf);
                    const gfx::FontMetrics m(f);
                    for (const std::string& s : samples())
                        EXPECT_NEAR(m.advance(s), q.horizontalAdvance(qs(s)), 1e-9)
                            << "'" << s << "' " << px << (bold ? " bold" : "") << " spacing " << spacing
                            << (hinted ? " hinted" : "");
                    EXPECT_EQ(m.ascent(), q.ascent()) << px << (hinted ? " hinted" : "");
                }
            }
        }
    }
}

TEST(GfxFont, InkBoxesAreThePaintersWithinAFractionOfAPixel) {
    for (int px : {9, 11, 14, 20}) {
        const gfx::Font f{double(px), true, 0};
        const QFontMetricsF q(rtqt::qtFont(f));
        for (const char* s : {"R", "C", "E", "K", "u", "i", "Vg", "ΩA", "+", "−"}) {
            const gfx::Rect g = gfx::FontMetrics(f).tightBounds(s);
            const QRectF r = q.tightBoundingRect(QString::fromUtf8(s));
            EXPECT_NEAR(g.x, r.x(), 1.0 / 32) << s << " " << px;
            EXPECT_NEAR(g.y, r.y(), 1.0 / 32) << s << " " << px;
            EXPECT_NEAR(g.right(), r.right(), 1.0 / 32) << s << " " << px;
            EXPECT_NEAR(g.bottom(), r.bottom(), 1.0 / 32) << s << " " << px;
        }
    }
    EXPECT_TRUE(gfx::FontMetrics(gfx::Font{}).tightBounds(" ").isEmpty());
}

QImage blank(int w, int h, double dpr) {
    QImage img(int(w * dpr), int(h * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}

TEST(GfxFont, TextInARectangleLandsOnThePaintersPixels) {
    struct Case {
        QRectF r;
        int align;
        int px;
        bool bold;
        const char* text;
    };
    const Case cases[] = {
        {{12, 66.2, 65, 5}, gfx::AlignCenter, 5, true, "OSCILLOSCOPE"},
        {{6, 0, 260, 17}, gfx::AlignLeft | gfx::AlignVCenter, 11, true, "Schéma du montage"},
        {{150, 8, 284, 17}, gfx::AlignRight | gfx::AlignVCenter, 9, true, "DUAL TRACE 20 MHz"},
        {{5, 6, 31, 10}, gfx::AlignCenter, 7, true, "INPUT"},
        {{3.5, 2.25, 90, 30}, gfx::AlignHCenter | gfx::AlignBottom, 13, false, "Vorlinde"},
        {{0, 0, 40, 12}, gfx::AlignRight | gfx::AlignTop, 10, false, "1,234 k"},
    };
    for (double dpr : {1.0, 2.0, 1.93}) {
        for (const Case& c : cases) {
            const gfx::Font f{double(c.px), c.bold, 0};
            QImage want = blank(460, 90, dpr), got = blank(460, 90, dpr);
            {
                QPainter p(&want);
                p.setRenderHint(QPainter::Antialiasing);
                p.setFont(rtqt::qtFont(f));
                p.setPen(QColor(20, 30, 60));
                p.drawText(c.r, c.align, QString::fromUtf8(c.text));
            }
            {
                QPainter p(&got);
                p.setRenderHint(QPainter::Antialiasing);
                rtqt::QtCanvas canvas(p);
                canvas.setFont(f);
                canvas.setPen(gfx::Pen(gfx::Color(20, 30, 60)));
                canvas.drawText(gfx::Rect{c.r.x(), c.r.y(), c.r.width(), c.r.height()}, c.align, c.text);
            }
            EXPECT_EQ(want, got) << c.text << " at " << dpr;
        }
    }
}

}  // namespace
