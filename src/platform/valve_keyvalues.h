// Valve's text key-values, as Steam writes its library list
// (steamapps/libraryfolders.vdf): quoted or bare tokens, nested blocks in
// braces, "//" comments to the end of the line, and the escapes \\ and \"
// inside quotes. Only what the program needs of the format is read; a text
// that breaks off or does not close its blocks gives nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vell::valve {

struct KeyValue {
    std::string key;
    // The value of a plain pair; empty for a block.
    std::string value;
    // The pairs inside a block, in the text's order.
    std::vector<KeyValue> children;
    bool block = false;

    // The first child whose key is `name`, letter case ignored; null when
    // there is none.
    const KeyValue* child(std::string_view name) const;
};

// The pairs of the text's outermost level; nothing when the text is broken
// (a quote or a block left open, a closing brace too many, a key without a
// value).
std::optional<std::vector<KeyValue>> parseKeyValues(std::string_view text);

// The folders of Steam's libraries that a libraryfolders.vdf names, in the
// file's order: the current form ("libraryfolders" { "0" { "path" "..." } })
// and the older one ("LibraryFolders" { "1" "..." }). Only keys of digits
// count; keys are compared without regard to letter case. A broken text
// names none.
std::vector<std::string> libraryFolders(std::string_view text);

}  // namespace vell::valve
