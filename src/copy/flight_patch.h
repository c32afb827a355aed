// Patching the copied flight and plan: the new name, the description and,
// on request, the radio and autopilot presets. Every write is one key
// through PUT_INI_ITEM, so the rest of each copy stays byte for byte.
#pragma once

#include <string>

namespace vell {

class Frm_Vell13;

// Title, description and plan name of the copied flight, title and
// description of the copied plan.
void patchCopyNames(Frm_Vell13& f, const std::string& flight, const std::string& plan,
                    const std::string& baseName);

// The radio, course, heading, altitude and airspeed presets, written into the
// copied flight. Each field is read when its key is written; a field whose
// leading number is 0 is left out, except the airspeed, which is always
// written.
void patchCopyPresets(Frm_Vell13& f, const std::string& flight);

}  // namespace vell
