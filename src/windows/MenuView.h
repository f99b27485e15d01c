#pragma once
// The menu window's two pop-up menus in Qt. A menu is built from its model each time it pops
// up, so a caption changed by a language shows at once; choosing an entry runs the model's
// operation inside the window's guard. Qt's menus are used by keyboard (arrows, Enter, Escape
// and an underlined letter per entry) and are named to assistive technology by their captions.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>

class QMenu;
class QWidget;

namespace brisvane {

class EventGuard;
class MenuWindow;
struct Menu;
struct PopupAt;

class MenuView : public QObject {
    Q_OBJECT
public:
    // `parent` owns the menus; `afterAction` brings its window up to date after an entry ran.
    MenuView(MenuWindow& model, EventGuard& guard, QWidget* parent,
             std::function<void()> afterAction = {});
    ~MenuView() override;

    // The Qt menu of that name ("xx_webmenu", "xx_meny") as last shown; nullptr before.
    QMenu* menu(const QString& objectName) const;

    // The captions with one letter each made the keyboard mnemonic: the first letter or digit
    // not yet taken by an earlier caption (regardless of case); an "&" of the caption itself
    // is kept as a plain "&".
    static QStringList withMnemonics(const QStringList& captions);

private:
    void popup(const Menu& menu, const PopupAt& at);
    QMenu* build(const Menu& menu);

    MenuWindow& model_;
    EventGuard& guard_;
    QWidget* parent_;
    std::function<void()> afterAction_;
    std::map<QString, QPointer<QMenu>> menus_;
};

} // namespace brisvane
