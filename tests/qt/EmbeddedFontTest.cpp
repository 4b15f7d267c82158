// Text is drawn with the typeface the program carries, whatever fonts the system has: run again
// by ctest with a font configuration that lists no font at all, where the same text must still
// be drawn with the face's own glyphs.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "gfx/Font.h"
#include "runtime/qt/QtCanvas.h"
#include "runtime/qt/QtFonts.h"

namespace {

// The box of the pixels with any ink.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(EmbeddedFont, TextIsDrawnWithTheProgramsOwnFace) {
    if (qEnvironmentVariableIsSet("VORLINDE_EXPECT_NO_SYSTEM_FONTS")) {
        // The run is meaningful only if the system's fonts are really out of sight: the
        // toolkit's generic names stand for nothing there.
        const QString own = rtqt::embeddedFamily();
        QStringList real = QFontDatabase::families();
        real.removeIf([](const QString& f) { return f == "Monospace" || f == "Sans Serif" || f == "Serif"; });
        EXPECT_EQ(real, QStringList{own});
    }
    for (bool bold : {false, true}) {
        const gfx::Font f{20, bold, 0};
        EXPECT_EQ(QFontInfo(rtqt::qtFont(f)).family(), rtqt::embeddedFamily());
        EXPECT_EQ(QFontInfo(rtqt::qtFont(f)).bold(), bold);
        const char* text = "Vorlinde Ω 0,5 V";
        QImage img(300, 40, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            rtqt::QtCanvas c(p);
            c.setFont(f);
            c.setPen(gfx::Pen(gfx::kBlack));
            c.drawText(gfx::Point{10, 30}, text);
        }
        // The ink covers what the file's glyph boxes say, to within the antialiased edge.
        const gfx::Rect want = gfx::FontMetrics(f).tightBounds(text).translated(10, 30);
        const QRect got = inkBox(img);
        EXPECT_NEAR(got.left(), want.x, 1.0) << bold;
        EXPECT_NEAR(got.top(), want.y, 1.0) << bold;
        EXPECT_NEAR(got.right() + 1, want.right(), 1.0) << bold;
        EXPECT_NEAR(got.bottom() + 1, want.bottom(), 1.0) << bold;
    }
}

}  // namespace
