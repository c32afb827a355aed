// What a scenario expects of the window, the dialogs shown and the disk.
// A failing expectation stops the scenario with the expected and the
// actual value.
#include "field_props.h"
#include "platform/files.h"
#include "scenario_run.h"
#include "text_diff.h"

namespace vell::scenario {

namespace {

void compare(const std::string& what, const std::string& expected, const std::string& actual) {
    if (expected != actual)
        fail(what + ": expected " + quote(expected) + ", actual " + quote(actual));
}

}  // namespace

void ScenarioRun::expect(const ScriptLine& line) {
    if (line.args.size() < 2) fail("usage: expect WHAT ...");
    const std::string& what = line.args[1].text;
    if (line.args[1].quoted) fail("expect names what it checks without quotes");
    if (what == "items") return expectItems(line);
    if (what == "file" || what == "rawfile") return expectFile(line);
    if (line.hasBlock) fail("expect " + what + " takes no block");
    if (what == "var") {
        needArgs(line, 4, "expect var NAME \"VALUE\"");
        const std::string name = arg(line, 2);
        Frm_Vell13& f = window();
        const std::string* value = name == "FS8_PATH"       ? &f.FS8_PATH
                                   : name == "FS9_PATH"     ? &f.FS9_PATH
                                   : name == "USER_PATH"    ? &f.USER_PATH
                                   : name == "KIV_PATH"     ? &f.KIV_PATH
                                   : name == "KIV_PLN_PATH" ? &f.KIV_PLN_PATH
                                   : name == "PLANFILE"     ? &f.PLANFILE
                                   : name == "FLTFILE"      ? &f.FLTFILE
                                                            : nullptr;
        if (value == nullptr) fail("the window has no value " + quote(name));
        return compare(name, arg(line, 3), *value);
    }
    if (what == "nofile" || what == "dir" || what == "nodir") {
        needArgs(line, 3, "expect nofile|dir|nodir PATH");
        const std::string path = arg(line, 2);
        if (what == "nofile" && files::fileExists(path))
            fail("the file " + quote(path) + " exists");
        if (what == "dir" && !files::folderExists(path)) fail("there is no folder " + quote(path));
        if (what == "nodir" && files::folderExists(path))
            fail("the folder " + quote(path) + " exists");
        return;
    }
    if (what == "dialog") return expectDialog(line);
    if (what == "dialogs") {
        needArgs(line, 3, "expect dialogs N");
        int n = parseNumber(arg(line, 2), "the number of dialogs");
        int shown = static_cast<int>(ui_.dialogs().size());
        if (n != shown) {
            std::string kinds;
            for (const DialogRecord& d : ui_.dialogs())
                kinds += std::string(kinds.empty() ? "" : ", ") + kindWord(d.kind);
            fail("dialogs: expected " + std::to_string(n) + ", actual " + std::to_string(shown) +
                 (kinds.empty() ? "" : " (" + kinds + ")"));
        }
        return;
    }
    if (what == "focus") return expectFocus(line);
    if (what == "front") return expectFront(line);
    if (what == "helpfile") {
        needArgs(line, 3, "expect helpfile \"PATH\"");
        return compare("the help file", arg(line, 2), window().helpFile());
    }
    if (what == "pointer") {
        needArgs(line, 3, "expect pointer busy|normal");
        const std::string state = arg(line, 2);
        if (state != "busy" && state != "normal")
            fail("the pointer is busy or normal, not " + quote(state));
        return compare("the pointer", state, window().busy() ? "busy" : "normal");
    }
    if (what == "closed") {
        needArgs(line, 2, "expect closed");
        if (!window().closed()) fail("the window has not closed");
        return;
    }
    if (what.find('.') != std::string::npos) return expectField(line);
    fail("unknown expectation " + quote(what));
}

void ScenarioRun::expectField(const ScriptLine& line) {
    needArgs(line, 3, "expect NAME.PROP \"VALUE\"");
    const std::string target = arg(line, 1);
    // The property follows the last dot: Frm_TEXTED.Text1.text.
    const std::size_t dot = target.rfind('.');
    const std::string name = target.substr(0, dot);
    const std::string property = target.substr(dot + 1);
    Field& fld = field(name);
    PropertyValue v = readProperty(fld, property);
    if (!v.ok) fail(v.error);
    compare(target, arg(line, 2), v.value);
}

void ScenarioRun::expectItems(const ScriptLine& line) {
    needArgs(line, 3, "expect items NAME <<");
    if (!line.hasBlock) fail("usage: expect items NAME << (a block up to end)");
    Field& fld = field(arg(line, 2));
    std::vector<std::string> actual;
    if (const auto* list = dynamic_cast<const ListField*>(&fld))
        actual = list->items();
    else if (const auto* folders = dynamic_cast<const FolderList*>(&fld))
        actual = folders->entries();
    else
        fail(fld.name() + " is a " + kindName(fld.kind()) + ", which has no entries");
    if (auto diff = firstDifference(blockLines(line), actual)) fail(fld.name() + ": " + *diff);
}

void ScenarioRun::expectFile(const ScriptLine& line) {
    const bool raw = line.args[1].text == "rawfile";
    std::string expected;
    bool contains = false;
    if (raw) {
        needArgs(line, 4, "expect rawfile PATH \"TEXT\"");
        needNoBlock(line);
        expected = arg(line, 3);
    } else if (line.args.size() == 5 && isWord(line, 3, "contains")) {
        needNoBlock(line);
        contains = true;
        expected = arg(line, 4);
    } else {
        needArgs(line, 3, "expect file PATH << or expect file PATH contains \"TEXT\"");
        if (!line.hasBlock) fail("usage: expect file PATH << (a block up to end)");
        for (const std::string& l : blockLines(line)) expected += l + "\r\n";
    }
    const std::string path = arg(line, 2);
    if (!files::fileExists(path)) fail("there is no file " + quote(path));
    std::optional<std::string> bytes = files::readWhole(path);
    if (!bytes) fail("the file " + quote(path) + " cannot be read");
    if (contains) {
        if (bytes->find(expected) == std::string::npos)
            fail("the file " + quote(path) + " does not contain " + quote(expected));
        return;
    }
    if (auto diff = firstDifference(expected, *bytes))
        fail("the file " + quote(path) + ", " + *diff);
}

void ScenarioRun::expectDialog(const ScriptLine& line) {
    if (line.args.size() < 3) fail("usage: expect dialog open|save|msgbox|input ...");
    const std::string kind = line.args[2].text;
    DialogKind k;
    if (kind == "open") {
        needArgs(line, 7, "expect dialog open \"TITLE\" \"FILTER\" \"FOLDER\" \"FILENAME\"");
        k = DialogKind::Open;
    } else if (kind == "save") {
        needArgs(line, 6, "expect dialog save \"TITLE\" \"FILTER\" \"FOLDER\"");
        k = DialogKind::Save;
    } else if (kind == "msgbox") {
        needArgs(line, 7, "expect dialog msgbox \"TEXT\" BUTTONS ICON \"TITLE\"");
        k = DialogKind::MsgBox;
    } else if (kind == "input") {
        needArgs(line, 6, "expect dialog input \"PROMPT\" \"TITLE\" \"DEFAULT\"");
        k = DialogKind::Input;
    } else {
        fail("unknown dialog kind " + quote(kind) + " (open, save, msgbox, input)");
    }
    const DialogRecord* d = ui_.last(k);
    if (d == nullptr) fail("no " + kind + " dialog has been shown");
    const std::string of = "the last " + kind + " dialog's ";
    switch (k) {
        case DialogKind::Open:
        case DialogKind::Save:
            compare(of + "title", arg(line, 3), d->title);
            compare(of + "filter", arg(line, 4), d->filter);
            compare(of + "folder", arg(line, 5), d->folder);
            if (k == DialogKind::Open) compare(of + "file name", arg(line, 6), d->fileName);
            return;
        case DialogKind::MsgBox: {
            compare(of + "text", arg(line, 3), d->text);
            if (!parseButtons(arg(line, 4)))
                fail("buttons are OK, YesNo, OKCancel or YesNoCancel, not " + quote(arg(line, 4)));
            compare(of + "buttons", arg(line, 4), buttonsWord(d->buttons));
            if (!parseIcon(arg(line, 5)))
                fail("icons are none, information, exclamation, question or critical, not " +
                     quote(arg(line, 5)));
            compare(of + "icon", arg(line, 5), iconWord(d->icon));
            compare(of + "title", arg(line, 6), d->title);
            return;
        }
        case DialogKind::Input:
            compare(of + "prompt", arg(line, 3), d->prompt);
            compare(of + "title", arg(line, 4), d->title);
            compare(of + "default", arg(line, 5), d->defaultText);
            return;
        case DialogKind::Modal:
            return;
    }
}

void ScenarioRun::expectFocus(const ScriptLine& line) {
    needArgs(line, 3, "expect focus NAME");
    const std::string name = arg(line, 2);
    Field* actual = focusNow();
    const std::string actualName = actual == nullptr   ? std::string("none")
                                   : inDialog(*actual) ? "Frm_TEXTED." + actual->name()
                                                       : actual->name();
    if (name == "none" && !line.args[2].quoted) {
        if (actual != nullptr) compare("the keyboard input", name, actualName);
        return;
    }
    Field& expected = field(name);
    if (&expected != actual) compare("the keyboard input", name, actualName);
}

void ScenarioRun::expectFront(const ScriptLine& line) {
    needArgs(line, 3, "expect front NAME");
    Field& fld = field(arg(line, 2));
    auto* frame = dynamic_cast<Frame*>(&fld);
    if (frame == nullptr) fail(fld.name() + " is a " + kindName(fld.kind()) + ", not a frame");
    if (!window().inFront(*frame)) {
        std::string front;
        for (const Frame* other : window().placeOf(*frame))
            if (window().inFront(*other)) front = other->name();
        fail(fld.name() + " is not in front" + (front.empty() ? "" : "; " + front + " is"));
    }
}

}  // namespace vell::scenario
