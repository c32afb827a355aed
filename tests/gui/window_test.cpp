// The real window: what the model holds, the widgets show (one widget per
// seen field, in its frame's widget; menus, texts, states, lists, the frame in
// front, the keyboard input, the busy pointer); and what a person does at
// the widgets reaches the model.
#include "gui_fixture.h"
#include "qt_text.h"
#include "texted_dialog.h"
#include "window/airport_codes.h"
#include "window/form_layout.h"

namespace vellgui::test {

// Working lists and the dialog component stay out of sight; the menus are
// the model's, in its order.
TEST_F(WindowTest, EverySeenFieldHasOneWidgetInItsFramesWidgetAndTheMenusAreTheModels) {
    vell::Frm_TEXTED texted;
    TextedDialog dialog(texted, nullptr);
    for (const Binder* binder : {&window->binder(), &dialog.binder()})
        EXPECT_EQ(binder->missing().join(u',') + binder->ambiguous().join(u','), QString());
    for (vell::Field* field : model->fields()) {
        const auto found = window->findChildren<QObject*>(QString::fromStdString(field->name()));
        EXPECT_EQ(found.size(), Binder::hasWidget(*field) ? 1 : 0) << field->name();
        QWidget* enclosing = found.size() == 1 ? qobject_cast<QWidget*>(found[0]) : nullptr;
        if (!enclosing || !Binder::hasWidget(*field)) continue;
        do enclosing = enclosing->parentWidget();  // the nearest that shows a frame
        while (enclosing && !model->find(enclosing->objectName().toStdString()));
        if (enclosing == window.get()) enclosing = nullptr;
        EXPECT_EQ(enclosing, window->binder().widgetOf(field->container())) << field->name();
    }
    // The keyboard walks the fields in the order of the window's table, a
    // frame's inner box right after the frame.
    using vell::form::Box, vell::form::Region;
    QStringList table, walked;
    std::function<void(const Box&)> walk = [&](const Box& box) {
        for (const vell::form::Grid& grid : box.grids) {
            for (const vell::form::Cell& cell : grid.cells) {
                table << QString::fromUtf8(cell.field.data(), std::ssize(cell.field));
                for (const Box& inside : vell::form::mainWindowBoxes())
                    if (inside.region == Region::Inside && inside.frame == cell.field) walk(inside);
            }
        }
    };
    for (const Box& box : vell::form::mainWindowBoxes())
        if (box.region != Region::Inside) walk(box);
    for (QWidget* w = window->nextInFocusChain(); w != window.get(); w = w->nextInFocusChain())
        if (table.contains(w->objectName())) walked << w->objectName();
    EXPECT_EQ(walked.join(u' '), table.join(u' '));
    QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), std::ssize(model->menuBar()));
    EXPECT_EQ(bar[0]->text(), QStringLiteral("FILE") + QString(13, u' '));  // blanks kept
    for (const vell::MenuItem* top : model->menuBar()) {
        QMenu* menu = bar.takeFirst()->menu();
        EXPECT_EQ(menu->objectName() + u'=' + menu->title(),
                  toQt(top->name() + '=' + top->caption()));
        QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), std::ssize(top->children()));
        for (const vell::MenuItem* item : top->children()) {
            const QAction* action = items.takeFirst();
            EXPECT_EQ(action->isSeparator(), item->separator()) << item->name();
            EXPECT_EQ(action->objectName() + u'=' + action->text(),
                      toQt(item->name() + '=' + (item->separator() ? "" : item->caption())));
        }
    }
}

TEST_F(WindowTest, WidgetsFollowTheModelsTextsStatesListsFrontFocusBusyAndClose) {
    model->Txt_Title.setText("Z\xfcrich \x96 Gen\xe8ve");
    model->Txt_APT_DAT.setText("27R *D\r\nline two\r\n");
    model->Lbl_LegICAO.setCaption("EDDF - EGLL");
    model->Frame1.setCaption("Flights \xbb");
    EXPECT_EQ(text("Txt_Title"), QString::fromUtf8("Zürich – Genève"));
    EXPECT_EQ(text("Txt_APT_DAT"), QStringLiteral("27R *D\nline two\n"));
    EXPECT_EQ(text("Lbl_LegICAO") + text("Frame1"), QString::fromUtf8("EDDF - EGLLFlights »"));
    EXPECT_TRUE(widget<QLineEdit>("Txt_DEP")->isReadOnly());  // a display field
    EXPECT_FALSE(widget<QLineEdit>("Txt_Title")->isReadOnly());
    model->Chk_WX.Click = nullptr;
    for (auto& option : model->Opt_Vell) option.Click = nullptr, option.setEnabled(true);
    for (bool on : {true, false}) {  // enabled, visible, check marks, menu items, options
        model->Cmd_PROC_COPY.setEnabled(on);
        model->Lbl_LegICAO.setVisible(on);
        model->Chk_WX.setValue(on);
        model->mnu_fs9.setChecked(on);
        model->mnu_datalist.setEnabled(on);
        model->Opt_Vell[on].setValue(true);
        EXPECT_EQ(
            (std::vector<bool>{
                widget("Cmd_PROC_COPY")->isEnabled(), !widget("Lbl_LegICAO")->isHidden(),
                widget<QCheckBox>("Chk_WX")->isChecked(), widget<QAction>("mnu_fs9")->isChecked(),
                widget<QAction>("mnu_datalist")->isEnabled(),
                widget<QRadioButton>("Opt_Vell(1)")->isChecked(),
                !widget<QRadioButton>("Opt_Vell(0)")->isChecked()}),
            std::vector<bool>(7, on));
    }
    model->Lst_Stored.Click = model->Cbo_Pos.Click = model->Cbo_Pos.Change = nullptr;
    model->Lst_Stored.clear(), model->Cbo_Pos.clear();
    for (const char* entry : {"EGLL", "EDDF"})
        model->Lst_Stored.addItem(entry), model->Cbo_Pos.addItem(entry);
    model->Lst_Stored.setListIndex(1), model->Cbo_Pos.select(1);
    EXPECT_EQ(widget<QListWidget>("Lst_Stored")->item(0)->text().trimmed(), QStringLiteral("EDDF"));
    EXPECT_EQ(widget<QListWidget>("Lst_Stored")->currentRow(), 1);
    EXPECT_EQ(widget<QComboBox>("Cbo_Pos")->currentText(), toQt(model->Cbo_Pos.text()));
    for (const char* name : {"Txt_CarICAO", "Txt_Flt_Nr"}) {
        model->setFocus(model->find(name));
        EXPECT_EQ(QApplication::focusWidget(), widget(name));
    }
    model->setBusy(true);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    model->setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    model->bringToFront(model->Frame_FS_APT);
    model->bringToFront(model->Frame_PLN_IMP);
    QStringList front;
    for (QStackedWidget* place : window->places()) front << place->currentWidget()->objectName();
    EXPECT_EQ(front.join(u' '), QStringLiteral("Frame_PLN_IMP Frame_FS_APT"));
    EXPECT_FALSE(widget("Txt_Title")->isVisible());  // Frame_Mode is behind
    model->close();                                  // "All Done!"
    QTRY_VERIFY(!window->isVisible());
}

// A list follows its field entry by entry and shows the field's entries whole after every kind
// of change: a long fill in no order, removals around the selection, a clear; the combo box too.
TEST_F(WindowTest, ListsFollowTheirFieldsEntryByEntryAndEndWhole) {
    vell::ListBox& stored = model->Lst_Stored;
    auto* box = widget<QListWidget>("Lst_Stored");
    const auto shown = [box] {
        std::vector<std::string> entries;
        for (int i = 0; i < box->count(); ++i) entries.push_back(fromQt(box->item(i)->text()));
        return entries;
    };
    stored.Click = nullptr;
    stored.clear();
    for (const std::string& code : vell::testing::unsortedAirportCodes(2000)) stored.addItem(code);
    stored.setListIndex(700);
    for (int row : {0, 1998, 350, 699, 1200}) stored.removeItem(row);
    stored.addItem("AAAA");
    EXPECT_EQ(shown(), stored.items());
    EXPECT_EQ(box->currentRow(), stored.listIndex());
    stored.clear();
    EXPECT_EQ(box->count(), 0);

    vell::ComboBox& positions = model->Cbo_Pos;
    positions.Click = positions.Change = nullptr;
    positions.clear();
    for (const char* position : {"PARKING", "Act. Departure RWY", "RWY 25C"})
        positions.addItem(position);
    positions.select(2);
    EXPECT_EQ(widget<QComboBox>("Cbo_Pos")->count(), positions.count());
    EXPECT_EQ(widget<QComboBox>("Cbo_Pos")->currentText(), QStringLiteral("RWY 25C"));
    positions.clear();
    EXPECT_EQ(widget<QComboBox>("Cbo_Pos")->count(), 0);
}

TEST_F(WindowTest, TypingAndKeysReachTheModelThroughTheKeyPreview) {
    std::vector<std::string> seen;
    model->Txt_CarICAO.Change = [&] { seen.push_back(model->Txt_CarICAO.text()); };
    type("Txt_CarICAO", QStringLiteral("L"));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("ü"));  // no key name
    QApplication::sendEvent(widget("Txt_CarICAO"), &press);
    EXPECT_EQ(seen, (std::vector<std::string>{"L", "L\xfc"}));  // Windows-1252
    EXPECT_EQ(model->focus(), &model->Txt_CarICAO);
    // The window drops Enter; the field turns 'a' into 'A'.
    model->KeyPress = [](int& key) { key = key == 13 ? 0 : key; };
    model->Txt_Title.Change = model->Txt_APT_DAT.Change = nullptr;
    model->Txt_Title.KeyPress = [](int& key) { key = key == 'a' ? 'A' : key; };
    type("Txt_Title", QStringLiteral("bab"));
    EXPECT_EQ(model->Txt_Title.text() + text("Txt_Title").toStdString(), "bAbbAb");
    model->bringToFront(model->Frame_FS_APT);
    type("Txt_APT_DAT", QStringLiteral("a"));
    QTest::keyClick(widget("Txt_APT_DAT"), Qt::Key_Return);
    model->KeyPress = nullptr;  // Enter passes: a new line, CR LF
    QTest::keyClick(widget("Txt_APT_DAT"), Qt::Key_Return);
    type("Txt_APT_DAT", QStringLiteral("c"));
    EXPECT_EQ(model->Txt_APT_DAT.text(), "a\r\nc");
    // A handler changing the text while typing (upper case) is shown.
    model->Txt_APT_ICAO.Change = [this] {
        model->Txt_APT_ICAO.setText(text("Txt_APT_ICAO").toUpper().toStdString());
    };
    type("Txt_APT_ICAO", QStringLiteral("egl"));
    EXPECT_EQ(text("Txt_APT_ICAO"), QStringLiteral("EGL"));
    EXPECT_EQ(widget<QLineEdit>("Txt_APT_ICAO")->cursorPosition(), 3);
    // F1 asks for the help in force wherever the keyboard input is; F10, a menu.
    widget<QAction>("mnu_help_d")->trigger();
    widget("Txt_Title")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(ui.helps.size(), 2u);
    EXPECT_TRUE(ui.helps[0].ends_with(vell::SEP + "vellmaster-help-de.html") &&
                ui.helps[1] == ui.helps[0]);
    widget<QAction>("mnu_help")->trigger();
    EXPECT_TRUE(ui.helps.back().ends_with("vellmaster-help-en.html")) << ui.helps.back();
    QTest::keyClick(window.get(), Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnu_file"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);  // on to the next menu
    EXPECT_EQ(window->menuBar()->activeAction()->menu()->objectName(), QStringLiteral("mnu_PREF"));
}

// Alt+K belongs to the KIV mode and to "Keep sourcel files": Qt moves the keyboard input
// from one to the other and clicks neither. With one of them disabled the key presses the other.
TEST_F(WindowTest, ASharedAccessKeyMovesBetweenItsFieldsAndClicksNone) {
    model->Opt_Vell[1].setEnabled(true);
    const int keep = model->Chk_KeepPlan.value();
    QSet<QWidget*> reached;
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(window.get(), Qt::Key_K, Qt::AltModifier);
        reached.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (QSet<QWidget*>{widget("Opt_Vell(1)"), widget("Chk_KeepPlan")}));
    EXPECT_EQ(model->Chk_KeepPlan.value(), keep);
    EXPECT_FALSE(model->Opt_Vell[1].value());
    model->Opt_Vell[1].setEnabled(false);  // the key alone: the box is pressed, to be clicked
    QTest::keyClick(window.get(), Qt::Key_K, Qt::AltModifier);
    EXPECT_TRUE(widget<QAbstractButton>("Chk_KeepPlan")->isDown());
}

TEST_F(WindowTest, ClicksSelectionsAndMenusReachTheModelWhichKeepsTheLastWord) {
    int calls = 0;
    model->Chk_WX.Click = [&calls] { ++calls; };
    click("Chk_WX");
    EXPECT_EQ(model->Chk_WX.value() + calls, 2);
    model->Chk_WX.Click = [this] { model->Chk_WX.setValue(1); };  // refuses the change
    click("Chk_WX");
    EXPECT_TRUE(widget<QCheckBox>("Chk_WX")->isChecked());
    for (auto& option : model->Opt_Vell) option.Click = nullptr, option.setEnabled(true);
    model->Opt_Vell[0].setValue(true);
    click("Opt_Vell(1)");
    click("Opt_Vell(1)");  // a set option stays set
    EXPECT_TRUE(model->Opt_Vell[1].value() && !model->Opt_Vell[0].value());
    EXPECT_TRUE(widget<QRadioButton>("Opt_Vell(1)")->isChecked());
    // A disabled button takes no click.
    model->Cmd_PROC_COPY.Click = model->Cmd_APT_Clear.Click = [&calls] { ++calls; };
    model->mnu_about.Click = model->Cbo_Pos.Click = model->Unload = [&calls] { ++calls; };
    model->Cbo_Pos.Change = model->Lst_pln_pat.Click = model->Lst_pln_pat.LostFocus = nullptr;
    model->Cbo_Pos.clear();
    for (const char* position : {"Act. Departure RWY", "PARKING"}) model->Cbo_Pos.addItem(position);
    model->Cbo_Pos.select(0);
    for (const char* pattern : {"*.pln", "*_E.pln", "ROUTE"}) model->Lst_pln_pat.addItem(pattern);
    calls = 0;
    model->Cmd_PROC_COPY.setEnabled(false);
    click("Cmd_PROC_COPY");
    model->bringToFront(model->Frame_FS_APT);
    click("Cmd_APT_Clear");
    widget<QAction>("mnu_about")->trigger();
    EXPECT_EQ(calls, 2);
    auto* patterns = widget<QListWidget>("Lst_pln_pat");
    QTest::mouseClick(patterns->viewport(), Qt::LeftButton, {},
                      patterns->visualItemRect(patterns->item(patterns->count() - 1)).center());
    EXPECT_EQ(model->Lst_pln_pat.listIndex(), patterns->count() - 1);
    model->bringToFront(model->Frame_PLN_IMP);
    widget("Cbo_Pos")->setFocus();
    QTest::keyClick(widget("Cbo_Pos"), Qt::Key_Down);
    EXPECT_EQ(model->Cbo_Pos.text(), "PARKING");
    EXPECT_EQ(calls, 3);
    window->close();  // unloads the model once
    EXPECT_EQ(calls, 4);
}

// With VELLMASTER_SCREENSHOT set to a file name, the window is saved there
// as a picture.
TEST_F(WindowTest, TheDemoFlightOpensAndAChosenFolderLetsTheCopyStart) {
    ui.answerOpen(demo.flight);
    click("Cmd_Sel_FSFLT");
    ASSERT_EQ(ui.openRequests.size(), 1u);  // the flight names its plan
    EXPECT_EQ(text("Txt_Sel_FSFLT") + text("Txt_DES") + text("Lbl_FS_Vers"),
              QStringLiteral("Frankfurt to Heathrow.FLTEGLLDetected Flight-Version: FS 2004"));
    // One click chooses a folder, once; the arrow keys choose as they move.
    std::vector<std::string> paths;
    model->Dir1.Change = [&, wired = model->Dir1.Change] {
        wired();
        paths.push_back(model->Dir1.path());
    };
    auto* folders = widget<QTreeWidget>("Dir1");
    for (const char* name : {"Island Hopping", "Demo Tours", "Demo Tours"}) {
        const auto found =
            folders->findItems(QString::fromLatin1(name), Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << name;  // siblings stay shown
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {},
                          folders->visualItemRect(found[0]).center());
        QApplication::processEvents();
    }
    folders->setFocus();
    QTest::keyClick(folders, Qt::Key_Down);
    QApplication::processEvents();
    const std::string flights = demo.fs9 + vell::SEP + "flights" + vell::SEP;
    EXPECT_EQ(paths, (std::vector<std::string>{flights + "Island Hopping", flights + "Demo Tours",
                                               flights + "Island Hopping"}));
    EXPECT_TRUE(widget("Cmd_PROC_COPY")->isEnabled());
    if (const QByteArray shot = qgetenv("VELLMASTER_SCREENSHOT"); !shot.isEmpty()) {
        window->resize(window->size().expandedTo({1040, 0}));  // as on a desktop screen
        QTest::qWait(50);
        EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(shot)));
    }
}

}  // namespace vellgui::test
