#include "copy/flight_patch.h"

#include "simfiles/profile.h"
#include "text/numbers.h"
#include "window/frm_vell13.h"

namespace vell {

void patchCopyNames(Frm_Vell13& f, const std::string& flight, const std::string& plan,
                    const std::string& baseName) {
    PUT_INI_ITEM(flight, "Main", "title", baseName);
    PUT_INI_ITEM(flight, "Main", "Description", f.Txt_Description.text());
    // The plan lies beside the flight under the same name now.
    PUT_INI_ITEM(flight, "GPS_Engine", "Filename", baseName);
    PUT_INI_ITEM(plan, "flightplan", "title", baseName);
    PUT_INI_ITEM(plan, "flightplan", "Description", f.Txt_Description.text());
}

namespace {

struct Preset {
    TextBox Frm_Vell13::*field;
    std::size_t freq;  // index into Txt_Freq when field is null
    const char* section;
    const char* key;
    const char* pattern;
    bool always;
};

constexpr std::size_t kNone = 99;

const Preset kPresets[] = {
    {nullptr, 0, "Avionics.0", "Nav1Active", "000.00", false},
    {nullptr, 1, "Avionics.0", "Nav1Standby", "000.00", false},
    {&Frm_Vell13::Txt_CRS, kNone, "Avionics.0", "OBS1", "000", false},
    {nullptr, 2, "Avionics.0", "Nav2Active", "000.00", false},
    {nullptr, 3, "Avionics.0", "Nav2Standby", "000.00", false},
    {nullptr, 4, "Avionics.0", "ADFActive", "000.0", false},
    {&Frm_Vell13::Txt_HDG, kNone, "AutoPilot.0", "HeadingValue", "000", false},
    {&Frm_Vell13::Txt_Cruise, kNone, "AutoPilot.0", "AltitudeValue", "0", false},
    {&Frm_Vell13::Txt_SPD, kNone, "AutoPilot.0", "AirspeedValue", "0", true},
};

}  // namespace

void patchCopyPresets(Frm_Vell13& f, const std::string& flight) {
    for (const Preset& p : kPresets) {
        const TextBox& box = p.field ? f.*p.field : f.Txt_Freq[p.freq];
        const double value = leadingNumber(box.text());
        if (value == 0 && !p.always) continue;
        PUT_INI_ITEM(flight, p.section, p.key, formatPattern(value, p.pattern));
    }
}

}  // namespace vell
