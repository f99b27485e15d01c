#include "windows/LanguageCreationView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "program/LanguageCreationWindow.h"

namespace brisvane {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The list in use shows in the colour of a text field, the other one as a dim button.
QColor listColour(std::uint32_t systemColour, const QPalette& palette) {
    return systemColour == LanguageCreationWindow::WindowColour
               ? palette.color(QPalette::Active, QPalette::Base)
               : palette.color(QPalette::Disabled, QPalette::Button);
}

} // namespace

LanguageCreationView::LanguageCreationView(LanguageCreationWindow& model, EventGuard& guard)
    : DarkDialog("frmSetLan", LanguageCreationWindow::Title, LanguageCreationWindow::Width,
                 LanguageCreationWindow::Height, guard),
      model_(model) {
    const Control* optionControls[] = {&model_.Option1, &model_.Option2, &model_.Option3,
                                       &model_.Option4};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(this);
        placed_.emplace_back(option, optionControls[i]);
        options_[i] = option;
        connect(option, &QRadioButton::clicked, this,
                [this, i] { guarded("Option click", [this, i] { model_.selectOption(i + 1); }); });
    }
    combo2_ = combo(model_.Combo2, "Combo2 click",
                    [this](const std::string& text) { model_.Combo2Click(text); });
    combo1_ = combo(model_.Combo1, "Combo1 click",
                    [this](const std::string& text) { model_.Combo1Click(text); });

    const Control* labels[] = {&model_.Label1, &model_.Label2, &model_.Label3};
    const Control* texts[] = {&model_.Text1, &model_.Text2, &model_.Text3};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(this);
        caption->setTextFormat(Qt::PlainText);
        placed_.emplace_back(caption, labels[i]);
        auto* field = new QLineEdit(this);
        placed_.emplace_back(field, texts[i]);
        fields_[i] = field;
        caption->setBuddy(field);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            guarded("Text change", [this, i, text] { model_.setText(i + 1, text.toStdString()); });
        });
    }

    auto* next = new QPushButton(this);
    placed_.emplace_back(next, &model_.Command2);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this,
            [this] { guarded("Command2 click", [this] { model_.clickCommand2(); }); });
    auto* cancel = new QPushButton(this);
    placed_.emplace_back(cancel, &model_.Command1);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this,
            [this] { guarded("Command1 click", [this] { model_.clickCommand1(); }); });

    setTabOrder(options_[0], options_[1]);
    setTabOrder(options_[1], combo2_);
    setTabOrder(combo2_, options_[2]);
    setTabOrder(options_[2], combo1_);
    setTabOrder(combo1_, options_[3]);
    setTabOrder(options_[3], fields_[0]);
    setTabOrder(fields_[0], fields_[1]);
    setTabOrder(fields_[1], fields_[2]);
    setTabOrder(fields_[2], next);
    setTabOrder(next, cancel);

    focusRequestsSeen_ = model_.focusRequests;
    adoptDarkStyle();
    model_.setChangeHandler([this] { render(); });
    render();
}

LanguageCreationView::~LanguageCreationView() {
    model_.setChangeHandler({});
}

QComboBox* LanguageCreationView::combo(const Control& control, const char* where,
                                       std::function<void(const std::string&)> pick) {
    auto* box = new QComboBox(this);
    placed_.emplace_back(box, &control);
    box->installEventFilter(this);
    connect(box, &QComboBox::activated, this,
            [this, box, where, pick = std::move(pick)](int index) {
                const std::string text = box->itemText(index).toStdString();
                guarded(where, [&pick, &text] { pick(text); });
            });
    return box;
}

bool LanguageCreationView::eventFilter(QObject* watched, QEvent* event) {
    // A click into a list chooses what the list is for (an arrow key in it picks an entry,
    // which does too); passing through it with Tab leaves the choice as it is.
    if (event->type() == QEvent::MouseButtonPress && !rendering_) {
        if (watched == combo1_) {
            guarded("Combo1 focus", [this] { model_.Combo1Focus(); });
        } else if (watched == combo2_) {
            guarded("Combo2 focus", [this] { model_.Combo2Focus(); });
        }
    }
    return DarkDialog::eventFilter(watched, event);
}

void LanguageCreationView::renderCombo(QComboBox* box, const Control& control,
                                       const std::vector<std::string>& items) {
    QStringList wanted;
    for (const std::string& item : items) {
        wanted << q(item);
    }
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) {
        shown << box->itemText(i);
    }
    if (shown != wanted) {
        box->clear();
        box->addItems(wanted);
    }
    // The model proposes its entry with a trailing blank; the list shows the entry itself.
    QString current = q(control.caption);
    while (current.endsWith(QLatin1Char(' '))) {
        current.chop(1);
    }
    box->setCurrentIndex(box->findText(current));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Button, listColour(control.fillColor, this->palette()));
    box->setPalette(palette);
}

void LanguageCreationView::render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    for (const auto& [widget, control] : placed_) {
        place(widget, *control);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(q(control->caption));
            colourText(label, control->foreColor);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(q(control->caption));
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (field->text() != q(control->caption)) {
                field->setText(q(control->caption));
            }
        }
    }
    for (int i = 0; i < 4; ++i) {
        options_[i]->setChecked(model_.choice == i + 1);
    }
    renderCombo(combo1_, model_.Combo1, model_.Combo1Items);
    renderCombo(combo2_, model_.Combo2, model_.Combo2Items);
    // Named on every showing: the window outlives a change of language.
    combo2_->setAccessibleName(q(model_.texts().T("s144")));
    combo1_->setAccessibleName(q(model_.texts().T("s145")));
    const Control* labels[] = {&model_.Label1, &model_.Label2, &model_.Label3};
    for (int i = 0; i < 3; ++i) {
        fields_[i]->setAccessibleName(q(labels[i]->caption));
    }

    if (model_.visible && !isVisible()) {
        show();
        activateWindow();
    } else if (!model_.visible && isVisible()) {
        hide();
    }
    if (model_.focusRequests != focusRequestsSeen_) {
        focusRequestsSeen_ = model_.focusRequests;
        if (QWidget* target = findChild<QWidget*>(q(model_.focusTarget))) {
            target->setFocus(Qt::OtherFocusReason);
            // A proposed text (the author) is selected, so typing replaces it.
            if (auto* field = qobject_cast<QLineEdit*>(target)) {
                field->selectAll();
            }
        }
    }
    rendering_ = false;
}

void LanguageCreationView::reject() {
    guarded("Command1 click", [this] { model_.clickCommand1(); });
}

void LanguageCreationView::closeEvent(QCloseEvent* event) {
    // The close box leaves the window as cancel does on the choice page.
    if (model_.visible) {
        guarded("Command1 click", [this] {
            if (model_.page == "tit") {
                model_.clickCommand1();
            }
            model_.clickCommand1();
        });
    }
    event->accept();
}

} // namespace brisvane
