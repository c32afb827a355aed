// The scripted dialogs: answers taken in order and of the right kind, the
// message box with OK alone, and the record of every request.
#include "scripted_ui_port.h"

#include <gtest/gtest.h>

namespace vell::scenario {
namespace {

Answer answer(DialogKind kind, std::string text = {}, bool cancel = false, int line = 1) {
    Answer a;
    a.kind = kind;
    a.text = std::move(text);
    a.cancel = cancel;
    a.line = line;
    return a;
}

Answer button(MsgAnswer b, int line = 1) {
    Answer a;
    a.kind = DialogKind::MsgBox;
    a.button = b;
    a.line = line;
    return a;
}

TEST(ScriptedUiPort, AnswersAreTakenInOrderAndRecordWhatWasAsked) {
    ScriptedUiPort ui;
    ui.queue(answer(DialogKind::Open, "/fs9/flights/myflts/EDDF.FLT"));
    ui.queue(answer(DialogKind::Save, "/fs9/out.pln"));
    ui.queue(answer(DialogKind::Input, "Summer"));
    ui.queue(button(MsgAnswer::No));

    auto chosen = ui.openFile({"Open Flight", "FS Flight-Files (*.FLT)|*.FLT", "/fs9", "x.FLT"});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, "/fs9/flights/myflts/EDDF.FLT");
    EXPECT_EQ(chosen->name, "EDDF.FLT");
    EXPECT_EQ(ui.saveFile({"Save", "Plans|*.PLN", "/fs9", ""}),
              std::optional<std::string>("/fs9/out.pln"));
    EXPECT_EQ(ui.inputBox("Name:", "CREATE FOLDER", "def"), "Summer");
    EXPECT_EQ(ui.messageBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, "T"), MsgAnswer::No);
    ui.doEvents();
    ui.openHelp("/prog/help.chm");

    EXPECT_TRUE(ui.pending().empty());
    ASSERT_EQ(ui.dialogs().size(), 4u);
    const DialogRecord* open = ui.last(DialogKind::Open);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->title, "Open Flight");
    EXPECT_EQ(open->filter, "FS Flight-Files (*.FLT)|*.FLT");
    EXPECT_EQ(open->folder, "/fs9");
    EXPECT_EQ(open->fileName, "x.FLT");
    const DialogRecord* input = ui.last(DialogKind::Input);
    EXPECT_EQ(input->prompt, "Name:");
    EXPECT_EQ(input->defaultText, "def");
    const DialogRecord* box = ui.last(DialogKind::MsgBox);
    EXPECT_EQ(box->buttons, MsgButtons::YesNo);
    EXPECT_EQ(box->icon, MsgIcon::Question);
    EXPECT_EQ(ui.last(DialogKind::Modal), nullptr);
    EXPECT_EQ(ui.doEventsCount(), 1);
    EXPECT_EQ(ui.helpOpened(), std::vector<std::string>{"/prog/help.chm"});
}

TEST(ScriptedUiPort, CancelAnswers) {
    ScriptedUiPort ui;
    ui.queue(answer(DialogKind::Open, {}, true));
    ui.queue(answer(DialogKind::Save, {}, true));
    ui.queue(answer(DialogKind::Input, {}, true));
    EXPECT_FALSE(ui.openFile({}));
    EXPECT_FALSE(ui.saveFile({}));
    EXPECT_EQ(ui.inputBox("p", "t", "default"), "");
}

TEST(ScriptedUiPort, ADialogWithoutItsAnswerFailsTheScenario) {
    ScriptedUiPort ui;
    EXPECT_THROW(ui.openFile({"Open", "", "", ""}), ScenarioFailure);
    EXPECT_THROW(ui.messageBox("?", MsgButtons::YesNo, MsgIcon::Question, "T"), ScenarioFailure);

    // The next answer is of another kind.
    ui.queue(answer(DialogKind::Input, "x", false, 12));
    try {
        ui.saveFile({"Save plan", "", "", ""});
        FAIL() << "a save dialog took an input answer";
    } catch (const ScenarioFailure& e) {
        EXPECT_NE(std::string(e.what()).find("answer input \"x\" (line 12)"), std::string::npos)
            << e.what();
    }
    // Both were recorded as shown.
    EXPECT_EQ(ui.dialogs().size(), 3u);
}

TEST(ScriptedUiPort, AButtonTheBoxDoesNotOfferFails) {
    ScriptedUiPort ui;
    ui.queue(button(MsgAnswer::OK));
    EXPECT_THROW(ui.messageBox("?", MsgButtons::YesNo, MsgIcon::Question, "T"), ScenarioFailure);
    ui.queue(button(MsgAnswer::Cancel));
    EXPECT_EQ(ui.messageBox("?", MsgButtons::YesNoCancel, MsgIcon::Question, "T"),
              MsgAnswer::Cancel);
    ui.queue(button(MsgAnswer::Yes));
    EXPECT_THROW(ui.messageBox("?", MsgButtons::OKCancel, MsgIcon::None, "T"), ScenarioFailure);
}

TEST(ScriptedUiPort, AMessageWithOkAloneIsAnsweredOkAndLeavesOtherAnswersWaiting) {
    ScriptedUiPort ui;
    EXPECT_EQ(ui.messageBox("Done", MsgButtons::OK, MsgIcon::Information, "T"), MsgAnswer::OK);

    ui.queue(button(MsgAnswer::Yes));
    EXPECT_EQ(ui.messageBox("Note", MsgButtons::OK, MsgIcon::Exclamation, "T"), MsgAnswer::OK);
    ASSERT_EQ(ui.pending().size(), 1u);
    EXPECT_EQ(ui.messageBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, "T"), MsgAnswer::Yes);

    // An OK queued for it is taken.
    ui.queue(button(MsgAnswer::OK));
    ui.messageBox("Note", MsgButtons::OK, MsgIcon::None, "T");
    EXPECT_TRUE(ui.pending().empty());
    EXPECT_EQ(ui.dialogs().size(), 4u);
}

TEST(ScriptedUiPort, WordsOfTheScenarioFormat) {
    EXPECT_EQ(parseAnswer("yes"), MsgAnswer::Yes);
    EXPECT_EQ(parseAnswer("Cancel"), MsgAnswer::Cancel);
    EXPECT_FALSE(parseAnswer("Maybe"));
    EXPECT_EQ(parseButtons("YesNoCancel"), MsgButtons::YesNoCancel);
    EXPECT_FALSE(parseButtons("yesno"));
    EXPECT_EQ(parseIcon("critical"), MsgIcon::Critical);
    EXPECT_STREQ(iconWord(MsgIcon::None), "none");
}

}  // namespace
}  // namespace vell::scenario
