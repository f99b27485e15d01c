// The game window as a screen reader meets it: every control in the accessibility tree with a
// name, a role, its states and a Press that plays the game; and the events that tell the
// reader what changed.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <set>

#include "MainRig.h"
#include "windows/AccessibleControl.h"
#include "windows/DotDisplay.h"

namespace brisvane::testing {
namespace {

QAccessibleInterface* root(const MainRig& rig) {
    return QAccessible::queryAccessibleInterface(rig.view.get());
}

// The first child of the window with this accessible name, as a script finds it.
QAccessibleInterface* byName(const MainRig& rig, const QString& name) {
    QAccessibleInterface* window = root(rig);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        if (child->text(QAccessible::Name) == name) {
            return child;
        }
    }
    return nullptr;
}

QAccessibleInterface* of(const MainRig& rig, const std::string& objectName) {
    return QAccessible::queryAccessibleInterface(&rig.widget(objectName));
}

void press(QAccessibleInterface* control) {
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->actionInterface(), nullptr);
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// What a player expects each control to be, by its name.
QAccessible::Role expectedRole(const std::string& name) {
    static const std::map<std::string, QAccessible::Role> roles = {
        {"Roll", QAccessible::Button},           {"Undo", QAccessible::Button},
        {"SoundPic", QAccessible::Button},       {"ErrorPic", QAccessible::Button},
        {"Avsluta", QAccessible::Button},        {"Minimera", QAccessible::Button},
        {"Command1", QAccessible::Button},       {"Command2", QAccessible::Button},
        {"Rolls", QAccessible::StaticText},      {"Mrolls", QAccessible::StaticText},
        {"scr_Tot", QAccessible::StaticText},    {"Bonus", QAccessible::StaticText},
        {"lbl_Roll", QAccessible::StaticText},   {"disp_Bonus", QAccessible::StaticText},
        {"disp_Total", QAccessible::StaticText}, {"Indik", QAccessible::Graphic},
        {"BackgrPic", QAccessible::Graphic},     {"Titellist", QAccessible::StaticText},
        {"Logo", QAccessible::ButtonMenu}};
    if (const auto it = roles.find(name); it != roles.end()) {
        return it->second;
    }
    if (name.starts_with("btn_") || name.starts_with("Image")) {
        return QAccessible::Button;
    }
    if (name.starts_with("scr_")) {
        return QAccessible::StaticText;
    }
    return QAccessible::Link; // the text links and the places of the top ten
}

void expectTreeShowsModels(MainRig& rig) {
    const AccessibleNames names(rig.game, rig.program.language());
    std::set<QObject*> walked;
    QAccessibleInterface* window = root(rig);
    for (int i = 0; i < window->childCount(); ++i) {
        walked.insert(window->child(i)->object());
    }
    for (const Control* c : rig.drawnControls()) {
        const std::string& name = c->objectName;
        ControlWidget& widget = rig.widget(name);
        ASSERT_TRUE(walked.contains(&widget)) << name << " is not in the tree";
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(&widget);
        const Spoken said = names.describe(*c);
        const QAccessible::State state = control->state();
        EXPECT_EQ(control->text(QAccessible::Name).toStdString(), said.name) << name;
        EXPECT_EQ(control->text(QAccessible::Value).toStdString(), said.value) << name;
        EXPECT_EQ(control->text(QAccessible::Description).toStdString(), said.description) << name;
        EXPECT_EQ(control->role(), expectedRole(name)) << name;
        EXPECT_EQ(state.invisible, !said.present) << name;
        EXPECT_EQ(state.disabled, !c->enabled) << name;
        EXPECT_EQ(state.checked, said.checked) << name;
        if (said.present) {
            EXPECT_FALSE(said.name.empty()) << name << " is there but has no name";
        }
        const QAccessible::Role role = expectedRole(name);
        const bool pressable = role == QAccessible::Button || role == QAccessible::Link ||
                               role == QAccessible::ButtonMenu;
        const QStringList actions = control->actionInterface()->actionNames();
        EXPECT_EQ(actions.contains(QAccessibleActionInterface::pressAction()),
                  pressable && c->enabled)
            << name;
        EXPECT_EQ(actions.contains(QAccessibleActionInterface::setFocusAction()),
                  pressable && c->enabled)
            << name;
        EXPECT_EQ(state.focusable, pressable) << name;
    }
}

TEST(AccessibilityTest, EveryControlIsInTheTreeNamedWithItsRoleStatesAndPress) {
    MainRig rig({{"ShowRedSquare", "Yes"}});
    rig.view->loadAndShow();
    QAccessibleInterface* window = root(rig);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Brisvane"));
    expectTreeShowsModels(rig);

    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(rig.view->dots());
    EXPECT_EQ(display->role(), QAccessible::StatusBar);
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("Welcome!"));
    EXPECT_EQ(display->textInterface()->text(0, -1), QStringLiteral("Welcome!"));

    // A Press runs after the event that asked for it, so a box it opens cannot stall the
    // asker; then it does what a click does.
    rig.random.queueFaces({6, 6, 6, 6, 5, 5});
    press(byName(rig, QStringLiteral("Roll")));
    EXPECT_EQ(rig.game.state().RollsLeft, 60) << "not yet";
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.state().RollsLeft, 59);
    EXPECT_TRUE(byName(rig, QStringLiteral("Die 5: five")) != nullptr);
    QAccessibleInterface* text1 =
        QAccessible::queryAccessibleInterface(rig.view->findChild<QWidget*>("Text1"));
    EXPECT_FALSE(text1->text(QAccessible::Name).isEmpty()) << "named once the window is drawn";
    expectTreeShowsModels(rig);

    // A die is picked up and put back by Press alone, though no click reaches it off the table.
    press(of(rig, "Image2"));
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.state().DiceHeld[1], 0);
    expectTreeShowsModels(rig); // its name and state say it is picked up
    press(of(rig, "Image2"));
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.state().DiceHeld[1], 1);
    EXPECT_TRUE(of(rig, "Roll")->state().disabled) << "six dice on the table: nothing to roll";

    press(byName(rig, QStringLiteral("Tower")));
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.state().Score[17], 34);
    EXPECT_EQ(of(rig, "scr_18")->valueInterface()->currentValue().toDouble(), 34.0);
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("Total: 34"));
    expectTreeShowsModels(rig);

    // A disabled control offers no Press, and one pressed just before it closed does nothing.
    QAccessibleInterface* tower = of(rig, "btn_Tower");
    EXPECT_TRUE(tower->actionInterface()->actionNames().isEmpty());
    QAccessibleInterface* undo = of(rig, "Undo");
    EXPECT_TRUE(undo->state().disabled);
    press(undo);
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.game.state().DiceHeld, (std::array<int, 6>{}));
}

// Records what the window tells assistive technology, while it listens.
class Listening {
public:
    struct Heard {
        QAccessible::Event type;
        QString object;
        QString said; // the name for a name change, the value for a value change
    };

    Listening() {
        heard().clear();
        previous_ = accessibility::setTap(&record);
    }
    ~Listening() {
        accessibility::setTap(previous_);
        heard().clear();
    }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

    static std::vector<Heard>& heard() {
        static std::vector<Heard> events;
        return events;
    }
    // The names or values `object` was said to have, in order.
    static std::vector<std::string> said(QAccessible::Event type, const QString& object) {
        std::vector<std::string> found;
        for (const Heard& h : heard()) {
            if (h.type == type && h.object == object) {
                found.push_back(h.said.toStdString());
            }
        }
        return found;
    }

private:
    static void record(QAccessibleEvent* event) {
        QString said;
        if (event->type() == QAccessible::NameChanged) {
            said = event->accessibleInterface()->text(QAccessible::Name);
        } else if (event->type() == QAccessible::ValueChanged) {
            said = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
        } else if (event->type() == QAccessible::StateChanged) {
            said = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked
                       ? QStringLiteral("checked")
                       : QString();
        }
        heard().push_back({event->type(), event->object()->objectName(), said});
    }

    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST(AccessibilityTest, ChangesThePlayerWouldHearRaiseTheirEventsOnce) {
    const Listening listening;
    MainRig rig;
    EXPECT_FALSE(accessibility::listening(*rig.view)) << "nobody hears a window not yet shown";
    rig.view->loadAndShow();
    ASSERT_TRUE(accessibility::listening(*rig.view));
    Listening::heard().clear();
    using E = QAccessible::Event;
    using Said = std::vector<std::string>;

    rig.random.queueFaces({6, 6, 6, 6, 5, 5});
    rig.click("Roll");
    EXPECT_EQ(Listening::said(E::NameChanged, "Image1"), Said{"Die 1: six"});
    EXPECT_EQ(Listening::said(E::NameChanged, "Rolls"), Said{"Rolls left: 59"});
    EXPECT_EQ(Listening::said(E::ValueChanged, "Rolls"), Said{"59"});
    EXPECT_EQ(Listening::said(E::NameChanged, "btn_Tower"), Said{})
        << "the evaluation changes its description, not its name";
    EXPECT_EQ(Listening::said(E::DescriptionChanged, "btn_Tower").size(), 1);

    Listening::heard().clear();
    press(of(rig, "Image2"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Listening::said(E::StateChanged, "Image2"), Said{"checked"});
    EXPECT_EQ(Listening::said(E::NameChanged, "Image2"), Said{"Die 2: six, picked up"});

    // The keyboard's focus on the score card is the reader's focus: it lands on the suggestion.
    Listening::heard().clear();
    rig.key(Qt::Key_Down);
    EXPECT_EQ(Listening::said(E::Focus, "btn_Tower").size(), 1U);
    EXPECT_TRUE(of(rig, "btn_Tower")->state().focused);

    // A placement: the score, the total and one message on the display.
    Listening::heard().clear();
    rig.key(Qt::Key_Return);
    EXPECT_FALSE(of(rig, "btn_Tower")->state().focused) << "filled: the focus leaves the card";
    EXPECT_EQ(Listening::said(E::NameChanged, "scr_18"), Said{"Tower: 34"});
    EXPECT_EQ(Listening::said(E::NameChanged, "scr_Tot"), Said{"Total: 34"});
    EXPECT_EQ(Listening::said(E::NameChanged, "Digit"), Said{"Total: 34"});

    // A caption the language changes is heard again.
    Listening::heard().clear();
    rig.game.btn[3].caption = "  Fyror";
    rig.game.notifyChanged();
    EXPECT_EQ(Listening::said(E::NameChanged, "btn_Fours"), Said{"Fyror"});
    EXPECT_EQ(Listening::said(E::NameChanged, "scr_04"), Said{"Fyror: open"});

    // A long message is announced whole, once, not page by page; the same message said again
    // is a new message.
    Listening::heard().clear();
    rig.program.display().Say("Twenty-seven characters ok!");
    rig.view->timer("Timer1")->fire();
    rig.view->timer("Timer1")->fire();
    rig.program.display().Say("Twenty-seven characters ok!");
    EXPECT_EQ(Listening::said(E::NameChanged, "Digit"),
              (Said{"Twenty-seven characters ok!", "Twenty-seven characters ok!"}));
    EXPECT_EQ(Listening::said(E::TextUpdated, "Digit").size(), 2);
}

} // namespace
} // namespace brisvane::testing
