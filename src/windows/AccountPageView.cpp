#include "windows/AccountPageView.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "program/AccountPage.h"
#include "windows/Art.h"
#include "windows/EventGuard.h"
#include "windows/Twips.h"

namespace brisvane {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

void place(QWidget* widget, const Control& control) {
    widget->setGeometry(twips::toPixels(control));
    widget->setVisible(control.visible);
    widget->setEnabled(control.enabled);
    widget->setToolTip(text(control.toolTip));
}

} // namespace

AccountPageView::AccountPageView(AccountPage& page, EventGuard& guard, QWidget* parent)
    : QGroupBox(parent), page_(page), guard_(guard) {
    setObjectName(QStringLiteral("Frame2"));
    List3_ = new QListWidget(this);
    List3_->setObjectName(QStringLiteral("List3"));
    Command1_ = new QPushButton(this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command2_ = new QPushButton(this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    // The sign-up page is a link: drawn as one, reached by Tab and started by Space like a
    // button.
    Label1_ = new QPushButton(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setFlat(true);
    Label1_->setCursor(Art::cursor(Art::HandCursor, devicePixelRatioF()));
    Label1_->setStyleSheet(
        QStringLiteral("QPushButton { border: none; text-align: left; color: %1; }"
                       "QPushButton:hover, QPushButton:focus { text-decoration: underline; }")
            .arg(twips::toQColor(page_.Label1.foreColor).name()));
    lblEnter_ = new QLabel(this);
    lblEnter_->setObjectName(QStringLiteral("lblEnter"));
    lblEnter_->setWordWrap(true);
    txtUser_ = new QLineEdit(this);
    txtUser_->setObjectName(QStringLiteral("txtUser"));
    lblEnter_->setBuddy(txtUser_);
    txtPass_ = new QLineEdit(this);
    txtPass_->setObjectName(QStringLiteral("txtPass"));
    txtPass_->setEchoMode(QLineEdit::Password);
    butOK_ = new QPushButton(this);
    butOK_->setObjectName(QStringLiteral("butOK"));
    butOK_->setDefault(true);
    setTabOrder(List3_, Command1_);
    setTabOrder(Command1_, Command2_);
    setTabOrder(Command2_, Label1_);
    setTabOrder(txtUser_, txtPass_);
    setTabOrder(txtPass_, butOK_);

    connect(Command1_, &QPushButton::clicked, this,
            [this] { run("Command1 click", [this] { page_.Command1_Click(); }); });
    connect(Command2_, &QPushButton::clicked, this,
            [this] { run("Command2 click", [this] { page_.Command2_Click(); }); });
    connect(Label1_, &QPushButton::clicked, this,
            [this] { run("Label1 click", [this] { page_.Label1_Click(); }); });
    connect(butOK_, &QPushButton::clicked, this,
            [this] { run("butOK click", [this] { page_.butOK_Click(); }); });
    connect(txtUser_, &QLineEdit::returnPressed, butOK_, &QPushButton::click);
    connect(txtPass_, &QLineEdit::returnPressed, butOK_, &QPushButton::click);
    connect(txtUser_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { page_.txtUser.caption = typed.toStdString(); });
    connect(txtPass_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { page_.txtPass.caption = typed.toStdString(); });
    // A list box reports a click whenever its choice changes, by mouse or by keyboard.
    connect(List3_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (rendering_ || row < 0) {
            return;
        }
        run("List3 click", [this, row] {
            page_.List3Index = row;
            page_.List3_Click();
        });
    });

    page_.setChangeHandler([this] { render(); });
    render();
}

AccountPageView::~AccountPageView() {
    page_.setChangeHandler({});
}

template <typename Handler> void AccountPageView::run(const char* where, Handler handler) {
    guard_.run(where, handler);
    render();
}

void AccountPageView::render() {
    if (rendering_) {
        return;
    }
    rendering_ = true;
    setTitle(text(page_.Frame2.caption));
    setGeometry(twips::toPixels(page_.Frame2));
    setVisible(page_.Frame2.visible);

    QStringList items;
    for (const std::string& item : page_.List3Items) {
        items << text(item);
    }
    QStringList shown;
    for (int i = 0; i < List3_->count(); ++i) {
        shown << List3_->item(i)->text();
    }
    if (shown != items) {
        List3_->clear();
        List3_->addItems(items);
    }
    List3_->setCurrentRow(page_.List3Index);
    List3_->setAccessibleName(text(page_.List3.toolTip).trimmed());
    place(List3_, page_.List3);

    const std::pair<QPushButton*, const Control*> buttons[] = {{Command1_, &page_.Command1},
                                                               {Command2_, &page_.Command2},
                                                               {Label1_, &page_.Label1},
                                                               {butOK_, &page_.butOK}};
    for (const auto& [button, control] : buttons) {
        button->setText(text(control->caption));
        place(button, *control);
    }
    lblEnter_->setText(text(page_.lblEnter.caption));
    place(lblEnter_, page_.lblEnter);
    txtPass_->setAccessibleName(text(page_.lblEnter.caption));
    for (const auto& [edit, control] :
         {std::pair{txtUser_, &page_.txtUser}, std::pair{txtPass_, &page_.txtPass}}) {
        if (edit->text() != text(control->caption)) {
            edit->setText(text(control->caption));
        }
        place(edit, *control);
    }

    if (!page_.focus.empty()) {
        if (QWidget* target = findChild<QWidget*>(text(page_.focus))) {
            target->setFocus(Qt::OtherFocusReason);
        }
        page_.focus.clear();
    }
    rendering_ = false;
}

} // namespace brisvane
