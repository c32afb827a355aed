#include "profile/profile.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "profile/profile_text.h"
#include "text/strings.h"

namespace vell {

namespace {

constexpr std::size_t kValueMax = 255;
constexpr std::size_t kLongValueMax = 2047;
const std::string kMissing = "0";

// One line of the file: where its text starts, how long it is and how many
// bytes its line end takes (0 for a last line without one).
struct Line {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t endLength = 0;
};

std::vector<Line> splitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            const std::size_t endLength = (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            lines.push_back({start, i - start, endLength});
            i += endLength;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.push_back({start, bytes.size() - start, 0});
    return lines;
}

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanksAndTabs(std::string_view s) {
    while (!s.empty() && isBlankOrTab(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlankOrTab(s.back())) s.remove_suffix(1);
    return s;
}

// The section name of a section line: what stands between "[" and the first
// "]", blanks and tabs aside. Anything after the closing bracket is ignored.
std::optional<std::string_view> sectionName(std::string_view text) {
    text = trimBlanksAndTabs(text);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimBlanksAndTabs(text.substr(1, close - 1));
}

// Where the first section of the name lies and the first line of the key in it.
struct Found {
    std::optional<std::size_t> section;    // index of the section line
    std::optional<std::size_t> key;        // index of the key's line
    std::size_t lastFilled = 0;            // last line of the section that is not blank
};

Found find(const std::string& bytes, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
    Found found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text(bytes.data() + lines[i].start, lines[i].length);
        if (const auto name = sectionName(text)) {
            if (found.section) break;  // the section ends at the next one
            if (iequals(*name, section)) {
                found.section = i;
                found.lastFilled = i;
            }
            continue;
        }
        if (!found.section) continue;
        if (!trimBlanksAndTabs(text).empty()) found.lastFilled = i;
        const std::size_t eq = text.find('=');
        if (eq != std::string_view::npos && iequals(trimBlanksAndTabs(text.substr(0, eq)), key)) {
            found.key = i;
            break;
        }
    }
    return found;
}

// The texts read lately with an index of their keys. A text that the read
// cache hands out again unchanged is the same object, so a second lookup
// in it finds its index here; a text read anew is a new object.
class RecentIndexes {
  public:
    // The index of bytes once they are asked for a second time.
    const profile::ProfileText* indexOf(const std::shared_ptr<const std::string>& bytes) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            Entry& e = entries_[i];
            if (e.bytes != bytes) continue;
            if (!e.index) e.index.emplace(bytes);
            std::rotate(entries_.begin(), entries_.begin() + static_cast<long>(i),
                        entries_.begin() + static_cast<long>(i) + 1);
            return &*entries_.front().index;
        }
        if (bytes->size() <= kLargest) {
            if (entries_.size() == kEntries) entries_.pop_back();
            entries_.insert(entries_.begin(), Entry{bytes, std::nullopt});
        }
        return nullptr;
    }

  private:
    static constexpr std::size_t kEntries = 8;
    static constexpr std::size_t kLargest = 512 * 1024;
    struct Entry {
        std::shared_ptr<const std::string> bytes;
        std::optional<profile::ProfileText> index;
    };
    std::vector<Entry> entries_;
};

std::string readItem(const std::string& file, const std::string& section, const std::string& key,
                     std::size_t limit) {
    const auto bytes = files::readShared(file);
    if (!bytes) return kMissing;
    static std::mutex mutex;
    static RecentIndexes recent;
    {
        std::lock_guard lock(mutex);
        if (const profile::ProfileText* index = recent.indexOf(bytes)) {
            return index->get(section, key, limit);
        }
    }
    const auto raw = profile::findRaw(*bytes, section, key);
    return raw ? profile::cleanValue(*raw, limit) : kMissing;
}

// The line end the file already uses; CR LF for a file without any.
std::string lineEndOf(const std::string& bytes, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.endLength > 0) return bytes.substr(line.start + line.length, line.endLength);
    }
    return "\r\n";
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// A section or key name that the file could not give back as written: the
// reading trims blanks and tabs around names, sees a line that begins with
// "[" as a section, and ends a key at its "=".
bool unwritableName(std::string_view name) {
    return name.empty() || trimBlanksAndTabs(name).size() != name.size() || hasLineBreak(name);
}

}  // namespace

std::string GET_INI_ITEM(const std::string& INIFILE, const std::string& SECTION, const std::string& KEY) {
    return readItem(INIFILE, SECTION, KEY, kValueMax);
}

std::string GET_INI_ITEM_LONG(const std::string& INIFILE, const std::string& SECTION, const std::string& KEY) {
    return readItem(INIFILE, SECTION, KEY, kLongValueMax);
}

bool isProfileFile(const std::string& file) {
    const auto bytes = files::readShared(file);
    return bytes && profile::hasSection(*bytes);
}

void PUT_INI_ITEM(const std::string& INIFILE, const std::string& SECTION, const std::string& KEY,
                  const std::string& WERT) {
    writeIniItem(INIFILE, SECTION, KEY, WERT);
}

bool writeIniItem(const std::string& INIFILE, const std::string& SECTION, const std::string& KEY,
                  const std::string& WERT) {
    // Names that would break the file's structure are not written at all;
    // line breaks inside a value become blanks so the value stays one line.
    if (unwritableName(KEY) || KEY.find('=') != std::string::npos || KEY.front() == '[' ||
        unwritableName(SECTION) || SECTION.find(']') != std::string::npos) {
        return false;
    }
    std::string value = WERT;
    for (char& c : value) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    const std::string keyLine = KEY + "=" + value;

    std::string bytes;
    if (files::fileExists(INIFILE)) {
        auto old = files::readWhole(INIFILE);
        if (!old) return false;
        bytes = std::move(*old);
    }
    const std::vector<Line> lines = splitLines(bytes);
    const std::string eol = lineEndOf(bytes, lines);
    const Found found = find(bytes, lines, SECTION, KEY);

    if (found.key) {
        const Line& line = lines[*found.key];
        bytes.replace(line.start, line.length, keyLine);
    } else if (found.section) {
        // After the section's last filled line, before any blank lines that
        // separate it from the next section.
        const Line& last = lines[found.lastFilled];
        const std::size_t at = last.start + last.length + last.endLength;
        std::string added = keyLine + eol;
        if (last.endLength == 0) added.insert(0, eol);
        bytes.insert(at, added);
    } else {
        if (!lines.empty() && lines.back().endLength == 0) bytes += eol;
        bytes += "[" + SECTION + "]" + eol + keyLine + eol;
    }
    return files::writeWhole(INIFILE, bytes);
}

}  // namespace vell
