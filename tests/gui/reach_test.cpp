// The window within reach of eyes and screen readers: it fits the screen's
// free area whatever the screen and scale, and scrolls its fields to the
// copy command; every field is named; a long path shows its last folder.
#include <map>

#include "gui_fixture.h"
#include "qt_text.h"
#include "screen_fit.h"
#include "window/form_layout.h"

namespace vellgui::test {

// Within the free area, frame included, centred; a window that cannot fit
// keeps its title bar on the screen. The real window fits whatever the
// screen and its scale (run again at 125% and 150% on 1366 x 768 and
// 1920 x 1080): below the least size of its fields it scrolls them, and the
// status line and the copy command can be brought into sight and clicked.
TEST_F(WindowTest, TheWindowFitsTheFreeAreaOfTheScreenAndTheCopyStaysWithinReach) {
    using Case = std::tuple<QRect, QSize, QSize, QRect>;  // free area, wanted, least: client
    for (const auto& [available, wanted, least, client] :
         {Case{{0, 0, 1366, 740}, {1040, 820}, {900, 600}, {163, 32, 1040, 704}},
          Case{{0, 32, 1366, 736}, {1040, 720}, {900, 600}, {163, 64, 1040, 700}},
          Case{{1920, 0, 1366, 740}, {1400, 900}, {}, {1924, 32, 1358, 704}},
          Case{{0, 0, 800, 600}, {1040, 820}, {900, 700}, {4, 32, 900, 700}}})
        EXPECT_EQ(fittedClientGeometry(available, wanted, least, {4, 32, 4, 4}), client);
    const QRect free = window->screen()->availableGeometry(), outer = window->frameGeometry();
    RecordProperty("frame", QStringLiteral("%1 %2 %3x%4 on %5x%6 at %7")
                                .arg(outer.x()).arg(outer.y()).arg(outer.width())
                                .arg(outer.height()).arg(free.width()).arg(free.height())
                                .arg(window->devicePixelRatio()).toStdString());
    EXPECT_TRUE(free.contains(outer)) << outer.bottom() << " below " << free.bottom();
    const QPoint off = outer.center() - free.center();
    EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 2);
    for (const char* name : {"Txt_Status", "Cmd_PROC_COPY"}) {
        window->scrollArea()->ensureWidgetVisible(widget(name));
        const QRect shown(widget(name)->mapTo(window.get(), QPoint()), widget(name)->size());
        EXPECT_TRUE(window->rect().contains(shown.center())) << name;
        QWidget* found = window->childAt(shown.center());  // a box's viewport is its own
        EXPECT_TRUE(found == widget(name) || widget(name)->isAncestorOf(found)) << name;
    }
    model->Cmd_PROC_COPY.setEnabled(true);
    int copies = 0;
    model->Cmd_PROC_COPY.Click = [&copies] { ++copies; };
    click("Cmd_PROC_COPY");
    EXPECT_EQ(copies, 1);
}

// What a screen reader announces: each seen field by the caption of its
// label (whose access key moves to the field), else its own caption or
// tooltip, the folder tree by its frame; never empty, never the caption of
// the frame around it, no two alike in one frame.
TEST_F(WindowTest, EverySeenFieldHasARecognisableNameOfItsOwnInItsFrame) {
    std::map<QWidget*, QStringList> namesPerFrame;
    for (vell::Field* field : model->fields()) {
        QWidget* shown = window->binder().widgetOf(field);
        if (!shown || field->kind() == vell::FieldKind::Frame ||
            field->kind() == vell::FieldKind::Label)
            continue;  // read as the captions they show
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(shown);
        ASSERT_NE(read, nullptr) << field->name();
        const QString name = read->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << field->name();
        QWidget* frame = window->binder().widgetOf(field->container());
        if (auto* box = qobject_cast<QGroupBox*>(frame);
            box && field->kind() != vell::FieldKind::FolderList) {
            EXPECT_NE(name, box->title().remove(u'&').trimmed()) << field->name();
        }
        EXPECT_FALSE(namesPerFrame[frame].contains(name))
            << field->name() << ": " << name.toStdString();
        namesPerFrame[frame] << name;
    }
    for (const vell::form::Naming& naming : vell::form::namings()) {
        const std::string label(naming.label), field(naming.field);
        if (auto* caption = widget<QLabel>(label.c_str())) {
            EXPECT_EQ(caption->buddy(), widget(field.c_str())) << label;
        }
    }
    const auto nameOf = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(widget(name))->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf("Txt_Sel_FSPath"), QStringLiteral("Path to Flight :"));
    EXPECT_EQ(nameOf("Cmd_PROC_COPY"), QStringLiteral("COPY Flight"));
    model->Cmd_Sel_BRF.setCaption("&Select KIV outfile..");  // a caption the program changes
    EXPECT_EQ(nameOf("Cmd_Sel_BRF"), QStringLiteral("Select KIV outfile.."));
}

// A display field whose text is longer than the box shows the text's end,
// the folder where the flight lies; the whole text stays in the box.
TEST_F(WindowTest, ALongPathShowsItsLastFolder) {
    const std::string path =
        "C:\\Documents and Settings\\All Users\\Documents\\Microsoft Games\\"
        "Flight Simulator 9\\Saved Flights\\Summer 2004\\Flight Simulator Files";
    model->Txt_Sel_FSPath.setText(path);
    auto* box = widget<QLineEdit>("Txt_Sel_FSPath");
    EXPECT_EQ(box->text(), toQt(path));
    EXPECT_GT(box->fontMetrics().horizontalAdvance(box->text()), box->width());
    box->grab();  // the box scrolls its text when drawn
    EXPECT_EQ(box->cursorPosition(), box->text().size());
    const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(box->rect().contains(cursor.center())) << cursor.x() << " of " << box->width();
}

}  // namespace vellgui::test
