#include "windows/TranslatorView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "program/TranslatorWindow.h"
#include "windows/TimerDriver.h"
#include "windows/Twips.h"

namespace brisvane {

namespace {
QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

TranslatorView::TranslatorView(TranslatorWindow& model, EventGuard& guard)
    : DarkDialog("frmLanguage", TranslatorWindow::Title, TranslatorWindow::Width,
                 TranslatorWindow::Height, guard),
      model_(model) {
    label(model_.Label1);
    lblSel_ = label(model_.lblSel);
    QFont bold = lblSel_->font();
    bold.setBold(true);
    lblSel_->setFont(bold);
    label(model_.Label2);
    lblID_ = label(model_.lblID);
    lblID_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblEnglish_ = label(model_.lblEnglish);
    lblEnglish_->setWordWrap(true);
    lblEnglish_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEnglish_->setFrameShape(QFrame::StyledPanel);
    lblEnglish_->setMargin(4);
    lblEnglish_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblEnglish_->setFocusPolicy(Qt::ClickFocus);
    QLabel* label3 = label(model_.Label3);

    inLan_ = new QLineEdit(this);
    placed_.emplace_back(inLan_, &model_.inLan);
    label3->setBuddy(inLan_);
    connect(inLan_, &QLineEdit::textEdited, this, [this](const QString& text) {
        guarded("inLan change", [this, text] { model_.inLanChange(text.toStdString()); });
    });
    // Enter in the box moves on to the next key, so a translator's hands stay on the keys.
    connect(inLan_, &QLineEdit::returnPressed, this,
            [this] { guarded("bNext click", [this] { model_.clickNext(); }); });

    QPushButton* prev = button(model_.bPrev, "bPrev click", [this] { model_.clickPrev(); });
    combo_ = new QComboBox(this);
    placed_.emplace_back(combo_, &model_.Combo1);
    connect(combo_, &QComboBox::activated, this, [this](int index) {
        const QString text = combo_->itemText(index);
        guarded("Combo1 click", [this, text] { model_.Combo1Click(text.toStdString()); });
    });
    lblWhich_ = label(model_.lblWhich);
    QPushButton* next = button(model_.bNext, "bNext click", [this] { model_.clickNext(); });

    bar_ = new QProgressBar(this);
    placed_.emplace_back(bar_, &model_.lblBar);
    bar_->setRange(0, Translator::BarWidth);
    bar_->setTextVisible(false);
    lblPerc_ = label(model_.lblPerc);
    QPushButton* save = button(model_.bSave, "bSave click", [this] { model_.clickSave(); });
    QPushButton* cancel =
        button(model_.Command1, "Command1 click", [this] { model_.clickCommand1(); });

    setTabOrder(inLan_, next);
    setTabOrder(next, prev);
    setTabOrder(prev, combo_);
    setTabOrder(combo_, save);
    setTabOrder(save, cancel);

    timer1_ = new TimerDriver(
        model_.Timer1, [this] { guarded("Timer1 tick", [this] { model_.Timer1Tick(); }); }, this);
    timer2_ = new TimerDriver(
        model_.Timer2, [this] { guarded("Timer2 tick", [this] { model_.Timer2Tick(); }); }, this);

    focusRequestsSeen_ = model_.inLanFocusRequests;
    adoptDarkStyle();
    model_.setChangeHandler([this] { render(); });
    render();
}

TranslatorView::~TranslatorView() {
    model_.setChangeHandler({});
    // The game may end while the window is open: the last keystrokes are kept all the same.
    guarded("Timer2 tick", [this] { model_.flushPendingWrite(); });
}

QLabel* TranslatorView::label(const Control& control) {
    auto* widget = new QLabel(this);
    placed_.emplace_back(widget, &control);
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

QPushButton* TranslatorView::button(const Control& control, const char* where,
                                    std::function<void()> click) {
    auto* widget = new QPushButton(this);
    placed_.emplace_back(widget, &control);
    widget->setAutoDefault(false);
    connect(widget, &QPushButton::clicked, this,
            [this, where, click = std::move(click)] { guarded(where, click); });
    return widget;
}

void TranslatorView::render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    for (const auto& [widget, control] : placed_) {
        place(widget, *control);
        if (auto* text = qobject_cast<QLabel*>(widget)) {
            text->setText(q(control->caption));
            colourText(text, control->foreColor);
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            push->setText(q(control->caption));
        }
    }
    // The bar's full width stands for the whole; the model's bar width is the part done.
    bar_->setGeometry(twips::toPixels(model_.lblBar.left), twips::toPixels(model_.lblBar.top),
                      twips::toPixels(Translator::BarWidth), twips::toPixels(model_.lblBar.height));
    bar_->setValue(model_.lblBar.width);
    bar_->setAccessibleDescription(q(model_.lblPerc.caption));
    // Named on every showing: the window outlives a change of language.
    inLan_->setAccessibleName(q(model_.texts().T("s146")));
    combo_->setAccessibleName(q(model_.texts().T("s147")));
    bar_->setAccessibleName(q(model_.texts().T("s148")));

    // Text set by the model only when it differs, so typing keeps its cursor.
    if (inLan_->text() != q(model_.inLan.caption)) {
        inLan_->setText(q(model_.inLan.caption));
    }
    QStringList items;
    for (const std::string& item : model_.Combo1Items) {
        items << q(item);
    }
    if (combo_->count() != items.size() ||
        (!items.isEmpty() && combo_->itemText(combo_->count() - 1) != items.back())) {
        combo_->clear();
        combo_->addItems(items);
    }
    combo_->setCurrentIndex(combo_->findText(q(model_.Combo1.caption)));

    timer1_->sync();
    timer2_->sync();
    if (model_.visible && !isVisible()) {
        show();
        activateWindow();
    } else if (!model_.visible && isVisible()) {
        hide();
    }
    if (model_.inLanFocusRequests != focusRequestsSeen_) {
        focusRequestsSeen_ = model_.inLanFocusRequests;
        if (inLan_->isEnabled()) {
            inLan_->setFocus(Qt::OtherFocusReason);
        }
    }
    rendering_ = false;
}

void TranslatorView::reject() {
    guarded("Command1 click", [this] { model_.clickCommand1(); });
}

void TranslatorView::closeEvent(QCloseEvent* event) {
    // The window's close box cancels, as the cancel button does.
    if (model_.visible) {
        guarded("Command1 click", [this] { model_.clickCommand1(); });
    }
    event->accept();
}

} // namespace brisvane
