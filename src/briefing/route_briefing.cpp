#include "briefing/route_briefing.h"

#include <optional>
#include <vector>

#include "briefing/briefing_header.h"
#include "briefing/route_rows.h"
#include "platform/files.h"
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

PlanText::PlanText(std::string path, std::optional<std::string> bytes)
    : path(std::move(path)),
      bytes(std::move(bytes)),
      keys(this->bytes ? *this->bytes : std::string()) {}

PlanText PlanText::read(const std::string& path) { return PlanText(path, files::readWhole(path)); }

bool Create_BRF(Frm_Vell13& f, const std::string& title, const std::string& description,
                const PlanText* opened) {
    f.Lst_BRF.clear();
    f.Lst_Fplbrf.clear();
    // The route and the header come from the plan in the flight's folder;
    // the plan type and the airport altitudes from the plan last opened.
    // Each is read once, the flight's plan first; nothing here writes them.
    const std::string planPath = f.Txt_Sel_FSPath.text() + SEP + f.Txt_Sel_Flightplan.text();
    std::optional<PlanText> ownPlan;
    const PlanText* plan = opened && opened->path == planPath
                               ? opened
                               : &ownPlan.emplace(PlanText::read(planPath));
    std::optional<profile::ProfileText> ownPlanFile;
    const profile::ProfileText* planFile = nullptr;
    if (f.PLANFILE == planPath) {
        planFile = &plan->keys;
    } else if (opened && opened->path == f.PLANFILE) {
        planFile = &opened->keys;
    } else {
        planFile = &ownPlanFile.emplace(profile::ProfileText::read(f.PLANFILE));
    }
    const profile::ProfileText& keys = plan->keys;
    const bool fs2004Layout = leadingNumber(keys.get("flightplan", "AppVersion")) != 0.0;
    const bool routeTable = !contains(planFile->get("KIV", "KIV_Plantype"), "C");

    float routeTotal = 0.0F;
    std::vector<std::string> rows;
    if (const std::string fault =
            brf::readRouteRows(f, keys, planPath, fs2004Layout, routeTotal, rows);
        !fault.empty()) {
        return stop(f, fault);
    }
    brf::writeRemainingDistances(f, rows);

    brf::HeaderTexts header;
    header.title = title;
    header.description = description;
    header.planType = keys.get("flightplan", "type");
    header.cruise = keys.get("flightplan", "cruising_altitude");
    header.departureName = keys.get("flightplan", "departure_name");
    header.destinationName = keys.get("flightplan", "destination_name");
    header.greatCircle = brf::greatCircleText(rows);
    header.routeTotal = routeTotal;
    f.Txt_GDist.setText(groundDistanceText(routeTotal, header.greatCircle));
    header.aircraft = f.Txt_ACFT.text();

    if (!plan->bytes) {
        // A plan chosen in another folder is read, and later copied, from
        // beside the flight: without it there, nothing can go on.
        if (!files::fileExists(planPath) && !files::folderExists(planPath)) {
            return stop(f, "The flight plan " + planPath + " is missing: the plan must lie beside the flight");
        }
        return stop(f, "Cannot read the flight plan " + planPath + " as a text file");
    }
    static const std::string kDepartureName = "departure_name=";
    static const std::string kDestinationName = "destination_name=";
    bool headerWritten = false;
    for (const std::string& line : splitLines(*plan->bytes)) {
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
    if (const std::string fault = brf::appendRouteTable(f, *planFile, rows); !fault.empty()) {
        return stop(f, fault);
    }
    return true;
}

}  // namespace vell
