#pragma once
// One INI-format text (the settings file or a language file), parsed line by line so that a
// rewrite changes only the line it must: comments, unknown lines, blank lines, key spelling and
// line endings all come back byte for byte. Pure text in, text out: no file access here.
//
// Accepted lines: "[section]" and "key=value" (blanks around the name and the value are
// ignored). Lines starting with ';' are comments ('#' is not special). Anything else is kept
// and ignored. Keys before the first section belong to no section and are never found.
// Section and key names match without regard to letter case, blanks around them aside; when a
// name occurs twice, the first occurrence is the one read and the one replaced. One pair of
// double quotes around a value is not part of it (WarnExit="Yes" reads as Yes); a value that
// is itself quoted is written with a second pair, so every value reads back as written.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brisvane {

class IniDocument {
public:
    IniDocument() = default;

    // `bytes` are a file's contents, decoded by text::decodeFile: line by line UTF-8 or, for a
    // line that is not valid UTF-8, Windows-1252; UTF-16 after its byte-order mark. A file with
    // a byte-order mark is written back as UTF-8 with one.
    static IniDocument parse(std::string_view bytes);

    // The value of `key` in `section`, whole; nullptr when the section or key is absent.
    const std::string* find(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place, or appends the key at the end of its
    // section (before the section's trailing blank lines), or appends the section at the end of
    // the text. Line breaks inside `value` become blanks, so a value can never add lines; a
    // value that is not valid UTF-8 is taken as Windows-1252.
    // Returns false (and changes nothing) for names that cannot be stored: an empty name, a
    // name that is not UTF-8, a line break in either name, a "]" in the section name, a "=" in
    // the key name or a key name that starts like a comment or a section.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, UTF-8. New lines take the line-ending of the first line break in the parsed
    // text, or LF when it had none.
    std::string serialise() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string text;  // without its line ending
        std::string end;   // "\r\n", "\n", or "" for a last line without one
        Kind kind = Kind::Other;
        std::string name;            // section or key name, trimmed (Section and Key)
        std::size_t valueStart = 0;  // byte offset of the value in `text` (Key)
        std::string value;           // trimmed value (Key)
    };

    static Line classify(std::string raw, std::string end);
    void insertLine(std::size_t at, std::string raw);
    void reindex();
    static std::string indexKey(std::string_view section, std::string_view key);

    std::vector<Line> lines_;
    std::string newline_ = "\n";
    bool byteOrderMark_ = false;
    // First Key line of each (section, key), both upper-cased; and first Section line of each.
    std::unordered_map<std::string, std::size_t> keys_;
    std::unordered_map<std::string, std::size_t> sections_;
};

}  // namespace brisvane
