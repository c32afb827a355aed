// Where the fields of the main window sit. Each widget is made for its
// field by the factory and placed in the widget of the field's container;
// the frames that share a place are pages of one stack.
#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "main_window.h"
#include "pictures.h"
#include "window/frm_vell13.h"

namespace vellgui {

namespace {

constexpr int kBigIcon = 28;

QFont scaled(QFont font, qreal factor, bool bold = false) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A text box sized for a few characters.
QWidget* narrow(QWidget* widget, int characters) {
    widget->setMaximumWidth(widget->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                (characters + 2) +
                            12);
    return widget;
}

void makeBig(QAbstractButton* button, const QIcon& icon) {
    button->setIcon(icon);
    button->setIconSize(QSize(kBigIcon, kBigIcon));
    button->setMinimumHeight(kBigIcon + 14);
}

}  // namespace

QWidget* MainWindow::buildCentral() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ui_central"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 6);
    layout->setSpacing(8);

    auto* body = new QHBoxLayout;
    body->setSpacing(10);
    body->addWidget(buildFlightColumn(central), 2);
    QStackedWidget* right = makePlace(central, model_.Frame_Mode, model_.Frame_FS_APT);
    buildFrameMode(right);
    buildFrameAirports(right);
    body->addWidget(right, 5);
    layout->addLayout(body, 1);

    // Foot: the credit line and the button that ends the work.
    auto* foot = new QHBoxLayout;
    auto* credit = make_.make<QLabel>("Lbl_CR", central);
    credit->setFont(scaled(credit->font(), 0.85));
    credit->setEnabled(false);
    foot->addWidget(credit, 1, Qt::AlignVCenter);
    auto* done = make_.make<QPushButton>("Cmd_OK2", central);
    done->setIcon(pictures::done());
    done->setIconSize(QSize(22, 22));
    done->setFixedSize(40, 34);
    foot->addWidget(done);
    layout->addLayout(foot);
    return central;
}

QWidget* MainWindow::buildFlightColumn(QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setObjectName(QStringLiteral("ui_flightColumn"));
    column->setMinimumWidth(360);
    column->setMaximumWidth(430);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    // Heading: the logo beside the program's name.
    auto* heading = new QHBoxLayout;
    heading->setSpacing(10);
    auto* logo = make_.make<QLabel>("Image1", column);
    logo->setPixmap(pictures::logo(48, devicePixelRatioF()));
    logo->setFixedSize(48, 48);
    heading->addWidget(logo);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    auto* name = new QLabel(QStringLiteral("Vellmaster"), column);
    name->setObjectName(QStringLiteral("ui_name"));
    name->setFont(scaled(name->font(), 1.6, true));
    names->addWidget(name);
    auto* tagline = new QLabel(tr("Flights, plans and briefings for FS 2002 and FS 2004"), column);
    tagline->setObjectName(QStringLiteral("ui_tagline"));
    tagline->setFont(scaled(tagline->font(), 0.9));
    tagline->setForegroundRole(QPalette::PlaceholderText);
    names->addWidget(tagline);
    heading->addLayout(names, 1);
    layout->addLayout(heading);

    // The flight and its plan.
    auto* flight = new QGroupBox(tr("Flight"), column);
    flight->setObjectName(QStringLiteral("ui_flight"));
    auto* grid = new QGridLayout(flight);
    auto* open = make_.make<QPushButton>("Cmd_Sel_FSFLT", flight);
    makeBig(open, pictures::openFlight());
    grid->addWidget(open, 0, 0, 1, 2);
    int row = 1;
    for (auto [label, field] : {std::pair{"Lbl_Sel_FSPath", "Txt_Sel_FSPath"},
                                std::pair{"Lbl_Sel_FSFLT", "Txt_Sel_FSFLT"},
                                std::pair{"Lbl_Sel_Flightplan", "Txt_Sel_Flightplan"}}) {
        auto* caption = make_.make<QLabel>(label, flight);
        QWidget* box = make_.make(field, flight);
        caption->setBuddy(box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(flight);

    // The briefing that goes with a copy.
    auto* briefing = new QGroupBox(tr("Briefing"), column);
    briefing->setObjectName(QStringLiteral("ui_briefing"));
    auto* brf = new QGridLayout(briefing);
    brf->addWidget(make_.make("Lbl_Sel_BRF", briefing), 0, 0);
    brf->addWidget(make_.make("Txt_Sel_BRF", briefing), 0, 1);
    brf->addWidget(make_.make("Cmd_Sel_BRF", briefing), 1, 0);
    brf->addWidget(make_.make("Chk_Auto_BRF", briefing), 1, 1);
    brf->setColumnStretch(1, 1);
    layout->addWidget(briefing);

    // The switches of the two other frames: airport notes and KIV import.
    auto* switches = new QHBoxLayout;
    auto* airports = make_.make<QToolButton>("Chk_FS_Apt", column);
    airports->setIcon(pictures::airportNotes());
    airports->setIconSize(QSize(24, 24));
    airports->setToolButtonStyle(Qt::ToolButtonIconOnly);
    airports->setFocusPolicy(Qt::StrongFocus);
    switches->addWidget(airports);
    switches->addSpacing(6);
    switches->addWidget(make_.make("Lbl_KivPln", column));
    switches->addWidget(make_.make("Chk_KIV", column));
    auto* patterns = make_.make<QListWidget>("Lst_pln_pat", column);
    patterns->setFlow(QListView::LeftToRight);
    patterns->setWrapping(false);
    patterns->setSpacing(2);
    patterns->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    patterns->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    patterns->setFixedHeight(patterns->fontMetrics().height() + 14);
    switches->addWidget(patterns, 1);
    layout->addLayout(switches);

    QStackedWidget* place = makePlace(column, model_.Frame1, model_.Frame_PLN_IMP);
    buildFrameFolders(place);
    buildFrameImport(place);
    layout->addWidget(place, 1);
    return column;
}

QWidget* MainWindow::buildFrameFolders(QStackedWidget* place) {
    auto* frame = make_.make<QGroupBox>("Frame1", place);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(make_.make("Dir1", frame));
    place->addWidget(frame);
    return frame;
}

QWidget* MainWindow::buildFrameImport(QStackedWidget* place) {
    auto* frame = make_.make<QGroupBox>("Frame_PLN_IMP", place);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(4);
    auto* plans = make_.make<QListWidget>("File_KIV", frame);
    plans->setMinimumHeight(plans->fontMetrics().lineSpacing() * 3 + 8);
    grid->addWidget(plans, 0, 0, 1, 3);
    auto* legs = make_.make<QLabel>("Lbl_LegICAO", frame);
    legs->setWordWrap(true);
    grid->addWidget(legs, 1, 0, 1, 3);
    grid->addWidget(make_.make("Label20", frame), 2, 0);
    grid->addWidget(make_.make("Txt_Section", frame), 2, 1, 1, 2);
    grid->addWidget(make_.make("Label21", frame), 3, 0);
    grid->addWidget(make_.make("Cbo_Pos", frame), 3, 1, 1, 2);
    grid->addWidget(make_.make("Lbl_Cru", frame), 4, 0);
    grid->addWidget(make_.make("Txt_CRU", frame), 4, 1, 1, 2);
    grid->addWidget(make_.make("Lbl_CARR", frame), 5, 0);
    grid->addWidget(make_.make("Txt_CARR", frame), 5, 1);
    grid->addWidget(make_.make("Chk_Carr", frame), 5, 2);
    grid->addWidget(make_.make("Lbl_FLTNR", frame), 6, 0);
    grid->addWidget(make_.make("Txt_KIV_FLTNR", frame), 6, 1, 1, 2);
    auto* import = make_.make<QPushButton>("Cmd_KIV", frame);
    import->setIcon(pictures::importPlan());
    import->setIconSize(QSize(20, 20));
    grid->addWidget(import, 7, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    place->addWidget(frame);
    return frame;
}

QWidget* MainWindow::buildFrameMode(QStackedWidget* place) {
    auto* frame = make_.make<QGroupBox>("Frame_Mode", place);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(6);

    // Versions and modes beside the file-name standard.
    auto* top = new QHBoxLayout;
    auto* modes = new QGridLayout;
    auto* heading = make_.make<QLabel>("Lbl_Main", frame);
    heading->setFont(scaled(heading->font(), 1.0, true));
    modes->addWidget(heading, 0, 0, 1, 2);
    auto* simulator = make_.make<QFrame>("Picture1", frame);
    auto* sims = new QHBoxLayout(simulator);
    sims->setContentsMargins(0, 0, 0, 0);
    sims->addWidget(make_.make("Opt_FS9", simulator));
    sims->addWidget(make_.make("Opt_FS8", simulator));
    sims->addStretch(1);
    modes->addWidget(simulator, 1, 0, 1, 2);
    modes->addWidget(make_.make("Opt_Vell(0)", frame), 2, 0);
    modes->addWidget(make_.make("Opt_Vell(1)", frame), 2, 1);
    modes->addWidget(make_.make("Lbl_FS_Vers", frame), 3, 0, 1, 2);
    modes->addWidget(make_.make("Lbl_PLN_Vers", frame), 4, 0, 1, 2);
    top->addLayout(modes, 1);

    auto* names = new QGridLayout;
    auto* standardTitle = make_.make<QLabel>("Lbl_Stand_title", frame);
    standardTitle->setFont(scaled(standardTitle->font(), 1.0, true));
    names->addWidget(standardTitle, 0, 0, 1, 2);
    auto* standard = make_.make<QLabel>("Lbl_Standard", frame);
    standard->setFrameShape(QFrame::StyledPanel);
    standard->setMinimumWidth(220);
    names->addWidget(standard, 1, 0, 1, 2);
    names->addWidget(make_.make("Lbl_Flt_Nr", frame), 2, 0);
    names->addWidget(narrow(make_.make("Txt_Flt_Nr", frame), 6), 2, 1);
    names->addWidget(make_.make("Lbl_CarICAO", frame), 3, 0);
    names->addWidget(make_.make("Txt_CarICAO", frame), 3, 1);
    names->setRowStretch(4, 1);
    top->addLayout(names, 1);
    layout->addLayout(top);
    layout->addWidget(separator(frame));

    // The flight's data.
    auto* data = new QGridLayout;
    data->setHorizontalSpacing(8);
    data->setVerticalSpacing(4);
    // Each caption names its box for the keyboard and for screen readers.
    auto wide = [&](int row, const char* label, const char* field) {
        auto* caption = make_.make<QLabel>(label, frame);
        QWidget* box = make_.make(field, frame);
        caption->setBuddy(box);
        data->addWidget(caption, row, 0);
        data->addWidget(box, row, 1, 1, 3);
    };
    auto pair = [&](int row, int column, const char* label, const char* field) {
        auto* caption = make_.make<QLabel>(label, frame);
        QWidget* box = make_.make(field, frame);
        caption->setBuddy(box);
        data->addWidget(caption, row, column);
        data->addWidget(box, row, column + 1);
    };
    wide(0, "Lbl_Title", "Txt_Title");
    wide(1, "Lbl_Description", "Txt_Description");
    wide(2, "Lbl_ACFT", "Txt_ACFT");
    pair(3, 0, "Lbl_DEPICAO", "Txt_DEP");
    pair(3, 2, "Lbl_DEPNAME", "Txt_DEPNAME");
    pair(4, 0, "Lbl_DESICAO", "Txt_DES");
    pair(4, 2, "Lbl_DESNAME", "Txt_DESNAME");
    pair(5, 0, "Lbl_POS", "Txt_POS");
    pair(5, 2, "Lbl_ERWY", "Txt_ERWY");
    pair(6, 0, "Lbl_DepartureTm", "Txt_DepartureTm");
    pair(6, 2, "Lbl_Cruise", "Txt_Cruise");
    pair(7, 0, "Lbl_GCDist", "Txt_GCDist");
    pair(7, 2, "Lbl_GDist", "Txt_GDist");
    pair(8, 0, "Lbl_EET", "Txt_EET");
    data->setColumnStretch(1, 2);
    data->setColumnStretch(3, 3);
    layout->addLayout(data);
    layout->addWidget(separator(frame));

    // Radios and autopilot: NAV 1 with the VOR 1 course, NAV 2 with the
    // heading, the ADF with the speed.
    auto* radios = new QGridLayout;
    radios->setHorizontalSpacing(8);
    radios->addWidget(make_.make("Chk_Freq", frame), 0, 0, 1, 6);
    auto radio = [&](int row, int column, const char* label, const char* field, int chars) {
        auto* caption = make_.make<QLabel>(label, frame);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        radios->addWidget(caption, row, column);
        QWidget* box = narrow(make_.make(field, frame), chars);
        caption->setBuddy(box);
        box->setFont(fixedPitchFont());
        radios->addWidget(box, row, column + 1);
    };
    radio(1, 0, "Lbl_Freq(0)", "Txt_Freq(0)", 7);
    radio(1, 2, "Lbl_Freq(1)", "Txt_Freq(1)", 7);
    radio(1, 4, "Lbl_CRS", "Txt_CRS", 4);
    radio(2, 0, "Lbl_Freq(2)", "Txt_Freq(2)", 7);
    radio(2, 2, "Lbl_Freq(3)", "Txt_Freq(3)", 7);
    radio(2, 4, "Lbl_HDG", "Txt_HDG", 4);
    radio(3, 0, "Lbl_Freq(4)", "Txt_Freq(4)", 7);
    radio(3, 4, "Lbl_SPD", "Txt_SPD", 4);
    radios->setColumnStretch(6, 1);
    layout->addLayout(radios);
    layout->addWidget(separator(frame));

    // The copy: what goes with it, the status line and the command.
    auto* options = new QHBoxLayout;
    options->addWidget(make_.make("Chk_APT_Data", frame));
    options->addWidget(make_.make("Chk_KeepPlan", frame));
    options->addWidget(make_.make("Chk_WX", frame));
    options->addStretch(1);
    layout->addLayout(options);

    auto* copy = new QHBoxLayout;
    auto* status = make_.make<QPlainTextEdit>("Txt_Status", frame);
    setDisplayLook(status);
    status->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    status->setFixedHeight(status->fontMetrics().lineSpacing() * 3 + 12);
    copy->addWidget(status, 1);
    auto* proceed = make_.make<QPushButton>("Cmd_PROC_COPY", frame);
    makeBig(proceed, pictures::copyFlight());
    proceed->setMinimumWidth(150);
    proceed->setFixedHeight(status->height());
    copy->addWidget(proceed);
    layout->addLayout(copy);
    layout->addStretch(1);

    place->addWidget(frame);
    return frame;
}

QWidget* MainWindow::buildFrameAirports(QStackedWidget* place) {
    auto* frame = make_.make<QGroupBox>("Frame_FS_APT", place);
    auto* grid = new QGridLayout(frame);

    auto* code = new QHBoxLayout;
    code->addWidget(make_.make("Lbl_APT_ICAO", frame));
    QWidget* icao = narrow(make_.make("Txt_APT_ICAO", frame), 5);
    icao->setFont(fixedPitchFont());
    code->addWidget(icao);
    code->addStretch(1);
    code->addWidget(make_.make("Cmd_APT_SAVE", frame));
    code->addWidget(make_.make("Cmd_APT_Clear", frame));
    grid->addLayout(code, 0, 0);
    grid->addWidget(make_.make("Txt_APT_DAT", frame), 1, 0, 3, 1);

    grid->addWidget(make_.make("Lbl_Stored", frame), 0, 1);
    auto* recent = make_.make<QListWidget>("Lst_Stored", frame);
    recent->setFont(fixedPitchFont());
    recent->setFixedWidth(recent->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")) + 36);
    grid->addWidget(recent, 1, 1);
    grid->addWidget(make_.make("Cmd_Recent_Clear", frame), 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);

    place->addWidget(frame);
    return frame;
}

}  // namespace vellgui
