#include "copy/briefing_outputs.h"

#include <vector>

#include "copy/briefing_text.h"
#include "platform/files.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kLineEnd = "\r\n";

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + kLineEnd;
    return bytes;
}

}  // namespace

BriefingCase briefingCase(const Frm_Vell13& f) {
    const bool fs2002 = f.Opt_FS8.value();
    if (f.Chk_Auto_BRF.value() == 1) {
        return fs2002 ? BriefingCase::GeneratedText : BriefingCase::GeneratedPage;
    }
    if (f.Txt_Sel_BRF.text().empty()) return BriefingCase::None;
    return fs2002 ? BriefingCase::CopiedText : BriefingCase::ConvertedPage;
}

std::string briefingOutputPath(BriefingCase c, const std::string& folder,
                               const std::string& baseName) {
    switch (c) {
        case BriefingCase::GeneratedPage:
        case BriefingCase::ConvertedPage:
            return folder + SEP + baseName + ".htm";
        case BriefingCase::GeneratedText:
        case BriefingCase::CopiedText:
            return folder + SEP + baseName + ".brf";
        case BriefingCase::None:
            break;
    }
    return {};
}

std::optional<CopyFailure> writeBriefingOutput(const Frm_Vell13& f, const std::string& folder,
                                               const std::string& baseName, std::string& written) {
    written.clear();
    const BriefingCase c = briefingCase(f);
    if (c == BriefingCase::None) return std::nullopt;

    std::vector<std::string> chosen;
    if (c == BriefingCase::CopiedText || c == BriefingCase::ConvertedPage) {
        const std::string& source = f.Txt_Sel_BRF.text();
        auto lines = files::readLines(source);
        if (!lines) return CopyFailure{"The briefing file could not be read", source};
        chosen = std::move(*lines);
    }

    std::string bytes;
    switch (c) {
        case BriefingCase::GeneratedPage:
            bytes = generatedPage(f, baseName) + kLineEnd;
            break;
        case BriefingCase::GeneratedText:
            bytes = joinLines(generatedText(f, baseName));
            break;
        case BriefingCase::CopiedText:
            bytes = joinLines(copiedText(f, baseName, chosen));
            break;
        case BriefingCase::ConvertedPage:
            bytes = convertedPage(f, baseName, chosen) + kLineEnd;
            break;
        case BriefingCase::None:
            break;
    }
    const std::string target = briefingOutputPath(c, folder, baseName);
    if (!files::writeWhole(target, bytes)) {
        return CopyFailure{"The briefing could not be written", target};
    }
    written = target;
    return std::nullopt;
}

}  // namespace vell
