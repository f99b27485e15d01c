#include "windows/SettingsView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "common/Text.h"
#include "program/SettingsWindow.h"
#include "windows/EventGuard.h"
#include "windows/DarkPalette.h"
#include "windows/DarkStyle.h"
#include "windows/Twips.h"

namespace brisvane {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The caption with a keyboard mnemonic on its first letter not yet taken in the window.
// Without `taken` (a control off the page) the caption gets none.
QString withMnemonic(const QString& caption, QString* taken) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (int i = 0; taken != nullptr && i < text.size(); ++i) {
        const QChar c = text.at(i).toLower();
        if (c.isLetterOrNumber() && !taken->contains(c)) {
            *taken += c;
            return text.left(i) + QLatin1Char('&') + text.mid(i);
        }
    }
    return text;
}

// The page icons: a bell (alarm, 69), a person (user, 70), a cog (all settings, 71).
void paintPageIcon(QPainter& p, int id, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(dark::Accent);
    if (id == 69) {
        QPainterPath bell;
        bell.moveTo(0.5 * s, 0.12 * s);
        bell.cubicTo(0.78 * s, 0.12 * s, 0.78 * s, 0.45 * s, 0.8 * s, 0.62 * s);
        bell.lineTo(0.9 * s, 0.76 * s);
        bell.lineTo(0.1 * s, 0.76 * s);
        bell.lineTo(0.2 * s, 0.62 * s);
        bell.cubicTo(0.22 * s, 0.45 * s, 0.22 * s, 0.12 * s, 0.5 * s, 0.12 * s);
        p.drawPath(bell);
        p.drawEllipse(QPointF(0.5 * s, 0.85 * s), 0.09 * s, 0.09 * s);
    } else if (id == 70) {
        p.drawEllipse(QPointF(0.5 * s, 0.32 * s), 0.2 * s, 0.2 * s);
        QPainterPath body;
        body.moveTo(0.12 * s, 0.92 * s);
        body.cubicTo(0.12 * s, 0.55 * s, 0.88 * s, 0.55 * s, 0.88 * s, 0.92 * s);
        body.closeSubpath();
        p.drawPath(body);
    } else {
        p.translate(0.5 * s, 0.5 * s);
        for (int tooth = 0; tooth < 8; ++tooth) {
            p.drawRoundedRect(QRectF(-0.09 * s, -0.46 * s, 0.18 * s, 0.2 * s), 0.03 * s, 0.03 * s);
            p.rotate(45);
        }
        QPainterPath ring;
        ring.addEllipse(QPointF(0, 0), 0.33 * s, 0.33 * s);
        ring.addEllipse(QPointF(0, 0), 0.13 * s, 0.13 * s);
        p.drawPath(ring);
    }
}

QIcon drawPageIcon(int id) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintPageIcon(painter, id, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Drawn once per page for the program's life: the window shows one of three.
QIcon pageIcon(int id) {
    static std::map<int, QIcon> drawn;
    auto it = drawn.find(id);
    if (it == drawn.end()) {
        it = drawn.emplace(id, drawPageIcon(id)).first;
    }
    return it->second;
}

} // namespace

SettingsView::SettingsView(SettingsWindow& model, EventGuard& guard, QWidget* parent)
    : QDialog(parent), m_(model), guard_(guard) {
    setObjectName(QStringLiteral("frmSettings"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setAutoFillBackground(false);
    // The same look on every desktop: the dark table of the game window.
    auto* style = new DarkStyle;
    style->setParent(this);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    // Switched-off buttons keep the dark ground under their dimmed text.
    QPalette palette = dark::palette();
    palette.setColor(QPalette::Disabled, QPalette::Window, dark::Ground);
    setPalette(palette);
    buildWidgets();
    setStyle(style);
    QPalette titles = palette;
    titles.setColor(QPalette::WindowText, dark::Accent);
    titles.setColor(QPalette::Disabled, QPalette::WindowText, dark::Dimmed);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setStyle(style);
        // A group's title in the accent colour; the controls in it keep their own colours.
        child->setPalette(qobject_cast<QGroupBox*>(child) != nullptr ? titles : palette);
    }
    render();
}

void SettingsView::bind(QWidget* widget, const Control& control, const Control* frame) {
    widget->setObjectName(q(control.objectName));
    bound_.push_back({widget, &control, frame});
    byName_[q(control.objectName)] = widget;
}

template <typename Handler> void SettingsView::run(const char* where, Handler handler) {
    if (rendering_) {
        return;
    }
    guard_.run(where, handler);
}

QGroupBox* SettingsView::group(Control& frame) {
    auto* box = new QGroupBox(this);
    bind(box, frame, nullptr);
    return box;
}

void SettingsView::addCheck(CheckBox& box, int n, QWidget* parent, const Control* frame) {
    auto* check = new QCheckBox(parent);
    bind(check, box, frame);
    connect(check, &QCheckBox::clicked, this, [this, n](bool checked) {
        run("Check click", [this, n, checked] { m_.clickCheck(n, checked); });
    });
}

QPushButton* SettingsView::addButton(Control& control, QWidget* parent, const Control* frame,
                                     std::function<void()> click) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    bind(button, control, frame);
    connect(button, &QPushButton::clicked, this,
            [this, click = std::move(click)] { run("Button click", click); });
    return button;
}

void SettingsView::buildWidgets() {
    SettingsWindow& m = m_;
    // Made in tab order: the left column, the right column, the accounts, then close.
    QGroupBox* frame1 = group(m.Frame1);
    list1_ = new QListWidget(frame1);
    bind(list1_, m.List1, &m.Frame1);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row >= static_cast<int>(m_.List1.items.size())) {
            return;
        }
        const std::string name = m_.List1.items[static_cast<std::size_t>(row)];
        run("List1 click", [this, name] { m_.clickList1(name); });
    });
    addButton(m.setTranslate, frame1, &m.Frame1, [this] { m_.clickSetTranslate(); });

    QGroupBox* frame3 = group(m.Frame3);
    addCheck(m.Check1, 1, frame3, &m.Frame3);

    QGroupBox* frame6 = group(m.Frame6);
    for (Control* info : {&m.lblInfo, &m.lblInfo2}) {
        auto* label = new QLabel(frame6);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bind(label, *info, &m.Frame6);
    }
    auto* badge = new QLabel(frame6);
    badge->setAlignment(Qt::AlignCenter);
    QFont italic = badge->font();
    italic.setItalic(true);
    italic.setBold(true);
    badge->setFont(italic);
    bind(badge, m.Label2, &m.Frame6);

    QGroupBox* frame5 = group(m.Frame5);
    addCheck(m.Check5, 5, frame5, &m.Frame5);
    addCheck(m.Check7, 7, frame5, &m.Frame5);
    addCheck(m.Check8, 8, frame5, &m.Frame5);
    addCheck(m.Check6, 6, frame5, &m.Frame5);

    QGroupBox* frame4 = group(m.Frame4);
    addCheck(m.Check2, 2, frame4, &m.Frame4);
    addCheck(m.Check4, 4, frame4, &m.Frame4);
    addCheck(m.Check3, 3, frame4, &m.Frame4);

    QGroupBox* frame7 = group(m.Frame7);
    addCheck(m.Check9, 9, frame7, &m.Frame7);
    combo1_ = new QComboBox(frame7);
    bind(combo1_, m.Combo1, &m.Frame7);
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        const std::string text = combo1_->itemText(index).toStdString();
        run("Combo1 click", [this, text] { m_.chooseCombo1(text); });
    });
    combo2_ = new QComboBox(frame7);
    bind(combo2_, m.Combo2, &m.Frame7);
    connect(combo2_, &QComboBox::activated, this, [this](int index) {
        const std::string text = combo2_->itemText(index).toStdString();
        run("Combo2 click", [this, text] { m_.chooseCombo2(text); });
    });
    text1_ = new QLineEdit(frame7);
    bind(text1_, m.Text1, &m.Frame7);
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        run("Text1 change", [this, text] { m_.changeText1(text.toStdString()); });
    });

    addButton(m.Command3, this, nullptr, [this] { m_.clickCommand3(); });

    QGroupBox* frame2 = group(m.Frame2);
    list3_ = new QListWidget(frame2);
    bind(list3_, m.List3, &m.Frame2);
    connect(list3_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            run("List3 click", [this, row] { m_.clickList3(row); });
        }
    });
    addButton(m.Command1, frame2, &m.Frame2, [this] { m_.clickCommand1(); });
    addButton(m.Command2, frame2, &m.Frame2, [this] { m_.clickCommand2(); });
    label1_ = new QLabel(frame2);
    label1_->setTextFormat(Qt::RichText);
    label1_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label1_->setFocusPolicy(Qt::StrongFocus);
    bind(label1_, m.Label1, &m.Frame2);
    connect(label1_, &QLabel::linkActivated, this,
            [this] { run("Label1 click", [this] { m_.clickLabel1(); }); });
    auto* enter = new QLabel(frame2);
    enter->setWordWrap(true); // the prompt is long in every language
    enter->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bind(enter, m.lblEnter, &m.Frame2);
    auto* user = new QLineEdit(frame2);
    user_ = user;
    bind(user, m.txtUser, &m.Frame2);
    connect(user, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_.txtUser.caption = text.toStdString(); });
    enter->setBuddy(user);
    auto* password = new QLineEdit(frame2);
    password->setEchoMode(QLineEdit::Password);
    password_ = password;
    bind(password, m.txtPass, &m.Frame2);
    connect(password, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_.txtPass.caption = text.toStdString(); });
    auto* plain = new QLabel(frame2);
    plain->setWordWrap(true);
    plain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bind(plain, m.lblPlain, &m.Frame2);
    ok_ = addButton(m.butOK, frame2, &m.Frame2, [this] { m_.clickButOK(); });
    close_ = addButton(m.Command4, this, nullptr, [this] { m_.clickCommand4(); });
}

QWidget* SettingsView::control(const QString& objectName) const {
    const auto it = byName_.find(objectName);
    return it == byName_.end() ? nullptr : it->second;
}

void SettingsView::render() {
    rendering_ = true;
    renderWindow();
    // The close button takes its mnemonic first: it is on every page.
    QString mnemonics;
    std::vector<const Bound*> order;
    order.reserve(bound_.size());
    for (const bool closeButton : {true, false}) {
        for (const Bound& bound : bound_) {
            if ((bound.control == &m_.Command4) == closeButton) {
                order.push_back(&bound);
            }
        }
    }
    for (const Bound* each : order) {
        const Bound& bound = *each;
        const Control& c = *bound.control;
        QWidget* widget = bound.widget;
        widget->setGeometry(twips::toPixels(c));
        widget->setEnabled(c.enabled);
        widget->setToolTip(q(c.toolTip));
        // Hidden controls take no mnemonic letter from the visible ones.
        const bool onPage = c.visible && (bound.frame == nullptr || bound.frame->visible);
        renderTexts(bound, onPage ? &mnemonics : nullptr);
        widget->setVisible(c.visible);
    }
    user_->setAccessibleName(q(m_.texts().T("s91")));
    password_->setAccessibleName(q(m_.texts().T("s92")));
    // Enter adds the account being typed; otherwise it closes the window.
    const bool entering = m_.accounts.entering();
    ok_->setDefault(entering);
    close_->setDefault(!entering);
    if (!m_.accounts.focus.empty()) {
        if (QWidget* target = control(q(m_.accounts.focus))) {
            target->setFocus(Qt::OtherFocusReason);
        }
        m_.accounts.focus.clear();
    }
    rendering_ = false;
}

void SettingsView::renderTexts(const Bound& bound, QString* mnemonics) {
    const Control& c = *bound.control;
    QWidget* widget = bound.widget;
    const QString caption = q(c.caption);
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(withMnemonic(caption, mnemonics));
        // A group without a title (a page of its own) is named by the window's title.
        box->setAccessibleName(caption.isEmpty() ? windowTitle() : caption);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setText(withMnemonic(caption, mnemonics));
        check->setChecked(static_cast<const CheckBox&>(c).checked);
        const QString group = bound.frame != nullptr ? q(bound.frame->caption) : QString();
        check->setAccessibleName(caption.isEmpty() ? (group.isEmpty() ? windowTitle() : group)
                                                   : caption);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(withMnemonic(caption, mnemonics));
    } else if (widget == list1_) {
        // The language in use is the list's text, with the blank its load step adds.
        QString current = caption;
        while (current.endsWith(QLatin1Char(' '))) {
            current.chop(1);
        }
        renderList(list1_, m_.List1, m_.List1.indexOf(current.toStdString()));
        list1_->setAccessibleName(q(m_.Frame1.caption));
    } else if (widget == list3_) {
        renderList(list3_, m_.List3, m_.List3.indexOf(c.caption));
        list3_->setAccessibleName(q(m_.Frame2.caption.empty() ? m_.Caption : m_.Frame2.caption));
    } else if (widget == combo1_ || widget == combo2_) {
        auto* combo = static_cast<QComboBox*>(widget);
        renderCombo(combo, static_cast<const ListControl&>(c));
        const Texts& texts = m_.texts();
        combo->setAccessibleName(q(text::fill(
            texts.T("s126"), {texts.T("s18"), texts.T(widget == combo1_ ? "s164" : "s165")})));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != caption) {
            edit->setText(caption);
        }
        if (widget == text1_) {
            edit->setAccessibleName(q(m_.Check9.caption.empty() ? m_.Frame7.caption
                                                                : m_.Check9.caption));
        }
    } else if (widget == label1_) {
        label1_->setText(QStringLiteral("<a href=\"signup\" style=\"color:#ffe600\">%1</a>")
                             .arg(caption.toHtmlEscaped()));
        label1_->setAccessibleName(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->buddy() != nullptr) {
            label->setText(withMnemonic(caption, mnemonics));
        } else {
            label->setText(caption);
        }
        label->setAccessibleName(c.toolTip.empty() ? caption : q(c.toolTip).trimmed());
    }
}

void SettingsView::renderList(QListWidget* list, const ListControl& model, int current) {
    QStringList items;
    for (const std::string& item : model.items) {
        items << q(item);
    }
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown << list->item(i)->text();
    }
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
    if (list->currentRow() != current) {
        list->setCurrentRow(current);
    }
}

void SettingsView::renderCombo(QComboBox* combo, const ListControl& model) {
    if (combo->count() != static_cast<int>(model.items.size())) {
        combo->clear();
        for (const std::string& item : model.items) {
            combo->addItem(q(item));
        }
    }
    // A time the list does not hold (a hand-edited "07") shows blank but is kept as it is.
    combo->setCurrentIndex(model.indexOf(model.caption));
}

void SettingsView::renderWindow() {
    setWindowTitle(q(m_.Caption));
    setFixedSize(twips::toPixels(m_.clientWidth()), twips::toPixels(m_.clientHeight()));
    if (shownIcon_ != m_.Icon) {
        shownIcon_ = m_.Icon;
        setWindowIcon(pageIcon(m_.Icon == 0 ? 71 : m_.Icon));
    }
}

void SettingsView::focusFirst() {
    // Each opening starts at the top of the page, as a window made afresh does.
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (widget->isVisibleTo(this) && widget->isEnabled() &&
            widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void SettingsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, dark::Ground);
    ground.setColorAt(1, dark::GroundDeep);
    painter.fillRect(rect(), ground);
}

void SettingsView::closeEvent(QCloseEvent* event) {
    // The title bar's close box or the desktop: the same as the close button. The host takes
    // the window away once the model has closed.
    event->ignore();
    guard_.run("Form Unload", [this] { m_.clickCommand4(); });
}

void SettingsView::reject() {
    // Escape leaves the account entry first, and only then the window.
    if (m_.accounts.entering()) {
        guard_.run("Escape", [this] { m_.cancelAccountEntry(); });
    } else {
        guard_.run("Escape", [this] { m_.clickCommand4(); });
    }
}

// ---- The host ----

SettingsViewHost::SettingsViewHost(SettingsWindow& model, EventGuard& guard, QWidget* owner,
                                   std::function<void()> changed)
    : QObject(owner), model_(model), guard_(guard), owner_(owner), changed_(std::move(changed)) {
    model_.setChangeHandler([this] { sync(); });
}

SettingsViewHost::~SettingsViewHost() {
    model_.setChangeHandler({});
    delete view_.data();
}

void SettingsViewHost::sync() {
    const bool open = model_.loaded && model_.shown;
    SettingsView* view = view_.data();
    if (open) {
        if (view == nullptr) {
            view = new SettingsView(model_, guard_, owner_);
            view_ = view;
        } else {
            view->render();
        }
        if (!view->isVisible()) {
            view->show();
            view->focusFirst();
            view->raise();
            view->activateWindow();
        }
    } else if (view != nullptr && view->isVisible()) {
        view->hide();
    }
    if (changed_) {
        changed_();
    }
}

} // namespace brisvane
