// The application icon at every size a desktop asks for: transparent around the instrument, the
// green charge visible on the teal screen even at 16 px; and the scalable version is well-formed
// SVG drawing the same curve.

#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>

#include "art/IconArt.h"
#include "runtime/qt/QtArt.h"

namespace {

int countPixels(const QImage& img, bool (*match)(QRgb)) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += match(img.pixel(x, y));
    return n;
}

bool isTrace(QRgb c) {
    return qAlpha(c) == 255 && qGreen(c) > 200 && qRed(c) < 90 && qBlue(c) < 90;
}

bool isScreen(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) < 30 && qGreen(c) > 90 && qAbs(qGreen(c) - qBlue(c)) < 12;
}

TEST(AppIcon, EverySizeShowsTheChargeOnTheScreenWithATransparentSurround) {
    for (int px : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage img = rtqt::paintAppIconImage(px).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(px, px)) << px;
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << px;
        EXPECT_EQ(qAlpha(img.pixel(px - 1, px - 1)), 0) << px;
        EXPECT_GE(countPixels(img, isTrace), px * 2 / 3) << px << " px: the curve is lost";
        EXPECT_GE(countPixels(img, isScreen), px * px / 20) << px << " px: the screen is lost";
    }
    EXPECT_TRUE(rtqt::paintAppIconImage(0).isNull());
}

TEST(AppIcon, ScalableVersionIsWellFormedSvgWithTheCurve) {
    QXmlStreamReader xml(QByteArray::fromStdString(art::appIconSvg()));
    int polylines = 0;
    bool root = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("svg"))
            root = xml.attributes().value(QLatin1String("viewBox")) == QLatin1String("0 0 64 64");
        polylines += xml.name() == QLatin1String("polyline");
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(root);
    EXPECT_EQ(polylines, 2);  // the glow and the trace
}

}  // namespace
