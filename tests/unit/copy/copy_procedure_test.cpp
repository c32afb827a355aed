// The copy command: when it runs at all, what it writes and deletes, and how
// it stops when a file step fails, without losing a source file.
#include "copy/copy_procedure.h"

#include <filesystem>

#include "copy/wire.h"
#include "copy_fixture.h"
#include "profile/profile.h"

namespace vell {
namespace {

using testing::crlf;
using testing::kFlightLines;
using testing::kPlanLines;

namespace fs = std::filesystem;

class CopyProcedure : public testing::CopyTest {
  protected:
    CopyProcedure() {
        f.Txt_Status.setText("before");
        f.addObserver([this] {
            if (f.busy()) ++busyShown;
            if (f.busy() && whenBusy) whenBusy();
        });
    }

    bool sourcesIntact() const {
        return tmp.read(inUser("Evening hop.FLT")) == crlf(kFlightLines) &&
               tmp.read(inUser("Evening hop.PLN")) == crlf(kPlanLines) &&
               tmp.read(inUser("Evening hop.WX")) == "weather bytes\r\n";
    }

    // The one message shown: exclamation, OK, the program's title, the file
    // named; the pointer normal again while it shows.
    void expectFailureNaming(const std::string& file) {
        ASSERT_EQ(ui.messages.size(), 1u);
        const auto& m = ui.messages[0];
        EXPECT_NE(m.text.find(file), std::string::npos) << m.text;
        EXPECT_EQ(m.buttons, MsgButtons::OK);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.title, "FS200x_Vellmaster");
        EXPECT_FALSE(m.busy);
        EXPECT_FALSE(f.busy());
        EXPECT_EQ(f.Txt_Status.text(), "before");
    }

    int busyShown = 0;
    std::function<void()> whenBusy;
};

TEST_F(CopyProcedure, FailedPreconditionDoesNothingSilently) {
    const auto nothingHappens = [this](const char* why) {
        Cmd_PROC_COPY_Click(f);
        EXPECT_EQ(tmp.listing(inDest("")), "") << why;
        EXPECT_TRUE(sourcesIntact()) << why;
        EXPECT_EQ(busyShown, 0) << why;
        EXPECT_TRUE(ui.messages.empty()) << why;
        EXPECT_EQ(f.Txt_Status.text(), "before") << why;
    };
    f.Chk_KeepPlan.setValue(0);

    f.Dir1.setPath(tmp / "FS9/flights");
    nothingHappens("the flights folder itself");
    f.Dir1.setPath(tmp / "FS9");
    nothingHappens("no flights folder");
    f.Dir1.setPath(dest);

    f.FS9_PATH.clear();
    nothingHappens("no simulator");
    f.FS8_PATH = tmp / "FS8";

    f.Txt_Sel_Flightplan.setText("Other.PLN");
    nothingHappens("plan not in the flight's folder");
    f.Txt_Sel_Flightplan.setText("Evening hop.PLN");

    f.Txt_Sel_FSFLT.setText("Missing.FLT");
    nothingHappens("flight missing");
    f.Txt_Sel_FSFLT.setText("Evening hop.FLT");

    f.Txt_Title.setText("");
    nothingHappens("no title");
    f.Txt_Title.setText("Evening hop");

    // A folder below a flights folder of any letter case qualifies.
    fs::create_directories(tmp.path() + "/other/FLIGHTS/Europe");
    f.Dir1.setPath(tmp / "other/FLIGHTS/Europe");
    Cmd_PROC_COPY_Click(f);
    EXPECT_TRUE(tmp.has("other/FLIGHTS/Europe/Evening hop.FLT"));
}

TEST_F(CopyProcedure, CopyWritesTheFilesAndReportsTheName) {
    useStandard(3);
    f.Txt_Flt_Nr.setText("123");
    f.Txt_CarICAO.setText("DLH");
    f.Chk_WX.setValue(1);
    f.Chk_Auto_BRF.setValue(1);
    Cmd_PROC_COPY_Click(f);

    EXPECT_EQ(tmp.listing(inDest("")),
              "0123-DLH_EDDF to EGLL.FLT;0123-DLH_EDDF to EGLL.PLN;0123-DLH_EDDF to EGLL.WX;"
              "0123-DLH_EDDF to EGLL.htm;");
    EXPECT_EQ(tmp.read(inDest("0123-DLH_EDDF to EGLL.WX")), "weather bytes\r\n");
    EXPECT_EQ(f.Txt_Status.text(), "0123-DLH_EDDF to EGLL: Selected Files done!");
    EXPECT_EQ(busyShown, 1);
    EXPECT_FALSE(f.busy());
    EXPECT_TRUE(ui.messages.empty());
    // Kept by default.
    EXPECT_TRUE(sourcesIntact());
}

TEST_F(CopyProcedure, SourcesAreDeletedOnlyWhenNotKept) {
    f.Chk_WX.setValue(1);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.listing(inUser("")), "");
    EXPECT_EQ(tmp.listing(inDest("")), "Evening hop.FLT;Evening hop.PLN;Evening hop.WX;");
}

TEST_F(CopyProcedure, WeatherIsLeftWhenItIsNotCopied) {
    f.Chk_WX.setValue(0);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.listing(inUser("")), "Evening hop.WX;");
    EXPECT_FALSE(tmp.has(inDest("Evening hop.WX")));

    // A flight without weather is copied without it, silently.
    tmp.write(inUser("Evening hop.FLT"), crlf(kFlightLines));
    tmp.write(inUser("Evening hop.PLN"), crlf(kPlanLines));
    fs::remove(tmp / inUser("Evening hop.WX"));
    f.Chk_WX.setValue(1);
    Cmd_PROC_COPY_Click(f);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tmp.listing(inUser("")), "");
    EXPECT_EQ(f.Txt_Status.text(), "Evening hop: Selected Files done!");
}

TEST_F(CopyProcedure, ChosenBriefingIsDeletedOnlyWhenItWasUsed) {
    tmp.write(inUser("Evening.BRF"), "briefing\r\n");
    f.Chk_KeepPlan.setValue(0);
    f.Chk_Auto_BRF.setValue(1);
    f.Txt_Sel_BRF.setText(tmp / inUser("Evening.BRF"));
    Cmd_PROC_COPY_Click(f);
    EXPECT_TRUE(tmp.has(inUser("Evening.BRF")));

    tmp.write(inUser("Evening hop.FLT"), crlf(kFlightLines));
    tmp.write(inUser("Evening hop.PLN"), crlf(kPlanLines));
    f.Chk_Auto_BRF.setValue(0);
    f.Opt_FS8.setValue(true);
    Cmd_PROC_COPY_Click(f);
    EXPECT_FALSE(tmp.has(inUser("Evening.BRF")));
    EXPECT_EQ(tmp.read(inDest("Evening hop.brf")), "briefing\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CopyProcedure, SourcesOutsideTheFlightsFolderAreReadButNeverDeleted) {
    // A plan named with ".." and a briefing chosen from another folder.
    tmp.write("elsewhere/Far.PLN", crlf(kPlanLines));
    tmp.write("elsewhere/Far.BRF", "briefing\r\n");
    f.Txt_Sel_Flightplan.setText(std::string("..") + SEP + "elsewhere" + SEP + "Far.PLN");
    f.Txt_Sel_BRF.setText(tmp / "elsewhere/Far.BRF");
    f.Chk_Auto_BRF.setValue(0);
    f.Opt_FS8.setValue(true);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.listing(inDest("")), "Evening hop.FLT;Evening hop.PLN;Evening hop.brf;");
    // The flight beside them went; its own plan was not the one copied.
    EXPECT_EQ(tmp.listing(inUser("")), "Evening hop.PLN;Evening hop.WX;");
    EXPECT_EQ(tmp.read("elsewhere/Far.PLN"), crlf(kPlanLines));
    EXPECT_EQ(tmp.listing("elsewhere"), "Far.BRF;Far.PLN;");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    EXPECT_NE(ui.messages[0].text.find(tmp / "elsewhere/Far.BRF"), std::string::npos);
    EXPECT_EQ(f.Txt_Status.text(), "Evening hop: Selected Files done!");
}

TEST_F(CopyProcedure, ATitleAsLongAsANameMayBeIsCopied) {
    // 250 characters and ".FLT": the longest name a folder entry may have
    // but one; the temporary files beside it are short.
    const std::string title(250, 'H');
    f.Txt_Title.setText(title);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tmp.listing(inDest("")), title + ".FLT;" + title + ".PLN;");
    EXPECT_EQ(GET_INI_ITEM(dest + SEP + title + ".FLT", "Main", "title"), title);
}

TEST_F(CopyProcedure, CopyingTwiceOverwritesTheEarlierCopy) {
    Cmd_PROC_COPY_Click(f);
    f.Txt_Description.setText("Second try");
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(GET_INI_ITEM(dest + SEP + "Evening hop.FLT", "Main", "Description"), "Second try");
    EXPECT_EQ(tmp.listing(inDest("")), "Evening hop.FLT;Evening hop.PLN;");
}

TEST_F(CopyProcedure, CopyOntoItsOwnSourceKeepsEveryFile) {
    // The flight was saved into the destination folder under the very name
    // the standard gives it.
    tmp.write(inDest("Evening hop.FLT"), crlf(kFlightLines));
    tmp.write(inDest("Evening hop.PLN"), crlf(kPlanLines));
    tmp.write(inDest("Evening hop.WX"), "weather bytes\r\n");
    tmp.write(inDest("Evening.BRF"), "briefing\r\n");
    f.Txt_Sel_FSPath.setText(dest);
    f.Chk_WX.setValue(1);
    f.Chk_KeepPlan.setValue(0);
    f.Opt_FS8.setValue(true);
    f.Txt_Sel_BRF.setText(dest + SEP + "Evening.BRF");
    Cmd_PROC_COPY_Click(f);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(tmp.listing(inDest("")),
              "Evening hop.FLT;Evening hop.PLN;Evening hop.WX;Evening hop.brf;");
    EXPECT_EQ(GET_INI_ITEM(dest + SEP + "Evening hop.FLT", "Main", "Title"), "Evening hop");
    EXPECT_EQ(GET_INI_ITEM(dest + SEP + "Evening hop.FLT", "Main", "Description"),
              "Frankfurt to London");
    EXPECT_EQ(tmp.read(inDest("Evening hop.WX")), "weather bytes\r\n");
    EXPECT_EQ(f.Txt_Status.text(), "Evening hop: Selected Files done!");
}

TEST_F(CopyProcedure, ChosenBriefingThatIsTheOutputIsKept) {
    // The briefing chosen is the very file the copy writes its briefing to.
    tmp.write(inDest("Evening hop.brf"), "briefing\r\n");
    f.Chk_KeepPlan.setValue(0);
    f.Opt_FS8.setValue(true);
    f.Txt_Sel_BRF.setText(dest + SEP + "Evening hop.brf");
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.read(inDest("Evening hop.brf")), "briefing\r\n");
    EXPECT_EQ(tmp.listing(inUser("")), "Evening hop.WX;");
}

TEST_F(CopyProcedure, PlanNamedLikeTheCopyStaysWhileTheFlightMoves) {
    tmp.write(inDest("Saved.FLT"), crlf(kFlightLines));
    tmp.write(inDest("Evening hop.PLN"), crlf(kPlanLines));
    f.Txt_Sel_FSPath.setText(dest);
    f.Txt_Sel_FSFLT.setText("Saved.FLT");
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(tmp.listing(inDest("")), "Evening hop.FLT;Evening hop.PLN;");
    EXPECT_EQ(GET_INI_ITEM(dest + SEP + "Evening hop.PLN", "flightplan", "title"), "Evening hop");
}

TEST_F(CopyProcedure, UnwritableFlightCopyStopsBeforeAnythingElse) {
    tmp.write(inDest("Evening hop.FLT"), "older copy\r\n");
    fs::permissions(tmp / inDest("Evening hop.FLT"), fs::perms::owner_read);
    f.Chk_KeepPlan.setValue(0);
    f.Chk_WX.setValue(1);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming(dest + SEP + "Evening hop.FLT");
    EXPECT_EQ(tmp.read(inDest("Evening hop.FLT")), "older copy\r\n");
    EXPECT_EQ(tmp.listing(inDest("")), "Evening hop.FLT;");
    EXPECT_TRUE(sourcesIntact());
}

TEST_F(CopyProcedure, UnwritablePlanCopyTakesTheFlightsCopyBackAndKeepsTheSources) {
    fs::create_directories(tmp / inDest("Evening hop.PLN"));
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming(dest + SEP + "Evening hop.PLN");
    EXPECT_FALSE(tmp.has(inDest("Evening hop.FLT")));
    EXPECT_TRUE(sourcesIntact());
}

TEST_F(CopyProcedure, VanishedSourceIsReported) {
    whenBusy = [this] { fs::remove(tmp / inUser("Evening hop.PLN")); };
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming(source + SEP + "Evening hop.PLN");
    EXPECT_EQ(tmp.read(inUser("Evening hop.FLT")), crlf(kFlightLines));
}

TEST_F(CopyProcedure, FlightNameWithoutUpperCaseExtensionStopsTheWeatherStep) {
    // In two steps: Wine keeps a name that changes only in letter case.
    fs::rename(tmp / inUser("Evening hop.FLT"), tmp / inUser("renamed"));
    fs::rename(tmp / inUser("renamed"), tmp / inUser("Evening hop.flt"));
    f.Txt_Sel_FSFLT.setText("Evening hop.flt");
    f.Chk_WX.setValue(1);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming("Evening hop.flt");
    EXPECT_EQ(tmp.listing(inUser("")), "Evening hop.PLN;Evening hop.WX;Evening hop.flt;");
    EXPECT_FALSE(tmp.has(inDest("Evening hop.WX")));
}

TEST_F(CopyProcedure, UnreadableChosenBriefingKeepsTheSourcesAndLeavesNoCopy) {
    f.Chk_WX.setValue(1);
    f.Chk_KeepPlan.setValue(0);
    f.Txt_Sel_BRF.setText(tmp / "brf/missing.BRF");
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming(tmp / "brf/missing.BRF");
    EXPECT_TRUE(sourcesIntact());
    EXPECT_EQ(tmp.listing(inDest("")), "");
}

TEST_F(CopyProcedure, UnwritableBriefingKeepsTheSources) {
    fs::create_directories(tmp / inDest("Evening hop.htm"));
    f.Chk_Auto_BRF.setValue(1);
    f.Chk_WX.setValue(1);
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming(dest + SEP + "Evening hop.htm");
    EXPECT_TRUE(sourcesIntact());
}

TEST_F(CopyProcedure, NameWithASeparatorIsRefused) {
    f.Txt_Title.setText("EDDF/EGLL");
    f.Chk_KeepPlan.setValue(0);
    Cmd_PROC_COPY_Click(f);
    expectFailureNaming("EDDF/EGLL");
    f.Txt_Title.setText("..\\..\\Evening");
    Cmd_PROC_COPY_Click(f);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(tmp.listing(inDest("")), "");
    EXPECT_TRUE(sourcesIntact());
}

TEST_F(CopyProcedure, ClickOfTheCopyButtonRunsTheCommand) {
    wire_copy(f);
    f.Cmd_PROC_COPY.click();
    EXPECT_TRUE(tmp.has(inDest("Evening hop.FLT")));
}

}  // namespace
}  // namespace vell
