// brisvane-icons: writes the window's icon (picture 73) as the desktop's application icon, a
// scalable SVG and PNGs of the usual sizes in the hicolor theme layout, drawn by the same code
// that draws it for the window, so launcher, task bar and window always show the same picture.
//
//     brisvane-icons <output folder> <icon name>
//
// writes <output folder>/hicolor/scalable/apps/<icon name>.svg and
// <output folder>/hicolor/<N>x<N>/apps/<icon name>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "windows/Art.h"

using namespace brisvane;

namespace {

constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
// The icon's design box; the SVG keeps it as its view box.
constexpr int DesignSize = 32;

bool folderFor(const QString& file) {
    return QDir().mkpath(QFileInfo(file).path());
}

bool writePng(const QString& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Art::paintIcon(painter, QRectF(0, 0, size, size), Art::WindowIcon);
    painter.end();
    return folderFor(file) && image.save(file, "PNG");
}

bool writeSvg(const QString& file) {
    if (!folderFor(file)) {
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(DesignSize, DesignSize));
    svg.setViewBox(QRect(0, 0, DesignSize, DesignSize));
    svg.setTitle(QStringLiteral("Brisvane"));
    svg.setDescription(QStringLiteral("Two dice on a felt table"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    Art::paintIcon(painter, QRectF(0, 0, DesignSize, DesignSize), Art::WindowIcon);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: brisvane-icons <output folder> <icon name>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool ok = writeSvg(out.filePath(QStringLiteral("hicolor/scalable/apps/%1.svg").arg(name)));
    for (const int size : Sizes) {
        ok = writePng(out.filePath(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(name)),
                      size) &&
             ok;
    }
    if (!ok) {
        std::fprintf(stderr, "brisvane-icons: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
