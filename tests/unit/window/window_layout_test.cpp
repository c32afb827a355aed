// The main window as it stands before start-up: every field, its caption or
// text, tooltip, container, flags and the menu tree.
#include <gtest/gtest.h>

#include <set>

#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

struct Design {
    const char* name;
    const char* caption;  // caption, or initial text of a text box
    const char* tooltip;
};

// Every captioned or tooltipped field of the window, as the user sees it.
const Design kDesign[] = {
    {"File1", "", ""},
    {"File2", "", ""},
    {"Lst_FS_APT2", "", ""},
    {"Lst_Fplbrf", "", ""},
    {"Lst_pln_pat", "", "Select Flightpan Filter for KIV-Import .."},
    {"Frame1", "Path for vellomized FS Flights :", ""},
    {"Dir1", "", ""},
    {"Chk_KIV", "", "Select KIV Flightplan [*.PLN] for interactive Dataimport.."},
    {"Chk_FS_Apt", "", "MsFS 200X Airport Data Picker.."},
    {"Chk_Carr", "", "Check to keep Data for next Import!"},
    {"Txt_CRU", "", ""},
    {"Txt_Section", "", "Section+NR e.g. 'A' [Space!] Number: A 10"},
    {"Cbo_Pos", "", "Select Positions (Details see FS2002/4 ! ) "},
    {"File_KIV", "", ""},
    {"Cmd_KIV", "DO &IMP.", "Import and Save Flightplan.."},
    {"Txt_CARR", "", "ICAO Code of Carrier e.g. UAL or any.. "},
    {"Txt_KIV_FLTNR", "", "between 0001 and 9999.."},
    {"Lbl_Cru", "Cruise Alt. (Ft) :", ""},
    {"Lbl_LegICAO", "", ""},
    {"Label20", "Section/Nr.", ""},
    {"Label21", "Departure Position :", ""},
    {"Lbl_CARR", "Carrier ICAO :", ""},
    {"Lbl_FLTNR", "Flight Nr. :", ""},
    {"Cmd_Recent_Clear", "&Rec.Clear", "Clear List or recent Airports .."},
    {"Lst_Stored", "", ""},
    {"Cmd_APT_Clear", "&CLEAR ALL", ""},
    {"Txt_APT_ICAO", "", ""},
    {"Cmd_APT_SAVE", "SA&VE DATA", ""},
    {"Txt_APT_DAT", "", ""},
    {"Lbl_Stored", "Recent...", ""},
    {"Lbl_APT_ICAO", "ICAO Code :", ""},
    {"Txt_SPD", "", "Default Speed if Autotrottle avl."},
    {"Chk_Freq", "Set Frequences", ""},
    {"Txt_HDG", "", "Default Heading VOR1 if avl."},
    {"Txt_CRS", "", "Default Course VOR1 if avl."},
    {"Txt_Freq(0)", "", "Default Frequency NAV1 active if avl."},
    {"Txt_Freq(1)", "", "Default Frequency NAV1 standby if avl."},
    {"Txt_Freq(2)", "", "Default Frequency NAV2 active if avl."},
    {"Txt_Freq(3)", "", "Default Frequency NAV2 standby if avl."},
    {"Txt_Freq(4)", "", "Default Frequency NADF if avl."},
    {"Chk_APT_Data", "Add D&estination Data",
     "Add FS 200X Data of Destination Airport if available .."},
    {"Txt_GDist", "", "Ground distance of the Route (NM).."},
    {"Picture1", "", ""},
    {"Opt_FS9", "FS 2004", ""},
    {"Opt_FS8", "FS 2002", ""},
    {"Opt_Vell(1)", "&KIV - Mode", "Title and Description Source: Flightplan.."},
    {"Opt_Vell(0)", "&MS FS - Mode", "Title and Description Source: Flight.."},
    {"Txt_Flt_Nr", "", "1-9999"},
    {"Txt_CarICAO", "", "Airline ICAO Code or short ID by user.."},
    {"Chk_KeepPlan", "Keep sourcel &files", "..or delete.."},
    {"Chk_WX", "Copy &Weather if avl...", "Copy the weather saved with the Flight.."},
    {"Txt_DESNAME", "", ""},
    {"Txt_DEPNAME", "", ""},
    {"Txt_ERWY", "", "Expected Departure Runway (optional)"},
    {"Txt_POS", "", ""},
    {"Txt_DES", "", ""},
    {"Txt_DEP", "", ""},
    {"Txt_Status", "Text1", ""},
    {"Cmd_PROC_COPY", "CO&PY Flight", ""},
    {"Txt_GCDist", "", "Great Circle Distance (NM).."},
    {"Txt_EET", "", "Expected triptime around ..."},
    {"Txt_DepartureTm", "", ""},
    {"Txt_Cruise", "", ""},
    {"Txt_Description", "", ""},
    {"Txt_Title", "", ""},
    {"Txt_ACFT", "", ""},
    {"Lbl_SPD", "SPD :", ""},
    {"Lbl_HDG", "HDG :", ""},
    {"Lbl_CRS", "CRS :", ""},
    {"Lbl_Freq(0)", "N1A :", ""},
    {"Lbl_Freq(1)", "N1S :", ""},
    {"Lbl_Freq(2)", "N2A :", ""},
    {"Lbl_Freq(3)", "N2S :", ""},
    {"Lbl_Freq(4)", "ADF :", ""},
    {"Lbl_GDist", "Route [NM - (GCI) :", ""},
    {"Lbl_Main", "Versions and Modes :", ""},
    {"Lbl_Standard", "", ""},
    {"Lbl_Stand_title", "Vellmaster - Filenames :", ""},
    {"Lbl_Flt_Nr", "Flight Number :", ""},
    {"Lbl_CarICAO", "Airline ICAO / Text :", ""},
    {"Lbl_PLN_Vers", "Detected PLN Version: None", ""},
    {"Lbl_FS_Vers", "Detected Flight-Version: None..", ""},
    {"Lbl_DESNAME", "Destination Name :", ""},
    {"Lbl_DEPNAME", "Departure Name :", ""},
    {"Lbl_ERWY", "[Exp. Dep. RWY] :", ""},
    {"Lbl_POS", "Departure Position :", ""},
    {"Lbl_DESICAO", "Destination ICAO :", ""},
    {"Lbl_DEPICAO", "Departure ICAO :", ""},
    {"Lbl_GCDist", "GC-Distance [NM] :", ""},
    {"Lbl_EET", "EET ca. :", ""},
    {"Lbl_DepartureTm", "Departure Time :", ""},
    {"Lbl_Cruise", "Cruise Alt. FL :", ""},
    {"Lbl_Description", "Desctiption :", ""},
    {"Lbl_Title", "Title :", ""},
    {"Lbl_ACFT", "FS 2004 Aircraft:", ""},
    {"Lst_BRF", "", ""},
    {"CMDialog1", "", ""},
    {"Cmd_Sel_BRF", "Select &Briefing file",
     "Select here the *.txt file exported as Output-File in KIV or any Briefing file  to copy as "
     "*.brf file .."},
    {"Txt_Sel_BRF", "", "Brieving-File.."},
    {"Chk_Auto_BRF", "&Auto - Briefing ..", "Generates a briefing File, using the FS Plan.."},
    {"Txt_Sel_FSPath", "", "Flight Path.."},
    {"Txt_Sel_FSFLT", "", "Flight Filename.."},
    {"Cmd_Sel_FSFLT", "&OPEN Flight", "Select here your created Flight in FS 2002/4 to copy .."},
    {"Cmd_OK2", "", "All Done! .."},
    {"Txt_Sel_Flightplan", "", "Plan Filename.."},
    {"Lbl_KivPln", "Import : Open..", ""},
    {"Lbl_Path", "", ""},
    {"Lbl_Sel_BRF", "Selected BRF-File :", ""},
    {"Lbl_Sel_Flightplan", "Actual Flightplan:", ""},
    {"Lbl_Sel_FSPath", "Path to Flight :", ""},
    {"Lbl_Sel_FSFLT", "Actual Flight :", ""},
    {"mnu_file", "FILE             ", ""},
    {"mnu_FS_folder", "New Folder", ""},
    {"mnu_desc", "Description", ""},
    {"mnu_datalist", "Proceed Content List", ""},
    {"t01", "-", ""},
    {"mnu_Apt_load", "Open Airport Set", ""},
    {"mnu_Apt_save", "Save  Airport Set", ""},
    {"mnu_Apt_imp", "Import: Airport List of selected Folder", ""},
    {"mnu_PREF", "STANDARD FILNAMES        ", ""},
    {"mnu_Standard(0)", "None! - use file title..", ""},
    {"mnu_Standard(1)", "Airports Only", ""},
    {"mnu_Standard(2)", "Airline, Flight-Nr, Airports", ""},
    {"mnu_Standard(3)", "Flight-Nr, Airline, Airports", ""},
    {"mnu_path", "USER PATH PREFERENCES         ", ""},
    {"mnu_myfiles", "My Files PATH", ""},
    {"mnu_fs9", "FS 2004 PATH", ""},
    {"mnu_fs8", "FS 2002 PATH", ""},
    {"mnu_general", "?     ", ""},
    {"mnu_about", "About", ""},
    {"mnu_help", "Help..", ""},
    {"mnu_help_d", "Hilfe..", ""},
    {"Frame_PLN_IMP", "Import KIV Flightplans ", ""},
    {"Frame_FS_APT", "FS Airports interactive", ""},
    {"Frame_Mode", "VELLOMIZE: Data - Versions, Modes, Flight Data and Frequeny Settings : ", ""},
};

class WindowLayout : public ::testing::Test {
  protected:
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

std::string captionOf(Field& field) {
    if (auto* t = dynamic_cast<TextBox*>(&field)) return t->text();
    if (auto* c = dynamic_cast<CaptionField*>(&field)) return c->caption();
    return {};
}

TEST_F(WindowLayout, EveryFieldCarriesItsCaptionAndTooltip) {
    for (const Design& d : kDesign) {
        SCOPED_TRACE(d.name);
        Field* field = f.find(d.name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(captionOf(*field), d.caption);
        EXPECT_EQ(field->tooltip(), d.tooltip);
    }
}

TEST_F(WindowLayout, FieldsAreRegisteredOnceAndFoundByName) {
    std::set<std::string> names;
    for (Field* field : f.fields()) {
        EXPECT_TRUE(names.insert(field->name()).second) << field->name();
        EXPECT_EQ(f.find(field->name()), field);
    }
    EXPECT_EQ(f.fields().front(), &f.File1);
    EXPECT_EQ(f.fields().back(), &f.mnu_help_d);
    EXPECT_EQ(f.find("Txt_Freq(2)"), &f.Txt_Freq[2]);
    EXPECT_EQ(f.find("Opt_Vell(1)"), &f.Opt_Vell[1]);
    EXPECT_EQ(f.find("mnu_Standard(3)"), &f.mnu_Standard[3]);
    EXPECT_EQ(f.find("Frm_TEXTED.Text1"), &f.texted.Text1);
    EXPECT_EQ(f.find("Frm_TEXTED.Label3"), &f.texted.Label3);
    EXPECT_EQ(f.find("Txt_Freq"), nullptr);
    EXPECT_EQ(f.find("Txt_Freq(5)"), nullptr);
    EXPECT_EQ(f.find("Text1"), nullptr);
    EXPECT_EQ(f.find("Frm_TEXTED.Txt_Title"), nullptr);
    EXPECT_EQ(f.find(""), nullptr);
}

TEST_F(WindowLayout, FieldsSitInTheirFrames) {
    EXPECT_EQ(f.Dir1.container(), &f.Frame1);
    for (const char* n : {"Chk_Carr", "Txt_CRU", "Cbo_Pos", "File_KIV", "Cmd_KIV", "Lbl_FLTNR"})
        EXPECT_EQ(f.find(n)->container(), &f.Frame_PLN_IMP) << n;
    for (const char* n : {"Cmd_Recent_Clear", "Lst_Stored", "Txt_APT_DAT", "Lbl_APT_ICAO"})
        EXPECT_EQ(f.find(n)->container(), &f.Frame_FS_APT) << n;
    for (const char* n : {"Txt_SPD", "Txt_Freq(4)", "Picture1", "Opt_Vell(0)", "Txt_Status",
                          "Cmd_PROC_COPY", "Lbl_Freq(4)", "Lbl_ACFT"})
        EXPECT_EQ(f.find(n)->container(), &f.Frame_Mode) << n;
    EXPECT_EQ(f.Opt_FS8.container(), &f.Picture1);
    EXPECT_EQ(f.Opt_FS9.container(), &f.Picture1);
    for (const char* n : {"File1", "Frame1", "Frame_Mode", "Lst_FS_APT", "Lst_ACFT", "Lst_BRF",
                          "Cmd_Sel_FSFLT", "Lbl_Path", "mnu_file"})
        EXPECT_EQ(f.find(n)->container(), nullptr) << n;
}

TEST_F(WindowLayout, MenuTreeInTableOrder) {
    ASSERT_EQ(f.menuBar().size(), 4u);
    EXPECT_EQ(f.menuBar()[0], &f.mnu_file);
    EXPECT_EQ(f.menuBar()[3], &f.mnu_general);
    auto names = [](const MenuItem& m) {
        std::vector<std::string> out;
        for (auto* c : m.children()) out.push_back(c->name());
        return out;
    };
    EXPECT_EQ(names(f.mnu_file),
              (std::vector<std::string>{"mnu_FS_folder", "mnu_desc", "mnu_datalist", "t01",
                                        "mnu_Apt_load", "mnu_Apt_save", "mnu_Apt_imp"}));
    EXPECT_EQ(names(f.mnu_PREF), (std::vector<std::string>{"mnu_Standard(0)", "mnu_Standard(1)",
                                                           "mnu_Standard(2)", "mnu_Standard(3)"}));
    EXPECT_EQ(names(f.mnu_path), (std::vector<std::string>{"mnu_myfiles", "mnu_fs9", "mnu_fs8"}));
    EXPECT_EQ(names(f.mnu_general),
              (std::vector<std::string>{"mnu_about", "mnu_help", "mnu_help_d"}));
    EXPECT_TRUE(f.t01.separator());
}

TEST_F(WindowLayout, InitialValuesAndFlags) {
    // Only three check boxes start set.
    for (Field* field : f.fields()) {
        if (auto* c = dynamic_cast<CheckBox*>(field)) {
            bool set = c == &f.Chk_APT_Data || c == &f.Chk_Freq || c == &f.Chk_KeepPlan;
            EXPECT_EQ(c->value(), set ? 1 : 0) << c->name();
        }
        if (auto* o = dynamic_cast<OptionButton*>(field)) {
            EXPECT_FALSE(o->value()) << o->name();
        }
        bool disabled = field == &f.Cmd_APT_SAVE || field == &f.Cmd_Sel_FSFLT ||
                        field == &f.Opt_FS8 || field == &f.Opt_FS9;
        EXPECT_EQ(field->enabled(), !disabled) << field->name();
        EXPECT_TRUE(field->visible()) << field->name();
        if (auto* t = dynamic_cast<TextBox*>(field); t && t != &f.Txt_Status) {
            EXPECT_EQ(t->text(), "") << t->name();
        }
    }

    std::set<Field*> readOnly = {
        &f.Txt_DEP,        &f.Txt_DES,       &f.Txt_DEPNAME,        &f.Txt_DESNAME,
        &f.Txt_GCDist,     &f.Txt_GDist,     &f.Txt_DepartureTm,    &f.Txt_ACFT,
        &f.Txt_Sel_FSPath, &f.Txt_Sel_FSFLT, &f.Txt_Sel_Flightplan, &f.Txt_Sel_BRF};
    std::set<Field*> working = {&f.File1,      &f.File2,       &f.Lst_BRF,  &f.Lst_Fplbrf,
                                &f.Lst_FS_APT, &f.Lst_FS_APT2, &f.Lst_ACFT, &f.Lbl_Path};
    std::set<Field*> fixedLists = {&f.Lst_FS_APT, &f.Lst_FS_APT2, &f.Lst_Fplbrf};
    std::set<Field*> graphical = {&f.Cmd_KIV, &f.Cmd_PROC_COPY, &f.Cmd_Sel_FSFLT, &f.Cmd_OK2,
                                  &f.Chk_FS_Apt};
    for (Field* field : f.fields()) {
        EXPECT_EQ(field->working(), working.count(field) == 1) << field->name();
        if (auto* t = dynamic_cast<TextBox*>(field)) {
            EXPECT_EQ(t->readOnly(), readOnly.count(field) == 1) << t->name();
            EXPECT_EQ(t->multiLine(), t == &f.Txt_Status || t == &f.Txt_APT_DAT) << t->name();
            EXPECT_EQ(t->fixedPitch(), t == &f.Txt_APT_DAT) << t->name();
        }
        if (auto* l = dynamic_cast<ListBox*>(field)) {
            EXPECT_EQ(l->fixedPitch(), fixedLists.count(field) == 1) << l->name();
            EXPECT_EQ(l->sorted(), l == &f.Lst_Stored) << l->name();
        }
        if (auto* b = dynamic_cast<CommandButton*>(field)) {
            EXPECT_EQ(b->graphical(), graphical.count(field) == 1) << b->name();
        }
        if (auto* c = dynamic_cast<CheckBox*>(field)) {
            EXPECT_EQ(c->graphical(), graphical.count(field) == 1) << c->name();
        }
    }
    EXPECT_FALSE(f.Lbl_CR.caption().empty());
    EXPECT_EQ(f.caption, "FS 2002/4 - VELLMASTER for Flights and Plans with KIV Support..");
}

TEST(DescriptionDialog, FieldsAndCaptions) {
    Frm_TEXTED d;
    EXPECT_EQ(d.caption, "EDIT DESCR.TXT...");
    EXPECT_EQ(d.fields().size(), 7u);
    EXPECT_EQ(d.find("Text1"), &d.Text1);
    EXPECT_EQ(d.find("Text2"), &d.Text2);
    EXPECT_EQ(d.find("Text3"), nullptr);
    EXPECT_EQ(static_cast<CommandButton*>(d.find("Command1"))->caption(), "O K");
    EXPECT_EQ(d.Command2.caption(), "Cancel");
    EXPECT_EQ(d.Label1.caption(), "Label1");
    EXPECT_EQ(d.Label2.caption(), "TITLE :");
    EXPECT_EQ(d.Label3.caption(), "DESCRIPTION :");
    EXPECT_EQ(d.Text1.text(), "");
    EXPECT_FALSE(d.shown());
}

}  // namespace
}  // namespace vell
