// A move-copy on a failing disk: the flight, its plan, its weather and a
// generated briefing, with radio presets patched in, run with each kind of
// step failing at every point in turn. After each run either the copy is
// complete, patched and the sources are gone, or every source is as it was,
// the user was told, and neither a copy nor a temporary file stays.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "copy/copy_procedure.h"
#include "copy_fixture.h"
#include "platform/fault_loop.h"

namespace vell {
namespace {

using testing::crlf;
using testing::FaultKind;
using testing::kFlightLines;
using testing::kPlanLines;

namespace fs = std::filesystem;

class CopyUnderFaults : public testing::CopyTest,
                        public ::testing::WithParamInterface<FaultKind> {
  protected:
    CopyUnderFaults() {
        f.Chk_KeepPlan.setValue(0);
        f.Chk_WX.setValue(1);
        f.Chk_Auto_BRF.setValue(1);
        f.Chk_Freq.setValue(1);
        f.Txt_Freq[0].setText("109.30");
        f.Txt_Freq[4].setText("415");
        f.Txt_HDG.setText("265");
        f.Txt_SPD.setText("210");
    }

    void lay() {
        fs::remove_all(tmp / "user");
        fs::remove_all(tmp / inDest(""));
        fs::create_directories(tmp.host(inDest("")));
        tmp.write(inUser("Evening hop.FLT"), crlf(kFlightLines));
        tmp.write(inUser("Evening hop.PLN"), crlf(kPlanLines));
        tmp.write(inUser("Evening hop.WX"), "weather bytes\r\n");
        ui.messages.clear();
    }

    std::map<std::string, std::string> destination() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::directory_iterator(tmp.host(inDest("")))) {
            const std::string name = e.path().filename().string();
            files[name] = tmp.read(inDest(name));
        }
        return files;
    }

    bool sourcesIntact() const {
        return tmp.listing(inUser("")) == "Evening hop.FLT;Evening hop.PLN;Evening hop.WX;" &&
               tmp.read(inUser("Evening hop.FLT")) == crlf(kFlightLines) &&
               tmp.read(inUser("Evening hop.PLN")) == crlf(kPlanLines) &&
               tmp.read(inUser("Evening hop.WX")) == "weather bytes\r\n";
    }
};

TEST_P(CopyUnderFaults, EndsCompleteOrWithEverySourceAsItWas) {
    lay();
    Cmd_PROC_COPY_Click(f);
    ASSERT_TRUE(ui.messages.empty());
    const auto complete = destination();
    ASSERT_EQ(complete.size(), 4u);
    ASSERT_NE(complete.at("Evening hop.FLT").find("HeadingValue=265"), std::string::npos);

    const int struck = testing::runWithEveryFault(
        GetParam(), [this] { lay(); }, [this] { Cmd_PROC_COPY_Click(f); },
        [&](bool, int) {
            const std::string left = tmp.listing(inUser(""));
            if (destination() == complete) {
                // Complete: the sources go, or those after one that could
                // not be deleted stay as they were.
                EXPECT_EQ(tmp.read(inUser("Evening hop.WX")),
                          left.find(".WX") == std::string::npos ? "" : "weather bytes\r\n");
                if (left.empty()) {
                    EXPECT_TRUE(ui.messages.empty());
                    EXPECT_EQ(f.Txt_Status.text(), "Evening hop: Selected Files done!");
                } else {
                    ASSERT_EQ(ui.messages.size(), 1u);
                    EXPECT_NE(ui.messages[0].text.find("The copies are complete"),
                              std::string::npos);
                }
            } else {
                EXPECT_TRUE(sourcesIntact()) << left;
                EXPECT_TRUE(destination().empty()) << tmp.listing(inDest(""));
                ASSERT_EQ(ui.messages.size(), 1u);
                EXPECT_NE(ui.messages[0].text.find("no source file has been deleted"),
                          std::string::npos)
                    << ui.messages[0].text;
            }
            EXPECT_FALSE(f.busy());
        });
    RecordProperty("runs_with_the_fault", struck);
    // Every kind of step happens in a copy.
    EXPECT_GT(struck, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CopyUnderFaults, ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell
