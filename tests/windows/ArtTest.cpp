// The program's own pictures: sharp on a HiDPI screen, and every die and icon told apart.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <set>

#include "windows/Art.h"

namespace brisvane {
namespace {

TEST(ArtTest, PicturesAreDrawnAtTheScreensPixelRatioAndTellEveryDieAndIconApart) {
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        const QPixmap die = Art::picture(Art::dicePictureId(3, 5), ratio);
        EXPECT_EQ(die.deviceIndependentSize().toSize(), QSize(78, 78)) << ratio;
        EXPECT_EQ(die.width(), qRound(78 * ratio)) << ratio;
    }
    std::set<QRgb> bodies; // a point of each die's face away from every pip
    for (int die = 1; die <= 6; ++die) {
        const QImage image = Art::picture(Art::dicePictureId(die, 1), 1.0).toImage();
        bodies.insert(image.pixel(image.width() * 28 / 100, image.height() * 45 / 100));
    }
    EXPECT_EQ(bodies.size(), 6U);
    EXPECT_NE(Art::picture(Art::dicePictureId(4, 2), 1.0).toImage(),
              Art::picture(Art::dicePictureId(4, 5), 1.0).toImage());
    EXPECT_NE(Art::icon(Art::SoundOnIcon).pixmap(QSize(32, 32)).toImage(),
              Art::icon(Art::SoundOffIcon).pixmap(QSize(32, 32)).toImage());
}

// The launcher's icon is the window's: the installed SVG and PNG, drawn at build time, show
// the same picture as the window's icon, also against another picture of ours.
TEST(ArtTest, TheDesktopsIconsShowTheWindowsIcon) {
    const QString folder = QStringLiteral(BRISVANE_ICON_DIR "/hicolor/");
    const QString name = QStringLiteral(BRISVANE_APP_ID);
    const auto render = [](QSvgRenderer& svg) {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter, QRectF(0, 0, 64, 64));
        return image;
    };
    // The mean difference of two pictures per channel, 0 (equal) to 255.
    const auto distance = [](const QImage& a, const QImage& b) {
        double sum = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QColor p = a.pixelColor(x, y);
                const QColor q = b.pixelColor(x, y);
                sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                       std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
            }
        }
        return sum / (64.0 * 64.0 * 4.0);
    };
    const QImage window = Art::icon(Art::WindowIcon)
                              .pixmap(QSize(64, 64))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage other = Art::icon(Art::ErrorIcon)
                             .pixmap(QSize(64, 64))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSvgRenderer svg(folder + QStringLiteral("scalable/apps/%1.svg").arg(name));
    ASSERT_TRUE(svg.isValid());
    const QImage png(folder + QStringLiteral("64x64/apps/%1.png").arg(name));
    ASSERT_EQ(png.size(), QSize(64, 64));
    const QImage fromSvg = render(svg);
    EXPECT_LT(distance(fromSvg, window), 4.0);
    EXPECT_LT(distance(png.convertToFormat(QImage::Format_ARGB32_Premultiplied), window), 1.0);
    EXPECT_GT(distance(fromSvg, other), 20.0) << "the comparison tells pictures apart";
}

} // namespace
} // namespace brisvane
