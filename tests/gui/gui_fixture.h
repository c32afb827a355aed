// What the offscreen tests of the window share: the unit tests' UI port (that
// also records the help asked for), a copy of the demo data with its settings
// file, and the real main window on a model wired with every handler.
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "main_window.h"
#include "platform/host.h"
#include "window/demo_copy.h"
#include "vellmaster.h"
#include "window/fake_ui_port.h"

// Readable QStrings in the messages of failed expectations.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vellgui::test {

struct ScriptedUi : vell::testing::FakeUiPort {
    std::vector<std::string> helps;
    void openHelp(const std::string& helpFile) override { helps.push_back(helpFile); }
};

using vell::testing::DemoCopy;

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.registry = &registry, host.programFolder = demo.program;
        host.installedDataFolder = VELL_HELP_DATA_DIR;
        model->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The widget, menu or action of a field, and what it shows.
    template <class W = QWidget>
    W* widget(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    void click(const char* name) const { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void type(const char* name, const QString& keys) const {
        widget(name)->setFocus();
        QTest::keyClicks(widget(name), keys);
    }
    QString text(const char* name) const {
        if (auto* line = widget<QLineEdit>(name)) return line->text();
        if (auto* lines = widget<QPlainTextEdit>(name)) return lines->toPlainText();
        if (auto* label = widget<QLabel>(name)) return label->text();
        return widget<QGroupBox>(name)->title();
    }

    DemoCopy demo;
    ScriptedUi ui;
    vell::MemoryRegistry registry;
    vell::Host host;  // read by the model when it loads
    std::unique_ptr<vell::Frm_Vell13> model = vell::createMainWindow(ui, host);
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(*model);
};

}  // namespace vellgui::test
