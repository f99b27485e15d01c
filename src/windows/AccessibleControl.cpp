#include "windows/AccessibleControl.h"

#include <QAccessible>
#include <utility>

#include "windows/ControlWidget.h"
#include "windows/DotDisplay.h"

namespace brisvane {

namespace {

using Kind = ControlWidget::Kind;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String(ControlWidget::staticMetaObject.className())) {
        return new AccessibleControl(static_cast<ControlWidget*>(object));
    }
    if (className == QLatin1String(DotDisplay::staticMetaObject.className())) {
        return new AccessibleDotDisplay(static_cast<DotDisplay*>(object));
    }
    // The program's own windows are plain widgets drawn by themselves, which Qt would present
    // as a nameless client area: they are windows, named by their titles.
    auto* widget = static_cast<QWidget*>(object);
    const QMetaObject* meta = object->metaObject();
    if (widget->isWindow() && className == QLatin1String(meta->className()) &&
        className.startsWith(QLatin1String("brisvane::")) &&
        meta->superClass() == &QWidget::staticMetaObject) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

// The keys of the game window that do what a control does.
QString keyOf(const QString& objectName) {
    if (objectName == QLatin1String("Roll")) {
        return QStringLiteral("Space");
    }
    if (objectName == QLatin1String("Undo")) {
        return QStringLiteral("Backspace");
    }
    if (objectName == QLatin1String("NyttSpel")) {
        return QStringLiteral("F2");
    }
    if (objectName.size() == 6 && objectName.startsWith(QLatin1String("Image"))) {
        return objectName.right(1); // 1 .. 6
    }
    return {};
}

} // namespace

namespace accessibility {

namespace {
QAccessible::UpdateHandler tap = nullptr;
}

bool listening(const QWidget& widget) {
    if (!widget.window()->isVisible()) {
        return false;
    }
    return tap != nullptr || QAccessible::isActive();
}

void announce(QAccessibleEvent& event) {
    if (tap != nullptr) {
        tap(&event);
    }
    QAccessible::updateAccessibility(&event); // nothing happens while Qt's bridge is off
}

QAccessible::UpdateHandler setTap(QAccessible::UpdateHandler newTap) {
    return std::exchange(tap, newTap);
}

} // namespace accessibility

void installAccessibleInterfaces() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(interfaceFor);
    }
}

// ---- The painted controls ----

AccessibleControl::AccessibleControl(ControlWidget* widget)
    : QAccessibleWidget(widget, roleOf(*widget)) {}

ControlWidget* AccessibleControl::control() const {
    return static_cast<ControlWidget*>(widget());
}

QAccessible::Role AccessibleControl::roleOf(const ControlWidget& widget) {
    switch (widget.kind()) {
    case Kind::Label:
    case Kind::Number:
    case Kind::Strip: // the window's title; Qt's own title-bar role reads as a text field
        return QAccessible::StaticText;
    case Kind::Link:
        return QAccessible::Link;
    case Kind::Button:
    case Kind::Category:
    case Kind::Picture: // the dice, the speaker and the error marker all act on a click
    case Kind::Close:
    case Kind::Minimise:
        return QAccessible::Button;
    case Kind::Logo:
        return QAccessible::ButtonMenu; // it opens the program's menu
    case Kind::Marker:
    case Kind::Image:
        return QAccessible::Graphic;
    }
    return QAccessible::Client;
}

QString AccessibleControl::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return qt(control()->spoken().name);
    case QAccessible::Description:
        return qt(control()->spoken().description);
    case QAccessible::Value:
        return qt(control()->spoken().value);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleControl::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const Spoken spoken = control()->spoken();
    // A picked-up die is off the table but still there for the player to put back; a control
    // that shows nothing is not there for anyone.
    state.invisible = !spoken.present;
    state.checkable = spoken.checkable;
    state.checked = spoken.checked;
    if (control()->pressable()) {
        state.focusable = true;
    }
    if (control()->hasFocusRing()) {
        state.focused = true;
    }
    return state;
}

void* AccessibleControl::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface && control()->kind() == Kind::Number) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QStringList AccessibleControl::actionNames() const {
    if (!widget()->isEnabled() || !control()->pressable()) {
        return {};
    }
    return {pressAction(), setFocusAction()};
}

void AccessibleControl::doAction(const QString& actionName) {
    if (!widget()->isEnabled() || !control()->pressable()) {
        return;
    }
    if (actionName == pressAction()) {
        control()->pressLater();
    } else if (actionName == setFocusAction()) {
        widget()->activateWindow();
        widget()->setFocus(Qt::OtherFocusReason);
    }
}

QStringList AccessibleControl::keyBindingsForAction(const QString& actionName) const {
    const QString key = keyOf(widget()->objectName());
    if (actionName == pressAction() && !key.isEmpty()) {
        return {key};
    }
    return {};
}

QVariant AccessibleControl::currentValue() const {
    QString figure = qt(control()->spoken().value);
    figure.replace(QLatin1Char(','), QLatin1Char('.')); // "2,95" in a desktop's own decimals
    bool ok = false;
    const double value = figure.toDouble(&ok);
    return ok ? QVariant(value) : QVariant();
}

// ---- The message display ----

AccessibleDotDisplay::AccessibleDotDisplay(DotDisplay* display)
    : QAccessibleWidget(display, QAccessible::StatusBar) {}

QString AccessibleDotDisplay::message() const {
    return static_cast<DotDisplay*>(widget())->message();
}

QString AccessibleDotDisplay::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return message();
    case QAccessible::Description:
        return widget()->accessibleDescription(); // the language's name of the display
    default:
        return QAccessibleWidget::text(t);
    }
}

void* AccessibleDotDisplay::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleDotDisplay::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleDotDisplay::text(int startOffset, int endOffset) const {
    const QString whole = message();
    if (endOffset < 0 || endOffset > whole.size()) {
        endOffset = static_cast<int>(whole.size());
    }
    startOffset = qBound(0, startOffset, endOffset);
    return whole.mid(startOffset, endOffset - startOffset);
}

int AccessibleDotDisplay::characterCount() const {
    return static_cast<int>(message().size());
}

QString AccessibleDotDisplay::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace brisvane
