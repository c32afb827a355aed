// One line of airport notes on either side of a window.
#include "briefing/note_presets.h"
#include "fuzz_support.h"
#include "platform/host.h"
#include "vellmaster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vell::fuzz::SilentUiPort ui;
    static vell::Host host;
    static auto window = vell::createMainWindow(ui, host);
    const std::string line(reinterpret_cast<const char*>(data), size);
    vell::Get_NAVDATA(*window, 0, line);
    vell::Get_NAVDATA(*window, 1, line);
    return 0;
}
