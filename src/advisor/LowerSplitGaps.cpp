#include "advisor/LowerSplitGaps.h"

#include <algorithm>
#include <bit>

#include "advisor/Corrections.h"
#include "advisor/Tables.h"

namespace brisvane::advisor::lowergaps {
namespace {

std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

CategorySet notJoined(const Tables& tables) {
    return LowerSet & tables.layout().universe & ~tables.layout().joined;
}

} // namespace

int upperStanding(CategorySet openUpper, int upper) {
    if (upper >= BonusLine) {
        return Standings - 1;
    }
    int faces = 0;
    for (int k = 1; k <= 6; ++k) {
        faces += (openUpper & bitOf(k)) != 0 ? k : 0;
    }
    const int against = upper + 4 * faces - BonusLine;
    // Steps of 6 rounded down, also below the line.
    const int step = against >= 0 ? against / 6 : -((-against + 5) / 6);
    return std::clamp(step + 4, 0, Standings - 2);
}

void addGame(const Tables& tables, CategorySet lower, int maxRolls, Sums& sums, int threads) {
    const CategorySet all = UpperSet | lower;
    SubGame game(all, maxRolls);
    game.solve({}, threads);
    for (CategorySet open = all; open != 0; open = (open - 1) & all) {
        const CategorySet up = open & UpperSet;
        const CategorySet low = open & lower;
        if (up == 0 || low == 0) {
            continue;
        }
        const auto reach = reachableUpper(UpperSet & ~open);
        const int a = std::popcount(up);
        const int b = std::min(std::popcount(low), LowerSides);
        const float* split = tables.lowerPart().row(low, 0);
        for (int u = 0; u < UpperSlots; ++u) {
            if (!reach.test(idx(u))) {
                continue;
            }
            const int standing = upperStanding(up, u);
            const float* exact = game.row(open, u);
            const float* part = tables.upperPart().row(up, u);
            for (int t = 0; t <= maxRolls; ++t) {
                const std::size_t c = cell(t, a, b, standing);
                sums.gap[c] += static_cast<double>(exact[t]) - bestShare(part, split, t);
                sums.count[c] += 1;
            }
        }
    }
}

std::vector<float> finish(const Sums& sums) {
    std::vector<float> gaps(Cells, 0.0f);
    for (std::size_t first = 0; first < Cells; first += Standings) {
        double gap = 0;
        double count = 0;
        for (std::size_t s = first; s < first + Standings; ++s) {
            gap += sums.gap[s];
            count += sums.count[s];
        }
        for (std::size_t s = first; s < first + Standings; ++s) {
            const double mean = sums.count[s] > 0 ? sums.gap[s] / sums.count[s]
                                : count > 0       ? gap / count
                                                  : 0.0;
            gaps[s] = static_cast<float>(mean);
        }
    }
    for (int a = 1; a <= UpperSides; ++a) {
        for (int s = 0; s < Standings; ++s) {
            const double three = gaps[cell(FourMeasuredTo, a, 3, s)];
            const double four = gaps[cell(FourMeasuredTo, a, 4, s)];
            const double scale = three > 0.5 ? four / three : 1.0;
            for (int t = FourMeasuredTo + 1; t <= MaxRolls; ++t) {
                gaps[cell(t, a, 4, s)] =
                    static_cast<float>(static_cast<double>(gaps[cell(t, a, 3, s)]) * scale);
            }
        }
    }
    return gaps;
}

std::vector<float> measure(const Tables& tables, const Progress& progress, int threads) {
    const CategorySet others = notJoined(tables);
    std::vector<CategorySet> games;
    for (CategorySet lower = others; lower != 0; lower = (lower - 1) & others) {
        if (std::popcount(lower) <= LowerSides) {
            games.push_back(lower);
        }
    }
    const auto rollsFor = [](CategorySet lower) {
        return std::popcount(lower) < LowerSides ? MaxRolls : FourMeasuredTo;
    };
    std::vector<double> work;
    double total = 0;
    for (const CategorySet lower : games) {
        work.push_back(SubGame(UpperSet | lower, rollsFor(lower)).work());
        total += work.back();
    }
    Sums sums;
    double done = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        addGame(tables, games[i], rollsFor(games[i]), sums, threads);
        done += work[i];
        if (progress) {
            progress(done / total);
        }
    }
    return finish(sums);
}

std::string source(const std::vector<float>& gaps) {
    std::string text =
        "// The split gaps of the lower table's own splits (see LowerSplitGaps.h), measured by\n";
    text += "// `brisvane-sim gaps` on games of the upper section with one to four of the lower\n";
    text +=
        "// categories not joined with it. Write it anew with that command after a change to the\n";
    text += "// tables.\n\n";
    text += "#include <iterator>\n\n#include \"advisor/LowerSplitGaps.h\"\n\n";
    text += "namespace brisvane::advisor::lowergaps {\nnamespace {\n\n// clang-format off\n";
    text += "// By rolls left 0..60, open upper categories 1..6, lower categories 1..4 (a line\n";
    text += "// each), then the upper standing 0..8.\nconstexpr float Gaps[] = {\n";
    text += arrayText(gaps, Standings);
    text += "};\n// clang-format on\n\n} // namespace\n\nstd::vector<float> shipped() {\n";
    text += "    return {std::begin(Gaps), std::end(Gaps)};\n}\n\n";
    text += "} // namespace brisvane::advisor::lowergaps\n";
    return text;
}

} // namespace brisvane::advisor::lowergaps
