#include "platform/yaml_line.h"

#include <vector>

#include "text/strings.h"

namespace vell::yaml {

namespace {

std::size_t indentOf(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
    return n;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A line that holds nothing for the reader: blank, or a comment.
bool isEmptyLine(std::string_view line) {
    const std::string_view t = trimmed(line);
    return t.empty() || t.front() == '#';
}

// The value after "key:" on the line, when the line is that key's.
std::optional<std::string_view> valueAfterKey(std::string_view line, std::string_view key) {
    const std::string_view t = trimmed(line);
    if (t.size() <= key.size() || t.substr(0, key.size()) != key || t[key.size()] != ':')
        return std::nullopt;
    const std::string_view rest = t.substr(key.size() + 1);
    if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') return std::nullopt;
    return trimmed(rest);
}

std::optional<std::string> unquoted(std::string_view v) {
    if (v.empty()) return std::nullopt;
    const char q = v.front();
    if (q == '\'' || q == '"') {
        std::string out;
        for (std::size_t i = 1; i < v.size(); ++i) {
            const char c = v[i];
            if (q == '\'' && c == '\'') {
                if (i + 1 < v.size() && v[i + 1] == '\'') {
                    out += '\'', ++i;
                    continue;
                }
                return out.empty() ? std::nullopt : std::optional<std::string>(out);
            }
            if (q == '"' && c == '\\' && i + 1 < v.size()) {
                const char e = v[++i];
                out += e == 't' ? '\t' : e == 'n' ? '\n' : e;
                continue;
            }
            if (q == '"' && c == '"')
                return out.empty() ? std::nullopt : std::optional<std::string>(out);
            out += c;
        }
        return std::nullopt;  // the quote is never closed
    }
    // A plain value ends before " #", where a comment begins.
    const std::size_t comment = v.find(" #");
    const std::string_view plain = trimmed(v.substr(0, comment));
    if (plain.empty() || plain == "|" || plain == ">" || plain == "~" || plain == "null")
        return std::nullopt;
    return std::string(plain);
}

}  // namespace

std::optional<std::string> lineValue(std::string_view text, std::string_view block,
                                     std::string_view key) {
    const std::vector<std::string> lines = splitLines(text);
    bool inBlock = block.empty();
    std::size_t childIndent = 0;  // the indent of the block's own keys, once seen
    for (const std::string& line : lines) {
        if (isEmptyLine(line)) continue;
        const std::size_t indent = indentOf(line);
        if (indent == 0) {
            if (!block.empty()) {
                const auto opens = valueAfterKey(line, block);
                inBlock = opens && (opens->empty() || opens->front() == '#');
                childIndent = 0;
                continue;
            }
            if (const auto v = valueAfterKey(line, key)) return unquoted(*v);
            continue;
        }
        if (!inBlock || block.empty()) continue;
        if (childIndent == 0) childIndent = indent;
        if (indent != childIndent) continue;  // deeper: a block of another key
        if (const auto v = valueAfterKey(line, key)) return unquoted(*v);
    }
    return std::nullopt;
}

}  // namespace vell::yaml
