#include "windows/ControlWidget.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "windows/AccessibleControl.h"
#include "windows/Art.h"
#include "windows/Twips.h"

#include <cmath>
#include <utility>

namespace brisvane {

namespace {

constexpr int MarkerGlow = 4; // pixels
const QColor FilledInk(0x93, 0xb8, 0xa4);

bool sameLook(const Control& a, const Control& b) {
    return a.caption == b.caption && a.foreColor == b.foreColor && a.fillColor == b.fillColor &&
           a.enabled == b.enabled && a.bold == b.bold && a.picture == b.picture;
}

bool isText(ControlWidget::Kind kind) {
    using Kind = ControlWidget::Kind;
    return kind == Kind::Label || kind == Kind::Link || kind == Kind::Button ||
           kind == Kind::Category || kind == Kind::Number;
}

} // namespace

ControlWidget::ControlWidget(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    // One font for all the controls, set up once.
    static const QFont base = [] {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        return font;
    }();
    setFont(base);
    if (kind == Kind::Link || kind == Kind::Category || kind == Kind::Button ||
        kind == Kind::Close || kind == Kind::Minimise) {
        setAttribute(Qt::WA_Hover);
    }
}

void ControlWidget::setFontPixelSize(int pixels) {
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
}

void ControlWidget::setImage(const QPixmap& image) {
    image_ = image;
    update();
}

namespace {

double luminance(const QColor& c) {
    const auto channel = [](int v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

double ControlWidget::contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ControlWidget::lightestGround() {
    return QColor(0x1f, 0x2b, 0x38); // the score card
}

QColor ControlWidget::foreground() const {
    QColor ink = twips::toQColor(control_.foreColor);
    if (kind_ == Kind::Category && control_.foreColor == colour::Grey) {
        ink = QColor(0xb4, 0xbe, 0xc8); // open, but nothing scores with these dice
    }
    // The model's colours were chosen for a lighter window: lighten any that would not read.
    for (int step = 0; step < 20 && contrast(ink, lightestGround()) < 4.5; ++step) {
        ink = QColor((ink.red() * 3 + 255) / 4, (ink.green() * 3 + 255) / 4,
                     (ink.blue() * 3 + 255) / 4);
    }
    return ink;
}

QColor ControlWidget::ink() const {
    if (isEnabled()) {
        return foreground();
    }
    if (kind_ == Kind::Category) {
        return FilledInk; // a filled category: done, quieter, still readable
    }
    // Other controls switched off fade towards the ground.
    const QColor on = foreground();
    const QColor ground = lightestGround();
    return QColor((on.red() * 3 + ground.red() * 2) / 5, (on.green() * 3 + ground.green() * 2) / 5,
                  (on.blue() * 3 + ground.blue() * 2) / 5);
}

void ControlWidget::setFocusRing(bool on) {
    if (focusRing_ != on) {
        focusRing_ = on;
        update();
        // The keyboard's focus on the score card is the screen reader's focus too.
        if (accessibility::listening(*this)) {
            if (on) {
                QAccessibleEvent event(this, QAccessible::Focus);
                accessibility::announce(event);
            } else {
                QAccessible::State changed;
                changed.focused = true;
                QAccessibleStateChangeEvent event(this, changed);
                accessibility::announce(event);
            }
        }
    }
}

QRect ControlWidget::boxFor(const Control& control) const {
    QRect box = twips::toPixels(control);
    if (kind_ == Kind::Marker) {
        // Room for the glow around the square.
        return box.adjusted(-MarkerGlow, -MarkerGlow, MarkerGlow, MarkerGlow);
    }
    if (!isText(kind_)) {
        return box;
    }
    QFont f = font();
    f.setBold(control.bold);
    const QFontMetrics metrics(f);
    // Small labels (a score is 11 pixels high) grow about their middle to hold the text.
    const int needHeight = metrics.height();
    if (box.height() < needHeight) {
        box.adjust(0, -(needHeight - box.height()) / 2, 0, 0);
        box.setHeight(needHeight);
    }
    if (autoSize_) {
        const int needWidth =
            metrics.horizontalAdvance(QString::fromStdString(control.caption)) + 2;
        box.setWidth(std::max(box.width(), std::min(needWidth, maxAutoWidth_)));
    }
    if (rowAnchor_ != nullptr) {
        const QRect row = twips::toPixels(*rowAnchor_);
        box.moveTop(row.center().y() - box.height() / 2);
    }
    return box;
}

void ControlWidget::render(const Control& control) {
    const bool relook = first_ || !sameLook(control, control_);
    const bool regeometry =
        first_ || control.left != control_.left || control.top != control_.top ||
        control.width != control_.width || control.height != control_.height ||
        (autoSize_ && control.caption != control_.caption) || control.bold != control_.bold;
    if (first_ || control.objectName != control_.objectName) {
        setObjectName(QString::fromStdString(control.objectName));
    }
    if (first_ || control.toolTip != control_.toolTip) {
        setToolTip(QString::fromStdString(control.toolTip));
    }
    control_ = control;
    first_ = false;
    if (regeometry) {
        setGeometry(boxFor(control));
    }
    if (isEnabled() != control.enabled) {
        setEnabled(control.enabled);
    }
    if (isVisibleTo(parentWidget()) != control.visible) {
        setVisible(control.visible);
    }
    if (relook) {
        update();
    }
    announceChanges();
}

Spoken ControlWidget::spoken() const {
    return speech_ ? speech_(control_) : speech::fromCaption(control_);
}

void ControlWidget::pressLater() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isEnabled()) {
                return;
            }
            if (press_) {
                press_();
            } else {
                Q_EMIT clicked();
            }
        },
        Qt::QueuedConnection);
}

void ControlWidget::announceChanges() {
    // Nobody listens: nothing is worked out.
    if (!accessibility::listening(*this)) {
        return;
    }
    Spoken now = spoken();
    if (!heardValid_ || now == heard_) {
        heard_ = std::move(now);
        heardValid_ = true;
        return;
    }
    const Spoken before = std::exchange(heard_, std::move(now));
    if (heard_.name != before.name) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        accessibility::announce(event);
    }
    if (heard_.description != before.description) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        accessibility::announce(event);
    }
    if (heard_.value != before.value) {
        QAccessibleValueChangeEvent event(this, QString::fromStdString(heard_.value));
        accessibility::announce(event);
    }
    if (heard_.checked != before.checked) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        accessibility::announce(event);
    }
}

bool ControlWidget::takesClicks() const {
    switch (kind_) {
    case Kind::Link:
    case Kind::Button:
    case Kind::Category:
    case Kind::Picture:
    case Kind::Close:
    case Kind::Minimise:
    case Kind::Strip:
    case Kind::Logo:
        return true;
    default:
        return false;
    }
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (!takesClicks() || event->button() != Qt::LeftButton) {
        // Not ours: the window's surface sees it (a right sweep may start on a die).
        event->ignore();
        return;
    }
    pressedInside_ = true;
    update();
    Q_EMIT pressed(event->button(), event->position().toPoint(), event->globalPosition().toPoint());
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedInside_) {
        event->ignore();
        return;
    }
    Q_EMIT moved(event->buttons(), event->position().toPoint(), event->globalPosition().toPoint());
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressedInside_) {
        event->ignore();
        return;
    }
    pressedInside_ = false;
    update();
    Q_EMIT released(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (kind_ == Kind::Strip && event->button() == Qt::LeftButton) {
        Q_EMIT doubleClicked();
        return;
    }
    mousePressEvent(event);
}

void ControlWidget::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QWidget::enterEvent(event);
}

void ControlWidget::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QWidget::leaveEvent(event);
}

void ControlWidget::paintText(QPainter& painter, const QRect& box) {
    QFont f = font();
    f.setBold(control_.bold);
    f.setUnderline(kind_ == Kind::Link && hovered_ && isEnabled());
    painter.setFont(f);
    painter.setPen(ink());
    const QFontMetrics metrics(f);
    const QString caption = metrics.elidedText(QString::fromStdString(control_.caption),
                                               Qt::ElideRight, box.width());
    painter.drawText(box, static_cast<int>(alignment_) | Qt::TextSingleLine, caption);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    switch (kind_) {
    case Kind::Label:
    case Kind::Link:
    case Kind::Number:
        paintText(painter, rect());
        break;

    case Kind::Category: {
        painter.setPen(Qt::NoPen);
        if (!isEnabled()) {
            // Filled: a quiet band and a tick before the name, so open rows stand apart.
            painter.setBrush(QColor(0x7f, 0xc8, 0x9a, 22));
            painter.drawRoundedRect(area, 4, 4);
            painter.setPen(QPen(FilledInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF tick(area.left() + 7, area.center().y());
            painter.drawPolyline(QPolygonF{tick + QPointF(-3.5, 0), tick + QPointF(-1, 2.5),
                                           tick + QPointF(3.5, -3)});
        } else if (hovered_) {
            painter.setBrush(QColor(255, 255, 255, 26));
            painter.drawRoundedRect(area, 4, 4);
        }
        if (focusRing_) {
            painter.setPen(QPen(QColor(0xff, 0xe6, 0x00), 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        }
        paintText(painter, rect().adjusted(isEnabled() ? 0 : 8, 0, 0, 0));
        break;
    }

    case Kind::Button: {
        const bool enabled = isEnabled();
        QLinearGradient fill(area.topLeft(), area.bottomLeft());
        if (accent_) {
            QColor top(0xff, 0xd5, 0x4a);
            QColor bottom(0xe0, 0x9a, 0x12);
            if (pressedInside_) {
                top = top.darker(112);
                bottom = bottom.darker(112);
            } else if (hovered_ && enabled) {
                top = top.lighter(108);
                bottom = bottom.lighter(108);
            }
            fill.setColorAt(0, top);
            fill.setColorAt(1, bottom);
        } else {
            const int alpha = pressedInside_ ? 70 : (hovered_ && enabled ? 52 : 34);
            fill.setColorAt(0, QColor(255, 255, 255, alpha));
            fill.setColorAt(1, QColor(255, 255, 255, alpha / 2));
        }
        painter.setOpacity(enabled ? 1.0 : 0.38);
        painter.setPen(QPen(accent_ ? QColor(0x7a, 0x4c, 0x05) : QColor(255, 255, 255, 90), 1));
        painter.setBrush(fill);
        const qreal radius = area.height() / 2;
        painter.drawRoundedRect(area, radius, radius);
        QFont f = font();
        f.setBold(true);
        painter.setFont(f);
        painter.setPen(accent_ ? QColor(0x3a, 0x22, 0x02) : foreground());
        // A button's "&" marks its mnemonic, as on every desktop button.
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                         QString::fromStdString(control_.caption));
        break;
    }

    case Kind::Picture: {
        const int id = control_.picture;
        const qreal ratio = devicePixelRatioF();
        if (Art::isDicePicture(id) && size() == QSize(Art::DiePictureSize, Art::DiePictureSize) &&
            ratio == std::floor(ratio)) {
            // Drawn once per face, then copied: a roll repaints up to six dice.
            painter.drawPixmap(0, 0, Art::picture(id, ratio));
        } else if (Art::isDicePicture(id)) {
            Art::paintDie(painter, QRectF(rect()), id / 10, id % 10);
        } else if (id != 0) {
            Art::paintIcon(painter, QRectF(rect()), control_.picture);
        }
        break;
    }

    case Kind::Marker: {
        // The square in the model's colour, with a glow of the same red that brightens and
        // fades with it, so the pulse shows on the dark ground.
        // The model's reds (64, 128, 192) are lifted so the dimmest phase still shows.
        const QColor model = twips::toQColor(control_.fillColor);
        const QColor red(std::min(255, 110 + model.red() * 3 / 4), model.green(), model.blue());
        const QRectF square = area.adjusted(MarkerGlow, MarkerGlow, -MarkerGlow, -MarkerGlow);
        QRadialGradient glow(square.center(), area.width() / 2);
        QColor halo = red.lighter(170);
        halo.setAlpha(qBound(0, red.red(), 255) / 2);
        glow.setColorAt(0, halo);
        glow.setColorAt(1, QColor(255, 0, 0, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(area);
        painter.setPen(QPen(red.lighter(150), 1));
        painter.setBrush(red);
        painter.drawRoundedRect(square, 1.5, 1.5);
        break;
    }

    case Kind::Close:
    case Kind::Minimise: {
        if (hovered_) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kind_ == Kind::Close ? QColor(0xd9, 0x3b, 0x3b)
                                                  : QColor(255, 255, 255, 46));
            painter.drawEllipse(area);
        }
        painter.setPen(QPen(QColor(0xf2, 0xee, 0xe4), 1.6, Qt::SolidLine, Qt::RoundCap));
        const QRectF glyph = area.adjusted(area.width() * 0.3, area.height() * 0.3,
                                           -area.width() * 0.3, -area.height() * 0.3);
        if (kind_ == Kind::Close) {
            painter.drawLine(glyph.topLeft(), glyph.bottomRight());
            painter.drawLine(glyph.topRight(), glyph.bottomLeft());
        } else {
            painter.drawLine(QPointF(glyph.left(), glyph.center().y() + 1),
                             QPointF(glyph.right(), glyph.center().y() + 1));
        }
        break;
    }

    case Kind::Strip: {
        // A grip in the middle says the strip can be taken hold of.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 40));
        const QPointF centre = area.center();
        for (int i = -3; i <= 3; ++i) {
            painter.drawEllipse(centre + QPointF(i * 6.0, 0), 1.3, 1.3);
        }
        break;
    }

    case Kind::Logo:
        painter.drawPixmap(0, 0, Art::logo(devicePixelRatioF(),
                                           QString::fromStdString(control_.caption)));
        break;

    case Kind::Image:
        painter.drawPixmap(0, 0, image_);
        break;
    }
}

} // namespace brisvane
