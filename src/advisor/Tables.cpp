#include "advisor/Tables.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <stdexcept>
#include <system_error>

#include "advisor/Corrections.h"
#include "advisor/LowerSplitGaps.h"
#include "advisor/Parallel.h"

namespace brisvane::advisor {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

constexpr char Magic[8] = {'B', 'R', 'V', 'A', 'D', 'V', '7', '\n'};
// What measuring the split gaps costs on one core against solving the upper table on one core,
// as measured once.
constexpr double GapsPerUpperWork = 0.03;
constexpr int UpperCount = 6;
constexpr int LowerCount = CategoryCount - UpperCount;

CategorySet upperTableSet(const TableLayout& layout) {
    return layout.universe & (UpperSet | (layout.joined & LowerSet));
}

// Categories on either side of a split: 0..20.
constexpr std::size_t Sides = CategoryCount + 1;

} // namespace

double bestShare(const float* a, const float* b, int t) {
    double best = -std::numeric_limits<double>::infinity();
    for (int s = 0; s <= t; ++s) {
        best = std::max(best, static_cast<double>(a[s]) + static_cast<double>(b[t - s]));
    }
    return best;
}

Tables::Tables(const TableLayout& layout)
    : layout_(layout), upper_(upperTableSet(layout), layout.maxRolls),
      lower_(layout.universe & LowerSet, layout.maxRolls) {
    if (layout == TableLayout{}) {
        corrections_ = shippedCorrections();
        lowerGaps_ = lowergaps::shipped();
    }
}

void Tables::solve(const Progress& progress, int threads) {
    // Each step's share of the bar is its share of the time: the tables' solves by their
    // measured cost, shared among the threads, and the split gaps' measure on one thread.
    const double cores = std::max(threads, 1);
    const double upper = upper_.work() / cores;
    const double lower = lower_.work() / cores;
    const double total = upper + lower + upper_.work() * GapsPerUpperWork;
    const auto part = [&](double from, double to) {
        return [&progress, from, to](double share) {
            if (progress) {
                progress(from + (to - from) * share);
            }
        };
    };
    upper_.solve(part(0.0, upper / total), threads);
    lower_.solve(part(upper / total, (upper + lower) / total), threads);
    measureSplitGaps();
    if (progress) {
        progress(1.0);
    }
}

std::size_t Tables::valueCell(int rolls, int upperOpen, int lowerOpen) {
    return (idx(rolls) * (UpperCount + 1) + idx(upperOpen)) * (LowerCount + 1) + idx(lowerOpen);
}

void Tables::setCorrections(Corrections corrections) {
    if ((!corrections.leaf.empty() && corrections.leaf.size() != idx(layout_.maxRolls + 1)) ||
        (!corrections.value.empty() && corrections.value.size() != valueCells()) ||
        (!corrections.open.empty() && corrections.open.size() != OpenCells)) {
        throw std::invalid_argument("corrections of another size than the tables' rolls");
    }
    corrections_ = std::move(corrections);
}

double Tables::leafCorrection(CategorySet open, int rolls) const {
    if (corrections_.leaf.empty() || solvesOutright(open)) {
        return 0.0;
    }
    return corrections_.leaf[idx(rolls)];
}

double Tables::valueCorrection(CategorySet open, int rolls) const {
    if (corrections_.value.empty() || solvesOutright(open)) {
        return 0.0;
    }
    double correction = corrections_.value[valueCell(rolls, std::popcount(open & UpperSet),
                                                     std::popcount(open & LowerSet))];
    if (!corrections_.open.empty()) {
        const float* terms = &corrections_.open[openCell(std::popcount(open), 1, 1)];
        forOpenTerms(open, [&](std::size_t t) { correction += static_cast<double>(terms[t]); });
    }
    return correction;
}

void Tables::measureSplitGaps() {
    const int maxT = layout_.maxRolls;
    const auto cell = [&](int t, int a, int b) {
        return (idx(t) * Sides + idx(a)) * Sides + idx(b);
    };
    std::vector<double> sum(idx(maxT + 1) * Sides * Sides, 0.0);
    std::vector<double> count(sum.size(), 0.0);
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
                const float* split = lower_.row(second, 0);
                for (int u = 0; u < UpperSlots; ++u) {
                    if (!reach.test(idx(u))) {
                        continue;
                    }
                    const float* exact = upper_.row(open, u);
                    const float* part = upper_.row(first, u);
                    for (int t = 0; t <= maxT; ++t) {
                        sum[cell(t, a, b)] +=
                            static_cast<double>(exact[t]) - bestShare(part, split, t);
                        count[cell(t, a, b)] += 1;
                    }
                }
            }
        }
        if (open == 0) {
            break;
        }
    }
    std::vector<double> mean(sum.size(), 0.0);
    for (std::size_t i = 0; i < mean.size(); ++i) {
        mean[i] = count[i] > 0 ? sum[i] / count[i] : 0.0;
    }
    splitGap_.assign(sum.size(), 0.0f);
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
                splitGap_[cell(t, a, b)] = static_cast<float>(mean[cell(t, ma, mb)]);
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

std::string Tables::fileName() const {
    char name[64];
    // The number after "advisor" is the method's: other methods' tables are never taken.
    std::snprintf(name, sizeof name, "advisor7-%05x-%05x-%d.tables",
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

// Reads `count` values into `into` and adds their bytes to the checksum.
template <class T>
bool readInto(std::istream& in, std::vector<T>& into, std::size_t count, Checksum& sum) {
    into.resize(count);
    const auto bytes = static_cast<std::streamsize>(count * sizeof(T));
    in.read(reinterpret_cast<char*>(into.data()), bytes);
    sum.add(into.data(), count * sizeof(T));
    return static_cast<bool>(in);
}

template <class T>
void writeFrom(std::ostream& out, const T* data, std::size_t count, Checksum& sum) {
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count * sizeof(T)));
    sum.add(data, count * sizeof(T));
}

// The file's layout after the magic: universe, joined, rolls, the number of split gaps (32 bits
// each), the split gaps, the two tables (32-bit floats)
// and the checksum of everything before it (64 bits).
struct Header {
    std::uint32_t universe;
    std::uint32_t joined;
    std::uint32_t rolls;
    std::uint32_t gaps;
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
    in.read(magic, sizeof magic);
    in.read(reinterpret_cast<char*>(&h), sizeof h);
    sum.add(magic, sizeof magic);
    sum.add(&h, sizeof h);
    if (!in || std::memcmp(magic, Magic, sizeof Magic) != 0 || h.universe != layout_.universe ||
        h.joined != layout_.joined || h.rolls != static_cast<std::uint32_t>(layout_.maxRolls) ||
        (h.gaps != 0 && h.gaps != idx(layout_.maxRolls + 1) * Sides * Sides)) {
        return false;
    }
    // The big tables are read in place, so loading never holds them twice; the file must hold
    // exactly what is left of them first.
    const std::uintmax_t rest =
        (upper_.data().size() + lower_.data().size()) * sizeof(float) + sizeof(std::uint64_t);
    std::vector<float> gaps;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!readInto(in, gaps, h.gaps, sum) || error ||
        size != static_cast<std::uintmax_t>(in.tellg()) + rest ||
        !readInto(in, upper_.data(), upper_.data().size(), sum) ||
        !readInto(in, lower_.data(), lower_.data().size(), sum)) {
        return false;
    }
    std::uint64_t stored = 0;
    in.read(reinterpret_cast<char*>(&stored), sizeof stored);
    if (!in || stored != sum.value()) {
        return false;
    }
    splitGap_ = std::move(gaps);
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
                   static_cast<std::uint32_t>(splitGap_.size())};
    writeFrom(out, Magic, sizeof Magic, sum);
    writeFrom(out, &h, 1, sum);
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
                                     const Progress& progress, int threads) {
    Prepared prepared;
    prepared.tables = std::make_unique<Tables>(layout);
    Tables& tables = *prepared.tables;
    const std::filesystem::path file = folder / tables.fileName();
    if (!folder.empty() && tables.load(file)) {
        return prepared;
    }
    tables.solve(progress, threads);
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
        const float* a = upper_.row(first, upper);
        const float* b = lower_.row(second, 0);
        const int sideA = exact ? 0 : std::popcount(first);
        const int sideB = std::popcount(second);
        // A lower side with other lower categories than the joined ones takes their own gaps.
        const float* lowerGap = nullptr;
        if (sideA > 0 && !lowerGaps_.empty() && (second & ~layout_.joined) != 0) {
            lowerGap = &lowerGaps_[lowergaps::cell(
                0, std::min(sideA, lowergaps::UpperSides), std::min(sideB, lowergaps::LowerSides),
                lowergaps::upperStanding(first & UpperSet, upper))];
        }
        const std::size_t perRoll = lowergaps::cell(1, 1, 1, 0);
        for (int t = 0; t <= maxT; ++t) {
            const double gap = lowerGap != nullptr ? static_cast<double>(lowerGap[idx(t) * perRoll])
                                                   : splitGap(t, sideA, sideB);
            out[t] = std::max(out[t], bestShare(a, b, t) + gap);
        }
        if (moved == 0) {
            break;
        }
    }
}

} // namespace brisvane::advisor
