#include "flight_files.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "text_builder.h"

namespace vell::bench {

namespace {

struct Point {
    double lat;
    double lon;
};

// "N50* 1.99'": degrees and decimal minutes as the simulator writes them.
std::string coordinate(double value, char positive, char negative) {
    const char hemisphere = value < 0 ? negative : positive;
    const double a = std::fabs(value);
    int degrees = static_cast<int>(a);
    double minutes = std::round((a - degrees) * 60.0 * 100.0) / 100.0;
    if (minutes >= 60.0) {
        ++degrees;
        minutes = 0.0;
    }
    return std::string(1, hemisphere) + std::to_string(degrees) + "* " +
           Numbers::format(minutes, 2) + "'";
}

std::string position(Point p) {
    return coordinate(p.lat, 'N', 'S') + ", " + coordinate(p.lon, 'E', 'W');
}

std::string altitudeText(double feet) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%+010.2f", feet);
    return buf;
}

// A route that wanders eastwards in small steps from a seeded start, so a
// plan of ten thousand waypoints stays on the globe.
std::vector<Point> route(int waypoints, int seed) {
    Numbers n(static_cast<std::uint64_t>(seed) + 77);
    Point p{40.0 + n.whole(0, 150) / 10.0, -100.0 + n.whole(0, 400) / 10.0};
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(waypoints));
    for (int i = 0; i < waypoints; ++i) {
        points.push_back(p);
        p.lat += (n.whole(0, 200) - 100) / 1000.0;
        if (p.lat > 70 || p.lat < -70) p.lat = 0;
        p.lon += n.whole(20, 120) / 1000.0;
        if (p.lon > 179) p.lon -= 358;
    }
    return points;
}

std::string waypointId(int i) {
    std::string id;
    for (int k = 0; k < 5; ++k) {
        id += static_cast<char>('A' + i % 26);
        i /= 26;
    }
    return id;
}

std::string airportId(int seed, int which) {
    const char* regions[] = {"ED", "EG", "LF", "LE", "EH", "EK", "LO", "LI"};
    std::string id = regions[(seed * 3 + which) % 8];
    id += static_cast<char>('A' + (seed + which * 7) % 26);
    id += static_cast<char>('A' + (seed / 26 + which * 11) % 26);
    return id;
}

}  // namespace

std::string flightPlanText(int waypoints, int seed) {
    if (waypoints < 2) waypoints = 2;
    const std::vector<Point> points = route(waypoints, seed);
    const std::string from = airportId(seed, 0);
    const std::string to = airportId(seed, 1);
    TextBuilder t;
    t.section("flightplan");
    t.key("AppVersion", "9.1.40901");
    t.key("title", from + " to " + to);
    t.key("description", from + ", " + to);
    t.key("type", "IFR");
    t.key("routetype", "3");
    t.key("cruising_altitude", std::to_string(18000 + (seed % 20) * 1000));
    t.key("departure_id", from + ", " + position(points.front()) + ", " + altitudeText(364));
    t.key("departure_position", "PARKING 12");
    t.key("destination_id", to + ", " + position(points.back()) + ", " + altitudeText(53));
    t.key("departure_name", "Departure field " + from);
    t.key("destination_name", "Destination field " + to);
    for (int i = 0; i < waypoints; ++i) {
        const bool airport = i == 0 || i + 1 == waypoints;
        const std::string id = i == 0 ? from : i + 1 == waypoints ? to : waypointId(i);
        const std::string airway =
            airport ? "" : (i % 3 == 0 ? "UN" + std::to_string(i % 900) : "");
        t.key("waypoint." + std::to_string(i),
              std::string(airport ? "" : "ED") + ", " + id + ", , " + id + ", " +
                  (airport ? "A" : "I") + ", " + position(points[static_cast<std::size_t>(i)]) +
                  ", " + altitudeText(airport ? 364 : 0) + ", " + airway);
    }
    return t.text();
}

std::string savedFlightText(const FlightText& fl) {
    Numbers n(static_cast<std::uint64_t>(fl.seed) + 5);
    TextBuilder t;
    t.section("Main");
    t.key("Title", fl.title);
    t.key("Description", fl.description);
    t.key("AppVersion", "9.1.40901");
    t.key("FlightVersion", "1");

    t.section("Options");
    t.key("Sound", "True");
    t.key("Pause", "False");
    t.key("PauseOnTaskSwitch", "False");
    t.key("TimeScale", "1");

    for (int w = 1; w <= 3; ++w) {
        t.section("Window." + std::to_string(w));
        t.key("Order", std::to_string(w - 1));
        t.key("Active", w == 1 ? "True" : "False");
        t.key("Undocked", "False");
        t.key("Maximized", w == 1 ? "True" : "False");
        t.key("ScreenUniCoords", "0, 0, 8192, 6144");
        t.key("CurrentCamera", "{B1386D92-4782-4682-A137-738E25D1BAB5}");
    }
    t.section("Camera.1.1");
    t.key("Guid", "{B1386D92-4782-4682-A137-738E25D1BAB5}");
    t.key("Zoom", "0.60");
    t.key("Translation", "0, 0, 0");
    t.key("Rotation", "0, 0, 0");

    t.section("Plane.0");
    t.key("Aircraft", fl.aircraft);
    t.section("ATC_Aircraft.0");
    t.key("ActiveFlightPlan", "True");
    t.key("RequestedFlightFollowing", "False");
    t.key("AcState", "ACSTATE_ENROUTE");
    t.key("AcPriority", "0");

    t.section("GPS_Engine");
    t.key("Filename", fl.planWithoutExtension);
    t.key("NumberofWaypoints", std::to_string(fl.waypoints));
    t.key("ActiveWaypoint", "1");
    // The heights of the waypoints between the airports, in metres.
    for (int i = 1; i + 1 < fl.waypoints; ++i)
        t.key("WpInfo" + std::to_string(i), "0, 0.000000, " + n.fixed(3000, 11000, 6) + ", 3,");

    t.section("DateTimeSeason");
    t.key("Season", "Summer");
    t.key("Year", "2004");
    t.key("Day", std::to_string(150 + fl.seed % 100));
    t.key("Hours", std::to_string(fl.hours));
    t.key("Minutes", std::to_string(fl.minutes));
    t.key("Seconds", "0");

    t.section("SimVars.0");
    t.key("Latitude", "N50* 1' 59.40\"");
    t.key("Longitude", "E8* 32' 30.60\"");
    t.key("Altitude", "+000364.00");
    for (const char* var : {"Pitch", "Bank", "Heading", "VelocityBodyX", "VelocityBodyY",
                            "VelocityBodyZ", "ElevatorTrim", "RudderTrim", "AileronTrim",
                            "AtcHeavy", "SimOnGround", "OnPlatform", "Refueling", "Attached"})
        t.key(var, n.fixed(-1, 1, 6));

    t.section("AutoPilot.0");
    t.key("AutoPilotSwitch", "False");
    t.key("AltitudeValue", std::to_string(18000 + (fl.seed % 20) * 1000));
    t.key("HeadingValue", std::to_string(n.whole(1, 360)));
    t.key("AirspeedValue", std::to_string(n.whole(220, 320)));
    t.key("VerticalSpeedValue", "1800");
    t.key("MachValue", "0.78");

    for (int e = 1; e <= 2; ++e) {
        t.section("Engine Parameters." + std::to_string(e));
        t.key("ThrottleLeverPct", "0.0");
        t.key("PropellerLeverPct", "1.0");
        t.key("MixtureLeverPct", "1.0");
        t.key("CowlFlapsPct", "0.0");
    }
    t.section("Freeze");
    t.key("Location", "False");
    t.key("Altitude", "False");
    t.key("Attitude", "False");
    t.section("Avionics.0");
    t.key("AvionicsSwitch", "True");
    t.key("Comm1Active", "121.900");
    t.key("Nav1Active", "114.200");
    t.key("Transponder", "1200");
    t.section("Weather");
    t.key("WeatherType", "1");
    t.key("DynamicWeather", "2");
    t.key("ThemeName", "Fair weather");
    return t.text();
}

std::string largeProfileText(std::size_t bytes) {
    Numbers n(30);
    TextBuilder t;
    int s = 0;
    while (t.size() < bytes) {
        t.section("section" + std::to_string(s));
        for (int k = 0; k < 20 && t.size() < bytes; ++k)
            t.key("key" + std::to_string(k), "value " + std::to_string(s) + "." +
                                                 std::to_string(k) + " " + n.fixed(0, 1e6, 3));
        ++s;
    }
    return t.text();
}

ProfileKey firstProfileKey() {
    return {"section0", "key0"};
}

namespace {

// The section and key of the line that starts at or after `from`.
ProfileKey keyAt(const std::string& text, std::size_t from) {
    std::string section;
    std::size_t pos = 0;
    std::string key;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        const std::string_view line(text.data() + pos, end - pos);
        if (!line.empty() && line.front() == '[') {
            section = std::string(line.substr(1, line.find(']') - 1));
        } else if (const auto eq = line.find('='); eq != std::string_view::npos) {
            key = std::string(line.substr(0, eq));
            if (pos >= from) return {section, key};
        }
        pos = end + 2;
    }
    return {section, key};
}

}  // namespace

ProfileKey middleProfileKey(const std::string& text) {
    return keyAt(text, text.size() / 2);
}

ProfileKey lastProfileKey(const std::string& text) {
    return keyAt(text, text.size());
}

}  // namespace vell::bench
