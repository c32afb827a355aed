// What the model holds, the widgets show: texts in Windows-1252, enabled and
// visible states, check marks, lists, the frame in front, the keyboard
// input, the busy pointer and the closing of the window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

QStringList entries(const QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i) all << list->item(i)->text().trimmed();
    return all;
}

}  // namespace

TEST_F(WindowTest, TextsAreShownInUnicode) {
    model->Txt_Title.setText("Z\xfcrich \x96 Gen\xe8ve");
    EXPECT_EQ(widget<QLineEdit>("Txt_Title")->text(), QString::fromUtf8("Zürich – Genève"));

    model->Txt_APT_DAT.setText("27R *D\r\nline two\r\n");
    EXPECT_EQ(widget<QPlainTextEdit>("Txt_APT_DAT")->toPlainText(),
              QStringLiteral("27R *D\nline two\n"));

    model->Lbl_LegICAO.setCaption("EDDF - EGLL");
    EXPECT_EQ(widget<QLabel>("Lbl_LegICAO")->text(), QStringLiteral("EDDF - EGLL"));
    model->Frame1.setCaption("Flights \xbb");
    EXPECT_EQ(widget<QGroupBox>("Frame1")->title(), QString::fromUtf8("Flights »"));
}

TEST_F(WindowTest, EnabledVisibleAndCheckMarksFollowTheModel) {
    auto* copy = widget<QAbstractButton>("Cmd_PROC_COPY");
    model->Cmd_PROC_COPY.setEnabled(true);
    EXPECT_TRUE(copy->isEnabled());
    model->Cmd_PROC_COPY.setEnabled(false);
    EXPECT_FALSE(copy->isEnabled());

    model->Lbl_LegICAO.setVisible(false);
    EXPECT_TRUE(widget<QLabel>("Lbl_LegICAO")->isHidden());
    model->Lbl_LegICAO.setVisible(true);
    EXPECT_FALSE(widget<QLabel>("Lbl_LegICAO")->isHidden());

    model->Chk_WX.Click = nullptr;
    model->Chk_WX.setValue(1);
    EXPECT_TRUE(widget<QCheckBox>("Chk_WX")->isChecked());
    model->Chk_WX.setValue(0);
    EXPECT_FALSE(widget<QCheckBox>("Chk_WX")->isChecked());

    for (auto& option : model->Opt_Vell) {
        option.Click = nullptr;
        option.setEnabled(true);
    }
    model->Opt_Vell[1].setValue(true);
    EXPECT_TRUE(widget<QRadioButton>("Opt_Vell(1)")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Opt_Vell(0)")->isChecked());
    model->Opt_Vell[0].setValue(true);
    EXPECT_TRUE(widget<QRadioButton>("Opt_Vell(0)")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("Opt_Vell(1)")->isChecked());

    auto* fs9 = window->findChild<QAction*>(QStringLiteral("mnu_fs9"));
    model->mnu_fs9.setChecked(true);
    EXPECT_TRUE(fs9->isChecked());
    model->mnu_fs9.setChecked(false);
    EXPECT_FALSE(fs9->isChecked());
    model->mnu_datalist.setEnabled(false);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("mnu_datalist"))->isEnabled());
}

TEST_F(WindowTest, ListsShowTheModelsEntriesAndSelection) {
    model->Lst_Stored.Click = nullptr;
    model->Lst_Stored.clear();
    model->Lst_Stored.addItem("EGLL");
    model->Lst_Stored.addItem("EDDF");
    auto* stored = widget<QListWidget>("Lst_Stored");
    EXPECT_EQ(entries(stored), (QStringList{QStringLiteral("EDDF"), QStringLiteral("EGLL")}));
    model->Lst_Stored.setListIndex(1);
    EXPECT_EQ(stored->currentRow(), 1);
    model->Lst_Stored.clear();
    EXPECT_EQ(stored->count(), 0);

    model->Cbo_Pos.Click = nullptr;
    model->Cbo_Pos.Change = nullptr;
    model->Cbo_Pos.clear();
    model->Cbo_Pos.addItem("PARKING");
    model->Cbo_Pos.addItem("GATE");
    model->Cbo_Pos.select(1);
    auto* combo = widget<QComboBox>("Cbo_Pos");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("GATE"));

    // The folder list: the path from the root down, the sub-folders below.
    model->Dir1.setPath((demo->fs9 / "flights").string());
    auto* folders = widget<QTreeWidget>("Dir1");
    QTreeWidgetItem* current = folders->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), QStringLiteral("flights"));
    EXPECT_EQ(current->parent()->text(0), QStringLiteral("FS9"));
    ASSERT_EQ(current->childCount(), 2);
    EXPECT_EQ(current->child(0)->text(0), QStringLiteral("Demo Tours"));
    EXPECT_EQ(current->child(1)->text(0), QStringLiteral("Island Hopping"));
    QTreeWidgetItem* root = current;
    while (root->parent()) root = root->parent();
    EXPECT_EQ(root->text(0), QStringLiteral("/"));
}

TEST_F(WindowTest, SharedPlacesShowTheFrameInFront) {
    auto current = [this](const char* frame) {
        for (QStackedWidget* place : window->places())
            if (place->property("vellFrames").toStringList().contains(QLatin1String(frame)))
                return place->currentWidget()->objectName();
        return QString();
    };
    EXPECT_EQ(current("Frame_Mode"), QStringLiteral("Frame_Mode"));
    EXPECT_EQ(current("Frame1"), QStringLiteral("Frame1"));
    model->bringToFront(model->Frame_FS_APT);
    EXPECT_EQ(current("Frame_Mode"), QStringLiteral("Frame_FS_APT"));
    model->bringToFront(model->Frame_PLN_IMP);
    EXPECT_EQ(current("Frame1"), QStringLiteral("Frame_PLN_IMP"));
    model->bringToFront(model->Frame_Mode);
    EXPECT_EQ(current("Frame_Mode"), QStringLiteral("Frame_Mode"));
    EXPECT_TRUE(widget<QWidget>("Txt_Title")->isVisible());
    EXPECT_FALSE(widget<QWidget>("Txt_APT_DAT")->isVisible());
}

TEST_F(WindowTest, KeyboardInputBusyPointerAndClosingFollowTheModel) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    model->setFocus(&model->Txt_CarICAO);
    EXPECT_EQ(QApplication::focusWidget(), widget<QWidget>("Txt_CarICAO"));
    model->setFocus(&model->Txt_Flt_Nr);
    EXPECT_EQ(QApplication::focusWidget(), widget<QWidget>("Txt_Flt_Nr"));

    model->setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    model->setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    int unloads = 0;
    model->Unload = [&unloads] { ++unloads; };
    model->close();
    QTRY_VERIFY(!window->isVisible());
    EXPECT_EQ(unloads, 1);
}

TEST_F(WindowTest, ClosingTheWindowUnloadsTheModelOnce) {
    int unloads = 0;
    model->Unload = [&unloads] { ++unloads; };
    window->close();
    EXPECT_TRUE(model->closed());
    EXPECT_EQ(unloads, 1);
}

}  // namespace vellgui::test
