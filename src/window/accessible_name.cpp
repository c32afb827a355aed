#include "window/accessible_name.h"

#include "window/fields.h"
#include "window/form_layout.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string& captionOf(const Field* field) {
    static const std::string none;
    const auto* captioned = dynamic_cast<const CaptionField*>(field);
    return captioned ? captioned->caption() : none;
}

}  // namespace

std::string withoutAccessKeys(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string accessibleNameOf(const Field& field, const Field* label, std::string_view lastResort) {
    if (field.kind() == FieldKind::FolderList && field.container()) {
        if (std::string name = withoutAccessKeys(captionOf(field.container())); !name.empty())
            return name;
    }
    for (const std::string* text : {&captionOf(label), &captionOf(&field), &field.tooltip()}) {
        if (std::string name = withoutAccessKeys(*text); !name.empty()) return name;
    }
    return withoutAccessKeys(lastResort);
}

std::string accessibleNameOf(Frm_Vell13& window, const Field& field) {
    const std::string_view label = form::labelOf(field.name());
    return accessibleNameOf(field, label.empty() ? nullptr : window.find(label),
                            form::spokenNameOf(field.name()));
}

}  // namespace vell
