#pragma once
// The translator window `frmLanguage` in Qt: draws its model and forwards the player's typing,
// clicks and choices to it. Enter moves to the next key, Escape is the cancel button, and the
// captions' mnemonics (Alt+N, Alt+P, Alt+S, Alt+C) reach the buttons.

#include <QPointer>
#include <functional>

#include "windows/DarkDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace brisvane {

class TimerDriver;
class TranslatorWindow;

class TranslatorView : public DarkDialog {
    Q_OBJECT
public:
    TranslatorView(TranslatorWindow& model, EventGuard& guard);
    ~TranslatorView() override;

    // Brings every widget in line with the model; shows or hides the window as it says.
    void render();

    QLineEdit* inLan() const { return inLan_; }
    QComboBox* combo() const { return combo_; }
    QProgressBar* bar() const { return bar_; }
    TimerDriver* timer1() const { return timer1_; }
    TimerDriver* timer2() const { return timer2_; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label(const Control& control);
    QPushButton* button(const Control& control, const char* where, std::function<void()> click);

    TranslatorWindow& model_;
    QLabel* lblSel_ = nullptr;
    QLabel* lblEnglish_ = nullptr;
    QLabel* lblID_ = nullptr;
    QLabel* lblWhich_ = nullptr;
    QLabel* lblPerc_ = nullptr;
    QLineEdit* inLan_ = nullptr;
    QComboBox* combo_ = nullptr;
    QProgressBar* bar_ = nullptr;
    TimerDriver* timer1_ = nullptr;
    TimerDriver* timer2_ = nullptr;
    std::vector<std::pair<QWidget*, const Control*>> placed_;
    unsigned focusRequestsSeen_ = 0;
    bool rendering_ = false;
};

} // namespace brisvane
