// Reading a scenario file: lines of a verb and its arguments, quoted
// arguments with their escapes, and blocks that run from `<<` to `end`.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vell::scenario {

struct Arg {
    std::string text;     // escapes resolved; $ROOT and $SEP still in place
    bool quoted = false;  // written in double quotes ("cancel" is a name, cancel a word)
};

struct ScriptLine {
    int number = 0;  // 1-based line number in the file
    std::vector<Arg> args;
    bool hasBlock = false;
    // The block's lines as they stand (no quote processing, no replacement).
    std::vector<std::string> block;
};

// A line the runner cannot read; carries the line number.
class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// Splits one line into arguments. Blanks and tabs separate them; an
// argument that begins with a double quote runs to the closing quote and
// may hold blanks and the escapes \" \\ \r \n \t (any other backslash
// stands for itself). Throws ScriptError for an unclosed quote.
std::vector<Arg> tokenize(std::string_view line, int lineNumber);

// Reads a whole scenario text. Blank lines and comments are dropped; a line
// whose last argument is a bare `<<` takes every following line up to one
// that is exactly `end` as its block. A CR before each LF belongs to the
// line end. Lines are numbered from firstLine.
std::vector<ScriptLine> parseScript(std::string_view text, int firstLine = 1);

// The same for lines already split (a block that is run as scenario lines).
std::vector<ScriptLine> parseLines(const std::vector<std::string>& lines, int firstLine);

// Replaces $ROOT and then $SEP.
std::string expand(std::string_view text, const std::string& root, const std::string& sep);

// A value for a message: in double quotes, with control characters and
// quotes escaped the way a scenario writes them.
std::string quote(std::string_view text);

}  // namespace vell::scenario
