#include "window/form_layout.h"

namespace vell::form {

namespace {

// A label that names the field in the next cell.
Cell label(std::string_view field, int row, int column) {
    Cell c{field, row, column};
    c.namesNext = true;
    return c;
}

Cell at(std::string_view field, int row, int column, int columnSpan = 1, int chars = 0,
        Look look = Look::Plain) {
    Cell c{field, row, column};
    c.columnSpan = columnSpan;
    c.chars = chars;
    c.look = look;
    return c;
}

Cell lines(Cell c, int count, int rowSpan = 1) {
    c.lines = count;
    c.rowSpan = rowSpan;
    return c;
}

std::vector<Box> build() {
    std::vector<Box> boxes;

    // The flight column: heading, the flight and its plan, the briefing,
    // the switches of the other frames, and the shared place below them.
    boxes.push_back({Region::Heading, "", "", {{{at("Image1", 0, 0)}, {0}}}});
    boxes.push_back({Region::Flight, "", "Flight",
                     {{{at("Cmd_Sel_FSFLT", 0, 0, 2),
                        label("Lbl_Sel_FSPath", 1, 0), at("Txt_Sel_FSPath", 1, 1),
                        label("Lbl_Sel_FSFLT", 2, 0), at("Txt_Sel_FSFLT", 2, 1),
                        label("Lbl_Sel_Flightplan", 3, 0), at("Txt_Sel_Flightplan", 3, 1)},
                       {0, 1}}}});
    boxes.push_back({Region::Flight, "", "Briefing",
                     {{{label("Lbl_Sel_BRF", 0, 0), at("Txt_Sel_BRF", 0, 1),
                        at("Cmd_Sel_BRF", 1, 0), at("Chk_Auto_BRF", 1, 1)},
                       {0, 1}}}});
    boxes.push_back({Region::Flight, "", "",
                     {{{at("Chk_FS_Apt", 0, 0), label("Lbl_KivPln", 0, 1), at("Chk_KIV", 0, 2),
                        at("Lst_pln_pat", 0, 3, 1, 0, Look::Strip)},
                       {0, 0, 0, 1}}}});
    boxes.push_back({Region::FlightPlace, "Frame1", "", {{{lines(at("Dir1", 0, 0), 8)}, {1}, 0}},
                     true});
    boxes.push_back(
        {Region::FlightPlace, "Frame_PLN_IMP", "",
         {{{lines(at("File_KIV", 0, 0, 3), 3), at("Lbl_LegICAO", 1, 0, 3),
            label("Label20", 2, 0), at("Txt_Section", 2, 1, 2),
            label("Label21", 3, 0), at("Cbo_Pos", 3, 1, 2),
            label("Lbl_Cru", 4, 0), at("Txt_CRU", 4, 1, 2),
            label("Lbl_CARR", 5, 0), at("Txt_CARR", 5, 1), at("Chk_Carr", 5, 2),
            label("Lbl_FLTNR", 6, 0), at("Txt_KIV_FLTNR", 6, 1, 2),
            at("Cmd_KIV", 7, 0, 3)},
           {0, 1, 0}, 0}},
         true});

    // The main place: the flight's data and the copy, or the airport notes.
    Box mode{Region::MainPlace, "Frame_Mode", "", {}, true};
    // Versions and modes beside the file-name standard.
    mode.grids.push_back({{at("Lbl_Main", 0, 0, 2, 0, Look::Bold), at("Picture1", 1, 0, 2),
                           at("Opt_Vell(0)", 2, 0), at("Opt_Vell(1)", 2, 1),
                           at("Lbl_FS_Vers", 3, 0, 2), at("Lbl_PLN_Vers", 4, 0, 2),
                           at("Lbl_Stand_title", 0, 2, 2, 0, Look::Bold),
                           at("Lbl_Standard", 1, 2, 2, 30, Look::Panel),
                           label("Lbl_Flt_Nr", 2, 2), at("Txt_Flt_Nr", 2, 3, 1, 6),
                           label("Lbl_CarICAO", 3, 2), at("Txt_CarICAO", 3, 3)},
                          {1, 1, 0, 1},
                          -1,
                          true});
    // The flight's data.
    mode.grids.push_back({{label("Lbl_Title", 0, 0), at("Txt_Title", 0, 1, 3),
                           label("Lbl_Description", 1, 0), at("Txt_Description", 1, 1, 3),
                           label("Lbl_ACFT", 2, 0), at("Txt_ACFT", 2, 1, 3),
                           label("Lbl_DEPICAO", 3, 0), at("Txt_DEP", 3, 1),
                           label("Lbl_DEPNAME", 3, 2), at("Txt_DEPNAME", 3, 3),
                           label("Lbl_DESICAO", 4, 0), at("Txt_DES", 4, 1),
                           label("Lbl_DESNAME", 4, 2), at("Txt_DESNAME", 4, 3),
                           label("Lbl_POS", 5, 0), at("Txt_POS", 5, 1),
                           label("Lbl_ERWY", 5, 2), at("Txt_ERWY", 5, 3),
                           label("Lbl_DepartureTm", 6, 0), at("Txt_DepartureTm", 6, 1),
                           label("Lbl_Cruise", 6, 2), at("Txt_Cruise", 6, 3),
                           label("Lbl_GCDist", 7, 0), at("Txt_GCDist", 7, 1),
                           label("Lbl_GDist", 7, 2), at("Txt_GDist", 7, 3),
                           label("Lbl_EET", 8, 0), at("Txt_EET", 8, 1)},
                          {0, 2, 0, 3},
                          -1,
                          true});
    // Radios and autopilot: NAV 1 with the VOR 1 course, NAV 2 with the
    // heading, the ADF with the speed.
    auto radio = [](std::string_view name, int row, int column, int chars) {
        return at(name, row, column, 1, chars, Look::Fixed);
    };
    mode.grids.push_back({{at("Chk_Freq", 0, 0, 6),
                           label("Lbl_Freq(0)", 1, 0), radio("Txt_Freq(0)", 1, 1, 7),
                           label("Lbl_Freq(1)", 1, 2), radio("Txt_Freq(1)", 1, 3, 7),
                           label("Lbl_CRS", 1, 4), radio("Txt_CRS", 1, 5, 4),
                           label("Lbl_Freq(2)", 2, 0), radio("Txt_Freq(2)", 2, 1, 7),
                           label("Lbl_Freq(3)", 2, 2), radio("Txt_Freq(3)", 2, 3, 7),
                           label("Lbl_HDG", 2, 4), radio("Txt_HDG", 2, 5, 4),
                           label("Lbl_Freq(4)", 3, 0), radio("Txt_Freq(4)", 3, 1, 7),
                           label("Lbl_SPD", 3, 4), radio("Txt_SPD", 3, 5, 4)},
                          {0, 0, 0, 0, 0, 0, 1},
                          -1,
                          true});
    // The copy: what goes with it, the status line and the command.
    mode.grids.push_back({{at("Chk_APT_Data", 0, 0), at("Chk_KeepPlan", 0, 1), at("Chk_WX", 0, 2)},
                          {0, 0, 0, 1}});
    mode.grids.push_back(
        {{lines(at("Txt_Status", 0, 0), 3), lines(at("Cmd_PROC_COPY", 0, 1, 1, 20), 3)}, {1, 0}});
    boxes.push_back(mode);

    boxes.push_back(
        {Region::MainPlace, "Frame_FS_APT", "",
         {{{label("Lbl_APT_ICAO", 0, 0), at("Txt_APT_ICAO", 0, 1, 1, 5, Look::Fixed),
            at("Cmd_APT_SAVE", 0, 3), at("Cmd_APT_Clear", 0, 4),
            lines(at("Txt_APT_DAT", 1, 0, 5), 10, 2),
            label("Lbl_Stored", 0, 5), lines(at("Lst_Stored", 1, 5, 1, 8, Look::Fixed), 10),
            at("Cmd_Recent_Clear", 2, 5)},
           {0, 0, 1, 0, 0, 0},
           1}},
         true});

    // Inside Frame_Mode: the simulator versions.
    boxes.push_back({Region::Inside, "Picture1", "", {{{at("Opt_FS9", 0, 0), at("Opt_FS8", 0, 1)},
                                                       {0, 0, 1}}}});

    // The foot: the credit line and the button that ends the work.
    boxes.push_back({Region::Foot, "", "",
                     {{{at("Lbl_CR", 0, 0, 1, 0, Look::Small), at("Cmd_OK2", 0, 1)}, {1, 0}}}});
    return boxes;
}

std::vector<Naming> collectNamings() {
    std::vector<Naming> result;
    for (const Box& box : mainWindowBoxes()) {
        for (const Grid& grid : box.grids) {
            for (std::size_t i = 0; i + 1 < grid.cells.size(); ++i) {
                if (grid.cells[i].namesNext)
                    result.push_back({grid.cells[i].field, grid.cells[i + 1].field});
            }
        }
    }
    return result;
}

}  // namespace

const std::vector<Box>& mainWindowBoxes() {
    static const std::vector<Box> boxes = build();
    return boxes;
}

std::size_t insideBoxOf(const Cell& cell) {
    const std::vector<Box>& boxes = mainWindowBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].region == Region::Inside && boxes[i].frame == cell.field) return i;
    }
    return boxes.size();
}

const std::vector<Naming>& namings() {
    static const std::vector<Naming> pairs = collectNamings();
    return pairs;
}

std::string_view labelOf(std::string_view field) {
    for (const Naming& n : namings()) {
        if (n.field == field) return n.label;
    }
    return {};
}

std::string_view spokenNameOf(std::string_view field) {
    struct Entry {
        std::string_view field, name;
    };
    static constexpr Entry kNames[] = {
        {"Image1", kProgramName},
        {"File_KIV", "KIV Flightplans"},
        {"Txt_Status", "Status"},
        {"Txt_APT_DAT", "Airport Notes"},
    };
    for (const Entry& e : kNames) {
        if (e.field == field) return e.name;
    }
    return {};
}

ButtonPicture pictureOf(std::string_view field) {
    struct Entry {
        std::string_view field;
        ButtonPicture picture;
    };
    static constexpr Entry kPictures[] = {
        {"Image1", {Picture::Logo, 48}},
        {"Cmd_Sel_FSFLT", {Picture::OpenFlight, 28}},
        {"Cmd_PROC_COPY", {Picture::CopyFlight, 28}},
        {"Chk_FS_Apt", {Picture::AirportNotes, 24}},
        {"Cmd_KIV", {Picture::ImportPlan, 20}},
        {"Cmd_OK2", {Picture::Done, 22}},
    };
    for (const Entry& e : kPictures) {
        if (e.field == field) return e.picture;
    }
    return {};
}

}  // namespace vell::form
