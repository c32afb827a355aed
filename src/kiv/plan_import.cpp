#include "kiv/plan_import.h"

#include <optional>

#include "kiv/plan_browser.h"
#include "platform/files.h"
#include "profile/profile.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"
#include "window/version.h"

namespace vell {

namespace {

const std::string kWaypoint = "waypoint.";
const std::string kCrLf = "\r\n";

void refuse(Frm_Vell13& f, const std::string& text) {
    f.ui.messageBox(text, MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
}

// A whole number at the start of a text, as the plan's indexes are read.
int wholeNumber(const std::string& text) {
    return toInt16(leadingNumber(text));
}

// The copy of one waypoint line under the renumbering rule; nothing when
// the line is dropped. A line without "=" names no waypoint and stays as it is.
std::optional<std::string> renumberedWaypoint(const std::string& line, int runway, int airport) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return line;
    const int n = wholeNumber(line.substr(kWaypoint.size(), equals - kWaypoint.size()));
    if (n < runway) return line;
    if (n == airport) return kWaypoint + std::to_string(runway) + line.substr(equals);
    return std::nullopt;
}

// Where KIV's own trailing data begins: its "[NATPLOT]" section line, or a
// line whose key is "Color". A description or an airport name that holds
// the word ("Colorado Springs") is part of the plan.
bool isKivTrailer(const std::string& line) {
    const std::string bare = trim(line);
    if (startsWith(bare, "[NATPLOT]")) return true;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    std::string key = line.substr(0, equals);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    std::size_t first = 0;
    while (first < key.size() && (key[first] == ' ' || key[first] == '\t')) ++first;
    return key.compare(first, std::string::npos, "Color") == 0;
}

// The folder the imported plan goes to: the FS 2002 user flights, or the
// user's "Flight Simulator Files"; empty when that folder is not known
// (never a folder in the file-system root).
std::string outputFolder(const Frm_Vell13& f) {
    if (!f.Opt_FS8.value()) return f.USER_PATH;
    if (f.FS8_PATH.empty()) return {};
    return f.FS8_PATH + SEP + "FLIGHTS" + SEP + "MYFLTS";
}

// Where the import may not go, the reason; empty when it may.
std::string refusalOfFolder(const std::string& folder) {
    if (folder.empty())
        return "No folder for imported flight plans is known." + kCrLf +
               "Please set it under USER PATH PREFERENCES." + kCrLf + kCrLf +
               "Nothing was imported.";
    if (!files::folderExists(folder))
        return "The folder for imported flight plans does not exist:" + kCrLf + folder + kCrLf +
               kCrLf + "Nothing was imported.";
    return {};
}

// The departure position: "GATE A 10" when a section is given for a
// position other than the active runway; empty otherwise.
std::string departurePosition(const Frm_Vell13& f) {
    const int index = f.Cbo_Pos.listIndex();
    if (f.Txt_Section.text().empty() || index <= 0) return {};
    return f.Cbo_Pos.item(index) + " " + trim(f.Txt_Section.text());
}

}  // namespace

std::string importNamePrefix(const std::string& carrier, const std::string& flightNumber) {
    if (!carrier.empty() && !flightNumber.empty()) return carrier + "-" + flightNumber + "_";
    if (!carrier.empty()) return carrier + "_";
    if (!flightNumber.empty()) return flightNumber + "_";
    return {};
}

PlanCopy copyKivPlan(const std::vector<std::string>& source, const PlanCopyInput& input) {
    PlanCopy copy;
    const bool renumber = input.airport > input.runway && input.runway >= 1;
    for (const std::string& line : source) {
        if (contains(line, "[KIV]")) copy.hadKivSection = true;
        // KIV's own trailing data is not part of a simulator plan.
        if (isKivTrailer(line)) break;
        if (renumber && startsWith(line, kWaypoint)) {
            if (auto kept = renumberedWaypoint(line, input.runway, input.airport))
                copy.bytes += *kept + kCrLf;
            continue;
        }
        copy.bytes += line + kCrLf;
    }
    if (!copy.hadKivSection) {
        copy.bytes += kCrLf;
        copy.bytes += "[KIV]" + kCrLf;
        copy.bytes += "KIV_Version=" + version::text() + kCrLf;
        copy.bytes += "Aircraft_ICAO=" + input.carrier + kCrLf;
        copy.bytes += "Flight_Nr=" + trim(input.flightNumber) + kCrLf;
    }
    return copy;
}

void Cmd_KIV_Click(Frm_Vell13& f) {
    const std::string source = selectedKivPlan(f);
    if (source.empty()) {
        refuse(f, "Please choose a KIV flight plan first.");
        return;
    }
    if (!files::fileExists(source)) {
        refuse(f, "The flight plan was not found:" + kCrLf + source + kCrLf + kCrLf +
                      "Nothing was imported.");
        return;
    }
    // Everything that could stop the import is tested before the source
    // plan is changed.
    const std::string folder = outputFolder(f);
    if (std::string why = refusalOfFolder(folder); !why.empty()) {
        refuse(f, why);
        return;
    }
    // What a failed read left out would be imported as "0"s.
    const auto readsBefore = files::readFailures().count;
    const auto readFailed = [&] { return files::readFailures().count != readsBefore; };
    const std::string carrier = trim(f.Txt_CARR.text());
    const std::string flightNumber = f.Txt_KIV_FLTNR.text();
    const std::string title =
        importNamePrefix(carrier, flightNumber) +
        mid(GET_INI_ITEM(source, "flightplan", "departure_id"), 1, 4) + " to " +
        mid(GET_INI_ITEM(source, "flightplan", "destination_id"), 1, 4);
    if (readFailed()) {
        refuse(f, "The flight plan could not be read:" + kCrLf + source + kCrLf + kCrLf +
                      "Nothing was imported.");
        return;
    }
    // The title names the output file: it must stay one name in the folder.
    if (!isPlainName(title + ".PLN")) {
        refuse(f, "A flight plan cannot be saved under this name:" + kCrLf + title + ".PLN" +
                      kCrLf + kCrLf + "Nothing was imported.");
        return;
    }
    const std::string output = folder + SEP + title + ".PLN";

    // Stamp the source plan; the copy carries these changes too. Should any
    // step fail, the source gets its old bytes back and nothing is imported.
    const auto original = files::readWhole(source);
    const bool outputExisted = files::fileExists(output);
    auto undo = [&](const std::string& what, const std::string& failedFile) {
        files::writeWhole(source, *original);
        if (!outputExisted) files::deleteFile(output);
        refuse(f, what + kCrLf + failedFile + kCrLf + kCrLf + "Nothing was imported.");
    };
    const std::string kNotWritten = "The flight plan could not be written:";
    if (!original) {
        refuse(f, "The flight plan could not be read:" + kCrLf + source + kCrLf + kCrLf +
                      "Nothing was imported.");
        return;
    }
    const double cruise = leadingNumber(f.Txt_CRU.text());
    bool stamped = cruise == 0 || writeIniItem(source, "flightplan", "cruising_altitude",
                                                formatPattern(cruise, "0"));
    stamped = stamped && writeIniItem(source, "flightplan", "title", title);
    if (stamped && contains(GET_INI_ITEM(source, "flightplan", "description"), ",")) {
        stamped = writeIniItem(source, "flightplan", "description",
                               GET_INI_ITEM(source, "flightplan", "departure_name") + " to " +
                                   GET_INI_ITEM(source, "flightplan", "destination_name"));
    }
    stamped = stamped &&
              writeIniItem(source, "flightplan", "departure_position", departurePosition(f));
    if (!stamped) {
        undo(kNotWritten, source);
        return;
    }

    PlanCopyInput input;
    input.runway = wholeNumber(GET_INI_ITEM(source, "KIV", "Runway_pos"));
    input.airport = wholeNumber(GET_INI_ITEM(source, "KIV", "Airport_pos"));
    input.carrier = carrier;
    input.flightNumber = flightNumber;

    const auto lines = files::readLines(source);
    if (!lines || readFailed()) {
        undo("The flight plan could not be read:", source);
        return;
    }
    const PlanCopy copy = copyKivPlan(*lines, input);
    if (!files::writeWhole(output, copy.bytes)) {
        undo(kNotWritten, output);
        return;
    }
    if (copy.hadKivSection) {
        // The source's own KIV section was copied: the frame's values win
        // where it shows any.
        const bool patched =
            (f.Txt_CARR.text().empty() || writeIniItem(output, "KIV", "Aircraft_ICAO", carrier)) &&
            (flightNumber.empty() ||
             writeIniItem(output, "KIV", "Flight_Nr",
                          formatPattern(leadingNumber(flightNumber), "0000")));
        if (!patched) {
            undo(kNotWritten, output);
            return;
        }
    }

    f.Txt_Status.setText("Flight plan saved: " + output);
    f.Cmd_KIV.setEnabled(false);
    if (f.File_KIV.count() > 0) f.setFocus(&f.File_KIV);
}

void wire_plan_import(Frm_Vell13& f) {
    f.Cmd_KIV.Click = [&f] { Cmd_KIV_Click(f); };
}

}  // namespace vell
