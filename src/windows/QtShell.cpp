#include "windows/QtShell.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

namespace brisvane {

QUrl QtShell::toUrl(const std::string& target) {
    const QString text = QString::fromStdString(target).trimmed();
    // Two letters or more before the colon: "C:" or a bare path is not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) {
        return QUrl(text, QUrl::TolerantMode);
    }
    return QUrl::fromLocalFile(text);
}

bool QtShell::open(const std::string& target) {
    if (target.empty()) {
        return false;
    }
    const QUrl url = toUrl(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace brisvane
