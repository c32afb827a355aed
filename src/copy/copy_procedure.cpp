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

// The files this copy has written, and which of them it made anew.
struct Written {
    std::vector<std::string> paths;
    std::vector<std::string> created;

    void add(const std::string& path, bool existedBefore) {
        paths.push_back(path);
        if (!existedBefore) created.push_back(path);
    }
};

// Copies from onto to. When both name one file (the copy goes back onto its
// own source), the file is already where it belongs and stays untouched.
std::optional<CopyFailure> copyOne(const std::string& from, const std::string& to,
                                   Written& written) {
    if (!files::fileExists(from)) return CopyFailure{"The source file was not found", from};
    const bool existed = files::fileExists(to);
    if (!files::sameFile(from, to) && !files::copyFile(from, to)) {
        // Only a late step failed if the copy is there all the same.
        if (!existed && files::fileExists(to)) written.created.push_back(to);
        return CopyFailure{"The copy could not be written", to};
    }
    written.add(to, existed);
    return std::nullopt;
}

// Deletes a source unless it is gone already or is one of the files written.
std::optional<CopyFailure> deleteSource(const std::string& path, const Written& written) {
    if (!files::fileExists(path)) return std::nullopt;
    for (const std::string& target : written.paths) {
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
    // Sources that were not deleted because they lie outside the folder the
    // flight was opened from.
    std::vector<std::string> keptOutside;
};

// Everything up to the deletion of the sources: the copies, their patches,
// the weather and the briefing. The sources are not touched.
std::optional<CopyFailure> writeCopies(Frm_Vell13& f, const std::string& base, Written& written,
                                       std::string& sourceWeather) {
    const std::string folder = f.Dir1.path();
    const std::string flight = folder + SEP + base + ".FLT";
    const std::string plan = folder + SEP + base + ".PLN";
    const std::string& from = f.Txt_Sel_FSPath.text();

    if (auto e = copyOne(from + SEP + f.Txt_Sel_FSFLT.text(), flight, written)) return e;
    if (auto e = copyOne(from + SEP + f.Txt_Sel_Flightplan.text(), plan, written)) return e;
    if (auto e = patchCopyNames(f, flight, plan, base)) return e;
    if (f.Chk_Freq.value() == 1) {
        if (auto e = patchCopyPresets(f, flight)) return e;
    }

    // The weather saved with the flight bears the flight's name.
    if (f.Chk_WX.value() == 1) {
        const std::string& name = f.Txt_Sel_FSFLT.text();
        const std::size_t ext = name.find(".FLT");
        if (ext == std::string::npos) {
            return CopyFailure{
                "The flight's name does not contain \".FLT\", so its weather file cannot be named",
                name};
        }
        const std::string weather = from + SEP + name.substr(0, ext) + ".WX";
        if (files::fileExists(weather)) {
            if (auto e = copyOne(weather, folder + SEP + base + ".WX", written)) return e;
            sourceWeather = weather;
        }
    }

    std::string briefing;
    const std::string output = briefingOutputPath(briefingCase(f), folder, base);
    const bool existed = files::fileExists(output);
    if (auto e = writeBriefingOutput(f, folder, base, briefing)) {
        if (!existed && files::fileExists(output)) written.created.push_back(output);
        return e;
    }
    if (!briefing.empty()) written.add(briefing, existed);
    return std::nullopt;
}

Outcome copyFlight(Frm_Vell13& f) {
    const std::string base = baseName(baseNameFields(f));
    // The name must stay a name: a separator in it would put the copy into
    // another folder, or outside the destination (either separator: a name
    // made on one system is used on the other); a control character cuts or
    // spoils it on disk.
    if (!isPlainName(base)) {
        return {CopyFailure{"The name of the copy contains a folder separator", base}, kKeptNote, {}};
    }

    Outcome outcome;
    Written written;
    std::string sourceWeather;
    outcome.failure = writeCopies(f, base, written, sourceWeather);
    if (outcome.failure) {
        // What this copy made anew goes again; the sources were not touched.
        for (const std::string& path : written.created) files::deleteFile(path);
        return outcome;
    }

    if (f.Chk_KeepPlan.value() == 0) {
        const std::string& from = f.Txt_Sel_FSPath.text();
        const std::string plan = from + SEP + f.Txt_Sel_Flightplan.text();
        std::vector<std::string> sources = {from + SEP + f.Txt_Sel_FSFLT.text(), plan};
        if (!sourceWeather.empty()) sources.push_back(sourceWeather);
        // The briefing file is the one the person chose in the dialog (in
        // KIV mode the dispatch program's output): it goes with the sources,
        // so that the next flight does not pick it up by mistake.
        if (f.Chk_Auto_BRF.value() == 0 && !f.Txt_Sel_BRF.text().empty()) {
            sources.push_back(f.Txt_Sel_BRF.text());
        }
        for (const std::string& source : sources) {
            // The plan's name was read from the saved flight, and one named
            // with ".." may lie anywhere: it was read, and that is all a copy
            // does to a file outside its flight's folder. The other sources
            // were chosen in a dialog.
            if (source == plan && !paths::liesWithin(source, from)) {
                outcome.keptOutside.push_back(source);
                continue;
            }
            if (auto e = deleteSource(source, written)) return {e, kDeleteNote, outcome.keptOutside};
        }
    }

    f.Txt_Status.setText(base + ": Selected Files done!");
    return outcome;
}

}  // namespace

void Cmd_PROC_COPY_Click(Frm_Vell13& f) {
    if (!preconditionsHold(f)) return;
    Outcome outcome;
    {
        BusyPointer busy(f);
        outcome = copyFlight(f);
    }
    if (outcome.failure) {
        report(f, *outcome.failure, outcome.note);
    } else if (!outcome.keptOutside.empty()) {
        std::string kept;
        for (const std::string& path : outcome.keptOutside) kept += "\r\n" + path;
        f.ui.messageBox("These source files lie outside the folder of the flight and were kept:" + kept,
                        MsgButtons::OK, MsgIcon::Information, kAppTitle);
    }
}

}  // namespace vell
