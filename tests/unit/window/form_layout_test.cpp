// The table of the main window's boxes that every front end lays out from:
// each cell a field of the model in its box's frame, each seen field in one
// cell, naming labels before their fields, no overlapping cells, the shared
// places the model's, a picture for each graphical button.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "window/fake_ui_port.h"
#include "window/form_layout.h"
#include "window/frm_vell13.h"

namespace vell::form {
namespace {

class FormLayout : public ::testing::Test {
  protected:
    testing::FakeUiPort ui;
    Host host;
    Frm_Vell13 f{ui, host};

    // How many cells of the table show each field.
    std::map<std::string, int> cellsPerField() const {
        std::map<std::string, int> count;
        for (const Box& box : mainWindowBoxes())
            for (const Grid& grid : box.grids)
                for (const Cell& cell : grid.cells) ++count[std::string(cell.field)];
        return count;
    }
};

bool seen(const Field& field) {
    return !field.working() && field.kind() != FieldKind::DialogComponent &&
           field.kind() != FieldKind::MenuItem;
}

TEST_F(FormLayout, EachCellShowsASeenFieldOfTheModelInTheFrameOfItsBox) {
    for (const Box& box : mainWindowBoxes()) {
        Field* frame = box.frame.empty() ? nullptr : f.find(box.frame);
        EXPECT_TRUE(box.frame.empty() || (frame && frame->kind() == FieldKind::Frame)) << box.frame;
        EXPECT_FALSE(box.grids.empty()) << box.frame << box.title;
        for (const Grid& grid : box.grids) {
            for (const Cell& cell : grid.cells) {
                Field* field = f.find(cell.field);
                ASSERT_NE(field, nullptr) << cell.field;
                EXPECT_TRUE(seen(*field)) << cell.field;
                EXPECT_EQ(field->container(), frame) << cell.field << " in " << box.frame;
            }
        }
    }
}

TEST_F(FormLayout, EverySeenFieldSitsInOneCellOrIsTheFrameOfAPlacedBox) {
    const std::map<std::string, int> cells = cellsPerField();
    std::map<std::string, Region> frames;
    for (const Box& box : mainWindowBoxes()) {
        if (!box.frame.empty()) {
            EXPECT_TRUE(frames.emplace(box.frame, box.region).second) << box.frame;
        }
    }
    for (const Field* field : f.fields()) {
        if (!seen(*field)) continue;
        const auto cell = cells.find(field->name());
        const auto frame = frames.find(field->name());
        const int count = cell == cells.end() ? 0 : cell->second;
        // A frame inside another box sits in the cell that names it; the
        // frames of the places are pages of their own.
        const bool inside = frame != frames.end() && frame->second == Region::Inside;
        EXPECT_EQ(count, frame == frames.end() || inside ? 1 : 0) << field->name();
    }
}

TEST_F(FormLayout, EachNamingLabelStandsBeforeItsFieldLeftOfItOrAbove) {
    for (const Box& box : mainWindowBoxes()) {
        for (const Grid& grid : box.grids) {
            for (std::size_t i = 0; i < grid.cells.size(); ++i) {
                const Cell& label = grid.cells[i];
                if (!label.namesNext) continue;
                ASSERT_LT(i + 1, grid.cells.size()) << label.field << " names nothing";
                const Cell& field = grid.cells[i + 1];
                EXPECT_EQ(f.find(label.field)->kind(), FieldKind::Label) << label.field;
                EXPECT_NE(f.find(field.field)->kind(), FieldKind::Label) << label.field;
                // Left of its field in the same row, or right above it.
                const bool left = label.row == field.row &&
                                  label.column + label.columnSpan <= field.column;
                const bool above = label.column == field.column &&
                                   label.row + label.rowSpan == field.row;
                EXPECT_TRUE(left || above) << label.field;
            }
        }
    }
    const std::pair<std::string_view, std::string_view> kLabels[] = {
        {"Txt_Title", "Lbl_Title"},  {"Txt_Section", "Label20"}, {"Cbo_Pos", "Label21"},
        {"Chk_KIV", "Lbl_KivPln"},   {"Txt_SPD", "Lbl_SPD"},     {"Lst_Stored", "Lbl_Stored"},
        {"Txt_Freq(4)", "Lbl_Freq(4)"}, {"Txt_Status", ""},      {"Lbl_Title", ""},
        {"Lbl_LegICAO", ""},
    };
    for (auto [field, label] : kLabels) EXPECT_EQ(labelOf(field), label) << field;
    std::set<std::string_view> named;
    for (const Naming& n : namings()) EXPECT_TRUE(named.insert(n.field).second) << n.field;
}

TEST_F(FormLayout, NoTwoCellsOfAGridShareASquareAndTheGrowingRowHasCells) {
    for (const Box& box : mainWindowBoxes()) {
        for (const Grid& grid : box.grids) {
            std::map<std::pair<int, int>, std::string_view> taken;
            bool growRowHasCell = grid.growRow < 0;
            for (const Cell& cell : grid.cells) {
                EXPECT_TRUE(cell.row >= 0 && cell.column >= 0 && cell.rowSpan >= 1 &&
                            cell.columnSpan >= 1 && cell.lines >= 1 && cell.chars >= 0)
                    << cell.field;
                growRowHasCell = growRowHasCell || (cell.row <= grid.growRow &&
                                                    grid.growRow < cell.row + cell.rowSpan);
                for (int r = cell.row; r < cell.row + cell.rowSpan; ++r)
                    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c)
                        if (auto [at, fresh] = taken.emplace(std::pair{r, c}, cell.field); !fresh)
                            ADD_FAILURE() << cell.field << " over " << at->second;
            }
            EXPECT_TRUE(growRowHasCell) << box.frame << " row " << grid.growRow;
        }
    }
}

// The boxes of a shared place are the frames the model lets take turns there.
TEST_F(FormLayout, ThePlacesHoldTheFramesThatShareThemInTheModel) {
    const std::pair<Region, Frame*> kPlaces[] = {{Region::FlightPlace, &f.Frame1},
                                                 {Region::MainPlace, &f.Frame_Mode}};
    for (auto [region, first] : kPlaces) {
        std::set<const Field*> table, model;
        for (const Box& box : mainWindowBoxes())
            if (box.region == region) table.insert(f.find(box.frame));
        for (const Frame* frame : f.placeOf(*first)) model.insert(frame);
        EXPECT_EQ(table, model) << first->name();
        EXPECT_EQ(table.size(), 2u) << first->name();
    }
}

// Every graphical button and image shows a picture, and only they do.
TEST_F(FormLayout, GraphicalButtonsAndImagesHaveTheirPictures) {
    const std::pair<std::string_view, Picture> kPictures[] = {
        {"Image1", Picture::Logo},           {"Cmd_Sel_FSFLT", Picture::OpenFlight},
        {"Cmd_PROC_COPY", Picture::CopyFlight}, {"Chk_FS_Apt", Picture::AirportNotes},
        {"Cmd_KIV", Picture::ImportPlan},    {"Cmd_OK2", Picture::Done},
        {"Cmd_Sel_BRF", Picture::None},      {"Txt_Title", Picture::None},
    };
    for (auto [field, picture] : kPictures) EXPECT_EQ(pictureOf(field).picture, picture) << field;
    for (const auto& [name, count] : cellsPerField()) {
        const Field* field = f.find(name);
        const auto* command = dynamic_cast<const CommandButton*>(field);
        const auto* check = dynamic_cast<const CheckBox*>(field);
        const bool graphical = (command && command->graphical()) || (check && check->graphical()) ||
                               field->kind() == FieldKind::Image;
        const ButtonPicture shown = pictureOf(name);
        EXPECT_EQ(shown.picture != Picture::None, graphical) << name;
        EXPECT_EQ(shown.size > 0, graphical) << name;
    }
}

}  // namespace
}  // namespace vell::form
