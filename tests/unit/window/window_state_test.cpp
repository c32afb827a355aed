// The window's behaviour as the handlers rely on it: events raised only on a
// change and nested, option groups, the self-sorting list, typing, keyboard
// input, frames in front, and the window's lifecycle.
#include <gtest/gtest.h>

#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

class WindowState : public ::testing::Test {
  protected:
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::vector<std::string> log;
};

TEST_F(WindowState, OptionGroupsExcludeEachOther) {
    f.Opt_FS8.Click = [&] { log.push_back("FS8"); };
    f.Opt_FS9.Click = [&] { log.push_back("FS9"); };
    f.Opt_FS9.setValue(true);
    f.Opt_FS8.setValue(true);
    EXPECT_TRUE(f.Opt_FS8.value());
    EXPECT_FALSE(f.Opt_FS9.value());
    f.Opt_FS8.setValue(true);  // no change, no event
    EXPECT_EQ(log, (std::vector<std::string>{"FS9", "FS8"}));

    // The two groups are independent of each other.
    f.Opt_Vell[1].click();
    EXPECT_TRUE(f.Opt_Vell[1].value());
    EXPECT_TRUE(f.Opt_FS8.value());
    f.Opt_Vell[0].click();
    EXPECT_FALSE(f.Opt_Vell[1].value());
    EXPECT_TRUE(f.Opt_Vell[0].value());
}

TEST_F(WindowState, EventsRunOnlyOnChangeAndNested) {
    // A check box handler that sets a text whose handler runs before the
    // check box handler goes on.
    f.Txt_Title.Change = [&] { log.push_back("title:" + f.Txt_Title.text()); };
    f.Chk_WX.Click = [&] {
        log.push_back("wx-in");
        f.Txt_Title.setText("x");
        log.push_back("wx-out");
    };
    f.Chk_WX.setValue(1);
    f.Chk_WX.setValue(1);
    f.Txt_Title.setText("x");
    EXPECT_EQ(log, (std::vector<std::string>{"wx-in", "title:x", "wx-out"}));

    // Lists raise their click on a new index only; combo selection shows the entry.
    int clicks = 0;
    f.Lst_pln_pat.Click = [&] { ++clicks; };
    f.Lst_pln_pat.addItem("*.PLN");
    f.Lst_pln_pat.addItem("*_E.PLN");
    f.Lst_pln_pat.setListIndex(1);
    f.Lst_pln_pat.setListIndex(1);
    f.Lst_pln_pat.setListIndex(7);  // out of range selects nothing
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(f.Lst_pln_pat.listIndex(), -1);
    f.Cbo_Pos.addItem("GATE 1");
    f.Cbo_Pos.select(0);
    EXPECT_EQ(f.Cbo_Pos.text(), "GATE 1");
}

TEST_F(WindowState, ObserversHearFieldAndWindowChanges) {
    std::vector<std::string> seen;
    f.Chk_Freq.addObserver([&](Field& field) { seen.push_back(field.name()); });
    f.Chk_Freq.setValue(1);  // already set: nothing
    f.Chk_Freq.setValue(0);
    f.Chk_Freq.setEnabled(false);
    EXPECT_EQ(seen.size(), 2u);

    int windowChanges = 0;
    f.addObserver([&] { ++windowChanges; });
    f.setBusy(true);
    f.setBusy(true);
    f.setHelpFile("help.chm");
    f.setFocus(&f.Txt_Title);
    f.bringToFront(f.Frame_FS_APT);
    EXPECT_EQ(windowChanges, 4);
    EXPECT_TRUE(f.busy());
    EXPECT_EQ(f.helpFile(), "help.chm");
}

TEST_F(WindowState, StoredListKeepsItsEntriesSorted) {
    f.Lst_Stored.addItem("LOWW");
    f.Lst_Stored.addItem("EDDF");
    f.Lst_Stored.addItem("KJFK");
    f.Lst_Stored.setListIndex(1);  // KJFK
    f.Lst_Stored.addItem("EGLL");
    EXPECT_EQ(f.Lst_Stored.items(), (std::vector<std::string>{"EDDF", "EGLL", "KJFK", "LOWW"}));
    EXPECT_EQ(f.Lst_Stored.item(f.Lst_Stored.listIndex()), "KJFK");
    // Other lists keep the order they were filled in.
    f.Lst_BRF.addItem("b");
    f.Lst_BRF.addItem("a");
    EXPECT_EQ(f.Lst_BRF.item(0), "b");
}

TEST_F(WindowState, TypingPassesThePreviewThenTheField) {
    f.KeyPress = [&](int& k) {
        log.push_back("window:" + std::to_string(k));
        if (k == 'x') k = 0;
    };
    f.Txt_CARR.KeyPress = [&](int& k) {
        log.push_back("field:" + std::to_string(k));
        if (k >= 'a' && k <= 'z') k -= 32;
    };
    for (char c : std::string("uxa1")) f.typeChar(f.Txt_CARR, c);
    EXPECT_EQ(f.Txt_CARR.text(), "UA1");
    // A character the window dropped never reaches the field.
    EXPECT_EQ(log, (std::vector<std::string>{"window:117", "field:117", "window:120", "window:97",
                                             "field:97", "window:49", "field:49"}));
    EXPECT_EQ(f.focus(), &f.Txt_CARR);
    EXPECT_EQ(f.previewKey(f.Txt_CARR, 'b'), 'B');
    EXPECT_EQ(f.previewKey(f.Txt_CARR, 'x'), 0);
}

TEST_F(WindowState, EnterAddsALineEndOnlyToMultiLineBoxes) {
    int changes = 0;
    f.Txt_APT_DAT.Change = [&] { ++changes; };
    f.typeChar(f.Txt_APT_DAT, 'A');
    f.typeChar(f.Txt_APT_DAT, 13);
    f.typeChar(f.Txt_APT_DAT, 'B');
    EXPECT_EQ(f.Txt_APT_DAT.text(), "A\r\nB");
    EXPECT_EQ(changes, 3);
    f.typeChar(f.Txt_APT_DAT, 8);
    f.typeChar(f.Txt_APT_DAT, 8);
    EXPECT_EQ(f.Txt_APT_DAT.text(), "A");

    f.typeChar(f.Txt_Title, 'T');
    f.typeChar(f.Txt_Title, 13);
    EXPECT_EQ(f.Txt_Title.text(), "T");

    // The window may drop Enter before any box sees it.
    f.KeyPress = [](int& k) {
        if (k == 13) k = 0;
    };
    f.typeChar(f.Txt_APT_DAT, 13);
    EXPECT_EQ(f.Txt_APT_DAT.text(), "A");
}

TEST_F(WindowState, DisplayFieldsIgnoreTypingButHearTheKey) {
    int keys = 0;
    f.Txt_DEP.KeyPress = [&](int&) { ++keys; };
    f.typeChar(f.Txt_DEP, 'E');
    EXPECT_EQ(f.Txt_DEP.text(), "");
    EXPECT_EQ(keys, 1);
}

TEST_F(WindowState, DialogFieldsSkipTheWindowPreview) {
    int windowKeys = 0;
    f.KeyPress = [&](int&) { ++windowKeys; };
    f.texted.Text1.KeyPress = [](int& k) {
        if (k == 13) k = 32;
    };
    f.typeChar(f.texted.Text1, 'a');
    f.typeChar(f.texted.Text1, 13);
    f.typeChar(f.texted.Text1, 'b');
    EXPECT_EQ(f.texted.Text1.text(), "a b");
    EXPECT_EQ(windowKeys, 0);
    EXPECT_EQ(f.focus(), nullptr);
}

TEST_F(WindowState, MovingTheInputRaisesLostFocusOfThePreviousHolder) {
    f.Txt_Flt_Nr.LostFocus = [&] { log.push_back("nr lost, now " + f.focus()->name()); };
    f.Txt_CARR.LostFocus = [&] { log.push_back("carr lost"); };
    f.setFocus(&f.Txt_Flt_Nr);
    f.setFocus(&f.Txt_Flt_Nr);
    f.setFocus(&f.Txt_CARR);
    f.setFocus(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"nr lost, now Txt_CARR", "carr lost"}));
}

TEST_F(WindowState, SharedPlacesShowOneFrame) {
    EXPECT_TRUE(f.inFront(f.Frame_Mode));
    EXPECT_FALSE(f.inFront(f.Frame_FS_APT));
    EXPECT_TRUE(f.inFront(f.Frame1));
    EXPECT_FALSE(f.inFront(f.Frame_PLN_IMP));
    EXPECT_TRUE(f.inFront(f.Picture1));  // a place of its own

    f.bringToFront(f.Frame_FS_APT);
    f.bringToFront(f.Frame_PLN_IMP);
    EXPECT_TRUE(f.inFront(f.Frame_FS_APT));
    EXPECT_FALSE(f.inFront(f.Frame_Mode));
    EXPECT_TRUE(f.inFront(f.Frame_PLN_IMP));
    f.bringToFront(f.Frame_Mode);
    EXPECT_TRUE(f.inFront(f.Frame_Mode));
    EXPECT_FALSE(f.inFront(f.Frame_FS_APT));
    EXPECT_TRUE(f.inFront(f.Frame_PLN_IMP));

    auto place = f.placeOf(f.Frame1);
    EXPECT_EQ(place, (std::vector<Frame*>{&f.Frame1, &f.Frame_PLN_IMP}));
    EXPECT_EQ(f.placeOf(f.Picture1), (std::vector<Frame*>{&f.Picture1}));
}

TEST_F(WindowState, LifecycleEvents) {
    int loads = 0, resizes = 0, unloads = 0;
    f.Load = [&] { ++loads; };
    f.Resize = [&] { ++resizes; };
    f.Unload = [&] {
        ++unloads;
        f.close();  // closing again from the unload handler does nothing
    };
    f.load();
    f.resize();
    f.resize();
    EXPECT_FALSE(f.closed());
    f.close();
    f.close();
    EXPECT_TRUE(f.closed());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(unloads, 1);
}

TEST_F(WindowState, DescriptionDialogShowsModally) {
    f.texted.Load = [&] { log.push_back(f.texted.shown() ? "load shown" : "load"); };
    f.texted.Activate = [&] { log.push_back(f.texted.shown() ? "activate shown" : "activate"); };
    f.texted.showModal(ui);
    EXPECT_EQ(log, (std::vector<std::string>{"load", "activate shown"}));
    EXPECT_EQ(ui.modalShown, 1);
    EXPECT_TRUE(ui.modalWasShown);
    EXPECT_FALSE(f.texted.shown());
}

}  // namespace
}  // namespace vell
