// Finding the plan of an opened flight: a name relative to the start folder,
// a full path, or the user's choice; a cancel and an unreadable plan.
#include "simfiles/plan_reader.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempDir;

class PlanReader : public ::testing::Test {
  protected:
    PlanReader() {
        folder = tmp / "F";
        tmp.write("F/plan.PLN", {"[flightplan]", "AppVersion=9.1"});
        tmp.write("F/sub/other.PLN", {"[flightplan]"});
        f.Txt_Sel_FSPath.setText(folder);
        f.Txt_Sel_FSFLT.setText("Hop.FLT");
    }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::string folder;
};

TEST_F(PlanReader, NameHoldingTheFolderIsMadeRelativeToIt) {
    std::string planName = folder + SEP + "plan.PLN";
    GET_PLN(f, folder, planName);
    EXPECT_EQ(f.PLANFILE, folder + SEP + "plan.PLN");
    EXPECT_EQ(planName, "plan.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "plan.PLN");
    EXPECT_EQ(f.FLTFILE, folder + SEP + "Hop.FLT");
    EXPECT_EQ(f.Lbl_PLN_Vers.caption(), "Detected PLN Version: FS 2004");
    EXPECT_TRUE(ui.openRequests.empty());
}

TEST_F(PlanReader, RelativeNameLiesInTheStartFolder) {
    std::string planName = std::string("sub") + SEP + "other.PLN";
    GET_PLN(f, folder, planName);
    EXPECT_EQ(f.PLANFILE, folder + SEP + "sub" + SEP + "other.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), planName);
    EXPECT_EQ(f.Lbl_PLN_Vers.caption(), "Detected PLN Version: not avlailable");
}

TEST_F(PlanReader, WithoutANameTheUserChoosesThePlan) {
    ui.answerOpen(folder + SEP + "sub" + SEP + "other.PLN");
    std::string planName;
    GET_PLN(f, folder, planName);
    ASSERT_EQ(ui.openRequests.size(), 1u);
    EXPECT_EQ(ui.openRequests[0].title, "Open Flightplan File ..");
    EXPECT_EQ(ui.openRequests[0].filter, "Flightplan-Files (*.PLN)|*.PLN");
    EXPECT_EQ(ui.openRequests[0].folder, folder);
    EXPECT_EQ(ui.openRequests[0].fileName, "");
    EXPECT_EQ(f.PLANFILE, folder + SEP + "sub" + SEP + "other.PLN");
    EXPECT_EQ(planName, "other.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "other.PLN");
}

TEST_F(PlanReader, CancelledDialogChangesNothing) {
    f.PLANFILE = "earlier.PLN";
    f.Txt_Sel_Flightplan.setText("earlier.PLN");
    f.CMDialog1.fileName = folder + SEP + "Hop.FLT";
    ui.answerCancel();
    std::string planName;
    GET_PLN(f, folder, planName);
    EXPECT_EQ(f.PLANFILE, "earlier.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "earlier.PLN");
    EXPECT_EQ(planName, "");
    // The open-flight command sees the cancel here.
    EXPECT_EQ(f.CMDialog1.fileName, "");
}

TEST_F(PlanReader, PlanThatCannotBeReadIsNamedInTheStatusLine) {
    f.Cmd_PROC_COPY.setEnabled(false);
    f.Txt_DEP.setText("EDDF");
    ui.answerOpen(folder + SEP + "gone.PLN");
    std::string planName;
    GET_PLN(f, folder, planName);
    EXPECT_EQ(f.Txt_Status.text(), "Could not read the flight plan " + folder + SEP + "gone.PLN");
    EXPECT_EQ(f.Txt_Sel_Flightplan.text(), "");
    EXPECT_EQ(f.Lbl_PLN_Vers.caption(), "Detected PLN Version: None");
    EXPECT_EQ(f.Txt_DEP.text(), "EDDF");
    EXPECT_FALSE(f.Cmd_PROC_COPY.enabled());
}

}  // namespace
}  // namespace vell
