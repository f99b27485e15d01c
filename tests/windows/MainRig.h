#pragma once
// The game window put together for widget tests: the program rig with the real Qt view on top
// (offscreen).

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include "support/ProgramRig.h"
#include "support/ShippedLanguages.h"
#include "windows/MainView.h"
#include "windows/LanguageCreationView.h"
#include "windows/SettingsView.h"
#include "windows/TimerDriver.h"
#include "windows/TranslationWindows.h"
#include "windows/TranslatorView.h"

namespace brisvane::testing {

// WCAG relative luminance and contrast ratio of opaque colours, worked out here rather than by
// the windows' own code, which they check.
inline double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

inline double contrast(const QColor& a, const QColor& b) {
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

// The widget of `window` named `name`, which must be a W.
template <typename W> W& child(QWidget* window, const char* name) {
    W* found = window->findChild<W*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no widget named ") + name);
    }
    return *found;
}

// Runs `act` on the modal box as soon as it is open, from inside its own event loop.
template <typename Act> void whenBoxOpens(Act act) {
    QTimer::singleShot(0, [act] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        act(box);
    });
}

class MainRig : public ProgramRig {
public:
    explicit MainRig(std::initializer_list<std::pair<std::string, std::string>> options = {})
        : ProgramRig(options), game(program.game()), windowShell(program.mainShell()) {
        windowShell.endProgram = [] {};
        view = std::make_unique<MainView>(
            MainModels{game, program.display(), program.topTen(), program.sounds(), windowShell,
                       program.alarmClock(), &program.menuWindow(), &program.submission(),
                       &program.advice()});
        settingsHost = new SettingsViewHost(program.settings(), view->guard(), view.get(),
                                            [this] { view->render(); });
    }

    // Makes the language file `file`, which the settings list, the one in use and applies it.
    void useLanguageFile(const std::string& file) {
        const int count = std::stoi(ini("Language", "antal"));
        int index = 0;
        for (int i = 1; i <= count; ++i) {
            index = ini("Language", "l" + std::to_string(i) + "p") == file ? i : index;
        }
        ASSERT_NE(index, 0) << file << " is not in the settings' list of languages";
        setIni("Language", "selected", std::to_string(index));
        program.LanUpdate();
        view->render();
    }

    // Every named control the window draws, from its models (Text1 is a stock text box).
    std::vector<const Control*> drawnControls() {
        std::vector<const Control*> all;
        for (const Control* c : game.controls()) {
            if (c->objectName != "Text1") {
                all.push_back(c);
            }
        }
        std::ranges::copy(windowShell.controls(), std::back_inserter(all));
        for (int place = 1; place <= 10; ++place) {
            all.push_back(&program.topTen().Topp(place));
        }
        return all;
    }
    ControlWidget& widget(const std::string& name) const {
        ControlWidget* found = view->control(QString::fromStdString(name));
        if (found == nullptr) {
            throw std::runtime_error("no control named " + name);
        }
        return *found;
    }
    void click(const std::string& name) const { QTest::mouseClick(&widget(name), Qt::LeftButton); }
    void key(Qt::Key key) const { QTest::keyClick(view.get(), key); }
    // Presses `button` on the felt left of die 1, moves it over each of `dice`, releases it.
    void sweep(Qt::MouseButton button, std::initializer_list<int> dice) const {
        const int y = (shell::ZoneTop + shell::ZoneBottom) / 30;
        QPoint at(40, y);
        QTest::mousePress(view.get(), button, Qt::NoModifier, at);
        for (const int die : dice) {
            const shell::Zone& zone = shell::DieZones.at(static_cast<std::size_t>(die - 1));
            at = QPoint((zone.from + zone.to) / 30, y);
            QMouseEvent move(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)),
                             Qt::NoButton, button, Qt::NoModifier);
            QApplication::sendEvent(view.get(), &move);
        }
        QTest::mouseRelease(view.get(), button, Qt::NoModifier, at);
    }

    GameModel& game;
    MainShell& windowShell;
    std::unique_ptr<MainView> view;
    SettingsViewHost* settingsHost = nullptr; // owned by the view
};

// Shows in turn every window and page a player meets and hands each to `visit` with its place:
// the game window, the settings pages and the account entry, both pages of the creation window
// and the translator on the language in use.
inline void visitWindows(MainRig& rig, TranslationWindows& windows,
                         const std::function<void(QWidget*, const std::string&)>& visit) {
    visit(rig.view.get(), "Main");
    for (const char* page : {"all", "alarm", "user"}) {
        rig.program.openSettingsWindow(page);
        visit(rig.settingsHost->view(), std::string("frmSettings ") + page);
    }
    rig.program.settings().clickCommand1();
    visit(rig.settingsHost->view(), "account entry");
    rig.program.closeSettingsWindow();
    rig.program.openLanguageCreation();
    LanguageCreationWindow& creation = rig.program.languageCreation();
    visit(windows.creationView(), "frmSetLan");
    creation.selectOption(1);
    creation.clickCommand2();
    visit(windows.creationView(), "frmSetLan names");
    creation.clickCommand1();
    creation.selectOption(3);
    creation.clickCommand2();
    visit(windows.translatorView(), "frmLanguage");
    rig.program.translatorWindow().clickCommand1();
    creation.clickCommand1();
    rig.program.closeSettingsWindow();
}

} // namespace brisvane::testing
