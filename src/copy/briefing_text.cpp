#include "copy/briefing_text.h"

#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

const std::string kPageHeadGenerated =
    "<html><body><p><font face=\"Arial\" style=\"font-size: 10pt\">";
const std::string kPageHeadConverted =
    "<html><body><p><font face=\"Courier New\" style=\"font-size: 8pt\">";
const std::string kPageTail = "</p></body></html>";
const std::string kKivCredit = " This Flightplan Output was generated with the Kivaro :";

std::string bold(const std::string& text) {
    return "<b>" + text + "</b><br>";
}
std::string plain(const std::string& text) {
    return text + "<br>";
}

// The flight block's items, without its closing empty item.
std::vector<std::string> flightBlock(const Frm_Vell13& f) {
    std::vector<std::string> items;
    if (!f.Txt_CarICAO.text().empty()) {
        std::string airline = "Airline ICAO : " + f.Txt_CarICAO.text();
        if (leadingNumber(f.Txt_Flt_Nr.text()) != 0) {
            airline += " - Flight Nr : " + f.Txt_Flt_Nr.text();
        }
        items.push_back(std::move(airline));
    }
    if (!f.Txt_ERWY.text().empty())
        items.push_back("Expected Departure RWY : " + f.Txt_ERWY.text());
    if (!f.Txt_ACFT.text().empty()) items.push_back("Aircraft : " + f.Txt_ACFT.text());
    return items;
}

bool withDestination(const Frm_Vell13& f) {
    return f.Chk_APT_Data.value() == 1 && f.Lst_FS_APT.count() > 0;
}

void addDestinationToPage(const Frm_Vell13& f, std::string& page) {
    if (!withDestination(f)) return;
    page += "<br><b>MSFS - Destination Airport Data:</b><br>";
    for (const std::string& line : f.Lst_FS_APT.items()) page += plain(line);
}

void addDestinationToText(const Frm_Vell13& f, std::vector<std::string>& lines) {
    if (!withDestination(f)) return;
    lines.emplace_back();
    lines.emplace_back("Destination Airport Data:");
    for (const std::string& line : f.Lst_FS_APT.items()) lines.push_back(line);
}

}  // namespace

std::string generatedPage(const Frm_Vell13& f, const std::string& baseName) {
    std::string page = kPageHeadGenerated;
    for (const std::string& line : f.Lst_BRF.items()) {
        if (line == "*") {
            for (const std::string& item : flightBlock(f)) page += bold(item);
            page += "<br>";
        } else if (startsWith(line, "Title")) {
            page += bold("Title : " + baseName);
        } else if (startsWith(line, "Description")) {
            page += bold("Description : " + f.Txt_Description.text());
        } else if (contains(line, ":")) {
            page += bold(line);
        } else {
            page += plain(line);
        }
    }
    addDestinationToPage(f, page);
    return page + kPageTail;
}

std::vector<std::string> generatedText(const Frm_Vell13& f, const std::string& baseName) {
    std::vector<std::string> lines;
    for (const std::string& line : f.Lst_BRF.items()) {
        if (line == "*") {
            for (std::string& item : flightBlock(f)) lines.push_back(std::move(item));
            lines.emplace_back();
        } else if (startsWith(line, "Title : ")) {
            lines.push_back("Title : " + baseName);
        } else if (startsWith(line, "Description : ")) {
            lines.push_back("Description : " + f.Txt_Description.text());
        } else {
            lines.push_back(line);
        }
    }
    addDestinationToText(f, lines);
    return lines;
}

std::vector<std::string> copiedText(const Frm_Vell13& f, const std::string& baseName,
                                    const std::vector<std::string>& chosen) {
    std::vector<std::string> lines;
    if (f.Opt_Vell[1].value()) {
        lines.push_back(baseName + " :");
        lines.push_back(kKivCredit);
        lines.emplace_back();
    }
    lines.insert(lines.end(), chosen.begin(), chosen.end());
    addDestinationToText(f, lines);
    return lines;
}

std::string convertedPage(const Frm_Vell13& f, const std::string& baseName,
                          const std::vector<std::string>& chosen) {
    std::string page = kPageHeadConverted;
    if (f.Opt_Vell[1].value()) page += "<b>" + baseName + " :</b><br>" + kKivCredit + "<br><br>";
    for (const std::string& line : chosen) page += plain(line);
    addDestinationToPage(f, page);
    return page + kPageTail;
}

}  // namespace vell
