// The Qt dialogs behind the UI port: what they show and what they return,
// and the description dialog closing when the model hides it.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "gui_fixture.h"
#include "qt_text.h"
#include "qt_ui_port.h"
#include "window/frm_texted.h"

namespace vellgui::test {

namespace {

// Runs act on the next modal dialog as soon as it is shown.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

}  // namespace

TEST(QtText, Windows1252AndLineEndsConvertBothWays) {
    EXPECT_EQ(toQt("Gen\xe8ve \x96 \x80"), QString::fromUtf8("Genève – €"));
    EXPECT_EQ(fromQt(QString::fromUtf8("Genève – €")), "Gen\xe8ve \x96 \x80");
    EXPECT_EQ(toQtLines("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(fromQtLines(QStringLiteral("a\nb")), "a\r\nb");
}

TEST(QtUiPortFilter, PatternsMatchWithoutRegardToLetterCase) {
    EXPECT_EQ(nameFilterOf("FS Flight-Files (*.FLT)|*.FLT"),
              QStringLiteral("FS Flight-Files (*.FLT) (*.[fF][lL][tT])"));
    EXPECT_EQ(nameFilterOf("Airport Sets|*.dat;*.txt"),
              QStringLiteral("Airport Sets (*.[dD][aA][tT] *.[tT][xX][tT])"));
    EXPECT_TRUE(nameFilterOf("no bar").isEmpty());
}

TEST(QtUiPortDialogs, MessageBoxShowsTextButtonsAndTitle) {
    QtUiPort port;
    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("CREATE AIRPORT DATA FILE"));
        EXPECT_EQ(box->text(), QStringLiteral("Could not find this Airport in FS -  Create New :\n\nClear actual Data ?"));
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        ASSERT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(port.messageBox("Could not find this Airport in FS -  Create New :   \r\n\r\nClear "
                              "actual Data ?   ",
                              vell::MsgButtons::YesNoCancel, vell::MsgIcon::Question,
                              "CREATE AIRPORT DATA FILE"),
              vell::MsgAnswer::No);

    // No title: the application's title; Esc answers the escape button.
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("FS200x_Vellmaster"));
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(port.messageBox("Sure?", vell::MsgButtons::OKCancel, vell::MsgIcon::Exclamation, ""),
              vell::MsgAnswer::Cancel);
}

TEST(QtUiPortDialogs, OpenDialogStartsInTheFolderAndReturnsTheChoice) {
    DemoCopy demo;
    QtUiPort port;
    whenModal([&demo](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Open FS200X Flight File .."));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(),
                  QDir(QString::fromStdString(demo.user.string())).canonicalPath());
        // The description as the program wrote it; the patterns behind it
        // take any letter case.
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("FS Flight-Files (*.FLT)"));
        dialog->selectFile(QString::fromStdString(demo.flight.string()));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto choice = port.openFile({"Open FS200X Flight File ..",
                                       "FS Flight-Files (*.FLT)|*.FLT", demo.user.string(), ""});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->name, "Frankfurt to Heathrow.FLT");
    EXPECT_EQ(std::filesystem::canonical(choice->path), std::filesystem::canonical(demo.flight));

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_FALSE(port.openFile({"Open Flightplan File ..", "Flightplan-Files (*.PLN)|*.PLN",
                                demo.user.string(), ""})
                     .has_value());
}

TEST(QtUiPortDialogs, SaveDialogAddsTheFiltersExtension) {
    DemoCopy demo;
    QtUiPort port;
    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Airport Set File .."));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        dialog->selectFile(QStringLiteral("channel hops"));
        static_cast<QDialog*>(dialog)->accept();
    });
    const auto chosen = port.saveFile({"Save Airport Set File ..", "FS Flight-Files (*.dat)|*.dat",
                                       demo.program.string(), ""});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(std::filesystem::path(*chosen).filename(), "channel hops.dat");
    EXPECT_EQ(std::filesystem::canonical(std::filesystem::path(*chosen).parent_path()),
              std::filesystem::canonical(demo.program));
}

TEST(QtUiPortDialogs, InputBoxReturnsTheTextOrNothingWhenCancelled) {
    QtUiPort port;
    whenModal([](QWidget* modal) {
        auto* input = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("CREATE FOLDER"));
        EXPECT_EQ(input->labelText(), QStringLiteral("Input Name of new foder:"));
        input->setTextValue(QString::fromUtf8("Zürich Hops"));
        input->accept();
    });
    EXPECT_EQ(port.inputBox("Input Name of new foder:", "CREATE FOLDER", ""), "Z\xfcrich Hops");

    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(port.inputBox("Input Name of new foder:", "CREATE FOLDER", "x"), "");
}

TEST(QtUiPortDialogs, DescriptionDialogClosesWhenTheModelHidesIt) {
    QtUiPort port;
    vell::Frm_TEXTED texted;
    texted.Activate = [&texted] { texted.Text1.setText("My title"); };
    texted.Text1.KeyPress = [](int& key) {
        if (key == 13) key = 32;
    };
    int saved = 0;
    texted.Command1.Click = [&] {
        ++saved;
        texted.hide();
    };
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("Frm_TEXTED"));
        auto* title = modal->findChild<QLineEdit*>(QStringLiteral("Text1"));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), QStringLiteral("My title"));
        title->setFocus();
        title->end(false);
        QTest::keyClick(title, Qt::Key_Return);  // turned into a blank
        QTest::keyClicks(title, QStringLiteral("2"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    });
    texted.showModal(port);
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(texted.shown());
    EXPECT_EQ(texted.Text1.text(), "My title 2");

    // Esc closes it without the O K button.
    whenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    texted.showModal(port);
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(texted.shown());
}

}  // namespace vellgui::test
