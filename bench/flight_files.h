// The texts of generated flights: a saved flight (.FLT) of FS 2004 with its
// GPS section naming the plan, the flight plan (.PLN) with its waypoints,
// and a large profile file for single-key lookups. CR LF line ends; the
// same arguments give the same bytes.
#pragma once

#include <string>

namespace vell::bench {

struct FlightText {
    std::string title;
    std::string description;
    std::string aircraft;  // a title of the aircraft catalogue
    // The plan's path without ".pln", as the simulator writes Filename=.
    std::string planWithoutExtension;
    int waypoints = 2;
    int hours = 12;
    int minutes = 0;
    int seed = 0;
};

std::string savedFlightText(const FlightText& flight);

// A plan of `waypoints` waypoints (at least two: the airports), FS 2004
// layout, seeded so that routes differ.
std::string flightPlanText(int waypoints, int seed);

// A profile file of about `bytes` bytes in sections of keys. The first
// key, a key about the middle and the last key are named by the functions
// below; the last section is `lastSectionName()`.
std::string largeProfileText(std::size_t bytes);
struct ProfileKey {
    std::string section;
    std::string key;
};
ProfileKey firstProfileKey();
ProfileKey middleProfileKey(const std::string& text);
ProfileKey lastProfileKey(const std::string& text);

}  // namespace vell::bench
