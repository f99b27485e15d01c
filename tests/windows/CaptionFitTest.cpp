// Every caption shows whole, in every language file the game ships: the game window, each page
// of the settings window (the account entry too) and the translation windows, measured with the
// fonts they draw in. The menus and the boxes size themselves to their texts.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>

#include "MainRig.h"
#include "windows/ControlWidget.h"

namespace brisvane::testing {
namespace {

// The text as drawn: a single "&" marks a mnemonic and is not shown.
QString drawn(const QString& caption) {
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

struct Need {
    QString text;
    int need = 0;
    int room = 0;
};

// What `widget` must show and how much room it has for it; need <= room when it fits.
std::vector<Need> needs(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap()) {
            return {{label->text(), label->heightForWidth(label->width()), label->height()}};
        }
        QSize need = label->sizeHint();
        if (!Qt::mightBeRichText(label->text())) {
            // Lines as drawn; a line feed at the end adds no line that shows.
            QString text = label->text();
            while (text.endsWith(QLatin1Char('\n'))) {
                text.chop(1);
            }
            const int margins = 2 * label->margin();
            need =
                metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text)
                    .size() +
                QSize(margins, margins);
        }
        return {{label->text(), need.width(), label->width()},
                {label->text(), need.height(), label->height()}};
    }
    if (qobject_cast<QCheckBox*>(widget) != nullptr ||
        qobject_cast<QRadioButton*>(widget) != nullptr) {
        auto* button = static_cast<QAbstractButton*>(widget);
        return {{button->text(), button->sizeHint().width(), button->width()}};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        const int margins = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const QString text = drawn(button->text());
        return {{text, metrics.horizontalAdvance(text) + margins, button->width()}};
    }
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        const QString text = drawn(box->title());
        return {{text, metrics.horizontalAdvance(text) + 16, box->width()}};
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        std::vector<Need> all;
        for (int i = 0; i < combo->count(); ++i) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.currentText = combo->itemText(i);
            option.frame = combo->hasFrame();
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
            all.push_back(
                {option.currentText, metrics.horizontalAdvance(option.currentText), field.width()});
        }
        return all;
    }
    if (auto* control = qobject_cast<ControlWidget*>(widget)) {
        using Kind = ControlWidget::Kind;
        const Kind kind = control->kind();
        if (kind != Kind::Label && kind != Kind::Link && kind != Kind::Number &&
            kind != Kind::Category && kind != Kind::Button) {
            return {};
        }
        QFont font = control->font();
        font.setBold(control->shown().bold || kind == Kind::Button);
        const QString text = drawn(QString::fromStdString(control->shown().caption));
        const int inset = kind == Kind::Category && !control->isEnabled() ? 8 : 0;
        return {{text, QFontMetrics(font).horizontalAdvance(text), control->width() - inset}};
    }
    return {};
}

// The visible captions of `window` that do not fit, one line each.
std::vector<std::string> cutCaptions(QWidget* window, const std::string& where) {
    std::vector<std::string> cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) {
            continue;
        }
        for (const Need& need : needs(widget)) {
            if (!need.text.isEmpty() && need.need > need.room) {
                cut.push_back(where + " " + widget->objectName().toStdString() + " \"" +
                              need.text.toStdString() + "\": " + std::to_string(need.need) + " > " +
                              std::to_string(need.room));
            }
        }
    }
    return cut;
}

TEST(CaptionFitTest, EveryCaptionShowsWholeInEveryShippedLanguage) {
    MainRig rig;
    rig.view->loadAndShow();
    const std::vector<std::string> languages = shippedLanguages();
    ASSERT_GE(languages.size(), 3u);
    rig.program.accounts().add("Åsa-Britt Öberg", "pw"); // a long name on the user label
    // An address without TLS: the account entry shows its note on the readable password.
    rig.setIni("Internet", "send", "http://plain.example/send");

    TranslationWindows windows(rig.program);
    std::vector<std::string> cut;
    for (const std::string& language : languages) {
        rig.useLanguageFile(language);
        visitWindows(rig, windows, [&](QWidget* window, const std::string& where) {
            const std::vector<std::string> found = cutCaptions(window, language + " " + where);
            cut.insert(cut.end(), found.begin(), found.end());
        });
    }
    EXPECT_TRUE(cut.empty()) << ::testing::PrintToString(cut);
}

} // namespace
} // namespace brisvane::testing
