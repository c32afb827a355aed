#include "platform/wine_registry.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "text/strings.h"

namespace vell::wine {

namespace {

// A text of the file decoded: Windows-1252, and whether every character
// had a place in it (a name with a character outside it matches no name of
// ours).
struct Decoded {
    std::string text;
    bool exact = true;
};

void appendUnit(Decoded& out, unsigned unit) {
    if (unit < 0x80) {
        out.text += static_cast<char>(unit);
        return;
    }
    // One UTF-16 unit as UTF-8, then to the code page; a unit outside it
    // (a half of a surrogate pair among them) becomes '?'.
    std::string utf8;
    if (unit < 0x800) {
        utf8 += static_cast<char>(0xC0 | (unit >> 6));
    } else {
        utf8 += static_cast<char>(0xE0 | (unit >> 12));
        utf8 += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    }
    utf8 += static_cast<char>(0x80 | (unit & 0x3F));
    const std::string byte = utf8ToCp1252(utf8);
    if (byte == "?") out.exact = false;
    out.text += byte;
}

// \a \b \e \f \n \r \t \v and the control characters they stand for.
constexpr std::string_view kEscapeLetters = "abefnrtv";
constexpr std::string_view kEscapedControls = "\a\b\x1b\f\n\r\t\v";

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned hexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return static_cast<unsigned>(c - 'A' + 10);
}

// Reads a text of the file from line[i] up to the unescaped closing
// character `end`, and leaves i just after it. Nothing when the line ends
// first. Escapes as Wine writes them: \\ \" \[ \] (the character itself),
// \a \b \e \f \n \r \t \v, \x with one to four hex digits and \ with one to
// three octal digits, each a UTF-16 unit.
std::optional<Decoded> readText(std::string_view line, std::size_t& i, char end) {
    Decoded out;
    while (i < line.size()) {
        const char c = line[i];
        if (c == end) {
            ++i;
            return out;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            // Wine writes only ASCII; raw 8-bit bytes are read as UTF-8.
            const std::size_t start = i;
            while (i < line.size() && static_cast<unsigned char>(line[i]) >= 0x80) ++i;
            const std::string bytes = utf8ToCp1252(line.substr(start, i - start));
            if (bytes.find('?') != std::string::npos) out.exact = false;
            out.text += bytes;
            continue;
        }
        ++i;
        if (c != '\\') {
            out.text += c;
            continue;
        }
        if (i == line.size()) return std::nullopt;
        const char e = line[i++];
        if (const std::size_t letter = kEscapeLetters.find(e); letter != std::string_view::npos) {
            out.text += kEscapedControls[letter];
            continue;
        }
        if (e == 'x') {
            unsigned unit = 0;
            int digits = 0;
            while (digits < 4 && i < line.size() && isHexDigit(line[i])) {
                unit = unit * 16 + hexValue(line[i++]);
                ++digits;
            }
            if (digits == 0) {
                out.text += 'x';
            } else {
                appendUnit(out, unit);
            }
        } else if (e >= '0' && e <= '7') {
            unsigned unit = static_cast<unsigned>(e - '0');
            for (int digits = 1; digits < 3 && i < line.size() && line[i] >= '0' && line[i] <= '7';
                 ++digits) {
                unit = unit * 8 + static_cast<unsigned>(line[i++] - '0');
            }
            appendUnit(out, unit);
        } else {
            out.text += e;
        }
    }
    return std::nullopt;
}

// What one of the keys asked says of the value.
enum class Answer { Unknown, Absent, Present };

struct Candidate {
    std::string foldedKey;
    Answer answer = Answer::Unknown;
    std::string text;  // of a present string value
};

// One pass over the lines of a registry file for one value.
class Lookup {
  public:
    explicit Lookup(const RegistryQuery& query)
        : query_(query), foldedValue_(upperCp1252(query.valueName)) {}

    // Takes the next line (without its line end); true once the answer is
    // known and the rest of the file need not be read.
    bool feed(std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) return false;
        if (line.front() == '[') return keyLine(line);
        if (candidates_.empty()) {
            // The header, before the first key.
            if (line == "#arch=win64") win64_ = true;
            return false;
        }
        if (current_ != nullptr && (line.front() == '"' || line.front() == '@')) {
            valueLine(line);
            return decided();
        }
        return false;
    }

    // The answer after the last line.
    std::string result() {
        endKey();
        for (Candidate& c : candidates_) {
            if (c.answer == Answer::Present) return c.text;
        }
        return {};
    }

  private:
    void makeCandidates() {
        if (query_.view32 && win64_) {
            const std::size_t sep = query_.key.find('\\');
            const std::string first = query_.key.substr(0, sep);
            const std::string rest = sep == std::string::npos ? "" : query_.key.substr(sep);
            if (upperCp1252(first) == "SOFTWARE" && !startsWithFolded(rest, "\\WOW6432NODE")) {
                addCandidate(first + "\\Wow6432Node" + rest);
            }
        }
        addCandidate(query_.key);
    }

    void addCandidate(const std::string& key) {
        Candidate c;
        c.foldedKey = upperCp1252(key);
        candidates_.push_back(std::move(c));
    }

    static bool startsWithFolded(const std::string& s, const std::string& foldedPrefix) {
        if (upperCp1252(s.substr(0, foldedPrefix.size())) != foldedPrefix) return false;
        return s.size() == foldedPrefix.size() || s[foldedPrefix.size()] == '\\';
    }

    bool keyLine(std::string_view line) {
        if (candidates_.empty()) makeCandidates();
        endKey();
        std::size_t i = 1;
        const auto name = readText(line, i, ']');
        if (!name || !name->exact) return decided();
        const std::string folded = upperCp1252(name->text);
        for (Candidate& c : candidates_) {
            if (c.answer == Answer::Unknown && c.foldedKey == folded) {
                current_ = &c;
                break;
            }
        }
        return decided();
    }

    void valueLine(std::string_view line) {
        std::size_t i = 0;
        std::optional<Decoded> name;
        if (line.front() == '@') {
            name = Decoded{};
            i = 1;
        } else {
            i = 1;
            name = readText(line, i, '"');
        }
        if (!name || !name->exact || upperCp1252(name->text) != foldedValue_) return;
        if (i >= line.size() || line[i] != '=') return;
        ++i;
        current_->answer = Answer::Present;
        current_->text = stringData(line.substr(i));
        current_ = nullptr;
    }

    // The data after "=": "text" or str(N):"text"; anything else is no
    // string.
    static std::string stringData(std::string_view data) {
        if (data.substr(0, 4) == "str(") {
            const std::size_t close = data.find("):");
            if (close == std::string_view::npos) return {};
            data.remove_prefix(close + 2);
        }
        if (data.empty() || data.front() != '"') return {};
        std::size_t i = 1;
        const auto text = readText(data, i, '"');
        return text ? text->text : std::string();
    }

    // The key being read has ended: what it did not hold, it does not hold.
    void endKey() {
        if (current_ != nullptr && current_->answer == Answer::Unknown) {
            current_->answer = Answer::Absent;
        }
        current_ = nullptr;
    }

    // Known once the first key that may still hold the value does hold it,
    // or every key has been read without it.
    bool decided() const {
        for (const Candidate& c : candidates_) {
            if (c.answer == Answer::Present) return true;
            if (c.answer == Answer::Unknown) return false;
        }
        return !candidates_.empty();
    }

    const RegistryQuery& query_;
    const std::string foldedValue_;
    bool win64_ = false;
    std::vector<Candidate> candidates_;
    Candidate* current_ = nullptr;
};


// False only when no key line of the text can name the key: Wine writes a
// key line as "[parent\\\\name] time", so the key's last name, as Wine
// writes it, stands before a "]" (letter case aside). A name that Wine would
// write with escapes is not searched for.
bool mayHoldKey(std::string_view text, const std::string& key) {
    const std::size_t cut = key.rfind('\\');
    const std::string last = key.substr(cut == std::string::npos ? 0 : cut + 1);
    if (last.empty()) return true;
    for (char c : last) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || c == '"' || c == '[' || c == ']') return true;
    }
    const std::string tail = (cut == std::string::npos ? "[" : "\\\\") + last + "]";
    const auto fold = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    // Every "]" of the text, and the characters before it.
    for (std::size_t at = text.find(']', tail.size() - 1); at != std::string_view::npos;
         at = text.find(']', at + 1)) {
        const std::string_view before = text.substr(at + 1 - tail.size(), tail.size());
        if (std::equal(before.begin(), before.end(), tail.begin(),
                       [&](char a, char b) { return fold(a) == fold(b); }))
            return true;
    }
    return false;
}

// How much more room a read asks for when the buffer is full.
constexpr std::size_t kReadStep = 1u << 20;

}  // namespace

std::string queryRegistryText(std::string_view text, const RegistryQuery& query) {
    return queryRegistryText(text, std::vector<RegistryQuery>{query}).front();
}

std::string queryRegistryFile(const std::string& hostFile, const RegistryQuery& query) {
    return queryRegistryFile(hostFile, std::vector<RegistryQuery>{query}).front();
}

std::vector<std::string> queryRegistryText(std::string_view text,
                                           const std::vector<RegistryQuery>& queries) {
    std::vector<std::string> answers(queries.size());
    std::vector<Lookup> lookups;
    lookups.reserve(queries.size());
    std::vector<std::size_t> asked;  // the queries whose key may stand in the text
    for (std::size_t q = 0; q < queries.size(); ++q) {
        if (!mayHoldKey(text, queries[q].key)) continue;
        lookups.emplace_back(queries[q]);
        asked.push_back(q);
    }
    std::vector<bool> done(lookups.size(), false);
    std::size_t open = lookups.size();
    std::size_t start = 0;
    while (open > 0 && start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        for (std::size_t i = 0; i < lookups.size(); ++i) {
            if (done[i] || !lookups[i].feed(line)) continue;
            done[i] = true;
            --open;
        }
        start = end + 1;
    }
    for (std::size_t i = 0; i < lookups.size(); ++i) answers[asked[i]] = lookups[i].result();
    return answers;
}

std::vector<std::string> queryRegistryFile(const std::string& hostFile,
                                           const std::vector<RegistryQuery>& queries) {
    std::string scratch;
    return queryRegistryFile(hostFile, queries, scratch);
}

std::vector<std::string> queryRegistryFile(const std::string& hostFile,
                                           const std::vector<RegistryQuery>& queries,
                                           std::string& scratch) {
    const std::vector<std::string> nothing(queries.size());
    std::FILE* file = std::fopen(hostFile.c_str(), "rb");
    if (file == nullptr) return nothing;
    // Read straight into the buffer, which keeps its size from one file to
    // the next: no pages to fetch anew for each prefix.
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::size_t size = 0;
    for (;;) {
        if (scratch.size() < size + kReadStep) scratch.resize(size + kReadStep);
        const std::size_t n = std::fread(scratch.data() + size, 1, scratch.size() - size, file);
        size += n;
        if (n == 0 || size < scratch.size()) break;
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return nothing;
    return queryRegistryText(std::string_view(scratch.data(), size), queries);
}

}  // namespace vell::wine
