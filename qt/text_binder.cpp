// Text boxes: the text both ways, read-only display fields, and the
// characters that the key preview replaced.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

#include "field_binders.h"
#include "qt_text.h"

namespace vellgui {

TextBinder::TextBinder(vell::TextBox& box, QLineEdit* line, const BindContext& context)
    : FieldBinder(box, line, context), box_(box), line_(line) {
    watch(line);
    // textEdited comes from a person only; texts set by the binder itself
    // are pushed under a signal blocker anyway.
    connect(line, &QLineEdit::textEdited, this, [this] { edited(); });
}

TextBinder::TextBinder(vell::TextBox& box, QPlainTextEdit* lines, const BindContext& context)
    : FieldBinder(box, lines, context), box_(box), lines_(lines) {
    watch(lines);
    connect(lines, &QPlainTextEdit::textChanged, this, [this] { edited(); });
}

void TextBinder::edited() {
    forward([this] {
        if (line_)
            box_.setText(fromQt(line_->text()));
        else
            box_.setText(fromQtLines(lines_->toPlainText()));
    });
}

void TextBinder::mirrorOwn() {
    if (line_) {
        const QSignalBlocker block(line_);
        line_->setReadOnly(box_.readOnly());
        const QString text = toQt(box_.text());
        if (line_->text() != text) {
            // While a person types, the cursor keeps its place (a handler
            // may have changed the text, e.g. to upper case); a text set
            // by the program shows its beginning, or in a display field its
            // end: the folder and file that a long path ends with.
            const int end = static_cast<int>(text.size());
            const int at = line_->hasFocus() ? line_->cursorPosition() : box_.readOnly() ? end : 0;
            line_->setText(text);
            line_->setCursorPosition(std::min(at, end));
        }
        return;
    }
    const QSignalBlocker block(lines_);
    lines_->setReadOnly(box_.readOnly());
    const QString text = toQtLines(box_.text());
    if (lines_->toPlainText() != text) {
        const bool typing = lines_->hasFocus();
        const int at = lines_->textCursor().position();
        lines_->setPlainText(text);
        if (typing) {
            QTextCursor cursor = lines_->textCursor();
            cursor.setPosition(std::min<int>(at, static_cast<int>(text.size())));
            lines_->setTextCursor(cursor);
        }
    }
}

void TextBinder::insertCharacter(int keyAscii) {
    if (box_.readOnly()) return;
    if (keyAscii == 13) {
        // Enter adds a line only to a box of several lines.
        if (lines_) lines_->insertPlainText(QStringLiteral("\n"));
        return;
    }
    const QString character = toQt(std::string(1, static_cast<char>(keyAscii)));
    if (line_) {
        line_->insert(character);
        edited();
    } else {
        lines_->insertPlainText(character);
    }
}

}  // namespace vellgui
