#include "windows/MainView.h"
#include "windows/QtPaths.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "display/AlarmClock.h"
#include "display/DotMatrix.h"
#include "display/SoundBoard.h"
#include "game/GameModel.h"
#include "program/AdvicePanel.h"
#include "scores/Submission.h"
#include "scores/TopTen.h"
#include "windows/Art.h"
#include "windows/ControlWidget.h"
#include "windows/DotDisplay.h"
#include "windows/MenuView.h"
#include "program/MainShell.h"
#include "program/MenuWindow.h"
#include "windows/TimerDriver.h"
#include "windows/Twips.h"

namespace brisvane {

namespace {

using Kind = ControlWidget::Kind;

MouseButton toModel(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::None;
    }
}

int toTwips(qreal pixels) {
    return qRound(pixels * twips::PerPixel);
}

// The table's colours.
const QColor Ground(0x16, 0x1e, 0x27);
const QColor GroundDeep(0x0c, 0x11, 0x17);

} // namespace

MainView::MainView(MainModels models)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_(models),
      names_(models.game, models.shell.texts()) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Brisvane"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(twips::toPixels(m_.shell.frame.width), twips::toPixels(m_.shell.frame.height));
    // The window draws in its own colours, the same whether it is active or not. With a
    // palette alike in both states (and no focus frame, see focusInEvent) Qt does not repaint
    // all of it whenever the window gains or loses the focus, as it did right after the
    // first frame.
    QPalette steady = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        steady.setBrush(QPalette::Inactive, colourRole,
                        steady.brush(QPalette::Active, colourRole));
    }
    setPalette(steady);

    guard_.setReporter([this](const std::string& where, const std::exception& error) {
        m_.shell.reportError(where, error);
        render();
    });

    buildWidgets();

    gameListener_ = m_.game.subscribe([this] { render(); });
    m_.dots.setChangeHandler([this] { render(); });
    m_.sound.setChangeHandler([this] { render(); });
    m_.shell.setChangeHandler([this] { render(); });
    if (!m_.shell.endProgram) {
        m_.shell.endProgram = [this] {
            hide();
            QCoreApplication::quit();
        };
    }
    m_.shell.loadBackground = [this](const std::string& path) { loadBackground(path); };

    render();
}

MainView::~MainView() {
    m_.game.unsubscribe(gameListener_);
    m_.dots.setChangeHandler({});
    m_.sound.setChangeHandler({});
    m_.shell.setChangeHandler({});
    m_.shell.loadBackground = {};
}

ControlWidget* MainView::bind(const Control& control, Kind kind) {
    auto* widget = new ControlWidget(kind, this);
    bindings_.push_back({widget, &control});
    widget->render(control);
    if (MainShell::hasHandCursor(control.objectName)) {
        handControls_.push_back(widget);
    }
    return widget;
}

template <typename Handler>
void MainView::onClick(ControlWidget* widget, const char* where, Handler handler) {
    connect(widget, &ControlWidget::clicked, this, [this, where, handler] {
        guard_.run(where, handler);
        render();
    });
}

void MainView::addTimer(const char* name, const ModelTimer& model, std::function<void()> tick) {
    auto* driver = new TimerDriver(
        model,
        [this, name, tick = std::move(tick)] {
            guard_.run(name, tick);
            render();
        },
        this);
    timers_[QString::fromLatin1(name)] = driver;
}

void MainView::buildWidgets() {
    GameModel& game = m_.game;
    MainShell& shell = m_.shell;

    // Back to front: the background picture lies under everything.
    background_ = bind(shell.BackgrPic, Kind::Image);
    dots_ = new DotDisplay(this);

    ControlWidget* strip = bind(shell.Titellist, Kind::Strip);
    wireTitleStrip(strip);
    onClick(bind(shell.Minimera, Kind::Minimise), "Minimera click",
            [&shell] { shell.clickMinimera(); });
    onClick(bind(shell.Avsluta, Kind::Close), "Avsluta click", [&shell] { shell.clickExit(); });
    ControlWidget* logo = bind(shell.Logo, Kind::Logo);
    connect(logo, &ControlWidget::pressed, this, [this](Qt::MouseButton, QPoint, QPoint global) {
        guard_.run("Logo click", [this, global] { m_.shell.clickLogo(global.x(), global.y()); });
        render();
    });
    onClick(bind(shell.ErrorPic, Kind::Picture), "ErrorPic click",
            [&shell] { shell.clickErrorPic(); });

    // Captions grow with their text up to the score card, never over it.
    const auto capTo = [](const Control& c, int rightTwips) {
        return twips::toPixels(rightTwips - c.left) - 4;
    };
    const int cardLeft = GameModel::ButtonLeft;
    // The links at the top stand above the score card: they may take the window's width.
    for (auto* link : {&shell.lb_User, &shell.Homepage, &shell.lblHelp}) {
        bind(*link, Kind::Link)->setAutoSize(true, capTo(*link, shell::WindowWidth - 120));
    }
    onClick(control(QStringLiteral("lb_User")), "lb_User click", [&shell] { shell.clickLbUser(); });
    onClick(control(QStringLiteral("Homepage")), "Homepage click",
            [&shell] { shell.clickHomepage(); });
    onClick(control(QStringLiteral("lblHelp")), "lblHelp click",
            [&shell] { shell.clickLblHelp(); });

    // The table: dice, the roll and its counters.
    for (int i = 1; i <= 6; ++i) {
        ControlWidget* die = bind(game.Image.at(static_cast<std::size_t>(i - 1)), Kind::Picture);
        // The table takes the presses on the dice, so a sweep may start on a die; the click
        // (a press and release without moving) picks it up there.
        die->setAttribute(Qt::WA_TransparentForMouseEvents);
        onClick(die, "Image click", [&game, i] { game.clickDie(i); });
    }
    ControlWidget* roll = bind(game.Roll, Kind::Button);
    roll->setAccent(true);
    roll->setFontPixelSize(13);
    onClick(roll, "Roll click", [&game] { game.clickRoll(); });
    onClick(bind(game.Undo, Kind::Button), "Undo click", [&game] { game.clickUndo(); });
    ControlWidget* rollsCaption = bind(shell.lbl_Roll, Kind::Label);
    rollsCaption->setFontPixelSize(11);
    // Right-aligned against the figure, with room for longer words than "Rolls left".
    rollsCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ControlWidget* rolls = bind(game.Rolls, Kind::Number);
    rolls->setFontPixelSize(15);
    ControlWidget* perCategory = bind(game.Mrolls, Kind::Number);
    perCategory->setFontPixelSize(12);
    if (AdvicePanel* advice = m_.advice) {
        bind(advice->lblAdvice, Kind::Label)->setFontPixelSize(12);
        addTimer("TimerAdvice", advice->TimerAdvice, [advice] { advice->tickTimerAdvice(); });
        names_.setAdvice(&advice->rollAgain);
    }

    // The score card.
    for (int k = 1; k <= CategoryCount; ++k) {
        const Control& row = game.btn.at(static_cast<std::size_t>(k - 1));
        ControlWidget* button = bind(row, Kind::Category);
        onClick(button, "Category click", [&game, k] { game.clickCategory(k); });
        categories_.push_back(button);
        ControlWidget* score = bind(game.scr.at(static_cast<std::size_t>(k - 1)), Kind::Number);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        score->setRowAnchor(&row); // the figure stands on its category's line
    }
    for (auto* sum : {&shell.disp_Bonus, &shell.disp_Total}) {
        ControlWidget* label = bind(*sum, Kind::Label);
        label->setFontPixelSize(11);
        label->setAutoSize(true, capTo(*sum, GameModel::ScoreLeft));
    }
    for (auto* sum : {&game.Bonus, &game.scr_Tot}) {
        bind(*sum, Kind::Number)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bind(game.Indik, Kind::Marker);

    // The top ten and the links below the table.
    for (int place = 1; place <= 10; ++place) {
        ControlWidget* label = bind(m_.topTen.Topp(place), Kind::Link);
        onClick(label, "Topp click", [this, place] { m_.topTen.ToppClick(place); });
    }
    ControlWidget* newGame = bind(game.NyttSpel, Kind::Link);
    newGame->setAutoSize(true, capTo(game.NyttSpel, cardLeft));
    onClick(newGame, "NyttSpel click", [&game] { game.clickNyttSpel(); });
    ControlWidget* settings = bind(shell.lblSett, Kind::Link);
    settings->setAutoSize(true, capTo(shell.lblSett, cardLeft));
    onClick(settings, "lblSett click", [&shell] { shell.clickLblSett(); });
    ControlWidget* exit = bind(shell.lblExit, Kind::Link);
    exit->setAutoSize(true, capTo(shell.lblExit, cardLeft));
    onClick(exit, "lblExit click", [&shell] { shell.clickExit(); });
    onClick(bind(shell.SoundPic, Kind::Picture), "SoundPic click",
            [&shell] { shell.clickSoundPic(); });
    ControlWidget* clock = bind(shell.ShowTime, Kind::Link);
    clock->setAutoSize(true, capTo(shell.ShowTime, shell::WindowWidth));
    clock->setFontPixelSize(11);
    onClick(clock, "ShowTime click", [&shell] { shell.clickShowTime(); });

    // The test controls, shown only when the settings ask for them.
    onClick(bind(game.Command1, Kind::Button), "Command1 click", [&game] { game.clickCommand1(); });
    onClick(bind(game.Command2, Kind::Button), "Command2 click", [&game] { game.clickCommand2(); });
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setPalette(QGuiApplication::palette()); // a desktop text box, in the desktop's colours
    connect(text1_, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_.game.Text1.caption = text.toStdString(); });

    addTimer("TimerPlay", game.TimerPlay, [&game] { game.tickTimerPlay(); });
    addTimer("TimerEnd", game.TimerEnd, [&game] { game.tickTimerEnd(); });
    addTimer("TimerIndik", game.TimerIndik, [&game] { game.tickTimerIndik(); });
    addTimer("Timer1", m_.dots.Timer1(), [this] { m_.dots.Timer1Tick(); });
    addTimer("SayTimer", m_.dots.SayTimer(), [this] { m_.dots.SayTimerTick(); });
    addTimer("Timer3", m_.clock.Timer3(), [this] { m_.clock.tick(); });

    if (Submission* send = m_.submission) {
        addTimer("TimerUser", send->TimerUser, [send] { send->TimerUser_Timer(); });
        addTimer("TimerSending", send->TimerSending, [send] { send->TimerSending_Timer(); });
    }
    if (m_.menus != nullptr) {
        menus_ = new MenuView(*m_.menus, guard_, this, [this] { render(); });
    }
    wireAccessibility();
}

// What assistive technology hears of each control comes from the game's meaning, and a Press
// does what the player's click or key does (see AccessibleControl).
void MainView::wireAccessibility() {
    for (const Binding& binding : bindings_) {
        binding.widget->setSpeech([this](const Control& c) { return names_.describe(c); });
    }
    // A picked-up die is off the table, where no click reaches it: a Press puts it back, as
    // its number key does.
    for (int i = 1; i <= 6; ++i) {
        control(QStringLiteral("Image%1").arg(i))->setPressHandler([this, i] {
            guard_.run("Image press", [this, i] { m_.shell.keyDie(i); });
            render();
        });
    }
    // The logo's menu opens where it was clicked; pressed without a pointer, on the logo.
    ControlWidget* logo = control(QStringLiteral("Logo"));
    logo->setPressHandler([this, logo] {
        const QPoint at = logo->mapToGlobal(logo->rect().center());
        guard_.run("Logo click", [this, at] { m_.shell.clickLogo(at.x(), at.y()); });
        render();
    });
}

void MainView::wireTitleStrip(ControlWidget* strip) {
    connect(
        strip, &ControlWidget::pressed, this, [this](Qt::MouseButton button, QPoint local, QPoint) {
            guard_.run("Titellist MouseDown", [&] {
                // The desktop moves the window itself where it can (and must, on
                // Wayland); elsewhere the strip's own drag moves it.
                if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
                    return;
                }
                m_.shell.titleMouseDown(toModel(button), toTwips(local.x()), toTwips(local.y()));
            });
        });
    connect(strip, &ControlWidget::moved, this,
            [this, strip](Qt::MouseButtons buttons, QPoint, QPoint global) {
                guard_.run("Titellist MouseMove", [&] {
                    // The pointer relative to the strip where the model has put the window,
                    // so the drag never lags behind the desktop's own moves.
                    const QPoint windowAt(twips::toPixels(m_.shell.frame.left),
                                          twips::toPixels(m_.shell.frame.top));
                    const QPoint local = global - windowAt - strip->pos();
                    m_.shell.titleMouseMove(buttons == Qt::LeftButton ? MouseButton::Left
                                                                      : MouseButton::None,
                                            toTwips(local.x()), toTwips(local.y()));
                });
            });
    connect(strip, &ControlWidget::released, this, [this](Qt::MouseButton button) {
        guard_.run("Titellist MouseUp", [&] { m_.shell.titleMouseUp(toModel(button)); });
    });
    connect(strip, &ControlWidget::doubleClicked, this,
            [this] { guard_.run("Titellist DblClick", [this] { m_.shell.titleDblClick(); }); });
}

void MainView::loadBackground(const std::string& path) {
    const QString file = toQtPath(path);
    if (!QFileInfo::exists(file)) {
        throw WindowError(WindowError::FileNotFound, "File not found");
    }
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw WindowError(WindowError::InvalidPicture, "Invalid picture");
    }
    background_->setImage(QPixmap::fromImage(image));
}

void MainView::loadAndShow() {
    guard_.run("Form load", [this] { m_.shell.Load(); });
    render();
    for (const Binding& binding : bindings_) {
        binding.widget->rememberSpoken();
    }
    show();
    raise();
    activateWindow();
    watchScreen(screen());
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* s) { watchScreen(s); });
}

void MainView::watchScreen(QScreen* screen) {
    if (watchedScreen_ != nullptr) {
        disconnect(watchedScreen_, nullptr, this, nullptr);
    }
    watchedScreen_ = screen;
    if (screen == nullptr) {
        return;
    }
    connect(screen, &QScreen::availableGeometryChanged, this, [this] {
        guard_.run("SysInfo1 DisplayChanged", [this] { m_.shell.displayChanged(); });
        render();
    });
}

ControlWidget* MainView::control(const QString& objectName) const {
    return findChild<ControlWidget*>(objectName, Qt::FindDirectChildrenOnly);
}

TimerDriver* MainView::timer(const QString& name) const {
    const auto it = timers_.find(name);
    return it == timers_.end() ? nullptr : it->second;
}

// The names of the controls that show no caption, in the language in use.
void MainView::renderAccessibleNames() {
    const Texts& texts = m_.shell.texts();
    const auto name = [&texts](const char* key) { return QString::fromStdString(texts.T(key)); };
    if (text1_->accessibleName() != name("s149")) {
        text1_->setAccessibleName(name("s149"));
        dots_->setAccessibleDescription(name("s117"));
    }
}

void MainView::render() {
    // A model may report a change while the view is already rendering one (a timer started
    // from a listener); the outer pass sees it.
    if (rendering_) {
        return;
    }
    rendering_ = true;
    for (const Binding& binding : bindings_) {
        binding.widget->render(*binding.control);
    }
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        categories_[i]->setFocusRing(static_cast<int>(i) + 1 == m_.shell.CardFocus);
    }
    renderHandCursors();
    renderAdviceMarks();
    const Control& text1 = m_.game.Text1;
    text1_->setGeometry(twips::toPixels(text1));
    text1_->setVisible(text1.visible);
    if (text1_->text().toStdString() != text1.caption) {
        text1_->setText(QString::fromStdString(text1.caption));
    }
    dots_->render(m_.dots);
    renderAccessibleNames();
    for (const auto& entry : timers_) {
        entry.second->sync();
    }
    renderFrame();
    rendering_ = false;
}

namespace {

// Where the advice ring of a die is drawn, around the die's body.
QRectF adviceRing(const Control& die) {
    const QRectF place = QRectF(twips::toPixels(die));
    const qreal side = std::min(place.width(), place.height()) * 0.86 + 8;
    return {place.center().x() - side / 2, place.center().y() - side / 2, side, side};
}

} // namespace

void MainView::renderAdviceMarks() {
    if (m_.advice == nullptr || m_.advice->rollAgain == marksShown_) {
        return;
    }
    for (std::size_t i = 0; i < 6; ++i) {
        if (m_.advice->rollAgain[i] != marksShown_[i]) {
            update(adviceRing(m_.game.Image[i]).adjusted(-6, -6, 6, 6).toAlignedRect());
        }
    }
    marksShown_ = m_.advice->rollAgain;
}

// The dice the advisor would roll again: a yellow ring with a soft glow around each.
void MainView::paintAdvice(QPainter& painter) {
    for (std::size_t i = 0; i < 6; ++i) {
        if (!marksShown_[i]) {
            continue;
        }
        const QRectF ring = adviceRing(m_.game.Image[i]);
        const qreal radius = ring.width() * 0.2;
        for (int halo = 3; halo >= 1; --halo) {
            painter.setPen(QPen(QColor(255, 230, 0, 26), 2.0 * halo + 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(ring, radius, radius);
        }
        painter.setPen(QPen(QColor(255, 230, 0), 2.2));
        painter.drawRoundedRect(ring, radius, radius);
    }
}

void MainView::renderHandCursors() {
    if (!decorated_) {
        return;
    }
    for (int place = 1; place <= 10; ++place) {
        const ToppLabel& label = m_.topTen.Topp(place);
        ControlWidget* widget = control(QString::fromStdString(label.objectName));
        if (widget != nullptr &&
            label.handCursor != (widget->cursor().shape() == Qt::BitmapCursor)) {
            if (label.handCursor) {
                widget->setCursor(Art::cursor(Art::HandCursor, devicePixelRatioF()));
            } else {
                widget->unsetCursor();
            }
        }
    }
}

// The window icon and the hand pointer are no part of the window's first frame, and drawing
// them (the icon in four sizes) takes about as long as the frame's own text: they follow it.
void MainView::decorate() {
    if (decorated_) {
        return;
    }
    decorated_ = true;
    setWindowIcon(Art::icon(Art::WindowIcon));
    for (ControlWidget* widget : handControls_) {
        widget->setCursor(Art::cursor(Art::HandCursor, devicePixelRatioF()));
    }
    renderHandCursors();
    // The sound back end takes a moment to come up: now, once the window is on the screen,
    // rather than on the first roll, whose sound would be late.
    QTimer::singleShot(0, this,
                       [this] { guard_.run("Sound warm-up", [this] { m_.sound.warmUp(); }); });
}

void MainView::renderFrame() {
    const MainShell::Frame& frame = m_.shell.frame;
    if (m_.shell.ended) {
        return;
    }
    const QPoint at(twips::toPixels(frame.left), twips::toPixels(frame.top));
    if (pos() != at) {
        move(at);
    }
    if (frame.minimized && isVisible() && !isMinimized()) {
        showMinimized();
    } else if (!frame.minimized && isMinimized()) {
        showNormal();
    }
}

// ---- Events of the window itself ----

void MainView::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    guard_.run("Form MouseDown", [&] {
        m_.shell.surfaceMouseDown(toModel(event->button()), toTwips(at.x()), toTwips(at.y()));
    });
    render();
}

void MainView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    guard_.run("Form MouseMove",
               [&] { m_.shell.surfaceMouseMove(toTwips(at.x()), toTwips(at.y())); });
    render();
}

void MainView::mouseReleaseEvent(QMouseEvent*) {
    guard_.run("Form MouseUp", [this] { m_.shell.surfaceMouseUp(); });
    render();
}

void MainView::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    MainShell& shell = m_.shell;
    const int key = event->key();
    bool handled = true;
    guard_.run("Form KeyDown", [&] {
        if (key == Qt::Key_Space) {
            shell.keyRoll();
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            shell.keyEnter();
        } else if (key == Qt::Key_Down || key == Qt::Key_Up) {
            shell.keyCardMove(key == Qt::Key_Down ? 1 : -1);
        } else if (key == Qt::Key_Escape) {
            shell.keyCardLeave();
        } else if (key == Qt::Key_S) {
            shell.keyFillSuggestion();
        } else if (key >= Qt::Key_1 && key <= Qt::Key_6) {
            shell.keyDie(key - Qt::Key_1 + 1);
        } else if (key == Qt::Key_Backspace) {
            shell.keyUndo();
        } else if (key == Qt::Key_F2) {
            shell.keyNewGame();
        } else if (key == Qt::Key_H && m_.advice != nullptr) {
            m_.advice->toggle();
        } else if (key == Qt::Key_T && m_.menus != nullptr) {
            m_.menus->choose("xx_statistics");
        } else {
            handled = false;
        }
    });
    render();
    if (!handled) {
        QWidget::keyPressEvent(event);
    }
}

void MainView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!rendering_ && !isMinimized()) {
        m_.shell.windowMoved(twips::fromPixels(pos().x()), twips::fromPixels(pos().y()));
    }
}

// The window shows no focus: unlike QWidget's own handlers, these repaint nothing.
void MainView::focusInEvent(QFocusEvent*) {}

void MainView::focusOutEvent(QFocusEvent*) {}

void MainView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        decorate(); // no frame is drawn, but the task bar shows the icon
    }
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        m_.shell.windowRestored();
    }
}

void MainView::closeEvent(QCloseEvent* event) {
    if (m_.shell.ended) {
        event->accept();
        return;
    }
    // Closed by the desktop (a keyboard shortcut, the task bar): the same as the close box.
    event->ignore();
    guard_.run("Form Unload", [this] { m_.shell.clickExit(); });
}

// ---- The table ----

void MainView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTable(painter);
    if (!decorationQueued_) {
        decorationQueued_ = true;
        QTimer::singleShot(0, this, [this] { decorate(); });
    }
}

void MainView::paintTable(QPainter& painter) {
    const QRectF all(rect());
    QLinearGradient ground(all.topLeft(), all.bottomLeft());
    ground.setColorAt(0, Ground);
    ground.setColorAt(1, GroundDeep);
    painter.fillRect(all, ground);

    // The title strip's band.
    painter.fillRect(QRectF(0, 0, all.width(), 22), QColor(0, 0, 0, 70));
    painter.fillRect(QRectF(0, 22, all.width(), 1), QColor(255, 255, 255, 14));

    // The felt the dice are thrown on, with a wooden rim.
    const QRectF rim(30, 138, 612, 200);
    QLinearGradient wood(rim.topLeft(), rim.bottomLeft());
    wood.setColorAt(0, QColor(0x7d, 0x4c, 0x27));
    wood.setColorAt(1, QColor(0x42, 0x25, 0x10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawRoundedRect(rim, 14, 14);
    const QRectF felt = rim.adjusted(7, 7, -7, -7);
    QRadialGradient cloth(felt.center() - QPointF(60, 20), felt.width() * 0.62);
    cloth.setColorAt(0, QColor(0x2f, 0x7a, 0x52));
    cloth.setColorAt(1, QColor(0x12, 0x42, 0x2c));
    painter.setBrush(cloth);
    painter.drawRoundedRect(felt, 9, 9);
    painter.setPen(QPen(QColor(0, 0, 0, 80), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(felt.adjusted(1, 1, -1, -1), 8, 8);

    // The score card: a column of rows, upper and lower parts apart.
    const QRectF card(640, 96, 150, 468);
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
    painter.setBrush(QColor(0x1f, 0x2b, 0x38, 235));
    painter.drawRoundedRect(card, 8, 8);
    painter.setPen(Qt::NoPen);
    for (int k = 1; k <= CategoryCount; k += 2) {
        const Control& row = m_.game.btn.at(static_cast<std::size_t>(k - 1));
        const QRect box = twips::toPixels(row);
        painter.setBrush(QColor(255, 255, 255, 9));
        painter.drawRect(QRectF(card.left() + 1, box.top(), card.width() - 2, box.height()));
    }
    const QRect pairs = twips::toPixels(m_.game.btn.at(6));
    painter.fillRect(QRectF(card.left() + 6, pairs.top() - 2, card.width() - 12, 1),
                     QColor(255, 230, 0, 90));
    const QRect bonus = twips::toPixels(m_.shell.disp_Bonus);
    painter.fillRect(QRectF(card.left() + 6, bonus.top() - 3, card.width() - 12, 1),
                     QColor(255, 230, 0, 90));

    // The places of the dice: a faint outline shows where a picked-up die goes back.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 38), 1.2, Qt::DashLine));
    for (const Control& die : m_.game.Image) {
        const QRectF place = QRectF(twips::toPixels(die));
        const qreal side = std::min(place.width(), place.height()) * 0.86;
        const QRectF body(place.center().x() - side / 2, place.center().y() - side / 2, side, side);
        painter.drawRoundedRect(body.adjusted(2, 2, -2, -2), side * 0.17, side * 0.17);
    }

    paintAdvice(painter);

    // The top ten under the table, a line for each place.
    const QRectF topTen(30, 350, 452, 176);
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    painter.setBrush(QColor(255, 255, 255, 8));
    painter.drawRoundedRect(topTen, 8, 8);
    for (int place = 1; place <= 10; ++place) {
        const QRect row = twips::toPixels(m_.topTen.Topp(place));
        painter.fillRect(QRectF(row.left(), row.bottom() + 2, 200, 1), QColor(255, 255, 255, 16));
    }

    // The glass of the message display.
    const QRectF glass = QRectF(twips::toPixels(DotDisplay::area())).adjusted(-4, -3, 4, 3);
    painter.setPen(QPen(QColor(255, 255, 255, 24), 1));
    painter.setBrush(QColor(0x05, 0x07, 0x0a));
    painter.drawRoundedRect(glass, 6, 6);
}

} // namespace brisvane
