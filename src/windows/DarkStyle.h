#pragma once
// Fusion on the dark ground of the game's own dialogs: check boxes, choices, text boxes, lists
// and groups drawn to show there (framed in dark::Edge, the accent colour when ticked, chosen
// or focused), as paths so they stay crisp at any scale. No style sheet: it would cost the
// windows their quick first opening.

#include <QProxyStyle>

namespace brisvane {

class DarkStyle : public QProxyStyle {
public:
    DarkStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    static void drawField(const QStyleOption* option, QPainter* painter, bool fill);
    static void drawCheck(const QStyleOption* option, QPainter* painter);
    static void drawChoice(const QStyleOption* option, QPainter* painter);
};

} // namespace brisvane
