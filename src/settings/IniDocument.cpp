#include "settings/IniDocument.h"

#include "common/Text.h"

namespace brisvane {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isQuoted(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// One pair of double quotes around a value is not part of it (WarnExit="Yes" reads as Yes).
std::string unquoted(std::string value) {
    return isQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument doc;
    // A file that came with a byte-order mark (UTF-8 or UTF-16) is written back as UTF-8 with
    // one, so editors that rely on it still recognise the file.
    doc.byteOrderMark_ = bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark ||
                         bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF";
    const std::string decoded = text::decodeFile(bytes);
    std::string_view content = decoded;
    bool newlineSeen = false;
    while (!content.empty()) {
        const std::size_t lf = content.find('\n');
        std::string_view body = content.substr(0, lf);
        std::string end;
        if (lf != std::string_view::npos) {
            end = "\n";
            if (!body.empty() && body.back() == '\r') {
                body.remove_suffix(1);
                end = "\r\n";
            }
            if (!newlineSeen) {
                doc.newline_ = end;
                newlineSeen = true;
            }
            content.remove_prefix(lf + 1);
        } else {
            content = {};
        }
        doc.lines_.push_back(classify(std::string(body), std::move(end)));
    }
    doc.reindex();
    return doc;
}

IniDocument::Line IniDocument::classify(std::string raw, std::string end) {
    Line line;
    line.text = std::move(raw);
    line.end = std::move(end);
    const std::string trimmed = text::trim(line.text);
    if (trimmed.empty() || trimmed[0] == ';') {
        return line;
    }
    if (trimmed[0] == '[') {
        const std::size_t close = trimmed.find(']');
        line.kind = Kind::Section;
        line.name = text::trim(std::string_view(trimmed).substr(
            1, close == std::string::npos ? std::string::npos : close - 1));
        return line;
    }
    const std::size_t equals = line.text.find('=');
    if (equals == std::string::npos) {
        return line;
    }
    line.name = text::trim(std::string_view(line.text).substr(0, equals));
    if (line.name.empty()) {
        return line;
    }
    line.kind = Kind::Key;
    line.valueStart = equals + 1;
    while (line.valueStart < line.text.size() && isBlank(line.text[line.valueStart])) {
        ++line.valueStart;
    }
    line.value = unquoted(text::trim(std::string_view(line.text).substr(line.valueStart)));
    return line;
}

std::string IniDocument::indexKey(std::string_view section, std::string_view key) {
    // Names never hold a line break, so it separates the two parts unambiguously.
    return text::toUpper(section) + '\n' + text::toUpper(key);
}

void IniDocument::reindex() {
    keys_.clear();
    sections_.clear();
    // Only the first occurrence of a section is searched, as only it is ever written to.
    bool inFirstOccurrence = false;
    std::string section;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            section = text::toUpper(line.name);
            inFirstOccurrence = sections_.emplace(section, i).second;
        } else if (line.kind == Kind::Key && inFirstOccurrence) {
            keys_.emplace(section + '\n' + text::toUpper(line.name), i);
        }
    }
}

const std::string* IniDocument::find(std::string_view section, std::string_view key) const {
    // Names are trimmed as set() trims them, so the same names always find the same key.
    const auto it = keys_.find(indexKey(text::trimmed(section), text::trimmed(key)));
    return it == keys_.end() ? nullptr : &lines_[it->second].value;
}

void IniDocument::insertLine(std::size_t at, std::string raw) {
    if (at > 0 && lines_[at - 1].end.empty()) {
        lines_[at - 1].end = newline_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  classify(std::move(raw), newline_));
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    const std::string sectionName = text::trim(section);
    const std::string keyName = text::trim(key);
    if (sectionName.empty() || keyName.empty() || !text::isValidUtf8(sectionName) ||
        !text::isValidUtf8(keyName) || hasBreak(sectionName) || hasBreak(keyName) ||
        sectionName.find(']') != std::string::npos || keyName.find('=') != std::string::npos ||
        keyName.find_first_of(";[") == 0) {  // would read back as a comment or a section
        return false;
    }
    // A value that is not UTF-8 would make the whole file read back as Windows-1252 and garble
    // every other non-ASCII text in it; such bytes are taken as Windows-1252 here instead.
    std::string flat = text::isValidUtf8(value) ? std::string(value) : text::fromWindows1252(value);
    for (char& c : flat) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    // Reading drops one pair of quotes, so a value that is quoted itself gets a second pair.
    const std::string trimmed = text::trim(flat);
    const std::string stored = isQuoted(trimmed) ? "\"" + trimmed + "\"" : flat;

    if (const auto k = keys_.find(indexKey(sectionName, keyName)); k != keys_.end()) {
        Line& line = lines_[k->second];
        std::size_t keep = line.valueStart;
        // The blanks after "=" belong to the value when it brings its own; otherwise every
        // rewrite of a value with leading blanks would add them again.
        if (!stored.empty() && isBlank(stored.front())) {
            while (keep > 0 && isBlank(line.text[keep - 1])) {
                --keep;
            }
        }
        line.text = line.text.substr(0, keep) + stored;
        line.valueStart = keep;
        while (line.valueStart < line.text.size() && isBlank(line.text[line.valueStart])) {
            ++line.valueStart;
        }
        line.value = trimmed;
        return true;
    }
    const std::string keyLine = keyName + "=" + stored;
    if (const auto s = sections_.find(text::toUpper(sectionName)); s != sections_.end()) {
        std::size_t end = s->second + 1;
        while (end < lines_.size() && lines_[end].kind != Kind::Section) {
            ++end;
        }
        while (end > s->second + 1 && text::trim(lines_[end - 1].text).empty()) {
            --end;
        }
        insertLine(end, keyLine);
    } else {
        insertLine(lines_.size(), "[" + sectionName + "]");
        insertLine(lines_.size(), keyLine);
    }
    reindex();
    return true;
}

std::string IniDocument::serialise() const {
    std::string out;
    if (byteOrderMark_) {
        out += ByteOrderMark;
    }
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

}  // namespace brisvane
