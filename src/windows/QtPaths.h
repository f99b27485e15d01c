#pragma once
// Paths between the program, which keeps them as the system's bytes, and Qt, whose text cannot
// hold bytes that are not UTF-8 (a Latin-1 "café" in a folder name). The program makes its
// folder the current one when that folder's name is not UTF-8, so its files reach Qt by their
// names relative to it, and Qt's answers come back with the real bytes. Header-only: the sound
// module uses it too.

#include <unistd.h>

#include <QDir>
#include <QString>
#include <string>

namespace brisvane {

inline bool isUtf8Path(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())).toUtf8() ==
           QByteArray(path.data(), static_cast<qsizetype>(path.size()));
}

inline std::string currentFolderBytes() {
    std::string folder(4096, '\0');
    if (::getcwd(folder.data(), folder.size()) == nullptr) {
        return {};
    }
    folder.resize(folder.find('\0'));
    return folder;
}

inline QString toQtPath(const std::string& path) {
    if (!isUtf8Path(path)) {
        const std::string here = currentFolderBytes();
        if (!here.empty() && path.size() > here.size() + 1 &&
            path.compare(0, here.size(), here) == 0 && path[here.size()] == '/') {
            const std::string rest = path.substr(here.size() + 1);
            if (isUtf8Path(rest)) {
                return QStringLiteral("./") + QString::fromStdString(rest);
            }
        }
    }
    return QString::fromStdString(path);
}

inline std::string fromQtPath(const QString& path) {
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const std::string bytes = currentFolderBytes();
    if (!bytes.empty() && !isUtf8Path(bytes) && path.startsWith(here)) {
        return bytes + "/" + path.mid(here.size()).toStdString();
    }
    return path.toStdString();
}

} // namespace brisvane
