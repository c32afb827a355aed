// The design-time layout of the main window: which fields it has, in which
// container each sits, the menu tree, and every caption, tooltip and flag a
// field carries before start-up runs.
#include "window/frm_vell13.h"

namespace vell {

namespace {

// Registers a field and the container it sits in.
struct Registrar {
    std::vector<Field*>& fields;
    Field* container = nullptr;

    void operator()(Field& field) {
        field.setContainer(container);
        fields.push_back(&field);
    }
    template <std::size_t N, typename T>
    void operator()(std::array<T, N>& array) {
        for (T& field : array) (*this)(field);
    }
};

}  // namespace

void Frm_Vell13::registerFields() {
    Registrar add{fields_};

    // Top level, file and folder selection.
    add(File1);
    add(File2);
    add(Lst_FS_APT2);
    add(Lst_Fplbrf);
    add(Lst_pln_pat);
    add(Frame1);
    add.container = &Frame1;
    add(Dir1);
    add.container = nullptr;
    add(Chk_KIV);
    add(Chk_FS_Apt);

    add(Frame_PLN_IMP);
    add.container = &Frame_PLN_IMP;
    add(Chk_Carr);
    add(Txt_CRU);
    add(Txt_Section);
    add(Cbo_Pos);
    add(File_KIV);
    add(Cmd_KIV);
    add(Txt_CARR);
    add(Txt_KIV_FLTNR);
    add(Lbl_Cru);
    add(Lbl_LegICAO);
    add(Label20);
    add(Label21);
    add(Lbl_CARR);
    add(Lbl_FLTNR);
    add.container = nullptr;

    add(Frame_FS_APT);
    add.container = &Frame_FS_APT;
    add(Cmd_Recent_Clear);
    add(Lst_Stored);
    add(Cmd_APT_Clear);
    add(Txt_APT_ICAO);
    add(Cmd_APT_SAVE);
    add(Txt_APT_DAT);
    add(Lbl_Stored);
    add(Lbl_APT_ICAO);
    add.container = nullptr;

    add(Lst_FS_APT);
    add(Lst_ACFT);

    add(Frame_Mode);
    add.container = &Frame_Mode;
    add(Txt_SPD);
    add(Chk_Freq);
    add(Txt_HDG);
    add(Txt_CRS);
    add(Txt_Freq);
    add(Chk_APT_Data);
    add(Txt_GDist);
    add(Picture1);
    add.container = &Picture1;
    add(Opt_FS9);
    add(Opt_FS8);
    add.container = &Frame_Mode;
    add(Opt_Vell);
    add(Txt_Flt_Nr);
    add(Txt_CarICAO);
    add(Chk_KeepPlan);
    add(Chk_WX);
    add(Txt_DESNAME);
    add(Txt_DEPNAME);
    add(Txt_ERWY);
    add(Txt_POS);
    add(Txt_DES);
    add(Txt_DEP);
    add(Txt_Status);
    add(Cmd_PROC_COPY);
    add(Txt_GCDist);
    add(Txt_EET);
    add(Txt_DepartureTm);
    add(Txt_Cruise);
    add(Txt_Description);
    add(Txt_Title);
    add(Txt_ACFT);
    add(Lbl_SPD);
    add(Lbl_HDG);
    add(Lbl_CRS);
    add(Lbl_Freq);
    add(Lbl_GDist);
    add(Lbl_Main);
    add(Lbl_Standard);
    add(Lbl_Stand_title);
    add(Lbl_Flt_Nr);
    add(Lbl_CarICAO);
    add(Lbl_PLN_Vers);
    add(Lbl_FS_Vers);
    add(Lbl_DESNAME);
    add(Lbl_DEPNAME);
    add(Lbl_ERWY);
    add(Lbl_POS);
    add(Lbl_DESICAO);
    add(Lbl_DEPICAO);
    add(Lbl_GCDist);
    add(Lbl_EET);
    add(Lbl_DepartureTm);
    add(Lbl_Cruise);
    add(Lbl_Description);
    add(Lbl_Title);
    add(Lbl_ACFT);
    add.container = nullptr;

    // Top level, briefing and flight selection.
    add(Lst_BRF);
    add(CMDialog1);
    add(Cmd_Sel_BRF);
    add(Txt_Sel_BRF);
    add(Chk_Auto_BRF);
    add(Txt_Sel_FSPath);
    add(Txt_Sel_FSFLT);
    add(Cmd_Sel_FSFLT);
    add(Cmd_OK2);
    add(Txt_Sel_Flightplan);
    add(Lbl_KivPln);
    add(Lbl_Path);
    add(Lbl_Sel_BRF);
    add(Lbl_Sel_Flightplan);
    add(Lbl_Sel_FSPath);
    add(Lbl_Sel_FSFLT);
    add(Lbl_CR);
    add(Image1);

    // Menus.
    add(mnu_file);
    add(mnu_FS_folder);
    add(mnu_desc);
    add(mnu_datalist);
    add(t01);
    add(mnu_Apt_load);
    add(mnu_Apt_save);
    add(mnu_Apt_imp);
    add(mnu_PREF);
    add(mnu_Standard);
    add(mnu_path);
    add(mnu_myfiles);
    add(mnu_fs9);
    add(mnu_fs8);
    add(mnu_general);
    add(mnu_about);
    add(mnu_help);
    add(mnu_help_d);

    menuBar_ = {&mnu_file, &mnu_PREF, &mnu_path, &mnu_general};
    for (MenuItem* m : {&mnu_FS_folder, &mnu_desc, &mnu_datalist, &t01, &mnu_Apt_load,
                        &mnu_Apt_save, &mnu_Apt_imp})
        mnu_file.addChild(m);
    for (MenuItem& m : mnu_Standard) mnu_PREF.addChild(&m);
    for (MenuItem* m : {&mnu_myfiles, &mnu_fs9, &mnu_fs8}) mnu_path.addChild(m);
    for (MenuItem* m : {&mnu_about, &mnu_help, &mnu_help_d}) mnu_general.addChild(m);
}

void Frm_Vell13::setInitialState() {
    // Top level, file and folder selection.
    Lst_pln_pat.setTooltip("Select Flightpan Filter for KIV-Import ..");
    Frame1.setCaption("Path for vellomized FS Flights :");
    Chk_KIV.setTooltip("Select KIV Flightplan [*.PLN] for interactive Dataimport..");
    Chk_FS_Apt.setTooltip("MsFS 200X Airport Data Picker..");
    Chk_FS_Apt.setGraphical(true);

    // KIV plan import.
    Frame_PLN_IMP.setCaption("Import KIV Flightplans ");
    Chk_Carr.setTooltip("Check to keep Data for next Import!");
    Txt_Section.setTooltip("Section+NR e.g. 'A' [Space!] Number: A 10");
    Cbo_Pos.setTooltip("Select Positions (Details see FS2002/4 ! ) ");
    Cmd_KIV.setCaption("DO &IMP.");
    Cmd_KIV.setTooltip("Import and Save Flightplan..");
    Cmd_KIV.setGraphical(true);
    Txt_CARR.setTooltip("ICAO Code of Carrier e.g. UAL or any.. ");
    Txt_KIV_FLTNR.setTooltip("between 0001 and 9999..");
    Lbl_Cru.setCaption("Cruise Alt. (Ft) :");
    Label20.setCaption("Section/Nr.");
    Label21.setCaption("Departure Position :");
    Lbl_CARR.setCaption("Carrier ICAO :");
    Lbl_FLTNR.setCaption("Flight Nr. :");

    // Airport notes.
    Frame_FS_APT.setCaption("FS Airports interactive");
    Cmd_Recent_Clear.setCaption("&Rec.Clear");
    Cmd_Recent_Clear.setTooltip("Clear List or recent Airports ..");
    Lst_Stored.setSorted(true);
    Cmd_APT_Clear.setCaption("&CLEAR ALL");
    // Alt+S is shared with the briefing button once a source mode is chosen
    // ("&Select Briefing file.."): the toolkit then moves between the two.
    Cmd_APT_SAVE.setCaption("&SAVE DATA");
    Cmd_APT_SAVE.setEnabled(false);
    Txt_APT_DAT.setMultiLine(true);
    Txt_APT_DAT.setFixedPitch(true);
    Lbl_Stored.setCaption("Recent...");
    Lbl_APT_ICAO.setCaption("ICAO Code :");

    Lst_FS_APT.setFixedPitch(true);
    Lst_FS_APT2.setFixedPitch(true);
    Lst_Fplbrf.setFixedPitch(true);

    // Versions, modes, flight data and frequencies.
    Frame_Mode.setCaption(
        "VELLOMIZE: Data - Versions, Modes, Flight Data and Frequeny Settings : ");
    Txt_SPD.setTooltip("Default Speed if Autotrottle avl.");
    Chk_Freq.setCaption("Set Frequences");
    Chk_Freq.setValue(1);
    Txt_HDG.setTooltip("Default Heading VOR1 if avl.");
    Txt_CRS.setTooltip("Default Course VOR1 if avl.");
    Txt_Freq[0].setTooltip("Default Frequency NAV1 active if avl.");
    Txt_Freq[1].setTooltip("Default Frequency NAV1 standby if avl.");
    Txt_Freq[2].setTooltip("Default Frequency NAV2 active if avl.");
    Txt_Freq[3].setTooltip("Default Frequency NAV2 standby if avl.");
    Txt_Freq[4].setTooltip("Default Frequency NADF if avl.");
    Chk_APT_Data.setCaption("Add D&estination Data");
    Chk_APT_Data.setTooltip("Add FS 200X Data of Destination Airport if available ..");
    Chk_APT_Data.setValue(1);
    Txt_GDist.setTooltip("Ground distance of the Route (NM)..");
    Opt_FS9.setCaption("FS 2004");
    Opt_FS8.setCaption("FS 2002");
    Opt_FS9.setEnabled(false);
    Opt_FS8.setEnabled(false);
    Opt_FS8.setGroup({&Opt_FS8, &Opt_FS9});
    Opt_FS9.setGroup({&Opt_FS8, &Opt_FS9});
    Opt_Vell[1].setCaption("&KIV - Mode");
    Opt_Vell[1].setTooltip("Title and Description Source: Flightplan..");
    Opt_Vell[0].setCaption("&MS FS - Mode");
    Opt_Vell[0].setTooltip("Title and Description Source: Flight..");
    for (OptionButton& o : Opt_Vell) o.setGroup({&Opt_Vell[0], &Opt_Vell[1]});
    Txt_Flt_Nr.setTooltip("1-9999");
    Txt_CarICAO.setTooltip("Airline ICAO Code or short ID by user..");
    // Alt+K is shared with the KIV mode ("&KIV - Mode"): the toolkit moves
    // between the two.
    Chk_KeepPlan.setCaption("&Keep sourcel files");
    Chk_KeepPlan.setTooltip("..or delete..");
    Chk_KeepPlan.setValue(1);
    Chk_WX.setCaption("Copy &Weather if avl...");
    Chk_WX.setTooltip("Copy the weather saved with the Flight..");
    Txt_ERWY.setTooltip("Expected Departure Runway (optional)");
    Txt_Status.setText("Text1");
    Txt_Status.setMultiLine(true);
    Cmd_PROC_COPY.setCaption("CO&PY Flight");
    Cmd_PROC_COPY.setGraphical(true);
    Txt_GCDist.setTooltip("Great Circle Distance (NM)..");
    Txt_EET.setTooltip("Expected triptime around ...");

    Lbl_SPD.setCaption("SPD :");
    Lbl_HDG.setCaption("HDG :");
    Lbl_CRS.setCaption("CRS :");
    Lbl_Freq[0].setCaption("N1A :");
    Lbl_Freq[1].setCaption("N1S :");
    Lbl_Freq[2].setCaption("N2A :");
    Lbl_Freq[3].setCaption("N2S :");
    Lbl_Freq[4].setCaption("ADF :");
    Lbl_GDist.setCaption("Route [NM - (GCI) :");
    Lbl_Main.setCaption("Versions and Modes :");
    Lbl_Stand_title.setCaption("Vellmaster - Filenames :");
    Lbl_Flt_Nr.setCaption("Flight Number :");
    Lbl_CarICAO.setCaption("Airline ICAO / Text :");
    Lbl_PLN_Vers.setCaption("Detected PLN Version: None");
    Lbl_FS_Vers.setCaption("Detected Flight-Version: None..");
    Lbl_DESNAME.setCaption("Destination Name :");
    Lbl_DEPNAME.setCaption("Departure Name :");
    Lbl_ERWY.setCaption("[Exp. Dep. RWY] :");
    Lbl_POS.setCaption("Departure Position :");
    Lbl_DESICAO.setCaption("Destination ICAO :");
    Lbl_DEPICAO.setCaption("Departure ICAO :");
    Lbl_GCDist.setCaption("GC-Distance [NM] :");
    Lbl_EET.setCaption("EET ca. :");
    Lbl_DepartureTm.setCaption("Departure Time :");
    Lbl_Cruise.setCaption("Cruise Alt. FL :");
    Lbl_Description.setCaption("Desctiption :");
    Lbl_Title.setCaption("Title :");
    Lbl_ACFT.setCaption("FS 2004 Aircraft:");

    // Briefing and flight selection.
    Cmd_Sel_BRF.setCaption("Select &Briefing file");
    Cmd_Sel_BRF.setTooltip(
        "Select here the *.txt file exported as Output-File in KIV or any Briefing file  to "
        "copy as *.brf file ..");
    Txt_Sel_BRF.setTooltip("Brieving-File..");
    Chk_Auto_BRF.setCaption("&Auto - Briefing ..");
    Chk_Auto_BRF.setTooltip("Generates a briefing File, using the FS Plan..");
    Txt_Sel_FSPath.setTooltip("Flight Path..");
    Txt_Sel_FSFLT.setTooltip("Flight Filename..");
    Cmd_Sel_FSFLT.setCaption("&OPEN Flight");
    Cmd_Sel_FSFLT.setTooltip("Select here your created Flight in FS 2002/4 to copy ..");
    Cmd_Sel_FSFLT.setGraphical(true);
    Cmd_Sel_FSFLT.setEnabled(false);
    Cmd_OK2.setTooltip("All Done! ..");
    Cmd_OK2.setGraphical(true);
    Txt_Sel_Flightplan.setTooltip("Plan Filename..");
    Lbl_KivPln.setCaption("Import : Open..");
    Lbl_Sel_BRF.setCaption("Selected BRF-File :");
    Lbl_Sel_Flightplan.setCaption("Actual Flightplan:");
    Lbl_Sel_FSPath.setCaption("Path to Flight :");
    Lbl_Sel_FSFLT.setCaption("Actual Flight :");
    Lbl_CR.setCaption("Vellmaster 1.3 - flights, plans and briefings for FS 2002/2004");

    // Display fields that only the program fills.
    for (TextBox* t :
         {&Txt_DEP, &Txt_DES, &Txt_DEPNAME, &Txt_DESNAME, &Txt_GCDist, &Txt_GDist, &Txt_DepartureTm,
          &Txt_ACFT, &Txt_Sel_FSPath, &Txt_Sel_FSFLT, &Txt_Sel_Flightplan, &Txt_Sel_BRF})
        t->setReadOnly(true);

    // Holders for the logic that a person never sees.
    for (Field* w : std::initializer_list<Field*>{&File1, &File2, &Lst_BRF, &Lst_Fplbrf,
                                                  &Lst_FS_APT, &Lst_FS_APT2, &Lst_ACFT, &Lbl_Path})
        w->setWorking(true);

    // Menus.
    mnu_file.setCaption("FILE" + std::string(13, ' '));
    mnu_FS_folder.setCaption("New Folder");
    mnu_desc.setCaption("Description");
    mnu_datalist.setCaption("Proceed Content List");
    t01.setCaption("-");
    mnu_Apt_load.setCaption("Open Airport Set");
    mnu_Apt_save.setCaption("Save  Airport Set");
    mnu_Apt_imp.setCaption("Import: Airport List of selected Folder");
    mnu_PREF.setCaption("STANDARD FILNAMES" + std::string(8, ' '));
    mnu_Standard[0].setCaption("None! - use file title..");
    mnu_Standard[1].setCaption("Airports Only");
    mnu_Standard[2].setCaption("Airline, Flight-Nr, Airports");
    mnu_Standard[3].setCaption("Flight-Nr, Airline, Airports");
    mnu_path.setCaption("USER PATH PREFERENCES" + std::string(9, ' '));
    mnu_myfiles.setCaption("My Files PATH");
    mnu_fs9.setCaption("FS 2004 PATH");
    mnu_fs8.setCaption("FS 2002 PATH");
    mnu_general.setCaption("?" + std::string(5, ' '));
    mnu_about.setCaption("About");
    mnu_help.setCaption("Help..");
    mnu_help_d.setCaption("Hilfe..");
}

}  // namespace vell
