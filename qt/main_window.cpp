#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QWindowStateChangeEvent>

#include "pictures.h"
#include "qt_text.h"
#include "screen_fit.h"
#include "window/accessible_name.h"
#include "window/form_layout.h"
#include "window/frm_vell13.h"

namespace vellgui {

namespace {

// Adds the items of a menu of the model, named after their fields.
void addItems(QMenu* menu, const vell::MenuItem& parent) {
    for (const vell::MenuItem* item : parent.children()) {
        const QString name = QString::fromStdString(item->name());
        if (!item->children().empty()) {
            QMenu* sub = menu->addMenu(QString());
            sub->setObjectName(name);
            addItems(sub, *item);
            continue;
        }
        QAction* action = item->separator() ? menu->addSeparator() : menu->addAction(QString());
        action->setObjectName(name);
    }
}

}  // namespace

MainWindow::MainWindow(vell::Frm_Vell13& model, QWidget* parent)
    : QMainWindow(parent), model_(model),
      make_([&model](std::string_view name) { return model.find(name); }) {
    setObjectName(QStringLiteral("Frm_Vell13"));
    setWindowTitle(toQt(model.caption));
    setWindowIcon(pictures::appIcon());
    buildMenus();
    // Below the least size of its fields the window scrolls them, so that
    // the status line and the copy command stay within reach on a small or
    // scaled screen.
    content_ = buildCentral();
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ui_scroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(content_);
    setCentralWidget(scroll_);

    BindContext context;
    context.previewKey = [this](vell::Field& field, int keyAscii) {
        return model_.previewKey(field, keyAscii);
    };
    context.focusIn = [this](vell::Field& field) {
        if (model_.focus() != &field) model_.setFocus(&field);
    };
    binder_ = std::make_unique<Binder>(this, std::move(context));
    binder_->bind(model_.fields());
    nameFields();

    // Wide enough for a line of airport notes; never larger than the
    // screen's free area, frame included.
    ensurePolished();
    QSize size = wantedSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        size =
            fittedClientGeometry(screen->availableGeometry(), size, QSize(), assumedFrameMargins())
                .size();
    }
    resize(size);
    addKeyboardActions();

    QPointer<MainWindow> guard(this);
    model_.addObserver([guard] {
        if (guard) guard->mirrorWindowState();
    });
    mirrorWindowState();
}

MainWindow::~MainWindow() {
    if (busyShown_) QApplication::restoreOverrideCursor();
}

QSize MainWindow::wantedSize() const {
    // What the fields ask for with the menu bar above them; the scroll area
    // itself would ask for less.
    const QSize fields = content_->sizeHint();
    return QSize(fields.width(), fields.height() + menuBar()->sizeHint().height())
        .expandedTo(QSize(1040, 0));
}

void MainWindow::nameFields() {
    // Screen readers announce each field by the label beside it (the same
    // names in every front end), never by the frame around it.
    for (vell::Field* field : model_.fields()) {
        // Frames and labels are read as the captions they show.
        if (field->kind() == vell::FieldKind::Frame || field->kind() == vell::FieldKind::Label)
            continue;
        QWidget* widget = binder_->widgetOf(field);
        if (!widget) continue;
        // A button with a caption of its own is read by that caption, which
        // the program may change (the briefing button's).
        const auto* captioned = dynamic_cast<const vell::CaptionField*>(field);
        if (captioned && !captioned->caption().empty() &&
            vell::form::labelOf(field->name()).empty())
            continue;
        const QString name = toQt(vell::accessibleNameOf(model_, *field));
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
    }
}

void MainWindow::buildMenus() {
    for (const vell::MenuItem* top : model_.menuBar()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromStdString(top->name()));
        addItems(menu, *top);
    }
}

QStackedWidget* MainWindow::makePlace(QWidget* parent, const std::vector<vell::Frame*>& frames) {
    auto* place = new QStackedWidget(parent);
    QStringList names;
    for (const vell::Frame* frame : frames) names << QString::fromStdString(frame->name());
    place->setObjectName(QStringLiteral("ui_place_") + names.value(0));
    place->setProperty("vellFrames", names);
    places_.append(place);
    return place;
}

void MainWindow::mirrorWindowState() {
    // The frame in front of each shared place.
    for (QStackedWidget* place : std::as_const(places_)) {
        for (int i = 0; i < place->count(); ++i) {
            QWidget* page = place->widget(i);
            auto* frame = dynamic_cast<vell::Frame*>(model_.find(page->objectName().toStdString()));
            if (frame && model_.inFront(*frame)) {
                place->setCurrentIndex(i);
                break;
            }
        }
    }

    // The keyboard input, scrolled into sight.
    if (QWidget* focus = binder_->widgetOf(model_.focus())) {
        if (QApplication::focusWidget() != focus && focus->isEnabled()) {
            focus->setFocus(Qt::OtherFocusReason);
            if (content_->isAncestorOf(focus)) scroll_->ensureWidgetVisible(focus);
        }
    }

    // The busy pointer.
    if (model_.busy() != busyShown_) {
        busyShown_ = model_.busy();
        if (busyShown_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }

    // Closed by the program (the "All Done!" button): the window follows
    // once the handler has returned.
    if (model_.closed() && isVisible()) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::addKeyboardActions() {
    // F1 asks for the help wherever the keyboard input is.
    auto* help = new QAction(this);
    help->setObjectName(QStringLiteral("ui_helpKey"));
    help->setShortcut(QKeySequence::HelpContents);
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, [this] { model_.helpKey(); });
    addAction(help);

    // F10 opens the first menu, as the desktops do; Alt alone is the menu
    // bar's own.
    auto* menus = new QAction(this);
    menus->setObjectName(QStringLiteral("ui_menuKey"));
    menus->setShortcut(QKeySequence(Qt::Key_F10));
    menus->setShortcutContext(Qt::WindowShortcut);
    connect(menus, &QAction::triggered, this, [this] {
        const QList<QAction*> tops = menuBar()->actions();
        for (QAction* top : tops) {
            if (top->isVisible() && top->isEnabled()) {
                menuBar()->setActiveAction(top);
                break;
            }
        }
    });
    addAction(menus);
}

QMargins MainWindow::knownFrameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    if (!screen) return;
    // The texts that start-up put into the fields may have widened the
    // layout: settle it first, so the window is centred at its final size.
    ensurePolished();
    if (content_->layout()) content_->layout()->activate();
    // Before the desktop has drawn the frame its size is not known: a
    // common one is assumed, and the window is fitted again should the
    // real frame not fit.
    const QMargins known = knownFrameMargins();
    const QMargins frame = known.isNull() ? assumedFrameMargins() : known;
    const QRect client =
        fittedClientGeometry(screen->availableGeometry(), wantedSize(), minimumSizeHint(), frame);
    resize(client.size());
    // A window's position is that of its frame, as far as the frame is
    // known; an unknown one counts as none.
    move(client.topLeft() - QPoint(known.left(), known.top()));
}

void MainWindow::refitToFrame() {
    // Once the desktop has drawn the frame, its real size is known: a frame
    // that then sticks out of the free area is fitted again, once.
    if (refitted_ || !centred_ || !isVisible()) return;
    const QRect frame = frameGeometry();
    if (frame == geometry()) return;
    refitted_ = true;
    frameWatch_.stop();
    const QScreen* screen = this->screen();
    if (screen && !screen->availableGeometry().contains(frame)) centreOnScreen();
}

void MainWindow::watchForFrame() {
    // The desktop tells the frame's size some time after the window is
    // shown, without an event of its own: looked for a few times.
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        if (++frameLooks_ >= 40) frameWatch_.stop();
        refitToFrame();
    });
    frameWatch_.start();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close is never refused; the model's unload runs once.
    if (!model_.closed()) model_.close();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        nameFields();  // the captions that start-up gave the labels
        centreOnScreen();
        watchForFrame();
    }
    mirrorWindowState();
    model_.resize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) model_.resize();
    refitToFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    refitToFrame();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        // Restored from the task bar.
        if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized))
            model_.resize();
    }
}

}  // namespace vellgui
