#pragma once
// Where the program's modules are: beside the binary (a build or unpacked copy), or where an
// installed copy keeps them.

#include <QString>

namespace brisvane {

// `fileName` beside the binary or, where that has none, in the installed module folder.
// Needs the QApplication.
QString modulePath(const char* fileName);

} // namespace brisvane
