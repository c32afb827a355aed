#include "simfiles/aircraft_catalogue.h"

#include <cmath>
#include <vector>

#include "platform/files.h"
#include "simfiles/flight_selection.h"
#include "profile/profile_text.h"
#include "text/numbers.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

// Aircraft faster than this preset the autopilot to this speed.
constexpr double kAutopilotCeiling = 250;

// Points Dir1 at a simulator root's flights, loads its aircraft and its
// airport note folder.
void chooseSimulator(Frm_Vell13& f, const std::string& root) {
    f.Dir1.setPath(root + SEP + "flights");
    GET_FSACFT(f, root);
    f.Lbl_Path.setCaption(root + SEP + "kiv");
}

}  // namespace

std::string catalogueSpeeds(const std::string& aircraftCfg) {
    return catalogueSpeeds(profile::ProfileText::read(aircraftCfg));
}

std::string catalogueSpeeds(const profile::ProfileText& aircraftCfg) {
    // The whole part of the cruise speed, not rounded.
    const double cruise =
        std::trunc(leadingNumber(aircraftCfg.get("Reference Speeds", "cruise_speed")));
    const std::string cruiseField = formatPattern(cruise, "000");
    const bool autothrottle =
        leadingNumber(aircraftCfg.get("autopilot", "autothrottle_available")) != 0;
    if (!autothrottle) return cruiseField + "000";
    return cruiseField + (cruise > kAutopilotCeiling ? "250" : cruiseField);
}

void GET_FSACFT(Frm_Vell13& f, const std::string& FS) {
    Reset_FORM(f);
    const std::string remembered = f.Dir1.path();

    // The folder list enumerates the aircraft folders, in its own order
    // (setting its path reads them anew).
    f.Dir1.setPath(FS + SEP + "Aircraft");
    const std::vector<std::string> aircraftFolders = f.Dir1.entries();

    f.Lst_ACFT.clear();
    // Each aircraft.cfg is read once, all into the same memory.
    std::string cfg;
    for (const std::string& folder : aircraftFolders) {
        // A folder without its aircraft.cfg holds no aircraft.
        if (!files::readInto(folder + SEP + "aircraft.cfg", cfg)) continue;
        const auto keys = profile::ProfileText::borrowed(cfg);
        const std::string prefix = catalogueSpeeds(keys);
        // The variants are numbered from 0; the first one missing ends them.
        for (int n = 0;; ++n) {
            const std::string title = keys.get("fltsim." + std::to_string(n), "title");
            if (title.empty() || title == "0") break;
            f.Lst_ACFT.addItem(prefix + "  " + title);
        }
    }

    f.Dir1.setPath(remembered);
}

void Opt_FS8_Click(Frm_Vell13& f) {
    chooseSimulator(f, f.FS8_PATH);
}

void Opt_FS9_Click(Frm_Vell13& f) {
    chooseSimulator(f, f.FS9_PATH);
}

}  // namespace vell
