// The main window's geometry, computed from the table of its boxes: each
// grid's columns and rows from what their fields need, the room left over
// given to the stretching columns and the growing rows, the flight column
// beside the main place, the foot below. Pure arithmetic in the window's
// pixels; what a field needs is asked of the window, which knows its fonts
// and its scale.
#pragma once

#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "window/form_layout.h"

namespace vellwin {

struct Extent {
    int width = 0;
    int height = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What a field's control needs: its size, and whether it keeps its width
// (a box for a few characters) instead of filling its column.
struct Need {
    Extent size;
    bool keepsWidth = false;
};

struct Measure {
    // Device-independent pixels (96 to the inch) in the window's pixels.
    std::function<int(int)> scale;
    // The height of a text line of the window's font.
    int lineHeight = 16;
    std::function<Need(const vell::form::Cell&)> need;
};

struct Placement {
    Extent client;  // the window's client area
    // Each box by its index in the table, within the window (boxes of the
    // Inside region within the box that holds them).
    std::vector<Rect> boxes;
    // Each field's control within its box.
    std::unordered_map<std::string_view, Rect> cells;
};

// The least client area in which every field has what it needs.
Extent naturalClient(const Measure& measure);
// The geometry for a client area (at least the natural one).
Placement placeWindow(const Measure& measure, Extent client);

// The room around a box's grids: a border with its caption, or none.
struct Padding {
    int left = 0, top = 0, right = 0, bottom = 0;
};
Padding paddingOf(const vell::form::Box& box, const Measure& measure);

}  // namespace vellwin
