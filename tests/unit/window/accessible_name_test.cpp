// The names a screen reader announces for the main window's fields: each seen
// field of the table named, by its label, caption, tooltip or (the folder
// tree) its frame, never by the frame it sits in; no two alike in one frame.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "window/accessible_name.h"
#include "window/fake_ui_port.h"
#include "window/form_layout.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

TEST(AccessibleName, AccessKeyMarksAndOuterBlanksAreLeftOut) {
    EXPECT_EQ(withoutAccessKeys("CO&PY Flight"), "COPY Flight");
    EXPECT_EQ(withoutAccessKeys(" Wind && Weather &"), "Wind & Weather &");
    EXPECT_EQ(withoutAccessKeys("   "), "");
}

TEST(AccessibleName, EverySeenFieldHasANameOfItsOwnWithinItsFrame) {
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};
    std::map<const Field*, std::set<std::string>> namesPerFrame;
    for (const form::Box& box : form::mainWindowBoxes()) {
        for (const form::Grid& grid : box.grids) {
            for (const form::Cell& cell : grid.cells) {
                const Field* field = f.find(cell.field);
                ASSERT_NE(field, nullptr) << cell.field;
                // A frame and a label are read as what they show; a label
                // that names a field is read as the field's name.
                if (field->kind() == FieldKind::Frame || field->kind() == FieldKind::Label)
                    continue;
                const std::string name = accessibleNameOf(f, *field);
                EXPECT_NE(name, "") << cell.field;
                const Field* frame = field->container();
                if (frame && field->kind() != FieldKind::FolderList) {
                    EXPECT_NE(name, withoutAccessKeys(static_cast<const Frame*>(frame)->caption()))
                        << cell.field;
                }
                EXPECT_TRUE(namesPerFrame[frame].insert(name).second) << cell.field << ": " << name;
            }
        }
    }
    // A field takes its label's caption, the folder tree its frame's.
    f.Lbl_Title.setCaption("&Title :");
    EXPECT_EQ(accessibleNameOf(f, f.Txt_Title), "Title :");
    f.Frame1.setCaption("Flights");
    EXPECT_EQ(accessibleNameOf(f, f.Dir1), "Flights");
    // Without a caption of its own, a field is named by its tooltip, and
    // without one by the name the table gives it.
    Label none("Lbl_None");
    TextBox box("Txt_Box");
    EXPECT_EQ(accessibleNameOf(box, &none, "Status"), "Status");
    box.setTooltip("Where the flight goes");
    EXPECT_EQ(accessibleNameOf(box, &none, "Status"), "Where the flight goes");
    EXPECT_EQ(accessibleNameOf(f, f.Txt_Status), "Status");
}

}  // namespace
}  // namespace vell
