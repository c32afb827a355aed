// Ending the program after the description dialog was shown: the dialog has
// one owner, so the window, the model and the UI port go in the order the
// program's main() destroys them, and the program ends with status 0.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "gui_fixture.h"
#include "main_window.h"
#include "qt_ui_port.h"
#include "texted_dialog.h"
#include "vellmaster.h"

namespace vellgui::test {

namespace {

// As main() does: port, model, window; the dialog is opened from the FILE
// menu and cancelled, the window is closed, the event loop ends, and
// everything is destroyed before the exit.
[[noreturn]] void openCancelAndEnd() {
    int status = 0;
    {
        DemoCopy demo;
        vell::MemoryRegistry registry;
        vell::Host host;
        host.registry = &registry;
        host.programFolder = demo.program.string();

        QtUiPort ui;
        const auto model = vell::createMainWindow(ui, host);
        MainWindow window(*model);
        ui.setParentWindow(&window);
        model->load();
        window.show();
        model->Dir1.setPath((demo.fs9 / "flights" / "Demo Tours").string());

        int tries = 0;
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            if (++tries > 500) std::exit(3);  // the dialog never came
            auto* dialog = qobject_cast<TextedDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            cancel.stop();
            dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        });
        cancel.start(10);
        window.findChild<QAction*>(QStringLiteral("mnu_desc"))->trigger();
        if (tries == 0 || cancel.isActive()) std::exit(4);  // not shown modally

        QTimer::singleShot(0, &window, &QWidget::close);
        status = QApplication::exec();
    }
    std::exit(status);
}

}  // namespace

TEST(ProgramEnd, EndsWithStatusZeroAfterTheDescriptionDialogWasCancelled) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(openCancelAndEnd(), ::testing::ExitedWithCode(0), "");
}

}  // namespace vellgui::test
