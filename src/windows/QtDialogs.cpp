#include "windows/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace brisvane {

namespace {
QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

bool QtDialogs::askYesNo(const std::string& title, const std::string& question,
                         DefaultButton defaultButton) {
    QMessageBox box(QMessageBox::Question, q(title), q(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box without choosing counts as No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& preset) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent_, q(title), q(prompt), QLineEdit::Normal,
                                               q(preset), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return text.toStdString();
}

void QtDialogs::message(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok, parent_);
    box.exec();
}

QString QtDialogs::toNameFilter(const std::string& filter) {
    const QString text = q(filter).trimmed();
    if (text.isEmpty() || text.contains(QLatin1Char('('))) {
        return text;
    }
    return QStringLiteral("%1 (%1)").arg(text);
}

std::optional<std::string> QtDialogs::chooseFile(const std::string& title,
                                                 const std::string& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent_, q(title), QString(), toNameFilter(filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

} // namespace brisvane
