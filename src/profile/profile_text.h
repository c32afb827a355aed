// The text of a profile file looked up in place: sections in brackets,
// key=value lines, the rules of GET_INI_ITEM. A line ends at CR LF, LF or a
// lone CR. A section line is one whose first character other than blanks or
// tabs is "[" and that holds a "]"; its name stands between them, blanks
// and tabs aside. A key line in a section holds "=", its key before it.
// Names match without regard to ASCII letter case; only the first section
// of a name and the first key of a name in it count, and a section ends at
// the next section line.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vell::profile {

// The value as GET_INI_ITEM gives it from a key line's raw value: blanks and
// tabs around it trimmed, one pair of enclosing quotes removed, cut at the
// first NUL and to limit characters.
std::string cleanValue(std::string_view raw, std::size_t limit);

// The raw value (all after the "=") of the key in the section, or nothing.
// One pass over the text that stops at the key.
std::optional<std::string_view> findRaw(std::string_view text, std::string_view section,
                                        std::string_view key);

// The text holds at least one section line.
bool hasSection(std::string_view text);

// A whole file's text for many lookups: the first lookup finds every
// section in one pass over the brackets (a file of many sections asked for
// many of them gets an index of their names); a section's lines are
// searched for the first eight keys asked of it and indexed at the next, so
// that reading every key of the file costs one pass, and reading a few keys
// of a small file allocates next to nothing. Moving it keeps its answers:
// the text stays where it is.
class ProfileText {
  public:
    explicit ProfileText(std::string text)
        : ProfileText(std::make_shared<const std::string>(std::move(text))) {}
    explicit ProfileText(std::shared_ptr<const std::string> text)
        : owner_(std::move(text)), text_(owner_ ? std::string_view(*owner_) : std::string_view()) {}
    // The file as it is now; a file that cannot be read reads as empty.
    static ProfileText read(const std::string& file);
    // A text the caller holds, unchanged, for as long as this object lives:
    // a pass over many files reads each into one string of its own.
    static ProfileText borrowed(std::string_view text);

    // GET_INI_ITEM's answer: "0" when the section or key is missing.
    std::string get(std::string_view section, std::string_view key,
                    std::size_t limit = 255) const;
    std::optional<std::string_view> raw(std::string_view section, std::string_view key) const;

  private:
    // Names compared and hashed without regard to ASCII letter case.
    struct NameHash {
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };
    template <typename Value>
    using ByName = std::unordered_map<std::string_view, Value, NameHash, NameEqual>;
    struct Section {
        std::string_view name;
        // The lines after the section line, up to the next section line.
        std::size_t begin = 0;
        std::size_t end = 0;
        int asked = 0;  // keys asked of it so far
        std::shared_ptr<ByName<std::string_view>> keys;
    };
    // The first section of the name, or null.
    Section* section(std::string_view name) const;

    ProfileText() = default;
    std::shared_ptr<const std::string> owner_;  // null when borrowed
    std::string_view text_;
    // Every section line in the file's order; the first of a name counts.
    mutable std::optional<std::vector<Section>> sections_;
    mutable int lookups_ = 0;
    mutable std::optional<ByName<std::size_t>> byName_;
};

}  // namespace vell::profile
