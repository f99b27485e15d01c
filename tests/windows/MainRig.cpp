#include "MainRig.h"

#include <QApplication>
#include <filesystem>

#include "windows/TimerDriver.h"

namespace brisvane::testing {

namespace {

std::string seededIni(const TempFolder& folder,
                      std::initializer_list<std::pair<std::string, std::string>> settings) {
    for (const auto& entry : std::filesystem::directory_iterator(BRISVANE_SOURCE_DIR "/data")) {
        if (entry.is_regular_file()) {
            std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
        }
    }
    const std::string ini = folder.file("Vexa.ini");
    FileProfile seed;
    for (const auto& [key, value] : settings) {
        seed.SetINI("Options", key, value, ini);
    }
    return ini;
}

} // namespace

MainRig::MainRig(std::initializer_list<std::pair<std::string, std::string>> settings)
    : iniFile(seededIni(folder, settings)),
      program(ProgramFolder(folder.path()), profile,
              Platform{clock, random, speaker, shell, dialogs, screen, locale}),
      game(program.game()),
      dots(program.display()),
      windowShell(program.mainShell()) {
    windowShell.endProgram = [] {};
    view = std::make_unique<MainView>(
        MainModels{game, dots, program.topTen(), program.sounds(), windowShell});
}

MainRig::~MainRig() {
    view.reset();
}

void MainRig::start() {
    view->loadAndShow();
}

ControlWidget& MainRig::widget(const char* objectName) const {
    ControlWidget* found = view->control(QString::fromLatin1(objectName));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no control named ") + objectName);
    }
    return *found;
}

void MainRig::click(const char* objectName) const {
    QTest::mouseClick(&widget(objectName), Qt::LeftButton);
}

void MainRig::sweep(Qt::MouseButton button, std::initializer_list<QPoint> path) const {
    auto at = path.begin();
    QTest::mousePress(view.get(), button, Qt::NoModifier, *at);
    for (++at; at != path.end(); ++at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(*at), view->mapToGlobal(QPointF(*at)),
                         Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &move);
    }
    QTest::mouseRelease(view.get(), button, Qt::NoModifier, *std::prev(path.end()));
}

void MainRig::key(Qt::Key key) const {
    QTest::keyClick(view.get(), key);
}

void MainRig::tick(const char* timerName) const {
    view->timer(QString::fromLatin1(timerName))->fire();
}

bool MainRig::timerRunning(const char* timerName) const {
    return view->timer(QString::fromLatin1(timerName))->isActive();
}

QPoint MainRig::dieSpot(int die) {
    const shell::Zone& zone = shell::DieZones.at(static_cast<std::size_t>(die - 1));
    return {(zone.from + zone.to) / 2 / 15, (shell::ZoneTop + shell::ZoneBottom) / 2 / 15};
}

std::string MainRig::setting(const std::string& section, const std::string& key) {
    return profile.GetINI(section, key, iniFile);
}

} // namespace brisvane::testing
