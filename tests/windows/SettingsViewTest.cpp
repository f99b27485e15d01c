// The settings window as the player sees and uses it: opened from the game window on the
// right page, each box switching its own setting, a language choice re-labelling everything,
// and every way of closing it keeping the alarm.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MainRig.h"

namespace brisvane::testing {
namespace {

// Runs `seen` with every window as it is about to be shown: what it shows then is its first
// picture.
class ShowWatch : public QObject {
public:
    explicit ShowWatch(std::function<void(QWidget*)> seen) : seen_(std::move(seen)) {
        QApplication::instance()->installEventFilter(this);
    }
    ~ShowWatch() override { QApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_(static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    std::function<void(QWidget*)> seen_;
};

class SettingsViewTest : public ::testing::Test {
protected:
    SettingsViewTest() { rig.view->loadAndShow(); }

    SettingsView* view() const { return rig.settingsHost->view(); }
    template <typename W = QWidget> W* widget(const char* name) const {
        return &child<W>(view(), name);
    }

    MainRig rig;
};

TEST_F(SettingsViewTest, EachOpenerOpensItsPageAsANewWindow) {
    EXPECT_EQ(view(), nullptr) << "loaded hidden at start-up, no widgets made";
    const struct {
        const char* opener;
        const char* title;
        const char* shownGroup;
        const char* hiddenGroup;
    } rows[] = {{"lblSett", "Settings", "Frame5", "Frame2"},
                {"ShowTime", "Alarm", "Frame7", "Frame1"},
                {"lb_User", "User", "Frame2", "Frame7"}};
    for (const auto& row : rows) {
        rig.click(row.opener);
        ASSERT_NE(view(), nullptr) << row.opener;
        EXPECT_TRUE(view()->isVisible());
        EXPECT_FALSE(view()->isModal());
        EXPECT_EQ(view()->windowTitle().toStdString(), row.title);
        EXPECT_TRUE(widget(row.shownGroup)->isVisibleTo(view())) << row.opener;
        EXPECT_FALSE(widget(row.hiddenGroup)->isVisibleTo(view())) << row.opener;
        EXPECT_TRUE(widget("Command4")->isVisibleTo(view()));
    }
    // Each opening shows a window made afresh: nothing typed before survives.
    QTest::keyClicks(widget<QLineEdit>("txtUser"), "half-typed");
    rig.click("lb_User");
    EXPECT_EQ(widget<QLineEdit>("txtUser")->text(), QString());
    // The controls assistive tools cannot name from a caption of their own are named.
    rig.click("lblSett");
    for (const char* name : {"Check9", "Combo1", "Combo2", "List1", "Check7"}) {
        EXPECT_FALSE(widget(name)->accessibleName().isEmpty()) << name;
    }
    // What is typed in the reminder box is kept at once.
    QTest::keyClicks(widget<QLineEdit>("Text1"), "Tea");
    EXPECT_EQ(rig.ini("Alarm", "Mess"), "(Message)Tea");
}

// Each box on the screen switches its own setting, ticked while the setting is unset (what a
// setting does is the model's).
TEST_F(SettingsViewTest, EachBoxSwitchesItsOwnSetting) {
    const std::pair<const char*, const char*> boxes[] = {
        {"Check2", "WarnExit"},     {"Check3", "WarnHomepage"}, {"Check4", "WarnNewGame"},
        {"Check5", "ShowSplash"},   {"Check6", "ShowHelpText"}, {"Check7", "ShowTime"},
        {"Check8", "ShowRedSquare"}};
    for (const auto& [name, key] : boxes) {
        rig.setIni("Options", key, "");
    }
    rig.click("lblSett");
    for (const auto& [name, key] : boxes) {
        auto* box = widget<QCheckBox>(name);
        EXPECT_TRUE(box->isChecked()) << name;
        box->click();
        EXPECT_EQ(rig.ini("Options", key), "No") << name;
        box->click();
        EXPECT_EQ(rig.ini("Options", key), "Yes") << name;
    }
    EXPECT_FALSE(widget<QCheckBox>("Check9")->isChecked()) << "no alarm set";
    widget<QCheckBox>("Check1")->click();
    EXPECT_EQ(rig.ini("Options", "PlaySound"), "No");
}

TEST_F(SettingsViewTest, ALanguageChoiceRelabelsEveryOpenWindow) {
    rig.click("lblSett");
    auto* list = widget<QListWidget>("List1");
    ASSERT_EQ(list->count(), std::stoi(rig.ini("Language", "antal")));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("English"));
    list->setCurrentRow(1); // as a click or an arrow key does
    EXPECT_EQ(rig.ini("Language", "selected"), "2");
    EXPECT_EQ(rig.widget("btn_SmallStr").caption(), QStringLiteral("  Liten stege"));
    EXPECT_EQ(view()->windowTitle(), QStringLiteral("Inställningar"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&rig.widget("scr_04"))->text(QAccessible::Name),
              QStringLiteral("Fyror: öppen"))
        << "the screen reader's words too";
    EXPECT_EQ(widget<QPushButton>("Command2")->text().remove(QLatin1Char('&')),
              QStringLiteral("Ta bort"));
}

TEST_F(SettingsViewTest, EscapeAndTheCloseBoxKeepTheAlarmAsTheCloseButtonDoes) {
    const std::function<void()> closers[] = {
        [this] { QTest::keyClick(view(), Qt::Key_Escape); },
        [this] { view()->close(); },
    };
    int hour = 5;
    for (const auto& close : closers) {
        rig.click("ShowTime");
        widget<QCheckBox>("Check9")->click();
        auto* hours = widget<QComboBox>("Combo1");
        hours->setCurrentIndex(hour);
        Q_EMIT hours->activated(hour);
        auto* minutes = widget<QComboBox>("Combo2");
        minutes->setCurrentIndex(7);
        Q_EMIT minutes->activated(7);
        close();
        EXPECT_FALSE(view()->isVisible());
        EXPECT_FALSE(rig.program.settings().loaded);
        EXPECT_EQ(rig.ini("Alarm", "Status"), "On");
        EXPECT_EQ(rig.ini("Alarm", "When"), std::to_string(hour) + ":07");
        rig.click("ShowTime");
        widget<QCheckBox>("Check9")->click(); // off again for the next closer
        widget<QPushButton>("Command4")->click();
        ASSERT_EQ(rig.ini("Alarm", "Status"), "Off");
        ++hour;
    }
}

// The accounts group as a player uses it with the keyboard: the first picture already true,
// New puts the focus in the name, Enter adds the account, Escape leaves the entry and only
// then the window; the buttons' captions carry one mnemonic each, never a stray ampersand.
TEST_F(SettingsViewTest, AnAccountIsEnteredWithTheKeyboardAlone) {
    bool removeAtFirstPicture = true;
    ShowWatch watch([&](QWidget* window) {
        if (window->objectName() == QStringLiteral("frmSettings")) {
            removeAtFirstPicture = widget("Command2")->isEnabled();
        }
    });
    rig.click("lb_User");
    EXPECT_FALSE(removeAtFirstPicture) << "no account: Remove is off from the first picture";
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));

    for (int round = 0; round < 2; ++round) {
        for (const char* name : {"Command1", "Command2"}) {
            EXPECT_EQ(widget<QPushButton>(name)->text().count(QLatin1Char('&')), 1) << name;
        }
        EXPECT_EQ(widget<QLabel>("Label1")->accessibleName(),
                  QStringLiteral("Sign up for an account"));
        widget<QPushButton>("Command1")->click();
        EXPECT_EQ(widget<QPushButton>("butOK")->text().count(QLatin1Char('&')), 1);
        auto* user = widget<QLineEdit>("txtUser");
        ASSERT_TRUE(user->hasFocus());
        QTest::keyClicks(user, round == 0 ? "Zoe" : "Ann");
        QTest::keyClick(user, Qt::Key_Tab);
        auto* password = widget<QLineEdit>("txtPass");
        ASSERT_TRUE(password->hasFocus());
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        QTest::keyClicks(password, "secret");
        QTest::keyClick(password, round == 0 ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_TRUE(view()->isVisible());
        EXPECT_TRUE(widget("List3")->isVisible());
    }
    EXPECT_EQ(rig.ini("Users", "antal"), "1") << "Enter added Zoe, Escape left Ann out";
    EXPECT_EQ(rig.ini("Users", "user1") + " " + rig.ini("Users", "pass1"), "Zoe secret");
    EXPECT_EQ(widget<QListWidget>("List3")->count(), 1);
    EXPECT_EQ(rig.widget("lb_User").caption(), "Zoe");
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(view()->isVisible());
}

} // namespace
} // namespace brisvane::testing
