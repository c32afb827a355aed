// The properties of a field as a scenario reads them: text, caption, value,
// enabled, visible, checked, index, count, item(I), path, pattern.
#pragma once

#include <string>

#include "window/fields.h"

namespace vell::scenario {

// "text box", "check box" ...: for messages.
const char* kindName(FieldKind kind);

struct PropertyValue {
    bool ok = false;
    std::string value;  // the property as a text (booleans 1/0)
    std::string error;  // why the field has no such property
};

PropertyValue readProperty(const Field& field, const std::string& property);

}  // namespace vell::scenario
