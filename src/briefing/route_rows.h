// The route rows of a plan: one fixed-column row per waypoint with its leg
// and remaining distance, and the "Waypoint" lines of the briefing's route
// table.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vell {

class Frm_Vell13;
namespace profile {
class ProfileText;
}

namespace brf {

// Columns (first, width) of a route row.
struct Column {
    std::size_t first;
    std::size_t width;
};
inline constexpr Column kIdColumn{1, 5};
inline constexpr Column kLatColumn{8, 11};
inline constexpr Column kLonColumn{22, 12};
inline constexpr Column kLegColumn{36, 6};
inline constexpr Column kRemainingColumn{45, 6};
inline constexpr Column kAltitudeColumn{53, 5};
inline constexpr Column kAirwayColumn{60, 6};

// The empty row: 66 characters, commas in columns 6, 19, 33, 42, 51 and 59.
std::string routeRowTemplate();

// A waypoint value of the plan as a row (identifier, latitude, longitude,
// altitude, airway), in the FS 2004 or the FS 2002 field layout; nothing
// when the value has fewer fields than its layout needs.
std::optional<std::string> waypointRow(const std::string& value, bool fs2004Layout);

// The position texts as they stand in a row, trimmed (columns 8-18, 22-33).
std::string rowLatitude(const std::string& row);
std::string rowLongitude(const std::string& row);

// Reads waypoint.0, waypoint.1 ... of the plan's text until the first
// missing one, writes each leg distance into its row and adds it,
// unrounded, to total. Each row goes into Lst_Fplbrf as soon as it is made.
// Returns a text that says what was wrong when a waypoint could not be used
// (naming the plan by planPath), else empty; the rows before it stay.
std::string readRouteRows(Frm_Vell13& f, const profile::ProfileText& plan,
                          const std::string& planPath, bool fs2004Layout, float& total,
                          std::vector<std::string>& rows);

// Writes the remaining distance into every row, summed from the legs as
// they are displayed, and refills Lst_Fplbrf with the rows.
void writeRemainingDistances(Frm_Vell13& f, std::vector<std::string>& rows);

// Whole NM from the first row to the last; "0" without rows.
std::string greatCircleText(const std::vector<std::string>& rows);

// Appends one "Waypoint i=" line per row to Lst_BRF, with the airport
// altitudes of the departure and destination of PLANFILE (its text given)
// at both ends and the WpInfo heights of FLTFILE between; FLTFILE is read
// once, and only when there is a row between the ends. Returns a text that
// says what was wrong when a WpInfo value could not be used, else empty.
std::string appendRouteTable(Frm_Vell13& f, const profile::ProfileText& planFile,
                             const std::vector<std::string>& rows);

}  // namespace brf
}  // namespace vell
