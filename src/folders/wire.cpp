#include "folders/wire.h"

#include "folders/content_list.h"
#include "folders/description_editor.h"
#include "folders/flight_folders.h"
#include "window/frm_vell13.h"

namespace vell {

void wire_folders(Frm_Vell13& f) {
    f.mnu_FS_folder.Click = [&f] { mnu_FS_folder_Click(f); };
    f.mnu_desc.Click = [&f] { mnu_desc_Click(f); };
    f.mnu_datalist.Click = [&f] { mnu_datalist_Click(f); };

    Frm_TEXTED& d = f.texted;
    d.Load = [&f] { Frm_TEXTED_Load(f); };
    d.Activate = [&f] { Frm_TEXTED_Activate(f); };
    d.Text1.KeyPress = [](int& keyAscii) { Frm_TEXTED_Text_KeyPress(keyAscii); };
    d.Text2.KeyPress = [](int& keyAscii) { Frm_TEXTED_Text_KeyPress(keyAscii); };
    d.Command1.Click = [&f] { Frm_TEXTED_Command1_Click(f); };
    d.Command2.Click = [&f] { Frm_TEXTED_Command2_Click(f); };
}

}  // namespace vell
