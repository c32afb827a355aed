#include "window/dialogs.h"

#include "window/frm_vell13.h"

namespace vell {

std::optional<FileChoice> showOpen(Frm_Vell13& f, const std::string& title,
                                   const std::string& filter, const std::string& folder,
                                   const std::string& fileName) {
    f.CMDialog1.fileName = fileName;
    std::optional<FileChoice> choice = f.ui.openFile({title, filter, folder, fileName});
    if (!choice || choice->path.empty()) {
        f.CMDialog1.fileName.clear();
        f.CMDialog1.fileTitle.clear();
        return std::nullopt;
    }
    f.CMDialog1.fileName = choice->path;
    f.CMDialog1.fileTitle = choice->name;
    f.CMDialog1.lastChosen = choice->path;
    return choice;
}

}  // namespace vell
