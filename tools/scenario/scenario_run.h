// One scenario being run: its temporary folder, the host it gives the
// window model, the scripted dialogs and the window model itself. The verbs
// are split by kind: setting up and answers (scenario_run.cpp), a person's
// actions (actions.cpp) and expectations (expectations.cpp).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "script.h"
#include "scripted_ui_port.h"
#include "vellmaster.h"

namespace vell::scenario {

// A scenario that cannot run on this host (a symbolic link where there are
// none); it is reported as skipped, not as failed.
class ScenarioSkip : public std::runtime_error {
  public:
    explicit ScenarioSkip(const std::string& why) : std::runtime_error(why) {}
};

// Environment variables that a scenario sets, put back as they were when it
// ends, however it ends.
class EnvironmentChanges {
  public:
    EnvironmentChanges() = default;
    EnvironmentChanges(const EnvironmentChanges&) = delete;
    EnvironmentChanges& operator=(const EnvironmentChanges&) = delete;
    ~EnvironmentChanges();

    void set(const std::string& name, const std::string& value);

  private:
    // Each variable's value before the scenario, in the order first set.
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class ScenarioRun {
  public:
    ScenarioRun(std::string root, std::function<void(Frm_Vell13&)> extraWiring = {});
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    // Runs the lines and then checks that no answer was left unused.
    // Throws ScenarioFailure or ScriptError at the first failing line.
    void run(const std::vector<ScriptLine>& lines);

    // The line being run (for failures raised deep inside the program).
    int currentLine() const { return currentLine_; }
    const LineSource& currentSource() const { return currentSource_; }

  private:
    void runLines(const std::vector<ScriptLine>& lines);
    void exec(const ScriptLine& line);

    // Setting up and answers.
    void program(const ScriptLine& line);
    void makeFolder(const ScriptLine& line);
    void writeFile(const ScriptLine& line);
    void writeRawFile(const ScriptLine& line);
    // The host: registry values, environment variables, links
    // (host_setup.cpp).
    void registry(const ScriptLine& line);
    void env(const ScriptLine& line);
    void link(const ScriptLine& line);
    // A scenario that makes links does not run on a host without them.
    void skipWithoutLinks(const std::vector<ScriptLine>& lines) const;
    void screen(const ScriptLine& line);
    void start(const ScriptLine& line);
    void answer(const ScriptLine& line);
    void runModalBlock(const Answer& answer, Frm_TEXTED& dialog);

    // A person's actions.
    void click(const ScriptLine& line);
    void set(const ScriptLine& line);
    void type(const ScriptLine& line);
    void leave(const ScriptLine& line);
    void select(const ScriptLine& line);
    void key(const ScriptLine& line);
    // A person puts the keyboard input on the field (a click, typing).
    void takeFocus(Field& field);
    // The field that holds the keyboard input: in the dialog while it is shown.
    Field* focusNow() const;
    // One character typed into the field that holds the input.
    void typeInto(Field& field, int keyAscii);

    // Expectations.
    void expect(const ScriptLine& line);
    void expectField(const ScriptLine& line);
    void expectItems(const ScriptLine& line);
    void expectFile(const ScriptLine& line);
    void expectDialog(const ScriptLine& line);
    void expectFocus(const ScriptLine& line);
    void expectFront(const ScriptLine& line);

    // Argument i with $ROOT and $SEP replaced; fails when missing.
    std::string arg(const ScriptLine& line, std::size_t i) const;
    bool isWord(const ScriptLine& line, std::size_t i, const char* word) const;
    // Fails unless the line has exactly n arguments (the verb included).
    void needArgs(const ScriptLine& line, std::size_t n, const char* usage) const;
    void needNoBlock(const ScriptLine& line) const;
    std::vector<std::string> blockLines(const ScriptLine& line) const;

    Frm_Vell13& window() const;
    Field& field(const std::string& name) const;
    bool inDialog(const Field& field) const;
    // Whether a person can reach the field now: false when it or its
    // container is disabled; fails when the field's window is not usable.
    bool reachable(const Field& field) const;

    // First, so that the variables are put back after everything else is
    // gone.
    EnvironmentChanges environment_;
    std::string root_;
    std::function<void(Frm_Vell13&)> extraWiring_;
    std::string programFolder_;
    MemoryRegistry registry_;
    HostRegistry hostRegistry_;
    bool scriptedRegistry_ = false;  // a `registry` line with a value was run
    bool askHost_ = false;           // `registry host` was run
    mutable Host host_;
    mutable ScriptedUiPort ui_;
    mutable std::unique_ptr<Frm_Vell13> window_;
    bool started_ = false;
    int currentLine_ = 0;
    LineSource currentSource_;
    // The dialog's field with the keyboard input. Kept apart from the main
    // window's, which keeps its own while the dialog is in front (moving
    // between windows raises no LostFocus).
    Field* dialogFocus_ = nullptr;
};

[[noreturn]] void fail(const std::string& what);

// A whole number, or a failure naming what it is for.
int parseNumber(const std::string& text, const char* what);

}  // namespace vell::scenario
