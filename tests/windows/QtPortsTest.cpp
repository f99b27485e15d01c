// The Qt boxes of the dialogs port: what a player would notice if the desktop glue went wrong.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

#include <QFileInfo>
#include <QLibraryInfo>

#include <QFileDialog>
#include <QPushButton>

#include "MainRig.h"
#include "language/Language.h"
#include "settings/FileProfile.h"
#include "support/TempFolder.h"
#include "windows/QtDialogs.h"
#include "windows/QtPaths.h"

namespace brisvane {
using testing::whenBoxOpens;

namespace {

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

// The buttons of every box and the file dialog speak the language in use, switched as soon as
// another language is applied, English again too; Qt's catalogue adds its own words for the rest
// of the dialog. (That no box keeps an English button in any shipped language is the walk of
// every window's.)
TEST(QtDialogsTest, ButtonsAndTheFileDialogSpeakTheLanguageInUse) {
    FileProfile profile;
    const std::filesystem::path data = BRISVANE_SOURCE_DIR "/data";
    Language language(profile, ProgramFolder(data), (data / "Vexa.ini").string());
    QtDialogs dialogs;
    dialogs.setLanguage(&language);
    const auto yesNo = [&dialogs] {
        QStringList buttons;
        whenBoxOpens([&buttons](QWidget* box) {
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                buttons.append(button->text());
            }
            qobject_cast<QDialog*>(box)->reject();
        });
        dialogs.askYesNo("Brisvane", "?", DefaultButton::No);
        buttons.sort();
        return buttons.join(QLatin1Char('|'));
    };
    // Danish: the captions from the game's own keys, the views' tool tips from Qt's catalogue.
    language.setLanguageFile((data / "Danish.lan").string());
    EXPECT_EQ(yesNo(), QStringLiteral("&Ja|&Nej"));
    QStringList labels;
    QString detail;
    whenBoxOpens([&](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        ASSERT_NE(dialog, nullptr);
        labels << dialog->labelText(QFileDialog::LookIn) << dialog->labelText(QFileDialog::Accept)
               << dialog->labelText(QFileDialog::Reject);
        detail = QCoreApplication::translate("QFileDialog", "Detail View");
        dialog->reject();
    });
    EXPECT_EQ(dialogs.chooseFile("Brisvane", "*.lan", data.string()), std::nullopt);
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Søg i:"), QStringLiteral("&Åbn"),
                                   QStringLiteral("Annuller")}));
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_da.qm")) {
        EXPECT_NE(detail, QStringLiteral("Detail View")) << "Qt's Danish catalogue is in use";
    }
    // Back in English, the buttons and Qt's own words again: the catalogue is let go.
    language.setLanguageFile((data / "English.lan").string());
    EXPECT_EQ(yesNo(), QStringLiteral("&No|&Yes"));
    whenBoxOpens([&](QWidget* box) {
        detail = QCoreApplication::translate("QFileDialog", "Detail View");
        qobject_cast<QDialog*>(box)->reject();
    });
    dialogs.chooseFile("Brisvane", "*.lan", data.string());
    EXPECT_EQ(detail, QStringLiteral("Detail View"));
}

} // namespace
} // namespace brisvane
