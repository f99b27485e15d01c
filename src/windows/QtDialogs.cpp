#include "windows/QtDialogs.h"
#include "windows/QtPaths.h"

#include "language/Language.h"

#include <QFileDialog>
#include <QPushButton>
#include <QInputDialog>
#include <QMessageBox>

namespace brisvane {

namespace {
QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The boxes of the game in the table's own colours rather than the desktop's light grey.
void styleLikeTheTable(QWidget& box) {
    QPalette palette = box.palette();
    const QColor ground(0x1b, 0x25, 0x30);
    const QColor ink(0xec, 0xef, 0xf2);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, ground);
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::Base, QColor(0x0f, 0x15, 0x1c));
        palette.setColor(group, QPalette::AlternateBase, QColor(0x16, 0x1e, 0x27));
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::Button, QColor(0x2a, 0x36, 0x44));
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Highlight, QColor(0xe0, 0xa0, 0x12));
        palette.setColor(group, QPalette::HighlightedText, QColor(0x1a, 0x12, 0x02));
        palette.setColor(group, QPalette::Light, QColor(0x3a, 0x48, 0x58));
        palette.setColor(group, QPalette::Mid, QColor(0x24, 0x30, 0x3c));
        palette.setColor(group, QPalette::Dark, QColor(0x0c, 0x11, 0x17));
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8a, 0x95, 0xa0));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8a, 0x95, 0xa0));
    box.setPalette(palette);
    box.setAutoFillBackground(true);
}
} // namespace

QString QtDialogs::text(const char* key, const QString& otherwise) const {
    const std::string found = language_ != nullptr ? language_->T(key) : std::string();
    return found.empty() ? otherwise : q(found);
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& question,
                         DefaultButton defaultButton) {
    QMessageBox box(QMessageBox::Question, q(title), q(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(text("s118", box.button(QMessageBox::Yes)->text()));
    box.button(QMessageBox::No)->setText(text("s119", box.button(QMessageBox::No)->text()));
    // Closing the box without choosing counts as No.
    box.setEscapeButton(QMessageBox::No);
    styleLikeTheTable(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& preset) {
    QInputDialog box(parent_);
    box.setWindowTitle(q(title));
    box.setLabelText(q(prompt));
    box.setTextValue(q(preset));
    box.setInputMode(QInputDialog::TextInput);
    box.setOkButtonText(text("s120", box.okButtonText()));
    box.setCancelButtonText(text("s121", box.cancelButtonText()));
    styleLikeTheTable(box);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue().toStdString();
}

void QtDialogs::message(const std::string& title, const std::string& text, MessageKind kind) {
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    q(title), q(text), QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setText(this->text("s120", box.button(QMessageBox::Ok)->text()));
    styleLikeTheTable(box);
    box.exec();
}

QStringList QtDialogs::toNameFilters(const std::string& filter) {
    const QString text = q(filter).trimmed();
    if (!text.contains(QLatin1Char('|'))) {
        if (text.isEmpty() || text.contains(QLatin1Char('('))) {
            return {text};
        }
        return {QStringLiteral("%1 (%1)").arg(text)};
    }
    const QStringList parts = text.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        // The dialog reads the patterns out of the last parenthesis, so a description that
        // shows its own (in the ";" form the dialog does not match) gets the real ones instead.
        const qsizetype open = name.lastIndexOf(QLatin1Char('('));
        if (open > 0) {
            name.truncate(open);
        }
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(name.trimmed(), patterns.trimmed()));
    }
    return filters;
}

std::optional<std::string> QtDialogs::chooseFile(const std::string& title,
                                                 const std::string& filter,
                                                 const std::string& folder) {
    // Qt's catalogue translates the dialog's views and menus; its captions are the game's own
    // words, also in a language the desktop has no catalogue for.
    catalogue_.use(language_ != nullptr ? language_->info("international") : std::string());
    QFileDialog dialog(parent_, q(title), toQtPath(folder));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(toNameFilters(filter));
    const std::pair<QFileDialog::DialogLabel, const char*> labels[] = {
        {QFileDialog::LookIn, "s122"},   {QFileDialog::FileName, "s123"},
        {QFileDialog::FileType, "s124"}, {QFileDialog::Accept, "s125"},
        {QFileDialog::Reject, "s121"}};
    for (const auto& [label, key] : labels) {
        dialog.setLabelText(label, text(key, dialog.labelText(label)));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fromQtPath(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtDialogs::chooseSaveFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& suggested) {
    const QString chosen = QFileDialog::getSaveFileName(
        parent_, q(title), q(suggested), toNameFilters(filter).join(QStringLiteral(";;")));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

} // namespace brisvane
