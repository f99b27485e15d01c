#pragma once
// The service's own texts in each language the game ships, chosen by the language's
// international name ("English", "Swedish", "German", ...) as the game sends it in `lan`; a
// language without texts here gets English. Every member is a text (the tests walk them all). "%1", "%2", "%3" stand for values filled in (always escaped).

#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"

namespace brisvane::server {

struct Texts {
    std::string_view lan;      // the international name
    std::string_view national; // the language's own name
    std::string_view htmlLang; // for <html lang>
    std::string_view home, table, signup, help, sms;
    std::string_view intro, topTen, getTitle, getText, sendTitle, sendText;
    std::string_view period, allTime, thisMonth, language, allLanguages, show;
    std::string_view place, player, points, month, key;
    std::string_view previous, next, pageOf, noEntries, entriesOf, noPlayer;
    std::string_view entryTitle, entryText, entryAgain;
    std::string_view name, password, passwordAgain, create, nameHint, passwordHint;
    std::string_view signupDone, signupNext;
    std::string_view nameEmpty, nameTooLong, nameControl, nameBlankEdge, nameNotUtf8, nameTaken;
    std::string_view passwordsDiffer, passwordShort, passwordLong;
    std::string_view smsText;
    std::string_view refused, unknownAccount, signupLink, wrongPassword, badKey, futureDate,
        badDate, badPoints, unknownVersion, incomplete, ambiguous, tooMany, notFound, tooLarge, failure;
    std::string_view helpHtml; // trusted markup: the rules and controls
};

const Texts& textsFor(std::string_view lan);
// Every language with texts, English first.
const std::vector<const Texts*>& allTexts();

// `pattern` with %1, %2, ... replaced by the given values (already escaped by the caller).
using text::fill;

} // namespace brisvane::server
