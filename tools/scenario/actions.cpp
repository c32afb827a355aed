// What a person does at the window: clicks, values set, typing, leaving a
// field, choosing a list entry and single keys.
#include "field_props.h"
#include "scenario_run.h"

namespace vell::scenario {

namespace {

// A list's index in range, or a failure that says what the list holds.
void needEntry(const ListField& list, int index) {
    if (index < 0 || index >= list.count())
        fail(list.name() + " has no entry " + std::to_string(index) + ": it holds " +
             std::to_string(list.count()) + " entries");
}

}  // namespace

void ScenarioRun::takeFocus(Field& field) {
    if (inDialog(field)) {
        if (dialogFocus_ == &field) return;
        Field* previous = dialogFocus_;
        dialogFocus_ = &field;
        if (previous) previous->raiseLostFocus();
    } else {
        window().setFocus(&field);
    }
}

Field* ScenarioRun::focusNow() const {
    // While the dialog is in front, the main window's field does not hold the input.
    if (window().texted.shown()) return dialogFocus_;
    return window().focus();
}

void ScenarioRun::typeInto(Field& field, int keyAscii) {
    Frm_Vell13& f = window();
    if (auto* box = dynamic_cast<TextBox*>(&field)) {
        f.typeChar(*box, keyAscii);
        return;
    }
    // Other fields: the key handlers only (the window previews for its own).
    if (!inDialog(field))
        keyAscii = f.previewKey(field, keyAscii);
    else
        field.raiseKeyPress(keyAscii);
    auto* combo = dynamic_cast<ComboBox*>(&field);
    if (combo == nullptr || keyAscii <= 0 || keyAscii > 255 || keyAscii == 13) return;
    std::string text = combo->text();
    if (keyAscii == 8) {
        if (!text.empty()) text.pop_back();
    } else {
        text += static_cast<char>(static_cast<unsigned char>(keyAscii));
    }
    combo->setText(std::move(text));
}

void ScenarioRun::click(const ScriptLine& line) {
    needArgs(line, 2, "click NAME");
    needNoBlock(line);
    Field& fld = field(arg(line, 1));
    if (!reachable(fld)) return;
    switch (fld.kind()) {
        case FieldKind::CommandButton:
            takeFocus(fld);
            static_cast<CommandButton&>(fld).click();
            return;
        case FieldKind::CheckBox:
            takeFocus(fld);
            static_cast<CheckBox&>(fld).click();
            return;
        case FieldKind::OptionButton:
            takeFocus(fld);
            static_cast<OptionButton&>(fld).click();
            return;
        case FieldKind::MenuItem: {
            auto& item = static_cast<MenuItem&>(fld);
            if (item.separator()) fail(fld.name() + " is a separator");
            item.click();  // a menu takes no keyboard input
            return;
        }
        case FieldKind::ListBox:
        case FieldKind::ComboBox:
        case FieldKind::FileList: {
            // A click on the entry that is already selected.
            takeFocus(fld);
            auto& list = static_cast<ListField&>(fld);
            window().events().run(list.Click);
            return;
        }
        default:
            fail(fld.name() + " is a " + kindName(fld.kind()) +
                 "; click takes a command button, menu item, check box, option button or list");
    }
}

void ScenarioRun::set(const ScriptLine& line) {
    needArgs(line, 3, "set NAME \"VALUE\"");
    needNoBlock(line);
    Field& fld = field(arg(line, 1));
    const std::string value = arg(line, 2);
    switch (fld.kind()) {
        case FieldKind::TextBox:
            static_cast<TextBox&>(fld).setText(value);
            return;
        case FieldKind::ComboBox:
            static_cast<ComboBox&>(fld).setText(value);
            return;
        case FieldKind::Label:
            static_cast<Label&>(fld).setCaption(value);
            return;
        case FieldKind::FolderList:
            static_cast<FolderList&>(fld).setPath(value);
            return;
        case FieldKind::CheckBox: {
            if (value != "0" && value != "1" && value != "2")
                fail("a check box value is 0 or 1, not " + quote(value));
            static_cast<CheckBox&>(fld).setValue(value[0] - '0');
            return;
        }
        case FieldKind::OptionButton: {
            if (value != "0" && value != "1")
                fail("an option button value is 1 or 0, not " + quote(value));
            static_cast<OptionButton&>(fld).setValue(value == "1");
            return;
        }
        case FieldKind::ListBox:
        case FieldKind::FileList: {
            auto& list = static_cast<ListField&>(fld);
            int index = parseNumber(value, "a list index");
            if (index != -1) needEntry(list, index);
            list.setListIndex(index);
            return;
        }
        default:
            fail(fld.name() + " is a " + kindName(fld.kind()) + ", which has no value to set");
    }
}

void ScenarioRun::type(const ScriptLine& line) {
    needArgs(line, 3, "type NAME \"TEXT\"");
    needNoBlock(line);
    Field& fld = field(arg(line, 1));
    const std::string text = arg(line, 2);
    if (fld.kind() != FieldKind::TextBox && fld.kind() != FieldKind::ComboBox)
        fail(fld.name() + " is a " + kindName(fld.kind()) + "; type takes a text box or combo box");
    if (!reachable(fld)) return;
    takeFocus(fld);
    for (char c : text) {
        // A handler may close the window or the dialog while the person types.
        if (window().closed() || (inDialog(fld) && !window().texted.shown())) break;
        typeInto(fld, static_cast<unsigned char>(c));
    }
}

void ScenarioRun::leave(const ScriptLine& line) {
    needArgs(line, 2, "leave NAME");
    needNoBlock(line);
    Field& fld = field(arg(line, 1));
    if (!reachable(fld)) return;
    if (inDialog(fld) && dialogFocus_ == &fld) {
        dialogFocus_ = nullptr;
        fld.raiseLostFocus();
    } else if (!inDialog(fld) && window().focus() == &fld) {
        window().setFocus(nullptr);
    } else {
        fld.raiseLostFocus();
    }
}

void ScenarioRun::select(const ScriptLine& line) {
    needArgs(line, 3, "select NAME INDEX");
    needNoBlock(line);
    Field& fld = field(arg(line, 1));
    auto* list = dynamic_cast<ListField*>(&fld);
    if (list == nullptr)
        fail(fld.name() + " is a " + kindName(fld.kind()) +
             "; select takes a list, combo box or file list");
    int index = parseNumber(arg(line, 2), "the entry index");
    if (!reachable(fld)) return;
    needEntry(*list, index);
    takeFocus(fld);
    if (auto* combo = dynamic_cast<ComboBox*>(list))
        combo->select(index);
    else
        list->setListIndex(index);
}

void ScenarioRun::key(const ScriptLine& line) {
    needArgs(line, 2, "key CODE");
    needNoBlock(line);
    const std::string code = arg(line, 1);
    int keyAscii = 0;
    if (line.args[1].quoted && code.size() == 1)
        keyAscii = static_cast<unsigned char>(code[0]);
    else
        keyAscii = parseNumber(code, "a key code");
    if (keyAscii < 0 || keyAscii > 255) fail("a key code is 0 to 255, not " + code);
    Frm_Vell13& f = window();
    if (f.closed()) fail("the window has closed");
    Field* target = focusNow();
    if (target != nullptr) {
        typeInto(*target, keyAscii);
    } else if (!f.texted.shown() && f.KeyPress) {
        // No field holds the input: only the window sees the key.
        f.events().run([&f, &keyAscii] { f.KeyPress(keyAscii); });
    }
}

}  // namespace vell::scenario
