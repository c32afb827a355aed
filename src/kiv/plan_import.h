// The KIV import: stamps the chosen plan with a systematic title, departure
// position and cruise altitude, and saves a copy of it as a simulator flight
// plan in the user's flights folder, carrying a KIV section with this
// program's version, the carrier and the flight number.
#pragma once

#include <string>
#include <vector>

namespace vell {

class Frm_Vell13;

// What the copy of a plan carries besides the source's own lines.
struct PlanCopyInput {
    // Runway and airport index of the KIV section: with 1 <= runway < airport
    // the waypoints runway to airport - 1 are cut out and waypoint airport
    // takes number runway.
    int runway = 0;
    int airport = 0;
    std::string carrier;       // trimmed
    std::string flightNumber;  // as typed
};

struct PlanCopy {
    // The output's bytes, every line ended by CR LF.
    std::string bytes;
    // A "[KIV]" line was copied, so no section was appended.
    bool hadKivSection = false;
};

// Copies the source's lines up to the stop line ("[NATPLOT]" or "Color"),
// renumbering waypoints, and appends a KIV section when the source had none.
PlanCopy copyKivPlan(const std::vector<std::string>& source, const PlanCopyInput& input);

// "DLH-0400_", "DLH_", "0400_" or empty.
std::string importNamePrefix(const std::string& carrier, const std::string& flightNumber);

void Cmd_KIV_Click(Frm_Vell13& f);

// Connects Cmd_KIV.
void wire_plan_import(Frm_Vell13& f);

}  // namespace vell
