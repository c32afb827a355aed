#include "folders/description_editor.h"

#include "platform/files.h"
#include "profile/profile.h"
#include "window/frm_vell13.h"

namespace vell {

void mnu_desc_Click(Frm_Vell13& f) {
    const std::string path = f.Dir1.path() + SEP + "desc.txt";
    if (!files::fileExists(path)) {
        f.ui.messageBox("Invalid folder? - Could not find a desc.txt file!  \r\n"
                        "Default files are created with a new Folder ..  ",
                        MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
        return;
    }
    f.texted.Label1.setCaption(path);
    f.texted.showModal(f.ui);
}

void Frm_TEXTED_Load(Frm_Vell13& f) {
    Frm_TEXTED& d = f.texted;
    d.left = (f.host.screenWidth - d.width) / 2;
    d.top = (f.host.screenHeight - d.height) / 2;
}

void Frm_TEXTED_Activate(Frm_Vell13& f) {
    Frm_TEXTED& d = f.texted;
    const auto readsBefore = files::readFailures().count;
    d.Text1.setText(GET_INI_ITEM_LONG(d.Label1.caption(), "MAIN", "Title"));
    d.Text2.setText(GET_INI_ITEM_LONG(d.Label1.caption(), "MAIN", "Description"));
    // Texts a failed read left out must not be saved over the file's own.
    if (files::readFailures().count != readsBefore) {
        f.ui.messageBox("The description could not be read:\r\n" + d.Label1.caption(),
                        MsgButtons::OK, MsgIcon::Exclamation, kAppTitle);
        d.hide();
    }
}

void Frm_TEXTED_Text_KeyPress(int& keyAscii) {
    if (keyAscii == 13) keyAscii = 32;
}

void Frm_TEXTED_Command1_Click(Frm_Vell13& f) {
    Frm_TEXTED& d = f.texted;
    const std::string& path = d.Label1.caption();
    // The dialog stays open with the texts when they did not reach the disk.
    if (!writeIniItem(path, "MAIN", "Title", d.Text1.text()) ||
        !writeIniItem(path, "MAIN", "Description", d.Text2.text())) {
        f.ui.messageBox("The description could not be saved:\r\n" + path, MsgButtons::OK,
                        MsgIcon::Exclamation, kAppTitle);
        return;
    }
    d.hide();
}

void Frm_TEXTED_Command2_Click(Frm_Vell13& f) { f.texted.hide(); }

}  // namespace vell
