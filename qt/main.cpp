// Vellmaster: the window on the host's screen.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include "main_window.h"
#include "platform/host.h"
#include "qt_text.h"
#include "qt_ui_port.h"
#include "vellmaster.h"
#include "window/frm_vell13.h"

namespace {

// The model measures the screen in twips, 15 to the pixel.
constexpr int kTwipsPerPixel = 15;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellmaster"));
    QApplication::setApplicationVersion(QStringLiteral(VELLMASTER_VERSION));
    QApplication::setOrganizationDomain(QStringLiteral("vellmaster.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.vellmaster.Vellmaster"));

    vell::HostRegistry registry;
    vell::Host host;
    host.registry = &registry;
    host.programFolder = vell::programFolderOf(argc > 0 ? argv[0] : nullptr);
    host.ownFolder = vell::ownFilesFolder(host.programFolder);
    host.installedDataFolder = vell::installedDataFolderOf(
        vellgui::fromHostPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    // The part of the screen that the desktop leaves to windows.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        host.screenWidth = screen->availableGeometry().width() * kTwipsPerPixel;
        host.screenHeight = screen->availableGeometry().height() * kTwipsPerPixel;
    }

    vellgui::QtUiPort ui;
    const auto model = vell::createMainWindow(ui, host);
    vellgui::MainWindow window(*model);
    ui.setParentWindow(&window);

    model->load();
    if (model->closed()) return 0;
    window.show();
    return QApplication::exec();
}
