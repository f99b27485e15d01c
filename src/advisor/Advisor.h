#pragma once
// The advisor: for any state of a game, every choice the rules allow (fill an open category
// that scores, or pick up some dice and roll them again), each with its expected final score,
// and a review of a finished game that separates the player's choices from the dice.
//
// Method. The whole game (2^20 sets of open categories, the upper points, 61 numbers of rolls
// left, 462 rolls on the table) is too large to solve exactly, so the advisor looks ahead
// exactly over what is left of the current turn and estimates the rest of the game:
//
// 1. Two tables are solved once by dynamic programming (see SubGame): the upper section
//    joined with Four and Five of a kind, Chance and Yatzy, with its bonus, and the lower
//    section alone; each for every set of its categories still open, every upper points value
//    and every number of rolls 0..60. They take about a minute to solve (one core) and are
//    kept in a file of the per-user data folder, about 50 MB (see Tables::loadOrSolve).
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
//    by rolls left and number of categories on either side (see Tables::splitGap); it is added
//    to every split, and the best split so corrected is the estimate.
// 4. What the estimate still misses on average, the more the more rolls are left, is
//    measured by games the advisor plays against itself when the tables are solved, and added
//    by rolls left (see Tables::leafCorrection). With these corrections the estimate is no
//    longer a proven floor, but play is much nearer to best play.
// 5. Over the current turn the advisor is exact (TurnSolver): after every possible roll it
//    weighs every placement (points, bonus, and the estimate of the rest) against every hand
//    of dice to keep, for every roll the turn may still spend.
//
// A decision costs one turn solve of a few thousand additions per roll left, and the solve is
// kept for the rest of the turn, so most decisions are only a look-up. Everything is
// deterministic: the same state always gets the same ranking.

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "advisor/DiceSpace.h"
#include "advisor/SubGame.h"
#include "advisor/TurnSolver.h"

namespace brisvane::advisor {

// What the advisor's tables cover.
struct TableLayout {
    CategorySet universe = AllCategories; // the categories of the game
    // Lower categories solved together with the upper section: those that a hunt for many
    // dice of one face serves as well, and Chance, where a failed hunt ends.
    CategorySet joined = bitOf(category::FourKind) | bitOf(category::FiveKind) |
                         bitOf(category::Chance) | bitOf(category::Yatzy);
    int maxRolls = 60;
    // Games the advisor plays against itself (twice) after solving, to measure what its
    // estimate misses on average (see Tables::correction); 0 = none.
    int calibrationGames = 2000;
};

class Tables {
public:
    explicit Tables(const TableLayout& layout = {});

    const TableLayout& layout() const { return layout_; }
    const SubGame& upperPart() const { return upper_; }
    const SubGame& lowerPart() const { return lower_; }

    void solve(const Progress& progress = {});
    // The file name the tables of this layout are kept under.
    std::string fileName() const;
    // Loads the tables from `file`; false when the file is missing or is not exactly tables
    // of this layout. Nothing is changed then, except by a read that fails half-way (an I/O
    // error), which leaves the values to be solved again.
    bool load(const std::filesystem::path& file);
    // Writes the tables through a temporary file, so a reader never sees half of them.
    void save(const std::filesystem::path& file) const;
    // The tables of `layout` from `folder` (fileName()), solved and stored there when missing
    // or unreadable. A folder that cannot be written only costs the solve next time.
    static std::unique_ptr<Tables> loadOrSolve(const TableLayout& layout,
                                               const std::filesystem::path& folder,
                                               const Progress& progress = {});

    // The estimate of the points still to come with `open` (within the universe), the upper
    // points so far and t = 0..maxT rolls left, into out[0..maxT]: the best split of the rolls
    // with its gap (splitGap) added, or the exact value when one table holds all of `open`.
    void estimate(CategorySet open, int upper, int maxT, double* out) const;
    // Removes from `folder` the tables of this layout that an earlier method left there (about
    // 50 MB each for the whole game); tables of other layouts stay.
    void removeOlderMethods(const std::filesystem::path& folder) const;

    // Whether one table holds all of `open`: then the estimate is the exact value.
    bool solvesOutright(CategorySet open) const;

    // The split with its gap (splitGap) still misses some of what play that switches between
    // the sections makes, the more so the more rolls are left. Two corrections by rolls left
    // are measured when the tables are solved, each the mean, over the states with r rolls
    // left met in games the advisor plays against itself, of the points its play then made
    // beyond its expectation:
    // - leafCorrection(t), measured with the estimate alone, is added to the estimate after a
    //   placement with t rolls left, inside the advisor's decisions, unless one table holds
    //   all the open categories (then the estimate is exact); it mends the estimate's habit of
    //   valuing a saved roll too low;
    // - correction(r), measured with the corrected decisions, is added to every expected score
    //   shown for a state with r rolls left; it is the same for every choice of a state, so it
    //   moves no ranking, and at the start of a game it makes the expected score the mean score
    //   of those games.
    double leafCorrection(int rolls) const { return at(leafCorrection_, rolls); }
    double correction(int rollsLeft) const { return at(correction_, rollsLeft); }
    // What a split of t rolls between `first` open categories with the upper section and
    // `second` open categories in the lower table misses of best play, on average: measured
    // when the tables are solved, on the states of the upper table itself (where best play is
    // known exactly), split every way into the upper categories with some of the joined ones
    // and the other joined ones, over every upper points value they can have. Sides larger
    // than those states show take the nearest measured size. 0 when a side is empty.
    double splitGap(int rolls, int first, int second) const;

private:
    void measureSplitGaps();
    void calibrate(const Progress& progress);
    // Plays the calibration games; per rolls left, the mean of made minus expected points.
    std::vector<double> selfPlayMisses(const Progress& progress) const;
    static double at(const std::vector<double>& v, int i) {
        return v.empty() ? 0.0 : v[static_cast<std::size_t>(i)];
    }

    TableLayout layout_;
    SubGame upper_;
    SubGame lower_;
    std::vector<double> leafCorrection_; // by rolls left; empty = none
    std::vector<double> correction_;     // by rolls left; empty = none
    std::vector<double> splitGap_;       // by rolls, then categories per side; empty = none
};

// A state of a game as the advisor sees it.
struct Position {
    CategorySet open = AllCategories;
    int upper = 0;       // upper points so far
    int total = 0;       // points so far, the bonus included
    int rollsLeft = 60;  // rolls left in the game
    bool rolled = false; // dice lie on the table (false at the start of a turn)
    Dice dice{};         // the six faces, when rolled
};

struct Choice {
    enum class Kind { Fill, Roll };
    Kind kind = Kind::Roll;
    int category = 0;    // Fill: the category
    int points = 0;      // Fill: its points (the bonus not included)
    Counts rollAgain{};  // Roll: how many dice of each face to pick up and roll again
    double expected = 0; // expected final score after this choice
};

// "Fill Sixes (24)" or "Roll again 1 2 5" (the faces, ascending) or "Roll all six".
std::string describe(const Choice& choice);

class Advisor {
public:
    // `shifted`: the expected scores shown include the tables' correction (see
    // Tables::correction); without it they are the look-ahead's own values.
    explicit Advisor(const Tables& tables, bool shifted = true);

    const Tables& tables() const { return tables_; }

    // Every choice the rules allow, the advisor's choice first, then by expected final score
    // (highest first). Empty when the game is over. Throws std::invalid_argument for a state
    // the game cannot reach (a category outside the tables, rolls out of range, bad dice,
    // upper points the filled upper categories cannot make).
    std::vector<Choice> rank(const Position& position);
    // The expected final score of the state under the advisor's play: its best choice, or the
    // points made when the game is over.
    double expectedFinal(const Position& position);

    // Drops the turn solve kept for the next decision (for measuring the worst case).
    void forget() { solved_ = false; }

    // The turn solve for the open categories and upper points (0..84), to maxT rolls: the
    // advisor's own policy, for evaluating it exactly.
    const TurnSolver& turn(CategorySet open, int upper, int maxT);

private:
    double leaf(int k, int upper, int t);
    void check(const Position& position) const;
    // Adds the tables' correction for the rolls left to every expected score.
    void calibrated(std::vector<Choice>& choices, const Position& position) const;

    const Tables& tables_;
    bool shifted_;
    TurnSolver turn_;
    bool solved_ = false;
    // The estimate after filling category k with upper points u, per number of rolls, for
    // the turn solved last (empty = not computed yet).
    std::vector<std::vector<double>> leaves_;
};

// ---- Review of a recorded game ----

// One step of a recorded game.
struct Step {
    enum class Kind { Roll, Again, Fill };
    Kind kind = Kind::Roll;
    Dice dice{};      // Roll: the six faces on the table after the roll
    Counts again{};   // Again: the dice picked up, per face
    int category = 0; // Fill
    int line = 0;     // line of the record, for messages
};

// Reads a recorded game, one step a line; '#' starts a comment, blank lines are skipped:
//   roll D D D D D D   the six faces on the table after a roll
//   again F F ...      the faces of the dice picked up and rolled by the next roll
//   fill NAME          fills a category, by name (Sixes, FullStr, ...) or number 1..20
// Throws std::invalid_argument naming the line for anything else.
std::vector<Step> parseRecord(const std::string& text);
// The record of steps as text in the same form.
std::string formatRecord(const std::vector<Step>& steps);

struct Review {
    double expectedStart = 0; // the advisor's expected final score before the first roll
    double skill = 0;         // points the player's choices cost against the advisor's best
    int finalScore = 0;
    double luck = 0;   // final - expected start + skill cost
    int decisions = 0; // choices weighed
};

// Replays the record by the rules of the game from a new game (the tables' categories and
// rolls: 60 rolls and all twenty categories for the real game) and reviews it: at every
// choice the player's cost is the advisor's best expected score minus that of the choice
// made. Throws std::invalid_argument naming the line when a step breaks the rules
// (a fill that does not score, a roll with none left, kept dice that are not on the table)
// or when the record stops before the game is over.
Review review(Advisor& advisor, const std::vector<Step>& steps);

} // namespace brisvane::advisor
