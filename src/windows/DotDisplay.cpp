#include "windows/DotDisplay.h"

#include <QAccessible>
#include <QPainter>
#include <QRadialGradient>

#include "windows/AccessibleControl.h"
#include "windows/Twips.h"

#include <utility>

namespace brisvane {

namespace {
constexpr int Margin = 90; // twips around the outermost dots
}

TwipRect DotDisplay::area() {
    const TwipRect first = DotMatrix::dotRect(0);
    const TwipRect last = DotMatrix::dotRect(DotMatrix::DotCount - 1);
    return {first.left - Margin, first.top - Margin,
            last.left + last.width - first.left + 2 * Margin,
            last.top + last.height - first.top + 2 * Margin};
}

DotDisplay::DotDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Digit"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(twips::toPixels(area()));
}

void DotDisplay::render(const DotMatrix& model) {
    std::bitset<DotMatrix::DotCount> lit;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        lit.set(static_cast<std::size_t>(i), model.dotLit(i));
    }
    if (lit != lit_) {
        lit_ = lit;
        update();
    }
    if (model.messagesSaid() != messagesSaid_) {
        messagesSaid_ = model.messagesSaid();
        const QString before = std::exchange(message_, QString::fromStdString(model.SayText()));
        if (accessibility::listening(*this)) {
            // The whole message as the display's new name and text: readers speak it as the
            // message of a live region, not page by page.
            QAccessibleEvent named(this, QAccessible::NameChanged);
            accessibility::announce(named);
            QAccessibleTextUpdateEvent replaced(this, 0, before, message_);
            accessibility::announce(replaced);
        }
    }
}

void DotDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const TwipRect origin = area();
    const QColor dark(255, 255, 255, 16);
    const QColor halo(255, 255, 255, 46);
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        const TwipRect dot = DotMatrix::dotRect(i);
        // Fractional pixels: the dots keep their exact pitch at any scale.
        const QRectF box((dot.left - origin.left) / qreal(twips::PerPixel),
                         (dot.top - origin.top) / qreal(twips::PerPixel),
                         dot.width / qreal(twips::PerPixel), dot.height / qreal(twips::PerPixel));
        if (!lit_.test(static_cast<std::size_t>(i))) {
            painter.setBrush(dark);
            painter.drawEllipse(box);
            continue;
        }
        painter.setBrush(halo);
        painter.drawEllipse(box.adjusted(-1.2, -1.2, 1.2, 1.2));
        painter.setBrush(QColor(0xff, 0xff, 0xff));
        painter.drawEllipse(box);
    }
}

} // namespace brisvane
