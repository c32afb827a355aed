#include "briefing/note_presets.h"

#include <cstddef>

#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

// A note line with its tags found on an upper-cased copy; "Frequency:" and
// "(" are looked for in the line as it stands.
struct NoteLine {
    explicit NoteLine(const std::string& text) : text(text), tags(upper(text)) {}

    bool has(const char* tag) const { return contains(tags, tag); }
    bool hasFrequencyWord() const { return contains(text, "Frequency:"); }
    // Columns a-b, cut at the line's end.
    std::string columns(std::size_t a, std::size_t b, bool trimmed = true) const {
        const std::string part = mid(text, a, b - a + 1);
        return trimmed ? trim(part) : part;
    }
    // The heading or course of a runway line: the three characters behind
    // the first "(", else columns 47-49 of a long line, else the number of
    // the runway in columns 1-3 times ten ("27L" gives 270).
    std::string runwayCourse() const {
        if (const std::size_t open = text.find('('); open != std::string::npos) return mid(text, open + 2, 3);
        if (isLong()) return columns(47, 49);
        return formatPattern(roundHalfAway(leadingNumber(columns(1, 3, false)) * 10.0), "000");
    }
    bool isLong() const { return text.size() >= 45; }

    const std::string& text;
    const std::string tags;
};

// Position (from 1) of the first occurrence, 0 when missing.
std::size_t position(const std::string& s, const char* part) {
    const std::size_t at = s.find(part);
    return at == std::string::npos ? 0 : at + 1;
}

void departureLine(Frm_Vell13& f, const NoteLine& n) {
    if (n.has("*D")) {
        f.Txt_ERWY.setText(n.columns(1, 3));
        const bool navaidColumns = n.text.find('(') == std::string::npos && n.isLong();
        f.Txt_HDG.setText(n.runwayCourse());
        if (navaidColumns) f.Txt_Freq[2].setText(n.columns(37, 43));
    }
    if (n.hasFrequencyWord() && n.has("*N2")) f.Txt_Freq[2].setText(n.columns(26, 32));
    if (n.has("*A")) f.Txt_Freq[4].setText(n.columns(26, 31));
}

void destinationLine(Frm_Vell13& f, const NoteLine& n) {
    if (n.has("*N")) {
        if (n.hasFrequencyWord()) {
            if (n.has("*N2")) f.Txt_Freq[3].setText(n.columns(26, 32));
            // Only a "*N" tag ahead of the first "*N2" marks NAV 1.
            if (position(n.tags, "*N2") > position(n.tags, "*N")) f.Txt_Freq[0].setText(n.columns(26, 32));
        } else {
            f.Txt_Freq[0].setText(n.columns(37, 43));
            f.Txt_CRS.setText(n.columns(47, 49));
        }
    }
    if (n.has("-N")) f.Txt_Freq[1].setText(n.columns(37, 43));
    if (n.has("*A")) f.Txt_Freq[4].setText(n.columns(26, 31));
    // A runway line fills the course only while no navaid has set one.
    if (n.has("*D") && leadingNumber(f.Txt_CRS.text()) == 0.0) f.Txt_CRS.setText(n.runwayCourse());
}

}  // namespace

void Get_NAVDATA(Frm_Vell13& f, int side, const std::string& line) {
    const NoteLine n(line);
    if (side == 0) {
        departureLine(f, n);
    } else {
        destinationLine(f, n);
    }
}

}  // namespace vell
