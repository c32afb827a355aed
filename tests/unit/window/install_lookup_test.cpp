// The start-up's registry lookups over several sources (under Wine, one per
// prefix): each simulator from the first source whose folder holds its
// program, the user's documents from the source that gave a simulator, each
// source asked once.
#include <gtest/gtest.h>

#include <map>

#include "platform/temp_folder.h"
#include "window/install_lookup.h"
#include "window/registry_path.h"

namespace vell {
namespace {

// Sources held in memory, named "p0", "p1" ...; counts how often each is asked.
class Sources : public Registry {
public:
    std::vector<std::map<std::string, std::string>> values;  // key or value name -> text
    mutable std::vector<int> asked;

    std::string queryString(RegistryRoot, const std::string&, const std::string&) const override {
        return {};
    }
    std::size_t sourceCount() const override { return values.size(); }
    std::string sourceName(std::size_t s) const override { return "p" + std::to_string(s); }
    std::vector<std::string> querySource(std::size_t s,
                                         const std::vector<RegistryValue>& asks) const override {
        asked.resize(values.size());
        ++asked[s];
        std::vector<std::string> answers;
        for (const RegistryValue& v : asks) {
            const auto it = values[s].find(v.valueName == kPersonalValue ? v.valueName : v.key);
            answers.push_back(it == values[s].end() ? "" : it->second);
        }
        return answers;
    }
};

TEST(InstallLookup, TakesEachSimulatorFromTheFirstSourceThatHoldsItsProgram) {
    testing::TempFolder tmp;
    tmp.write("fs8/fs2002.exe", "");
    tmp.write("fs9/fs9.exe", "");
    tmp.mkdir("empty");
    const std::string fs8 = tmp / "fs8", fs9 = tmp / "fs9", empty = tmp / "empty";
    const std::string nul = fs9 + std::string(1, '\0') + "x";
    using Row = std::vector<std::pair<std::string, std::string>>;  // FS8 value, FS9 value
    const struct {
        Row sources;
        bool want8, want9;
        std::string path8, path9;
        std::optional<std::size_t> source8, source9;
        std::vector<int> asked;
    } cases[] = {
        // The first value without the program is kept when no source has it.
        {{{"", ""}, {"D:\\FS2002", empty}, {"", fs9}}, true, true, "D:\\FS2002", fs9, {}, 2, {1, 1, 1}},
        // Found in different sources; the walk stops when both are found.
        {{{"", fs9}, {fs8, fs9}, {fs8, fs9}}, true, true, fs8, fs9, 1, 0, {1, 1, 0}},
        // Only one wanted: the other is not asked for, nor kept.
        {{{fs8, empty}, {fs8, fs9}}, false, true, "", fs9, {}, 1, {1, 1}},
        {{{fs8, fs9}}, false, false, "", "", {}, {}, {0}},
        // Cut at the NUL, as Get_REGPATH cuts.
        {{{"", nul}}, true, true, "", fs9, {}, 0, {1}},
        {{}, true, true, "", "", {}, {}, {}},
    };
    for (const auto& c : cases) {
        Sources registry;
        for (const auto& [v8, v9] : c.sources)
            registry.values.push_back({{kFs8RegistryKey, v8}, {kFs9RegistryKey, v9}});
        Host host;
        host.registry = &registry;
        std::vector<InstallSearch> searches{{kFs8RegistryKey, "fs2002.exe", c.want8, {}, {}},
                                            {kFs9RegistryKey, "fs9.exe", c.want9, {}, {}}};
        findInstallFolders(host, searches);
        const std::string row = std::to_string(&c - cases);
        EXPECT_EQ(searches[0].path, c.path8) << row;
        EXPECT_EQ(searches[1].path, c.path9) << row;
        EXPECT_EQ(searches[0].source, c.source8) << row;
        EXPECT_EQ(searches[1].source, c.source9) << row;
        registry.asked.resize(registry.values.size());
        EXPECT_EQ(registry.asked, c.asked) << row;
    }
}

TEST(InstallLookup, TakesTheDocumentsOfTheSimulatorsSourceFirst) {
    Sources registry;
    registry.values = {{}, {{kPersonalValue, "C1"}}, {{kPersonalValue, "C2"}}, {}};
    Host host;
    host.registry = &registry;
    const struct {
        std::vector<std::size_t> preferred;
        std::string documents;
    } cases[] = {{{2, 1}, "C2"}, {{3, 1}, "C1"}, {{}, "C1"}, {{0, 9}, "C1"}};
    for (const auto& c : cases) EXPECT_EQ(findDocumentsFolder(host, c.preferred), c.documents);
    // A source is asked once, also when it is preferred twice.
    registry.asked.assign(4, 0);
    registry.values[1].clear();
    registry.values[2].clear();
    EXPECT_EQ(findDocumentsFolder(host, {3, 3, 0}), "");
    EXPECT_EQ(registry.asked, (std::vector<int>{1, 1, 1, 1}));
    // The source a folder lies in, by the source's name as a folder.
    EXPECT_EQ(sourceHolding(host, "p2"), 2u);
    EXPECT_EQ(sourceHolding(host, "p1" + SEP + "drive_c"), 1u);
    EXPECT_EQ(sourceHolding(host, "p12" + SEP + "x"), std::nullopt);
    EXPECT_EQ(sourceNameOf(host, 3) + sourceNameOf(host, std::nullopt), "p3");
}

}  // namespace
}  // namespace vell
