// Saving an airport's notes and a choice in the settings file, with each
// kind of step failing at every point in turn: each file holds its old bytes
// or its new ones, never anything else, a failed note save is reported, and
// no temporary file stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "airports/airport_notes.h"
#include "airports/wire.h"
#include "folders/answering_ui_port.h"
#include "platform/fault_loop.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"
#include "window/preferences_menu.h"

namespace vell {
namespace {

using testing::FaultKind;

class SavesUnderFaults : public ::testing::TestWithParam<FaultKind> {
  protected:
    SavesUnderFaults() {
        host.programFolder = tmp / "prog";
        f.Lbl_Path.setCaption(tmp / "kiv");
        wire_airports(f);
    }

    void lay() {
        tmp.write("prog/fs_vell.ini", kSettings);
        tmp.write("prog/vellmaster/set.dat", "EDDF\r\n");
        tmp.write("kiv/LOWW.txt", "old notes\r\n");
        f.Lst_Stored.clear();
        f.Lst_Stored.addItem("EDDF");
        ui.messages.clear();
    }

    void expectOldOrNew(const std::string& file, const std::string& old, const std::string& now) {
        const std::string bytes = tmp.read(file);
        if (bytes != old) {
            EXPECT_EQ(bytes, now) << file;
        }
    }

    const std::string kSettings = "[USER]\r\nRecent=set.dat\r\n[preferences]\r\nstandard_out=0\r\n";
    testing::TempFolder tmp;
    testing::answering::AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_P(SavesUnderFaults, ANoteSaveLeavesOldOrNewNotesAndList) {
    testing::runWithEveryFault(
        GetParam(), [this] { lay(); },
        [this] {
            f.Txt_APT_ICAO.setText("LOWW");
            f.Txt_APT_DAT.setText("Vienna notes");
            Cmd_APT_SAVE_Click(f);
        },
        [this](bool struck, int) {
            expectOldOrNew("kiv/LOWW.txt", "old notes\r\n", "Vienna notes\r\n");
            expectOldOrNew("prog/vellmaster/set.dat", "EDDF\r\n", "EDDF\r\nLOWW\r\n");
            EXPECT_EQ(tmp.read("prog/fs_vell.ini"), kSettings);
            if (tmp.read("kiv/LOWW.txt") != "Vienna notes\r\n") {
                EXPECT_EQ(ui.messages.size(), 1u);
            }
            if (!struck) {
                EXPECT_TRUE(ui.messages.empty());
            }
            EXPECT_EQ(tmp.listing("kiv"), "LOWW.txt;");
            EXPECT_EQ(tmp.listing("prog"), "fs_vell.ini;vellmaster;");
            EXPECT_EQ(tmp.listing("prog/vellmaster"), "set.dat;");
        });
}

TEST_P(SavesUnderFaults, AChoiceLeavesTheSettingsFileOldOrNew) {
    testing::runWithEveryFault(
        GetParam(), [this] { lay(); }, [this] { mnu_Standard_Click(f, 2); },
        [this](bool, int) {
            expectOldOrNew("prog/fs_vell.ini", kSettings,
                           "[USER]\r\nRecent=set.dat\r\n[preferences]\r\nstandard_out=2\r\n");
            EXPECT_EQ(tmp.listing("prog"), "fs_vell.ini;vellmaster;");
        });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SavesUnderFaults, ::testing::ValuesIn(testing::kEveryFaultKind),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vell
