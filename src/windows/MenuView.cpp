#include "windows/MenuView.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSet>
#include <QWidget>

#include "program/MenuWindow.h"
#include "windows/EventGuard.h"

namespace brisvane {

MenuView::MenuView(MenuWindow& model, EventGuard& guard, QWidget* parent,
                   std::function<void()> afterAction)
    : QObject(parent), model_(model), guard_(guard), parent_(parent),
      afterAction_(std::move(afterAction)) {
    model_.popup = [this](const Menu& menu, PopupAt at) { popup(menu, at); };
}

MenuView::~MenuView() {
    model_.popup = {};
}

QMenu* MenuView::menu(const QString& objectName) const {
    const auto it = menus_.find(objectName);
    return it == menus_.end() ? nullptr : it->second.data();
}

QStringList MenuView::withMnemonics(const QStringList& captions) {
    QSet<QChar> taken;
    QStringList result;
    for (const QString& caption : captions) {
        QString text;
        bool marked = false;
        for (const QChar c : caption) {
            if (!marked && c.isLetterOrNumber() && !taken.contains(c.toLower())) {
                taken.insert(c.toLower());
                text += QLatin1Char('&');
                marked = true;
            }
            text += c;
            if (c == QLatin1Char('&')) {
                text += QLatin1Char('&');
            }
        }
        result << text;
    }
    return result;
}

QMenu* MenuView::build(const Menu& model) {
    const QString name = QString::fromStdString(model.objectName);
    QPointer<QMenu>& menu = menus_[name];
    if (menu == nullptr) {
        menu = new QMenu(parent_);
        menu->setObjectName(name);
        // The table's colours, with the yellow accent on the entry under the pointer.
        menu->setStyleSheet(QStringLiteral(
            "QMenu { background: #1f2b38; color: #e6ebf0; border: 1px solid #3b4b5d; "
            "padding: 4px 0; }"
            "QMenu::item { padding: 4px 22px 4px 16px; }"
            "QMenu::item:selected { background: #2c3d50; color: #ffe600; }"
            "QMenu::item:disabled { color: #6d7a88; }"
            "QMenu::separator { height: 1px; background: #3b4b5d; margin: 4px 10px; }"));
    }
    menu->clear();

    QStringList captions;
    for (const MenuEntry& entry : model.entries) {
        if (!entry.separator && entry.visible) {
            captions << QString::fromStdString(entry.caption);
        }
    }
    const QStringList texts = withMnemonics(captions);
    qsizetype next = 0;
    for (const MenuEntry& entry : model.entries) {
        if (!entry.visible) {
            continue;
        }
        QAction* action = entry.separator ? menu->addSeparator() : menu->addAction(texts[next++]);
        action->setObjectName(QString::fromStdString(entry.objectName));
        if (entry.separator) {
            continue;
        }
        action->setEnabled(entry.enabled);
        if (entry.checked) {
            action->setCheckable(true);
            action->setChecked(entry.checked());
        }
        if (!entry.shortcut.empty()) {
            // Shown only: the game window handles the key itself.
            action->setText(action->text() + QLatin1Char('\t') +
                            QString::fromStdString(entry.shortcut));
        }
        const std::string entryName = entry.objectName;
        connect(action, &QAction::triggered, this, [this, entryName] {
            const std::string where = entryName + " click";
            guard_.run(where.c_str(), [this, &entryName] { model_.choose(entryName); });
            if (afterAction_) {
                afterAction_();
            }
        });
    }
    return menu;
}

void MenuView::popup(const Menu& model, const PopupAt& at) {
    QMenu* menu = build(model);
    menu->popup(at.atPointer ? QCursor::pos() : QPoint(at.x, at.y));
}

} // namespace brisvane
