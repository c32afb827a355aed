#include "briefing/route_rows.h"

#include <cmath>
#include <optional>

#include "nav/great_circle.h"
#include "profile/profile_text.h"
#include "text/fixed_columns.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell::brf {

namespace {

// Field numbers (from 1) of a waypoint value.
struct Layout {
    std::size_t id;
    std::size_t lat;
    std::size_t lon;
    std::size_t alt;
    std::size_t airway;  // the highest field a value must have
};
constexpr Layout kFs2004Layout{2, 6, 7, 8, 9};
constexpr Layout kFs2002Layout{1, 3, 4, 5, 6};

// Flight-file heights are turned into feet, cut to hundreds.
constexpr double kHeightToHundredFeet = 0.0329;

void put(std::string& row, Column c, const std::string& value) {
    writeColumn(row, c.first, c.width, value);
}

std::string columnText(const std::string& row, Column c) { return trim(mid(row, c.first, c.width)); }

// The altitude in the nine characters that start nine before the end of an
// airport entry ("..., +000364.00" reads +000364.0). A shorter entry is read
// from its start.
double airportAltitude(const std::string& entry) {
    const std::string value = trim(entry);
    const std::size_t start = value.size() > 9 ? value.size() - 9 : 1;
    return leadingNumber(mid(value, start, 9));
}

// An altitude in its five columns: "00364"; below sea level the sign takes
// the first column ("-0011"), so that the number is neither cut nor unsigned.
std::string altitudeText(double feet) {
    const std::string text = formatPattern(feet, "00000");
    if (text.empty() || text[0] != '-') return text;
    return "-" + formatPattern(-feet, "0000");
}

}  // namespace

std::string routeRowTemplate() {
    return std::string(5, ' ') + "," + std::string(12, ' ') + "," + std::string(13, ' ') + "," +
           std::string(8, ' ') + "," + std::string(8, ' ') + "," + std::string(7, ' ') + "," +
           std::string(7, ' ');
}

std::optional<std::string> waypointRow(const std::string& value, bool fs2004Layout) {
    const Layout& layout = fs2004Layout ? kFs2004Layout : kFs2002Layout;
    // The appended comma closes the last field; a field counts when a comma
    // follows it, so the last part of the split is never a field.
    const std::vector<std::string> parts = splitCommas(value + ",");
    if (parts.size() - 1 < layout.airway) return std::nullopt;
    auto field = [&parts](std::size_t n) { return trim(parts[n - 1]); };

    std::string id = field(layout.id);
    if (!fs2004Layout && contains(value, "+LOCWAY")) id = trim(mid(id, 3, std::string::npos));

    std::string row = routeRowTemplate();
    put(row, kIdColumn, id);
    put(row, kLatColumn, field(layout.lat));
    put(row, kLonColumn, field(layout.lon));
    put(row, kAltitudeColumn, altitudeText(leadingNumber(field(layout.alt))));
    put(row, kAirwayColumn, field(layout.airway));
    return row;
}

std::string rowLatitude(const std::string& row) { return columnText(row, kLatColumn); }
std::string rowLongitude(const std::string& row) { return columnText(row, kLonColumn); }

std::string readRouteRows(Frm_Vell13& f, const profile::ProfileText& plan,
                          const std::string& planPath, bool fs2004Layout, float& total,
                          std::vector<std::string>& rows) {
    for (int n = 0;; ++n) {
        const std::string key = "waypoint." + std::to_string(n);
        const std::string value = plan.get("flightplan", key);
        if (value == "0") return {};
        std::optional<std::string> row = waypointRow(value, fs2004Layout);
        if (!row) {
            return "Cannot use the flight plan " + planPath + ": " + key + " has too few fields";
        }
        if (!rows.empty()) {
            const std::string& previous = rows.back();
            const float leg = Get_DIST(rowLatitude(previous), rowLongitude(previous), rowLatitude(*row),
                                       rowLongitude(*row));
            total += leg;
            put(*row, kLegColumn, formatPattern(leg, "0000.0"));
        }
        rows.push_back(*row);
        f.Lst_Fplbrf.addItem(*row);
    }
}

void writeRemainingDistances(Frm_Vell13& f, std::vector<std::string>& rows) {
    float remaining = 0.0F;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        put(*row, kRemainingColumn, formatPattern(remaining, "0000.0"));
        // The legs as the user reads them, so the column adds up.
        remaining = static_cast<float>(remaining + leadingNumber(mid(*row, kLegColumn.first, kLegColumn.width)));
    }
    f.Lst_Fplbrf.clear();
    for (const std::string& row : rows) f.Lst_Fplbrf.addItem(row);
}

std::string greatCircleText(const std::vector<std::string>& rows) {
    if (rows.empty()) return "0";
    const std::string& first = rows.front();
    const std::string& last = rows.back();
    return formatPattern(Get_DIST(rowLatitude(first), rowLongitude(first), rowLatitude(last), rowLongitude(last)),
                         "0");
}

std::string appendRouteTable(Frm_Vell13& f, const profile::ProfileText& planFile,
                             const std::vector<std::string>& rows) {
    std::optional<profile::ProfileText> flight;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        double altitude = 0.0;
        if (i == 0) {
            altitude = airportAltitude(planFile.get("flightplan", "departure_id"));
        } else if (i + 1 == rows.size()) {
            altitude = airportAltitude(planFile.get("flightplan", "destination_id"));
        } else {
            if (!flight) flight = profile::ProfileText::read(f.FLTFILE);
            const std::string key = "WpInfo" + std::to_string(i);
            const std::string info = flight->get("GPS_Engine", key);
            if (!info.empty() && info != "0") {
                const std::vector<std::string> parts = splitCommas(info);
                // The height is the third field and a comma must close it.
                if (parts.size() < 4) {
                    return "Cannot use the flight " + f.FLTFILE + ": " + key + " in [GPS_Engine] has too few fields";
                }
                altitude = std::floor(leadingNumber(trim(parts[2])) * kHeightToHundredFeet) * 100.0;
            }
        }
        std::string line = rows[i];
        put(line, kAltitudeColumn, altitudeText(altitude));
        f.Lst_BRF.addItem("Waypoint " + std::to_string(i) + "=" + line);
    }
    return {};
}

}  // namespace vell::brf
