// The Qt dialogs behind the UI port: what they show and what they return;
// and the program ending cleanly after the description dialog was shown.
#include "gui_fixture.h"
#include "qt_ui_port.h"
#include "texted_dialog.h"

namespace vellgui::test {

// Runs act on the next modal dialog as soon as it is shown.
template <class Dialog>
void whenModal(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

// Messages without their padding blanks, the application's title when none
// is given, Esc for the escape button; the open dialog in the folder with the
// filter as written and any letter case; the filter's extension added to a
// saved name; nothing when cancelled.
TEST(QtUiPort, DialogsShowWhatTheyAreAskedAndAnswerTheChoice) {
    QtUiPort port;
    whenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle() + u'|' + box->text(),
                  QStringLiteral("NEW|Not in FS :\n\nClear ?"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        ASSERT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(port.messageBox("Not in FS :   \r\n\r\nClear ?   ", vell::MsgButtons::YesNoCancel,
                              vell::MsgIcon::Question, "NEW"),
              vell::MsgAnswer::No);
    whenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("FS200x_Vellmaster"));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(port.messageBox("Sure?", vell::MsgButtons::OKCancel, vell::MsgIcon::None, ""),
              vell::MsgAnswer::Cancel);
    EXPECT_EQ(nameFilterOf("Sets|*.dat;*.txt"),
              QStringLiteral("Sets (*.[dD][aA][tT] *.[tT][xX][tT])"));
    DemoCopy demo;
    whenModal<QFileDialog>([&demo](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open Flight"));
        EXPECT_EQ(dialog->directory().absolutePath().toStdString(), demo.user);
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("FS Flight-Files (*.FLT)"));
        dialog->selectFile(QString::fromStdString(demo.flight));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen =
        port.openFile({"Open Flight", "FS Flight-Files (*.FLT)|*.FLT", demo.user, ""});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->name + '|' + chosen->path, "Frankfurt to Heathrow.FLT|" + demo.flight);
    whenModal<QDialog>([](QDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(port.openFile({"Open Plan", "Plans|*.PLN", demo.user, ""}).has_value());
    whenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(QStringLiteral("channel hops"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(port.saveFile({"Save Set", "Sets (*.dat)|*.dat", demo.program, ""}),
              demo.program + vell::SEP + "channel hops.dat");
}

// Wide enough for the columns of name, size, type and date: in proportion
// to the window the dialog belongs to, within the screen.
TEST(QtUiPort, TheFileDialogOpensWideEnoughForItsColumns) {
    QWidget window;
    window.resize(1200, 700);
    QtUiPort port;
    port.setParentWindow(&window);
    const QSize screen = window.screen()->availableGeometry().size();
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_GE(dialog->width(), std::min(960, screen.width() * 9 / 10));
        EXPECT_GE(dialog->width(), std::min(dialog->fontMetrics().averageCharWidth() * 96,
                                            screen.width() * 9 / 10));
        EXPECT_LE(dialog->width(), screen.width());
        EXPECT_LE(dialog->height(), screen.height());
        dialog->reject();
    });
    EXPECT_FALSE(port.openFile({"Open Flight", "Flights|*.FLT", "", ""}).has_value());
}

// As main() does: port, model, window; the description dialog opened from
// the FILE menu, typed in with Enter, closed with Esc and with Cancel, the
// window closed, all destroyed without fault.
TEST(QtUiPort, TheProgramEndsCleanlyAfterTheDescriptionDialogWasCancelled) {
    DemoCopy demo;
    vell::MemoryRegistry registry;
    vell::Host host;
    host.registry = &registry, host.programFolder = demo.program;
    QtUiPort ui;
    const auto model = vell::createMainWindow(ui, host);
    MainWindow window(*model);
    ui.setParentWindow(&window);
    model->load();
    window.show();
    model->Dir1.setPath(demo.fs9 + vell::SEP + "flights" + vell::SEP + "Demo Tours");
    const std::string desc = "FS9/flights/Demo Tours/desc.txt", before = demo.root.read(desc);
    // Enter in a text box types a blank and closes nothing; Esc closes without saving.
    bool open = false;
    whenModal<QDialog>([&open](QDialog* dialog) {
        QWidget* box = nullptr;
        for (const char* name : {"Text1", "Text2"}) {
            box = dialog->findChild<QWidget*>(QString::fromLatin1(name));
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("A"));
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, QStringLiteral("B"));
        }
        open = dialog->isVisible();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    window.findChild<QAction*>(QStringLiteral("mnu_desc"))->trigger();
    EXPECT_TRUE(open && !model->texted.shown());
    EXPECT_TRUE(model->texted.Text1.text().starts_with("A B")) << model->texted.Text1.text();
    EXPECT_TRUE(model->texted.Text2.text().starts_with("A B")) << model->texted.Text2.text();
    EXPECT_EQ(demo.root.read(desc), before);
    bool cancelled = false;
    whenModal<QDialog>([&cancelled](QDialog* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        cancelled = true;
    });
    window.findChild<QAction*>(QStringLiteral("mnu_desc"))->trigger();
    EXPECT_TRUE(cancelled);  // shown modally
    EXPECT_TRUE(window.close());
}

}  // namespace vellgui::test

// One QApplication for all the tests; no screen is needed.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
