// The content list FLIST.TXT: one fixed-column line for every flight of the
// folder shown by Dir1 that has a plan of the same name.
#pragma once

#include <string>
#include <unordered_map>

namespace vell {

class Frm_Vell13;
class ListBox;
namespace profile {
class ProfileText;
}

inline constexpr const char* kContentListHeader =
    "SET    TITLE                        DEP   DEST  DIST ALT   STA   EET   AIRCRAFT"
    "                               DESCRIPTION";

// Asks for the list's identifier and writes FLIST.TXT into the folder of Dir1.
void mnu_datalist_Click(Frm_Vell13& f);

// The first entry of the aircraft catalogue that holds an aircraft's name,
// searched once for each name: a list names the same aircraft many times.
class CatalogueLookup {
public:
    explicit CatalogueLookup(const ListBox& catalogue) : catalogue_(catalogue) {}
    // Null when no entry holds it.
    const std::string* firstHolding(const std::string& aircraft);

private:
    const ListBox& catalogue_;
    std::unordered_map<std::string, const std::string*> found_;
};

// The line of one flight and its plan: the identifier, the flight's title,
// the plan's airports, distance and altitude, the departure and trip times,
// the aircraft, and the description from column 111 on. The trip time comes
// from the first entry of the aircraft catalogue that holds the aircraft.
std::string contentListLine(const std::string& setId, const profile::ProfileText& flight,
                            const profile::ProfileText& plan, CatalogueLookup& catalogue);

// Trip time "HH:MM" for a distance in NM at a cruise speed in knots, with
// 0.3 h added and the minutes rounded to 5; empty when the speed is not
// positive.
std::string listTripTime(double distance, double speed);

}  // namespace vell
