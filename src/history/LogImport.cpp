#include "history/LogImport.h"

#include <charconv>
#include <cmath>

#include "common/FileIo.h"

namespace brisvane {
namespace {

// Reads a whole number of at most `maxDigits` digits at the front of `text`.
std::optional<int> number(std::string_view& text, std::size_t maxDigits) {
    std::size_t n = 0;
    while (n < text.size() && n < maxDigits && text[n] >= '0' && text[n] <= '9') {
        ++n;
    }
    if (n == 0 || (n < text.size() && text[n] >= '0' && text[n] <= '9')) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + n, value);
    text.remove_prefix(n);
    return value;
}

bool skip(std::string_view& text, std::string_view expected) {
    if (text.substr(0, expected.size()) != expected) {
        return false;
    }
    text.remove_prefix(expected.size());
    return true;
}

// "2002-02-22 00:37:41  ": the stamp of every log line.
std::optional<DateTime> stamp(std::string_view& text) {
    DateTime when;
    const auto year = number(text, 4);
    const bool ok = year && skip(text, "-");
    const auto month = ok ? number(text, 2) : std::nullopt;
    const auto day = month && skip(text, "-") ? number(text, 2) : std::nullopt;
    const auto hour = day && skip(text, " ") ? number(text, 2) : std::nullopt;
    const auto minute = hour && skip(text, ":") ? number(text, 2) : std::nullopt;
    const auto second = minute && skip(text, ":") ? number(text, 2) : std::nullopt;
    if (!second || !skip(text, "  ") || *month < 1 || *month > 12 || *day < 1 || *day > 31 ||
        *hour > 23 || *minute > 59 || *second > 60) {
        return std::nullopt;
    }
    when.year = *year;
    when.month = *month;
    when.day = *day;
    when.hour = *hour;
    when.minute = *minute;
    when.second = *second;
    return when;
}

std::optional<double> figure(std::string_view& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// ". Review: expected 508.1, choices cost 12.3, luck -15.8" at the end of `rest`.
std::optional<GameReview> reviewAtEnd(std::string_view rest) {
    constexpr std::string_view Mark = ". Review: expected ";
    const std::size_t at = rest.rfind(Mark);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    rest.remove_prefix(at + Mark.size());
    GameReview review;
    const auto expected = figure(rest);
    const auto cost = expected && skip(rest, ", choices cost ") ? figure(rest) : std::nullopt;
    const auto luck = cost && skip(rest, ", luck ") ? figure(rest) : std::nullopt;
    if (!luck || !rest.empty()) {
        return std::nullopt;
    }
    return GameReview{*expected, *cost, *luck};
}

} // namespace

std::optional<PlayedGame> parseGameLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    PlayedGame game;
    game.source = PlayedGame::Source::Log;
    const auto when = stamp(line);
    if (!when || !skip(line, "Session ") || !number(line, 9) || !skip(line, ": Score: ")) {
        return std::nullopt;
    }
    const auto points = number(line, 5);
    const auto minutes = points && skip(line, ", time: ") ? number(line, 4) : std::nullopt;
    const auto seconds = minutes && skip(line, ":") ? number(line, 2) : std::nullopt;
    if (!seconds || *seconds > 59 || line.empty() || line.back() != '.') {
        return std::nullopt;
    }
    line.remove_suffix(1); // the writer's final period
    constexpr std::string_view Advised = " (advised)";
    if (line.size() >= Advised.size() && line.substr(line.size() - Advised.size()) == Advised) {
        game.advised = true;
        line.remove_suffix(Advised.size());
    }
    game.ended = *when;
    game.points = *points;
    game.playSeconds = *minutes * 60 + *seconds;
    game.review = reviewAtEnd(line);
    return game;
}

std::vector<PlayedGame> gamesOfLog(const std::string& path) {
    std::vector<PlayedGame> games;
    std::int64_t size = 0;
    // Only a regular file: a pipe in the log's place must not hang the game.
    const Descriptor fd = openRegularForReading(path, size);
    if (!fd.valid()) {
        return games;
    }
    std::string pending;
    std::vector<char> buffer(1 << 16);
    for (long long n; (n = readSome(fd.get(), buffer.data(), buffer.size())) > 0;) {
        pending.append(buffer.data(), static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            if (auto game = parseGameLine(std::string_view(pending).substr(start, end - start))) {
                games.push_back(std::move(*game));
            }
        }
        pending.erase(0, start);
    }
    if (auto game = parseGameLine(pending)) {
        games.push_back(std::move(*game));
    }
    return games;
}

} // namespace brisvane
