#include "advisor/Record.h"

#include <sstream>
#include <stdexcept>

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

[[noreturn]] void bad(int line, const std::string& message) {
    throw std::invalid_argument("line " + std::to_string(line) + ": " + message);
}

int parseFace(const std::string& word, int line) {
    if (word.size() != 1 || word[0] < '1' || word[0] > '6') {
        bad(line, "a face must be 1..6, not \"" + word + "\"");
    }
    return word[0] - '0';
}

int parseCategory(const std::string& word, int line) {
    for (int k = 1; k <= CategoryCount; ++k) {
        if (word == categoryName(k) || word == std::to_string(k)) {
            return k;
        }
    }
    bad(line, "no category \"" + word + "\" (Ones .. Yatzy, or 1..20)");
}

} // namespace

std::vector<Step> parseRecord(const std::string& text) {
    std::vector<Step> steps;
    std::istringstream in(text);
    int lineNo = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        if (const auto hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) {
            w.push_back(word);
        }
        if (w.empty()) {
            continue;
        }
        Step step;
        step.line = lineNo;
        if (w[0] == "roll") {
            if (w.size() != 7) {
                bad(lineNo, "roll needs the six faces on the table");
            }
            step.kind = Step::Kind::Roll;
            for (std::size_t i = 0; i < 6; ++i) {
                step.dice[i] = parseFace(w[i + 1], lineNo);
            }
        } else if (w[0] == "again") {
            if (w.size() < 2 || w.size() > 7) {
                bad(lineNo, "again needs the faces of 1 to 6 dice picked up");
            }
            step.kind = Step::Kind::Again;
            for (std::size_t i = 1; i < w.size(); ++i) {
                ++step.again[idx(parseFace(w[i], lineNo) - 1)];
            }
        } else if (w[0] == "fill") {
            if (w.size() != 2) {
                bad(lineNo, "fill needs one category");
            }
            step.kind = Step::Kind::Fill;
            step.category = parseCategory(w[1], lineNo);
        } else {
            bad(lineNo, "unknown step \"" + w[0] + "\" (roll, again or fill)");
        }
        steps.push_back(step);
    }
    return steps;
}

std::string formatRecord(const std::vector<Step>& steps) {
    std::string out;
    for (const Step& s : steps) {
        switch (s.kind) {
        case Step::Kind::Roll:
            out += "roll";
            for (const int f : s.dice) {
                out += " " + std::to_string(f);
            }
            break;
        case Step::Kind::Again:
            out += "again";
            for (int f = 1; f <= 6; ++f) {
                for (int i = 0; i < s.again[idx(f - 1)]; ++i) {
                    out += " " + std::to_string(f);
                }
            }
            break;
        case Step::Kind::Fill:
            out += "fill " + std::string(categoryName(s.category));
            break;
        }
        out += '\n';
    }
    return out;
}

} // namespace brisvane::advisor
