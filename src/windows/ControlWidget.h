#pragma once
// One named control of a window model, drawn: a caption, a picture, a marker or one of the
// window's own boxes. It shows what the model says (caption, tool tip, colour, enabled,
// visible, bold, place and size from twips, picture) and reports clicks; it decides nothing.

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "common/Controls.h"
#include "program/AccessibleNames.h"

namespace brisvane {

class ControlWidget : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Label,    // text on the window's ground
        Link,     // clickable text, underlined under the pointer
        Button,   // a raised button with its caption centred
        Category, // a row of the score card
        Number,   // a figure of the score card, right-aligned
        Picture,  // one of the program's pictures (dice, speaker, error marker)
        Marker,   // the suggestion marker, a square of its fill colour
        Close,    // the window's close box
        Minimise, // the window's minimise box
        Strip,    // the title strip
        Logo,
        Image, // a picture from a file (the background)
    };

    ControlWidget(Kind kind, QWidget* parent);

    // Shows `control`; repaints only what changed.
    void render(const Control& control);

    // Text wider than the control's box widens it to the right, as the window's labels grow
    // with their captions, up to `maxWidth` pixels; boxes never shrink below the model's size.
    // A caption wider than its box is cut with an ellipsis, never drawn over its neighbours.
    void setAutoSize(bool autoSize, int maxWidth = QWIDGETSIZE_MAX) {
        autoSize_ = autoSize;
        maxAutoWidth_ = maxWidth;
    }
    // A figure that stands on a row of another control: centred on that row's height.
    void setRowAnchor(const Control* row) { rowAnchor_ = row; }
    // The keyboard's focus on this control, drawn as a ring.
    void setFocusRing(bool on);
    bool hasFocusRing() const { return focusRing_; }
    void setFontPixelSize(int pixels);
    void setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
    // The background picture's contents; the widget keeps a copy.
    void setImage(const QPixmap& image);
    // A button drawn in the accent colour (the roll).
    void setAccent(bool accent) { accent_ = accent; }

    // What assistive technology says of the control (see AccessibleControl); without a speech
    // of its own the control says its caption and tool tip.
    using Speech = std::function<Spoken(const Control&)>;
    void setSpeech(Speech speech) {
        speech_ = std::move(speech);
        heardValid_ = false;
    }
    Spoken spoken() const;
    // Whether a click does something; then assistive technology offers a Press.
    bool pressable() const { return takesClicks() && kind_ != Kind::Strip; }
    // What a Press does when it is not the click (a picked-up die, which no click can reach).
    void setPressHandler(std::function<void()> press) { press_ = std::move(press); }
    // Runs the Press after the current event has been handled, so that a modal box it opens
    // does not keep the caller (the accessibility bus) waiting.
    void pressLater();
    // The window is about to appear: what the control says now is what a listener first
    // hears, and later changes are told against it.
    void rememberSpoken() {
        heard_ = spoken();
        heardValid_ = true;
    }

    Kind kind() const { return kind_; }
    const Control& shown() const { return control_; }
    QString caption() const { return QString::fromStdString(control_.caption); }
    // The colour the caption is drawn in: the model's colour, lightened where it would not
    // read on the dark table (contrast below 4.5:1).
    QColor foreground() const;
    // The table's lightest ground under captions (the score card), for the contrast rule.
    static QColor lightestGround();
    // The caption's colour as drawn, its enabled state included, made opaque over the ground.
    QColor ink() const;
    static double contrast(const QColor& a, const QColor& b);

Q_SIGNALS:
    void clicked();
    void doubleClicked();
    // Raw mouse events for the parts that need positions (the title strip).
    void pressed(Qt::MouseButton button, QPoint local, QPoint global);
    void moved(Qt::MouseButtons buttons, QPoint local, QPoint global);
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool takesClicks() const;
    void paintText(QPainter& painter, const QRect& box);
    QRect boxFor(const Control& control) const;
    void announceChanges();

    Kind kind_;
    Control control_;
    bool first_ = true;
    bool autoSize_ = false;
    bool hovered_ = false;
    bool pressedInside_ = false;
    bool accent_ = false;
    bool focusRing_ = false;
    int maxAutoWidth_ = QWIDGETSIZE_MAX;
    const Control* rowAnchor_ = nullptr;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    QPixmap image_;
    Speech speech_;
    std::function<void()> press_;
    // What assistive technology was last told, to announce only what changed. Kept up to date
    // only while one listens; one that starts later hears what changed meanwhile.
    Spoken heard_;
    bool heardValid_ = false;
};

} // namespace brisvane
