#include "simfiles/open_flt.h"

#include <optional>

#include "platform/files.h"
#include "platform/wine_paths.h"
#include "platform/paths.h"
#include "profile/profile_text.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/dialogs.h"
#include "window/destination_check.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const char* const kDestFirst = "Select/generate destination folder first ..";

// Step 4: which simulator wrote the flight, and a destination folder to go
// with it.
void detectVersion(Frm_Vell13& f, const profile::ProfileText& flight) {
    const std::string version = flight.get("Main", "AppVersion");
    const char first = version.empty() ? '\0' : version[0];
    if (first == '9') {
        f.Lbl_FS_Vers.setCaption("Detected Flight-Version: FS 2004");
        const std::string flights = f.FS9_PATH + SEP + "flights";
        if (!paths::holds(f.Dir1.path(), flights)) {
            f.Txt_Status.setText(kDestFirst);
            f.Dir1.setPath(flights);
        }
    } else if (first == '8') {
        f.Lbl_FS_Vers.setCaption("Detected Flight-Version: FS 2002");
        if (!paths::holds(f.Dir1.path(), f.FS8_PATH)) {
            f.Txt_Status.setText(kDestFirst);
            f.Dir1.setPath(f.FS8_PATH + SEP + "flights");
        }
    } else {
        f.Lbl_FS_Vers.setCaption("Detected Flight-Version: None..");
        f.Dir1.setPath(f.host.programFolder);
    }
}

}  // namespace

void Open_FLT(Frm_Vell13& f, const std::string& folder, std::string& planName) {
    auto choice =
        showOpen(f, "Open FS200X Flight File ..", "FS Flight-Files (*.FLT)|*.FLT", folder, "");
    if (!choice) return;
    const std::string& flight = choice->path;
    if (flight.empty()) return;
    // A file that merely bears the extension (empty, binary, a folder) is
    // named as such and not taken up: nothing of it could be copied.
    // The flight is read here once for every key below; nothing in between
    // writes it.
    const auto readsBefore = files::readFailures().count;
    std::optional<std::string> bytes = files::readWhole(flight);
    if (!bytes || !profile::hasSection(*bytes)) {
        // A file that failed to be read is the caller's to report.
        if (files::readFailures().count == readsBefore) {
            f.Txt_Status.setText(choice->name + " is not a saved flight.");
        }
        f.CMDialog1.fileName.clear();
        return;
    }

    const profile::ProfileText keys(std::move(*bytes));

    f.Txt_Sel_FSFLT.setText(choice->name);
    // The folder is what stands before the bare name and its separator.
    if (choice->name.size() + 1 > flight.size()) return;
    const std::string flightFolder = flight.substr(0, flight.size() - choice->name.size() - 1);
    f.Txt_Sel_FSPath.setText(flightFolder);

    detectVersion(f, keys);

    f.Txt_SPD.setText(keys.get("AutoPilot.0", "AirspeedValue"));
    f.Txt_ACFT.setText(keys.get("Plane.0", "Aircraft"));
    f.Txt_DepartureTm.setText(DEP_TM(keys));

    planName = keys.get("GPS_Engine", "Filename") + ".pln";
    // A flight saved under Wine names its plan with a Windows path.
    planName = hostPathOfWindowsPath(planName, flight);
    // A plan stored under the start folder is named relative to it. Without
    // a start folder (the user folder was cleared) the flight's own folder
    // takes its place, so that a plan beside the flight is found there.
    const std::string& relativeTo = folder.empty() ? flightFolder : folder;
    if (auto relative = paths::after(planName, relativeTo, true)) planName = *relative;
    // A relative name is found beside the chosen flight.
    const std::string onDisk =
        paths::isAbsolute(planName) ? planName : flightFolder + SEP + planName;
    if (!files::fileExists(onDisk)) planName.clear();

    f.Chk_Auto_BRF.setValue(1);
    Check_DESTFOLDER(f);
}

std::string DEP_TM(const std::string& fltFile) {
    return DEP_TM(profile::ProfileText::read(fltFile));
}

std::string DEP_TM(const profile::ProfileText& flight) {
    const double hours = leadingNumber(flight.get("DateTimeSeason", "Hours"));
    const double minutes = leadingNumber(flight.get("DateTimeSeason", "Minutes"));
    int t = toInt16HalfEven(hours * 60 + minutes + 20);
    t = static_cast<int>(roundHalfEven(t / 5.0)) * 5;
    // A clock time of the day: 23:40 and later wrap to the next morning. A
    // hand-edited time outside the day wraps likewise instead of showing
    // "25:10" or a negative hour.
    t %= 1440;
    if (t < 0) t += 1440;
    return formatPattern(t / 60, "00") + ":" + formatPattern(t % 60, "00");
}

}  // namespace vell
