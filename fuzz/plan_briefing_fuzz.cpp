// The route briefing of any plan and flight: the plan's bytes, then the
// flight's.
#include "briefing/route_briefing.h"
#include "fuzz_support.h"
#include "platform/host.h"
#include "vellmaster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vell::fuzz::SilentUiPort ui;
    static vell::Host host;
    vell::fuzz::Parts parts(data, size);
    const std::string plan = vell::fuzz::scratchFile("route.PLN");
    const std::string flight = vell::fuzz::scratchFile("route.FLT");
    vell::fuzz::writeFile(plan, parts.next());
    vell::fuzz::writeFile(flight, parts.rest());

    auto f = vell::createMainWindow(ui, host);
    const std::string folder = plan.substr(0, plan.rfind('/'));
    f->Txt_Sel_FSPath.setText(folder);
    f->Txt_Sel_Flightplan.setText("route.PLN");
    f->PLANFILE = plan;
    f->FLTFILE = flight;
    f->Txt_DepartureTm.setText("14:37");
    f->Txt_ACFT.setText("Sample Jet 400");
    f->Txt_SPD.setText("280");
    f->Lst_ACFT.addItem("447250  Sample Jet 400");
    (void)vell::Create_BRF(*f, "title", "description");
    return 0;
}
