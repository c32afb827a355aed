// Presets from tagged lines of the airport notes: runway, heading, course and
// the radio frequencies, on the departure (side 0) and the destination side.
#include "briefing/note_presets.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "simfiles/window_fixture.h"

namespace vell {
namespace {

// A note line with texts at the given columns (from 1), blanks between.
std::string note(std::initializer_list<std::pair<std::size_t, std::string>> parts, std::size_t length = 0) {
    std::string s;
    for (const auto& [column, text] : parts) {
        s.resize(std::max(s.size(), column - 1 + text.size()), ' ');
        s.replace(column - 1, text.size(), text);
    }
    return s.size() < length ? s.append(length - s.size(), ' ') : s;
}

class NotePresets : public testing::SimWindowTest {};

TEST_F(NotePresets, TaggedLinesSetTheirFields) {
    const std::string navaid = note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}, {47, "123"}});
    const std::string rwy27L = note({{1, "27L"}, {6, "*D"}, {10, "ILS 27L"}});
    const std::string longRwy = note({{1, "25R"}, {6, "*D"}, {37, "110.55"}, {47, "253"}});
    const std::string nav2 = note({{1, "DME"}, {5, "*N2"}, {10, "Frequency:"}, {26, "112.20"}});
    const std::string adf = note({{1, "ADF"}, {6, "*A"}, {26, "382.0"}});
    const std::string noAdf = note({{1, "ADF"}, {6, "*A"}}, 20);
    const std::pair<std::vector<std::pair<int, std::string>>, const char*> cases[] = {
        {{{0, rwy27L}}, "ERWY=27L HDG=270"},
        {{{0, note({{1, "9R"}, {6, "*D"}})}}, "ERWY=9R HDG=090"},
        {{{0, note({{1, "RWY"}, {6, "*D"}})}}, "ERWY=RWY HDG=000"},
        {{{0, note({{1, "25R"}, {6, "*D hdg (07) ILS"}})}}, "ERWY=25R HDG=07)"},
        {{{0, note({{1, "25R"}, {6, "*D ("}})}}, "ERWY=25R"},
        {{{0, longRwy}}, "ERWY=25R HDG=253 F2=110.55"},
        {{{0, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}}, 45)}}, "ERWY=25R F2=110.55"},
        {{{0, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}}, 44)}}, "ERWY=25R HDG=250"},
        {{{0, note({{1, "25R"}, {6, "*D (249)"}, {37, "110.55"}, {47, "253"}})}}, "ERWY=25R HDG=249"},
        {{{0, note({{1, "27l"}, {6, "*d"}})}}, "ERWY=27l HDG=270"},
        {{{0, note({{1, "DME"}, {5, "*n2"}, {10, "Frequency:"}, {26, "112.20"}})}}, "F2=112.20"},
        {{{0, note({{1, "DME"}, {5, "*N2"}, {10, "frequency:"}, {26, "112.20"}})}}, ""},
        {{{0, navaid}, {0, note({{1, "RID"}, {10, "-N"}, {37, "112.20"}})},
          {0, note({{1, "VOR"}, {5, "*N"}, {10, "Frequency:"}, {26, "112.20"}})}}, ""},
        {{{0, note({{1, "ADF"}, {6, "*A"}, {26, "1234567"}})}}, "F4=123456"},
        {{{0, adf}, {0, noAdf}}, ""},
        {{{0, note({{1, "27L"}, {6, "(270)"}, {37, "110.55"}})}}, ""},
        {{{1, navaid}}, "CRS=123 F0=114.20"},
        {{{1, note({{1, "FFM VOR"}, {10, "*N2"}, {37, "114.20"}, {47, "123"}})}}, "CRS=123 F0=114.20"},
        {{{1, nav2}}, "F3=112.20"},
        {{{1, note({{1, "*N"}, {5, "*N2"}, {10, "Frequency:"}, {26, "112.20"}})}}, "F0=112.20 F3=112.20"},
        {{{1, note({{1, "VOR"}, {5, "*N"}, {10, "Frequency:"}, {26, "112.20"}})}}, ""},
        {{{1, note({{1, "VOR"}, {5, "*N"}, {10, "frequency:"}, {26, "112.20"}, {37, "113.30"}})}},
         "F0=113.30"},
        {{{1, note({{1, "RID"}, {10, "-n"}, {37, "112.20"}})}}, "F1=112.20"},
        {{{1, rwy27L}}, "CRS=270"},
        {{{1, note({{1, "16"}, {6, "*D ( 16"}})}}, "CRS= 16"},
        {{{1, longRwy}}, "CRS=253"},
        // A runway fills the course only while no navaid has set one.
        {{{1, navaid}, {1, rwy27L}}, "CRS=123 F0=114.20"},
        {{{1, note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}, {47, "000"}})}, {1, rwy27L}},
         "CRS=270 F0=114.20"},
        {{{1, note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}})}, {1, rwy27L}}, "CRS=270 F0=114.20"},
        {{{1, rwy27L}, {1, navaid}}, "CRS=123 F0=114.20"},
        {{{1, rwy27L}, {1, note({{1, "09R"}, {6, "*D"}})}}, "CRS=270"},
        {{{0, adf}, {1, note({{1, "ADF"}, {6, "*a"}, {26, "400.5"}})}}, "F4=400.5"},
        {{{1, adf}, {1, noAdf}}, ""},
        {{{-3, navaid}}, "CRS=123 F0=114.20"},  // any side but 0 is the destination
    };
    for (const auto& [lines, expected] : cases) {
        for (TextBox* box : {&f.Txt_ERWY, &f.Txt_HDG, &f.Txt_CRS}) box->setText("");
        for (TextBox& box : f.Txt_Freq) box.setText("");
        for (const auto& [side, line] : lines) Get_NAVDATA(f, side, line);
        std::string filled;
        for (const auto& [name, box] : {std::pair<const char*, TextBox*>{"ERWY", &f.Txt_ERWY},
                                        {"HDG", &f.Txt_HDG}, {"CRS", &f.Txt_CRS}}) {
            if (!box->text().empty()) filled += std::string(" ") + name + "=" + box->text();
        }
        for (int i = 0; i < 5; ++i) {
            if (!f.Txt_Freq[i].text().empty()) filled += " F" + std::to_string(i) + "=" + f.Txt_Freq[i].text();
        }
        EXPECT_EQ(filled.empty() ? filled : filled.substr(1), expected) << lines[0].second;
    }
}

}  // namespace
}  // namespace vell
