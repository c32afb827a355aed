// Coordinate texts and great-circle distances, with the program's own
// constants: the circle constant 3.14159 and 60.074 NM per degree of arc.
#pragma once

#include <string>

namespace vell {

namespace profile {
class ProfileText;
}

inline constexpr double kPi = 3.14159;
inline constexpr double kNmPerDegree = 60.074;

double DegToRad(double deg);
double RadToDeg(double R);
// Arc cosine by the arctangent rule; 0 for x >= 1, kPi for x <= -1.
double Acos(double x);
// Central angle in radians.
double GC_ARC(double lat1, double lon1, double lat2, double lon2);

// Signed degrees of a coordinate text ("N47* 27.45'"), single precision.
// A latitude is negated for "S", a longitude for "W" (exact case).
float latitudeOf(const std::string& text);
float longitudeOf(const std::string& text);

// Distance in NM between two points given as coordinate texts.
float Get_DIST(const std::string& LATFR, const std::string& LONFR, const std::string& LATTO,
               const std::string& LONTO);
// Departure to destination of a plan file, pattern "0000", or "0".
std::string GC_DIST(const std::string& PLF);
// The same from the plan's text, read once by the caller.
std::string GC_DIST(const profile::ProfileText& plan);

}  // namespace vell
