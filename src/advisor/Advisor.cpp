#include "advisor/Advisor.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

constexpr char Magic[8] = {'B', 'R', 'V', 'A', 'D', 'V', '5', '\n'};
constexpr std::uint64_t CalibrationSeed = 20020222;

CategorySet upperTableSet(const TableLayout& layout) {
    return layout.universe & (UpperSet | (layout.joined & LowerSet));
}

// Categories on either side of a split: 0..20.
constexpr std::size_t Sides = CategoryCount + 1;

// The best of a[s] + b[t - s] over the shares s = 0..t.
double bestShare(const double* a, const double* b, int t) {
    double best = -std::numeric_limits<double>::infinity();
    for (int s = 0; s <= t; ++s) {
        best = std::max(best, a[s] + b[t - s]);
    }
    return best;
}

} // namespace

// ---- Tables ----

Tables::Tables(const TableLayout& layout)
    : layout_(layout), upper_(upperTableSet(layout), layout.maxRolls),
      lower_(layout.universe & LowerSet, layout.maxRolls) {}

void Tables::solve(const Progress& progress) {
    // Shares of the work as measured for the full game.
    const auto part = [&](double from, double to) {
        return [&progress, from, to](double share) {
            if (progress) {
                progress(from + (to - from) * share);
            }
        };
    };
    upper_.solve(part(0.0, 0.55));
    lower_.solve(part(0.55, 0.8));
    measureSplitGaps();
    calibrate(part(0.8, 1.0));
}

void Tables::measureSplitGaps() {
    const int maxT = layout_.maxRolls;
    const auto cell = [&](int t, int a, int b) {
        return (idx(t) * Sides + idx(a)) * Sides + idx(b);
    };
    splitGap_.assign(idx(maxT + 1) * Sides * Sides, 0.0);
    std::vector<double> count(splitGap_.size(), 0.0);
    // Every state of the upper table with open categories of both kinds, split every way into
    // the upper categories with some of the joined ones, and the other joined ones: the exact
    // value against the best share of the rolls, averaged over the upper points that can be.
    const CategorySet all = upperTableSet(layout_);
    for (CategorySet open = all;; open = (open - 1) & all) {
        const CategorySet joined = open & LowerSet;
        if ((open & UpperSet) != 0 && joined != 0) {
            const auto reach = reachableUpper(layout_.universe & UpperSet & ~open);
            for (CategorySet second = joined; second != 0; second = (second - 1) & joined) {
                const CategorySet first = open & ~second;
                const int a = std::popcount(first);
                const int b = std::popcount(second);
                const double* split = lower_.row(second, 0);
                for (int u = 0; u < UpperSlots; ++u) {
                    if (!reach.test(idx(u))) {
                        continue;
                    }
                    const double* exact = upper_.row(open, u);
                    const double* part = upper_.row(first, u);
                    for (int t = 0; t <= maxT; ++t) {
                        splitGap_[cell(t, a, b)] += exact[t] - bestShare(part, split, t);
                        count[cell(t, a, b)] += 1;
                    }
                }
            }
        }
        if (open == 0) {
            break;
        }
    }
    std::vector<double> mean(splitGap_.size(), 0.0);
    for (std::size_t i = 0; i < mean.size(); ++i) {
        mean[i] = count[i] > 0 ? splitGap_[i] / count[i] : 0.0;
    }
    // Splits with more categories on a side than the upper table can show take the gap of the
    // nearest measured one: fewer on the lower side first, then fewer on the upper side.
    for (int a = 1; a < static_cast<int>(Sides); ++a) {
        for (int b = 1; b < static_cast<int>(Sides); ++b) {
            int ma = a;
            int mb = b;
            while (mb > 1 && count[cell(maxT, 1, mb)] == 0) {
                --mb;
            }
            while (ma > 1 && count[cell(maxT, ma, mb)] == 0) {
                --ma;
            }
            for (int t = 0; t <= maxT; ++t) {
                splitGap_[cell(t, a, b)] = mean[cell(t, ma, mb)];
            }
        }
    }
}

double Tables::splitGap(int rolls, int first, int second) const {
    if (splitGap_.empty() || first <= 0 || second <= 0) {
        return 0.0;
    }
    return splitGap_[(idx(rolls) * Sides + idx(first)) * Sides + idx(second)];
}

void Tables::calibrate(const Progress& progress) {
    leafCorrection_.clear();
    correction_.clear();
    if (layout_.calibrationGames <= 0) {
        return;
    }
    const auto half = [&](double from) {
        return [&progress, from](double share) {
            if (progress) {
                progress(from + 0.5 * share);
            }
        };
    };
    // First with the bare estimate, then with the decisions that the first pass corrected.
    leafCorrection_ = selfPlayMisses(half(0.0));
    correction_ = selfPlayMisses(half(0.5));
}

std::vector<double> Tables::selfPlayMisses(const Progress& progress) const {
    const DiceSpace& space = DiceSpace::get();
    Advisor advisor(*this);
    std::mt19937_64 engine(CalibrationSeed);
    const auto die = [&] { return static_cast<int>(engine() % 6) + 1; };
    std::vector<double> sum(idx(layout_.maxRolls + 1));
    std::vector<double> count(idx(layout_.maxRolls + 1));
    for (int g = 0; g < layout_.calibrationGames; ++g) {
        Position p;
        p.open = layout_.universe;
        p.rollsLeft = layout_.maxRolls;
        // Per state: rolls left, points then, points still expected.
        std::vector<std::array<double, 3>> seen;
        for (auto choices = advisor.rank(p); !choices.empty(); choices = advisor.rank(p)) {
            const Choice& c = choices.front();
            seen.push_back({static_cast<double>(p.rollsLeft), static_cast<double>(p.total),
                            c.expected - p.total});
            if (c.kind == Choice::Kind::Fill) {
                p.total += placementGain(c.category, c.points, p.upper);
                p.upper += isUpper(c.category) ? c.points : 0;
                p.open &= ~bitOf(c.category);
                p.rolled = false;
                continue;
            }
            const Counts& have = space.counts(space.handOf(p.dice));
            std::size_t i = 0;
            for (std::size_t f = 0; f < 6; ++f) {
                const int keep = p.rolled ? have[f] - c.rollAgain[f] : 0;
                for (int n = 0; n < keep; ++n) {
                    p.dice[i++] = static_cast<int>(f) + 1;
                }
            }
            for (; i < 6; ++i) {
                p.dice[i] = die();
            }
            p.rolled = true;
            --p.rollsLeft;
        }
        for (const auto& [rolls, total, expected] : seen) {
            sum[static_cast<std::size_t>(rolls)] += p.total - total - expected;
            count[static_cast<std::size_t>(rolls)] += 1;
        }
        // After every game, so a caller that stops the work by its progress waits one game at most.
        if (progress) {
            progress(static_cast<double>(g + 1) / static_cast<double>(layout_.calibrationGames));
        }
    }
    std::vector<double> misses(sum.size(), 0.0);
    for (std::size_t r = 0; r < sum.size(); ++r) {
        misses[r] = count[r] > 0 ? sum[r] / count[r] : 0.0;
    }
    return misses;
}

std::string Tables::fileName() const {
    char name[64];
    // The number after "advisor" is the method's: other methods' tables are never taken.
    std::snprintf(name, sizeof name, "advisor5-%05x-%05x-%d.tables",
                  static_cast<unsigned>(layout_.universe), static_cast<unsigned>(layout_.joined),
                  layout_.maxRolls);
    return name;
}

bool Tables::load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    char magic[sizeof Magic];
    std::uint32_t header[3];
    in.read(magic, sizeof magic);
    in.read(reinterpret_cast<char*>(header), sizeof header);
    if (!in || std::memcmp(magic, Magic, sizeof Magic) != 0 || header[0] != layout_.universe ||
        header[1] != layout_.joined || header[2] != static_cast<std::uint32_t>(layout_.maxRolls)) {
        return false;
    }
    std::uint32_t corrections = 0;
    in.read(reinterpret_cast<char*>(&corrections), sizeof corrections);
    if (!in || (corrections != 0 && corrections != header[2] + 1)) {
        return false;
    }
    std::vector<double> leafCorrection(corrections);
    std::vector<double> correction(corrections);
    in.read(reinterpret_cast<char*>(leafCorrection.data()),
            static_cast<std::streamsize>(leafCorrection.size() * sizeof(double)));
    in.read(reinterpret_cast<char*>(correction.data()),
            static_cast<std::streamsize>(correction.size() * sizeof(double)));
    std::uint32_t gaps = 0;
    in.read(reinterpret_cast<char*>(&gaps), sizeof gaps);
    if (!in || (gaps != 0 && gaps != (header[2] + 1) * Sides * Sides)) {
        return false;
    }
    std::vector<double> splitGap(gaps);
    in.read(reinterpret_cast<char*>(splitGap.data()),
            static_cast<std::streamsize>(splitGap.size() * sizeof(double)));
    // The big tables are read in place, so loading never holds them twice; the file must
    // hold exactly what is left of them first.
    const auto bytes = [](const std::vector<double>& v) {
        return static_cast<std::streamsize>(v.size() * sizeof(double));
    };
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::streamoff at = in.tellg();
    if (error || !in || at < 0 ||
        size - static_cast<std::uintmax_t>(at) !=
            static_cast<std::uintmax_t>(bytes(upper_.data()) + bytes(lower_.data()))) {
        return false;
    }
    in.read(reinterpret_cast<char*>(upper_.data().data()), bytes(upper_.data()));
    in.read(reinterpret_cast<char*>(lower_.data().data()), bytes(lower_.data()));
    if (!in) {
        return false;
    }
    leafCorrection_ = std::move(leafCorrection);
    correction_ = std::move(correction);
    splitGap_ = std::move(splitGap);
    return true;
}

void Tables::save(const std::filesystem::path& file) const {
    const std::filesystem::path temporary = file.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const std::uint32_t header[3] = {layout_.universe, layout_.joined,
                                         static_cast<std::uint32_t>(layout_.maxRolls)};
        out.write(Magic, sizeof Magic);
        out.write(reinterpret_cast<const char*>(header), sizeof header);
        const auto corrections = static_cast<std::uint32_t>(correction_.size());
        out.write(reinterpret_cast<const char*>(&corrections), sizeof corrections);
        out.write(reinterpret_cast<const char*>(leafCorrection_.data()),
                  static_cast<std::streamsize>(leafCorrection_.size() * sizeof(double)));
        out.write(reinterpret_cast<const char*>(correction_.data()),
                  static_cast<std::streamsize>(correction_.size() * sizeof(double)));
        const auto gaps = static_cast<std::uint32_t>(splitGap_.size());
        out.write(reinterpret_cast<const char*>(&gaps), sizeof gaps);
        out.write(reinterpret_cast<const char*>(splitGap_.data()),
                  static_cast<std::streamsize>(splitGap_.size() * sizeof(double)));
        out.write(reinterpret_cast<const char*>(upper_.data().data()),
                  static_cast<std::streamsize>(upper_.data().size() * sizeof(double)));
        out.write(reinterpret_cast<const char*>(lower_.data().data()),
                  static_cast<std::streamsize>(lower_.data().size() * sizeof(double)));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw std::runtime_error("cannot write " + file.string());
        }
    }
    std::filesystem::rename(temporary, file);
}

std::unique_ptr<Tables> Tables::loadOrSolve(const TableLayout& layout,
                                            const std::filesystem::path& folder,
                                            const Progress& progress) {
    auto tables = std::make_unique<Tables>(layout);
    const std::filesystem::path file = folder / tables->fileName();
    if (!folder.empty() && tables->load(file)) {
        return tables;
    }
    tables->solve(progress);
    if (!folder.empty()) {
        try {
            std::filesystem::create_directories(folder);
            tables->save(file);
            tables->removeOlderMethods(folder);
        } catch (const std::exception&) {
            // Not kept: the next start solves them again.
        }
    }
    return tables;
}

void Tables::removeOlderMethods(const std::filesystem::path& folder) const {
    const std::string own = fileName();
    const std::string layoutPart = own.substr(own.find('-')); // "-fffff-c0c00-60.tables"
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name != own && name.rfind("advisor", 0) == 0 && name.size() > layoutPart.size() &&
            name.compare(name.size() - layoutPart.size(), layoutPart.size(), layoutPart) == 0 &&
            name.find('-') == name.size() - layoutPart.size()) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

bool Tables::solvesOutright(CategorySet open) const {
    return (open & ~upperTableSet(layout_)) == 0 || (open & UpperSet) == 0;
}

void Tables::estimate(CategorySet open, int upper, int maxT, double* out) const {
    std::fill(out, out + maxT + 1, -std::numeric_limits<double>::infinity());
    const CategorySet movable = open & upperTableSet(layout_) & LowerSet;
    const bool exact = solvesOutright(open);
    // Every subset of the movable categories goes with the upper part, the rest below.
    for (CategorySet moved = movable;; moved = (moved - 1) & movable) {
        const CategorySet first = (open & UpperSet) | moved;
        const CategorySet second = open & LowerSet & ~moved;
        const double* a = upper_.row(first, upper);
        const double* b = lower_.row(second, 0);
        const int sideA = exact ? 0 : std::popcount(first);
        const int sideB = std::popcount(second);
        for (int t = 0; t <= maxT; ++t) {
            out[t] = std::max(out[t], bestShare(a, b, t) + splitGap(t, sideA, sideB));
        }
        if (moved == 0) {
            break;
        }
    }
}

// ---- Advisor ----

std::string describe(const Choice& choice) {
    if (choice.kind == Choice::Kind::Fill) {
        return "Fill " + std::string(categoryName(choice.category)) + " (" +
               std::to_string(choice.points) + ")";
    }
    int n = 0;
    std::string faces;
    for (int f = 1; f <= 6; ++f) {
        for (int i = 0; i < choice.rollAgain[idx(f - 1)]; ++i) {
            faces += " " + std::to_string(f);
            ++n;
        }
    }
    return n == 6 ? "Roll all six" : "Roll again" + faces;
}

Advisor::Advisor(const Tables& tables, bool shifted) : tables_(tables), shifted_(shifted) {}

double Advisor::leaf(int k, int upper, int t) {
    std::vector<double>& row = leaves_[idx(k) * UpperSlots + idx(upper)];
    if (row.empty()) {
        row.resize(idx(turn_.solvedTo() + 1));
        const CategorySet rest = turn_.open() & ~bitOf(k);
        tables_.estimate(rest, upper, turn_.solvedTo(), row.data());
        if (!tables_.solvesOutright(rest)) {
            for (std::size_t r = 0; r < row.size(); ++r) {
                row[r] += tables_.leafCorrection(static_cast<int>(r));
            }
        }
    }
    return row[idx(t)];
}

const TurnSolver& Advisor::turn(CategorySet open, int upper, int maxT) {
    upper = std::min(upper, BonusLine);
    if ((open & UpperSet) == 0) {
        upper = 0; // no upper category left: the points no longer matter
    }
    if (solved_ && turn_.open() == open && turn_.upper() == upper && turn_.solvedTo() >= maxT) {
        return turn_;
    }
    leaves_.assign(idx(CategoryCount + 1) * UpperSlots, {});
    solved_ = false;
    turn_.solve(
        open, upper, maxT, [&](int k, int u, int t) { return leaf(k, u, t); }, true);
    solved_ = true;
    return turn_;
}

void Advisor::calibrated(std::vector<Choice>& choices, const Position& p) const {
    const double shift = shifted_ ? tables_.correction(p.rollsLeft) : 0.0;
    for (Choice& c : choices) {
        c.expected = p.total + std::max(0.0, c.expected - p.total + shift);
    }
}

void Advisor::check(const Position& p) const {
    const TableLayout& layout = tables_.layout();
    if ((p.open & ~layout.universe) != 0) {
        throw std::invalid_argument("a category is open that the advisor's tables do not cover");
    }
    if (p.rollsLeft < 0 || p.rollsLeft > layout.maxRolls) {
        throw std::invalid_argument("rolls left must be 0.." + std::to_string(layout.maxRolls));
    }
    if (p.upper < 0 || p.total < p.upper) {
        throw std::invalid_argument("the points must be 0 or more, the total no less than the "
                                    "upper points");
    }
    if (!reachableUpper(layout.universe & UpperSet & ~p.open)
             .test(idx(std::min(p.upper, BonusLine)))) {
        throw std::invalid_argument("the filled upper categories cannot add up to " +
                                    std::to_string(p.upper) + " points");
    }
    if (p.rolled && DiceSpace::get().handOf(p.dice) == DiceSpace::NoHand) {
        throw std::invalid_argument("the six dice must show faces 1..6");
    }
}

std::vector<Choice> Advisor::rank(const Position& p) {
    check(p);
    std::vector<Choice> choices;
    if (p.open == 0 || (!p.rolled && p.rollsLeft == 0)) {
        return choices;
    }
    const DiceSpace& space = DiceSpace::get();
    const int upper = std::min(p.upper, BonusLine);
    if (!p.rolled) {
        const TurnSolver& t = turn(p.open, upper, p.rollsLeft - 1);
        Choice all;
        all.rollAgain = {6, 0, 0, 0, 0, 0}; // any six dice: the table is empty
        all.expected = p.total + t.startValue(p.rollsLeft);
        choices.push_back(all);
        calibrated(choices, p);
        return choices;
    }

    const TurnSolver& t = turn(p.open, upper, p.rollsLeft);
    const int hand = space.handOf(p.dice);
    const int roll = space.rollOf(hand);
    const int own = t.move(roll, p.rollsLeft);
    const int solvedUpper = t.upper();
    for (const auto& s : space.scoring(roll)) {
        if ((p.open & bitOf(s.category)) == 0) {
            continue;
        }
        Choice fill;
        fill.kind = Choice::Kind::Fill;
        fill.category = s.category;
        fill.points = s.points;
        const int after = isUpper(s.category) ? upperAfter(solvedUpper, s.points) : solvedUpper;
        fill.expected = p.total + placementGain(s.category, s.points, upper) +
                        leaf(s.category, after, p.rollsLeft);
        choices.push_back(fill);
    }
    if (p.rollsLeft > 0) {
        const Counts& have = space.counts(hand);
        // Every hand of dice that can stay on the table: a counter over the six counts.
        Counts keep{};
        while (true) {
            const int kept = space.handOf(keep);
            if (kept != hand) {
                Choice again;
                for (std::size_t f = 0; f < 6; ++f) {
                    again.rollAgain[f] = static_cast<std::uint8_t>(have[f] - keep[f]);
                }
                again.expected = p.total + t.keepValue(kept, p.rollsLeft - 1);
                choices.push_back(again);
            }
            std::size_t f = 0;
            while (f < 6 && keep[f] == have[f]) {
                keep[f] = 0;
                ++f;
            }
            if (f == 6) {
                break;
            }
            ++keep[f];
        }
    }
    // The advisor's own move first, the others by value (ties: fills first, in sheet order).
    const auto isOwn = [&](const Choice& c) {
        if (own > 0) {
            return c.kind == Choice::Kind::Fill && c.category == own;
        }
        if (own < 0 && c.kind == Choice::Kind::Roll) {
            Counts kept{};
            for (std::size_t f = 0; f < 6; ++f) {
                kept[f] = static_cast<std::uint8_t>(space.counts(hand)[f] - c.rollAgain[f]);
            }
            return space.handOf(kept) == keptHand(own);
        }
        return false;
    };
    std::stable_sort(choices.begin(), choices.end(), [&](const Choice& a, const Choice& b) {
        const bool ownA = isOwn(a);
        const bool ownB = isOwn(b);
        if (ownA != ownB) {
            return ownA;
        }
        return a.expected > b.expected;
    });
    calibrated(choices, p);
    return choices;
}

double Advisor::expectedFinal(const Position& position) {
    const auto choices = rank(position);
    return choices.empty() ? position.total : choices.front().expected;
}

} // namespace brisvane::advisor

namespace brisvane::advisor {
namespace {

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

Review review(Advisor& advisor, const std::vector<Step>& steps) {
    const DiceSpace& space = DiceSpace::get();
    const TableLayout& layout = advisor.tables().layout();
    Position p;
    p.open = layout.universe;
    p.rollsLeft = layout.maxRolls;
    Review r;
    r.expectedStart = advisor.expectedFinal(p);

    bool over = false;
    std::optional<Counts> kept; // after "again": the dice that stay on the table
    int lastLine = 0;
    for (const Step& step : steps) {
        lastLine = step.line;
        if (over) {
            bad(step.line, "the game is already over");
        }
        switch (step.kind) {
        case Step::Kind::Roll: {
            if (p.rolled && !kept) {
                bad(step.line, "a roll after a roll needs the dice picked up first (again)");
            }
            if (p.rollsLeft == 0) {
                bad(step.line, "no roll is left");
            }
            if (kept) {
                const int table = space.handOf(step.dice);
                if (!space.contains(table, space.handOf(*kept))) {
                    bad(step.line, "the dice kept on the table are not among these faces");
                }
            }
            kept.reset();
            p.rolled = true;
            p.dice = step.dice;
            --p.rollsLeft;
            bool scores = false;
            for (const auto& s : space.scoring(space.rollOf(space.handOf(p.dice)))) {
                scores = scores || (p.open & bitOf(s.category)) != 0;
            }
            over = p.rollsLeft == 0 && !scores;
            break;
        }
        case Step::Kind::Again:
        case Step::Kind::Fill: {
            if (!p.rolled || kept) {
                bad(step.line, "this step needs dice on the table from a roll");
            }
            const auto choices = advisor.rank(p);
            double best = -std::numeric_limits<double>::infinity();
            for (const Choice& c : choices) {
                best = std::max(best, c.expected);
            }
            const Choice* chosen = nullptr;
            for (const Choice& c : choices) {
                const bool same = step.kind == Step::Kind::Fill
                                      ? c.kind == Choice::Kind::Fill && c.category == step.category
                                      : c.kind == Choice::Kind::Roll && c.rollAgain == step.again;
                if (same) {
                    chosen = &c;
                }
            }
            if (chosen == nullptr) {
                bad(step.line, step.kind == Step::Kind::Fill
                                   ? "that category is closed or does not score with these dice"
                               : p.rollsLeft == 0 ? "no roll is left"
                                                  : "those dice are not on the table");
            }
            r.skill += best - chosen->expected;
            ++r.decisions;
            if (step.kind == Step::Kind::Again) {
                Counts stay{};
                const Counts& have = space.counts(space.handOf(p.dice));
                for (std::size_t f = 0; f < 6; ++f) {
                    stay[f] = static_cast<std::uint8_t>(have[f] - step.again[f]);
                }
                kept = stay;
            } else {
                const int k = step.category;
                p.total += placementGain(k, chosen->points, p.upper);
                if (isUpper(k)) {
                    p.upper += chosen->points;
                }
                p.open &= ~bitOf(k);
                p.rolled = false;
                over = p.open == 0 || p.rollsLeft == 0;
            }
            break;
        }
        }
    }
    if (!over) {
        bad(lastLine, "the record stops before the game is over");
    }
    r.finalScore = p.total;
    r.luck = r.finalScore - r.expectedStart + r.skill;
    return r;
}

} // namespace brisvane::advisor
