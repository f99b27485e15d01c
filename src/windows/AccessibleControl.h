#pragma once
// The game window for assistive technology. Its controls are painted widgets that Qt knows
// nothing about, so each gets an interface here: a name in the player's words, a role by its
// kind, its states, the figure it shows, and a Press that does what a click does. The message
// display offers its whole message as text. Qt creates these only when something asks, so a
// desktop without a screen reader pays nothing for them.

#include <QAccessibleWidget>

namespace brisvane {

class ControlWidget;
class DotDisplay;

// Installs the interfaces of the program's own widgets; call once after the application
// object exists (again is harmless).
void installAccessibleInterfaces();

// The program's widgets tell assistive technology of their changes through here. Nothing is
// worked out while nobody listens. A tap (the widget tests, whose offscreen platform has no
// accessibility bridge) listens too and hears every event; returns the tap it replaces.
namespace accessibility {
// Whether anyone hears of changes to `widget`. Nobody does before its window is on the
// screen; Qt is not asked then, as asking starts its bridge (a D-Bus connection) and that
// would come before the window's first frame.
bool listening(const QWidget& widget);
void announce(QAccessibleEvent& event);
QAccessible::UpdateHandler setTap(QAccessible::UpdateHandler tap);
} // namespace accessibility

class AccessibleControl : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleControl(ControlWidget* widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // The figure of a counter or score, for readers that ask for a number; read-only.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

    // The role of a control of this kind.
    static QAccessible::Role roleOf(const ControlWidget& widget);

private:
    ControlWidget* control() const;
};

// The message display: the message on show, whole (also while a long one is paged), as its
// name and as read-only text.
class AccessibleDotDisplay : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDotDisplay(DotDisplay* display);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString message() const;
};

} // namespace brisvane
