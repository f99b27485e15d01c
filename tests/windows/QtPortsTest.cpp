// The Qt adapters of the ports: what a player would notice if the desktop glue went wrong.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include "windows/QtDialogs.h"
#include "windows/QtLocale.h"
#include "windows/QtShell.h"

namespace brisvane {
namespace {

// Runs `act` on the modal box as soon as it is open, from inside its own event loop.
template <typename Act> void whenBoxOpens(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        act(box);
    });
}

void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(QtShellTest, WebAddressesStayAndFilesBecomeFileUrls) {
    const QUrl page = QtShell::toUrl("https://example.org/top?lan=Svenska&x=1");
    EXPECT_EQ(page.scheme(), QStringLiteral("https"));
    EXPECT_EQ(page.query(), QStringLiteral("lan=Svenska&x=1"));

    EXPECT_EQ(QtShell::toUrl("mailto:someone@example.org").scheme(), QStringLiteral("mailto"));

    const QUrl log = QtShell::toUrl("/home/anna/Brisvane spel/Vexa.log");
    EXPECT_TRUE(log.isLocalFile());
    EXPECT_EQ(log.toLocalFile(), QStringLiteral("/home/anna/Brisvane spel/Vexa.log"));

    const QUrl notes = QtShell::toUrl("Version.txt");
    EXPECT_TRUE(notes.isLocalFile());
}

TEST(QtShellTest, NothingToOpenFails) {
    EXPECT_FALSE(QtShell().open(""));
}

TEST(QtDialogsTest, FileFilterNamesItsPatterns) {
    EXPECT_EQ(QtDialogs::toNameFilter("*.lan"), QStringLiteral("*.lan (*.lan)"));
    EXPECT_EQ(QtDialogs::toNameFilter("Language (*.lan)"), QStringLiteral("Language (*.lan)"));
    EXPECT_EQ(QtDialogs::toNameFilter(""), QString());
}

TEST(QtDialogsTest, EnterTakesTheChosenDefaultAndEscapeIsNo) {
    QtDialogs dialogs;
    whenBoxOpens([](QWidget* box) { pressKey(box, Qt::Key_Return); });
    EXPECT_FALSE(dialogs.askYesNo("Brisvane", "Quit?", DefaultButton::No));

    whenBoxOpens([](QWidget* box) { pressKey(box, Qt::Key_Return); });
    EXPECT_TRUE(dialogs.askYesNo("Brisvane", "Send?", DefaultButton::Yes));

    whenBoxOpens([](QWidget* box) { pressKey(box, Qt::Key_Escape); });
    EXPECT_FALSE(dialogs.askYesNo("Brisvane", "Send?", DefaultButton::Yes));
}

TEST(QtDialogsTest, QuestionShowsTitleAndText) {
    QtDialogs dialogs;
    QString title;
    QString text;
    whenBoxOpens([&title, &text](QWidget* box) {
        auto* messageBox = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(messageBox, nullptr);
        title = messageBox->windowTitle();
        text = messageBox->text();
        messageBox->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(dialogs.askYesNo("Fråga", "Avsluta spelet?", DefaultButton::No));
    EXPECT_EQ(title, QStringLiteral("Fråga"));
    EXPECT_EQ(text, QStringLiteral("Avsluta spelet?"));
}

TEST(QtDialogsTest, InputBoxGivesTheTypedTextOrNothingWhenCancelled) {
    QtDialogs dialogs;
    whenBoxOpens([](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->textValue(), QStringLiteral("Anna"));
        input->setTextValue(QStringLiteral("Åsa"));
        input->accept();
    });
    EXPECT_EQ(dialogs.inputBox("Your name", "Top ten", "Anna"), std::optional<std::string>("Åsa"));

    whenBoxOpens([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
    EXPECT_EQ(dialogs.inputBox("Your name", "Top ten", "Anna"), std::nullopt);
}

TEST(QtLocaleTest, FollowsTheDesktopConventions) {
    const QtLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimalSeparator(), ",");
    EXPECT_EQ(german.monthName(3), "März");
    EXPECT_EQ(german.monthName(13), "");
    const DateTime when{2002, 2, 22, 7, 5, 9, 0};
    EXPECT_EQ(german.longTime(when), "07:05:09");
    EXPECT_EQ(german.shortDate(when), "22.02.02");

    const QtLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.decimalSeparator(), ".");
    EXPECT_EQ(english.monthName(12), "December");
}

} // namespace
} // namespace brisvane
