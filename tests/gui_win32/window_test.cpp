// The real Win32 window under Wine: every field a person sees has one
// control in the box of its frame; the controls follow the model; what a
// person does at them reaches the model's handlers once; the description
// dialog opens and is cancelled and the program ends with status 0; and
// the demo flight opens, shows its data and is copied.
#include <filesystem>
#include <map>
#include <set>

#include "field_binders.h"
#include "win_fixture.h"
#include "window/airport_codes.h"

namespace vellwin::test {

namespace {

// The frame whose box window this is, or none.
const vell::Field* frameOf(const MainWindow& window, HWND box) {
    for (vell::Field* field : window.model().fields()) {
        if (field->kind() == vell::FieldKind::Frame && window.binder().windowOf(field) == box)
            return field;
    }
    return nullptr;
}

std::wstring menuText(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

// The state of the item with that caption, in the menu or a menu below it.
UINT menuState(HMENU menu, const std::wstring& caption) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_STATE | MIIM_SUBMENU;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        if (menuText(menu, static_cast<UINT>(i)) == caption) return item.fState;
        if (item.hSubMenu) {
            if (const UINT found = menuState(item.hSubMenu, caption); found != ~0u) return found;
        }
    }
    return ~0u;
}

HTREEITEM findItem(HWND tree, HTREEITEM item, const std::wstring& name) {
    for (; item; item = TreeView_GetNextSibling(tree, item)) {
        wchar_t text[260] = {};
        TVITEMW info{};
        info.mask = TVIF_TEXT;
        info.hItem = item;
        info.pszText = text;
        info.cchTextMax = 260;
        TreeView_GetItem(tree, &info);
        if (name == text) return item;
        if (HTREEITEM found = findItem(tree, TreeView_GetChild(tree, item), name)) return found;
    }
    return nullptr;
}

}  // namespace

// Working lists and the dialog component have none; the menus are the
// model's, in its order, blanks of the captions kept.
TEST_F(Win32WindowTest, EverySeenFieldHasOneControlInItsFramesBoxAndTheMenusAreTheModels) {
    std::set<HWND> seen;
    for (vell::Field* field : model->fields()) {
        HWND hwnd = window->binder().windowOf(field);
        if (!Binder::hasWindow(*field) || field->kind() == vell::FieldKind::MenuItem) {
            EXPECT_EQ(hwnd, nullptr) << field->name();
            continue;
        }
        ASSERT_NE(hwnd, nullptr) << field->name();
        EXPECT_TRUE(seen.insert(hwnd).second) << field->name();
        EXPECT_EQ(frameOf(*window, GetParent(hwnd)), field->container()) << field->name();
    }
    HMENU bar = GetMenu(window->hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), std::ssize(model->menuBar()));
    EXPECT_EQ(menuText(bar, 0), L"FILE" + std::wstring(13, L' '));
    for (UINT i = 0; i < model->menuBar().size(); ++i) {
        const vell::MenuItem& top = *model->menuBar()[i];
        EXPECT_EQ(menuText(bar, i), toWide(top.caption()));
        HMENU menu = GetSubMenu(bar, static_cast<int>(i));
        ASSERT_EQ(GetMenuItemCount(menu), std::ssize(top.children()));
        for (UINT j = 0; j < top.children().size(); ++j) {
            const vell::MenuItem& item = *top.children()[j];
            EXPECT_EQ(menuText(menu, j), item.separator() ? L"" : toWide(item.caption())) << item.name();
        }
    }
}

// Within each box, the controls lie inside it, none on another, and each
// caption has the width it needs.
TEST_F(Win32WindowTest, NoControlLeavesItsBoxCoversAnotherOrCutsItsCaption) {
    std::map<HWND, std::vector<std::pair<std::string, RECT>>> byBox;
    for (vell::Field* field : model->fields()) {
        HWND hwnd = window->binder().windowOf(field);
        if (!hwnd || !shown(hwnd) || !IsWindowVisible(GetParent(hwnd))) continue;
        RECT r{};
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
        RECT box{};
        GetClientRect(GetParent(hwnd), &box);
        // The window itself may be smaller than its fields need, on a small
        // screen (Wine's null display is 1024 x 768): its boxes may then
        // reach beyond it; a box's own fields never leave it.
        EXPECT_TRUE((r.left >= 0 && r.top >= 0 && r.right <= box.right && r.bottom <= box.bottom) ||
                    GetParent(hwnd) == window->hwnd())
            << field->name();
        for (const auto& [other, o] : byBox[GetParent(hwnd)]) {
            RECT overlap{};
            // A combo box's window takes in its open list.
            EXPECT_FALSE(IntersectRect(&overlap, &r, &o) && field->kind() != vell::FieldKind::ComboBox)
                << field->name() << " covers " << other;
        }
        byBox[GetParent(hwnd)].push_back({field->name(), r});
        const auto* captioned = dynamic_cast<const vell::CaptionField*>(field);
        if (!captioned || field->kind() == vell::FieldKind::Frame || captioned->caption().empty())
            continue;
        std::wstring caption = toWide(captioned->caption());
        std::erase(caption, L'&');
        HDC dc = GetDC(hwnd);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        SIZE needed{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &needed);
        SelectObject(dc, old);
        ReleaseDC(hwnd, dc);
        EXPECT_GE(r.right - r.left, needed.cx) << field->name();
    }
}

TEST_F(Win32WindowTest, ControlsFollowTheModelsTextsStatesListsAndFrameInFront) {
    model->Txt_Title.setText("Z\xfcrich \x96 Gen\xe8ve");
    model->Lbl_LegICAO.setCaption("EDDF - EGLL");
    model->Frame1.setCaption("Flights \xbb");
    EXPECT_EQ(windowText(control("Txt_Title")), L"Z\u00fcrich \u2013 Gen\u00e8ve");
    EXPECT_EQ(text("Lbl_LegICAO"), "EDDF - EGLL");
    EXPECT_EQ(GetWindowLongPtrW(control("Txt_DEP"), GWL_STYLE) & ES_READONLY, ES_READONLY);
    model->Chk_WX.Click = nullptr;
    for (auto& option : model->Opt_Vell) option.Click = nullptr, option.setEnabled(true);
    HMENU menus = GetMenu(window->hwnd());
    for (bool on : {true, false}) {
        model->Cmd_PROC_COPY.setEnabled(on);
        model->Lbl_LegICAO.setVisible(on);
        model->Chk_WX.setValue(on);
        model->mnu_fs9.setChecked(on);
        model->Opt_Vell[on].setValue(true);
        EXPECT_EQ((std::vector<bool>{IsWindowEnabled(control("Cmd_PROC_COPY")) != FALSE,
                                     shown(control("Lbl_LegICAO")), checked("Chk_WX"),
                                     checked("Opt_Vell(1)"), !checked("Opt_Vell(0)")}),
                  std::vector<bool>(5, on));
        const UINT state = menuState(menus, toWide(model->mnu_fs9.caption()));
        EXPECT_EQ((state & MFS_CHECKED) != 0, on);
    }
    model->Lst_Stored.Click = nullptr;
    model->Lst_Stored.clear();
    for (const char* entry : {"EGLL", "EDDF"}) model->Lst_Stored.addItem(entry);
    model->Lst_Stored.setListIndex(1);
    EXPECT_EQ(SendMessageW(control("Lst_Stored"), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(control("Lst_Stored"), LB_GETCURSEL, 0, 0), 1);
    // The frame in front of each shared place is the one shown.
    for (vell::Frame* front : {&model->Frame_FS_APT, &model->Frame_Mode}) {
        model->bringToFront(*front);
        EXPECT_TRUE(shown(window->binder().windowOf(&model->Frame_FS_APT)) ==
                    (front == &model->Frame_FS_APT));
        EXPECT_TRUE(shown(window->binder().windowOf(&model->Frame_Mode)) == (front == &model->Frame_Mode));
    }
}

// A long fill in no order, removals around the selection and a clear each reach the list box entry
// by entry, and the box ends with the field's entries whole; the combo box likewise.
TEST_F(Win32WindowTest, ListsFollowTheirFieldsEntryByEntryAndEndWhole) {
    vell::ListBox& stored = model->Lst_Stored;
    HWND box = control("Lst_Stored");
    const auto shown = [box] {
        std::vector<std::string> entries;
        const auto count = SendMessageW(box, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const auto length = SendMessageW(box, LB_GETTEXTLEN, i, 0);
            std::wstring entry(static_cast<std::size_t>(length), L'\0');
            SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
            entries.push_back(fromWide(entry));
        }
        return entries;
    };
    stored.Click = nullptr;
    stored.clear();
    for (const std::string& code : vell::testing::unsortedAirportCodes(10000)) stored.addItem(code);
    stored.setListIndex(7000);
    for (int row : {0, 9998, 3500, 6999, 1200}) stored.removeItem(row);
    stored.addItem("AAAA");
    EXPECT_EQ(shown(), stored.items());
    EXPECT_EQ(SendMessageW(box, LB_GETCURSEL, 0, 0), stored.listIndex());
    stored.clear();
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 0);

    vell::ComboBox& positions = model->Cbo_Pos;
    positions.Click = positions.Change = nullptr;
    positions.clear();
    for (const char* position : {"PARKING", "Act. Departure RWY", "RWY 25C"})
        positions.addItem(position);
    positions.select(2);
    EXPECT_EQ(SendMessageW(control("Cbo_Pos"), CB_GETCOUNT, 0, 0), positions.count());
    EXPECT_EQ(text("Cbo_Pos"), "RWY 25C");
    positions.clear();
    EXPECT_EQ(SendMessageW(control("Cbo_Pos"), CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Win32WindowTest, ClicksEditsKeysAndLeavingReachTheModelOnce) {
    int clicks = 0, changes = 0, keys = 0, left = 0;
    model->Chk_WX.Click = [&] { ++clicks; };
    model->Txt_Title.Change = [&] { ++changes; };
    model->Txt_Title.LostFocus = [&] { ++left; };
    model->KeyPress = [&](int& key) {
        ++keys;
        if (key == 'x') key = 'y';  // the preview may replace a character
    };
    click("Chk_WX");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(model->Chk_WX.value(), 1);
    EXPECT_TRUE(checked("Chk_WX"));

    SetWindowTextW(control("Txt_Title"), L"Gen\u00e8ve");  // an edit, as typed
    EXPECT_EQ(model->Txt_Title.text(), "Gen\xe8ve");
    EXPECT_EQ(changes, 1);
    SetFocus(control("Txt_Title"));
    EXPECT_EQ(model->focus(), &model->Txt_Title);
    SendMessageW(control("Txt_Title"), EM_SETSEL, 6, 6);
    for (wchar_t typed : {L'x', L'\r'}) SendMessageW(control("Txt_Title"), WM_CHAR, typed, 0);
    EXPECT_EQ(model->Txt_Title.text(), "Gen\xe8vey");  // replaced; Enter adds nothing
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(changes, 2);

    // Tab moves on through the dialog manager, and the field left is told once.
    MSG tab{};
    tab.hwnd = control("Txt_Title"), tab.message = WM_KEYDOWN, tab.wParam = VK_TAB;
    EXPECT_TRUE(IsDialogMessageW(window->hwnd(), &tab));
    EXPECT_EQ(GetFocus(), control("Txt_Description"));
    EXPECT_EQ(model->focus(), &model->Txt_Description);
    EXPECT_EQ(left, 1);

    // Option buttons exclude each other, as the model keeps them.
    for (auto& option : model->Opt_Vell) option.Click = nullptr, option.setEnabled(true);
    click("Opt_Vell(1)");
    click("Opt_Vell(0)");
    EXPECT_TRUE(model->Opt_Vell[0].value() && !model->Opt_Vell[1].value());
    EXPECT_TRUE(checked("Opt_Vell(0)") && !checked("Opt_Vell(1)"));
}

// Alt+K belongs to the KIV mode and to "Keep sourcel files": the dialog
// manager moves the keyboard input to one of them and clicks neither (on
// Windows each press moves on to the other; Wine's stays on the first);
// with one of them disabled the key clicks the other.
TEST_F(Win32WindowTest, ASharedAccessKeyMovesBetweenItsFieldsAndClicksNone) {
    const auto altK = [this] {
        MSG key{};
        key.hwnd = GetFocus() ? GetFocus() : window->hwnd();
        key.message = WM_SYSCHAR, key.wParam = L'k', key.lParam = 1 << 29;  // Alt held
        IsDialogMessageW(window->hwnd(), &key);
        pump();
    };
    model->Opt_Vell[1].setEnabled(true);
    const int keep = model->Chk_KeepPlan.value();
    SetFocus(control("Txt_Title"));
    for (int press = 0; press < 2; ++press) {
        altK();
        EXPECT_TRUE(GetFocus() == control("Opt_Vell(1)") || GetFocus() == control("Chk_KeepPlan"));
    }
    EXPECT_EQ(model->Chk_KeepPlan.value(), keep);
    EXPECT_FALSE(model->Opt_Vell[1].value());
    model->Opt_Vell[1].setEnabled(false);
    altK();
    EXPECT_NE(model->Chk_KeepPlan.value(), keep);
}

TEST_F(Win32WindowTest, TheDescriptionDialogIsCancelledAndTheProgramEndsWithStatusZero) {
    model->Dir1.setPath(demo.fs9 + vell::SEP + "flights" + vell::SEP + "Demo Tours");
    static std::wstring seenTitle;
    static bool hadFields = false;
    seenTitle.clear();
    // While the dialog is up, its own loop runs the timer: a person's Cancel.
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = FindWindowW(nullptr, L"EDIT DESCR.TXT...");
        if (!dialog) return;
        KillTimer(nullptr, id);
        seenTitle = windowText(dialog);
        hadFields = GetDlgItem(dialog, 202) && GetDlgItem(dialog, 206);
        SendMessageW(GetDlgItem(dialog, 206), BM_CLICK, 0, 0);
    });
    window->binder().binderOf(&model->mnu_desc)->command(0);
    EXPECT_EQ(seenTitle, L"EDIT DESCR.TXT...");
    EXPECT_TRUE(hadFields);
    EXPECT_FALSE(model->texted.shown());
    PostMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window->run(), 0);
    EXPECT_TRUE(model->closed());
}

TEST_F(Win32WindowTest, TheDemoFlightOpensShowsItsRouteAndIsCopiedIntoAFlightsFolder) {
    ui.opens.push_back(demo.flight);
    click("Cmd_Sel_FSFLT");
    ASSERT_EQ(ui.filters.size(), 1u);
    EXPECT_EQ(text("Txt_Sel_FSFLT") + " " + text("Txt_DES"), "Frankfurt to Heathrow.FLT EGLL");
    EXPECT_EQ(text("Lbl_FS_Vers"), "Detected Flight-Version: FS 2004");
    EXPECT_EQ(text("Txt_GCDist") + " " + text("Txt_GDist").substr(0, 3), "353 353");
    EXPECT_TRUE(checked("Chk_Auto_BRF"));  // the briefing made from the plan
    // One click in the tree chooses the folder, once the tree has done.
    HWND tree = control("Dir1");
    HTREEITEM tours = findItem(tree, TreeView_GetRoot(tree), L"Demo Tours");
    ASSERT_NE(tours, nullptr);
    TreeView_SelectItem(tree, tours);
    pump();
    const std::string folder = demo.fs9 + vell::SEP + "flights" + vell::SEP + "Demo Tours";
    EXPECT_EQ(model->Dir1.path(), folder);
    ASSERT_TRUE(IsWindowEnabled(control("Cmd_PROC_COPY")));
    click("Chk_WX");
    click("Cmd_PROC_COPY");
    pump();
    std::set<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(demo.root.host(
             "FS9/flights/Demo Tours")))
        made.insert(entry.path().extension().string());
    EXPECT_EQ(made, (std::set<std::string>{".FLT", ".PLN", ".WX", ".txt", ".htm"}));
}

}  // namespace vellwin::test
