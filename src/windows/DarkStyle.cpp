#include "windows/DarkStyle.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include "windows/DarkPalette.h"

namespace brisvane {
namespace {

struct Look {
    QColor edge;
    QColor fill;
};

// The ring or box of a check box or choice: the accent when ticked or chosen (and its edge when
// pointed at or focused), dark::Edge otherwise; dimmed when switched off.
Look lookOf(const QStyleOption* option) {
    const bool on = option->state.testFlag(QStyle::State_On);
    const bool hot = option->state.testFlag(QStyle::State_MouseOver) ||
                     option->state.testFlag(QStyle::State_HasFocus);
    if (!option->state.testFlag(QStyle::State_Enabled)) {
        return {QColor(0x44, 0x50, 0x5c), on ? dark::Dimmed : dark::Field};
    }
    return {on || hot ? dark::Accent : dark::Edge, on ? dark::Accent : dark::Field};
}

} // namespace

DarkStyle::DarkStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int DarkStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* data) const {
    if (hint == SH_GroupBox_TextLabelColor) {
        return static_cast<int>(dark::Accent.rgb());
    }
    return QProxyStyle::styleHint(hint, option, widget, data);
}

void DarkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_IndicatorCheckBox:
        drawCheck(option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawChoice(option, painter);
        return;
    case PE_FrameGroupBox:
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(dark::GroupEdge, 1));
        painter->setBrush(dark::GroupVeil);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        painter->restore();
        return;
    case PE_PanelLineEdit:
    case PE_FrameLineEdit:
    case PE_Frame:
        drawField(option, painter, element != PE_FrameLineEdit);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void DarkStyle::drawField(const QStyleOption* option, QPainter* painter, bool fill) {
    const bool focus = option->state.testFlag(State_HasFocus);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(focus ? dark::Accent : dark::Edge, 1));
    painter->setBrush(fill ? QBrush(dark::Field) : QBrush(Qt::NoBrush));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}

void DarkStyle::drawCheck(const QStyleOption* option, QPainter* painter) {
    const Look look = lookOf(option);
    const QRectF box = QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(look.edge, 1.2));
    painter->setBrush(look.fill);
    painter->drawRoundedRect(box, 3, 3);
    if (option->state.testFlag(State_On)) {
        QPen tick(dark::GroundDeep, std::max<qreal>(1.6, box.width() / 7));
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        painter->setPen(tick);
        painter->setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.53);
        path.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
        path.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.31);
        painter->drawPath(path);
    }
    painter->restore();
}

void DarkStyle::drawChoice(const QStyleOption* option, QPainter* painter) {
    const Look look = lookOf(option);
    const qreal side = std::min(option->rect.width(), option->rect.height()) - 3.0;
    const QRectF ring(QPointF(0, 0), QSizeF(side, side));
    const QPointF centre = QRectF(option->rect).center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(look.edge, 1.2));
    painter->setBrush(look.fill);
    painter->drawEllipse(ring.translated(centre - ring.center()));
    if (option->state.testFlag(State_On)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(dark::GroundDeep);
        const qreal dot = side * 0.42;
        painter->drawEllipse(centre, dot / 2, dot / 2);
    }
    painter->restore();
}

} // namespace brisvane
