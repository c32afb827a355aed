// The window from the keyboard: F1 opens the help, F10 and Alt reach the
// menus, and every access key belongs to one field of the window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <fstream>
#include <iterator>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Every access key shown in the window, with the widgets that carry it.
    QString clashes() const {
        QMap<QString, QString> owners;
        QString found;
        auto note = [&](const QString& text, const QString& who) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty()) return;
            const QString name = key.toString();
            if (owners.contains(name))
                found += name + QStringLiteral(": ") + owners[name] + QStringLiteral(", ") + who +
                         QLatin1Char('\n');
            else
                owners[name] = who;
        };
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            note(b->text(), b->objectName());
        for (QLabel* l : window->findChildren<QLabel*>())
            if (l->buddy()) note(l->text(), l->objectName());
        for (QGroupBox* g : window->findChildren<QGroupBox*>()) note(g->title(), g->objectName());
        for (QAction* a : window->menuBar()->actions()) note(a->text(), a->menu()->objectName());
        return found;
    }
};

TEST_F(KeyboardTest, EachAccessKeyBelongsToOneField) {
    EXPECT_EQ(clashes(), QString());
    // The briefing button's caption follows the source mode.
    ui.answerOpen(demo->flight);
    model->Cmd_Sel_FSFLT.click();
    for (int mode : {0, 1}) {
        model->KIV_PATH = demo->program.string();
        model->Opt_Vell[static_cast<std::size_t>(mode)].setEnabled(true);
        model->Opt_Vell[static_cast<std::size_t>(mode)].click();
        EXPECT_EQ(clashes(), QString()) << "source mode " << mode;
    }
    EXPECT_EQ(widget<QAbstractButton>("Cmd_APT_SAVE")->text(), QStringLiteral("SA&VE DATA"));
    EXPECT_EQ(widget<QAbstractButton>("Chk_KeepPlan")->text(),
              QStringLiteral("Keep sourcel &files"));
}

TEST_F(KeyboardTest, F10OpensTheFirstMenu) {
    QTest::keyClick(window.get(), Qt::Key_F10);
    QMenuBar* bar = window->menuBar();
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction()->menu()->objectName(), QStringLiteral("mnu_file"));
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("mnu_file"));
    // The arrow keys go on to the next menu, Escape leaves.
    QTest::keyClick(popup, Qt::Key_Right);
    EXPECT_EQ(bar->activeAction()->menu()->objectName(), QStringLiteral("mnu_PREF"));
    if (QWidget* open = QApplication::activePopupWidget()) QTest::keyClick(open, Qt::Key_Escape);
}

TEST_F(KeyboardTest, AltAloneReachesTheMenuBar) {
    QMenuBar* bar = window->menuBar();
    ASSERT_TRUE(bar->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, bar));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt);
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction()->menu()->objectName(), QStringLiteral("mnu_file"));
    QTest::keyClick(bar, Qt::Key_Escape);
}

TEST_F(KeyboardTest, HelpOpensFromTheMenuAndFromF1) {
    // The settings name the English help; the program's page stands for it.
    ASSERT_TRUE(endsWith(model->helpFile(), "vellmaster-help-en.html")) << model->helpFile();

    window->findChild<QAction*>(QStringLiteral("mnu_help_d"))->trigger();
    ASSERT_EQ(ui.helps.size(), 1u);
    EXPECT_TRUE(endsWith(ui.helps.back(), "help/vellmaster-help-de.html")) << ui.helps.back();
    EXPECT_NE(fileText(demo->program / "fs_vell.ini").find("helpfile=Vell_help_d.chm\r\n"),
              std::string::npos);

    // F1 wherever the keyboard input is: the help in force.
    widget<QLineEdit>("Txt_Title")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    ASSERT_EQ(ui.helps.size(), 2u);
    EXPECT_EQ(ui.helps.back(), ui.helps.front());

    window->findChild<QAction*>(QStringLiteral("mnu_help"))->trigger();
    ASSERT_EQ(ui.helps.size(), 3u);
    EXPECT_TRUE(endsWith(ui.helps.back(), "help/vellmaster-help-en.html")) << ui.helps.back();
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace vellgui::test
