#include "advisor/Tables.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <stdexcept>
#include <system_error>

#include "advisor/Advisor.h"

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

constexpr char Magic[8] = {'B', 'R', 'V', 'A', 'D', 'V', '6', '\n'};
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
                fill(p, c.category);
            } else {
                roll(p, keptDice(p, c.rollAgain), die);
            }
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

namespace {

// FNV-1a over the bytes of the file, so a file of the right size with other contents (a disk
// error, a stray write) is refused instead of advising from it.
class Checksum {
public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ = (hash_ ^ bytes[i]) * 0x100000001b3ULL;
        }
    }
    std::uint64_t value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

template <class T>
bool readInto(std::istream& in, T* into, std::size_t count, Checksum& sum) {
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count * sizeof(T)));
    sum.add(into, count * sizeof(T));
    return static_cast<bool>(in);
}

template <class T>
void writeFrom(std::ostream& out, const T* data, std::size_t count, Checksum& sum) {
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count * sizeof(T)));
    sum.add(data, count * sizeof(T));
}

// The file after the magic: universe, joined, rolls and the number of corrections (32 bits
// each), the leaf corrections and the corrections, the number of split gaps (32 bits) and the
// split gaps, the two tables, all values as doubles, and last the checksum of everything
// before it (64 bits).
struct Header {
    std::uint32_t universe;
    std::uint32_t joined;
    std::uint32_t rolls;
    std::uint32_t corrections;
};

} // namespace

bool Tables::load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    Checksum sum;
    char magic[sizeof Magic];
    Header h{};
    if (!readInto(in, magic, sizeof magic, sum) || !readInto(in, &h, 1, sum) ||
        std::memcmp(magic, Magic, sizeof Magic) != 0 || h.universe != layout_.universe ||
        h.joined != layout_.joined || h.rolls != static_cast<std::uint32_t>(layout_.maxRolls) ||
        (h.corrections != 0 && h.corrections != h.rolls + 1)) {
        return false;
    }
    std::vector<double> leafCorrection(h.corrections);
    std::vector<double> correction(h.corrections);
    std::uint32_t gaps = 0;
    if (!readInto(in, leafCorrection.data(), leafCorrection.size(), sum) ||
        !readInto(in, correction.data(), correction.size(), sum) ||
        !readInto(in, &gaps, 1, sum) || (gaps != 0 && gaps != (h.rolls + 1) * Sides * Sides)) {
        return false;
    }
    std::vector<double> splitGap(gaps);
    // The big tables are read in place, so loading never holds them twice; the file must
    // hold exactly what is left of them first.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::uintmax_t rest =
        (splitGap.size() + upper_.data().size() + lower_.data().size()) * sizeof(double) +
        sizeof(std::uint64_t);
    const std::streamoff at = in.tellg();
    if (error || at < 0 || size != static_cast<std::uintmax_t>(at) + rest ||
        !readInto(in, splitGap.data(), splitGap.size(), sum) ||
        !readInto(in, upper_.data().data(), upper_.data().size(), sum) ||
        !readInto(in, lower_.data().data(), lower_.data().size(), sum)) {
        return false;
    }
    std::uint64_t stored = 0;
    in.read(reinterpret_cast<char*>(&stored), sizeof stored);
    if (!in || stored != sum.value()) {
        return false;
    }
    leafCorrection_ = std::move(leafCorrection);
    correction_ = std::move(correction);
    splitGap_ = std::move(splitGap);
    return true;
}

void Tables::save(const std::filesystem::path& file) const {
    // A name of its own, so two programs preparing the tables at once never write one file.
    std::random_device entropy;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x%08x.part", entropy(), entropy());
    const std::filesystem::path temporary = file.string() + suffix;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    Checksum sum;
    const Header h{layout_.universe, layout_.joined, static_cast<std::uint32_t>(layout_.maxRolls),
                   static_cast<std::uint32_t>(correction_.size())};
    const auto gaps = static_cast<std::uint32_t>(splitGap_.size());
    writeFrom(out, Magic, sizeof Magic, sum);
    writeFrom(out, &h, 1, sum);
    writeFrom(out, leafCorrection_.data(), leafCorrection_.size(), sum);
    writeFrom(out, correction_.data(), correction_.size(), sum);
    writeFrom(out, &gaps, 1, sum);
    writeFrom(out, splitGap_.data(), splitGap_.size(), sum);
    writeFrom(out, upper_.data().data(), upper_.data().size(), sum);
    writeFrom(out, lower_.data().data(), lower_.data().size(), sum);
    const std::uint64_t checksum = sum.value();
    out.write(reinterpret_cast<const char*>(&checksum), sizeof checksum);
    out.close();
    std::error_code error;
    if (!out) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot rename " + temporary.string() + " to " + file.string());
    }
}

Tables::Prepared Tables::loadOrSolve(const TableLayout& layout, const std::filesystem::path& folder,
                                     const Progress& progress) {
    Prepared prepared;
    prepared.tables = std::make_unique<Tables>(layout);
    Tables& tables = *prepared.tables;
    const std::filesystem::path file = folder / tables.fileName();
    if (!folder.empty() && tables.load(file)) {
        return prepared;
    }
    tables.solve(progress);
    prepared.solved = true;
    if (folder.empty()) {
        prepared.notKept = "no folder to keep them in";
        return prepared;
    }
    try {
        std::filesystem::create_directories(folder);
        tables.save(file);
    } catch (const std::exception& error) {
        // Not kept: the next start solves them again.
        prepared.notKept = error.what();
    }
    return prepared;
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

} // namespace brisvane::advisor
