// Lines built by writing values in place into a template: a value fills at
// most its column width, left-aligned, and the line never changes length.
#pragma once

#include <string>
#include <string_view>

namespace vell {

// Writes value into line at the 1-based column, cut to width and to the
// line's end; the line keeps its length.
void writeColumn(std::string& line, std::size_t column, std::size_t width, std::string_view value);

}  // namespace vell
