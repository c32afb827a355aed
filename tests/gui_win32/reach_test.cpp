// The Win32 window within reach of eyes and screen readers: it fits the
// screen's work area at the scale the test runs at (again at 125% and 150%,
// scales.cmake) and scrolls its fields to the copy command; every control is
// named as Windows finds names; a long path shows its last folder; the file
// dialogs open wide enough for their columns.
#include <map>
#include <set>

#include "win_fixture.h"
#include "window/accessible_name.h"

namespace vellwin::test {

namespace {

RECT rectIn(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool inside(const RECT& outer, const RECT& r) {
    return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right &&
           r.bottom <= outer.bottom;
}

}  // namespace

TEST_F(Win32WindowTest, TheWindowFitsTheWorkAreaAndScrollsToTheCopy) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window->hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(window->hwnd(), &frame);
    RecordProperty("frame", std::to_string(frame.left) + ' ' + std::to_string(frame.top) + ' ' +
                                std::to_string(frame.right) + ' ' + std::to_string(frame.bottom));
    EXPECT_TRUE(inside(monitor.rcWork, frame))
        << "frame bottom " << frame.bottom << " of " << monitor.rcWork.bottom;
    RECT client{};
    GetClientRect(window->hwnd(), &client);
    for (const char* name : {"Txt_Status", "Cmd_PROC_COPY"}) {
        window->scrollIntoView(control(name));
        EXPECT_TRUE(inside(client, rectIn(control(name), window->hwnd()))) << name;
    }
    model->Cmd_PROC_COPY.setEnabled(true);
    int copies = 0;
    model->Cmd_PROC_COPY.Click = [&copies] { ++copies; };
    // What a click at the middle of the button reaches: the first window
    // there from the top, a group box's frame letting it through.
    HWND box = GetParent(control("Cmd_PROC_COPY"));
    const RECT copy = rectIn(control("Cmd_PROC_COPY"), box);
    const POINT middle{(copy.left + copy.right) / 2, (copy.top + copy.bottom) / 2};
    HWND reached = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child && !reached;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = rectIn(child, box);
        wchar_t kind[16] = {};
        GetClassNameW(child, kind, 16);
        const bool groupBox = lstrcmpiW(kind, L"BUTTON") == 0 &&
                              (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        if (IsWindowVisible(child) && PtInRect(&r, middle) && !groupBox) reached = child;
    }
    EXPECT_EQ(reached, control("Cmd_PROC_COPY"));
    EXPECT_TRUE(IsWindowEnabled(reached));
    click("Cmd_PROC_COPY");
    EXPECT_EQ(copies, 1);
}

// A button by its caption (a picture-only one by the text it does not
// draw, a check box without one by the name it was given), any other
// control by the label right before it: never empty, never its frame's
// caption, no two alike in one frame.
TEST_F(Win32WindowTest, EveryControlHasANameOfItsOwnInItsFrame) {
    std::map<const vell::Field*, std::set<std::wstring>> namesPerFrame;
    for (vell::Field* field : model->fields()) {
        HWND hwnd = window->binder().windowOf(field);
        if (!hwnd || field->kind() == vell::FieldKind::Frame ||
            field->kind() == vell::FieldKind::Label)
            continue;  // read as the captions they show
        const bool captioned = dynamic_cast<const vell::CaptionField*>(field) != nullptr;
        HWND label = captioned ? hwnd : GetWindow(hwnd, GW_HWNDPREV);
        wchar_t kind[16] = {};
        GetClassNameW(label, kind, 16);
        EXPECT_TRUE(captioned || lstrcmpiW(kind, L"STATIC") == 0) << field->name();
        std::wstring name = toWide(vell::withoutAccessKeys(fromWide(windowText(label))));
        if (captioned && name.empty() && window->annotatedNames().contains(hwnd))
            name = window->annotatedNames().at(hwnd);  // a check box beside its label
        EXPECT_EQ(name, toWide(vell::accessibleNameOf(*model, *field))) << field->name();
        EXPECT_FALSE(name.empty()) << field->name();
        const auto* frame = dynamic_cast<const vell::Frame*>(field->container());
        if (frame && field->kind() != vell::FieldKind::FolderList) {
            EXPECT_NE(name, toWide(vell::withoutAccessKeys(frame->caption()))) << field->name();
        }
        EXPECT_TRUE(namesPerFrame[frame].insert(name).second) << field->name();
    }
}

TEST_F(Win32WindowTest, ALongPathShowsItsLastFolder) {
    const std::string path =
        "C:\\Documents and Settings\\All Users\\Documents\\Microsoft Games\\"
        "Flight Simulator 9\\Saved Flights\\Summer 2004\\Flight Simulator Files";
    model->Txt_Sel_FSPath.setText(path);
    HWND box = control("Txt_Sel_FSPath");
    EXPECT_EQ(text("Txt_Sel_FSPath"), path);
    RECT client{};
    GetClientRect(box, &client);
    const auto at = [box](std::size_t index) {
        return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, index, 0)));
    };
    EXPECT_LT(at(0), 0);  // the beginning scrolled away
    const int last = at(path.size() - 1);
    EXPECT_GE(last, 0);
    EXPECT_LT(last, client.right);
}

// As wide as the columns need, in proportion to the window, on the screen:
// under Wine the dialog's hook widens a stand-in dialog as it would the real
// one (Windows' own dialog keeps the size a person gives it, without a hook).
TEST_F(Win32WindowTest, TheFileDialogsOpenWideEnoughForTheirColumns) {
    Win32UiPort port;
    port.setOwner(window->hwnd());
    RECT owner{}, widened{}, work{};
    GetWindowRect(window->hwnd(), &owner);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    port.runOpenDialog = [&widened](OPENFILENAMEW& dialog) {
        EXPECT_EQ(dialog.Flags & (OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_EXPLORER),
                  static_cast<DWORD>(OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_EXPLORER));
        HWND stand = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 400, 300, nullptr,
                                     nullptr, nullptr, nullptr);
        HWND page = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 0, 0, stand, nullptr,
                                    nullptr, nullptr);
        OFNOTIFYW note{};
        note.hdr.hwndFrom = page;
        note.hdr.code = CDN_INITDONE;
        note.lpOFN = &dialog;
        dialog.lpfnHook(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
        // The dialog hands its page's messages to the hook.
        MSG later{};
        while (PeekMessageW(&later, page, 0, 0, PM_REMOVE))
            dialog.lpfnHook(page, later.message, later.wParam, later.lParam);
        GetWindowRect(stand, &widened);
        DestroyWindow(stand);
        return FALSE;
    };
    EXPECT_FALSE(port.openFile({"Open Flight", "Flights|*.FLT", demo.user, ""}).has_value());
    EXPECT_GE(widened.right - widened.left,
              std::min((owner.right - owner.left) * 4 / 5, (work.right - work.left) * 9 / 10));
    EXPECT_TRUE(inside(work, widened));
}

}  // namespace vellwin::test
