// Following the destination folder list: its flights and the content-list
// menu.
#include "simfiles/flight_selection.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "simfiles/wire.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

using testing::TempDir;

class Dir1Change : public ::testing::Test {
  protected:
    Dir1Change() {
        wire_simfiles(f);
        tmp.write("flights/Europe/EDDF-LOWW.FLT", {"[Main]"});
        tmp.write("flights/Europe/a second.flt", {"[Main]"});
        tmp.write("flights/Europe/EDDF-LOWW.PLN", {"[flightplan]"});
        tmp.write("flights/Europe/EDDF-LOWW.WX", {""});
        tmp.write("flights/Empty/notes.txt", {"x"});
    }
    TempDir tmp;
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
};

TEST_F(Dir1Change, ListsTheFlightsOfTheNewFolder) {
    f.Dir1.setPath(tmp / "flights/Europe");
    EXPECT_EQ(f.File1.path(), tmp / "flights/Europe");
    EXPECT_EQ(f.File1.pattern(), "*.FLT");
    EXPECT_EQ(f.File1.items(), (std::vector<std::string>{"a second.flt", "EDDF-LOWW.FLT"}));
    EXPECT_TRUE(f.mnu_datalist.enabled());
}

TEST_F(Dir1Change, FolderWithoutFlightsDisablesTheContentList) {
    f.Dir1.setPath(tmp / "flights/Europe");
    f.Dir1.setPath(tmp / "flights/Empty");
    EXPECT_EQ(f.File1.count(), 0);
    EXPECT_FALSE(f.mnu_datalist.enabled());
    f.Dir1.setPath(tmp / "flights/Europe");
    EXPECT_TRUE(f.mnu_datalist.enabled());
    // A folder that does not exist lists nothing.
    f.Dir1.setPath(tmp / "flights/Gone");
    EXPECT_EQ(f.File1.count(), 0);
    EXPECT_FALSE(f.mnu_datalist.enabled());
}

TEST_F(Dir1Change, FlightsAddedLaterShowOnTheNextChange) {
    f.Dir1.setPath(tmp / "flights/Empty");
    tmp.write("flights/Empty/New.FLT", {"[Main]"});
    Dir1_Change(f);
    EXPECT_EQ(f.File1.items(), std::vector<std::string>{"New.FLT"});
    EXPECT_TRUE(f.mnu_datalist.enabled());
}

}  // namespace
}  // namespace vell
