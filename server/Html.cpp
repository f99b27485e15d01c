#include "server/Html.h"

#include <cstdio>

#include "links/Links.h"

namespace brisvane::server {

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string jsonEscape(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20 || c == '<' || c == '>' || c == '&') {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string lanSuffix(const Texts& texts, char separator) {
    if (texts.lan == "English") {
        return "";
    }
    return std::string(1, separator) + "lan=" + queryValue(texts.lan);
}

std::string page(const Texts& texts, std::string_view title, std::string_view body) {
    const std::string lan = lanSuffix(texts, '?');
    std::string html;
    html.reserve(body.size() + 1200);
    html += "<!DOCTYPE html>\n<html lang=\"";
    html += texts.htmlLang;
    html += "\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
            "content=\"width=device-width, initial-scale=1\"><title>";
    html += escape(title);
    html += " - Brisvane</title><link rel=\"stylesheet\" href=\"/style.css\"></head><body>"
            "<header><a class=\"brand\" href=\"/" + lan + "\">Brisvane</a><nav>";
    const std::pair<std::string_view, std::string_view> links[] = {
        {"/", texts.home}, {"/highscore", texts.table}, {"/signup", texts.signup},
        {"/help", texts.help}};
    for (const auto& [path, caption] : links) {
        html += "<a href=\"" + std::string(path) + lan + "\">" + escape(caption) + "</a>";
    }
    html += "</nav></header><main><h1>" + escape(title) + "</h1>";
    html += body;
    html += "</main><footer><nav>";
    for (const Texts* other : allTexts()) {
        html += "<a href=\"/" + lanSuffix(*other, '?') + "\" lang=\"" + std::string(other->htmlLang) +
                "\">" + escape(other->national) + "</a>";
    }
    html += "</nav></footer></body></html>\n";
    return html;
}

std::string_view styleSheet() {
    return R"(:root { color-scheme: dark; }
body { margin: 0; background: #161e27; color: #f2f2f2; font: 17px/1.5 "DejaVu Sans", sans-serif; }
header, main, footer { max-width: 46rem; margin: 0 auto; padding: 0.8rem 1rem; }
header { display: flex; flex-wrap: wrap; gap: 0.6rem 1.2rem; align-items: baseline; }
.brand { font-size: 1.5rem; font-weight: bold; color: #ffe600; }
nav { display: flex; flex-wrap: wrap; gap: 0.4rem 1rem; }
a { color: #ffe600; }
h1 { font-size: 1.6rem; color: #ffe600; margin: 0.4rem 0 1rem; }
h2 { font-size: 1.2rem; margin: 1.4rem 0 0.4rem; }
table { width: 100%; border-collapse: collapse; background: #0c1117; }
th, td { padding: 0.35rem 0.5rem; text-align: left; border-bottom: 1px solid #2b3642; }
td.n, th.n { text-align: right; }
td.month { white-space: nowrap; }
.key { font-family: "DejaVu Sans Mono", monospace; font-size: 0.85rem; color: #c0c0c0; }
form.filter { display: flex; flex-wrap: wrap; gap: 0.5rem 1rem; align-items: end; margin-bottom: 1rem; }
label { display: block; margin: 0.6rem 0 0.2rem; }
input, select, button { font: inherit; padding: 0.35rem 0.5rem; border-radius: 4px; border: 1px solid #4a5866; background: #0c1117; color: #f2f2f2; }
button { background: #ffe600; color: #161e27; border: none; font-weight: bold; margin-top: 0.8rem; }
.note { color: #c0c0c0; font-size: 0.9rem; }
.error { border-left: 4px solid #ff8080; padding-left: 0.8rem; }
footer { border-top: 1px solid #2b3642; font-size: 0.9rem; }
@media (max-width: 36rem) { td.key, th.key, td.lan, th.lan { display: none; } body { font-size: 16px; } }
)";
}

} // namespace brisvane::server
