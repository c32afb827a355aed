// Opening the demo flight through the "&OPEN Flight" button of the real
// window: the open dialog is asked for with the program's title, filter and
// folder, and the flight's data appears in the widgets. With
// VELLMASTER_SCREENSHOT set to a file name, the window is saved there as a
// picture once the flight is open.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

QString text(QWidget* widget) {
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

}  // namespace

TEST_F(WindowTest, OpenFlightShowsTheDemoFlight) {
    // Both come from the window's handlers: the start-up finds the demo's
    // simulator, the command opens the flight.
    if (!model->Load || !model->Cmd_Sel_FSFLT.Click)
        GTEST_SKIP() << "the start-up or the open-flight command is not wired yet";

    auto* open = widget<QPushButton>("Cmd_Sel_FSFLT");
    ASSERT_NE(open, nullptr);
    // Start-up found the FS 2004 folder of the demo and enabled the command.
    ASSERT_TRUE(open->isEnabled());
    ui.answerOpen(demo->flight);
    QTest::mouseClick(open, Qt::LeftButton);

    ASSERT_GE(ui.opens.size(), 1u);
    EXPECT_EQ(ui.opens[0].title, "Open FS200X Flight File ..");
    EXPECT_EQ(ui.opens[0].filter, "FS Flight-Files (*.FLT)|*.FLT");
    EXPECT_EQ(ui.opens[0].folder, demo->user.string());

    // What the flight reader sets.
    auto field = [this](const char* name) { return text(widget<QWidget>(name)).toStdString(); };
    EXPECT_EQ(field("Txt_Sel_FSFLT"), "Frankfurt to Heathrow.FLT");
    EXPECT_EQ(field("Txt_Sel_FSPath"), demo->user.string());
    EXPECT_EQ(field("Lbl_FS_Vers"), "Detected Flight-Version: FS 2004");
    EXPECT_EQ(field("Txt_ACFT"), "Aerolite T-320 Twinjet");
    EXPECT_EQ(field("Txt_DepartureTm"), "14:55");

    // What the plan reader, the briefing and the airport notes add: the
    // demo flight names its plan, so no second dialog is needed.
    EXPECT_EQ(ui.opens.size(), 1u);
    EXPECT_EQ(field("Txt_Sel_Flightplan"), "IFR Frankfurt Main to London Heathrow.pln");
    EXPECT_EQ(field("Lbl_PLN_Vers"), "Detected PLN Version: FS 2004");
    EXPECT_EQ(field("Txt_DEP"), "EDDF");
    EXPECT_EQ(field("Txt_DES"), "EGLL");
    EXPECT_EQ(field("Txt_DEPNAME"), "Frankfurt/Main");
    EXPECT_EQ(field("Txt_DESNAME"), "London Heathrow");
    EXPECT_EQ(field("Txt_POS"), "25C");
    EXPECT_EQ(field("Txt_Cruise"), "31000");
    EXPECT_EQ(field("Txt_ERWY"), "25C");
    EXPECT_EQ(field("Txt_HDG"), "249");
    EXPECT_EQ(field("Txt_CRS"), "271");
    EXPECT_EQ(field("Txt_Freq(0)"), "109.50");
    EXPECT_EQ(field("Txt_Freq(1)"), "110.30");
    EXPECT_EQ(field("Txt_Freq(2)"), "115.35");
    EXPECT_EQ(field("Txt_Freq(3)"), "113.45");
    EXPECT_EQ(field("Txt_Freq(4)"), "362.5");

    // The destination folder chosen in the folder list: the copy may start.
    auto* folders = widget<QTreeWidget>("Dir1");
    QTreeWidgetItem* tours =
        folders->findItems(QStringLiteral("Demo Tours"), Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    ASSERT_NE(tours, nullptr);
    const QPoint at = folders->visualItemRect(tours).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_EQ(model->Dir1.path(), (demo->fs9 / "flights" / "Demo Tours").string());
    EXPECT_TRUE(widget<QPushButton>("Cmd_PROC_COPY")->isEnabled());
    EXPECT_EQ(widget<QPlainTextEdit>("Txt_Status")->toPlainText(),
              QStringLiteral("Select Files to copy .. "));

    if (const QByteArray shot = qgetenv("VELLMASTER_SCREENSHOT"); !shot.isEmpty()) {
        // The size the window takes on a desktop screen (the offscreen
        // screen is smaller).
        window->resize(window->size().expandedTo(QSize(1040, 0)));
        QTest::qWait(50);
        EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(shot)));
    }
}

}  // namespace vellgui::test
