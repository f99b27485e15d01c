// The game window as the player sees and uses it: what it shows after start-up and after a
// roll, what the clicks, sweeps and keys do, the window's own boxes, and what happens when
// something goes wrong.
#include <gtest/gtest.h>

#include <QImage>

#include "MainRig.h"
#include "windows/DotDisplay.h"
#include "windows/TimerDriver.h"

namespace brisvane::testing {
namespace {

QColor qcolor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

bool dotsMatchModel(const MainRig& rig) {
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        if (rig.view->dots()->dotLit(i) != rig.dots.dotLit(i)) {
            return false;
        }
    }
    return true;
}

int litDots(const MainRig& rig) {
    int lit = 0;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        lit += rig.view->dots()->dotLit(i) ? 1 : 0;
    }
    return lit;
}

std::string caption(const MainRig& rig, const char* name) {
    return rig.widget(name).caption().toStdString();
}

std::string toolTip(const MainRig& rig, const char* name) {
    return rig.widget(name).toolTip().toStdString();
}

bool shown(const MainRig& rig, const char* name) {
    return rig.widget(name).isVisible();
}

TEST(MainViewTest, StartsWithTheFirstGameInTheChosenLanguage) {
    MainRig rig;
    rig.start();
    EXPECT_TRUE(rig.view->isVisible());
    EXPECT_EQ(rig.view->size(), QSize(800, 600));
    EXPECT_EQ(rig.view->objectName(), QStringLiteral("Main"));

    EXPECT_EQ(caption(rig, "btn_OnePair"), "  One pair");
    EXPECT_EQ(caption(rig, "btn_Yatzy"), "  Yatzy");
    EXPECT_EQ(caption(rig, "disp_Total"), "  TOTAL");
    EXPECT_EQ(caption(rig, "disp_Bonus"), "  BONUS");
    EXPECT_EQ(caption(rig, "lblExit"), "Exit the program");
    EXPECT_EQ(caption(rig, "NyttSpel"), "Start a new game");
    EXPECT_EQ(caption(rig, "lbl_Roll"), "Rolls left");
    EXPECT_EQ(caption(rig, "lb_User"), "No user");
    EXPECT_EQ(caption(rig, "Rolls"), "60");
    EXPECT_EQ(caption(rig, "Bonus"), "-84");
    EXPECT_EQ(rig.widget("Bonus").foreground(), QColor(255, 128, 128));
    EXPECT_EQ(toolTip(rig, "Minimera"), " Minimise ");
    EXPECT_EQ(toolTip(rig, "Rolls"), " Rolls left in this game ");
    EXPECT_TRUE(toolTip(rig, "Logo").ends_with("v. 7.03 "));

    for (const char* die : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6"}) {
        EXPECT_FALSE(shown(rig, die)) << die;
    }
    EXPECT_TRUE(rig.widget("Roll").isEnabled());
    EXPECT_FALSE(rig.widget("Undo").isEnabled());
    EXPECT_FALSE(shown(rig, "Indik"));
    EXPECT_FALSE(shown(rig, "ErrorPic"));
    EXPECT_FALSE(shown(rig, "BackgrPic"));
    EXPECT_TRUE(shown(rig, "Titellist"));

    // The greeting is on the dot display, dot for dot as the model has it.
    EXPECT_GT(litDots(rig), 20);
    EXPECT_TRUE(dotsMatchModel(rig));
}

TEST(MainViewTest, EveryNamedControlIsThere) {
    MainRig rig;
    rig.start();
    for (const Control* c : rig.game.controls()) {
        if (c->objectName == "Text1") {
            EXPECT_NE(rig.view->findChild<QWidget*>(QStringLiteral("Text1")), nullptr);
            continue;
        }
        EXPECT_NO_THROW(rig.widget(c->objectName.c_str())) << c->objectName;
    }
    for (const Control* c : rig.windowShell.controls()) {
        EXPECT_NO_THROW(rig.widget(c->objectName.c_str())) << c->objectName;
    }
    for (int place = 1; place <= 10; ++place) {
        EXPECT_NO_THROW(rig.widget(TopTen::labelName(place).c_str()));
    }
    EXPECT_NE(rig.view->findChild<QWidget*>(QStringLiteral("Digit")), nullptr);
}

TEST(MainViewTest, RollShowsTheDiceTheCountersAndTheSuggestion) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({1, 2, 3, 4, 5, 5});
    rig.click("Roll");

    const int faces[] = {1, 2, 3, 4, 5, 5};
    for (int die = 1; die <= 6; ++die) {
        const std::string name = "Image" + std::to_string(die);
        ControlWidget& widget = rig.widget(name.c_str());
        EXPECT_TRUE(widget.isVisible()) << name;
        EXPECT_EQ(widget.shown().picture, 10 * die + faces[die - 1]) << name;
    }
    EXPECT_EQ(caption(rig, "Rolls"), "59");
    EXPECT_EQ(caption(rig, "Mrolls"), "2.95");
    EXPECT_FALSE(rig.widget("Roll").isEnabled());
    EXPECT_EQ(rig.speaker.played.back().path, rig.folder.file("dice.wav"));

    // Two pairs does not score with one pair: grey and no help; Small straight suggested.
    EXPECT_EQ(rig.widget("btn_TwoPairs").foreground(), qcolor(colour::Grey));
    EXPECT_EQ(toolTip(rig, "btn_SmallStr"), " Small straight: 15 ");
    EXPECT_TRUE(shown(rig, "Indik"));
    EXPECT_EQ(rig.widget("Indik").shown().top, 1590 + 315 * 12);
    EXPECT_TRUE(rig.timerRunning("TimerIndik"));
    EXPECT_TRUE(rig.timerRunning("TimerPlay"));

    // The marker pulses as its timer ticks.
    const QColor before = qcolor(rig.widget("Indik").shown().fillColor);
    rig.tick("TimerIndik");
    rig.tick("TimerIndik");
    EXPECT_NE(qcolor(rig.widget("Indik").shown().fillColor), before);
}

TEST(MainViewTest, ClickingACategoryScoresItAndClearsTheTable) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({6, 6, 6, 6, 5, 5});
    rig.click("Roll");
    rig.click("btn_Tower");

    EXPECT_EQ(caption(rig, "scr_18"), "34");
    EXPECT_EQ(rig.widget("scr_18").foreground(), qcolor(colour::White));
    EXPECT_EQ(caption(rig, "scr_Tot"), "34");
    EXPECT_FALSE(rig.widget("btn_Tower").isEnabled());
    EXPECT_FALSE(shown(rig, "Image1"));
    EXPECT_TRUE(rig.widget("Roll").isEnabled());
    EXPECT_FALSE(shown(rig, "Indik"));
    EXPECT_TRUE(dotsMatchModel(rig));

    // A second category before the next roll does nothing.
    rig.click("btn_Chance");
    EXPECT_EQ(caption(rig, "scr_19"), "");
}

TEST(MainViewTest, ClickingADiePicksItUpAndUndoPutsEveryDieBack) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({2, 2, 3, 4, 6, 1});
    rig.click("Roll");
    rig.click("Image2");
    rig.click("Image5");
    EXPECT_FALSE(shown(rig, "Image2"));
    EXPECT_FALSE(shown(rig, "Image5"));
    EXPECT_TRUE(rig.widget("Undo").isEnabled());
    EXPECT_TRUE(rig.widget("Roll").isEnabled());

    rig.click("Undo");
    EXPECT_TRUE(shown(rig, "Image2"));
    EXPECT_TRUE(shown(rig, "Image5"));
    EXPECT_FALSE(rig.widget("Undo").isEnabled());
    EXPECT_EQ(rig.speaker.played.back().path, rig.folder.file("pop.wav"));
}

TEST(MainViewTest, LeftSweepPicksUpEveryDieItCrosses) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    // From the empty felt left of die 1, across dice 1 to 3.
    const QPoint start(40, MainRig::dieSpot(1).y());
    rig.sweep(Qt::LeftButton,
              {start, MainRig::dieSpot(1), MainRig::dieSpot(2), MainRig::dieSpot(3)});
    EXPECT_FALSE(shown(rig, "Image1"));
    EXPECT_FALSE(shown(rig, "Image2"));
    EXPECT_FALSE(shown(rig, "Image3"));
    EXPECT_TRUE(shown(rig, "Image4"));
    EXPECT_EQ(rig.game.state().DiceHeld, (std::array<int, 6>{0, 0, 0, 1, 1, 1}));
    EXPECT_TRUE(rig.widget("Roll").isEnabled());
}

TEST(MainViewTest, RightSweepPutsPickedUpDiceBackAndAFullTableCannotRoll) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    rig.click("Image2");
    rig.click("Image4");
    rig.sweep(Qt::RightButton,
              {QPoint(40, MainRig::dieSpot(1).y()), MainRig::dieSpot(2), MainRig::dieSpot(4)});
    EXPECT_TRUE(shown(rig, "Image2"));
    EXPECT_TRUE(shown(rig, "Image4"));
    EXPECT_EQ(rig.game.state().DiceHeld, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(rig.widget("Roll").isEnabled());
}

TEST(MainViewTest, AClickOnAnOverlapPutsBothDiceBack) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    rig.click("Image1");
    rig.click("Image2");
    // X 2130, Y 3300 twips lies in the zones of dice 1 and 2.
    rig.sweep(Qt::LeftButton, {QPoint(142, 220)});
    EXPECT_TRUE(shown(rig, "Image1"));
    EXPECT_TRUE(shown(rig, "Image2"));
    EXPECT_FALSE(rig.widget("Roll").isEnabled());
}

TEST(MainViewTest, NoPickingUpOnceTheRollsAreSpent) {
    MainRig rig({{"NollSlag", "Yes"}});
    rig.start();
    rig.click("Command1"); // the next roll is the last
    rig.random.queueFaces({1, 1, 2, 3, 5, 6});
    rig.click("Roll");
    ASSERT_EQ(rig.game.state().RollsLeft, 0);
    rig.sweep(Qt::LeftButton,
              {QPoint(40, MainRig::dieSpot(1).y()), MainRig::dieSpot(1), MainRig::dieSpot(6)});
    rig.key(Qt::Key_3);
    for (const char* die : {"Image1", "Image3", "Image6"}) {
        EXPECT_TRUE(shown(rig, die)) << die;
    }
}

TEST(MainViewTest, KeysRollPickUpPutBackUndoAndStartANewGame) {
    MainRig rig;
    rig.start();
    rig.random.queueFaces({4, 4, 4, 1, 2, 3});
    rig.key(Qt::Key_Space);
    EXPECT_EQ(caption(rig, "Rolls"), "59");
    EXPECT_TRUE(shown(rig, "Image4"));

    rig.key(Qt::Key_4);
    EXPECT_FALSE(shown(rig, "Image4"));
    rig.key(Qt::Key_4);
    EXPECT_TRUE(shown(rig, "Image4"));

    rig.key(Qt::Key_5);
    rig.key(Qt::Key_6);
    rig.key(Qt::Key_Backspace);
    EXPECT_TRUE(shown(rig, "Image5"));
    EXPECT_TRUE(shown(rig, "Image6"));

    rig.key(Qt::Key_1);
    rig.random.queueFaces({6});
    rig.key(Qt::Key_Return);
    EXPECT_EQ(caption(rig, "Rolls"), "58");
    EXPECT_EQ(rig.game.state().DiceValue.at(0), 6);

    // F2 asks first (the shipped settings warn before a new game); No keeps the game.
    rig.key(Qt::Key_F2);
    ASSERT_EQ(rig.dialogs.questions.size(), 1U);
    EXPECT_EQ(rig.dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_EQ(caption(rig, "Rolls"), "58");
    rig.dialogs.yesNoAnswers.push_back(true);
    rig.key(Qt::Key_F2);
    EXPECT_EQ(caption(rig, "Rolls"), "60");
    EXPECT_FALSE(shown(rig, "Image1"));
}

TEST(MainViewTest, LongMessagesPageOnTheTimer) {
    MainRig rig;
    rig.start();
    rig.dots.Say("Twenty-seven characters ok!");
    EXPECT_TRUE(rig.timerRunning("Timer1"));
    const DotMatrix& model = rig.dots;
    std::vector<bool> firstPage;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        firstPage.push_back(rig.view->dots()->dotLit(i));
    }
    rig.tick("Timer1");
    EXPECT_TRUE(dotsMatchModel(rig));
    bool changed = false;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        changed = changed || firstPage[static_cast<std::size_t>(i)] != model.dotLit(i);
    }
    EXPECT_TRUE(changed);
    rig.tick("Timer1");
    EXPECT_FALSE(rig.timerRunning("Timer1"));
}

TEST(MainViewTest, ExitAsksOnlyWhenWarnExitIsExactlyYes) {
    MainRig asking({{"WarnExit", "Yes"}});
    asking.start();
    asking.click("Avsluta");
    ASSERT_EQ(asking.dialogs.questions.size(), 1U);
    EXPECT_EQ(asking.dialogs.questions[0].question, "Do you want to exit Brisvane?");
    EXPECT_EQ(asking.dialogs.questions[0].title, "Brisvane");
    EXPECT_EQ(asking.dialogs.questions[0].defaultButton, DefaultButton::No);
    EXPECT_FALSE(asking.windowShell.ended);
    asking.dialogs.yesNoAnswers.push_back(true);
    asking.click("lblExit");
    EXPECT_TRUE(asking.windowShell.ended);

    MainRig lowerCase({{"WarnExit", "yes"}});
    lowerCase.start();
    lowerCase.click("lblExit");
    EXPECT_TRUE(lowerCase.dialogs.questions.empty());
    EXPECT_TRUE(lowerCase.windowShell.ended);
}

TEST(MainViewTest, ClosingTheWindowFromTheDesktopIsTheSameAsTheCloseBox) {
    MainRig rig({{"WarnExit", "Yes"}});
    rig.start();
    rig.view->close();
    EXPECT_EQ(rig.dialogs.questions.size(), 1U);
    EXPECT_TRUE(rig.view->isVisible());
}

TEST(MainViewTest, SmallDesktopHidesTheTitleStrip) {
    MainRig rig;
    rig.screen.area = {0, 0, 12000, 8580};
    rig.start();
    EXPECT_FALSE(shown(rig, "Titellist"));
    EXPECT_EQ(rig.windowShell.frame.left, 0);
    EXPECT_EQ(rig.windowShell.frame.top, 0);

    // The desktop grows: the strip comes back and the window is centred.
    rig.screen.area = {0, 0, 1920 * 15, 1040 * 15};
    rig.windowShell.displayChanged();
    EXPECT_TRUE(shown(rig, "Titellist"));
    EXPECT_EQ(rig.windowShell.frame.left, (1920 * 15 - 12000) / 2);
}

TEST(MainViewTest, TheTitleStripDragsTheWindowAndADoubleClickCentresIt) {
    MainRig rig;
    rig.start();
    ControlWidget& strip = rig.widget("Titellist");
    const QPoint windowAt(rig.windowShell.frame.left / 15, rig.windowShell.frame.top / 15);
    const QPoint grab(100, 10);
    QTest::mousePress(&strip, Qt::LeftButton, Qt::NoModifier, grab);
    const QPoint to = windowAt + strip.pos() + grab + QPoint(50, 20);
    QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(50, 20)), QPointF(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
    QTest::mouseRelease(&strip, Qt::LeftButton, Qt::NoModifier, grab + QPoint(50, 20));
    EXPECT_EQ(rig.windowShell.frame.left, windowAt.x() * 15 + 50 * 15);
    EXPECT_EQ(rig.windowShell.frame.top, windowAt.y() * 15 + 20 * 15);
    EXPECT_FALSE(rig.windowShell.TitleDragging);

    QTest::mouseDClick(&strip, Qt::LeftButton);
    EXPECT_EQ(rig.windowShell.frame.left, (rig.screen.area.width - 12000) / 2);
    EXPECT_EQ(rig.windowShell.frame.top, (rig.screen.area.height - 9000) / 3);
}

TEST(MainViewTest, SpeakerSwitchesTheSoundAndKeepsTheChoice) {
    MainRig rig;
    rig.start();
    EXPECT_EQ(rig.widget("SoundPic").shown().picture, 67);
    rig.click("SoundPic");
    EXPECT_EQ(rig.widget("SoundPic").shown().picture, 68);
    EXPECT_EQ(rig.setting("Options", "PlaySound"), "No");
    rig.speaker.played.clear();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    EXPECT_TRUE(rig.speaker.played.empty());
}

TEST(MainViewTest, AnUpperCaseExtensionShowsNoBackground) {
    MainRig rig({{"picture", "back.JPG"}});
    QImage(8, 8, QImage::Format_RGB32)
        .save(QString::fromStdString(rig.folder.file("back.JPG")), "JPG");
    rig.start();
    EXPECT_FALSE(shown(rig, "BackgrPic"));
    EXPECT_FALSE(shown(rig, "ErrorPic"));
}

TEST(MainViewTest, ABackgroundPictureLiesUnderTheTable) {
    MainRig rig({{"picture", "felt.jpg"}});
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(QString::fromStdString(rig.folder.file("felt.jpg")), "JPG"));
    rig.start();
    EXPECT_TRUE(shown(rig, "BackgrPic"));
    EXPECT_EQ(rig.widget("BackgrPic").geometry(), QRect(0, 0, 800, 1267));
    EXPECT_FALSE(shown(rig, "ErrorPic"));
}

TEST(MainViewTest, AMissingBackgroundIsLoggedMarkedAndTheGameStartsAnyway) {
    MainRig rig({{"picture", "gone.jpg"}});
    rig.start();
    EXPECT_FALSE(shown(rig, "BackgrPic"));
    ASSERT_TRUE(shown(rig, "ErrorPic"));
    EXPECT_EQ(toolTip(rig, "ErrorPic"), "Error 53: File not found, Form load");
    EXPECT_NE(rig.folder.read("Vexa.log").find("Error 53: File not found, Form load."),
              std::string::npos);
    EXPECT_EQ(caption(rig, "Rolls"), "60");
    EXPECT_EQ(caption(rig, "btn_Ones"), "  Ones");

    rig.click("ErrorPic");
    ASSERT_EQ(rig.shell.opened.size(), 1U);
    EXPECT_EQ(rig.shell.opened[0], rig.folder.file("Vexa.log"));
}

TEST(MainViewTest, ABrokenPictureFileIsAnInvalidPicture) {
    MainRig rig({{"picture", "broken.gif"}});
    rig.folder.write("broken.gif", "not a picture at all");
    rig.start();
    EXPECT_EQ(toolTip(rig, "ErrorPic"), "Error 481: Invalid picture, Form load");
    EXPECT_EQ(caption(rig, "Rolls"), "60");
}

TEST(MainViewTest, AnErrorInAHandlerIsLoggedAndMarkedNotACrash) {
    MainRig rig;
    rig.start();
    rig.windowShell.openSettings = [] { throw std::runtime_error("settings went missing"); };
    rig.click("lblSett");
    ASSERT_TRUE(shown(rig, "ErrorPic"));
    EXPECT_EQ(toolTip(rig, "ErrorPic"), "Error: settings went missing, lblSett click");
    EXPECT_NE(rig.folder.read("Vexa.log").find("settings went missing, lblSett click."),
              std::string::npos);
    // The game goes on.
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    EXPECT_EQ(caption(rig, "Rolls"), "59");
}

TEST(MainViewTest, HelpTextsOffEmptiesEveryToolTip) {
    MainRig rig({{"ShowHelpText", "yes"}});
    rig.start();
    for (const char* name : {"Minimera", "Avsluta", "Homepage", "lb_User", "SoundPic", "Titellist",
                             "Rolls", "Mrolls", "lblHelp", "Topp01", "Topp10"}) {
        EXPECT_EQ(toolTip(rig, name), "") << name;
    }
}

TEST(MainViewTest, MinimiseBoxMinimisesTheWindow) {
    MainRig rig;
    rig.start();
    rig.click("Minimera");
    EXPECT_TRUE(rig.windowShell.frame.minimized);
    EXPECT_TRUE(rig.view->isMinimized());
}

} // namespace
} // namespace brisvane::testing
