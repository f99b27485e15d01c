#include "windows/DarkDialog.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPalette>

#include "windows/Twips.h"

namespace brisvane {

namespace {

const QColor Ground(0x16, 0x1e, 0x27);
const QColor GroundDeep(0x0c, 0x11, 0x17);
const QColor Field(0x0e, 0x14, 0x1b);
const QColor Outline(0x4a, 0x5a, 0x6b);
const QColor Raised(0x25, 0x31, 0x3f);
const QColor Light(0xe8, 0xed, 0xf2);
const QColor Accent(0xff, 0xe6, 0x00);

QPalette darkPalette(QPalette palette) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, Ground);
        palette.setColor(group, QPalette::WindowText, Light);
        palette.setColor(group, QPalette::Base, Field);
        palette.setColor(group, QPalette::AlternateBase, Ground);
        palette.setColor(group, QPalette::Text, Light);
        palette.setColor(group, QPalette::PlaceholderText, QColor(0x8a, 0x96, 0xa3));
        palette.setColor(group, QPalette::Button, Raised);
        palette.setColor(group, QPalette::ButtonText, Light);
        palette.setColor(group, QPalette::Highlight, Accent);
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
        palette.setColor(group, QPalette::ToolTipBase, Field);
        palette.setColor(group, QPalette::ToolTipText, Light);
        palette.setColor(group, QPalette::Light, QColor(0x3a, 0x48, 0x58));
        palette.setColor(group, QPalette::Midlight, QColor(0x30, 0x3d, 0x4c));
        palette.setColor(group, QPalette::Mid, QColor(0x1c, 0x26, 0x31));
        palette.setColor(group, QPalette::Dark, Outline);
        palette.setColor(group, QPalette::Shadow, Qt::black);
    }
    const QColor dimmed(0x6b, 0x76, 0x82);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, dimmed);
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0x1b, 0x24, 0x2e));
    palette.setColor(QPalette::Disabled, QPalette::Base, Ground);
    return palette;
}

} // namespace

DarkDialog::DarkDialog(const char* objectName, const char* title, int widthTwips, int heightTwips,
                       EventGuard& guard)
    : QDialog(nullptr), guard_(guard) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromUtf8(title));
    setPalette(darkPalette(palette()));
    setAutoFillBackground(false);
    setFixedSize(twips::toPixels(widthTwips), twips::toPixels(heightTwips));
    setSizeGripEnabled(false);
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
    ground.setColorAt(0, Ground);
    ground.setColorAt(1, GroundDeep);
    painter.fillRect(all, ground);
}

} // namespace brisvane
