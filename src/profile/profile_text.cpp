#include "profile/profile_text.h"

#include <cstring>

#include "platform/files.h"
#include "text/strings.h"

namespace vell::profile {

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlankOrTab(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlankOrTab(s.back())) s.remove_suffix(1);
    return s;
}

// The lines of a text in order, found with memchr.
class Lines {
  public:
    explicit Lines(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    // The next line without its end; false after the last.
    bool next(std::string_view& line) {
        if (at_ == end_) return false;
        const auto rest = static_cast<std::size_t>(end_ - at_);
        const char* lf = static_cast<const char*>(std::memchr(at_, '\n', rest));
        const char* stop = lf ? lf : end_;
        const char* cr = static_cast<const char*>(
            std::memchr(at_, '\r', static_cast<std::size_t>(stop - at_)));
        if (cr) {
            // A lone CR ends a line as well; CR LF is one end.
            line = std::string_view(at_, static_cast<std::size_t>(cr - at_));
            at_ = (cr + 1 == lf) ? lf + 1 : cr + 1;
            return true;
        }
        line = std::string_view(at_, static_cast<std::size_t>(stop - at_));
        at_ = lf ? lf + 1 : end_;
        return true;
    }

  private:
    const char* at_;
    const char* end_;
};

// The name of a section line, or nothing for another line.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && isBlankOrTab(line[i])) ++i;
    if (i == line.size() || line[i] != '[') return std::nullopt;
    const std::size_t close = line.find(']', i + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(line.substr(i + 1, close - i - 1));
}

// The ASCII upper case of a name, the index's key.
std::string folded(std::string_view name) { return upper(name); }

}  // namespace

std::string cleanValue(std::string_view raw, std::size_t limit) {
    std::string_view value = trimmed(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    // As the host's profile routine, a value ends at its first NUL.
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, limit));
}

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the body of the first section of the name begins (after its line's
// end), or nothing. Only the "[" of the text are visited: a section line is
// one whose "[" follows a line's start and blanks or tabs.
std::optional<std::size_t> sectionBody(std::string_view text, std::string_view section) {
    std::size_t at = 0;
    for (;;) {
        const void* found = std::memchr(text.data() + at, '[', text.size() - at);
        if (!found) return std::nullopt;
        const auto open = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        std::size_t end = open + 1;
        while (end < text.size() && !isLineEnd(text[end])) ++end;
        at = end;
        std::size_t before = open;
        while (before > 0 && isBlankOrTab(text[before - 1])) --before;
        if (before > 0 && !isLineEnd(text[before - 1])) continue;  // not where a line starts
        const std::string_view line = text.substr(open, end - open);
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) continue;  // no section line
        if (!iequals(trimmed(line.substr(1, close - 1)), section)) continue;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            return end + 2;
        }
        return end < text.size() ? end + 1 : end;
    }
}

}  // namespace

std::optional<std::string_view> findRaw(std::string_view text, std::string_view section,
                                        std::string_view key) {
    const auto body = sectionBody(text, section);
    if (!body) return std::nullopt;
    Lines lines(text.substr(*body));
    std::string_view line;
    while (lines.next(line)) {
        if (sectionName(line)) return std::nullopt;  // the section ends at the next one
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos && iequals(trimmed(line.substr(0, eq)), key)) {
            return line.substr(eq + 1);
        }
    }
    return std::nullopt;
}

bool hasSection(std::string_view text) {
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        if (sectionName(line)) return true;
    }
    return false;
}

ProfileText ProfileText::read(const std::string& file) {
    return ProfileText(files::readShared(file));
}

const ProfileText::Keys& ProfileText::keysOf(std::string_view section) const {
    if (!indexed_) {
        // Every section in one pass: the first section of a name and the
        // first key of a name in it.
        indexed_ = true;
        Lines lines(*text_);
        std::string_view line;
        Keys* current = nullptr;
        while (lines.next(line)) {
            if (const auto name = sectionName(line)) {
                const auto [it, first] = sections_.try_emplace(folded(*name));
                current = first ? &it->second : nullptr;
                continue;
            }
            if (!current) continue;
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) continue;
            current->try_emplace(folded(trimmed(line.substr(0, eq))), line.substr(eq + 1));
        }
    }
    static const Keys kNone;
    const auto it = sections_.find(folded(section));
    return it == sections_.end() ? kNone : it->second;
}

std::optional<std::string_view> ProfileText::raw(std::string_view section,
                                                 std::string_view key) const {
    const Keys& keys = keysOf(section);
    const auto it = keys.find(folded(key));
    if (it == keys.end()) return std::nullopt;
    return it->second;
}

std::string ProfileText::get(std::string_view section, std::string_view key,
                             std::size_t limit) const {
    const auto value = raw(section, key);
    return value ? cleanValue(*value, limit) : std::string("0");
}

}  // namespace vell::profile
