#include "binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QWidget>

#include "field_binders.h"
#include "qt_text.h"

namespace vellgui {

namespace {

// The character code a key press types, as the key preview sees it: Enter
// is 13, a printable character its Windows-1252 code; 0 for keys that type
// nothing (arrows, Backspace, shortcuts with Ctrl or Alt).
int keyAsciiOf(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return 13;
    const QString text = key.text();
    if (text.isEmpty()) return 0;
    const QChar first = text.at(0);
    if (first.unicode() < 0x20 || first.unicode() == 0x7f) return 0;
    const std::string bytes = fromQt(text.left(first.isHighSurrogate() ? 2 : 1));
    return bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]);
}

}  // namespace

FieldBinder::FieldBinder(vell::Field& field, QObject* target, const BindContext& context)
    : field_(field), target_(target), context_(context) {}

QWidget* FieldBinder::widget() const {
    return qobject_cast<QWidget*>(target_.data());
}

void FieldBinder::mirror() {
    if (!target_) return;
    if (QWidget* w = widget()) {
        const QSignalBlocker block(w);
        w->setEnabled(field_.enabled());
        if (followsVisible() && w->isHidden() == field_.visible()) w->setVisible(field_.visible());
        w->setToolTip(toQt(field_.tooltip()));
    }
    mirrorOwn();
}

void FieldBinder::forward(const std::function<void()>& action) {
    action();
    if (context_.afterAction) context_.afterAction();
    mirror();
}

void FieldBinder::watch(QObject* object) {
    object->installEventFilter(this);
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && context_.previewKey) {
        const int typed = keyAsciiOf(*static_cast<QKeyEvent*>(event));
        if (typed != 0) {
            const int result = context_.previewKey(field_, typed);
            if (result != typed) {
                // Dropped or replaced by a handler: the widget never sees
                // the original key.
                if (result != 0) insertCharacter(result);
                if (context_.afterAction) context_.afterAction();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn && context_.focusIn) {
        context_.focusIn(field_);
    }
    return QObject::eventFilter(watched, event);
}

Binder::Binder(QObject* root, BindContext context, QObject* parent)
    : QObject(parent), root_(root), context_(std::move(context)) {}

Binder::~Binder() = default;

bool Binder::hasWidget(const vell::Field& field) {
    return !field.working() && field.kind() != vell::FieldKind::DialogComponent;
}

void Binder::bind(const std::vector<vell::Field*>& fields) {
    QHash<QString, QList<QObject*>> named;
    for (QObject* object : root_->findChildren<QObject*>()) {
        if (!object->objectName().isEmpty()) named[object->objectName()].append(object);
    }
    for (vell::Field* field : fields) {
        if (!hasWidget(*field)) continue;
        const QString name = QString::fromStdString(field->name());
        const QList<QObject*> found = named.value(name);
        if (found.isEmpty()) {
            missing_ << name;
            continue;
        }
        if (found.size() > 1) {
            ambiguous_ << name;
            continue;
        }
        std::unique_ptr<FieldBinder> binder = make(*field, found.front());
        if (!binder) {
            missing_ << name + QStringLiteral(" (a ") +
                            QString::fromLatin1(found.front()->metaObject()->className()) +
                            QStringLiteral(" cannot show it)");
            continue;
        }
        QPointer<FieldBinder> guard(binder.get());
        field->addObserver([guard](vell::Field&) {
            if (guard) guard->mirror();
        });
        byField_.insert(field, binder.get());
        binders_.push_back(std::move(binder));
    }
    mirrorAll();
}

void Binder::mirrorAll() {
    for (auto& binder : binders_) binder->mirror();
}

FieldBinder* Binder::binderOf(const vell::Field* field) const {
    return byField_.value(field, nullptr);
}

QWidget* Binder::widgetOf(const vell::Field* field) const {
    FieldBinder* binder = binderOf(field);
    return binder ? binder->widget() : nullptr;
}

std::unique_ptr<FieldBinder> Binder::make(vell::Field& field, QObject* target) {
    using vell::FieldKind;
    switch (field.kind()) {
    case FieldKind::TextBox: {
        auto& box = static_cast<vell::TextBox&>(field);
        if (auto* line = qobject_cast<QLineEdit*>(target))
            return std::make_unique<TextBinder>(box, line, context_);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(target))
            return std::make_unique<TextBinder>(box, lines, context_);
        break;
    }
    case FieldKind::Label:
        if (auto* label = qobject_cast<QLabel*>(target))
            return std::make_unique<LabelBinder>(static_cast<vell::Label&>(field), label, context_);
        break;
    case FieldKind::CheckBox:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            return std::make_unique<CheckBinder>(static_cast<vell::CheckBox&>(field), button,
                                                 context_);
        break;
    case FieldKind::OptionButton:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            return std::make_unique<OptionBinder>(static_cast<vell::OptionButton&>(field), button,
                                                  context_);
        break;
    case FieldKind::CommandButton:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            return std::make_unique<CommandBinder>(static_cast<vell::CommandButton&>(field),
                                                   button, context_);
        break;
    case FieldKind::ListBox:
    case FieldKind::FileList:
        if (auto* list = qobject_cast<QListWidget*>(target))
            return std::make_unique<ListBinder>(static_cast<vell::ListField&>(field), list,
                                                context_);
        break;
    case FieldKind::ComboBox:
        if (auto* combo = qobject_cast<QComboBox*>(target))
            return std::make_unique<ComboBinder>(static_cast<vell::ComboBox&>(field), combo,
                                                 context_);
        break;
    case FieldKind::FolderList:
        if (auto* list = qobject_cast<QTreeWidget*>(target))
            return std::make_unique<FolderBinder>(static_cast<vell::FolderList&>(field), list,
                                                  context_);
        break;
    case FieldKind::Frame:
        if (auto* widget = qobject_cast<QWidget*>(target))
            return std::make_unique<FrameBinder>(static_cast<vell::Frame&>(field), widget,
                                                 context_);
        break;
    case FieldKind::Image:
        if (auto* widget = qobject_cast<QWidget*>(target))
            return std::make_unique<ImageBinder>(static_cast<vell::Image&>(field), widget,
                                                 context_);
        break;
    case FieldKind::MenuItem: {
        auto& item = static_cast<vell::MenuItem&>(field);
        if (auto* menu = qobject_cast<QMenu*>(target))
            return std::make_unique<MenuBinder>(item, menu, context_);
        if (auto* action = qobject_cast<QAction*>(target))
            return std::make_unique<MenuBinder>(item, action, context_);
        break;
    }
    case FieldKind::DialogComponent:
        break;
    }
    return nullptr;
}

}  // namespace vellgui
