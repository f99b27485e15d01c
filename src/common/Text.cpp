#include "common/Text.h"

#include <array>

namespace brisvane::text {
namespace {

// Decodes one code point at `pos`; returns its length in bytes, 0 when the bytes are invalid.
std::size_t decodeOne(std::string_view s, std::size_t pos, char32_t& out) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    std::size_t len = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1Fu;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0Fu;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    out = cp;
    return len;
}

// Byte offset of character `index`, or s.size() when there are fewer characters.
std::size_t offsetOf(std::string_view s, std::size_t index) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < index && pos < s.size(); ++n) {
        char32_t cp = 0;
        const std::size_t len = decodeOne(s, pos, cp);
        pos += len == 0 ? 1 : len;
    }
    return pos < s.size() ? pos : s.size();
}

char32_t upperOf(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - 32;
    }
    // Latin-1 small letters à..þ except ÷; ÿ has its capital outside Latin-1.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 32;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    return c;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t cp = 0;
        const std::size_t len = decodeOne(bytes, pos, cp);
        if (len == 0) {
            return false;
        }
        pos += len;
    }
    return true;
}

std::string fromWindows1252(std::string_view bytes) {
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes map to themselves.
    static constexpr std::array<char32_t, 32> High = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else if (b < 0xA0) {
            out += fromCodePoint(High[b - 0x80u]);
        } else {
            out += fromCodePoint(b);
        }
    }
    return out;
}

std::string decodeLine(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : fromWindows1252(bytes);
}

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    constexpr char32_t Replacement = 0xFFFD;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out += fromCodePoint(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        out += fromCodePoint(u >= 0xD800 && u <= 0xDFFF ? Replacement : u);
    }
    if (i < bytes.size()) {
        out += fromCodePoint(Replacement); // an odd byte at the end
    }
    return out;
}

std::string decodeFile(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    } else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        return fromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    }
    // Line by line: one line typed in an 8-bit editor must not garble the rest of the file.
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        out += decodeLine(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    return out;
}

std::size_t length(std::string_view s) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t cp = 0;
        const std::size_t len = decodeOne(s, pos, cp);
        pos += len == 0 ? 1 : len;
        ++count;
    }
    return count;
}

std::string left(std::string_view s, std::size_t count) {
    return std::string(s.substr(0, offsetOf(s, count)));
}

std::string mid(std::string_view s, std::size_t start, std::size_t count) {
    const std::size_t from = offsetOf(s, start);
    const std::string_view rest = s.substr(from);
    if (count == std::string_view::npos) {
        return std::string(rest);
    }
    return std::string(rest.substr(0, offsetOf(rest, count)));
}

std::string dropLast(std::string_view s) {
    const std::size_t n = length(s);
    return n == 0 ? std::string() : left(s, n - 1);
}

std::u32string toCodePoints(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t cp = 0;
        const std::size_t len = decodeOne(s, pos, cp);
        if (len == 0) {
            out.push_back(0xFFFD);
            ++pos;
        } else {
            out.push_back(cp);
            pos += len;
        }
    }
    return out;
}

std::string fromCodePoint(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

std::string toUpper(std::string_view s) {
    std::string out(s);
    // Names are nearly always plain ASCII (every settings and text key is): no decoding then.
    bool plain = true;
    for (char& c : out) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            plain = false;
            break;
        }
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    if (plain) {
        return out;
    }
    out.clear();
    for (const char32_t c : toCodePoints(s)) {
        out += fromCodePoint(upperOf(c));
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        bool plain = true;
        for (std::size_t i = 0; i < a.size() && plain; ++i) {
            const auto ca = static_cast<unsigned char>(a[i]);
            const auto cb = static_cast<unsigned char>(b[i]);
            if (ca >= 0x80 || cb >= 0x80) {
                plain = false;
            } else if (upperOf(ca) != upperOf(cb)) {
                return false;
            }
        }
        if (plain) {
            return true;
        }
    }
    return toUpper(a) == toUpper(b);
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && blank(s[begin])) {
        ++begin;
    }
    while (end > begin && blank(s[end - 1])) {
        --end;
    }
    return s.substr(begin, end - begin);
}

std::string trim(std::string_view s) {
    return std::string(trimmed(s));
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < values.size()) {
            filled += *(values.begin() + place);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

}  // namespace brisvane::text
