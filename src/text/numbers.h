// The number rules shared by every handler, each written once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vell {

// The leading decimal number of a text: blanks, tabs and line feeds are
// skipped wherever they stand ("1 2" reads 12); an optional sign, digits with
// at most one decimal point and an optional exponent. Reading stops at the
// first other character; 0 when there is no number.
double leadingNumber(std::string_view text);

// True when the whole text (blanks aside) reads as a number.
bool isWholeNumber(std::string_view text);

// Rounds half away from zero to a whole number.
double roundHalfAway(double x);
// Rounds half to the even neighbour.
double roundHalfEven(double x);

// A 16-bit signed whole number, rounded to the nearest whole number with
// halves away from zero (2.5 gives 3, -2.5 gives -3); values out of range
// are clamped rather than wrapped.
std::int16_t toInt16(double x);
// The same with halves to the even neighbour (2.5 gives 2), for the few
// rules that ask for it: the departure time and the trip time.
std::int16_t toInt16HalfEven(double x);

// Writes x with a pattern of zeros ("0", "000", "0000.0", "000.00", "0.000"):
// rounded half away from zero to the pattern's decimals, padded with leading
// zeros to at least its integer digits; more digits are written in full.
// The decimal separator is always the point.
std::string formatPattern(double x, std::string_view pattern);

}  // namespace vell
