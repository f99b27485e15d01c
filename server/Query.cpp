#include "server/Query.h"

#include <algorithm>

#include "common/Text.h"

namespace brisvane::server {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string asUtf8(std::string bytes) {
    return text::isValidUtf8(bytes) ? bytes : text::fromWindows1252(bytes);
}

bool isSubmissionField(std::string_view name) {
    return std::find(std::begin(SubmissionFieldNames), std::end(SubmissionFieldNames), name) !=
           std::end(SubmissionFieldNames);
}

} // namespace

std::string percentDecode(std::string_view text, bool plusIsBlank) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (c == '+' && plusIsBlank) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return asUtf8(std::move(out));
}

std::map<std::string, std::string> parseForm(std::string_view text) {
    std::map<std::string, std::string> values;
    while (!text.empty()) {
        const std::size_t amp = text.find('&');
        const std::string_view pair = text.substr(0, amp);
        text = amp == std::string_view::npos ? std::string_view{} : text.substr(amp + 1);
        const std::size_t eq = pair.find('=');
        std::string name = percentDecode(pair.substr(0, eq), true);
        std::string value = eq == std::string_view::npos ? "" : percentDecode(pair.substr(eq + 1), true);
        values.emplace(std::move(name), std::move(value));
    }
    return values;
}

std::string_view queryOf(std::string_view target) {
    const std::size_t mark = target.find('?');
    return mark == std::string_view::npos ? std::string_view{} : target.substr(mark + 1);
}

SubmissionQuery parseSubmission(std::string_view query) {
    SubmissionQuery result;
    std::map<std::string, std::string> raw;
    std::string* last = nullptr;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view segment = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        const std::size_t eq = segment.find('=');
        const std::string_view name = segment.substr(0, eq);
        if (eq != std::string_view::npos && isSubmissionField(name)) {
            const auto [it, added] = raw.emplace(std::string(name), std::string(segment.substr(eq + 1)));
            if (!added && result.repeated.empty()) {
                result.repeated = name;
            }
            last = &it->second;
        } else if (last != nullptr) {
            *last += '&';
            *last += segment;
        }
    }
    for (auto& [name, value] : raw) {
        result.fields.emplace(name, percentDecode(value, false));
    }
    return result;
}

} // namespace brisvane::server
