// Where the fields of the main window sit, kept once for every front end:
// the boxes of the window in their order (which is the order the keyboard
// walks), the grid of fields in each box, the label that names each field,
// and the small picture of each graphical button. Sizes are in the window
// font's average character widths and text lines, so each front end turns
// them into its own units at its own scale.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vell::form {

// The program's own pictures (the front ends draw them).
enum class Picture { None, Logo, OpenFlight, CopyFlight, AirportNotes, ImportPlan, Done };

// How a field looks beyond what its kind gives it.
enum class Look {
    Plain,
    Bold,       // a heading inside a frame
    Small,      // a quiet line (the credit)
    Fixed,      // column-aligned text: radios, airport codes
    Panel,      // a label drawn in a sunken panel
    Strip,      // a list whose entries run from left to right in one line
};

// One field in a grid of its box.
struct Cell {
    std::string_view field;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    // The width it asks for in characters; 0: what its caption needs, or
    // what its column is given.
    int chars = 0;
    // Its height in text lines (a list, a box of several lines).
    int lines = 1;
    Look look = Look::Plain;
    // A label that names the cell after it (Lbl_Title before Txt_Title).
    bool namesNext = false;
};

// A grid of fields, the cells listed in the order the keyboard walks them.
// The columns take the width left over in proportion to their stretch; the
// growing row of a grid takes the height left over in its box.
struct Grid {
    std::vector<Cell> cells;
    std::vector<int> stretch;  // per column; a missing one is 0
    int growRow = -1;
    bool ruleBelow = false;    // a separating line below the grid
};

// Where a box stands in the window.
enum class Region {
    Heading,     // top of the flight column: the logo and the program's name
    Flight,      // the flight column, under the heading
    FlightPlace, // the shared place at the foot of the flight column
    MainPlace,   // the shared place right of the flight column
    Foot,        // the line at the window's foot
    Inside,      // inside the cell of another box that names its frame
};

// A box: a frame of the model, or a group of the window's own that has no
// field (frame empty, title given; an empty title draws no border).
struct Box {
    Region region;
    std::string_view frame;
    std::string_view title;
    std::vector<Grid> grids;
    bool grows = false;  // takes the height left in its region
};

// The boxes of the main window, in the order the keyboard walks them.
const std::vector<Box>& mainWindowBoxes();
// The index of the box of the Inside region whose frame a cell names;
// mainWindowBoxes().size() when the cell names none.
std::size_t insideBoxOf(const Cell& cell);

// The texts of the window's own heading (no field of the model holds them).
inline constexpr std::string_view kProgramName = "Vellmaster";
inline constexpr std::string_view kTagline = "Flights, plans and briefings for FS 2002 and FS 2004";

// The label that names a field (Lbl_Title for Txt_Title); empty when none.
std::string_view labelOf(std::string_view field);
// Every pair of a naming label and its field, label first.
struct Naming {
    std::string_view label;
    std::string_view field;
};
const std::vector<Naming>& namings();

// The name by which a screen reader announces a field that has no label,
// caption or tooltip to be named by; empty for the others.
std::string_view spokenNameOf(std::string_view field);

// The picture a graphical button or image shows, and its size in pixels at
// the normal scale.
struct ButtonPicture {
    Picture picture = Picture::None;
    int size = 0;
};
ButtonPicture pictureOf(std::string_view field);

}  // namespace vell::form
