// Makes the widget that shows a field of the model: its kind follows the
// field's kind (a text box of several lines gets a QPlainTextEdit, a
// graphical check box a tool button ...), it carries the field's name as
// objectName, and it takes the field's fixed look (fixed-pitch font,
// read-only display background). The binder then brings it to life.
#pragma once

#include <QWidget>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "window/fields.h"

namespace vellgui {

class WidgetFactory {
public:
    using Finder = std::function<vell::Field*(std::string_view)>;
    explicit WidgetFactory(Finder find) : find_(std::move(find)) {}

    // Throws std::logic_error when the model has no field of that name.
    QWidget* make(std::string_view name, QWidget* parent) const;

    template <class W>
    W* make(std::string_view name, QWidget* parent) const {
        QWidget* widget = make(name, parent);
        if (auto* typed = qobject_cast<W*>(widget)) return typed;
        delete widget;
        throw std::logic_error("unexpected widget kind for field " + std::string(name));
    }

private:
    Finder find_;
};

// The look of a display field that only the program fills.
void setDisplayLook(QWidget* widget);
// The fixed-pitch font of column-aligned texts.
QFont fixedPitchFont();

}  // namespace vellgui
