// The window's key preview: only Enter is ever dropped, and only while the
// airport notes are hidden; a size change moves the input only while they
// are in front.
#include <gtest/gtest.h>

#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"
#include "window/housekeeping.h"

namespace vell {
namespace {

TEST(Housekeeping, OnlyEnterIsDroppedAndOnlyWhileTheNotesAreHidden) {
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    wire_housekeeping(f);
    for (int set : {0, 1}) {
        f.Chk_FS_Apt.setValue(set);
        for (int key = 1; key < 256; ++key) {
            int k = key;
            f.KeyPress(k);
            EXPECT_EQ(k, key == 13 && set == 0 ? 0 : key) << key << " " << set;
        }
    }

    f.Chk_FS_Apt.setValue(0);
    f.setFocus(&f.Txt_Title);
    f.resize();
    EXPECT_EQ(f.focus(), &f.Txt_Title);
    f.Chk_FS_Apt.setValue(1);
    f.resize();
    EXPECT_EQ(f.focus(), &f.Txt_APT_ICAO);
}

}  // namespace
}  // namespace vell
