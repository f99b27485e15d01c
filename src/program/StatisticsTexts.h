#pragma once
// The texts of the statistics window.

#include "common/TextKey.h"

namespace brisvane::statisticstext {

inline constexpr TextKey Title{"s41", "Statistics"};
inline constexpr TextKey Last100{"s42", "Last 100 games"};
inline constexpr TextKey ThisMonth{"s43", "This month"};
inline constexpr TextKey AllGames{"s44", "All games"};
inline constexpr TextKey PointsTitle{"s45", "Points per game"};
inline constexpr TextKey Average{"s46", "Average of 20 games"};
inline constexpr TextKey BestEver{"s47", "Best ever"};
inline constexpr TextKey BestEverOn{"s48", "Best ever: %1 on %2"};
inline constexpr TextKey Game{"s49", "Game"};
inline constexpr TextKey PointsSummary{
    "s50", "%1 games from %2 to %3: mean %4, best %5; the last 20 average %6."};
inline constexpr TextKey FinalPoints{"s51", "Final points"};
inline constexpr TextKey Games{"s52", "Games"};
inline constexpr TextKey MeanMedian{"s53", "Your mean %1, median %2"};
inline constexpr TextKey AdvisorMean{"s54", "the advisor's mean %1"};
inline constexpr TextKey SpreadSummary{"s55",
                                       "%1 games in steps of %2 points, most often %3 (%4 games)."};
inline constexpr TextKey CategoryMeans{"s56", "Mean points per category"};
inline constexpr TextKey Rates{"s57", "Bonus in %1 of games, Yatzy in %2"};
inline constexpr TextKey YourGames{"s58", "Your games"};
inline constexpr TextKey Date{"s59", "Date"};
inline constexpr TextKey Points{"s60", "Points"};
inline constexpr TextKey Cost{"s61", "Cost"};
inline constexpr TextKey Export{"s62", "Export..."};
inline constexpr TextKey ExportHelp{"s63", "Save the games of the list as a CSV file"};
inline constexpr TextKey NoGamesYet{"s64", "No games yet: finish a game and it is kept here."};
inline constexpr TextKey NoGamesInPeriod{"s65", "No games in this period."};
inline constexpr TextKey GameCount{"s68", "%1 games"};
inline constexpr TextKey NotWritten{"s69", "The games could not be written to %1 (%2)."};
inline constexpr TextKey FilledTitle{"s70", "How often each category was filled"};
inline constexpr TextKey You{"s71", "You"};
inline constexpr TextKey NoScores{"s72",
                                  "No category scores: the games taken in from the log have none."};
inline constexpr TextKey LuckTitle{
    "s73", "Luck and the cost of your choices, average of 20 reviewed games"};
inline constexpr TextKey NoReviews{"s74", "No reviewed games in this period."};
inline constexpr TextKey LuckSummary{"s75", "Over the last %1 reviewed games your choices cost %2 "
                                            "points a game on average, and luck gave %3."};
inline constexpr TextKey SpreadTab{"s76", "Spread"};
inline constexpr TextKey CategoriesTab{"s77", "Categories"};
inline constexpr TextKey FilledTab{"s78", "Filled"};
inline constexpr TextKey CostliestChoices{"s151", "Your costliest choices"};
inline constexpr TextKey ChooseAGame{"s152",
                                     "Choose a game in the list to see its costliest choices."};
inline constexpr TextKey NoRecord{"s153",
                                  "This game has no record of its steps to replay: the games "
                                  "taken in from the log have none."};
inline constexpr TextKey AdvisorPreparing{"s154", "The advisor is getting ready (%1 %); the "
                                                  "choices show as soon as it is."};
inline constexpr TextKey AdvisorUnavailable{"s155", "The advisor is not available."};
inline constexpr TextKey Unreplayable{"s156", "The record of this game cannot be replayed (%1)."};
inline constexpr TextKey Position{"s157", "Dice %1; rolls left: %2; open: %3"};
inline constexpr TextKey PositionPickedUp{"s158", "Dice %1 (%2 picked up and rolled again); rolls "
                                                  "left: %3; open: %4"};
inline constexpr TextKey ChoiceCost{"s159", "You: %1. The advisor: %2. Cost: %3 points."};
inline constexpr TextKey NothingCost{
    "s160", "No choice of yours in this game cost a tenth of a point or more."};
inline constexpr TextKey Reviewing{"s161", "The advisor is replaying this game..."};
// A label and its value ("%1: %2"; French sets a space before the colon).
inline constexpr TextKey Labelled{"s126", "%1: %2"};
// Texts of the final box, used here too.
inline constexpr TextKey ExpectedStart{"s36", "Expected at the start"};
inline constexpr TextKey Luck{"s38", "Luck"};
inline constexpr TextKey ChoicesCost{"s37", "Your choices cost"};
inline constexpr TextKey Close{"s25", "Close"};

} // namespace brisvane::statisticstext
