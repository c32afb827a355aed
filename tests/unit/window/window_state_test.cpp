// The window model: every field named once, in its frame; the captions with
// access keys the window's own; events once on a change and nested; option
// groups, the sorted list and the changes a list tells, typing through the
// key preview; failures that end an action only.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "vellmaster.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

// Every field by the frame it sits in ("": none), as the scenarios and the front end name it.
const std::pair<const char*, const char*> kPlaces[] = {
    {"", "File1 File2 Lst_FS_APT2 Lst_Fplbrf Lst_pln_pat Frame1 Chk_KIV Chk_FS_Apt Frame_PLN_IMP "
     "Frame_FS_APT Lst_FS_APT Lst_ACFT Frame_Mode Lst_BRF CMDialog1 Cmd_Sel_BRF Txt_Sel_BRF "
     "Chk_Auto_BRF Txt_Sel_FSPath Txt_Sel_FSFLT Cmd_Sel_FSFLT Cmd_OK2 Txt_Sel_Flightplan "
     "Lbl_KivPln Lbl_Path Lbl_Sel_BRF Lbl_Sel_Flightplan Lbl_Sel_FSPath Lbl_Sel_FSFLT Lbl_CR "
     "Image1 mnu_file mnu_FS_folder mnu_desc mnu_datalist t01 mnu_Apt_load mnu_Apt_save "
     "mnu_Apt_imp mnu_PREF mnu_Standard(0) mnu_Standard(1) mnu_Standard(2) mnu_Standard(3) "
     "mnu_path mnu_myfiles mnu_fs9 mnu_fs8 mnu_general mnu_about mnu_help mnu_help_d "
     "Frm_TEXTED.Text1 Frm_TEXTED.Text2 Frm_TEXTED.Command1 Frm_TEXTED.Command2 Frm_TEXTED.Label1 "
     "Frm_TEXTED.Label2 Frm_TEXTED.Label3"},
    {"Frame1", "Dir1"},
    {"Frame_PLN_IMP", "Chk_Carr Txt_CRU Txt_Section Cbo_Pos File_KIV Cmd_KIV Txt_CARR "
     "Txt_KIV_FLTNR Lbl_Cru Lbl_LegICAO Label20 Label21 Lbl_CARR Lbl_FLTNR"},
    {"Frame_FS_APT", "Cmd_Recent_Clear Lst_Stored Cmd_APT_Clear Txt_APT_ICAO Cmd_APT_SAVE "
     "Txt_APT_DAT Lbl_Stored Lbl_APT_ICAO"},
    {"Frame_Mode", "Txt_SPD Chk_Freq Txt_HDG Txt_CRS Txt_Freq(0) Txt_Freq(1) Txt_Freq(2) "
     "Txt_Freq(3) Txt_Freq(4) Chk_APT_Data Txt_GDist Picture1 Opt_Vell(0) Opt_Vell(1) Txt_Flt_Nr "
     "Txt_CarICAO Chk_KeepPlan Chk_WX Txt_DESNAME Txt_DEPNAME Txt_ERWY Txt_POS Txt_DES Txt_DEP "
     "Txt_Status Cmd_PROC_COPY Txt_GCDist Txt_EET Txt_DepartureTm Txt_Cruise Txt_Description "
     "Txt_Title Txt_ACFT Lbl_SPD Lbl_HDG Lbl_CRS Lbl_Freq(0) Lbl_Freq(1) Lbl_Freq(2) Lbl_Freq(3) "
     "Lbl_Freq(4) Lbl_GDist Lbl_Main Lbl_Standard Lbl_Stand_title Lbl_Flt_Nr Lbl_CarICAO "
     "Lbl_PLN_Vers Lbl_FS_Vers Lbl_DESNAME Lbl_DEPNAME Lbl_ERWY Lbl_POS Lbl_DESICAO Lbl_DEPICAO "
     "Lbl_GCDist Lbl_EET Lbl_DepartureTm Lbl_Cruise Lbl_Description Lbl_Title Lbl_ACFT"},
    {"Picture1", "Opt_FS9 Opt_FS8"},
};

// The access key of a caption ("CO&PY" gives P, "&&" stands for "&"); 0: none.
char accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&' && caption[++i] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
    return 0;
}

using Log = std::vector<std::string>;

class Window : public ::testing::Test {
  protected:
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    Log log;
    std::function<void()> note(const std::string& what) {
        return [this, what] { log.push_back(what); };
    }
};

TEST_F(Window, EveryNamedFieldIsFoundOnceByItsNameInItsFrame) {
    for (const auto& [place, names] : kPlaces) {
        std::istringstream in(names);
        for (std::string name; in >> name;) {
            ASSERT_NE(f.find(name), nullptr) << name;
            EXPECT_EQ(f.find(name)->name(), name.substr(name.find('.') + 1));
            EXPECT_EQ(f.find(name)->container(), *place ? f.find(place) : nullptr) << name;
        }
    }
    std::set<std::string> seen;
    for (Field* field : f.fields()) EXPECT_TRUE(seen.insert(field->name()).second) << field->name();
    EXPECT_EQ(f.find("Txt_Freq(2)"), &f.Txt_Freq[2]);
    for (const char* none : {"Txt_Freq", "Txt_Freq(5)", "Text1", "Frm_TEXTED.Txt_Title", ""})
        EXPECT_EQ(f.find(none), nullptr) << none;
}

// The captions that carry an access key, as the window's own list gives them; the briefing
// button's changes with the source mode. Two fields may share a key (K, and S once a mode is
// chosen): the toolkit moves between them.
const std::pair<const char*, const char*> kKeyedCaptions[] = {
    {"Cmd_KIV", "DO &IMP."}, {"Cmd_Recent_Clear", "&Rec.Clear"}, {"Cmd_APT_Clear", "&CLEAR ALL"},
    {"Cmd_APT_SAVE", "&SAVE DATA"}, {"Chk_APT_Data", "Add D&estination Data"},
    {"Opt_Vell(1)", "&KIV - Mode"}, {"Opt_Vell(0)", "&MS FS - Mode"},
    {"Chk_KeepPlan", "&Keep sourcel files"}, {"Chk_WX", "Copy &Weather if avl..."},
    {"Cmd_PROC_COPY", "CO&PY Flight"}, {"Chk_Auto_BRF", "&Auto - Briefing .."},
    {"Cmd_Sel_FSFLT", "&OPEN Flight"}};

TEST_F(Window, EveryCaptionWithAnAccessKeyIsTheWindowsOwnInEveryMode) {
    const std::pair<const char*, char> keys[] = {{"CO&PY", 'P'}, {"a && &b", 'B'}, {"x &", 0}};
    for (auto [caption, key] : keys) EXPECT_EQ(accessKey(caption), key) << caption;
    const auto w = createMainWindow(ui, host);
    w->Txt_Sel_FSFLT.setText("Hop.FLT");
    w->KIV_PATH = "kiv";
    // At start, then in each source mode.
    const std::pair<OptionButton*, const char*> modes[] = {{&w->Opt_Vell[0], "Select &Briefing file"},
        {&w->Opt_Vell[1], "&Select Briefing file.."}, {nullptr, "&Select KIV outfile.."}};
    for (auto [mode, briefing] : modes) {
        std::map<std::string, std::string> expected(std::begin(kKeyedCaptions), std::end(kKeyedCaptions));
        expected["Cmd_Sel_BRF"] = briefing;
        for (Field* field : w->fields()) {
            const auto* captioned = dynamic_cast<const CaptionField*>(field);
            if (!captioned || accessKey(captioned->caption()) == 0) continue;
            EXPECT_EQ(captioned->caption(), expected[field->name()]) << field->name();
            expected.erase(field->name());
        }
        EXPECT_TRUE(expected.empty()) << expected.begin()->first;
        if (mode) mode->setEnabled(true), mode->click();
    }
}

TEST_F(Window, EventsRunOnceOnAChangeNestedAndObserversHearIt) {
    f.Txt_Title.Change = note("title");
    f.Chk_WX.Click = [&] {
        log.push_back("wx-in");
        f.Txt_Title.setText("x");
        log.push_back("wx-out");
    };
    f.Opt_FS8.Click = note("FS8");
    f.Opt_FS9.Click = note("FS9");
    f.Lst_pln_pat.Click = note("list");
    int seen = 0, windowChanges = 0, first = 0;
    f.Chk_WX.addObserver([&](Field&) { ++seen; });
    f.addObserver([&] { ++windowChanges; });
    f.Opt_FS9.setValue(true);
    f.bringToFront(f.Frame_FS_APT);
    f.Lst_pln_pat.addItem("*.PLN");
    for (int round = 0; round < 2; ++round) {  // the second round changes nothing
        f.Chk_WX.setValue(1);
        f.Txt_Title.setText("x");
        f.Opt_FS8.setValue(true);
        f.Lst_pln_pat.setListIndex(0);
        f.setBusy(true);
        f.setHelpFile("help.chm");
        f.setFocus(&f.Txt_Title);
        if (round == 0) first = windowChanges;
    }
    EXPECT_EQ(log, (Log{"FS9", "wx-in", "title", "wx-out", "FS8", "list"}));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(windowChanges, first);
    EXPECT_FALSE(f.Opt_FS9.value());
    f.Opt_Vell[1].click();  // the other group
    EXPECT_TRUE(f.Opt_FS8.value());
    f.Lst_pln_pat.setListIndex(7);  // out of range selects nothing
    EXPECT_EQ(f.Lst_pln_pat.listIndex(), -1);
}

TEST_F(Window, StoredListSortsItselfAndKeepsTheSelectedEntry) {
    for (const char* icao : {"LOWW", "eddf", "KJFK"}) f.Lst_Stored.addItem(icao);
    f.Lst_Stored.setListIndex(1);
    f.Lst_Stored.addItem("EGLL");
    EXPECT_EQ(f.Lst_Stored.items(), (Log{"eddf", "EGLL", "KJFK", "LOWW"}));
    EXPECT_EQ(f.Lst_Stored.item(f.Lst_Stored.listIndex()), "KJFK");
}

// A copy of a list kept only from the changes its observers are told, as a
// front end keeps its widget, is the list after every change.
TEST_F(Window, AListTellsItsObserversWhichEntryChanged) {
    auto follow = [](ListField& list, Log& copy, int& others) {
        list.addObserver([&list, &copy, &others](Field&) {
            const ListChange& change = list.lastChange();
            const auto at = copy.begin() + change.index;
            switch (change.kind) {
            case ListChange::Kind::Inserted: copy.insert(at, list.item(change.index)); break;
            case ListChange::Kind::Removed: copy.erase(at); break;
            case ListChange::Kind::Reset: copy = list.items(); break;
            case ListChange::Kind::None: ++others; break;
            }
        });
    };
    Log stored, positions;
    int storedOthers = 0, positionOthers = 0;
    follow(f.Lst_Stored, stored, storedOthers);
    follow(f.Cbo_Pos, positions, positionOthers);
    for (const char* icao : {"LOWW", "eddf", "KJFK", "EGLL", "KJFK", "aaaa"}) {
        f.Lst_Stored.addItem(icao);
        EXPECT_EQ(stored, f.Lst_Stored.items()) << icao;
    }
    f.Lst_Stored.setListIndex(2);
    for (int row : {5, 0, 2, 9}) {
        f.Lst_Stored.removeItem(row);
        EXPECT_EQ(stored, f.Lst_Stored.items()) << row;
    }
    f.Lst_Stored.clear();
    EXPECT_TRUE(stored.empty());
    EXPECT_EQ(storedOthers, 1);  // the selection alone
    for (const char* position : {"PARKING", "Act. Departure RWY"}) f.Cbo_Pos.addItem(position);
    f.Cbo_Pos.select(1);
    EXPECT_EQ(positions, f.Cbo_Pos.items());
    f.Cbo_Pos.clear();
    EXPECT_TRUE(positions.empty());
    EXPECT_EQ(f.Cbo_Pos.lastChange().kind, ListChange::Kind::None);  // told only while telling
}

// The window's preview first, then the field's own handler; a display field
// hears the key but takes no text; the dialog's fields skip the preview.
TEST_F(Window, TypingPassesTheWindowPreviewThenTheFieldsOwnHandler) {
    auto keyLog = [&](const char* who, int drop, int& k) {
        log.push_back(who + std::string(1, static_cast<char>(k)));
        k = k == drop ? 0 : k == 'a' ? 'A' : k;
    };
    f.KeyPress = [&](int& k) { keyLog("window:", 'x', k); };
    f.Txt_CARR.KeyPress = [&](int& k) { keyLog("field:", 0, k); };
    f.Txt_DEP.KeyPress = [&](int& k) { keyLog("display:", 0, k); };
    f.texted.Text1.KeyPress = [&](int& k) { keyLog("dialog:", 0, k); };
    for (char c : std::string("uxa")) f.typeChar(f.Txt_CARR, c);
    f.typeChar(f.Txt_DEP, 'E');
    f.typeChar(f.texted.Text1, 'a');
    EXPECT_EQ(log, (Log{"window:u", "field:u", "window:x", "window:a", "field:A", "window:E",
                        "display:E", "dialog:a"}));
    EXPECT_EQ(f.Txt_CARR.text() + "|" + f.Txt_DEP.text() + "|" + f.texted.Text1.text(), "uA||A");
    EXPECT_EQ(f.focus(), &f.Txt_DEP);
}

// A failure that escapes a handler ends the action, not the program.
TEST_F(Window, AFailureStopsTheWholeActionIsToldOnceAndTheWindowGoesOn) {
    f.Txt_Title.Change = [] { throw std::out_of_range("basic_string::substr"); };
    f.Cmd_OK2.Click = [&] {
        f.setBusy(true);
        f.Txt_Title.setText("x");
        log.push_back("after the change");
    };
    f.Cmd_OK2.click();
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(ui.icons, std::vector<MsgIcon>{MsgIcon::Critical});
    EXPECT_FALSE(f.busy());
    f.Txt_Title.Change = note("second change");
    f.Txt_Title.setText("y");
    EXPECT_EQ(log, Log{"second change"});
    f.KeyPress = [](int&) { throw 42; };
    EXPECT_EQ(f.previewKey(f.Txt_Title, 'a'), 'a');
    ASSERT_EQ(ui.messages.size(), 2U);
    EXPECT_NE(ui.messages[0].find("basic_string::substr"), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[1].find("unknown error"), std::string::npos) << ui.messages[1];
}

}  // namespace
}  // namespace vell
