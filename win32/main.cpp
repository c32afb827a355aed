// Vellmaster: the window on the Windows desktop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "dpi.h"
#include "main_window.h"
#include "platform/host.h"
#include "vellmaster.h"
#include "win32_ui_port.h"
#include "window/frm_vell13.h"

namespace {

// The model measures the screen in twips, 15 to the pixel at 100%.
constexpr int kTwipsPerPixel = 15;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    vellwin::dpi::beAware();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell's dialogs and the help's viewer want a single-threaded apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    vell::HostRegistry registry;
    vell::Host host;
    host.registry = &registry;
    host.programFolder = vell::programFolderOf(nullptr);
    host.ownFolder = vell::ownFilesFolder(host.programFolder);
    host.installedDataFolder = vell::installedDataFolderOf(host.programFolder);
    // The part of the screen that the desktop leaves to windows.
    RECT area{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        const UINT dpi = vellwin::dpi::ofWindow(nullptr);
        host.screenWidth = MulDiv(area.right - area.left, 96, static_cast<int>(dpi)) * kTwipsPerPixel;
        host.screenHeight = MulDiv(area.bottom - area.top, 96, static_cast<int>(dpi)) * kTwipsPerPixel;
    }

    int status = 0;
    {
        vellwin::Win32UiPort ui;
        const auto model = vell::createMainWindow(ui, host);
        vellwin::MainWindow window(*model);
        ui.setOwner(window.hwnd());
        model->load();
        if (!model->closed()) {
            window.show(showCommand);
            status = window.run();
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
