// Names of new flight folders and the place of the description dialog.
#include "folders/flight_folders.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "folders/answering_ui_port.h"
#include "folders/description_editor.h"
#include "folders/wire.h"
#include "platform/fault_loop.h"
#include "platform/temp_folder.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

TEST(FolderName, OnlyOneFolderRightBelowTheFlightsFolder) {
    for (const char* good : {"Europe", "My flights 2004", "a.b", ".hidden"})
        EXPECT_TRUE(isPlainFolderName(good)) << good;
    for (const char* bad : {"", ".", "..", "../x", "x/..", "a/b", "a\\b", "\\", "/", "a..b"})
        EXPECT_FALSE(isPlainFolderName(bad)) << bad;
}

TEST(DescriptionDialog, LoadsInTheMiddleOfTheScreen) {
    testing::answering::AnsweringUiPort ui;
    Host host;
    host.screenWidth = 15360;
    host.screenHeight = 11520;
    Frm_Vell13 f{ui, host};
    Frm_TEXTED_Load(f);
    EXPECT_EQ(f.texted.left, (15360 - f.texted.width) / 2);
    EXPECT_EQ(f.texted.top, (11520 - f.texted.height) / 2);
}

TEST(DescriptionDialog, AFailedReadOrWriteIsToldAndNothingIsLost) {
    testing::TempFolder tmp;
    testing::answering::AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    wire_folders(f);
    testing::DisarmedAtEnd disarm;
    const std::string old = "[MAIN]\r\nTitle=Mine\r\nDescription=Long day\r\n";
    tmp.write("desc.txt", old);
    Frm_TEXTED& d = f.texted;
    d.Label1.setCaption(tmp / "desc.txt");

    // Texts that could not be read are not offered for saving.
    faults::arm({faults::Step::Read, 1, EIO});
    f.texted.showModal(ui);
    EXPECT_FALSE(d.shown());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "The description could not be read:\r\n" + (tmp / "desc.txt"));

    // Texts that did not reach the disk stay in the open dialog.
    Frm_TEXTED_Activate(f);
    EXPECT_EQ(d.Text1.text(), "Mine");
    d.Text1.setText("New title");
    faults::arm({faults::Step::Rename, 1, ENOSPC});
    Frm_TEXTED_Command1_Click(f);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(tmp.read("desc.txt"), old);
    EXPECT_EQ(d.Text1.text(), "New title");
    faults::disarm();
    Frm_TEXTED_Command1_Click(f);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(tmp.read("desc.txt"), "[MAIN]\r\nTitle=New title\r\nDescription=Long day\r\n");
}

TEST(CreateDesc, WritesTheDefaultOnceAndReportsAFolderItCannotWriteTo) {
    testing::TempFolder tmp;
    testing::answering::AnsweringUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    f.Dir1.setPath(tmp.path());
    EXPECT_TRUE(Create_Desc(f));
    const std::string expected = "[MAIN]\r\nTitle=My title\r\nDescription=My description....\r\n";
    EXPECT_EQ(tmp.read("desc.txt"), expected);
    tmp.write("desc.txt", "[MAIN]\r\nTitle=Mine\r\n");
    EXPECT_TRUE(Create_Desc(f));
    EXPECT_EQ(tmp.read("desc.txt"), "[MAIN]\r\nTitle=Mine\r\n");

    f.Dir1.setPath(tmp / "missing");
    EXPECT_FALSE(Create_Desc(f));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(tmp.has("missing"));
}

}  // namespace
}  // namespace vell
