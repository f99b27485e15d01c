#pragma once
// Reading query strings and form bodies. Every value comes out as UTF-8: bytes that are not valid
// UTF-8 are taken as Windows-1252, as older senders wrote them.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace brisvane::server {

// "%XX" decoded (a "%" without two hex digits stays as it is); "+" is a blank only in forms.
std::string percentDecode(std::string_view text, bool plusIsBlank);

// "a=1&b=2" as a map, names and values decoded with "+" as a blank; the first of a repeated
// name counts.
std::map<std::string, std::string> parseForm(std::string_view text);

// The query part of a request target ("" when it has none).
std::string_view queryOf(std::string_view target);

// The ten fields of a submission, in the order the game writes them.
inline constexpr std::string_view SubmissionFieldNames[] = {
    "user", "pass", "ver", "rev", "date", "points", "key", "lan", "screen", "os"};

struct SubmissionQuery {
    std::map<std::string, std::string> fields;
    // A field named twice, so that the address cannot be read one way only ("" when none).
    std::string repeated;
};

// The game encodes each value; an older builder put them in unencoded, so a "&" that does not
// begin one of the ten fields belongs to the value before it, and "+" is itself.
SubmissionQuery parseSubmission(std::string_view query);

} // namespace brisvane::server
