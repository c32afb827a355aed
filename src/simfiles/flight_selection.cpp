#include "simfiles/flight_selection.h"

#include <string>

#include "briefing/note_presets.h"
#include "platform/files.h"
#include "simfiles/open_flt.h"
#include "simfiles/plan_reader.h"
#include "text/strings.h"
#include "window/destination_check.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

// Reads the note file of one airport line by line: each line presets what it
// is tagged for and joins the list. A missing file adds nothing. False when
// the file is there but cannot be read; the user has been told which.
bool readAirportNotes(Frm_Vell13& f, const std::string& simFolder, const std::string& code,
                      int side, ListBox& list) {
    const std::string path = simFolder + SEP + "kiv" + SEP + code + ".txt";
    if (!files::fileExists(path)) return true;
    const auto lines = files::readLines(path);
    if (!lines) {
        f.ui.messageBox("Could not read the airport data file " + path, MsgButtons::OK,
                        MsgIcon::Exclamation, kAppTitle);
        return false;
    }
    for (const std::string& line : *lines) {
        Get_NAVDATA(f, side, line);
        list.addItem(line);
    }
    return true;
}

}  // namespace

void Cmd_Sel_FSFLT_Click(Frm_Vell13& f) {
    // Repaint before the dialogs open.
    f.bringToFront(f.Frame_Mode);
    f.ui.doEvents();
    Reset_FORM(f);
    std::string planName;
    f.Chk_FS_Apt.setValue(0);
    f.Chk_KIV.setValue(0);
    f.Cmd_PROC_COPY.setEnabled(false);

    // FS 2004 keeps saved flights in the user's folder, FS 2002 below its
    // own flights folder.
    const bool fs2004 = f.Opt_FS9.value();
    const std::string startFolder =
        fs2004 ? f.USER_PATH : f.FS8_PATH + SEP + "flights" + SEP + "myflts";
    const std::string simFolder = fs2004 ? f.FS9_PATH : f.FS8_PATH;

    // A flight or plan that fails to be read would show "0"s and be copied
    // under them.
    const auto readsBefore = files::readFailures().count;
    Open_FLT(f, startFolder, planName);
    if (f.CMDialog1.fileName.empty() && files::readFailures().count == readsBefore) return;
    if (!f.CMDialog1.fileName.empty()) GET_PLN(f, startFolder, planName);
    if (files::readFailures().count != readsBefore) {
        const std::string file = files::readFailures().lastPath;
        Reset_FORM(f);
        f.Cmd_PROC_COPY.setEnabled(false);
        f.ui.messageBox("Could not read the file " + file, MsgButtons::OK, MsgIcon::Exclamation,
                        kAppTitle);
        return;
    }
    if (!readAirportNotes(f, simFolder, f.Txt_DEP.text(), 0, f.Lst_FS_APT2)) return;
    if (!readAirportNotes(f, simFolder, f.Txt_DES.text(), 1, f.Lst_FS_APT)) return;

    if (!f.CMDialog1.fileName.empty()) {
        // Radio presets are written into the copy only when both airports
        // gave notes.
        if (f.Lst_FS_APT2.count() == 0 || f.Lst_FS_APT.count() == 0) f.Chk_Freq.setValue(0);
    } else {
        // The plan dialog was cancelled: nothing of this flight stays.
        Reset_FORM(f);
        f.Chk_Freq.setValue(0);
    }
}

void Dir1_Change(Frm_Vell13& f) {
    Check_DESTFOLDER(f);
    f.File1.setPattern("*.FLT");
    f.File1.setPath(f.Dir1.path());  // reads the folder's flights anew
    // The content list needs flights in the folder.
    f.mnu_datalist.setEnabled(false);
    if (f.File1.count() >= 1) f.mnu_datalist.setEnabled(true);
}

void Reset_FORM(Frm_Vell13& f) {
    f.planReadingStopped = false;
    f.planStopReason.clear();
    for (TextBox* box :
         {&f.Txt_Sel_FSPath, &f.Txt_Sel_Flightplan, &f.Txt_Sel_FSFLT, &f.Txt_Sel_BRF, &f.Txt_Title,
          &f.Txt_Description, &f.Txt_ACFT, &f.Txt_GCDist, &f.Txt_Cruise, &f.Txt_DepartureTm,
          &f.Txt_EET, &f.Txt_DEP, &f.Txt_DES, &f.Txt_DEPNAME, &f.Txt_DESNAME, &f.Txt_POS,
          &f.Txt_ERWY, &f.Txt_CarICAO, &f.Txt_Flt_Nr})
        box->setText("");
    f.Lst_FS_APT.clear();
    f.Lst_FS_APT2.clear();
    f.Txt_HDG.setText("");
    f.Txt_CRS.setText("");
    for (TextBox& freq : f.Txt_Freq) freq.setText("");
}

void Cmd_OK2_Click(Frm_Vell13& f) {
    f.close();
}

}  // namespace vell
