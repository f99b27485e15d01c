#pragma once
// The game window `Main` in Qt: a borderless 800 x 600 window that draws the models of the
// game, the message display, the top ten, the sound switch and the window shell, and forwards
// every click, gesture, key and timer tick to them. It holds no rule of the game.
//
// Every handler runs inside one guard: an error that escapes it becomes a log line and the
// error marker `ErrorPic`, never a crash.

#include <QPointer>
#include <QWidget>
#include <array>
#include <map>
#include <vector>

#include "common/ModelTimer.h"
#include "common/Controls.h"
#include "program/AccessibleNames.h"
#include "windows/ControlWidget.h"
#include "windows/EventGuard.h"

class QLineEdit;
class QScreen;

namespace brisvane {

class AdvicePanel;
class AlarmClock;
class DotDisplay;
class DotMatrix;
class GameModel;
class MainShell;
class MenuView;
class MenuWindow;
class SoundBoard;
class Submission;
class TimerDriver;
class TopTen;

struct MainModels {
    GameModel& game;
    DotMatrix& dots;
    TopTen& topTen;
    SoundBoard& sound;
    MainShell& shell;
    AlarmClock& clock;
    // The pop-up menus of `Homepage` and `Logo`, and the submission's timers; optional.
    MenuWindow* menus = nullptr;
    Submission* submission = nullptr;
    // The advice and its switch (key H); optional.
    AdvicePanel* advice = nullptr;
};

class MainView : public QWidget {
    Q_OBJECT
public:
    explicit MainView(MainModels models);
    ~MainView() override;

    // The window's load step (which starts the first game), then the window appears.
    void loadAndShow();
    // Brings every widget in line with the models.
    void render();

    // The widget of a named control ("Roll", "btn_Ones", "Topp03", "Image4"); nullptr if none.
    ControlWidget* control(const QString& objectName) const;
    DotDisplay* dots() const { return dots_; }
    // The pop-up menus; nullptr without a menu window.
    MenuView* menus() const { return menus_; }
    // The driver of a model timer ("TimerIndik", "Timer1", ...); nullptr if none.
    TimerDriver* timer(const QString& name) const;
    EventGuard& guard() { return guard_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Binding {
        ControlWidget* widget;
        const Control* control;
    };

    ControlWidget* bind(const Control& control, ControlWidget::Kind kind);
    template <typename Handler>
    void onClick(ControlWidget* widget, const char* where, Handler handler);
    void addTimer(const char* name, const ModelTimer& model, std::function<void()> tick);
    void buildWidgets();
    void wireAccessibility();
    void wireTitleStrip(ControlWidget* strip);
    void watchScreen(QScreen* screen);
    void loadBackground(const std::string& path);
    void renderFrame();
    void renderHandCursors();
    void renderAccessibleNames();
    void decorate();
    void paintTable(class QPainter& painter);
    void paintAdvice(class QPainter& painter);
    // Repaints the table around the dice whose advice mark changed.
    void renderAdviceMarks();

    MainModels m_;
    AccessibleNames names_;
    EventGuard guard_;
    std::vector<Binding> bindings_;
    std::map<QString, TimerDriver*> timers_;
    DotDisplay* dots_ = nullptr;
    MenuView* menus_ = nullptr;
    ControlWidget* background_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPointer<QScreen> watchedScreen_;
    // The controls that always show the hand pointer.
    std::vector<ControlWidget*> handControls_;
    // The score card's category rows, in category order (the keyboard's focus ring).
    std::vector<ControlWidget*> categories_;
    int gameListener_ = 0;
    std::array<bool, 6> marksShown_{};
    bool rendering_ = false;
    bool decorationQueued_ = false;
    bool decorated_ = false;
};

} // namespace brisvane
