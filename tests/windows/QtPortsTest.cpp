// The Qt adapters of the ports: what a player would notice if the desktop glue went wrong.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
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

TEST(QtShellTest, WebAddressesStayFilesBecomeFileUrlsAndFiltersNameTheirPatterns) {
    EXPECT_EQ(QtShell::toUrl("https://example.org/top?lan=Svenska&x=1").toString(),
              QStringLiteral("https://example.org/top?lan=Svenska&x=1"));
    EXPECT_EQ(QtShell::toUrl("mailto:someone@example.org").scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(QtShell::toUrl("/home/anna/Brisvane spel/Vexa.log").toLocalFile(),
              QStringLiteral("/home/anna/Brisvane spel/Vexa.log"));
    EXPECT_TRUE(QtShell::toUrl("Version.txt").isLocalFile());
    EXPECT_EQ(QtDialogs::toNameFilter("*.lan"), QStringLiteral("*.lan (*.lan)"));
    EXPECT_EQ(QtDialogs::toNameFilter("Language (*.lan)"), QStringLiteral("Language (*.lan)"));
}

TEST(QtDialogsTest, QuestionShowsItsTextEnterTakesTheChosenDefaultAndEscapeIsNo) {
    QtDialogs dialogs;
    for (const auto& [key, defaultButton, answer] :
         {std::tuple{Qt::Key_Return, DefaultButton::No, false},
          {Qt::Key_Return, DefaultButton::Yes, true},
          {Qt::Key_Escape, DefaultButton::Yes, false}}) {
        QString shown;
        whenBoxOpens([&shown, key](QWidget* box) {
            shown = box->windowTitle() + "|" + qobject_cast<QMessageBox*>(box)->text();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
        });
        EXPECT_EQ(dialogs.askYesNo("Fråga", "Avsluta spelet?", defaultButton), answer) << key;
        EXPECT_EQ(shown, QStringLiteral("Fråga|Avsluta spelet?"));
    }
}

TEST(QtDialogsTest, InputBoxGivesTheTypedTextOrNothingWhenCancelled) {
    QtDialogs dialogs;
    whenBoxOpens([](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
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
    const DateTime when{2002, 2, 22, 7, 5, 9, 0};
    EXPECT_EQ(german.decimalSeparator(), ",");
    EXPECT_EQ(german.monthName(3), "März");
    EXPECT_EQ(german.longTime(when), "07:05:09");
    EXPECT_EQ(german.shortDate(when), "22.02.02");
}

} // namespace
} // namespace brisvane
