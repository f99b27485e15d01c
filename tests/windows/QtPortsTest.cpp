// The Qt boxes of the dialogs port: what a player would notice if the desktop glue went wrong.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "windows/QtDialogs.h"

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

} // namespace
} // namespace brisvane
