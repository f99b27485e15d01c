#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "MainRig.h"
#include "windows/DarkPalette.h"
#include "windows/LanguageCreationView.h"
#include "windows/QtDialogs.h"
#include "windows/TranslationWindows.h"
#include "windows/TranslatorView.h"
#include "windows/XdgMail.h"

namespace brisvane::testing {
namespace {

// Keys go to the active window, as a player's would.
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

// A button pressed by its mnemonic shows itself pressed for a moment and then clicks.
template <typename Done> bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
        QTest::qWait(10);
    }
    return done();
}

void typeInto(QWidget* window, const QString& text) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClicks(QApplication::focusWidget(), text);
}

TEST(TranslationViewTest, ANewLanguageIsMadeByKeyboardAlone) {
    MainRig rig;
    // The author of the last language worked on is proposed.
    rig.profile.SetINIs(
        rig.program.IniFile(),
        {{"Process", "p", "1"}, {"Process", "p1a", "Britt"}, {"Process", "pL", "1"}});
    rig.view->loadAndShow();
    TranslationWindows windows(rig.program);
    rig.program.openLanguageCreation();

    LanguageCreationView* creation = windows.creationView();
    ASSERT_NE(creation, nullptr);
    ASSERT_TRUE(creation->isVisible());
    EXPECT_TRUE(child<QRadioButton>(creation, "Option1").isChecked());

    // Tab passes through the list of installed languages without choosing to modify one.
    press(creation, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &child<QComboBox>(creation, "Combo1"));
    press(creation, Qt::Key_Return); // &Next step >>
    ASSERT_TRUE(waitFor([&] { return rig.program.languageCreation().page == "tit"; }));
    ASSERT_TRUE(child<QLineEdit>(creation, "Text1").isVisible());
    EXPECT_TRUE(child<QLineEdit>(creation, "Text1").hasFocus());
    EXPECT_EQ(child<QLineEdit>(creation, "Text1").selectedText(), QStringLiteral("Britt"));
    typeInto(creation, QStringLiteral("Anna"));
    press(creation, Qt::Key_Tab);
    typeInto(creation, QStringLiteral("Testisch"));
    press(creation, Qt::Key_Tab);
    typeInto(creation, QStringLiteral("Testish"));
    press(creation, Qt::Key_Return);

    TranslatorView* translator = windows.translatorView();
    ASSERT_NE(translator, nullptr);
    EXPECT_FALSE(creation->isVisible());
    ASSERT_TRUE(translator->isVisible());
    const int total = rig.program.translator().LanTotal();
    EXPECT_EQ(translator->combo()->count(), total);
    translator->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(translator));
    child<QPushButton>(translator, "Command1").setFocus();
    translator->timer1()->fire();
    EXPECT_TRUE(translator->inLan()->hasFocus()) << "the opening puts the focus into the box";

    // Every key typed, Enter moving on; the last one written by the delayed write.
    for (int position = 1; position <= total; ++position) {
        ASSERT_EQ(translator->combo()->currentText(), QString::number(position));
        typeInto(translator, QStringLiteral("X%1").arg(position));
        if (position < total) {
            press(translator, Qt::Key_Return);
        }
    }
    EXPECT_FALSE(child<QPushButton>(translator, "bNext").isEnabled());
    EXPECT_TRUE(translator->timer2()->isActive());
    translator->timer2()->fire();
    EXPECT_EQ(translator->bar()->value(), translator->bar()->maximum());
    EXPECT_EQ(child<QLabel>(translator, "lblPerc").text(), "100%");
    ASSERT_TRUE(child<QPushButton>(translator, "bSave").isVisible());

    press(translator, Qt::Key_S, Qt::AltModifier); // &Save language
    ASSERT_TRUE(waitFor([&] { return !translator->isVisible(); }));
    const std::string last = rig.ini("Language", "antal");
    EXPECT_EQ(rig.ini("Language", "l" + last + "n"), "Testisch (new)");
}

TEST(TranslationViewTest, EscapeGoesBackAndTheViewFollowsItsModel) {
    MainRig rig;
    TranslationWindows windows(rig.program);
    rig.program.openLanguageCreation();
    LanguageCreationView* creation = windows.creationView();
    child<QRadioButton>(creation, "Option3").click();
    QTest::mouseClick(&child<QPushButton>(creation, "Command2"), Qt::LeftButton);

    TranslatorView* translator = windows.translatorView();
    ASSERT_TRUE(translator->isVisible()) << "modifying English";
    TranslatorWindow& model = rig.program.translatorWindow();
    translator->combo()->activated(translator->combo()->findText("9"));
    EXPECT_EQ(child<QLabel>(translator, "lblID").text(), "(s1)");
    EXPECT_EQ(child<QLabel>(translator, "lblEnglish").text(), "No user");
    for (Control* control : model.controls()) {
        EXPECT_NE(translator->findChild<QWidget*>(QString::fromStdString(control->objectName)),
                  nullptr)
            << control->objectName;
    }
    translator->inLan()->setFocus();
    typeInto(translator, QStringLiteral("!"));
    EXPECT_EQ(model.inLan.caption, "No user!");
    EXPECT_TRUE(translator->timer2()->isActive());
    EXPECT_EQ(translator->timer2()->interval(), 800);

    press(translator, Qt::Key_Escape);
    EXPECT_FALSE(translator->isVisible());
    EXPECT_TRUE(creation->isVisible());
    press(creation, Qt::Key_Escape);
    EXPECT_FALSE(creation->isVisible());
}

TEST(TranslationViewTest, WithoutTheReferenceTheNoticeShowsWhole) {
    MainRig rig;
    std::filesystem::remove(rig.folder.path() / "English.lan");
    TranslationWindows windows(rig.program);
    rig.program.openLanguageCreation();
    LanguageCreationWindow& creation = rig.program.languageCreation();
    creation.clickCommand2();
    creation.setText(1, "Anna");
    creation.setText(2, "Deutsch");
    creation.setText(3, "German");
    creation.clickCommand2();
    auto& notice = child<QLabel>(windows.translatorView(), "lblEnglish");
    ASSERT_TRUE(notice.text().contains(QStringLiteral("English.lan is missing")));
    EXPECT_LE(notice.heightForWidth(notice.width()), notice.height());
}

bool draws(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                return true;
            }
        }
    }
    return false;
}

double brightest(const QImage& image) {
    double most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            most = std::max(most, luminance(image.pixelColor(x, y)));
        }
    }
    return most;
}

// A chosen choice, a ticked box and a text box without the focus can be told from the ground
// they lie on (3:1), on the plain and the deep end of the windows' ground and inside a group;
// the creation window draws them in those colours, and a switched-off list dimmer.
TEST(TranslationViewTest, ChosenChoicesAndUnfocusedFieldsStandOutFromTheirGround) {
    const auto veiled = [](const QColor& ground) {
        const float a = dark::GroupVeil.alphaF();
        return QColor::fromRgbF(ground.redF() * (1 - a) + a, ground.greenF() * (1 - a) + a,
                                ground.blueF() * (1 - a) + a);
    };
    for (const QColor& ground : {dark::Ground, dark::GroundDeep, dark::Field, veiled(dark::Ground)}) {
        EXPECT_GE(contrast(dark::Edge, ground), 3.0) << ground.name().toStdString();
        EXPECT_GE(contrast(dark::Accent, ground), 3.0) << ground.name().toStdString();
    }
    EXPECT_GE(contrast(dark::GroundDeep, dark::Accent), 3.0) << "the dot or tick on the accent";

    MainRig rig;
    TranslationWindows windows(rig.program);
    rig.program.openLanguageCreation();
    LanguageCreationView* creation = windows.creationView();
    ASSERT_TRUE(child<QRadioButton>(creation, "Option1").isChecked());
    const QImage chosen = child<QRadioButton>(creation, "Option1").grab().toImage();
    EXPECT_TRUE(draws(chosen, dark::Accent) && draws(chosen, dark::GroundDeep));
    // Switched off, and looks it: nothing in it brighter than a live control's outline.
    auto& idle = child<QComboBox>(creation, "Combo2");
    ASSERT_FALSE(idle.isEnabled());
    EXPECT_LE(brightest(idle.grab().toImage()), luminance(dark::Edge));
    rig.program.languageCreation().clickCommand2();
    auto& field = child<QLineEdit>(creation, "Text2");
    ASSERT_FALSE(field.hasFocus());
    EXPECT_TRUE(draws(field.grab().toImage(), dark::Edge));
}

TEST(TranslationViewTest, TextTypedJustBeforeTheGameEndsIsKept) {
    MainRig rig;
    auto windows = std::make_unique<TranslationWindows>(rig.program);
    rig.program.openLanguageCreation();
    rig.program.languageCreation().selectOption(3);
    rig.program.languageCreation().clickCommand2();
    QLineEdit* box = windows->translatorView()->inLan();
    box->setFocus();
    typeInto(windows->translatorView(), QStringLiteral(" Hello"));
    windows.reset();
    EXPECT_EQ(rig.profile.GetINI("Language", "d1", rig.folder.file("English.mla")),
              "Welcome! Hello");
}

TEST(TranslationViewTest, TheSendFilterBecomesTheFileDialogsFilters) {
    EXPECT_EQ(QtDialogs::toNameFilters(LanguageCreationWindow::SendFilter),
              (QStringList{"Language files (*.lan *2.lan)", "New languages (*.lan)",
                           "Modified languages (*2.lan)", "Unsaved languages (*.nla *.mla)"}));
    EXPECT_EQ(QtDialogs::toNameFilters("*.lan"), QStringList{"*.lan (*.lan)"});
}

// xdg-email stood in for by a script on PATH that records its arguments and ends with the
// status it is told.
class XdgMailTest : public ::testing::Test {
protected:
    XdgMailTest() : savedPath_(qgetenv("PATH")) {
        folder.write("xdg-email",
                     "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args\"\n"
                     "exit $(cat \"$(dirname \"$0\")/status\" 2>/dev/null || echo 0)\n");
        std::filesystem::permissions(folder.path() / "xdg-email",
                                     std::filesystem::perms::owner_all);
        folder.write("Swedish.lan", "[Info]\ninternational=Swedish\n");
        qputenv("PATH", QByteArray::fromStdString(folder.path().string()) + ":" + savedPath_);
    }
    ~XdgMailTest() override { qputenv("PATH", savedPath_); }

    MailMessage message() const {
        return {"translations@brisvane.example.org", "Vexa Translate: Swedish",
                "5 März 2026 @ 14:07:09", folder.file("Swedish.lan")};
    }

    TempFolder folder;

private:
    QByteArray savedPath_;
};

// A missing mail program or attachment is an error of its own, before xdg-email is asked.
TEST_F(XdgMailTest, TheMessageGoesToXdgEmailAndItsStatusIsTheResult) {
    EXPECT_EQ(XdgMail(QStringLiteral("brisvane-no-such-mailer")).send(message()).error, 127);
    XdgMail mail;
    MailMessage gone = message();
    gone.attachmentPath = folder.file("Gone.lan");
    EXPECT_EQ(mail.send(gone).error, 75);
    EXPECT_FALSE(folder.exists("args"));

    const MailResult sent = mail.send(message());
    EXPECT_TRUE(sent.sent()) << sent.description;
    EXPECT_EQ(folder.read("args"), "--utf8\n--subject\nVexa Translate: Swedish\n--body\n"
                                   "5 März 2026 @ 14:07:09\n--attach\n" +
                                       folder.file("Swedish.lan") +
                                       "\ntranslations@brisvane.example.org\n");
    folder.write("status", "4");
    const MailResult failed = mail.send(message());
    EXPECT_EQ(failed.error, 4);
    EXPECT_FALSE(failed.description.empty());
}

} // namespace
} // namespace brisvane::testing
