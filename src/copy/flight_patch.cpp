#include "copy/flight_patch.h"

#include "profile/profile.h"
#include "text/numbers.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

std::optional<CopyFailure> patch(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value) {
    if (writeIniItem(file, section, key, value)) return std::nullopt;
    return CopyFailure{"The copy could not be changed to its new name and settings", file};
}

}  // namespace

std::optional<CopyFailure> patchCopyNames(const Frm_Vell13& f, const std::string& flight,
                                          const std::string& plan, const std::string& baseName) {
    const std::string& description = f.Txt_Description.text();
    if (auto e = patch(flight, "Main", "title", baseName)) return e;
    if (auto e = patch(flight, "Main", "Description", description)) return e;
    // The plan lies beside the flight under the same name now.
    if (auto e = patch(flight, "GPS_Engine", "Filename", baseName)) return e;
    if (auto e = patch(plan, "flightplan", "title", baseName)) return e;
    return patch(plan, "flightplan", "Description", description);
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

std::optional<CopyFailure> patchCopyPresets(const Frm_Vell13& f, const std::string& flight) {
    for (const Preset& p : kPresets) {
        const TextBox& box = p.field ? f.*p.field : f.Txt_Freq[p.freq];
        const double value = leadingNumber(box.text());
        if (value == 0 && !p.always) continue;
        if (auto e = patch(flight, p.section, p.key, formatPattern(value, p.pattern))) return e;
    }
    return std::nullopt;
}

}  // namespace vell
