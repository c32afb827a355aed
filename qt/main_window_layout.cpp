// Where the fields of the main window sit: the window walks the boxes of the
// shared table (window/form_layout.h) and makes each field's widget in its
// cell, in the table's order, which is also the order the keyboard walks.
// The frames that share a place are pages of one stack.
#include <QAbstractButton>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "main_window.h"
#include "pictures.h"
#include "window/form_layout.h"
#include "window/frm_vell13.h"

namespace vellgui {

namespace form = vell::form;

namespace {

QString toName(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

QIcon iconOf(form::Picture picture) {
    switch (picture) {
    case form::Picture::OpenFlight: return pictures::openFlight();
    case form::Picture::CopyFlight: return pictures::copyFlight();
    case form::Picture::AirportNotes: return pictures::airportNotes();
    case form::Picture::ImportPlan: return pictures::importPlan();
    case form::Picture::Done: return pictures::done();
    case form::Picture::None:
    case form::Picture::Logo: break;
    }
    return {};
}

// The logo in an image; the small picture of a graphical button, which a
// push button with a caption gets room for.
void showPicture(QWidget* widget, form::ButtonPicture picture) {
    const int size = picture.size;
    if (auto* image = qobject_cast<QLabel*>(widget)) {
        image->setPixmap(pictures::logo(size, image->devicePixelRatioF()));
        image->setFixedSize(size, size);
        return;
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button) return;
    button->setIcon(iconOf(picture.picture));
    button->setIconSize(QSize(size, size));
    if (auto* tool = qobject_cast<QToolButton*>(button)) {
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
        tool->setFocusPolicy(Qt::StrongFocus);
    } else {
        button->setMinimumHeight(size + 14);
    }
}

void applyLook(QWidget* widget, form::Look look) {
    switch (look) {
    case form::Look::Plain: break;
    case form::Look::Bold: widget->setFont(scaled(widget->font(), 1.0, true)); break;
    case form::Look::Small:
        // The binder mirrors the field's enabled state, so the line is kept
        // quiet by its colour rather than by being disabled.
        widget->setFont(scaled(widget->font(), 0.85));
        widget->setForegroundRole(QPalette::PlaceholderText);
        break;
    case form::Look::Fixed: widget->setFont(fixedPitchFont()); break;
    case form::Look::Panel:
        if (auto* frame = qobject_cast<QFrame*>(widget)) frame->setFrameShape(QFrame::StyledPanel);
        break;
    case form::Look::Strip:
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            list->setFlow(QListView::LeftToRight);
            list->setWrapping(false);
            list->setSpacing(2);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            list->setFixedHeight(list->fontMetrics().height() + 14);
        }
        break;
    }
}

// Widths in characters of the widget's font: a text box for a few
// characters grows no wider, a list keeps its width, anything else asks for
// at least that much. Heights in lines: fixed, or the least of a growing row.
void applySize(QWidget* widget, const form::Cell& cell, bool grows) {
    const int digit = widget->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    if (cell.chars > 0) {
        const int width = digit * (cell.chars + 2) + 12;
        if (qobject_cast<QLineEdit*>(widget))
            widget->setMaximumWidth(width);
        else if (qobject_cast<QListWidget*>(widget))
            widget->setFixedWidth(width);
        else
            widget->setMinimumWidth(digit * cell.chars);
    }
    if (cell.lines > 1) {
        const int height = widget->fontMetrics().lineSpacing() * cell.lines + 12;
        if (grows) {
            widget->setMinimumHeight(height);
        } else {
            widget->setFixedHeight(height);
            // A box of a few lines that keeps its height shows running
            // messages: it scrolls only when it must.
            if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
                setDisplayLook(lines);
                lines->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            }
        }
    }
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
    layout->addLayout(body, 1);

    // The flight column left, the main place right of it.
    auto* column = new QWidget(central);
    column->setObjectName(QStringLiteral("ui_flightColumn"));
    column->setMinimumWidth(360);
    column->setMaximumWidth(430);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(8);
    body->addWidget(column, 2);

    QStackedWidget* flightPlace = nullptr;
    QStackedWidget* mainPlace = nullptr;
    auto placeOf = [&](form::Region region, QWidget* parent) {
        std::vector<vell::Frame*> frames;
        for (const form::Box& box : form::mainWindowBoxes()) {
            if (box.region == region) frames.push_back(&frameOf(box.frame));
        }
        return makePlace(parent, frames);
    };
    for (const form::Box& box : form::mainWindowBoxes()) {
        switch (box.region) {
        case form::Region::Heading: columnLayout->addLayout(buildHeading(box, column)); break;
        case form::Region::Flight: columnLayout->addWidget(buildBox(box, column)); break;
        case form::Region::FlightPlace:
            if (!flightPlace) {
                flightPlace = placeOf(box.region, column);
                columnLayout->addWidget(flightPlace, 1);
            }
            flightPlace->addWidget(buildBox(box, flightPlace));
            break;
        case form::Region::MainPlace:
            if (!mainPlace) {
                mainPlace = placeOf(box.region, central);
                body->addWidget(mainPlace, 5);
            }
            mainPlace->addWidget(buildBox(box, mainPlace));
            break;
        case form::Region::Foot: layout->addWidget(buildBox(box, central)); break;
        case form::Region::Inside: break;  // made in the cell that names its frame
        }
    }

    // Each caption names its field for the keyboard and for screen readers.
    for (const form::Naming& naming : form::namings()) {
        auto* label = central->findChild<QLabel*>(toName(naming.label));
        QWidget* field = central->findChild<QWidget*>(toName(naming.field));
        if (label && field) label->setBuddy(field);
    }
    return central;
}

QLayout* MainWindow::buildHeading(const form::Box& box, QWidget* parent) {
    // The logo beside the program's name.
    auto* heading = new QHBoxLayout;
    heading->setSpacing(10);
    heading->addWidget(buildBox(box, parent));
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    auto* name = new QLabel(toName(form::kProgramName), parent);
    name->setObjectName(QStringLiteral("ui_name"));
    name->setFont(scaled(name->font(), 1.6, true));
    names->addWidget(name);
    auto* tagline = new QLabel(toName(form::kTagline), parent);
    tagline->setObjectName(QStringLiteral("ui_tagline"));
    tagline->setFont(scaled(tagline->font(), 0.9));
    tagline->setForegroundRole(QPalette::PlaceholderText);
    names->addWidget(tagline);
    heading->addLayout(names, 1);
    return heading;
}

QWidget* MainWindow::buildBox(const form::Box& box, QWidget* parent) {
    QWidget* widget = nullptr;
    if (!box.frame.empty()) {
        widget = make_.make(box.frame, parent);
    } else if (!box.title.empty()) {
        widget = new QGroupBox(toName(box.title), parent);
        widget->setObjectName(QStringLiteral("ui_") + toName(box.title).toLower());
    } else {
        widget = new QWidget(parent);
        widget->setObjectName(QStringLiteral("ui_box"));
    }
    fillBox(box, widget);
    return widget;
}

void MainWindow::fillBox(const form::Box& box, QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setSpacing(6);
    if (!qobject_cast<QGroupBox*>(widget)) layout->setContentsMargins(0, 0, 0, 0);
    bool grown = false;
    for (const form::Grid& grid : box.grids) {
        auto* cells = new QGridLayout;
        cells->setHorizontalSpacing(8);
        cells->setVerticalSpacing(4);
        layout->addLayout(cells, grid.growRow >= 0 ? 1 : 0);
        buildGrid(grid, widget, cells);
        grown = grown || grid.growRow >= 0;
        if (grid.ruleBelow) layout->addWidget(separator(widget));
    }
    if (box.grows && !grown) layout->addStretch(1);
}

void MainWindow::buildGrid(const form::Grid& grid, QWidget* parent, QGridLayout* layout) {
    int columns = static_cast<int>(grid.stretch.size());
    for (const form::Cell& cell : grid.cells) columns = std::max(columns, cell.column + cell.columnSpan);
    for (std::size_t i = 0; i < grid.cells.size(); ++i) {
        const form::Cell& cell = grid.cells[i];
        const bool grows = cell.row <= grid.growRow && grid.growRow < cell.row + cell.rowSpan;
        QWidget* widget = buildCell(cell, parent, grows);
        if (auto* label = qobject_cast<QLabel*>(widget); label && !cell.namesNext) {
            // A line of text across its whole grid wraps within it.
            if (cell.look == form::Look::Plain && cell.columnSpan == columns) label->setWordWrap(true);
        } else if (label && i + 1 < grid.cells.size()) {
            // A caption stands close to the column-aligned box beside it.
            const form::Cell& named = grid.cells[i + 1];
            if (named.look == form::Look::Fixed && named.row == cell.row)
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        layout->addWidget(widget, cell.row, cell.column, cell.rowSpan, cell.columnSpan);
    }
    for (std::size_t i = 0; i < grid.stretch.size(); ++i)
        layout->setColumnStretch(static_cast<int>(i), grid.stretch[i]);
    if (grid.growRow >= 0) layout->setRowStretch(grid.growRow, 1);
}

QWidget* MainWindow::buildCell(const form::Cell& cell, QWidget* parent, bool grows) {
    QWidget* widget = make_.make(cell.field, parent);
    applyLook(widget, cell.look);
    if (const form::ButtonPicture picture = form::pictureOf(cell.field);
        picture.picture != form::Picture::None)
        showPicture(widget, picture);
    applySize(widget, cell, grows);
    // A frame inside this box holds the fields of its own box.
    if (const std::size_t inside = form::insideBoxOf(cell); inside < form::mainWindowBoxes().size())
        fillBox(form::mainWindowBoxes()[inside], widget);
    return widget;
}

vell::Frame& MainWindow::frameOf(std::string_view name) {
    auto* frame = dynamic_cast<vell::Frame*>(model_.find(name));
    if (!frame) throw std::logic_error("the window has no frame " + std::string(name));
    return *frame;
}

}  // namespace vellgui
