#include "gui_fixture.h"

#include <QApplication>
#include <QTest>

#include <atomic>
#include <fstream>

#include "text/strings.h"
#include "vellmaster.h"
#include "window/frm_texted.h"

namespace fs = std::filesystem;

namespace vellgui::test {

void ScriptedUi::answerOpen(const fs::path& path) {
    openAnswers.push_back(vell::FileChoice{path.string(), path.filename().string()});
}

std::optional<vell::FileChoice> ScriptedUi::openFile(const vell::FileDialogRequest& request) {
    opens.push_back(request);
    if (openAnswers.empty()) return std::nullopt;
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::saveFile(const vell::FileDialogRequest& request) {
    saves.push_back(request);
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

vell::MsgAnswer ScriptedUi::messageBox(const std::string& text, vell::MsgButtons buttons,
                                       vell::MsgIcon icon, const std::string& title) {
    messages.push_back({text, buttons, icon, title});
    if (!messageAnswers.empty()) {
        const vell::MsgAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return buttons == vell::MsgButtons::YesNo || buttons == vell::MsgButtons::YesNoCancel
               ? vell::MsgAnswer::Yes
               : vell::MsgAnswer::OK;
}

std::string ScriptedUi::inputBox(const std::string& prompt, const std::string&,
                                 const std::string&) {
    prompts.push_back(prompt);
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void ScriptedUi::showModal(vell::Frm_TEXTED& dialog) {
    ++modals;
    if (onModal) onModal(dialog);
    dialog.hide();
}

void ScriptedUi::doEvents() {
    ++doEventsCalls;
    QApplication::processEvents();
}

void ScriptedUi::openHelp(const std::string& helpFile) {
    helps.push_back(helpFile);
}

namespace {

void writeCrLf(const fs::path& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
}

}  // namespace

DemoCopy::DemoCopy() {
    static std::atomic<int> counter{0};
    root = fs::temp_directory_path() /
           ("vellmaster-demo-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
            std::to_string(counter++));
    fs::remove_all(root);
    fs::create_directories(root);
    const fs::path source(VELL_DEMO_DIR);
    fs9 = root / "FS9";
    fs::copy(source / "FS9", fs9, fs::copy_options::recursive);
    fs::copy(source / "Documents", root / "Documents", fs::copy_options::recursive);
    user = root / "Documents" / "Flight Simulator Files";
    flight = user / "Frankfurt to Heathrow.FLT";
    program = root / "prog";
    fs::create_directories(program);
    writeCrLf(program / "fs_vell.ini",
              {"[preferences]", "standard_out=0", "standard_in=1", "helpfile=Vell_help_e.chm", "",
               "[USER]", "FS8_PATH=", "FS9_PATH=" + fs9.string(), "USER_PATH=" + user.string(),
               "Recent=", ""});
}

DemoCopy::~DemoCopy() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void WindowTest::SetUp() {
    demo = std::make_unique<DemoCopy>();
    host.registry = &registry;
    host.programFolder = demo->program.string();
    host.installedDataFolder = VELL_HELP_DATA_DIR;
    model = vell::createMainWindow(ui, host);
    window = std::make_unique<MainWindow>(*model);
    model->load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown() {
    window.reset();
    model.reset();
    demo.reset();
}

QObject* WindowTest::objectOf(const std::string& name) const {
    const QList<QObject*> found =
        window->findChildren<QObject*>(QString::fromStdString(name), Qt::FindChildrenRecursively);
    return found.size() == 1 ? found.front() : nullptr;
}

std::string WindowTest::cp1252(const QString& text) {
    return vell::utf8ToCp1252(text.toStdString());
}

}  // namespace vellgui::test
