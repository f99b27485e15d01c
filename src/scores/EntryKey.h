#pragma once
// The entry key of a finished game: four numbers written one after the other, R (1..9, random),
// B = 1000 - points - 11R, C = 9999 - date number - R and A = version number + 12 - R. The
// highscore service checks a submitted result against it.

#include "common/Ports.h"

#include <string>

namespace brisvane {

// Month + 100 * two-digit year: February 2002 is 202, December 2011 is 1112.
int dateNumber(const DateTime& when);

// 100 * first character + last character of the version text, each read as a digit (a
// non-digit counts 0): "7.0" is 700.
int versionNumber(const std::string& programVersion);

// R: the generator seeded with the seconds since midnight, then one draw scaled to 1..9.
int drawKeyDigit(Random& random, const Clock& clock);

std::string entryKey(int r, int totalScore, int dateNumber, int versionNumber);

} // namespace brisvane
