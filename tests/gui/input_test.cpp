// What a person does at the widgets reaches the model: typing (through the
// window's key preview), leaving a field, clicks, selections and menus,
// without echo and with the model keeping the last word.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_fixture.h"

namespace vellgui::test {

namespace {

// Types characters that QTest cannot name as keys (letters beyond ASCII).
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class InputTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(InputTest, TypingRunsTheChangeHandlerWithWindows1252Text) {
    std::vector<std::string> seen;
    model->Txt_CarICAO.Change = [this, &seen] { seen.push_back(model->Txt_CarICAO.text()); };
    auto* box = widget<QLineEdit>("Txt_CarICAO");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, QStringLiteral("L"));
    typeText(box, QString::fromUtf8("ü"));
    EXPECT_EQ(seen, (std::vector<std::string>{"L", "L\xfc"}));
    EXPECT_EQ(model->focus(), &model->Txt_CarICAO);

    // Typing in the middle keeps the rest of the text.
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(model->Txt_CarICAO.text(), "xL\xfc");
}

TEST_F(InputTest, KeyPreviewDropsOrReplacesCharacters) {
    // The window drops Enter; the field turns 'a' into 'A'.
    model->KeyPress = [](int& key) {
        if (key == 13) key = 0;
    };
    model->Txt_APT_DAT.Change = nullptr;
    model->Txt_Title.Change = nullptr;
    model->Txt_Title.KeyPress = [](int& key) {
        if (key == 'a') key = 'A';
    };
    auto* title = widget<QLineEdit>("Txt_Title");
    title->setFocus();
    QTest::keyClicks(title, QStringLiteral("bab"));
    EXPECT_EQ(model->Txt_Title.text(), "bAb");
    EXPECT_EQ(title->text(), QStringLiteral("bAb"));

    model->bringToFront(model->Frame_FS_APT);
    auto* notes = widget<QPlainTextEdit>("Txt_APT_DAT");
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("a"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("b"));
    EXPECT_EQ(model->Txt_APT_DAT.text(), "ab");

    // With the preview letting Enter pass, it starts a new line: CR LF.
    model->KeyPress = nullptr;
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("c"));
    EXPECT_EQ(model->Txt_APT_DAT.text(), "ab\r\nc");
}

TEST_F(InputTest, AHandlerChangingTheTextIsShownWhileTyping) {
    // Upper case as the airport code field keeps it.
    model->Txt_APT_ICAO.Change = [this] {
        const std::string text = model->Txt_APT_ICAO.text();
        std::string upper = text;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper != text) model->Txt_APT_ICAO.setText(upper);
    };
    model->bringToFront(model->Frame_FS_APT);
    auto* code = widget<QLineEdit>("Txt_APT_ICAO");
    code->setFocus();
    QTest::keyClicks(code, QStringLiteral("egl"));
    EXPECT_EQ(code->text(), QStringLiteral("EGL"));
    EXPECT_EQ(code->cursorPosition(), 3);
    EXPECT_EQ(model->Txt_APT_ICAO.text(), "EGL");
}

TEST_F(InputTest, LeavingAFieldRaisesItsLostFocus) {
    int left = 0;
    model->Txt_Flt_Nr.LostFocus = [&left] { ++left; };
    QTest::mouseClick(widget<QLineEdit>("Txt_Flt_Nr"), Qt::LeftButton);
    EXPECT_EQ(model->focus(), &model->Txt_Flt_Nr);
    EXPECT_EQ(left, 0);
    QTest::mouseClick(widget<QLineEdit>("Txt_CarICAO"), Qt::LeftButton);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(model->focus(), &model->Txt_CarICAO);
}

TEST_F(InputTest, ClicksReachTheModelWhichKeepsTheLastWord) {
    int clicks = 0;
    model->Chk_WX.Click = [&clicks] { ++clicks; };
    auto* weather = widget<QCheckBox>("Chk_WX");
    QTest::mouseClick(weather, Qt::LeftButton);
    EXPECT_EQ(model->Chk_WX.value(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(weather->isChecked());

    // A handler that refuses the check mark: the widget follows the model.
    model->Chk_WX.Click = [this] { model->Chk_WX.setValue(1); };
    QTest::mouseClick(weather, Qt::LeftButton);
    EXPECT_EQ(model->Chk_WX.value(), 1);
    EXPECT_TRUE(weather->isChecked());

    for (auto& option : model->Opt_Vell) {
        option.Click = nullptr;
        option.setEnabled(true);
    }
    model->Opt_Vell[0].setValue(true);
    auto* kiv = widget<QRadioButton>("Opt_Vell(1)");
    QTest::mouseClick(kiv, Qt::LeftButton);
    EXPECT_TRUE(model->Opt_Vell[1].value());
    EXPECT_FALSE(model->Opt_Vell[0].value());
    QTest::mouseClick(kiv, Qt::LeftButton);  // clicking a set option keeps it set
    EXPECT_TRUE(kiv->isChecked());

    int cleared = 0;
    model->Cmd_APT_Clear.Click = [&cleared] { ++cleared; };
    model->bringToFront(model->Frame_FS_APT);
    QTest::mouseClick(widget<QPushButton>("Cmd_APT_Clear"), Qt::LeftButton);
    EXPECT_EQ(cleared, 1);

    int copies = 0;
    model->Cmd_PROC_COPY.Click = [&copies] { ++copies; };
    model->bringToFront(model->Frame_Mode);
    model->Cmd_PROC_COPY.setEnabled(false);
    QTest::mouseClick(widget<QPushButton>("Cmd_PROC_COPY"), Qt::LeftButton);
    EXPECT_EQ(copies, 0);
}

TEST_F(InputTest, SelectionsAndMenusReachTheModel) {
    model->Lst_pln_pat.Click = nullptr;
    model->Lst_pln_pat.LostFocus = nullptr;
    model->Lst_pln_pat.clear();
    for (const char* pattern : {"*.pln", "*_E.pln", "ROUTE"}) model->Lst_pln_pat.addItem(pattern);
    auto* patterns = widget<QListWidget>("Lst_pln_pat");
    QTest::mouseClick(patterns->viewport(), Qt::LeftButton, {},
                      patterns->visualItemRect(patterns->item(2)).center());
    EXPECT_EQ(model->Lst_pln_pat.listIndex(), 2);

    int positions = 0;
    model->Cbo_Pos.Click = [&positions] { ++positions; };
    model->Cbo_Pos.Change = nullptr;
    model->Cbo_Pos.clear();
    for (const char* position : {"Act. Departure RWY", "PARKING", "GATE"})
        model->Cbo_Pos.addItem(position);
    model->Cbo_Pos.select(0);
    positions = 0;
    model->bringToFront(model->Frame_PLN_IMP);
    auto* combo = widget<QComboBox>("Cbo_Pos");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(model->Cbo_Pos.listIndex(), 1);
    EXPECT_EQ(model->Cbo_Pos.text(), "PARKING");
    EXPECT_EQ(positions, 1);

    int triggered = 0;
    model->mnu_about.Click = [&triggered] { ++triggered; };
    window->findChild<QAction*>(QStringLiteral("mnu_about"))->trigger();
    EXPECT_EQ(triggered, 1);
}

}  // namespace vellgui::test
