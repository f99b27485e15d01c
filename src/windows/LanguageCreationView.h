#pragma once
// The language creation window `frmSetLan` in Qt: draws its model's two pages and forwards the
// choices, the name fields and the buttons to it. Enter is "Next step", Escape "Cancel"; the
// choices answer to their mnemonics (Alt+T, Alt+O, Alt+M, Alt+S).

#include <functional>
#include <string>
#include <vector>

#include "windows/DarkDialog.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace brisvane {

class LanguageCreationWindow;

class LanguageCreationView : public DarkDialog {
    Q_OBJECT
public:
    LanguageCreationView(LanguageCreationWindow& model, EventGuard& guard);
    ~LanguageCreationView() override;

    void render();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* combo(const Control& control, const char* where,
                     std::function<void(const std::string&)> pick);
    void renderCombo(QComboBox* box, const Control& control, const std::vector<std::string>& items);

    LanguageCreationWindow& model_;
    std::vector<std::pair<QWidget*, const Control*>> placed_;
    QRadioButton* options_[4] = {};
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLineEdit* fields_[3] = {};
    unsigned focusRequestsSeen_ = 0;
    bool rendering_ = false;
};

} // namespace brisvane
