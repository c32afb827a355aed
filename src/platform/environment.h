// The process's environment variables, for the scenario runner and tests
// that give the program a setting of its own (WINEPREFIX, HOME).
#pragma once

#include <optional>
#include <string>

namespace vell {

// The variable's value; nothing when it is not set.
std::optional<std::string> environmentValue(const std::string& name);
// Sets the variable, or removes it when value is nothing. On Windows an
// empty value removes it as well.
void setEnvironmentValue(const std::string& name, const std::optional<std::string>& value);

}  // namespace vell
