#include "windows/DarkDialog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

#include "windows/DarkPalette.h"
#include "windows/DarkStyle.h"
#include "windows/Twips.h"

namespace brisvane {

DarkDialog::DarkDialog(const char* objectName, const char* title, int widthTwips, int heightTwips,
                       EventGuard& guard)
    : QDialog(nullptr), guard_(guard), style_(new DarkStyle) {
    style_->setParent(this);
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromUtf8(title));
    setPalette(dark::palette(palette()));
    setAutoFillBackground(false);
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    setSizeGripEnabled(false);
}

void DarkDialog::adoptDarkStyle() {
    setStyle(style_);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setStyle(style_);
    }
}

void DarkDialog::place(QWidget* widget, const Control& control) {
    widget->setObjectName(QString::fromStdString(control.objectName));
    widget->setGeometry(twips::toPixels(control));
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    widget->setToolTip(QString::fromStdString(control.toolTip));
}

void DarkDialog::colourText(QWidget* widget, std::uint32_t bgr) {
    QPalette palette = widget->palette();
    const QColor colour = twips::toQColor(bgr);
    if (palette.color(QPalette::Active, QPalette::WindowText) != colour) {
        palette.setColor(QPalette::Active, QPalette::WindowText, colour);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        widget->setPalette(palette);
    }
}

void DarkDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF all(rect());
    QLinearGradient ground(all.topLeft(), all.bottomLeft());
    ground.setColorAt(0, dark::Ground);
    ground.setColorAt(1, dark::GroundDeep);
    painter.fillRect(all, ground);
}

} // namespace brisvane
