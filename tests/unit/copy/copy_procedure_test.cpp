// The copy command: when it runs at all, what it writes and deletes, and how
// it stops when a file step fails, without losing a source file.
#include <functional>

#include "copy/wire.h"
#include "copy_fixture.h"
#include "platform/fault_loop.h"

namespace vell {
namespace {

using namespace testing;
namespace fs = std::filesystem;
using Prep = std::function<void(CopyWorld&)>;
const std::string kTwo = "Evening hop.FLT;Evening hop.PLN;";

TEST(CopyProcedure, FailedPreconditionDoesNothingSilently) {
    const Prep cases[] = {
        [](CopyWorld& w) { w.f.Dir1.setPath(w.tmp / "FS9/flights"); },
        [](CopyWorld& w) { w.f.Dir1.setPath(w.tmp / "FS9"); },
        [](CopyWorld& w) { w.f.FS9_PATH.clear(); },
        [](CopyWorld& w) { w.f.Txt_Sel_Flightplan.setText("Other.PLN"); },
        [](CopyWorld& w) { w.f.Txt_Sel_FSFLT.setText("Missing.FLT"); },
        [](CopyWorld& w) { w.f.Txt_Title.setText(""); },
    };
    for (const Prep& setup : cases) {
        CopyWorld w;
        int busy = 0;
        w.f.addObserver([&] { busy += w.f.busy(); });
        w.f.Chk_KeepPlan.setValue(0);
        setup(w);
        Cmd_PROC_COPY_Click(w.f);
        EXPECT_TRUE(w.sourcesIntact() && w.tmp.listing(D).empty() && w.ui.shown.empty() &&
                    busy == 0 && w.f.Txt_Status.text() == "before");
    }
}

TEST(CopyProcedure, TheButtonCopiesUnderTheBaseNameAndKeepsTheSourcesByDefault) {
    CopyWorld w;
    int busy = 0;
    w.f.addObserver([&] { busy += w.f.busy(); });
    w.useStandard(3);
    w.f.Txt_Flt_Nr.setText("123");
    w.f.Txt_CarICAO.setText("DLH");
    w.f.Chk_WX.setValue(1);
    w.f.Chk_Auto_BRF.setValue(1);
    w.tmp.mkdir("other/FLIGHTS/Europe");  // a flights folder of any letter case
    w.f.Dir1.setPath(w.tmp / "other/FLIGHTS/Europe");
    wire_copy(w.f);
    w.f.Cmd_PROC_COPY.click();
    const std::string b = "0123-DLH_EDDF to EGLL";
    EXPECT_EQ(w.tmp.listing("other/FLIGHTS/Europe"), b + ".FLT;" + b + ".PLN;" + b + ".WX;" + b + ".htm;");
    EXPECT_EQ(w.tmp.read("other/FLIGHTS/Europe/" + b + ".WX"), "weather bytes\r\n");
    EXPECT_EQ(w.f.Txt_Status.text(), b + ": Selected Files done!");
    EXPECT_TRUE(w.ui.shown.empty() && w.sourcesIntact() && !w.f.busy() && busy == 1);
}

// A move deletes the sources it used and nothing else: not a file it wrote,
// nor a plan whose stored name leads out of the flight's folder (which it
// names). The briefing file chosen in the dialog goes wherever it lies.
TEST(CopyProcedure, AMoveDeletesOnlyTheSourcesItUsedFromTheFlightsFolder) {
    const auto brf = [](CopyWorld& w, const std::string& at, int fs8) {
        w.tmp.write(at, "briefing\r\n");
        w.f.Txt_Sel_BRF.setText(w.tmp / at);
        (fs8 ? w.f.Opt_FS8.setValue(true) : w.f.Chk_Auto_BRF.setValue(1));
    };
    const std::tuple<Prep, std::string, std::string> cases[] = {  // set-up, left in U, copies
        {[](CopyWorld& w) { w.f.Chk_WX.setValue(1); }, "", kSaved},
        {[](CopyWorld&) {}, "Evening hop.WX;", kTwo},
        {[](CopyWorld& w) { w.f.Chk_WX.setValue(1), fs::remove(w.tmp.host(U + "Evening hop.WX")); }, "", kTwo},
        {[&](CopyWorld& w) { brf(w, U + "E.BRF", 0); }, "E.BRF;Evening hop.WX;", kTwo + "Evening hop.htm;"},
        {[&](CopyWorld& w) { brf(w, U + "E.BRF", 1); }, "Evening hop.WX;", kTwo + "Evening hop.brf;"},
        {[&](CopyWorld& w) {  // onto its own sources, the chosen briefing its output
             for (const char* n : {"Evening hop.FLT", "Evening hop.PLN", "Evening hop.WX"})
                 fs::copy_file(w.tmp.host(U + n), w.tmp.host(D + n));
             w.f.Txt_Sel_FSPath.setText(w.tmp / kDest);
             w.f.Chk_WX.setValue(1);
             brf(w, D + "Evening hop.brf", 1);
         }, kSaved, kSaved + "Evening hop.brf;"},
        {[&](CopyWorld& w) {
             w.tmp.writeLines("far/Far.PLN", kPlanLines);
             w.f.Txt_Sel_Flightplan.setText(".." + SEP + "far" + SEP + "Far.PLN");
             brf(w, "far/Far.BRF", 1);
         }, "Evening hop.PLN;Evening hop.WX; Far.PLN;", kTwo + "Evening hop.brf;"},
        // The dispatch program's output, chosen in the dialog: gone, and nothing to say.
        {[&](CopyWorld& w) { w.tmp.mkdir("far"), brf(w, "far/EDDFEGLL.TXT", 1); }, "Evening hop.WX; ",
         kTwo + "Evening hop.brf;"},
    };
    for (const auto& [setup, left, copies] : cases) {
        CopyWorld w;
        w.f.Chk_KeepPlan.setValue(0);
        setup(w);
        Cmd_PROC_COPY_Click(w.f);
        const bool far = w.tmp.has("far"), kept = w.tmp.has("far/Far.PLN");
        EXPECT_EQ(w.tmp.listing(U) + (far ? " " + w.tmp.listing("far") : ""), left);
        EXPECT_EQ(w.tmp.listing(D), copies);
        EXPECT_NE(w.f.Txt_Status.text().find(": Selected Files done!"), std::string::npos);
        ASSERT_EQ(w.ui.shown.size(), kept ? 1u : 0u) << left;
        if (kept) { EXPECT_NE(w.ui.shown[0].text.find("Far.PLN"), std::string::npos); }
    }
}

// A failed step stops the copy with one message naming the file; what the
// copy made goes again, and the sources stay as saved.
TEST(CopyProcedure, AFailedStepIsNamedAndLeavesTheSources) {
    const std::string flt = "Evening hop.FLT", pln = "Evening hop.PLN", htm = "Evening hop.htm";
    const std::tuple<std::function<std::string(CopyWorld&)>, std::string, std::string> cases[] = {
        {[&](CopyWorld& w) {
             w.tmp.write(D + flt, "older copy\r\n");
             fs::permissions(w.tmp.host(D + flt), fs::perms::owner_read);
             return w.tmp / (D + flt);
         }, kSaved, flt + ";"},
        {[&](CopyWorld& w) { return w.tmp.mkdir(D + pln), w.tmp / (D + pln); }, kSaved, pln + ";"},
        {[&](CopyWorld& w) {  // a source vanishes
             w.f.addObserver([&w, pln] { if (w.f.busy()) fs::remove(w.tmp.host(U + pln)); });
             return w.tmp / (U + pln);
         }, "Evening hop.FLT;Evening hop.WX;", ""},
        {[&](CopyWorld& w) {  // in two steps: Wine keeps a name that changes only in case
             fs::rename(w.tmp.host(U + flt), w.tmp.host(U + "renamed"));
             fs::rename(w.tmp.host(U + "renamed"), w.tmp.host(U + "Evening hop.flt"));
             return w.f.Txt_Sel_FSFLT.setText("Evening hop.flt"), std::string("Evening hop.flt");
         }, "Evening hop.PLN;Evening hop.WX;Evening hop.flt;", ""},
        {[](CopyWorld& w) { return w.f.Txt_Sel_BRF.setText(w.tmp / "no.BRF"), w.tmp / "no.BRF"; }, kSaved, ""},
        {[&](CopyWorld& w) { return w.tmp.mkdir(D + htm), w.f.Chk_Auto_BRF.setValue(1), w.tmp / (D + htm); },
         kSaved, htm + ";"},
        {[](CopyWorld& w) { return w.f.Txt_Title.setText("A/B"), std::string("A/B"); }, kSaved, ""},
        {[](CopyWorld& w) { return w.f.Txt_Title.setText("..\\E"), std::string("..\\E"); }, kSaved, ""},
    };
    for (const auto& [setup, left, copies] : cases) {
        CopyWorld w;
        w.f.Chk_KeepPlan.setValue(0);
        w.f.Chk_WX.setValue(1);
        const std::string named = setup(w);
        Cmd_PROC_COPY_Click(w.f);
        ASSERT_EQ(w.ui.shown.size(), 1u) << named;
        const ShownMessage& m = w.ui.shown[0];
        EXPECT_NE(m.text.find(named), std::string::npos) << m.text;
        EXPECT_TRUE(m.icon == MsgIcon::Exclamation && m.title == kAppTitle && !m.busy);
        EXPECT_TRUE(!w.f.busy() && w.f.Txt_Status.text() == "before");
        EXPECT_TRUE(left == kSaved ? w.sourcesIntact() : w.tmp.listing(U) == left) << named;
        EXPECT_EQ(w.tmp.listing(D), copies);
        if (w.tmp.has(D + flt)) { EXPECT_EQ(w.tmp.read(D + flt), "older copy\r\n"); }
    }
}

// A move of flight, plan, weather and a generated briefing, presets patched
// in, with each kind of step failing at every point in turn: the copy is
// complete (the sources gone, or kept from a failed deletion on, and told),
// or every source is as saved, told, and no copy or temporary file stays.
class CopyUnderFaults : public ::testing::TestWithParam<FaultKind> {};

TEST_P(CopyUnderFaults, EndsCompleteOrWithEverySourceAsItWas) {
    CopyWorld w;
    for (auto* c : {&w.f.Chk_WX, &w.f.Chk_Auto_BRF, &w.f.Chk_Freq}) c->setValue(1);
    w.f.Chk_KeepPlan.setValue(0);
    w.f.Txt_HDG.setText("265");
    const auto copies = [&w] {
        std::string all = w.tmp.listing(D);
        for (const char* e : {".FLT", ".PLN", ".WX", ".htm"}) all += w.tmp.read(D + "Evening hop" + e);
        return all;
    };
    Cmd_PROC_COPY_Click(w.f);
    const std::string complete = copies();
    ASSERT_NE(complete.find("HeadingValue=265"), std::string::npos);
    const int struck = runWithEveryFault(
        GetParam(), [&w] { w.lay(); }, [&w] { Cmd_PROC_COPY_Click(w.f); },
        [&](bool, int) {
            const std::string left = w.tmp.listing(U);
            const bool done = copies() == complete;
            if (!done) { EXPECT_TRUE(w.sourcesIntact() && w.tmp.listing(D).empty()) << left; }
            if (done && !left.empty()) { EXPECT_EQ(w.tmp.read(U + "Evening hop.WX"), "weather bytes\r\n"); }
            ASSERT_EQ(w.ui.shown.size(), done && left.empty() ? 0u : 1u) << left;
            if (!w.ui.shown.empty()) {
                EXPECT_NE(w.ui.shown[0].text.find(done ? "copies are complete" : "no source file has"),
                          std::string::npos);
            }
            EXPECT_FALSE(w.f.busy());
        });
    EXPECT_GT(struck, 0);  // every kind of step happens in a copy
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CopyUnderFaults, ::testing::ValuesIn(kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell
