#include "pictures.h"

#include "resources/resource_ids.h"

namespace vellwin::pictures {

HICON load(vell::form::Picture picture, int size) {
    using vell::form::Picture;
    int id = 0;
    switch (picture) {
    case Picture::None: return nullptr;
    case Picture::Logo: id = VELL_IDI_APP; break;
    case Picture::OpenFlight: id = VELL_IDI_OPEN_FLIGHT; break;
    case Picture::CopyFlight: id = VELL_IDI_COPY_FLIGHT; break;
    case Picture::AirportNotes: id = VELL_IDI_AIRPORT_NOTES; break;
    case Picture::ImportPlan: id = VELL_IDI_IMPORT_PLAN; break;
    case Picture::Done: id = VELL_IDI_DONE; break;
    }
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace vellwin::pictures
