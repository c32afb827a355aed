#include "script.h"

#include <cstdio>

namespace vell::scenario {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isIgnorable(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i])) ++i;
    return i == line.size() || line[i] == '#';
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t stop = lf == std::string_view::npos ? text.size() : lf;
        std::string_view line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // The text after the last line end is a line only when it holds something.
        if (lf != std::string_view::npos || !line.empty()) lines.emplace_back(line);
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}

}  // namespace

std::vector<Arg> tokenize(std::string_view line, int lineNumber) {
    std::vector<Arg> args;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i == line.size()) break;
        Arg arg;
        if (line[i] == '"') {
            arg.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i];
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (c == '\\' && i + 1 < line.size()) {
                    char n = line[i + 1];
                    char e = 0;
                    switch (n) {
                        case '"':
                            e = '"';
                            break;
                        case '\\':
                            e = '\\';
                            break;
                        case 'r':
                            e = '\r';
                            break;
                        case 'n':
                            e = '\n';
                            break;
                        case 't':
                            e = '\t';
                            break;
                        default:
                            break;
                    }
                    if (e != 0) {
                        arg.text += e;
                        i += 2;
                        continue;
                    }
                }
                arg.text += c;
                ++i;
            }
            if (!closed) throw ScriptError(lineNumber, "a quoted argument is not closed");
            if (i < line.size() && !isBlank(line[i]))
                throw ScriptError(lineNumber, "a closing quote must be followed by a blank");
        } else {
            while (i < line.size() && !isBlank(line[i])) arg.text += line[i++];
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::string lineName(const LineSource& source, int line) {
    if (!source) return "line " + std::to_string(line);
    return source->path + ":" + std::to_string(line);
}

std::vector<ScriptLine> parseLines(const std::vector<std::string>& lines, int firstLine,
                                   const LineSource& source) {
    std::vector<ScriptLine> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int number = firstLine + static_cast<int>(i);
        if (isIgnorable(lines[i])) continue;
        ScriptLine sl;
        sl.number = number;
        sl.source = source;
        try {
            sl.args = tokenize(lines[i], number);
        } catch (const ScriptError& e) {
            throw ScriptError(e.line(), e.what(), source);
        }
        if (!sl.args.empty() && !sl.args.back().quoted && sl.args.back().text == "<<") {
            sl.args.pop_back();
            sl.hasBlock = true;
            bool closed = false;
            for (++i; i < lines.size(); ++i) {
                if (lines[i] == "end") {
                    closed = true;
                    break;
                }
                sl.block.push_back(lines[i]);
            }
            if (!closed)
                throw ScriptError(number, "the block is not closed by a line \"end\"", source);
        }
        out.push_back(std::move(sl));
    }
    return out;
}

std::vector<ScriptLine> parseScript(std::string_view text, int firstLine,
                                    const LineSource& source) {
    return parseLines(splitLines(text), firstLine, source);
}

std::string expand(std::string_view text, const std::string& root, const std::string& sep) {
    auto replaceAll = [](std::string s, std::string_view what, const std::string& with) {
        std::size_t pos = 0;
        while ((pos = s.find(what, pos)) != std::string::npos) {
            s.replace(pos, what.size(), with);
            pos += with.size();
        }
        return s;
    };
    return replaceAll(replaceAll(std::string(text), "$ROOT", root), "$SEP", sep);
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\': {
                // Doubled only where it would read as an escape.
                // At the end it would read as an escaped closing quote.
                bool ambiguous = i + 1 == text.size();
                if (!ambiguous) {
                    char n = text[i + 1];
                    ambiguous = n == '"' || n == '\\' || n == 'r' || n == 'n' || n == 't';
                }
                out += ambiguous ? "\\\\" : "\\";
                break;
            }
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(c));
                    out += buf;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

}  // namespace vell::scenario
