#include "text/fixed_columns.h"

#include <algorithm>

namespace vell {

void writeColumn(std::string& line, std::size_t column, std::size_t width, std::string_view value) {
    if (column < 1 || column > line.size()) return;
    const std::size_t at = column - 1;
    const std::size_t n = std::min({width, value.size(), line.size() - at});
    line.replace(at, n, value.substr(0, n));
}

}  // namespace vell
