// Whole scenarios against a window with a few handlers of the test's own:
// dialogs answered and checked, the modal dialog, focus, disabled fields,
// failures that name their line (in an included file too), and the
// temporary folder.
#include "runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell::scenario {
namespace {

// Leaving Image1 (a field the program never handles) asks a name, then a
// file, then a question, and shows the answers in the window.
void askingHandlers(Frm_Vell13& f) {
    f.Image1.LostFocus = [&f] {
        std::string name = f.ui.inputBox("Input Name of new foder:", "CREATE FOLDER", "");
        if (name.empty()) return;
        auto chosen =
            f.ui.openFile({"Open Flight", "FS Flight-Files (*.FLT)|*.FLT", name, "*.FLT"});
        if (!chosen) return;
        f.Txt_Title.setText(chosen->name);
        MsgAnswer a =
            f.ui.messageBox("Keep it?", MsgButtons::YesNo, MsgIcon::Question, "FS200x_Vellmaster");
        f.Txt_Status.setText(a == MsgAnswer::Yes ? "kept" : "dropped");
        f.ui.messageBox("Done", MsgButtons::OK, MsgIcon::Information, "FS200x_Vellmaster");
    };
}

TEST(ScenarioRunner, DialogsAreAnsweredInOrderAndChecked) {
    const std::string text = R"(start
answer input "Summer"
answer open $ROOT$SEPflights$SEPEDDF.FLT
answer msgbox yes
leave Image1
expect Txt_Title.text "EDDF.FLT"
expect Txt_Status.text "kept"
expect dialogs 4
expect dialog input "Input Name of new foder:" "CREATE FOLDER" ""
expect dialog open "Open Flight" "FS Flight-Files (*.FLT)|*.FLT" "Summer" "*.FLT"
expect dialog msgbox "Done" OK information "FS200x_Vellmaster"
answer input cancel
leave Image1
expect dialogs 5
)";
    Outcome out = runScenario(text, false, askingHandlers);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;
}

TEST(ScenarioRunner, FailuresNameTheLineAndQuoteBothValues) {
    Outcome out = runScenario("\n\n# x\nexpect Txt_Status.text \"Text 1\"\n", false);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 4);
    EXPECT_EQ(out.message, "Txt_Status.text: expected \"Text 1\", actual \"Text1\"");

    out = runScenario("start\nexpect dialog msgbox \"x\" OK none \"t\"\n", false);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 2);
}

TEST(ScenarioRunner, ADialogWithoutAnswerFailsAtTheActionAndUnusedAnswersFail) {
    Outcome out = runScenario("start\nanswer input \"a\"\nleave Image1\n", false, askingHandlers);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 3);
    EXPECT_NE(out.message.find("open-file dialog \"Open Flight\""), std::string::npos)
        << out.message;

    out = runScenario("start\nanswer input cancel\nanswer msgbox No\nleave Image1\n", false,
                      askingHandlers);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 3);
    EXPECT_NE(out.message.find("never used"), std::string::npos) << out.message;
}

TEST(ScenarioRunner, AnErrorInsideTheProgramIsAFailureNotACrash) {
    auto throwing = [](Frm_Vell13& f) {
        f.Cmd_OK2.Click = [] { throw std::runtime_error("list index out of range"); };
    };
    Outcome out = runScenario("start\nclick Cmd_OK2\n", false, throwing);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 2);
    EXPECT_NE(out.message.find("list index out of range"), std::string::npos);
}

void editorHandlers(Frm_Vell13& f) {
    // No desc.txt stands behind the dialog here: it starts empty.
    f.texted.Activate = nullptr;
    f.Image1.LostFocus = [&f] {
        f.texted.showModal(f.ui);
        f.Txt_Status.setText(f.texted.Text1.text());
    };
    f.texted.Text1.KeyPress = [](int& k) {
        if (k == 13) k = 32;
    };
    f.texted.Command1.Click = [&f] { f.texted.hide(); };
    f.Txt_Title.LostFocus = [&f] { f.Lbl_LegICAO.setCaption("title left"); };
}

TEST(ScenarioRunner, AModalBlockRunsWhileTheDialogIsShown) {
    const std::string text = R"(start
type Txt_Title "T"
answer modal <<
  expect focus none
  type Frm_TEXTED.Text1 "My\rtitle"
  expect focus Frm_TEXTED.Text1
  click Txt_Title
  expect Frm_TEXTED.Text1.text "My title"
  click Frm_TEXTED.Command1
end
leave Image1
expect Txt_Status.text "My title"
expect focus Txt_Title
expect Lbl_LegICAO.caption ""
)";
    // Clicking the main window while the dialog is shown is refused.
    Outcome out = runScenario(text, false, editorHandlers);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 7);
    EXPECT_EQ(out.message, "the main window waits while Frm_TEXTED is shown");

    std::string fixed = text;
    fixed.replace(fixed.find("  expect focus none\n"), 20, "");
    fixed.replace(fixed.find("  click Txt_Title\n"), 18, "");
    out = runScenario(fixed, false, editorHandlers);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;
}

TEST(ScenarioRunner, AModalBlockMustCloseTheDialog) {
    Outcome out =
        runScenario("start\nanswer modal <<\nset Frm_TEXTED.Text1 \"x\"\nend\nleave Image1\n",
                    false, editorHandlers);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 2);
    EXPECT_EQ(out.message, "the modal block did not close Frm_TEXTED");
}

TEST(ScenarioRunner, AClickTakesTheKeyboardInputFirst) {
    Outcome out = runScenario(R"(start
type Txt_Title "abc"
click Chk_WX
expect Lbl_LegICAO.caption "title left"
expect focus Chk_WX
)",
                              false, editorHandlers);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;
}

TEST(ScenarioRunner, DisabledFieldsAndTheirContentsIgnoreAPerson) {
    auto wiring = [](Frm_Vell13& f) {
        f.Frame_PLN_IMP.setEnabled(false);
        f.Cmd_KIV.Click = [&f] { f.ui.messageBox("imported", MsgButtons::OK, MsgIcon::None, "T"); };
        f.Txt_CARR.LostFocus = [&f] {
            f.ui.messageBox("left", MsgButtons::OK, MsgIcon::None, "T");
        };
    };
    Outcome out = runScenario(R"(start
click Cmd_KIV
type Txt_CARR "UAL"
leave Txt_CARR
expect Txt_CARR.text ""
expect dialogs 0
set Txt_CARR "DLH"
expect Txt_CARR.text "DLH"
)",
                              false, wiring);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;
}

TEST(ScenarioRunner, UnknownNamesPropertiesAndValuesFail) {
    for (const char* line :
         {"expect Txt_Nothing.text \"\"", "expect Txt_Title.caption \"\"",
          "expect Txt_Title.colour \"\"", "expect Lst_BRF.item(0) \"\"",
          "expect var FS10_PATH \"\"", "expect pointer hourglass", "expect front Txt_Title",
          "set Chk_WX \"yes\"", "select Lst_BRF 0", "answer msgbox Maybe", "frobnicate"}) {
        Outcome out = runScenario(std::string("start\n") + line + "\n", false);
        EXPECT_FALSE(out.passed) << line;
        EXPECT_EQ(out.line, 2) << line;
    }
}

TEST(ScenarioRunner, TheHostsRegistryAndScriptedValuesExcludeEachOther) {
    const std::string value = "registry HKLM \"SOFTWARE\\Sim\" \"EXE Path\" \"$ROOT\"\n";
    for (const std::string& text :
         {"registry host\n" + value, value + "registry host\n",
          std::string("start\nregistry host\n"), std::string("\nregistry host now\n")}) {
        Outcome out = runScenario(text, false);
        EXPECT_FALSE(out.passed) << text;
        EXPECT_EQ(out.line, 2) << text;
    }
    EXPECT_TRUE(runScenario("registry host\nregistry host\nstart\n", false).passed);
}

TEST(ScenarioRunner, TheTemporaryFolderIsRemovedUnlessKept) {
    Outcome out = runScenario("file $ROOT/sub/a.txt <<\nx\nend\nexpect dir $ROOT$SEPsub\n", false);
    ASSERT_TRUE(out.passed) << out.message;
    EXPECT_FALSE(std::filesystem::exists(out.root));

    out = runScenario("mkdir $ROOT/kept\n", true);
    ASSERT_TRUE(out.passed) << out.message;
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(out.root) / "kept"));
    std::filesystem::remove_all(out.root);
}

// The current folder for a test, put back when it ends.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& folder)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() {
        std::error_code ec;
        std::filesystem::current_path(saved_, ec);
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

  private:
    std::filesystem::path saved_;
};

TEST(ScenarioRunner, IncludedLinesRunAndFailuresNameTheirFileAndTheIncludeLine) {
    struct Case {
        const char* scenario;  // main.scn, beside worlds/
        const char* included;  // worlds/w.inc
        bool passes;
        int line;
        bool inIncluded;      // the failing line is one of worlds/w.inc
        const char* message;  // a part of the message
    };
    const Case cases[] = {
        {"include worlds/w.inc\nexpect dir $ROOT$SEPfs9$SEPflights\n", "mkdir $ROOT/fs9/flights\n",
         true, 0, false, ""},
        {"start\ninclude \"worlds$SEPw.inc\"\n", "\nexpect Txt_Status.text \"x\"\n", false, 2, true,
         "Txt_Status.text: expected \"x\""},
        {"start\ninclude worlds/w.inc\n", "answer msgbox OK\n", false, 1, true, "never used"},
        {"start\ninclude worlds/none.inc\n", "", false, 2, false, "does not exist"},
    };
    testing::TempFolder dir;
    for (const Case& c : cases) {
        dir.write("main.scn", c.scenario);
        dir.write("worlds/w.inc", c.included);
        Outcome out = runScenarioFile(dir / "main.scn", false);
        EXPECT_EQ(out.passed, c.passes) << c.scenario << out.message;
        EXPECT_EQ(out.line, c.line) << c.scenario;
        EXPECT_NE(out.message.find(c.message), std::string::npos) << out.message;
        if (c.inIncluded) {
            EXPECT_EQ(out.file, dir / "worlds/w.inc");
            EXPECT_EQ(out.includedFrom, "included from " + (dir / "main.scn") + ":2");
        } else {
            EXPECT_EQ(out.file, "");
            EXPECT_EQ(out.includedFrom, "");
        }
    }

    // A scenario given as a text includes relative to the current folder.
    InFolder here(dir.host(""));
    dir.write("w.inc", "expect Txt_Status.text \"x\"\n");
    Outcome out = runScenario("start\ninclude w.inc\n", false);
    EXPECT_EQ(out.line, 1);
    EXPECT_EQ(std::filesystem::path(out.file), std::filesystem::path("w.inc"));
    EXPECT_EQ(out.includedFrom, "included from line 2");

    // An include line inside a modal block is a line of the block, which
    // holds actions, answers and expectations alone.
    out = runScenario("start\nanswer modal <<\ninclude w.inc\nend\nleave Image1\n", false,
                      editorHandlers);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 3);
    EXPECT_EQ(out.file, "");
    EXPECT_NE(out.message.find("include"), std::string::npos) << out.message;
}

}  // namespace
}  // namespace vell::scenario
