#include "platform/paths.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "text/strings.h"

namespace vell::paths {

namespace {

bool isSep(char c) {
    return c == kSep;
}

// The collapsed text and, for each of its characters, where it stood in
// the original.
struct Collapsed {
    std::string text;
    std::vector<std::size_t> origin;
};

Collapsed collapse(std::string_view path) {
    Collapsed out;
    std::size_t i = 0;
    // A network path on Windows opens with two separators.
    if (kSep == '\\' && path.size() >= 2 && isSep(path[0]) && isSep(path[1])) {
        out.text = "\\\\";
        out.origin = {0, 1};
        i = 2;
        while (i < path.size() && isSep(path[i])) ++i;
    }
    const std::size_t first = i;
    for (; i < path.size(); ++i) {
        // The second and later separators of a run are left out.
        if (isSep(path[i]) && i > first && isSep(path[i - 1])) continue;
        out.text += path[i];
        out.origin.push_back(i);
    }
    return out;
}

// A root keeps its separator: "/" and "C:\".
bool isRoot(std::string_view path) {
    if (path.size() == 1 && isSep(path[0])) return true;
    return path.size() == 3 && path[1] == ':' && isSep(path[2]);
}

// The names of a path with "." left out and each ".." taking away the name
// before it; nothing when a ".." climbs above where the path starts. A path
// from the root begins with an empty name.
std::optional<std::vector<std::string_view>> followed(std::string_view path) {
    std::vector<std::string_view> names;
    if (!path.empty() && isSep(path[0])) names.emplace_back();
    const std::size_t fixed = names.size();
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = start;
        while (end < path.size() && !isSep(path[end])) ++end;
        const std::string_view name = path.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (names.size() == fixed) return std::nullopt;
            names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    return names;
}

}  // namespace

std::string collapsed(std::string_view path) {
    return collapse(path).text;
}

std::string tidy(std::string_view path) {
    std::string out = collapsed(path);
    if (out.size() > 1 && isSep(out.back()) && !isRoot(out) && out != "\\\\") out.pop_back();
    return out;
}

bool samePath(std::string_view a, std::string_view b) {
    return tidy(a) == tidy(b);
}

bool beginsWith(std::string_view path, std::string_view folder) {
    return startsWith(collapsed(path), collapsed(folder));
}

bool holds(std::string_view path, std::string_view part) {
    return contains(collapsed(path), collapsed(part));
}

std::optional<std::string> after(std::string_view path, std::string_view folder, bool ignoreCase) {
    const std::string wanted = ignoreCase ? upper(tidy(folder)) : tidy(folder);
    if (wanted.empty()) return std::nullopt;
    const Collapsed c = collapse(path);
    const std::string text = ignoreCase ? upper(c.text) : c.text;
    const std::size_t at = text.find(wanted);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t end = at + wanted.size();
    std::size_t cut = end < c.origin.size() ? c.origin[end] : path.size();
    while (cut < path.size() && isSep(path[cut])) ++cut;
    return std::string(path.substr(cut));
}

bool liesWithin(std::string_view path, std::string_view folder) {
    const auto inner = followed(path);
    const auto outer = followed(folder);
    if (!inner || !outer || outer->empty() || inner->size() <= outer->size()) return false;
    return std::equal(outer->begin(), outer->end(), inner->begin());
}

bool isAbsolute(std::string_view path) {
    if (path.empty()) return false;
    if (path[0] == '/' || path[0] == '\\') return true;
    return path.size() >= 2 && path[1] == ':';
}

}  // namespace vell::paths
