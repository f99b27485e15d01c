#include "windows/ModulePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "InstallLayout.h"

namespace brisvane {

QString modulePath(const char* fileName) {
    const QDir binary(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(fileName);
    const QString beside = binary.filePath(name);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return QDir::cleanPath(binary.filePath(QStringLiteral(BRISVANE_MODULE_FROM_BIN "/") + name));
}

} // namespace brisvane
