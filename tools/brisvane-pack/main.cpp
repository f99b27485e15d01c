// brisvane-pack: makes, lists and unpacks resource packages (Res.pac).
//
//   brisvane-pack create OUT.pac FILE...   packs the files under their own names
//   brisvane-pack list PACKAGE             one line per entry: its size in bytes, a blank, its name
//   brisvane-pack extract PACKAGE DIR [--buffer BYTES]
//                                          writes every entry into DIR (created when absent)
//
// Exit status: 0 done, 1 the work failed (message on stderr), 2 a bad command line.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"
#include "package/PackageFormat.h"
#include "package/PackageWriter.h"
#include "package/clsUnPackage.h"

using namespace brisvane;

namespace {

constexpr const char* Usage =
    "usage: brisvane-pack create OUT.pac FILE...\n"
    "       brisvane-pack list PACKAGE\n"
    "       brisvane-pack extract PACKAGE DIR [--buffer BYTES]\n"
    "\n"
    "create   packs the files, in the order given, under their own file names\n"
    "list     prints each entry's size in bytes and its name, one entry a line\n"
    "extract  writes every entry into DIR (created when absent); entries whose names are\n"
    "         not plain file names are left out and reported. --buffer sets the copy chunk,\n"
    "         1 to 32767 bytes (default 32767; the game unpacks with 2048)\n"
    "\n"
    "Exit status: 0 done, 1 the work failed, 2 a bad command line.\n";

// The largest chunk the reader takes: fewer system calls than the game's 2048.
constexpr const char* ExtractBuffer = "32767";

int usageError(const std::string& message) {
    std::fprintf(stderr, "brisvane-pack: %s\n", message.c_str());
    std::fputs(Usage, stderr);
    return 2;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "brisvane-pack: %s\n", message.c_str());
    return 1;
}

// Control characters in a damaged package's names would garble the terminal.
std::string printable(const std::string& name) {
    std::string out;
    for (const char32_t c : text::toCodePoints(name)) {
        out += c < 0x20 || (c >= 0x7F && c <= 0x9F) ? std::string("?") : text::fromCodePoint(c);
    }
    return out;
}

// Reads the package's directory, or explains why it cannot.
bool open(clsUnPackage& package, const std::string& path, std::string& error) {
    package.Package(path);
    if (package.Initialise()) {
        return true;
    }
    std::error_code code;
    if (!std::filesystem::exists(path, code)) {
        error = "cannot read " + path + ": " + std::strerror(ENOENT);
    } else if (!std::filesystem::is_regular_file(path, code)) {
        error = path + " is not a file";
    } else {
        error = path + " is not a resource package, or it is damaged";
    }
    return false;
}

int create(const std::vector<std::string>& args) {
    if (args.size() < 2) {
        return usageError("create needs the package to write and at least one file");
    }
    std::vector<package::SourceFile> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        files.push_back({package::entryNameOf(args[i]), args[i]});
    }
    try {
        package::writePackage(args[0], files);
    } catch (const package::PackageError& error) {
        return failure(error.what());
    }
    return 0;
}

int list(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return usageError("list needs exactly one package");
    }
    clsUnPackage package;
    std::string error;
    if (!open(package, args[0], error)) {
        return failure(error);
    }
    for (int i = 0; i < package.NumberOfFiles(); ++i) {
        std::printf("%lld %s\n", static_cast<long long>(package.GetFileSize(i)),
                    printable(package.GetFilename(i)).c_str());
    }
    return 0;
}

int extract(std::vector<std::string> args) {
    std::string buffer = ExtractBuffer;
    if (args.size() == 4 && args[2] == "--buffer") {
        buffer = args[3];
        clsUnPackage probe;
        probe.Buffer(buffer);
        if (buffer.empty() || buffer.size() > 5 ||
            buffer.find_first_not_of("0123456789") != std::string::npos ||
            probe.chunkSize() != std::stoi(buffer)) {
            return usageError("--buffer takes a number of bytes from 1 to 32767");
        }
        args.resize(2);
    }
    if (args.size() != 2) {
        return usageError("extract needs a package and a folder");
    }
    clsUnPackage package;
    std::string error;
    if (!open(package, args[0], error)) {
        return failure(error);
    }
    std::error_code code;
    std::filesystem::create_directories(args[1], code);
    if (code || !std::filesystem::is_directory(args[1], code)) {
        return failure("cannot create the folder " + args[1] +
                       (code ? ": " + code.message() : std::string()));
    }
    package.Destination(args[1]);
    package.Buffer(buffer);
    int status = 0;
    for (int i = 0; i < package.NumberOfFiles(); ++i) {
        const std::string name = package.GetFilename(i);
        if (!package::isSafeEntryName(name)) {
            status = failure("left out \"" + printable(name) + "\": not a plain file name");
        } else if (!package.ExtractFile(name)) {
            status = failure("cannot extract \"" + name + "\" into " + args[1]);
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return usageError("no command given");
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "create") {
        return create(args);
    }
    if (command == "list") {
        return list(args);
    }
    if (command == "extract") {
        return extract(args);
    }
    return usageError("unknown command '" + command + "'");
}
