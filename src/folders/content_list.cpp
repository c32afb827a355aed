#include "folders/content_list.h"

#include <cmath>

#include "nav/great_circle.h"
#include "platform/files.h"
#include "simfiles/open_flt.h"
#include "profile/profile_text.h"
#include "text/fixed_columns.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kListTitle = "CONTENT LIST";

}  // namespace

std::string listTripTime(double distance, double speed) {
    // A catalogue entry without a cruise speed gives no time at all.
    if (!(speed > 0)) return {};
    const float h = static_cast<float>(distance / speed + 0.3);
    const float fifths = static_cast<float>((h - std::floor(h)) * 60.0F / 5.0F);
    double hours = std::floor(h);
    double minutes = roundHalfEven(fifths) * 5;
    if (minutes == 60) {
        hours += 1;
        minutes = 0;
    }
    return formatPattern(hours, "00") + ":" + formatPattern(minutes, "00");
}

const std::string* CatalogueLookup::firstHolding(const std::string& aircraft) {
    const auto [at, added] = found_.try_emplace(aircraft, nullptr);
    if (!added) return at->second;
    for (const std::string& entry : catalogue_.items()) {
        if (contains(entry, aircraft)) return at->second = &entry;
    }
    return nullptr;
}

std::string contentListLine(const std::string& setId, const profile::ProfileText& flightKeys,
                            const profile::ProfileText& planKeys, CatalogueLookup& catalogue) {
    std::string line(110, ' ');
    const std::string aircraft = flightKeys.get("Plane.0", "Aircraft");
    writeColumn(line, 8, 28, flightKeys.get("Main", "title"));
    writeColumn(line, 60, 5, DEP_TM(flightKeys));
    line += flightKeys.get("Main", "description");
    const std::string distance = GC_DIST(planKeys);
    writeColumn(line, 49, 4, distance);
    writeColumn(line, 54, 5, planKeys.get("flightplan", "cruising_altitude"));
    // A flight that names no aircraft reads "0", which nearly every catalogue
    // entry holds somewhere (in its speeds): it gets no trip time, not that of
    // some other aircraft.
    if (!aircraft.empty() && flightKeys.raw("Plane.0", "Aircraft")) {
        if (const std::string* entry = catalogue.firstHolding(aircraft))
            writeColumn(line, 66, 5,
                        listTripTime(leadingNumber(distance), leadingNumber(entry->substr(0, 3))));
    }
    writeColumn(line, 37, 4, planKeys.get("flightplan", "departure_id").substr(0, 4));
    writeColumn(line, 43, 4, planKeys.get("flightplan", "destination_id").substr(0, 4));
    writeColumn(line, 72, 34, aircraft);
    writeColumn(line, 1, 6, setId);
    return line;
}

void mnu_datalist_Click(Frm_Vell13& f) {
    const std::string answer = trim(f.ui.inputBox(
        "Enter a ID of 6 Letters max. for this List, please!   \r\n"
        "e.g. 'EUBF' for European Busyness Flights..  ",
        "LIST ID", ""));
    if (answer.empty()) return;
    const std::string setId = upper(answer).substr(0, 6);

    // The list belongs into a folder of flights, never the root.
    const std::string folder = f.Dir1.path();
    if (folder.empty() || !files::folderExists(folder)) {
        f.ui.messageBox("Could not find the folder of the flights!   ", MsgButtons::OK,
                        MsgIcon::Exclamation, kListTitle);
        return;
    }

    f.setBusy(true);
    std::string bytes = std::string(kContentListHeader) + "\r\n";
    const std::vector<std::string> flights = f.File1.items();
    bytes.reserve(bytes.size() + flights.size() * 400);  // a line is about as long
    // Each flight and plan is read once for all its keys, every one into
    // the same memory; one that cannot be read has no keys.
    std::string flight;
    std::string plan;
    CatalogueLookup catalogue(f.Lst_ACFT);
    for (const std::string& entry : flights) {
        // The plan of the same name: the flight's name up to ".FLT" (this
        // very case) with "PLN" instead.
        const std::size_t dot = entry.find(".FLT");
        if (dot == std::string::npos) continue;
        const std::string planPath = folder + SEP + entry.substr(0, dot + 1) + "PLN";
        if (!files::readInto(planPath, plan)) {
            if (!files::fileExists(planPath)) continue;
            plan.clear();
        }
        if (!files::readInto(folder + SEP + entry, flight)) flight.clear();
        bytes += contentListLine(setId, profile::ProfileText::borrowed(flight),
                                 profile::ProfileText::borrowed(plan), catalogue) +
                 "\r\n";
    }
    const std::string path = folder + SEP + "FLIST.TXT";
    const bool written = files::writeWhole(path, bytes);
    f.setBusy(false);
    if (!written) {
        f.ui.messageBox("Could not write the Contents List  \r\n" + path + "   ", MsgButtons::OK,
                        MsgIcon::Exclamation, kListTitle);
        return;
    }
    f.ui.messageBox("Contents List processed!   ", MsgButtons::OK, MsgIcon::Information,
                    kListTitle);
}

}  // namespace vell
