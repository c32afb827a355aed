// Running the lines of a scenario: the verbs that set up the host and the
// files, the start of the window model, and the queued answers.
#include "scenario_run.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/files.h"
#include "platform/faults.h"
#include "platform/host_names.h"

namespace stdfs = std::filesystem;

namespace vell::scenario {

namespace {

// Creates the parents of a file written by the scenario, exactly as named.
void writeBytes(const std::string& path, const std::string& bytes) {
    const stdfs::path p = files::toHostName(path);
    std::error_code ec;
    if (p.has_parent_path()) stdfs::create_directories(p.parent_path(), ec);
    if (ec)
        fail("cannot create the folder " + quote(files::fromHostName(p.parent_path())) + ": " +
             ec.message());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) fail("cannot write the file " + quote(path));
}

}  // namespace

void fail(const std::string& what) {
    throw ScenarioFailure(what);
}

int parseNumber(const std::string& text, const char* what) {
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') i = 1;
    if (i == text.size() || text.size() > 10)
        fail(std::string(what) + " must be a whole number, not " + quote(text));
    for (; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            fail(std::string(what) + " must be a whole number, not " + quote(text));
    return std::stoi(text);
}

ScenarioRun::ScenarioRun(std::string root, std::function<void(Frm_Vell13&)> extraWiring)
    : root_(std::move(root)),
      extraWiring_(std::move(extraWiring)),
      programFolder_(root_ + SEP + "prog") {
    host_.registry = &registry_;
    ui_.runModal = [this](const Answer& a, Frm_TEXTED& dialog) { runModalBlock(a, dialog); };
}

void ScenarioRun::run(const std::vector<ScriptLine>& lines) {
    skipWithoutLinks(lines);
    runLines(lines);
    std::vector<Answer> left = ui_.pending();
    if (!left.empty())
        throw ScenarioFailure(left.front().describe() + " was never used", left.front().line,
                              left.front().source);
}

void ScenarioRun::runLines(const std::vector<ScriptLine>& lines) {
    for (const ScriptLine& line : lines) {
        // Failures keep the innermost line; a line that ends well gives the
        // line number back to the one that runs it.
        int outer = currentLine_;
        LineSource outerSource = currentSource_;
        currentLine_ = line.number;
        currentSource_ = line.source;
        exec(line);
        currentLine_ = outer;
        currentSource_ = std::move(outerSource);
    }
}

void ScenarioRun::exec(const ScriptLine& line) {
    const std::string& verb = line.args.at(0).text;
    if (line.args[0].quoted) fail("a line begins with a verb, not a quoted text");
    if (verb == "program") return program(line);
    if (verb == "mkdir") return makeFolder(line);
    if (verb == "file") return writeFile(line);
    if (verb == "rawfile") return writeRawFile(line);
    if (verb == "registry") return registry(line);
    if (verb == "env") return env(line);
    if (verb == "link") return link(line);
    if (verb == "screen") return screen(line);
    if (verb == "start") return start(line);
    if (verb == "answer") return answer(line);
    if (verb == "click") return click(line);
    if (verb == "set") return set(line);
    if (verb == "type") return type(line);
    if (verb == "leave") return leave(line);
    if (verb == "select") return select(line);
    if (verb == "key") return key(line);
    // Includes are put in place before the run; one seen here was written in
    // a modal block, where it is a block line like any other.
    if (verb == "include") fail("include is not an action: it cannot stand in a block");
    if (verb == "resize" || verb == "close") {
        needArgs(line, 1, verb.c_str());
        needNoBlock(line);
        if (window().closed()) fail("the window has closed");
        if (window().texted.shown()) fail("the main window waits while Frm_TEXTED is shown");
        if (verb == "resize")
            window().resize();
        else
            window().close();
        return;
    }
    if (verb == "expect") {
        // What the scenario checks is read past any fault injected into the
        // program (VELLMASTER_FAULT).
        faults::Hold hold;
        return expect(line);
    }
    fail("unknown verb " + quote(verb));
}

std::string ScenarioRun::arg(const ScriptLine& line, std::size_t i) const {
    if (i >= line.args.size()) fail("argument " + std::to_string(i) + " is missing");
    return expand(line.args[i].text, root_, SEP);
}

bool ScenarioRun::isWord(const ScriptLine& line, std::size_t i, const char* word) const {
    return i < line.args.size() && !line.args[i].quoted && line.args[i].text == word;
}

void ScenarioRun::needArgs(const ScriptLine& line, std::size_t n, const char* usage) const {
    if (line.args.size() != n) fail(std::string("usage: ") + usage);
}

void ScenarioRun::needNoBlock(const ScriptLine& line) const {
    if (line.hasBlock) fail(line.args[0].text + " takes no block");
}

std::vector<std::string> ScenarioRun::blockLines(const ScriptLine& line) const {
    std::vector<std::string> out;
    out.reserve(line.block.size());
    for (const std::string& l : line.block) out.push_back(expand(l, root_, SEP));
    return out;
}

Frm_Vell13& ScenarioRun::window() const {
    // Before start the window model exists in its design-time state: its
    // fields can be looked at, and start runs its load handler.
    if (!window_) {
        host_.programFolder = programFolder_;
        window_ = createMainWindow(ui_, host_);
        // A failure that escapes a handler is a fault of the program: it
        // fails the scenario instead of being told in a message box.
        window_->events().setReport([](const std::string&) { throw; });
        if (extraWiring_) extraWiring_(*window_);
    }
    return *window_;
}

Field& ScenarioRun::field(const std::string& name) const {
    Field* f = window().find(name);
    if (f == nullptr) fail("the window has no field " + quote(name));
    return *f;
}

bool ScenarioRun::inDialog(const Field& field) const {
    for (const Field* f : window().texted.fields())
        if (f == &field) return true;
    return false;
}

bool ScenarioRun::reachable(const Field& field) const {
    Frm_Vell13& f = window();
    if (inDialog(field)) {
        if (!f.texted.shown()) fail("Frm_TEXTED is not shown");
    } else {
        if (f.closed()) fail("the window has closed");
        if (f.texted.shown()) fail("the main window waits while Frm_TEXTED is shown");
    }
    for (const Field* c = &field; c != nullptr; c = c->container())
        if (!c->enabled()) return false;
    // A menu item under a disabled menu cannot be reached either.
    if (field.kind() == FieldKind::MenuItem) {
        for (const MenuItem* menu : f.menuBar())
            for (const MenuItem* item : menu->children())
                if (item == &field && !menu->enabled()) return false;
    }
    return true;
}

// --- Setting up ----------------------------------------------------------

void ScenarioRun::program(const ScriptLine& line) {
    needArgs(line, 2, "program PATH");
    needNoBlock(line);
    if (started_) fail("program must come before start");
    programFolder_ = arg(line, 1);
}

void ScenarioRun::makeFolder(const ScriptLine& line) {
    needArgs(line, 2, "mkdir PATH");
    needNoBlock(line);
    std::error_code ec;
    stdfs::create_directories(files::toHostName(arg(line, 1)), ec);
    if (ec) fail("cannot create the folder " + quote(arg(line, 1)) + ": " + ec.message());
}

void ScenarioRun::writeFile(const ScriptLine& line) {
    needArgs(line, 2, "file PATH <<");
    if (!line.hasBlock) fail("usage: file PATH << (a block up to end)");
    std::string bytes;
    for (const std::string& l : blockLines(line)) bytes += l + "\r\n";
    writeBytes(arg(line, 1), bytes);
}

void ScenarioRun::writeRawFile(const ScriptLine& line) {
    needArgs(line, 3, "rawfile PATH \"TEXT\"");
    needNoBlock(line);
    writeBytes(arg(line, 1), arg(line, 2));
}

void ScenarioRun::screen(const ScriptLine& line) {
    needArgs(line, 3, "screen WIDTH HEIGHT");
    needNoBlock(line);
    if (started_) fail("screen must come before start");
    host_.screenWidth = parseNumber(arg(line, 1), "the screen width");
    host_.screenHeight = parseNumber(arg(line, 2), "the screen height");
}

void ScenarioRun::start(const ScriptLine& line) {
    needArgs(line, 1, "start");
    needNoBlock(line);
    if (started_) fail("the window has been started already");
    std::error_code ec;
    stdfs::create_directories(files::toHostName(programFolder_), ec);
    if (ec) fail("cannot create the program folder " + quote(programFolder_) + ": " + ec.message());
    started_ = true;
    host_.programFolder = programFolder_;
    window().load();
}

// --- Answers ---------------------------------------------------------------

void ScenarioRun::answer(const ScriptLine& line) {
    if (line.args.size() < 2) fail("usage: answer open|save|input|msgbox|modal ...");
    const std::string& kind = line.args[1].text;
    Answer a;
    a.line = line.number;
    a.source = line.source;
    if (kind == "modal") {
        needArgs(line, 2, "answer modal <<");
        if (!line.hasBlock) fail("usage: answer modal << (a block up to end)");
        a.kind = DialogKind::Modal;
        a.block = line.block;
        a.blockFirstLine = line.number + 1;
        ui_.queue(std::move(a));
        return;
    }
    needNoBlock(line);
    if (kind == "open" || kind == "save" || kind == "input") {
        const char* usage = kind == "open"   ? "answer open PATH|cancel"
                            : kind == "save" ? "answer save PATH|cancel"
                                             : "answer input \"TEXT\"|cancel";
        needArgs(line, 3, usage);
        a.kind = kind == "open"   ? DialogKind::Open
                 : kind == "save" ? DialogKind::Save
                                  : DialogKind::Input;
        a.cancel = isWord(line, 2, "cancel");
        if (!a.cancel) a.text = arg(line, 2);
    } else if (kind == "msgbox") {
        needArgs(line, 3, "answer msgbox OK|Yes|No|Cancel");
        auto button = parseAnswer(line.args[2].text);
        if (!button)
            fail("a message box is answered OK, Yes, No or Cancel, not " +
                 quote(line.args[2].text));
        a.kind = DialogKind::MsgBox;
        a.button = *button;
    } else {
        fail("unknown answer kind " + quote(kind) + " (open, save, input, msgbox, modal)");
    }
    ui_.queue(std::move(a));
}

void ScenarioRun::runModalBlock(const Answer& answer, Frm_TEXTED&) {
    // The block's lines are read as scenario lines only now; $ROOT and $SEP
    // are replaced in each argument after its quotes are read.
    dialogFocus_ = nullptr;
    runLines(parseLines(answer.block, answer.blockFirstLine, answer.source));
    dialogFocus_ = nullptr;
}

}  // namespace vell::scenario
