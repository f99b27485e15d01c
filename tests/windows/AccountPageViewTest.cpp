// The accounts group as a player uses it: typing a new account, choosing one from the list by
// keyboard, removing it; the password box hides what is typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "MainRig.h"
#include "windows/AccountPageView.h"

namespace brisvane::testing {
namespace {

template <typename W> W& child(QWidget& parent, const char* name) {
    W* found = parent.findChild<W*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return *found;
}

TEST(AccountPageViewTest, AccountsAreTypedChosenAndRemovedWithTheGameWindowInStep) {
    MainRig rig;
    rig.view->loadAndShow();
    AccountPage& page = rig.program.accountPage();
    page.Load();
    AccountPageView group(page, rig.view->guard());
    group.show();
    auto& list = child<QListWidget>(group, "List3");
    auto& user = child<QLineEdit>(group, "txtUser");
    auto& pass = child<QLineEdit>(group, "txtPass");
    EXPECT_EQ(pass.echoMode(), QLineEdit::Password);
    EXPECT_FALSE(user.isVisible());

    for (const char* name : {"Anna", "Bo"}) {
        QTest::mouseClick(&child<QPushButton>(group, "Command1"), Qt::LeftButton);
        ASSERT_TRUE(user.isVisible());
        EXPECT_FALSE(list.isVisible());
        EXPECT_EQ(group.focusWidget(), &user);
        QTest::keyClicks(&user, QString::fromLatin1(name));
        QTest::keyClick(&user, Qt::Key_Tab);
        QTest::keyClicks(&pass, QStringLiteral("pw&1"));
        QTest::keyClick(&pass, Qt::Key_Return);
    }
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(rig.widget("lb_User").caption(), QStringLiteral("Bo"));
    EXPECT_EQ(rig.profile.GetINI("Users", "pass1", rig.program.IniFile()), "pw&1");

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(rig.profile.GetINI("Users", "selected", rig.program.IniFile()), "1");
    EXPECT_EQ(rig.widget("lb_User").caption(), QStringLiteral("Anna"));

    auto& remove = child<QPushButton>(group, "Command2");
    QTest::mouseClick(&remove, Qt::LeftButton);
    QTest::mouseClick(&remove, Qt::LeftButton);
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_EQ(rig.widget("lb_User").caption(), QStringLiteral("No user"));
    EXPECT_EQ(rig.profile.GetINI("Users", "antal", rig.program.IniFile()), "0");
}

} // namespace
} // namespace brisvane::testing
