#pragma once
// The settings window `frmSettings` in Qt: a modeless dialog in the game's own dark look,
// laid out from the model's twips, that shows the model and forwards every click, choice and
// key to it. Its widgets are made when the window first opens, never at start-up, and kept
// hidden between openings: the model is made afresh at every opening and the view shows it.
//
// Every way of closing it (the close button, the title bar's close box, Escape, the desktop)
// goes through the model's close, which keeps the alarm just set.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>

#include "common/Controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brisvane {

class EventGuard;
class SettingsWindow;
struct CheckBox;
struct ListControl;

class SettingsView : public QDialog {
    Q_OBJECT
public:
    SettingsView(SettingsWindow& model, EventGuard& guard, QWidget* parent);

    // Brings every widget in line with the model.
    void render();

    // The widget of a named control ("Check7", "Frame2", "Command4"); nullptr if none.
    QWidget* control(const QString& objectName) const;
    // The focus on the first control of the page.
    void focusFirst();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct Bound {
        QWidget* widget;
        const Control* control;
        const Control* frame; // nullptr: placed on the window itself
    };

    void buildWidgets();
    QGroupBox* group(Control& frame);
    void bind(QWidget* widget, const Control& control, const Control* frame);
    void addCheck(CheckBox& box, int n, QWidget* parent, const Control* frame);
    QPushButton* addButton(Control& control, QWidget* parent, const Control* frame,
                           std::function<void()> click);
    template <typename Handler> void run(const char* where, Handler handler);
    void renderTexts(const Bound& bound, QString* mnemonics);
    void renderList(QListWidget* list, const ListControl& model, int current);
    void renderCombo(QComboBox* combo, const ListControl& model);
    void renderWindow();

    SettingsWindow& m_;
    EventGuard& guard_;
    std::vector<Bound> bound_;
    std::map<QString, QWidget*> byName_;
    QListWidget* list1_ = nullptr;
    QListWidget* list3_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLineEdit* user_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* close_ = nullptr;
    bool rendering_ = false;
    int shownIcon_ = -1;
};

// Shows the settings window while the model says it is open: makes the view when the model
// first opens, re-renders it on every change, hides it when the model closes. `changed` runs
// after every change too (the game window repaints what the settings changed there).
class SettingsViewHost : public QObject {
    Q_OBJECT
public:
    SettingsViewHost(SettingsWindow& model, EventGuard& guard, QWidget* owner,
                     std::function<void()> changed);
    ~SettingsViewHost() override;

    SettingsView* view() const { return view_; }

private:
    void sync();

    SettingsWindow& model_;
    EventGuard& guard_;
    QPointer<QWidget> owner_;
    std::function<void()> changed_;
    QPointer<SettingsView> view_;
};

} // namespace brisvane
