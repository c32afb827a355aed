#include "layout.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vellwin {

namespace {

using vell::form::Box;
using vell::form::Cell;
using vell::form::Grid;
using vell::form::Region;

// The gaps between columns, rows, grids and boxes, and the window's margin.
constexpr int kColumnGap = 8, kRowGap = 4, kGridGap = 8, kRuleGap = 6, kBoxGap = 8, kMargin = 10;
// The flight column's least width.
constexpr int kColumnLeast = 360;
// The least width of the window: wide enough for a line of airport notes.
constexpr int kWindowLeast = 1040;

const std::vector<Box>& boxes() {
    return vell::form::mainWindowBoxes();
}

// The box of the Inside region that a cell names, or none.
const Box* nestedBox(const Cell& cell) {
    const std::size_t index = vell::form::insideBoxOf(cell);
    return index < boxes().size() ? &boxes()[index] : nullptr;
}

Extent boxNatural(const Box& box, const Measure& m);

Need needOf(const Cell& cell, const Measure& m) {
    if (const Box* inside = nestedBox(cell)) return {boxNatural(*inside, m), false};
    return m.need(cell);
}

struct Tracks {
    std::vector<int> columns;
    std::vector<int> rows;
};

int span(const std::vector<int>& tracks, int from, int count, int gap) {
    int total = 0;
    for (int i = from; i < from + count; ++i) total += tracks[static_cast<std::size_t>(i)];
    return total + gap * (count - 1);
}

// Widens the tracks of a spanning cell that needs more than they give: the
// last of them with the most stretch takes the difference.
void fit(std::vector<int>& tracks, const std::vector<int>& stretch, int from, int count, int wanted,
         int gap) {
    const int missing = wanted - span(tracks, from, count, gap);
    if (missing <= 0) return;
    int taker = from + count - 1;
    for (int i = from; i < from + count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int s = at < stretch.size() ? stretch[at] : 0;
        const auto best = static_cast<std::size_t>(taker);
        if (s > 0 && s >= (best < stretch.size() ? stretch[best] : 0)) taker = i;
    }
    tracks[static_cast<std::size_t>(taker)] += missing;
}

Tracks naturalTracks(const Grid& grid, const Measure& m) {
    Tracks t;
    int columns = static_cast<int>(grid.stretch.size()), rows = 0;
    for (const Cell& c : grid.cells) {
        columns = std::max(columns, c.column + c.columnSpan);
        rows = std::max(rows, c.row + c.rowSpan);
    }
    t.columns.assign(static_cast<std::size_t>(columns), 0);
    t.rows.assign(static_cast<std::size_t>(rows), 0);
    const int colGap = m.scale(kColumnGap), rowGap = m.scale(kRowGap);
    // Single cells first, then the spanning ones take what is still missing.
    for (bool spanning : {false, true}) {
        for (const Cell& c : grid.cells) {
            const Need need = needOf(c, m);
            if ((c.columnSpan > 1) == spanning)
                fit(t.columns, grid.stretch, c.column, c.columnSpan, need.size.width, colGap);
            if ((c.rowSpan > 1) == spanning)
                fit(t.rows, {}, c.row, c.rowSpan, need.size.height, rowGap);
        }
    }
    return t;
}

Extent gridNatural(const Grid& grid, const Measure& m) {
    const Tracks t = naturalTracks(grid, m);
    const int width = t.columns.empty() ? 0 : span(t.columns, 0, static_cast<int>(t.columns.size()), m.scale(kColumnGap));
    const int height = t.rows.empty() ? 0 : span(t.rows, 0, static_cast<int>(t.rows.size()), m.scale(kRowGap));
    return {width, height};
}

int ruleHeight(const Grid& grid, const Measure& m) {
    return grid.ruleBelow ? 2 * m.scale(kRuleGap) + 2 : 0;
}

Extent boxNatural(const Box& box, const Measure& m) {
    const Padding pad = paddingOf(box, m);
    Extent inner;
    for (std::size_t i = 0; i < box.grids.size(); ++i) {
        const Extent g = gridNatural(box.grids[i], m);
        inner.width = std::max(inner.width, g.width);
        inner.height += g.height + ruleHeight(box.grids[i], m) + (i > 0 ? m.scale(kGridGap) : 0);
    }
    return {inner.width + pad.left + pad.right, inner.height + pad.top + pad.bottom};
}

void placeBox(std::size_t index, Rect rect, const Measure& m, Placement& out);

// Places a grid's cells in the area; cells are relative to the box.
void placeGrid(const Grid& grid, Rect area, const Measure& m, Placement& out) {
    Tracks t = naturalTracks(grid, m);
    const int colGap = m.scale(kColumnGap), rowGap = m.scale(kRowGap);
    // The width left over goes to the stretching columns.
    const int spare = area.width - gridNatural(grid, m).width;
    const int stretch = std::accumulate(grid.stretch.begin(), grid.stretch.end(), 0);
    if (spare > 0 && stretch > 0) {
        int given = 0;
        int last = 0;
        for (std::size_t i = 0; i < grid.stretch.size(); ++i) {
            if (grid.stretch[i] == 0) continue;
            const int share = spare * grid.stretch[i] / stretch;
            t.columns[i] += share;
            given += share;
            last = static_cast<int>(i);
        }
        t.columns[static_cast<std::size_t>(last)] += spare - given;
    }
    const int spareHeight = area.height - gridNatural(grid, m).height;
    if (spareHeight > 0 && grid.growRow >= 0 && grid.growRow < static_cast<int>(t.rows.size()))
        t.rows[static_cast<std::size_t>(grid.growRow)] += spareHeight;

    for (const Cell& c : grid.cells) {
        int x = area.x, y = area.y;
        for (int i = 0; i < c.column; ++i) x += t.columns[static_cast<std::size_t>(i)] + colGap;
        for (int i = 0; i < c.row; ++i) y += t.rows[static_cast<std::size_t>(i)] + rowGap;
        const int width = span(t.columns, c.column, c.columnSpan, colGap);
        const int height = span(t.rows, c.row, c.rowSpan, rowGap);
        const Need need = needOf(c, m);
        Rect r{x, y, need.keepsWidth ? std::min(width, need.size.width) : width, height};
        // A control of one line keeps its height, centred in its row.
        if (c.lines == 1 && c.rowSpan == 1 && !nestedBox(c) && need.size.height < height) {
            r.y += (height - need.size.height) / 2;
            r.height = need.size.height;
        }
        if (const Box* inside = nestedBox(c)) {
            const auto index = static_cast<std::size_t>(inside - boxes().data());
            placeBox(index, r, m, out);
        } else {
            out.cells[c.field] = r;
        }
    }
}

void placeBox(std::size_t index, Rect rect, const Measure& m, Placement& out) {
    const Box& box = boxes()[index];
    out.boxes[index] = rect;
    const Padding pad = paddingOf(box, m);
    Rect inner{pad.left, pad.top, rect.width - pad.left - pad.right,
               rect.height - pad.top - pad.bottom};
    // The height left over goes to the grid with a growing row.
    int spare = inner.height;
    for (std::size_t i = 0; i < box.grids.size(); ++i)
        spare -= gridNatural(box.grids[i], m).height + ruleHeight(box.grids[i], m) +
                 (i > 0 ? m.scale(kGridGap) : 0);
    int y = inner.y;
    for (std::size_t i = 0; i < box.grids.size(); ++i) {
        const Grid& grid = box.grids[i];
        if (i > 0) y += m.scale(kGridGap);
        int height = gridNatural(grid, m).height;
        if (grid.growRow >= 0 && spare > 0) height += std::exchange(spare, 0);
        placeGrid(grid, {inner.x, y, inner.width, height}, m, out);
        y += height + ruleHeight(grid, m);
    }
}

struct Column {
    int width = 0;
    int fixedHeight = 0;  // the boxes that do not grow, with their gaps
    int placeHeight = 0;  // the natural height of the shared place
};

Column flightColumn(const Measure& m) {
    Column c;
    for (const Box& box : boxes()) {
        if (box.region != Region::Heading && box.region != Region::Flight &&
            box.region != Region::FlightPlace)
            continue;
        const Extent e = boxNatural(box, m);
        c.width = std::max(c.width, e.width);
        if (box.region == Region::FlightPlace)
            c.placeHeight = std::max(c.placeHeight, e.height);
        else
            c.fixedHeight += e.height + m.scale(kBoxGap);
    }
    c.width = std::max(c.width, m.scale(kColumnLeast));
    return c;
}

Extent regionNatural(Region region, const Measure& m) {
    Extent e;
    for (const Box& box : boxes()) {
        if (box.region != region) continue;
        const Extent b = boxNatural(box, m);
        e.width = std::max(e.width, b.width);
        e.height = std::max(e.height, b.height);
    }
    return e;
}

}  // namespace

Padding paddingOf(const Box& box, const Measure& m) {
    if (box.frame.empty() && box.title.empty()) return {};
    if (box.region == Region::Inside) return {};
    const int side = m.scale(8);
    return {side, m.lineHeight + m.scale(6), side, side};
}

Extent naturalClient(const Measure& m) {
    const Column flight = flightColumn(m);
    const Extent main = regionNatural(Region::MainPlace, m);
    const Extent foot = regionNatural(Region::Foot, m);
    const int margin = m.scale(kMargin);
    const int width = std::max(m.scale(kWindowLeast),
                               2 * margin + flight.width + m.scale(kMargin) + main.width);
    const int body = std::max(flight.fixedHeight + flight.placeHeight, main.height);
    return {width, 2 * margin + body + m.scale(kBoxGap) + foot.height};
}

Placement placeWindow(const Measure& m, Extent client) {
    const Extent least = naturalClient(m);
    client.width = std::max(client.width, least.width);
    client.height = std::max(client.height, least.height);
    Placement out;
    out.client = client;
    out.boxes.resize(boxes().size());

    const Column flight = flightColumn(m);
    const Extent foot = regionNatural(Region::Foot, m);
    const int margin = m.scale(kMargin);
    const int bodyHeight = client.height - 2 * margin - m.scale(kBoxGap) - foot.height;
    const int mainX = margin + flight.width + m.scale(kMargin);
    const int mainWidth = client.width - margin - mainX;

    int y = margin;
    for (std::size_t i = 0; i < boxes().size(); ++i) {
        const Box& box = boxes()[i];
        switch (box.region) {
        case Region::Heading:
        case Region::Flight: {
            const int height = boxNatural(box, m).height;
            placeBox(i, {margin, y, flight.width, height}, m, out);
            y += height + m.scale(kBoxGap);
            break;
        }
        case Region::FlightPlace:
            placeBox(i, {margin, margin + flight.fixedHeight, flight.width,
                         bodyHeight - flight.fixedHeight},
                     m, out);
            break;
        case Region::MainPlace:
            placeBox(i, {mainX, margin, mainWidth, bodyHeight}, m, out);
            break;
        case Region::Foot:
            placeBox(i, {margin, client.height - margin - foot.height, client.width - 2 * margin,
                         foot.height},
                     m, out);
            break;
        case Region::Inside:
            break;  // placed in the cell of the box that holds it
        }
    }
    return out;
}

}  // namespace vellwin
