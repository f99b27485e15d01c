// No English left behind: every caption, tool tip and word a screen reader says on the game
// window, the settings pages, the menus, the boxes and the translation windows, in each shipped
// language, against what the same walk finds in English. What reads the same is listed, unless
// it is one of the exceptions below.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <map>

#include "MainRig.h"
#include "windows/MenuView.h"
#include "windows/QtDialogs.h"

namespace brisvane::testing {
namespace {

// Words and names that read as in English, in the languages listed ("" for all), with why.
struct SameWord {
    const char* languages;
    const char* words;
    const char* reason;
};
const SameWord SameWords[] = {
    {"", "Brisvane", "the game's name"},
    {"", "Yatzy", "the name of the game's family and of its last category"},
    {"", "Bonus", "the same word in every shipped language; the card's BONUS is a fixed text"},
    {"Danish Dutch Finnish French German Norwegian Swedish", "OK", "the same word"},
    {"Danish Dutch German Norwegian Swedish", "Info", "the same word"},
    {"Danish Norwegian Swedish", "Alarm", "the same word"},
    {"Danish French German", "Chance", "the category's name there"},
    {"Danish French Spanish", "Total", "the same word"},
    {"Dutch German", "Homepage", "the word players there use"},
    {"Dutch", "Help", "the same word"},
    {"Dutch", "open", "the same word"},
    {"French", "Message", "the same word"},
    {"French German", "minute", "the same word"},
    {"Spanish", "No", "the same word"},
    {"Norwegian", "Full straight", "the category's name there"},
};

// Controls whose text is English in every language, with why.
struct EnglishPlace {
    const char* window; // the start of the window's place
    const char* controls;
    const char* reason;
};
const EnglishPlace EnglishPlaces[] = {
    {"frmLanguage", "lblEnglish", "the English text the translator works from"},
    {"frmLanguage", "lblID", "the key of that text"},
    {"frmLanguage", "title Label1 Label2 Label3 bPrev bNext bSave Command1 lblWhich",
     "the translation windows' own texts are fixed: translating works from English"},
    {"frmSetLan",
     "title Option1 Option2 Option3 Option4 Label1 Label2 Label3 Text1 Text2 Text3 "
     "Command1 Command2",
     "the translation windows' own texts are fixed: translating works from English"},
    {"frmSettings all", "Label2", "the information sign"},
    {"Main", "ShowTime", "the date as the desktop writes it, month names of its own locale"},
};

using Walk = std::map<std::string, std::string>; // place -> text

// The text `widget` shows in `window`: the title of the window, the caption of a control.
QString shownText(QWidget* widget, QWidget* window) {
    if (widget == window) {
        return window->windowTitle();
    }
    if (auto* control = qobject_cast<ControlWidget*>(widget)) {
        return QString::fromStdString(control->shown().caption);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return {};
}

// What `window` shows and says: its title, and the caption, tool tip and accessible name,
// description and value of every visible widget.
void walkWindow(QWidget* window, const std::string& where, Walk& walk) {
    const auto add = [&walk, &where](const QString& place, const QString& text) {
        if (text.trimmed().isEmpty()) {
            return;
        }
        std::string key = where + "/" + place.toStdString();
        while (walk.contains(key)) {
            key += "'";
        }
        walk[key] = text.trimmed().toStdString();
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget != window && !widget->isVisibleTo(window)) {
            continue;
        }
        QString name = widget->objectName();
        if (widget == window) {
            name = QStringLiteral("title");
        } else if (name.isEmpty()) {
            name = QString::fromLatin1(widget->metaObject()->className());
        }
        add(name, shownText(widget, window));
        add(name + ".tip", widget->toolTip());
        if (QAccessibleInterface* said = QAccessible::queryAccessibleInterface(widget)) {
            add(name + ".name", said->text(QAccessible::Name));
            add(name + ".description", said->text(QAccessible::Description));
            add(name + ".value", said->text(QAccessible::Value));
        }
    }
}

void walkMenu(MenuView& menus, const char* objectName, Walk& walk) {
    QMenu* menu = menus.menu(QString::fromLatin1(objectName));
    ASSERT_NE(menu, nullptr) << objectName;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            walk[std::string(objectName) + "/" + action->objectName().toStdString()] =
                action->text().remove(QLatin1Char('&')).toStdString();
        }
    }
    menu->close();
}

// The buttons and title of each kind of box the game opens.
void walkBoxes(QtDialogs& dialogs, Walk& walk) {
    const auto read = [&walk](const char* kind) {
        whenBoxOpens([&walk, kind](QWidget* box) {
            walkWindow(box, std::string("box ") + kind, walk);
            qobject_cast<QDialog*>(box)->reject();
        });
    };
    read("question");
    dialogs.askYesNo("Brisvane", "?", DefaultButton::No);
    read("message");
    dialogs.message("Brisvane", "!", MessageKind::Information);
    read("input");
    dialogs.inputBox("", "Brisvane", "");
}

Walk walkLanguage(MainRig& rig, TranslationWindows& windows, QtDialogs& dialogs,
                  const std::string& language) {
    Walk walk;
    rig.useLanguageFile(language);
    rig.random.queueFaces({6, 6, 6, 6, 5, 5});
    rig.click("Roll"); // dice on the table, the card evaluated
    rig.click("Image1");
    visitWindows(rig, windows, [&walk](QWidget* window, const std::string& where) {
        walkWindow(window, where, walk);
    });
    rig.program.menuWindow().showWebMenu();
    walkMenu(*rig.view->menus(), "xx_webmenu", walk);
    rig.program.menuWindow().showToolsMenu(0, 0);
    walkMenu(*rig.view->menus(), "xx_meny", walk);
    walkBoxes(dialogs, walk);

    rig.click("NyttSpel");
    return walk;
}

bool listed(const char* list, const std::string& name) {
    return QString::fromLatin1(list).split(QLatin1Char(' ')).contains(QString::fromStdString(name));
}

bool excepted(const std::string& language, const std::string& place, const std::string& text) {
    const std::size_t slash = place.find('/');
    const std::string window = place.substr(0, slash);
    const std::string control =
        place.substr(slash + 1, place.find_first_of(".'", slash) - slash - 1);
    for (const EnglishPlace& p : EnglishPlaces) {
        if (window.starts_with(p.window) && listed(p.controls, control)) {
            return true;
        }
    }
    // What is left once the words that may stay are taken out must hold no letter.
    QString rest = QString::fromStdString(text);
    const std::string stem = language.substr(0, language.find('.'));
    for (const SameWord& w : SameWords) {
        if (*w.languages == '\0' || listed(w.languages, stem)) {
            rest.remove(QRegularExpression(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(w.words)),
                QRegularExpression::CaseInsensitiveOption));
        }
    }
    return std::ranges::none_of(rest, [](QChar c) { return c.isLetter(); });
}

TEST(EnglishLeftTest, NoEnglishIsLeftInAnyShippedLanguage) {
    MainRig rig({{"ShowHelpText", "Yes"}, {"WarnNewGame", "No"}});
    rig.view->loadAndShow();
    TranslationWindows windows(rig.program);
    QtDialogs dialogs;
    dialogs.setLanguage(&rig.program.language());

    const std::vector<std::string> languages = shippedLanguages();
    const Walk english = walkLanguage(rig, windows, dialogs, languages.front());
    ASSERT_GT(english.size(), 150u) << "the walk finds the windows' texts";
    std::vector<std::string> left;
    for (const std::string& language : languages) {
        if (language == languages.front()) {
            continue;
        }
        const Walk walk = walkLanguage(rig, windows, dialogs, language);
        for (const auto& [place, text] : walk) {
            const auto it = english.find(place);
            if (it != english.end() && it->second == text && !excepted(language, place, text)) {
                left.push_back(language + " " + place + ": " + text);
            }
        }
    }
    std::string listed;
    for (const std::string& line : left) {
        listed += "\n" + line;
    }
    EXPECT_TRUE(left.empty()) << left.size() << " still English:" << listed;
}

} // namespace
} // namespace brisvane::testing
