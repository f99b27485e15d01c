#pragma once
// The program's own pictures, drawn in code so that they are crisp at any scale: the 36 dice
// (picture id 10 x die + face), the speaker on and off (67, 68), the error marker (72), the
// window icon (73), the hand pointer (74), the splash picture and the logo.

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace brisvane {

class Art {
public:
    static constexpr int SoundOnIcon = 67;
    static constexpr int SoundOffIcon = 68;
    static constexpr int ErrorIcon = 72;
    static constexpr int WindowIcon = 73;
    static constexpr int HandCursor = 74;

    // A die picture is this many logical pixels square; the die itself sits inside with room
    // for its shadow.
    static constexpr int DiePictureSize = 78;
    static constexpr int SplashWidth = 400; // 6000 x 3075 twips
    static constexpr int SplashHeight = 205;
    static constexpr int LogoWidth = 345; // 5175 x 1305 twips
    static constexpr int LogoHeight = 87;

    static constexpr int dicePictureId(int die, int face) { return 10 * die + face; }
    static constexpr bool isDicePicture(int id) {
        return id / 10 >= 1 && id / 10 <= 6 && id % 10 >= 1 && id % 10 <= 6;
    }
    static constexpr bool isIcon(int id) {
        return id == SoundOnIcon || id == SoundOffIcon || id == ErrorIcon || id == WindowIcon;
    }

    // A picture by id at `devicePixelRatio`: a die is DiePictureSize square, an icon 32
    // logical pixels. An unknown id gives a null pixmap. Pictures are cached.
    static QPixmap picture(int id, qreal devicePixelRatio);
    // Icons 67, 68, 72 and 73 drawn afresh at whatever size they are asked for.
    static QIcon icon(int id);
    // Cursor 74, the hand that shows a place can be clicked.
    static QCursor cursor(int id, qreal devicePixelRatio = 1.0);

    // Drawn on first use and cached, as the pictures.
    static QPixmap splash(qreal devicePixelRatio, const QString& subtitle);
    // The logo with `subtitle` under the name, in capitals, narrowed until it fits.
    static QPixmap logo(qreal devicePixelRatio, const QString& subtitle);

    // Draws die `die` (1..6, each with its own colours) showing `face` (1..6) into `box`.
    static void paintDie(QPainter& painter, const QRectF& box, int die, int face);
    static void paintIcon(QPainter& painter, const QRectF& box, int id);

    // The colour of a die's body, for anything that wants to match it.
    static QColor dieColour(int die);
};

} // namespace brisvane
