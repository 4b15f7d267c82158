// Build tool: writes the application's icon into an icon theme folder, as
//   DIR/<N>x<N>/apps/<ID>.png  for every size a desktop looks for, and
//   DIR/scalable/apps/<ID>.svg
// usage: vorlinde-icon DIR ID. Exits 1 when a file cannot be written.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>

#include "art/IconArt.h"
#include "runtime/qt/QtArt.h"

namespace {

bool writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlinde-icon DIR ID\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]), id = QString::fromLocal8Bit(argv[2]);
    for (int px : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(px);
        if (!QDir().mkpath(folder) || !rtqt::paintAppIconImage(px).save(folder + '/' + id + ".png", "PNG")) {
            std::fprintf(stderr, "vorlinde-icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    const QString scalable = dir + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(scalable) ||
        !writeFile(scalable + '/' + id + ".svg", QByteArray::fromStdString(art::appIconSvg()))) {
        std::fprintf(stderr, "vorlinde-icon: cannot write %s\n", qPrintable(scalable));
        return 1;
    }
    return 0;
}
