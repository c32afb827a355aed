// Every field that a person sees has exactly one widget, in the widget of
// its container; every widget named like a field has its field; the
// menus and captions are the model's.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>

#include <cstdlib>

#include "gui_fixture.h"
#include "qt_text.h"
#include "texted_dialog.h"

namespace vellgui::test {

namespace {

bool ownName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
           !name.startsWith(QLatin1String("ui_"));
}

}  // namespace

TEST_F(WindowTest, EverySeenFieldHasOneWidgetAndEveryFieldNamedWidgetItsField) {
    EXPECT_TRUE(window->binder().missing().isEmpty())
        << window->binder().missing().join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(window->binder().ambiguous().isEmpty())
        << window->binder().ambiguous().join(QStringLiteral(", ")).toStdString();

    int seen = 0;
    for (vell::Field* field : model->fields()) {
        const auto found = window->findChildren<QObject*>(QString::fromStdString(field->name()));
        if (Binder::hasWidget(*field)) {
            ++seen;
            EXPECT_EQ(found.size(), 1) << field->name();
            EXPECT_NE(window->binder().binderOf(field), nullptr) << field->name();
        } else {
            // Working lists and the dialog component stay out of sight.
            EXPECT_EQ(found.size(), 0) << field->name();
        }
    }
    EXPECT_GT(seen, 100);

    for (QObject* object : window->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (!ownName(name) || !(object->isWidgetType() || qobject_cast<QAction*>(object)))
            continue;
        const vell::Field* field = model->find(name.toStdString());
        ASSERT_NE(field, nullptr) << "widget without field: " << name.toStdString();
        EXPECT_TRUE(Binder::hasWidget(*field)) << name.toStdString();
    }
}

TEST_F(WindowTest, FieldsSitInTheWidgetsOfTheirContainers) {
    const Binder& binder = window->binder();
    for (vell::Field* field : model->fields()) {
        QWidget* widget = binder.widgetOf(field);
        if (!widget) continue;
        // The nearest enclosing widget that shows a frame of the model.
        QWidget* enclosing = widget->parentWidget();
        while (enclosing && !(ownName(enclosing->objectName()) &&
                              model->find(enclosing->objectName().toStdString())))
            enclosing = enclosing->parentWidget();
        if (enclosing == window.get()) enclosing = nullptr;
        EXPECT_EQ(enclosing, binder.widgetOf(field->container())) << field->name();
    }
}

TEST_F(WindowTest, MenusCarryTheModelsCaptionsInItsOrder) {
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(model->menuBar().size()));
    for (qsizetype i = 0; i < bar.size(); ++i) {
        const vell::MenuItem* top = model->menuBar()[static_cast<std::size_t>(i)];
        // Trailing blanks included: "FILE" and 13 blanks.
        EXPECT_EQ(bar[i]->text(), toQt(top->caption()));
        QMenu* menu = bar[i]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName().toStdString(), top->name());
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(top->children().size()));
        for (qsizetype j = 0; j < items.size(); ++j) {
            const vell::MenuItem* item = top->children()[static_cast<std::size_t>(j)];
            EXPECT_EQ(items[j]->objectName().toStdString(), item->name());
            EXPECT_EQ(items[j]->isSeparator(), item->separator()) << item->name();
            if (!item->separator()) {
                EXPECT_EQ(items[j]->text(), toQt(item->caption()));
            }
        }
    }
    EXPECT_EQ(bar[0]->text(), QStringLiteral("FILE") + QString(13, QLatin1Char(' ')));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mnu_Apt_save"))->text(),
              QStringLiteral("Save  Airport Set"));
}

TEST_F(WindowTest, CaptionsTooltipsAndLooksFollowTheModel) {
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("FS 2002/4 - VELLMASTER for Flights and Plans with KIV Support.."));
    EXPECT_EQ(widget<QAbstractButton>("Cmd_Sel_FSFLT")->text(), QStringLiteral("&OPEN Flight"));
    EXPECT_EQ(widget<QAbstractButton>("Cmd_Sel_FSFLT")->toolTip(),
              QStringLiteral("Select here your created Flight in FS 2002/4 to copy .."));
    EXPECT_EQ(widget<QAbstractButton>("Cmd_OK2")->toolTip(), QStringLiteral("All Done! .."));
    EXPECT_FALSE(widget<QAbstractButton>("Cmd_OK2")->icon().isNull());
    EXPECT_FALSE(widget<QAbstractButton>("Chk_FS_Apt")->icon().isNull());
    EXPECT_EQ(widget<QLabel>("Lbl_Freq(4)")->text(), QStringLiteral("ADF :"));

    // Column-aligned notes in a fixed-pitch font; display fields read-only.
    EXPECT_TRUE(QFontInfo(widget<QPlainTextEdit>("Txt_APT_DAT")->font()).fixedPitch());
    for (const char* name : {"Txt_DEP", "Txt_DES", "Txt_GCDist", "Txt_Sel_FSFLT"})
        EXPECT_TRUE(widget<QLineEdit>(name)->isReadOnly()) << name;
    // The status line keeps the display background.
    const QPalette status = widget<QPlainTextEdit>("Txt_Status")->palette();
    EXPECT_EQ(status.color(QPalette::Base), status.color(QPalette::Window));
    EXPECT_FALSE(widget<QLineEdit>("Txt_Title")->isReadOnly());
}

TEST_F(WindowTest, WindowStartsCentred) {
    // Centred with its frame in the free area of the screen; along a side
    // where even the least size does not fit (the offscreen screen is
    // narrower than the window), the frame starts at the area's edge so the
    // title bar stays reachable.
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.width() <= screen.width())
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 2);
    else
        EXPECT_EQ(frame.left(), screen.left());
    if (frame.height() <= screen.height())
        EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 2);
    else
        EXPECT_EQ(frame.top(), screen.top());
}

TEST(TextedDialog, EveryFieldHasOneWidget) {
    vell::Frm_TEXTED model;
    TextedDialog dialog(model, nullptr);
    EXPECT_TRUE(dialog.binder().missing().isEmpty());
    EXPECT_TRUE(dialog.binder().ambiguous().isEmpty());
    for (vell::Field* field : model.fields())
        EXPECT_EQ(dialog.findChildren<QObject*>(QString::fromStdString(field->name())).size(), 1)
            << field->name();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("EDIT DESCR.TXT..."));
}

}  // namespace vellgui::test
