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

// Calls found(name, line, body) for each section line in order, where line
// is where the section line starts and body where the next line does; stops
// when found returns false. Only the "[" of the text are visited: a section
// line is one whose "[" follows a line's start and blanks or tabs, and that
// holds a "]".
template <typename Found>
void forEachSectionLine(std::string_view text, Found found) {
    std::size_t at = 0;
    while (at < text.size()) {
        const void* bracket = std::memchr(text.data() + at, '[', text.size() - at);
        if (!bracket) return;
        const auto open = static_cast<std::size_t>(static_cast<const char*>(bracket) - text.data());
        std::size_t end = open + 1;
        while (end < text.size() && !isLineEnd(text[end])) ++end;
        at = end;
        std::size_t start = open;
        while (start > 0 && isBlankOrTab(text[start - 1])) --start;
        if (start > 0 && !isLineEnd(text[start - 1])) continue;  // not where a line starts
        const std::string_view line = text.substr(open, end - open);
        const std::size_t close = line.find(']');
        if (close == std::string_view::npos) continue;
        std::size_t body = end;
        if (body < text.size()) {
            body += (text[body] == '\r' && body + 1 < text.size() && text[body + 1] == '\n') ? 2 : 1;
        }
        if (!found(trimmed(line.substr(1, close - 1)), start, body)) return;
    }
}

// The key's raw value among the lines of a section's body.
std::optional<std::string_view> findInBody(std::string_view body, std::string_view key) {
    Lines lines(body);
    std::string_view line;
    while (lines.next(line)) {
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos && iequals(trimmed(line.substr(0, eq)), key)) {
            return line.substr(eq + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> findRaw(std::string_view text, std::string_view section,
                                        std::string_view key) {
    std::optional<std::size_t> from;
    std::size_t to = text.size();
    forEachSectionLine(text, [&](std::string_view name, std::size_t line, std::size_t body) {
        if (from) {
            to = line;  // the section ends at the next one
            return false;
        }
        if (iequals(name, section)) from = body;
        return true;
    });
    if (!from) return std::nullopt;
    return findInBody(text.substr(*from, to - *from), key);
}

bool hasSection(std::string_view text) {
    bool found = false;
    forEachSectionLine(text, [&found](std::string_view, std::size_t, std::size_t) {
        found = true;
        return false;
    });
    return found;
}

ProfileText ProfileText::read(const std::string& file) {
    return ProfileText(files::readShared(file));
}

ProfileText ProfileText::borrowed(std::string_view text) {
    ProfileText keys;
    keys.text_ = text;
    return keys;
}

std::size_t ProfileText::NameHash::operator()(std::string_view name) const {
    std::size_t h = 14695981039346656037ull;
    for (char c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return h;
}

bool ProfileText::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return iequals(a, b);
}

namespace {

// Sections are searched in order, which costs less than making an index of
// their names, unless the file has more than this many sections and has
// been asked for more than this many.
constexpr std::size_t kSectionsSearchedInOrder = 16;
constexpr int kLookupsInOrder = 16;
// Keys asked of one section before its lines are indexed.
constexpr int kKeysSearchedInLines = 8;

}  // namespace

ProfileText::Section* ProfileText::section(std::string_view name) const {
    if (!sections_) {
        sections_.emplace();
        sections_->reserve(kSectionsSearchedInOrder);
        forEachSectionLine(text_, [&](std::string_view found, std::size_t line, std::size_t body) {
            if (!sections_->empty()) sections_->back().end = line;
            sections_->push_back(Section{found, body, text_.size(), 0, {}});
            return true;
        });
    }
    if (sections_->size() <= kSectionsSearchedInOrder || ++lookups_ <= kLookupsInOrder) {
        for (Section& s : *sections_) {
            if (iequals(s.name, name)) return &s;
        }
        return nullptr;
    }
    if (!byName_) {
        byName_.emplace();
        for (std::size_t i = 0; i < sections_->size(); ++i)
            byName_->try_emplace((*sections_)[i].name, i);
    }
    const auto found = byName_->find(name);
    return found == byName_->end() ? nullptr : &(*sections_)[found->second];
}

std::optional<std::string_view> ProfileText::raw(std::string_view name,
                                                 std::string_view key) const {
    Section* s = section(name);
    if (s == nullptr) return std::nullopt;
    const std::string_view body = text_.substr(s->begin, s->end - s->begin);
    if (s->asked < kKeysSearchedInLines) {
        ++s->asked;
        return findInBody(body, key);
    }
    if (!s->keys) {
        s->keys = std::make_shared<ByName<std::string_view>>();
        Lines lines(body);
        std::string_view line;
        while (lines.next(line)) {
            const std::size_t eq = line.find('=');
            if (eq == std::string_view::npos) continue;
            s->keys->try_emplace(trimmed(line.substr(0, eq)), line.substr(eq + 1));
        }
    }
    const auto value = s->keys->find(key);
    if (value == s->keys->end()) return std::nullopt;
    return value->second;
}

std::string ProfileText::get(std::string_view section, std::string_view key,
                             std::size_t limit) const {
    const auto value = raw(section, key);
    return value ? cleanValue(*value, limit) : std::string("0");
}

}  // namespace vell::profile
