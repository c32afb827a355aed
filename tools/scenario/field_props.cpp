#include "field_props.h"

#include <cctype>

namespace vell::scenario {

namespace {

std::string flag(bool b) {
    return b ? "1" : "0";
}

PropertyValue ok(std::string value) {
    return {true, std::move(value), {}};
}

PropertyValue none(const Field& field, const std::string& property) {
    return {
        false, {}, field.name() + " is a " + kindName(field.kind()) + ", which has no " + property};
}

// "item(3)" gives 3; anything else nothing.
bool itemIndex(const std::string& property, int& index) {
    if (property.size() < 7 || property.compare(0, 5, "item(") != 0 || property.back() != ')')
        return false;
    std::string digits = property.substr(5, property.size() - 6);
    if (digits.empty() || digits.size() > 9) return false;
    for (char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    index = std::stoi(digits);
    return true;
}

}  // namespace

const char* kindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::TextBox:
            return "text box";
        case FieldKind::Label:
            return "label";
        case FieldKind::CheckBox:
            return "check box";
        case FieldKind::OptionButton:
            return "option button";
        case FieldKind::CommandButton:
            return "command button";
        case FieldKind::ListBox:
            return "list box";
        case FieldKind::ComboBox:
            return "combo box";
        case FieldKind::FolderList:
            return "folder list";
        case FieldKind::FileList:
            return "file list";
        case FieldKind::Frame:
            return "frame";
        case FieldKind::MenuItem:
            return "menu item";
        case FieldKind::Image:
            return "image";
        case FieldKind::DialogComponent:
            return "dialog component";
    }
    return "field";
}

PropertyValue readProperty(const Field& field, const std::string& property) {
    const auto* text = dynamic_cast<const TextBox*>(&field);
    const auto* captioned = dynamic_cast<const CaptionField*>(&field);
    const auto* list = dynamic_cast<const ListField*>(&field);
    const auto* combo = dynamic_cast<const ComboBox*>(&field);
    const auto* folders = dynamic_cast<const FolderList*>(&field);
    const auto* fileList = dynamic_cast<const FileList*>(&field);

    if (property == "enabled") return ok(flag(field.enabled()));
    if (property == "visible") return ok(flag(field.visible()));
    if (property == "text") {
        if (text) return ok(text->text());
        if (combo) return ok(combo->text());
        // A list box's text is its selected entry.
        if (list) return ok(list->item(list->listIndex()));
        return none(field, property);
    }
    if (property == "caption") {
        if (captioned) return ok(captioned->caption());
        return none(field, property);
    }
    if (property == "value") {
        if (const auto* c = dynamic_cast<const CheckBox*>(&field))
            return ok(std::to_string(c->value()));
        if (const auto* o = dynamic_cast<const OptionButton*>(&field)) return ok(flag(o->value()));
        return none(field, property);
    }
    if (property == "checked") {
        if (const auto* m = dynamic_cast<const MenuItem*>(&field)) return ok(flag(m->checked()));
        return none(field, property);
    }
    if (property == "index") {
        if (list) return ok(std::to_string(list->listIndex()));
        return none(field, property);
    }
    if (property == "count") {
        if (list) return ok(std::to_string(list->count()));
        if (folders) return ok(std::to_string(folders->entries().size()));
        return none(field, property);
    }
    if (property == "path") {
        if (folders) return ok(folders->path());
        if (fileList) return ok(fileList->path());
        return none(field, property);
    }
    if (property == "pattern") {
        if (fileList) return ok(fileList->pattern());
        return none(field, property);
    }
    int index = 0;
    if (itemIndex(property, index)) {
        int count = 0;
        std::string entry;
        if (list) {
            count = list->count();
            entry = list->item(index);
        } else if (folders) {
            count = static_cast<int>(folders->entries().size());
            if (index < count) entry = folders->entries()[static_cast<std::size_t>(index)];
        } else {
            return none(field, "items");
        }
        if (index >= count)
            return {false,
                    {},
                    field.name() + " has no " + property + ": it holds " + std::to_string(count) +
                        " entries"};
        return ok(entry);
    }
    return {false,
            {},
            "unknown property " + property +
                " (text, caption, value, enabled, visible, "
                "checked, index, count, item(I), path, pattern)"};
}

}  // namespace vell::scenario
