#pragma once
// The 455 dots of the message display (`Digit`), painted by one widget: 13 places of 5 x 7
// dots, lit dots white, dark dots a faint trace of the glass.

#include <QWidget>
#include <bitset>

#include "display/DotMatrix.h"

namespace brisvane {

class DotDisplay : public QWidget {
    Q_OBJECT
public:
    explicit DotDisplay(QWidget* parent);

    // Copies the lit dots of `model`; repaints when any changed. A new message is announced
    // to assistive technology once, whole, however many pages it is shown in.
    void render(const DotMatrix& model);
    // The message on show, whole.
    const QString& message() const { return message_; }
    // Whether dot `index` (0..454) is shown lit.
    bool dotLit(int index) const { return lit_.test(static_cast<std::size_t>(index)); }

    // The widget's box on the window, in twips: every dot with a margin around it.
    static TwipRect area();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::bitset<DotMatrix::DotCount> lit_;
    QString message_;
    int messagesSaid_ = 0;
};

} // namespace brisvane
