// Presets from tagged lines of the airport notes: runway, heading, course and
// the radio frequencies, on the departure and the destination side.
#include "briefing/note_presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

constexpr int kDeparture = 0;
constexpr int kDestination = 1;

// A note line with texts at the given columns (from 1), blanks between.
std::string note(std::initializer_list<std::pair<std::size_t, std::string>> parts, std::size_t length = 0) {
    std::string s;
    for (const auto& [column, text] : parts) {
        s.resize(std::max(s.size(), column - 1 + text.size()), ' ');
        s.replace(column - 1, text.size(), text);
    }
    if (s.size() < length) s.resize(length, ' ');
    return s;
}

const char* const kPresetFields[] = {"Txt_ERWY",    "Txt_HDG",     "Txt_CRS",     "Txt_Freq(0)",
                                     "Txt_Freq(1)", "Txt_Freq(2)", "Txt_Freq(3)", "Txt_Freq(4)"};

using Presets = std::map<std::string, std::string>;

struct Case {
    const char* name;
    std::vector<std::pair<int, std::string>> lines;  // side, line
    Presets expected;                                 // fields left empty are not listed
};

// Test listings name a case by its name rather than its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class NotePresets : public ::testing::TestWithParam<Case> {
  protected:
    // The fields that hold a text after the lines were read.
    Presets readLines(const std::vector<std::pair<int, std::string>>& lines) {
        for (const auto& [side, line] : lines) Get_NAVDATA(f, side, line);
        Presets filled;
        for (const char* name : kPresetFields) {
            const std::string& text = static_cast<TextBox*>(f.find(name))->text();
            if (!text.empty()) filled[name] = text;
        }
        return filled;
    }

    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_P(NotePresets, SetTheFieldsOfTheTaggedLines) { EXPECT_EQ(readLines(GetParam().lines), GetParam().expected); }

const std::string kNavaid = note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}, {47, "123"}});
const std::string kRunway27L = note({{1, "27L"}, {6, "*D"}, {10, "ILS 27L"}});

const Case kDepartureCases[] = {
    {"RunwayNumberGivesHeading", {{kDeparture, kRunway27L}}, {{"Txt_ERWY", "27L"}, {"Txt_HDG", "270"}}},
    {"SingleDigitRunwayIsPadded",
     {{kDeparture, note({{1, "9R"}, {6, "*D"}})}},
     {{"Txt_ERWY", "9R"}, {"Txt_HDG", "090"}}},
    {"RunwayWithoutNumber",
     {{kDeparture, note({{1, "RWY"}, {6, "*D"}})}},
     {{"Txt_ERWY", "RWY"}, {"Txt_HDG", "000"}}},
    {"HeadingInParenthesesIsTakenAsItStands",
     {{kDeparture, note({{1, "25R"}, {6, "*D hdg (07) ILS"}})}},
     {{"Txt_ERWY", "25R"}, {"Txt_HDG", "07)"}}},
    {"ParenthesisAtTheEndGivesAnEmptyHeading",
     {{kDeparture, note({{1, "25R"}, {6, "*D ("}})}},
     {{"Txt_ERWY", "25R"}}},
    {"LongRunwayLineHoldsHeadingAndNav2",
     {{kDeparture, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}, {47, "253"}})}},
     {{"Txt_ERWY", "25R"}, {"Txt_HDG", "253"}, {"Txt_Freq(2)", "110.55"}}},
    {"LineOf45CharactersCountsAsLong",
     {{kDeparture, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}}, 45)}},
     {{"Txt_ERWY", "25R"}, {"Txt_Freq(2)", "110.55"}}},
    {"LineOf44CharactersUsesTheRunwayNumber",
     {{kDeparture, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}}, 44)}},
     {{"Txt_ERWY", "25R"}, {"Txt_HDG", "250"}}},
    {"ParenthesesWinOverLongLine",
     {{kDeparture, note({{1, "25R"}, {6, "*D (249)"}, {37, "110.55"}, {47, "253"}})}},
     {{"Txt_ERWY", "25R"}, {"Txt_HDG", "249"}}},
    {"LowerCaseTagsAct",
     {{kDeparture, note({{1, "27l"}, {6, "*d"}})}},
     {{"Txt_ERWY", "27l"}, {"Txt_HDG", "270"}}},
    {"Nav2FrequencyLine",
     {{kDeparture, note({{1, "DME"}, {5, "*n2"}, {10, "Frequency:"}, {26, "112.20"}})}},
     {{"Txt_Freq(2)", "112.20"}}},
    {"LowerCaseFrequencyWordIsNotRecognised",
     {{kDeparture, note({{1, "DME"}, {5, "*N2"}, {10, "frequency:"}, {26, "112.20"}})}},
     {}},
    {"NavaidLinesChangeNothing",
     {{kDeparture, kNavaid},
      {kDeparture, note({{1, "RID"}, {10, "-N"}, {37, "112.20"}})},
      {kDeparture, note({{1, "VOR"}, {5, "*N"}, {10, "Frequency:"}, {26, "112.20"}})}},
     {}},
    {"AdfColumnsAreCut",
     {{kDeparture, note({{1, "ADF"}, {6, "*A"}, {26, "1234567"}})}},
     {{"Txt_Freq(4)", "123456"}}},
    {"ShortAdfLineEmptiesTheAdf",
     {{kDeparture, note({{1, "ADF"}, {6, "*A"}, {26, "382.0"}})}, {kDeparture, note({{1, "ADF"}, {6, "*A"}}, 20)}},
     {}},
    {"UntaggedLineChangesNothing", {{kDeparture, note({{1, "27L"}, {6, "(270)"}, {37, "110.55"}})}}, {}},
};

const Case kDestinationCases[] = {
    {"NavaidSetsNav1AndCourse", {{kDestination, kNavaid}}, {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "123"}}},
    {"Nav2TagWithoutFrequencyWordActsAsNavaid",
     {{kDestination, note({{1, "FFM VOR"}, {10, "*N2"}, {37, "114.20"}, {47, "123"}})}},
     {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "123"}}},
    {"Nav2FrequencyLineSetsNav2StandbyOnly",
     {{kDestination, note({{1, "DME"}, {5, "*N2"}, {10, "Frequency:"}, {26, "112.20"}})}},
     {{"Txt_Freq(3)", "112.20"}}},
    {"Nav1TagAheadOfNav2TagSetsBoth",
     {{kDestination, note({{1, "*N"}, {5, "*N2"}, {10, "Frequency:"}, {26, "112.20"}})}},
     {{"Txt_Freq(0)", "112.20"}, {"Txt_Freq(3)", "112.20"}}},
    {"Nav1FrequencyLineAloneSetsNothing",
     {{kDestination, note({{1, "VOR"}, {5, "*N"}, {10, "Frequency:"}, {26, "112.20"}})}},
     {}},
    {"LowerCaseFrequencyWordMakesANavaidLine",
     {{kDestination, note({{1, "VOR"}, {5, "*N"}, {10, "frequency:"}, {26, "112.20"}, {37, "113.30"}})}},
     {{"Txt_Freq(0)", "113.30"}}},
    {"StandbyNavaid", {{kDestination, note({{1, "RID"}, {10, "-n"}, {37, "112.20"}})}}, {{"Txt_Freq(1)", "112.20"}}},
    {"RunwayNumberGivesCourse", {{kDestination, kRunway27L}}, {{"Txt_CRS", "270"}}},
    {"CourseInParentheses",
     {{kDestination, note({{1, "16"}, {6, "*D ( 16"}})}},
     {{"Txt_CRS", " 16"}}},
    {"LongRunwayLineSetsNoFrequency",
     {{kDestination, note({{1, "25R"}, {6, "*D"}, {37, "110.55"}, {47, "253"}})}},
     {{"Txt_CRS", "253"}}},
    {"RunwayLeavesTheNavaidCourse",
     {{kDestination, kNavaid}, {kDestination, kRunway27L}},
     {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "123"}}},
    {"RunwayFillsAZeroCourse",
     {{kDestination, note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}, {47, "000"}})}, {kDestination, kRunway27L}},
     {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "270"}}},
    {"RunwayFillsAnEmptyCourse",
     {{kDestination, note({{1, "FFM VOR"}, {10, "*N"}, {37, "114.20"}})}, {kDestination, kRunway27L}},
     {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "270"}}},
    {"NavaidOverwritesTheRunwayCourse",
     {{kDestination, kRunway27L}, {kDestination, kNavaid}},
     {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "123"}}},
    {"LastRunwayLineDoesNotOverwriteTheFirst",
     {{kDestination, kRunway27L}, {kDestination, note({{1, "09R"}, {6, "*D"}})}},
     {{"Txt_CRS", "270"}}},
    {"DestinationAdfWins",
     {{kDeparture, note({{1, "ADF"}, {6, "*A"}, {26, "382.0"}})},
      {kDestination, note({{1, "ADF"}, {6, "*a"}, {26, "400.5"}})}},
     {{"Txt_Freq(4)", "400.5"}}},
    {"ShortAdfLineEmptiesTheAdf",
     {{kDestination, note({{1, "ADF"}, {6, "*A"}, {26, "382.0"}})}, {kDestination, note({{1, "ADF"}, {6, "*A"}}, 20)}},
     {}},
    {"AnySideOtherThanZeroIsTheDestination", {{-3, kNavaid}}, {{"Txt_Freq(0)", "114.20"}, {"Txt_CRS", "123"}}},
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Departure, NotePresets, ::testing::ValuesIn(kDepartureCases), caseName);
INSTANTIATE_TEST_SUITE_P(Destination, NotePresets, ::testing::ValuesIn(kDestinationCases), caseName);

}  // namespace
}  // namespace vell
