#include "briefing/route_briefing.h"

#include <optional>
#include <vector>

#include "briefing/briefing_header.h"
#include "briefing/route_rows.h"
#include "platform/files.h"
#include "profile/profile.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "window/frm_vell13.h"

namespace vell {

namespace {

bool stop(Frm_Vell13& f, const std::string& why) {
    f.Txt_Status.setText(why);
    return false;
}

// "260 (106)": the route total and how much longer it is than the great
// circle, in percent. A route that ends where it began (a local or circuit
// flight) has no great-circle distance and shows the total alone.
std::string groundDistanceText(float routeTotal, const std::string& greatCircle) {
    const std::string total = formatPattern(routeTotal, "0");
    const double circle = leadingNumber(greatCircle);
    if (circle == 0.0) return total;
    return total + " (" + formatPattern(routeTotal / circle * 100.0, "0") + ")";
}

}  // namespace

bool Create_BRF(Frm_Vell13& f, const std::string& title, const std::string& description) {
    f.Lst_BRF.clear();
    f.Lst_Fplbrf.clear();
    // The route and the header come from the plan in the flight's folder;
    // the plan type and the airport altitudes from the plan last opened.
    const std::string plan = f.Txt_Sel_FSPath.text() + SEP + f.Txt_Sel_Flightplan.text();
    const bool fs2004Layout = leadingNumber(GET_INI_ITEM(plan, "flightplan", "AppVersion")) != 0.0;
    const bool routeTable = !contains(GET_INI_ITEM(f.PLANFILE, "KIV", "KIV_Plantype"), "C");

    float routeTotal = 0.0F;
    std::vector<std::string> rows;
    if (const std::string fault = brf::readRouteRows(f, plan, fs2004Layout, routeTotal, rows); !fault.empty()) {
        return stop(f, fault);
    }
    brf::writeRemainingDistances(f, rows);

    brf::HeaderTexts header;
    header.title = title;
    header.description = description;
    header.planType = GET_INI_ITEM(plan, "flightplan", "type");
    header.cruise = GET_INI_ITEM(plan, "flightplan", "cruising_altitude");
    header.departureName = GET_INI_ITEM(plan, "flightplan", "departure_name");
    header.destinationName = GET_INI_ITEM(plan, "flightplan", "destination_name");
    header.greatCircle = brf::greatCircleText(rows);
    header.routeTotal = routeTotal;
    f.Txt_GDist.setText(groundDistanceText(routeTotal, header.greatCircle));
    header.aircraft = f.Txt_ACFT.text();

    const std::optional<std::vector<std::string>> lines = files::readLines(plan);
    if (!lines) return stop(f, "Cannot read the flight plan " + plan + " as a text file");
    static const std::string kDepartureName = "departure_name=";
    static const std::string kDestinationName = "destination_name=";
    bool headerWritten = false;
    for (const std::string& line : *lines) {
        f.Txt_GCDist.setText(header.greatCircle);
        if (startsWith(line, kDepartureName)) {
            header.departureName = line.substr(kDepartureName.size());
        } else if (startsWith(line, kDestinationName)) {
            header.destinationName = line.substr(kDestinationName.size());
        }
        if (!headerWritten && !header.planType.empty() && !header.cruise.empty() &&
            !header.departureName.empty() && !header.destinationName.empty()) {
            brf::appendHeader(f, header);
            headerWritten = true;
        }
    }

    if (!routeTable) return true;
    if (const std::string fault = brf::appendRouteTable(f, rows); !fault.empty()) return stop(f, fault);
    return true;
}

}  // namespace vell
