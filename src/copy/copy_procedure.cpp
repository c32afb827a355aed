#include "copy/copy_procedure.h"

#include <optional>
#include <string>
#include <vector>

#include "copy/base_name.h"
#include "copy/briefing_outputs.h"
#include "copy/copy_failure.h"
#include "copy/flight_patch.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kKeptNote = "The copy stopped here; no source file has been deleted.";
const std::string kDeleteNote =
    "The copies are complete; this source file and any after it were kept.";

bool preconditionsHold(const Frm_Vell13& f) {
    if (!contains(upper(paths::collapsed(f.Dir1.path())), "FLIGHTS" + SEP)) return false;
    if (f.FS9_PATH.empty() && f.FS8_PATH.empty()) return false;
    const std::string& folder = f.Txt_Sel_FSPath.text();
    if (!files::fileExists(folder + SEP + f.Txt_Sel_Flightplan.text())) return false;
    if (folder.empty() || !files::fileExists(folder + SEP + f.Txt_Sel_FSFLT.text())) return false;
    return !f.Txt_Title.text().empty();
}

// The busy pointer for as long as the command runs, however it ends.
class BusyPointer {
  public:
    explicit BusyPointer(Frm_Vell13& f) : f_(f) { f_.setBusy(true); }
    ~BusyPointer() { f_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    Frm_Vell13& f_;
};

void report(Frm_Vell13& f, const CopyFailure& failure, const std::string& note) {
    f.ui.messageBox(failure.what + ":\r\n" + failure.file + "\r\n\r\n" + note, MsgButtons::OK,
                    MsgIcon::Exclamation, kAppTitle);
}

// Copies from onto to. When both name one file (the copy goes back onto its
// own source), the file is already where it belongs and stays untouched.
std::optional<CopyFailure> copyOne(const std::string& from, const std::string& to) {
    if (!files::fileExists(from)) return CopyFailure{"The source file was not found", from};
    if (files::sameFile(from, to)) return std::nullopt;
    if (!files::copyFile(from, to)) return CopyFailure{"The copy could not be written", to};
    return std::nullopt;
}

// Deletes a source unless it is gone already or is one of the files written.
std::optional<CopyFailure> deleteSource(const std::string& path,
                                        const std::vector<std::string>& written) {
    if (!files::fileExists(path)) return std::nullopt;
    for (const std::string& target : written) {
        if (files::sameFile(path, target)) return std::nullopt;
    }
    if (!files::deleteFile(path)) return CopyFailure{"The source file could not be deleted", path};
    return std::nullopt;
}

// The copy from the base name to the status line; a failure comes back
// with the note that tells what became of the sources.
struct Outcome {
    std::optional<CopyFailure> failure;
    std::string note = kKeptNote;
};

Outcome copyFlight(Frm_Vell13& f) {
    const std::string folder = f.Dir1.path();
    const std::string base = baseName(baseNameFields(f));
    // The name must stay a name: a separator in it would put the copy into
    // another folder, or outside the destination (either separator: a name
    // made on one system is used on the other); a control character cuts or
    // spoils it on disk.
    if (!isPlainName(base)) {
        return {CopyFailure{"The name of the copy contains a folder separator", base}};
    }

    const std::string flight = folder + SEP + base + ".FLT";
    const std::string plan = folder + SEP + base + ".PLN";
    std::vector<std::string> written;

    const std::string sourceFlight = f.Txt_Sel_FSPath.text() + SEP + f.Txt_Sel_FSFLT.text();
    if (auto e = copyOne(sourceFlight, flight)) return {e};
    written.push_back(flight);

    const std::string sourcePlan = f.Txt_Sel_FSPath.text() + SEP + f.Txt_Sel_Flightplan.text();
    if (auto e = copyOne(sourcePlan, plan)) return {e};
    written.push_back(plan);

    patchCopyNames(f, flight, plan, base);
    if (f.Chk_Freq.value() == 1) patchCopyPresets(f, flight);

    // The weather saved with the flight bears the flight's name.
    std::string sourceWeather;
    if (f.Chk_WX.value() == 1) {
        const std::string& name = f.Txt_Sel_FSFLT.text();
        const std::size_t ext = name.find(".FLT");
        if (ext == std::string::npos) {
            return {CopyFailure{
                "The flight's name does not contain \".FLT\", so its weather file cannot be named",
                name}};
        }
        const std::string weather = f.Txt_Sel_FSPath.text() + SEP + name.substr(0, ext) + ".WX";
        if (files::fileExists(weather)) {
            const std::string target = folder + SEP + base + ".WX";
            if (auto e = copyOne(weather, target)) return {e};
            written.push_back(target);
            sourceWeather = weather;
        }
    }

    std::string briefing;
    if (auto e = writeBriefingOutput(f, folder, base, briefing)) return {e};
    if (!briefing.empty()) written.push_back(briefing);

    if (f.Chk_KeepPlan.value() == 0) {
        std::vector<std::string> sources = {sourceFlight, sourcePlan};
        if (!sourceWeather.empty()) sources.push_back(sourceWeather);
        if (f.Chk_Auto_BRF.value() == 0 && !f.Txt_Sel_BRF.text().empty()) {
            sources.push_back(f.Txt_Sel_BRF.text());
        }
        for (const std::string& source : sources) {
            if (auto e = deleteSource(source, written)) return {e, kDeleteNote};
        }
    }

    f.Txt_Status.setText(base + ": Selected Files done!");
    return {};
}

}  // namespace

void Cmd_PROC_COPY_Click(Frm_Vell13& f) {
    if (!preconditionsHold(f)) return;
    Outcome outcome;
    {
        BusyPointer busy(f);
        outcome = copyFlight(f);
    }
    if (outcome.failure) report(f, *outcome.failure, outcome.note);
}

}  // namespace vell
