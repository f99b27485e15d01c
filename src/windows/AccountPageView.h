#pragma once
// The accounts group `Frame2` of the settings window in Qt: the account list with its buttons
// and sign-up link, or the entry fields for a new account. It shows the AccountPage model and
// forwards every click and keystroke to it; the password box never shows what is typed.
// The settings window places it as its group `Frame2`.

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brisvane {

class AccountPage;
class EventGuard;

class AccountPageView : public QGroupBox {
    Q_OBJECT
public:
    AccountPageView(AccountPage& page, EventGuard& guard, QWidget* parent = nullptr);
    ~AccountPageView() override;

    // Brings every widget in line with the model.
    void render();

private:
    template <typename Handler> void run(const char* where, Handler handler);

    AccountPage& page_;
    EventGuard& guard_;
    QListWidget* List3_;
    QPushButton* Command1_;
    QPushButton* Command2_;
    QPushButton* Label1_;
    QLabel* lblEnter_;
    QLineEdit* txtUser_;
    QLineEdit* txtPass_;
    QPushButton* butOK_;
    bool rendering_ = false;
};

} // namespace brisvane
