// The settings window as the player sees and uses it: opened from the game window on the
// right page, its boxes acting on the game window at once, a language choice re-labelling
// everything, and every way of closing it keeping the alarm.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MainRig.h"

namespace brisvane::testing {
namespace {

class SettingsViewTest : public ::testing::Test {
protected:
    SettingsViewTest() { rig.view->loadAndShow(); }

    SettingsView* view() const { return rig.settingsHost->view(); }
    template <typename W = QWidget> W* widget(const char* name) const {
        QWidget* found = view() != nullptr ? view()->control(QString::fromLatin1(name)) : nullptr;
        if (found == nullptr) {
            throw std::runtime_error(std::string("no settings control named ") + name);
        }
        W* typed = qobject_cast<W*>(found);
        if (typed == nullptr) {
            throw std::runtime_error(std::string("another kind of widget: ") + name);
        }
        return typed;
    }
    std::string ini(const std::string& section, const std::string& key) {
        return rig.profile.GetINI(section, key, rig.program.IniFile());
    }

    MainRig rig;
};

TEST_F(SettingsViewTest, EachOpenerOpensItsPageAsANewWindow) {
    EXPECT_EQ(view(), nullptr) << "loaded hidden at start-up, no widgets made";
    const struct {
        const char* opener;
        const char* title;
        QSize size;
        const char* shownGroup;
        const char* hiddenGroup;
    } rows[] = {{"lblSett", "Settings", {447, 370}, "Frame5", "Frame2"},
                {"ShowTime", "Alarm", {225, 111}, "Frame7", "Frame1"},
                {"lb_User", "User", {225, 140}, "Frame2", "Frame7"}};
    for (const auto& row : rows) {
        rig.click(row.opener);
        ASSERT_NE(view(), nullptr) << row.opener;
        EXPECT_TRUE(view()->isVisible());
        EXPECT_FALSE(view()->isModal());
        EXPECT_EQ(view()->windowTitle().toStdString(), row.title);
        EXPECT_EQ(view()->size(), row.size) << row.opener;
        EXPECT_TRUE(widget(row.shownGroup)->isVisibleTo(view())) << row.opener;
        EXPECT_FALSE(widget(row.hiddenGroup)->isVisibleTo(view())) << row.opener;
        EXPECT_TRUE(widget("Command4")->isVisibleTo(view()));
    }
    // Each opening shows a window made afresh: nothing typed before survives.
    QTest::keyClicks(widget<QLineEdit>("txtUser"), "half-typed");
    rig.click("lb_User");
    EXPECT_EQ(widget<QLineEdit>("txtUser")->text(), QString());
    // Every control the window names is there under its name, named for assistive tools.
    for (const char* name :
         {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Check1", "Check2",
          "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Check9", "Combo1", "Combo2",
          "Text1", "List1", "List3", "Command1", "Command2", "Command3", "Command4", "Label1",
          "lblEnter", "txtUser", "txtPass", "butOK", "lblInfo", "lblInfo2", "setTranslate"}) {
        EXPECT_EQ(widget(name)->objectName().toStdString(), name);
    }
    rig.click("lblSett");
    for (const char* name : {"Check9", "Combo1", "Combo2", "List1", "Check7"}) {
        EXPECT_FALSE(widget(name)->accessibleName().isEmpty()) << name;
    }
    EXPECT_TRUE(widget<QPushButton>("Command4")->text().contains(QLatin1Char('&')))
        << "a mnemonic";
}

TEST_F(SettingsViewTest, TheBoxesActOnTheGameWindowAtOnce) {
    rig.click("Roll");
    ASSERT_TRUE(rig.widget("Indik").isVisibleTo(rig.view.get()));
    rig.click("lblSett");
    widget<QCheckBox>("Check8")->click();
    EXPECT_FALSE(rig.widget("Indik").isVisibleTo(rig.view.get()));
    EXPECT_EQ(ini("Options", "ShowRedSquare"), "No");

    EXPECT_EQ(rig.widget("SoundPic").shown().picture, 67);
    widget<QCheckBox>("Check1")->click();
    EXPECT_EQ(rig.widget("SoundPic").shown().picture, 68);
    widget<QCheckBox>("Check1")->click();
    EXPECT_EQ(rig.widget("SoundPic").shown().picture, 67);

    widget<QCheckBox>("Check7")->click();
    EXPECT_EQ(rig.widget("ShowTime").caption(), QString());
    EXPECT_FALSE(rig.view->timer(QStringLiteral("Timer3"))->isActive());
    widget<QCheckBox>("Check7")->click();
    EXPECT_EQ(rig.widget("ShowTime").caption(), QStringLiteral("0:37"));
    EXPECT_TRUE(rig.view->timer(QStringLiteral("Timer3"))->isActive());
    EXPECT_EQ(rig.view->timer(QStringLiteral("Timer3"))->interval(), 1800);
}

TEST_F(SettingsViewTest, ALanguageChoiceRelabelsEveryOpenWindow) {
    rig.click("lblSett");
    auto* list = widget<QListWidget>("List1");
    ASSERT_EQ(list->count(), 9);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("English"));
    list->setCurrentRow(1); // as a click or an arrow key does
    EXPECT_EQ(ini("Language", "selected"), "2");
    EXPECT_EQ(rig.widget("btn_SmallStr").caption(), QStringLiteral("  Liten stege"));
    EXPECT_EQ(rig.widget("lblSett").caption(), QStringLiteral("Inställningar"));
    EXPECT_EQ(view()->windowTitle(), QStringLiteral("Inställningar"));
    EXPECT_EQ(widget<QPushButton>("Command4")->text().remove(QLatin1Char('&')),
              QStringLiteral("Stäng"));
    auto* sayTimer = rig.view->timer(QStringLiteral("SayTimer"));
    ASSERT_TRUE(sayTimer->isActive());
    sayTimer->fire();
    EXPECT_EQ(rig.program.display().SayText(), "Summa: 0");
}

TEST_F(SettingsViewTest, EscapeAndTheCloseBoxKeepTheAlarmAsTheCloseButtonDoes) {
    const std::function<void()> closers[] = {
        [this] { QTest::keyClick(view(), Qt::Key_Escape); },
        [this] { view()->close(); },
        [this] { widget<QPushButton>("Command4")->click(); },
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
        EXPECT_EQ(ini("Alarm", "Status"), "On");
        EXPECT_EQ(ini("Alarm", "When"), std::to_string(hour) + ":07");
        rig.click("ShowTime");
        widget<QCheckBox>("Check9")->click(); // off again for the next closer
        widget<QPushButton>("Command4")->click();
        ASSERT_EQ(ini("Alarm", "Status"), "Off");
        ++hour;
    }
}

TEST_F(SettingsViewTest, TheReminderBoxDropsThePlaceholder) {
    rig.click("ShowTime");
    auto* text = widget<QLineEdit>("Text1");
    EXPECT_EQ(text->text(), QStringLiteral("(Message)"));
    text->setFocus();
    text->end(false);
    QTest::keyClick(text, Qt::Key_Backspace);
    EXPECT_EQ(text->text(), QString());
    QTest::keyClicks(text, "Tea");
    EXPECT_EQ(ini("Alarm", "Mess"), "Tea");
}

// The accounts group on the user page: a new account typed in (the password never shown) is
// stored, listed, and named on the game window.
TEST_F(SettingsViewTest, AnAccountIsAddedOnTheUserPageWithItsPasswordHidden) {
    rig.click("lb_User");
    widget<QPushButton>("Command1")->click();
    auto* user = widget<QLineEdit>("txtUser");
    auto* password = widget<QLineEdit>("txtPass");
    ASSERT_TRUE(user->isVisible() && password->isVisible());
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    QTest::keyClicks(user, "Zoe");
    QTest::keyClicks(password, "secret");
    widget<QPushButton>("butOK")->click();
    EXPECT_EQ(ini("Users", "user1") + " " + ini("Users", "pass1"), "Zoe secret");
    EXPECT_EQ(widget<QListWidget>("List3")->count(), 1);
    EXPECT_EQ(rig.widget("lb_User").caption(), "Zoe");
}

} // namespace
} // namespace brisvane::testing
