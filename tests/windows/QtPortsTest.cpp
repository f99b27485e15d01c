// The Qt boxes of the dialogs port: what a player would notice if the desktop glue went wrong.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <QFileInfo>

#include "support/TempFolder.h"
#include "windows/QtDialogs.h"
#include "windows/QtPaths.h"

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

// A program folder whose name is Latin-1, not UTF-8: its files still reach Qt (sounds, the
// background picture, the file chooser) and Qt's answers name the same files.
TEST(QtPathsTest, FilesOfAFolderWhoseNameIsNotUtf8ReachQtAndComeBack) {
    testing::TempFolder folder;
    const std::filesystem::path latin = folder.path() / "caf\xE9";
    std::filesystem::create_directory(latin);
    const std::string file = (latin / "Beep.wav").string();
    folder.write("caf\xE9/Beep.wav", "RIFF");
    const std::string before = currentFolderBytes();
    ASSERT_EQ(::chdir(latin.c_str()), 0);
    EXPECT_TRUE(QFileInfo(toQtPath(file)).isFile());
    EXPECT_EQ(fromQtPath(QDir::current().absoluteFilePath(QStringLiteral("Beep.wav"))), file);
    EXPECT_EQ(toQtPath("/tmp/plain.wav"), QStringLiteral("/tmp/plain.wav"));
    ASSERT_EQ(::chdir(before.c_str()), 0);
}

TEST(QtDialogsTest, BoxesShowTheirTextAndIconEnterTakesTheChosenDefaultAndEscapeIsNo) {
    QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    for (const auto& [key, defaultButton, answer] :
         {std::tuple{Qt::Key_Return, DefaultButton::No, false},
          {Qt::Key_Return, DefaultButton::Yes, true},
          {Qt::Key_Escape, DefaultButton::Yes, false}}) {
        QString shown;
        whenBoxOpens([&shown, &icon, key](QWidget* box) {
            shown = box->windowTitle() + "|" + qobject_cast<QMessageBox*>(box)->text();
            icon = qobject_cast<QMessageBox*>(box)->icon();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
        });
        EXPECT_EQ(dialogs.askYesNo("Fråga", "Avsluta spelet?", defaultButton), answer) << key;
        EXPECT_EQ(shown, QStringLiteral("Fråga|Avsluta spelet?"));
        EXPECT_EQ(icon, QMessageBox::Question);
    }
    // A message carries the icon of what it tells.
    for (const auto& [kind, expected] :
         {std::pair{MessageKind::Information, QMessageBox::Information},
          {MessageKind::Warning, QMessageBox::Warning}}) {
        whenBoxOpens([&icon](QWidget* box) {
            icon = qobject_cast<QMessageBox*>(box)->icon();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        dialogs.message("Brisvane", "Specified package not found.", kind);
        EXPECT_EQ(icon, expected);
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
