#include "nav/great_circle.h"

#include <cmath>
#include <vector>

#include "profile/profile_text.h"
#include "text/numbers.h"
#include "text/strings.h"

namespace vell {

double DegToRad(double deg) { return deg * kPi / 180.0; }

double RadToDeg(double R) { return R * 180.0 / kPi; }

double Acos(double x) {
    if (x >= 1.0) return 0.0;
    if (x <= -1.0) return kPi;
    if (x >= 0.0) return 2.0 * std::atan(std::sqrt((1.0 - x) / (1.0 + x)));
    return kPi - 2.0 * std::atan(std::sqrt((1.0 + x) / (1.0 - x)));
}

double GC_ARC(double lat1, double lon1, double lat2, double lon2) {
    const double x = std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon1 - lon2);
    return Acos(x);
}

namespace {

// Degrees before the first "*", minutes after it up to the character before
// the last one, which is always dropped.
float unsignedDegrees(const std::string& text) {
    const std::size_t star = text.find('*');
    if (star == std::string::npos || text.empty()) return 0.0F;
    const double degrees = star > 1 ? leadingNumber(std::string_view(text).substr(1, star - 1)) : 0.0;
    const std::size_t minutesFrom = star + 1;
    const std::size_t minutesTo = text.size() - 1;  // the last character is dropped
    const double minutes =
        minutesTo > minutesFrom ? leadingNumber(std::string_view(text).substr(minutesFrom, minutesTo - minutesFrom)) : 0.0;
    return static_cast<float>(degrees + minutes / 60.0);
}

}  // namespace

float latitudeOf(const std::string& text) {
    const float value = unsignedDegrees(text);
    return !text.empty() && text.front() == 'S' ? -value : value;
}

float longitudeOf(const std::string& text) {
    const float value = unsignedDegrees(text);
    return !text.empty() && text.front() == 'W' ? -value : value;
}

float Get_DIST(const std::string& LATFR, const std::string& LONFR, const std::string& LATTO,
               const std::string& LONTO) {
    if (LATFR == LATTO && LONFR == LONTO) return 0.0F;
    const float lat1 = latitudeOf(LATFR);
    const float lon1 = longitudeOf(LONFR);
    const float lat2 = latitudeOf(LATTO);
    const float lon2 = longitudeOf(LONTO);
    if (lat1 == lat2 && lon1 == lon2) return 0.0F;
    const double arc = GC_ARC(DegToRad(lat1), DegToRad(lon1), DegToRad(lat2), DegToRad(lon2));
    return static_cast<float>(RadToDeg(arc) * kNmPerDegree);
}

std::string GC_DIST(const std::string& PLF) { return GC_DIST(profile::ProfileText::read(PLF)); }

std::string GC_DIST(const profile::ProfileText& plan) {
    const std::string departure = plan.get("flightplan", "departure_id");
    const std::string destination = plan.get("flightplan", "destination_id");
    if (departure == destination) return "0";
    // A plan without one of the entries, or with an entry that holds no
    // position, has no distance to show.
    if (departure == "0" || destination == "0") return "0";
    const std::vector<std::string> from = splitCommas(departure);
    const std::vector<std::string> to = splitCommas(destination);
    if (from.size() < 4 || to.size() < 4) return "0";
    return formatPattern(Get_DIST(trim(from[1]), trim(from[2]), trim(to[1]), trim(to[2])), "0000");
}

}  // namespace vell
