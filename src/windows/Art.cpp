#include "windows/Art.h"

#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <map>

namespace brisvane {

namespace {

struct DiceTint {
    QColor light; // body, lit side
    QColor dark;  // body, far side
    QColor pip;
    bool lightPips; // pips lighter than the body: drawn raised rather than hollow
};

// One set of colours per die position, so the six dice can be told apart at a glance.
const std::array<DiceTint, 6> Tints{{
    {QColor(0xfb, 0xf6, 0xea), QColor(0xd8, 0xcc, 0xb2), QColor(0x2b, 0x22, 0x1e), false},
    {QColor(0xe8, 0x4d, 0x57), QColor(0x93, 0x17, 0x26), QColor(0xfb, 0xf4, 0xee), true},
    {QColor(0xf9, 0xcd, 0x5e), QColor(0xc3, 0x86, 0x14), QColor(0x3a, 0x24, 0x07), false},
    {QColor(0x5a, 0x92, 0xe8), QColor(0x1b, 0x45, 0x97), QColor(0xf7, 0xf8, 0xfc), true},
    {QColor(0xa8, 0x7c, 0xde), QColor(0x55, 0x2f, 0x8f), QColor(0xfb, 0xf6, 0xff), true},
    {QColor(0x55, 0x57, 0x60), QColor(0x18, 0x19, 0x1e), QColor(0xf3, 0xee, 0xe2), true},
}};

// Pip places on a 3 x 3 grid (column, row), per face.
using Pip = std::pair<int, int>;
const std::array<std::vector<Pip>, 6> PipLayout{{
    {{1, 1}},
    {{0, 0}, {2, 2}},
    {{0, 0}, {1, 1}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
    {{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}},
}};

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QPixmap blankPixmap(QSizeF logical, qreal devicePixelRatio) {
    QPixmap pixmap((logical * devicePixelRatio).toSize());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A soft shadow: rounded rectangles of rising size and falling strength.
void paintSoftShadow(QPainter& painter, const QRectF& body, qreal radius, qreal spread,
                     int strength) {
    painter.setPen(Qt::NoPen);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const qreal grow = spread * i / steps;
        painter.setBrush(QColor(0, 0, 0, strength / (i + 1)));
        painter.drawRoundedRect(body.adjusted(-grow, -grow, grow, grow), radius + grow,
                                radius + grow);
    }
}

void paintPip(QPainter& painter, QPointF centre, qreal r, const DiceTint& tint) {
    if (tint.lightPips) {
        // Inlaid paint: a faint dark rim below, a lit dome.
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawEllipse(centre + QPointF(0, r * 0.18), r * 1.04, r * 1.04);
        QRadialGradient dome(centre - QPointF(r * 0.35, r * 0.4), r * 1.5);
        dome.setColorAt(0, tint.pip.lighter(108));
        dome.setColorAt(1, tint.pip.darker(125));
        painter.setBrush(dome);
        painter.drawEllipse(centre, r, r);
    } else {
        // A drilled hollow: dark at the top where the rim shades it, lighter at the bottom.
        painter.setBrush(QColor(255, 255, 255, 120));
        painter.drawEllipse(centre + QPointF(0, r * 0.16), r * 1.02, r * 1.02);
        QRadialGradient hollow(centre + QPointF(r * 0.25, r * 0.45), r * 1.35);
        hollow.setColorAt(0, tint.pip.lighter(210));
        hollow.setColorAt(0.55, tint.pip);
        hollow.setColorAt(1, tint.pip.darker(140));
        painter.setBrush(hollow);
        painter.drawEllipse(centre, r, r);
    }
}

// The speaker of icons 67 and 68, in a 32 x 32 design box.
QPainterPath speakerPath() {
    QPainterPath path;
    path.moveTo(4, 12);
    path.lineTo(10, 12);
    path.lineTo(17, 5);
    path.lineTo(17, 27);
    path.lineTo(10, 20);
    path.lineTo(4, 20);
    path.closeSubpath();
    return path;
}

void paintSpeaker(QPainter& painter, bool on) {
    const QColor ink(0xf4, 0xf1, 0xe8);
    QLinearGradient fill(0, 5, 0, 27);
    fill.setColorAt(0, ink);
    fill.setColorAt(1, QColor(0xc9, 0xc3, 0xb3));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1.0));
    painter.setBrush(fill);
    painter.drawPath(speakerPath());
    painter.setBrush(Qt::NoBrush);
    if (on) {
        painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(14, 11, 8, 10), -55 * 16, 110 * 16);
        painter.drawArc(QRectF(13, 7, 14, 18), -55 * 16, 110 * 16);
        painter.setPen(QPen(withAlpha(ink, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(12, 3, 18, 26), -55 * 16, 110 * 16);
    } else {
        painter.setPen(QPen(QColor(0xff, 0x6b, 0x5e), 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(21, 11), QPointF(29, 21));
        painter.drawLine(QPointF(29, 11), QPointF(21, 21));
    }
}

void paintErrorMarker(QPainter& painter) {
    QRadialGradient disc(QPointF(13, 11), 17);
    disc.setColorAt(0, QColor(0xff, 0x7a, 0x6e));
    disc.setColorAt(1, QColor(0xb3, 0x1b, 0x1b));
    painter.setPen(QPen(QColor(0x5e, 0x08, 0x08), 1.2));
    painter.setBrush(disc);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(14.2, 7.5, 3.6, 12), 1.8, 1.8);
    painter.drawEllipse(QRectF(14, 21.5, 4, 4));
}

void paintWindowIcon(QPainter& painter) {
    // Two dice on a felt disc: the table the game is played on.
    QRadialGradient felt(QPointF(16, 14), 18);
    felt.setColorAt(0, QColor(0x2f, 0x7d, 0x55));
    felt.setColorAt(1, QColor(0x11, 0x3d, 0x29));
    painter.setPen(Qt::NoPen);
    painter.setBrush(felt);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 7, 7);
    Art::paintDie(painter, QRectF(1, 7, 19, 19), 2, 5);
    Art::paintDie(painter, QRectF(12, 2, 19, 19), 1, 6);
}

// The pointing hand of cursor 74 in a 32 x 32 design box; the fingertip is at (12, 1).
QPainterPath handPath() {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(9.5, 1, 5.5, 17), 2.75, 2.75);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(7.5, 12.5, 17, 16.5), 4.5, 4.5);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(14, 10.5, 4.5, 9), 2.25, 2.25);
    knuckles.addRoundedRect(QRectF(17.5, 11.5, 4.5, 8.5), 2.25, 2.25);
    knuckles.addRoundedRect(QRectF(21, 13, 4, 7.5), 2, 2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -2.25, 10, 4.5), 2.25, 2.25);
    QTransform turn;
    turn.translate(7, 19.5);
    turn.rotate(48);
    return finger.united(palm).united(knuckles).united(turn.map(thumb)).simplified();
}

void paintHand(QPainter& painter) {
    painter.setPen(QPen(QColor(0x1d, 0x1a, 0x17), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient glove(0, 0, 0, 30);
    glove.setColorAt(0, Qt::white);
    glove.setColorAt(1, QColor(0xe4, 0xe0, 0xd6));
    painter.setBrush(glove);
    painter.drawPath(handPath());
    painter.setPen(QPen(QColor(0x1d, 0x1a, 0x17, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(18, 13), QPointF(18, 17));
    painter.drawLine(QPointF(21.5, 14), QPointF(21.5, 18));
}

// Draws an icon by id into any QPainter box, scaled from its 32 x 32 design.
class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(int id) : id_(id) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        if (mode == QIcon::Disabled) {
            painter->setOpacity(0.45);
        }
        Art::paintIcon(*painter, rect, id_);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap = blankPixmap(size, scale);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new PaintedIconEngine(id_); }

private:
    int id_;
};

QString cacheKey(const char* kind, int id, qreal devicePixelRatio) {
    return QStringLiteral("brisvane-%1-%2@%3")
        .arg(QLatin1String(kind))
        .arg(id)
        .arg(qRound(devicePixelRatio * 100));
}

QFont wordmarkFont(qreal pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    return font;
}

// The name in white with a gold underline and a soft drop shadow.
void paintWordmark(QPainter& painter, const QRectF& box, qreal pixelSize) {
    const QString name = QStringLiteral("Brisvane");
    painter.setFont(wordmarkFont(pixelSize));
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(box.translated(1.5, 2), Qt::AlignLeft | Qt::AlignVCenter, name);
    QLinearGradient ink(box.topLeft(), box.bottomLeft());
    ink.setColorAt(0, Qt::white);
    ink.setColorAt(1, QColor(0xe9, 0xe2, 0xcf));
    painter.setPen(QPen(QBrush(ink), 1));
    QRectF used;
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, name, &used);
    QLinearGradient gold(used.left(), 0, used.right(), 0);
    gold.setColorAt(0, QColor(0xff, 0xe6, 0x00, 230));
    gold.setColorAt(1, QColor(0xff, 0xe6, 0x00, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(used.left() + 2, used.bottom() - pixelSize * 0.12,
                                   used.width() * 0.9, qMax(2.0, pixelSize * 0.06)),
                            1, 1);
}

void paintFelt(QPainter& painter, const QRectF& box) {
    QRadialGradient felt(box.center() - QPointF(0, box.height() * 0.15), box.width() * 0.75);
    felt.setColorAt(0, QColor(0x2c, 0x74, 0x4f));
    felt.setColorAt(1, QColor(0x0e, 0x33, 0x23));
    painter.setPen(Qt::NoPen);
    painter.setBrush(felt);
    painter.drawRect(box);
}

// `text` in capitals on one line: a longer text gives up its letter spacing first, then size,
// rather than its end.
void paintSubtitle(QPainter& painter, const QRectF& line, const QString& text) {
    const QString capitals = text.toUpper();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    for (int spacing = 125;; spacing -= 5) {
        font.setLetterSpacing(QFont::PercentageSpacing, std::max(spacing, 100));
        if (QFontMetricsF(font).horizontalAdvance(capitals) <= line.width() ||
            font.pixelSize() <= 8) {
            break;
        }
        if (spacing <= 100) {
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    painter.setFont(font);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, capitals);
}

} // namespace

QColor Art::dieColour(int die) {
    return Tints.at(static_cast<std::size_t>(qBound(1, die, 6) - 1)).light;
}

void Art::paintDie(QPainter& painter, const QRectF& box, int die, int face) {
    const DiceTint& tint = Tints.at(static_cast<std::size_t>(qBound(1, die, 6) - 1));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The die fills 86% of its box; the rest is room for the shadow.
    const qreal side = std::min(box.width(), box.height()) * 0.86;
    const QRectF body(box.center().x() - side / 2, box.center().y() - side / 2 - side * 0.03, side,
                      side);
    const qreal radius = side * 0.19;

    paintSoftShadow(painter, body.translated(side * 0.03, side * 0.06), radius, side * 0.07, 110);

    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, tint.light);
    fill.setColorAt(1, tint.dark);
    painter.setPen(QPen(tint.dark.darker(150), std::max(0.8, side * 0.014)));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);

    // The face: a slightly inset, flatter square, as a die's top looks under a lamp.
    const qreal inset = side * 0.07;
    const QRectF top = body.adjusted(inset, inset, -inset, -inset);
    QLinearGradient topFill(top.topLeft(), top.bottomRight());
    topFill.setColorAt(0, tint.light.lighter(104));
    topFill.setColorAt(1, tint.light.darker(112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(topFill);
    painter.drawRoundedRect(top, radius * 0.7, radius * 0.7);

    // Gloss along the upper edge.
    QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.top() + side * 0.45));
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawRoundedRect(body.adjusted(side * 0.02, side * 0.02, -side * 0.02, -side * 0.5),
                            radius * 0.9, radius * 0.9);

    if (face >= 1 && face <= 6) {
        const qreal pipRadius = side * 0.09;
        const qreal step = top.width() * 0.3;
        const QPointF centre = top.center();
        for (const auto& [column, row] : PipLayout.at(static_cast<std::size_t>(face - 1))) {
            paintPip(painter, centre + QPointF((column - 1) * step, (row - 1) * step), pipRadius,
                     tint);
        }
    }
    painter.restore();
}

void Art::paintIcon(QPainter& painter, const QRectF& box, int id) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(box.width(), box.height()) / 32.0;
    painter.translate(box.center().x() - 16 * scale, box.center().y() - 16 * scale);
    painter.scale(scale, scale);
    switch (id) {
    case SoundOnIcon:
        paintSpeaker(painter, true);
        break;
    case SoundOffIcon:
        paintSpeaker(painter, false);
        break;
    case ErrorIcon:
        paintErrorMarker(painter);
        break;
    case WindowIcon:
        paintWindowIcon(painter);
        break;
    case HandCursor:
        paintHand(painter);
        break;
    default:
        break;
    }
    painter.restore();
}

QPixmap Art::picture(int id, qreal devicePixelRatio) {
    const bool dice = isDicePicture(id);
    if (!dice && !isIcon(id) && id != HandCursor) {
        return {};
    }
    const QString key = cacheKey("picture", id, devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    const int size = dice ? DiePictureSize : 32;
    pixmap = blankPixmap(QSizeF(size, size), devicePixelRatio);
    QPainter painter(&pixmap);
    if (dice) {
        paintDie(painter, QRectF(0, 0, size, size), id / 10, id % 10);
    } else {
        paintIcon(painter, QRectF(0, 0, size, size), id);
    }
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon Art::icon(int id) {
    if (!isIcon(id)) {
        return {};
    }
    return QIcon(new PaintedIconEngine(id));
}

QCursor Art::cursor(int id, qreal devicePixelRatio) {
    if (id != HandCursor) {
        return {};
    }
    // Drawn once per pixel ratio: many controls share it, and the hand's outline is costly.
    static std::map<int, QCursor> made;
    const int key = qRound(devicePixelRatio * 100);
    const auto found = made.find(key);
    if (found != made.end()) {
        return found->second;
    }
    // A little larger than the desktop's 16-pixel pointers, so the hand is easy to see.
    const qreal size = 24;
    QPixmap pixmap = blankPixmap(QSizeF(size, size), devicePixelRatio);
    QPainter painter(&pixmap);
    paintIcon(painter, QRectF(0, 0, size, size), HandCursor);
    painter.end();
    return made.emplace(key, QCursor(pixmap, qRound(12 * size / 32), qRound(1 * size / 32)))
        .first->second;
}

QPixmap Art::logo(qreal devicePixelRatio, const QString& subtitle) {
    const QString key = cacheKey("logo", 0, devicePixelRatio) + subtitle;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap = blankPixmap(QSizeF(LogoWidth, LogoHeight), devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintDie(painter, QRectF(4, 8, 46, 46), 2, 6);
    paintDie(painter, QRectF(30, 30, 46, 46), 1, 5);
    paintWordmark(painter, QRectF(88, 6, LogoWidth - 90, 60), 44);
    painter.setPen(QColor(0xd8, 0xd2, 0xc0));
    paintSubtitle(painter, QRectF(92, 64, LogoWidth - 94, 18), subtitle);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap Art::splash(qreal devicePixelRatio, const QString& subtitle) {
    // Cached: the splash window repaints whenever it is uncovered during its two seconds.
    const QString key = cacheKey("splash", 0, devicePixelRatio) + subtitle;
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    pixmap = blankPixmap(QSizeF(SplashWidth, SplashHeight), devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, SplashWidth, SplashHeight);
    paintFelt(painter, all);

    // A wooden rim around the felt.
    QLinearGradient wood(0, 0, 0, SplashHeight);
    wood.setColorAt(0, QColor(0x8a, 0x55, 0x2c));
    wood.setColorAt(1, QColor(0x4a, 0x2a, 0x13));
    painter.setPen(QPen(QBrush(wood), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(all.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.drawRect(all.adjusted(6.5, 6.5, -6.5, -6.5));

    // A scatter of dice across the right of the table.
    const std::array<std::array<qreal, 4>, 6> scatter{{
        {236, 22, 50, 3},
        {290, 40, 56, 6},
        {342, 18, 44, 1},
        {256, 84, 52, 5},
        {318, 100, 58, 2},
        {222, 132, 46, 4},
    }};
    for (std::size_t i = 0; i < scatter.size(); ++i) {
        const auto& [x, y, size, face] = scatter.at(i);
        painter.save();
        painter.translate(x + size / 2, y + size / 2);
        painter.rotate((static_cast<double>(i) * 37.0) - 80.0);
        paintDie(painter, QRectF(-size / 2, -size / 2, size, size), static_cast<int>(i) + 1,
                 static_cast<int>(face));
        painter.restore();
    }

    paintWordmark(painter, QRectF(22, 34, 220, 56), 40);
    painter.setPen(QColor(0xe7, 0xe1, 0xcf));
    paintSubtitle(painter, QRectF(26, 124, 200, 18), subtitle);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace brisvane
