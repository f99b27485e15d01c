#pragma once
// The advisor's tables and its estimate of the rest of a game.
//
// The whole game (2^20 sets of open categories, the upper points, 61 numbers of rolls left,
// 462 rolls on the table) is too large to solve exactly, so the advisor looks ahead exactly
// over what is left of the current turn (see Advisor) and estimates the rest of the game:
//
// 1. Two tables are solved once by dynamic programming (see SubGame): the upper section
//    joined with Four and Five of a kind, Chance and Yatzy, with its bonus, and the lower
//    section alone; each for every set of its categories still open, every upper points value
//    and every number of rolls 0..60. They are solved on every core, at the priority of the
//    thread that asks, and kept as 32-bit floats in a file of the per-user data folder, about
//    25 MB with a checksum (see Tables::loadOrSolve).
// 2. The rest of the game after a placement is estimated by giving each of two parts of the
//    open categories its own share of the rolls left, and taking the best share: the upper
//    section with some of the joined categories, and the other lower categories; every way to
//    put the open joined categories on either side counts, and the best is taken. Playing the
//    two parts one after the other with those shares is a legal way to play, so this split
//    never promises more than best play reaches on average.
// 3. That floor misses what play gains by moving rolls between the parts as the dice fall,
//    and by filling a category of one part with dice meant for the other: with six upper and
//    three lower categories open and 27 rolls left, close to 30 points. What a split misses is
//    measured once, where best play is known: on the states of the upper table, split into
//    the upper categories with some of the joined ones and the other joined ones, as the mean
//    by rolls left and number of categories on either side (see Tables::splitGap). Splits
//    whose lower side holds other lower categories (straights, pairs, houses) miss other
//    amounts: for the whole game those gaps are measured on games of the upper section with
//    such categories and shipped (see LowerSplitGaps.h). The gap is added to every split, and
//    the best split so corrected is the estimate.
// 4. What the estimate and the advisor's values still miss of what its own play makes is
//    fitted once, on games it plays, kept in the source for the whole game and added (see
//    Tables::leafCorrection, Tables::valueCorrection and Corrections.h). With these
//    corrections the estimate is no longer a proven floor, but the values the advisor shows
//    are what its play makes on average, and the review's luck is the dice.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "advisor/SubGame.h"

namespace brisvane::advisor {

// What the advisor's tables cover.
struct TableLayout {
    CategorySet universe = AllCategories; // the categories of the game
    // Lower categories solved together with the upper section: those that a hunt for many
    // dice of one face serves as well, and Chance, where a failed hunt ends.
    CategorySet joined = bitOf(category::FourKind) | bitOf(category::FiveKind) |
                         bitOf(category::Chance) | bitOf(category::Yatzy);
    int maxRolls = 60;

    bool operator==(const TableLayout&) const = default;
};

// The best of a[s] + b[t - s] over the shares s = 0..t: t rolls shared between two parts of a
// game, given each part's values by rolls (rows of the tables).
double bestShare(const float* a, const float* b, int t);

class Tables {
public:
    explicit Tables(const TableLayout& layout = {});

    const TableLayout& layout() const { return layout_; }
    const SubGame& upperPart() const { return upper_; }
    const SubGame& lowerPart() const { return lower_; }

    // Solves the tables on `threads` threads (see parallelFor). The corrections stay as they
    // are: the shipped ones for the whole game, none for other layouts.
    void solve(const Progress& progress = {}, int threads = 1);
    // The file name the tables of this layout are kept under.
    std::string fileName() const;
    // Loads the tables from `file`; false when the file is missing, is not tables of this
    // layout, or its contents do not match the checksum it carries. Nothing is changed then,
    // except by a read that gets as far as the tables, which leaves them to be solved again.
    bool load(const std::filesystem::path& file);
    // Writes the tables through a temporary file of its own name, renamed over `file` at the
    // end, so a reader never sees half of them and two writers never mix. Throws
    // std::runtime_error when it cannot (a full disk, a folder not writable).
    void save(const std::filesystem::path& file) const;

    struct Prepared {
        std::unique_ptr<Tables> tables;
        bool solved = false; // not found in the folder (or not good): solved now
        std::string notKept; // why tables solved now could not be kept; empty when kept
    };
    // The tables of `layout` from `folder` (fileName()), solved on `threads` threads and kept
    // there when missing or not good. A folder that cannot be written only costs the solve
    // next time.
    static Prepared loadOrSolve(const TableLayout& layout, const std::filesystem::path& folder,
                                const Progress& progress = {}, int threads = 1);

    // The estimate of the points still to come with `open` (within the universe), the upper
    // points so far and t = 0..maxT rolls left, into out[0..maxT]: the best split of the rolls
    // with its gap (splitGap) added, or the exact value when one table holds all of `open`.
    // The leaf correction is not included.
    void estimate(CategorySet open, int upper, int maxT, double* out) const;

    // Whether one table holds all of `open`: then the estimate is the exact value.
    bool solvesOutright(CategorySet open) const;

    // The corrections fitted by the advisor's own play (see Corrections.h), 0 where one
    // table holds all of `open` (the values are exact there):
    // - leafCorrection: what the estimate misses, on average over the advisor's placements
    //   that leave t rolls, of the points its play makes after them; added to the estimate
    //   after a placement, inside the advisor's decisions;
    // - valueCorrection: what the advisor's expected score at a turn's start misses of one
    //   turn more of its own play, on average over turn starts with t rolls left and that
    //   many upper and lower categories open; added to every choice of such a state, so it
    //   moves no ranking.
    double leafCorrection(CategorySet open, int rolls) const;
    double valueCorrection(CategorySet open, int rolls) const;
    struct Corrections {
        std::vector<float> leaf;  // by rolls 0..maxRolls; empty = none
        std::vector<float> value; // by valueCell(rolls, open upper, open lower); empty = none
        // Added to `value` for each category open and each two categories open together, by
        // openCell(categories open, a, b) with a <= b (a == b for one category): the categories
        // that are harder to fill than their cell's others, or easier, alone and together.
        std::vector<float> open; // empty = none
    };
    const Corrections& corrections() const { return corrections_; }
    // Throws std::invalid_argument for corrections of another size than the tables' rolls.
    void setCorrections(Corrections corrections);
    static std::size_t valueCell(int rolls, int upperOpen, int lowerOpen);
    static constexpr std::size_t OpenTerms = CategoryCount * (CategoryCount + 1) / 2;
    static std::size_t openCell(int open, int a, int b) {
        return static_cast<std::size_t>(open) * OpenTerms +
               static_cast<std::size_t>((b - 1) * b / 2 + a - 1);
    }
    static constexpr std::size_t OpenCells = (CategoryCount + 1) * OpenTerms;
    // Calls f(openCell(0, a, b)) for every category open in `open` (a == b) and every two (a < b).
    template <class F> static void forOpenTerms(CategorySet open, F&& f) {
        for (int b = 1; b <= CategoryCount; ++b) {
            if ((open & bitOf(b)) == 0) {
                continue;
            }
            for (int a = 1; a <= b; ++a) {
                if ((open & bitOf(a)) != 0) {
                    f(openCell(0, a, b));
                }
            }
        }
    }
    std::size_t valueCells() const { return valueCell(layout_.maxRolls + 1, 0, 0); }
    // What a split of t rolls between `first` open categories with the upper section and
    // `second` open categories in the lower table misses of best play, on average: measured
    // when the tables are solved, on the states of the upper table itself (where best play is
    // known exactly), split every way into the upper categories with some of the joined ones
    // and the other joined ones, over every upper points value they can have. Sides larger
    // than those states show take the nearest measured size. 0 when a side is empty.
    double splitGap(int rolls, int first, int second) const;

private:
    void measureSplitGaps();

    TableLayout layout_;
    SubGame upper_;
    SubGame lower_;
    Corrections corrections_;
    std::vector<float> splitGap_; // by rolls, then categories per side; empty = none
    // The gaps of splits whose lower side holds categories not joined (see LowerSplitGaps.h):
    // the shipped ones for the whole game, none for other layouts.
    std::vector<float> lowerGaps_;
};

} // namespace brisvane::advisor
