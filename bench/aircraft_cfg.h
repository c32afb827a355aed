// The text of one generated aircraft.cfg: the simulator's layout with
// variant sections first, then the aircraft's data, about 17 KB with CR LF
// line ends, comments after values and blanks around "=" as hand-edited
// files have them. The same index gives the same bytes.
#pragma once

#include <string>

namespace vell::bench {

// The title of variant `variant` of aircraft `index`, as [fltsim.N] names it.
std::string aircraftTitle(int index, int variant);

// The folder name of aircraft `index` below the simulator's Aircraft folder.
std::string aircraftFolderName(int index);

// The cruise speed in knots that the file of aircraft `index` gives.
int aircraftCruiseSpeed(int index);

std::string aircraftCfgText(int index, int variants);

}  // namespace vell::bench
