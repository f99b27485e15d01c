// The program's own pictures: sharp on a HiDPI screen, and every die and icon told apart.
#include <gtest/gtest.h>

#include <QImage>
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

} // namespace
} // namespace brisvane
