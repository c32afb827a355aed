// The main window model: every field of the window as a named member, the
// window-level values, and the window's own state (which frame of a shared
// place is in front, which field holds the keyboard input, the busy pointer,
// the help file in force). The model knows no handler: each subsystem wires
// its handlers to the fields' callbacks.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "window/fields.h"
#include "window/frm_texted.h"
#include "window/ui_port.h"

namespace vell {

class Frm_Vell13 {
public:
    Frm_Vell13(UiPort& ui, const Host& host);
    Frm_Vell13(const Frm_Vell13&) = delete;
    Frm_Vell13& operator=(const Frm_Vell13&) = delete;

    UiPort& ui;
    const Host& host;

    const std::string caption = "FS 2002/4 - VELLMASTER for Flights and Plans with KIV Support..";

    // Window-level values.
    std::string FS8_PATH;
    std::string FS9_PATH;
    std::string USER_PATH;
    std::string KIV_PATH;
    std::string KIV_PLN_PATH;
    std::string PLANFILE;
    std::string FLTFILE;
    // Where the registry gave FS8_PATH and FS9_PATH, or which of its
    // sources holds them (under Wine the prefix's folder), for the About
    // box; empty when no source of the registry is known for the folder.
    std::string fs8Source;
    std::string fs9Source;
    // The plan reader stopped before its end and said why: the flight in
    // the window is half-read, and no copy may start until one is read
    // whole. The reason stays in the status line whatever folder is chosen.
    bool planReadingStopped = false;
    std::string planStopReason;

    // Top level, file and folder selection.
    FileList File1{"File1"};
    FileList File2{"File2"};
    ListBox Lst_FS_APT2{"Lst_FS_APT2"};
    ListBox Lst_Fplbrf{"Lst_Fplbrf"};
    ListBox Lst_pln_pat{"Lst_pln_pat"};
    Frame Frame1{"Frame1"};
    FolderList Dir1{"Dir1"};
    CheckBox Chk_KIV{"Chk_KIV"};
    CheckBox Chk_FS_Apt{"Chk_FS_Apt"};

    // Frame_PLN_IMP: KIV plan import.
    Frame Frame_PLN_IMP{"Frame_PLN_IMP"};
    CheckBox Chk_Carr{"Chk_Carr"};
    TextBox Txt_CRU{"Txt_CRU"};
    TextBox Txt_Section{"Txt_Section"};
    ComboBox Cbo_Pos{"Cbo_Pos"};
    FileList File_KIV{"File_KIV"};
    CommandButton Cmd_KIV{"Cmd_KIV"};
    TextBox Txt_CARR{"Txt_CARR"};
    TextBox Txt_KIV_FLTNR{"Txt_KIV_FLTNR"};
    Label Lbl_Cru{"Lbl_Cru"};
    Label Lbl_LegICAO{"Lbl_LegICAO"};
    Label Label20{"Label20"};
    Label Label21{"Label21"};
    Label Lbl_CARR{"Lbl_CARR"};
    Label Lbl_FLTNR{"Lbl_FLTNR"};

    // Frame_FS_APT: airport notes.
    Frame Frame_FS_APT{"Frame_FS_APT"};
    CommandButton Cmd_Recent_Clear{"Cmd_Recent_Clear"};
    ListBox Lst_Stored{"Lst_Stored"};
    CommandButton Cmd_APT_Clear{"Cmd_APT_Clear"};
    TextBox Txt_APT_ICAO{"Txt_APT_ICAO"};
    CommandButton Cmd_APT_SAVE{"Cmd_APT_SAVE"};
    TextBox Txt_APT_DAT{"Txt_APT_DAT"};
    Label Lbl_Stored{"Lbl_Stored"};
    Label Lbl_APT_ICAO{"Lbl_APT_ICAO"};

    // Top level working lists.
    ListBox Lst_FS_APT{"Lst_FS_APT"};
    ListBox Lst_ACFT{"Lst_ACFT"};

    // Frame_Mode: versions, modes, flight data and frequencies.
    Frame Frame_Mode{"Frame_Mode"};
    TextBox Txt_SPD{"Txt_SPD"};
    CheckBox Chk_Freq{"Chk_Freq"};
    TextBox Txt_HDG{"Txt_HDG"};
    TextBox Txt_CRS{"Txt_CRS"};
    std::array<TextBox, 5> Txt_Freq{{TextBox{"Txt_Freq(0)"}, TextBox{"Txt_Freq(1)"},
                                     TextBox{"Txt_Freq(2)"}, TextBox{"Txt_Freq(3)"},
                                     TextBox{"Txt_Freq(4)"}}};
    CheckBox Chk_APT_Data{"Chk_APT_Data"};
    TextBox Txt_GDist{"Txt_GDist"};
    Frame Picture1{"Picture1"};
    OptionButton Opt_FS9{"Opt_FS9"};
    OptionButton Opt_FS8{"Opt_FS8"};
    std::array<OptionButton, 2> Opt_Vell{{OptionButton{"Opt_Vell(0)"}, OptionButton{"Opt_Vell(1)"}}};
    TextBox Txt_Flt_Nr{"Txt_Flt_Nr"};
    TextBox Txt_CarICAO{"Txt_CarICAO"};
    CheckBox Chk_KeepPlan{"Chk_KeepPlan"};
    CheckBox Chk_WX{"Chk_WX"};
    TextBox Txt_DESNAME{"Txt_DESNAME"};
    TextBox Txt_DEPNAME{"Txt_DEPNAME"};
    TextBox Txt_ERWY{"Txt_ERWY"};
    TextBox Txt_POS{"Txt_POS"};
    TextBox Txt_DES{"Txt_DES"};
    TextBox Txt_DEP{"Txt_DEP"};
    TextBox Txt_Status{"Txt_Status"};
    CommandButton Cmd_PROC_COPY{"Cmd_PROC_COPY"};
    TextBox Txt_GCDist{"Txt_GCDist"};
    TextBox Txt_EET{"Txt_EET"};
    TextBox Txt_DepartureTm{"Txt_DepartureTm"};
    TextBox Txt_Cruise{"Txt_Cruise"};
    TextBox Txt_Description{"Txt_Description"};
    TextBox Txt_Title{"Txt_Title"};
    TextBox Txt_ACFT{"Txt_ACFT"};
    Label Lbl_SPD{"Lbl_SPD"};
    Label Lbl_HDG{"Lbl_HDG"};
    Label Lbl_CRS{"Lbl_CRS"};
    std::array<Label, 5> Lbl_Freq{{Label{"Lbl_Freq(0)"}, Label{"Lbl_Freq(1)"},
                                   Label{"Lbl_Freq(2)"}, Label{"Lbl_Freq(3)"},
                                   Label{"Lbl_Freq(4)"}}};
    Label Lbl_GDist{"Lbl_GDist"};
    Label Lbl_Main{"Lbl_Main"};
    Label Lbl_Standard{"Lbl_Standard"};
    Label Lbl_Stand_title{"Lbl_Stand_title"};
    Label Lbl_Flt_Nr{"Lbl_Flt_Nr"};
    Label Lbl_CarICAO{"Lbl_CarICAO"};
    Label Lbl_PLN_Vers{"Lbl_PLN_Vers"};
    Label Lbl_FS_Vers{"Lbl_FS_Vers"};
    Label Lbl_DESNAME{"Lbl_DESNAME"};
    Label Lbl_DEPNAME{"Lbl_DEPNAME"};
    Label Lbl_ERWY{"Lbl_ERWY"};
    Label Lbl_POS{"Lbl_POS"};
    Label Lbl_DESICAO{"Lbl_DESICAO"};
    Label Lbl_DEPICAO{"Lbl_DEPICAO"};
    Label Lbl_GCDist{"Lbl_GCDist"};
    Label Lbl_EET{"Lbl_EET"};
    Label Lbl_DepartureTm{"Lbl_DepartureTm"};
    Label Lbl_Cruise{"Lbl_Cruise"};
    Label Lbl_Description{"Lbl_Description"};
    Label Lbl_Title{"Lbl_Title"};
    Label Lbl_ACFT{"Lbl_ACFT"};

    // Top level, briefing and flight selection.
    ListBox Lst_BRF{"Lst_BRF"};
    FileDialogComponent CMDialog1{"CMDialog1"};
    CommandButton Cmd_Sel_BRF{"Cmd_Sel_BRF"};
    TextBox Txt_Sel_BRF{"Txt_Sel_BRF"};
    CheckBox Chk_Auto_BRF{"Chk_Auto_BRF"};
    TextBox Txt_Sel_FSPath{"Txt_Sel_FSPath"};
    TextBox Txt_Sel_FSFLT{"Txt_Sel_FSFLT"};
    CommandButton Cmd_Sel_FSFLT{"Cmd_Sel_FSFLT"};
    CommandButton Cmd_OK2{"Cmd_OK2"};
    TextBox Txt_Sel_Flightplan{"Txt_Sel_Flightplan"};
    Label Lbl_KivPln{"Lbl_KivPln"};
    Label Lbl_Path{"Lbl_Path"};
    Label Lbl_Sel_BRF{"Lbl_Sel_BRF"};
    Label Lbl_Sel_Flightplan{"Lbl_Sel_Flightplan"};
    Label Lbl_Sel_FSPath{"Lbl_Sel_FSPath"};
    Label Lbl_Sel_FSFLT{"Lbl_Sel_FSFLT"};
    Label Lbl_CR{"Lbl_CR"};
    Image Image1{"Image1"};

    // Menus.
    MenuItem mnu_file{"mnu_file"};
    MenuItem mnu_FS_folder{"mnu_FS_folder"};
    MenuItem mnu_desc{"mnu_desc"};
    MenuItem mnu_datalist{"mnu_datalist"};
    MenuItem t01{"t01"};
    MenuItem mnu_Apt_load{"mnu_Apt_load"};
    MenuItem mnu_Apt_save{"mnu_Apt_save"};
    MenuItem mnu_Apt_imp{"mnu_Apt_imp"};
    MenuItem mnu_PREF{"mnu_PREF"};
    std::array<MenuItem, 4> mnu_Standard{{MenuItem{"mnu_Standard(0)"}, MenuItem{"mnu_Standard(1)"},
                                          MenuItem{"mnu_Standard(2)"},
                                          MenuItem{"mnu_Standard(3)"}}};
    MenuItem mnu_path{"mnu_path"};
    MenuItem mnu_myfiles{"mnu_myfiles"};
    MenuItem mnu_fs9{"mnu_fs9"};
    MenuItem mnu_fs8{"mnu_fs8"};
    MenuItem mnu_general{"mnu_general"};
    MenuItem mnu_about{"mnu_about"};
    MenuItem mnu_help{"mnu_help"};
    MenuItem mnu_help_d{"mnu_help_d"};

    // The description editor dialog.
    Frm_TEXTED texted;

    // Every field of the main window, in declaration order.
    const std::vector<Field*>& fields() const { return fields_; }
    // The top-level menus, in menu-bar order.
    const std::vector<MenuItem*>& menuBar() const { return menuBar_; }
    // A field by name: "Txt_Title", "Txt_Freq(2)", "Frm_TEXTED.Text1".
    Field* find(std::string_view name);

    // Window events, wired by the subsystems.
    std::function<void()> Load;
    std::function<void()> Resize;
    std::function<void()> Unload;
    // The window's key preview: sees every character before the field.
    std::function<void(int& keyAscii)> KeyPress;
    // The help key (F1) pressed anywhere in the window.
    std::function<void()> HelpKey;

    void load();
    void resize();
    void helpKey();
    // Closes the window: raises Unload once; the program then ends.
    void close();
    bool closed() const { return closed_; }

    // Window geometry in twips.
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // The field that holds the keyboard input. Moving it raises LostFocus
    // of the field that had it.
    Field* focus() const { return focus_; }
    void setFocus(Field* field);

    // Frames that share one place show only the one in front.
    void bringToFront(Frame& frame);
    bool inFront(const Frame& frame) const;
    // The frames that share frame's place (frame included), or frame alone.
    std::vector<Frame*> placeOf(const Frame& frame) const;

    bool busy() const { return busy_; }
    void setBusy(bool busy);

    const std::string& helpFile() const { return helpFile_; }
    void setHelpFile(std::string path);

    // A character typed into field: the window's key preview, then the
    // field's own handler. Returns the character to insert (0: dropped).
    int previewKey(Field& field, int keyAscii);
    // A person typing one character at the end of a text box's text: the
    // key handlers first, then Enter adds CR LF to a multi-line box and
    // nothing to a single-line one.
    void typeChar(TextBox& box, int keyAscii);

    // Every event of the window and its fields runs through it: a failure
    // that escapes a handler is told in a message box, and the window goes on.
    EventBoundary& events() { return events_; }

    // Told whenever the window's own state changes (focus, front frame,
    // busy pointer, help file, closing).
    void addObserver(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

private:
    void registerFields();
    void setInitialState();
    void notify();

    EventBoundary events_;
    std::vector<Field*> fields_;
    std::vector<MenuItem*> menuBar_;
    Field* focus_ = nullptr;
    bool busy_ = false;
    bool closed_ = false;
    std::string helpFile_;
    int zCounter_ = 0;
    std::vector<std::pair<const Frame*, int>> zOrder_;
    std::vector<std::function<void()>> observers_;
};

}  // namespace vell
