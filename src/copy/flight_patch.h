// Patching the copied flight and plan: the new name, the description and,
// on request, the radio and autopilot presets. Every write is one key
// through the profile write, so the rest of each copy stays byte for byte.
// A patch that does not reach the disk stops the patching: the failure
// names the file.
#pragma once

#include <optional>
#include <string>

#include "copy/copy_failure.h"

namespace vell {

class Frm_Vell13;

// Title, description and plan name of the copied flight, title and
// description of the copied plan.
std::optional<CopyFailure> patchCopyNames(const Frm_Vell13& f, const std::string& flight, const std::string& plan,
                                          const std::string& baseName);

// The radio, course, heading, altitude and airspeed presets, written into the
// copied flight. Each field is read when its key is written; a field whose
// leading number is 0 is left out, except the airspeed, which is always
// written.
std::optional<CopyFailure> patchCopyPresets(const Frm_Vell13& f, const std::string& flight);

}  // namespace vell
