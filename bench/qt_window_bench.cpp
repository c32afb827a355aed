// vell_qt_bench: the Qt window (offscreen) fed by the model as the program
// feeds it: the recent airports (Lst_Stored) filled entry by entry, as an
// airport set or a folder import fills them, and a saved flight of many
// waypoints opened by a click on its button, the whole road from the click
// to the last widget shown. Times are real times: a person waits for the
// window, not for the processor alone.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <random>

#include "bench_common.h"
#include "bench_runner.h"
#include "main_window.h"
#include "qt_text.h"
#include "window/frm_vell13.h"

namespace vell::bench {

namespace {

// Distinct four-letter codes: in the order an airport set file holds them
// (the program writes the list as it shows it, sorted), or shuffled, as a
// folder of notes written by hand may give them.
std::vector<std::string> airportCodes(int count, bool shuffled) {
    std::vector<std::string> codes;
    for (int i = 0; i < count; ++i) {
        std::string code = "AAAA";
        for (int n = i, at = 3; at >= 0; n /= 26, --at) code[at] = static_cast<char>('A' + n % 26);
        codes.push_back(code);
    }
    if (shuffled) std::shuffle(codes.begin(), codes.end(), std::mt19937(20261207));
    return codes;
}

// The model's window with the real Qt window on it, shown.
struct ShownWindow {
    ShownWindow(const World& world, std::string& failure) : w(world, failure), window(*w.f) {
        w.f->load();
        window.show();
        QCoreApplication::processEvents();
    }
    template <class Widget>
    Widget* widget(const char* name) const {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }
    Window w;
    vellgui::MainWindow window;
};

void fillStored(benchmark::State& state, int count, bool shuffled) {
    std::string failure;
    ShownWindow shown(sharedWorld(WorldSize{2, 3, 2, 0}), failure);
    ListBox& stored = shown.w.f->Lst_Stored;
    auto* widget = shown.widget<QListWidget>("Lst_Stored");
    const std::vector<std::string> codes = airportCodes(count, shuffled);
    for (auto _ : state) {
        state.PauseTiming();
        stored.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (const std::string& code : codes) stored.addItem(code);
        // The view lays the entries out and paints them.
        QCoreApplication::processEvents();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (widget == nullptr || widget->count() != count)
        return state.SkipWithError("the list widget does not hold every code");
    for (int i : {0, count / 2, count - 1}) {
        if (widget->item(i)->text() != vellgui::toQt(stored.item(i)))
            return state.SkipWithError("the list widget's entries differ from the model's");
    }
    state.counters["entries"] = count;
}

void openFlight(benchmark::State& state, int waypoints) {
    std::string failure;
    const World& world = sharedWorld(WorldSize{20, 3, waypoints, 0});
    ShownWindow shown(world, failure);
    auto* button = shown.widget<QAbstractButton>("Cmd_Sel_FSFLT");
    if (button == nullptr) return state.SkipWithError("no button Cmd_Sel_FSFLT");
    for (auto _ : state) {
        state.PauseTiming();
        dropReadCache();
        shown.w.ui.openAnswers.push_back(world.savedFlight());
        state.ResumeTiming();
        button->click();
        QCoreApplication::processEvents();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (shown.w.ui.messages != 0) return state.SkipWithError(shown.w.ui.lastMessage.c_str());
    const auto* plan = shown.widget<QLineEdit>("Txt_Sel_Flightplan");
    if (plan == nullptr || plan->text().isEmpty())
        return state.SkipWithError("the window does not show the flight's plan");
    state.counters["waypoints"] = waypoints;
}

void registerQtWindow(bool smoke) {
    const int small = smoke ? 10 : 1000;
    const int large = smoke ? 100 : 10000;
    for (bool shuffled : {false, true}) {
        const std::string kind = shuffled ? "QtList/Lst_Stored/shuffled/" : "QtList/Lst_Stored/";
        for (int count : {small, large})
            benchmark::RegisterBenchmark((kind + std::to_string(count) + "codes").c_str(),
                                         fillStored, count, shuffled)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        scalings().push_back({kind + std::to_string(large) + "codes",
                              kind + std::to_string(small) + "codes",
                              static_cast<double>(large) / small});
    }
    const int waypoints = smoke ? 100 : 10000;
    benchmark::RegisterBenchmark(("QtOpenFlight/" + std::to_string(waypoints) + "wp").c_str(),
                                 openFlight, waypoints)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

}  // namespace vell::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return vell::bench::runBenchmarks(argc, argv, vell::bench::registerQtWindow);
}
