// Names of new flight folders and the place of the description dialog.
#include "folders/flight_folders.h"

#include <gtest/gtest.h>

#include "folders/answering_ui_port.h"
#include "folders/description_editor.h"
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
