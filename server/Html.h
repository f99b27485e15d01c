#pragma once
// Server-rendered pages: every text that came from a player goes through `escape`, and every
// page has the same frame, navigation and stylesheet.

#include <string>
#include <string_view>

#include "server/Texts.h"

namespace brisvane::server {

// &, <, >, " and ' as character references.
std::string escape(std::string_view text);
// JSON string contents ("<" as \u003c, so a name cannot close a script or a tag).
std::string jsonEscape(std::string_view text);

// "?lan=<lan>" or "&lan=<lan>" when the page is not in English, "" otherwise.
std::string lanSuffix(const Texts& texts, char separator);

// The whole page: title, navigation in the page's language, `body` (markup) and the footer.
std::string page(const Texts& texts, std::string_view title, std::string_view body);

// The stylesheet, in the game's colours.
std::string_view styleSheet();

} // namespace brisvane::server
