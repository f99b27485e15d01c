// The program's own pictures: sharp on a HiDPI screen, and each die told apart by its colours.
#include <gtest/gtest.h>

#include <QImage>

#include "windows/Art.h"

namespace brisvane {
namespace {

QColor centreOfBody(const QPixmap& die) {
    // A quarter in from the top left corner lies on the die's face, away from every pip.
    const QImage image = die.toImage();
    return image.pixelColor(image.width() * 28 / 100, image.height() * 45 / 100);
}

TEST(ArtTest, DicePicturesAreDrawnAtTheScreensPixelRatio) {
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        const QPixmap die = Art::picture(Art::dicePictureId(3, 5), ratio);
        ASSERT_FALSE(die.isNull());
        EXPECT_EQ(die.deviceIndependentSize().toSize(), QSize(78, 78));
        EXPECT_EQ(die.width(), qRound(78 * ratio)) << ratio;
        EXPECT_EQ(die.devicePixelRatio(), ratio);
    }
}

TEST(ArtTest, EveryDiePositionHasItsOwnColours) {
    std::vector<QColor> bodies;
    for (int die = 1; die <= 6; ++die) {
        bodies.push_back(centreOfBody(Art::picture(Art::dicePictureId(die, 1), 1.0)));
    }
    for (std::size_t a = 0; a < bodies.size(); ++a) {
        EXPECT_EQ(bodies[a].alpha(), 255) << "die " << a + 1 << " is painted where sampled";
        for (std::size_t b = a + 1; b < bodies.size(); ++b) {
            EXPECT_NE(bodies[a].rgb(), bodies[b].rgb()) << "dice " << a + 1 << " and " << b + 1;
        }
    }
}

TEST(ArtTest, FacesDifferAndUnknownPicturesAreEmpty) {
    const QImage two = Art::picture(Art::dicePictureId(4, 2), 1.0).toImage();
    const QImage five = Art::picture(Art::dicePictureId(4, 5), 1.0).toImage();
    EXPECT_NE(two, five);
    EXPECT_TRUE(Art::picture(70, 1.0).isNull());
    EXPECT_TRUE(Art::picture(17, 1.0).isNull());
    EXPECT_TRUE(Art::icon(74).isNull());
    EXPECT_FALSE(Art::icon(Art::SoundOnIcon).pixmap(QSize(64, 64)).isNull());
    EXPECT_NE(Art::icon(Art::SoundOnIcon).pixmap(QSize(32, 32)).toImage(),
              Art::icon(Art::SoundOffIcon).pixmap(QSize(32, 32)).toImage());
}

} // namespace
} // namespace brisvane
