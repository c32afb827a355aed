// Whole scenarios against a window with handlers of the test's own: what
// passes, and what fails at which line with which message, in an included
// file too; env lines that hold for one scenario; the temporary folder.
#include "runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "platform/environment.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell::scenario {
namespace {

namespace fs = std::filesystem;

// Fields the program never handles: leaving Image1 asks a name, a file, a question.
void testHandlers(Frm_Vell13& f) {
    f.Image1.LostFocus = [&f] {
        if (f.ui.inputBox("Name:", "CREATE FOLDER", "").empty()) return;
        auto chosen = f.ui.openFile({"Open Flight", "Flights|*.FLT", "x", "*.FLT"});
        if (!chosen) return;
        MsgAnswer a = f.ui.messageBox("Keep it?", MsgButtons::YesNo, MsgIcon::Question, "T");
        f.Txt_Status.setText(chosen->name + (a == MsgAnswer::Yes ? " kept" : " dropped"));
        f.ui.messageBox("Done", MsgButtons::OK, MsgIcon::Information, "T");
    };
    f.texted.Activate = nullptr;  // the description dialog starts empty
    f.mnu_desc.Click = [&f] { f.texted.showModal(f.ui); };
    f.texted.Command1.Click = [&f] { f.texted.hide(); };
    f.mnu_about.Click = [&f] { f.Txt_Status.setText(*environmentValue("VELL_PROBE")); };
    f.Cmd_OK2.Click = [] { throw std::runtime_error("list index out of range"); };
}

struct Case {
    std::string text;
    int line;             // the failing line; 0: the scenario passes
    std::string message;  // a part of the failure's message
};

TEST(ScenarioRunner, ScenariosPassOrFailAtTheirLineWithTheirMessage) {
    const std::string asked = "start\nanswer input \"a\"\nanswer open $ROOT$SEPb.FLT\n";
    const std::string about = "start\nclick mnu_about\nexpect Txt_Status.text ";
    setEnvironmentValue("VELL_PROBE", "outer");
    const Case cases[] = {
        {asked + "answer msgbox yes\nleave Image1\nexpect Txt_Status.text \"b.FLT kept\"\n"
                 "expect dialogs 4\nexpect dialog input \"Name:\" \"CREATE FOLDER\" \"\"\n"
                 "expect dialog open \"Open Flight\" \"Flights|*.FLT\" \"x\" \"*.FLT\"\n"
                 "expect dialog msgbox \"Done\" OK information \"T\"\n",
         0, ""},
        {"\n\n# x\nexpect Txt_Status.text \"Text 1\"\n", 4,
         "Txt_Status.text: expected \"Text 1\", actual \"Text1\""},
        {"start\nanswer input \"a\"\nleave Image1\n", 3,
         "no answer is queued for an open-file dialog \"Open Flight\""},
        {"start\nanswer input cancel\nanswer msgbox No\nleave Image1\n", 3, "never used"},
        {"start\nanswer open x\nleave Image1\n", 3, "but the next answer is answer open \"x\""},
        // The question takes no OK; an OK-only message leaves a Cancel, takes an OK.
        {asked + "answer msgbox OK\nleave Image1\n", 5, "has no button OK"},
        {asked + "answer msgbox No\nanswer msgbox Cancel\nleave Image1\n", 5, "never used"},
        {asked + "answer msgbox No\nanswer msgbox OK\nleave Image1\n", 0, ""},
        {"start\nclick Cmd_OK2\n", 2, "list index out of range"},
        // While the dialog is shown the main window takes no input; the block
        // must close the dialog, and may not include.
        {"start\nanswer modal <<\nexpect focus none\nclick Txt_Title\nend\nclick mnu_desc\n", 4,
         "the main window waits while Frm_TEXTED is shown"},
        {"start\nanswer modal <<\nset Frm_TEXTED.Text1 \"x\"\nend\nclick mnu_desc\n", 2,
         "the modal block did not close Frm_TEXTED"},
        {"start\nanswer modal <<\ninclude w.inc\nend\nclick mnu_desc\n", 3, "include"},
        // An env line holds for its scenario only: the value before is put back.
        {"env VELL_PROBE \"$ROOT$SEPx\"\n" + about + "\"$ROOT$SEPx\"\n", 0, ""},
        {"env VELL_PROBE \"a\"\nenv VELL_PROBE \"b\"\n" + about + "\"b\"\n", 0, ""},
        {"env VELL_PROBE \"a\"\n" + about + "\"other\"\n", 4, "expected \"other\""},
        {"start\nenv VELL_PROBE \"in\"\n", 2, "env must come before start"},
        {"registry HKLM \"S\" \"V\" \"C:\\FS9\"\nregistry host\n", 2,
         "registry values and registry host exclude each other"},
        {"start\nregistry host\n", 2, "registry must come before start"},
        {"link $ROOT/x \"missing\"\nexpect nodir $ROOT/x\nlink $ROOT/x \"y\"\n", 3,
         "cannot make the link"},
    };
    for (const Case& c : cases) {
        const Outcome out = runScenario(c.text, false, testHandlers);
#ifdef _WIN32
        if (c.text.find("link ") != std::string::npos) {
            EXPECT_TRUE(out.skipped && out.message == "no symbolic links") << out.message;
            continue;
        }
#endif
        EXPECT_EQ(out.passed, c.line == 0) << c.text;
        EXPECT_EQ(out.line, c.line) << c.text << out.message;
        EXPECT_NE(out.message.find(c.message), std::string::npos) << out.message;
        EXPECT_EQ(environmentValue("VELL_PROBE"), "outer") << c.text;
    }
    setEnvironmentValue("VELL_PROBE", std::nullopt);
    for (const char* line :
         {"expect Txt_Nothing.text \"\"", "expect Txt_Title.caption \"\"",
          "expect Txt_Title.colour \"\"", "expect Lst_BRF.item(0) \"\"",
          "expect var FS10_PATH \"\"", "expect pointer hourglass", "expect front Txt_Title",
          "set Chk_WX \"yes\"", "select Lst_BRF 0", "answer msgbox Maybe", "frobnicate"})
        EXPECT_EQ(runScenario(std::string("start\n") + line + "\n", false).line, 2) << line;
}

TEST(ScenarioRunner, IncludedLinesRunAndFailuresNameTheirFileAndTheIncludeLine) {
    const Case cases[] = {  // main.scn, then "|" and worlds/w.inc
        {"include worlds/w.inc\nexpect dir $ROOT$SEPfs9\n|mkdir $ROOT/fs9\n", 0, ""},
        {"start\ninclude \"worlds$SEPw.inc\"\n|\nexpect Txt_Status.text \"x\"\n", 2,
         "Txt_Status.text: expected \"x\""},
        {"start\ninclude worlds/w.inc\n|answer msgbox OK\n", 1, "never used"},
        {"start\ninclude worlds/none.inc\n|", 2, "does not exist"},
    };
    testing::TempFolder dir;
    for (const Case& c : cases) {
        dir.write("main.scn", c.text.substr(0, c.text.find('|')));
        dir.write("worlds/w.inc", c.text.substr(c.text.find('|') + 1));
        const Outcome out = runScenarioFile(dir / "main.scn", false);
        EXPECT_EQ(out.line, c.line) << c.text << out.message;
        EXPECT_NE(out.message.find(c.message), std::string::npos) << out.message;
        const bool inIncluded = c.line > 0 && c.message != "does not exist";
        EXPECT_EQ(out.file, inIncluded ? dir / "worlds/w.inc" : "");
        EXPECT_EQ(out.includedFrom, inIncluded ? "included from " + (dir / "main.scn") + ":2" : "");
    }
}

TEST(ScenarioRunner, TheTemporaryFolderIsRemovedUnlessKept) {
    for (bool keep : {false, true}) {
        const Outcome out = runScenario("file $ROOT/sub/a.txt <<\nx\nend\n", keep);
        EXPECT_TRUE(out.passed && fs::is_regular_file(fs::path(out.root) / "sub/a.txt") == keep);
        fs::remove_all(out.root);
    }
}

}  // namespace
}  // namespace vell::scenario
