// Build tool: writes the application's icon into an icon theme folder, as
//   DIR/<N>x<N>/apps/<ID>.png  for every size a desktop looks for, and
//   DIR/scalable/apps/<ID>.svg
// usage: vorlinde-icon DIR ID [SIZE...]. The sizes default to those of a desktop's icon theme;
// the browser edition asks for the ones an installed web app needs. Exits 1 when a file cannot
// be written, 2 on a bad command line.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "art/IconArt.h"
#include "runtime/qt/QtArt.h"

namespace {

bool writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes{16, 32, 48, 64, 128, 256};
    if (argc > 3) sizes.clear();
    bool usable = argc >= 3;
    for (int i = 3; i < argc; ++i) {
        char* end = nullptr;
        const long px = std::strtol(argv[i], &end, 10);
        usable = usable && end != argv[i] && *end == '\0' && px >= 1 && px <= 1024;
        sizes.push_back(static_cast<int>(px));
    }
    if (!usable) {
        std::fprintf(stderr, "usage: vorlinde-icon DIR ID [SIZE...]   (SIZE 1 to 1024)\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]), id = QString::fromLocal8Bit(argv[2]);
    for (int px : sizes) {
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
