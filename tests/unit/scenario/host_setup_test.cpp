// The runner's lines that set up the host: environment variables for one
// scenario, the host's own registry instead of scripted values, and links.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/environment.h"
#include "platform/host.h"
#include "runner.h"
#include "window/frm_vell13.h"

namespace vell::scenario {
namespace {

namespace fs = std::filesystem;

const char* const kProbe = "VELL_SCENARIO_PROBE";

// Leaving Image1 shows the probe variable and which registry the window
// was given.
void showingHost(Frm_Vell13& f) {
    f.Image1.LostFocus = [&f] {
        const auto value = environmentValue(kProbe);
        f.Txt_Status.setText(value ? *value : "(unset)");
        const bool host = dynamic_cast<const HostRegistry*>(f.host.registry) != nullptr;
        f.Txt_Title.setText(host ? "host" : "scripted");
    };
}

TEST(ScenarioHost, EnvSetsAVariableForOneScenarioOnly) {
    struct Case {
        const char* what;
        std::optional<std::string> before;
        std::string script;
        bool passes;
    };
    const Case cases[] = {
        {"set, then put back", "outer",
         "env VELL_SCENARIO_PROBE \"$ROOT$SEPx\"\nstart\nleave Image1\n"
         "expect Txt_Status.text \"$ROOT$SEPx\"\n",
         true},
        {"unset before: unset again after", std::nullopt,
         "env VELL_SCENARIO_PROBE \"in\"\nstart\nleave Image1\nexpect Txt_Status.text \"in\"\n",
         true},
        {"set twice: the first value is put back", "outer",
         "env VELL_SCENARIO_PROBE \"a\"\nenv VELL_SCENARIO_PROBE \"b\"\nstart\nleave Image1\n"
         "expect Txt_Status.text \"b\"\n",
         true},
        {"put back after a failure too", "outer",
         "env VELL_SCENARIO_PROBE \"in\"\nstart\nexpect Txt_Status.text \"other\"\n", false},
        {"not after start", "outer", "start\nenv VELL_SCENARIO_PROBE \"in\"\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setEnvironmentValue(kProbe, c.before);
        Outcome out = runScenario(c.script, false, showingHost);
        EXPECT_EQ(out.passed, c.passes) << out.line << ": " << out.message;
        EXPECT_EQ(environmentValue(kProbe), c.before);
    }
    setEnvironmentValue(kProbe, std::nullopt);

    Outcome out = runScenario("start\nenv VELL_SCENARIO_PROBE \"in\"\n", false);
    EXPECT_EQ(out.line, 2);
    EXPECT_EQ(out.message, "env must come before start");
}

TEST(ScenarioHost, RegistryHostAndScriptedValuesExcludeEachOther) {
    const std::string missing = "env WINEPREFIX \"$ROOT$SEPmissing\"\nenv HOME \"$ROOT\"\n";
    Outcome out = runScenario(
        missing + "registry host\nstart\nleave Image1\nexpect Txt_Title.text \"host\"\n", false,
        showingHost);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;

    out = runScenario("start\nleave Image1\nexpect Txt_Title.text \"scripted\"\n", false,
                      showingHost);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;

    const char* const value = "registry HKLM \"SOFTWARE\\x\" \"EXE Path\" \"C:\\FS9\"\n";
    for (const std::string& script :
         {std::string(value) + "registry host\n", "registry host\n" + std::string(value)}) {
        out = runScenario(missing + script, false);
        EXPECT_FALSE(out.passed);
        EXPECT_EQ(out.line, 4);
        EXPECT_EQ(out.message, "registry values and registry host exclude each other");
    }
    out = runScenario("start\nregistry host\n", false);
    EXPECT_EQ(out.message, "registry must come before start");
    out = runScenario("registry guest\n", false);
    EXPECT_FALSE(out.passed);
}

#ifndef _WIN32

TEST(ScenarioHost, LinkMakesASymbolicLinkWithItsParents) {
    Outcome out = runScenario(R"(mkdir $ROOT/pfx/drive_c/Games
link "$ROOT$SEPpfx$SEPdosdevices$SEPc:" "../drive_c"
link $ROOT/abs "$ROOT$SEPpfx"
expect dir "$ROOT$SEPpfx$SEPdosdevices$SEPc:$SEPGames"
expect dir "$ROOT$SEPabs$SEPdrive_c"
)",
                              true);
    EXPECT_TRUE(out.passed) << out.line << ": " << out.message;
    const fs::path root(out.root);
    EXPECT_EQ(fs::read_symlink(root / "pfx/dosdevices/c:"), fs::path("../drive_c"));
    EXPECT_EQ(fs::read_symlink(root / "abs"), root / "pfx");
    fs::remove_all(root);

    // A link that leads nowhere is made as well; an existing name is not.
    out =
        runScenario("link $ROOT/x \"missing\"\nexpect nodir $ROOT/x\nlink $ROOT/x \"y\"\n", false);
    EXPECT_FALSE(out.passed);
    EXPECT_EQ(out.line, 3);
    EXPECT_NE(out.message.find("cannot make the link"), std::string::npos) << out.message;
}

#else

TEST(ScenarioHost, AScenarioWithLinksIsSkippedWhereThereAreNone) {
    Outcome out = runScenario("start\nexpect var FS9_PATH \"x\"\nlink $ROOT/a \"b\"\n", false);
    EXPECT_FALSE(out.passed);
    EXPECT_TRUE(out.skipped);
    EXPECT_EQ(out.message, "no symbolic links");
}

#endif

}  // namespace
}  // namespace vell::scenario
