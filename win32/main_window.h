// The main window: menus built from the model's menu tree, the fields laid
// out in their boxes as the window's table places them, the two shared
// places showing their frame in front, and the window's own state (frame
// in front, keyboard input, busy pointer, closing) mirrored from the model.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "binder.h"
#include "layout.h"

namespace vell {
class Frm_Vell13;
}

namespace vellwin {

class MainWindow {
public:
    // The window class of the boxes that hold the fields.
    static constexpr wchar_t kBoxClass[] = L"VellmasterBox";

    explicit MainWindow(vell::Frm_Vell13& model);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    vell::Frm_Vell13& model() const { return model_; }
    Binder& binder() const { return *binder_; }
    // The window of each box of the table, by its index there.
    const std::vector<HWND>& boxWindows() const { return panels_; }

    // Sized and centred within the work area of its screen, frame included;
    // then shown.
    void show(int showCommand);
    // Keys of the whole window, before the dialog manager sees them (F1).
    bool preTranslate(const MSG& msg);
    // The program's message loop, until the window has closed; the exit status.
    int run();
    // Places every control again (the window's size, scale or texts changed).
    void relayout();
    // The names given to controls that Windows would find none for (a
    // check box without a caption), as handed to the system's annotations.
    const std::map<HWND, std::wstring>& annotatedNames() const { return annotated_; }
    // Scrolls the fields so that a control lies within the window.
    void scrollIntoView(HWND control);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);

    void buildMenus();
    void buildControls();  // main_window_controls.cpp; the sizes in main_window_sizes.cpp
    HWND makeControl(const vell::form::Cell& cell, HWND parent);
    void applyFonts();
    Need needOf(const vell::form::Cell& cell) const;
    Measure measure() const;
    void applyScale(UINT dpi);
    // Below the least size of the fields the window scrolls them: the
    // ranges of its scroll bars, and a move of one of them
    // (main_window_scroll.cpp).
    void placeControls();
    void setScrollRanges(Extent fields);
    void scrollTo(int bar, int position);
    void scroll(int bar, int request);
    // Names each control for screen readers (main_window_controls.cpp).
    void nameControls();
    void mirrorWindowState();
    void runLater();
    // The outer size for a client size at the window's scale.
    SIZE outerSize(Extent client) const;
    // The part of the window's screen that the desktop leaves to windows.
    RECT workArea() const;

    struct Fonts {
        HFONT normal = nullptr, bold = nullptr, small = nullptr, fixed = nullptr, heading = nullptr;
        int lineHeight = 16;
        void release();
    };

    vell::Frm_Vell13& model_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    std::unique_ptr<Binder> binder_;
    std::vector<HWND> panels_;      // by box index
    std::vector<HWND> groupBoxes_;  // by box index; null where none
    HWND programName_ = nullptr;
    HWND tagline_ = nullptr;
    std::vector<HICON> icons_;
    std::map<HWND, std::wstring> annotated_;
    UINT dpi_ = 96;
    Fonts fonts_;
    bool busyShown_ = false;
    bool shown_ = false;
    int layouts_ = 0;  // nested through the size change of a scroll bar
    std::vector<std::function<void()>> later_;
    int nextId_ = 100;
    // Expires with the window: the model's observers outlive it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace vellwin
