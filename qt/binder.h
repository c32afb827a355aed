// The binder: walks a model's fields, finds the widget (or action) that
// carries the field's name as objectName, mirrors the field's state into it
// and forwards a person's actions into the model. One small FieldBinder per
// widget kind does the work; pushes into a widget happen under a
// QSignalBlocker, so nothing echoes back into the model.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "window/fields.h"

class QWidget;

namespace vellgui {

struct BindContext {
    // The key preview of the form: the character to insert (0: dropped).
    std::function<int(vell::Field&, int keyAscii)> previewKey;
    // A bound widget received the keyboard input.
    std::function<void(vell::Field&)> focusIn;
    // Runs after each action forwarded into the model.
    std::function<void()> afterAction;
};

// Binds one field to one widget or action.
class FieldBinder : public QObject {
public:
    FieldBinder(vell::Field& field, QObject* target, const BindContext& context);

    vell::Field& field() const { return field_; }
    QObject* target() const { return target_; }
    QWidget* widget() const;

    // Model to widget: the state shared by all kinds, then the kind's own.
    void mirror();

protected:
    virtual void mirrorOwn() = 0;
    // Runs a person's action on the model, then mirrors this field again
    // (the widget may have changed itself, the model may have refused).
    void forward(const std::function<void()>& action);
    // Puts a character that the key preview replaced into the widget.
    virtual void insertCharacter(int keyAscii) { (void)keyAscii; }
    // The key preview and the keyboard input watch this object.
    void watch(QObject* object);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether the field's visible state is this widget's to follow (frames
    // that share a place are shown by their stack instead).
    virtual bool followsVisible() const { return true; }

    vell::Field& field_;
    QPointer<QObject> target_;
    const BindContext& context_;

private:
    bool mirrored_ = false;
};

class Binder : public QObject {
    Q_OBJECT
public:
    Binder(QObject* root, BindContext context, QObject* parent = nullptr);
    ~Binder() override;

    // Binds every field that a person sees. Working fields and the dialog
    // component are skipped; fields without a widget are remembered.
    void bind(const std::vector<vell::Field*>& fields);

    void mirrorAll();
    FieldBinder* binderOf(const vell::Field* field) const;
    QWidget* widgetOf(const vell::Field* field) const;

    // Names of seen fields that found no widget, or more than one.
    const QStringList& missing() const { return missing_; }
    const QStringList& ambiguous() const { return ambiguous_; }

    // Whether a field is shown by a widget at all.
    static bool hasWidget(const vell::Field& field);

private:
    std::unique_ptr<FieldBinder> make(vell::Field& field, QObject* target);

    QObject* root_;
    BindContext context_;
    std::vector<std::unique_ptr<FieldBinder>> binders_;
    QHash<const vell::Field*, FieldBinder*> byField_;
    QStringList missing_;
    QStringList ambiguous_;
};

}  // namespace vellgui
