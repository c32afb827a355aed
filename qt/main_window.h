// The main window: menus built from the model's menu tree, the fields laid
// out in their frames, the two shared places as stacks, and the window's
// own state (frame in front, keyboard input, busy pointer, closing)
// mirrored from the model.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QTimer>

#include <memory>
#include <string_view>
#include <vector>

#include "binder.h"
#include "widget_factory.h"

class QGridLayout;
class QLayout;
class QScrollArea;
class QStackedWidget;

namespace vell {
class Frm_Vell13;
class Frame;
namespace form {
struct Box;
struct Grid;
struct Cell;
}  // namespace form
}  // namespace vell

namespace vellgui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(vell::Frm_Vell13& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    vell::Frm_Vell13& model() const { return model_; }
    Binder& binder() const { return *binder_; }
    // The area that scrolls the fields when the window is smaller than they need.
    QScrollArea* scrollArea() const { return scroll_; }
    // The stacks that show one frame of a shared place each.
    const QList<QStackedWidget*>& places() const { return places_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    // The size the fields ask for, the menu bar included.
    QSize wantedSize() const;
    // Each seen field's name for screen readers.
    void nameFields();
    // The central widget with every field in its cell, walked from the
    // window's table of boxes (main_window_layout.cpp).
    QWidget* buildCentral();
    QLayout* buildHeading(const vell::form::Box& box, QWidget* parent);
    QWidget* buildBox(const vell::form::Box& box, QWidget* parent);
    void fillBox(const vell::form::Box& box, QWidget* widget);
    void buildGrid(const vell::form::Grid& grid, QWidget* parent, QGridLayout* layout);
    QWidget* buildCell(const vell::form::Cell& cell, QWidget* parent, bool grows);
    vell::Frame& frameOf(std::string_view name);
    // A stack whose pages are the frames that share one place.
    QStackedWidget* makePlace(QWidget* parent, const std::vector<vell::Frame*>& frames);

    // The help key (F1) and the menu key (F10).
    void addKeyboardActions();
    void mirrorWindowState();
    // Sized and centred within the screen's free area, frame included.
    void centreOnScreen();
    void refitToFrame();
    void watchForFrame();
    // The frame's margins as the desktop has told them (none before).
    QMargins knownFrameMargins() const;

    vell::Frm_Vell13& model_;
    WidgetFactory make_;
    std::unique_ptr<Binder> binder_;
    QWidget* content_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QList<QStackedWidget*> places_;
    bool busyShown_ = false;
    bool centred_ = false;
    bool refitted_ = false;
    QTimer frameWatch_;
    int frameLooks_ = 0;
};

}  // namespace vellgui
