// Reading a scenario file: lines of a verb and its arguments, quoted
// arguments with their escapes, and blocks that run from `<<` to `end`.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vell::scenario {

struct Arg {
    std::string text;     // escapes resolved; $ROOT and $SEP still in place
    bool quoted = false;  // written in double quotes ("cancel" is a name, cancel a word)
};

// A file whose lines an `include` line of the scenario (or of another
// included file) stands for.
struct IncludedFile {
    std::string path;     // as messages name it: the including file's folder joined with PATH
    int includeLine = 0;  // the include line ...
    std::shared_ptr<const IncludedFile> includer;  // ... in this file; nullptr: the scenario's own
};

// Where a line was written: nullptr for the scenario's own lines.
using LineSource = std::shared_ptr<const IncludedFile>;

struct ScriptLine {
    int number = 0;  // 1-based line number in its file
    LineSource source;
    std::vector<Arg> args;
    bool hasBlock = false;
    // The block's lines as they stand (no quote processing, no replacement).
    std::vector<std::string> block;
};

// A line the runner cannot read; carries the line number and its file.
class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& what, LineSource source = nullptr)
        : std::runtime_error(what), line_(line), source_(std::move(source)) {}
    int line() const { return line_; }
    const LineSource& source() const { return source_; }

  private:
    int line_;
    LineSource source_;
};

// A line's place for a message: "line 4", or "worlds/fs2004.inc:4" for a
// line of an included file.
std::string lineName(const LineSource& source, int line);

// Splits one line into arguments. Blanks and tabs separate them; an
// argument that begins with a double quote runs to the closing quote and
// may hold blanks and the escapes \" \\ \r \n \t (any other backslash
// stands for itself). Throws ScriptError for an unclosed quote.
std::vector<Arg> tokenize(std::string_view line, int lineNumber);

// Reads a whole scenario text. Blank lines and comments are dropped; a line
// whose last argument is a bare `<<` takes every following line up to one
// that is exactly `end` as its block. A CR before each LF belongs to the
// line end. Lines are numbered from firstLine and written in source.
// `include` lines stay as they are (includes.h puts the files in place).
std::vector<ScriptLine> parseScript(std::string_view text, int firstLine = 1,
                                    const LineSource& source = nullptr);

// The same for lines already split (a block that is run as scenario lines).
std::vector<ScriptLine> parseLines(const std::vector<std::string>& lines, int firstLine,
                                   const LineSource& source = nullptr);

// Replaces $ROOT and then $SEP.
std::string expand(std::string_view text, const std::string& root, const std::string& sep);

// A value for a message: in double quotes, with control characters and
// quotes escaped the way a scenario writes them.
std::string quote(std::string_view text);

}  // namespace vell::scenario
