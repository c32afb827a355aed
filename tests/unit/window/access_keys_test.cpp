// Each access key ("&" in a caption) of the main window belongs to one field
// only, whichever caption the briefing button shows.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "vellmaster.h"
#include "window/fake_ui_port.h"
#include "window/frm_vell13.h"

namespace vell {
namespace {

// The access key of a caption ("CO&PY Flight" gives P); 0 when none. "&&"
// stands for the character itself.
char accessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

// Every access key and the fields whose captions carry it.
std::map<char, std::string> keysOf(Frm_Vell13& f, std::string& clashes) {
    std::map<char, std::string> owners;
    for (Field* field : f.fields()) {
        const auto* captioned = dynamic_cast<const CaptionField*>(field);
        if (!captioned) continue;
        const char key = accessKey(captioned->caption());
        if (key == 0) continue;
        auto [at, fresh] = owners.emplace(key, field->name());
        if (!fresh)
            clashes += std::string("Alt+") + key + ": " + at->second + ", " + field->name() + "\n";
    }
    return owners;
}

TEST(AccessKeys, CaptionsReadTheirKey) {
    EXPECT_EQ(accessKey("CO&PY Flight"), 'P');
    EXPECT_EQ(accessKey("&KIV - Mode"), 'K');
    EXPECT_EQ(accessKey("Salt && &Pepper"), 'P');
    EXPECT_EQ(accessKey("FS 2004"), 0);
    EXPECT_EQ(accessKey("trailing &"), 0);
}

TEST(AccessKeys, EachKeyBelongsToOneFieldInEveryMode) {
    testing::FakeUiPort ui;
    Host host;
    const auto f = createMainWindow(ui, host);
    std::string clashes;
    keysOf(*f, clashes);
    EXPECT_EQ(clashes, "") << "at start";

    // The source modes give the briefing button a caption of their own.
    f->Txt_Sel_FSFLT.setText("Hop.FLT");
    f->KIV_PATH = "kiv";
    for (int mode : {0, 1}) {
        f->Opt_Vell[static_cast<std::size_t>(mode)].setEnabled(true);
        f->Opt_Vell[static_cast<std::size_t>(mode)].click();
        clashes.clear();
        const auto owners = keysOf(*f, clashes);
        EXPECT_EQ(clashes, "") << "in source mode " << mode;
        EXPECT_EQ(owners.at('S'), "Cmd_Sel_BRF");
        EXPECT_EQ(owners.at('K'), "Opt_Vell(1)");
    }
}

}  // namespace
}  // namespace vell
