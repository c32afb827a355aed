// One plain value of a small YAML file, read without a YAML library: the
// line "key: value" at the top level of the file, or directly inside a
// top-level block ("game:" followed by its indented lines, as a Lutris game
// file names its Wine prefix, "prefix:" under "game:"). Enough for the one
// or two lines the program reads of the files of other programs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vell::yaml {

// The value of `key` inside the top-level block `block`, or at the top level
// when `block` is empty: unquoted ('it''s', "a \"b\"") or as it stands, a
// comment after a plain value left out. Nothing when the line is missing,
// its value is empty, or it opens a block of its own.
std::optional<std::string> lineValue(std::string_view text, std::string_view block,
                                     std::string_view key);

}  // namespace vell::yaml
