#include "copy/base_name.h"

#include "text/numbers.h"
#include "window/frm_vell13.h"

namespace vell {

std::string flightNumberForName(const std::string& flightNr) {
    if (!isWholeNumber(flightNr)) return flightNr;
    return formatPattern(leadingNumber(flightNr), "0000");
}

bool flightNumberPositive(const std::string& flightNr) {
    return leadingNumber(flightNr) > 0;
}

std::string baseName(const BaseNameFields& in) {
    const std::string& standard = in.standardCaption;
    const std::string airports = in.dep + " to " + in.des;
    if (standard != in.standardCaptions[0] && flightNumberPositive(in.flightNr)) {
        const std::string number = flightNumberForName(in.flightNr);
        if (standard == in.standardCaptions[3]) return number + "-" + in.airline + "_" + airports;
        if (standard == in.standardCaptions[2]) return in.airline + "-" + number + "_" + airports;
        return airports;
    }
    if (standard != in.standardCaptions[1]) return in.title;
    return in.airline.empty() ? airports : in.airline + "_" + airports;
}

BaseNameFields baseNameFields(const Frm_Vell13& f) {
    BaseNameFields in;
    in.standardCaption = f.Lbl_Standard.caption();
    for (std::size_t i = 0; i < in.standardCaptions.size(); ++i) {
        in.standardCaptions[i] = f.mnu_Standard[i].caption();
    }
    in.title = f.Txt_Title.text();
    in.flightNr = f.Txt_Flt_Nr.text();
    in.airline = f.Txt_CarICAO.text();
    in.dep = f.Txt_DEP.text();
    in.des = f.Txt_DES.text();
    return in;
}

}  // namespace vell
