// The game window as the player sees and uses it: the view shows the models and hands the
// clicks, sweeps, keys and timer ticks to them, up to a game's end; its own boxes; what happens
// when something fails.
#include <gtest/gtest.h>

#include <QImage>

#include "MainRig.h"
#include "game/GameFixture.h"
#include "support/ScriptedAdvice.h"
#include "windows/DotDisplay.h"
#include "windows/Twips.h"

namespace brisvane::testing {
namespace {

using Held = std::array<int, 6>; // 1 = the die lies on the table, 0 = picked up

// The dots of the display as a row of 0 and 1, from the view or from its model.
template <typename Dots> std::string pattern(const Dots& dots) {
    std::string lit;
    for (int i = 0; i < DotMatrix::DotCount; ++i) {
        lit += dots.dotLit(i) ? '1' : '0';
    }
    return lit;
}

// Every named control's widget shows what its model says, and the dot display its dots.
void expectShowsModel(MainRig& rig) {
    for (const Control* c : rig.drawnControls()) {
        const ControlWidget& w = rig.widget(c->objectName);
        const Control& s = w.shown();
        EXPECT_TRUE(s.caption == c->caption && s.foreColor == c->foreColor &&
                    s.fillColor == c->fillColor && s.bold == c->bold && s.picture == c->picture &&
                    w.toolTip().toStdString() == c->toolTip && w.isEnabled() == c->enabled &&
                    w.isVisibleTo(rig.view.get()) == c->visible)
            << c->objectName;
    }
    EXPECT_EQ(pattern(*rig.view->dots()), pattern(rig.program.display()));
}

TEST(MainViewTest, ShowsTheModelsFromTheStartAndAfterEveryClickAndTick) {
    MainRig rig;
    rig.view->loadAndShow();
    EXPECT_EQ(rig.view->size(), QSize(800, 600));
    expectShowsModel(rig);
    const std::pair<const char*, const char*> captions[] = {
        {"btn_OnePair", "  One pair"},   {"disp_Total", "  TOTAL"},  {"disp_Bonus", "  BONUS"},
        {"lblExit", "Exit the program"}, {"lbl_Roll", "Rolls left"}, {"lb_User", "No user"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(rig.widget(name).caption().toStdString(), caption) << name;
    }
    EXPECT_EQ(rig.widget("Bonus").foreground(), QColor(255, 128, 128));

    rig.random.queueFaces({6, 6, 6, 6, 5, 5});
    rig.click("Roll");
    EXPECT_EQ(rig.game.state().RollsLeft, 59);
    rig.click("Image2");
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{1, 0, 1, 1, 1, 1}));
    rig.click("Undo");
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{1, 1, 1, 1, 1, 1}));
    rig.click("btn_Tower");
    EXPECT_EQ(rig.widget("scr_18").caption(), QStringLiteral("34"));
    rig.click("SoundPic");
    EXPECT_EQ(rig.ini("Options", "PlaySound"), "No");
    expectShowsModel(rig);

    rig.windowShell.windowMoved(0, 0); // a double click on the title strip centres again
    QTest::mouseDClick(&rig.widget("Titellist"), Qt::LeftButton);
    const shell::Placement centred = shell::centred(rig.screen.area, 12000, 9000);
    EXPECT_EQ(std::pair(rig.windowShell.frame.left, rig.windowShell.frame.top),
              std::pair(centred.left, centred.top));
    rig.click("Minimera");
    EXPECT_TRUE(rig.view->isMinimized());

    rig.program.display().Say("Twenty-seven characters ok!"); // three pages on the display
    TimerDriver* paging = rig.view->timer(QStringLiteral("Timer1"));
    ASSERT_TRUE(paging->isActive());
    const std::string firstPage = pattern(*rig.view->dots());
    paging->fire();
    EXPECT_NE(pattern(*rig.view->dots()), firstPage);
    EXPECT_EQ(pattern(*rig.view->dots()), pattern(rig.program.display()));
    // A new message while the pages turn gets a full interval for its first page.
    const unsigned starts = paging->starts();
    rig.program.display().Say("ANOTHER ONE LONGER THAN A PAGE");
    EXPECT_EQ(paging->starts(), starts + 1);
    paging->fire();
    paging->fire();
    EXPECT_FALSE(paging->isActive());
}

TEST(MainViewTest, SweepsAndKeysPickUpAndPutBackDice) {
    MainRig rig;
    rig.view->loadAndShow();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    rig.sweep(Qt::LeftButton, {1, 2, 3});
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{0, 0, 0, 1, 1, 1}));
    // X 2130, Y 3300 twips lies in the zones of dice 1 and 2: a click there puts both back.
    QTest::mouseClick(rig.view.get(), Qt::LeftButton, {}, QPoint(142, 220));
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{1, 1, 0, 1, 1, 1}));
    rig.sweep(Qt::RightButton, {3});
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{1, 1, 1, 1, 1, 1}));
    expectShowsModel(rig);

    rig.random.queueFaces({6});
    rig.dialogs.yesNoAnswers.push_back(true); // the shipped settings ask before a new game
    const std::tuple<Qt::Key, Held, int> steps[] = {
        {Qt::Key_4, {1, 1, 1, 0, 1, 1}, 59},         {Qt::Key_4, {1, 1, 1, 1, 1, 1}, 59},
        {Qt::Key_5, {1, 1, 1, 1, 0, 1}, 59},         {Qt::Key_6, {1, 1, 1, 1, 0, 0}, 59},
        {Qt::Key_Backspace, {1, 1, 1, 1, 1, 1}, 59}, {Qt::Key_1, {0, 1, 1, 1, 1, 1}, 59},
        {Qt::Key_Return, {1, 1, 1, 1, 1, 1}, 58},    {Qt::Key_Space, {1, 1, 1, 1, 1, 1}, 58},
        {Qt::Key_F2, {0, 0, 0, 0, 0, 0}, 60},        {Qt::Key_Space, {1, 1, 1, 1, 1, 1}, 59}};
    for (const auto& [key, held, rollsLeft] : steps) {
        rig.key(key);
        EXPECT_EQ(rig.game.state().DiceHeld, held) << key;
        EXPECT_EQ(rig.game.state().RollsLeft, rollsLeft) << key;
    }
    // Space held down: the desktop repeats the key, the dice are rolled once.
    rig.key(Qt::Key_1);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(rig.view.get(), &repeated);
    EXPECT_EQ(rig.game.state().RollsLeft, 59);
}

TEST(MainViewTest, ASweepStartsOnADieAndTheCardIsPlayedByKeys) {
    MainRig rig;
    rig.view->loadAndShow();
    rig.random.queueFaces({2, 2, 2, 5, 5, 6});
    rig.click("Roll");
    const auto middle = [&](int die) { return rig.widget("Image" + std::to_string(die)).geometry().center(); };
    QTest::mousePress(rig.view.get(), Qt::LeftButton, Qt::NoModifier, middle(1));
    for (const int die : {2, 3}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(middle(die)), rig.view->mapToGlobal(QPointF(middle(die))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rig.view.get(), &move);
    }
    QTest::mouseRelease(rig.view.get(), Qt::LeftButton, Qt::NoModifier, middle(3));
    EXPECT_EQ(rig.game.state().DiceHeld, (Held{0, 0, 0, 1, 1, 1}));
    rig.key(Qt::Key_Backspace);

    EXPECT_TRUE(rig.widget("Roll").toolTip().contains(QStringLiteral("Up and Down")))
        << "the keys are told";
    rig.key(Qt::Key_Down); // the card's focus enters at the suggestion, drawn as a ring
    const int focused = rig.windowShell.CardFocus;
    ASSERT_NE(focused, 0);
    EXPECT_EQ(focused, rig.game.state().SuggestedCategory);
    rig.key(Qt::Key_Down);
    EXPECT_GT(rig.windowShell.CardFocus, focused) << "Down goes down the card";
    rig.key(Qt::Key_Up);
    EXPECT_EQ(rig.windowShell.CardFocus, focused);
    rig.key(Qt::Key_Return);
    EXPECT_FALSE(rig.game.btn.at(static_cast<std::size_t>(focused - 1)).enabled);
    EXPECT_EQ(rig.windowShell.CardFocus, 0) << "filled: the focus leaves the card";
    rig.key(Qt::Key_S);
    EXPECT_EQ(rig.game.state().CategoriesLeft, 19) << "nothing suggested before the next roll";
    rig.random.queueFaces({6, 6, 6, 6, 6, 6});
    rig.key(Qt::Key_Space);
    rig.key(Qt::Key_S);
    EXPECT_EQ(rig.game.state().CategoriesLeft, 18) << "S fills the suggestion";
    expectShowsModel(rig);
}

TEST(MainViewTest, EveryCaptionReadsOnTheTableAndStaysInItsPlace) {
    MainRig rig;
    rig.profile.SetINIs(rig.program.IniFile(), {{"Highscore", "p1", "300"},
                                                {"Highscore", "n1", std::string(2000, 'W')},
                                                {"Highscore", "k1", "512345"}});
    rig.view->loadAndShow();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.click("Roll");
    rig.click("btn_Chance");
    rig.click("Roll");
    int checked = 0;
    for (ControlWidget* widget : rig.view->findChildren<ControlWidget*>()) {
        const bool inactiveButton =
            widget->kind() == ControlWidget::Kind::Button && !widget->isEnabled();
        if (!widget->isVisible() || widget->caption().trimmed().isEmpty() || inactiveButton) {
            continue; // switched-off buttons are exempt, as the contrast rule allows
        }
        ++checked;
        EXPECT_GE(contrast(widget->ink(), ControlWidget::lightestGround()), 4.5)
            << widget->objectName().toStdString();
        EXPECT_LE(widget->geometry().right(), rig.view->width()) << widget->objectName().toStdString();
    }
    EXPECT_GT(checked, 30);
    EXPECT_LE(rig.widget("Topp01").width(), twips::toPixels(rig.program.topTen().Topp(1).width))
        << "a long name is cut, not drawn over the next column";
}

// The end step runs on the window's own timer: the game is recorded, its place shows in the top
// ten on the table and the next game is laid out. (Whole games are the model's tests; the
// clicks, sweeps and keys that play them are the tests above.)
TEST(MainViewTest, TheEndStepRecordsTheGameAndLaysOutTheNext) {
    MainRig rig;
    rig.view->loadAndShow();
    rig.dialogs.inputAnswers = {std::string("Åsa")};
    playUntilTheEnd(rig.game);
    ASSERT_TRUE(rig.view->timer("TimerEnd")->isActive());
    EXPECT_FALSE(rig.widget("Roll").isEnabled());
    rig.view->timer("TimerEnd")->fire();
    EXPECT_FALSE(rig.view->timer("TimerEnd")->isActive());
    EXPECT_EQ(rig.ini("Session", "total"), "1");
    EXPECT_EQ(rig.widget("Rolls").caption(), QStringLiteral("60"));
    EXPECT_EQ(rig.widget("scr_Tot").caption(), QStringLiteral("0"));
    EXPECT_EQ(rig.widget("Topp01").caption().toStdString(),
              "1. " + rig.ini("Highscore", "p1") + " Åsa");
    EXPECT_TRUE(rig.widget("Topp01").shown().bold);
    EXPECT_TRUE(rig.widget("Roll").isEnabled());
}

TEST(MainViewTest, ExitAndCloseAskWithNoTheDefaultWhenWarnExitIsExactlyYes) {
    MainRig asking({{"WarnExit", "Yes"}});
    asking.view->loadAndShow();
    asking.view->close(); // closed from the desktop: the same as the close box
    asking.click("Avsluta");
    EXPECT_TRUE(asking.view->isVisible());
    EXPECT_FALSE(asking.windowShell.ended);
    asking.dialogs.yesNoAnswers.push_back(true);
    asking.click("lblExit");
    EXPECT_TRUE(asking.windowShell.ended);
    ASSERT_EQ(asking.dialogs.questions.size(), 3U);
    for (const FakeDialogs::Question& question : asking.dialogs.questions) {
        EXPECT_EQ(question.title + "|" + question.question,
                  "Brisvane|Do you want to exit Brisvane?");
        EXPECT_EQ(question.defaultButton, DefaultButton::No);
    }

    // Only an exact "Yes" counts.
    MainRig lowerCase({{"WarnExit", "yes"}});
    lowerCase.view->loadAndShow();
    lowerCase.click("lblExit");
    EXPECT_TRUE(lowerCase.dialogs.questions.empty());
    EXPECT_TRUE(lowerCase.windowShell.ended);
}

// A background picture that cannot load, and any error that escapes a handler, become a log
// line and the error marker, whose click opens the log; the game goes on.
TEST(MainViewTest, ErrorsAreLoggedAndMarkedNotACrash) {
    for (const auto& [file, error] : {std::pair{"felt.jpg", "Error: no settings, lblSett click"},
                                      {"gone.jpg", "Error 53: File not found, Form load"},
                                      {"broken.gif", "Error 481: Invalid picture, Form load"}}) {
        MainRig rig({{"picture", file}});
        QImage(40, 30, QImage::Format_RGB32)
            .save(QString::fromStdString(rig.folder.file("felt.jpg")));
        rig.folder.write("broken.gif", "not a picture at all");
        rig.view->loadAndShow();
        EXPECT_EQ(rig.widget("btn_Ones").caption(), QStringLiteral("  Ones")) << file;
        if (rig.widget("BackgrPic").isVisible()) {
            EXPECT_EQ(rig.widget("BackgrPic").geometry(), QRect(0, 0, 800, 1267));
            EXPECT_FALSE(rig.widget("ErrorPic").isVisible());
            rig.windowShell.openSettings = [] { throw std::runtime_error("no settings"); };
            rig.click("lblSett");
        }
        EXPECT_TRUE(rig.widget("ErrorPic").isVisible()) << file;
        EXPECT_EQ(rig.widget("ErrorPic").toolTip().toStdString(), error);
        EXPECT_EQ(rig.folder.read("Vexa.log"),
                  "2002-02-22 00:37:41  " + std::string(error) + ".\r\n");
        rig.click("ErrorPic");
        EXPECT_EQ(rig.shell.opened, std::vector<std::string>{fileAddress(rig.folder.file("Vexa.log"))});
        rig.click("Roll");
        EXPECT_EQ(rig.game.state().RollsLeft, 59) << file;
    }
}

// Advice by the key H: the caption on the felt, a ring around each die to roll again, the
// same said to a screen reader; H again takes it all away.
TEST(MainViewTest, TheKeyHShowsTheAdviceOnTheTableAndToAScreenReader) {
    MainRig rig;
    auto advice = std::make_unique<ScriptedAdvice>();
    advice->choices = {rollAgain({1, 0, 0, 0, 0, 0}, 501)};
    rig.program.advice().prepare = [&advice](const advisor::Progress&) {
        return std::move(advice);
    };
    rig.view->loadAndShow();
    rig.key(Qt::Key_H);
    EXPECT_EQ(rig.widget("lblAdvice").caption(), "Advice: getting ready 0 %");
    rig.worker.runAll();
    rig.view->timer(QStringLiteral("TimerAdvice"))->fire();
    rig.random.queueFaces({1, 2, 3, 4, 5, 6});
    rig.key(Qt::Key_Space);

    ControlWidget& label = rig.widget("lblAdvice");
    EXPECT_TRUE(label.isVisible());
    EXPECT_EQ(label.caption(), "Advice: roll again 1");
    EXPECT_EQ(label.spoken().name, "Advice: roll again 1");
    EXPECT_EQ(label.spoken().description, "Expected final score: 501.0");
    EXPECT_EQ(rig.widget("Image1").spoken().name, "Die 1: one, advised to roll again");
    EXPECT_EQ(rig.widget("Image2").spoken().name, "Die 2: two");

    // The ring lies on the felt just outside the die's body, left of its middle.
    const auto ringAt = [&rig](const std::string& die) {
        const QRect place = rig.widget(die).geometry();
        const double side = std::min(place.width(), place.height()) * 0.86 + 8;
        const QImage frame = rig.view->grab().toImage();
        const QColor c = frame.pixelColor(
            QPoint(static_cast<int>(place.center().x() - side / 2 + 0.5), place.center().y()));
        return c.red() > 200 && c.green() > 170 && c.blue() < 120;
    };
    EXPECT_TRUE(ringAt("Image1"));
    EXPECT_FALSE(ringAt("Image2"));

    rig.key(Qt::Key_H);
    EXPECT_FALSE(label.isVisible());
    EXPECT_FALSE(ringAt("Image1"));
    EXPECT_EQ(rig.widget("Image1").spoken().name, "Die 1: one");
}

} // namespace
} // namespace brisvane::testing
